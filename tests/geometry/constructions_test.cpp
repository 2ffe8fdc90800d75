// Constructions: perpendicular feet, line and circle intersections, tangents.
// Expected values are worked out by hand from elementary geometry.
#include <cmath>
#include <random>

#include "constructions.h"
#include "near.h"
#include "plane.h"

using namespace qzv;

TEST(FootOfPerpendicular, HorizontalVerticalGeneralAndOnTheLine) {
    EXPECT_POINT_NEAR(FootOfPerpendicular({3, 7}, {-1, 2}, {5, 2}), 3.0f, 2.0f, 0.0f);
    EXPECT_POINT_NEAR(FootOfPerpendicular({3, 7}, {4, -1}, {4, 9}), 4.0f, 7.0f, 0.0f);
    // Coincident a and b count as a horizontal line.
    EXPECT_POINT_NEAR(FootOfPerpendicular({3, 7}, {1, 1}, {1, 1}), 3.0f, 1.0f, 0.0f);
    // (0, 2) onto the diagonal y = x: the foot is (1, 1).
    EXPECT_POINT_NEAR(FootOfPerpendicular({0, 2}, {0, 0}, {2, 2}), 1.0f, 1.0f, 1e-6f);
    // A point of the line y = 0.5x + 1 is its own foot.
    EXPECT_POINT_NEAR(FootOfPerpendicular({4, 3}, {-2, 0}, {6, 4}), 4.0f, 3.0f, 1e-5f);
}

TEST(IntersectLines, SharedPointsAreReturnedWithoutComputing) {
    const RealPoint p0{1, 1}, p1{5, 3};
    EXPECT_POINT_NEAR(IntersectLines(p0, p1, p0, {9, -4}), 1.0f, 1.0f, 0.0f);
    EXPECT_POINT_NEAR(IntersectLines(p0, p1, {9, -4}, p1), 5.0f, 3.0f, 0.0f);
    // Both shared the other way round: the first test (p0 == p3) wins.
    EXPECT_POINT_NEAR(IntersectLines(p0, p1, p1, p0), 1.0f, 1.0f, 0.0f);
}

TEST(IntersectLines, GeneralAndVerticalLines) {
    // The two diagonals of the square (0,0)-(2,2) meet at its centre.
    EXPECT_POINT_NEAR(IntersectLines({0, 0}, {2, 2}, {0, 2}, {2, 0}), 1.0f, 1.0f, 1e-6f);
    // x = 1 against y = 2x.
    EXPECT_POINT_NEAR(IntersectLines({1, -5}, {1, 5}, {0, 0}, {2, 4}), 1.0f, 2.0f, 1e-6f);
    EXPECT_POINT_NEAR(IntersectLines({0, 0}, {2, 4}, {1, -5}, {1, 5}), 1.0f, 2.0f, 1e-6f);
}

TEST(LinesMeet, ParallelAndZeroLengthLinesDoNot) {
    EXPECT_TRUE(LinesMeet({0, 0}, {2, 2}, {0, 2}, {2, 0}));
    EXPECT_FALSE(LinesMeet({0, 0}, {2, 2}, {0, 1}, {3, 4}));  // parallel
    EXPECT_FALSE(LinesMeet({1, 1}, {1, 1}, {0, 2}, {2, 0}));  // zero length, not parallel
    EXPECT_FALSE(LinesMeet({0, 0}, {2, 2}, {5, 5}, {5, 5}));
}

TEST(SegmentsCross, OnlyStrictInteriorCrossings) {
    EXPECT_TRUE(SegmentsCross({0, 0}, {2, 2}, {0, 2}, {2, 0}));
    EXPECT_FALSE(SegmentsCross({0, 0}, {2, 2}, {2, 2}, {4, 0}));   // touch at an end
    EXPECT_FALSE(SegmentsCross({0, 0}, {1, 1}, {0, 2}, {2, 0}));   // lines cross beyond the end
    EXPECT_FALSE(SegmentsCross({0, 0}, {4, 0}, {1, 0}, {6, 0}));   // collinear overlap
    EXPECT_FALSE(SegmentsCross({NAN, 0}, {2, 2}, {0, 2}, {2, 0}));
}

TEST(PickOnDiameter, NearerFartherAndTies) {
    const RealPoint k{10, 10};
    EXPECT_POINT_NEAR(PickOnDiameter(5, 0, k, {0, 10}, false), 5.0f, 10.0f, 1e-5f);
    EXPECT_POINT_NEAR(PickOnDiameter(5, 0, k, {0, 10}, true), 15.0f, 10.0f, 1e-5f);
    // A reference on the perpendicular bisector is a tie: direction a wins
    // whatever `farther` says.
    EXPECT_POINT_NEAR(PickOnDiameter(5, 0, k, {10, 30}, false), 15.0f, 10.0f, 0.0f);
    EXPECT_POINT_NEAR(PickOnDiameter(5, 0, k, {10, 30}, true), 15.0f, 10.0f, 0.0f);
}

TEST(IntersectCircles, TangentCirclesGiveTheTouchingPoint) {
    // Equal radii 5, centres 10 apart: q = 0 and the midpoint is returned.
    EXPECT_POINT_NEAR(IntersectCircles({0, 0}, {10, 0}, 5, 5, {3, 8}), 5.0f, 0.0f, 1e-5f);
}

TEST(IntersectCircles, EachStartingCentreFindsTheRightPoint) {
    // 3-4-5 configurations, one per rule choosing the starting centre; the
    // points are worked out from x = (e^2 + r0^2 - r1^2) / 2e.
    // (i) both radii below the distance: (0,0) r5 and (8,0) r5 meet at (4, +-3).
    EXPECT_POINT_NEAR(IntersectCircles({0, 0}, {8, 0}, 5, 5, {4, 10}), 4.0f, 3.0f, 1e-5f);
    // (ii) r0 above, r1 below: (0,0) r5 and (4,0) r3 meet at (4, +-3).
    EXPECT_POINT_NEAR(IntersectCircles({0, 0}, {4, 0}, 5, 3, {4, -10}), 4.0f, -3.0f, 1e-5f);
    // (iii) r0 below, r1 above: the same circles swapped.
    EXPECT_POINT_NEAR(IntersectCircles({4, 0}, {0, 0}, 3, 5, {4, 10}), 4.0f, 3.0f, 1e-5f);
    // (iv) both above: (0,0) r5 and (3,0) r4 meet at (3, +-4).
    EXPECT_POINT_NEAR(IntersectCircles({0, 0}, {3, 0}, 5, 4, {0, -10}), 3.0f, -4.0f, 1e-5f);
}

TEST(IntersectCircles, CirclesThatMissGiveNaNNotACrash) {
    const RealPoint p = IntersectCircles({0, 0}, {100, 0}, 5, 5, {0, 0});
    EXPECT_TRUE(std::isnan(p.h) || std::isnan(p.v));
}

TEST(CommonTangentPoints, OuterTangentsOfEqualCircles) {
    // Radii 2 at (0,0) and (10,0): the outer tangents are y = 2 and y = -2.
    const TangentPair above = CommonTangentPoints({0, 0}, 2, {10, 0}, 2, false, {5, 9});
    EXPECT_TRUE(above.firstTangent);
    EXPECT_POINT_NEAR(above.onFirst, 0.0f, 2.0f, 1e-5f);
    EXPECT_POINT_NEAR(above.onSecond, 10.0f, 2.0f, 1e-5f);
    const TangentPair below = CommonTangentPoints({0, 0}, 2, {10, 0}, 2, false, {5, -9});
    EXPECT_FALSE(below.firstTangent);
    EXPECT_POINT_NEAR(below.onFirst, 0.0f, -2.0f, 1e-5f);
    EXPECT_POINT_NEAR(below.onSecond, 10.0f, -2.0f, 1e-5f);
}

TEST(CommonTangentPoints, CrossedTangentsPassThroughTheInnerCentreOfSimilitude) {
    // Radii 2 at (0,0) and (10,0): the crossed tangents go through (5,0); from
    // there the touching point on the first circle is at cos t = 2/5, so
    // (0.8, +-1.8330303), and on the second its mirror (9.2, -+1.8330303).
    // The tangent is chosen by its touching point on the second circle.
    const float rise = 2.0f * std::sqrt(1.0f - 0.16f);
    const TangentPair t = CommonTangentPoints({0, 0}, 2, {10, 0}, 2, true, {10, -5});
    EXPECT_TRUE(t.firstTangent);
    EXPECT_POINT_NEAR(t.onFirst, 0.8f, rise, 1e-5f);
    EXPECT_POINT_NEAR(t.onSecond, 9.2f, -rise, 1e-5f);
    const TangentPair s = CommonTangentPoints({0, 0}, 2, {10, 0}, 2, true, {10, 5});
    EXPECT_FALSE(s.firstTangent);
    EXPECT_POINT_NEAR(s.onFirst, 0.8f, -rise, 1e-5f);
    EXPECT_POINT_NEAR(s.onSecond, 9.2f, rise, 1e-5f);
}

TEST(CommonTangentPoints, UnequalCirclesOnAVerticalLineOfCentres) {
    // Radii 3 at (0,0) and 1 at (0,10): the outer tangent touches both where
    // the radius makes cos u = (3 - 1)/10 = 0.2 with the line of centres,
    // i.e. at (-+3 sin u, 0.6) and (-+sin u, 10.2), sin u = sqrt(0.96).
    const float su = std::sqrt(0.96f);
    const TangentPair left = CommonTangentPoints({0, 0}, 3, {0, 10}, 1, false, {-8, 5});
    EXPECT_POINT_NEAR(left.onFirst, -3.0f * su, 0.6f, 1e-5f);
    EXPECT_POINT_NEAR(left.onSecond, -su, 10.2f, 1e-5f);
    const TangentPair right = CommonTangentPoints({0, 0}, 3, {0, 10}, 1, false, {8, 5});
    EXPECT_POINT_NEAR(right.onFirst, 3.0f * su, 0.6f, 1e-5f);
    EXPECT_POINT_NEAR(right.onSecond, su, 10.2f, 1e-5f);
}

TEST(CommonTangentPoints, ATieChoosesTheSecondTangent) {
    // On the line of centres both candidates are equally far.
    const TangentPair t = CommonTangentPoints({0, 0}, 2, {10, 0}, 2, false, {20, 0});
    EXPECT_FALSE(t.firstTangent);
}

// The foot and the circle intersection checked against double-precision
// computations written here, over random inputs, plus the two cases that
// the slope form of the foot and the single-precision chord got wrong.
namespace {

double Cross(RealPoint p, RealPoint a, RealPoint b) {
    return (double(b.h) - a.h) * (double(p.v) - a.v) - (double(b.v) - a.v) * (double(p.h) - a.h);
}

TEST(FootOfPerpendicular, NearlyLevelLinesKeepTheFootOnTheLine) {
    const RealPoint f = FootOfPerpendicular({500, 300}, {0, 100}, {1000, 100.00001f});
    EXPECT_NEAR(f.h, 500, 1e-3);
    EXPECT_NEAR(f.v, 100.000005, 1e-5);
    std::mt19937 rng(17);
    std::uniform_real_distribution<float> coord(-1000, 1000), tilt(-1e-3f, 1e-3f);
    for (int i = 0; i < 20000; ++i) {
        const RealPoint a{coord(rng), coord(rng)};
        const RealPoint b = i % 2 ? RealPoint{a.h + coord(rng), a.v + tilt(rng) * 1000}
                                  : RealPoint{coord(rng), coord(rng)};
        const RealPoint p{coord(rng), coord(rng)};
        const RealPoint foot = FootOfPerpendicular(p, a, b);
        const double length = std::hypot(double(b.h) - a.h, double(b.v) - a.v);
        if (length == 0) continue;
        const double scale = 4e-7 * (std::fabs(a.h) + std::fabs(a.v) + std::fabs(p.h) + std::fabs(p.v) + length);
        // On the line, and p - foot at right angles to it.
        EXPECT_NEAR(Cross(foot, a, b) / length, 0.0, scale) << i;
        const double along = (double(p.h) - foot.h) * (double(b.h) - a.h) + (double(p.v) - foot.v) * (double(b.v) - a.v);
        EXPECT_NEAR(along / length, 0.0, scale * 4) << i;
    }
}

TEST(IntersectCircles, NearTangencyWithVeryDifferentRadiiStaysOnBothCircles) {
    const RealPoint x = IntersectCircles({0, 0}, {99.7505f, 0}, 100, 0.25f, {100, 1});
    EXPECT_NEAR(x.h, 99.9999987, 2e-5);
    EXPECT_NEAR(x.v, 0.0158791, 2e-5);
    std::mt19937 rng(23);
    std::uniform_real_distribution<float> coord(-500, 500), radius(0.01f, 400), unit(0, 1);
    int checked = 0;
    for (int i = 0; i < 20000; ++i) {
        const RealPoint c0{coord(rng)*0.2f, coord(rng)*0.2f};
        const float r0 = radius(rng), r1 = radius(rng);
        // A distance at which they meet, often near tangency.
        const float lo = std::fabs(r0 - r1), hi = r0 + r1;
        float e = lo + (hi - lo) * unit(rng);
        if (i % 3 == 0) e = i % 2 ? lo * (1 + 1e-7f) : hi * (1 - 1e-7f);
        const float angle = unit(rng) * 6.283f;
        const RealPoint c1{c0.h + e * std::cos(angle), c0.v + e * std::sin(angle)};
        const double d = std::hypot(double(c1.h) - c0.h, double(c1.v) - c0.v);
        // Keep the pairs that meet, or miss by no more than rounding.
        if (d < std::fabs(double(r0) - r1) * (1 - 2e-7) || d > (double(r0) + r1) * (1 + 2e-7)) continue;
        const RealPoint p = IntersectCircles(c0, c1, r0, r1, {coord(rng), coord(rng)});
        ASSERT_TRUE(std::isfinite(p.h) && std::isfinite(p.v)) << i;
        const double tolerance = 3e-6 * (std::fabs(c0.h) + std::fabs(c0.v) + r0 + r1 + e) + 2e-3 * std::sqrt(r0 + r1);
        EXPECT_NEAR(std::hypot(double(p.h) - c0.h, double(p.v) - c0.v), r0, tolerance) << i;
        EXPECT_NEAR(std::hypot(double(p.h) - c1.h, double(p.v) - c1.v), r1, tolerance) << i;
        ++checked;
    }
    EXPECT_GT(checked, 15000);
}

}  // namespace
