// drawhost: the stand-in host application. `drawhost run SCRIPT` runs a
// session script against the plug-ins of the plug-ins folder; `drawhost gui`
// opens the same session in a window.
#include <string>
#include <vector>

#include "frame/session.h"
#include "gui/gui.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && args[0] == "gui") return drawhost::GuiRun(args);
    return drawhost::SessionRun(args);
}
