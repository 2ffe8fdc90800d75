#include "plugin/about_plugins_helper.h"

#include <string.h>

namespace qzv {

HostErr MenuGroupExists(const MenuSuite* menu, const char* name, bool prefixOnly, bool* found) {
    *found = false;
    const size_t length = strlen(name);
    int32_t count = 0;
    HostErr err = menu->CountMenuGroups(&count);
    if (err != kNoErr) return err;
    for (int32_t i = 0; i < count; ++i) {
        MenuGroupHandle group = nullptr;
        const char* groupName = nullptr;
        if ((err = menu->GetNthMenuGroup(i, &group)) != kNoErr) return err;
        if ((err = menu->GetMenuGroupName(group, &groupName)) != kNoErr) return err;
        if (groupName && (prefixOnly ? strncmp(groupName, name, length) : strcmp(groupName, name)) == 0) {
            *found = true;
            return kNoErr;
        }
    }
    return kNoErr;
}

SDKAboutPluginsHelper::SDKAboutPluginsHelper(const BasicSuite* basic) : basic_(basic) {
    const void* suite = nullptr;
    if (basic_ && basic_->AcquireSuite(kMenuSuiteName, kMenuSuiteVersion, &suite) == kNoErr)
        menu_ = static_cast<const MenuSuite*>(suite);
}

SDKAboutPluginsHelper::~SDKAboutPluginsHelper() {
    if (menu_) basic_->ReleaseSuite(kMenuSuiteName, kMenuSuiteVersion);
}

HostErr SDKAboutPluginsHelper::AddAboutPluginsMenuItem(PluginRef plugin, const char* groupName,
                                                        const char* aboutText, const char* itemKey,
                                                        const char* itemText, MenuItemHandle* item) {
    if (!menu_) return kErrSuiteNotFound;
    bool exists = false;
    HostErr err = MenuGroupExists(menu_, groupName, false, &exists);
    if (err != kNoErr) return err;
    if (!exists) {
        MenuItemHandle aboutItem = nullptr;
        err = menu_->AddMenuItem(plugin, groupName, kAboutMenuGroup, aboutText, 0, &aboutItem);
        if (err != kNoErr) return err;
        MenuGroupHandle group = nullptr;
        err = menu_->AddMenuGroupAsSubMenu(groupName, kMenuGroupSubMenu, aboutItem, &group);
        if (err != kNoErr) return err;
    }
    return menu_->AddMenuItem(plugin, itemKey, groupName, itemText, 0, item);
}

}  // namespace qzv
