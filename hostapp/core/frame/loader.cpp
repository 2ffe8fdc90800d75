#include "frame/loader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
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

// A folder (through links). False with *why: a link to nothing, a loop of
// links, something else than a folder.
bool BundleFolder(const std::string& path, std::string* why) {
    struct stat st;
    if (::stat(path.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) return true;
        *why = "not a bundle folder (it is " + FileTypeName(st.st_mode) + ")";
        return false;
    }
    int failure = errno;
    struct stat link;
    bool isLink = ::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode);
    if (failure == ELOOP) *why = "a loop of symbolic links";
    else if (isLink && failure == ENOENT) *why = "a symbolic link to nothing";
    else *why = std::strerror(failure);
    return false;
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

// A loaded plug-in whose module is the same file as `p`'s (the same handle
// from dlopen, or one file under two names): starting it twice would hand
// one module "Startup" twice.
const LoadedPlugin* SameModuleAs(const LoadedPlugin& p) {
    FileTarget mine, theirs;
    std::string why;
    bool resolved = ResolveFile(p.modulePath, &mine, &why);
    for (auto& q : TheHost().plugins) {
        if (q->module && q->module == p.module) return q.get();
        if (resolved && ResolveFile(q->modulePath, &theirs, &why) && SameFile(mine, theirs)) return q.get();
    }
    return nullptr;
}

const LoadedPlugin* HostFindPluginNamed(const std::string& name) {
    for (auto& q : TheHost().plugins)
        if (q->name == name) return q.get();
    return nullptr;
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
        HostLog("drawhost: plug-ins folder " + folder + " cannot be read: " + std::strerror(errno));
        return 0;
    }
    // Every entry but the hidden ones: what is not a bundle is said so.
    std::vector<std::string> names;
    while (dirent* e = ::readdir(dir)) {
        std::string n = e->d_name;
        if (!n.empty() && n[0] != '.') names.push_back(n);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());

    int loaded = 0;
    for (const std::string& n : names) {
        auto refuse = [&n](const std::string& why) { HostLog("drawhost: bundle " + n + " refused: " + why); };
        auto p = std::make_unique<LoadedPlugin>();
        p->folder = folder + "/" + n;
        p->modulePath = p->folder + "/module.so";
        std::string why;
        if (!BundleFolder(p->folder, &why)) {
            refuse(why);
            continue;
        }
        std::string content, error;
        if (!ReadWholeFile(p->folder + "/PiPL.rsrc", &content, &error)) {
            refuse("no property list (" + error + ")");
            continue;
        }
        Pipl pipl;
        if (!ParsePipl(std::vector<uint8_t>(content.begin(), content.end()), &pipl, &error)) {
            refuse(error);
            continue;
        }
        p->name = pipl.name;
        p->entryName = pipl.entryPoint;
        if (!OpenModule(*p, &error)) {
            refuse(error);
            continue;
        }
        // One plug-in, one copy: the first bundle (in name order) wins.
        if (const LoadedPlugin* first = SameModuleAs(*p)) {
            CloseModule(*p);
            refuse("its module is " + BundleName(*first) + "'s module (one file); " + BundleName(*first) +
                   " is loaded, this copy is not");
            continue;
        }
        if (const LoadedPlugin* first = HostFindPluginNamed(p->name)) {
            CloseModule(*p);
            refuse("the plug-in '" + p->name + "' is already loaded from bundle " + BundleName(*first));
            continue;
        }
        HostLog("drawhost: loaded " + n + " (" + p->name + ")");
        if (!BundleFolder(p->folder + "/resources", &why))
            HostLog("drawhost: bundle " + n + " has no resources folder (" + why +
                    "): its strings, menus, icons and pictures will be missing");
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
