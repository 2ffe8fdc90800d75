#include "circle_fit.h"

#include <cmath>

#include "plane.h"

namespace qzv {

namespace {

// A circle whose radius exceeds this many times the spread of its three
// points is taken for a straight line.
constexpr float kFlatness = 1.0e4f;

}  // namespace

bool CircleThroughThree(RealPoint p1, RealPoint p2, RealPoint p3, float farthest, RealPoint* centre) {
    if (PointsEqual(p1, p2) || PointsEqual(p2, p3) || PointsEqual(p1, p3)) return false;
    // Relative to the first point, the bisectors meet where both squared
    // distances agree; written this way nothing cancels when a bisector is
    // steep, as its slope-and-intercept form would.
    const float bh = p2.h - p1.h, bv = p2.v - p1.v;
    const float ch = p3.h - p1.h, cv = p3.v - p1.v;
    const float bb = bh * bh + bv * bv;
    const float cc = ch * ch + cv * cv;
    const float twice = 2.0f * (bh * cv - bv * ch);
    if (twice == 0.0f) return false;   // on one line
    const float uh = (cv * bb - bv * cc) / twice;
    const float uv = (bh * cc - ch * bb) / twice;
    const RealPoint c{p1.h + uh, p1.v + uv};
    // Points on one slanted line rarely give exactly zero in single
    // precision; they give a centre out of all proportion instead.
    const float reach = PointDistance(c, p1);
    const float spread = std::fmax(PointDistance(p1, p2), std::fmax(PointDistance(p2, p3), PointDistance(p1, p3)));
    if (!std::isfinite(c.h) || !std::isfinite(c.v) || !(reach <= farthest) || !(reach <= kFlatness * spread))
        return false;
    *centre = c;
    return true;
}

RealPoint CentreThroughTwo(RealPoint a, RealPoint b, float r, RealPoint side, float* radius) {
    const RealPoint m{(a.h + b.h) / 2.0f, (a.v + b.v) / 2.0f};
    const float half = PointDistance(a, b) / 2.0f;
    if (!(r > half)) {
        *radius = half;
        return m;
    }
    *radius = r;
    const float rr = r * r;
    const float hh = half * half;
    const float offset = SquareRoot(rr - hh);
    // The bisector's direction: the chord turned by a quarter turn, toward
    // the side of `side`.
    const float chord = PointAngle(a, b);
    const RealPoint left = AddPoints(m, PolarPoint(offset, chord + kHalfPi));
    const RealPoint right = AddPoints(m, PolarPoint(offset, chord - kHalfPi));
    const float cross = (b.h - a.h) * (side.v - a.v) - (b.v - a.v) * (side.h - a.h);
    return cross < 0.0f ? right : left;
}

float WrapHalfOpen(float a) {
    constexpr float kTwoPi = 2.0f * kPi;
    if (!std::isfinite(a)) return a;
    // Far from the range the steps would not change a float: reduce first.
    if (std::fabs(a) > 64.0f) a = std::fmod(a, kTwoPi);
    while (a >= kPi) a -= kTwoPi;
    while (a < -kPi) a += kTwoPi;
    return a;
}

float WrapClosed(float a) {
    constexpr float kTwoPi = 2.0f * kPi;
    if (!std::isfinite(a)) return a;
    // Far from the range the steps would not change a float: reduce first.
    if (std::fabs(a) > 64.0f) a = std::fmod(a, kTwoPi);
    while (a > kPi) a -= kTwoPi;
    while (a < -kPi) a += kTwoPi;
    return a;
}

}  // namespace qzv
