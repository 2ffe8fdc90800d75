// drawhost's application services: the preference store, the menus, the
// toolbox and its info line, the notifiers, the annotators and the tool
// events of the session. One record holds their state; each subsystem's
// functions live in their own file (prefs*, menus, toolbox, notifiers,
// annotators, tool_events) and are named after it.
#pragma once
#include <cstdint>
#include <deque>
#include <map>
#include <set>
#include <string>
#include <sys/types.h>
#include <vector>

#include "app/prefs_store.h"
#include "sdk_all.h"

namespace drawhost {

// --- menus ---
struct AppMenuGroup {
    std::string name;            // stable address: GetMenuGroupName hands out name.c_str()
    int parentItem = -1;         // the item it hangs from, or -1 for a group of the host's menu bar
    int32_t options = 0;
};

struct AppMenuItem {
    std::string key;
    std::string text;
    int group = 0;               // index into AppState::menuGroups
    int32_t options = 0;
    PluginRef owner = nullptr;   // resolved through HostPluginOf before any use
    int subGroup = -1;           // the sub-menu group it opens, or -1 for an item that can be chosen
};

// --- toolbox ---
struct AppTool {
    std::string name;            // the lookup name (GetToolNumberFromName)
    std::string title;           // what the toolbox shows; `tool TITLE` selects by it
    std::string tip;
    int group = 0;               // tools of one group share a slot of the toolbox
    int toolset = 0;             // tools of one toolset share a fly-out within the group
    int32_t options = 0;         // kToolWantsTracking...
    PluginRef owner = nullptr;   // null for the host's own tools
    IconRef icon = nullptr;      // dialog-manager handles, kept but never looked into
    IconRef secondIcon = nullptr;
};

struct AppInfoLine {
    bool hasCursor = false;
    float h = 0, v = 0;
    std::string text;
};

// --- notifiers and annotators ---
struct AppNotifier {
    std::string name;
    std::string type;
    PluginRef owner = nullptr;
};

struct AppAnnotator {
    std::string name;
    PluginRef owner = nullptr;
    bool active = true;          // a new annotator draws until told otherwise
    std::vector<std::string> drawn;   // what it drew at the last redraw, one line per operation
};

struct AppInvalidRect {
    ViewHandle view = nullptr;
    IntRect rect{};
};

struct AppState {
    // --- preferences (prefs.cpp) ---
    PrefStore prefs;                  // what plug-ins read and write, by prefix and key
    std::string prefsPath;            // the store's file; empty keeps it in memory only
    bool prefsPathIsDefault = true;   // the user's configuration folder may need creating
    bool prefsLoaded = false;         // read at start; nothing is written unless it was
    bool prefsSaveRefused = false;    // the file could not be read or set aside: never overwrite it
    std::string prefsSaveRefusedWhy;
    int prefsWritesBeforeFailure = -1; // -1 never fails; n: n more Puts succeed, then all fail
    std::string prefsTarget;          // where the file really is (a link followed); set when it is read
    std::set<std::string> prefsWrongTypeNoted;   // "[prefix] key" read with another type than stored, logged once

    // --- the preference file's lock (prefs_lock.cpp), held from reading to the session's end ---
    int prefsLockFd = -1;             // open on the locked file; -1 when none is held
    std::string prefsLockPath;        // the file locked (the target of a link)
    dev_t prefsLockDevice = 0;        // the inode locked: the file this session read
    ino_t prefsLockInode = 0;
    bool prefsLockCreated = false;    // the lock made the file (empty); removed if never written

    // --- menus (menus.cpp) ---
    std::deque<AppMenuGroup> menuGroups;   // the host's groups first, then sub-menus in creation order
    std::vector<AppMenuItem> menuItems;

    // --- toolbox (toolbox.cpp) ---
    std::vector<AppTool> tools;       // index = tool number
    int selectedTool = 0;             // the host's selection tool at start
    int nextToolGroup = 1;            // ids handed to groups and toolsets that a tool opens
    int nextToolset = 1;
    AppInfoLine info;

    // --- notifiers (notifiers.cpp) ---
    std::vector<AppNotifier> notifiers;
    bool applicationStartedSent = false;   // the notification goes out once per session

    // --- annotators (annotators.cpp) ---
    std::vector<AppAnnotator> annotators;
    std::vector<AppInvalidRect> invalid;   // what must be redrawn at the next redraw
    PortRef annotationPort = nullptr;      // what the annotators drew last, for the outputs

    // --- tool events (tool_events.cpp) ---
    bool buttonDown = false;
    bool cursorKnown = false;         // no position before the first event
    RealPoint cursor{};
    int gestureTool = -1;             // the tool that took the mouse down gets the drags and the up
    int32_t keysHeld = 0;             // kToolMod* bits, mirrored into each tool message
};

AppState& TheApp();

// Opaque handles given to plug-ins: a kind tag and an index, never an
// address. A handle is turned back into an index only through these, so a
// stale, foreign or mistyped handle is refused instead of followed.
enum class AppHandleKind : uintptr_t { MenuItem = 1, MenuGroup = 2, Tool = 3, Notifier = 4, Annotator = 5 };

uintptr_t AppHandleValue(AppHandleKind kind, size_t index);
// The index, or -1 when `value` is not a handle of that kind below `count`.
int AppHandleIndex(AppHandleKind kind, uintptr_t value, size_t count);

template <class Handle>
Handle AppMakeHandle(AppHandleKind kind, size_t index) {
    return reinterpret_cast<Handle>(AppHandleValue(kind, index));
}
template <class Handle>
int AppIndexOf(AppHandleKind kind, Handle handle, size_t count) {
    return AppHandleIndex(kind, reinterpret_cast<uintptr_t>(handle), count);
}

// The bundle folder name of a plug-in, or "host" for a null reference.
std::string AppOwnerName(PluginRef owner);

// Copies `text` into a caller's buffer of `size` bytes, cut on a UTF-8
// character boundary and always terminated.
void AppCopyOut(const std::string& text, char* buffer, int32_t size);

}  // namespace drawhost
