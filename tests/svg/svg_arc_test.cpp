// Arcs of path data as cubic pieces. The reference is the ellipse the arc
// was made from (centre, radii, rotation, start and sweep chosen first, the
// SVG end points and flags computed from them), so the test does not share
// the conversion's arithmetic. The bound: 0.01 point between the pieces and
// the true arc, both ways, once mapped into the document.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "document/svg_path.h"

namespace {

using namespace drawhost;

constexpr double kPi = 3.14159265358979323846;

struct Ellipse {
    double cx, cy, rx, ry, phi;   // phi in radians
    double Px(double t) const { return cx + rx * std::cos(phi) * std::cos(t) - ry * std::sin(phi) * std::sin(t); }
    double Py(double t) const { return cy + rx * std::sin(phi) * std::cos(t) + ry * std::cos(phi) * std::sin(t); }
};

struct Pt {
    double x, y;
};

Pt Mapped(const SvgMatrix& m, double x, double y) {
    Pt p;
    m.Apply(x, y, &p.x, &p.y);
    return p;
}

double Dist(Pt a, Pt b) { return std::hypot(a.x - b.x, a.y - b.y); }

Pt Bezier(const Pt* c, double t) {
    double u = 1 - t;
    return Pt{u * u * u * c[0].x + 3 * u * u * t * c[1].x + 3 * u * t * t * c[2].x + t * t * t * c[3].x,
              u * u * u * c[0].y + 3 * u * u * t * c[1].y + 3 * u * t * t * c[2].y + t * t * t * c[3].y};
}

// The least distance from q to f(t), t in [a, b]: a fine scan, then a
// golden-section search around the best sample.
template <typename F>
double NearestDistance(Pt q, F f, double a, double b) {
    constexpr int kSteps = 2000;
    int best = 0;
    double bestD = INFINITY;
    for (int i = 0; i <= kSteps; ++i) {
        double d = Dist(q, f(a + (b - a) * i / kSteps));
        if (d < bestD) bestD = d, best = i;
    }
    double lo = a + (b - a) * std::max(0, best - 1) / kSteps, hi = a + (b - a) * std::min(kSteps, best + 1) / kSteps;
    const double g = (std::sqrt(5.0) - 1) / 2;
    for (int k = 0; k < 80; ++k) {
        double m1 = hi - g * (hi - lo), m2 = lo + g * (hi - lo);
        if (Dist(q, f(m1)) < Dist(q, f(m2))) hi = m2;
        else lo = m1;
    }
    return std::min(bestD, Dist(q, f((lo + hi) / 2)));
}

// The largest distance between the pieces and the arc, measured both ways.
double ArcError(const Ellipse& e, double t1, double sweep, const SvgMatrix& m, size_t* pieces) {
    double x1 = e.Px(t1), y1 = e.Py(t1), x2 = e.Px(t1 + sweep), y2 = e.Py(t1 + sweep);
    std::vector<double> xy;
    SvgArcPieces(x1, y1, e.rx, e.ry, e.phi * 180 / kPi, std::fabs(sweep) > kPi, sweep > 0, x2, y2, m, &xy);
    *pieces = xy.size() / 6;
    if (xy.empty() || xy.size() % 6) return INFINITY;
    std::vector<std::vector<Pt>> cubics;
    Pt start = Mapped(m, x1, y1);
    for (size_t i = 0; i < xy.size(); i += 6) {
        cubics.push_back({start, {xy[i], xy[i + 1]}, {xy[i + 2], xy[i + 3]}, {xy[i + 4], xy[i + 5]}});
        start = cubics.back()[3];
    }
    auto arc = [&](double t) { return Mapped(m, e.Px(t), e.Py(t)); };
    double worst = 0;
    double lo = std::min(t1, t1 + sweep), hi = std::max(t1, t1 + sweep);
    for (const auto& c : cubics)
        for (int k = 0; k <= 16; ++k) worst = std::max(worst, NearestDistance(Bezier(c.data(), k / 16.0), arc, lo, hi));
    for (int k = 0; k <= 64; ++k) {
        Pt q = arc(lo + (hi - lo) * k / 64);
        double best = INFINITY;
        for (const auto& c : cubics)
            best = std::min(best, NearestDistance(q, [&](double t) { return Bezier(c.data(), t); }, 0, 1));
        worst = std::max(worst, best);
    }
    return worst;
}

TEST(SvgArcs, PiecesStayWithinAHundredthOfAPointOfTheArc) {
    // Document maps: points from pixels with v up, a large zoom, a shear.
    const SvgMatrix maps[] = {SvgMatrix{0.75, 0, 0, -0.75, 0, 0}, SvgMatrix{20, 0, 0, -20, 300, 100},
                              SvgMatrix{3, 1.5, -0.5, -2, 10, 10}};
    std::mt19937 random(17);
    std::uniform_real_distribution<double> unit(0, 1);
    int checked = 0;
    for (const SvgMatrix& m : maps) {
        for (double r : {0.5, 10.0, 300.0, 2500.0}) {
            for (int k = 0; k < 4; ++k) {
                Ellipse e{unit(random) * 200 - 100, unit(random) * 200 - 100, r, r * (0.2 + unit(random)),
                          unit(random) * 2 * kPi};
                double t1 = unit(random) * 2 * kPi;
                double sweep = (unit(random) * 1.98 - 0.99) * 2 * kPi;
                if (std::fabs(sweep) < 0.05) sweep = 0.05;
                size_t pieces = 0;
                double error = ArcError(e, t1, sweep, m, &pieces);
                EXPECT_LE(error, 0.01) << "r " << r << " sweep " << sweep << " pieces " << pieces;
                ++checked;
            }
        }
    }
    EXPECT_EQ(checked, 48);
}

TEST(SvgArcs, LargerArcsGetMorePiecesButNeverLessThanAQuarterTurnEach) {
    const SvgMatrix identity;
    size_t small = 0, big = 0, huge = 0;
    // A half circle of radius 5: two quarter pieces suffice (2.7e-4 * 5).
    EXPECT_LE(ArcError(Ellipse{0, 0, 5, 5, 0}, 0, kPi, identity, &small), kSvgArcTolerance);
    EXPECT_EQ(small, 2u);
    EXPECT_LE(ArcError(Ellipse{0, 0, 1000, 1000, 0}, 0, kPi, identity, &big), kSvgArcTolerance);
    EXPECT_GT(big, 2u);
    // Mapped a hundred times larger, the same arc needs more pieces still.
    EXPECT_LE(ArcError(Ellipse{0, 0, 1000, 1000, 0}, 0, kPi, SvgMatrix{100, 0, 0, 100, 0, 0}, &huge), 0.01);
    EXPECT_GT(huge, big);
}

TEST(SvgArcs, TheRulesForOutOfRangeParameters) {
    const SvgMatrix identity;
    std::vector<double> xy;
    // Equal ends: no arc at all.
    SvgArcPieces(5, 5, 10, 10, 0, false, true, 5, 5, identity, &xy);
    EXPECT_TRUE(xy.empty());
    // A zero radius: a straight piece.
    SvgArcPieces(0, 0, 0, 10, 0, false, true, 10, 0, identity, &xy);
    EXPECT_EQ(xy, (std::vector<double>{0, 0, 10, 0, 10, 0}));
    // Radii too small to span the ends grow until they do: from (0,0) to
    // (10,0) with radius 1 is the half circle of radius 5 about (5,0); with
    // the sweep flag it turns through positive angles, so through (5,-5)
    // (y grows downward in the file).
    SvgOutline outline;
    size_t errorAt = 0;
    SvgPathData("M0 0 A 1 1 0 0 1 10 0", identity, &outline, &errorAt);
    ASSERT_EQ(outline.subpaths.size(), 1u);
    const auto& s = outline.subpaths[0].segments;
    ASSERT_EQ(s.size(), 3u);
    EXPECT_NEAR(s[1].p.h, 5, 1e-5);
    EXPECT_NEAR(s[1].p.v, -5, 1e-5);
    EXPECT_EQ(s[2].p.h, 10);
    EXPECT_EQ(s[2].p.v, 0);
    // Negative radii count as their size.
    SvgPathData("M0 0 A -1 -1 0 0 0 10 0", identity, &outline, &errorAt);
    ASSERT_EQ(outline.subpaths[0].segments.size(), 3u);
    EXPECT_NEAR(outline.subpaths[0].segments[1].p.v, 5, 1e-5);
}

}  // namespace
