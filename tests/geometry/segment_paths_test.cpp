// Segments, the polygonal line's end, tangent and perpendicular segments.
#include <cmath>

#include "near.h"
#include "plane.h"
#include "rect_tool_shape.h"
#include "segment_paths.h"

using namespace qzv;

TEST(BuildSegment, CentredSpansBothSidesUncentredStartsAtTheAnchor) {
    const ShapePath centred = PlacedPath(BuildSegment(20, true, 0, {5, 5}));
    ASSERT_EQ(centred.count, 2);
    EXPECT_FALSE(centred.closed);
    EXPECT_POINT_NEAR(centred.seg[0].p, -5.0f, 5.0f, 0.0f);
    EXPECT_POINT_NEAR(centred.seg[1].p, 15.0f, 5.0f, 0.0f);
    const ShapePath from = PlacedPath(BuildSegment(20, false, kHalfPi, {5, 5}));
    EXPECT_POINT_NEAR(from.seg[0].p, 5.0f, 5.0f, 0.0f);
    EXPECT_POINT_NEAR(from.seg[1].p, 5.0f, 25.0f, 1e-5f);
    EXPECT_EQ(from.seg[1].corner, 1);
}

TEST(BuildPerpendicularSegment, RunsAlongTheTangentTowardOrAwayFromTheCursor) {
    // Circle about the origin clicked at B = (10, 0): the tangent is vertical.
    const RealPoint b{10, 0};
    const ShapeBuild toward = BuildPerpendicularSegment({10, 3}, 5, false, b, 0);
    EXPECT_FALSE(toward.placed);
    EXPECT_POINT_NEAR(toward.path.seg[0].p, 10.0f, 0.0f, 0.0f);
    EXPECT_POINT_NEAR(toward.path.seg[1].p, 10.0f, 5.0f, 1e-5f);
    const ShapeBuild away = BuildPerpendicularSegment({10, 3}, -5, false, b, 0);
    EXPECT_POINT_NEAR(away.path.seg[1].p, 10.0f, -5.0f, 1e-5f);
    const ShapeBuild centred = BuildPerpendicularSegment({10, 3}, 5, true, b, 0);
    EXPECT_POINT_NEAR(centred.path.seg[0].p, 10.0f, 5.0f, 1e-5f);
    EXPECT_POINT_NEAR(centred.path.seg[1].p, 10.0f, -5.0f, 1e-5f);
    EXPECT_EQ(centred.path.seg[0].corner, 1);
    EXPECT_EQ(centred.path.seg[1].corner, 1);
}

TEST(BuildTangentSegment, TicksOnlyForTheFirstCandidate) {
    // Radii 2 at (0,0) and (10,0): the tangent above touches (0,2) and (10,2).
    const TangentSegment above = BuildTangentSegment({5, 9}, false, {0, 0}, 2, {10, 0}, 2, 4);
    EXPECT_POINT_NEAR(above.segment.path.seg[0].p, 0.0f, 2.0f, 1e-5f);
    EXPECT_POINT_NEAR(above.segment.path.seg[1].p, 10.0f, 2.0f, 1e-5f);
    ASSERT_TRUE(above.ticks);
    // A 4-point tick across the segment at each touching point.
    EXPECT_POINT_NEAR(above.tick[0].seg[0].p, 0.0f, 4.0f, 1e-5f);
    EXPECT_POINT_NEAR(above.tick[0].seg[1].p, 0.0f, 0.0f, 1e-5f);
    EXPECT_POINT_NEAR(above.tick[1].seg[0].p, 10.0f, 4.0f, 1e-5f);
    const TangentSegment below = BuildTangentSegment({5, -9}, false, {0, 0}, 2, {10, 0}, 2, 4);
    EXPECT_FALSE(below.ticks);
    EXPECT_POINT_NEAR(below.segment.path.seg[0].p, 0.0f, -2.0f, 1e-5f);
}

TEST(PolygonalLine, EndFollowsLengthAndAngleFromThePreviousVertex) {
    RectToolInput in{};
    in.mode = kRectModeSegment;
    in.polylineOn = true;
    in.anchor = {3, 4};
    in.previousVertex = {3, 4};
    in.length = 10;
    in.segmentAngle = kHalfPi;
    in.polylineSegmentCount = 5;
    const RectToolResult r = BuildRectToolShape(in);
    ASSERT_EQ(r.outcome, RectToolOutcome::kPolylineEnd);
    ASSERT_TRUE(r.polyline.valid);
    EXPECT_EQ(r.polyline.firstIndex, 3);
    EXPECT_POINT_NEAR(r.polyline.seg[0].p, 3.0f, 4.0f, 0.0f);
    EXPECT_POINT_NEAR(r.polyline.seg[1].p, 3.0f, 14.0f, 1e-5f);
    EXPECT_POINT_NEAR(r.polyline.newAnchor, 3.0f, 14.0f, 1e-5f);
    EXPECT_FALSE(UpdatePolylineEnd({0, 0}, {1, 1}, 1).valid);
}
