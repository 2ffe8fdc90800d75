// The circle tool's modes through two and three points and its three arc
// modes, clicked and dragged as a user does. Expected centres and radii
// come from the construction of each example (right triangles, points on
// known circles); arcs are checked at their end anchors.
#include <cmath>

#include "tool_scenario.h"

using drawhost_test::LogLinesWith;

namespace tools_test {
namespace {

using namespace drawhost;

class CircleModes : public ToolScenario {
protected:
    void Mode(int mode) {
        StartPlugin("Centre = bool:false\nShiftRayon = real:10\n");
        Select(kCircleTool);
        State().tool.circleMode = mode;
    }
    const Art* Named(const char* name) {
        std::vector<const Art*> art = ArtNamed(name);
        EXPECT_EQ(art.size(), 1u) << name;
        return art.empty() ? nullptr : art[0];
    }
    // Every anchor of the path lies on the circle (c, r).
    void ExpectOnCircle(const Art& path, RealPoint c, float r, size_t from = 0, size_t to = 100) {
        for (size_t i = from; i < path.segments.size() && i < to; ++i) {
            const PathSegment& s = path.segments[i];
            EXPECT_NEAR(std::hypot(s.p.h - c.h, s.p.v - c.v), r, 2e-4f * (r + 1)) << "anchor " << i;
        }
    }
    void ExpectAnchor(const Art& path, size_t i, float h, float v, float tolerance = 2e-4f) {
        ASSERT_LT(i, path.segments.size());
        EXPECT_NEAR(path.segments[i].p.h, h, tolerance) << "anchor " << i;
        EXPECT_NEAR(path.segments[i].p.v, v, tolerance) << "anchor " << i;
    }
    const qzv::ToolState& Tool() { return State().tool; }
};

TEST_F(CircleModes, TwoPointsGiveTheCircleOnTheirDiameterThenTheCentreSlidesOnTheBisector) {
    Mode(1);
    EXPECT_EQ(Click(0, 0), 0);
    EXPECT_EQ(Tool().step, 1);
    EXPECT_FALSE(Tool().constructionLive);
    EXPECT_TRUE(AllArt().size() == 1u && AllArt()[0]->name.empty());   // the preview only
    EXPECT_EQ(Hover(40, 40), 0);
    EXPECT_EQ(LastCursor(), 17002);
    EXPECT_EQ(LastInfo(), "Clic sur le second point du cercle.");
    EXPECT_EQ(Down(100, 0), 0);
    EXPECT_TRUE(Tool().constructionLive);
    EXPECT_FLOAT_EQ(Tool().radius, 50);
    EXPECT_FLOAT_EQ(Tool().centre.h, 50);
    // Straight up: the centre follows on the bisector h = 50, the circle
    // still passes through both points.
    EXPECT_EQ(Drag(100, 30), 0);
    EXPECT_FLOAT_EQ(Tool().centre.h, 50);
    EXPECT_FLOAT_EQ(Tool().centre.v, 30);
    EXPECT_NEAR(Tool().radius, std::sqrt(50.0f * 50 + 30 * 30), 1e-4);
    // Shift: the radius goes to a multiple of 10 (60) and the centre moves
    // so that the circle still passes through both points.
    Key("shift", true);
    EXPECT_EQ(Drag(100, 31), 0);
    Key("shift", false);
    EXPECT_FLOAT_EQ(Tool().radius, 60);
    EXPECT_NEAR(Tool().centre.v, std::sqrt(60.0f * 60 - 50 * 50), 1e-4);
    // Alt: the smallest circle again.
    Key("alt", true);
    EXPECT_EQ(Drag(100, 40), 0);
    Key("alt", false);
    EXPECT_FLOAT_EQ(Tool().radius, 50);
    EXPECT_EQ(Drag(20, -40), 0);
    EXPECT_EQ(Up(20, -40), 0);
    const Art* circle = Named("Cercle 2");
    ASSERT_TRUE(circle);
    ExpectOnCircle(*circle, RealPoint{50, -40}, std::hypot(50.0f, 40.0f));
    EXPECT_EQ(Tool().step, 0);
    EXPECT_EQ(circle->tags.count("modif"), 0u);   // only "Cercle 1" is re-editable
    // The preview is gone with the construction.
    EXPECT_EQ(AllArt().size(), 1u);
}

TEST_F(CircleModes, TwoPointsOnASlantSlideTheCentreOnTheirBisector) {
    Mode(1);
    EXPECT_EQ(Click(0, 0), 0);
    EXPECT_EQ(Down(60, 80), 0);   // the bisector: through (30, 40), slope -3/4
    EXPECT_EQ(Drag(70, 0), 0);    // centre at h = 70: v = 40 - 0.75 * 40 = 10
    EXPECT_FLOAT_EQ(Tool().centre.h, 70);
    EXPECT_FLOAT_EQ(Tool().centre.v, 10);
    EXPECT_FLOAT_EQ(Tool().radius, std::hypot(70.0f, 10.0f));
    EXPECT_EQ(Up(70, 0), 0);
}

TEST_F(CircleModes, ThreePointsGiveTheirCircle) {
    Mode(2);
    EXPECT_EQ(Click(0, 0), 0);
    EXPECT_EQ(Click(100, 0), 0);
    EXPECT_EQ(Tool().step, 2);
    EXPECT_EQ(Hover(50, 50), 0);
    EXPECT_EQ(LastCursor(), 18003);
    EXPECT_EQ(Down(50, 50), 0);
    EXPECT_FLOAT_EQ(Tool().centre.h, 50);
    EXPECT_FLOAT_EQ(Tool().centre.v, 0);
    EXPECT_FLOAT_EQ(Tool().radius, 50);
    // The third point follows the drag: (0, 100) puts it on the circle of
    // centre (50, 50) through (0, 0) and (100, 0).
    EXPECT_EQ(Drag(0, 100), 0);
    EXPECT_FLOAT_EQ(Tool().centre.v, 50);
    EXPECT_EQ(Up(0, 100), 0);
    const Art* circle = Named("Cercle 3");
    ASSERT_TRUE(circle);
    ExpectOnCircle(*circle, RealPoint{50, 50}, std::hypot(50.0f, 50.0f));
    EXPECT_EQ(Tool().step, 0);
}

TEST_F(CircleModes, AlignedPointsGiveTheAlertAndNoShapeThenTheConstructionStartsOver) {
    Mode(2);
    EXPECT_EQ(Click(0, 0), 0);
    EXPECT_EQ(Click(50, 0), 0);
    EXPECT_EQ(Down(100, 0), 0);
    EXPECT_EQ(Alerts(), (std::vector<std::string>{"alert(message): Impossible. Les points sont alignés."}));
    EXPECT_EQ(Drag(120, 0), 0);   // still aligned: no second alert, nothing built
    EXPECT_EQ(Up(120, 0), 0);
    EXPECT_EQ(Alerts().size(), 1u);
    EXPECT_TRUE(AllArt().empty());
    EXPECT_EQ(Tool().step, 0);
    // Points on a slanted line whose bisectors differ by rounding alone.
    EXPECT_EQ(Click(0.1f, 0.3f), 0);
    EXPECT_EQ(Click(0.2f, 0.6f), 0);
    EXPECT_EQ(Click(0.3f, 0.9f), 0);
    EXPECT_EQ(Alerts().size(), 2u);
    EXPECT_TRUE(AllArt().empty());
    // A good third point after that.
    EXPECT_EQ(Click(0, 0), 0);
    EXPECT_EQ(Click(100, 0), 0);
    EXPECT_EQ(Click(50, -50), 0);
    EXPECT_TRUE(Named("Cercle 3"));
}

class ArcModes : public CircleModes {
protected:
    void ArcMode(int mode, const std::string& more = "Secteur = bool:true\n") {
        StartPlugin("Centre = bool:false\n" + more);
        Select(kCircleTool);
        State().tool.circleMode = mode;
    }
};

TEST_F(ArcModes, CentreThenStartThenDragToTheEnd) {
    ArcMode(3);
    EXPECT_EQ(Click(0, 0), 0);
    EXPECT_EQ(Hover(100, 5), 0);
    EXPECT_EQ(LastInfo(), "Tirez jusqu'à la fin de l'arc/secteur.");
    EXPECT_EQ(Down(100, 0), 0);
    EXPECT_FLOAT_EQ(Tool().radius, 100);
    // A quarter toward +v: a sector of one piece closed through the centre.
    EXPECT_EQ(Drag(0, 100), 0);
    EXPECT_NEAR(Tool().sweep, -1.5707964f, 1e-6);
    EXPECT_FALSE(Tool().complement);
    // The measurement box beside the cursor: 48 pixels high for an arc.
    const IntRect box = Tool().annotationBox;
    EXPECT_EQ(box.right - box.left, 138);
    EXPECT_EQ(box.bottom - box.top, 48);
    EXPECT_EQ(Up(0, 100), 0);
    const Art* arc = Named("Arc/Secteur 1");
    ASSERT_TRUE(arc);
    ASSERT_EQ(arc->segments.size(), 3u);
    EXPECT_TRUE(arc->closed);
    ExpectAnchor(*arc, 0, 100, 0);
    ExpectAnchor(*arc, 1, 0, 100);
    ExpectAnchor(*arc, 2, 0, 0);
}

TEST_F(ArcModes, DraggingAcrossTheStartDirectionKeepsTheArcOnTheSideDraggedThrough) {
    ArcMode(3);
    EXPECT_EQ(Click(0, 0), 0);
    EXPECT_EQ(Down(100, 0), 0);
    EXPECT_EQ(Drag(0, 100), 0);
    EXPECT_EQ(Drag(100, -10), 0);   // across the start direction
    EXPECT_TRUE(Tool().complement);
    EXPECT_GT(Tool().sweep, 0);
    EXPECT_EQ(Up(100, -10), 0);
    const Art* arc = Named("Arc/Secteur 1");
    ASSERT_TRUE(arc);
    // The long way round: three quarters and a last piece, then the centre.
    ASSERT_EQ(arc->segments.size(), 6u);
    ExpectAnchor(*arc, 0, 100, 0);
    const float end = std::atan2(-10.0f, 100.0f);
    ExpectAnchor(*arc, 4, 100 * std::cos(end), 100 * std::sin(end), 1e-3f);
    ExpectOnCircle(*arc, RealPoint{0, 0}, 100, 0, 5);
    // The other way round: toward -v first, then across.
    EXPECT_EQ(Click(0, 0), 0);
    EXPECT_EQ(Down(100, 0), 0);
    EXPECT_EQ(Drag(0, -100), 0);
    EXPECT_FALSE(Tool().complement);
    EXPECT_EQ(Drag(100, 10), 0);
    EXPECT_TRUE(Tool().complement);
    EXPECT_LT(Tool().sweep, 0);
    EXPECT_EQ(Up(100, 10), 0);
}

TEST_F(ArcModes, CtrlShowsTheOtherKindWhileHeldAndAltTheOtherArc) {
    ArcMode(3);
    EXPECT_EQ(Click(0, 0), 0);
    EXPECT_EQ(Down(100, 0), 0);
    EXPECT_EQ(Drag(0, 100), 0);
    Key("ctrl", true);
    EXPECT_EQ(Drag(0, 101), 0);
    EXPECT_FALSE(State().settings.working.Secteur);
    Key("ctrl", false);
    EXPECT_EQ(Drag(0, 100), 0);
    EXPECT_TRUE(State().settings.working.Secteur);
    Key("alt", true);
    EXPECT_EQ(Drag(0, 101), 0);
    EXPECT_TRUE(Tool().complement);
    Key("ctrl", true);
    EXPECT_EQ(Up(0, 100), 0);   // still held at mouse up: the flipped values stay
    Key("ctrl", false);
    Key("alt", false);
    const Art* arc = Named("Arc/Secteur 1");
    ASSERT_TRUE(arc);
    EXPECT_FALSE(arc->closed);   // an open arc
    ASSERT_EQ(arc->segments.size(), 4u);   // three quarters: three pieces
    ExpectAnchor(*arc, 0, 100, 0);
    ExpectAnchor(*arc, 3, 0, 100);
    ExpectAnchor(*arc, 1, 0, -100);   // the long way, through -v
}

TEST_F(ArcModes, ShiftStepsTheSweep) {
    ArcMode(3, "Secteur = bool:true\nShiftAngle = real:0.7853982\n");   // 45 degrees
    EXPECT_EQ(Click(0, 0), 0);
    EXPECT_EQ(Down(100, 0), 0);
    Key("shift", true);
    EXPECT_EQ(Drag(100, 60), 0);   // about 31 degrees: 45
    EXPECT_NEAR(Tool().sweep, -0.7853982f, 1e-6);
    EXPECT_EQ(Up(100, 60), 0);
    Key("shift", false);
    const Art* arc = Named("Arc/Secteur 1");
    ASSERT_TRUE(arc);
    ExpectAnchor(*arc, 1, 100 * std::cos(0.7853982f), 100 * std::sin(0.7853982f), 1e-3f);
}

TEST_F(ArcModes, TwoEndsThenTheCentreFollowsTheCursorOnTheirBisector) {
    ArcMode(4, "Secteur = bool:false\n");
    EXPECT_EQ(Click(0, 0), 0);
    EXPECT_EQ(Down(100, 0), 0);
    // The centre on the chord: a half circle.
    EXPECT_FLOAT_EQ(Tool().radius, 50);
    EXPECT_EQ(Drag(70, 50), 0);
    EXPECT_FLOAT_EQ(Tool().centre.h, 50);
    EXPECT_FLOAT_EQ(Tool().centre.v, 50);
    EXPECT_NEAR(Tool().sweep, -1.5707964f, 1e-6);   // a quarter from -135 to -45 degrees
    EXPECT_EQ(Up(70, 50), 0);
    const Art* arc = Named("Arc/Secteur 2");
    ASSERT_TRUE(arc);
    ASSERT_EQ(arc->segments.size(), 2u);
    ExpectAnchor(*arc, 0, 0, 0);
    ExpectAnchor(*arc, 1, 100, 0);
}

TEST_F(ArcModes, ThreePointsDrawTheArcThatPassesThroughTheSecond) {
    ArcMode(5, "Secteur = bool:false\n");
    // Above the chord, then below: the half circle on the second point's side.
    EXPECT_EQ(Click(0, 0), 0);
    EXPECT_EQ(Click(50, 50), 0);
    EXPECT_EQ(Click(100, 0), 0);
    EXPECT_EQ(ArtNamed("Arc/Secteur 3").size(), 1u);
    const Art* upper = ArtNamed("Arc/Secteur 3")[0];
    ExpectAnchor(*upper, 1, 50, 50, 1e-3f);
    EXPECT_EQ(Click(200, 0), 0);
    EXPECT_EQ(Click(250, -50), 0);
    EXPECT_EQ(Click(300, 0), 0);
    ASSERT_EQ(ArtNamed("Arc/Secteur 3").size(), 2u);
    ExpectAnchor(*ArtNamed("Arc/Secteur 3")[1], 1, 250, -50, 1e-3f);

    // A second point on the long arc near one end: ends at 100 and 80
    // degrees, the second point at 60 degrees, all on the circle of radius
    // 100 about the origin. The arc drawn is the long one, through 60.
    auto on = [](float degrees) {
        const float a = degrees * 3.14159265f / 180;
        return RealPoint{100 * std::cos(a), 100 * std::sin(a)};
    };
    const RealPoint p1 = on(100), p2 = on(60), p3 = on(80);
    EXPECT_EQ(Click(p1.h, p1.v), 0);
    EXPECT_EQ(Click(p2.h, p2.v), 0);
    EXPECT_EQ(Click(p3.h, p3.v), 0);
    ASSERT_EQ(ArtNamed("Arc/Secteur 3").size(), 3u);
    const Art& long_arc = *ArtNamed("Arc/Secteur 3")[2];
    EXPECT_EQ(long_arc.segments.size(), 5u);   // four pieces: 340 degrees
    ExpectOnCircle(long_arc, RealPoint{0, 0}, 100);
    ExpectAnchor(long_arc, 0, p1.h, p1.v, 1e-3f);
    ExpectAnchor(long_arc, 4, p3.h, p3.v, 1e-3f);
    // The long way from 100 to 80 degrees turns toward increasing angle:
    // its second anchor is a quarter on, at 190 degrees.
    ExpectAnchor(long_arc, 1, on(190).h, on(190).v, 1e-3f);
}

}  // namespace
}  // namespace tools_test

namespace tools_test {
namespace {

class Preview : public CircleModes {
protected:
    // The guide path of the construction preview, or null.
    const Art* Band() {
        for (const Art* art : AllArt())
            if (art->kind == kArtPath && art->guide) return art;
        return nullptr;
    }
    void ExpectBand(std::vector<RealPoint> points, bool closed) {
        const Art* band = Band();
        ASSERT_TRUE(band);
        EXPECT_EQ(band->closed, closed);
        ASSERT_EQ(band->segments.size(), points.size());
        for (size_t i = 0; i < points.size(); ++i) {
            EXPECT_FLOAT_EQ(band->segments[i].p.h, points[i].h) << i;
            EXPECT_FLOAT_EQ(band->segments[i].p.v, points[i].v) << i;
            EXPECT_TRUE(PointsEqualExactly(band->segments[i].in, band->segments[i].p));
        }
    }
    static bool PointsEqualExactly(RealPoint a, RealPoint b) { return a.h == b.h && a.v == b.v; }
};

TEST_F(Preview, ThreePointsShowTheChordThenTheTriangleFollowingTheCursor) {
    Mode(2);
    EXPECT_EQ(Click(0, 0), 0);
    EXPECT_EQ(Hover(30, 40), 0);
    ExpectBand({{0, 0}, {30, 40}}, false);
    EXPECT_EQ(Click(100, 0), 0);
    EXPECT_EQ(Hover(50, 50), 0);
    ExpectBand({{0, 0}, {100, 0}, {50, 50}}, true);
    EXPECT_EQ(Hover(60, 70), 0);
    ExpectBand({{0, 0}, {100, 0}, {60, 70}}, true);
    EXPECT_EQ(Click(60, 70), 0);
    EXPECT_FALSE(Band());   // the construction is complete
}

TEST_F(Preview, TwoEndsShowTheArcsConstructionDuringTheDrag) {
    StartPlugin("Centre = bool:false\nSecteur = bool:false\n");
    Select(kCircleTool);
    State().tool.circleMode = 4;
    EXPECT_EQ(Click(0, 0), 0);
    EXPECT_EQ(Hover(100, 10), 0);
    ExpectBand({{0, 0}, {100, 10}}, false);
    EXPECT_EQ(Down(100, 0), 0);
    EXPECT_EQ(Drag(50, 50), 0);
    // Start, centre, end.
    const Art* band = Band();
    ASSERT_TRUE(band);
    ASSERT_EQ(band->segments.size(), 3u);
    EXPECT_NEAR(band->segments[1].p.h, 50, 1e-4);
    EXPECT_NEAR(band->segments[1].p.v, 50, 1e-4);
    EXPECT_NEAR(band->segments[2].p.h, 100, 1e-3);
    EXPECT_EQ(Up(50, 50), 0);
    EXPECT_FALSE(Band());
}

TEST_F(Preview, AnotherToolOrModeRemovesAnUnfinishedPreview) {
    Mode(1);
    EXPECT_EQ(Click(0, 0), 0);
    EXPECT_EQ(Hover(10, 10), 0);
    EXPECT_TRUE(Band());
    Select(kRectTool);
    EXPECT_EQ(Hover(20, 10), 0);
    EXPECT_FALSE(Band());
    Select(kCircleTool);   // back at the first step
    EXPECT_EQ(Click(0, 0), 0);
    EXPECT_EQ(Hover(10, 10), 0);
    EXPECT_TRUE(Band());
    State().tool.step = 0;   // what a mode button does
    EXPECT_EQ(Hover(20, 10), 0);
    EXPECT_FALSE(Band());
    EXPECT_TRUE(AllArt().empty());
}

}  // namespace
}  // namespace tools_test
