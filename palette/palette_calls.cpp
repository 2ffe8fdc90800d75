// The palette's answers to the tools while its items are not laid out: the
// visibility and its menu text, and the live radius and angle fields when
// the palette dialog holds them.
#include "palette/palette.h"

#include "host/suites.h"
#include "plugin/globals.h"
#include "plugin/registration.h"

namespace qzv {

namespace {

constexpr int32_t kItemRadius = 10;
constexpr int32_t kItemArcAngle = 14;

void SetFloat(int32_t id, float value) {
    Globals* g = gGlobals;
    if (!g || !g->palette || !sDialog || !sItem) return;
    if (ItemRef item = sDialog->GetItem(g->palette, id)) sItem->SetFloatValue(item, value);
}

float ScaleFactor() {
    const WorkingValues& w = gGlobals->settings.working;
    if (w.EchelleNum < 1 || w.EchelleDen < 1) return 1.0f;
    return static_cast<float>(w.EchelleNum) / static_cast<float>(w.EchelleDen);
}

}  // namespace

bool PaletteIsVisible() {
    Globals* g = gGlobals;
    if (!g) return false;
    if (!g->palette || !sDialog) return g->paletteState.shownWithoutDialog;
    return sDialog->IsVisible(g->palette) != 0;
}

HostErr PaletteSetVisible(bool visible) {
    Globals* g = gGlobals;
    if (!g) return kNoErr;
    if (g->palette && sDialog) sDialog->Show(g->palette, visible);
    else g->paletteState.shownWithoutDialog = visible;
    return UpdatePaletteMenuText(visible);
}

void PaletteOnToolSelected() {}
void PaletteOnToolDeselected() {}
void PaletteUpdateForMode() {}

void PaletteShowRadius(float radius) { SetFloat(kItemRadius, radius / ScaleFactor()); }
void PaletteShowArcAngle(float degrees) { SetFloat(kItemArcAngle, degrees); }

void PaletteShowMeasurements() {}
void PaletteShowSectorFlag() {}

void PaletteRedraw() {
    Globals* g = gGlobals;
    if (g && g->palette && sDialog) sDialog->Invalidate(g->palette);
}

}  // namespace qzv
