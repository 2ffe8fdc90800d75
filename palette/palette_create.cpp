// The palette's life: made when the host reports that the application has
// started, built item by item by its init procedure, placed and docked where
// it was at the end of the previous run, and destroyed at shut-down, writing
// its placement back as it goes.
#include <string.h>

#include "host/suites.h"
#include "palette/palette.h"
#include "palette/palette_bracket.h"
#include "palette/palette_flyout.h"
#include "palette/palette_help.h"
#include "palette/palette_ids.h"
#include "palette/palette_items.h"
#include "palette/palette_modes.h"
#include "palette/palette_placement.h"
#include "palette/palette_procs.h"
#include "plugin/globals.h"
#include "plugin/handlers.h"
#include "plugin/registration.h"
#include "resources/resource_ids.h"
#include "settings/settings.h"

namespace qzv {

namespace {

constexpr const char* kKeyVisible = "kADM_DPVisibleStr";
constexpr const char* kKeyDockGroup = "kADM_DPDockGroupStr";
constexpr const char* kKeyDockCode = "kADM_DPDockCodeStr";
constexpr const char* kKeyPosition = "PositionPalette";
constexpr const char* kDefaultDockGroup = "W";
constexpr int32_t kDefaultDockCode = 7168;
constexpr int32_t kPaletteOptions = 1;
constexpr int32_t kDockGroupSize = 64;

IntRect UsableScreen() {
    IntRect screen = {0, 0, 0, 0};
    sDlgBasic->GetScreenDimensions(&screen);
    return screen;
}

// The state the init procedure starts from: working values from the
// settings, the number display, the help pane, and where each modal dialog
// opens the first time.
void ResetPaletteState(Globals& g) {
    ResetWorkingValues(g.settings);
    PaletteState& p = g.paletteState;
    p.scaleFactor = PaletteScaleFactor();
    p.roundingStep = RoundingStep(g.settings.general.Precision);
    p.decimalSeparator = ',';
    g.tool.radius = 0.0f;
    p.helpPage = 1;
    p.helpPageCount = kHelpPageCount;
    const IntRect screen = UsableScreen();
    for (const DialogSize& size : kModalDialogSizes)
        p.dialogRect[size.dialog] = ModalDialogDefaultRect(screen, size.width, size.height);
    // A preferences dialog left marked open (a failed commit) may open again.
    g.settings.prefsDialogOpen = false;
    p.dialogOpen[kModalPreferences] = false;
}

void SetWindowIcon(DialogRef dialog, int32_t which, int32_t iconId) {
    IconRef icon = sIcon->GetFromResource(gGlobals->paletteState.plugin, iconId, which);
    sDialog->SetIcon(dialog, which, icon);
    sIcon->Destroy(icon);
}

// Position, docking and window icons from the preferences. A stored value
// of the wrong type reads as missing; a dock the dialog manager refuses
// gives the default dock.
void PlacePalette(DialogRef dialog) {
    char group[kDockGroupSize] = "";
    if (sPreference->GetStringPreference(kPrefPrefix, kKeyDockGroup, group, sizeof group) != kNoErr || !group[0])
        strcpy(group, kDefaultDockGroup);
    int32_t code = kDefaultDockCode;
    int32_t stored = 0;
    if (sPreference->GetIntegerPreference(kPrefPrefix, kKeyDockCode, &stored) == kNoErr) code = stored;

    IntPoint corner = PaletteDefaultCorner(UsableScreen());
    IntPoint position = {0, 0};
    if (sPreference->GetPointPreference(kPrefPrefix, kKeyPosition, &position) == kNoErr) corner = position;
    const IntRect bounds = PaletteBoundsAt(corner, kPaletteWidth, kPaletteHeight);
    sDialog->SetBoundsRect(dialog, &bounds);

    if (sDialogGroup->SetDialogGroupInfo(dialog, group, code) != kNoErr)
        sDialogGroup->SetDialogGroupInfo(dialog, kDefaultDockGroup, kDefaultDockCode);
    SetWindowIcon(dialog, 0, kIconPaletteFirst);
    SetWindowIcon(dialog, 1, kIconPaletteSecond);
}

}  // namespace

HostErr InitPalette(DialogRef dialog) {
    WithSuites([&] {
        Globals& g = *gGlobals;
        g.palette = dialog;
        ResetPaletteState(g);
        sDialog->SetDestroyProc(dialog, DestroyPalette);
        sDialog->SetDrawProc(dialog, DrawPalette);
        sDialog->SetNotifyProc(dialog, NotifyPalette);
        PaletteSetUpFlyout(dialog, g.paletteState.plugin);
        PaletteCreateItems(dialog);
        PaletteShowHelpPage();
        PlacePalette(dialog);
    });
    return kNoErr;
}

void DestroyPalette(DialogRef dialog) {
    WithSuites([&] {
        char group[kDockGroupSize] = "";
        int32_t code = 0;
        if (sDialogGroup->GetDialogGroupInfo(dialog, group, sizeof group, &code) == kNoErr) {
            sPreference->PutIntegerPreference(kPrefPrefix, kKeyDockCode, code);
            sPreference->PutStringPreference(kPrefPrefix, kKeyDockGroup, group);
        }
        IntRect bounds = {0, 0, 0, 0};
        sDialog->GetBoundsRect(dialog, &bounds);
        const IntPoint corner = {bounds.left, bounds.top};
        sPreference->PutPointPreference(kPrefPrefix, kKeyPosition, &corner);
        sPreference->PutBooleanPreference(kPrefPrefix, kKeyVisible, sDialog->IsVisible(dialog) ? 1 : 0);
        if (gGlobals->palette == dialog) gGlobals->palette = nullptr;
    });
}

HostErr PaletteCreate(PluginRef plugin) {
    Globals* g = gGlobals;
    if (g->palette) return kNoErr;   // one palette per run, however often the host reports the start
    HostBool visible = 0;
    sPreference->GetBooleanPreference(kPrefPrefix, kKeyVisible, &visible);
    g->paletteState.plugin = plugin;
    const HostErr err = UpdatePaletteMenuText(visible != 0);
    DialogRef dialog =
        sDialog->Create(plugin, kPaletteName, kDlgPalette, kDlgTabbedFloatingStyle, InitPalette, nullptr, kPaletteOptions);
    g->palette = dialog;
    if (err != kNoErr || !dialog) return err;
    sDialog->SetText(dialog, kCircleTitle);
    sDialog->Show(dialog, visible);
    PaletteEnableItems(false);
    // A click on the close box from now on renames the menu item.
    g->paletteState.closeBoxArmed = true;
    return kNoErr;
}

HostErr NotifierNotify(NotifierMessage* message) { return PaletteCreate(message->d.plugin); }

}  // namespace qzv
