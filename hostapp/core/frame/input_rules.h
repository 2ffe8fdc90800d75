// What input a session line may carry, given the state of the host: a
// modal dialog holds back every event but those to itself, and events to
// tools and menus need the plug-ins started.
#pragma once
#include <string>

namespace drawhost {

// Throws ScriptError with the reason when `command` cannot be carried out now.
void HostCheckInputAllowed(const std::string& command);

}  // namespace drawhost
