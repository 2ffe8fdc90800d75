#include "palette/palette_flyout.h"

#include "host/suites.h"
#include "palette/palette_bracket.h"
#include "palette/palette_ids.h"
#include "palette/palette_items.h"
#include "palette/palette_procs.h"
#include "plugin/globals.h"
#include "resources/resource_ids.h"

namespace qzv {

namespace {

EntryRef Entry(int32_t entryId) {
    ItemRef flyout = PaletteItem(kDlgFlyoutMenuItemID);
    return flyout ? sList->FindEntry(sItem->GetList(flyout), entryId) : nullptr;
}

bool CircleModeIn(int32_t first, int32_t last) {
    const int32_t mode = gGlobals->tool.circleMode;
    return gGlobals->currentTool != kToolRect && mode >= first && mode <= last;
}

// The four switches of the circle tool; each is disabled in the rectangle tool.
void ToggleSector() {
    WorkingValues& w = gGlobals->settings.working;
    w.Secteur = !w.Secteur;
    FlyoutCheck(kFlySector, w.Secteur);
    PaletteResetCloneCounter();
    if (gGlobals->palette) {
        PaletteSetSectorPictures(gGlobals->palette);
        sDialog->Invalidate(gGlobals->palette);
    }
}

void ToggleCentreMark() {
    WorkingValues& w = gGlobals->settings.working;
    w.Centre = !w.Centre;
    FlyoutCheck(kFlyCentreMark, w.Centre);
    FlyoutEnable(kFlyRandomCross, w.Centre);
}

void ToggleRandomCross() {
    WorkingValues& w = gGlobals->settings.working;
    if (!w.Centre) return;
    w.Alea = !w.Alea;
    FlyoutCheck(kFlyRandomCross, w.Alea);
}

void ToggleTangentMarks() {
    WorkingValues& w = gGlobals->settings.working;
    w.Tangente = !w.Tangente;
    FlyoutCheck(kFlyTangentMarks, w.Tangente);
}

struct SwitchRow {
    int32_t entry;
    void (*toggle)();
};
constexpr SwitchRow kSwitches[] = {
    {kFlySector, ToggleSector},
    {kFlyCentreMark, ToggleCentreMark},
    {kFlyRandomCross, ToggleRandomCross},
    {kFlyTangentMarks, ToggleTangentMarks},
};

}  // namespace

void FlyoutEnable(int32_t entryId, bool enable) {
    if (EntryRef e = Entry(entryId)) sEntry->Enable(e, enable);
}

void FlyoutCheck(int32_t entryId, bool check) {
    if (EntryRef e = Entry(entryId)) sEntry->Check(e, check);
}

void PaletteSetUpFlyout(DialogRef dialog, PluginRef plugin) {
    ItemRef flyout = sDialog->GetItem(dialog, kDlgFlyoutMenuItemID);
    if (!flyout) return;
    sItem->SetNotifyProc(flyout, NotifyFlyout);
    sList->SetMenuID(sItem->GetList(flyout), plugin, kMenuPaletteFlyout);
    const WorkingValues& w = gGlobals->settings.working;
    FlyoutCheck(kFlySector, w.Secteur);
    FlyoutEnable(kFlySector, false);
    FlyoutCheck(kFlyCentreMark, w.Centre);
    FlyoutEnable(kFlyRandomCross, w.Centre);
    FlyoutCheck(kFlyRandomCross, w.Alea);
    FlyoutCheck(kFlyTangentMarks, w.Tangente);
    FlyoutEnable(kFlyTangentMarks, false);
}

void PaletteFlyoutForTool() {
    const WorkingValues& w = gGlobals->settings.working;
    FlyoutEnable(kFlySector, CircleModeIn(kArcCentre, kArcThreePoints));
    FlyoutCheck(kFlySector, w.Secteur);
    FlyoutEnable(kFlyCentreMark, true);
    FlyoutCheck(kFlyCentreMark, w.Centre);
    FlyoutEnable(kFlyRandomCross, w.Centre);
    FlyoutCheck(kFlyRandomCross, w.Alea);
    FlyoutEnable(kFlyTangentMarks, CircleModeIn(kTangentOne, kTangentThree));
    FlyoutCheck(kFlyTangentMarks, w.Tangente);
    FlyoutEnable(kFlyColours, true);
    FlyoutEnable(kFlyPreferences, true);
    FlyoutEnable(kFlyHelp, true);
    FlyoutEnable(kFlyProfileEditor, gGlobals->currentTool == kToolRect);
}

void PaletteFlyoutOff() {
    for (int32_t id = 1; id <= kFlyEntryCount; ++id) FlyoutEnable(id, false);
}

// The picked entry's position names the action.
void NotifyFlyout(ItemRef item, DlgNotifierRef notifier) {
    WithSuites([&] {
        sItem->DefaultNotify(item, notifier);
        if (!sDlgNotifier->IsNotifierType(notifier, kNotifyUserChanged)) return;
        EntryRef picked = sList->GetActiveEntry(sItem->GetList(item));
        if (!picked) return;
        const int32_t entry = sEntry->GetIndex(picked) + 1;
        for (const SwitchRow& row : kSwitches) {
            if (row.entry != entry) continue;
            if (gGlobals->currentTool == kToolRect)
                FlyoutEnable(entry, false);
            else
                row.toggle();
        }
    });
}

}  // namespace qzv
