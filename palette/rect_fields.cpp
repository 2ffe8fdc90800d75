// The rectangle tool's fields of the palette while a shape is drawn: length,
// width, inclination and rounding radius. Lengths are held in document
// points and shown at the drawing scale; angles are held in radians and
// shown in degrees.
#include "geometry/plane.h"
#include "host/suites.h"
#include "palette/palette.h"
#include "plugin/globals.h"

namespace qzv {

namespace {

constexpr int32_t kItemLength = 72;
constexpr int32_t kItemWidth = 73;
constexpr int32_t kItemInclination = 74;
constexpr int32_t kItemRounding = 75;

// The working scale (numerator over denominator), 1 while either part is
// not a usable count.
float DrawingScale() {
    const WorkingValues& w = gGlobals->settings.working;
    if (w.EchelleNum < 1 || w.EchelleDen < 1) return 1.0f;
    return static_cast<float>(w.EchelleNum) / static_cast<float>(w.EchelleDen);
}

void ShowValue(int32_t id, float value) {
    Globals* g = gGlobals;
    if (!g || !g->palette || !sDialog || !sItem) return;
    if (ItemRef item = sDialog->GetItem(g->palette, id)) sItem->SetFloatValue(item, value);
}

void ShowLength(int32_t id, float points) {
    if (gGlobals) ShowValue(id, points / DrawingScale());
}

}  // namespace

void PaletteShowRectLength(float length) { ShowLength(kItemLength, length); }
void PaletteShowRectWidth(float width) { ShowLength(kItemWidth, width); }
void PaletteShowRounding(float rounding) { ShowLength(kItemRounding, rounding); }
void PaletteShowRectAngle(float radians) { ShowValue(kItemInclination, RadiansToDegrees(radians)); }

}  // namespace qzv
