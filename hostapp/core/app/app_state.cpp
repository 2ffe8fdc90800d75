#include "app/app_state.h"

#include <cstring>

#include "app/annotators.h"
#include "app/menus.h"
#include "app/prefs.h"
#include "app/toolbox.h"
#include "frame/host.h"
#include "util/copy_out.h"

namespace drawhost {

namespace {

// What a session starts with: the host's menu groups and toolbox, an empty
// store at the user's default place.
AppState FreshState() {
    AppState app;
    app.prefsPath = PrefsDefaultPath();
    MenusAddHostGroups(app);
    ToolboxAddHostTools(app);
    return app;
}

ResetRegistrar reset([] {
    PrefsUnlock();
    AnnotatorsDisposePort(TheApp());
    TheApp() = FreshState();
});

// Handles carry their kind in the bits above the index; index 0 is handle
// value 1 so that no handle is null.
constexpr int kIndexBits = 24;

}  // namespace

AppState& TheApp() {
    static AppState app = FreshState();
    return app;
}

uintptr_t AppHandleValue(AppHandleKind kind, size_t index) {
    return (static_cast<uintptr_t>(kind) << kIndexBits) | (index + 1);
}

int AppHandleIndex(AppHandleKind kind, uintptr_t value, size_t count) {
    if ((value >> kIndexBits) != static_cast<uintptr_t>(kind)) return -1;
    uintptr_t low = value & ((uintptr_t(1) << kIndexBits) - 1);
    if (low == 0 || low > count) return -1;
    return static_cast<int>(low - 1);
}

std::string AppOwnerName(PluginRef owner) {
    if (!owner) return "host";
    LoadedPlugin* p = HostPluginOf(owner);
    if (!p) return "(gone)";
    size_t slash = p->folder.find_last_of('/');
    return slash == std::string::npos ? p->folder : p->folder.substr(slash + 1);
}

void AppCopyOut(const std::string& text, char* buffer, int32_t size) { CopyTextOut(text, buffer, size); }

}  // namespace drawhost
