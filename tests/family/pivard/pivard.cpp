// A sibling plug-in of the same family, for testing how the family shares
// its menus: it adds its about item to the shared about sub-menu, its palette
// item to the shared "QZVOutils" sub-menu (making either when it starts
// first), and registers the tool "Outil Pivard".
#include <string.h>

#include "plugin/about_plugins_helper.h"
#include "sdk_all.h"

namespace {

const BasicSuite* gBasic;

template <typename Suite>
const Suite* Acquire(const char* name, int32_t version) {
    const void* s = nullptr;
    return gBasic->AcquireSuite(name, version, &s) == kNoErr ? static_cast<const Suite*>(s) : nullptr;
}

HostErr Startup(MessageHeader* message) {
    PluginRef plugin = message->plugin;
    {
        qzv::SDKAboutPluginsHelper about(gBasic);
        MenuItemHandle aboutItem = nullptr;
        about.AddAboutPluginsMenuItem(plugin, "SDKAboutPluginsGroupName", "À propos des QZV•Outils…",
                                      "QZVPivardAbout", "QZV•Pivard…", &aboutItem);
    }
    const MenuSuite* menu = Acquire<MenuSuite>(kMenuSuiteName, kMenuSuiteVersion);
    const ToolSuite* tool = Acquire<ToolSuite>(kToolSuiteName, kToolSuiteVersion);
    if (!menu || !tool) return kErrSuiteNotFound;

    bool family = false;
    HostErr err = qzv::MenuGroupExists(menu, "QZV", true, &family);
    if (!family) {
        MenuItemHandle item = nullptr;
        MenuGroupHandle group = nullptr;
        err = menu->AddMenuItem(plugin, "QZVOutils", kToolPalettesMenuGroup, "QZV.Outils", 0, &item);
        if (err == kNoErr) err = menu->AddMenuGroupAsSubMenu("QZVOutils", kMenuGroupSubMenu, item, &group);
    }
    MenuItemHandle palette = nullptr;
    if (err == kNoErr) err = menu->AddMenuItem(plugin, "Outil9", "QZVOutils", "Afficher QZV•Pivard", 0, &palette);
    ToolHandle handle = nullptr;
    ToolData data = {"Outil Pivard", "Outil Pivard 1.0", nullptr, kToolNoGroup, kToolNoGroup};
    if (err == kNoErr) err = tool->AddTool(plugin, "Outil Pivard", &data, kToolWantsTracking, &handle);
    gBasic->ReleaseSuite(kMenuSuiteName, kMenuSuiteVersion);
    gBasic->ReleaseSuite(kToolSuiteName, kToolSuiteVersion);
    return err;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) HostErr PluginMain(const char* caller, const char* selector,
                                                                    void* message) {
    MessageHeader* header = static_cast<MessageHeader*>(message);
    gBasic = header->basic;
    if (gBasic->IsEqual(caller, kCallerInterface) && gBasic->IsEqual(selector, kSelStartup)) return Startup(header);
    return kNoErr;
}
