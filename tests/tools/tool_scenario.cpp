#include "tool_scenario.h"

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <sstream>

#include "app/prefs.h"
#include "document/document_invariants.h"

namespace tools_test {

using namespace drawhost;
using drawhost_test::RunLines;

namespace {

std::string Number(float x) {
    std::ostringstream s;
    s.precision(9);
    s << x;
    return s.str();
}

std::string Point(float h, float v) { return Number(h) + " " + Number(v); }

}  // namespace

void ToolScenario::TearDown() {
    std::string why;
    EXPECT_TRUE(DocumentCheckInvariants(&why)) << why;
    HostTest::TearDown();
    if (!prefsPath_.empty()) std::remove(prefsPath_.c_str());
}

void ToolScenario::StartPlugin(const std::string& preferences) {
    prefsPath_ = ::testing::TempDir() + "tools-" + std::to_string(::getpid()) + ".prefs";
    const bool precision = preferences.find("Precision =") != std::string::npos;
    std::ofstream(prefsPath_) << "drawhost-preferences 1\n[QZVARC]\n"
                              << (precision ? "" : "Precision = int:2\n") << preferences << "end\n";
    PrefsSetPath(prefsPath_);
    Start(QZV_PLUGINS_DIR);
    ASSERT_TRUE(Plugin("Orbiquad").started);
}

void ToolScenario::Select(const char* title) { Run(std::string("tool \"") + title + "\""); }

void ToolScenario::Run(const std::string& line) {
    const std::string error = RunLines({line});
    ASSERT_EQ(error, "") << line;
}

HostErr ToolScenario::Result(const std::string& line, const char* message) {
    const size_t before = TheHost().log.size();
    const std::string error = RunLines({line});
    EXPECT_EQ(error, "") << line;
    const std::string prefix = std::string(message) + " -> ";
    for (size_t i = TheHost().log.size(); i > before; --i) {
        const std::string& entry = TheHost().log[i - 1];
        if (entry.rfind(prefix, 0) == 0) return static_cast<HostErr>(std::stol(entry.substr(prefix.size())));
    }
    return -1;
}

HostErr ToolScenario::Hover(float h, float v) { return Result("move " + Point(h, v), "track cursor"); }
HostErr ToolScenario::Down(float h, float v) { return Result("down " + Point(h, v), "mouse down"); }
HostErr ToolScenario::Drag(float h, float v) { return Result("drag " + Point(h, v), "mouse drag"); }
HostErr ToolScenario::Up(float h, float v) { return Result("up " + Point(h, v), "mouse up"); }
HostErr ToolScenario::Click(float h, float v) { return Result("click " + Point(h, v), "mouse up"); }

void ToolScenario::Key(const char* key, bool held) {
    Run(std::string("key ") + key + (held ? " down" : " up"));
}

qzv::Globals& ToolScenario::State() {
    void* slot = Plugin("Orbiquad").globalsSlot;
    if (!slot) throw std::runtime_error("the plug-in holds no state");
    return *static_cast<qzv::Globals*>(slot);
}

int ToolScenario::LastCursor() {
    for (auto it = TheHost().log.rbegin(); it != TheHost().log.rend(); ++it)
        if (it->rfind("cursor ", 0) == 0) return std::stoi(it->substr(7));
    return -1;
}

std::string ToolScenario::LastInfo() {
    for (auto it = TheHost().log.rbegin(); it != TheHost().log.rend(); ++it)
        if (it->rfind("info: ", 0) == 0) return it->substr(6);
    return "";
}

std::vector<std::string> ToolScenario::Alerts() {
    std::vector<std::string> out;
    for (const std::string& line : TheHost().log)
        if (line.rfind("alert", 0) == 0) out.push_back(line);
    return out;
}

std::vector<const Art*> ToolScenario::AllArt() { return drawhost_test::DocumentAllArt(); }

std::vector<const Art*> ToolScenario::ArtNamed(const std::string& name) {
    std::vector<const Art*> out;
    for (const Art* art : AllArt())
        if (art->name == name) out.push_back(art);
    return out;
}

const Layer* ToolScenario::LayerTitled(const std::string& title) {
    for (const auto& layer : TheDocument().layers)
        if (layer->title == title) return layer.get();
    return nullptr;
}

}  // namespace tools_test
