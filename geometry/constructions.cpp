#include "constructions.h"

#include <cmath>

#include "plane.h"

namespace qzv {

RealPoint FootOfPerpendicular(RealPoint p, RealPoint a, RealPoint b) {
    if (a.v == b.v) {
        return RealPoint{p.h, a.v};
    }
    if (a.h == b.h) {
        return RealPoint{a.h, p.v};
    }
    // The projection onto the line, t = (p - a).(b - a) / |b - a|^2, in
    // double and rounded once: the slope form loses the foot entirely for
    // nearly level lines.
    const double dh = static_cast<double>(b.h) - a.h;
    const double dv = static_cast<double>(b.v) - a.v;
    const double t = ((static_cast<double>(p.h) - a.h) * dh + (static_cast<double>(p.v) - a.v) * dv) / (dh * dh + dv * dv);
    return RealPoint{static_cast<float>(a.h + t * dh), static_cast<float>(a.v + t * dv)};
}

RealPoint IntersectLines(RealPoint p0, RealPoint p1, RealPoint p2, RealPoint p3) {
    if (PointsEqual(p0, p2) || PointsEqual(p0, p3)) {
        return p0;
    }
    if (PointsEqual(p1, p2) || PointsEqual(p1, p3)) {
        return p1;
    }
    const bool firstVertical = p0.h == p1.h;
    const bool secondVertical = p2.h == p3.h;
    // Slopes and intercepts of the lines that are not vertical; a vertical
    // line's own slope is never used.
    const float m1 = firstVertical ? 0.0f : (p1.v - p0.v) / (p1.h - p0.h);
    const float m2 = secondVertical ? 0.0f : (p3.v - p2.v) / (p3.h - p2.h);
    const float b1 = p0.v - m1 * p0.h;
    const float b2 = p2.v - m2 * p2.h;
    if (!firstVertical && !secondVertical) {
        const float denominator = m1 - m2;
        const float h = (b2 - b1) / denominator;
        const float v = (m1 * b2 - b1 * m2) / denominator;
        return RealPoint{h, v};
    }
    if (firstVertical) {
        return RealPoint{p0.h, m2 * p0.h + b2};
    }
    return RealPoint{p2.h, m1 * p2.h + b1};
}

namespace {

// (f - e) x (b - a), rounded to float: zero exactly when the lines are
// parallel in single precision.
float CrossTerm(RealPoint a, RealPoint b, RealPoint e, RealPoint f) {
    const float left = (f.h - e.h) * (b.v - a.v);
    const float right = (f.v - e.v) * (b.h - a.h);
    return left - right;
}

}  // namespace

bool LinesMeet(RealPoint a, RealPoint b, RealPoint e, RealPoint f) {
    const float k = CrossTerm(a, b, e, f);
    return k != 0.0f && !PointsEqual(a, b) && !PointsEqual(e, f);
}

bool SegmentsCross(RealPoint a, RealPoint b, RealPoint e, RealPoint f) {
    const float k = CrossTerm(a, b, e, f);
    if (k == 0.0f) {
        return false;
    }
    const float s = ((f.v - e.v) * (a.h - e.h) - (f.h - e.h) * (a.v - e.v)) / k;
    const float t = ((b.v - a.v) * (a.h - e.h) - (b.h - a.h) * (a.v - e.v)) / k;
    // Comparisons with NaN are false, so NaN input never crosses.
    return s > 0.0f && s < 1.0f && t > 0.0f && t < 1.0f;
}

RealPoint PickOnDiameter(float length, float angle, RealPoint k, RealPoint r, bool farther) {
    const RealPoint q1 = AddPoints(k, PolarPoint(length, angle));
    const RealPoint q2 = AddPoints(k, PolarPoint(length, angle + kPi));
    const float d1 = PointDistance(r, q1);
    const float d2 = PointDistance(r, q2);
    if (farther) {
        return d1 < d2 ? q2 : q1;
    }
    return d1 > d2 ? q2 : q1;
}

RealPoint IntersectCircles(RealPoint c0, RealPoint c1, float r0, float r1, RealPoint r) {
    const float a = PointAngle(c0, c1);
    const float e = PointDistance(c0, c1);
    // Start from the centre that keeps the chord computation well
    // conditioned; the order of the rules matters.
    bool fromC0;
    if (r0 < e && r1 < e) {
        fromC0 = false;
    } else if (r0 > e && r1 < e) {
        fromC0 = true;
    } else if (r0 < e && r1 > e) {
        fromC0 = false;
    } else {
        fromC0 = r0 >= r1;
    }
    const RealPoint from = fromC0 ? c0 : c1;
    const RealPoint toward = fromC0 ? c1 : c0;
    const double rFrom = fromC0 ? r0 : r1;
    const double rOther = fromC0 ? r1 : r0;
    // In double, with the half chord's square as (r - g)(r + g): near
    // tangency r*r - g*g cancels to nothing in single precision. What
    // rounding alone makes negative is taken as tangency; circles that
    // clearly miss each other give NaN.
    const double ee = static_cast<double>(e) * e;
    const double g = (ee + rFrom * rFrom - rOther * rOther) / (2.0 * e);
    double qq = (rFrom - g) * (rFrom + g);
    const double rounding = 1e-6 * (rFrom * rFrom + ee + rOther * rOther);
    if (qq < 0.0 && qq >= -rounding) qq = 0.0;
    const double q = std::sqrt(qq);
    const double uh = (static_cast<double>(toward.h) - from.h) / e;
    const double uv = (static_cast<double>(toward.v) - from.v) / e;
    const double mh = from.h + g * uh, mv = from.v + g * uv;
    // Of the two points, the one nearer to r; on a tie the one a quarter
    // turn counterclockwise from the line of centres (from c0 toward c1).
    const double nh = -std::sin(static_cast<double>(a)), nv = std::cos(static_cast<double>(a));
    const RealPoint q1{static_cast<float>(mh + q * nh), static_cast<float>(mv + q * nv)};
    const RealPoint q2{static_cast<float>(mh - q * nh), static_cast<float>(mv - q * nv)};
    return PointDistance(r, q1) > PointDistance(r, q2) ? q2 : q1;
}

TangentPair CommonTangentPoints(RealPoint c1, float r1, RealPoint c2, float r2, bool crossed,
                                RealPoint m) {
    const float b = kPi - PointAngle(c2, c1);
    const float d = PointDistance(c1, c2);
    const float s = crossed ? r1 + r2 : r1 - r2;
    const float dd = d * d;
    const float ss = s * s;
    const float w = SquareRoot(dd - ss);
    const float u = ArcTangent(s, w);  // cos u = s / d

    const RealPoint t1 = AddPoints(c1, PolarPoint(r1, u - b));
    const RealPoint t2 = crossed ? AddPoints(c2, PolarPoint(r2, (u + kPi) - b))
                                 : AddPoints(c2, PolarPoint(r2, u - b));
    const RealPoint s1 = AddPoints(c1, PolarPoint(r1, -u - b));
    const RealPoint s2 = crossed ? AddPoints(c2, PolarPoint(r2, (kPi - u) - b))
                                 : AddPoints(c2, PolarPoint(r2, -u - b));

    if (PointDistance(m, s2) > PointDistance(m, t2)) {
        return TangentPair{t1, t2, true};
    }
    return TangentPair{s1, s2, false};
}

}  // namespace qzv
