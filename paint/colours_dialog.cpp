// The colours dialog: its items, the procedures that edit the pending
// paint, its drawing, and OK and "Annuler".
#include "paint/colours_dialog.h"

#include <initializer_list>

#include "host/dialog_items.h"
#include "host/host_text.h"
#include "host/suites.h"
#include "paint/colours_edit.h"
#include "paint/paint_apply.h"
#include "paint/paint_swatch.h"
#include "plugin/globals.h"
#include "resources/dialog_resource_ids.h"
#include "resources/resource_ids.h"
#include "settings/settings.h"

namespace qzv {

namespace {

constexpr int32_t kWidth = 236;
constexpr int32_t kHeight = 169;

enum ColoursItemId : int32_t {
    kOK = 1, kCancel = 2, kDefaults = 3,
    kSliderFirst = 120,      // 120, 121, 122: red or gray, green, blue
    kSwatchFill = 125, kSwatchStroke = 126,
    kEditFirst = 127,        // 127, 128, 129
    kLabelFirst = 130,       // 130, 131, 132
    kPercent = 133, kPaintSwitch = 134, kSwap = 135,
    kPatternBox = 250, kPatternList = 251, kPatternScale = 252, kScaleLabel = 253,
    kPatternAngle = 254, kAngleLabel = 255,
};

constexpr IntRect kFillSwatchRect = {5, 33, 22, 50};
constexpr IntRect kStrokeSwatchRect = {14, 42, 31, 59};

// Tooltips of the rows by side: red, green, blue in RGB, then the gray row.
constexpr const char* kRowTips[2][4] = {
    {"Niveau de rouge pour les traits (de 0 à 255).", "Niveau de vert pour les traits (de 0 à 255).",
     "Niveau de bleu pour les traits (de 0 à 255).", "Niveau de gris pour les traits (de 0 % à 100 %)."},
    {"Niveau de rouge pour les fonds (de 0 à 255).", "Niveau de vert pour les fonds (de 0 à 255).",
     "Niveau de bleu pour les fonds (de 0 à 255).", "Niveau de gris pour les fonds (de 0 % à 100 %)."},
};
constexpr const char* kPaintSwitchTips[2] = {"Avec/Sans contour.", "Avec/Sans fond."};

constexpr const char* kNothingPaintedAlert = "Attention, le tracé n'aura ni fond ni contour !";

// The dialog's state while it runs; null when a procedure is called
// without it (the plug-in's state gone, or the suites not held).
ColoursDialogState* Running() {
    Globals* g = gGlobals;
    if (!g || !sDialog || !sItem || !g->coloursDialog.dialog) return nullptr;
    return &g->coloursDialog;
}

PaintSide& Edited(ColoursDialogState& s) { return SideOf(s.pending, s.side); }

void SetNumber(DialogRef d, int32_t id, float value) {
    if (ItemRef item = DialogItem(d, id)) sItem->SetFloatValue(item, value);
}

void SetMaximum(DialogRef d, int32_t id, float value) {
    if (ItemRef item = DialogItem(d, id)) sItem->SetMaxFloatValue(item, value);
}

// Every control from the edited side: the rows, their ranges, labels and
// tooltips, the paint switch's tooltip and the pattern controls.
void LoadSide(ColoursDialogState& s) {
    const DialogRef d = s.dialog;
    const PaintSide& side = Edited(s);
    const bool patterns = s.patternCount > 0;
    for (int row = 0; row < kColourRows; ++row) {
        const bool shown = RowShown(side, row);
        const char* tip = kRowTips[s.side][row == 0 && !side.rgb ? 3 : row];
        for (int32_t id : {kSliderFirst + row, kEditFirst + row, kLabelFirst + row}) {
            ShowDialogItem(d, id, shown);
            EnableDialogItem(d, id, shown);
        }
        for (int32_t id : {kSliderFirst + row, kEditFirst + row}) {
            SetMaximum(d, id, RowMaximum(side, row));
            SetNumber(d, id, RowLevel(side, row));
            SetDialogItemTip(d, id, tip);
        }
    }
    SetDialogItemTip(d, kLabelFirst, side.rgb ? "Rouge" : "Noir");
    InvalidateDialogItem(d, kLabelFirst);
    ShowDialogItem(d, kPercent, PercentShown(side));
    SetDialogItemTip(d, kPaintSwitch, kPaintSwitchTips[s.side]);

    if (ItemRef box = DialogItem(d, kPatternBox)) {
        sItem->SetBooleanValue(box, side.patternOn ? 1 : 0);
        sItem->Enable(box, patterns ? 1 : 0);
    }
    if (ItemRef popup = DialogItem(d, kPatternList)) {
        sItem->Enable(popup, side.patternOn && patterns ? 1 : 0);
        const bool named = side.patternNumber >= 0 && side.patternNumber < s.patternCount;
        sItem->SetIntValue(popup, named ? side.patternNumber : -1);
    }
    const bool patternShown = PatternControlsShown(side);
    for (int32_t id : {kPatternScale, kScaleLabel, kPatternAngle, kAngleLabel}) ShowDialogItem(d, id, patternShown);
    SetNumber(d, kPatternScale, side.patternScale);
    SetNumber(d, kPatternAngle, side.patternAngle);
    sDialog->Invalidate(d);
}

// ---- procedures -------------------------------------------------------------

void RowChanged(ItemRef item, DlgNotifierRef notifier) {
    sItem->DefaultNotify(item, notifier);
    ColoursDialogState* s = Running();
    if (!s || !IsUserChange(notifier)) return;
    const int32_t id = sItem->GetID(item);
    const int row = id >= kEditFirst ? id - kEditFirst : id - kSliderFirst;
    PaintSide& side = Edited(*s);
    SetRowLevel(side, row, sItem->GetFloatValue(item));
    // The partner and the item itself show what was kept (held within range).
    SetNumber(s->dialog, kSliderFirst + row, RowLevel(side, row));
    SetNumber(s->dialog, kEditFirst + row, RowLevel(side, row));
    sDialog->Invalidate(s->dialog);
}

// A label button gives the field beside it the focus.
void LabelClicked(ItemRef item, DlgNotifierRef notifier) {
    sItem->DefaultNotify(item, notifier);
    ColoursDialogState* s = Running();
    if (!s || !IsUserChange(notifier)) return;
    const int32_t id = sItem->GetID(item);
    const int32_t field = id == kScaleLabel ? kPatternScale : id == kAngleLabel ? kPatternAngle : id - 3;
    FocusDialogItem(s->dialog, field);
}

void DrawRowLabel(ItemRef item, DrawerRef drawer) {
    ColoursDialogState* s = Running();
    if (!s || !sDrawer) return;
    const int32_t row = sItem->GetID(item) - kLabelFirst;
    const char* letter = row == 0 ? (Edited(*s).rgb ? "R" : "N") : row == 1 ? "V" : "B";
    const IntPoint at = {0, 14};
    sDrawer->SetColor(drawer, kColorBlack);
    sDrawer->DrawText(drawer, letter, &at);
}

void SwatchClicked(ItemRef item, DlgNotifierRef notifier) {
    sItem->DefaultNotify(item, notifier);
    ColoursDialogState* s = Running();
    if (!s || !IsUserChange(notifier)) return;
    const int32_t clicked = sItem->GetID(item) == kSwatchFill ? kSideFill : kSideStroke;
    s->side = ClickSideSwatch(s->pending, s->side, clicked);
    LoadSide(*s);
}

void PaintSwitched(ItemRef item, DlgNotifierRef notifier) {
    sItem->DefaultNotify(item, notifier);
    ColoursDialogState* s = Running();
    if (!s || !IsUserChange(notifier)) return;
    if (TogglePaint(s->pending, s->side)) HostMessageAlert(kNothingPaintedAlert);
    LoadSide(*s);
}

void Swapped(ItemRef item, DlgNotifierRef notifier) {
    sItem->DefaultNotify(item, notifier);
    ColoursDialogState* s = Running();
    if (!s || !IsUserChange(notifier)) return;
    SwapPaintSides(s->pending);
    LoadSide(*s);
}

void PatternSwitched(ItemRef item, DlgNotifierRef notifier) {
    sItem->DefaultNotify(item, notifier);
    ColoursDialogState* s = Running();
    if (!s || !IsUserChange(notifier)) return;
    if (TogglePattern(s->pending, s->side, s->patternCount)) HostMessageAlert(kNothingPaintedAlert);
    LoadSide(*s);
}

void PatternChosen(ItemRef item, DlgNotifierRef notifier) {
    sItem->DefaultNotify(item, notifier);
    ColoursDialogState* s = Running();
    if (!s || !IsUserChange(notifier)) return;
    const int32_t chosen = sItem->GetIntValue(item);
    if (chosen >= 0 && chosen < s->patternCount) Edited(*s).patternNumber = chosen;
    LoadSide(*s);
}

void PatternValueChanged(ItemRef item, DlgNotifierRef notifier) {
    sItem->DefaultNotify(item, notifier);
    ColoursDialogState* s = Running();
    if (!s || !IsUserChange(notifier)) return;
    PaintSide& side = Edited(*s);
    const float value = sItem->GetFloatValue(item);
    if (sItem->GetID(item) == kPatternScale) {
        SetPatternScale(side, value);
        sItem->SetFloatValue(item, side.patternScale);
    } else {
        SetPatternAngle(side, value);
        sItem->SetFloatValue(item, side.patternAngle);
    }
}

void DefaultsPressed(ItemRef item, DlgNotifierRef notifier) {
    sItem->DefaultNotify(item, notifier);
    ColoursDialogState* s = Running();
    if (!s || !IsUserChange(notifier)) return;
    DefaultDialogPaint(s->pending);
    s->side = kSideStroke;
    LoadSide(*s);
}

void CancelPressed(ItemRef, DlgNotifierRef notifier) {
    ColoursDialogState* s = Running();
    if (!s || !IsUserChange(notifier)) return;
    Globals& g = *gGlobals;
    g.styles.mark = BuildMarkStyle(g.settings.paint, g.settings.working.EpaisCentre);
    sDialog->EndModal(s->dialog, kCancel);
}

// The pending paint becomes the committed one and is stored. A failed write
// keeps the dialog open with the committed paint as it was (the keys
// already written are put back as far as the store lets us) and says so.
void OKPressed(ItemRef, DlgNotifierRef notifier) {
    ColoursDialogState* s = Running();
    if (!s || !IsUserChange(notifier) || !sPreference) return;
    Globals& g = *gGlobals;
    const PaintSettings before = g.settings.paint;
    g.settings.paint = s->pending;
    if (WritePaint(g.settings.paint) != kNoErr) {
        WritePaint(before);
        g.settings.paint = before;
        HostMessageAlert(kSettingsNotStoredAlert);
        return;
    }
    RememberDialogRect(s->dialog, &g.paletteState.dialogRect[kModalColours]);
    const DialogRef dialog = s->dialog;
    ApplyCommittedPaint();
    sDialog->EndModal(dialog, kOK);
}

// ---- drawing ----------------------------------------------------------------

void DrawIconAt(DrawerRef drawer, PluginRef plugin, int32_t id, IntPoint at) {
    if (!sIcon || !sDrawer) return;
    IconRef icon = sIcon->GetFromResource(plugin, id, 0);
    if (!icon) return;
    sDrawer->DrawIcon(drawer, icon, &at);
    sIcon->Destroy(icon);
}

// The standard background, then the two sides' swatches (the edited one on
// top, framed), whether the edited side is painted, the swap sign, and the
// names of the pattern fields.
void DrawColoursDialog(DialogRef dialog, DrawerRef drawer) {
    sDialog->DefaultDraw(dialog, drawer);
    ColoursDialogState* s = Running();
    if (!s || !sDrawer) return;
    const IntRect fillBox = kFillSwatchRect, strokeBox = kStrokeSwatchRect;
    const bool fillOnTop = s->side == kSideFill;
    DrawSideBox(drawer, fillOnTop ? s->pending.stroke : s->pending.fill, fillOnTop ? strokeBox : fillBox,
                fillOnTop);
    const IntRect top = fillOnTop ? fillBox : strokeBox;
    DrawSideBox(drawer, Edited(*s), top, !fillOnTop);
    const IntRect outline = {top.left - 1, top.top - 1, top.right + 1, top.bottom + 1};
    sDrawer->SetColor(drawer, kColorHilite);
    sDrawer->DrawRect(drawer, &outline);

    DrawIconAt(drawer, s->plugin, Edited(*s).paintOn ? kIconPaintOn : kIconPaintOff, {13, 62});
    DrawIconAt(drawer, s->plugin, kIconSwapSides, {25, 29});
    if (PatternControlsShown(Edited(*s))) {
        sDrawer->SetColor(drawer, kColorText);
        const IntPoint scaleAt = {38, 51}, angleAt = {124, 51};
        sDrawer->DrawText(drawer, "Éch.", &scaleAt);
        sDrawer->DrawText(drawer, "Rot.", &angleAt);
    }
}

// Whichever way the dialog closes, it opens there next time.
void DestroyColoursDialog(DialogRef dialog) {
    Globals* g = gGlobals;
    if (!g) return;
    RememberDialogRect(dialog, &g->paletteState.dialogRect[kModalColours]);
    g->coloursDialog.dialog = nullptr;
}

// ---- building ---------------------------------------------------------------

// The items with their procedures; null procedures keep the dialog
// manager's own drawing and handling.
struct ColoursItem {
    int32_t id;
    const char* type;
    IntRect bounds;
    const char* text;
    const char* tip;   // null: set from the edited side
    ItemDrawProc draw;
    ItemNotifyProc notify;
};

constexpr ColoursItem kItems[] = {
    {kPaintSwitch, kItemPicturePushButton, {13, 62, 21, 70}, nullptr, nullptr, DrawNothing, PaintSwitched},
    {120, kItemSlider, {38, 45, 161, 51}, nullptr, nullptr, nullptr, RowChanged},
    {121, kItemSlider, {38, 69, 161, 75}, nullptr, nullptr, nullptr, RowChanged},
    {122, kItemSlider, {38, 93, 161, 99}, nullptr, nullptr, nullptr, RowChanged},
    {127, kItemTextEdit, {179, 32, 219, 54}, nullptr, nullptr, nullptr, RowChanged},
    {128, kItemTextEdit, {179, 57, 219, 79}, nullptr, nullptr, nullptr, RowChanged},
    {129, kItemTextEdit, {179, 81, 219, 103}, nullptr, nullptr, nullptr, RowChanged},
    {130, kItemPicturePushButton, {165, 34, 175, 56}, nullptr, nullptr, DrawRowLabel, LabelClicked},
    {131, kItemPicturePushButton, {165, 59, 175, 81}, nullptr, "Vert", DrawRowLabel, LabelClicked},
    {132, kItemPicturePushButton, {165, 83, 175, 105}, nullptr, "Bleu", DrawRowLabel, LabelClicked},
    {kPercent, kItemTextStatic, {221, 35, 231, 49}, "%", nullptr, nullptr, nullptr},
    {kSwatchFill, kItemPicturePushButton, kFillSwatchRect, nullptr, "RVB/Gris pour les fonds.", DrawNothing,
     SwatchClicked},
    {kSwatchStroke, kItemPicturePushButton, kStrokeSwatchRect, nullptr, "RVB/Gris pour les traits.", DrawNothing,
     SwatchClicked},
    {kSwap, kItemPicturePushButton, {25, 29, 35, 39}, nullptr, "Permuter fond/contour.", DrawNothing, Swapped},
    {kPatternBox, kItemTextCheckBox, {4, 10, 59, 26}, "Motif", "Attribuer ou non un motif.", nullptr, PatternSwitched},
    {kPatternList, kItemPopupList, {65, 7, 216, 29}, nullptr, "Liste des motifs disponibles.", nullptr, PatternChosen},
    {kPatternScale, kItemSpinEdit, {70, 36, 124, 58}, nullptr, "Échelle du motif.", nullptr, PatternValueChanged},
    {kScaleLabel, kItemPicturePushButton, {36, 32, 68, 62}, nullptr, "Échelle du motif.", DrawNothing, LabelClicked},
    {kPatternAngle, kItemSpinEdit, {156, 36, 210, 58}, nullptr, "Angle d'inclinaison du motif.", nullptr,
     PatternValueChanged},
    {kAngleLabel, kItemPicturePushButton, {122, 32, 152, 62}, nullptr, "Angle d'inclinaison du motif.", DrawNothing,
     LabelClicked},
    {kCancel, kItemTextPushButton, {4, 111, 72, 131}, "Annuler", "Aucune modification.", nullptr, CancelPressed},
    {kDefaults, kItemTextPushButton, {92, 111, 152, 131}, "Défaut", "Retour aux réglages d'origine.", nullptr,
     DefaultsPressed},
    {kOK, kItemTextPushButton, {172, 111, 226, 131}, "OK", "Validation des nouveaux réglages par défaut.", nullptr,
     OKPressed},
};


void FillPatternList(ColoursDialogState& s) {
    s.patternCount = 0;
    ItemRef popup = DialogItem(s.dialog, kPatternList);
    ListRef list = popup && sList ? sItem->GetList(popup) : nullptr;
    if (!list || !sPattern || !sEntry) return;
    int32_t count = 0;
    if (sPattern->CountPatterns(&count) != kNoErr || count < 0) count = 0;
    for (int32_t n = 0; n < count; ++n) {
        PatternHandle pattern = nullptr;
        char name[128] = "";
        if (sPattern->GetNthPattern(n, &pattern) != kNoErr || !pattern) break;
        sPattern->GetPatternName(pattern, name, sizeof name);
        EntryRef entry = sList->InsertEntry(list, n);
        if (!entry) break;
        sEntry->SetID(entry, n);
        sEntry->SetText(entry, name);
        s.patternCount = n + 1;
    }
}


// Units, ranges and steps of the numeric items.
void SetRanges(ItemRef item, int32_t id) {
    if (id >= kSliderFirst && id < kSliderFirst + kColourRows) {
        sItem->SetUnits(item, kUnitsPercent);
        sItem->SetMinFloatValue(item, 0.0f);
    } else if (id >= kEditFirst && id < kEditFirst + kColourRows) {
        sItem->SetUnits(item, kUnitsNone);
        sItem->SetPrecision(item, 0);
        sItem->SetMinFloatValue(item, 0.0f);
    } else if (id == kPatternScale) {
        sItem->SetUnits(item, kUnitsNone);
        sItem->SetPrecision(item, 1);
        sItem->SetSmallIncrement(item, 1.0f);
        sItem->SetLargeIncrement(item, 10.0f);
        sItem->SetMinFloatValue(item, kPatternScaleMin);
    } else if (id == kPatternAngle) {
        sItem->SetUnits(item, kUnitsDegrees);
        sItem->SetPrecision(item, 1);
        sItem->SetSmallIncrement(item, 1.0f);
        sItem->SetLargeIncrement(item, 10.0f);
        sItem->SetMinFloatValue(item, -kPatternAngleLimit);
        sItem->SetMaxFloatValue(item, kPatternAngleLimit);
    }
}

HostErr BuildColoursDialog(DialogRef dialog) {
    Globals* g = gGlobals;
    if (!g || !sItem) return kErrBadParameter;
    ColoursDialogState& s = g->coloursDialog;
    s.dialog = dialog;
    PlaceModalDialog(dialog, g->paletteState.dialogRect[kModalColours], kWidth, kHeight);
    char title[128];
    HostIndexString(s.plugin, kStrColoursTitle, 1, title, sizeof title);
    sDialog->SetText(dialog, title);
    sDialog->SetDrawProc(dialog, DrawColoursDialog);
    sDialog->SetDestroyProc(dialog, DestroyColoursDialog);
    for (const ColoursItem& row : kItems) {
        ItemRef item = MakeDialogItem(dialog, row.id, row.type, row.bounds, row.tip);
        if (!item) continue;
        if (row.text) sItem->SetText(item, row.text);
        SetRanges(item, row.id);
        if (row.draw) sItem->SetDrawProc(item, row.draw);
        if (row.notify) sItem->SetNotifyProc(item, row.notify);
    }
    FillPatternList(s);
    LoadSide(s);
    return kNoErr;
}

}  // namespace

void OpenColoursDialog(PluginRef plugin, ColoursOrigin origin) {
    Globals* g = gGlobals;
    if (!g || !sDialog || g->paletteState.dialogOpen[kModalColours]) return;
    g->paletteState.dialogOpen[kModalColours] = true;
    ColoursDialogState& s = g->coloursDialog;
    s.pending = g->settings.paint;
    s.side = kSideStroke;
    s.plugin = plugin;
    const bool fromButton = origin == kColoursFromPaletteButton;
    sDialog->Modal(plugin, fromButton ? "ÉtiqBidon" : "ModèleBidon",
                   fromButton ? kDlgColoursFromPalette : kDlgColours, kDlgModalStyle, BuildColoursDialog, nullptr, 0);
    if (Globals* after = gGlobals) {
        after->paletteState.dialogOpen[kModalColours] = false;
        after->coloursDialog.dialog = nullptr;
    }
}

}  // namespace qzv
