// Loads the Windows DLL as the host does, through the system's loader
// (Wine's, in the build): finds PluginMain by name, reads resources with
// FindResource, and calls the entry point with a host whose basic table
// has no suites, so the call must come back with that table's error.
//   load_module MODULE.dll BUNDLE
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "host_errors.h"
#include "plugin_messages.h"

namespace {

int gFailures = 0;

void Check(bool ok, const std::string& what) {
    std::printf("%s: %s\n", ok ? "ok" : "FAILED", what.c_str());
    if (!ok) ++gFailures;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string Resource(HMODULE module, const char* type, WORD id) {
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), type);
    if (!found) return {};
    HGLOBAL loaded = LoadResource(module, found);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    return data ? std::string(static_cast<const char*>(data), SizeofResource(module, found)) : std::string();
}

// The host without suites: every acquisition fails; what was asked is kept.
std::vector<std::string> gAcquired;
int gReleased = 0;

HostBool IsEqual(const char* a, const char* b) { return std::strcmp(a, b) == 0; }
HostErr Acquire(const char* name, int32_t version, const void** suite) {
    gAcquired.push_back(std::string(name) + " " + std::to_string(version));
    *suite = nullptr;
    return kErrSuiteNotFound;
}
HostErr Release(const char*, int32_t) {
    ++gReleased;
    return 0;
}
HostErr Allocate(size_t, void** block) {
    *block = nullptr;
    return kErrOutOfMemory;
}
HostErr Free(void*) { return 0; }

const BasicSuite kBasic = {IsEqual, Acquire, Release, Allocate, Free};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: load_module MODULE.dll BUNDLE\n");
        return 2;
    }
    HMODULE module = LoadLibraryA(argv[1]);
    Check(module != nullptr, "the system loads the module");
    if (!module) return 1;
    auto entry = reinterpret_cast<PluginMainProc>(reinterpret_cast<void*>(GetProcAddress(module, "PluginMain")));
    Check(entry != nullptr, "PluginMain is found by its plain name");

    std::string bundle = argv[2];
    std::string pipl = ReadFile(bundle + "/PiPL.rsrc");
    Check(!pipl.empty() && Resource(module, "PIPL", 16000) == pipl, "\"PIPL\" 16000 holds the bundle's property list");
    Check(Resource(module, "STRINGS", 16100) == ReadFile(bundle + "/resources/strings/16100.txt"),
          "STRINGS 16100 holds the tools' titles");
    Check(Resource(module, "MENUS", 128) == ReadFile(bundle + "/resources/menus/128.txt"),
          "MENUS 128 holds the palette's flyout menu");
    Check(FindResourceA(module, MAKEINTRESOURCEA(16400), MAKEINTRESOURCEA(5)) != nullptr,
          "the palette's dialog resource 16400 is there");

    if (entry) {
        MessageHeader message = {};
        message.basic = &kBasic;
        HostErr result = entry(kCallerInterface, kSelStartup, &message);
        Check(result == kErrSuiteNotFound, "Startup without suites returns the host's error");
        Check(gAcquired.size() == 1 && gAcquired[0] == "SP Blocks Suite 2",
              "acquisition stops at the first suite, \"SP Blocks Suite\" 2");
        Check(gReleased > 0, "the suites are released after the failed acquisition");
        message.globals = &message;   // whatever was there: Unload writes the plug-in's own pointer
        Check(entry(kCallerAccess, kSelUnload, &message) == 0 && message.globals == nullptr,
              "Unload before Startup parks no state");
    }
    Check(FreeLibrary(module) != 0, "the module unloads");
    return gFailures == 0 ? 0 : 1;
}
