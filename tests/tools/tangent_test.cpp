// Circles tangent to picked segments: the examples are a right angle
// clicked 30 and 50 points from its corner (both touching points end 50
// from the corner, radius 50), two parallels 40 apart (radius 20), and a
// triangle (its inscribed circle, each side at one radius from the centre).
#include <cmath>

#include "tool_scenario.h"

namespace tools_test {
namespace {

using namespace drawhost;

class Tangent : public ToolScenario {
protected:
    void Begin(int mode, const std::string& more = "Centre = bool:false\nTangente = bool:false\n") {
        StartPlugin("Tolerance = int:8\n" + more);
        Select(kCircleTool);
        State().tool.circleMode = mode;
    }
    const qzv::ToolState& Tool() { return State().tool; }
    const Art* Path(const char* name) {
        for (const Art* art : ArtNamed(name))
            if (art->kind == kArtPath) return art;
        return nullptr;
    }
    static double LineDistance(RealPoint p, RealPoint a, RealPoint b) {
        const double dh = double(b.h) - a.h, dv = double(b.v) - a.v;
        return std::fabs(dh * (double(p.v) - a.v) - dv * (double(p.h) - a.h)) / std::hypot(dh, dv);
    }
};

TEST_F(Tangent, OneSegmentKeepsThePaletteRadiusThenFollowsTheDrag) {
    Begin(6, "Centre = bool:false\nTangente = bool:true\nBranches = real:10\n");
    Run("path 0 0 100 0");
    State().tool.radius = 20;
    EXPECT_EQ(Hover(50, 0.5f), 0);
    EXPECT_EQ(Down(50, 0.5f), 0);
    EXPECT_FLOAT_EQ(Tool().centre.h, 50);
    EXPECT_FLOAT_EQ(std::fabs(Tool().centre.v), 20);   // touching the segment at the click
    EXPECT_EQ(Drag(60, 30), 0);
    EXPECT_FLOAT_EQ(Tool().radius, 30);
    EXPECT_EQ(Up(60, 30), 0);
    // Kept in its group with a tick across the segment at the touching point.
    const Art* circle = Path("Tangente 1");
    ASSERT_TRUE(circle);
    std::vector<const Art*> art = AllArt();
    ASSERT_EQ(art.size(), 4u);   // the segment, the group, the circle, the tick
    const Art& tick = *art[3];
    ASSERT_EQ(tick.segments.size(), 2u);
    EXPECT_NEAR(tick.segments[0].p.h, 60, 1e-4);
    EXPECT_NEAR(std::fabs(tick.segments[0].p.v - tick.segments[1].p.v), 10, 1e-4);
}

TEST_F(Tangent, AClickBesideTheSegmentsGivesTheAlertAndStartsAgain) {
    Begin(7);
    Run("path 0 0 100 0");
    EXPECT_EQ(Click(50, 30), 0);
    EXPECT_EQ(Alerts(), (std::vector<std::string>{"alert(error): Attention, il faut cliquer sur un segment."}));
    EXPECT_EQ(Tool().step, 0);
    EXPECT_EQ(Click(50, 0.5f), 0);
    EXPECT_EQ(Tool().step, 1);
    EXPECT_TRUE(AllArt().size() >= 1);
}

TEST_F(Tangent, TwoSegmentsAtARightAngle) {
    Begin(7);
    Run("path 0 0 120 0");
    Run("path 0 0 0 120");
    EXPECT_EQ(Click(30, 0.5f), 0);
    EXPECT_EQ(Hover(20, 20), 0);
    EXPECT_EQ(LastInfo(), "Clic sur un segment.");
    EXPECT_EQ(Down(0.5f, 50), 0);
    EXPECT_NEAR(Tool().radius, 50, 1e-3);
    EXPECT_NEAR(Tool().centre.h, 50, 1e-3);
    EXPECT_NEAR(Tool().centre.v, 50, 1e-3);
    EXPECT_NEAR(Tool().firstPoint.h, 50, 1e-3);
    // Along the angle: the tangent points follow the cursor's foot on line 2.
    EXPECT_EQ(Drag(40, 70), 0);
    EXPECT_NEAR(Tool().radius, 70, 1e-3);
    EXPECT_EQ(Up(40, 70), 0);
    const Art* circle = Path("Tangente 2");
    ASSERT_TRUE(circle);
    for (const PathSegment& s : circle->segments)
        EXPECT_NEAR(std::hypot(s.p.h - 70.0, s.p.v - 70.0), 70, 1e-3);
}

TEST_F(Tangent, TwoParallelSegmentsHoldACircleBetweenThem) {
    Begin(7);
    Run("path 0 0 150 0");
    Run("path 0 40 150 40");
    EXPECT_EQ(Click(30, 0.5f), 0);
    EXPECT_EQ(Down(60, 39.5f), 0);
    EXPECT_FLOAT_EQ(Tool().radius, 20);
    EXPECT_FLOAT_EQ(Tool().centre.h, 30);
    EXPECT_FLOAT_EQ(Tool().centre.v, 20);
    EXPECT_EQ(Drag(90, 10), 0);   // along the strip, the radius kept
    EXPECT_FLOAT_EQ(Tool().centre.h, 90);
    EXPECT_FLOAT_EQ(Tool().centre.v, 20);
    EXPECT_FLOAT_EQ(Tool().radius, 20);
    EXPECT_EQ(Up(90, 10), 0);
    EXPECT_TRUE(Path("Tangente 2"));
}

TEST_F(Tangent, ThreeParallelSegmentsAreRefused) {
    Begin(8);
    Run("path 0 0 150 0");
    Run("path 0 40 150 40");
    Run("path 0 90 150 90");
    EXPECT_EQ(Click(30, 0.5f), 0);
    EXPECT_EQ(Click(30, 40.5f), 0);
    EXPECT_EQ(Click(30, 89.5f), 0);
    EXPECT_EQ(Alerts(), (std::vector<std::string>{"alert(error): Impossible. Les segments sont parallèles."}));
    EXPECT_FALSE(Path("Tangente 3"));
    EXPECT_EQ(Tool().step, 0);
    EXPECT_FALSE(Tool().parallelFlag);   // read and cleared by the alert
    // Slanted parallels too.
    Run("path 200 0 350 15");
    Run("path 200 40 350 55");
    Run("path 200 90 350 105");
    EXPECT_EQ(Click(230, 3.4f), 0);
    EXPECT_EQ(Click(230, 43.4f), 0);
    EXPECT_EQ(Click(230, 93.4f), 0);
    EXPECT_EQ(Alerts().size(), 2u);
    EXPECT_FALSE(Path("Tangente 3"));
}

TEST_F(Tangent, ThreeSidesOfATriangleGiveItsInscribedCircleAndAltTheOther) {
    Begin(8);
    const RealPoint v0{0, 0}, v1{160, 0}, v2{40, 120};
    Run("path 0 0 160 0");
    Run("path 160 0 40 120");
    Run("path 40 120 0 0");
    EXPECT_EQ(Click(80, 0.5f), 0);
    EXPECT_EQ(Click(100.3f, 60.3f), 0);
    EXPECT_EQ(Down(19.5f, 60.3f), 0);
    const double a = std::hypot(160.0, 0.0), b = std::hypot(120.0, 120.0), c = std::hypot(40.0, 120.0);
    const double area2 = 160.0 * 120.0;
    EXPECT_NEAR(Tool().radius, area2 / (a + b + c), 1e-3);
    for (auto [p, q] : {std::pair{v0, v1}, std::pair{v1, v2}, std::pair{v2, v0}})
        EXPECT_NEAR(LineDistance(Tool().centre, p, q), Tool().radius, 1e-3);
    Key("alt", true);
    EXPECT_EQ(Drag(20, 61), 0);
    Key("alt", false);
    const float other = Tool().radius;
    EXPECT_GT(other, area2 / (a + b + c) + 1);
    for (auto [p, q] : {std::pair{v0, v1}, std::pair{v1, v2}, std::pair{v2, v0}})
        EXPECT_NEAR(LineDistance(Tool().centre, p, q), other, 1e-2);
    EXPECT_EQ(Up(20, 61), 0);
    EXPECT_TRUE(Path("Tangente 3"));
}

}  // namespace
}  // namespace tools_test
