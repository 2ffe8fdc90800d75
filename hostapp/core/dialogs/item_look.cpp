// The dialog manager's own look of each item kind: what an item shows when
// the plug-in gives it no draw procedure (or calls the default drawing).
#include <sstream>

#include "dialogs/dialog_manager.h"
#include "dialogs/images.h"

namespace drawhost {

namespace {

struct Pen {
    DlgDrawer& drawer;
    int32_t w, h;

    void Color(int32_t named) { drawer.color = DlgNamedColor(named); }
    void Rect(OpKind kind, IntRect r) { DlgDrawRect(drawer, kind, r); }
    void Line(IntPoint a, IntPoint b) { DlgDrawLine(drawer, a, b); }
    void Text(const std::string& s, IntPoint at) { DlgDrawText(drawer, s, at); }
    void Triangle(int32_t right) {   // the popup's down arrow, ending at `right`
        IntPoint t[3] = {{right - 9, h / 2 - 2}, {right - 3, h / 2 - 2}, {right - 6, h / 2 + 2}};
        Color(kColorBlack);
        DlgDrawPolygon(drawer, OpKind::FillPolygon, t, 3);
    }
};

// Baseline of one line of text centred vertically in a box `h` high.
int32_t Baseline(int32_t font, int32_t h) {
    FontMetrics m = DlgFontMetrics(font);
    return (h + m.ascent - m.descent) / 2;
}

// A line of text in (left, right) with the item's justification.
void JustifiedText(Pen& pen, const DlgItem& item, const std::string& text, int32_t left, int32_t right,
                   int32_t baseline) {
    int32_t width = DlgTextWidth(item.font, text);
    int32_t x = left;
    if (item.justify == kJustifyCenter) x = left + (right - left - width) / 2;
    if (item.justify == kJustifyRight) x = right - width;
    pen.Text(text, {x, baseline});
}

// Words laid out into lines no wider than `width`; explicit line breaks kept.
std::vector<std::string> Wrap(const std::string& text, int32_t font, int32_t width) {
    std::vector<std::string> lines;
    std::istringstream paragraphs(text);
    std::string paragraph;
    while (std::getline(paragraphs, paragraph)) {
        std::istringstream words(paragraph);
        std::string word, line;
        while (words >> word) {
            std::string tried = line.empty() ? word : line + " " + word;
            if (!line.empty() && DlgTextWidth(font, tried) > width) {
                lines.push_back(line);
                line = word;
            } else {
                line = tried;
            }
        }
        lines.push_back(line);
    }
    return lines;
}

void Picture(Pen& pen, const DlgItem& item, int32_t pictureId, bool centred) {
    if (pictureId == 0) return;
    const DlgDialog* d = TheDlgState().dialogs.Find(item.dialog);
    int32_t w, h;
    std::string path = DlgPictureFile(d ? d->plugin : nullptr, pictureId, &w, &h);
    IntPoint at = centred ? IntPoint{(pen.w - w) / 2, (pen.h - h) / 2} : IntPoint{0, 0};
    DlgDrawImage(pen.drawer, path, pictureId, at, w, h);
}

int32_t ShownPicture(const DlgItem& item) {
    if (!item.enabled && item.disabledPicture) return item.disabledPicture;
    if (item.boolean && item.selectedPicture) return item.selectedPicture;
    return item.picture;
}

// A text field: white, sunken, its text selected when it took the focus.
void Field(Pen& pen, const DlgItem& item, int32_t right) {
    pen.Color(kColorWindow);
    pen.Rect(OpKind::FillRect, {0, 0, right, pen.h});
    pen.Rect(OpKind::SunkenFrame, {0, 0, right, pen.h});
    int32_t baseline = Baseline(item.font, pen.h);
    if (item.textSelected && !item.text.empty()) {
        FontMetrics m = DlgFontMetrics(item.font);
        pen.Color(kColorHilite);
        pen.Rect(OpKind::FillRect, {3, baseline - m.ascent, 3 + DlgTextWidth(item.font, item.text), baseline + m.descent});
        pen.Color(kColorHiliteText);
    } else {
        pen.Color(item.enabled ? kColorText : kColorDisabled);
    }
    JustifiedText(pen, item, item.text, 3, right - 3, baseline);
}

void SpinArrows(Pen& pen, int32_t left) {
    pen.Color(kColorButtonUp);
    pen.Rect(OpKind::FillRect, {left, 0, pen.w, pen.h});
    pen.Rect(OpKind::RaisedFrame, {left, 0, pen.w, pen.h / 2});
    pen.Rect(OpKind::RaisedFrame, {left, pen.h / 2, pen.w, pen.h});
}

}  // namespace

void DlgDefaultItemDraw(const DlgItem& item, DlgDrawer& drawer) {
    Pen pen{drawer, item.bounds.right - item.bounds.left, item.bounds.bottom - item.bounds.top};
    const int32_t textColor = item.enabled ? kColorText : kColorDisabled;
    switch (item.kind) {
    case ItemKind::TextStatic:
        pen.Color(textColor);
        JustifiedText(pen, item, item.text, 0, pen.w, Baseline(item.font, pen.h));
        break;
    case ItemKind::TextStaticMultiLine: {
        FontMetrics m = DlgFontMetrics(item.font);
        int32_t step = m.ascent + m.descent + m.leading, y = m.ascent;
        pen.Color(textColor);
        for (const std::string& line : Wrap(item.text, item.font, pen.w)) {
            JustifiedText(pen, item, line, 0, pen.w, y);
            y += step;
        }
        break;
    }
    case ItemKind::PictureStatic:
        Picture(pen, item, ShownPicture(item), false);
        break;
    case ItemKind::PicturePushButton:
    case ItemKind::PictureRadioButton:
        pen.Rect(item.boolean ? OpKind::SunkenFrame : OpKind::RaisedFrame, {0, 0, pen.w, pen.h});
        Picture(pen, item, ShownPicture(item), true);
        break;
    case ItemKind::TextPushButton:
        pen.Color(kColorButtonUp);
        pen.Rect(OpKind::FillRect, {0, 0, pen.w, pen.h});
        pen.Rect(OpKind::RaisedFrame, {0, 0, pen.w, pen.h});
        pen.Color(textColor);
        pen.Text(item.text, {(pen.w - DlgTextWidth(item.font, item.text)) / 2, Baseline(item.font, pen.h)});
        break;
    case ItemKind::TextCheckBox: {
        int32_t top = (pen.h - 12) / 2;
        pen.Color(kColorWindow);
        pen.Rect(OpKind::FillRect, {0, top, 12, top + 12});
        pen.Rect(OpKind::SunkenFrame, {0, top, 12, top + 12});
        if (item.boolean) {
            pen.Color(textColor);
            pen.Line({3, top + 6}, {5, top + 9});
            pen.Line({5, top + 9}, {9, top + 3});
        }
        pen.Color(textColor);
        pen.Text(item.text, {16, Baseline(item.font, pen.h)});
        break;
    }
    case ItemKind::TextEdit:
        Field(pen, item, pen.w);
        break;
    case ItemKind::SpinEdit:
        Field(pen, item, pen.w - 12);
        SpinArrows(pen, pen.w - 12);
        break;
    case ItemKind::SpinEditPopup:
        Field(pen, item, pen.w - 24);
        SpinArrows(pen, pen.w - 24);
        pen.Triangle(pen.w);
        break;
    case ItemKind::PopupList:
        pen.Color(kColorButtonUp);
        pen.Rect(OpKind::FillRect, {0, 0, pen.w, pen.h});
        pen.Rect(OpKind::RaisedFrame, {0, 0, pen.w, pen.h});
        pen.Color(textColor);
        pen.Text(DlgGetItemText(item), {4, Baseline(item.font, pen.h)});
        pen.Triangle(pen.w - 2);
        break;
    case ItemKind::Slider: {
        int32_t mid = pen.h / 2;
        pen.Rect(OpKind::SunkenFrame, {0, mid - 2, pen.w, mid + 2});
        float span = item.maxValue - item.minValue;
        float t = span > 0 ? (DlgClamp(item, item.number) - item.minValue) / span : 0;
        if (!(t >= 0 && t <= 1)) t = 0;   // an unbounded range
        int32_t x = int32_t(t * float(pen.w - 6));
        pen.Color(kColorButtonUp);
        pen.Rect(OpKind::FillRect, {x, 0, x + 6, pen.h});
        pen.Rect(OpKind::RaisedFrame, {x, 0, x + 6, pen.h});
        break;
    }
    case ItemKind::Flyout:
        break;   // a menu: nothing in the dialog's face
    }
}

}  // namespace drawhost
