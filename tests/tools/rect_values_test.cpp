// The values a drag of the rectangle tool gives, computed alone: the sides
// of a turned rectangle, a segment aimed at one point and measured to
// another, and the common tangents of circle pairs. Expected values come
// from turning vectors by hand and from double-precision geometry.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "geometry/constructions.h"
#include "tools/rect_drag_values.h"

namespace {

using qzv::CommonTangentExists;
using qzv::RectangleSidesFromDrag;
using qzv::SegmentFromDrag;

TEST(RectangleSides, TheDragIsMeasuredInTheTurnedFrame) {
    // The vector (40, -10) of the rectangle's own frame, turned by 30 degrees.
    const double t = 3.14159265358979 / 6;
    const RealPoint anchor{5, 7};
    const RealPoint q{static_cast<float>(5 + 40 * std::cos(t) + 10 * std::sin(t)),
                      static_cast<float>(7 + 40 * std::sin(t) - 10 * std::cos(t))};
    const qzv::RectSides s = RectangleSidesFromDrag(0, anchor, q, static_cast<float>(t), 0, false, false);
    EXPECT_NEAR(s.length, 40, 1e-4);
    EXPECT_NEAR(s.width, -10, 1e-4);
    // From the centre the drag reaches a corner: twice as large.
    const qzv::RectSides c = RectangleSidesFromDrag(3, anchor, q, static_cast<float>(t), 0, false, false);
    EXPECT_NEAR(c.length, 80, 1e-4);
    EXPECT_NEAR(c.width, -20, 1e-4);
    // Shift after the rounding's minimum: -10 is raised to -24, then the square.
    const qzv::RectSides r = RectangleSidesFromDrag(1, anchor, q, static_cast<float>(t), -12, true, false);
    EXPECT_NEAR(r.length, 40, 1e-4);
    EXPECT_NEAR(r.width, -40, 1e-4);
    // A flat drag squared with Shift goes toward -v: a width of 0 counts as negative.
    const qzv::RectSides flat = RectangleSidesFromDrag(0, {0, 0}, {30, 0}, 0, 0, true, false);
    EXPECT_FLOAT_EQ(flat.length, 30);
    EXPECT_FLOAT_EQ(flat.width, -30);
    const qzv::RectSides z = RectangleSidesFromDrag(4, anchor, anchor, 0, 3, false, true);
    EXPECT_FLOAT_EQ(z.length, -3);   // 0 goes negative, to 2R = 6, halved by Alt
    EXPECT_FLOAT_EQ(z.width, -3);
}

TEST(SegmentValues, TheAngleAimsAtOnePointAndTheLengthIsTheOtherProjected) {
    // Aimed along +h at an anchor point, measured at (30, 40): 30 along.
    qzv::SegmentValues s = SegmentFromDrag(2, {0, 0}, {10, 0}, {30, 40}, false, 0, 0, false);
    EXPECT_FLOAT_EQ(s.angle, 0);
    EXPECT_NEAR(s.length, 30, 1e-4);
    s = SegmentFromDrag(5, {0, 0}, {0, -10}, {30, -40}, false, 0, 0, false);
    EXPECT_NEAR(s.angle, -1.5707964f, 1e-6);
    EXPECT_NEAR(s.length, 80, 1e-4);
    // Behind the anchor the length is negative; Alt in mode 5 halves it.
    s = SegmentFromDrag(5, {0, 0}, {10, 0}, {-30, 5}, false, 0, 0, true);
    EXPECT_NEAR(s.length, -30, 1e-4);
    // Steps: nearest multiples, ties away from zero.
    s = SegmentFromDrag(2, {0, 0}, {10, 0}, {25, 0}, true, 10, 0.5f, false);
    EXPECT_FLOAT_EQ(s.length, 30);
}

// Distance from point p to the line through a and b, signed by side.
double SignedDistance(double ph, double pv, const RealPoint& a, const RealPoint& b) {
    const double dh = b.h - a.h, dv = b.v - a.v;
    return (dh * (pv - a.v) - dv * (ph - a.h)) / std::hypot(dh, dv);
}

TEST(CommonTangent, RandomCirclePairsTouchBothCirclesWheneverATangentExists) {
    std::mt19937 random(20240611);
    std::uniform_real_distribution<float> coordinate(-200, 200), radius(1, 120);
    int outerFound = 0, crossedFound = 0, refused = 0;
    for (int i = 0; i < 4000; ++i) {
        const RealPoint c1{coordinate(random), coordinate(random)};
        const RealPoint c2{coordinate(random), coordinate(random)};
        const float r1 = radius(random), r2 = radius(random);
        const RealPoint m{coordinate(random), coordinate(random)};
        const bool crossed = i % 2 == 1;
        const double d = std::hypot(double(c2.h) - c1.h, double(c2.v) - c1.v);
        const double need = crossed ? double(r1) + r2 : std::fabs(double(r1) - r2);
        // Leave out pairs on the very edge, where float and double may differ.
        if (std::fabs(d - need) < 1e-2) continue;
        const bool exists = d > need;
        ASSERT_EQ(CommonTangentExists(c1, r1, c2, r2, crossed), exists) << i;
        if (!exists) {
            ++refused;
            continue;
        }
        crossed ? ++crossedFound : ++outerFound;
        const qzv::TangentPair t = qzv::CommonTangentPoints(c1, r1, c2, r2, crossed, m);
        const double tolerance = 2e-3 * (d + r1 + r2);
        EXPECT_NEAR(std::hypot(t.onFirst.h - c1.h, t.onFirst.v - c1.v), r1, tolerance) << i;
        EXPECT_NEAR(std::hypot(t.onSecond.h - c2.h, t.onSecond.v - c2.v), r2, tolerance) << i;
        // The line through both touching points is at each radius from its
        // centre: tangent to both; the centres lie on one side of an outer
        // tangent and on either side of a crossed one.
        if (std::hypot(t.onSecond.h - t.onFirst.h, t.onSecond.v - t.onFirst.v) < 1) continue;
        const double s1 = SignedDistance(c1.h, c1.v, t.onFirst, t.onSecond);
        const double s2 = SignedDistance(c2.h, c2.v, t.onFirst, t.onSecond);
        EXPECT_NEAR(std::fabs(s1), r1, tolerance) << i;
        EXPECT_NEAR(std::fabs(s2), r2, tolerance) << i;
        EXPECT_EQ(s1 * s2 < 0, crossed) << i;
    }
    EXPECT_GT(outerFound, 500);
    EXPECT_GT(crossedFound, 300);
    EXPECT_GT(refused, 300);
}

TEST(CommonTangent, ConcentricCoincidentNestedAndTouchingCirclesHaveNone) {
    EXPECT_FALSE(CommonTangentExists({0, 0}, 10, {0, 0}, 20, false));   // concentric
    EXPECT_FALSE(CommonTangentExists({5, 5}, 10, {5, 5}, 10, false));   // coincident
    EXPECT_FALSE(CommonTangentExists({0, 0}, 50, {10, 0}, 20, false));  // one inside the other
    EXPECT_FALSE(CommonTangentExists({0, 0}, 10, {15, 0}, 10, true));   // overlapping: no crossed tangent
    EXPECT_TRUE(CommonTangentExists({0, 0}, 10, {15, 0}, 10, false));   // but outer ones
    EXPECT_FALSE(CommonTangentExists({0, 0}, 10, {20, 0}, 10, true));   // touching: no length
    EXPECT_FALSE(CommonTangentExists({0, 0}, 0, {20, 0}, 10, false));
    EXPECT_FALSE(CommonTangentExists({0, 0}, std::nanf(""), {20, 0}, 10, false));
}

}  // namespace
