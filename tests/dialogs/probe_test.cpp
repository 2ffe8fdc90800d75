// End to end through the dialog probe plug-in loaded by drawhost: its
// floating dialog from start-up, its modal dialog with an item of every kind
// run by "About", nested modal dialogs, the close box, tracking, the flyout,
// snapshots, the dump and a script that leaves a modal dialog open.
#include <cairo.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "dialog_test.h"
#include "frame/session.h"
#include "util/json_writer.h"

namespace dialog_test {
namespace {

using drawhost_test::LogLinesWith;
using drawhost_test::RunLines;

class ProbeTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        Start(DIALOG_TEST_PLUGINS);
    }
    // Whether the probe showed exactly this message.
    bool Said(const std::string& text) {
        std::vector<std::string> alerts = Alerts();
        return std::find(alerts.begin(), alerts.end(), text) != alerts.end();
    }
    // The log's probe alerts, in order.
    std::vector<std::string> Alerts() {
        std::vector<std::string> out;
        for (const std::string& line : LogLinesWith("alert(message): ")) out.push_back(line.substr(16));
        return out;
    }
};

TEST_F(ProbeTest, StartUpMakesTheFloatingDialogWithItsIconsGroupAndFlyout) {
    // Icon 500_0.png is 9 x 7 pixels in the bundle; 501 does not exist.
    EXPECT_TRUE(Said("icons: 500 type 2 size 9x7 id 500; 501 type 7"));
    drawhost::DlgDialog* palette = drawhost::DlgDialogByName("ProbePalette");
    ASSERT_NE(palette, nullptr);
    EXPECT_TRUE(palette->visible);
    EXPECT_EQ(palette->title, "Palette d'essai");
    EXPECT_EQ(palette->groupName, "W");
    EXPECT_EQ(palette->iconIds[0], 500);

    drawhost::JsonWriter json;
    drawhost::HostWriteDump(json);
    const std::string& dump = json.Text();
    EXPECT_NE(dump.find("\"name\": \"ProbePalette\""), std::string::npos);
    EXPECT_NE(dump.find("\"dockCode\": 7168"), std::string::npos);
    EXPECT_NE(dump.find("\"text\": \"Marquer le centre\""), std::string::npos);
    EXPECT_NE(dump.find("\"separator\": true"), std::string::npos);
}

TEST_F(ProbeTest, ModalDialogReportsEveryKindOfItemAndEndsWithOK) {
    ASSERT_EQ(RunLines({
                  "about DialogProbe",
                  "item Sonde 17 5",               // by title; 5 mm
                  "check Probe 16 on",
                  "press Probe 15",
                  "choose Probe 19 Un",
                  "choose Probe 18 60°",
                  "item Probe 20 300",             // the slider stops at 255
                  "item Probe 21 4,6",             // a whole-number field
                  "item Probe 22 \"Jean Dupont\"",
                  "press Probe 1",
              }),
              "");
    // 5 mm = 5 x 72 / 25.4 pt = 14.1732 pt.
    EXPECT_EQ(Alerts(), (std::vector<std::string>{
                            "icons: 500 type 2 size 9x7 id 500; 501 type 7",
                            "changed 17: value 14.1732 text '5,0 mm'",
                            "changed 16: value 1.0000 text 'Option'",
                            "changed 15: value 1.0000 text ''",
                            "chose 19: entry 10 index 0 'Un'",
                            "changed 18: value 60.0000 text '60°'",
                            "changed 20: value 255.0000 text '255'",
                            "changed 21: value 5.0000 text '5'",
                            "changed 22: value 0.0000 text 'Jean Dupont'",
                            "ok: check 1 radio 0,1 length 14.1732 count 5",
                            "modal Probe -> 1",
                        }));
    EXPECT_EQ(LogLinesWith("about DialogProbe -> 0").size(), 1u);
    EXPECT_EQ(drawhost::DlgDialogByName("Probe"), nullptr);
}

TEST_F(ProbeTest, CancelAndTheCloseBoxEndWithTheCancelResult) {
    ASSERT_EQ(RunLines({"about DialogProbe", "press Probe 2", "about DialogProbe", "close Probe"}), "");
    EXPECT_EQ(LogLinesWith("modal Probe -> 2").size(), 2u);
    EXPECT_TRUE(LogLinesWith("ok:").empty());
}

TEST_F(ProbeTest, ModalDialogOpenedFromAnItemsNotifyProcedureTakesTheInputFirst) {
    std::string error = RunLines({
        "about DialogProbe",
        "press Probe 23",
        "item Nested 30 9",
        "press Probe 1",   // behind the nested dialog: refused
    });
    EXPECT_NE(error.find("behind the modal dialog 'Nested'"), std::string::npos);
    // The refusal ended the input: both dialogs were cancelled, innermost first.
    std::vector<std::string> alerts = Alerts();
    ASSERT_GE(alerts.size(), 3u);
    EXPECT_EQ(alerts[alerts.size() - 3], "changed 30: value 9.0000 text '9'");
    EXPECT_EQ(alerts[alerts.size() - 2], "modal Nested -> 2");
    EXPECT_EQ(alerts[alerts.size() - 1], "modal Probe -> 2");

    Seen().clear();
    ASSERT_EQ(RunLines({"about DialogProbe", "press Probe 23", "press Nested 1", "press Probe 1"}), "");
    alerts = Alerts();
    EXPECT_EQ(alerts[alerts.size() - 3], "modal Nested -> 1");
    EXPECT_EQ(alerts[alerts.size() - 1], "modal Probe -> 1");
}

TEST_F(ProbeTest, CanvasTrackingSeesPointActionAndModifierBits) {
    ASSERT_EQ(RunLines({
                  "about DialogProbe",
                  "track Probe 12 down 5 6 160",   // option (32) and space (128)
                  "track Probe 12 move 7 8",
                  "track Probe 12 up 9 9 32",
                  "press Probe 24",                 // moves the focus to field 17
                  "press Probe 2",
              }),
              "");
    std::vector<std::string> alerts = Alerts();
    EXPECT_EQ(std::vector<std::string>(alerts.begin() + 1, alerts.begin() + 5),
              (std::vector<std::string>{
                  "track 12: action 1 at 5,6 option 1 space 1",
                  "track 12: action 4 at 7,8 option 0 space 0",
                  "track 12: action 3 at 9,9 option 1 space 0",
                  "changed 12: value 0.0000 text ''",
              }));
}

TEST_F(ProbeTest, FlyoutEntriesAreChosenAndRefusedLikeAUsersMenu) {
    ASSERT_EQ(RunLines({"choose ProbePalette -2 \"Marquer le centre\""}), "");
    EXPECT_TRUE(Said("flyout -2: entry 3 'Marquer le centre'"));
    drawhost::DlgDialog* palette = drawhost::DlgDialogByName("ProbePalette");
    drawhost::DlgList* flyout = drawhost::DlgListOf(*drawhost::DlgItemById(*palette, kDlgFlyoutMenuItemID));
    EXPECT_TRUE(flyout->entries[2]->checked);

    EXPECT_NE(RunLines({"choose ProbePalette -2 \"Afficher l'aide\""}).find("is disabled"), std::string::npos);
    EXPECT_NE(RunLines({"choose ProbePalette -2 1"}).find("is a separator"), std::string::npos);
}

TEST_F(ProbeTest, CloseBoxHidesThePaletteAfterTellingIt) {
    ASSERT_EQ(RunLines({"press ProbePalette 41", "close \"Palette d'essai\""}), "");
    EXPECT_TRUE(Said("changed 41: value 1.0000 text 'Bascule'"));
    EXPECT_TRUE(Said("palette close box; visible 1"));
    EXPECT_FALSE(drawhost::DlgDialogByName("ProbePalette")->visible);
    EXPECT_NE(RunLines({"press ProbePalette 41"}).find("is hidden"), std::string::npos);
}

TEST_F(ProbeTest, SnapshotShowsWhatThePluginDrew) {
    std::filesystem::create_directories(DIALOG_TEST_SCRATCH);
    std::string path = std::string(DIALOG_TEST_SCRATCH) + "/palette.png";
    std::filesystem::remove(path);
    ASSERT_EQ(RunLines({"snapshot ProbePalette " + path}), "");
    cairo_surface_t* png = cairo_image_surface_create_from_png(path.c_str());
    ASSERT_EQ(cairo_surface_status(png), CAIRO_STATUS_SUCCESS);
    // The palette is 160 x 70: its bounds (40, 40, 200, 110).
    EXPECT_EQ(cairo_image_surface_get_width(png), 160);
    EXPECT_EQ(cairo_image_surface_get_height(png), 70);
    cairo_surface_flush(png);
    auto pixel = [&](int x, int y) {
        const unsigned char* row = cairo_image_surface_get_data(png) + y * cairo_image_surface_get_stride(png);
        return reinterpret_cast<const uint32_t*>(row)[x];
    };
    EXPECT_EQ(pixel(5, 15), 0xffff0000u);    // left side of the red frame (5, 5, 45, 25)
    EXPECT_EQ(pixel(60, 15), 0xffff0000u);   // inside the red filled oval (50, 5, 70, 25)
    EXPECT_EQ(pixel(85, 8), 0xff0080ffu);    // picture 128: a 12 x 10 block of (0, 128, 255) at (80, 5)
    EXPECT_EQ(pixel(104, 8), 0xffff8000u);   // icon 500: a 9 x 7 block of (255, 128, 0) at (100, 5)
    EXPECT_EQ(pixel(130, 45), 0xff0000ffu);  // the swatch item's blue triangle
    cairo_surface_destroy(png);
}

TEST_F(ProbeTest, ShutDownRunsTheDestroyProcedure) {
    drawhost::SessionQuit();
    EXPECT_TRUE(Said("palette destroyed; group W dock 7168"));
    EXPECT_EQ(drawhost::DlgDialogByName("ProbePalette"), nullptr);
}

// The dump of a session is taken as the plug-ins are told to shut down:
// the windows they still had open are in it, with their items.
TEST_F(ProbeTest, TheDumpTakenAtQuitListsTheDialogsStillOpen) {
    drawhost::SessionQuit();
    drawhost::TheHost().plugins.clear();
    drawhost::HostReset();
    std::filesystem::create_directories(DIALOG_TEST_SCRATCH);
    const std::string script = std::string(DIALOG_TEST_SCRATCH) + "/open-at-quit.txt";
    const std::string dumpPath = std::string(DIALOG_TEST_SCRATCH) + "/open-at-quit.json";
    std::ofstream(script) << "start\nquit\n";
    EXPECT_EQ(drawhost::SessionRun({"run", script, "--plugins", DIALOG_TEST_PLUGINS, "--dump", dumpPath,
                                    "--log", dumpPath + ".log"}),
              0);
    std::ifstream in(dumpPath);
    const std::string dump((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(dump.find("\"name\": \"ProbePalette\""), std::string::npos) << dump.substr(0, 400);
    EXPECT_NE(dump.find("\"title\": \"Palette d'essai\""), std::string::npos);
}

TEST_F(ProbeTest, ScriptEndingWithAModalDialogOpenFails) {
    ASSERT_EQ(RunLines({"about DialogProbe", "item Probe 17 2"}), "");
    EXPECT_TRUE(Said("modal Probe -> 2"));
    EXPECT_TRUE(drawhost::DlgModalAbandoned());

    // The same through the session runner: a failing exit code and the reason.
    drawhost::SessionQuit();
    drawhost::TheHost().plugins.clear();
    drawhost::HostReset();
    std::filesystem::create_directories(DIALOG_TEST_SCRATCH);
    std::string script = std::string(DIALOG_TEST_SCRATCH) + "/abandoned.txt";
    std::string log = std::string(DIALOG_TEST_SCRATCH) + "/abandoned.log";
    std::ofstream(script) << "start\nabout DialogProbe\n";
    testing::internal::CaptureStderr();
    int code = drawhost::SessionRun({"run", script, "--plugins", DIALOG_TEST_PLUGINS, "--log", log});
    std::string stderrText = testing::internal::GetCapturedStderr();
    EXPECT_EQ(code, 2);   // the script's fault: it left the dialog open
    EXPECT_NE(stderrText.find("modal dialog 'Probe' was open"), std::string::npos);
}

}  // namespace
}  // namespace dialog_test
