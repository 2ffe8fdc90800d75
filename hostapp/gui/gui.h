// `drawhost gui [--replay SCRIPT] [options]`: the interactive window. Kept
// apart from the session runner: `drawhost run` never opens a display.
#pragma once
#include <string>
#include <vector>

namespace drawhost {

// Opens the window on the session's core and runs until it closes (or the
// replayed script ends); returns the process exit code: 2 without a
// display, else as `drawhost run` would.
int GuiRun(const std::vector<std::string>& args);

}  // namespace drawhost
