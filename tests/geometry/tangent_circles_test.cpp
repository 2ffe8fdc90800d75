// Circles fitted to points and tangent to lines, checked against
// double-precision computations written here: distances from a centre to
// points and to lines, over many random inputs, with tolerances scaled to
// the magnitudes single precision can hold.
#include <cmath>
#include <limits>
#include <random>

#include "circle_fit.h"
#include "near.h"
#include "plane.h"
#include "tangent_circles.h"

namespace {

using namespace qzv;

double Dist(RealPoint a, RealPoint b) { return std::hypot(double(a.h) - b.h, double(a.v) - b.v); }

// Distance from p to the infinite line through a and b.
double LineDist(RealPoint p, const ReferenceLine& l) {
    const double dh = double(l.b.h) - l.a.h, dv = double(l.b.v) - l.a.v;
    return std::fabs(dh * (double(p.v) - l.a.v) - dv * (double(p.h) - l.a.h)) / std::hypot(dh, dv);
}

RealPoint Random(std::mt19937& rng, float extent) {
    std::uniform_real_distribution<float> u(-extent, extent);
    return RealPoint{u(rng), u(rng)};
}

TEST(CircleThroughThree, TheCentreIsEquallyFarFromTheThreePoints) {
    std::mt19937 rng(7);
    int found = 0;
    for (int i = 0; i < 20000; ++i) {
        const float extent = i % 2 ? 1000.0f : 10.0f;
        const RealPoint p1 = Random(rng, extent), p2 = Random(rng, extent), p3 = Random(rng, extent);
        RealPoint c;
        if (!CircleThroughThree(p1, p2, p3, 1e7f, &c)) continue;
        ++found;
        const double r = Dist(c, p1);
        // The error grows with the radius over the spread (a flat triangle).
        const double tolerance = 1e-5 * (r + extent) * (1 + r / extent);
        EXPECT_NEAR(Dist(c, p2), r, tolerance) << i;
        EXPECT_NEAR(Dist(c, p3), r, tolerance) << i;
    }
    EXPECT_GT(found, 19000);
}

TEST(CircleThroughThree, ExamplesAndRefusals) {
    RealPoint c{123, 456};
    ASSERT_TRUE(CircleThroughThree({0, 0}, {100, 0}, {50, 50}, 1e7f, &c));
    EXPECT_POINT_NEAR(c, 50, 0, 0);
    ASSERT_TRUE(CircleThroughThree({0, 0}, {0, 100}, {50, 50}, 1e7f, &c));   // a vertical chord first
    EXPECT_POINT_NEAR(c, 0, 50, 1e-5);
    ASSERT_TRUE(CircleThroughThree({0, 0}, {0, 100}, {100, 100}, 1e7f, &c));  // second and third level
    EXPECT_POINT_NEAR(c, 50, 50, 1e-5);
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const RealPoint untouched{123, 456};
    for (auto [a, b, d] : {std::make_tuple(RealPoint{0, 0}, RealPoint{50, 0}, RealPoint{100, 0}),  // level
                           std::make_tuple(RealPoint{0, 0}, RealPoint{1, 3}, RealPoint{2, 6}),     // slanted line
                           std::make_tuple(RealPoint{0.1f, 0.3f}, RealPoint{0.2f, 0.6f}, RealPoint{0.3f, 0.9f}),
                           std::make_tuple(RealPoint{5, 5}, RealPoint{5, 5}, RealPoint{9, 1}),     // two coincide
                           std::make_tuple(RealPoint{0, 0}, RealPoint{nan, 1}, RealPoint{3, 4})}) {
        c = untouched;
        EXPECT_FALSE(CircleThroughThree(a, b, d, 1e7f, &c)) << a.h << " " << b.h << " " << d.h;
        EXPECT_EQ(c.h, untouched.h);
    }
    // A genuine flat arc is kept: radius 5000 over a 1000-point chord.
    const float r = 5000;
    auto on = [&](float a) { return RealPoint{r * std::cos(a), r * std::sin(a) - r}; };
    ASSERT_TRUE(CircleThroughThree(on(1.47f), on(1.57f), on(1.67f), 1e7f, &c));
    EXPECT_NEAR(c.v, -r, 1);
}

TEST(CentreThroughTwo, ThePointsLieOnTheCircleOnTheAskedSide) {
    std::mt19937 rng(11);
    for (int i = 0; i < 5000; ++i) {
        const RealPoint a = Random(rng, 500), b = Random(rng, 500), side = Random(rng, 500);
        const float half = PointDistance(a, b) / 2;
        const float wanted = half * (0.5f + 2.0f * (i % 7) / 7.0f);
        float radius = 0;
        const RealPoint c = CentreThroughTwo(a, b, wanted, side, &radius);
        EXPECT_FLOAT_EQ(radius, std::fmax(wanted, half));
        EXPECT_NEAR(Dist(c, a), radius, 1e-4 * (radius + 500));
        EXPECT_NEAR(Dist(c, b), radius, 1e-4 * (radius + 500));
        if (wanted > half * 1.01f) {
            const double sideCross = (double(b.h) - a.h) * (double(side.v) - a.v) - (double(b.v) - a.v) * (double(side.h) - a.h);
            const double centreCross = (double(b.h) - a.h) * (double(c.v) - a.v) - (double(b.v) - a.v) * (double(c.h) - a.h);
            EXPECT_EQ(sideCross < 0, centreCross < 0) << i;
        }
    }
}

TEST(WrapAngles, IntoTheirRanges) {
    for (float a : {-100.0f, -7.0f, -3.1415927f, -1.0f, 0.0f, 2.0f, 3.1415927f, 3.2f, 9.0f, 1.0e6f, -3.0e7f}) {
        const float open = WrapHalfOpen(a), closed = WrapClosed(a);
        EXPECT_GE(open, -kPi) << a;
        EXPECT_LT(open, kPi) << a;
        EXPECT_GE(closed, -kPi) << a;
        EXPECT_LE(closed, kPi) << a;
        // Still the same direction, where a float angle still has one.
        if (std::fabs(a) > 1000) continue;
        EXPECT_NEAR(std::cos(open), std::cos(double(a)), 2e-3) << a;
        EXPECT_NEAR(std::sin(closed), std::sin(double(a)), 2e-3) << a;
    }
    EXPECT_EQ(WrapClosed(kPi), kPi);
    EXPECT_EQ(WrapHalfOpen(kPi), kPi - 2 * kPi);
    EXPECT_TRUE(std::isnan(WrapHalfOpen(std::numeric_limits<float>::quiet_NaN())));
}

TEST(LinesNearlyParallel, SlopesWithinOnePercentAndExactAxes) {
    const ReferenceLine flat{{0, 0}, {10, 0}}, flat2{{0, 5}, {-3, 5}};
    const ReferenceLine upright{{0, 0}, {0, 10}}, upright2{{4, 1}, {4, -1}};
    const ReferenceLine slope1{{0, 0}, {10, 10}}, slope1005{{0, 3}, {10, 13.05f}}, slope102{{0, 3}, {10, 13.2f}};
    EXPECT_TRUE(LinesNearlyParallel(flat, flat2));
    EXPECT_TRUE(LinesNearlyParallel(upright, upright2));
    EXPECT_FALSE(LinesNearlyParallel(flat, upright));
    EXPECT_FALSE(LinesNearlyParallel(flat, ReferenceLine{{0, 0}, {1000, 0.001f}}));   // a slope, not flat
    EXPECT_TRUE(LinesNearlyParallel(slope1, slope1005));
    EXPECT_TRUE(LinesNearlyParallel(slope1005, slope1));
    EXPECT_FALSE(LinesNearlyParallel(slope1, slope102));
    EXPECT_FALSE(LinesNearlyParallel(slope1, ReferenceLine{{2, 2}, {2, 2}}));
}

// A line through p in direction a.
ReferenceLine Through(RealPoint p, float a) { return ReferenceLine{p, AddPoints(p, PolarPoint(30, a))}; }

TEST(CirclesBetweenParallels, BothTouchTheThreeLines) {
    std::mt19937 rng(3);
    std::uniform_real_distribution<float> angle(-3.1f, 3.1f), gap(5, 200);
    for (int i = 0; i < 3000; ++i) {
        const float a = angle(rng);
        const RealPoint p0 = Random(rng, 300);
        const ReferenceLine p = Through(p0, a);
        const ReferenceLine q = Through(AddPoints(p0, PolarPoint(gap(rng), a + 1.5707964f)), a);
        float cross = angle(rng);
        if (std::fabs(std::sin(cross - a)) < 0.2f) cross += 1.0f;
        const ReferenceLine x = Through(Random(rng, 300), cross);
        const TwoCandidates c = CirclesBetweenParallels(p, q, x);
        ASSERT_TRUE(c.found);
        for (int k = 0; k < 2; ++k) {
            const double r = c.radius[k], tolerance = 2e-3 * (1 + r);
            EXPECT_NEAR(LineDist(c.centre[k], p), r, tolerance) << i;
            EXPECT_NEAR(LineDist(c.centre[k], q), r, tolerance) << i;
            EXPECT_NEAR(LineDist(c.centre[k], x), r, tolerance) << i;
        }
        EXPECT_GT(Dist(c.centre[0], c.centre[1]), c.radius[0]);   // one on each side of x
    }
}

TEST(CirclesTangentToThree, TheClickedAngleAndTheOneBeyond) {
    std::mt19937 rng(5);
    std::uniform_real_distribution<float> angle(-3.1f, 3.1f);
    int checked = 0;
    for (int i = 0; i < 3000; ++i) {
        // A triangle's three sides, clicked near their middles.
        const RealPoint v0 = Random(rng, 300), v1 = Random(rng, 300), v2 = Random(rng, 300);
        const double area = std::fabs((double(v1.h) - v0.h) * (double(v2.v) - v0.v) - (double(v1.v) - v0.v) * (double(v2.h) - v0.h));
        const double longest = std::fmax(Dist(v0, v1), std::fmax(Dist(v1, v2), Dist(v0, v2)));
        if (area < 0.05 * longest * longest) continue;   // keep well-shaped triangles
        const ReferenceLine lines[3] = {{v0, v1}, {v1, v2}, {v2, v0}};
        const RealPoint apex = v1;   // lines 1 and 2 meet at v1
        const RealPoint click1{(v0.h + v1.h) / 2, (v0.v + v1.v) / 2};
        const float d = PointDistance(apex, click1);
        const RealPoint t2 = AddPoints(apex, PolarPoint(d, PointAngle(v1, v2)));
        const RealPoint m12{(click1.h + t2.h) / 2, (click1.v + t2.v) / 2};
        const RealPoint cursor{(v2.h + v0.h) / 2, (v2.v + v0.v) / 2};
        const TwoCandidates c = CirclesTangentToThree(lines, apex, m12, t2, cursor);
        ASSERT_TRUE(c.found) << i;
        ++checked;
        for (int k = 0; k < 2; ++k) {
            const double r = c.radius[k], tolerance = 1e-3 * (1 + r + longest);
            for (const ReferenceLine& line : lines) EXPECT_NEAR(LineDist(c.centre[k], line), r, tolerance) << i << " " << k;
        }
        EXPECT_GT(Dist(c.centre[0], c.centre[1]), 1e-3 * longest);
        // With the clicked points inside the sides the first is the
        // inscribed circle.
        if (d < PointDistance(v1, v2)) {
            const double inRadius = area / (Dist(v0, v1) + Dist(v1, v2) + Dist(v2, v0));
            EXPECT_NEAR(c.radius[0], inRadius, 1e-3 * (1 + longest)) << i;
        }
    }
    EXPECT_GT(checked, 1000);
}

}  // namespace
