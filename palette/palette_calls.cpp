// What the tools and the menu ask of the palette: its visibility and the
// menu text that mirrors it, the close box, tool selection and deselection,
// the layout for the current mode, and the live values while drawing.
#include "host/suites.h"
#include "palette/palette.h"
#include "palette/palette_bracket.h"
#include "palette/palette_flyout.h"
#include "palette/palette_ids.h"
#include "palette/palette_items.h"
#include "palette/palette_modes.h"
#include "palette/palette_procs.h"
#include "plugin/globals.h"
#include "plugin/registration.h"

namespace qzv {

bool PaletteIsVisible() {
    Globals* g = gGlobals;
    if (!g) return false;
    if (!g->palette || !sDialog) return g->paletteState.shownWithoutDialog;
    return sDialog->IsVisible(g->palette) != 0;
}

HostErr PaletteSetVisible(bool visible) {
    Globals* g = gGlobals;
    if (!g) return kNoErr;
    if (g->palette && sDialog) {
        if (visible) {
            // The palette hears of a close box first, with the flag down so
            // that it only re-arms it: a real click afterwards renames the
            // menu item again.
            g->paletteState.closeBoxArmed = false;
            sDialog->SendNotify(g->palette, kNotifyCloseHit);
        }
        sDialog->Show(g->palette, visible);
    } else {
        g->paletteState.shownWithoutDialog = visible;
    }
    return UpdatePaletteMenuText(visible);
}

// The close box: the dialog manager hides the palette; the menu item says so
// unless the notification came from the show path above.
void NotifyPalette(DialogRef dialog, DlgNotifierRef notifier) {
    WithSuites([&] {
        sDialog->DefaultNotify(dialog, notifier);
        if (!sDlgNotifier->IsNotifierType(notifier, kNotifyCloseHit)) return;
        PaletteState& p = gGlobals->paletteState;
        if (p.closeBoxArmed)
            UpdatePaletteMenuText(false);
        else
            p.closeBoxArmed = true;
    });
}

void PaletteOnToolSelected() {
    if (!gGlobals || !gGlobals->palette) return;
    PaletteFlyoutForTool();
    PaletteEnableItems(true);
    PaletteUpdateForMode();
    PaletteRedraw();
}

void PaletteOnToolDeselected() {
    if (!gGlobals || !gGlobals->palette) return;
    PaletteFlyoutOff();
    PaletteEnableItems(false);
    PaletteRedraw();
}

void PaletteUpdateForMode() {
    if (!gGlobals || !gGlobals->palette) return;
    if (gGlobals->currentTool == kToolRect)
        PaletteUpdateRectTool();
    else
        PaletteUpdateCircleTool();
    PaletteRedraw();
}

void PaletteShowRadius(float radius) {
    if (gGlobals) ItemFloat(kItemRadius, radius / PaletteScaleFactor());
}

void PaletteShowArcAngle(float degrees) { ItemFloat(kItemCentreAngle, degrees); }

void PaletteShowMeasurements() {
    if (gGlobals && gGlobals->currentTool != kToolRect) PaletteShowRadius(gGlobals->tool.radius);
}

void PaletteShowSectorFlag() {
    Globals* g = gGlobals;
    if (!g || !g->palette) return;
    PaletteSetSectorPictures(g->palette);
    FlyoutCheck(kFlySector, g->settings.working.Secteur);
    PaletteRedraw();
}

void PaletteRedraw() {
    Globals* g = gGlobals;
    if (g && g->palette && sDialog) sDialog->Invalidate(g->palette);
}

}  // namespace qzv
