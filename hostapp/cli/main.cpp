// drawhost: the stand-in host application. `drawhost run SCRIPT` runs a
// session script against the plug-ins of the plug-ins folder.
#include <string>
#include <vector>

#include "frame/session.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return drawhost::SessionRun(args);
}
