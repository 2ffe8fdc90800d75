// The toolbox: placement of added tools, names, icons, the info line.
#include "app/app_state.h"
#include "app_fixture.h"
#include "util/json_writer.h"

namespace app_test {
namespace {

using namespace drawhost;
using drawhost_test::LogLinesWith;
using drawhost_test::RunLines;

const ToolSuite* Tools() { return Suite<ToolSuite>(kToolSuiteName, kToolSuiteVersion); }

class Toolbox : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        StartTestPlugin();
        me = TestPluginRef();
    }
    int32_t Number(const char* name) {
        int32_t n = -1;
        Tools()->GetToolNumberFromName(name, &n);
        return n;
    }
    HostErr Add(const char* name, int32_t sameGroup, int32_t sameToolset, ToolHandle* tool = nullptr) {
        ToolHandle t = nullptr;
        ToolData data = {name, "tip", nullptr, sameGroup, sameToolset};
        return Tools()->AddTool(me, name, &data, kToolWantsTracking, tool ? tool : &t);
    }
    const AppTool& T(const char* name) { return TheApp().tools.at(Number(name)); }
    PluginRef me = nullptr;
};

// The three placements a plug-in asks for, as the eyedropper grouping and
// the family grouping use them.
TEST_F(Toolbox, PlacementBySameGroupSameToolsetOrNone) {
    // The host's three tools come first, then the test plug-in's two.
    EXPECT_EQ(Number("Selection Tool"), 0);
    EXPECT_EQ(Number("App Test Tool 2"), 4);
    int32_t n = 77;
    EXPECT_EQ(Tools()->GetToolNumberFromName("Outil Pivard", &n), kErrNotFound);
    EXPECT_EQ(n, 77);

    const int32_t eyedropper = Number("Eyedropper Tool");
    ASSERT_EQ(eyedropper, 1);
    ASSERT_EQ(Add("Beside", eyedropper, kToolNoGroup), kNoErr);      // the eyedropper's slot, own fly-out
    ASSERT_EQ(Add("Under", eyedropper, eyedropper), kNoErr);         // in the eyedropper's fly-out
    ASSERT_EQ(Add("Toolset only", kToolNoGroup, eyedropper), kNoErr);  // a toolset implies its group
    ASSERT_EQ(Add("Alone", kToolNoGroup, kToolNoGroup), kNoErr);

    const AppTool& eye = T("Eyedropper Tool");
    EXPECT_EQ(T("Beside").group, eye.group);
    EXPECT_NE(T("Beside").toolset, eye.toolset);
    EXPECT_EQ(T("Under").group, eye.group);
    EXPECT_EQ(T("Under").toolset, eye.toolset);
    EXPECT_EQ(T("Toolset only").group, eye.group);
    EXPECT_EQ(T("Toolset only").toolset, eye.toolset);
    for (const AppTool& other : TheApp().tools) {
        if (other.name == "Alone") continue;
        EXPECT_NE(other.group, T("Alone").group) << other.name;
        EXPECT_NE(other.toolset, T("Alone").toolset) << other.name;
    }
    // The test plug-in put its second tool in its first tool's toolset.
    EXPECT_EQ(T("App Test Tool 2").toolset, T("App Test Tool").toolset);
}

TEST_F(Toolbox, BadToolsAreRefused) {
    ToolHandle t = nullptr;
    EXPECT_EQ(Add("Nowhere", 99, kToolNoGroup, &t), kErrBadParameter);
    EXPECT_EQ(Add("Nowhere", kToolNoGroup, -1, &t), kErrBadParameter);
    EXPECT_EQ(Add("Eyedropper Tool", kToolNoGroup, kToolNoGroup, &t), kErrBadParameter);   // names are unique
    EXPECT_EQ(t, nullptr);
    EXPECT_EQ(Tools()->SetSelectedTool(reinterpret_cast<ToolHandle>(&t)), kErrBadHandle);
    EXPECT_EQ(Tools()->SetSecondIcon(nullptr, nullptr), kErrBadHandle);
}

// The host keeps icons without looking into them: an unknown kind is the
// plug-in's business.
TEST_F(Toolbox, IconsOfAnyKindAreKept) {
    int notAnIcon = 0;
    IconRef icon = reinterpret_cast<IconRef>(&notAnIcon);
    ToolData data = {"Iconic", "tip", icon, kToolNoGroup, kToolNoGroup};
    ToolHandle t = nullptr;
    ASSERT_EQ(Tools()->AddTool(me, "Iconic", &data, 0, &t), kNoErr);
    ASSERT_EQ(Tools()->SetSecondIcon(t, icon), kNoErr);
    JsonWriter json;
    HostWriteDump(json);
    std::string dump = json.Text();
    size_t at = dump.find("\"name\": \"Iconic\"");
    ASSERT_NE(at, std::string::npos);
    std::string entry = dump.substr(at, dump.find('}', at) - at);
    EXPECT_NE(entry.find("\"owner\": \"apptest\""), std::string::npos) << entry;
    EXPECT_NE(entry.find("\"icon\": true"), std::string::npos) << entry;
    EXPECT_NE(entry.find("\"secondIcon\": true"), std::string::npos) << entry;
    EXPECT_NE(dump.find("\"owner\": \"host\""), std::string::npos);
}

TEST_F(Toolbox, InfoLineTakesCursorAndText) {
    ToolHandle t = nullptr;
    ASSERT_EQ(Add("Informed", kToolNoGroup, kToolNoGroup, &t), kNoErr);
    float h = 12.5f, v = -3.0f;
    const char* text = "Clic sur le centre du cercle.";
    const int32_t vars[] = {kInfoCursorH, kInfoCursorV, kInfoText, kInfoEnd};
    const void* values[] = {&h, &v, text};
    ASSERT_EQ(Tools()->SetToolInfoVars(t, vars, values), kNoErr);
    h = 13.0f;
    ASSERT_EQ(Tools()->SetToolInfoVars(t, vars, values), kNoErr);   // same text: no new line
    EXPECT_EQ(LogLinesWith("info: Clic"), (std::vector<std::string>{"info: Clic sur le centre du cercle."}));
    EXPECT_TRUE(TheApp().info.hasCursor);
    EXPECT_EQ(TheApp().info.h, 13.0f);
    EXPECT_EQ(TheApp().info.v, -3.0f);

    // A list with an unknown variable changes nothing, not even its text.
    const int32_t bad[] = {kInfoText, 99, kInfoEnd};
    const void* badValues[] = {"changed", &h};
    EXPECT_EQ(Tools()->SetToolInfoVars(t, bad, badValues), kErrBadParameter);
    EXPECT_EQ(TheApp().info.text, text);
    // A list without its end marker is not read past a bound.
    int32_t endless[64];
    const void* many[64];
    for (int i = 0; i < 64; ++i) {
        endless[i] = kInfoCursorH;
        many[i] = &h;
    }
    EXPECT_EQ(Tools()->SetToolInfoVars(t, endless, many), kErrBadParameter);
}

TEST_F(Toolbox, CommandsNameToolsByTitle) {
    std::string error = RunLines({"tool \"No Such Tool\""});
    EXPECT_NE(error.find("no tool titled 'No Such Tool'"), std::string::npos) << error;
    error = RunLines({"tool-options Nothing"});
    EXPECT_NE(error.find("no tool titled 'Nothing'"), std::string::npos) << error;

    // A double click on the plug-in tool's icon reaches its plug-in; on a
    // host tool it reaches no plug-in.
    EXPECT_EQ(RunLines({"tool-options \"App Test Tool 2\"", "tool-options \"Ellipse Tool\""}), "");
    EXPECT_EQ(Reports().back(), "AI Edit Options tool2");
    EXPECT_EQ(LogLinesWith("edit options App Test Tool 2 -> 0").size(), 1u);
    EXPECT_EQ(LogLinesWith("edit options Ellipse Tool: a host tool").size(), 1u);
}

}  // namespace
}  // namespace app_test
