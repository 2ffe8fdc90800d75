#include "app/toolbox.h"

#include <vector>

#include "app/prefs_store.h"
#include "app/tool_events.h"
#include "frame/host.h"
#include "util/json_writer.h"

namespace drawhost {

namespace {

// Longest info-variable list read before the end marker: a list without
// one is refused rather than read past its end.
constexpr int kMaxInfoVars = 32;

int ToolIndex(ToolHandle tool) { return AppIndexOf(AppHandleKind::Tool, tool, TheApp().tools.size()); }

bool ValidNumber(int32_t number) { return number >= 0 && static_cast<size_t>(number) < TheApp().tools.size(); }

HostErr AddTool(PluginRef plugin, const char* name, const ToolData* data, int32_t options, ToolHandle* tool) {
    if (!tool || !name || !name[0] || !data || !data->title || !PrefsValidUtf8(name) ||
        !PrefsValidUtf8(data->title) || (data->tip && !PrefsValidUtf8(data->tip)))
        return kErrBadParameter;
    if (!HostPluginOf(plugin)) return kErrBadHandle;
    AppState& app = TheApp();
    for (const AppTool& t : app.tools)
        if (t.name == name) return kErrBadParameter;   // names are how tools find each other
    bool ownGroup = data->sameGroupAs == kToolNoGroup, ownToolset = data->sameToolsetAs == kToolNoGroup;
    if ((!ownGroup && !ValidNumber(data->sameGroupAs)) || (!ownToolset && !ValidNumber(data->sameToolsetAs)))
        return kErrBadParameter;

    AppTool t;
    t.name = name;
    t.title = data->title;
    t.tip = data->tip ? data->tip : "";
    t.options = options;
    t.owner = plugin;
    t.icon = data->icon;   // whatever its type: the plug-in checks its own icons
    // A toolset lies within one group: joining a toolset joins its group.
    if (!ownToolset) {
        const AppTool& mate = app.tools[data->sameToolsetAs];
        t.group = mate.group;
        t.toolset = mate.toolset;
    } else {
        t.group = ownGroup ? app.nextToolGroup++ : app.tools[data->sameGroupAs].group;
        t.toolset = app.nextToolset++;
    }
    HostLog("tool added: " + t.title + " (group " + std::to_string(t.group) + ", toolset " +
            std::to_string(t.toolset) + ")");
    app.tools.push_back(std::move(t));
    *tool = AppMakeHandle<ToolHandle>(AppHandleKind::Tool, app.tools.size() - 1);
    return kNoErr;
}

HostErr SetSelectedTool(ToolHandle tool) {
    int i = ToolIndex(tool);
    if (i < 0) return kErrBadHandle;
    ToolboxSelect(i);
    return kNoErr;
}

HostErr GetToolNumberFromName(const char* name, int32_t* number) {
    if (!name || !number) return kErrBadParameter;
    const AppState& app = TheApp();
    for (size_t i = 0; i < app.tools.size(); ++i) {
        if (app.tools[i].name == name) {
            *number = static_cast<int32_t>(i);
            return kNoErr;
        }
    }
    return kErrNotFound;
}

// The whole list is checked before anything changes.
HostErr SetToolInfoVars(ToolHandle tool, const int32_t* vars, const void* const* values) {
    if (ToolIndex(tool) < 0) return kErrBadHandle;
    if (!vars || !values) return kErrBadParameter;
    AppInfoLine next = TheApp().info;
    bool gotH = false, gotV = false;
    int n = 0;
    for (; n < kMaxInfoVars && vars[n] != kInfoEnd; ++n) {
        const void* value = values[n];
        if (!value) return kErrBadParameter;
        switch (vars[n]) {
        case kInfoCursorH: next.h = *static_cast<const float*>(value); gotH = true; break;
        case kInfoCursorV: next.v = *static_cast<const float*>(value); gotV = true; break;
        case kInfoText:
            if (!PrefsValidUtf8(static_cast<const char*>(value))) return kErrBadParameter;
            next.text = static_cast<const char*>(value);
            break;
        default: return kErrBadParameter;
        }
    }
    if (n == kMaxInfoVars) return kErrBadParameter;
    if (gotH && gotV) next.hasCursor = true;
    AppInfoLine& info = TheApp().info;
    bool textChanged = next.text != info.text;
    info = std::move(next);
    if (textChanged) HostLog("info: " + info.text);
    if (auto& show = TheHost().frontEnd.info; textChanged && show) show(info.text);
    return kNoErr;
}

HostErr SetSecondIcon(ToolHandle tool, IconRef icon) {
    int i = ToolIndex(tool);
    if (i < 0) return kErrBadHandle;
    TheApp().tools[i].secondIcon = icon;
    return kNoErr;
}

const ToolSuite kSuite = {AddTool, SetSelectedTool, GetToolNumberFromName, SetToolInfoVars, SetSecondIcon};
SuiteRegistrar registrar(kToolSuiteName, kToolSuiteVersion, &kSuite);

void WriteToolbox(JsonWriter& json) {
    const AppState& app = TheApp();
    json.BeginArray();
    for (size_t i = 0; i < app.tools.size(); ++i) {
        const AppTool& t = app.tools[i];
        json.BeginObject();
        json.Field("number", static_cast<int>(i));
        json.Field("name", t.name);
        json.Field("title", t.title);
        json.Field("tip", t.tip);
        json.Field("group", t.group);
        json.Field("toolset", t.toolset);
        json.Field("owner", AppOwnerName(t.owner));
        json.Field("tracking", (t.options & kToolWantsTracking) != 0);
        json.Field("icon", t.icon != nullptr);
        json.Field("secondIcon", t.secondIcon != nullptr);
        json.Field("selected", static_cast<int>(i) == app.selectedTool);
        json.EndObject();
    }
    json.EndArray();
}

struct Registration {
    Registration() { HostAddDumpSection("toolbox", WriteToolbox); }
} registration;

}  // namespace

void ToolboxAddHostTools(AppState& app) {
    struct HostTool {
        const char* title;
        const char* tip;
    };
    // Each in a group and toolset of its own.
    for (HostTool h : {HostTool{"Selection Tool", "Selection"}, HostTool{"Eyedropper Tool", "Eyedropper"},
                       HostTool{"Ellipse Tool", "Ellipse"}}) {
        AppTool t;
        t.name = h.title;
        t.title = h.title;
        t.tip = h.tip;
        t.group = app.nextToolGroup++;
        t.toolset = app.nextToolset++;
        app.tools.push_back(std::move(t));
    }
    app.selectedTool = 0;
}

int ToolboxFind(const std::string& title) {
    const AppState& app = TheApp();
    for (size_t i = 0; i < app.tools.size(); ++i)
        if (app.tools[i].title == title) return static_cast<int>(i);
    for (size_t i = 0; i < app.tools.size(); ++i)
        if (app.tools[i].name == title) return static_cast<int>(i);
    return -1;
}

bool ToolboxSend(int tool, const char* selector, HostErr* result) {
    AppState& app = TheApp();
    if (tool < 0 || static_cast<size_t>(tool) >= app.tools.size()) return false;
    LoadedPlugin* owner = HostPluginOf(app.tools[tool].owner);
    if (!owner) return false;
    ToolMessage msg{};
    msg.tool = AppMakeHandle<ToolHandle>(AppHandleKind::Tool, static_cast<size_t>(tool));
    msg.cursor = app.cursor;
    msg.pressure = 1.0f;
    msg.event = app.keysHeld;
    *result = HostSend(*owner, kCallerTool, selector, &msg.d);
    return true;
}

void ToolboxSelect(int tool) {
    AppState& app = TheApp();
    int old = app.selectedTool;
    if (tool == old || tool < 0 || static_cast<size_t>(tool) >= app.tools.size()) return;
    // Selected first: a plug-in asking back during its messages sees the new tool.
    app.selectedTool = tool;
    std::string oldTitle = app.tools[old].title, newTitle = app.tools[tool].title;
    HostLog("tool: " + newTitle);
    HostErr err = 0;
    if (ToolboxSend(old, kSelDeselect, &err)) HostLog("deselect " + oldTitle + " -> " + HostErrText(err));
    if (ToolboxSend(tool, kSelSelect, &err)) HostLog("select " + newTitle + " -> " + HostErrText(err));
}

void ToolboxEditOptions(int tool) {
    const AppTool& t = TheApp().tools[tool];
    std::string title = t.title;
    bool hostTool = t.owner == nullptr;
    HostErr err = 0;
    if (!ToolboxSend(tool, kSelEditOptions, &err)) {
        HostLog("edit options " + title + (hostTool ? ": a host tool, nothing to edit" : ": its plug-in is gone"));
        return;
    }
    HostLog("edit options " + title + " -> " + HostErrText(err));
    EventsAfterMessage();
}

}  // namespace drawhost
