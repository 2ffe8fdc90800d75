// The profile editor: opening, its items, the fields, buttons, grid popup
// and corner switches, and OK, "Défaut" and "Annuler". The canvas, the
// preview and the drawn buttons are in profile_canvas.cpp.
#include "rounding/profile_editor.h"

#include <initializer_list>
#include <math.h>

#include "host/dialog_items.h"
#include "host/host_text.h"
#include "host/suites.h"
#include "palette/palette.h"
#include "plugin/globals.h"
#include "resources/dialog_resource_ids.h"
#include "resources/resource_ids.h"
#include "rounding/profile_edit.h"
#include "rounding/profile_editor_parts.h"
#include "settings/settings.h"

namespace qzv {

namespace {

constexpr int32_t kWidth = 500;
constexpr int32_t kHeight = 600;
constexpr const char* kDialogName = "ArrondiBidon";

// Grid popup entries: steps 0..4, a separator, visibility, magnetism.
constexpr int32_t kGridSteps[] = {4, 10, 20, 50, 100};
constexpr int32_t kGridStepEntries = 5;
constexpr int32_t kGridVisibilityEntry = 6;
constexpr int32_t kGridMagnetismEntry = 7;
constexpr int32_t kDefaultGridStep = 20;
constexpr const char* kHideGrid = "Masquer la grille";
constexpr const char* kShowGrid = "Afficher la grille";
constexpr const char* kGridEntries[] = {
    "Pas de la grille = 4 pts", "Pas de la grille = 10 pts", "Pas de la grille = 20 pts",
    "Pas de la grille = 50 pts", "Pas de la grille = 100 pts", nullptr, kHideGrid, "Magnétisme de la grille",
};

constexpr const char* kSymmetricTip = "Déplacement symétrique des points.";
constexpr const char* kIndependentTip = "Déplacement indépendant des points.";

// When the host tells no grid colour: a light blue-gray.
constexpr float kFallbackGridColour[3] = {0.75f, 0.8f, 0.9f};
// The outline's colour. The host's layer suite tells no layer colour, so
// the colour a layer would give is not available.
constexpr uint16_t kFallbackProfileColour[3] = {20223, 32767, 65535};

struct EditorItem {
    int32_t id;
    const char* type;
    IntRect bounds;
    const char* text;
    const char* tip;
};

// The top row follows the canvas's top edge from the left; the left column
// runs down from (6, 35) and the presets from (6, 165), 22 pixels apart.
constexpr EditorItem kItems[] = {
    {kEditorCanvas, kItemPictureStatic, {30, 35, 490, 495}, nullptr, nullptr},
    {kEditorXLabel, kItemPicturePushButton, {30, 8, 42, 30}, nullptr, "Position horizontale du point sélectionné."},
    {kEditorX, kItemSpinEdit, {42, 8, 112, 30}, nullptr, "Position horizontale du point sélectionné."},
    {kEditorYLabel, kItemPicturePushButton, {116, 8, 128, 30}, nullptr, "Position verticale du point sélectionné."},
    {kEditorY, kItemSpinEdit, {128, 8, 198, 30}, nullptr, "Position verticale du point sélectionné."},
    {kEditorIndex, kItemTextEdit, {202, 8, 226, 30}, nullptr, nullptr},
    {kEditorPrevious, kItemPicturePushButton, {229, 13, 242, 24}, nullptr, "Modifier le point précédent."},
    {kEditorNext, kItemPicturePushButton, {244, 13, 257, 24}, nullptr, "Modifier le point suivant."},
    {kEditorSelectPoint, kItemPicturePushButton, {261, 10, 276, 26}, nullptr, "Sélection d'un point de contrôle."},
    {kEditorSelectIn, kItemPicturePushButton, {277, 10, 292, 26}, nullptr, "Sélection d'un point de tangence In."},
    {kEditorSelectOut, kItemPicturePushButton, {293, 10, 308, 26}, nullptr, "Sélection d'un point de tangence Out."},
    {kEditorGrid, kItemPopupList, {310, 8, 490, 30}, nullptr, "Choix du pas de la grille."},
    {kEditorMoveMode, kItemPictureRadioButton, {6, 35, 25, 54}, nullptr, "Déplacer des points."},
    {kEditorAddMode, kItemPictureRadioButton, {6, 57, 25, 76}, nullptr, "Ajouter ou supprimer des points."},
    {kEditorSymmetry, kItemPicturePushButton, {6, 79, 25, 98}, nullptr, nullptr},
    {18, kItemPicturePushButton, {6, 165, 25, 184}, nullptr, "Arrondi prédéfini 1."},
    {19, kItemPicturePushButton, {6, 187, 25, 206}, nullptr, "Arrondi prédéfini 2."},
    {20, kItemPicturePushButton, {6, 209, 25, 228}, nullptr, "Arrondi prédéfini 3."},
    {21, kItemPicturePushButton, {6, 231, 25, 250}, nullptr, "Arrondi prédéfini 4."},
    {22, kItemPicturePushButton, {6, 253, 25, 272}, nullptr, "Arrondi prédéfini 5."},
    {23, kItemPicturePushButton, {6, 275, 25, 294}, nullptr, "Arrondi prédéfini 6."},
    {kEditorCount, kItemTextStatic, {210, 498, 290, 512}, nullptr,
     "Nombre de points de contrôle de l'arrondi (<21 et >1)."},
    {kEditorPreview, kItemPictureStatic, {205, 510, 297, 562}, nullptr, nullptr},
    {kEditorCornerTopLeft, kItemTextCheckBox, {185, 502, 205, 516}, nullptr, nullptr},
    {kEditorCornerTopRight, kItemTextCheckBox, {299, 502, 319, 516}, nullptr, nullptr},
    {kEditorCornerBottomLeft, kItemTextCheckBox, {185, 555, 205, 569}, nullptr, nullptr},
    {kEditorCornerBottomRight, kItemTextCheckBox, {299, 555, 319, 569}, nullptr, nullptr},
    {kEditorCancel, kItemTextPushButton, {10, 542, 78, 562}, "Annuler", "Aucune modification."},
    {kEditorDefaults, kItemTextPushButton, {100, 542, 172, 562}, "Défaut", "Retour à l'arrondi préféré précédent."},
    {kEditorOK, kItemTextPushButton, {431, 542, 489, 562}, "OK", "Validation du nouvel arrondi préféré."},
};

bool* CornerFlag(RoundingProfile& p, int32_t id) {
    switch (id) {
        case kEditorCornerTopLeft: return &p.cornerTopLeft;
        case kEditorCornerTopRight: return &p.cornerTopRight;
        case kEditorCornerBottomLeft: return &p.cornerBottomLeft;
        case kEditorCornerBottomRight: return &p.cornerBottomRight;
        default: return nullptr;
    }
}

// The invisible label buttons name their field.
void DrawAxisLabel(ItemRef item, DrawerRef drawer) {
    if (!sDrawer) return;
    const IntPoint at = {2, 15};
    sDrawer->SetColor(drawer, kColorText);
    sDrawer->DrawText(drawer, sItem->GetID(item) == kEditorXLabel ? "X" : "Y", &at);
}

ProfileSelection Selected(const ProfileEditorState& e) {
    ProfileSelection s{ProfileElement::kPoint, 0};
    DecodeSelection(e.selection, &s);
    return s;
}

void Select(ProfileEditorState& e, ProfileSelection s) { e.selection = SelectionCode(s); }

ListRef GridList(const ProfileEditorState& e) {
    ItemRef popup = DialogItem(e.dialog, kEditorGrid);
    return popup && sList ? sItem->GetList(popup) : nullptr;
}

// The grid popup: the current step's entry selected, the visibility text
// and the magnetism check mark; the fields' large step matches the grid.
void ShowGrid(ProfileEditorState& e) {
    ListRef list = GridList(e);
    if (list && sEntry) {
        for (int32_t i = 0; i < kGridStepEntries; ++i)
            if (kGridSteps[i] == e.gridStep)
                if (EntryRef entry = sList->IndexEntry(list, i)) sEntry->Select(entry, 1);
        if (EntryRef v = sList->IndexEntry(list, kGridVisibilityEntry)) sEntry->SetText(v, e.gridVisible ? kHideGrid : kShowGrid);
        if (EntryRef m = sList->IndexEntry(list, kGridMagnetismEntry)) sEntry->Check(m, e.gridMagnetism ? 1 : 0);
    }
    const float large = static_cast<float>(e.gridStep) / static_cast<float>(kCanvasPixelsPerUnit);
    for (int32_t id : {kEditorX, kEditorY})
        if (ItemRef field = DialogItem(e.dialog, id)) sItem->SetLargeIncrement(field, large);
}

void ShowCorners(ProfileEditorState& e) {
    for (int32_t id : {kEditorCornerTopLeft, kEditorCornerTopRight, kEditorCornerBottomLeft, kEditorCornerBottomRight})
        if (ItemRef box = DialogItem(e.dialog, id)) sItem->SetBooleanValue(box, *CornerFlag(e.working, id) ? 1 : 0);
}

void ShowMode(ProfileEditorState& e) {
    if (ItemRef move = DialogItem(e.dialog, kEditorMoveMode)) sItem->SetBooleanValue(move, e.mode == kEditorMovePoints);
    if (ItemRef add = DialogItem(e.dialog, kEditorAddMode)) sItem->SetBooleanValue(add, e.mode == kEditorAddRemovePoints);
    // Only the add/remove mode follows the mouse without a button held (its cursors).
    if (ItemRef canvas = DialogItem(e.dialog, kEditorCanvas))
        sItem->SetMask(canvas, e.mode == kEditorAddRemovePoints ? kTrackMaskAll : kTrackMaskDefault);
    InvalidateDialogItem(e.dialog, kEditorMoveMode);
    InvalidateDialogItem(e.dialog, kEditorAddMode);
}

void ShowSymmetry(ProfileEditorState& e) {
    SetDialogItemTip(e.dialog, kEditorSymmetry, e.working.symmetric ? kSymmetricTip : kIndependentTip);
    InvalidateDialogItem(e.dialog, kEditorSymmetry);
}

void ShowEverything(ProfileEditorState& e) {
    ShowPointCount(e);
    ShowSelection(e);
    ShowGrid(e);
    ShowCorners(e);
    ShowMode(e);
    ShowSymmetry(e);
    RedrawProfile(e);
}

// ---- notifications --------------------------------------------------------------

ProfileEditorState* UserChange(ItemRef item, DlgNotifierRef notifier) {
    sItem->DefaultNotify(item, notifier);
    ProfileEditorState* e = RunningEditor();
    return e && IsUserChange(notifier) ? e : nullptr;
}

void CoordinateTyped(ItemRef item, DlgNotifierRef notifier) {
    ProfileEditorState* e = UserChange(item, notifier);
    if (!e) return;
    const int axis = sItem->GetID(item) == kEditorX ? 0 : 1;
    SetElementCoordinate(e->working, Selected(*e), axis, sItem->GetFloatValue(item));
    ShowSelection(*e);
    RedrawProfile(*e);
}

void IndexTyped(ItemRef item, DlgNotifierRef notifier) {
    ProfileEditorState* e = UserChange(item, notifier);
    if (!e) return;
    const float typed = sItem->GetFloatValue(item);
    const int count = ProfilePointCount(e->working);
    if (isfinite(typed)) {
        long n = lroundf(typed);
        if (n < 0) n = 0;
        if (n > count - 1) n = count - 1;
        Select(*e, ProfileSelection{ProfileElement::kPoint, static_cast<int>(n)});
    }
    ShowSelection(*e);
    RedrawProfile(*e);
}

void StepPressed(ItemRef item, DlgNotifierRef notifier) {
    ProfileEditorState* e = UserChange(item, notifier);
    if (!e) return;
    const int step = sItem->GetID(item) == kEditorNext ? 1 : -1;
    Select(*e, StepSelection(Selected(*e), step, ProfilePointCount(e->working)));
    ShowSelection(*e);
    RedrawProfile(*e);
    FocusDialogItem(e->dialog, kEditorIndex);
}

void KindPressed(ItemRef item, DlgNotifierRef notifier) {
    ProfileEditorState* e = UserChange(item, notifier);
    if (!e) return;
    const int32_t id = sItem->GetID(item);
    const ProfileElement kind = id == kEditorSelectIn    ? ProfileElement::kIn
                                : id == kEditorSelectOut ? ProfileElement::kOut
                                                         : ProfileElement::kPoint;
    const ProfileSelection wanted{kind, Selected(*e).index};
    if (ElementInUse(wanted, ProfilePointCount(e->working))) Select(*e, wanted);
    ShowSelection(*e);
    RedrawProfile(*e);
}

void LabelPressed(ItemRef item, DlgNotifierRef notifier) {
    ProfileEditorState* e = UserChange(item, notifier);
    if (e) FocusDialogItem(e->dialog, sItem->GetID(item) == kEditorXLabel ? kEditorX : kEditorY);
}

void GridChosen(ItemRef item, DlgNotifierRef notifier) {
    ProfileEditorState* e = UserChange(item, notifier);
    if (!e) return;
    const int32_t chosen = sItem->GetIntValue(item);
    if (chosen >= 0 && chosen < kGridStepEntries) e->gridStep = kGridSteps[chosen];
    else if (chosen == kGridVisibilityEntry) e->gridVisible = !e->gridVisible;
    else if (chosen == kGridMagnetismEntry) e->gridMagnetism = !e->gridMagnetism;
    ShowGrid(*e);
    RedrawProfile(*e);
}

void ModeChosen(ItemRef item, DlgNotifierRef notifier) {
    ProfileEditorState* e = UserChange(item, notifier);
    if (!e) return;
    e->mode = sItem->GetID(item) == kEditorAddMode ? kEditorAddRemovePoints : kEditorMovePoints;
    e->grabbed = kNoSelection;
    ShowMode(*e);
}

void SymmetryPressed(ItemRef item, DlgNotifierRef notifier) {
    ProfileEditorState* e = UserChange(item, notifier);
    if (!e) return;
    e->working.symmetric = !e->working.symmetric;
    ShowSymmetry(*e);
}

void PresetPressed(ItemRef item, DlgNotifierRef notifier) {
    ProfileEditorState* e = UserChange(item, notifier);
    if (!e) return;
    if (!ApplyPredefinedProfile(sItem->GetID(item) - kEditorPresetFirst + 1, e->working)) return;
    Select(*e, ProfileSelection{ProfileElement::kPoint, 0});
    ProfileReshaped(*e);
    ShowSymmetry(*e);
    for (int32_t id : {kEditorNext, kEditorPrevious, kEditorIndex}) EnableDialogItem(e->dialog, id, true);
}

void CornerSwitched(ItemRef item, DlgNotifierRef notifier) {
    ProfileEditorState* e = UserChange(item, notifier);
    if (!e) return;
    if (bool* flag = CornerFlag(e->working, sItem->GetID(item))) *flag = sItem->GetBooleanValue(item) != 0;
    InvalidateDialogItem(e->dialog, kEditorPreview);
}

void DefaultsPressed(ItemRef item, DlgNotifierRef notifier) {
    ProfileEditorState* e = UserChange(item, notifier);
    if (!e) return;
    e->working = gGlobals->settings.profile;
    ClampProfileToCanvas(e->working);
    Select(*e, ProfileSelection{ProfileElement::kPoint, 0});
    e->gridStep = kDefaultGridStep;
    e->gridMagnetism = true;
    ShowEverything(*e);
}

void CancelPressed(ItemRef, DlgNotifierRef notifier) {
    ProfileEditorState* e = RunningEditor();
    if (!e || !IsUserChange(notifier)) return;
    RememberDialogRect(e->dialog, &gGlobals->paletteState.dialogRect[kModalProfileEditor]);
    sDialog->EndModal(e->dialog, kEditorCancel);
}

// The working profile becomes the committed one and is stored; the
// rectangle tool draws with it from now on. A failed write keeps the editor
// open with the committed profile as it was (the keys already written are
// put back as far as the store lets us) and says so.
void OKPressed(ItemRef, DlgNotifierRef notifier) {
    ProfileEditorState* e = RunningEditor();
    if (!e || !IsUserChange(notifier) || !sPreference) return;
    Settings& settings = gGlobals->settings;
    RememberDialogRect(e->dialog, &gGlobals->paletteState.dialogRect[kModalProfileEditor]);
    const RoundingProfile before = settings.profile;
    settings.profile = e->working;
    if (WriteProfile(settings.profile) != kNoErr) {
        WriteProfile(before);
        settings.profile = before;
        HostMessageAlert(kSettingsNotStoredAlert);
        return;
    }
    sDialog->EndModal(e->dialog, kEditorOK);
}

// ---- building -------------------------------------------------------------------

void SetUpItem(ItemRef item, const EditorItem& row) {
    const int32_t id = row.id;
    if (row.text) sItem->SetText(item, row.text);
    ItemNotifyProc notify = nullptr;
    switch (id) {
        case kEditorCanvas:
            sItem->SetDrawProc(item, DrawCanvas);
            sItem->SetTrackProc(item, TrackCanvas);
            return;
        case kEditorPreview: sItem->SetDrawProc(item, DrawPreview); return;
        case kEditorX:
        case kEditorY:
            sItem->SetUnits(item, kUnitsPoints);
            sItem->SetPrecision(item, 2);
            sItem->SetSmallIncrement(item, 0.1f);
            sItem->SetLargeIncrement(item, 1.0f);
            sItem->SetMinFloatValue(item, kProfileUnitsMin);
            sItem->SetMaxFloatValue(item, kProfileUnitsMax);
            notify = CoordinateTyped;
            break;
        case kEditorXLabel:
        case kEditorYLabel:
            sItem->SetDrawProc(item, DrawAxisLabel);
            notify = LabelPressed;
            break;
        case kEditorIndex:
            sItem->SetUnits(item, kUnitsNone);
            sItem->SetMinFloatValue(item, 0.0f);
            notify = IndexTyped;
            break;
        case kEditorNext:
        case kEditorPrevious:
            sItem->SetPictureID(item, id == kEditorNext ? kPictureNextPoint : kPicturePreviousPoint);
            notify = StepPressed;
            break;
        case kEditorSelectPoint:
        case kEditorSelectIn:
        case kEditorSelectOut:
            sItem->SetDrawProc(item, DrawEditorButton);
            notify = KindPressed;
            break;
        case kEditorGrid: {
            ListRef list = sList ? sItem->GetList(item) : nullptr;
            for (int32_t i = 0; list && sEntry && i < static_cast<int32_t>(sizeof kGridEntries / sizeof *kGridEntries); ++i) {
                EntryRef entry = sList->InsertEntry(list, i);
                if (!entry) break;
                sEntry->SetID(entry, i);
                if (kGridEntries[i]) sEntry->SetText(entry, kGridEntries[i]);
                else sEntry->MakeSeparator(entry, 1);
            }
            notify = GridChosen;
            break;
        }
        case kEditorMoveMode:
        case kEditorAddMode:
            sItem->SetDrawProc(item, DrawEditorButton);
            notify = ModeChosen;
            break;
        case kEditorSymmetry:
            sItem->SetDrawProc(item, DrawEditorButton);
            notify = SymmetryPressed;
            break;
        case kEditorCount: sItem->SetJustify(item, kJustifyCenter); return;
        case kEditorCancel: notify = CancelPressed; break;
        case kEditorDefaults: notify = DefaultsPressed; break;
        case kEditorOK: notify = OKPressed; break;
        default:
            if (id >= kEditorPresetFirst && id < kEditorPresetFirst + kPredefinedProfileCount) {
                sItem->SetPictureID(item, kPicturePredefinedProfile1 + id - kEditorPresetFirst);
                notify = PresetPressed;
            } else if (CornerFlag(gGlobals->profileEditor.working, id)) {
                notify = CornerSwitched;
            }
            break;
    }
    if (notify) sItem->SetNotifyProc(item, notify);
}

// Whichever way the editor closes, it opens there next time.
void DestroyEditor(DialogRef dialog) {
    Globals* g = gGlobals;
    if (!g) return;
    RememberDialogRect(dialog, &g->paletteState.dialogRect[kModalProfileEditor]);
    g->profileEditor.dialog = nullptr;
    g->profileEditor.grabbed = kNoSelection;
}

HostErr BuildEditor(DialogRef dialog) {
    Globals* g = gGlobals;
    if (!g || !sItem) return kErrBadParameter;
    ProfileEditorState& e = g->profileEditor;
    e.dialog = dialog;
    PlaceModalDialog(dialog, g->paletteState.dialogRect[kModalProfileEditor], kWidth, kHeight);
    char title[128];
    HostIndexString(e.plugin, kStrProfileEditorTitle, 1, title, sizeof title);
    sDialog->SetText(dialog, title);
    sDialog->SetDestroyProc(dialog, DestroyEditor);
    for (const EditorItem& row : kItems) {
        ItemRef item = MakeDialogItem(dialog, row.id, row.type, row.bounds, row.tip);
        if (item) SetUpItem(item, row);
    }
    ShowEverything(e);
    return kNoErr;
}

// The grid's colour from the host's preferences (0..1 each), else the fallback.
void ReadGridColour(float colour[3]) {
    const char* keys[3] = {"Grid/Color/Lite/r", "Grid/Color/Lite/g", "Grid/Color/Lite/b"};
    for (int i = 0; i < 3; ++i) {
        double v = -1.0;
        const bool read = sPreference && sPreference->GetRealPreference(nullptr, keys[i], &v) == kNoErr;
        colour[i] = read && v >= 0.0 && v <= 1.0 ? static_cast<float>(v) : kFallbackGridColour[i];
    }
}

}  // namespace

ProfileEditorState* RunningEditor() {
    Globals* g = gGlobals;
    if (!g || !sDialog || !sItem || !g->profileEditor.dialog) return nullptr;
    return &g->profileEditor;
}

void ShowSelection(ProfileEditorState& e) {
    const int count = ProfilePointCount(e.working);
    ProfileSelection s = Selected(e);
    if (!ElementInUse(s, count)) {
        s = ProfileSelection{ProfileElement::kPoint, s.index < count ? s.index : count - 1};
        Select(e, s);
    }
    if (ItemRef index = DialogItem(e.dialog, kEditorIndex)) sItem->SetIntValue(index, s.index);
    const float* x = ElementX(e.working, s);
    const float* y = ElementY(e.working, s);
    if (ItemRef fx = DialogItem(e.dialog, kEditorX)) sItem->SetFloatValue(fx, x ? *x : 0.0f);
    if (ItemRef fy = DialogItem(e.dialog, kEditorY)) sItem->SetFloatValue(fy, y ? *y : 0.0f);
    EnableDialogItem(e.dialog, kEditorSelectIn, ElementInUse({ProfileElement::kIn, s.index}, count));
    EnableDialogItem(e.dialog, kEditorSelectOut, ElementInUse({ProfileElement::kOut, s.index}, count));
    for (int32_t id : {kEditorSelectPoint, kEditorSelectIn, kEditorSelectOut}) InvalidateDialogItem(e.dialog, id);
}

void ShowPointCount(ProfileEditorState& e) {
    const int count = ProfilePointCount(e.working);
    char number[16] = "";
    if (sDlgBasic) sDlgBasic->ValueToText(static_cast<float>(count), number, sizeof number, kUnitsNone, 0);
    char text[32];
    int n = 0;
    for (const char* c = number; *c && n < 15; ++c) text[n++] = *c;
    for (const char* c = " points"; *c; ++c) text[n++] = *c;
    text[n] = 0;
    if (ItemRef label = DialogItem(e.dialog, kEditorCount)) sItem->SetText(label, text);
    if (ItemRef index = DialogItem(e.dialog, kEditorIndex)) sItem->SetMaxFloatValue(index, static_cast<float>(count - 1));
}

void RedrawProfile(ProfileEditorState& e) {
    InvalidateDialogItem(e.dialog, kEditorCanvas);
    InvalidateDialogItem(e.dialog, kEditorPreview);
}

void ProfileReshaped(ProfileEditorState& e) {
    gGlobals->settings.working.TypeArrondi = 1;
    PaletteRedraw();
    ShowPointCount(e);
    ShowSelection(e);
    RedrawProfile(e);
}

void OpenProfileEditor(PluginRef plugin) {
    Globals* g = gGlobals;
    if (!g || !sDialog || g->paletteState.dialogOpen[kModalProfileEditor]) return;
    g->paletteState.dialogOpen[kModalProfileEditor] = true;
    ProfileEditorState& e = g->profileEditor;
    e.working = g->settings.profile;
    ClampProfileToCanvas(e.working);
    e.selection = SelectionCode({ProfileElement::kPoint, 0});
    e.grabbed = kNoSelection;
    e.mode = kEditorMovePoints;
    e.gridStep = kDefaultGridStep;
    e.gridVisible = true;
    e.gridMagnetism = true;
    for (int i = 0; i < 3; ++i) e.profileColour[i] = kFallbackProfileColour[i];
    ReadGridColour(e.gridColour);
    e.plugin = plugin;
    sDialog->Modal(plugin, kDialogName, kDlgProfileEditor, kDlgModalStyle, BuildEditor, nullptr, 0);
    if (Globals* after = gGlobals) {
        after->paletteState.dialogOpen[kModalProfileEditor] = false;
        after->profileEditor.dialog = nullptr;
    }
}

}  // namespace qzv
