// What the snap search finds, run in-process on drawhost's document: the
// worked examples (tolerance and zoom, the smooth joint at 800 %, a
// segment crossed by a circle, the closing piece, the re-editable arc), the
// drag search's own rules, and the input the scan must survive: odd zooms
// and tolerances, cursors that are no finite point, doubled anchors,
// coincident segments, paths of one or no segment, a disposed art in the
// list, crossings that overflow and a label box at the end of the range.
#include <cmath>

#include "dialogs/basic_services.h"
#include "document/document.h"
#include "host/suites.h"
#include "search_fixture.h"
#include "snap/snap_search.h"

namespace snap_test {
namespace {

using namespace drawhost;

float Distance(RealPoint a, RealPoint b) { return std::hypot(a.h - b.h, a.v - b.v); }

bool Finite(RealPoint p) { return std::isfinite(p.h) && std::isfinite(p.v); }

// The two ends of a piece, in either order.
::testing::AssertionResult Ends(const qzv::SnapResult& s, RealPoint a, RealPoint b, float within = 1e-3f) {
    const bool same = Distance(s.snapPoint, a) <= within && Distance(s.segmentEnd, b) <= within;
    const bool swapped = Distance(s.snapPoint, b) <= within && Distance(s.segmentEnd, a) <= within;
    if (same || swapped) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "ends (" << s.snapPoint.h << ", " << s.snapPoint.v << ") (" << s.segmentEnd.h
                                         << ", " << s.segmentEnd.v << ")";
}

using Tracking = SearchTest;

// "Tolerance" 8 at 200 %: anchors within 4 points; at 800 % within 1 point,
// while pieces are still found within 2 points (a worked example).
TEST_F(Tracking, AnchorToleranceIsScreenPixelsOverTheZoom) {
    Line({{0, 0}, {0, 100}});
    Zoom(2);
    EXPECT_TRUE(Track(3.9f, 0).onPoint);
    EXPECT_EQ(CursorId(), 19000);
    EXPECT_EQ(globals_.snap.snapPoint.v, 0);
    EXPECT_EQ(globals_.snap.segmentEnd.v, 0);
    EXPECT_FALSE(Track(4.1f, 0).onPoint);   // nothing: off the line by more than 2 points
    EXPECT_FALSE(globals_.snap.onSegment);
    Zoom(8);
    EXPECT_TRUE(Track(0.9f, 0.3f).onPoint);
    const qzv::SnapResult& s = Track(1.1f, 0.3f);
    EXPECT_FALSE(s.onPoint);
    EXPECT_TRUE(s.onSegment);
    EXPECT_EQ(CursorId(), 19001);
    EXPECT_TRUE(Ends(s, {0, 0}, {0, 100}, 0));
}

// Near an anchor at a smooth joint of a circle at 800 %, the two pieces on
// either side lie within 2 points: the second makes an intersection before
// the anchor is ever within reach (a worked example).
TEST_F(Tracking, AtHighZoomTheSmoothJointOfACircleIsACrossing) {
    Circle({0, 0}, 50);
    Zoom(8);
    const RealPoint cursor{49.98f, 1.4f};   // 1.4 from the anchor (50, 0), on the circle
    const qzv::SnapResult& s = Track(cursor.h, cursor.v);
    EXPECT_TRUE(s.onIntersection && s.onPoint);
    EXPECT_FALSE(s.onArc || s.onCurve || s.onSegment);
    EXPECT_EQ(CursorId(), 20017);
    EXPECT_LT(Distance(s.snapPoint, cursor), 2.0f);
    EXPECT_NEAR(Distance(s.snapPoint, {0, 0}), 50.0f, 0.01f);
    Zoom(2);
    EXPECT_TRUE(Track(cursor.h, cursor.v).onPoint);
    EXPECT_FALSE(globals_.snap.onIntersection);
    EXPECT_NEAR(globals_.snap.snapPoint.h, 50.0f, 1e-4f);
}

// A segment crossed by a circle near the cursor: the crossing is the
// circle's sample within 2 points of the cursor, and segmentEnd keeps the
// segment's end. In the other paint order the circle's arc is recorded
// first and the segment crosses its chord: the segment's sample.
TEST_F(Tracking, ASegmentCrossedByACircleGivesTheSampleOfTheLaterOne) {
    Line({{-100, 30}, {100, 30}});
    Circle({0, 0}, 50);   // meets the line at (40, 30)
    const RealPoint cursor{40.5f, 30.3f};
    const qzv::SnapResult& s = Track(cursor.h, cursor.v);
    EXPECT_TRUE(s.onIntersection && s.onPoint);
    EXPECT_EQ(CursorId(), 20017);
    EXPECT_NEAR(Distance(s.snapPoint, {0, 0}), 50.0f, 0.01f);
    EXPECT_LT(Distance(s.snapPoint, cursor), 2.0f);
    EXPECT_EQ(s.segmentEnd.h, 100);
    EXPECT_EQ(s.segmentEnd.v, 30);
}

TEST_F(Tracking, ASegmentAcrossTheChordOfARecordedArcGivesTheSegmentsSample) {
    Circle({0, 0}, 50);
    Line({{-100, 30}, {100, 30}});   // crosses the chord from (50, 0) to (0, 50) at (20, 30)
    const RealPoint cursor{40.5f, 30.3f};
    const qzv::SnapResult& s = Track(cursor.h, cursor.v);
    EXPECT_TRUE(s.onIntersection);
    EXPECT_NEAR(s.snapPoint.v, 30.0f, 1e-4f);
    EXPECT_LT(Distance(s.snapPoint, cursor), 2.0f);
    EXPECT_NEAR(Distance(s.firstArc.centre, {0, 0}), 0.0f, 0.01f);   // the arc was found first
    EXPECT_NEAR(s.firstArc.radius, 50.0f, 0.01f);
}

// The closing piece runs from the first anchor back to the last.
TEST_F(Tracking, TheClosingPieceRunsFromTheFirstAnchorToTheLast) {
    const ArtHandle triangle = Line({{0, 0}, {100, 0}, {100, 100}}, true);
    const qzv::SnapResult& s = Track(50, 50.8f);
    EXPECT_TRUE(s.onSegment);
    EXPECT_EQ(CursorId(), 19001);
    EXPECT_EQ(s.snapPoint.h, 0);
    EXPECT_EQ(s.snapPoint.v, 0);
    EXPECT_EQ(s.segmentEnd.h, 100);
    EXPECT_EQ(s.segmentEnd.v, 100);
    EXPECT_LT(Distance(s.nearPoint, {50, 50.8f}), 2.0f);
    EXPECT_EQ(s.searchArt, triangle);
}

// A circle tagged "modif" outside "Cercle 1": found as a re-editable arc and
// the search ends there (the later path is never examined). In "Cercle 1"
// the search goes on over the later path.
TEST_F(Tracking, AReEditableArcEndsTheSearchOutsideCercle1) {
    const ArtHandle circle = Circle({0, 0}, 50);
    ASSERT_EQ(qzv::sTag->SetTag(circle, "modif", kTagTypeString, "1"), kNoErr);
    const ArtHandle later = Line({{300, 300}, {400, 300}});
    globals_.tool.circleMode = qzv::kCircleTwoPoints;
    const RealPoint cursor{35.6f, 35.6f};   // 0.35 outside the circle
    const qzv::SnapResult& s = Track(cursor.h, cursor.v);
    EXPECT_TRUE(s.onArc && s.onEditableArc);
    EXPECT_FALSE(s.onPoint || s.onSegment || s.onCurve || s.onIntersection);
    EXPECT_EQ(CursorId(), 20015);
    EXPECT_TRUE(Ends(s, {50, 0}, {0, 50}));
    EXPECT_EQ(s.searchArt, circle);
    EXPECT_EQ(s.firstArc.art, circle);
    EXPECT_NEAR(s.firstArc.radius, 50.0f, 0.01f);

    globals_.tool.circleMode = qzv::kCircleCentreRadius;
    Track(cursor.h, cursor.v);
    EXPECT_TRUE(s.onArc && s.onEditableArc);
    EXPECT_TRUE(Ends(s, {50, 0}, {0, 50}));
    EXPECT_EQ(s.searchArt, later);

    // A later segment that does not cross the arc's chord replaces it, and
    // the circle under it is no longer the one a click would re-open.
    Line({{20, 35.8f}, {100, 35.8f}});   // the chord h + v = 50 meets its line at h = 14.2
    Track(cursor.h, cursor.v);
    EXPECT_TRUE(s.onSegment);
    EXPECT_FALSE(s.onEditableArc);
    EXPECT_TRUE(Ends(s, {20, 35.8f}, {100, 35.8f}, 0));

    // The same circle untagged is an arc, not a re-editable one.
    ASSERT_EQ(qzv::sTag->RemoveTag(circle, "modif"), kNoErr);
    globals_.tool.circleMode = qzv::kCircleTwoPoints;
    Track(cursor.h, cursor.v);
    EXPECT_TRUE(s.onSegment);   // the arc, then the later segment
    EXPECT_FALSE(s.onEditableArc);
    EXPECT_EQ(s.firstArc.art, circle);
}

// A curve that is no arc of circle: its own cursor, and no circle taken.
TEST_F(Tracking, AFreeCurveIsACurveNotAnArc) {
    Path({{{0, 0}, {0, 0}, {30, 60}, 0}, {{100, 0}, {70, -60}, {100, 0}, 0}});   // an S through (50, 0)
    const qzv::SnapResult& s = Track(50, 0.5f);
    EXPECT_TRUE(s.onCurve);
    EXPECT_FALSE(s.onArc || s.onSegment || s.onPoint);
    EXPECT_EQ(CursorId(), 20016);
}

using Dragging = SearchTest;

// In "Cercle 1" the point on a segment is the foot from the centre under
// construction; in another tool it is the sample near the cursor.
TEST_F(Dragging, OnASegmentCercle1TakesTheFootFromTheCentre) {
    Line({{-100, 50}, {100, 50}});
    globals_.tool.centre = RealPoint{0, 0};
    const qzv::SnapResult& s = Drag(30, 50.5f);
    EXPECT_TRUE(s.onSegment);
    EXPECT_EQ(CursorId(), 19001);
    EXPECT_EQ(s.nearPoint.h, 0);   // straight below the centre on the level line
    EXPECT_EQ(s.nearPoint.v, 50);
    EXPECT_TRUE(Ends(s, {-100, 50}, {100, 50}, 0));
    globals_.currentTool = qzv::kToolRect;
    Drag(30, 50.5f);
    EXPECT_LT(Distance(s.nearPoint, {30, 50.5f}), 2.0f);
    EXPECT_NEAR(s.nearPoint.v, 50.0f, 1e-4f);
}

// Two straight segments crossing: the exact crossing, and the sample kept.
TEST_F(Dragging, TwoSegmentsCrossAtTheirExactIntersection) {
    Line({{0, 0}, {100, 100}});
    Line({{0, 100}, {100, 0}});
    const qzv::SnapResult& s = Drag(50.6f, 49.3f);
    EXPECT_TRUE(s.onIntersection && s.onPoint);
    EXPECT_EQ(CursorId(), 20017);
    EXPECT_EQ(s.snapPoint.h, 50);
    EXPECT_EQ(s.snapPoint.v, 50);
    EXPECT_LT(Distance(s.nearPoint, {50.6f, 49.3f}), 2.0f);
}

// A curve ends the drag search without making a crossing with the segment
// found before; the tracking search crosses them.
TEST_F(Dragging, ACurveEndsTheSearchAndCrossesNothing) {
    Line({{50, -50}, {50, 50}});
    const ArtHandle curve = Path({{{0, 0}, {0, 0}, {30, 60}, 0}, {{100, 0}, {70, -60}, {100, 0}, 0}});
    Line({{0, 1}, {100, 1}});   // never reached by the drag
    const qzv::SnapResult& s = Drag(50, 0.5f);
    EXPECT_TRUE(s.onCurve);
    EXPECT_FALSE(s.onSegment || s.onIntersection || s.onPoint);
    EXPECT_EQ(CursorId(), 20016);
    EXPECT_EQ(s.searchArt, curve);
    Track(50, 0.5f);
    EXPECT_TRUE(s.onIntersection);
}

// An arc ends the drag search with its circle as the second arc, and in
// "Cercle 1" the foot from the centre on its chord. When the construction
// started on an arc the search goes on and the second arc stays.
TEST_F(Dragging, AnArcIsTheSecondArcUnlessTheConstructionStartedOnOne) {
    const ArtHandle circle = Circle({0, 0}, 50);
    globals_.tool.centre = RealPoint{0, 0};
    globals_.snap.firstArc = qzv::ArcRecord{{7, 7}, 7, nullptr};
    const qzv::SnapResult& s = Drag(35.6f, 35.6f);
    EXPECT_TRUE(s.onArc);
    EXPECT_FALSE(s.onPoint || s.onSegment || s.onCurve || s.onIntersection);
    EXPECT_EQ(CursorId(), 20015);
    EXPECT_EQ(s.secondArc.art, circle);
    EXPECT_NEAR(s.secondArc.radius, 50.0f, 0.01f);
    EXPECT_NEAR(Distance(s.nearPoint, {25, 25}), 0.0f, 1e-3f);   // foot on the chord h + v = 50
    EXPECT_TRUE(Ends(s, {50, 0}, {0, 50}));
    EXPECT_EQ(s.firstArc.radius, 7);   // the tracking search's circle is left alone

    globals_.snap.secondArc = qzv::ArcRecord{{9, 9}, 9, nullptr};
    globals_.tool.circleContact1 = 1;
    Line({{0, 36}, {100, 36}});
    Drag(35.6f, 35.6f);
    EXPECT_EQ(s.secondArc.radius, 9);
    EXPECT_TRUE(s.onSegment);   // the later segment was reached
    EXPECT_FALSE(s.onArc);
}

// The drag search neither sets nor clears the re-editable mark.
TEST_F(Dragging, TheReEditableMarkIsLeftAlone) {
    const ArtHandle circle = Circle({0, 0}, 50);
    ASSERT_EQ(qzv::sTag->SetTag(circle, "modif", kTagTypeString, "1"), kNoErr);
    globals_.tool.circleMode = qzv::kCircleTwoPoints;
    globals_.snap.onEditableArc = false;
    EXPECT_TRUE(Drag(35.6f, 35.6f).onArc);
    EXPECT_FALSE(globals_.snap.onEditableArc);
    globals_.snap.onEditableArc = true;
    EXPECT_FALSE(Drag(200, 200).onArc);
    EXPECT_TRUE(globals_.snap.onEditableArc);
}

// The polygonal line being drawn, tagged as under construction: its
// vertices only, the last one (under the mouse) left out during a drag.
TEST_F(Dragging, ThePolygonalLineLeavesOutItsLastVertex) {
    const ArtHandle line = Line({{0, 0}, {100, 0}, {100, 100}});
    ASSERT_EQ(qzv::sTag->SetTag(line, "qzv", kTagTypeString, "1"), kNoErr);
    globals_.currentTool = qzv::kToolRect;
    globals_.tool.rectMode = 2;
    globals_.settings.working.LignePoly = true;
    globals_.tool.art.rectPath = line;
    EXPECT_TRUE(Track(100.5f, 99.5f).onPoint);
    EXPECT_EQ(CursorId(), 19000);
    EXPECT_FALSE(Drag(100.5f, 99.5f).onPoint);
    EXPECT_EQ(CursorId(), 21003);
    EXPECT_TRUE(Drag(0.5f, 0.5f).onPoint);
    EXPECT_EQ(CursorId(), 21004);
    EXPECT_FALSE(Drag(50, 0.5f).onSegment);   // its pieces are not found
    // Disposed between two events: the general scan alone.
    ASSERT_EQ(DocumentDisposeArt(line), kNoErr);
    EXPECT_FALSE(Track(0.5f, 0.5f).onPoint);
}

// The quarter circle of radius 50 about the origin from (50, 0) to (0, 50),
// handles 27.6 long on the tangents: the circle through both ends tangent
// at the second is the origin's (independent reasoning: the normal at
// (0, 50) is the v axis, the chord's bisector is h = v).
struct QuarterArc {
    PathSegment a{{50, 0}, {50, 0}, {50, 27.6f}, 0};
    PathSegment b{{0, 50}, {27.6f, 50}, {-27.6f, 50}, 0};
};

TEST(CircleOfAnArc, TheCircleThroughBothEndsTangentAtTheSecond) {
    const QuarterArc q;
    RealPoint centre{};
    const float radius = qzv::CircleFromArcEnds(q.a, q.b, &centre);
    EXPECT_NEAR(centre.h, 0.0f, 1e-3f);
    EXPECT_NEAR(centre.v, 0.0f, 1e-3f);
    EXPECT_NEAR(radius, 50.0f, 1e-3f);
}

TEST(CircleOfAnArc, TheCursorMustBeOnTheCircleAndTheHandlesOnItsTangents) {
    QuarterArc q;
    RealPoint centre{};
    float radius = 0;
    const RealPoint onCircle{35.36f, 35.36f};
    EXPECT_TRUE(qzv::IsCircularArc(onCircle, q.a, q.b, 8, &centre, &radius));
    EXPECT_NEAR(radius, 50.0f, 1e-3f);
    EXPECT_FALSE(qzv::IsCircularArc({42, 42}, q.a, q.b, 8, &centre, &radius));   // 9.4 outside
    EXPECT_NEAR(radius, 50.0f, 1e-3f);   // the circle is still computed
    // a's incoming handle retracted: a's outgoing handle is tested (b's
    // incoming one sets the tangent at b, so it lies on it), b's outgoing is not.
    q.b.out = RealPoint{-27.6f, 60};
    EXPECT_TRUE(qzv::IsCircularArc(onCircle, q.a, q.b, 8, &centre, &radius));
    q.a.out = RealPoint{51, 27.6f};   // 1 off the tangent: c^2 - a^2 - r^2 = 100
    EXPECT_FALSE(qzv::IsCircularArc(onCircle, q.a, q.b, 8, &centre, &radius));
    EXPECT_TRUE(qzv::IsCircularArc(onCircle, q.a, q.b, 101, &centre, &radius));
    // a's incoming handle out: it and b's outgoing are tested instead.
    q = QuarterArc{};
    q.a.in = RealPoint{50, -27.6f};
    q.a.out = RealPoint{51, 27.6f};
    EXPECT_TRUE(qzv::IsCircularArc(onCircle, q.a, q.b, 8, &centre, &radius));
    q.a.in = RealPoint{49, -27.6f};
    EXPECT_FALSE(qzv::IsCircularArc(onCircle, q.a, q.b, 8, &centre, &radius));
    q.a.in = RealPoint{50, -27.6f};
    q.b.out = RealPoint{-27.6f, 49};
    EXPECT_FALSE(qzv::IsCircularArc(onCircle, q.a, q.b, 8, &centre, &radius));
}

TEST(CircleOfAnArc, AnEndWithoutHandlesIsNoArcAndComputesNothing) {
    QuarterArc q;
    q.b.in = q.b.out = q.b.p;
    RealPoint centre{7, 7};
    float radius = 7;
    EXPECT_FALSE(qzv::IsCircularArc({35.36f, 35.36f}, q.a, q.b, 8, &centre, &radius));
    EXPECT_EQ(radius, 7);
    EXPECT_EQ(centre.h, 7);
    // Coincident ends: no circle to speak of, and no arc.
    q = QuarterArc{};
    q.b.p = q.a.p;
    EXPECT_FALSE(qzv::IsCircularArc({50, 0.5f}, q.a, q.b, 0, &centre, &radius));
}

using BadInput = SearchTest;

// A zoom of 0, a negative or a NaN one counts as 100 %.
TEST_F(BadInput, AZoomThatCannotDivideCountsAsOne) {
    Line({{0, 0}});
    for (float zoom : {0.0f, -2.0f, std::nanf(""), INFINITY}) {
        Zoom(zoom);
        EXPECT_TRUE(Track(7.9f, 0).onPoint) << zoom;
        EXPECT_FALSE(Track(8.1f, 0).onPoint) << zoom;
        EXPECT_TRUE(Finite(globals_.snap.snapPoint)) << zoom;
    }
}

// "Tolerance" 0 finds only the anchor exactly under the cursor, a negative
// one no anchor, 255 the first path's anchor within 255 points even when a
// later one is nearer. Pieces are still found within 2 points.
TEST_F(BadInput, ToleranceAtItsEnds) {
    Line({{0, 0}, {0, 100}});
    Line({{200, 0}});
    globals_.settings.general.Tolerance = 0;
    EXPECT_TRUE(Track(0, 0).onPoint);
    EXPECT_TRUE(Track(0.01f, 0).onSegment);
    EXPECT_FALSE(globals_.snap.onPoint);
    globals_.settings.general.Tolerance = -5;
    EXPECT_FALSE(Track(0, 0).onPoint);
    EXPECT_TRUE(globals_.snap.onSegment);
    globals_.settings.general.Tolerance = 255;
    const qzv::SnapResult& s = Track(190, 0);
    EXPECT_TRUE(s.onPoint);
    EXPECT_EQ(s.snapPoint.h, 0);   // paint order, not nearness: the first path's last anchor
    EXPECT_EQ(s.snapPoint.v, 100);
}

// A cursor at NaN or infinity finds nothing and writes no NaN into the
// points; one at 1e30 is far from everything.
TEST_F(BadInput, CursorsThatAreNoUsablePoint) {
    Line({{0, 0}, {100, 0}});
    ASSERT_TRUE(Track(0.5f, 0.5f).onPoint);
    const int32_t cursorBefore = CursorId();
    for (RealPoint odd : {RealPoint{std::nanf(""), 0}, RealPoint{0, std::nanf("")}, RealPoint{INFINITY, 0},
                          RealPoint{0, -INFINITY}}) {
        const qzv::SnapResult& s = Track(odd.h, odd.v);
        EXPECT_FALSE(s.onPoint || s.onSegment || s.onArc || s.onCurve || s.onIntersection || s.onEditableArc);
        EXPECT_TRUE(Finite(s.snapPoint) && Finite(s.segmentEnd) && Finite(s.nearPoint));
        EXPECT_EQ(s.snapPoint.h, 0);   // the previous search's anchor
        Drag(odd.h, odd.v);
        EXPECT_FALSE(s.onPoint || s.onSegment);
        EXPECT_TRUE(Finite(s.snapPoint) && Finite(s.segmentEnd));
        EXPECT_EQ(CursorId(), cursorBefore);
    }
    for (float far : {1e30f, -1e30f}) {
        const qzv::SnapResult& s = Track(far, far);
        EXPECT_FALSE(s.onPoint || s.onSegment);
        EXPECT_EQ(s.snapPoint.h, far);   // nothing found: the cursor
    }
}

// A doubled anchor or a closing piece back onto the first anchor makes a
// straight piece of no length: it is no segment, and the real segment found
// before it stays (a point found as a segment would snap the click onto a
// level line through it).
TEST_F(BadInput, APieceOfNoLengthIsNoSegment) {
    Zoom(8);   // anchors within 1 point, pieces within 2
    Line({{0, 0}, {100, 0}, {100, 0}});
    const qzv::SnapResult& s = Track(99.5f, 1.5f);
    EXPECT_TRUE(s.onSegment);
    EXPECT_TRUE(Ends(s, {0, 0}, {100, 0}, 0));
    DocumentReset();
    Zoom(8);
    Line({{0, 0}, {100, 0}, {100, 100}, {0, 0}}, true);
    Track(0.5f, 1.5f);
    EXPECT_TRUE(s.onSegment);
    EXPECT_TRUE(Ends(s, {100, 100}, {0, 0}, 0));   // the diagonal, not the point (0, 0)
    // A lone anchor, closed: found within the tolerance only.
    DocumentReset();
    Zoom(8);
    Line({{0, 0}}, true);
    EXPECT_FALSE(Track(1.5f, 0).onSegment);
    EXPECT_FALSE(s.onPoint);
    EXPECT_TRUE(Track(0.5f, 0).onPoint);
}

// Two paths over the same segment do not cross: the later one is found.
TEST_F(BadInput, CoincidentSegmentsDoNotCross) {
    Line({{0, 0}, {100, 0}});
    Line({{100, 0}, {0, 0}});
    const qzv::SnapResult& s = Track(50, 0.5f);
    EXPECT_TRUE(s.onSegment);
    EXPECT_FALSE(s.onIntersection);
    EXPECT_EQ(s.snapPoint.h, 100);   // the later path's first anchor
    EXPECT_EQ(s.segmentEnd.h, 0);
}

// A path without segments is looked at and passed over.
TEST_F(BadInput, APathWithoutSegments) {
    Line({{0, 0}, {100, 0}});
    const ArtHandle empty = Path({});
    const qzv::SnapResult& s = Track(50, 0.5f);
    EXPECT_TRUE(s.onSegment);
    EXPECT_EQ(s.searchArt, empty);
    EXPECT_FALSE(Track(50, 50).onSegment);
}

// A host that hands out a disposed art in its list: every call on it fails
// and the scan goes on to the next path.
const MatchingArtSuite* gRealMatching = nullptr;
ArtHandle gList[3];
HostErr ListWithADisposedArt(const ArtHandle** paths, int32_t* count) {
    const ArtHandle* real = nullptr;
    int32_t n = 0;
    const HostErr err = gRealMatching->GetMatchingPaths(&real, &n);
    *paths = gList;
    *count = 3;
    return err;
}

TEST_F(BadInput, ADisposedArtInTheListIsPassedOver) {
    const ArtHandle gone = Line({{0, 0}, {100, 0}});
    const ArtHandle kept = Line({{0, 10}, {100, 10}});
    ASSERT_EQ(DocumentDisposeArt(gone), kNoErr);
    gRealMatching = qzv::sMatchingArt;
    gList[0] = gone;
    gList[1] = kept;
    gList[2] = gone;
    MatchingArtSuite suite = *gRealMatching;
    suite.GetMatchingPaths = ListWithADisposedArt;
    qzv::sMatchingArt = &suite;
    EXPECT_TRUE(Track(0.5f, 10).onPoint);
    EXPECT_EQ(globals_.snap.snapPoint.v, 10);
    EXPECT_FALSE(Track(50, 0.5f).onSegment);   // the disposed line is not found
    EXPECT_EQ(globals_.snap.searchArt, kept);
    qzv::sMatchingArt = gRealMatching;
}

// A line 1e-39 off vertical: its slope overflows and the crossing computed
// from it is NaN. The sample on the segment near the cursor is taken, and
// so in a drag of "Cercle 1" for the foot from the centre.
TEST_F(BadInput, ACrossingThatOverflowsTakesTheSample) {
    Line({{0, -30}, {1e-39f, 30}});
    Line({{-30, 1}, {30, 1}});
    const RealPoint cursor{0.5f, 1.5f};
    const qzv::SnapResult& s = Track(cursor.h, cursor.v);
    EXPECT_TRUE(s.onIntersection);
    ASSERT_TRUE(Finite(s.snapPoint));
    EXPECT_LT(Distance(s.snapPoint, cursor), 2.0f);
    Drag(cursor.h, cursor.v);
    EXPECT_TRUE(s.onIntersection);
    ASSERT_TRUE(Finite(s.snapPoint));
    EXPECT_LT(Distance(s.snapPoint, cursor), 2.0f);

    DocumentReset();
    Line({{0, -30}, {1e-39f, 30}});
    globals_.tool.centre = RealPoint{50, 3};
    Drag(cursor.h, cursor.v);
    EXPECT_TRUE(s.onSegment);
    ASSERT_TRUE(Finite(s.nearPoint));
    EXPECT_NEAR(s.nearPoint.h, 0.0f, 1e-3f);   // on the line
}

// The label box beside a cursor at the very end of the view's range is
// flattened against INT32_MAX rather than wrapped to the other side.
TEST_F(BadInput, TheLabelBoxSaturates) {
    TheDocument().view.origin = RealPoint{-2147483392.0f, 0};
    const RealPoint cursor{200, -10};   // view point (2147483592, 10)
    Track(cursor.h, cursor.v);
    const IntRect& box = globals_.tool.annotationBox;
    EXPECT_EQ(box.left, 2147483596);
    EXPECT_EQ(box.right, INT32_MAX);
    EXPECT_EQ(box.top, -2);
    EXPECT_EQ(box.bottom, 22);
}

}  // namespace
}  // namespace snap_test
