// The circle tool's mode "Cercle 1": centre, then radius. Expected shapes
// come from the circle's construction: four anchors at the radius, first at
// angle pi (the constraint angle is 0 here), handles k*r long with
// k = 0.5522848, then placed at the centre.
#include "app/app_state.h"
#include "document/view_suite.h"
#include "tool_scenario.h"

using drawhost_test::LogLinesWith;

namespace tools_test {
namespace {

using namespace drawhost;

constexpr float kK = 0.5522848f;

class CircleCentre : public ToolScenario {
protected:
    // The only path named "Cercle 1".
    const Art& Circle() {
        std::vector<const Art*> paths;
        for (const Art* art : ArtNamed("Cercle 1"))
            if (art->kind == kArtPath) paths.push_back(art);
        EXPECT_EQ(paths.size(), 1u);
        if (paths.empty()) throw std::runtime_error("no circle");
        return *paths[0];
    }
    // The circle of radius r about (h, v), anchor by anchor, handle by handle.
    void ExpectCircle(const Art& path, float h, float v, float r) {
        ASSERT_EQ(path.segments.size(), 4u);
        EXPECT_TRUE(path.closed);
        const float c = kK * r;
        const float local[4][6] = {
            {-r, 0, -r, -c, -r, c}, {0, r, -c, r, c, r}, {r, 0, r, c, r, -c}, {0, -r, c, -r, -c, -r}};
        for (int i = 0; i < 4; ++i) {
            SCOPED_TRACE(i);
            const PathSegment& s = path.segments[i];
            EXPECT_EQ(s.p.h, h + local[i][0]);
            EXPECT_EQ(s.p.v, v + local[i][1]);
            EXPECT_EQ(s.in.h, h + local[i][2]);
            EXPECT_EQ(s.in.v, v + local[i][3]);
            EXPECT_EQ(s.out.h, h + local[i][4]);
            EXPECT_EQ(s.out.v, v + local[i][5]);
        }
    }
    std::string Tag(const Art& art, const char* name) {
        auto it = art.tags.find(name);
        return it == art.tags.end() ? "(none)" : it->second;
    }
};

TEST_F(CircleCentre, AClickMakesACircleOfThePaletteRadiusAtOnceAndKeepsIt) {
    StartPlugin("Centre = bool:false\n");
    Select(kCircleTool);
    State().tool.radius = 28.346457f;   // 10 mm shown in the palette
    EXPECT_EQ(Down(100, 200), 0);
    // Under construction: in a fresh group named after the mode, tagged.
    std::vector<const Art*> art = AllArt();
    ASSERT_EQ(art.size(), 2u);
    EXPECT_EQ(art[0]->kind, kArtGroup);
    EXPECT_EQ(art[0]->name, "Cercle 1");
    EXPECT_EQ(Tag(*art[1], "qzv"), "jj");
    EXPECT_EQ(Tag(*art[1], "modif"), "jj");
    EXPECT_TRUE(State().tool.constructionLive);
    EXPECT_EQ(State().tool.step, 0);
    ExpectCircle(*art[1], 100, 200, 28.346457f);

    EXPECT_EQ(Up(100, 200), 0);
    art = AllArt();
    ASSERT_EQ(art.size(), 1u);   // out of its group, the group gone
    EXPECT_EQ(art[0]->name, "Cercle 1");
    ExpectCircle(*art[0], 100, 200, 28.346457f);
    EXPECT_EQ(art[0]->tags, (std::map<std::string, std::string>{{"modif", "jj"},
                                                                {"outil", "a"},
                                                                {"rayon", "28,35"},
                                                                {"centreh", "100,00"},
                                                                {"centrev", "200,00"}}));
    EXPECT_FALSE(State().tool.constructionLive);
    EXPECT_EQ(State().tool.step, 0);
}

TEST_F(CircleCentre, TheDragSetsTheRadiusToTheCursor) {
    StartPlugin("Centre = bool:false\nEpaisseur = real:2\n");
    Select(kCircleTool);
    EXPECT_EQ(Hover(-20, 7), 0);
    EXPECT_EQ(LastCursor(), 16002);
    EXPECT_EQ(LastInfo(), "Clic sur le centre du cercle.");
    EXPECT_EQ(Down(-20, 7), 0);
    EXPECT_EQ(Drag(40, 7), 0);
    EXPECT_EQ(Drag(10, 47), 0);   // a 3-4-5 triangle: radius 50
    EXPECT_FLOAT_EQ(State().tool.radius, 50);
    EXPECT_FLOAT_EQ(State().tool.width, 100);
    // The measurement box: from 12 to 150 pixels right of the cursor, 30 above and below.
    IntPoint at{};
    ASSERT_EQ(ViewArtworkToView(RealPoint{10, 47}, &at), kNoErr);
    const IntRect box = State().tool.annotationBox;
    EXPECT_EQ(box.left, at.h + 12);
    EXPECT_EQ(box.right, at.h + 150);
    EXPECT_EQ(box.top, at.v - 30);
    EXPECT_EQ(box.bottom, at.v + 30);
    EXPECT_EQ(Up(10, 47), 0);
    const Art& circle = Circle();
    ExpectCircle(circle, -20, 7, 50);
    EXPECT_EQ(Tag(circle, "rayon"), "50,00");
    EXPECT_EQ(Tag(circle, "centreh"), "-20,00");
    EXPECT_EQ(Tag(circle, "qzv"), "(none)");
    EXPECT_TRUE(circle.style.strokePaint);
    EXPECT_FLOAT_EQ(circle.style.stroke.width, 2);
    EXPECT_TRUE(circle.centerPointVisible);
    // The next circle starts from the radius shown.
    EXPECT_EQ(Click(300, 300), 0);
    EXPECT_EQ(ArtNamed("Cercle 1").size(), 2u);
    ExpectCircle(*ArtNamed("Cercle 1")[1], 300, 300, 50);
}

TEST_F(CircleCentre, ShiftRoundsTheRadiusToTheStepTimesTheScale) {
    // A step of 10 at the scale 2/1: multiples of 20, ties away from zero.
    StartPlugin("Centre = bool:false\nShiftRayon = real:10\nEchelleNum = real:2\nEchelleDen = real:1\n");
    Select(kCircleTool);
    EXPECT_EQ(Down(0, 0), 0);
    Key("shift", true);
    EXPECT_EQ(Drag(47, 0), 0);
    EXPECT_FLOAT_EQ(State().tool.radius, 40);
    EXPECT_EQ(Drag(0, 50), 0);
    EXPECT_FLOAT_EQ(State().tool.radius, 60);
    Key("shift", false);
    EXPECT_EQ(Drag(0, 51), 0);
    EXPECT_FLOAT_EQ(State().tool.radius, 51);
    Key("shift", true);
    EXPECT_EQ(Up(0, 71), 0);
    Key("shift", false);
    ExpectCircle(Circle(), 0, 0, 80);
}

TEST_F(CircleCentre, AltMakesTheClickOneEndOfADiameter) {
    StartPlugin("Centre = bool:false\nShiftRayon = real:30\n");
    Select(kCircleTool);
    EXPECT_EQ(Down(0, 0), 0);
    Key("alt", true);
    EXPECT_EQ(Drag(100, 0), 0);
    EXPECT_FLOAT_EQ(State().tool.centre.h, 50);
    EXPECT_FLOAT_EQ(State().tool.radius, 50);
    // With Shift the radius is rounded and the centre stays on the line
    // from the click toward the cursor.
    Key("shift", true);
    EXPECT_EQ(Drag(0, -100), 0);
    EXPECT_FLOAT_EQ(State().tool.radius, 60);
    EXPECT_NEAR(State().tool.centre.h, 0, 1e-5);
    EXPECT_FLOAT_EQ(State().tool.centre.v, -60);
    Key("shift", false);
    EXPECT_EQ(Drag(100, 0), 0);
    // Alt let go: the click is the centre again.
    Key("alt", false);
    EXPECT_EQ(Drag(0, 10), 0);
    EXPECT_EQ(Up(0, 10), 0);
    ExpectCircle(Circle(), 0, 0, 10);
    EXPECT_EQ(Tag(Circle(), "centreh"), "0,00");
}

TEST_F(CircleCentre, WithTheCentreMarkTheCircleStaysGroupedWithItsCross) {
    StartPlugin("Centre = bool:true\nAlea = bool:false\nAngle = real:0\nBranches = real:10\n"
                "EpaisCentre = real:0.5\nEpaisseur = real:2\n");
    Select(kCircleTool);
    EXPECT_EQ(Down(100, 100), 0);
    EXPECT_EQ(Up(100, 140), 0);
    std::vector<const Art*> art = AllArt();
    ASSERT_EQ(art.size(), 4u);
    EXPECT_EQ(art[0]->kind, kArtGroup);
    EXPECT_EQ(art[0]->name, "Cercle 1");
    ExpectCircle(*art[1], 100, 100, 40);   // at the bottom of its group
    EXPECT_EQ(Tag(*art[1], "PtCen"), "jj");
    EXPECT_FLOAT_EQ(art[1]->style.stroke.width, 2);
    // Two strokes of 10 across the centre, at right angles, in the mark weight.
    for (const Art* branch : {art[2], art[3]}) {
        ASSERT_EQ(branch->segments.size(), 2u);
        EXPECT_FLOAT_EQ(branch->style.stroke.width, 0.5f);
        EXPECT_FALSE(branch->style.fillPaint);
    }
    EXPECT_FLOAT_EQ(art[2]->segments[0].p.h, 95);
    EXPECT_FLOAT_EQ(art[2]->segments[1].p.h, 105);
    EXPECT_FLOAT_EQ(art[2]->segments[0].p.v, 100);
    EXPECT_NEAR(art[3]->segments[0].p.h, 100, 1e-5);
    EXPECT_FLOAT_EQ(art[3]->segments[0].p.v, 95);
    EXPECT_FLOAT_EQ(art[3]->segments[1].p.v, 105);

    // A second circle has a cross of its own; the first keeps its cross.
    EXPECT_EQ(Down(300, 100), 0);
    EXPECT_EQ(Up(310, 100), 0);
    art = AllArt();
    ASSERT_EQ(art.size(), 8u);
    EXPECT_FLOAT_EQ(art[2]->segments[0].p.h, 95);
    EXPECT_FLOAT_EQ(art[6]->segments[0].p.h, 295);
}

TEST_F(CircleCentre, AnAcceptedClickBeepsWhenTheSoundIsOn) {
    StartPlugin("Centre = bool:false\nSon = bool:true\n");
    Select(kCircleTool);
    EXPECT_EQ(Click(10, 10), 0);
    EXPECT_EQ(LogLinesWith("beep 9000 100").size(), 1u);
    // A click that only toggles the palette makes no sound.
    Key("alt", true);
    EXPECT_EQ(Click(20, 10), 0);
    Key("alt", false);
    EXPECT_EQ(LogLinesWith("beep").size(), 1u);
}

}  // namespace
}  // namespace tools_test
