// The rectangle tool's segment modes: 2 "Segment" (from its first end; a
// polygonal line while "LignePoly" is on) and 5 (centred on the click). A
// click on a circle or arc starts a tangent segment instead. The plain
// segment is made at once with the stored length and angle; the drag sets
// them (Space turns it about the anchor), Shift steps both, Alt toggles the
// centring.
#include "geometry/plane.h"
#include "palette/palette.h"
#include "plugin/globals.h"
#include "tools/rect_common.h"
#include "tools/rect_drag_values.h"
#include "tools/rect_line.h"
#include "tools/rect_tangent.h"
#include "tools/tool_common.h"
#include "tools/tool_modes.h"

namespace qzv {

namespace {

void ShowSegment() {
    const ToolState& t = gGlobals->tool;
    PaletteShowRectLength(t.lineLength);
    PaletteShowRectAngle(t.lineAngle);
}

HostErr SegmentClick(ToolMessage* message, RealPoint p) {
    ToolState& t = gGlobals->tool;
    t.tangentOn = 0;
    t.tangentTwoCircles = 0;
    if (PolylineModeOn()) return PolylineClick(message, p);

    RecordArrowKeys();
    HostErr err = StartRectPath();
    if (err) return err;
    t.firstPoint = p;
    t.lastPoint = p;
    t.centringToggle = 0;
    if (ClickOnCircle()) {
        err = TangentClick(message);
    } else {
        PaletteShowRectLength(t.lineLength);
        err = RebuildRectShape(false);
    }
    if (err) return err;
    t.constructionLive = 1;
    return kNoErr;
}

HostErr PlainSegmentDrag(ToolMessage* message, const ToolKeys& keys) {
    const Globals* g = gGlobals;
    ToolState& t = gGlobals->tool;
    t.centringToggle = keys.alt;
    const ArrowPresses pressed = TakeArrowPresses(keys);
    const RealPoint q = RectDragPoint(message, kCursorSegment);
    if (pressed.sideways) {
        // The same segment, moved to the point under the cursor.
        t.firstPoint = q;
    } else if (keys.space) {
        float angle = PointAngle(t.firstPoint, q);
        if (keys.shift) angle = MultipleOf(angle, kQuarterPi, true);
        t.lineAngle = angle;
    } else {
        const float lengthStep = g->settings.general.ShiftRayon * ToolScaleFactor();
        const SegmentValues s = SegmentFromDrag(t.rectMode, t.firstPoint, RectAimPoint(message->cursor), q,
                                                keys.shift, lengthStep, g->settings.general.ShiftAngle, keys.alt);
        t.lineLength = s.length;
        t.lineAngle = s.angle;
    }
    const HostErr err = RebuildRectShape(keys.alt);
    ShowSegment();
    EndRectDragStep(message);
    return err;
}

HostErr SegmentDrag(ToolMessage* message, const ToolKeys& keys) {
    if (gGlobals->tool.tangentOn) return TangentDrag(message, keys);
    if (PolylineModeOn()) return PolylineDrag(message, keys);
    return PlainSegmentDrag(message, keys);
}

HostErr SegmentFinish(ToolMessage*, bool* grouped) {
    if (gGlobals->tool.tangentOn) return TangentFinish(grouped);
    // The polygonal line was settled before the final build.
    if (PolylineModeOn()) return kNoErr;
    return FinishRectPath();
}

}  // namespace

const ModeSteps kSegmentSteps = {SegmentClick, SegmentDrag, SegmentFinish};

}  // namespace qzv
