#include "host_fixture.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <system_error>

#include "app/prefs.h"
#include "standin_control.h"

namespace drawhost_test {

using namespace drawhost;

namespace {

// A host reset to its defaults takes the user's preference file again. Each
// test program keeps that default in a folder of its own, removed at its
// end: no test reads, locks or rewrites the user's file, and programs run
// side by side never wait on each other's lock.
struct ScratchConfiguration {
    std::filesystem::path folder;
    ScratchConfiguration() {
        folder = std::filesystem::temp_directory_path() / ("drawhost-tests-" + std::to_string(::getpid()));
        ::setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    }
    ~ScratchConfiguration() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
} scratchConfiguration;

}  // namespace

std::string RunLines(const std::vector<std::string>& lines) {
    ScriptRunner runner("test", lines);
    auto outer = TheHost().modalPump;
    TheHost().modalPump = [&runner] { return runner.RunNextLine(); };
    runner.RunAll();
    TheHost().modalPump = outer;
    return runner.Failed() ? runner.Error() : std::string();
}

std::vector<const Art*> DocumentAllArt() {
    std::vector<const Art*> out;
    std::function<void(const Art&)> walk = [&](const Art& art) {
        for (DocId id : art.children)
            if (const Art* child = DocumentArtById(id)) {
                out.push_back(child);
                walk(*child);
            }
    };
    for (const auto& layer : TheDocument().layers)
        if (const Art* group = DocumentArtById(layer->group)) walk(*group);
    return out;
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
