#include "tangent_circles.h"

#include <cmath>

#include "constructions.h"
#include "plane.h"

namespace qzv {

namespace {

RealPoint Middle(RealPoint a, RealPoint b) { return RealPoint{(a.h + b.h) / 2.0f, (a.v + b.v) / 2.0f}; }

RealPoint Meet(const ReferenceLine& a, const ReferenceLine& b) { return IntersectLines(a.a, a.b, b.a, b.b); }

bool Finite(RealPoint p) { return std::isfinite(p.h) && std::isfinite(p.v); }

float DistanceToLine(RealPoint p, const ReferenceLine& line) { return PointDistance(p, FootOfPerpendicular(p, line.a, line.b)); }

TwoCandidates Checked(TwoCandidates c) {
    c.found = Finite(c.centre[0]) && Finite(c.centre[1]) && std::isfinite(c.radius[0]) && std::isfinite(c.radius[1]);
    return c;
}

}  // namespace

RealPoint PerpendicularsMeet(RealPoint t1, float a1, RealPoint t2, float a2) {
    const RealPoint far1 = AddPoints(t1, PolarPoint(50.0f, a1 + kHalfPi));
    const RealPoint far2 = AddPoints(t2, PolarPoint(50.0f, a2 + kHalfPi));
    return IntersectLines(t1, far1, t2, far2);
}

bool LinesNearlyParallel(const ReferenceLine& a, const ReferenceLine& b) {
    if (PointsEqual(a.a, a.b) || PointsEqual(b.a, b.b)) return false;
    const bool aFlat = a.a.v == a.b.v, bFlat = b.a.v == b.b.v;
    const bool aUpright = a.a.h == a.b.h, bUpright = b.a.h == b.b.h;
    if (aFlat || bFlat) return aFlat && bFlat;
    if (aUpright || bUpright) return aUpright && bUpright;
    const float slope = (b.b.v - b.a.v) / (b.b.h - b.a.h);
    const float perpendicular = (a.b.h - a.a.h) / (a.a.v - a.b.v);
    const float product = slope * perpendicular;
    return product > -1.01f && product < -0.99f;
}

TwoCandidates CirclesBetweenParallels(const ReferenceLine& p, const ReferenceLine& q, const ReferenceLine& x) {
    const float a = PointAngle(p.a, p.b);
    const RealPoint across = AddPoints(p.a, PolarPoint(50.0f, a + kHalfPi));
    const float diameter = PointDistance(p.a, IntersectLines(p.a, across, q.a, q.b));
    const RealPoint s = Meet(p, x);
    const RealPoint w = Meet(q, x);
    const RealPoint m = Middle(s, w);
    const float half = PointDistance(s, w) / 2.0f;
    TwoCandidates c{};
    c.centre[0] = AddPoints(m, PolarPoint(half, a));
    c.centre[1] = AddPoints(m, PolarPoint(half, a + kPi));
    c.radius[0] = c.radius[1] = diameter / 2.0f;
    return Checked(c);
}

TwoCandidates CirclesTangentToThree(const ReferenceLine (&lines)[3], RealPoint apex, RealPoint m12, RealPoint t2,
                                    RealPoint cursor) {
    const RealPoint j = Meet(lines[1], lines[2]);
    const float d = PointDistance(j, t2);
    const RealPoint t3 = PickOnDiameter(d, PointAngle(lines[2].a, lines[2].b), j, cursor, false);
    const RealPoint m23 = Middle(t3, t2);
    TwoCandidates c{};
    c.centre[0] = IntersectLines(apex, m12, j, m23);
    const RealPoint k = Meet(lines[0], lines[2]);
    const RealPoint otherBisector = AddPoints(apex, PolarPoint(50.0f, PointAngle(apex, c.centre[0]) + kHalfPi));
    c.centre[1] = IntersectLines(apex, otherBisector, k, c.centre[0]);
    c.radius[0] = DistanceToLine(c.centre[0], lines[0]);
    c.radius[1] = DistanceToLine(c.centre[1], lines[0]);
    return Checked(c);
}

}  // namespace qzv
