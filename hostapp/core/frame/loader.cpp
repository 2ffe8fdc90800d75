#include "frame/loader.h"

#include <algorithm>
#include <cstdlib>
#include <dirent.h>
#include <dlfcn.h>
#include <sys/stat.h>

#include "frame/pipl.h"
#include "util/files.h"

namespace drawhost {

namespace {

std::vector<std::function<std::string(const LoadedPlugin&)>>& UnloadGuards() {
    static std::vector<std::function<std::string(const LoadedPlugin&)>> guards;
    return guards;
}

std::vector<std::function<void()>>& AfterStartHooks() {
    static std::vector<std::function<void()>> hooks;
    return hooks;
}
std::vector<std::function<void()>>& BeforeStartHooks() {
    static std::vector<std::function<void()>> hooks;
    return hooks;
}

bool IsDirectory(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Opens the module and resolves the named entry point.
bool OpenModule(LoadedPlugin& p, std::string* error) {
    // RTLD_LOCAL: a plug-in's symbols never satisfy another's.
    void* module = ::dlopen(p.modulePath.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module) {
        const char* why = ::dlerror();
        *error = std::string("module does not load: ") + (why ? why : "unknown reason");
        return false;
    }
    void* sym = ::dlsym(module, p.entryName.c_str());
    if (!sym) {
        ::dlclose(module);
        *error = "module has no entry point '" + p.entryName + "'";
        return false;
    }
    p.module = module;
    p.entry = reinterpret_cast<PluginMainProc>(sym);
    return true;
}

void CloseModule(LoadedPlugin& p) {
    if (p.module) ::dlclose(p.module);
    p.module = nullptr;
    p.entry = nullptr;
}

std::string BundleName(const LoadedPlugin& p) {
    size_t slash = p.folder.find_last_of('/');
    return slash == std::string::npos ? p.folder : p.folder.substr(slash + 1);
}

}  // namespace

void HostAddAfterStartHook(std::function<void()> hook) { AfterStartHooks().push_back(std::move(hook)); }

void HostAddUnloadGuard(std::function<std::string(const LoadedPlugin&)> guard) {
    UnloadGuards().push_back(std::move(guard));
}
void HostAddBeforeStartHook(std::function<void()> hook) { BeforeStartHooks().push_back(std::move(hook)); }

int HostLoadPlugins(const std::string& folder) {
    Host& h = TheHost();
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) {
        HostLog("drawhost: plug-ins folder " + folder + " cannot be read");
        return 0;
    }
    std::vector<std::string> names;
    while (dirent* e = ::readdir(dir)) {
        std::string n = e->d_name;
        if (n != "." && n != ".." && IsDirectory(folder + "/" + n)) names.push_back(n);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());

    int loaded = 0;
    for (const std::string& n : names) {
        auto p = std::make_unique<LoadedPlugin>();
        p->folder = folder + "/" + n;
        p->modulePath = p->folder + "/module.so";
        std::string content, error;
        if (!ReadWholeFile(p->folder + "/PiPL.rsrc", &content, &error)) {
            HostLog("drawhost: bundle " + n + " refused: no property list (PiPL.rsrc)");
            continue;
        }
        Pipl pipl;
        if (!ParsePipl(std::vector<uint8_t>(content.begin(), content.end()), &pipl, &error)) {
            HostLog("drawhost: bundle " + n + " refused: " + error);
            continue;
        }
        p->name = pipl.name;
        p->entryName = pipl.entryPoint;
        if (!OpenModule(*p, &error)) {
            HostLog("drawhost: bundle " + n + " refused: " + error);
            continue;
        }
        HostLog("drawhost: loaded " + n + " (" + p->name + ")");
        h.plugins.push_back(std::move(p));
        ++loaded;
    }
    return loaded;
}

void HostStartPlugins() {
    for (auto& hook : BeforeStartHooks()) hook();
    for (auto& p : TheHost().plugins) {
        if (p->started || !p->entry) continue;
        MessageHeader msg{};
        HostErr err = HostSend(*p, kCallerInterface, kSelStartup, &msg);
        p->startupResult = err;
        p->started = err == kNoErr;
        HostLog("startup " + BundleName(*p) + " -> " + HostErrText(err));
        if (err != kNoErr) {
            HostLog("drawhost: " + BundleName(*p) + " failed to start and is not used");
            CloseModule(*p);
        }
    }
    for (auto& hook : AfterStartHooks()) hook();
}

HostErr HostUnloadPlugin(LoadedPlugin& p) {
    if (!p.entry || p.unloaded) return kErrCantHappen;
    for (auto& guard : UnloadGuards()) {
        std::string why = guard(p);
        if (!why.empty()) {
            HostLog("drawhost: " + BundleName(p) + " stays loaded: " + why);
            return kErrCantHappen;
        }
    }
    MessageHeader msg{};
    HostErr err = HostSend(p, kCallerAccess, kSelUnload, &msg);
    CloseModule(p);
    p.unloaded = true;
    return err;
}

HostErr HostReloadPlugin(LoadedPlugin& p) {
    if (!p.unloaded) return kErrCantHappen;
    std::string error;
    if (!OpenModule(p, &error)) {
        HostLog("drawhost: " + BundleName(p) + " cannot be reloaded: " + error);
        return kErrCantHappen;
    }
    p.unloaded = false;
    MessageHeader msg{};
    return HostSend(p, kCallerAccess, kSelReload, &msg);
}

HostErr HostSendAbout(LoadedPlugin& p) {
    MessageHeader msg{};
    return HostSend(p, kCallerInterface, kSelAbout, &msg);
}

void HostShutdownPlugins() {
    Host& h = TheHost();
    for (auto& p : h.plugins) {
        // An unloaded plug-in is brought back to be told: its state, parked
        // in the host, is freed by its own shut-down.
        if (p->started && p->unloaded) HostReloadPlugin(*p);
        if (p->started && p->entry) {
            MessageHeader msg{};
            HostErr err = HostSend(*p, kCallerInterface, kSelShutdown, &msg);
            HostLog("shutdown " + BundleName(*p) + " -> " + HostErrText(err));
        }
        p->started = false;
        CloseModule(*p);
    }
    h.blocksLeftAtShutdown = h.liveBlocks.size();
    if (!h.liveBlocks.empty()) {
        HostLog("drawhost: leak: " + std::to_string(h.liveBlocks.size()) + " block(s) still allocated at shut-down");
        // Reported; now the host takes its memory back, as it would on quitting.
        for (void* block : h.liveBlocks) std::free(block);
        h.liveBlocks.clear();
    }
}

LoadedPlugin* HostFindPlugin(const std::string& name) {
    for (auto& p : TheHost().plugins)
        if (p->name == name || BundleName(*p) == name) return p.get();
    return nullptr;
}

}  // namespace drawhost
