#include "palette/scale_dialog.h"

#include "host/dialog_items.h"
#include "host/host_text.h"
#include "host/suites.h"
#include "palette/palette_ids.h"
#include "palette/palette_procs.h"
#include "palette/palette_scale.h"
#include "palette/palette_values.h"
#include "plugin/globals.h"
#include "resources/resource_ids.h"

namespace qzv {

namespace {

constexpr int32_t kWidth = 200, kHeight = 120;
constexpr const char* kTitle = "Échelle personnalisée.";

enum ScaleItem : int32_t {
    kOK = kDlgOKItemID,
    kCancel = kDlgCancelItemID,
    kNumerator = 65,
    kDenominator = 66,
    kSlash = 67,
    kNumeratorLabel = 68,
    kDenominatorLabel = 69,
};

PaletteState& State() { return gGlobals->paletteState; }

// A field's value as a count of at least 1 (the field's minimum holds it
// there; a value that is no number keeps the pending one).
int32_t CountOf(ItemRef item, int32_t previous) {
    const float v = sItem->GetFloatValue(item);
    if (!(v >= 1.0f)) return previous >= 1 ? previous : 1;
    if (v > 1.0e9f) return 1000000000;
    return static_cast<int32_t>(v + 0.5f);
}

void FieldChanged(ItemRef item, DlgNotifierRef notifier) {
    sItem->DefaultNotify(item, notifier);
    if (!gGlobals || !IsUserChange(notifier)) return;
    PaletteState& p = State();
    int32_t& pending = sItem->GetID(item) == kNumerator ? p.scalePendingNum : p.scalePendingDen;
    pending = CountOf(item, pending);
    sItem->SetIntValue(item, pending);
}

void Close(int32_t result) {
    PaletteState& p = State();
    RememberDialogRect(p.scaleDialog, &p.dialogRect[kModalScale]);
    p.dialogOpen[kModalScale] = false;
    sDialog->EndModal(p.scaleDialog, result);
}

void CancelPressed(ItemRef item, DlgNotifierRef notifier) {
    sItem->DefaultNotify(item, notifier);
    if (gGlobals && IsUserChange(notifier) && State().scaleDialog) Close(kCancel);
}

// Stores the pending scale; when the store refuses it, the custom scale
// stays as it was and the dialog stays open for another try.
void OKPressed(ItemRef item, DlgNotifierRef notifier) {
    sItem->DefaultNotify(item, notifier);
    if (!gGlobals || !IsUserChange(notifier) || !State().scaleDialog || !sPreference) return;
    Settings& s = gGlobals->settings;
    PaletteState& p = State();
    const int32_t oldNum = s.EchelleNumPerso, oldDen = s.EchelleDenPerso;
    s.EchelleNumPerso = p.scalePendingNum;
    s.EchelleDenPerso = p.scalePendingDen;
    HostErr err = sPreference->PutIntegerPreference(kPrefPrefix, "EchelleNumPerso", s.EchelleNumPerso);
    if (!err) err = sPreference->PutIntegerPreference(kPrefPrefix, "EchelleDenPerso", s.EchelleDenPerso);
    if (err) {
        s.EchelleNumPerso = oldNum;
        s.EchelleDenPerso = oldDen;
        sPreference->PutIntegerPreference(kPrefPrefix, "EchelleNumPerso", oldNum);
        sPreference->PutIntegerPreference(kPrefPrefix, "EchelleDenPerso", oldDen);
        HostMessageAlert(kSettingsNotStoredAlert);
        return;
    }
    if (ItemRef popup = PaletteItem(kItemScale)) {
        char text[80];
        CustomScaleText(s.EchelleNumPerso, s.EchelleDenPerso, text, sizeof text);
        if (EntryRef custom = sList->FindEntry(sItem->GetList(popup), kScaleEntryCustom)) sEntry->SetText(custom, text);
    }
    Close(kOK);
}

void MakeCountField(DialogRef dialog, int32_t id, IntRect bounds, int32_t value) {
    ItemRef field = MakeDialogItem(dialog, id, kItemSpinEdit, bounds, nullptr);
    if (!field) return;
    sItem->SetUnits(field, kUnitsNone);
    sItem->SetMinFloatValue(field, 1.0f);
    sItem->SetSmallIncrement(field, 1.0f);
    sItem->SetLargeIncrement(field, 5.0f);
    sItem->SetIntValue(field, value);
    sItem->SetNotifyProc(field, FieldChanged);
}

void MakeButton(DialogRef dialog, int32_t id, IntRect bounds, const char* text, const char* tip,
                ItemNotifyProc notify) {
    ItemRef button = MakeDialogItem(dialog, id, kItemTextPushButton, bounds, tip);
    if (!button) return;
    sItem->SetText(button, text);
    sItem->SetNotifyProc(button, notify);
}

HostErr BuildScaleDialog(DialogRef dialog) {
    if (!gGlobals || !sItem) return kErrBadParameter;
    PaletteState& p = State();
    p.scaleDialog = dialog;
    PlaceModalDialog(dialog, p.dialogRect[kModalScale], kWidth, kHeight);
    sDialog->SetText(dialog, kTitle);
    MakeCountField(dialog, kNumerator, {20, 14, 84, 36}, p.scalePendingNum);
    if (ItemRef label = MakeDialogItem(dialog, kNumeratorLabel, kItemPicturePushButton, {0, 14, 13, 36},
                                       "Numérateur de l'échelle par défaut."))
        sItem->SetDrawProc(label, DrawNothing);
    if (ItemRef slash = MakeDialogItem(dialog, kSlash, kItemTextStatic, {99, 15, 111, 37}, nullptr))
        sItem->SetText(slash, "/");
    MakeCountField(dialog, kDenominator, {124, 14, 188, 36}, p.scalePendingDen);
    if (ItemRef label = MakeDialogItem(dialog, kDenominatorLabel, kItemPicturePushButton, {100, 14, 123, 36},
                                       "Dénominateur de l'échelle par défaut."))
        sItem->SetDrawProc(label, DrawNothing);
    MakeButton(dialog, kCancel, {10, 62, 78, 82}, "Annuler", "Aucune modification.", CancelPressed);
    MakeButton(dialog, kOK, {131, 62, 189, 82}, "OK", "Validation de l'échelle personnalisée par défaut.",
               OKPressed);
    return kNoErr;
}

}  // namespace

void OpenScaleDialog(PluginRef plugin) {
    Globals* g = gGlobals;
    if (!g || !sDialog || g->paletteState.dialogOpen[kModalScale]) return;
    PaletteState& p = g->paletteState;
    p.dialogOpen[kModalScale] = true;
    // A custom scale never set (0/0) opens as 1/1.
    p.scalePendingNum = g->settings.EchelleNumPerso >= 1 ? g->settings.EchelleNumPerso : 1;
    p.scalePendingDen = g->settings.EchelleDenPerso >= 1 ? g->settings.EchelleDenPerso : 1;
    sDialog->Modal(plugin, "EchellePerso", kDlgScale, kDlgModalStyle, BuildScaleDialog, nullptr, 0);
    if (Globals* after = gGlobals) {
        after->paletteState.dialogOpen[kModalScale] = false;
        after->paletteState.scaleDialog = nullptr;
        PaletteApplyScale();
    }
}

}  // namespace qzv
