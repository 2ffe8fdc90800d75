// Files that cannot be opened leave the document as it was and say why with
// FILE:LINE; files with parts the document cannot take open without them,
// each part reported. Nothing here may crash, hang or fetch anything.
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "document/svg_format.h"
#include "document_fingerprint.h"
#include "document/document_output.h"
#include "svg_fixture.h"

namespace svg_test {
namespace {

using namespace drawhost;
using drawhost_test::DocumentFingerprint;
using drawhost_test::RunLines;
namespace fs = std::filesystem;

class SvgBadInput : public SvgTest {
protected:
    void SetUp() override {
        SvgTest::SetUp();
        dir = fs::temp_directory_path() / ("svg_bad_input_" + std::to_string(::getpid()));
        fs::create_directories(dir);
        // Something to lose: a layer with a path.
        ASSERT_EQ(RunLines({"layer Esquisse", "path 0 0 100 100"}), "");
        before = DocumentFingerprint();
    }
    void TearDown() override {
        fs::remove_all(dir);
        SvgTest::TearDown();
    }
    std::string Write(const std::string& name, const std::string& content) {
        std::ofstream(dir / name, std::ios::binary) << content;
        return (dir / name).string();
    }
    // The message of an open that must fail, the document unchanged by it.
    std::string OpenFails(const std::string& path) {
        SvgOpenReport report;
        std::string error;
        EXPECT_FALSE(DocumentOpenSvg(path, &report, &error));
        EXPECT_EQ(DocumentFingerprint(), before) << "the document changed";
        return error;
    }
    std::string RefusedText(const std::string& svg) {
        std::string error = Refused(svg);
        EXPECT_EQ(DocumentFingerprint(), before) << "the document changed";
        return error;
    }
    fs::path dir;
    std::string before;
};

TEST_F(SvgBadInput, FilesThatCannotBeReadAreNamedWithTheReason) {
    std::string missing = (dir / "missing.svg").string();
    EXPECT_EQ(OpenFails(missing), missing + ": cannot open: No such file or directory");
    EXPECT_EQ(OpenFails(dir.string()), dir.string() + ": not a regular file");
    // A named pipe without a writer: refused at once, never waited on.
    std::string fifo = (dir / "pipe.svg").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(OpenFails(fifo), fifo + ": not a regular file");
    // 200 MB (a sparse file: no disk used) is refused by its size, unread.
    std::string big = Write("big.svg", "<svg xmlns='http://www.w3.org/2000/svg'>");
    fs::resize_file(big, 200u << 20);
    EXPECT_EQ(OpenFails(big), big + ": 209715200 bytes, more than the 64 MiB a drawing may have");
    // Through a session line: the script stops with file:line and the document stays.
    EXPECT_EQ(RunLines({"open " + missing}), "test:1: 'open': " + missing + ": cannot open: No such file or directory");
    EXPECT_EQ(DocumentFingerprint(), before);
}

TEST_F(SvgBadInput, MalformedXmlGivesItsLine) {
    EXPECT_EQ(RefusedText("<svg xmlns='http://www.w3.org/2000/svg'>\n<g>\n<path d='M0 0'/>\n</svg>"),
              "test.svg:4: mismatched tag");
    EXPECT_EQ(RefusedText(""), "test.svg:1: no element found");
    EXPECT_EQ(RefusedText("<svg xmlns='http://www.w3.org/2000/svg'><path d='\xff\xfe'/></svg>"),
              "test.svg:1: not well-formed (invalid token)");
    EXPECT_EQ(RefusedText("<svg xmlns='http://www.w3.org/2000/svg'><x:path/></svg>"), "test.svg:1: unbound prefix");
    EXPECT_EQ(RefusedText("<?xml version='1.0'?>\n<html><svg/></html>"),
              "test.svg:2: not an SVG document: the root element is <html>");
    std::string path = Write("broken.svg", "<svg xmlns='http://www.w3.org/2000/svg'>\n\n<g></svg>");
    EXPECT_EQ(OpenFails(path), path + ":3: mismatched tag");
}

TEST_F(SvgBadInput, AnEntityBombIsStoppedAndExternalEntitiesAreNeverFetched) {
    // Each entity is ten of the one before: 40 * 10^10 bytes if expanded.
    std::string bomb = "<?xml version='1.0'?><!DOCTYPE svg [<!ENTITY a 'aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa'>";
    for (char c = 'b'; c <= 'k'; ++c) {
        std::string ten;
        for (int i = 0; i < 10; ++i) ten += std::string("&") + static_cast<char>(c - 1) + ";";
        bomb += std::string("<!ENTITY ") + c + " '" + ten + "'>";
    }
    bomb += "]><svg xmlns='http://www.w3.org/2000/svg'><desc>&k;</desc></svg>";
    std::string error = RefusedText(bomb);
    EXPECT_NE(error.find("amplification"), std::string::npos) << error;

    // An external entity names a file that would add a path: it is left out.
    std::string secret = Write("secret.xml", "<path d='M0 0 L9 9'/>");
    Open("<?xml version='1.0'?><!DOCTYPE svg [<!ENTITY ext SYSTEM '" + secret + "'>"
         "<!ENTITY % param SYSTEM '" + secret + "'> %param;]>"
         "<svg xmlns='http://www.w3.org/2000/svg'><g>&ext;</g><path d='M0 0 L1 1'/></svg>");
    EXPECT_EQ(Paths().size(), 1u);
    EXPECT_TRUE(Warned("external entity '" + secret + "' not fetched")) << AllWarnings();
}

TEST_F(SvgBadInput, PathDataKeepsWhatPrecedesAnError) {
    Open(Page("<path d='M0 0 L10 0 L10 10 Lx 20 20'/>"      // a bad letter
              "<path d='M 0 0 L 10 10 20'/>"                // an unfinished pair
              "<path d='M0 0 L5 5 C1 1 2 2'/>"              // an unfinished curve
              "<path d='M0 0 L NaN 5'/>"                    // not a number: nothing to keep
              "<path d='M0 0 L1 1 M2 2 L3 3 L4'/>"));        // a second subpath survives
    std::vector<const Art*> p = Paths();
    ASSERT_EQ(p.size(), 5u) << AllWarnings();
    ExpectAnchors(*p[0], {{0, 0}, {10, 0}, {10, -10}}, false);
    ExpectAnchors(*p[1], {{0, 0}, {10, -10}}, false);
    ExpectAnchors(*p[2], {{0, 0}, {5, -5}}, false);
    // Two subpaths before the error: a group of two paths.
    ExpectAnchors(*p[3], {{0, 0}, {1, -1}}, false);
    ExpectAnchors(*p[4], {{2, -2}, {3, -3}}, false);
    EXPECT_EQ(p[3]->parent, p[4]->parent);
    EXPECT_TRUE(Warned("test.svg:1: error in the path data at character 20: what precedes it is kept")) << AllWarnings();
    EXPECT_TRUE(Warned("test.svg:1: error in the path data at character 8: nothing before it to keep"))
        << AllWarnings();
    EXPECT_TRUE(Warned("test.svg:1: path data that ends inside a segment: what precedes it is kept")) << AllWarnings();
}

TEST_F(SvgBadInput, CoordinatesBeyondTheDocumentsRangeLeaveTheirShapeOut) {
    Open(Page("<path d='M 1e300 0 L 0 0'/>"
              "<path d='M 1e999 0 L 0 0'/>"
              "<path d='M 9999999 0 L 0 0'/>"
              "<path d='M 10000001 0 L 0 0'/>"
              "<g transform='scale(1e300)'><path d='M 1 1 L 2 2'/></g>"
              "<g transform='scale(1e200)'><path d='M 1 1 L 2 2'/></g>"
              "<rect width='nan' height='10'/><circle r='1e999'/>"
              "<path d='M0 0 L1 1' transform='scale(nan)'/>"));
    std::vector<const Art*> p = Paths();
    ASSERT_EQ(p.size(), 2u) << AllWarnings();
    ExpectAnchors(*p[0], {{9999999, 0}, {0, 0}}, false);
    // A transform that does not parse is ignored.
    ExpectAnchors(*p[1], {{0, 0}, {1, -1}}, false);
    EXPECT_TRUE(Warned("<path> has coordinates beyond 10000000 points or not finite: left out")) << AllWarnings();
    EXPECT_TRUE(Warned("transform 'scale(1e300)' collapses or overflows")) << AllWarnings();
    EXPECT_TRUE(Warned("<circle> has coordinates beyond")) << AllWarnings();
}

TEST_F(SvgBadInput, AZeroScaleDrawsNothingBelowIt) {
    Open(Page("<g transform='scale(0)'><path d='M0 0 L1 1'/></g><path d='M0 0 L2 2' transform='scale(1 0)'/>"
              "<path d='M0 0 L3 3'/>"));
    std::vector<const Art*> p = Paths();
    ASSERT_EQ(p.size(), 1u);
    ExpectAnchors(*p[0], {{0, 0}, {3, -3}}, false);
    EXPECT_TRUE(Warned("transform 'scale(0)' collapses")) << AllWarnings();
    EXPECT_TRUE(Warned("transform 'scale(1 0)' collapses")) << AllWarnings();
}

int GroupDepth(const Art& art) {
    int deepest = 0;
    for (DocId child : art.children)
        if (const Art* c = DocumentArtById(child)) deepest = std::max(deepest, GroupDepth(*c));
    return art.kind == kArtGroup ? deepest + 1 : 0;
}

TEST_F(SvgBadInput, GroupsTenThousandDeepAreFlattenedBelowTheLimit) {
    std::string svg = "<svg xmlns='http://www.w3.org/2000/svg'>";
    for (int i = 0; i < 10000; ++i) svg += "<g transform='translate(1)'>";
    svg += "<path d='M0 0 L1 0'/>";
    for (int i = 0; i < 10000; ++i) svg += "</g>";
    svg += "</svg>";
    Open(svg);
    ASSERT_EQ(Paths().size(), 1u);
    // Every translate still applies: 10 000 units, 7 500 points.
    ExpectAnchors(*Paths()[0], {{7500, 0}, {7500.75, 0}}, false, 1e-3);
    // The top-level group is the layer's group; under it the limit.
    EXPECT_EQ(GroupDepth(*DocumentArtById(LayerAt(0).group)), kSvgMaxGroupDepth);
    EXPECT_TRUE(Warned("groups nested more than 100 deep")) << AllWarnings();
    // The flattened document writes and reads back the same.
    std::string fingerprint = DocumentFingerprint();
    Open(DocumentToSvg());
    EXPECT_EQ(DocumentFingerprint(), fingerprint);

    std::string deeper = "<svg xmlns='http://www.w3.org/2000/svg'>";
    for (int i = 0; i < kSvgMaxElementDepth; ++i) deeper += "<g>";
    before = DocumentFingerprint();
    EXPECT_EQ(RefusedText(deeper), "test.svg:1: elements nested more than 100000 deep");
}

TEST_F(SvgBadInput, ExactValuesThatDisagreeWithTheVisibleSvgGiveWay) {
    // Another program changed the fill and moved an anchor away: what the
    // file shows wins over drawhost's exact values, which no longer match.
    Open(Page("<path d='M0 0 L10 0 L10 10' fill='#00ff00' stroke='none' stroke-width='1'"
              " dh:style='fill on kind=rgb red=1 stroke off kind=none width=1 cap=0 join=0 miter=4'"
              " dh:corners='01'/>"
              "<path d='M0 0 L10 0' fill='#ff0000' stroke='none' dh:style='fill on kind=rgb red=1 broken'/>",
              " xmlns:dh='urn:x-drawhost:document'"));
    std::vector<const Art*> p = Paths();
    EXPECT_EQ(p[0]->style.fill.red, 0.0f);
    EXPECT_EQ(p[0]->style.fill.green, 1.0f);
    for (const PathSegment& s : p[0]->segments) EXPECT_TRUE(s.corner) << "corner flags for 2 anchors on 3";
    EXPECT_EQ(p[1]->style.fill.red, 1.0f) << "an exact style that does not parse is ignored";
}

}  // namespace
}  // namespace svg_test
