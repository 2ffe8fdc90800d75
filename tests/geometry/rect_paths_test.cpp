// Rectangles, rounded, inverted and profiled rectangles.
#include <algorithm>
#include <cmath>

#include "circle_paths.h"
#include "near.h"
#include "plane.h"
#include "rect_paths.h"
#include "rect_tool_shape.h"

using namespace qzv;

namespace {

// A point in the rectangle's own frame: turned back by the inclination about
// the anchor, in double precision.
RealPoint Unturned(RealPoint p, RealPoint anchor, double inclination) {
    const double dh = double(p.h) - anchor.h, dv = double(p.v) - anchor.v;
    const double c = std::cos(-inclination), s = std::sin(-inclination);
    return RealPoint{float(c * dh - s * dv), float(s * dh + c * dv)};
}

bool Near(float a, float b) { return std::fabs(a - b) < 1e-3f; }

// Point on the cubic from segment a to segment b at t.
RealPoint OnCurve(const PathSegment& a, const PathSegment& b, double t) {
    const double u = 1 - t;
    const auto at = [&](double p0, double p1, double p2, double p3) {
        return u * u * u * p0 + 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t * p3;
    };
    return RealPoint{float(at(a.p.h, a.out.h, b.in.h, b.p.h)), float(at(a.p.v, a.out.v, b.in.v, b.p.v))};
}

RectToolInput RectInput(int mode) {
    RectToolInput in{};
    in.mode = mode;
    in.anchor = {10, 20};
    in.length = 40;
    in.width = 30;
    return in;
}

}  // namespace

TEST(BuildRectangle, AnchorsAreTheCornersForEveryInclination) {
    // In the rectangle's own frame the corners are {0, l} x {0, b} from the
    // anchor uncentred, {-l/2, l/2} x {-b/2, b/2} centred.
    const RealPoint anchor{25, -7};
    const float l = 30, b = -16;
    for (double incl : {0.0, 0.5, 1.2, -2.0, 3.1415927}) {
        for (bool centred : {false, true}) {
            const ShapeBuild s = BuildRectangle(l, b, centred, float(incl), anchor);
            ASSERT_EQ(s.path.count, 4);
            EXPECT_TRUE(s.path.closed);
            const ShapePath p = PlacedPath(s);
            const float h0 = centred ? -l / 2 : 0, h1 = centred ? l / 2 : l;
            const float v0 = centred ? -b / 2 : 0, v1 = centred ? b / 2 : b;
            bool seen[2][2] = {};
            for (int i = 0; i < 4; ++i) {
                const RealPoint q = Unturned(p.seg[i].p, anchor, incl);
                const int ih = Near(q.h, h0) ? 0 : Near(q.h, h1) ? 1 : -1;
                const int iv = Near(q.v, v0) ? 0 : Near(q.v, v1) ? 1 : -1;
                ASSERT_TRUE(ih >= 0 && iv >= 0) << "anchor " << i << " off the rectangle";
                seen[ih][iv] = true;
                EXPECT_EQ(p.seg[i].corner, 1);
            }
            EXPECT_TRUE(seen[0][0] && seen[0][1] && seen[1][0] && seen[1][1]);
        }
    }
}

TEST(BuildRectangle, NegativeLengthExtendsLeftAndStartsTopLeft) {
    // Dragged from (100, 100) 40 to the left and 20 up: spans x 60..100,
    // y 100..120; the first anchor is the top-left corner.
    const ShapePath p = PlacedPath(BuildRectangle(-40, 20, false, 0, {100, 100}));
    EXPECT_POINT_NEAR(p.seg[0].p, 60.0f, 120.0f, 0.0f);
    EXPECT_POINT_NEAR(p.seg[1].p, 100.0f, 120.0f, 0.0f);
    EXPECT_POINT_NEAR(p.seg[2].p, 100.0f, 100.0f, 0.0f);
    EXPECT_POINT_NEAR(p.seg[3].p, 60.0f, 100.0f, 0.0f);
}

TEST(BuildRoundedRectangle, LargeRoundingWidensTheSideAndKeepsTheAnchorACorner) {
    // A 100 x 10 rectangle with rounding 12 becomes 100 x 24; its anchors
    // then span exactly x 0..100 and y 0..24 from the click at the origin.
    for (float b : {10.0f, -10.0f}) {
        const ShapePath p = PlacedPath(
            BuildRoundedRectangle(100, b, 12, false, 0, {0, 0}, kRoundingCircular, nullptr));
        ASSERT_EQ(p.count, 8);
        float lo = 1e9f, hi = -1e9f, left = 1e9f, right = -1e9f;
        for (int i = 0; i < 8; ++i) {
            lo = std::min(lo, p.seg[i].p.v);
            hi = std::max(hi, p.seg[i].p.v);
            left = std::min(left, p.seg[i].p.h);
            right = std::max(right, p.seg[i].p.h);
        }
        EXPECT_EQ(left, 0.0f);
        EXPECT_EQ(right, 100.0f);
        EXPECT_EQ(lo, b > 0 ? 0.0f : -24.0f);
        EXPECT_EQ(hi, b > 0 ? 24.0f : 0.0f);
    }
}

TEST(BuildRoundedRectangle, CornersAreQuarterCirclesOutwardOrInverted) {
    // W = 20, H = 15, rho = 5: the top-left rounding (anchors 0 and 1) is a
    // quarter circle about (-15, 10) for a positive rounding and about the
    // corner (-20, 15) for a negative one.
    for (float rounding : {5.0f, -5.0f}) {
        const ShapeBuild s =
            BuildRoundedRectangle(40, 30, rounding, true, 0, {0, 0}, kRoundingCircular, nullptr);
        ASSERT_EQ(s.path.count, 8);
        EXPECT_TRUE(s.path.closed);
        const RealPoint centre = rounding > 0 ? RealPoint{-15, 10} : RealPoint{-20, 15};
        const RealPoint mid = OnCurve(s.path.seg[0], s.path.seg[1], 0.5);
        EXPECT_NEAR(PointDistance(mid, centre), 5.0f, 5.0f * 3e-4f) << rounding;
        EXPECT_POINT_NEAR(s.path.seg[0].p, -20.0f, 10.0f, 0.0f);
        EXPECT_POINT_NEAR(s.path.seg[1].p, -15.0f, 15.0f, 0.0f);
    }
}

TEST(BuildRectToolShape, RoundedModeWithoutRoundingIsThePlainRectangle) {
    RectToolInput in = RectInput(kRectModeRounded);
    in.rounding = 0;
    const RectToolResult r = BuildRectToolShape(in);
    ASSERT_EQ(r.outcome, RectToolOutcome::kShape);
    const ShapeBuild plain = BuildRectangle(40, 30, false, 0, {10, 20});
    ASSERT_EQ(r.shape.path.count, 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(SameSegment(r.shape.path.seg[i], plain.path.seg[i]));
    }
    in.rounding = 4;
    EXPECT_EQ(BuildRectToolShape(in).shape.path.count, 8);
}

TEST(BuildRectToolShape, CentringFollowsModeAndToggle) {
    // Centred about the anchor, the first anchor is (anchor - l/2, anchor + b/2).
    RectToolInput in = RectInput(kRectModeCentredRectangle);
    EXPECT_POINT_NEAR(PlacedPath(BuildRectToolShape(in).shape).seg[0].p, -10.0f, 35.0f, 0.0f);
    in.centringToggle = true;
    EXPECT_POINT_NEAR(PlacedPath(BuildRectToolShape(in).shape).seg[0].p, 10.0f, 50.0f, 0.0f);
    in.mode = 6;
    EXPECT_EQ(BuildRectToolShape(in).outcome, RectToolOutcome::kNothing);
}

TEST(BuildRoundedRectangle, ProfileCornerCounts) {
    RoundingProfile profile = DefaultRoundingProfile();
    ASSERT_TRUE(ApplyPredefinedProfile(2, profile));  // 3 points
    const auto count = [&] {
        return BuildRoundedRectangle(40, 30, 6, false, 0, {0, 0}, kRoundingProfile, &profile).path.count;
    };
    EXPECT_EQ(count(), 12);
    profile.cornerBottomLeft = profile.cornerBottomRight = profile.cornerTopRight = false;
    EXPECT_EQ(count(), 6);
    // The three sharp corners sit on the rectangle's corners, in path order.
    const ShapeBuild s = BuildRoundedRectangle(40, 30, 6, true, 0, {0, 0}, kRoundingProfile, &profile);
    EXPECT_POINT_NEAR(s.path.seg[3].p, -20.0f, -15.0f, 0.0f);
    EXPECT_POINT_NEAR(s.path.seg[4].p, 20.0f, -15.0f, 0.0f);
    EXPECT_POINT_NEAR(s.path.seg[5].p, 20.0f, 15.0f, 0.0f);
    // A count beyond the 20 entries is used as 20.
    profile.count = 100;
    profile.cornerBottomLeft = profile.cornerBottomRight = profile.cornerTopRight = true;
    EXPECT_EQ(count(), 80);
}

TEST(BuildRoundedRectangle, InvertedProfileEqualsPositive) {
    RoundingProfile profile = DefaultRoundingProfile();
    ASSERT_TRUE(ApplyPredefinedProfile(5, profile));
    const ShapeBuild pos = BuildRoundedRectangle(40, 30, 6, false, 0.3f, {1, 2}, kRoundingProfile, &profile);
    const ShapeBuild neg = BuildRoundedRectangle(40, 30, -6, false, 0.3f, {1, 2}, kRoundingProfile, &profile);
    ASSERT_EQ(pos.path.count, 36);
    ASSERT_EQ(neg.path.count, pos.path.count);
    for (int i = 0; i < pos.path.count; ++i) {
        EXPECT_TRUE(SameSegment(pos.path.seg[i], neg.path.seg[i])) << i;
    }
}

TEST(BuildRoundedRectangle, DefaultProfileGivesChamfersOfOneRadius) {
    // No stored profile: each corner is a straight bevel from (rho - W, H) to
    // (-W, H - rho), here rho = 6, W = 20, H = 15.
    const ShapeBuild s = BuildRoundedRectangle(40, 30, 6, true, 0, {0, 0}, kRoundingProfile, nullptr);
    ASSERT_EQ(s.path.count, 8);
    EXPECT_POINT_NEAR(s.path.seg[0].p, -14.0f, 15.0f, 0.0f);
    EXPECT_POINT_NEAR(s.path.seg[1].p, -20.0f, 9.0f, 0.0f);
    EXPECT_POINT_NEAR(s.path.seg[2].p, -20.0f, -9.0f, 0.0f);  // bottom left, mirrored
    EXPECT_POINT_NEAR(s.path.seg[3].p, -14.0f, -15.0f, 0.0f);
    EXPECT_POINT_NEAR(s.path.seg[4].p, 14.0f, -15.0f, 0.0f);
    EXPECT_POINT_NEAR(s.path.seg[7].p, 14.0f, 15.0f, 0.0f);
    for (int i = 0; i < 8; ++i) {
        EXPECT_TRUE(PointsEqual(s.path.seg[i].in, s.path.seg[i].p));
        EXPECT_EQ(s.path.seg[i].corner, 1);
    }
}

TEST(BuildRoundedRectangle, MirroredCornersSwapTheirHandles) {
    // Profile 4's second point (12, 2) has In (6.5, 2): on the top-left corner
    // (rho = 12, W = 20, H = 15) it is anchor (-8, 13) with outgoing handle
    // (-13.5, 13); mirrored into the bottom-left corner (index 2n-1-1 = 6) the
    // handle becomes the incoming one at (-13.5, -13).
    RoundingProfile profile = DefaultRoundingProfile();
    ASSERT_TRUE(ApplyPredefinedProfile(4, profile));
    const ShapeBuild s = BuildRoundedRectangle(40, 30, 12, true, 0, {0, 0}, kRoundingProfile, &profile);
    ASSERT_EQ(s.path.count, 16);
    EXPECT_POINT_NEAR(s.path.seg[1].p, -8.0f, 13.0f, 1e-6f);
    EXPECT_POINT_NEAR(s.path.seg[1].out, -13.5f, 13.0f, 1e-6f);
    EXPECT_POINT_NEAR(s.path.seg[6].p, -8.0f, -13.0f, 1e-6f);
    EXPECT_POINT_NEAR(s.path.seg[6].in, -13.5f, -13.0f, 1e-6f);
    // Mirrored again (bottom right, then top right) the handle changes side
    // each time: outgoing at (13.5, -13), then incoming at (13.5, 13).
    EXPECT_POINT_NEAR(s.path.seg[9].out, 13.5f, -13.0f, 1e-6f);
    EXPECT_POINT_NEAR(s.path.seg[14].in, 13.5f, 13.0f, 1e-6f);
}
