#include "frame/input_rules.h"

#include <string_view>

#include "frame/host.h"
#include "frame/script.h"
#include "frame/session.h"

namespace drawhost {

namespace {

// Input to the document window, the toolbox and the menus. While a modal
// dialog runs, the real host delivers none of it: only the dialog takes
// input (its items, its close box), and the keyboard's state still changes.
constexpr std::string_view kHeldBackByModalDialogs[] = {
    "tool", "tool-options",                           // the toolbox
    "move", "down", "drag", "up", "click",            // the document window's mouse
    "menu", "about", "selection-changed",             // the menus, and what they send
    "layer", "path", "curve", "zoom", "units", "snapping", "pattern",   // the document
};

// Events that go to a plug-in's tools and menu items: before "start" no
// plug-in has registered any, and nothing would take them.
constexpr std::string_view kNeedStartedPlugins[] = {
    "tool", "tool-options",                           // the plug-ins' tools
    "move", "down", "drag", "up", "click",            // events to the selected tool
    "menu", "selection-changed",                      // the plug-ins' menu items and notifiers
};

template <size_t N>
bool Listed(const std::string_view (&list)[N], const std::string& command) {
    for (std::string_view name : list)
        if (name == command) return true;
    return false;
}

}  // namespace

void HostCheckInputAllowed(const std::string& command) {
    if (TheHost().modalDepth > 0 && Listed(kHeldBackByModalDialogs, command))
        throw ScriptError("'" + command + "' while a modal dialog is open: only the dialog takes input");
    if (!SessionStarted() && Listed(kNeedStartedPlugins, command))
        throw ScriptError("'" + command + "' before start: no plug-in is running to take it");
}

}  // namespace drawhost
