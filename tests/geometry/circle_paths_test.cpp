// Circles, half circles, arcs, sectors and marks.
#include <cmath>

#include "circle_paths.h"
#include "marks.h"
#include "near.h"
#include "plane.h"

using namespace qzv;

namespace {

CircleOrArcInput Arc(float sweepDegrees) {
    CircleOrArcInput in{};
    in.centre = {100, 50};
    in.radius = 10;
    in.startAngle = 0.4f;
    in.endAngle = 0.4f - DegreesToRadians(sweepDegrees);
    in.sweep = DegreesToRadians(sweepDegrees);
    in.constraintAngle = 0.3f;
    return in;
}

double HandleLength(RealPoint anchor, RealPoint handle) {
    return std::hypot(double(handle.h) - anchor.h, double(handle.v) - anchor.v);
}

// Polar angle of p about the centre, in degrees, 0..360.
double AngleAbout(RealPoint p, RealPoint c) {
    const double a = std::atan2(double(p.v) - c.v, double(p.h) - c.h) * 180.0 / M_PI;
    return a < 0 ? a + 360.0 : a;
}

}  // namespace

TEST(BuildCircle, BezierStaysWithinThreeTenThousandthsOfTheRadius) {
    // Independent of the constant: sample the first quarter piece and compare
    // with the true circle.
    const float r = 100.0f;
    const ShapeBuild b = BuildCircle(r, {0, 0}, 0.0f);
    const PathSegment& s0 = b.path.seg[0];
    const PathSegment& s1 = b.path.seg[1];
    double worst = 0.0;
    for (int i = 0; i <= 200; ++i) {
        const double t = i / 200.0, u = 1.0 - t;
        const double h = u * u * u * s0.p.h + 3 * u * u * t * s0.out.h + 3 * u * t * t * s1.in.h +
                         t * t * t * s1.p.h;
        const double v = u * u * u * s0.p.v + 3 * u * u * t * s0.out.v + 3 * u * t * t * s1.in.v +
                         t * t * t * s1.p.v;
        worst = std::max(worst, std::fabs(std::hypot(h, v) - r));
    }
    EXPECT_LT(worst / r, 0.0003);
    EXPECT_GT(worst / r, 0.0);  // a cubic cannot be exact: the samples were taken
}

TEST(BuildCircleOrArc, TinyAndAlmostFullSweepsGiveTheFullCircle) {
    for (float degrees : {0.00005f, 359.99995f, -0.00005f, -359.99995f}) {
        const CircleOrArcResult r = BuildCircleOrArc(Arc(degrees));
        ASSERT_EQ(r.shape, CircleOrArcShape::kFullCircle) << degrees;
        EXPECT_EQ(r.main.path.count, 4);
        EXPECT_TRUE(r.main.path.closed);
        EXPECT_EQ(r.extent, 20.0f);
        // The first anchor lies at the constraint angle plus pi.
        const ShapePath placed = PlacedPath(r.main);
        EXPECT_POINT_NEAR(placed.seg[0].p, 100.0f + 10.0f * std::cos(0.3f + kPi),
                          50.0f + 10.0f * std::sin(0.3f + kPi), 1e-4f);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(placed.seg[i].corner, 0) << "circle anchors are smooth";
        }
    }
}

TEST(BuildCircleOrArc, HalfTurnGivesTheHalfCircleWhateverTheSign) {
    for (float sweep : {kPi, -kPi}) {
        CircleOrArcInput in = Arc(0);
        in.sweep = sweep;
        for (bool complement : {false, true}) {
            in.complement = complement;
            const CircleOrArcResult r = BuildCircleOrArc(in);
            ASSERT_EQ(r.shape, CircleOrArcShape::kHalfCircle);
            ASSERT_EQ(r.main.path.count, 3);
            const ShapePath p = PlacedPath(r.main);
            // Starts at the start angle (or opposite it for the other half)
            // and passes a quarter turn further on toward increasing angle.
            const double start = 0.4 * 180.0 / M_PI + (complement ? 180.0 : 0.0);
            EXPECT_NEAR(AngleAbout(p.seg[0].p, in.centre), start, 1e-3);
            EXPECT_NEAR(AngleAbout(p.seg[1].p, in.centre), std::fmod(start + 90.0, 360.0), 1e-3);
            EXPECT_NEAR(AngleAbout(p.seg[2].p, in.centre), std::fmod(start + 180.0, 360.0), 1e-3);
        }
    }
}

TEST(BuildCircleOrArc, SectorClosesArcsThroughTheCentreButNotHalfCircles) {
    CircleOrArcInput in = Arc(60);
    in.sector = true;
    const CircleOrArcResult arc = BuildCircleOrArc(in);
    ASSERT_EQ(arc.shape, CircleOrArcShape::kArc);
    EXPECT_EQ(arc.main.path.count, 3);  // one piece + 1, plus the centre
    EXPECT_TRUE(arc.main.path.closed);
    const ShapePath p = PlacedPath(arc.main);
    EXPECT_EQ(p.seg[2].p.h, 100.0f);
    EXPECT_EQ(p.seg[2].p.v, 50.0f);

    in.sweep = kPi;
    const CircleOrArcResult half = BuildCircleOrArc(in);
    EXPECT_EQ(half.main.path.count, 3);
    EXPECT_TRUE(half.main.path.closed);
    EXPECT_NE(PlacedPath(half.main).seg[2].p.h, 100.0f);
}

TEST(BuildArcPath, QuarterTurnHasFullHandlesAndAHairMoreAddsAPiece) {
    const float r = 10.0f;
    const ShapeBuild quarter = BuildArcPath({0, 0}, r, kHalfPi, 0, false, false);
    ASSERT_EQ(quarter.path.count, 2);
    EXPECT_NEAR(HandleLength(quarter.path.seg[0].p, quarter.path.seg[0].out), kCurveConstant * r, 1e-5);
    EXPECT_NEAR(HandleLength(quarter.path.seg[1].p, quarter.path.seg[1].in), kCurveConstant * r, 1e-5);
    EXPECT_EQ(quarter.path.seg[0].corner, 1);  // retracted incoming handle
    EXPECT_EQ(quarter.path.seg[1].corner, 1);  // retracted outgoing handle

    const ShapeBuild more = BuildArcPath({0, 0}, r, DegreesToRadians(90.001f), 0, false, false);
    ASSERT_EQ(more.path.count, 3);
    EXPECT_EQ(more.path.seg[1].corner, 0);  // joins two pieces smoothly
    // The last piece spans 0.001 degree: handle k r (0.001/90).
    EXPECT_NEAR(HandleLength(more.path.seg[2].p, more.path.seg[2].in),
                kCurveConstant * r * 0.001 / 90.0, 2e-6);
}

TEST(BuildArcPath, WorkedShapeOfASixthOfATurn) {
    // s = pi/3: anchor (r, 0) with outgoing (r, -k r 2/3), and the same
    // anchor turned by -pi/3 with incoming (r, k r 2/3) turned likewise.
    const float r = 10.0f;
    const double g = 0.5522848 * r * 2.0 / 3.0;
    const ShapeBuild b = BuildArcPath({0, 0}, r, kPi / 3.0f, 0, false, false);
    ASSERT_EQ(b.path.count, 2);
    EXPECT_FALSE(b.path.closed);
    EXPECT_POINT_NEAR(b.path.seg[0].p, r, 0.0f, 0.0f);
    EXPECT_POINT_NEAR(b.path.seg[0].out, r, -g, 1e-5f);
    const double c = std::cos(-M_PI / 3), s = std::sin(-M_PI / 3);
    EXPECT_POINT_NEAR(b.path.seg[1].p, r * c, r * s, 1e-5f);
    EXPECT_POINT_NEAR(b.path.seg[1].in, r * c - g * s, r * s + g * c, 1e-5f);
}

TEST(BuildArcPath, ComplementRunsTheOtherWayToTheSameEnd) {
    const float r = 10.0f;
    const ShapeBuild direct = BuildArcPath({0, 0}, r, kPi / 3.0f, 0, false, false);
    const ShapeBuild other = BuildArcPath({0, 0}, r, kPi / 3.0f, 0, false, true);
    ASSERT_EQ(other.path.count, 5);  // 300 degrees: three quarters and a piece
    EXPECT_POINT_NEAR(other.path.seg[4].p, direct.path.seg[1].p.h, direct.path.seg[1].p.v, 1e-5f);
    EXPECT_POINT_NEAR(other.path.seg[1].p, 0.0f, r, 1e-5f);  // through +90 degrees
    // A negative sweep ends on the other side.
    const ShapeBuild negative = BuildArcPath({0, 0}, r, -kPi / 3.0f, 0, false, false);
    EXPECT_POINT_NEAR(negative.path.seg[1].p, 5.0f, 8.660254f, 1e-5f);
}

TEST(BuildCircleOrArc, StoresTheArcEndPoints) {
    const CircleOrArcResult r = BuildCircleOrArc(Arc(60));
    EXPECT_POINT_NEAR(r.arcStart, 100 + 10 * std::cos(0.4), 50 + 10 * std::sin(0.4), 1e-4f);
    const double end = 0.4 - M_PI / 3;
    EXPECT_POINT_NEAR(r.arcEnd, 100 + 10 * std::cos(end), 50 + 10 * std::sin(end), 1e-4f);
}

TEST(CentreCross, BranchesCrossAtTheCentre) {
    const CentreCross zero = BuildCentreCross({7, 8}, 0.0f, 0.3f);
    for (const MarkPath* m : {&zero.along, &zero.across}) {
        for (const PathSegment& s : m->seg) {
            EXPECT_POINT_NEAR(s.p, 7.0f, 8.0f, 0.0f);
        }
    }
    const CentreCross c = BuildCentreCross({7, 8}, 6.0f, 0.0f);
    EXPECT_POINT_NEAR(c.along.seg[0].p, 4.0f, 8.0f, 1e-6f);
    EXPECT_POINT_NEAR(c.along.seg[1].p, 10.0f, 8.0f, 1e-6f);
    EXPECT_POINT_NEAR(c.across.seg[0].p, 7.0f, 5.0f, 1e-6f);
    EXPECT_POINT_NEAR(c.across.seg[1].p, 7.0f, 11.0f, 1e-6f);
    EXPECT_EQ(c.along.seg[0].corner, 1);
}

TEST(TangencyTicks, TickCrossesTheLineAtTheFoot) {
    const MarkPath t = BuildTangencyTick({5, 5}, {0, 0}, {10, 0}, 4.0f);
    EXPECT_POINT_NEAR(t.seg[0].p, 5.0f, 2.0f, 1e-6f);
    EXPECT_POINT_NEAR(t.seg[1].p, 5.0f, -2.0f, 1e-6f);
    EXPECT_EQ(t.seg[0].corner, 1);
    EXPECT_EQ(t.seg[1].corner, 1);
}

TEST(TangencyTicks, FinishingRebuildsOneTickPerReferenceLineOfTheMode) {
    const ReferenceLine lines[3] = {{{0, 0}, {10, 0}}, {{0, 0}, {0, 10}}, {{0, 9}, {9, 0}}};
    EXPECT_EQ(FinishCircleTicks(6, true, {3, 3}, lines, 2).count, 1);
    EXPECT_EQ(FinishCircleTicks(7, true, {3, 3}, lines, 2).count, 2);
    const FinishedTicks three = FinishCircleTicks(8, true, {3, 3}, lines, 2);
    EXPECT_EQ(three.count, 3);
    EXPECT_POINT_NEAR(three.tick[1].seg[0].p, 0.0f - 1.0f, 3.0f, 1e-5f);  // across x = 0 at (0, 3)
    EXPECT_EQ(FinishCircleTicks(0, true, {3, 3}, lines, 2).count, 0);
    const FinishedTicks off = FinishCircleTicks(8, false, {3, 3}, lines, 2);
    EXPECT_TRUE(off.disposeAll);
    EXPECT_EQ(off.count, 0);
}
