#include "frame/host.h"

#include <cstdio>

#include "util/json_writer.h"

namespace drawhost {

namespace {

struct SuiteRecord {
    std::string name;
    int32_t version;
    const void* table;
};

// Registered at static initialisation; function-local so the order of
// initialisation across files does not matter.
std::vector<SuiteRecord>& SuiteTable() {
    static std::vector<SuiteRecord> table;
    return table;
}
std::vector<std::function<void()>>& ResetHooks() {
    static std::vector<std::function<void()>> hooks;
    return hooks;
}
std::vector<std::pair<std::string, std::function<void(JsonWriter&)>>>& DumpSections() {
    static std::vector<std::pair<std::string, std::function<void(JsonWriter&)>>> sections;
    return sections;
}

}  // namespace

Host& TheHost() {
    static Host host;
    return host;
}

void HostAddResetHook(std::function<void()> hook) { ResetHooks().push_back(std::move(hook)); }

void HostReset() {
    Host& h = TheHost();
    h.pluginsDir.clear();
    h.quitting = false;
    h.log.clear();
    h.echoLog = false;
    h.unavailableSuites.clear();
    h.acquireCount.clear();
    h.releaseFailures.clear();
    h.acquireCalls = 0;
    h.failAllocations = 0;
    h.blocksLeftAtShutdown = 0;
    h.current = nullptr;
    h.messageDepth = 0;
    h.modalPump = nullptr;
    h.modalDepth = 0;
    h.frontEnd = HostFrontEnd{};
    for (auto& hook : ResetHooks()) hook();
}

void HostLog(const std::string& line) {
    Host& h = TheHost();
    h.log.push_back(line);
    if (h.echoLog) std::printf("%s\n", line.c_str());
}

void HostAddSuite(const char* name, int32_t version, const void* table) {
    SuiteTable().push_back({name, version, table});
}

const void* HostFindSuite(const char* name, int32_t version) {
    if (!name) return nullptr;
    if (TheHost().unavailableSuites.count({name, version})) return nullptr;
    for (const SuiteRecord& s : SuiteTable())
        if (s.version == version && s.name == name) return s.table;
    return nullptr;
}

void HostSetSuiteAvailable(const char* name, int32_t version, bool available) {
    if (available)
        TheHost().unavailableSuites.erase({name, version});
    else
        TheHost().unavailableSuites.insert({name, version});
}

std::vector<std::pair<std::string, int32_t>> HostSuiteList() {
    std::vector<std::pair<std::string, int32_t>> out;
    for (const SuiteRecord& s : SuiteTable()) out.emplace_back(s.name, s.version);
    return out;
}

LoadedPlugin* HostPluginOf(PluginRef ref) {
    for (auto& p : TheHost().plugins)
        if (RefOf(p.get()) == ref) return p.get();
    return nullptr;
}

HostErr HostSend(LoadedPlugin& plugin, const char* caller, const char* selector, MessageHeader* message) {
    if (!plugin.entry || plugin.unloaded) return kErrCantHappen;
    Host& h = TheHost();
    message->checkWord = 0x51415256;   // any constant; plug-ins do not examine it
    message->plugin = RefOf(&plugin);
    message->globals = plugin.globalsSlot;
    message->basic = HostBasicSuite();
    LoadedPlugin* outer = h.current;
    h.current = &plugin;
    ++h.messageDepth;
    HostErr result = plugin.entry(caller, selector, message);
    --h.messageDepth;
    h.current = outer;
    plugin.globalsSlot = message->globals;
    return result;
}

bool HostRunModal(const std::function<bool()>& done) {
    Host& h = TheHost();
    ++h.modalDepth;
    bool answered = true;
    while (!done()) {
        // A copy: the input being run may install a pump of its own meanwhile.
        std::function<bool()> pump = h.modalPump;
        if (!pump || !pump()) {
            answered = done();
            break;
        }
    }
    --h.modalDepth;
    return answered;
}

void HostAddDumpSection(const char* key, std::function<void(JsonWriter&)> write) {
    DumpSections().emplace_back(key, std::move(write));
}

void HostWriteDump(JsonWriter& json) {
    json.BeginObject();
    for (auto& [key, write] : DumpSections()) {
        json.Key(key);
        write(json);
    }
    json.EndObject();
}

std::string HostErrText(HostErr err) {
    if (err == 0) return "0";
    uint32_t u = static_cast<uint32_t>(err);
    char c[4] = {char(u >> 24), char(u >> 16), char(u >> 8), char(u)};
    bool printable = true;
    for (char ch : c)
        if (ch < 0x20 || ch > 0x7e) printable = false;
    if (!printable) return std::to_string(err);
    return "'" + std::string(c, 4) + "' (" + std::to_string(err) + ")";
}

}  // namespace drawhost
