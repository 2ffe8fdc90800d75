// The SVG output read back with an XML parser, the PNG output read back
// with Cairo, and both written by a session run.
#include <expat.h>

#include <cairo.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>

#include "doc_test.h"
#include "document/document_output.h"

namespace doc_test {
namespace {

using drawhost_test::RunLines;
namespace fs = std::filesystem;

struct Node {
    std::string name;
    std::map<std::string, std::string> attrs;
    std::vector<std::unique_ptr<Node>> children;
    const Node* Child(size_t i) const { return i < children.size() ? children[i].get() : nullptr; }
    std::string Attr(const std::string& key) const {
        auto it = attrs.find(key);
        return it == attrs.end() ? "<absent>" : it->second;
    }
};

// Parses XML into a tree; false when expat finds it malformed.
bool ParseXml(const std::string& text, Node* root) {
    struct State {
        std::vector<Node*> stack;
    } state;
    state.stack.push_back(root);
    XML_Parser parser = XML_ParserCreate("UTF-8");
    XML_SetUserData(parser, &state);
    XML_SetElementHandler(
        parser,
        [](void* data, const XML_Char* name, const XML_Char** attrs) {
            auto* s = static_cast<State*>(data);
            auto node = std::make_unique<Node>();
            node->name = name;
            for (int i = 0; attrs[i]; i += 2) node->attrs[attrs[i]] = attrs[i + 1];
            Node* raw = node.get();
            s->stack.back()->children.push_back(std::move(node));
            s->stack.push_back(raw);
        },
        [](void* data, const XML_Char*) { static_cast<State*>(data)->stack.pop_back(); });
    bool ok = XML_Parse(parser, text.data(), static_cast<int>(text.size()), 1) == XML_STATUS_OK;
    XML_ParserFree(parser);
    return ok;
}

class Outputs : public DocTest {
protected:
    void SetUp() override {
        DocTest::SetUp();
        dir = fs::temp_directory_path() / ("document_tests_" + std::to_string(::getpid()));
        fs::create_directories(dir);
    }
    void TearDown() override {
        drawhost::DocumentSetOverlayPainter(nullptr);
        fs::remove_all(dir);
        DocTest::TearDown();
    }
    // Pixels of a PNG file that are not white.
    long Inked(const fs::path& file, int x0 = 0, int y0 = 0, int x1 = 1200, int y1 = 900) {
        cairo_surface_t* s = cairo_image_surface_create_from_png(file.c_str());
        EXPECT_EQ(CAIRO_STATUS_SUCCESS, cairo_surface_status(s));
        long count = -1;
        if (cairo_surface_status(s) == CAIRO_STATUS_SUCCESS) {
            EXPECT_EQ(1200, cairo_image_surface_get_width(s));
            EXPECT_EQ(900, cairo_image_surface_get_height(s));
            cairo_surface_flush(s);
            const unsigned char* data = cairo_image_surface_get_data(s);
            int stride = cairo_image_surface_get_stride(s);
            count = 0;
            for (int y = y0; y < y1; ++y)
                for (int x = x0; x < x1; ++x) {
                    uint32_t px = *reinterpret_cast<const uint32_t*>(data + y * stride + x * 4);
                    if ((px & 0xFFFFFF) != 0xFFFFFF) ++count;
                }
        }
        cairo_surface_destroy(s);
        return count;
    }
    fs::path dir;
};

TEST_F(Outputs, SvgKeepsLayersGroupsNamesTagsAndFlipsV) {
    ASSERT_EQ("", RunLines({"path 10 20 30 40", "layer \"Haut & <clair>\" hidden", "curve closed 0 0 0 10 10 10 10 0"}));
    // Name and tag the first path, and put a group with a path in the top layer.
    LayerHandle bottom = nullptr;
    layer->GetNthLayer(1, &bottom);
    ArtHandle bottomGroup = nullptr, first = nullptr;
    art->GetFirstArtOfLayer(bottom, &bottomGroup);
    art->GetArtFirstChild(bottomGroup, &first);
    art->SetArtName(first, "Cercle 1");
    tag->SetTag(first, "modif", kTagTypeString, "1");
    tag->SetTag(first, "PtCen h", kTagTypeString, "12,5 \"mm\"");
    ArtHandle g = New(kArtGroup, kPlaceInsideOnBottom, Root());
    art->SetArtName(g, "Cercle 1");
    ArtHandle inner = NewPathIn(g);
    art->SetArtUserAttr(inner, kArtHidden, kArtHidden);

    Node doc;
    std::string svg = drawhost::DocumentToSvg();
    ASSERT_TRUE(ParseXml(svg, &doc)) << svg;
    const Node* root = doc.Child(0);
    ASSERT_TRUE(root);
    EXPECT_EQ("svg", root->name);
    EXPECT_EQ("http://www.w3.org/2000/svg", root->Attr("xmlns"));
    EXPECT_EQ("urn:x-drawhost:document", root->Attr("xmlns:dh"));
    // Bounds h 0..30, v 0..40, plus a 10-point margin; y = -v.
    EXPECT_EQ("-10 -50 50 60", root->Attr("viewBox"));

    ASSERT_EQ(2u, root->children.size()) << "two layers, bottom first";
    const Node* low = root->Child(0);
    const Node* high = root->Child(1);
    EXPECT_EQ("Calque 1", low->Attr("data-name"));
    EXPECT_EQ("Haut & <clair>", high->Attr("data-name"));
    EXPECT_EQ("none", high->Attr("display"));
    EXPECT_EQ("false", high->Attr("data-visible"));

    const Node* line = low->Child(0);
    ASSERT_TRUE(line);
    EXPECT_EQ("path", line->name);
    EXPECT_EQ("Cercle 1", line->Attr("data-name"));
    EXPECT_EQ("Cercle 1", line->Attr("inkscape:label"));
    // Tags are elements of drawhost's namespace inside the path, in name order.
    ASSERT_EQ(2u, line->children.size());
    EXPECT_EQ("dh:tag", line->Child(0)->name);
    EXPECT_EQ("PtCen h", line->Child(0)->Attr("name"));
    EXPECT_EQ("12,5 \"mm\"", line->Child(0)->Attr("value"));
    EXPECT_EQ("modif", line->Child(1)->Attr("name"));
    EXPECT_EQ("1", line->Child(1)->Attr("value"));
    EXPECT_EQ("layer", low->Attr("inkscape:groupmode"));
    EXPECT_EQ("Haut & <clair>", high->Attr("inkscape:label"));
    EXPECT_EQ("M10 -20 L30 -40", line->Attr("d"));
    EXPECT_EQ("#000000", line->Attr("stroke"));
    EXPECT_EQ("none", line->Attr("fill"));

    const Node* group = high->Child(0);
    ASSERT_TRUE(group);
    EXPECT_EQ("g", group->name);
    EXPECT_NE(line->Attr("id"), group->Attr("id")) << "equal names still give unique ids";
    EXPECT_EQ("none", group->Child(0)->Attr("display"));
    const Node* curve = high->Child(1);
    EXPECT_EQ("M0 0 C0 -10 10 -10 10 0 L0 0 Z", curve->Attr("d"));
}

TEST_F(Outputs, PngShowsTheArtAndTheOverlay) {
    fs::path empty = dir / "empty.png";
    std::string error;
    ASSERT_TRUE(drawhost::DocumentWritePng(empty, &error)) << error;
    EXPECT_EQ(0, Inked(empty)) << "an empty document is white paper";

    // A filled square at (100..200, 700..800) is at view (100..200, 100..200) at zoom 1.
    ASSERT_EQ("", RunLines({"path closed 100 700 200 700 200 800 100 800"}));
    bool painted = false;
    drawhost::DocumentSetOverlayPainter([&painted](cairo_t* cr) {
        painted = true;
        cairo_set_source_rgb(cr, 1, 0, 0);
        cairo_rectangle(cr, 1000, 800, 10, 10);   // view pixels
        cairo_fill(cr);
    });
    fs::path file = dir / "square.png";
    ASSERT_TRUE(drawhost::DocumentWritePng(file, &error)) << error;
    EXPECT_TRUE(painted);
    EXPECT_GT(Inked(file, 95, 95, 105, 205), 0) << "the square's left side";
    EXPECT_EQ(0, Inked(file, 120, 120, 180, 180)) << "unfilled inside";
    EXPECT_EQ(100, Inked(file, 1000, 800, 1010, 810)) << "the overlay, in view pixels";
}

TEST_F(Outputs, ASessionWritesBothFilesOrFailsWithoutLeavingHalfFiles) {
    fs::path script = dir / "s.txt";
    std::ofstream(script) << "path 0 0 100 100\nlayer Deux\n";
    fs::path svg = dir / "out.svg", png = dir / "out.png";
    EXPECT_EQ(0, drawhost::SessionRun({"run", script.string(), "--svg", svg.string(), "--png", png.string()}));
    std::ifstream in(svg);
    std::stringstream text;
    text << in.rdbuf();
    Node doc;
    ASSERT_TRUE(ParseXml(text.str(), &doc));
    EXPECT_EQ(2u, doc.Child(0)->children.size());
    EXPECT_GT(Inked(png), 0);

    drawhost::HostReset();
    fs::path nowhere = dir / "missing" / "out.svg";
    EXPECT_EQ(1, drawhost::SessionRun({"run", script.string(), "--svg", nowhere.string()}));
    EXPECT_FALSE(fs::exists(nowhere));
}

}  // namespace
}  // namespace doc_test
