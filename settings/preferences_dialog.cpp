// The preferences dialog: building it from its tables, every control's
// notification on the pending copies, the enabling rules, the pages, the
// scale popup, and the three buttons.
#include "settings/preferences_dialog.h"

#include <initializer_list>
#include <math.h>

#include "host/dialog_items.h"
#include "host/host_text.h"
#include "host/suites.h"
#include "paint/colours_dialog.h"
#include "plugin/globals.h"
#include "resources/dialog_resource_ids.h"
#include "resources/resource_ids.h"
#include "settings/preferences_drawing.h"
#include "settings/preferences_items.h"
#include "settings/preferences_scale.h"

namespace qzv {

namespace {

constexpr int32_t kWidth = 340;
constexpr int32_t kHeight = 306;
constexpr int32_t kTitleCharacters = 40;

constexpr int32_t kPaletteScalePopup = 63;     // the palette's own scale popup ...
constexpr int32_t kPaletteCustomScale = 21;    // ... and its custom entry
constexpr const char* kEllipsis = "\xE2\x80\xA6";

// Degrees and radians convert in single precision through one degree in
// radians: 5 degrees are 0.08726646 radians, 10 degrees 0.17453292.
constexpr float kRadiansPerDegree = 3.1415927f / 180.0f;

// The dialog's state while it runs; null when a procedure is called
// without it (the plug-in's state gone, or the suites not held).
PreferencesDialogState* Running() {
    Globals* g = gGlobals;
    if (!g || !sDialog || !sItem || !g->prefsDialog.dialog) return nullptr;
    return &g->prefsDialog;
}

GeneralSettings& Pending() { return gGlobals->settings.pending; }

const PrefsField* FieldOf(int32_t id) {
    for (const PrefsField& f : kPrefsFields)
        if (f.id == id) return &f;
    return nullptr;
}

const PrefsCheck* CheckOf(int32_t id) {
    for (const PrefsCheck& c : kPrefsChecks)
        if (c.id == id) return &c;
    return nullptr;
}

// The value a field shows for its pending copy, in its own units.
float Shown(const PrefsField& f, const GeneralSettings& p) {
    if (f.real) return f.degrees ? p.*f.real / kRadiansPerDegree : p.*f.real;
    return f.id == kPrefsTolerance ? static_cast<float>(p.Tolerance) : static_cast<float>(p.Precision);
}

void ShowField(DialogRef d, const PrefsField& f) {
    ItemRef item = DialogItem(d, f.id);
    if (!item) return;
    const float value = Shown(f, Pending());
    if (f.real) sItem->SetFloatValue(item, value);
    else sItem->SetIntValue(item, static_cast<int32_t>(value));
}

// What was typed, held within the field's range, into the pending copy.
// Anything that is not a finite number leaves the pending copy alone.
void StoreField(const PrefsField& f, float value) {
    if (!isfinite(value)) return;
    if (value < f.minimum) value = f.minimum;
    if (value > f.maximum) value = f.maximum;
    GeneralSettings& p = Pending();
    if (f.real) {
        p.*f.real = f.degrees ? value * kRadiansPerDegree : value;
    } else if (f.id == kPrefsTolerance) {
        p.Tolerance = static_cast<int16_t>(lroundf(value));
    } else {
        p.Precision = static_cast<int8_t>(lroundf(value));
    }
}

// ---- what follows from the pending copies ------------------------------------

// The distance field follows magnetism; the random orientation follows the
// centre mark, and the fixed angle needs the mark without random orientation.
void ApplyEnabling(DialogRef d) {
    const GeneralSettings& p = Pending();
    EnableDialogItem(d, kPrefsTolerance, p.Magnetisme);
    EnableDialogItem(d, kPrefsRandom, p.Centre);
    EnableDialogItem(d, kPrefsAngle, p.Centre && !p.Alea);
    SetDialogItemTip(d, kPrefsLayer, p.Calque ? kTipLayerOn : kTipLayerOff);
}

void ShowRoundingType(DialogRef d) {
    const int32_t type = Pending().TypeArrondi;
    if (ItemRef a = DialogItem(d, kPrefsQuarterCircle)) sItem->SetBooleanValue(a, type == 0 ? 1 : 0);
    if (ItemRef b = DialogItem(d, kPrefsCustomRounding)) sItem->SetBooleanValue(b, type == 1 ? 1 : 0);
    InvalidateDialogItem(d, kPrefsQuarterCircle);
    InvalidateDialogItem(d, kPrefsCustomRounding);
}

// Items of the chosen page shown, of the other hidden.
void ApplyPage(DialogRef d, int16_t page) {
    for (const PrefsItem& row : kPrefsItems) {
        if (row.page == PrefsPage::kBoth) continue;
        const bool circles = row.page == PrefsPage::kCircles;
        ShowDialogItem(d, row.id, circles == (page == 0));
    }
    if (ItemRef popup = DialogItem(d, kPrefsPage)) sItem->SetIntValue(popup, page);
}

// The palette's own custom entry reads "…/…" until a custom scale is set.
bool PaletteHasNoCustomScale() {
    Globals* g = gGlobals;
    if (!g->palette || !sList || !sEntry) return false;
    ItemRef popup = sDialog->GetItem(g->palette, kPaletteScalePopup);
    ListRef list = popup ? sItem->GetList(popup) : nullptr;
    EntryRef custom = list ? sList->FindEntry(list, kPaletteCustomScale) : nullptr;
    if (!custom) return false;
    char text[64] = "";
    sEntry->GetText(custom, text, sizeof text);
    return text[0] == kEllipsis[0] && text[1] == kEllipsis[1] && text[2] == kEllipsis[2];
}

bool CustomScaleUsable() {
    const Settings& s = gGlobals->settings;
    return PrefsCustomScaleUsable(s.EchelleNumPerso, s.EchelleDenPerso) && !PaletteHasNoCustomScale();
}

// The custom entry's text and enabling, then the entry of the pending
// scale checked and selected, every other unchecked.
void SelectScaleEntry(DialogRef d) {
    ItemRef popup = DialogItem(d, kPrefsScale);
    ListRef list = popup && sList ? sItem->GetList(popup) : nullptr;
    if (!list || !sEntry) return;
    if (EntryRef custom = sList->IndexEntry(list, kPrefsScaleCustom)) {
        const Settings& s = gGlobals->settings;
        const bool usable = CustomScaleUsable();
        char text[32];
        if (usable && sDlgBasic) {
            char num[16], den[16];
            sDlgBasic->ValueToText(static_cast<float>(s.EchelleNumPerso), num, 6, kUnitsNone, 0);
            sDlgBasic->ValueToText(static_cast<float>(s.EchelleDenPerso), den, 6, kUnitsNone, 0);
            int n = 0;
            for (const char* c = num; *c && n < 15; ++c) text[n++] = *c;
            text[n++] = '/';
            for (const char* c = den; *c && n < 31; ++c) text[n++] = *c;
            text[n] = 0;
        } else {
            for (int i = 0; i < 4; ++i) text[i] = kEllipsis[i];   // with its terminating zero
        }
        sEntry->SetText(custom, text);
        sEntry->Enable(custom, usable ? 1 : 0);
    }
    const GeneralSettings& p = Pending();
    const int32_t chosen = PrefsScaleEntryFor(p.EchelleNum, p.EchelleDen);
    const int32_t count = sList->NumberOfEntries(list);
    for (int32_t i = 0; i < count; ++i)
        if (EntryRef e = sList->IndexEntry(list, i)) sEntry->Check(e, 0);
    if (EntryRef e = sList->IndexEntry(list, chosen)) {
        sEntry->Check(e, 1);
        sEntry->Select(e, 1);
    }
}

// Every control from the pending copies.
void ShowPending(DialogRef d) {
    for (const PrefsField& f : kPrefsFields) ShowField(d, f);
    for (const PrefsCheck& c : kPrefsChecks)
        if (ItemRef item = DialogItem(d, c.id)) sItem->SetBooleanValue(item, Pending().*c.flag ? 1 : 0);
    ShowRoundingType(d);
    SelectScaleEntry(d);
    ApplyEnabling(d);
    InvalidateDialogItem(d, kPrefsNote);
    InvalidateDialogItem(d, kPrefsSample);
    InvalidateDialogItem(d, kPrefsRoundingIcon);
}

// ---- notifications ------------------------------------------------------------

void FieldChanged(ItemRef item, DlgNotifierRef notifier) {
    sItem->DefaultNotify(item, notifier);
    PreferencesDialogState* s = Running();
    if (!s || !IsUserChange(notifier)) return;
    const PrefsField* f = FieldOf(sItem->GetID(item));
    if (!f) return;
    StoreField(*f, sItem->GetFloatValue(item));
    ShowField(s->dialog, *f);   // what was kept, held within range
    if (f->id == kPrefsRounding) InvalidateDialogItem(s->dialog, kPrefsRoundingIcon);
    if (f->id == kPrefsPrecision) InvalidateDialogItem(s->dialog, kPrefsSample);
    if (f->id == kPrefsTolerance) FocusDialogItem(s->dialog, kPrefsWeight);
}

void CheckChanged(ItemRef item, DlgNotifierRef notifier) {
    sItem->DefaultNotify(item, notifier);
    PreferencesDialogState* s = Running();
    if (!s || !IsUserChange(notifier)) return;
    const PrefsCheck* c = CheckOf(sItem->GetID(item));
    if (!c) return;
    const bool on = sItem->GetBooleanValue(item) != 0;
    GeneralSettings& p = Pending();
    p.*c->flag = on;
    const DialogRef d = s->dialog;
    ApplyEnabling(d);
    switch (c->id) {
        case kPrefsMagnetism: FocusDialogItem(d, on ? kPrefsTolerance : kPrefsWeight); break;
        case kPrefsRandom:
            if (!p.Alea) FocusDialogItem(d, kPrefsAngle);
            break;
        case kPrefsLayer: FocusDialogItem(d, kPrefsWeight); break;
        case kPrefsGroupTools: InvalidateDialogItem(d, kPrefsNote); break;
        default: break;
    }
}

void RoundingTypeChosen(ItemRef item, DlgNotifierRef notifier) {
    sItem->DefaultNotify(item, notifier);
    PreferencesDialogState* s = Running();
    if (!s || !IsUserChange(notifier)) return;
    Pending().TypeArrondi = sItem->GetID(item) == kPrefsCustomRounding ? 1 : 0;
    ShowRoundingType(s->dialog);
    FocusDialogItem(s->dialog, kPrefsRounding);
}

void PageChosen(ItemRef item, DlgNotifierRef notifier) {
    sItem->DefaultNotify(item, notifier);
    PreferencesDialogState* s = Running();
    if (!s || !IsUserChange(notifier)) return;
    const int32_t chosen = sItem->GetIntValue(item);
    if (chosen == 0 || chosen == 1) s->page = static_cast<int16_t>(chosen);
    ApplyPage(s->dialog, s->page);
    sDialog->Invalidate(s->dialog);
}

void ScaleChosen(ItemRef item, DlgNotifierRef notifier) {
    sItem->DefaultNotify(item, notifier);
    PreferencesDialogState* s = Running();
    if (!s || !IsUserChange(notifier)) return;
    const int32_t chosen = sItem->GetIntValue(item);
    GeneralSettings& p = Pending();
    if (chosen == kPrefsScaleCustom) {
        if (CustomScaleUsable()) {
            p.EchelleNum = gGlobals->settings.EchelleNumPerso;
            p.EchelleDen = gGlobals->settings.EchelleDenPerso;
        }
    } else if (chosen >= 0 && chosen < kPrefsScaleEntryCount && kPrefsScaleEntries[chosen].numerator != 0) {
        p.EchelleNum = kPrefsScaleEntries[chosen].numerator;
        p.EchelleDen = kPrefsScaleEntries[chosen].denominator;
    }
    SelectScaleEntry(s->dialog);
}

void LabelClicked(ItemRef item, DlgNotifierRef notifier) {
    sItem->DefaultNotify(item, notifier);
    PreferencesDialogState* s = Running();
    if (!s || !IsUserChange(notifier)) return;
    const int32_t id = sItem->GetID(item);
    for (const PrefsLabel& l : kPrefsLabels)
        if (l.label == id) FocusDialogItem(s->dialog, l.field);
}

void ColoursClicked(ItemRef item, DlgNotifierRef notifier) {
    sItem->DefaultNotify(item, notifier);
    PreferencesDialogState* s = Running();
    if (!s || !IsUserChange(notifier)) return;
    const DialogRef d = s->dialog;
    OpenColoursDialog(s->plugin, kColoursFromToolOptions);
    sDialog->Invalidate(d);   // the swatches beside the buttons
}

void DefaultsPressed(ItemRef item, DlgNotifierRef notifier) {
    sItem->DefaultNotify(item, notifier);
    PreferencesDialogState* s = Running();
    if (!s || !IsUserChange(notifier)) return;
    Pending() = PrefsFactoryValues();
    ShowPending(s->dialog);
    FocusDialogItem(s->dialog, kPrefsWeight);
}

void CancelPressed(ItemRef, DlgNotifierRef notifier) {
    PreferencesDialogState* s = Running();
    if (!s || !IsUserChange(notifier)) return;
    RememberDialogRect(s->dialog, &gGlobals->paletteState.dialogRect[kModalPreferences]);
    gGlobals->settings.prefsDialogOpen = false;
    sDialog->EndModal(s->dialog, kPrefsCancel);
}

// Commits the pending copies. A failed write keeps the dialog open with the
// settings as they were (the keys already written are put back as far as
// the store lets us) and says so; the pending copies stay for another try.
void OKPressed(ItemRef, DlgNotifierRef notifier) {
    PreferencesDialogState* s = Running();
    if (!s || !IsUserChange(notifier) || !sPreference) return;
    Settings& settings = gGlobals->settings;
    RememberDialogRect(s->dialog, &gGlobals->paletteState.dialogRect[kModalPreferences]);
    const GeneralSettings before = settings.general;
    const GeneralSettings edited = settings.pending;
    if (CommitPreferences(settings) != kNoErr) {
        // Committing the settings as they were puts them back in memory and,
        // as far as the store lets us, in the store.
        settings.pending = before;
        CommitPreferences(settings);
        settings.pending = edited;
        settings.prefsDialogOpen = true;
        HostMessageAlert(kSettingsNotStoredAlert);
        return;
    }
    sDialog->EndModal(s->dialog, kPrefsOK);
}

// ---- building -----------------------------------------------------------------

const char* TypeName(PrefsKind kind) {
    switch (kind) {
        case PrefsKind::kSpin: return kItemSpinEdit;
        case PrefsKind::kIcon: return kItemPicturePushButton;
        case PrefsKind::kCheck: return kItemTextCheckBox;
        case PrefsKind::kPopup: return kItemPopupList;
        case PrefsKind::kStatic: return kItemTextStatic;
        case PrefsKind::kRadio: return kItemPictureRadioButton;
        case PrefsKind::kButton: return kItemTextPushButton;
    }
    return kItemTextStatic;
}

void AddEntries(ItemRef popup, const char* const* texts, int32_t count) {
    ListRef list = sList ? sItem->GetList(popup) : nullptr;
    if (!list || !sEntry) return;
    for (int32_t i = 0; i < count; ++i) {
        EntryRef e = sList->InsertEntry(list, i);
        if (!e) return;
        sEntry->SetID(e, i);
        if (texts[i]) sEntry->SetText(e, texts[i]);
        else sEntry->MakeSeparator(e, 1);
    }
}

void SetUpField(ItemRef item, const PrefsField& f) {
    sItem->SetUnits(item, f.units);
    sItem->SetPrecision(item, f.decimals);
    sItem->SetSmallIncrement(item, f.smallStep);
    sItem->SetLargeIncrement(item, f.largeStep);
    if (f.minimum > -kNoMaximum) sItem->SetMinFloatValue(item, f.minimum);
    if (f.maximum < kNoMaximum) sItem->SetMaxFloatValue(item, f.maximum);
    sItem->SetNotifyProc(item, FieldChanged);
}

void SetUpItem(ItemRef item, const PrefsItem& row) {
    if (row.text) sItem->SetText(item, row.text);
    switch (row.kind) {
        case PrefsKind::kSpin:
            if (const PrefsField* f = FieldOf(row.id)) SetUpField(item, *f);
            break;
        case PrefsKind::kCheck: sItem->SetNotifyProc(item, CheckChanged); break;
        case PrefsKind::kRadio:
            sItem->SetPictureID(item, row.id == kPrefsQuarterCircle ? kPictureQuarterCircle : kPictureCustomRounding);
            sItem->SetNotifyProc(item, RoundingTypeChosen);
            break;
        case PrefsKind::kIcon:
            sItem->SetDrawProc(item, row.id == kPrefsSample ? DrawPrecisionSample : DrawNothing);
            sItem->SetNotifyProc(item, row.id == kPrefsColours || row.id == kPrefsColoursPage ? ColoursClicked
                                                                                             : LabelClicked);
            break;
        case PrefsKind::kPopup:
            if (row.id == kPrefsScale) {
                const char* texts[kPrefsScaleEntryCount];
                for (int32_t i = 0; i < kPrefsScaleEntryCount; ++i) texts[i] = kPrefsScaleEntries[i].text;
                AddEntries(item, texts, kPrefsScaleEntryCount);
                sItem->SetFont(item, kFontPalette);
                sItem->SetNotifyProc(item, ScaleChosen);
            } else {
                const char* const pages[] = {"Cercles & Arcs", "Rectangles & Lignes"};
                AddEntries(item, pages, 2);
                sItem->SetNotifyProc(item, PageChosen);
            }
            break;
        case PrefsKind::kStatic:
            if (row.id == kPrefsNote) {
                sItem->SetDrawProc(item, DrawNextLaunchNote);
            } else {
                sItem->SetJustify(item, kJustifyLeft);
                sItem->SetFont(item, kFontPalette);
            }
            break;
        case PrefsKind::kButton:
            sItem->SetNotifyProc(item, row.id == kPrefsOK       ? OKPressed
                                       : row.id == kPrefsCancel ? CancelPressed
                                                                : DefaultsPressed);
            break;
    }
}

// Whichever way the dialog closes, it opens there next time.
void DestroyPreferencesDialog(DialogRef dialog) {
    Globals* g = gGlobals;
    if (!g) return;
    RememberDialogRect(dialog, &g->paletteState.dialogRect[kModalPreferences]);
    g->prefsDialog.dialog = nullptr;
}

HostErr BuildPreferencesDialog(DialogRef dialog) {
    Globals* g = gGlobals;
    if (!g || !sItem) return kErrBadParameter;
    PreferencesDialogState& s = g->prefsDialog;
    s.dialog = dialog;
    PlaceModalDialog(dialog, g->paletteState.dialogRect[kModalPreferences], kWidth, kHeight);
    char title[4 * kTitleCharacters + 1];
    HostIndexString(s.plugin, kStrPreferencesTitle, 1, title, sizeof title);
    sDialog->SetText(dialog, title);
    sDialog->SetDrawProc(dialog, DrawPreferencesBackground);
    sDialog->SetDestroyProc(dialog, DestroyPreferencesDialog);
    s.page = g->currentTool == kToolCircle ? 0 : 1;
    g->settings.pending = g->settings.general;
    for (const PrefsItem& row : kPrefsItems) {
        ItemRef item = MakeDialogItem(dialog, row.id, TypeName(row.kind), row.bounds, row.tip);
        if (item) SetUpItem(item, row);
    }
    ShowPending(dialog);
    ApplyPage(dialog, s.page);
    g->settings.prefsDialogOpen = true;
    return kNoErr;
}

}  // namespace

void OpenPreferencesDialog(PluginRef plugin) {
    Globals* g = gGlobals;
    if (!g || !sDialog || g->settings.prefsDialogOpen || g->paletteState.dialogOpen[kModalPreferences]) return;
    g->paletteState.dialogOpen[kModalPreferences] = true;
    g->prefsDialog.plugin = plugin;
    sDialog->Modal(plugin, "bidon", kDlgPreferences, kDlgModalStyle, BuildPreferencesDialog, nullptr, 0);
    if (Globals* after = gGlobals) {
        after->paletteState.dialogOpen[kModalPreferences] = false;
        after->settings.prefsDialogOpen = false;
        after->prefsDialog.dialog = nullptr;
    }
}

}  // namespace qzv
