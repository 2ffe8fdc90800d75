// Menus: the host's groups, items, sub-menus and choosing an item.
#include "app_fixture.h"
#include "util/json_writer.h"

namespace app_test {
namespace {

using namespace drawhost;
using drawhost_test::LogLinesWith;
using drawhost_test::RunLines;

const MenuSuite* Menus() { return Suite<MenuSuite>(kMenuSuiteName, kMenuSuiteVersion); }

std::vector<std::string> GroupNames() {
    int32_t count = 0;
    Menus()->CountMenuGroups(&count);
    std::vector<std::string> names;
    for (int32_t n = 0; n < count; ++n) {
        MenuGroupHandle g = nullptr;
        const char* name = nullptr;
        if (Menus()->GetNthMenuGroup(n, &g) == kNoErr && Menus()->GetMenuGroupName(g, &name) == kNoErr)
            names.push_back(name);
    }
    return names;
}

class Menu : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        StartTestPlugin();
        me = TestPluginRef();
    }
    PluginRef me = nullptr;
};

// The shared "about" sub-menu as a family of plug-ins builds it: the first
// creates the group, a later one finds it by walking the groups.
TEST_F(Menu, SubMenusAreGroupsThatOthersCanFind) {
    const MenuSuite* m = Menus();
    EXPECT_EQ(GroupNames(), (std::vector<std::string>{"About", "Tool Palettes"}));

    MenuItemHandle parent = nullptr, inner = nullptr, second = nullptr;
    MenuGroupHandle group = nullptr;
    ASSERT_EQ(m->AddMenuItem(me, "about", kAboutMenuGroup, "À propos des QZV•Outils…", 0, &parent), kNoErr);
    ASSERT_EQ(m->AddMenuGroupAsSubMenu("SDKAboutPluginsGroupName", kMenuGroupSubMenu, parent, &group), kNoErr);
    ASSERT_EQ(m->AddMenuItem(me, "about1", "SDKAboutPluginsGroupName", "QZV•Orbiquad…", 0, &inner), kNoErr);
    EXPECT_EQ(GroupNames(), (std::vector<std::string>{"About", "Tool Palettes", "SDKAboutPluginsGroupName"}));
    ASSERT_EQ(m->AddMenuItem(me, "about2", "SDKAboutPluginsGroupName", "Sibling…", 0, &second), kNoErr);

    // One name, one group; one sub-menu per item.
    MenuGroupHandle again = nullptr;
    EXPECT_EQ(m->AddMenuGroupAsSubMenu("SDKAboutPluginsGroupName", 1, inner, &again), kErrBadParameter);
    EXPECT_EQ(m->AddMenuGroupAsSubMenu("Another", 1, parent, &again), kErrBadParameter);
    EXPECT_EQ(again, nullptr);
    EXPECT_EQ(GroupNames().size(), 3u);

    JsonWriter json;
    HostWriteDump(json);
    const std::string& dump = json.Text();
    EXPECT_NE(dump.find("\"parentItem\": \"À propos des QZV•Outils…\""), std::string::npos) << dump;
    EXPECT_NE(dump.find("\"subMenu\": \"SDKAboutPluginsGroupName\""), std::string::npos);
    EXPECT_NE(dump.find("\"group\": \"SDKAboutPluginsGroupName\""), std::string::npos);
    EXPECT_NE(dump.find("\"key\": \"AppTestItem\""), std::string::npos);   // the plug-in's own item
}

TEST_F(Menu, BadRequestsAreRefused) {
    const MenuSuite* m = Menus();
    MenuItemHandle item = nullptr;
    EXPECT_EQ(m->AddMenuItem(me, "k", "No Such Group", "Text", 0, &item), kErrNotFound);
    EXPECT_EQ(m->AddMenuItem(me, "k", kAboutMenuGroup, "\xC0 Text", 0, &item), kErrBadParameter);
    int local = 0;
    EXPECT_EQ(m->AddMenuItem(reinterpret_cast<PluginRef>(&local), "k", kAboutMenuGroup, "T", 0, &item), kErrBadHandle);
    EXPECT_EQ(item, nullptr);

    // Handles that are not menu items: an address, a group, nothing.
    MenuGroupHandle group = nullptr;
    ASSERT_EQ(m->GetNthMenuGroup(0, &group), kNoErr);
    char text[16] = "keep";
    EXPECT_EQ(m->SetItemText(reinterpret_cast<MenuItemHandle>(&local), "x"), kErrBadHandle);
    EXPECT_EQ(m->GetItemText(reinterpret_cast<MenuItemHandle>(group), text, sizeof text), kErrBadHandle);
    EXPECT_STREQ(text, "keep");
    EXPECT_EQ(m->GetNthMenuGroup(2, &group), kErrNotFound);
    const char* name = nullptr;
    EXPECT_EQ(m->GetMenuGroupName(reinterpret_cast<MenuGroupHandle>(&local), &name), kErrBadHandle);
}

TEST_F(Menu, TextChangesAreLoggedOnce) {
    const MenuSuite* m = Menus();
    MenuItemHandle item = nullptr;
    ASSERT_EQ(m->AddMenuItem(me, "Outil5", kToolPalettesMenuGroup, "Afficher QZV•Orbiquad", 0, &item), kNoErr);
    EXPECT_EQ(m->SetItemText(item, "Masquer QZV•Orbiquad"), kNoErr);
    EXPECT_EQ(m->SetItemText(item, "Masquer QZV•Orbiquad"), kNoErr);
    EXPECT_EQ(LogLinesWith("menu text:"), (std::vector<std::string>{"menu text: Masquer QZV•Orbiquad"}));
    char small[10];
    ASSERT_EQ(m->GetItemText(item, small, sizeof small), kNoErr);
    EXPECT_STREQ(small, "Masquer Q");
}

// Choosing an item reaches the plug-in that added it (the test plug-in
// toggles the text); a second choice finds the item by its new text.
TEST_F(Menu, ChoosingAnItemSendsGoToItsPlugin) {
    EXPECT_EQ(RunLines({"menu \"App Test Item\"", "menu \"App Test Item (on)\""}), "");
    EXPECT_EQ(LogLinesWith("menu text:"),
              (std::vector<std::string>{"menu text: App Test Item (on)", "menu text: App Test Item"}));
    EXPECT_EQ(LogLinesWith("menu go").size(), 2u);
    EXPECT_EQ(LogLinesWith("menu go")[0], "menu go App Test Item -> 0");
    auto reports = Reports();
    ASSERT_GE(reports.size(), 2u);
    EXPECT_EQ(reports[reports.size() - 2], "AI Go item");
}

TEST_F(Menu, UnknownItemsAndSubMenusCannotBeChosen) {
    std::string error = RunLines({"menu \"No Such Item\""});
    EXPECT_NE(error.find("no menu item 'No Such Item'"), std::string::npos) << error;
    MenuItemHandle parent = nullptr;
    MenuGroupHandle group = nullptr;
    ASSERT_EQ(Menus()->AddMenuItem(me, "fam", kToolPalettesMenuGroup, "QZV.Outils", 0, &parent), kNoErr);
    ASSERT_EQ(Menus()->AddMenuGroupAsSubMenu("QZVOutils", 1, parent, &group), kNoErr);
    error = RunLines({"menu QZV.Outils"});
    EXPECT_NE(error.find("sub-menu"), std::string::npos) << error;
    EXPECT_TRUE(LogLinesWith("menu go").empty());
}

}  // namespace
}  // namespace app_test
