// The rectangle tool's segment modes without the polygonal line: 2 from the
// first end, 5 centred on the click. Expected ends come from the drag's
// geometry worked out by hand (3-4-5 triangles, angles of whole degrees).
#include <cmath>

#include "rect_scenario.h"

namespace tools_test {
namespace {

using namespace drawhost;

constexpr double kDegree = 3.14159265358979 / 180;

class RectSegments : public RectScenario {
protected:
    void Mode(int mode, const std::string& preferences = "") { StartRect(mode, "LignePoly = bool:false\n" + preferences); }
    qzv::ToolState& Tool() { return State().tool; }
};

TEST_F(RectSegments, TheDragSetsLengthAndAngleFromTheFirstEnd) {
    Mode(2);
    EXPECT_EQ(Down(10, 10), 0);
    EXPECT_EQ(Drag(40, 50), 0);
    EXPECT_FLOAT_EQ(Tool().lineLength, 50);
    EXPECT_NEAR(Field(72), 50, 1e-4);
    EXPECT_NEAR(Field(74), std::atan2(40.0, 30.0) / kDegree, 1e-4);
    EXPECT_EQ(LastCursor(), 21003);
    EXPECT_EQ(Up(40, 50), 0);
    const Art& segment = Only("Segment");
    EXPECT_FALSE(segment.closed);
    EXPECT_EQ(segment.tags.count("qzv"), 0u);
    ExpectPoints(Anchors(segment), {{10, 10}, {40, 50}}, 1e-4);
    // A click alone makes the segment of the stored length and angle.
    EXPECT_EQ(Click(100, 0), 0);
    ExpectPoints(Anchors(*ArtNamed("Segment").back()), {{100, 0}, {130, 40}}, 1e-4);
}

TEST_F(RectSegments, ShiftStepsTheLengthByTheDisplayedStepAndTheAngleByItsStep) {
    // ShiftRayon 10 at the scale 2/1: lengths of 20 points, shown as 10.
    Mode(2, "ShiftRayon = real:10\nEchelleNum = real:2\nEchelleDen = real:1\n");
    EXPECT_EQ(Down(0, 0), 0);
    Key("shift", true);
    const double a = 23 * kDegree;   // 20 degrees by the default 10-degree step
    EXPECT_EQ(Drag(static_cast<float>(47 * std::cos(a)), static_cast<float>(47 * std::sin(a))), 0);
    EXPECT_NEAR(Tool().lineLength, 40, 1e-4);
    EXPECT_NEAR(Tool().lineAngle, 20 * kDegree, 1e-6);
    EXPECT_NEAR(Field(72), 20, 1e-4);
    EXPECT_NEAR(Field(74), 20, 1e-4);
    const double b = 26 * kDegree;   // 30 degrees; 51 points give 60 (displayed 30)
    const float h = static_cast<float>(51 * std::cos(b)), v = static_cast<float>(51 * std::sin(b));
    EXPECT_EQ(Drag(h, v), 0);
    EXPECT_NEAR(Field(72), 30, 1e-4);
    EXPECT_NEAR(Field(74), 30, 1e-4);
    EXPECT_EQ(Up(h, v), 0);
    Key("shift", false);
    ExpectPoints(Anchors(Only("Segment")), {{0, 0}, {60 * std::cos(30 * kDegree), 60 * std::sin(30 * kDegree)}}, 1e-4);
}

TEST_F(RectSegments, TheCentredModeIsCentredOnTheClickAndAltMakesTheClickItsFirstEnd) {
    Mode(5);
    EXPECT_EQ(Down(100, 100), 0);
    EXPECT_EQ(Drag(130, 140), 0);
    EXPECT_FLOAT_EQ(Tool().lineLength, 100);
    ExpectPoints(Anchors(MainPath()), {{70, 60}, {130, 140}}, 1e-4);
    Key("alt", true);
    EXPECT_EQ(Drag(130, 140), 0);
    EXPECT_FLOAT_EQ(Tool().lineLength, 50);
    ExpectPoints(Anchors(MainPath()), {{100, 100}, {130, 140}}, 1e-4);
    Key("alt", false);
    EXPECT_EQ(Up(130, 140), 0);
    EXPECT_EQ(ArtNamed("Segment").size(), 1u);

    // Mode 2 with Alt is the centred segment of twice the drag.
    Tool().rectMode = 2;
    EXPECT_EQ(Down(300, 100), 0);
    Key("alt", true);
    EXPECT_EQ(Drag(330, 140), 0);
    Key("alt", false);
    EXPECT_FLOAT_EQ(Tool().lineLength, 100);
    ExpectPoints(Anchors(MainPath()), {{270, 60}, {330, 140}}, 1e-4);
    EXPECT_EQ(Up(330, 140), 0);
}

TEST_F(RectSegments, SpaceTurnsTheSegmentKeepingItsLengthAndSideArrowsMoveIt) {
    Mode(2);
    EXPECT_EQ(Down(0, 0), 0);
    EXPECT_EQ(Drag(30, 0), 0);
    Key("space", true);
    EXPECT_EQ(Drag(0, 10), 0);
    ExpectPoints(Anchors(MainPath()), {{0, 0}, {0, 30}}, 1e-4);
    Key("shift", true);
    EXPECT_EQ(Drag(-10, 9), 0);   // 138 degrees: 135
    ExpectPoints(Anchors(MainPath()), {{0, 0}, {30 * std::cos(135 * kDegree), 30 * std::sin(135 * kDegree)}}, 1e-4);
    Key("shift", false);
    Key("space", false);
    Key("left", true);
    EXPECT_EQ(Drag(50, 50), 0);
    Key("left", false);
    ExpectPoints(Anchors(MainPath()),
                 {{50, 50}, {50 + 30 * std::cos(135 * kDegree), 50 + 30 * std::sin(135 * kDegree)}}, 1e-4);
    EXPECT_EQ(Up(50, 50), 0);
    EXPECT_EQ(ArtNamed("Segment").size(), 1u);
}

TEST_F(RectSegments, AZeroLengthSegmentLeavesNothing) {
    Mode(5);
    EXPECT_EQ(Click(10, 10), 0);   // the stored length is 0
    EXPECT_TRUE(AllArt().empty());
    EXPECT_EQ(Down(10, 10), 0);
    EXPECT_EQ(Drag(10, 10), 0);
    EXPECT_EQ(Up(10, 10), 0);
    EXPECT_TRUE(AllArt().empty());
}

}  // namespace
}  // namespace tools_test
