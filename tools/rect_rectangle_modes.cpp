// The rectangle tool's rectangle modes: 0 "Rectangle" and 1 "Rectangle
// arrondi" (from a corner), 3 and 4 (the same from the centre). The click
// makes at once the rectangle of the stored length, width, inclination and
// rounding; the drag resizes it in its own rotated frame, or turns it about
// the anchor while Space is held; mouse up leaves it finished.
#include <cmath>

#include "geometry/plane.h"
#include "palette/palette.h"
#include "plugin/globals.h"
#include "tools/rect_common.h"
#include "tools/rect_drag_values.h"
#include "tools/tool_modes.h"

namespace qzv {

namespace {

// Rounding changes of the up and down arrows, in points.
constexpr float kRoundingKeyStep = 1.0f;

bool RoundedMode(int32_t mode) { return mode == kRectModeRounded || mode == kRectModeCentredRounded; }

void ShowSides() {
    const ToolState& t = gGlobals->tool;
    PaletteShowRectLength(t.rectLength);
    PaletteShowRectWidth(t.rectWidth);
}

HostErr RectangleClick(ToolMessage*, RealPoint p) {
    ToolState& t = gGlobals->tool;
    HostErr err = StartRectPath();
    if (err) return err;
    t.firstPoint = p;
    t.lastPoint = p;
    t.centringToggle = 0;
    RecordArrowKeys();
    ShowSides();
    err = RebuildRectShape(false);
    if (err) return err;
    t.constructionLive = 1;
    return kNoErr;
}

// The up and down arrows raise and lower the rounding of the rounded modes
// (the only ones whose rounding field is in use).
void RoundingKeys(const ArrowPresses& pressed) {
    WorkingValues& w = gGlobals->settings.working;
    if (!RoundedMode(gGlobals->tool.rectMode) || !std::isfinite(w.Arrondi)) return;
    if (pressed.up == pressed.down) return;
    w.Arrondi += pressed.up ? kRoundingKeyStep : -kRoundingKeyStep;
    PaletteShowRounding(w.Arrondi);
}

HostErr RectangleDrag(ToolMessage* message, const ToolKeys& keys) {
    Globals* g = gGlobals;
    ToolState& t = g->tool;
    WorkingValues& w = g->settings.working;
    t.centringToggle = keys.alt;
    const ArrowPresses pressed = TakeArrowPresses(keys);
    const RealPoint q = RectDragPoint(message, kCursorRectangle);
    RoundingKeys(pressed);

    if (pressed.sideways) {
        // The same rectangle, moved to the point under the cursor.
        t.firstPoint = q;
    } else if (keys.space) {
        float inclination = PointAngle(t.firstPoint, q);
        if (keys.shift) inclination = MultipleOf(inclination, kQuarterPi, true);
        w.RotRectangle = inclination;
        PaletteShowRectAngle(inclination);
    } else {
        const RectSides sides =
            RectangleSidesFromDrag(t.rectMode, t.firstPoint, q, w.RotRectangle, RectRounding(), keys.shift, keys.alt);
        t.rectLength = sides.length;
        t.rectWidth = sides.width;
    }
    const HostErr err = RebuildRectShape(keys.alt);
    ShowSides();
    EndRectDragStep(message);
    return err;
}

HostErr RectangleFinish(ToolMessage*, bool*) { return FinishRectPath(); }

}  // namespace

const ModeSteps kRectangleSteps = {RectangleClick, RectangleDrag, RectangleFinish};

}  // namespace qzv
