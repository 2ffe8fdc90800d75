// Modes 1 and 2 of the circle tool: "Cercle 2", the circle through two
// points whose centre then slides on their perpendicular bisector, and
// "Cercle 3", the circle through three points whose third point follows
// the drag.
#include <cmath>

#include "geometry/circle_fit.h"
#include "geometry/constructions.h"
#include "geometry/host/shape_art.h"
#include "geometry/plane.h"
#include "palette/palette.h"
#include "plugin/globals.h"
#include "tools/circle_common.h"
#include "tools/rubber_band.h"
#include "tools/tool_common.h"
#include "tools/tool_feedback.h"
#include "tools/tool_modes.h"

namespace qzv {

namespace {

constexpr int32_t kCursorSecondPoint = 17002;
constexpr int32_t kCursorThirdPoint = 18003;

RealPoint Middle(RealPoint a, RealPoint b) { return RealPoint{(a.h + b.h) / 2.0f, (a.v + b.v) / 2.0f}; }

// --- "Cercle 2" ---

// The circle on the two points as diameter, and their bisector.
void DiameterCircle() {
    ToolState& t = gGlobals->tool;
    t.radius = PointDistance(t.firstPoint, t.secondPoint) / 2.0f;
    t.width = 2.0f * t.radius;
    t.height = t.width;
    t.centre = Middle(t.firstPoint, t.secondPoint);
    t.bisectorSlope = (t.secondPoint.h - t.firstPoint.h) / (t.firstPoint.v - t.secondPoint.v);
    t.bisectorIntercept = t.centre.v - t.bisectorSlope * t.centre.h;
}

HostErr TwoPointsClick(ToolMessage*, RealPoint p) {
    ToolState& t = gGlobals->tool;
    if (t.step == 0) {
        t.firstPoint = p;
        CircleTakeClick();
        return CreateRubberBand();
    }
    t.secondPoint = p;
    DiameterCircle();
    CircleTakeClick();
    return StartConstructionPath(BuildFullCircle);
}

// Where the snapped segment crosses the bisector through m in the direction
// `along`, when it does within the segment.
bool BisectorMeetsSegment(RealPoint m, RealPoint along, RealPoint a, RealPoint b, RealPoint* at) {
    if (!LinesMeet(m, along, a, b)) return false;
    const RealPoint x = IntersectLines(m, along, a, b);
    const float dh = b.h - a.h, dv = b.v - a.v;
    const float length2 = dh * dh + dv * dv;
    const float u = ((x.h - a.h) * dh + (x.v - a.v) * dv) / length2;
    if (!(u >= 0.0f && u <= 1.0f)) return false;
    *at = x;
    return true;
}

// The centre on the bisector of the two points, following the drag.
RealPoint CentreOnBisector(ToolMessage* message) {
    const Globals* g = gGlobals;
    const ToolState& t = g->tool;
    const SnapResult& s = g->snap;
    const bool magnet = g->settings.general.Magnetisme;
    const RealPoint cursor = message->cursor;
    const RealPoint m = Middle(t.firstPoint, t.secondPoint);
    RealPoint c;
    if (t.firstPoint.v == t.secondPoint.v) {
        // Vertical bisector: only the v follows.
        c.h = m.h;
        if (magnet && s.onPoint) c.v = s.snapPoint.v;
        else if (magnet && s.onSegment) c.v = FootOfPerpendicular(cursor, s.snapPoint, s.segmentEnd).v;
        else c.v = magnet && s.hGuideOn ? s.hGuide : cursor.v;
        return c;
    }
    if (t.firstPoint.h == t.secondPoint.h) {
        // Horizontal bisector: only the h follows.
        c.v = m.v;
        if (magnet && s.onPoint) c.h = s.snapPoint.h;
        else if (magnet && s.onSegment) c.h = FootOfPerpendicular(cursor, s.snapPoint, s.segmentEnd).h;
        else c.h = magnet && s.vGuideOn ? s.vGuide : cursor.h;
        return c;
    }
    if (magnet && s.onPoint) {
        c.v = s.snapPoint.v;
        c.h = (c.v - t.bisectorIntercept) / t.bisectorSlope;
        return c;
    }
    const RealPoint along = AddPoints(m, PolarPoint(100.0f, PointAngle(t.firstPoint, t.secondPoint) + kHalfPi));
    if (magnet && s.onSegment && BisectorMeetsSegment(m, along, s.snapPoint, s.segmentEnd, &c)) return c;
    ToolSetCursor(message->d.plugin, kCursorSecondPoint);
    c.h = magnet && s.vGuideOn ? s.vGuide : cursor.h;
    c.v = t.bisectorSlope * c.h + t.bisectorIntercept;
    return c;
}

HostErr TwoPointsDrag(ToolMessage* message, const ToolKeys& keys) {
    ToolState& t = gGlobals->tool;
    if (keys.alt) {
        DiameterCircle();
    } else {
        t.centre = CentreOnBisector(message);
        t.radius = PointDistance(t.centre, t.firstPoint);
        if (keys.shift) {
            // Rounded, but never below the smallest circle through both
            // points, and still through both: the centre moves with it.
            const float rounded = ShiftRadius(t.radius);
            t.centre = CentreThroughTwo(t.firstPoint, t.secondPoint, rounded, t.centre, &t.radius);
        }
    }
    t.width = 2.0f * t.radius;
    t.height = t.width;
    PaletteShowRadius(t.radius);
    return BuildFullCircle();
}

HostErr FullCircleFinal(ToolMessage*, bool*) { return BuildFullCircle(); }

// --- "Cercle 3" ---

// A centre farther than this from the points means they are aligned.
constexpr float kFarthestCentre = 1.0e7f;

// The circle through the three clicked points; false (and the alert, once
// for each time the points come onto one line) when there is none.
bool ThroughThree(PluginRef plugin) {
    ToolState& t = gGlobals->tool;
    RealPoint centre;
    if (!CircleThroughThree(t.firstPoint, t.secondPoint, t.thirdPoint, kFarthestCentre, &centre)) {
        if (!t.pointsAligned) ShowToolError(plugin);
        t.pointsAligned = 1;
        return false;
    }
    t.pointsAligned = 0;
    t.centre = centre;
    t.radius = PointDistance(centre, t.firstPoint);
    t.width = 2.0f * t.radius;
    t.height = t.width;
    return true;
}

HostErr ThreePointsClick(ToolMessage* message, RealPoint p) {
    ToolState& t = gGlobals->tool;
    if (t.step == 0) {
        t.firstPoint = p;
        CircleTakeClick();
        return CreateRubberBand();
    }
    if (t.step == 1) {
        t.secondPoint = p;
        CircleTakeClick();
        return kNoErr;
    }
    t.thirdPoint = p;
    CircleTakeClick();
    t.pointsAligned = 0;
    if (!ThroughThree(message->d.plugin)) {
        // The following mouse up ends the construction; nothing is built,
        // and the drags before it leave the last shape alone.
        t.art.constructionPath = nullptr;
        t.constructionLive = 1;
        return kNoErr;
    }
    return StartConstructionPath(BuildFullCircle);
}

HostErr ThreePointsDrag(ToolMessage* message, const ToolKeys&) {
    ToolState& t = gGlobals->tool;
    if (!ArtExists(t.art.constructionPath)) return kNoErr;
    t.thirdPoint = CircleDragPoint(message, kCursorThirdPoint);
    if (!ThroughThree(message->d.plugin)) return kNoErr;
    PaletteShowRadius(t.radius);
    return BuildFullCircle();
}

}  // namespace

const ModeSteps kCircleTwoPointsSteps = {TwoPointsClick, TwoPointsDrag, FullCircleFinal};
const ModeSteps kCircleThreePointsSteps = {ThreePointsClick, ThreePointsDrag, FullCircleFinal};

}  // namespace qzv
