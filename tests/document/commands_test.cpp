// The document's session commands, their errors, the view and the
// "layers" section of the dump.
#include <cctype>
#include <cmath>

#include "doc_test.h"
#include "json_check.h"
#include "document/document_output.h"
#include "util/json_writer.h"

namespace doc_test {
namespace {

using drawhost_test::RunLines;

class Commands : public DocTest {
protected:
    // The current layer's art, bottom first.
    std::vector<ArtHandle> Art() { return Children(Root()); }
    std::vector<PathSegment> Segments(ArtHandle a) {
        int32_t n = 0;
        path->GetPathSegmentCount(a, &n);
        std::vector<PathSegment> out(static_cast<size_t>(n));
        path->GetPathSegments(a, 0, n, out.data());
        return out;
    }
};

// A command that fails names the line and leaves the document as it was.
TEST_F(Commands, BadLinesStopWithAMessageAndChangeNothing) {
    struct Case {
        const char* line;
        const char* says;
    } cases[] = {
        {"path 0 0 nan 1", "not a finite number"},
        {"path 0 0 inf 1", "not a finite number"},
        {"path 0 0 1e9 0", "out of range"},
        {"path 0 0 1", "two or more points"},
        {"path closed 0 0", "two or more points"},
        {"path 0 0 x 1", "not a number"},
        {"curve 0 0 1 1 2 2", "pieces of six numbers"},
        {"curve 0 0 1 1 2 2 3 nan", "not a finite number"},
        {"units furlong", "unknown unit 'furlong'"},
        {"units", "usage: units"},
        {"zoom 0", "outside"},
        {"zoom 65", "outside"},
        {"snapping maybe", "on or off"},
        {"seed x", "not a whole number"},
        {"layer Titre bogus", "expected locked or hidden"},
        {"layer Titre locked locked", "expected locked or hidden"},
    };
    for (const Case& c : cases) {
        std::string error = RunLines({c.line});
        EXPECT_NE(std::string::npos, error.find("test:1:")) << c.line << " -> " << error;
        EXPECT_NE(std::string::npos, error.find(c.says)) << c.line << " -> " << error;
    }
    EXPECT_TRUE(Art().empty());
    int32_t layers = 0;
    layer->CountLayers(&layers);
    EXPECT_EQ(1, layers);
    EXPECT_NE(std::string::npos, RunLines({"pattern P", "pattern P"}).find("test:2: 'pattern': the document already"));
}

TEST_F(Commands, LayerMakesANewCurrentLayerAboveWithItsFlags) {
    ASSERT_EQ("", RunLines({"layer \"Mon calque\" hidden locked"}));
    LayerHandle current = nullptr, top = nullptr;
    layer->GetCurrentLayer(&current);
    layer->GetNthLayer(0, &top);
    EXPECT_EQ(top, current);
    char title[32];
    layer->GetLayerTitle(current, title, sizeof title);
    EXPECT_STREQ("Mon calque", title);
    HostBool editable = 1, visible = 1;
    layer->GetLayerEditable(current, &editable);
    layer->GetLayerVisible(current, &visible);
    EXPECT_FALSE(editable);
    EXPECT_FALSE(visible);
    EXPECT_NE(std::string::npos, RunLines({"path 0 0 1 1"}).find("layer 'Mon calque' is locked"));
}

TEST_F(Commands, PathAndCurveBuildAnchorsHandlesAndCorners) {
    ASSERT_EQ("", RunLines({"path closed 0 0 100 0 100 50",
                            "curve 0 0  0 10 10 10 20 10  30 10 40 10 40 0"}));
    auto arts = Art();
    ASSERT_EQ(2u, arts.size());
    auto line = Segments(arts[0]);
    ASSERT_EQ(3u, line.size());
    EXPECT_EQ(50.0f, line[2].p.v);
    EXPECT_EQ(line[2].p.h, line[2].in.h);
    EXPECT_TRUE(line[1].corner);
    HostBool closed = 0;
    path->GetPathClosed(arts[0], &closed);
    EXPECT_TRUE(closed);

    auto curve = Segments(arts[1]);
    ASSERT_EQ(3u, curve.size());
    EXPECT_EQ(10.0f, curve[0].out.v);                 // first handle
    EXPECT_EQ(10.0f, curve[1].in.h);                  // incoming handle of the middle anchor
    EXPECT_EQ(30.0f, curve[1].out.h);                 // its outgoing handle, from the next piece
    EXPECT_EQ(40.0f, curve[2].in.h);
    EXPECT_TRUE(curve[0].corner) << "a retracted handle makes a corner";
    EXPECT_FALSE(curve[1].corner) << "handles opposite on one line make a smooth anchor";
    EXPECT_TRUE(curve[2].corner);
}

TEST_F(Commands, UnitsSnappingPatternsAndTheView) {
    auto doc = Acquire<DocumentSuite>(kDocumentSuiteName, kDocumentSuiteVersion);
    auto views = Acquire<DocumentViewSuite>(kDocumentViewSuiteName, kDocumentViewSuiteVersion);
    auto snap = Acquire<CursorSnapSuite>(kCursorSnapSuiteName, kCursorSnapSuiteVersion);
    auto patterns = Acquire<PatternSuite>(kPatternSuiteName, kPatternSuiteVersion);
    int32_t units = 0;
    doc->GetDocumentRulerUnits(&units);
    EXPECT_EQ(kUnitPoints, units);
    ViewHandle front = nullptr;
    ASSERT_EQ(kNoErr, views->GetNthView(0, &front));
    EXPECT_TRUE(snap->UseCursorSnap(front));
    EXPECT_FALSE(snap->UseCursorSnap(reinterpret_cast<ViewHandle>(uintptr_t{77})));

    // At zoom 1 the view's top-left corner shows the artwork point (0, 900);
    // v grows upward and view y downward.
    RealPoint a{100, 800};
    IntPoint v;
    ASSERT_EQ(kNoErr, views->ArtworkPointToViewPoint(front, &a, &v));
    EXPECT_EQ(100, v.h);
    EXPECT_EQ(100, v.v);

    ASSERT_EQ("", RunLines({"units mm", "snapping off", "pattern Hachures", "pattern \"Pois verts\"", "zoom 2"}));
    doc->GetDocumentRulerUnits(&units);
    EXPECT_EQ(kUnitMillimeters, units);
    EXPECT_FALSE(snap->UseCursorSnap(front));
    int32_t count = 0;
    patterns->CountPatterns(&count);
    EXPECT_EQ(2, count);
    PatternHandle second = nullptr;
    ASSERT_EQ(kNoErr, patterns->GetNthPattern(1, &second));
    char name[16];
    patterns->GetPatternName(second, name, sizeof name);
    EXPECT_STREQ("Pois verts", name);
    EXPECT_EQ(kErrNotFound, patterns->GetNthPattern(2, &second));

    // Zooming keeps the centre (600, 450) in place and doubles distances from it.
    float zoom = 0;
    views->GetZoom(front, &zoom);
    EXPECT_EQ(2.0f, zoom);
    RealPoint centre{600, 450}, right{700, 400};
    views->ArtworkPointToViewPoint(front, &centre, &v);
    EXPECT_EQ(600, v.h);
    EXPECT_EQ(450, v.v);
    views->ArtworkPointToViewPoint(front, &right, &v);
    EXPECT_EQ(800, v.h);
    EXPECT_EQ(550, v.v);
    RealPoint back;
    ASSERT_EQ(kNoErr, views->ViewPointToArtworkPoint(front, &v, &back));
    EXPECT_EQ(700.0f, back.h);
    EXPECT_EQ(400.0f, back.v);

    EXPECT_EQ(kErrBadParameter, views->SetZoom(front, std::nanf("")));
    EXPECT_EQ(kErrBadParameter, views->SetZoom(front, 0));
    EXPECT_EQ(kErrBadHandle, views->SetZoom(reinterpret_cast<ViewHandle>(uintptr_t{77}), 1));
    RealPoint far{3e38f, 0};
    EXPECT_EQ(kErrBadParameter, views->ArtworkPointToViewPoint(front, &far, &v));
    ViewHandle other = nullptr;
    EXPECT_EQ(kErrNotFound, views->GetNthView(1, &other));
    IntRect bounds;
    views->GetViewBounds(front, &bounds);
    EXPECT_EQ(1200, bounds.right);
    EXPECT_EQ(900, bounds.bottom);
}

// JSON text without the blanks outside strings, to compare with a literal.
std::string Compact(const std::string& json) {
    std::string out;
    bool inString = false;
    for (size_t i = 0; i < json.size(); ++i) {
        char c = json[i];
        if (inString && c == '\\') {
            out += c;
            out += json[++i];
            continue;
        }
        if (c == '"') inString = !inString;
        if (inString || !std::isspace(static_cast<unsigned char>(c))) out += c;
    }
    return out;
}

TEST_F(Commands, TheDumpShowsLayersArtTagsSegmentsAndStyles) {
    ASSERT_EQ("", RunLines({"path 0.1 0 10 -2.5", "layer Haut locked"}));
    ArtHandle line = nullptr;
    LayerHandle bottom = nullptr;
    layer->GetNthLayer(1, &bottom);
    ArtHandle group = nullptr;
    art->GetFirstArtOfLayer(bottom, &group);
    art->GetArtFirstChild(group, &line);
    art->SetArtName(line, "Segment");
    tag->SetTag(line, "qzv", kTagTypeString, "jj");

    drawhost::JsonWriter json;
    drawhost::DocumentWriteLayersJson(json);
    // 0.1f is written as 0.1: the shortest text that reads back as the float.
    const char* expected =
        "[{\"title\":\"Haut\",\"visible\":true,\"editable\":false,\"art\":[]},"
        "{\"title\":\"Calque 1\",\"visible\":true,\"editable\":true,\"art\":["
        "{\"kind\":\"path\",\"name\":\"Segment\",\"tags\":{\"qzv\":\"jj\"},\"closed\":false,\"guide\":false,"
        "\"segments\":[{\"p\":[0.1,0],\"in\":[0.1,0],\"out\":[0.1,0],\"corner\":true},"
        "{\"p\":[10,-2.5],\"in\":[10,-2.5],\"out\":[10,-2.5],\"corner\":true}],"
        "\"style\":{\"fillPaint\":false,\"fill\":{\"kind\":\"none\"},\"strokePaint\":true,"
        "\"stroke\":{\"kind\":\"gray\",\"gray\":1},\"width\":1,\"cap\":0,\"join\":0,\"miterLimit\":4}}]}]";
    EXPECT_EQ(expected, Compact(json.Text()));
}

// Whatever the user names a layer or tags an art, the dump stays JSON that
// any reader takes, and holds the names escaped as JSON wants them.
TEST_F(Commands, NamesWithBackslashesQuotesAndControlsGiveValidJson) {
    ASSERT_EQ("", RunLines({"layer Haut", "path 0 0 10 10"}));
    ArtHandle line = nullptr, group = nullptr;
    LayerHandle top = nullptr;
    layer->GetNthLayer(0, &top);
    ASSERT_EQ(kNoErr, layer->SetLayerTitle(top, "C:\\dessins\\\"plan\""));
    art->GetFirstArtOfLayer(top, &group);
    art->GetArtFirstChild(group, &line);
    art->SetArtName(line, "tab\there\x01");
    tag->SetTag(line, "a\\b", kTagTypeString, "\"quoted\"\n");
    drawhost::JsonWriter json;
    drawhost::DocumentWriteLayersJson(json);
    std::string why;
    EXPECT_TRUE(drawhost_test::JsonValid(json.Text(), &why)) << why << "\n" << json.Text();
    EXPECT_NE(json.Text().find(R"("C:\\dessins\\\"plan\"")"), std::string::npos) << json.Text();
    EXPECT_FALSE(drawhost_test::JsonValid(R"({"a": "\q"})", &why));   // the checker refuses bad escapes
}

}  // namespace
}  // namespace doc_test
