// Modes 6 to 8 of the circle tool, circles tangent to picked segments (or
// circles): "Tangente 1" keeps the palette radius against one segment and
// follows the drag; "Tangente 2" sits in the angle (or the strip) of two;
// "Tangente 3" is one of the two circles tangent to three lines, Alt
// choosing the other. Mouse up keeps the circle grouped with its centre
// cross and tangency ticks when they are wanted.
#include <cmath>

#include "geometry/constructions.h"
#include "geometry/host/host_marks.h"
#include "geometry/plane.h"
#include "geometry/tangent_circles.h"
#include "palette/palette.h"
#include "plugin/globals.h"
#include "tools/circle_common.h"
#include "tools/rubber_band.h"
#include "tools/tool_common.h"
#include "tools/tool_feedback.h"
#include "tools/tool_modes.h"

namespace qzv {

namespace {

constexpr int32_t kCursorTangentOne = 20001;
constexpr int32_t kCursorTangentTwo = 20002;

enum class Picked { kSegment, kCircle, kNothing };

Picked WhatWasClicked() {
    const SnapResult& s = gGlobals->snap;
    if (s.onSegment) return Picked::kSegment;
    if (s.onArc) return Picked::kCircle;
    return Picked::kNothing;
}

ReferenceLine SnappedSegment() { return ReferenceLine{gGlobals->snap.snapPoint, gGlobals->snap.segmentEnd}; }

RealPoint FootOn(RealPoint p, const ReferenceLine& line) { return FootOfPerpendicular(p, line.a, line.b); }

float Direction(const ReferenceLine& line) { return PointAngle(line.a, line.b); }

// The tangent of the circle (c, r) at its point in direction a: the line a
// tick is drawn across when a contact is a circle.
ReferenceLine TangentLineAt(RealPoint c, float r, float a) {
    const RealPoint contact = AddPoints(c, PolarPoint(r, a));
    return ReferenceLine{contact, AddPoints(contact, PolarPoint(10.0f, a + kHalfPi))};
}

// A click that should have picked a segment: the alert, and the
// construction starts again.
HostErr RefuseClick(PluginRef plugin) {
    ToolState& t = gGlobals->tool;
    ShowToolError(plugin);
    DisposeRubberBand();
    t.step = 0;
    t.circleContact1 = 0;
    t.circleContact2 = 0;
    return kNoErr;
}

void TakeCircleContact(int which) {
    ToolState& t = gGlobals->tool;
    const ArcRecord& arc = gGlobals->snap.firstArc;
    (which == 0 ? t.circleContact1 : t.circleContact2) = 1;
    t.contactCentre[which] = arc.centre;
    t.contactRadius[which] = arc.radius;
}

HostErr ShowAndBuild() {
    ToolState& t = gGlobals->tool;
    t.width = 2.0f * t.radius;
    t.height = t.width;
    PaletteShowRadius(t.radius);
    return BuildFullCircle();
}

// Mouse up of the three modes.
HostErr FinishTangent(ToolMessage*, bool* grouped) {
    Globals* g = gGlobals;
    ToolState& t = g->tool;
    t.circleContact1 = 0;
    t.circleContact2 = 0;
    HostErr err = BuildFullCircle();
    if (err) return err;
    const bool centreOn = g->settings.working.Centre;
    const bool ticksOn = g->settings.working.Tangente;
    ShapeContext ctx = ToolShapeContext();
    if (centreOn) {
        err = CreateCentreCross(t.art);
        if (!err) err = WriteCentreCross(t.art, ctx, t.centre);
        if (!err) err = GroupCentreCross(t.art);
        if (err) return err;
    }
    err = FinishCircleShape(t.art, ctx, t.circleMode, ticksOn, t.centre, t.segments);
    *grouped = centreOn || ticksOn;
    return err;
}

// --- "Tangente 1" ---

HostErr OneClick(ToolMessage* message, RealPoint) {
    ToolState& t = gGlobals->tool;
    const RealPoint cursor = message->cursor;
    switch (WhatWasClicked()) {
        case Picked::kSegment:
            t.segments[0] = SnappedSegment();
            t.firstPoint = FootOn(cursor, t.segments[0]);
            t.segmentAngle = Direction(t.segments[0]);
            t.centre = PickOnDiameter(t.radius, t.segmentAngle + kHalfPi, t.firstPoint, t.centre, false);
            break;
        case Picked::kCircle: {
            TakeCircleContact(0);
            // Touching the clicked circle from outside, toward the click.
            const float a = PointAngle(t.contactCentre[0], cursor);
            t.centre = AddPoints(t.contactCentre[0], PolarPoint(t.contactRadius[0] + t.radius, a));
            t.segments[0] = TangentLineAt(t.contactCentre[0], t.contactRadius[0], a);
            break;
        }
        case Picked::kNothing:
            return RefuseClick(message->d.plugin);
    }
    ToolSegmentSound();
    t.width = 2.0f * t.radius;
    t.height = t.width;
    HostErr err = StartConstructionPath(BuildFullCircle);
    if (!err) err = CreateRubberBand();
    return err;
}

HostErr OneDrag(ToolMessage* message, const ToolKeys& keys) {
    Globals* g = gGlobals;
    ToolState& t = g->tool;
    t.centre = CircleDragPoint(message, kCursorTangentOne);
    if (!t.circleContact1) {
        // Tangent to the segment's line, touching it at the centre's foot.
        t.firstPoint = FootOn(t.centre, t.segments[0]);
        t.radius = PointDistance(t.firstPoint, t.centre);
        return ShowAndBuild();
    }
    const RealPoint c = t.contactCentre[0];
    const float r0 = t.contactRadius[0];
    const float d = PointDistance(t.centre, c);
    const bool inside = d < r0;
    t.radius = inside ? r0 - d : d - r0;
    float a = PointAngle(c, t.centre);
    if (keys.shift) {
        a = MultipleOf(a, g->settings.general.ShiftAngle, true);
        const RealPoint contact = AddPoints(c, PolarPoint(r0, a));
        t.centre = AddPoints(contact, PolarPoint(t.radius, inside ? a + kPi : a));
    }
    t.firstPoint = AddPoints(c, PolarPoint(r0, a));
    t.segments[0] = TangentLineAt(c, r0, a);
    return ShowAndBuild();
}

// --- "Tangente 2" ---

// The circle touching both picked circles from outside, its radius set by
// the cursor's distance to the second one, on the cursor's side. False when
// no such circle exists there.
bool CircleBetweenCircles(RealPoint cursor) {
    ToolState& t = gGlobals->tool;
    const RealPoint c1 = t.contactCentre[0], c2 = t.contactCentre[1];
    const float r1 = t.contactRadius[0], r2 = t.contactRadius[1];
    const float radius = PointDistance(cursor, c2) - r2;
    const float d = PointDistance(c1, c2);
    const float a = r1 + radius, b = r2 + radius;
    if (!(radius > 0.0f) || !(d > 0.0f) || !(a + b >= d) || !(a + d >= b) || !(b + d >= a)) return false;
    const RealPoint centre = IntersectCircles(c1, c2, a, b, cursor);
    if (!std::isfinite(centre.h) || !std::isfinite(centre.v)) return false;
    t.centre = centre;
    t.radius = radius;
    t.segments[0] = TangentLineAt(c1, r1, PointAngle(c1, centre));
    t.segments[1] = TangentLineAt(c2, r2, PointAngle(c2, centre));
    return true;
}

// Equal distances from the apex on both rays give the circle in the angle.
void CircleInAngle(float distance, bool neighbour) {
    ToolState& t = gGlobals->tool;
    t.secondPoint = AddPoints(t.apex, PolarPoint(distance, t.rayAngle[1]));
    t.firstPoint = AddPoints(t.apex, PolarPoint(distance, t.rayAngle[0] + (neighbour ? kPi : 0.0f)));
    t.centre = PerpendicularsMeet(t.firstPoint, Direction(t.segments[0]), t.secondPoint, Direction(t.segments[1]));
    t.radius = PointDistance(t.centre, t.secondPoint);
}

HostErr TwoClick(ToolMessage* message, RealPoint) {
    ToolState& t = gGlobals->tool;
    const RealPoint cursor = message->cursor;
    const Picked picked = WhatWasClicked();
    if (t.step == 0) {
        if (picked == Picked::kNothing) return RefuseClick(message->d.plugin);
        if (picked == Picked::kSegment) {
            t.segments[0] = SnappedSegment();
            t.firstPoint = FootOn(cursor, t.segments[0]);
        } else {
            TakeCircleContact(0);
        }
        ToolSegmentSound();
        ++t.step;
        return CreateRubberBand();
    }
    // The second contact must be of the first one's kind.
    const Picked wanted = t.circleContact1 ? Picked::kCircle : Picked::kSegment;
    if (picked != wanted) return RefuseClick(message->d.plugin);
    ToolSegmentSound();
    ++t.step;
    if (picked == Picked::kCircle) {
        TakeCircleContact(1);
        if (!CircleBetweenCircles(cursor)) t.radius = 0.0f, t.centre = t.contactCentre[1];
        return StartConstructionPath(BuildFullCircle);
    }
    t.segments[1] = SnappedSegment();
    t.secondPoint = FootOn(cursor, t.segments[1]);
    t.lastPoint = t.secondPoint;
    if (LinesMeet(t.segments[0].a, t.segments[0].b, t.segments[1].a, t.segments[1].b)) {
        t.lines12Parallel = 0;
        t.apex = IntersectLines(t.segments[0].a, t.segments[0].b, t.segments[1].a, t.segments[1].b);
        t.rayAngle[0] = PointAngle(t.apex, t.firstPoint);
        t.rayAngle[1] = PointAngle(t.apex, t.secondPoint);
        CircleInAngle(PointDistance(t.apex, t.secondPoint), false);
    } else {
        t.lines12Parallel = 1;
        t.secondPoint = FootOn(t.firstPoint, t.segments[1]);
        t.centre = RealPoint{(t.firstPoint.h + t.secondPoint.h) / 2.0f, (t.firstPoint.v + t.secondPoint.v) / 2.0f};
        t.radius = PointDistance(t.firstPoint, t.secondPoint) / 2.0f;
    }
    t.width = 2.0f * t.radius;
    t.height = t.width;
    return StartConstructionPath(BuildFullCircle);
}

HostErr TwoDrag(ToolMessage* message, const ToolKeys& keys) {
    const Globals* g = gGlobals;
    ToolState& t = gGlobals->tool;
    const RealPoint cursor = message->cursor;
    if (t.circleContact1) {
        if (!CircleBetweenCircles(cursor)) return kNoErr;
        return ShowAndBuild();
    }
    if (t.lines12Parallel) {
        // Along the strip: the centre on the middle parallel, the radius kept.
        const RealPoint q = CircleDragPoint(message, kCursorTangentTwo);
        const float a = Direction(t.segments[0]);
        t.centre = FootOfPerpendicular(q, t.centre, AddPoints(t.centre, PolarPoint(100.0f, a)));
        t.firstPoint = FootOn(t.centre, t.segments[0]);
        t.secondPoint = FootOn(t.centre, t.segments[1]);
        return ShowAndBuild();
    }
    const SnapResult& s = g->snap;
    const bool magnet = g->settings.general.Magnetisme;
    RealPoint onLine2;
    if (magnet && s.onSegment) onLine2 = FootOfPerpendicular(cursor, s.snapPoint, s.segmentEnd);
    else if (magnet && s.onPoint) onLine2 = FootOn(s.snapPoint, t.segments[1]);
    else {
        ToolSetCursor(message->d.plugin, kCursorTangentTwo);
        onLine2 = FootOn(cursor, t.segments[1]);
    }
    CircleInAngle(PointDistance(t.apex, onLine2), keys.alt);
    return ShowAndBuild();
}

// --- "Tangente 3" ---

bool AllHorizontal(const ReferenceLine (&l)[3]) {
    for (const ReferenceLine& line : l)
        if (line.a.v != line.b.v) return false;
    return true;
}

bool AllVertical(const ReferenceLine (&l)[3]) {
    for (const ReferenceLine& line : l)
        if (line.a.h != line.b.h) return false;
    return true;
}

HostErr Parallels(PluginRef plugin) {
    ToolState& t = gGlobals->tool;
    t.parallelFlag = 1;
    ShowToolError(plugin);
    t.art.constructionPath = nullptr;
    t.constructionLive = 1;   // the next mouse up starts the construction again
    return kNoErr;
}

void TakeCandidate(int which) {
    ToolState& t = gGlobals->tool;
    t.centre = t.candidateCentre[which];
    t.radius = t.candidateRadius[which];
    t.width = 2.0f * t.radius;
    t.height = t.width;
}

HostErr ThreeClick(ToolMessage* message, RealPoint) {
    ToolState& t = gGlobals->tool;
    const RealPoint cursor = message->cursor;
    if (WhatWasClicked() != Picked::kSegment) return RefuseClick(message->d.plugin);
    ToolSegmentSound();
    const int16_t click = t.step++;
    const ReferenceLine line = SnappedSegment();
    if (click == 0) {
        t.segments[0] = line;
        t.firstPoint = FootOn(cursor, line);
        return CreateRubberBand();
    }
    if (click == 1) {
        t.segments[1] = line;
        t.secondPoint = FootOn(cursor, line);
        if (LinesNearlyParallel(t.segments[0], t.segments[1])) {
            t.tangentCase = 1;
            return kNoErr;
        }
        t.tangentCase = 0;
        t.apex = IntersectLines(t.segments[0].a, t.segments[0].b, line.a, line.b);
        const float d = PointDistance(t.apex, t.firstPoint);
        t.secondPoint = PickOnDiameter(d, Direction(line), t.apex, cursor, false);
        t.bisectorPoint = RealPoint{(t.firstPoint.h + t.secondPoint.h) / 2.0f, (t.firstPoint.v + t.secondPoint.v) / 2.0f};
        return kNoErr;
    }
    t.segments[2] = line;
    t.thirdPoint = FootOn(cursor, line);
    if (AllHorizontal(t.segments) || AllVertical(t.segments)) return Parallels(message->d.plugin);
    const bool p13 = LinesNearlyParallel(t.segments[0], t.segments[2]);
    const bool p23 = LinesNearlyParallel(t.segments[1], t.segments[2]);
    if ((p13 && p23) || (t.tangentCase == 1 && (p13 || p23))) t.tangentCase = 4;
    else if (p13) t.tangentCase = 2;
    else if (p23) t.tangentCase = 3;
    TwoCandidates c{};
    switch (t.tangentCase) {
        case 0: c = CirclesTangentToThree(t.segments, t.apex, t.bisectorPoint, t.secondPoint, cursor); break;
        case 1: c = CirclesBetweenParallels(t.segments[0], t.segments[1], t.segments[2]); break;
        case 2: c = CirclesBetweenParallels(t.segments[0], t.segments[2], t.segments[1]); break;
        case 3: c = CirclesBetweenParallels(t.segments[1], t.segments[2], t.segments[0]); break;
        default: return Parallels(message->d.plugin);
    }
    if (!c.found) return Parallels(message->d.plugin);
    for (int i = 0; i < 2; ++i) {
        t.candidateCentre[i] = c.centre[i];
        t.candidateRadius[i] = c.radius[i];
    }
    TakeCandidate(0);
    return StartConstructionPath(BuildFullCircle);
}

HostErr ThreeDrag(ToolMessage*, const ToolKeys& keys) {
    if (!ArtExists(gGlobals->tool.art.constructionPath)) return kNoErr;
    TakeCandidate(keys.alt ? 1 : 0);
    return ShowAndBuild();
}

}  // namespace

const ModeSteps kTangentOneSteps = {OneClick, OneDrag, FinishTangent};
const ModeSteps kTangentTwoSteps = {TwoClick, TwoDrag, FinishTangent};
const ModeSteps kTangentThreeSteps = {ThreeClick, ThreeDrag, FinishTangent};

}  // namespace qzv
