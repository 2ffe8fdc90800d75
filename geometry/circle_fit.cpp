#include "circle_fit.h"

#include <cmath>

#include "plane.h"

namespace qzv {

namespace {

// A circle whose radius exceeds this many times the spread of its three
// points is taken for a straight line.
constexpr float kFlatness = 1.0e4f;

struct Bisector {
    bool vertical;   // the pair has equal v: the bisector is h = middle
    float middle;    // its h when vertical
    float slope;
    float intercept;
};

Bisector BisectorOf(RealPoint p, RealPoint q) {
    Bisector b{};
    if (p.v == q.v) {
        b.vertical = true;
        b.middle = (p.h + q.h) / 2.0f;
        return b;
    }
    b.slope = (q.h - p.h) / (p.v - q.v);
    const float midV = (p.v + q.v) / 2.0f;
    const float midH = (p.h + q.h) / 2.0f;
    b.intercept = midV - b.slope * midH;
    return b;
}

}  // namespace

bool CircleThroughThree(RealPoint p1, RealPoint p2, RealPoint p3, float farthest, RealPoint* centre) {
    if (PointsEqual(p1, p2) || PointsEqual(p2, p3) || PointsEqual(p1, p3)) return false;
    const Bisector b1 = BisectorOf(p1, p2);
    const Bisector b2 = BisectorOf(p2, p3);
    RealPoint c;
    if (b1.vertical && b2.vertical) return false;   // all three on one horizontal line
    if (b2.vertical) {
        c.h = b2.middle;
        c.v = b1.slope * c.h + b1.intercept;
    } else if (b1.vertical) {
        c.h = b1.middle;
        c.v = b2.slope * c.h + b2.intercept;
    } else {
        if (b1.slope == b2.slope) return false;
        c.h = (b2.intercept - b1.intercept) / (b1.slope - b2.slope);
        c.v = b1.slope * c.h + b1.intercept;
    }
    // Points on one slanted line rarely give exactly equal slopes in single
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
