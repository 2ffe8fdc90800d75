// The circle tool's values typed into the palette: stroke weight, radius,
// centre angle, start angle and the complement switch, each rebuilding the
// circle or arc the tool made last so that it keeps what defines it in its
// mode (two clicked points, two fixed ends, a centre, tangent lines).
#include <cmath>

#include "geometry/circle_fit.h"
#include "geometry/host/host_marks.h"
#include "geometry/host/host_shapes.h"
#include "geometry/plane.h"
#include "geometry/tangent_circles.h"
#include "host/suites.h"
#include "palette/palette.h"
#include "palette/palette_ids.h"
#include "palette/palette_procs.h"
#include "palette/palette_values.h"
#include "plugin/globals.h"
#include "tools/circle_common.h"
#include "tools/circle_tags.h"
#include "tools/tool_common.h"

namespace qzv {

namespace {

ToolState& Tool() { return gGlobals->tool; }
bool ShapeExists() { return ArtExists(gGlobals->tool.art.constructionPath); }

RealPoint Middle(RealPoint a, RealPoint b) { return RealPoint{(a.h + b.h) / 2.0f, (a.v + b.v) / 2.0f}; }

bool Finite(RealPoint p) { return std::isfinite(p.h) && std::isfinite(p.v); }

// The radius field shows what the model holds.
void ShowRadius() { PaletteShowRadius(Tool().radius); }

// Arc angles from the centre to the two ends; the sweep (start - end) in
// -pi..pi by adding or subtracting 2 pi; the complement inverted when the
// sweep changed sign against the remembered one, then remembered.
void ArcAnglesFromEnds(RealPoint start, RealPoint end, bool followSign) {
    ToolState& t = Tool();
    t.startAngle = PointAngle(t.centre, start);
    t.endAngle = PointAngle(t.centre, end);
    t.sweep = WrapClosed(t.startAngle - t.endAngle);
    if (followSign && ((t.previousSweep > 0.0f && t.sweep < 0.0f) || (t.previousSweep < 0.0f && t.sweep > 0.0f)))
        t.complement = !t.complement;
    t.previousSweep = t.sweep;
    t.arcStart = AddPoints(t.centre, PolarPoint(t.radius, t.startAngle));
    t.arcEnd = AddPoints(t.centre, PolarPoint(t.radius, t.endAngle));
}

ReferenceLine& Line(int i) { return Tool().segments[i]; }

RealPoint FootOn(RealPoint p, const ReferenceLine& l) { return FootOfPerpendicular(p, l.a, l.b); }

// Mode "Tangente 1": the circle stays against its line on the side it was
// on; a centre on the line (radius 0 before) goes to the left of the line's
// direction, or to its right with the complement.
void TangentOneRadius(float r) {
    ToolState& t = Tool();
    const RealPoint foot = FootOn(t.centre, Line(0));
    float away = PointAngle(foot, t.centre);
    if (PointsEqual(foot, t.centre)) away = PointAngle(Line(0).a, Line(0).b) + (t.complement ? -kHalfPi : kHalfPi);
    t.firstPoint = foot;
    t.centre = AddPoints(foot, PolarPoint(r, away));
    t.radius = r;
}

// Mode "Tangente 2": the centre slides on the bisector of the angle it sits
// in, from the lines' meeting point, to where its distance to the lines is
// r. False when the lines are parallel or the centre lies on them: no
// centre gives another radius there.
bool TangentTwoRadius(float r) {
    ToolState& t = Tool();
    if (t.lines12Parallel) return false;
    const RealPoint foot = FootOn(t.centre, Line(0));
    const float now = PointDistance(foot, t.centre);
    if (!(now > 0.0f)) return false;
    const float k = r / now;
    const RealPoint c{t.apex.h + (t.centre.h - t.apex.h) * k, t.apex.v + (t.centre.v - t.apex.v) * k};
    if (!Finite(c)) return false;
    t.centre = c;
    t.radius = r;
    t.firstPoint = FootOn(c, Line(0));
    t.secondPoint = FootOn(c, Line(1));
    return true;
}

// Mode "Arc/Secteur 2": the centre through both fixed ends at radius r
// (half the chord at least) on the side it was, then the angles again.
void TwoEndsRadius(float r) {
    ToolState& t = Tool();
    const RealPoint a = t.arcStart, b = t.arcEnd;
    t.centre = CentreThroughTwo(a, b, r, t.centre, &t.radius);
    ArcAnglesFromEnds(a, b, false);
    ShowArcAngle();
}

}  // namespace

HostErr RebuildCircleShape() {
    Globals* g = gGlobals;
    ToolState& t = g->tool;
    if (!ArtExists(t.art.constructionPath)) return kNoErr;
    const WorkingValues& w = g->settings.working;
    t.width = 2.0f * t.radius;
    t.height = t.width;
    HostErr err = kNoErr;
    const int32_t mode = t.circleMode;
    if (mode >= kArcCentre && mode <= kArcThreePoints) return BuildArc(w.Centre);
    err = BuildFullCircle();
    if (err) return err;
    ShapeContext ctx = ToolShapeContext();
    // The cross follows the centre when the circle has one.
    if (ArtExists(t.art.crossAlong)) err = WriteCentreCross(t.art, ctx, t.centre);
    if (err) return err;
    if (mode == kCircleCentreRadius) return WriteCircleTags();
    if (mode >= kTangentOne) return FinishCircleShape(t.art, ctx, mode, w.Tangente, t.centre, t.segments);
    return kNoErr;
}

void EditStrokeWeight(float weight) {
    Globals* g = gGlobals;
    if (!std::isfinite(weight) || weight < 0.0f) weight = 0.0f;
    if (weight > kLargestTypedLength) weight = kLargestTypedLength;
    g->settings.working.Epaisseur = weight;
    ItemFloat(kItemStroke, weight);
    if (g->currentTool == kToolRect)
        RebuildRectToolShape();
    else
        RebuildCircleShape();
}

void EditRadius(float shown) {
    Globals* g = gGlobals;
    ToolState& t = g->tool;
    const float previous = t.radius;
    float r = shown * PaletteScaleFactor();
    if (!std::isfinite(r) || r < 0.0f) r = 0.0f;
    if (r > kLargestTypedLength) r = kLargestTypedLength;
    const bool exists = ShapeExists();
    switch (t.circleMode) {
        case kCircleTwoPoints:
            // Never below half the distance of the two clicked points.
            if (exists) t.centre = CentreThroughTwo(t.firstPoint, t.secondPoint, r, t.centre, &t.radius);
            else t.radius = r;
            break;
        case kArcTwoEnds:
            if (exists) TwoEndsRadius(r);
            else t.radius = r;
            break;
        case kTangentOne:
            if (exists) TangentOneRadius(r);
            else t.radius = r;
            break;
        case kTangentTwo:
            if (exists && !TangentTwoRadius(r)) t.radius = previous;
            else if (!exists) t.radius = r;
            break;
        case kTangentThree:
            // Three lines fix the circle: the radius stays.
            break;
        default:
            t.radius = r;
            if (exists && t.circleMode >= kArcCentre && t.circleMode <= kArcThreePoints) {
                t.arcStart = AddPoints(t.centre, PolarPoint(r, t.startAngle));
                t.arcEnd = AddPoints(t.centre, PolarPoint(r, t.endAngle));
            }
            break;
    }
    ShowRadius();
    RebuildCircleShape();
}

void EditCentreAngle(float degrees) {
    Globals* g = gGlobals;
    ToolState& t = g->tool;
    const float theta = DegreesToRadians(degrees);
    if (!ShapeExists() || !std::isfinite(theta)) {
        // No arc to turn: the field shows the angle the tool holds.
        ShowArcAngle();
        return;
    }
    if (t.circleMode == kArcCentre || t.circleMode == kArcThreePoints) {
        // The centre, radius and start stay; the end turns to start + theta.
        const RealPoint start = AddPoints(t.centre, PolarPoint(t.radius, t.startAngle));
        const RealPoint end = AddPoints(t.centre, PolarPoint(t.radius, t.startAngle + theta));
        ArcAnglesFromEnds(start, end, true);
        RebuildCircleShape();
        return;
    }
    if (t.circleMode != kArcTwoEnds) return;
    // Both ends stay: the arc of that angle over their chord.
    const RealPoint a = t.arcStart, b = t.arcEnd;
    const float c = PointDistance(a, b) / 2.0f;
    const float s = std::sin(theta / 2.0f);
    const float radius = c / s;
    const RealPoint centre =
        AddPoints(Middle(a, b), PolarPoint(radius * std::cos(theta / 2.0f), PointAngle(a, b) + kHalfPi));
    if (!(c > 0.0f) || !std::isfinite(radius) || std::fabs(radius) > kLargestTypedLength || !Finite(centre)) {
        // No arc of that angle over these ends (0 or a full turn): the field
        // shows the arc as it is.
        ShowArcAngle();
        return;
    }
    t.centre = centre;
    t.radius = std::fabs(radius);
    ArcAnglesFromEnds(a, b, false);
    ShowRadius();
    RebuildCircleShape();
}

void EditStartAngle(float degrees) {
    Globals* g = gGlobals;
    ToolState& t = g->tool;
    if (t.circleMode != kArcCentre && t.circleMode != kArcThreePoints) return;
    const float alpha = DegreesToRadians(degrees);
    ItemRef angleField = PaletteItem(kItemCentreAngle);
    const float theta = angleField ? DegreesToRadians(sItem->GetFloatValue(angleField)) : -t.sweep;
    if (!ShapeExists() || !std::isfinite(alpha) || !std::isfinite(theta)) {
        ItemFloat(kItemStartAngle, RadiansToDegrees(t.startAngle));
        return;
    }
    const RealPoint start = AddPoints(t.centre, PolarPoint(t.radius, alpha));
    const RealPoint end = AddPoints(t.centre, PolarPoint(t.radius, alpha + theta));
    ArcAnglesFromEnds(start, end, true);
    RebuildCircleShape();
}

void EditComplement() {
    Globals* g = gGlobals;
    ToolState& t = g->tool;
    t.complement = !t.complement;
    if (ShapeExists()) {
        switch (t.circleMode) {
            case kCircleTwoPoints: {
                // The centre goes to the other side of the chord of the two points.
                const RealPoint m = Middle(t.firstPoint, t.secondPoint);
                t.centre = CentreThroughTwo(t.firstPoint, t.secondPoint, t.radius, t.centre, &t.radius);
                t.centre = RealPoint{2.0f * m.h - t.centre.h, 2.0f * m.v - t.centre.v};
                ShowRadius();
                break;
            }
            case kArcCentre:
            case kArcTwoEnds:
            case kArcThreePoints:
                ShowArcAngle();
                break;
            case kTangentOne: {
                const RealPoint foot = FootOn(t.centre, Line(0));
                t.centre = RealPoint{2.0f * foot.h - t.centre.h, 2.0f * foot.v - t.centre.v};
                break;
            }
            case kTangentTwo:
                if (!t.lines12Parallel) {
                    // The neighbouring angle: across line 2, the tangent point on it kept.
                    const float d = PointDistance(t.apex, t.secondPoint);
                    t.secondPoint = AddPoints(t.apex, PolarPoint(d, t.rayAngle[1]));
                    t.firstPoint = AddPoints(t.apex, PolarPoint(d, t.rayAngle[0] + (t.complement ? kPi : 0.0f)));
                    t.centre = PerpendicularsMeet(t.firstPoint, PointAngle(Line(0).a, Line(0).b), t.secondPoint,
                                                  PointAngle(Line(1).a, Line(1).b));
                    t.radius = PointDistance(t.centre, t.secondPoint);
                    ShowRadius();
                }
                break;
            default:
                break;
        }
        RebuildCircleShape();
    }
    ItemRedraw(kItemComplement);
    PaletteRedraw();
}

}  // namespace qzv
