// The palette's life: showing and hiding it from the menu, with Alt-click
// and the close box; its placement written at shut-down and read at the next
// start, also when the stored placement is damaged; its procedures called by
// the dialog manager outside any host message; its picture.
#include <fstream>

#include "app/app_state.h"
#include "frame/session.h"
#include "util/json_writer.h"
#include "palette_scenario.h"

namespace palette_test {
namespace {

using namespace drawhost;
using drawhost_test::LogLinesWith;

class PaletteLife : public PaletteScenario {};

int LiveAcquisitions() {
    int n = 0;
    for (auto& [suite, count] : TheHost().acquireCount) n += count;
    return n;
}

TEST_F(PaletteLife, ThePaletteMenuItemChosenTwiceReturnsPaletteAndTextToTheirFirstState) {
    StartPlugin(kLaterStart);
    const IntRect bounds = Palette().bounds;
    ASSERT_FALSE(Palette().visible);
    Run("menu \"Afficher QZV•Orbiquad\"");
    EXPECT_TRUE(Palette().visible);
    EXPECT_EQ(MenuText(), "Masquer QZV•Orbiquad");
    Run("menu \"Masquer QZV•Orbiquad\"");
    EXPECT_FALSE(Palette().visible);
    EXPECT_EQ(MenuText(), "Afficher QZV•Orbiquad");
    EXPECT_EQ(Palette().bounds.left, bounds.left);
    EXPECT_EQ(Palette().bounds.top, bounds.top);
    EXPECT_EQ(LogLinesWith("menu go ").size(), 2u);
}

TEST_F(PaletteLife, ShowingThePaletteWhileNoToolIsActiveSelectsTheLastOne) {
    StartPlugin(kShown);
    Select(kRectTool);
    Run("tool \"Selection Tool\"");
    Run("menu \"Masquer QZV•Orbiquad\"");
    ASSERT_EQ(State().currentTool, qzv::kToolNeither);
    Run("menu \"Afficher QZV•Orbiquad\"");
    EXPECT_EQ(State().currentTool, qzv::kToolRect);
    EXPECT_EQ(Palette().title, "Rectangles 6.4");
    EXPECT_TRUE(Item(90).enabled);
}

// The close box renames the menu item, except for the one notification the
// show path sends with the flag down, which only raises it again.
TEST_F(PaletteLife, TheCloseBoxRenamesTheMenuItemUnlessItsFlagIsDown) {
    StartPlugin(kShown);
    Select(kCircleTool);
    ASSERT_EQ(MenuText(), "Masquer QZV•Orbiquad");
    Run("close QZVARC");
    EXPECT_FALSE(Palette().visible);
    EXPECT_EQ(MenuText(), "Afficher QZV•Orbiquad");

    Run("menu \"Afficher QZV•Orbiquad\"");
    State().paletteState.closeBoxArmed = false;
    Run("close QZVARC");
    EXPECT_FALSE(Palette().visible);
    EXPECT_EQ(MenuText(), "Masquer QZV•Orbiquad");   // suppressed once
    EXPECT_TRUE(State().paletteState.closeBoxArmed);

    // Alt-click shows it through the close-box notification, which leaves
    // the flag up (and the item's text alone): the next real click renames
    // the item again.
    const size_t renamed = LogLinesWith("menu text: Afficher").size();
    Run("key alt down");
    Run("click 300 300");
    Run("key alt up");
    EXPECT_TRUE(Palette().visible);
    EXPECT_EQ(MenuText(), "Masquer QZV•Orbiquad");
    EXPECT_EQ(LogLinesWith("menu text: Afficher").size(), renamed);
    EXPECT_TRUE(State().paletteState.closeBoxArmed);
    Run("close QZVARC");
    EXPECT_EQ(MenuText(), "Afficher QZV•Orbiquad");
    // Alt-click hides it as well.
    Run("key alt down");
    Run("click 300 300");
    Run("click 300 300");
    Run("key alt up");
    EXPECT_FALSE(Palette().visible);
    EXPECT_EQ(MenuText(), "Afficher QZV•Orbiquad");
}

TEST_F(PaletteLife, PositionDockingAndVisibilityAreWrittenAtShutdownAndReadAtTheNextStart) {
    StartPlugin(kShown);
    // Where the user left it.
    Palette().bounds = IntRect{100, 200, 272, 290};
    Palette().groupName = "Outils";
    Palette().dockCode = 3;
    Restart();
    EXPECT_EQ(Stored("PositionPalette"), "point:100,200");
    EXPECT_EQ(Stored("kADM_DPDockGroupStr"), "string:\"Outils\"");
    EXPECT_EQ(Stored("kADM_DPDockCodeStr"), "int:3");
    EXPECT_EQ(Stored("kADM_DPVisibleStr"), "bool:true");
    EXPECT_EQ(Palette().bounds.left, 100);
    EXPECT_EQ(Palette().bounds.top, 200);
    EXPECT_EQ(Palette().bounds.right, 272);
    EXPECT_EQ(Palette().bounds.bottom, 290);
    EXPECT_EQ(Palette().groupName, "Outils");
    EXPECT_EQ(Palette().dockCode, 3);
    EXPECT_TRUE(Palette().visible);

    Run("menu \"Masquer QZV•Orbiquad\"");
    Restart();
    EXPECT_EQ(Stored("kADM_DPVisibleStr"), "bool:false");
    EXPECT_FALSE(Palette().visible);
    EXPECT_EQ(MenuText(), "Afficher QZV•Orbiquad");
}

struct BadPlacement {
    const char* stored;
    IntPoint corner;        // where the palette opens
    const char* group;
    int32_t dockCode;
    const char* logged;     // the one line that reports the fault
};

// On drawhost's 1920 x 1080 screen the default corner is (874, 323); the
// last corner a 172 x 90 palette can take is (1748, 990).
const BadPlacement kBadPlacements[] = {
    {"PositionPalette = string:\"ici\"\n", {874, 323}, "W", 7168, "[QZVARC] PositionPalette is stored as string:\"ici\" but read as point"},
    {"PositionPalette = point:-500,-30\n", {0, 0}, "W", 7168, "placed at (-500, -30) lies off the screen"},
    {"PositionPalette = point:5000,4000\n", {1748, 990}, "W", 7168, "placed at (5000, 4000) lies off the screen"},
    {"PositionPalette = point:2147483647,2147483647\n", {1748, 990}, "W", 7168, "lies off the screen"},
    {"kADM_DPDockCodeStr = real:2.5\n", {874, 323}, "W", 7168, "[QZVARC] kADM_DPDockCodeStr is stored as real:2.5 but read as int"},
    {"kADM_DPDockCodeStr = int:99999\n", {874, 323}, "W", 7168, "dock code 99999 is not one of the host's"},
    {"kADM_DPDockCodeStr = int:-4\nkADM_DPDockGroupStr = string:\"G\"\n", {874, 323}, "W", 7168,
     "dock code -4 is not one of the host's"},
    {"kADM_DPDockGroupStr = int:4\n", {874, 323}, "W", 7168, "[QZVARC] kADM_DPDockGroupStr is stored as int:4 but read as string"},
    {"kADM_DPDockGroupStr = string:\"\"\nkADM_DPDockCodeStr = int:12\n", {874, 323}, "W", 12, nullptr},
};

TEST_F(PaletteLife, DamagedPlacementStillOpensThePaletteOnScreenAndIsLoggedOnce) {
    for (const BadPlacement& c : kBadPlacements) {
        SCOPED_TRACE(c.stored);
        StartPlugin(std::string(c.stored) + kShown);
        DlgDialog& p = Palette();
        EXPECT_TRUE(p.visible);
        EXPECT_EQ(p.bounds.left, c.corner.h);
        EXPECT_EQ(p.bounds.top, c.corner.v);
        EXPECT_EQ(p.bounds.right - p.bounds.left, 172);
        EXPECT_EQ(p.bounds.bottom - p.bounds.top, 90);
        EXPECT_EQ(p.groupName, c.group);
        EXPECT_EQ(p.dockCode, c.dockCode);
        if (c.logged) {
            EXPECT_EQ(LogLinesWith(c.logged).size(), 1u);
        }
        // What the palette writes back at shut-down is sound: the next start
        // opens it in the same place and has nothing to report.
        Restart();
        EXPECT_EQ(Palette().bounds.left, c.corner.h);
        EXPECT_EQ(Palette().bounds.top, c.corner.v);
        EXPECT_TRUE(LogLinesWith("preferences: [QZVARC]").empty());
        EXPECT_TRUE(LogLinesWith("lies off the screen").empty());
        EXPECT_TRUE(LogLinesWith("dock code").empty());
        SessionQuit();
        TheHost().plugins.clear();
        HostReset();
    }
}

// Reads of a mistyped key fail each time; the host reports the key once.
TEST_F(PaletteLife, AMistypedPreferenceIsReportedOncePerSession) {
    StartPlugin("PositionPalette = real:12\n" + std::string(kLaterStart));
    const auto* prefs = static_cast<const PreferenceSuite*>(HostFindSuite(kPreferenceSuiteName, kPreferenceSuiteVersion));
    IntPoint p = {7, 8};
    EXPECT_EQ(prefs->GetPointPreference("QZVARC", "PositionPalette", &p), kErrWrongType);
    EXPECT_EQ(p.h, 7);   // untouched
    EXPECT_EQ(LogLinesWith("[QZVARC] PositionPalette is stored as real:12 but read as point").size(), 1u);
}

// A click on a palette button reaches the plug-in outside any host message:
// the procedure takes the suites for itself and gives them all back.
TEST_F(PaletteLife, ProceduresCalledOutsideAMessageTakeAndReleaseTheSuites) {
    StartPlugin(kShown);
    Select(kCircleTool);
    ASSERT_EQ(TheHost().messageDepth, 0);
    ASSERT_EQ(LiveAcquisitions(), 0);
    const long before = TheHost().acquireCalls;
    Run("press QZVARC 55");
    EXPECT_EQ(State().tool.circleMode, 5);   // the procedure found its suites
    EXPECT_GE(TheHost().acquireCalls - before, 119);
    EXPECT_EQ(LiveAcquisitions(), 0);
    // The draw procedure too.
    const long drawBefore = TheHost().acquireCalls;
    DlgRedrawDialog(Palette().handle);
    EXPECT_GE(TheHost().acquireCalls - drawBefore, 119);
    EXPECT_EQ(LiveAcquisitions(), 0);
    // A host that withdrew a suite: the procedure does nothing, and the
    // palette keeps working once the suite is back.
    Run("suite \"ADM Item Suite\" 7 off");
    Run("press QZVARC 51");
    EXPECT_EQ(State().tool.circleMode, 5);
    EXPECT_EQ(LiveAcquisitions(), 0);
    Run("suite \"ADM Item Suite\" 7 on");
    Run("press QZVARC 51");
    EXPECT_EQ(State().tool.circleMode, 1);
}

TEST_F(PaletteLife, ASnapshotOfThePaletteIsWrittenAtItsSize) {
    StartPlugin(kShown);
    Select(kCircleTool);
    const std::string file = ::testing::TempDir() + "palette-" + std::to_string(::getpid()) + ".png";
    Run("snapshot QZVARC " + file);
    std::ifstream png(file, std::ios::binary);
    unsigned char head[24] = {};
    png.read(reinterpret_cast<char*>(head), sizeof head);
    ASSERT_TRUE(png.good());
    EXPECT_EQ(std::string(reinterpret_cast<char*>(head) + 1, 3), "PNG");
    auto be32 = [&](int at) { return head[at] << 24 | head[at + 1] << 16 | head[at + 2] << 8 | head[at + 3]; };
    EXPECT_EQ(be32(16), 172);
    EXPECT_EQ(be32(20), 90);
    std::remove(file.c_str());
}

// The dump shows what a user would find in each item.
TEST_F(PaletteLife, TheDumpShowsEachItemsPictureAndTheWindowIcons) {
    StartPlugin(kShown);
    JsonWriter json;
    HostWriteDump(json);
    const std::string& dump = json.Text();
    const size_t icons = dump.find("\"icons\": [");
    ASSERT_NE(icons, std::string::npos);
    const std::string iconList = dump.substr(icons, dump.find(']', icons) - icons);
    EXPECT_NE(iconList.find("5041"), std::string::npos);
    EXPECT_NE(iconList.find("5042"), std::string::npos);
    EXPECT_NE(dump.find("\"picture\": 253"), std::string::npos);
    EXPECT_NE(dump.find("\"selectedPicture\": 129"), std::string::npos);
}

}  // namespace
}  // namespace palette_test
