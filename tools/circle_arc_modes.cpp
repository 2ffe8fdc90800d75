// Modes 3 to 5 of the circle tool, the arcs and sectors: "Arc/Secteur 1"
// (centre, then the start, then drag to the end), "Arc/Secteur 2" (the two
// ends, then the centre slides on their bisector) and "Arc/Secteur 3"
// (through three points, the third following the drag). Alt shows the other
// arc and Ctrl the other kind (sector or open arc) while they are held.
#include <cmath>

#include "geometry/circle_fit.h"
#include "geometry/host/shape_art.h"
#include "geometry/plane.h"
#include "palette/palette.h"
#include "plugin/globals.h"
#include "tools/circle_common.h"
#include "tools/rubber_band.h"
#include "tools/tool_common.h"
#include "tools/tool_modes.h"

namespace qzv {

namespace {

constexpr int32_t kCursorArcEnd = 19101;
constexpr int32_t kCursorArcThird = 19104;
constexpr float kFarthestCentre = 1.0e7f;

void ClearArcKeys() {
    ToolState& t = gGlobals->tool;
    t.complement = 0;
    t.altState = 0;
    t.ctrlState = 0;
    t.altFlipped = 0;
}

HostErr BuildPreviewArc() { return BuildArc(false); }

// After each change: the palette's radius and arc angle, then the arc.
HostErr ShowAndBuild() {
    PaletteShowRadius(gGlobals->tool.radius);
    ShowArcAngle();
    return BuildArc(false);
}

HostErr FinalArc(ToolMessage*, bool* grouped) {
    const bool cross = gGlobals->settings.working.Centre;
    HostErr err = BuildArc(cross);
    *grouped = cross && err == kNoErr;
    return err;
}

// The chord through the two ends and the side of it where the centre lies.
void ChordAndSide() {
    ToolState& t = gGlobals->tool;
    const RealPoint s = t.arcStart, e = t.arcEnd;
    t.chordSlope = (e.v - s.v) / (e.h - s.h);
    t.chordIntercept = s.v - t.chordSlope * s.h;
    if (s.h == e.h) t.centreSide = t.centre.h > e.h;
    else if (s.v == e.v) t.centreSide = t.centre.v > e.v;
    else t.centreSide = t.centre.v > t.chordSlope * t.centre.h + t.chordIntercept;
}

// Radius, angles, sweep (in -pi..pi) and end points of the arc from the
// centre to its two ends.
void ArcFromCentre() {
    ToolState& t = gGlobals->tool;
    t.radius = PointDistance(t.centre, t.arcStart);
    t.startAngle = PointAngle(t.centre, t.arcStart);
    t.endAngle = PointAngle(t.centre, t.arcEnd);
    t.sweep = WrapClosed(t.startAngle - t.endAngle);
    t.art.arcStartPoint = AddPoints(t.centre, PolarPoint(t.radius, t.startAngle));
    t.art.arcEndPoint = AddPoints(t.centre, PolarPoint(t.radius, t.endAngle));
    ChordAndSide();
}

// --- "Arc/Secteur 1" ---

HostErr CentreArcClick(ToolMessage*, RealPoint p) {
    ToolState& t = gGlobals->tool;
    if (t.step == 0) {
        t.centre = p;
        CircleTakeClick();
        return CreateRubberBand();
    }
    ClearArcKeys();
    t.arcStart = p;
    t.arcEnd = p;
    t.radius = PointDistance(t.centre, p);
    t.startAngle = PointAngle(t.centre, p);
    t.endAngle = t.startAngle;
    t.sweep = 0.0f;
    t.previousSweep = 0.0f;
    t.art.arcStartPoint = AddPoints(t.centre, PolarPoint(t.radius, t.startAngle));
    t.art.arcEndPoint = t.art.arcStartPoint;
    CircleTakeClick();
    return StartConstructionPath(BuildPreviewArc);
}

HostErr CentreArcDrag(ToolMessage* message, const ToolKeys& keys) {
    Globals* g = gGlobals;
    ToolState& t = g->tool;
    ArcKeyEdges(keys);
    const RealPoint q = CircleDragPoint(message, kCursorArcEnd);
    t.endAngle = PointAngle(t.centre, q);
    t.sweep = t.startAngle - t.endAngle;
    if (keys.shift) {
        t.sweep = MultipleOf(t.sweep, g->settings.general.ShiftAngle, true);
        t.endAngle = t.startAngle - t.sweep;
    }
    t.sweep = WrapHalfOpen(t.sweep);
    // Across the start direction the arc keeps to the side dragged through.
    if ((t.previousSweep > 0.0f && t.sweep < 0.0f) || (t.previousSweep < 0.0f && t.sweep > 0.0f))
        t.complement = !t.complement;
    t.previousSweep = t.sweep;
    t.arcEnd = q;
    t.art.arcEndPoint = AddPoints(t.centre, PolarPoint(t.radius, t.endAngle));
    return ShowAndBuild();
}

// --- "Arc/Secteur 2" ---

// The centre on the bisector of the two ends at the cursor's h (or, for
// ends at one v, at the cursor's v on their vertical bisector).
RealPoint CentreFollowingCursor(RealPoint cursor) {
    ToolState& t = gGlobals->tool;
    const RealPoint s = t.arcStart, e = t.arcEnd;
    if (s.v == e.v) return RealPoint{(s.h + e.h) / 2.0f, cursor.v};
    t.bisectorSlope = (e.h - s.h) / (s.v - e.v);
    t.bisectorIntercept = (s.v + e.v) / 2.0f - t.bisectorSlope * ((s.h + e.h) / 2.0f);
    return RealPoint{cursor.h, t.bisectorSlope * cursor.h + t.bisectorIntercept};
}

HostErr TwoEndsClick(ToolMessage* message, RealPoint p) {
    ToolState& t = gGlobals->tool;
    if (t.step == 0) {
        t.arcStart = p;
        CircleTakeClick();
        return CreateRubberBand();
    }
    t.arcEnd = p;
    ClearArcKeys();
    t.centreSide = 0;
    t.centre = CentreFollowingCursor(message->cursor);
    ArcFromCentre();
    t.previousSweep = t.sweep;
    CircleTakeClick();
    return StartConstructionPath(BuildPreviewArc);
}

HostErr TwoEndsDrag(ToolMessage* message, const ToolKeys& keys) {
    ToolState& t = gGlobals->tool;
    ArcKeyEdges(keys);
    t.centre = CentreFollowingCursor(message->cursor);
    if (keys.shift) {
        // The rounded radius, still through both ends, never below half the chord.
        float radius = 0.0f;
        t.centre = CentreThroughTwo(t.arcStart, t.arcEnd, ShiftRadius(PointDistance(t.centre, t.arcStart)),
                                    t.centre, &radius);
    }
    ArcFromCentre();
    return ShowAndBuild();
}

// --- "Arc/Secteur 3" ---

// Whether the arc as the builders draw it (without complement) from the
// start angle for the sweep passes through the direction `through`.
bool DrawnArcContains(float start, float sweep, float through) {
    constexpr float kTwoPi = 2.0f * kPi;
    const float degrees = std::fabs(RadiansToDegrees(sweep));
    constexpr float kTolerance = 0.0001f;
    if (degrees > 180.0f - kTolerance && degrees < 180.0f + kTolerance) {
        // A half circle turns toward increasing angle from the start.
        float d = std::fmod(through - start, kTwoPi);
        if (d < 0.0f) d += kTwoPi;
        return d <= kPi;
    }
    // An arc of positive sweep turns toward decreasing angle.
    float d = std::fmod(sweep > 0.0f ? start - through : through - start, kTwoPi);
    if (d < 0.0f) d += kTwoPi;
    return d <= std::fabs(sweep);
}

// The arc through the three points; false (and the alert once for each time
// the points come onto one line) when there is none.
bool ArcThroughThree(PluginRef plugin) {
    ToolState& t = gGlobals->tool;
    RealPoint centre;
    if (!CircleThroughThree(t.firstPoint, t.secondPoint, t.thirdPoint, kFarthestCentre, &centre)) {
        if (!t.pointsAligned) ShowToolError(plugin);
        t.pointsAligned = 1;
        return false;
    }
    t.pointsAligned = 0;
    t.centre = centre;
    t.arcStart = t.firstPoint;
    t.arcEnd = t.thirdPoint;
    ArcFromCentre();
    // The arc drawn must pass through the second point; Alt shows the other.
    const bool through = DrawnArcContains(t.startAngle, t.sweep, PointAngle(centre, t.secondPoint));
    t.complement = !through != static_cast<bool>(t.altFlipped);
    return true;
}

HostErr ThreePointArcClick(ToolMessage* message, RealPoint p) {
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
    ClearArcKeys();
    t.pointsAligned = 0;
    if (!ArcThroughThree(message->d.plugin)) {
        t.art.constructionPath = nullptr;
        t.constructionLive = 1;
        return kNoErr;
    }
    return StartConstructionPath(BuildPreviewArc);
}

HostErr ThreePointArcDrag(ToolMessage* message, const ToolKeys& keys) {
    ToolState& t = gGlobals->tool;
    if (!ArtExists(t.art.constructionPath)) return kNoErr;
    ArcKeyEdges(keys);
    t.thirdPoint = CircleDragPoint(message, kCursorArcThird);
    if (!ArcThroughThree(message->d.plugin)) return kNoErr;
    return ShowAndBuild();
}

}  // namespace

const ModeSteps kArcCentreSteps = {CentreArcClick, CentreArcDrag, FinalArc};
const ModeSteps kArcTwoEndsSteps = {TwoEndsClick, TwoEndsDrag, FinalArc};
const ModeSteps kArcThreePointsSteps = {ThreePointArcClick, ThreePointArcDrag, FinalArc};

}  // namespace qzv
