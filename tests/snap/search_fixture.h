// The snap search run in-process against drawhost's document: the plug-in's
// suite pointers bound to the host's suites, a Globals of the test's own,
// paths laid directly into the document, and the two searches at a cursor.
// Every test ends with a check of the document's invariants.
#pragma once
#include <vector>

#include "document/document.h"
#include "host_fixture.h"
#include "plugin/globals.h"

namespace snap_test {

class SearchTest : public drawhost_test::HostTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // A path on top of the layer made last (the document's first layer before any).
    ArtHandle Path(const std::vector<PathSegment>& segments, bool closed = false);
    ArtHandle Line(std::vector<RealPoint> anchors, bool closed = false);
    // A circle of four arcs as the tools draw it.
    ArtHandle Circle(RealPoint centre, float radius);
    LayerHandle NewLayer(const char* title);
    static PathSegment Corner(RealPoint p) { return PathSegment{p, p, p, 1}; }

    // The searches at a cursor; the result and the cursor id they leave.
    const qzv::SnapResult& Track(float h, float v);
    const qzv::SnapResult& Drag(float h, float v);
    int32_t CursorId();
    void Zoom(float zoom);

    qzv::Globals globals_;
    PluginRef plugin_ = nullptr;
    LayerHandle layer_ = nullptr;
};

}  // namespace snap_test
