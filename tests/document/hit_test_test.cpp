// The hit test and the matching art list.
#include <cmath>

#include "doc_test.h"

namespace doc_test {
namespace {

class HitTests : public DocTest {
protected:
    void SetUp() override {
        DocTest::SetUp();
        hits = Acquire<HitTestSuite>(kHitTestSuiteName, kHitTestSuiteVersion);
        matching = Acquire<MatchingArtSuite>(kMatchingArtSuiteName, kMatchingArtSuiteVersion);
        ASSERT_TRUE(hits && matching);
    }
    ArtHandle MakePath(std::vector<PathSegment> s, bool closed, bool filled) {
        ArtHandle a = NewPathIn(Root());
        path->SetPathSegmentCount(a, static_cast<int32_t>(s.size()));
        EXPECT_EQ(kNoErr, path->SetPathSegments(a, 0, static_cast<int32_t>(s.size()), s.data()));
        path->SetPathClosed(a, closed);
        PathStyle st = drawhost::DocumentDefaultStyle();   // 1-point black stroke
        if (filled) {
            st.fillPaint = 1;
            st.fill.kind = kPaintGray;
            st.fill.gray = 0.2f;
        }
        style->SetPathStyle(a, &st);
        return a;
    }
    ArtHandle Square(float x, float y, float side, bool filled) {
        return MakePath({Corner(x, y), Corner(x + side, y), Corner(x + side, y + side), Corner(x, y + side)}, true,
                        filled);
    }
    // The art hit at (h, v), or null.
    ArtHandle At(float h, float v, float tolerance) {
        RealPoint pt{h, v};
        HitHandle hit = nullptr;
        EXPECT_EQ(kNoErr, hits->HitTest(&pt, tolerance, &hit));
        ArtHandle out = nullptr;
        EXPECT_EQ(kNoErr, hits->GetHitArt(hit, &out));
        EXPECT_EQ(out != nullptr, hits->IsHit(hit) != 0);
        EXPECT_EQ(kNoErr, hits->ReleaseHit(hit));
        return out;
    }
    const HitTestSuite* hits = nullptr;
    const MatchingArtSuite* matching = nullptr;
};

TEST_F(HitTests, AStraightOutlineIsHitWithinToleranceAndHalfTheStroke) {
    ArtHandle line = MakePath({Corner(0, 0), Corner(100, 0)}, false, false);
    // Reach = tolerance + 0.5 (half of the 1-point stroke).
    EXPECT_EQ(line, At(50, 2.4f, 2));
    EXPECT_EQ(nullptr, At(50, 3, 2));
    EXPECT_EQ(line, At(50, -3, 3));
    EXPECT_EQ(nullptr, At(103, 0, 2)) << "beyond the end point";
}

// A locked layer's art cannot be picked; unlocked, the same art is hit.
TEST_F(HitTests, ArtOnALockedLayerIsNeverHit) {
    ArtHandle square = Square(0, 0, 50, true);
    LayerHandle current = nullptr;
    ASSERT_EQ(kNoErr, layer->GetCurrentLayer(&current));
    drawhost::DocumentFindLayer(current)->editable = false;
    EXPECT_EQ(nullptr, At(0, 25, 2));     // on its outline
    EXPECT_EQ(nullptr, At(25, 25, 2));    // inside its fill
    drawhost::DocumentFindLayer(current)->editable = true;
    EXPECT_EQ(square, At(0, 25, 2));
    EXPECT_EQ(square, At(25, 25, 2));
}

TEST_F(HitTests, ACurveIsHitOnTheCurveNotOnItsControlPolygon) {
    // (0,0) to (100,0) with both handles at height 100: B(1/2) = (50, 75).
    ArtHandle arch = MakePath({{{0, 0}, {0, 0}, {0, 100}, 1}, {{100, 0}, {100, 100}, {100, 0}, 1}}, false, false);
    EXPECT_EQ(arch, At(50, 75.5f, 0.5f));
    EXPECT_EQ(nullptr, At(50, 100, 1)) << "the handles' line is not the curve";
    EXPECT_EQ(nullptr, At(50, 40, 1)) << "an open unfilled path has no inside";
}

TEST_F(HitTests, OnlyClosedFilledPathsAreHitInside) {
    ArtHandle filled = Square(0, 0, 100, true);
    EXPECT_EQ(filled, At(50, 50, 0));
    ArtHandle hollow = Square(200, 0, 100, false);
    EXPECT_EQ(nullptr, At(250, 50, 1));
    EXPECT_EQ(hollow, At(200, 50, 1));
    path->SetPathClosed(filled, 0);
    EXPECT_EQ(nullptr, At(50, 50, 0));
}

TEST_F(HitTests, TheTopmostVisibleUnlockedArtWins) {
    ArtHandle bottom = Square(0, 0, 100, true);
    ArtHandle group = New(kArtGroup, kPlaceInsideOnTop, Root());
    ArtHandle top = Square(50, 50, 100, true);
    ASSERT_EQ(kNoErr, art->ReorderArt(top, kPlaceInsideOnTop, group));
    EXPECT_EQ(top, At(75, 75, 0));
    EXPECT_EQ(bottom, At(25, 25, 0));
    art->SetArtUserAttr(group, kArtHidden, kArtHidden);
    EXPECT_EQ(bottom, At(75, 75, 0)) << "art in a hidden group is passed over";
    art->SetArtUserAttr(group, kArtHidden, 0);
    art->SetArtUserAttr(top, kArtLocked, kArtLocked);
    EXPECT_EQ(bottom, At(75, 75, 0)) << "locked art is passed over";

    // A layer above hides nothing when it is hidden.
    ASSERT_EQ("", drawhost_test::RunLines({"layer Dessus hidden", "layer Devant"}));
    ArtHandle front = Square(0, 0, 10, true);
    EXPECT_EQ(front, At(5, 5, 0));
    EXPECT_EQ(bottom, At(25, 25, 0));
}

TEST_F(HitTests, BadPointsAndReleasedRecordsAreRefused) {
    Square(0, 0, 100, true);
    RealPoint nan{std::nanf(""), 0};
    HitHandle hit = nullptr;
    EXPECT_EQ(kErrBadParameter, hits->HitTest(&nan, 1, &hit));
    RealPoint ok{50, 50};
    EXPECT_EQ(kErrBadParameter, hits->HitTest(&ok, -1, &hit));
    EXPECT_EQ(kErrBadParameter, hits->HitTest(nullptr, 1, &hit));
    ASSERT_EQ(kNoErr, hits->HitTest(&ok, 1, &hit));
    ASSERT_EQ(kNoErr, hits->ReleaseHit(hit));
    ArtHandle a = nullptr;
    EXPECT_EQ(kErrBadHandle, hits->GetHitArt(hit, &a));
    EXPECT_FALSE(hits->IsHit(hit));
    EXPECT_EQ(kErrBadHandle, hits->ReleaseHit(hit));
    EXPECT_EQ(nullptr, At(500, 500, 1));
}

TEST_F(HitTests, MatchingArtListsEveryPathInPaintOrder) {
    ArtHandle a = Square(0, 0, 10, false);
    ArtHandle g = New(kArtGroup, kPlaceInsideOnTop, Root());
    ArtHandle b = NewPathIn(g);
    ArtHandle c = New(kArtPath, kPlaceInsideOnBottom, g);
    art->SetArtUserAttr(c, kArtHidden, kArtHidden);   // no attribute filter
    ASSERT_EQ("", drawhost_test::RunLines({"layer Haut", "path 0 0 1 1"}));
    const ArtHandle* list = nullptr;
    int32_t count = 0;
    ASSERT_EQ(kNoErr, matching->GetMatchingPaths(&list, &count));
    ASSERT_EQ(4, count);
    EXPECT_EQ(a, list[0]);
    EXPECT_EQ(c, list[1]);
    EXPECT_EQ(b, list[2]);
    int32_t kind = 0;
    art->GetArtType(list[3], &kind);
    EXPECT_EQ(kArtPath, kind) << "the path of the upper layer comes last";
    EXPECT_EQ(kNoErr, matching->ReleaseMatchingArt());
    EXPECT_EQ(kErrBadParameter, matching->GetMatchingPaths(nullptr, &count));
}

}  // namespace
}  // namespace doc_test
