#include "dialogs/display_list.h"

#include <cairo.h>

#include <cmath>
#include <cstdio>

#include "dialogs/images.h"

namespace drawhost {

namespace {

struct FontFace {
    double size;
    bool bold;
};

FontFace FaceOf(int32_t font) {
    switch (font) {
    case kFontPalette: return {10, false};
    case kFontPaletteBold: return {10, true};
    case kFontSmall: return {9, false};
    default: return {12, false};   // the default and dialog fonts
    }
}

void SelectFont(cairo_t* cr, int32_t font) {
    FontFace face = FaceOf(font);
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                           face.bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, face.size);
}

// A context for measuring text; nothing is ever painted on it.
cairo_t* MeasuringContext() {
    static cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1);
    static cairo_t* cr = cairo_create(surface);
    return cr;
}

void SetColor(cairo_t* cr, Rgb8 c) { cairo_set_source_rgb(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0); }

double W(const IntRect& r) { return r.right - r.left; }
double H(const IntRect& r) { return r.bottom - r.top; }

void OvalPath(cairo_t* cr, const IntRect& r, double inset) {
    double w = W(r) - 2 * inset, h = H(r) - 2 * inset;
    if (w <= 0 || h <= 0) return;
    cairo_save(cr);
    cairo_translate(cr, r.left + W(r) / 2, r.top + H(r) / 2);
    cairo_scale(cr, w / 2, h / 2);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
}

void PolygonPath(cairo_t* cr, const std::vector<IntPoint>& pts, double offset) {
    for (size_t i = 0; i < pts.size(); ++i) {
        if (i == 0)
            cairo_move_to(cr, pts[i].h + offset, pts[i].v + offset);
        else
            cairo_line_to(cr, pts[i].h + offset, pts[i].v + offset);
    }
    cairo_close_path(cr);
}

// Two-tone frame: `topLeft` along the top and left edges, `bottomRight` along the others.
void BevelFrame(cairo_t* cr, const IntRect& r, Rgb8 topLeft, Rgb8 bottomRight) {
    double l = r.left + 0.5, t = r.top + 0.5, rt = r.right - 0.5, b = r.bottom - 0.5;
    SetColor(cr, topLeft);
    cairo_move_to(cr, l, b);
    cairo_line_to(cr, l, t);
    cairo_line_to(cr, rt, t);
    cairo_stroke(cr);
    SetColor(cr, bottomRight);
    cairo_move_to(cr, rt, t);
    cairo_line_to(cr, rt, b);
    cairo_line_to(cr, l, b);
    cairo_stroke(cr);
}

// What stands for a picture or icon the bundle lacks: a magenta box with a cross.
void Placeholder(cairo_t* cr, const IntRect& r) {
    cairo_set_source_rgb(cr, 1, 0, 1);
    cairo_rectangle(cr, r.left + 0.5, r.top + 0.5, W(r) - 1, H(r) - 1);
    cairo_move_to(cr, r.left, r.top);
    cairo_line_to(cr, r.right, r.bottom);
    cairo_move_to(cr, r.right, r.top);
    cairo_line_to(cr, r.left, r.bottom);
    cairo_stroke(cr);
}

void PaintOp(const DrawOp& op, cairo_t* cr, bool transparentClear) {
    const IntRect& r = op.rect;
    SetColor(cr, op.color);
    switch (op.kind) {
    case OpKind::Line:
        if (op.points.size() == 2) {
            cairo_move_to(cr, op.points[0].h + 0.5, op.points[0].v + 0.5);
            cairo_line_to(cr, op.points[1].h + 0.5, op.points[1].v + 0.5);
            cairo_stroke(cr);
        }
        break;
    case OpKind::FrameRect:
        cairo_rectangle(cr, r.left + 0.5, r.top + 0.5, W(r) - 1, H(r) - 1);
        cairo_stroke(cr);
        break;
    case OpKind::FillRect:
        cairo_rectangle(cr, r.left, r.top, W(r), H(r));
        cairo_fill(cr);
        break;
    case OpKind::ClearRect:
        cairo_rectangle(cr, r.left, r.top, W(r), H(r));
        if (transparentClear) {
            cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
        } else {
            SetColor(cr, DlgNamedColor(kColorBackground));
        }
        cairo_fill(cr);
        break;
    case OpKind::InvertRect:
        cairo_set_operator(cr, CAIRO_OPERATOR_DIFFERENCE);
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_rectangle(cr, r.left, r.top, W(r), H(r));
        cairo_fill(cr);
        break;
    case OpKind::FrameOval:
        OvalPath(cr, r, 0.5);
        cairo_stroke(cr);
        break;
    case OpKind::FillOval:
        OvalPath(cr, r, 0);
        cairo_fill(cr);
        break;
    case OpKind::FramePolygon:
        PolygonPath(cr, op.points, 0.5);
        cairo_stroke(cr);
        break;
    case OpKind::FillPolygon:
        PolygonPath(cr, op.points, 0);
        cairo_fill(cr);
        break;
    case OpKind::Text:
        if (!op.points.empty()) {
            SelectFont(cr, op.font);
            cairo_move_to(cr, op.points[0].h, op.points[0].v);
            cairo_show_text(cr, op.text.c_str());
        }
        break;
    case OpKind::SunkenFrame:
        BevelFrame(cr, r, DlgNamedColor(kColorShadow), DlgNamedColor(kColorLight));
        break;
    case OpKind::RaisedFrame:
        BevelFrame(cr, r, DlgNamedColor(kColorLight), DlgNamedColor(kColorShadow));
        break;
    case OpKind::Image:
        if (cairo_surface_t* s = op.image.empty() ? nullptr : DlgImageSurface(op.image)) {
            cairo_set_source_surface(cr, s, r.left, r.top);
            cairo_paint(cr);
        } else {
            Placeholder(cr, r);
        }
        break;
    }
}

std::string Hex(Rgb8 c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", c.r, c.g, c.b);
    return buf;
}

std::string RectText(const IntRect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

std::string PointText(const IntPoint& p) { return std::to_string(p.h) + "," + std::to_string(p.v); }

}  // namespace

Rgb8 DlgNamedColor(int32_t namedColor) {
    switch (namedColor) {
    case kColorWhite: return {255, 255, 255};
    case kColorHilite: return {51, 102, 204};
    case kColorHiliteText: return {255, 255, 255};
    case kColorLight: return {255, 255, 255};
    case kColorBackground: return {212, 208, 200};
    case kColorShadow: return {128, 128, 128};
    case kColorDisabled: return {160, 160, 160};
    case kColorButtonUp: return {212, 208, 200};
    case kColorButtonDown: return {192, 192, 192};
    case kColorButtonShadow: return {64, 64, 64};
    case kColorToolTipBackground: return {255, 255, 225};
    case kColorWindow: return {255, 255, 255};
    case kColorRed: return {255, 0, 0};
    default: return {0, 0, 0};   // black, tooltip text, foreground, text
    }
}

void DlgPaintList(const DisplayList& list, cairo_t* cr) {
    cairo_save(cr);
    cairo_set_line_width(cr, 1.0);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
    for (const DrawOp& op : list.ops) {
        if (op.clip.right <= op.clip.left || op.clip.bottom <= op.clip.top) continue;
        cairo_save(cr);
        cairo_rectangle(cr, op.clip.left, op.clip.top, W(op.clip), H(op.clip));
        cairo_clip(cr);
        PaintOp(op, cr, list.transparentClear);
        cairo_restore(cr);
    }
    cairo_restore(cr);
}

std::string DlgDescribe(const DrawOp& op) {
    const std::string c = " " + Hex(op.color);
    switch (op.kind) {
    case OpKind::Line:
        return "line " + PointText(op.points.at(0)) + " " + PointText(op.points.at(1)) + c;
    case OpKind::FrameRect: return "frameRect " + RectText(op.rect) + c;
    case OpKind::FillRect: return "fillRect " + RectText(op.rect) + c;
    case OpKind::ClearRect: return "clearRect " + RectText(op.rect);
    case OpKind::InvertRect: return "invertRect " + RectText(op.rect);
    case OpKind::FrameOval: return "frameOval " + RectText(op.rect) + c;
    case OpKind::FillOval: return "fillOval " + RectText(op.rect) + c;
    case OpKind::FramePolygon:
    case OpKind::FillPolygon: {
        std::string s = op.kind == OpKind::FramePolygon ? "framePolygon" : "fillPolygon";
        for (const IntPoint& p : op.points) s += " " + PointText(p);
        return s + c;
    }
    case OpKind::Text:
        return "text " + PointText(op.points.at(0)) + " \"" + op.text + "\" font " + std::to_string(op.font) + c;
    case OpKind::SunkenFrame: return "sunken " + RectText(op.rect);
    case OpKind::RaisedFrame: return "raised " + RectText(op.rect);
    case OpKind::Image:
        return "image " + std::to_string(op.resourceId) + " " + RectText(op.rect) +
               (op.image.empty() ? " missing" : "");
    }
    return "?";
}

std::vector<std::string> DlgDescribe(const DisplayList& list) {
    std::vector<std::string> out;
    for (const DrawOp& op : list.ops) out.push_back(DlgDescribe(op));
    return out;
}

FontMetrics DlgFontMetrics(int32_t font) {
    cairo_t* cr = MeasuringContext();
    SelectFont(cr, font);
    cairo_font_extents_t e;
    cairo_font_extents(cr, &e);
    int32_t ascent = int32_t(std::lround(e.ascent));
    int32_t descent = int32_t(std::lround(e.descent));
    int32_t leading = int32_t(std::lround(e.height)) - ascent - descent;
    return {ascent, descent, leading < 0 ? 0 : leading};
}

int32_t DlgTextWidth(int32_t font, const std::string& text) {
    cairo_t* cr = MeasuringContext();
    SelectFont(cr, font);
    cairo_text_extents_t e;
    cairo_text_extents(cr, text.c_str(), &e);
    return int32_t(std::lround(e.x_advance));
}

}  // namespace drawhost
