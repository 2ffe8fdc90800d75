// drawhost names each cursor a plug-in sets from its bundle's cursor index,
// and says so plainly when the plug-in has no such cursor.
#include <cairo.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "dialogs/cursors.h"
#include "frame/host.h"
#include "host_fixture.h"

namespace {

namespace fs = std::filesystem;
using drawhost::DlgCursor;
using drawhost::DlgParseCursorLine;
using drawhost_test::LogLinesWith;
using drawhost_test::RunLines;

TEST(CursorIndexLine, ReadsIdHotspotAndName) {
    DlgCursor c;
    std::string error;
    ASSERT_TRUE(DlgParseCursorLine("16002 10 10 circle-centre", &c, &error)) << error;
    EXPECT_EQ(c.id, 16002);
    EXPECT_EQ(c.hotX, 10);
    EXPECT_EQ(c.hotY, 10);
    EXPECT_EQ(c.name, "circle-centre");
    ASSERT_TRUE(DlgParseCursorLine("  310\t0 31   add_point ", &c, &error)) << error;
    EXPECT_EQ(c.id, 310);
    EXPECT_EQ(c.hotX, 0);
    EXPECT_EQ(c.hotY, 31);
}

TEST(CursorIndexLine, RefusesWhatIsNotOneCursor) {
    const char* bad[] = {
        "16002 10 10",                  // no name
        "16002 10 10 two words",        // a name of two words
        "16002 10 10 café",             // not letters of the index's alphabet
        "0 10 10 zero",                 // no cursor 0
        "-5 10 10 negative",
        "16002 -1 10 left-of-image",
        "16002 10 1e1 exponent",
        "16002 10.5 10 half-pixel",
        "99999999999 1 1 too-large",
        "cursor 1 1 name",
    };
    for (const char* line : bad) {
        DlgCursor c;
        c.id = 7;
        std::string error;
        EXPECT_FALSE(DlgParseCursorLine(line, &c, &error)) << line;
        EXPECT_FALSE(error.empty()) << line;
        EXPECT_EQ(c.id, 7) << line << ": a refused line changes nothing";
    }
}

// A copy of the application test plug-in with a cursor folder of our own.
class CursorLog : public drawhost_test::HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        fs::remove_all(folder);
        fs::create_directories(folder);
        fs::copy(APP_TEST_BUNDLE, bundle, fs::copy_options::recursive);
        fs::create_directories(bundle + "/resources/cursors");
    }
    void WriteIndex(const std::string& text) { std::ofstream(bundle + "/resources/cursors/cursors.txt") << text; }
    void WriteImage(int32_t id, int size) {
        cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
        cairo_surface_write_to_png(s, (bundle + "/resources/cursors/" + std::to_string(id) + ".png").c_str());
        cairo_surface_destroy(s);
    }
    // Sets the cursor through the dialog manager's basic suite, as a plug-in does.
    HostErr Set(int32_t id) {
        auto* basic = static_cast<const DlgBasicSuite*>(drawhost::HostFindSuite(kDlgBasicSuiteName, kDlgBasicSuiteVersion));
        return basic->SetPlatformCursor(RefOf(&Plugin("apptest")), id);
    }
    static std::vector<std::string> CursorLines() {
        std::vector<std::string> out;
        for (const std::string& line : drawhost::TheHost().log)
            if (line.rfind("cursor ", 0) == 0) out.push_back(line);
        return out;
    }

    // One folder per test: ctest runs the tests of this fixture side by side.
    const std::string folder = std::string(ART_TEST_SCRATCH) + "/plugins-" +
                               ::testing::UnitTest::GetInstance()->current_test_info()->name();
    const std::string bundle = folder + "/apptest";
};

TEST_F(CursorLog, NamesEachChangeAndTellsACursorThePlugInLacks) {
    WriteIndex(
        "# ID HOTX HOTY NAME\n"
        "\n"
        "1 3 4 first\r\n"           // a line ending of another system is still read
        "2 0 0 image-missing\n"
        "3 16 2 hotspot-outside\n"   // a 16 x 16 image: column 16 is beyond it
        "4 15 15 last-pixel\n"
        "1 0 0 again\n"
        "5 five 5 bad\n");
    WriteImage(1, 16);
    WriteImage(3, 16);
    WriteImage(4, 16);
    WriteImage(6, 16);   // an image the index does not list
    Start(folder);
    drawhost::TheHost().log.clear();
    for (int32_t id : {1, 1, 2, 3, 4, 5, 6, 2, 1}) EXPECT_EQ(Set(id), kNoErr);
    EXPECT_EQ(CursorLines(), (std::vector<std::string>{"cursor 1 first", "cursor 2 (no resource)",
                                                         "cursor 3 (no resource)", "cursor 4 last-pixel",
                                                         "cursor 5 (no resource)", "cursor 6 (no resource)",
                                                         "cursor 2 (no resource)", "cursor 1 first"}));
    // Each fault of the bundle is told once, however often the cursor is set.
    EXPECT_EQ(LogLinesWith("drawhost: apptest: "),
              (std::vector<std::string>{
                  "drawhost: apptest: cursors/cursors.txt line 7: cursor 1 is listed twice; the first line counts",
                  "drawhost: apptest: cursors/cursors.txt line 8: the hotspot \"five 5\" is not two whole numbers from 0",
                  "drawhost: apptest: cursor 2 is not used: cursors/2.png is missing or not a PNG",
                  "drawhost: apptest: cursor 3 is not used: its hotspot 16 2 lies outside its 16 x 16 image"}));
}

TEST_F(CursorLog, ABundleWithoutCursorsHasNoneAndNoFault) {
    Start(folder);
    drawhost::TheHost().log.clear();
    EXPECT_EQ(Set(16002), kNoErr);
    EXPECT_EQ(CursorLines(), std::vector<std::string>{"cursor 16002 (no resource)"});
    EXPECT_TRUE(LogLinesWith("drawhost: apptest").empty());
}

TEST_F(CursorLog, AnUnknownPlugInIsRefusedAndNothingIsLogged) {
    Start(folder);
    drawhost::TheHost().log.clear();
    auto* basic = static_cast<const DlgBasicSuite*>(drawhost::HostFindSuite(kDlgBasicSuiteName, kDlgBasicSuiteVersion));
    int stranger = 0;
    EXPECT_NE(basic->SetPlatformCursor(reinterpret_cast<PluginRef>(&stranger), 16002), kNoErr);
    EXPECT_TRUE(CursorLines().empty());
}

// The real plug-in over real art: each cursor the user sees is named, the
// names those of the snap search's and the tools' meanings.
TEST_F(CursorLog, TheRealPlugInsCursorsAreNamedAsTheUserMovesOverArt) {
    Start(QZV_PLUGINS_DIR);
    ASSERT_EQ(RunLines({"path 0 0 100 0", "path 50 -50 50 50", "path closed 200 200 260 200 260 260",
                        "tool \"Outil Zivo & Voraved\"", "move 400 400", "move 100 0.5", "move 30 0.5",
                        "move 50 0.5", "key alt down", "move 400 401", "key alt up", "tool \"Outil Rectangles\"",
                        "move 500 500"}),
              "");
    // Expected from the meaning of each place: empty ground in "Cercle 1" asks for the centre;
    // the end of the first path is an anchor; its middle a segment; (50, 0) the crossing of the two
    // paths; Alt offers the palette; the rectangle tool's ground its rectangle.
    EXPECT_EQ(CursorLines(), (std::vector<std::string>{"cursor 16002 circle-centre", "cursor 19000 anchor",
                                                         "cursor 19001 on-segment", "cursor 20017 intersection",
                                                         "cursor 16005 palette", "cursor 21000 rectangle"}));
    EXPECT_TRUE(LogLinesWith("(no resource)").empty());
}

}  // namespace
