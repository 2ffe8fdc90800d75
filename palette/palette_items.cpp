#include "palette/palette_items.h"
#include "host/dialog_items.h"

#include "geometry/plane.h"
#include "host/suites.h"
#include "palette/palette_ids.h"
#include "palette/palette_procs.h"
#include "palette/palette_scale.h"
#include "palette/palette_values.h"
#include "plugin/globals.h"

namespace qzv {

namespace {

// Ranges and increments of the numeric fields.
constexpr float kMillimetre = 2.8346457f;    // in points
constexpr float kCentimetre = 28.346457f;
constexpr ItemRange kStrokeRange = {true, false, 0.0f, 0.0f, 0.1f, 1.0f};
constexpr ItemRange kRadiusRange = {true, false, 0.0f, 0.0f, kMillimetre, kCentimetre};
constexpr ItemRange kLengthSteps = {false, false, 0.0f, 0.0f, kMillimetre, kCentimetre};
constexpr ItemRange kAngleRange = {true, true, -360.0f, 360.0f, 1.0f, 0.0f};

// The three label rectangles of the value fields: (87, 7 + 21i, 102, 22 + 21i), i = 1..3.
constexpr IntRect LabelRect(int32_t i) { return {87, 7 + 21 * i, 102, 22 + 21 * i}; }
// The rounding-type buttons: (3 + 14i, 50, 15 + 14i, 62), i = 0, 1.
constexpr IntRect RoundingRect(int32_t i) { return {3 + 14 * i, 50, 15 + 14 * i, 62}; }
// The mode grid: (3 + 21c, 3 + 21r, 22 + 21c, 22 + 21r).
constexpr IntRect GridRect(int32_t r, int32_t c) { return {3 + 21 * c, 3 + 21 * r, 22 + 21 * c, 22 + 21 * r}; }

}  // namespace

const ModeButtonSpec kModeButtons[] = {
    {50, 150, "Cercle (centre et un point du cercle)", nullptr},
    {51, 151, "Cercle (2 points du cercle)", nullptr},
    {52, 152, "Cercle (3 points du cercle)", nullptr},
    {53, 153, "Arc (centre et un point de l'arc)", "Secteur (centre et un point de l'arc)"},
    {54, 154, "Arc (2 extrémités de l'arc)", "Secteur (2 extrémités de l'arc)"},
    {55, 155, "Arc (qui passe par 3 points)", "Secteur (l'arc passe par 3 points)"},
    {56, 156, "Cercle (tangent à une droite)", nullptr},
    {57, 157, "Cercle (tangent à 2 droites)", nullptr},
    {58, 158, "Cercle (tangents à 3 droites)", nullptr},
    {90, 300, "Rectangle (2 points opposés du rectangle)", nullptr},
    {91, 301, "Rectangle arrondi(2 points opposés du rectangle arrondi)", nullptr},
    {92, 302, "Ligne (début et fin)", nullptr},
    {93, 303, "Rectangle centré (centre et un point du rectangle)", nullptr},
    {94, 304, "Rectangle arrondi centré (centre et un point du rectangle arrondi)", nullptr},
    {95, 305, "Ligne centrée (milieu et extrémité de la ligne)", nullptr},
};
const int kModeButtonCount = sizeof kModeButtons / sizeof kModeButtons[0];

// Every item but the mode buttons, in the order the palette makes them.
const ItemDef kPaletteItems[] = {
    {.id = kItemLogo, .type = kItemPicturePushButton, .rect = {148, 2, 168, 22}, .action = ItemAction::kButtonSpace,
     .picture = kPicLogo, .selectedPicture = kPicLogoSelected, .value = ItemValue::kFalse},
    {.id = kItemStroke, .type = kItemSpinEdit, .rect = {84, 4, 132, 23}, .action = ItemAction::kValue,
     .value = ItemValue::kStrokeWeight,
     .units = kUnitsPoints, .range = kStrokeRange, .tip = "Épaisseur des traits."},
    {.id = kItemStrokeLabel, .type = kItemPicturePushButton, .rect = {79, 6, 84, 23}, .look = ItemLook::kInvisible,
     .action = ItemAction::kLabel, .tip = "Épaisseur des traits."},
    {.id = kItemColours, .type = kItemPicturePushButton, .rect = {69, 6, 79, 23}, .look = ItemLook::kInvisible,
     .action = ItemAction::kButton, .tip = "Dialogue des couleurs (fond et contour)."},
    {.id = kItemSwap, .type = kItemPicturePushButton, .rect = {69, 0, 79, 6}, .look = ItemLook::kInvisible,
     .action = ItemAction::kButton, .tip = "Permuter le fond et le contour."},
    {.id = kItemRadiusLabel, .type = kItemPicturePushButton, .rect = LabelRect(1), .look = ItemLook::kInvisible,
     .action = ItemAction::kLabel, .tip = "Modifier le rayon de l'arc/cercle."},
    {.id = kItemCentreAngleLabel, .type = kItemPicturePushButton, .rect = LabelRect(2),
     .look = ItemLook::kInvisible, .action = ItemAction::kLabel, .tip = "Utilisé seulement pour les arcs."},
    {.id = kItemStartAngleLabel, .type = kItemPicturePushButton, .rect = LabelRect(3), .look = ItemLook::kInvisible,
     .action = ItemAction::kLabel, .tip = "Utilisé seulement pour les arcs."},
    {.id = kItemLengthLabel, .type = kItemPicturePushButton, .rect = LabelRect(1), .look = ItemLook::kInvisible,
     .action = ItemAction::kLabel, .tip = "Longueur du rectangle ou de la ligne."},
    {.id = kItemWidthLabel, .type = kItemPicturePushButton, .rect = LabelRect(2), .look = ItemLook::kInvisible,
     .action = ItemAction::kLabel, .tip = "Largeur du rectangle."},
    {.id = kItemInclinationLabel, .type = kItemPicturePushButton, .rect = LabelRect(3),
     .look = ItemLook::kInvisible, .action = ItemAction::kLabel, .tip = "Inclinaison du rectangle."},
    {.id = kItemComplement, .type = kItemPictureStatic, .rect = {67, 26, 82, 41}, .action = ItemAction::kButton,
     .tip = "Saillant/Rentrant."},
    {.id = kItemRadius, .type = kItemSpinEdit, .rect = {104, 24, 168, 43}, .action = ItemAction::kValue,
     .value = ItemValue::kRadius, .units = kUnitsMillimeters, .range = kRadiusRange, .tip = "Rayon du cercle."},
    {.id = kItemCentreAngle, .type = kItemSpinEditPopup, .rect = {104, 46, 168, 65}, .action = ItemAction::kValue,
     .value = ItemValue::kCentreAngle, .units = kUnitsDegrees, .range = kAngleRange,
     .popup = ItemPopup::kCentreAngles, .tip = "Angle au centre."},
    {.id = kItemStartAngle, .type = kItemSpinEditPopup, .rect = {104, 68, 168, 87}, .action = ItemAction::kValue,
     .value = ItemValue::kStartAngle,
     .units = kUnitsDegrees, .range = kAngleRange, .popup = ItemPopup::kSignedAngles,
     .tip = "Angle du début de l'arc."},
    {.id = kItemScale, .type = kItemPopupList, .rect = {22, 69, 82, 86}, .action = ItemAction::kValue,
     .popup = ItemPopup::kScale, .tip = "Échelle du dessin"},
    {.id = kItemScaleIndicator, .type = kItemPictureStatic, .rect = {137, 2, 145, 10},
     .picture = kPicScaleIndicator, .tip = "Indique que l'échelle n'est pas 1."},
    {.id = kItemScaleLabel, .type = kItemTextStatic, .rect = {2, 72, 20, 88}, .action = ItemAction::kSpace,
     .text = "Éch.", .justify = kJustifyLeft, .tip = "Échelle du dessin"},
    {.id = kItemClone, .type = kItemPictureStatic, .rect = {67, 47, 85, 65}, .action = ItemAction::kButton,
     .value = ItemValue::kFalse, .tip = "Cloner le tracé."},
    {.id = kItemCloneCount, .type = kItemTextStatic, .rect = {66, 47, 84, 65}, .value = ItemValue::kCloneCount,
     .integer = true, .units = kUnitsNone, .justify = kJustifyCenter, .tip = "Nombre de clones."},
    {.id = kItemLength, .type = kItemSpinEdit, .rect = {104, 24, 168, 43}, .action = ItemAction::kValue,
     .units = kUnitsMillimeters, .range = kLengthSteps, .tip = "Longueur du rectangle ou de la ligne."},
    {.id = kItemWidth, .type = kItemSpinEdit, .rect = {104, 46, 168, 65}, .action = ItemAction::kValue,
     .units = kUnitsMillimeters, .range = kLengthSteps, .tip = "Largeur du rectangle."},
    {.id = kItemInclination, .type = kItemSpinEditPopup, .rect = {104, 68, 168, 87}, .action = ItemAction::kValue,
     .value = ItemValue::kInclination, .units = kUnitsDegrees, .range = kAngleRange,
     .popup = ItemPopup::kSignedAngles, .tip = "Inclinaison du rectangle."},
    {.id = kItemRounding, .type = kItemSpinEdit, .rect = {32, 46, 65, 65}, .action = ItemAction::kValue,
     .value = ItemValue::kRounding, .units = kUnitsPoints, .hidden = true, .tip = "Rayon de l'arrondi."},
    {.id = kItemRoundingQuarter, .type = kItemPictureRadioButton, .rect = RoundingRect(0),
     .look = ItemLook::kRoundingButton, .action = ItemAction::kRoundingType,
     .tip = "Arrondi en quart de cercle tourné vers l'intérieur ou l'extérieur."},
    {.id = kItemRoundingProfile, .type = kItemPictureRadioButton, .rect = RoundingRect(1),
     .look = ItemLook::kRoundingButton, .action = ItemAction::kRoundingType,
     .tip = "Arrondi personnalisé (éditable)."},
    {.id = kItemPolyline, .type = kItemPicturePushButton, .rect = {67, 26, 83, 42}, .look = ItemLook::kInvisible,
     .action = ItemAction::kButton, .tip = "Ligne simple ou ligne polygonale."},
    {.id = kItemHelpText, .type = kItemTextStaticMultiLine, .rect = {172, 2, 340, 76}, .justify = kJustifyCenter,
     .font = kFontSmall, .tip = "Texte de l'aide."},
    {.id = kItemHelpNext, .type = kItemPicturePushButton, .rect = {317, 78, 330, 89},
     .action = ItemAction::kButton, .picture = kPicHelpNext,
     .selectedPicture = kPicHelpNextSelected, .tip = "Page suivante de l'aide."},
    {.id = kItemHelpFirst, .type = kItemPicturePushButton, .rect = {180, 78, 193, 89},
     .action = ItemAction::kButton, .picture = kPicHelpFirst,
     .selectedPicture = kPicHelpFirstSelected, .disabled = true, .tip = "Première page de l'aide."},
    {.id = kItemHelpPage, .type = kItemTextStatic, .rect = {229, 78, 249, 92}, .value = ItemValue::kHelpPage,
     .integer = true, .units = kUnitsNone, .justify = kJustifyRight, .tip = "Numéro de page de l'aide."},
    {.id = kItemHelpSlash, .type = kItemTextStatic, .rect = {249, 78, 259, 92}, .text = "/",
     .justify = kJustifyCenter},
    {.id = kItemHelpPageCount, .type = kItemTextStatic, .rect = {259, 78, 279, 92},
     .value = ItemValue::kHelpPageCount, .integer = true, .units = kUnitsNone, .justify = kJustifyLeft},
};
const int kPaletteItemCount = sizeof kPaletteItems / sizeof kPaletteItems[0];

const ItemDef* PaletteItemSpec(int32_t id) {
    for (const ItemDef& def : kPaletteItems)
        if (def.id == id) return &def;
    return nullptr;
}

const ModeButtonSpec* ModeButton(int32_t id) {
    for (const ModeButtonSpec& button : kModeButtons)
        if (button.id == id) return &button;
    return nullptr;
}

int32_t ModeButtonBitmap(const ModeButtonSpec& button, bool sector) {
    return button.sectorTip && sector ? button.bitmap + kPicSectorOffset : button.bitmap;
}

const char* ModeButtonTip(const ModeButtonSpec& button, bool sector) {
    return button.sectorTip && sector ? button.sectorTip : button.tip;
}

namespace {

ItemDrawProc DrawProcOf(ItemLook look) {
    switch (look) {
        case ItemLook::kInvisible: return DrawNothing;
        case ItemLook::kModeButton: return DrawModeButton;
        case ItemLook::kRoundingButton: return DrawRoundingButton;
        case ItemLook::kManager: break;
    }
    return nullptr;
}

ItemNotifyProc NotifyProcOf(ItemAction action) {
    switch (action) {
        case ItemAction::kCircleMode: return NotifyCircleModeButton;
        case ItemAction::kRectMode: return NotifyRectModeButton;
        case ItemAction::kLabel: return NotifyLabelButton;
        case ItemAction::kRoundingType: return NotifyRoundingType;
        case ItemAction::kValue: return NotifyValueField;
        case ItemAction::kButton:
        case ItemAction::kButtonSpace: return NotifyPaletteButton;
        case ItemAction::kSpace:
        case ItemAction::kNone: break;
    }
    return nullptr;
}

// The value an item starts from, in the units the dialog manager stores.
float StartValue(ItemValue value) {
    const Globals* g = gGlobals;
    const WorkingValues& w = g->settings.working;
    const ToolState& t = g->tool;
    switch (value) {
        case ItemValue::kStrokeWeight: return w.Epaisseur;
        case ItemValue::kRadius: return t.radius / PaletteScaleFactor();
        case ItemValue::kCentreAngle: return RadiansToDegrees(t.sweep);
        case ItemValue::kStartAngle: return RadiansToDegrees(t.startAngle);
        case ItemValue::kInclination: return RadiansToDegrees(w.RotRectangle);
        case ItemValue::kRounding: return w.Arrondi;
        case ItemValue::kCloneCount: return static_cast<float>(g->paletteState.cloneCount);
        case ItemValue::kHelpPage: return g->paletteState.helpPage;
        case ItemValue::kHelpPageCount: return g->paletteState.helpPageCount;
        case ItemValue::kNone:
        case ItemValue::kFalse: break;
    }
    return 0.0f;
}

// An entry showing `degrees` in the dialog manager's degree format, with the
// leading space the signed lists carry.
void AddAngleEntry(ListRef list, int32_t id, float degrees, bool leadingSpace) {
    char number[32];
    sDlgBasic->ValueToText(degrees, number, sizeof number, kUnitsDegrees, 0);
    char text[40];
    int at = 0;
    if (leadingSpace) text[at++] = ' ';
    for (int i = 0; number[i] && at < static_cast<int>(sizeof text) - 1; ++i) text[at++] = number[i];
    text[at] = 0;
    EntryRef entry = sList->InsertEntry(list, sList->NumberOfEntries(list));
    sEntry->SetID(entry, id);
    sEntry->SetText(entry, text);
}

void AddSeparator(ListRef list) {
    EntryRef entry = sList->InsertEntry(list, sList->NumberOfEntries(list));
    sEntry->SetID(entry, -1);   // separators answer no entry id
    sEntry->MakeSeparator(entry, 1);
}

void FillPopup(ItemRef item, ItemPopup popup) {
    ListRef list = sItem->GetList(item);
    switch (popup) {
        case ItemPopup::kCentreAngles:
            for (int32_t k = 1; k <= 11; ++k) AddAngleEntry(list, k - 1, 30.0f * static_cast<float>(k), false);
            break;
        case ItemPopup::kSignedAngles:
            for (int32_t k = -6; k <= 6; ++k) {
                AddAngleEntry(list, k + 6, 30.0f * static_cast<float>(k), true);
                if (k == -1 || k == 0) AddSeparator(list);
            }
            break;
        case ItemPopup::kScale:
            FillScalePopup(list);
            break;
        case ItemPopup::kNone:
            break;
    }
}

void MakeItem(DialogRef dialog, const ItemDef& def) {
    ItemRef item = sItem->Create(dialog, def.id, def.type, &def.rect, nullptr, nullptr);
    if (!item) return;   // the dialog manager refused it: the palette works without
    if (ItemDrawProc draw = DrawProcOf(def.look)) sItem->SetDrawProc(item, draw);
    if (ItemNotifyProc notify = NotifyProcOf(def.action)) sItem->SetNotifyProc(item, notify);
    if (def.action == ItemAction::kButtonSpace || def.action == ItemAction::kSpace)
        sItem->SetTrackProc(item, TrackSpaceClick);
    if (def.picture) sItem->SetPictureID(item, def.picture);
    if (def.selectedPicture) sItem->SetSelectedPictureID(item, def.selectedPicture);
    // A palette's texts are small: its own font unless the row names another.
    sItem->SetFont(item, def.font ? def.font : kFontPalette);
    if (def.text) sItem->SetText(item, def.text);
    if (def.text || def.integer || def.justify != kJustifyLeft) sItem->SetJustify(item, def.justify);
    if (def.units != kUnitsNone || def.integer) sItem->SetUnits(item, def.units);
    const ItemRange& r = def.range;
    if (r.hasMin) sItem->SetMinFloatValue(item, r.min);
    if (r.hasMax) sItem->SetMaxFloatValue(item, r.max);
    if (r.smallStep > 0.0f) sItem->SetSmallIncrement(item, r.smallStep);
    if (r.largeStep > 0.0f) sItem->SetLargeIncrement(item, r.largeStep);
    FillPopup(item, def.popup);
    if (def.value == ItemValue::kFalse) {
        sItem->SetBooleanValue(item, 0);
    } else if (def.value != ItemValue::kNone) {
        const float v = StartValue(def.value);
        if (def.integer)
            sItem->SetIntValue(item, static_cast<int32_t>(v));
        else
            sItem->SetFloatValue(item, v);
    }
    if (def.tip) sItem->SetTipString(item, def.tip);
    if (def.hidden) sItem->Show(item, 0);
    if (def.disabled) sItem->Enable(item, 0);
}

void MakeModeButton(DialogRef dialog, const ModeButtonSpec& button, int32_t row, int32_t column) {
    const IntRect rect = GridRect(row, column);
    ItemRef item = sItem->Create(dialog, button.id, kItemPictureRadioButton, &rect, nullptr, nullptr);
    if (!item) return;
    const bool circle = button.id <= kItemCircleModeLast;
    const bool sector = gGlobals->settings.working.Secteur;
    sItem->SetDrawProc(item, DrawModeButton);
    sItem->SetNotifyProc(item, circle ? NotifyCircleModeButton : NotifyRectModeButton);
    sItem->SetPictureID(item, ModeButtonBitmap(button, sector));
    const ToolState& t = gGlobals->tool;
    const int32_t mode = circle ? button.id - kItemCircleModeFirst : button.id - kItemRectModeFirst;
    sItem->SetBooleanValue(item, mode == (circle ? t.circleMode : t.rectMode));
    sItem->SetTipString(item, ModeButtonTip(button, sector));
}

}  // namespace

void PaletteCreateItems(DialogRef dialog) {
    // The two grids, row by row: nine circle modes, then six rectangle modes.
    for (int i = 0; i < kModeButtonCount; ++i) {
        const int32_t id = kModeButtons[i].id;
        const int32_t index = id <= kItemCircleModeLast ? id - kItemCircleModeFirst : id - kItemRectModeFirst;
        MakeModeButton(dialog, kModeButtons[i], index / 3, index % 3);
    }
    for (const ItemDef& def : kPaletteItems) {
        MakeItem(dialog, def);
        // The scale entry, once the indicator it shows or hides exists.
        if (def.id == kItemScaleIndicator) PaletteSelectScaleEntry();
    }
    const int32_t type = gGlobals->settings.working.TypeArrondi == 1 ? kItemRoundingProfile : kItemRoundingQuarter;
    ItemBoolean(type, true);
}

void PaletteSetSectorPictures(DialogRef dialog) {
    const bool sector = gGlobals->settings.working.Secteur;
    for (const ModeButtonSpec& button : kModeButtons) {
        if (!button.sectorTip) continue;
        ItemRef item = sDialog->GetItem(dialog, button.id);
        sItem->SetPictureID(item, ModeButtonBitmap(button, sector));
        sItem->SetTipString(item, ModeButtonTip(button, sector));
        sItem->Invalidate(item);
    }
}

}  // namespace qzv
