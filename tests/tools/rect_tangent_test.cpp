// Segments tangent to a clicked circle (rectangle tool, modes 2 and 5). The
// snap search's answer for the click is given to the plug-in before the
// press, as the search would leave it over a circle of centre (100, 100)
// and radius 30. Expected feet and ends come from the circle: the foot is
// the circle's point toward the click, the segment runs at right angles to
// the radius there.
#include <cmath>

#include "rect_scenario.h"

namespace tools_test {
namespace {

using namespace drawhost;

constexpr double kDegree = 3.14159265358979 / 180;
constexpr Pt kCentre{100, 100};
constexpr double kRadius = 30;

class TangentSegment : public RectScenario {
protected:
    void Mode(int mode, const std::string& preferences = "LignePoly = bool:false\n") { StartRect(mode, preferences); }
    qzv::ToolState& Tool() { return State().tool; }
    // The cursor passes over the circle, then presses there.
    HostErr DownOnCircle(float h, float v) {
        EXPECT_EQ(Hover(h, v), 0);
        qzv::SnapResult& s = State().snap;
        s.onArc = true;
        s.firstArc.centre = RealPoint{static_cast<float>(kCentre.h), static_cast<float>(kCentre.v)};
        s.firstArc.radius = static_cast<float>(kRadius);
        return Down(h, v);
    }
    // The segment's foot lies on the circle and the segment is at right
    // angles to the radius there.
    void ExpectTangentAt(Pt foot, Pt end) {
        EXPECT_NEAR(std::hypot(foot.h - kCentre.h, foot.v - kCentre.v), kRadius, 1e-4);
        const double dot = (end.h - foot.h) * (foot.h - kCentre.h) + (end.v - foot.v) * (foot.v - kCentre.v);
        EXPECT_NEAR(dot, 0, 1e-3);
    }
};

TEST_F(TangentSegment, AClickOnACircleStartsATangentWhoseLengthFollowsTheCursor) {
    Mode(2);
    EXPECT_EQ(DownOnCircle(133, 100), 0);
    EXPECT_TRUE(Tool().tangentOn);
    EXPECT_FLOAT_EQ(Field(72), 3);
    EXPECT_FLOAT_EQ(Field(74), 0);
    std::vector<Pt> a = Anchors(MainPath());
    ASSERT_EQ(a.size(), 2u);
    ExpectPoints({a[0]}, {{130, 100}}, 1e-4);
    EXPECT_NEAR(std::hypot(a[1].h - a[0].h, a[1].v - a[0].v), 3, 1e-4);
    ExpectTangentAt(a[0], a[1]);

    // The length is the distance from the foot to the cursor, toward it.
    EXPECT_EQ(Drag(150, 140), 0);
    a = Anchors(MainPath());
    ExpectPoints(a, {{130, 100}, {130, 100 + std::sqrt(2000.0)}}, 1e-4);
    EXPECT_NEAR(Field(72), std::sqrt(2000.0), 1e-4);

    // Alt: the foot slides to the circle's point toward the cursor, the
    // segment centred on it.
    Key("alt", true);
    EXPECT_EQ(Drag(100, 160), 0);
    a = Anchors(MainPath());
    const double x = std::sqrt(2000.0);
    ExpectPoints(a, {{100 - x, 130}, {100 + x, 130}}, 1e-3);
    ExpectTangentAt({100, 130}, a[1]);
    EXPECT_NEAR(Field(74), 90, 1e-4);
    Key("alt", false);

    // From the new foot again, toward the cursor.
    EXPECT_EQ(Drag(120, 200), 0);
    a = Anchors(MainPath());
    ExpectPoints(a, {{100, 130}, {100 + std::hypot(20.0, 70.0), 130}}, 1e-3);
    EXPECT_EQ(Up(120, 200), 0);
    const Art& segment = Only("Segment");
    EXPECT_EQ(segment.tags.count("qzv"), 0u);
    EXPECT_EQ(AllArt().size(), 1u);
    EXPECT_FALSE(Tool().tangentTwoCircles);
}

TEST_F(TangentSegment, TheCentredModeCentresTheTangentOnItsFoot) {
    Mode(5);
    EXPECT_EQ(DownOnCircle(100, 65), 0);   // 5 below the circle's lowest point
    std::vector<Pt> a = Anchors(MainPath());
    ASSERT_EQ(a.size(), 2u);
    EXPECT_NEAR((a[0].h + a[1].h) / 2, 100, 1e-4);
    EXPECT_NEAR((a[0].v + a[1].v) / 2, 70, 1e-4);
    EXPECT_NEAR(std::hypot(a[1].h - a[0].h, a[1].v - a[0].v), 10, 1e-4);
    EXPECT_NEAR(Field(74), -90, 1e-4);
    EXPECT_EQ(Drag(140, 40), 0);
    a = Anchors(MainPath());
    EXPECT_NEAR((a[0].h + a[1].h) / 2, 100, 1e-4);
    EXPECT_NEAR((a[0].v + a[1].v) / 2, 70, 1e-4);
    EXPECT_NEAR(std::hypot(a[1].h - a[0].h, a[1].v - a[0].v), 2 * 50, 1e-3);
    ExpectTangentAt({100, 70}, a[0]);
    EXPECT_EQ(Up(140, 40), 0);
    EXPECT_EQ(ArtNamed("Segment").size(), 1u);
}

TEST_F(TangentSegment, NoTangentWithoutSnappingNorInAPolygonalLine) {
    Mode(2, "LignePoly = bool:false\nMagnetisme = bool:false\n");
    EXPECT_EQ(DownOnCircle(133, 100), 0);
    EXPECT_FALSE(Tool().tangentOn);
    EXPECT_EQ(Drag(133, 150), 0);
    EXPECT_EQ(Up(133, 150), 0);
    ExpectPoints(Anchors(Only("Segment")), {{133, 100}, {133, 150}}, 1e-4);

    State().settings.general.Magnetisme = true;
    State().settings.working.LignePoly = true;
    EXPECT_EQ(DownOnCircle(233, 100), 0);
    EXPECT_FALSE(Tool().tangentOn);
    EXPECT_EQ(Tool().polylineVertices, 1);
    EXPECT_EQ(Up(233, 100), 0);
}

}  // namespace
}  // namespace tools_test
