// The document tests' fixture: a fresh host, the document suites as a
// plug-in acquires them, and the invariant check after every test.
#pragma once
#include "document/document.h"
#include "document/document_invariants.h"
#include "host_fixture.h"

namespace doc_test {

template <typename Suite>
const Suite* Acquire(const char* name, int32_t version) {
    return static_cast<const Suite*>(drawhost::HostFindSuite(name, version));
}

class DocTest : public drawhost_test::HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        art = Acquire<ArtSuite>(kArtSuiteName, kArtSuiteVersion);
        path = Acquire<PathSuite>(kPathSuiteName, kPathSuiteVersion);
        style = Acquire<PathStyleSuite>(kPathStyleSuiteName, kPathStyleSuiteVersion);
        tag = Acquire<TagSuite>(kTagSuiteName, kTagSuiteVersion);
        layer = Acquire<LayerSuite>(kLayerSuiteName, kLayerSuiteVersion);
        ASSERT_TRUE(art && path && style && tag && layer);
    }
    void TearDown() override {
        std::string why;
        EXPECT_TRUE(drawhost::DocumentCheckInvariants(&why)) << why;
        HostTest::TearDown();
    }

    // The layer group of the current layer.
    ArtHandle Root() {
        LayerHandle current = nullptr;
        EXPECT_EQ(kNoErr, layer->GetCurrentLayer(&current));
        ArtHandle group = nullptr;
        EXPECT_EQ(kNoErr, art->GetFirstArtOfLayer(current, &group));
        return group;
    }
    ArtHandle New(int32_t kind, int32_t placement, ArtHandle reference) {
        ArtHandle out = nullptr;
        EXPECT_EQ(kNoErr, art->NewArt(kind, placement, reference, &out));
        return out;
    }
    ArtHandle NewPathIn(ArtHandle group) { return New(kArtPath, kPlaceInsideOnTop, group); }
    // The children of a group, bottom first, as the suite walks them.
    std::vector<ArtHandle> Children(ArtHandle group) {
        std::vector<ArtHandle> out;
        ArtHandle child = nullptr;
        EXPECT_EQ(kNoErr, art->GetArtFirstChild(group, &child));
        while (child) {
            out.push_back(child);
            EXPECT_EQ(kNoErr, art->GetArtSibling(child, &child));
        }
        return out;
    }

    const ArtSuite* art = nullptr;
    const PathSuite* path = nullptr;
    const PathStyleSuite* style = nullptr;
    const TagSuite* tag = nullptr;
    const LayerSuite* layer = nullptr;
};

inline PathSegment Corner(float h, float v) { return PathSegment{{h, v}, {h, v}, {h, v}, 1}; }

}  // namespace doc_test
