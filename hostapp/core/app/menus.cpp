#include "app/menus.h"

#include <cstring>

#include "app/prefs_store.h"
#include "app/tool_events.h"
#include "frame/host.h"
#include "frame/script.h"
#include "util/json_writer.h"

namespace drawhost {

namespace {

int ItemIndex(MenuItemHandle item) {
    return AppIndexOf(AppHandleKind::MenuItem, item, TheApp().menuItems.size());
}

int GroupIndex(MenuGroupHandle group) {
    return AppIndexOf(AppHandleKind::MenuGroup, group, TheApp().menuGroups.size());
}

// Menu texts end up in logs and JSON: they must be UTF-8.
bool GoodText(const char* text) { return text && PrefsValidUtf8(text); }

HostErr AddMenuItem(PluginRef plugin, const char* key, const char* group, const char* text, int32_t options,
                    MenuItemHandle* item) {
    if (!item || !key || !key[0] || !group || !GoodText(text)) return kErrBadParameter;
    if (!HostPluginOf(plugin)) return kErrBadHandle;
    int g = MenusFindGroup(group);
    if (g < 0) return kErrNotFound;
    AppState& app = TheApp();
    AppMenuItem entry;
    entry.key = key;
    entry.text = text;
    entry.group = g;
    entry.options = options;
    entry.owner = plugin;
    HostLog("menu item added: " + entry.text + " (in " + group + ")");
    app.menuItems.push_back(std::move(entry));
    *item = AppMakeHandle<MenuItemHandle>(AppHandleKind::MenuItem, app.menuItems.size() - 1);
    return kNoErr;
}

HostErr SetItemText(MenuItemHandle item, const char* text) {
    int i = ItemIndex(item);
    if (i < 0) return kErrBadHandle;
    if (!GoodText(text)) return kErrBadParameter;
    AppMenuItem& entry = TheApp().menuItems[i];
    if (entry.text != text) {
        entry.text = text;
        HostLog("menu text: " + entry.text);
    }
    return kNoErr;
}

HostErr GetItemText(MenuItemHandle item, char* buffer, int32_t size) {
    if (!buffer || size <= 0) return kErrBadParameter;
    int i = ItemIndex(item);
    if (i < 0) return kErrBadHandle;
    AppCopyOut(TheApp().menuItems[i].text, buffer, size);
    return kNoErr;
}

// The item stops being a command and opens the new group instead. Group
// names are how plug-ins find each other's groups, so they stay unique.
HostErr AddMenuGroupAsSubMenu(const char* groupName, int32_t options, MenuItemHandle parent,
                              MenuGroupHandle* group) {
    if (!group || !groupName || !groupName[0] || !GoodText(groupName)) return kErrBadParameter;
    int i = ItemIndex(parent);
    if (i < 0) return kErrBadHandle;
    AppState& app = TheApp();
    if (app.menuItems[i].subGroup >= 0 || MenusFindGroup(groupName) >= 0) return kErrBadParameter;
    AppMenuGroup g;
    g.name = groupName;
    g.parentItem = i;
    g.options = options;
    app.menuGroups.push_back(std::move(g));
    app.menuItems[i].subGroup = static_cast<int>(app.menuGroups.size() - 1);
    *group = AppMakeHandle<MenuGroupHandle>(AppHandleKind::MenuGroup, app.menuGroups.size() - 1);
    return kNoErr;
}

HostErr CountMenuGroups(int32_t* count) {
    if (!count) return kErrBadParameter;
    *count = static_cast<int32_t>(TheApp().menuGroups.size());
    return kNoErr;
}

HostErr GetNthMenuGroup(int32_t n, MenuGroupHandle* group) {
    if (!group) return kErrBadParameter;
    if (n < 0 || static_cast<size_t>(n) >= TheApp().menuGroups.size()) return kErrNotFound;
    *group = AppMakeHandle<MenuGroupHandle>(AppHandleKind::MenuGroup, static_cast<size_t>(n));
    return kNoErr;
}

// The name stays valid for the session: groups are never removed and the
// deque never moves them.
HostErr GetMenuGroupName(MenuGroupHandle group, const char** name) {
    if (!name) return kErrBadParameter;
    int g = GroupIndex(group);
    if (g < 0) return kErrBadHandle;
    *name = TheApp().menuGroups[g].name.c_str();
    return kNoErr;
}

const MenuSuite kSuite = {AddMenuItem,     SetItemText,    GetItemText,     AddMenuGroupAsSubMenu,
                          CountMenuGroups, GetNthMenuGroup, GetMenuGroupName};
SuiteRegistrar registrar(kMenuSuiteName, kMenuSuiteVersion, &kSuite);

void WriteMenus(JsonWriter& json) {
    const AppState& app = TheApp();
    json.BeginArray();
    for (size_t g = 0; g < app.menuGroups.size(); ++g) {
        const AppMenuGroup& group = app.menuGroups[g];
        json.BeginObject();
        json.Field("name", group.name);
        json.Key("parentItem");
        if (group.parentItem >= 0)
            json.String(app.menuItems[group.parentItem].text);
        else
            json.Null();
        json.Key("items");
        json.BeginArray();
        for (const AppMenuItem& item : app.menuItems) {
            if (item.group != static_cast<int>(g)) continue;
            json.BeginObject();
            json.Field("key", item.key);
            json.Field("text", item.text);
            json.Field("group", group.name);
            json.Field("owner", AppOwnerName(item.owner));
            json.Key("subMenu");
            if (item.subGroup >= 0)
                json.String(app.menuGroups[item.subGroup].name);
            else
                json.Null();
            json.EndObject();
        }
        json.EndArray();
        json.EndObject();
    }
    json.EndArray();
}

struct Registration {
    Registration() { HostAddDumpSection("menus", WriteMenus); }
} registration;

CommandRegistrar menu("menu", "menu TEXT", [](const ScriptArgs& a) {
    a.Expect(1);
    HostLog("> menu " + a.Str(0));
    MenusChoose(a.Str(0));
});

}  // namespace

void MenusAddHostGroups(AppState& app) {
    for (const char* name : {kAboutMenuGroup, kToolPalettesMenuGroup}) {
        AppMenuGroup g;
        g.name = name;
        app.menuGroups.push_back(std::move(g));
    }
}

int MenusFindGroup(const std::string& name) {
    const AppState& app = TheApp();
    for (size_t g = 0; g < app.menuGroups.size(); ++g)
        if (app.menuGroups[g].name == name) return static_cast<int>(g);
    return -1;
}

void MenusChoose(const std::string& text) {
    const AppState& app = TheApp();
    for (size_t i = 0; i < app.menuItems.size(); ++i) {
        const AppMenuItem& item = app.menuItems[i];
        if (item.text != text) continue;
        if (item.subGroup >= 0) throw ScriptError("menu item '" + text + "' opens a sub-menu");
        LoadedPlugin* owner = HostPluginOf(item.owner);
        if (!owner) throw ScriptError("the plug-in of menu item '" + text + "' is gone");
        MenuMessage msg{};
        msg.menuItem = AppMakeHandle<MenuItemHandle>(AppHandleKind::MenuItem, i);
        HostErr err = HostSend(*owner, kCallerMenu, kSelGo, &msg.d);
        HostLog("menu go " + text + " -> " + HostErrText(err));
        EventsAfterMessage();
        return;
    }
    throw ScriptError("no menu item '" + text + "'");
}

}  // namespace drawhost
