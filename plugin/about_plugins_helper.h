// Adds an item to the about sub-menu shared by the plug-ins of the family:
// whichever starts first makes the sub-menu, the others add their item to it.
#pragma once
#include "sdk_all.h"

namespace qzv {

// Walks the host's menu groups for one called `name` (or, with `prefixOnly`,
// one whose name begins with `name`). Host errors end the walk and are returned.
HostErr MenuGroupExists(const MenuSuite* menu, const char* name, bool prefixOnly, bool* exists);

class SDKAboutPluginsHelper {
public:
    explicit SDKAboutPluginsHelper(const BasicSuite* basic);
    ~SDKAboutPluginsHelper();
    SDKAboutPluginsHelper(const SDKAboutPluginsHelper&) = delete;
    SDKAboutPluginsHelper& operator=(const SDKAboutPluginsHelper&) = delete;

    // Adds `itemText` (key `itemKey`) to the shared sub-menu `groupName`,
    // creating the sub-menu "aboutText" in the host's about group first when
    // no group of that name exists. Any host error ends the call.
    HostErr AddAboutPluginsMenuItem(PluginRef plugin, const char* groupName, const char* aboutText,
                                    const char* itemKey, const char* itemText, MenuItemHandle* item);

private:
    const BasicSuite* basic_;
    const MenuSuite* menu_ = nullptr;   // acquired for the helper's own use
};

}  // namespace qzv
