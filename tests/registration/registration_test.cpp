// What the real plug-in registers at start-up, seen from drawhost: its
// tools and their placement, the family's shared menus whichever plug-in of
// the family starts first, the notifiers and the annotator, a missing tool
// icon, and what its menu items do.
#include <cstdlib>
#include <fstream>

#include "app/app_state.h"
#include "app/prefs.h"
#include "dialogs/dialog_manager.h"
#include "document/document_invariants.h"
#include "frame/resources.h"
#include "host/suites.h"
#include "host_fixture.h"
#include "plugin/globals.h"
#include "plugin/registration.h"
#include "plugin/suite_table.h"

namespace {

using namespace drawhost;
using drawhost_test::HostTest;
using drawhost_test::LogLinesWith;
using drawhost_test::RunLines;

const std::string kPlugins = QZV_PLUGINS_DIR;
const std::string kFamily = QZV_FAMILY_DIR;

const AppTool* ToolNamed(const std::string& name) {
    for (const AppTool& t : TheApp().tools)
        if (t.name == name) return &t;
    return nullptr;
}

std::vector<const AppMenuItem*> ItemsWithText(const std::string& text) {
    std::vector<const AppMenuItem*> out;
    for (const AppMenuItem& i : TheApp().menuItems)
        if (i.text == text) out.push_back(&i);
    return out;
}

std::string GroupOf(const AppMenuItem& item) { return TheApp().menuGroups[item.group].name; }

class Registration : public HostTest {
protected:
    void TearDown() override {
        std::string why;
        EXPECT_TRUE(DocumentCheckInvariants(&why)) << why;
        HostTest::TearDown();
        if (!scratch_.empty()) std::system(("rm -rf " + scratch_).c_str());
    }
    // A plug-ins folder holding copies of the named bundles, in that load order.
    std::string Folder(const std::vector<std::pair<std::string, std::string>>& bundles) {
        scratch_ = ::testing::TempDir() + "registration-" + std::to_string(::getpid());
        std::system(("rm -rf " + scratch_ + " && mkdir -p " + scratch_).c_str());
        for (auto& [from, as] : bundles) std::system(("cp -r " + from + " " + scratch_ + "/" + as).c_str());
        return scratch_;
    }
    // Preferences as a file the next start reads.
    void Preferences(const std::string& body) {
        std::string path = ::testing::TempDir() + "registration-" + std::to_string(::getpid()) + ".prefs";
        std::ofstream(path) << "drawhost-preferences 1\n[QZVARC]\nPrecision = int:2\n" << body << "end\n";
        PrefsSetPath(path);
    }
    std::string scratch_;
};

TEST_F(Registration, WithoutSiblingTheCircleToolOpensAGroupAndTheRectangleToolJoinsIt) {
    Start(kPlugins);
    const AppTool* circle = ToolNamed("Outil Zivo & Voraved");
    const AppTool* rect = ToolNamed("Outil Rectangles");
    ASSERT_TRUE(circle && rect);
    for (const char* host : {"Selection Tool", "Eyedropper Tool", "Ellipse Tool"})
        EXPECT_NE(ToolNamed(host)->group, circle->group) << host;
    EXPECT_EQ(rect->group, circle->group);
    EXPECT_EQ(rect->toolset, circle->toolset);
    EXPECT_EQ(circle->tip, "Outil Zivo & Voraved 6.4");
    EXPECT_EQ(rect->tip, "Outil Rectangles 6.4");
    EXPECT_TRUE(circle->icon && circle->secondIcon && rect->icon && rect->secondIcon);
    EXPECT_EQ(circle->options & kToolWantsTracking, kToolWantsTracking);
    // Notifiers and the annotator, inactive until a tool is selected.
    ASSERT_EQ(TheApp().notifiers.size(), 2u);
    EXPECT_EQ(TheApp().notifiers[0].type, kNotifyArtSelectionChanged);
    EXPECT_EQ(TheApp().notifiers[1].type, kNotifyApplicationStarted);
    EXPECT_EQ(TheApp().notifiers[1].name, "notifierName");
    ASSERT_EQ(TheApp().annotators.size(), 1u);
    EXPECT_EQ(TheApp().annotators[0].name, "QZVAnno");
    EXPECT_FALSE(TheApp().annotators[0].active);
}

TEST_F(Registration, WithTheEyedropperFlagBothToolsJoinTheEyedropper) {
    Preferences("OutilsGroupe = bool:true\n");
    Start(kPlugins);
    const AppTool* eyedropper = ToolNamed("Eyedropper Tool");
    for (const char* name : {"Outil Zivo & Voraved", "Outil Rectangles"}) {
        const AppTool* t = ToolNamed(name);
        ASSERT_TRUE(t) << name;
        EXPECT_EQ(t->group, eyedropper->group) << name;
        EXPECT_EQ(t->toolset, eyedropper->toolset) << name;
    }
}

// The family shares two sub-menus; whichever member starts first makes them.
void ExpectSharedMenus() {
    EXPECT_EQ(ItemsWithText("QZV.Outils").size(), 1u);
    EXPECT_EQ(ItemsWithText("À propos des QZV•Outils…").size(), 1u);
    // A first start shows the palette, and the palette's item says so.
    for (const char* item : {"Masquer QZV•Orbiquad", "Afficher QZV•Pivard"}) {
        auto found = ItemsWithText(item);
        ASSERT_EQ(found.size(), 1u) << item;
        EXPECT_EQ(GroupOf(*found[0]), "QZVOutils") << item;
    }
    for (const char* item : {"QZV•Orbiquad…", "QZV•Pivard…"}) {
        auto found = ItemsWithText(item);
        ASSERT_EQ(found.size(), 1u) << item;
        EXPECT_EQ(GroupOf(*found[0]), "SDKAboutPluginsGroupName") << item;
    }
}

TEST_F(Registration, SiblingStartingFirstSharesItsMenusAndGroupsTheCircleTool) {
    Start(Folder({{kFamily + "/Pivard", "A-Pivard"}, {kPlugins + "/Orbiquad", "B-Orbiquad"}}));
    ExpectSharedMenus();
    // The circle tool joins the sibling's tool group, in a toolset of its own.
    EXPECT_EQ(ToolNamed("Outil Zivo & Voraved")->group, ToolNamed("Outil Pivard")->group);
    EXPECT_NE(ToolNamed("Outil Zivo & Voraved")->toolset, ToolNamed("Outil Pivard")->toolset);
}

TEST_F(Registration, SiblingStartingAfterFindsTheMenusAlreadyMade) {
    Start(Folder({{kPlugins + "/Orbiquad", "A-Orbiquad"}, {kFamily + "/Pivard", "B-Pivard"}}));
    ExpectSharedMenus();
    // The sibling was not there when the circle tool was placed.
    EXPECT_NE(ToolNamed("Outil Zivo & Voraved")->group, ToolNamed("Outil Pivard")->group);
}

TEST_F(Registration, AMissingIconLeavesThatToolOutButStartupSucceeds) {
    std::string folder = Folder({{kPlugins + "/Orbiquad", "Orbiquad"}});
    std::remove((folder + "/Orbiquad/resources/icons/16051_1.png").c_str());
    Start(folder);
    EXPECT_TRUE(Plugin("Orbiquad").started);   // start-up reports the annotator step only
    EXPECT_TRUE(ToolNamed("Outil Zivo & Voraved"));
    EXPECT_FALSE(ToolNamed("Outil Rectangles"));
    EXPECT_EQ(TheApp().annotators.size(), 1u);   // the later steps still ran
}

// The tool step itself, called directly with drawhost's suites, reports the
// missing icon as '!ico'.
TEST_F(Registration, MissingIconErrorCode) {
    std::string folder = Folder({{kPlugins + "/Orbiquad", "Orbiquad"}});
    std::remove((folder + "/Orbiquad/resources/icons/16051_0.png").c_str());
    auto plugin = std::make_unique<LoadedPlugin>();
    plugin->folder = folder + "/Orbiquad";
    LoadedPlugin* p = plugin.get();
    TheHost().plugins.push_back(std::move(plugin));
    qzv::sBasic = HostBasicSuite();
    for (const qzv::SuiteEntry& e : qzv::kSuiteTable) *e.destination = HostFindSuite(e.name, e.version);
    qzv::Globals globals{};
    qzv::gGlobals = &globals;
    MessageHeader msg{};
    msg.plugin = RefOf(p);
    msg.basic = HostBasicSuite();
    EXPECT_EQ(qzv::RegisterTools(&msg), HostErr(0x2169636F));
    EXPECT_FALSE(ToolNamed("Outil Zivo & Voraved"));
    qzv::gGlobals = nullptr;
    for (const qzv::SuiteEntry& e : qzv::kSuiteTable) *e.destination = nullptr;
}

// The palette, shown by a first start, is hidden by its item, whose text follows.
TEST_F(Registration, ThePaletteItemHidesTheShownPalette) {
    Start(kPlugins);
    EXPECT_EQ(RunLines({"menu \"Masquer QZV•Orbiquad\""}), "");
    EXPECT_EQ(LogLinesWith("menu go Masquer QZV•Orbiquad -> 0").size(), 1u);
    EXPECT_EQ(LogLinesWith("menu text: Afficher QZV•Orbiquad").size(), 1u);
    EXPECT_EQ(ItemsWithText("Afficher QZV•Orbiquad").size(), 1u);
    EXPECT_FALSE(DlgDialogByName("QZVARC")->visible);
}

TEST_F(Registration, TheAboutItemOpensTheAboutBox) {
    Start(kPlugins);
    std::string snapshot = ::testing::TempDir() + "about-" + std::to_string(::getpid()) + ".png";
    EXPECT_EQ(RunLines({"menu \"QZV•Orbiquad…\"", "snapshot \"About Dialog\" " + snapshot,
                        "press \"About Dialog\" 1", "about", "close \"About Dialog\""}),
              "");
    std::ifstream png(snapshot, std::ios::binary);
    char magic[8] = {};
    png.read(magic, 8);
    EXPECT_EQ(std::string(magic + 1, 3), "PNG");
    EXPECT_EQ(LogLinesWith("menu go QZV•Orbiquad… -> 0").size(), 1u);
    EXPECT_EQ(LogLinesWith("about Orbiquad -> 0").size(), 1u);
    std::remove(snapshot.c_str());
}

}  // namespace
