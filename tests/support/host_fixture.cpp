#include "host_fixture.h"

#include "app/prefs.h"
#include "standin_control.h"

namespace drawhost_test {

using namespace drawhost;

std::string RunLines(const std::vector<std::string>& lines) {
    ScriptRunner runner("test", lines);
    auto outer = TheHost().modalPump;
    TheHost().modalPump = [&runner] { return runner.RunNextLine(); };
    runner.RunAll();
    TheHost().modalPump = outer;
    return runner.Failed() ? runner.Error() : std::string();
}

std::vector<std::string> LogLinesWith(const std::string& needle) {
    std::vector<std::string> out;
    for (const std::string& line : TheHost().log)
        if (line.find(needle) != std::string::npos) out.push_back(line);
    return out;
}

void HostTest::SetUp() {
    HostReset();
    // Preferences stay in memory: a test never reads or rewrites the user's file.
    PrefsSetPath("");
    StandInReleaseAllKeys();
    StandInBeep sink[64];
    while (StandInTakeBeeps(sink, 64) == 64) {
    }
}

void HostTest::TearDown() {
    SessionQuit();
    TheHost().plugins.clear();
    HostReset();
}

void HostTest::Start(const std::string& folder) {
    TheHost().pluginsDir = folder;
    SessionStart();
}

LoadedPlugin& HostTest::Plugin(const std::string& name) {
    LoadedPlugin* p = HostFindPlugin(name);
    if (!p) throw std::runtime_error("no plug-in " + name);
    return *p;
}

}  // namespace drawhost_test
