// drawhost's frame: the one state record of the host application and the
// services every subsystem uses (log, suites, blocks, plug-ins, messages).
// Subsystems (document, preferences, menus and tools, dialogs) keep their own
// records in their folders and register suites, reset hooks and outputs here.
#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "sdk_all.h"

namespace drawhost {

class JsonWriter;

// One loaded plug-in bundle. A PluginRef handed to the plug-in is the address
// of its LoadedPlugin.
struct LoadedPlugin {
    std::string folder;          // the bundle folder
    std::string modulePath;      // the shared library inside it
    std::string name;            // from the property list
    std::string entryName;       // the entry point the property list names
    void* module = nullptr;      // dlopen handle while loaded
    PluginMainProc entry = nullptr;
    void* globalsSlot = nullptr; // the message's globals slot, kept across calls
    bool started = false;        // "Startup" succeeded and "Shutdown" not yet sent
    bool unloaded = false;       // between "Unload" and "Reload"
    HostErr startupResult = 0;
};

inline PluginRef RefOf(LoadedPlugin* p) { return reinterpret_cast<PluginRef>(p); }

// What a window shows or plays as it happens; under scripts nothing is set
// and the log alone records these. Each may be empty.
struct HostFrontEnd {
    std::function<void(bool error, const std::string& text)> alert;   // an alert the plug-in raised
    std::function<void(int frequency, int duration)> beep;             // a beep the plug-in played
    std::function<void(PluginRef plugin, int32_t cursorId)> cursor;   // the plug-in set its cursor
    std::function<void(const std::string& text)> info;                // the info line's text changed
};

struct Host {
    // --- session (written by the runner's command line) ---
    std::string pluginsDir;               // where bundles are looked for
    bool quitting = false;                // "quit" ran; later lines are refused

    // --- log (written by every subsystem through HostLog) ---
    std::vector<std::string> log;         // one line per event a user would see or hear
    bool echoLog = false;                 // also print each line to stdout as it comes

    // --- suites (HostSuite* below) ---
    std::set<std::pair<std::string, int32_t>> unavailableSuites;   // made unavailable by tests
    std::map<std::pair<std::string, int32_t>, int> acquireCount;   // live acquisitions per suite
    std::map<std::pair<std::string, int32_t>, int> releaseFailures; // next N releases of a suite fail
    long acquireCalls = 0;                // every AcquireSuite call, successful or not

    // --- blocks (the basic suite's allocator) ---
    std::set<void*> liveBlocks;           // blocks allocated and not yet freed
    size_t blocksLeftAtShutdown = 0;      // blocks still allocated when the plug-ins were shut down (then freed)
    int failAllocations = 0;              // the next N allocations fail

    // --- plug-ins (loader) ---
    std::vector<std::unique_ptr<LoadedPlugin>> plugins;   // in load order
    LoadedPlugin* current = nullptr;      // the plug-in whose message is being handled
    int messageDepth = 0;                 // nesting of messages in progress

    // --- modal dialogs ---
    // Runs the next piece of user input while a modal dialog is up (the
    // runner: one script line; a test: its own steps). False when there is
    // no more input: the modal loop then gives up.
    std::function<bool()> modalPump;
    int modalDepth = 0;                   // modal loops running (HostRunModal): input outside them is held back

    // --- front end (set by the window while it runs) ---
    HostFrontEnd frontEnd;
};

Host& TheHost();

// Clears the frame and calls every subsystem's reset hook: a fresh host.
void HostReset();
void HostAddResetHook(std::function<void()> hook);

// --- log ---
void HostLog(const std::string& line);

// --- suites ---
// Suites are registered once per process by the subsystem that serves them.
void HostAddSuite(const char* name, int32_t version, const void* table);
const void* HostFindSuite(const char* name, int32_t version);   // null when unknown or unavailable
void HostSetSuiteAvailable(const char* name, int32_t version, bool available);
std::vector<std::pair<std::string, int32_t>> HostSuiteList();

struct SuiteRegistrar {
    SuiteRegistrar(const char* name, int32_t version, const void* table) { HostAddSuite(name, version, table); }
};
struct ResetRegistrar {
    explicit ResetRegistrar(std::function<void()> hook) { HostAddResetHook(std::move(hook)); }
};

// The basic table every message carries.
const BasicSuite* HostBasicSuite();

// --- plug-ins and messages ---
// Sends a message to a plug-in: fills the header, makes the plug-in current
// for the call, keeps the globals slot. A plug-in that is not loaded answers
// kErrCantHappen without being called.
HostErr HostSend(LoadedPlugin& plugin, const char* caller, const char* selector, MessageHeader* message);
LoadedPlugin* HostPluginOf(PluginRef ref);   // null when the reference is not a loaded plug-in

// Runs the modal loop until `done()` answers true. False when the input ran
// out first.
bool HostRunModal(const std::function<bool()>& done);

// --- outputs ---
// A section of the JSON dump, written under its key in registration order.
void HostAddDumpSection(const char* key, std::function<void(JsonWriter&)> write);
void HostWriteDump(JsonWriter& json);

std::string HostErrText(HostErr err);   // "0", or "'ABCD' (n)"

}  // namespace drawhost
