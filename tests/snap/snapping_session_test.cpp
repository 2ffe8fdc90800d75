// Snapping as a user meets it through drawhost and the real module, where
// the search holds back on art that would mislead it: an anchor drawn
// twice, and a closed path that ends on its first anchor.
#include "document/document.h"
#include "search_fixture.h"

namespace snap_test {
namespace {

using namespace drawhost;
using drawhost_test::LogLinesWith;
using drawhost_test::RunLines;

class SnappingSession : public SearchTest {
protected:
    // The centre of the circle named `name`: the mean of its four anchors.
    RealPoint CentreOf(const std::string& name) {
        for (const auto& [id, art] : TheDocument().arts) {
            if (art->name != name || art->segments.size() != 4) continue;
            RealPoint sum{0, 0};
            for (const PathSegment& s : art->segments) sum = RealPoint{sum.h + s.p.h, sum.v + s.p.v};
            return RealPoint{sum.h / 4, sum.v / 4};
        }
        ADD_FAILURE() << "no circle " << name;
        return RealPoint{0, 0};
    }
};

// The last anchor of a diagonal drawn twice: near it, outside the anchor's
// tolerance at 800 %, the cursor is on the diagonal, and a circle centred
// there sits on it at the foot from the cursor ((98.8 + 99.6) / 2 on h = v).
TEST_F(SnappingSession, ADoubledAnchorLeavesTheSegmentBeforeIt) {
    ASSERT_EQ(RunLines({"path 0 0 100 100 100 100", "zoom 8", "tool \"Outil Zivo & Voraved\"", "move 98.8 99.6"}), "");
    EXPECT_EQ(LogLinesWith("cursor 19001").size(), 1u);
    ASSERT_EQ(RunLines({"down 98.8 99.6", "up 120 99.6"}), "");
    const RealPoint centre = CentreOf("Cercle 1");
    EXPECT_NEAR(centre.h, 99.2f, 1e-3f);
    EXPECT_NEAR(centre.v, 99.2f, 1e-3f);
}

// A closed triangle whose path ends on its first anchor. Near that corner,
// outside the anchor's tolerance, both sides meeting there are within 2
// points; the later, the diagonal, is found (they only touch), and the
// closing piece of no length after it does not replace it with a point.
// Foot of (1.3, 0.4) on h = v: (0.85, 0.85).
TEST_F(SnappingSession, AClosedPathEndingOnItsFirstAnchor) {
    ASSERT_EQ(RunLines({"path closed 0 0 100 0 100 100 0 0", "zoom 8", "tool \"Outil Zivo & Voraved\"",
                        "move 1.3 0.4", "down 1.3 0.4", "up 40 0.4"}),
              "");
    EXPECT_EQ(LogLinesWith("cursor 19001").size(), 1u);
    const RealPoint centre = CentreOf("Cercle 1");
    EXPECT_NEAR(centre.h, 0.85f, 1e-3f);
    EXPECT_NEAR(centre.v, 0.85f, 1e-3f);
}

}  // namespace
}  // namespace snap_test
