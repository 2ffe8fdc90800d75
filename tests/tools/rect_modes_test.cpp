// The rectangle tool's rectangle modes (0 from a corner, 1 rounded, 3 and 4
// from the centre), clicked and dragged as a user does. Expected corners
// come from turning the rectangle's sides by its inclination about the
// anchor in double precision (RectangleCorners), or from the worked
// examples of the rectangle tool's description.
#include <cmath>
#include <limits>

#include "rect_scenario.h"

using drawhost_test::LogLinesWith;

namespace tools_test {
namespace {

using namespace drawhost;

constexpr double kPi = 3.14159265358979;

class RectModes : public RectScenario {
protected:
    qzv::ToolState& Tool() { return State().tool; }
    qzv::WorkingValues& Working() { return State().settings.working; }
    std::string Tag(const Art& art, const char* name) {
        auto it = art.tags.find(name);
        return it == art.tags.end() ? "(none)" : it->second;
    }
};

TEST_F(RectModes, AClickAloneMakesThePaletteRectangleTurnedByItsInclinationAboutTheClick) {
    StartRect(0, "Son = bool:true\n");
    Tool().rectLength = 40;
    Tool().rectWidth = 20;
    Working().RotRectangle = static_cast<float>(kPi / 6);
    EXPECT_EQ(Down(100, 50), 0);
    // Under construction: in a fresh group named after the mode, tagged.
    std::vector<const Art*> art = AllArt();
    ASSERT_EQ(art.size(), 2u);
    EXPECT_EQ(art[0]->kind, kArtGroup);
    EXPECT_EQ(art[0]->name, "Rectangle");
    EXPECT_EQ(Tag(*art[1], "qzv"), "jj");
    EXPECT_TRUE(Tool().constructionLive);
    EXPECT_FLOAT_EQ(Field(72), 40);
    EXPECT_FLOAT_EQ(Field(73), 20);

    EXPECT_EQ(Up(100, 50), 0);
    art = AllArt();
    ASSERT_EQ(art.size(), 1u);   // out of its group, the group gone
    const Art& rect = Only("Rectangle");
    EXPECT_TRUE(rect.closed);
    EXPECT_EQ(Tag(rect, "qzv"), "(none)");
    EXPECT_TRUE(rect.centerPointVisible);
    ExpectPoints(Anchors(rect), RectangleCorners({100, 50}, 40, 20, kPi / 6, true), 1e-4);
    for (const PathSegment& s : rect.segments) {
        EXPECT_EQ(s.in.h, s.p.h);
        EXPECT_EQ(s.out.v, s.p.v);
    }
    EXPECT_FALSE(Tool().constructionLive);
    EXPECT_EQ(LogLinesWith("beep 9000 100").size(), 1u);

    // The next click makes the same rectangle at its own point.
    EXPECT_EQ(Click(-30, 0), 0);
    ExpectPoints(Anchors(*ArtNamed("Rectangle")[1]), RectangleCorners({-30, 0}, 40, 20, kPi / 6, true), 1e-4);
}

TEST_F(RectModes, DraggingTowardMinusHAndMinusVGivesNegativeSidesShownSigned) {
    StartRect(0);
    EXPECT_EQ(Down(100, 100), 0);
    EXPECT_EQ(Drag(70, 60), 0);
    EXPECT_FLOAT_EQ(Tool().rectLength, -30);
    EXPECT_FLOAT_EQ(Tool().rectWidth, -40);
    EXPECT_FLOAT_EQ(Field(72), -30);
    EXPECT_FLOAT_EQ(Field(73), -40);
    EXPECT_EQ(LastCursor(), 21000);
    EXPECT_EQ(Up(70, 60), 0);
    // The rectangle lies on that side of the click; its first anchor is
    // still the local top-left corner of the unsigned rectangle.
    const std::vector<Pt> corners = Anchors(Only("Rectangle"));
    ExpectPoints(corners, {{70, 100}, {100, 100}, {100, 60}, {70, 60}}, 1e-4);
}

TEST_F(RectModes, RoundedModeKeepsTwiceTheRoundingAndShiftMakesASquare) {
    // The worked example: R = 10, inclination 0.
    StartRect(1);
    Working().Arrondi = 10;
    EXPECT_EQ(Down(0, 0), 0);
    EXPECT_EQ(Drag(5, 5), 0);
    EXPECT_FLOAT_EQ(Tool().rectLength, 20);
    EXPECT_FLOAT_EQ(Tool().rectWidth, 20);
    Box box = BoxOf(Anchors(MainPath()));
    EXPECT_NEAR(box.left, 0, 1e-4);
    EXPECT_NEAR(box.right, 20, 1e-4);
    EXPECT_NEAR(box.top, 20, 1e-4);

    Key("shift", true);
    EXPECT_EQ(Drag(30, -5), 0);
    Key("shift", false);
    EXPECT_FLOAT_EQ(Tool().rectLength, 30);
    EXPECT_FLOAT_EQ(Tool().rectWidth, -30);
    EXPECT_FLOAT_EQ(Field(72), 30);
    EXPECT_FLOAT_EQ(Field(73), -30);
    EXPECT_EQ(Up(30, -5), 0);
    const Art& rect = Only("Rectangle arrondi");
    ASSERT_EQ(rect.segments.size(), 8u);
    box = BoxOf(Anchors(rect));
    EXPECT_NEAR(box.left, 0, 1e-4);
    EXPECT_NEAR(box.right, 30, 1e-4);
    EXPECT_NEAR(box.bottom, -30, 1e-4);
    EXPECT_NEAR(box.top, 0, 1e-4);

    // A drag of exactly zero width goes the negative way.
    EXPECT_EQ(Down(100, 0), 0);
    EXPECT_EQ(Drag(150, 0), 0);
    EXPECT_FLOAT_EQ(Tool().rectLength, 50);
    EXPECT_FLOAT_EQ(Tool().rectWidth, -20);
    EXPECT_EQ(Up(150, 0), 0);
}

TEST_F(RectModes, AltDoublesFromACornerAndHalvesFromTheCentre) {
    StartRect(0);
    EXPECT_EQ(Down(100, 100), 0);
    Key("alt", true);
    EXPECT_EQ(Drag(110, 105), 0);
    EXPECT_TRUE(Tool().centringToggle);
    ExpectPoints(Anchors(MainPath()), RectangleCorners({100, 100}, 20, 10, 0, false), 1e-4);
    Key("alt", false);
    EXPECT_EQ(Drag(110, 105), 0);
    EXPECT_FALSE(Tool().centringToggle);
    ExpectPoints(Anchors(MainPath()), RectangleCorners({100, 100}, 10, 5, 0, true), 1e-4);
    EXPECT_EQ(Up(110, 105), 0);

    Tool().rectMode = 3;
    EXPECT_EQ(Down(300, 100), 0);
    EXPECT_EQ(Drag(310, 105), 0);
    ExpectPoints(Anchors(MainPath()), RectangleCorners({300, 100}, 20, 10, 0, false), 1e-4);
    Key("alt", true);
    EXPECT_EQ(Drag(310, 105), 0);
    EXPECT_FLOAT_EQ(Tool().rectLength, 10);
    ExpectPoints(Anchors(MainPath()), RectangleCorners({300, 100}, 10, 5, 0, true), 1e-4);
    EXPECT_EQ(Up(310, 105), 0);
    Key("alt", false);
    EXPECT_EQ(ArtNamed("Rectangle").size(), 2u);

    // The centred rounded mode: the sides from the centre, at least 2R.
    Tool().rectMode = 4;
    Working().Arrondi = -6;
    EXPECT_EQ(Down(500, 100), 0);
    EXPECT_EQ(Drag(505, 120), 0);
    EXPECT_FLOAT_EQ(Tool().rectLength, 12);
    EXPECT_FLOAT_EQ(Tool().rectWidth, 40);
    EXPECT_EQ(Up(505, 120), 0);
    const Box box = BoxOf(Anchors(Only("Rectangle arrondi")));
    EXPECT_NEAR(box.left, 494, 1e-4);
    EXPECT_NEAR(box.right, 506, 1e-4);
    EXPECT_NEAR(box.bottom, 80, 1e-4);
    EXPECT_NEAR(box.top, 120, 1e-4);
}

TEST_F(RectModes, SpaceTurnsAboutTheAnchorKeepingTheSizeAndShiftStepsBy45Degrees) {
    StartRect(0);
    EXPECT_EQ(Down(0, 0), 0);
    EXPECT_EQ(Drag(40, 30), 0);
    Key("space", true);
    EXPECT_EQ(Drag(0, 50), 0);
    EXPECT_NEAR(Working().RotRectangle, kPi / 2, 1e-6);
    EXPECT_NEAR(Field(74), 90, 1e-4);
    ExpectPoints(Anchors(MainPath()), RectangleCorners({0, 0}, 40, 30, kPi / 2, true), 1e-4);
    Key("shift", true);
    EXPECT_EQ(Drag(50, 40), 0);   // 38.7 degrees
    EXPECT_NEAR(Field(74), 45, 1e-4);
    EXPECT_EQ(Drag(-10, 40), 0);   // 104 degrees
    EXPECT_NEAR(Field(74), 90, 1e-4);
    EXPECT_FLOAT_EQ(Tool().rectLength, 40);
    EXPECT_FLOAT_EQ(Tool().rectWidth, 30);
    // Space let go mid-drag: the drag resizes again, in the turned frame
    // (a right angle: along +v is the length, along -h the width).
    Key("space", false);
    Key("shift", false);
    EXPECT_EQ(Drag(-30, 20), 0);
    EXPECT_NEAR(Tool().rectLength, 20, 1e-4);
    EXPECT_NEAR(Tool().rectWidth, 30, 1e-4);
    EXPECT_EQ(Up(-30, 20), 0);
    ExpectPoints(Anchors(Only("Rectangle")), RectangleCorners({0, 0}, 20, 30, kPi / 2, true), 1e-4);
}

TEST_F(RectModes, AtTheScaleOneToAHundredATenPointDragShowsAThousand) {
    StartRect(0, "EchelleNum = real:1\nEchelleDen = real:100\n");
    EXPECT_EQ(Down(0, 0), 0);
    EXPECT_EQ(Drag(10, 0), 0);
    EXPECT_FLOAT_EQ(Tool().rectLength, 10);
    EXPECT_FLOAT_EQ(Field(72), 1000);
    EXPECT_FLOAT_EQ(Field(73), 0);
    EXPECT_EQ(Up(10, 0), 0);
}

TEST_F(RectModes, EveryRoundingType) {
    // Profile type with the default profile (a straight bevel of R on each
    // corner), the top-left corner switched off.
    StartRect(1, "TypeArrondi = int:1\n");
    State().settings.profile.cornerTopLeft = false;
    Working().Arrondi = 10;
    EXPECT_EQ(Down(0, 0), 0);
    EXPECT_EQ(Up(40, 30), 0);
    const Art& profiled = Only("Rectangle arrondi");
    EXPECT_TRUE(profiled.closed);
    const std::vector<Pt> a = Anchors(profiled);
    ASSERT_EQ(a.size(), 7u);   // 3 corners of 2 points, one sharp corner
    ExpectPoints({a[0]}, {{0, 30}}, 1e-4);
    // The bottom-left bevel: from (0, R) to (R, 0).
    EXPECT_TRUE((std::fabs(a[1].h) < 1e-4 && std::fabs(a[1].v - 10) < 1e-4) ||
                (std::fabs(a[2].h) < 1e-4 && std::fabs(a[2].v - 10) < 1e-4));
    for (const PathSegment& s : profiled.segments) EXPECT_EQ(s.in.h, s.p.h);

    // Circular corners, rounded and inverted: eight anchors, each corner's
    // two anchors R from the rectangle's corner along its sides.
    for (float r : {10.0f, -10.0f}) {
        SCOPED_TRACE(r);
        Working().TypeArrondi = 0;
        Working().Arrondi = r;
        EXPECT_EQ(Down(100, 0), 0);
        EXPECT_EQ(Up(140, 30), 0);
        const Art& rounded = *ArtNamed("Rectangle arrondi").back();
        ASSERT_EQ(rounded.segments.size(), 8u);
        const Box box = BoxOf(Anchors(rounded));
        EXPECT_NEAR(box.left, 100, 1e-4);
        EXPECT_NEAR(box.right, 140, 1e-4);
        EXPECT_NEAR(rounded.segments[0].p.h, 100, 1e-4);
        EXPECT_NEAR(rounded.segments[0].p.v, 20, 1e-4);
        EXPECT_NEAR(rounded.segments[1].p.h, 110, 1e-4);
        EXPECT_NEAR(rounded.segments[1].p.v, 30, 1e-4);
        // The corner's curve bulges out for R > 0 and in for R < 0: its
        // handle leaves the first anchor upward, or rightward.
        const PathSegment& s0 = rounded.segments[0];
        if (r > 0) EXPECT_GT(s0.out.v, s0.p.v);
        else EXPECT_GT(s0.out.h, s0.p.h);
    }
}

TEST_F(RectModes, UpAndDownArrowsChangeTheRoundingOncePerPressAndSideArrowsMoveTheAnchor) {
    StartRect(1);
    Working().Arrondi = 10;
    EXPECT_EQ(Down(0, 0), 0);
    EXPECT_EQ(Drag(40, 30), 0);
    Key("up", true);
    EXPECT_EQ(Drag(41, 30), 0);
    EXPECT_FLOAT_EQ(Working().Arrondi, 11);
    EXPECT_FLOAT_EQ(Field(75), 11);
    EXPECT_EQ(Drag(42, 30), 0);   // still held: no second step
    EXPECT_FLOAT_EQ(Working().Arrondi, 11);
    Key("up", false);
    Key("down", true);
    EXPECT_EQ(Drag(42, 30), 0);
    Key("down", false);
    EXPECT_EQ(Drag(42, 30), 0);
    Key("down", true);
    EXPECT_EQ(Drag(42, 30), 0);
    Key("down", false);
    EXPECT_FLOAT_EQ(Working().Arrondi, 9);

    // The same rectangle moves to the cursor, then resizes from there.
    Key("right", true);
    EXPECT_EQ(Drag(100, 100), 0);
    Key("right", false);
    EXPECT_FLOAT_EQ(Tool().firstPoint.h, 100);
    EXPECT_FLOAT_EQ(Tool().rectLength, 42);
    EXPECT_NEAR(BoxOf(Anchors(MainPath())).left, 100, 1e-4);
    EXPECT_NEAR(BoxOf(Anchors(MainPath())).right, 142, 1e-4);
    EXPECT_EQ(Drag(105, 150), 0);
    EXPECT_FLOAT_EQ(Tool().rectLength, 18);   // 5, raised to 2R
    EXPECT_FLOAT_EQ(Tool().rectWidth, 50);
    EXPECT_EQ(Up(105, 150), 0);

    // The plain rectangle has no rounding in use: the arrows leave it.
    Tool().rectMode = 0;
    EXPECT_EQ(Down(300, 0), 0);
    Key("up", true);
    EXPECT_EQ(Drag(320, 10), 0);
    Key("up", false);
    EXPECT_EQ(Up(320, 10), 0);
    EXPECT_FLOAT_EQ(Working().Arrondi, 9);
    // A key held before the press does nothing when the drag starts.
    Tool().rectMode = 1;
    Key("left", true);
    EXPECT_EQ(Down(500, 0), 0);
    EXPECT_EQ(Drag(530, 40), 0);
    Key("left", false);
    EXPECT_FLOAT_EQ(Tool().firstPoint.h, 500);
    EXPECT_EQ(Up(530, 40), 0);
}

// Where the description leaves room: sizes of zero, roundings larger than
// the rectangle, the path deleted mid-gesture, values the palette may hold.
class RectBadInput : public RectModes {};

TEST_F(RectBadInput, AZeroSizeRectangleLeavesNothingButARoundedOneTakesTwiceItsRounding) {
    StartRect(0);
    EXPECT_EQ(Click(50, 50), 0);   // the palette's size is 0 by 0
    EXPECT_TRUE(AllArt().empty());
    EXPECT_EQ(Down(50, 50), 0);
    EXPECT_EQ(Drag(50, 50), 0);
    EXPECT_EQ(Up(50, 50), 0);
    EXPECT_TRUE(AllArt().empty());
    // A flat rectangle is still a visible line: it stays.
    EXPECT_EQ(Down(0, 0), 0);
    EXPECT_EQ(Up(30, 0), 0);
    EXPECT_EQ(ArtNamed("Rectangle").size(), 1u);

    Tool().rectMode = 1;
    Tool().rectLength = 0;
    Tool().rectWidth = 0;
    Working().Arrondi = 12;
    EXPECT_EQ(Click(200, 200), 0);
    const Box box = BoxOf(Anchors(Only("Rectangle arrondi")));
    EXPECT_NEAR(box.right - box.left, 24, 1e-4);
    EXPECT_NEAR(box.top - box.bottom, 24, 1e-4);
}

TEST_F(RectBadInput, ARoundingLargerThanHalfASideEnlargesThatSide) {
    // 30 on a 40 x 100 rectangle makes it 60 x 100 (signs kept).
    StartRect(1);
    Working().Arrondi = 30;
    EXPECT_EQ(Down(0, 0), 0);
    EXPECT_EQ(Drag(-40, 100), 0);
    EXPECT_FLOAT_EQ(Tool().rectLength, -60);
    EXPECT_FLOAT_EQ(Tool().rectWidth, 100);
    EXPECT_EQ(Up(-40, 100), 0);
    const Box box = BoxOf(Anchors(Only("Rectangle arrondi")));
    EXPECT_NEAR(box.left, -60, 1e-4);
    EXPECT_NEAR(box.right, 0, 1e-4);
    // A rounding the palette cannot hold (NaN) sets no minimum and makes no NaN.
    Working().Arrondi = std::numeric_limits<float>::quiet_NaN();
    Working().TypeArrondi = 1;
    EXPECT_EQ(Down(200, 0), 0);
    EXPECT_EQ(Drag(240, 30), 0);
    EXPECT_FLOAT_EQ(Tool().rectLength, 40);
    Key("up", true);
    EXPECT_EQ(Drag(240, 31), 0);
    Key("up", false);
    EXPECT_EQ(Up(240, 31), 0);
    for (const Art* art : AllArt())
        for (const PathSegment& s : art->segments) EXPECT_TRUE(std::isfinite(s.p.h) && std::isfinite(s.p.v));
}

TEST_F(RectBadInput, ThePathDeletedBetweenTwoEventsFinishesNothingAndLeavesNoGroup) {
    StartRect(0);
    EXPECT_EQ(Down(100, 100), 0);
    EXPECT_EQ(Drag(120, 130), 0);
    ASSERT_EQ(DocumentDisposeArt(Tool().art.rectPath), kNoErr);
    EXPECT_EQ(Drag(140, 130), 0);
    Key("space", true);
    EXPECT_EQ(Drag(140, 150), 0);
    Key("space", false);
    EXPECT_EQ(Up(140, 150), 0);
    EXPECT_TRUE(AllArt().empty());
    // The turn made with Space stays the inclination of the next rectangles.
    EXPECT_FLOAT_EQ(Working().RotRectangle, std::atan2(50.0f, 40.0f));
    Working().RotRectangle = 0;
    // The next gesture starts afresh.
    EXPECT_EQ(Down(0, 0), 0);
    EXPECT_EQ(Up(10, 20), 0);
    ExpectPoints(Anchors(Only("Rectangle")), RectangleCorners({0, 0}, 10, 20, 0, true), 1e-4);
}

}  // namespace
}  // namespace tools_test
