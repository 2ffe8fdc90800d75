// Snapping as a user meets it with the circle tool: what the cursor tells
// over existing art at several zooms, which art is never snapped to, the
// ring of recent points, circles placed onto snapped points, and circles
// drawn by centre and radius re-opened by a click on their outline.
#include <cmath>

#include "app/app_state.h"
#include "tool_scenario.h"

namespace tools_test {
namespace {

using namespace drawhost;

// Curve pieces are sampled a hundred times along their parameter, more
// densely near their ends: the lines here are short enough for every point
// of them to lie within 2 points of a sample.
class Snapping : public ToolScenario {
protected:
    void Begin(const std::string& more = "Centre = bool:false\n") { StartPlugin("Tolerance = int:8\n" + more); }
    const qzv::SnapResult& Snap() { return State().snap; }
    Art* LastPath() {
        std::vector<const Art*> all = AllArt();
        return all.empty() ? nullptr : DocumentArtById(all.back()->id);
    }
};

TEST_F(Snapping, AnchorToleranceIsInScreenPixels) {
    Begin();
    Run("path 100 100 200 100");
    Select(kCircleTool);
    Run("zoom 2");   // 8 pixels are 4 points
    EXPECT_EQ(Hover(103.5f, 100), 0);
    EXPECT_EQ(LastCursor(), 19000);
    EXPECT_TRUE(Snap().onPoint);
    EXPECT_FLOAT_EQ(Snap().snapPoint.h, 100);
    EXPECT_EQ(Hover(104.5f, 100.5f), 0);
    EXPECT_EQ(LastCursor(), 19001);   // on the segment, not the anchor
    EXPECT_TRUE(Snap().onSegment);
    Run("zoom 8");   // 1 point: the segment is found before the anchor
    EXPECT_EQ(Hover(101.5f, 100), 0);
    EXPECT_TRUE(Snap().onSegment);
    EXPECT_EQ(Hover(100.9f, 100), 0);
    EXPECT_TRUE(Snap().onPoint);
}

TEST_F(Snapping, AtTheCornerOfOnePathTheLaterSegmentIsFound) {
    Begin();
    Run("path 0 0 100 0 100 100");
    Select(kCircleTool);
    Run("zoom 8");
    EXPECT_EQ(Hover(99, 1), 0);   // within 2 points of both, outside the anchor's point
    EXPECT_TRUE(Snap().onSegment);
    EXPECT_FALSE(Snap().onIntersection);
    EXPECT_FLOAT_EQ(Snap().snapPoint.h, 100);
    EXPECT_FLOAT_EQ(Snap().snapPoint.v, 0);
    EXPECT_FLOAT_EQ(Snap().segmentEnd.v, 100);
}

TEST_F(Snapping, TwoPathsCrossingGiveTheirExactIntersection) {
    Begin();
    Run("path 0 0 100 100");
    Run("path 0 100 100 0");
    Select(kCircleTool);
    EXPECT_EQ(Hover(50.6f, 49.3f), 0);
    EXPECT_EQ(LastCursor(), 20017);
    EXPECT_TRUE(Snap().onIntersection && Snap().onPoint);
    EXPECT_FLOAT_EQ(Snap().snapPoint.h, 50);
    EXPECT_FLOAT_EQ(Snap().snapPoint.v, 50);
    // A circle by centre and radius centred there.
    EXPECT_EQ(Down(50.6f, 49.3f), 0);
    EXPECT_EQ(Up(80, 50), 0);
    EXPECT_FLOAT_EQ(State().tool.centre.h, 50);
    EXPECT_FLOAT_EQ(State().tool.centre.v, 50);
}

TEST_F(Snapping, HiddenLayersAndHiddenLockedOrGuidePathsAreNeverFound) {
    Begin();
    Run("layer Cachee hidden");
    Run("path 0 0 100 0");
    Run("layer Visible");
    Run("path 0 20 100 20");
    Run("path 0 40 100 40");
    Run("path 0 60 100 60");
    auto at = [&](float v) {
        for (const Art* art : AllArt())
            if (art->segments[0].p.v == v) return DocumentArtById(art->id);
        return static_cast<Art*>(nullptr);
    };
    Art* locked = at(20);
    Art* hidden = at(40);
    Art* guide = at(60);
    locked->userAttr = kArtLocked;
    hidden->userAttr = kArtHidden;
    guide->guide = true;
    Select(kCircleTool);
    for (float v : {0.0f, 20.0f, 40.0f, 60.0f}) {
        EXPECT_EQ(Hover(50, v + 0.5f), 0);
        EXPECT_FALSE(Snap().onSegment || Snap().onPoint) << v;
        EXPECT_EQ(LastCursor(), 16002) << v;
    }
    // A locked layer's art is snapped to: it can be drawn on, not changed.
    Run("layer Verrou locked");
    TheDocument().currentLayer = TheDocument().layers.back()->id;
    guide->guide = false;
    EXPECT_EQ(Hover(50, 60.5f), 0);
    EXPECT_TRUE(Snap().onSegment);
}

TEST_F(Snapping, ThePolygonalLineBeingDrawnIsFoundOnlyThroughItsVertices) {
    Begin();
    Run("path 0 0 100 0 100 100");
    Select(kRectTool);
    qzv::Globals& g = State();
    g.tool.rectMode = 2;
    g.settings.working.LignePoly = true;
    g.tool.art.rectPath = reinterpret_cast<ArtHandle>(AllArt()[0]->id);
    DocumentArtById(AllArt()[0]->id)->tags["qzv"] = "jj";
    EXPECT_EQ(Hover(50, 0.5f), 0);   // along a piece: not found
    EXPECT_FALSE(Snap().onSegment);
    EXPECT_EQ(LastCursor(), 21003);
    EXPECT_EQ(Hover(0.5f, 0.5f), 0);
    EXPECT_EQ(LastCursor(), 21004);   // the first vertex: a click closes the line
    EXPECT_TRUE(Snap().onPoint);
    EXPECT_EQ(Hover(99.5f, 99.5f), 0);
    EXPECT_EQ(LastCursor(), 19000);
    g.tool.art.rectPath = nullptr;
}

TEST_F(Snapping, ARecentPointEntersTheRingOnceAndTheEleventhReplacesTheOldest) {
    Begin();
    for (int i = 0; i < 11; ++i) Run("path " + std::to_string(i * 50) + " 0 " + std::to_string(i * 50) + " 30");
    Select(kCircleTool);
    for (int k = 0; k < 5; ++k) EXPECT_EQ(Hover(0.2f * k, 0.1f), 0);   // staying on one anchor
    EXPECT_EQ(State().tool.recentSnapFilled, 1);
    for (int i = 1; i < 10; ++i) EXPECT_EQ(Hover(i * 50.0f, 0.3f), 0);
    EXPECT_EQ(State().tool.recentSnapFilled, 10);
    EXPECT_FLOAT_EQ(State().tool.recentSnaps[0].h, 0);
    EXPECT_EQ(Hover(500, 0.3f), 0);
    EXPECT_EQ(State().tool.recentSnapFilled, 10);
    EXPECT_EQ(State().tool.recentSnapIndex, 0);
    EXPECT_FLOAT_EQ(State().tool.recentSnaps[0].h, 500);
    EXPECT_FLOAT_EQ(State().tool.recentSnaps[1].h, 50);
}

TEST_F(Snapping, ACircleTouchesTheSegmentItIsDraggedTo) {
    Begin();
    Run("path -20 50 120 50");   // a horizontal line 50 above the centre
    Run("path 200 -100 200 100");
    Select(kCircleTool);
    EXPECT_EQ(Down(0, 0), 0);
    EXPECT_EQ(Drag(80, 50.5f), 0);   // on the line: the circle touches it
    EXPECT_FLOAT_EQ(State().tool.radius, 50);
    EXPECT_EQ(Drag(200, 100), 0);    // on the other line's end: through it
    EXPECT_FLOAT_EQ(State().tool.radius, std::hypot(200.0f, 100.0f));
    EXPECT_EQ(Drag(195, 30), 0);     // nothing there: the cursor
    EXPECT_EQ(LastCursor(), 16002);
    EXPECT_EQ(Drag(80, 50.5f), 0);
    EXPECT_EQ(Up(80, 50.5f), 0);
    EXPECT_EQ(ArtNamed("Cercle 1")[0]->tags.at("rayon"), "50,00");
}

TEST_F(Snapping, WithoutMagnetismClicksAndDragsTakeTheCursor) {
    Begin("Centre = bool:false\nMagnetisme = bool:false\n");
    Run("path 0 0 100 0");
    Select(kCircleTool);
    EXPECT_EQ(Hover(0.5f, 0.5f), 0);
    EXPECT_EQ(LastCursor(), 19000);   // the search still tells what is there
    EXPECT_EQ(Down(0.5f, 0.5f), 0);
    EXPECT_FLOAT_EQ(State().tool.centre.h, 0.5f);
    EXPECT_EQ(Up(40.5f, 0.5f), 0);
    EXPECT_FLOAT_EQ(State().tool.radius, 40);
}

class Reopening : public Snapping {
protected:
    void Circle(float h, float v, float r) {
        EXPECT_EQ(Down(h, v), 0);
        EXPECT_EQ(Up(h + r, v), 0);
    }
};

TEST_F(Reopening, AClickOnTheOutlineInCercle1ChangesOnlyTheRadius) {
    Begin();
    Select(kCircleTool);
    Circle(100, 100, 40);
    Run("path 0 300 10 300");   // later art above it
    ASSERT_EQ(ArtNamed("Cercle 1").size(), 1u);
    const DocId id = ArtNamed("Cercle 1")[0]->id;
    // In another mode the outline is a re-editable arc, and nothing more.
    // Halfway between two anchors of the circle, 0.4 outside it.
    const float d = 28.284271f + 0.3f;
    State().tool.circleMode = 1;
    EXPECT_EQ(Hover(100 + d, 100 + d), 0);
    EXPECT_TRUE(Snap().onArc && Snap().onEditableArc);
    EXPECT_EQ(LastCursor(), 20015);
    State().tool.circleMode = 0;
    EXPECT_EQ(Hover(100 + d, 100 + d + 0.01f), 0);
    EXPECT_TRUE(Snap().onEditableArc);
    EXPECT_EQ(Down(100 + d, 100 + d + 0.01f), 0);
    EXPECT_TRUE(State().tool.constructionLive);
    EXPECT_EQ(Drag(100, 170), 0);
    EXPECT_EQ(Up(100, 170), 0);
    std::vector<const Art*> circles = ArtNamed("Cercle 1");
    ASSERT_EQ(circles.size(), 1u);
    EXPECT_EQ(circles[0]->id, id);   // the same art, in place
    EXPECT_EQ(circles[0]->tags.at("rayon"), "70,00");
    EXPECT_EQ(circles[0]->tags.at("centreh"), "100,00");
    EXPECT_EQ(circles[0]->tags.count("qzv"), 0u);
    EXPECT_FLOAT_EQ(circles[0]->segments[2].p.h, 170);
    EXPECT_EQ(AllArt().size(), 2u);   // no group left behind
    EXPECT_EQ(AllArt()[0]->id, id);   // still below the later art
}

TEST_F(Reopening, WithItsCrossTheCircleAndTheCrossAreReopenedTogether) {
    Begin("Centre = bool:true\nAlea = bool:false\nBranches = real:10\n");
    Select(kCircleTool);
    Circle(100, 100, 40);
    ASSERT_EQ(AllArt().size(), 4u);
    const float d = 28.284271f + 0.3f;
    EXPECT_EQ(Hover(100 + d, 100 + d), 0);
    EXPECT_EQ(Down(100 + d, 100 + d), 0);
    EXPECT_EQ(Up(100, 160), 0);
    std::vector<const Art*> art = AllArt();
    ASSERT_EQ(art.size(), 4u);   // the same group, circle and cross: no second cross
    EXPECT_EQ(art[1]->tags.at("rayon"), "60,00");
    EXPECT_FLOAT_EQ(art[2]->segments[0].p.h, 95);
}

TEST_F(Reopening, CirclesOfOtherModesAreNotReopened) {
    Begin();
    Select(kCircleTool);
    State().tool.circleMode = 1;
    EXPECT_EQ(Click(0, 0), 0);
    EXPECT_EQ(Click(100, 0), 0);
    State().tool.circleMode = 0;
    const float d = 35.355339f + 0.3f;   // halfway between anchors of the circle of radius 50
    EXPECT_EQ(Hover(50 + d, d), 0);
    EXPECT_TRUE(Snap().onArc);
    EXPECT_FALSE(Snap().onEditableArc);
    EXPECT_EQ(Down(50 + d, d), 0);
    EXPECT_EQ(Up(60 + d, d), 0);
    EXPECT_EQ(ArtNamed("Cercle 2").size(), 1u);
    EXPECT_EQ(ArtNamed("Cercle 1").size(), 1u);   // a new circle centred on the outline
}

}  // namespace
}  // namespace tools_test
