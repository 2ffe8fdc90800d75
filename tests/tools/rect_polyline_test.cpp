// The polygonal line of the rectangle tool (mode 2, "LignePoly" on): one
// path extended click after click, finished on its last vertex or closed on
// its first within "Tolerance" screen pixels (8 here) at the view's zoom.
#include <cmath>

#include "app/app_state.h"
#include "rect_scenario.h"

namespace tools_test {
namespace {

using namespace drawhost;

class Polyline : public RectScenario {
protected:
    void Start(const std::string& preferences = "") { StartRect(2, "LignePoly = bool:true\n" + preferences); }
    qzv::ToolState& Tool() { return State().tool; }
    // The construction preview (a guide path), or null.
    const Art* Preview() {
        for (const Art* art : AllArt())
            if (art->kind == kArtPath && art->guide) return art;
        return nullptr;
    }
    const Art* Line() {
        std::vector<const Art*> lines = ArtNamed("Ligne brisée");
        return lines.empty() ? nullptr : lines.back();
    }
    void Vertex(float h, float v) { EXPECT_EQ(Click(h, v), 0); }
};

TEST_F(Polyline, EachClickAddsAPieceAndAClickOnTheLastVertexEndsTheLineOpen) {
    Start();
    EXPECT_EQ(Down(0, 0), 0);
    EXPECT_EQ(Drag(100, 0), 0);
    EXPECT_EQ(Up(100, 0), 0);
    ASSERT_NE(Line(), nullptr);
    ExpectPoints(Anchors(*Line()), {{0, 0}, {100, 0}}, 0);
    EXPECT_EQ(Line()->tags.count("qzv"), 1u);   // still under construction
    EXPECT_EQ(Tool().polylineVertices, 2);
    EXPECT_FLOAT_EQ(Tool().firstPoint.h, 100);   // the next piece starts there
    // Between clicks the preview leads from the last vertex to the cursor.
    EXPECT_EQ(Hover(100, 50), 0);
    ASSERT_NE(Preview(), nullptr);
    ExpectPoints(Anchors(*Preview()), {{100, 0}, {100, 50}}, 0);

    EXPECT_EQ(Down(100, 80), 0);
    EXPECT_FLOAT_EQ(Field(72), 80);
    EXPECT_FLOAT_EQ(Field(74), 90);
    EXPECT_EQ(Drag(100, 60), 0);   // the new end follows the drag
    EXPECT_EQ(Up(100, 60), 0);
    ExpectPoints(Anchors(*Line()), {{0, 0}, {100, 0}, {100, 60}}, 0);
    EXPECT_FLOAT_EQ(Tool().polylineLength, 160);
    EXPECT_EQ(AllArt().size(), 2u);   // the line and its preview, no group left

    // Within 8 points of the last vertex: finished, without a further piece.
    EXPECT_EQ(Click(104, 66), 0);
    EXPECT_EQ(Preview(), nullptr);
    const Art& line = Only("Ligne brisée");
    ExpectPoints(Anchors(line), {{0, 0}, {100, 0}, {100, 60}}, 0);
    EXPECT_FALSE(line.closed);
    EXPECT_EQ(line.tags.count("qzv"), 0u);
    EXPECT_EQ(Tool().polylineVertices, 0);
    // The next click starts a new line.
    Vertex(300, 0);
    EXPECT_EQ(ArtNamed("Ligne brisée").size(), 2u);
    EXPECT_EQ(Tool().polylineVertices, 1);
}

TEST_F(Polyline, AClickNearTheFirstVertexClosesTheLineWithinTheToleranceAtTheZoom) {
    Start();
    Vertex(0, 0);
    Vertex(100, 0);
    Vertex(100, 100);
    EXPECT_EQ(Click(6, 0), 0);   // 6 points: within 8 pixels at zoom 1
    const Art& closed = Only("Ligne brisée");
    EXPECT_TRUE(closed.closed);
    ExpectPoints(Anchors(closed), {{0, 0}, {100, 0}, {100, 100}}, 0);
    EXPECT_EQ(Preview(), nullptr);

    // At zoom 4 the tolerance is 2 points: 6 points away adds a piece.
    Run("zoom 4");
    Vertex(200, 0);
    Vertex(300, 0);
    Vertex(300, 100);
    EXPECT_EQ(Click(206, 0), 0);
    EXPECT_EQ(Tool().polylineVertices, 4);
    EXPECT_EQ(Click(201.5f, 0), 0);   // 1.5 points from the first vertex, 4.5 from the last
    const Art& line = *Line();
    EXPECT_TRUE(line.closed);
    ExpectPoints(Anchors(line), {{200, 0}, {300, 0}, {300, 100}, {206, 0}}, 0);
}

TEST_F(Polyline, TheFirstVertexAloneLeadsThePreviewAndTheNextClickDrawsThePiece) {
    Start();
    EXPECT_EQ(Click(0, 0), 0);   // no drag: the path holds the vertex, no piece yet
    ExpectPoints(Anchors(MainPath()), {{0, 0}}, 0);
    EXPECT_EQ(MainPath().tags.count("qzv"), 1u);
    EXPECT_EQ(Hover(30, 40), 0);
    ASSERT_NE(Preview(), nullptr);
    ExpectPoints(Anchors(*Preview()), {{0, 0}, {30, 40}}, 0);
    EXPECT_EQ(Click(30, 40), 0);
    ExpectPoints(Anchors(*Line()), {{0, 0}, {30, 40}}, 0);
    EXPECT_FLOAT_EQ(Tool().polylineLength, 50);
}

TEST_F(Polyline, ALineOfOneVertexOrTwoVerticesClickedShutLeavesNoClosedRetrace) {
    Start();
    // One vertex, then a click on it: nothing is left at all.
    EXPECT_EQ(Click(0, 0), 0);
    EXPECT_EQ(Click(2, 2), 0);
    EXPECT_TRUE(AllArt().empty());
    // Two vertices, then a click on the first: the line ends open.
    Vertex(100, 0);
    Vertex(200, 0);
    EXPECT_EQ(Click(101, 1), 0);
    const Art& line = Only("Ligne brisée");
    EXPECT_FALSE(line.closed);
    ExpectPoints(Anchors(line), {{100, 0}, {200, 0}}, 0);
    EXPECT_EQ(Preview(), nullptr);
}

TEST_F(Polyline, ADragBackOntoTheAnchorDrawsNoPiece) {
    Start();
    EXPECT_EQ(Down(0, 0), 0);
    EXPECT_EQ(Drag(0, 0), 0);
    EXPECT_EQ(Up(0, 0), 0);
    EXPECT_EQ(Tool().polylineVertices, 1);
    Vertex(50, 0);
    EXPECT_EQ(Down(80, 0), 0);
    EXPECT_EQ(Drag(50, 0), 0);   // the new end dragged back onto the last vertex
    EXPECT_EQ(Up(50, 0), 0);
    EXPECT_EQ(Tool().polylineVertices, 2);
    EXPECT_FLOAT_EQ(Tool().polylineLength, 50);
    Vertex(50, 40);
    ExpectPoints(Anchors(*Line()), {{0, 0}, {50, 0}, {50, 40}}, 0);
}

TEST_F(Polyline, AThousandClicksMakeOneLineOfAThousandVertices) {
    Start();
    for (int i = 0; i < 1000; ++i) {
        SCOPED_TRACE(i);
        ASSERT_EQ(Click(static_cast<float>(20 * (i + 1)), static_cast<float>(50 * (i % 2))), 0);
    }
    EXPECT_EQ(Tool().polylineVertices, 1000);
    EXPECT_EQ(Click(20000, 50), 0);   // on the last vertex
    const Art& line = Only("Ligne brisée");
    ASSERT_EQ(line.segments.size(), 1000u);
    EXPECT_FLOAT_EQ(line.segments[999].p.h, 20000);
    for (const PathSegment& s : line.segments) EXPECT_TRUE(std::isfinite(s.p.h) && std::isfinite(s.p.v));
    EXPECT_EQ(AllArt().size(), 1u);
}

TEST_F(Polyline, ALineDeletedBetweenClicksIsStartedAgainAtTheNextClick) {
    Start();
    Vertex(0, 0);
    Vertex(50, 0);
    ASSERT_EQ(DocumentDisposeArt(Tool().art.rectPath), kNoErr);
    Vertex(100, 100);
    EXPECT_EQ(Tool().polylineVertices, 1);
    Vertex(150, 100);
    ExpectPoints(Anchors(Only("Ligne brisée")), {{100, 100}, {150, 100}}, 0);
    // Deleted during a drag: the release ends the construction.
    EXPECT_EQ(Down(200, 100), 0);
    EXPECT_EQ(Drag(220, 100), 0);
    ASSERT_EQ(DocumentDisposeArt(Tool().art.rectPath), kNoErr);
    EXPECT_EQ(Drag(230, 100), 0);
    EXPECT_EQ(Up(230, 100), 0);
    EXPECT_EQ(Tool().polylineVertices, 0);
    EXPECT_EQ(Preview(), nullptr);
    EXPECT_TRUE(AllArt().empty());
}

}  // namespace
}  // namespace tools_test
