#include "search_fixture.h"

#include <string>

#include "dialogs/basic_services.h"
#include "document/document_invariants.h"
#include "frame/host.h"
#include "geometry/circle_paths.h"
#include "host/suites.h"
#include "plugin/suite_table.h"
#include "snap/snap_search.h"

namespace snap_test {

using namespace drawhost;

void SearchTest::SetUp() {
    HostTest::SetUp();
    Start(QZV_PLUGINS_DIR);
    for (const qzv::SuiteEntry& e : qzv::kSuiteTable) *e.destination = HostFindSuite(e.name, e.version);
    globals_ = qzv::Globals{};
    globals_.settings.general.Tolerance = 8;
    globals_.currentTool = qzv::kToolCircle;
    qzv::gGlobals = &globals_;
    plugin_ = RefOf(&Plugin("Orbiquad"));
}

void SearchTest::TearDown() {
    std::string why;
    EXPECT_TRUE(DocumentCheckInvariants(&why)) << why;
    qzv::gGlobals = nullptr;
    for (const qzv::SuiteEntry& e : qzv::kSuiteTable) *e.destination = nullptr;
    HostTest::TearDown();
}

LayerHandle SearchTest::NewLayer(const char* title) {
    EXPECT_EQ(DocumentInsertLayer(nullptr, kLayerPlaceAbove, title, &layer_), kNoErr);
    return layer_;
}

ArtHandle SearchTest::Path(const std::vector<PathSegment>& segments, bool closed) {
    const Layer* layer = layer_ ? DocumentFindLayer(layer_) : DocumentLayerById(TheDocument().currentLayer);
    ArtHandle art = nullptr;
    EXPECT_EQ(DocumentNewArt(kArtPath, kPlaceInsideOnTop, ArtHandleOf(layer->group), &art), kNoErr);
    EXPECT_EQ(qzv::sPath->SetPathSegmentCount(art, static_cast<int32_t>(segments.size())), kNoErr);
    if (!segments.empty()) {
        EXPECT_EQ(qzv::sPath->SetPathSegments(art, 0, static_cast<int32_t>(segments.size()), segments.data()), kNoErr);
    }
    EXPECT_EQ(qzv::sPath->SetPathClosed(art, closed), kNoErr);
    return art;
}

ArtHandle SearchTest::Line(std::vector<RealPoint> anchors, bool closed) {
    std::vector<PathSegment> segments;
    for (RealPoint p : anchors) segments.push_back(Corner(p));
    return Path(segments, closed);
}

ArtHandle SearchTest::Circle(RealPoint centre, float radius) {
    const qzv::ShapePath placed = qzv::PlacedPath(qzv::BuildCircle(radius, centre, 0.0f));
    return Path(std::vector<PathSegment>(placed.seg, placed.seg + placed.count), true);
}

const qzv::SnapResult& SearchTest::Track(float h, float v) {
    ToolMessage message{};
    message.d.plugin = plugin_;
    message.cursor = RealPoint{h, v};
    qzv::SearchSnapTargets(&message);
    EXPECT_TRUE(TheDocument().matching.empty()) << "the art list was kept";
    return globals_.snap;
}

const qzv::SnapResult& SearchTest::Drag(float h, float v) {
    ToolMessage message{};
    message.d.plugin = plugin_;
    message.cursor = RealPoint{h, v};
    qzv::SearchSnapTargetsWhileDragging(&message);
    EXPECT_TRUE(TheDocument().matching.empty()) << "the art list was kept";
    return globals_.snap;
}

int32_t SearchTest::CursorId() { return DlgCurrentCursor(); }

void SearchTest::Zoom(float zoom) { TheDocument().view.zoom = zoom; }

}  // namespace snap_test
