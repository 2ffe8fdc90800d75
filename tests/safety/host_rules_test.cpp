// What the host refuses or reports while the real plug-in runs: input under
// a modal dialog, tool events before start, texts that are not UTF-8, a
// preference read with another type, property lists with empty texts, and
// the SVG's ids when names and generated ids meet.
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <unistd.h>

#include "app/app_state.h"
#include "app/prefs.h"
#include "app/toolbox.h"
#include "document/document.h"
#include "document/document_invariants.h"
#include "document/document_output.h"
#include "frame/pipl.h"
#include "host_fixture.h"

namespace {

using namespace drawhost;
using drawhost_test::HostTest;
using drawhost_test::LogLinesWith;
using drawhost_test::RunLines;

class HostRules : public HostTest {
protected:
    void TearDown() override {
        std::string why;
        EXPECT_TRUE(DocumentCheckInvariants(&why)) << why;
        HostTest::TearDown();
    }
};

// The about box is modal: until its OK, tools, mouse, menus and the document
// take nothing; the box itself and the keyboard still do.
TEST_F(HostRules, AModalDialogHoldsBackEveryOtherInput) {
    Start(QZV_PLUGINS_DIR);
    const int toolBefore = TheApp().selectedTool;
    for (const char* line : {"tool \"Outil Rectangles\"", "click 100 100", "down 5 5", "menu \"QZV.Outils\"",
                             "layer Under", "path 0 0 10 10", "zoom 2", "about"}) {
        std::string command = std::string(line).substr(0, std::string(line).find(' '));
        EXPECT_EQ(RunLines({"about", line}),
                  "test:2: '" + command + "' while a modal dialog is open: only the dialog takes input");
    }
    EXPECT_EQ(TheApp().selectedTool, toolBefore);
    EXPECT_FALSE(TheApp().buttonDown);
    EXPECT_EQ(TheDocument().layers.size(), 1u);
    // The dialog's own button, and the keyboard, are still the user's; after
    // the box closes the tools take input again.
    EXPECT_EQ(RunLines({"about", "key shift down", "key shift up", "press \"About Dialog\" 1",
                        "tool \"Outil Rectangles\""}),
              "");
    EXPECT_NE(TheApp().selectedTool, toolBefore);
}

TEST_F(HostRules, ToolEventsBeforeStartAreRefusedWithTheReason) {
    for (const char* command : {"down", "click", "move", "up", "drag"})
        EXPECT_EQ(RunLines({std::string(command) + " 1 2"}),
                  std::string("test:1: '") + command + "' before start: no plug-in is running to take it");
    EXPECT_EQ(RunLines({"menu x"}), "test:1: 'menu' before start: no plug-in is running to take it");
    // The document can be made before the plug-ins start.
    EXPECT_EQ(RunLines({"layer A", "path 0 0 10 10"}), "");
}

TEST_F(HostRules, TextsMustBeUtf8AndMessagesShowTheBytes) {
    EXPECT_EQ(RunLines({"layer \"Calque \xE9t\xE9\""}), "test:1: 'Calque \\xE9t\\xE9' is not UTF-8 text");
    EXPECT_EQ(RunLines({std::string("layer \"a\0b\"", 11)}), "test:1: 'a\\x00b' holds a control character");
    EXPECT_EQ(RunLines({std::string("fr\x7fob")}), "test:1: 'fr\\x7Fob' holds a control character");
    EXPECT_TRUE(TheDocument().layers.size() == 1u);   // nothing was made
    // A byte-order mark before the first command is no part of it; a quoted tab is text.
    EXPECT_EQ(RunLines({"\xEF\xBB\xBFlayer \"Été\tfin\""}), "");
    ASSERT_NE(DocumentCurrentLayer(), nullptr);
    EXPECT_EQ(DocumentCurrentLayer()->title, "Été\tfin");
    EXPECT_EQ(RunLines({"layer A", "\xEF\xBB\xBFlayer B"}), "test:2: unknown command '\xEF\xBB\xBFlayer'");
}

TEST_F(HostRules, NumbersOutOfRangeSaySo) {
    Start(QZV_PLUGINS_DIR);
    EXPECT_EQ(RunLines({"move 1e-400 5"}), "test:1: '1e-400' is too close to zero to be represented (write 0)");
    EXPECT_EQ(RunLines({"move 5 -1e400"}), "test:1: '-1e400' is too large to be represented");
    EXPECT_EQ(RunLines({"move 5 abc"}), "test:1: 'abc' is not a number");
    EXPECT_EQ(RunLines({"alloc-fail -2147483649"}),
              "test:1: '-2147483649' is out of range (a whole number from -2147483648 to 2147483647)");
    EXPECT_EQ(RunLines({"alloc-fail 1.5"}), "test:1: '1.5' is not a whole number");
}

// A key of another type in the file: said once, used by nobody, kept.
TEST_F(HostRules, AKeyOfTheWrongTypeIsReportedOnceAndKept) {
    std::string file = ::testing::TempDir() + "wrong-type-" + std::to_string(::getpid()) + ".prefs";
    std::ofstream(file) << "drawhost-preferences 1\n[QZVARC]\nAlea = int:0\nPrecision = int:2\nend\n";
    PrefsSetPath(file);
    Start(QZV_PLUGINS_DIR);
    auto lines = LogLinesWith("Alea");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "preferences: [QZVARC] Alea is stored as int:0 but read as bool; the plug-in uses its own "
                        "value, and the stored one stays until the key is written again");
    SessionQuit();
    std::string error;
    ASSERT_TRUE(PrefsSave(&error)) << error;
    std::ifstream in(file);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("\nAlea = int:0\n"), std::string::npos) << text;
    std::filesystem::remove(file);
}

// Lists whose entry point or name is a property of length 0, or a bare
// terminator: refused with the reason, never read past their data.
TEST(PiplTexts, EmptyNamesAreRefused) {
    auto prop = [](const char* key, std::vector<uint8_t> data) { return PiplProperty{"HOST", key, 0, data}; };
    const std::vector<uint8_t> kind = {'S', 'P', 'E', 'A'}, version = {2, 0, 0, 0};
    const std::vector<uint8_t> entry = {'P', 'l', 'u', 'g', 'i', 'n', 'M', 'a', 'i', 'n', 0, 0};
    const std::vector<uint8_t> name = {'Q', 0, 0, 0};
    struct Case {
        std::vector<uint8_t> entry, name;
        const char* error;
    } cases[] = {
        {{}, name, "entry point name is not terminated"},
        {entry, {}, "plug-in name is not terminated"},
        {{0, 0, 0, 0}, name, "no entry point named"},
        {entry, {0, 0, 0, 0}, "no plug-in name"},
    };
    for (const Case& c : cases) {
        Pipl pipl;
        std::string error;
        auto bytes = EncodePipl({prop("kind", kind), prop("ivrs", version), prop("wx86", c.entry), prop("pinm", c.name)});
        EXPECT_FALSE(ParsePipl(bytes, &pipl, &error)) << c.error;
        EXPECT_EQ(error, c.error);
    }
}

// Ids are unique whatever the names: an art named like a generated id
// pushes the next generated one on (path, path-2, then "path-3" named so,
// then path-4, path-5).
TEST_F(HostRules, SvgIdsStayUniqueWhenNamesLookGenerated) {
    ASSERT_EQ(RunLines({"layer L", "path 0 0 1 1", "path 0 0 2 2", "path 0 0 3 3"}), "");
    Layer* layer = DocumentCurrentLayer();
    ASSERT_NE(layer, nullptr);
    const Art* group = DocumentArtById(layer->group);
    ASSERT_EQ(group->children.size(), 3u);
    DocumentArtById(group->children[2])->name = "path-3";
    ASSERT_EQ(RunLines({"path 0 0 4 4", "path 0 0 5 5"}), "");
    std::string svg = DocumentToSvg();
    std::regex id(" id=\"(path[^\"]*)\"");
    std::vector<std::string> ids;
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), id); it != std::sregex_iterator(); ++it)
        ids.push_back((*it)[1]);
    EXPECT_EQ(ids, (std::vector<std::string>{"path", "path-2", "path-3", "path-4", "path-5"}));
}

}  // namespace
