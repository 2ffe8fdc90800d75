// The alignment of the cursor with recently snapped points: the first
// entry of the ring level with the cursor within "Tolerance" / zoom, the
// guide's coordinate and its extent in view pixels. Expected values come
// from the view's mapping written out here: x = (h - origin.h) * zoom,
// y = (origin.v - v) * zoom.
#include <cmath>

#include "search_fixture.h"
#include "snap/alignment.h"

namespace snap_test {
namespace {

using namespace drawhost;

class Alignment : public SearchTest {
protected:
    void SetUp() override {
        SearchTest::SetUp();
        TheDocument().view.origin = RealPoint{0, 500};
        Zoom(2);   // tolerance 4 points
        view_ = reinterpret_cast<ViewHandle>(static_cast<uintptr_t>(TheDocument().view.id));
    }
    void Recent(std::initializer_list<RealPoint> points) {
        qzv::ToolState& t = globals_.tool;
        int i = 0;
        for (RealPoint p : points) t.recentSnaps[i++] = p;
        t.recentSnapFilled = static_cast<uint8_t>(i);
        t.recentSnapIndex = static_cast<uint8_t>(i - 1);
    }
    void Cursor(RealPoint at) {
        globals_.tool.lastCursor = at;
        globals_.snap.cursor = at;
    }
    ViewHandle view_ = nullptr;
    qzv::GuideExtent extent_{};
};

// The lowest index level with the cursor is taken, not the nearest one.
TEST_F(Alignment, TheFirstEntryLevelWithTheCursorGivesTheGuide) {
    Recent({{10, 103}, {20, 100.5f}, {200, 100}});
    Cursor({50, 100});
    ASSERT_TRUE(qzv::FindHorizontalAlignment(view_, &extent_));
    EXPECT_TRUE(globals_.snap.hGuideOn);
    EXPECT_EQ(globals_.snap.hGuide, 103);
    EXPECT_EQ(extent_.from.h, 20);    // the entry at h 10
    EXPECT_EQ(extent_.to.h, 100);     // the cursor at h 50
    EXPECT_EQ(extent_.from.v, 794);   // both at the entry's height
    EXPECT_EQ(extent_.to.v, 794);
    // Cursor to the left of the point: the extent still runs left to right.
    Recent({{200, 101}});
    Cursor({50, 100});
    ASSERT_TRUE(qzv::FindHorizontalAlignment(view_, &extent_));
    EXPECT_EQ(extent_.from.h, 100);
    EXPECT_EQ(extent_.to.h, 400);
}

TEST_F(Alignment, TheVerticalGuideSwapsTheAxes) {
    Recent({{103, 10}, {100.5f, 20}});
    Cursor({100, 50});
    ASSERT_TRUE(qzv::FindVerticalAlignment(view_, &extent_));
    EXPECT_TRUE(globals_.snap.vGuideOn);
    EXPECT_EQ(globals_.snap.vGuide, 103);
    EXPECT_EQ(extent_.from.h, 206);
    EXPECT_EQ(extent_.to.h, 206);
    EXPECT_EQ(extent_.from.v, 900);   // the cursor, higher on the page, is lower in v pixels
    EXPECT_EQ(extent_.to.v, 980);
    EXPECT_FALSE(qzv::FindHorizontalAlignment(view_, &extent_));   // neither entry is level
    EXPECT_FALSE(globals_.snap.hGuideOn);
}

// No entry within the tolerance, entries past the filled ones, a gap equal
// to the tolerance: no guide, and a guide found before is switched off.
TEST_F(Alignment, NoEntryWithinTheToleranceMeansNoGuide) {
    Recent({{10, 100}});
    Cursor({50, 100});
    ASSERT_TRUE(qzv::FindHorizontalAlignment(view_, &extent_));
    Cursor({50, 104});   // exactly 4 points off: not below the tolerance
    EXPECT_FALSE(qzv::FindHorizontalAlignment(view_, &extent_));
    EXPECT_FALSE(globals_.snap.hGuideOn);
    globals_.tool.recentSnaps[1] = RealPoint{70, 104};   // level, but no snap was stored there
    EXPECT_FALSE(qzv::FindHorizontalAlignment(view_, &extent_));
    globals_.tool.recentSnapFilled = 0;
    Cursor({10, 100});
    EXPECT_FALSE(qzv::FindHorizontalAlignment(view_, &extent_));
    EXPECT_FALSE(qzv::FindVerticalAlignment(view_, &extent_));
    EXPECT_FALSE(globals_.snap.hGuideOn || globals_.snap.vGuideOn);
}

// A zoom the tolerance cannot be divided by counts as 100 %; a cursor the
// view cannot show gives no guide and no NaN.
TEST_F(Alignment, OddZoomsAndCursors) {
    Recent({{10, 100}});
    Cursor({50, 107});
    EXPECT_FALSE(qzv::FindHorizontalAlignment(view_, &extent_));   // 7 > 4 at 200 %
    for (float zoom : {0.0f, -1.0f}) {
        Zoom(zoom);
        EXPECT_TRUE(qzv::FindHorizontalAlignment(view_, &extent_)) << zoom;   // 7 < 8
    }
    Zoom(std::nanf(""));   // the host cannot place the guide on its view either
    EXPECT_FALSE(qzv::FindHorizontalAlignment(view_, &extent_));
    EXPECT_FALSE(globals_.snap.hGuideOn);
    Zoom(1);
    Cursor({std::nanf(""), std::nanf("")});
    EXPECT_FALSE(qzv::FindHorizontalAlignment(view_, &extent_));
    EXPECT_FALSE(qzv::FindVerticalAlignment(view_, &extent_));
    EXPECT_FALSE(globals_.snap.hGuideOn || globals_.snap.vGuideOn);
}

}  // namespace
}  // namespace snap_test
