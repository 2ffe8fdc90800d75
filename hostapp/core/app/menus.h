// The host's menus: its own groups ("About", "Tool Palettes"), the items
// plug-ins add to them, and the groups that items open as sub-menus. Served
// by "AI Menu Suite" 9; `menu TEXT` chooses an item as a user would.
#pragma once
#include <string>

#include "app/app_state.h"

namespace drawhost {

// Puts the host's own groups into a fresh state.
void MenusAddHostGroups(AppState& app);

// The index of the group named `name`, or -1.
int MenusFindGroup(const std::string& name);

// Chooses the first item whose text is `text`: "AI Menu"/"AI Go" to the
// plug-in that added it. Throws ScriptError for an unknown text or an item
// that opens a sub-menu.
void MenusChoose(const std::string& text);

}  // namespace drawhost
