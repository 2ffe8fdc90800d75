#include "app/prefs.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>

#include "app/app_state.h"
#include "frame/host.h"
#include "util/files.h"

namespace drawhost {

namespace {

// The host's own keys (null prefix) and what they answer until stored:
// no angle constraint, and a magenta for the snapping feedback that stands
// out on most artwork.
const std::map<std::string, PrefValue>& HostDefaults() {
    static const std::map<std::string, PrefValue> defaults = {
        {"constrain/angle", 0.0},
        {"snapomatic/Color/red", 1.0},
        {"snapomatic/Color/green", 0.0},
        {"snapomatic/Color/blue", 1.0},
    };
    return defaults;
}

std::string PrefixOf(const char* prefix) { return prefix ? prefix : ""; }

// Anything under that name, a dangling link too.
bool Exists(const std::string& path) {
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0;
}

// Moves an unusable file out of the way as FILE.corrupt-N, N the first free
// number. Empty when it could not be moved.
std::string SetAside(const std::string& path) {
    for (int n = 1; n < 1000; ++n) {
        std::string backup = path + ".corrupt-" + std::to_string(n);
        if (Exists(backup)) continue;
        return std::rename(path.c_str(), backup.c_str()) == 0 ? backup : std::string();
    }
    return std::string();
}

void RefuseSaving(AppState& app, const std::string& why) {
    app.prefsSaveRefused = true;
    app.prefsSaveRefusedWhy = why;
}

}  // namespace

std::string PrefsDefaultPath() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && xdg[0] == '/') return std::string(xdg) + "/drawhost/preferences.txt";
    const char* home = std::getenv("HOME");
    if (home && home[0]) return std::string(home) + "/.config/drawhost/preferences.txt";
    return "";   // nowhere to keep it: memory only
}

void PrefsSetPath(const std::string& path) {
    AppState& app = TheApp();
    if (path != app.prefsPath) PrefsUnlock();
    app.prefsPath = path;
    app.prefsPathIsDefault = false;
}

void PrefsLoad() {
    AppState& app = TheApp();
    if (app.prefsLoaded) return;
    app.prefsLoaded = true;
    app.prefs.clear();
    const std::string& path = app.prefsPath;
    FileTarget target;
    std::string error;
    // No name, or no folder yet: a first run with nothing to read.
    if (path.empty() || !ResolveFile(path, &target, &error)) return;
    app.prefsTarget = target.path;
    if (!target.exists) return;

    std::string text;
    if (!ReadWholeFile(path, &text, &error)) {
        HostLog("preferences: " + error + "; starting with empty preferences, which will not be saved");
        RefuseSaving(app, "the preference file " + path + " could not be read");
        return;
    }
    if (text.find_first_not_of(" \t\r\n") == std::string::npos) return;   // empty: nothing lost
    PrefStore store;
    if (PrefsParse(text, &store, &error)) {
        app.prefs = std::move(store);
        return;
    }
    // The target is moved, never a link to it: the link then leads to the
    // file written at the end.
    std::string backup = SetAside(app.prefsTarget);
    if (backup.empty()) {
        HostLog("preferences: " + path + " is unreadable (" + error +
                ") and cannot be set aside; starting with empty preferences, which will not be saved");
        RefuseSaving(app, "the unreadable preference file " + path + " was kept as it was");
        return;
    }
    HostLog("preferences: " + path + " is unreadable (" + error + "); kept as " + backup +
            ", starting with empty preferences");
}

bool PrefsSaveInto(FileBatch& batch, std::string* error) {
    AppState& app = TheApp();
    if (!app.prefsLoaded || app.prefsPath.empty()) return true;
    if (app.prefsSaveRefused) {
        *error = "preferences not saved: " + app.prefsSaveRefusedWhy;
        return false;
    }
    std::string why;
    if (app.prefsPathIsDefault && !MakeFolders(app.prefsPath, &why)) {
        *error = "preferences not saved: " + why;
        HostLog(*error);
        return false;
    }
    // The lock keeps other sessions out; a file that is no longer the one
    // locked was put there by a program that ignores the lock (an editor
    // saving by renaming): it is the newer one and stays.
    if (app.prefsLockFd >= 0) {
        struct stat now;
        if (::stat(app.prefsLockPath.c_str(), &now) == 0 &&
            (now.st_dev != app.prefsLockDevice || now.st_ino != app.prefsLockInode)) {
            *error = "preferences not saved: " + app.prefsPath +
                     " was replaced by another program during the session; its version is kept";
            HostLog(*error);
            return false;
        }
    }
    batch.Add(app.prefsPath, PrefsFormat(app.prefs));
    return true;
}

bool PrefsSave(std::string* error) {
    FileBatch batch;
    if (!PrefsSaveInto(batch, error)) return false;
    std::string why;
    if (!batch.Empty() && !batch.Commit(&why)) {
        *error = "preferences not saved: " + why;
        HostLog(*error);
        return false;
    }
    return true;
}

void PrefsNoteWrongType(const char* prefix, const char* key, const char* wanted) {
    const PrefValue* stored = PrefsFind(prefix, key);
    if (!stored) return;
    std::string p = PrefixOf(prefix);
    std::string name = p.empty() ? std::string(key) : "[" + p + "] " + key;
    if (!TheApp().prefsWrongTypeNoted.insert(name).second) return;
    HostLog("preferences: " + name + " is stored as " + PrefsFormatValue(*stored) + " but read as " + wanted +
            "; the plug-in uses its own value, and the stored one stays until the key is written again");
}

void PrefsFailWrites(bool on) { TheApp().prefsWritesBeforeFailure = on ? 0 : -1; }

void PrefsFailWritesAfter(int n) { TheApp().prefsWritesBeforeFailure = n < 0 ? 0 : n; }

const PrefValue* PrefsFind(const char* prefix, const char* key) {
    if (!key) return nullptr;
    const AppState& app = TheApp();
    std::string p = PrefixOf(prefix);
    if (auto section = app.prefs.find(p); section != app.prefs.end()) {
        if (auto it = section->second.find(key); it != section->second.end()) return &it->second;
    }
    if (p.empty()) {
        auto it = HostDefaults().find(key);
        if (it != HostDefaults().end()) return &it->second;
    }
    return nullptr;
}

HostErr PrefsPut(const char* prefix, const char* key, PrefValue value) {
    if (!key || !key[0]) return kErrBadParameter;
    if (!PrefsValidUtf8(PrefixOf(prefix)) || !PrefsValidUtf8(key)) return kErrBadParameter;
    AppState& app = TheApp();
    if (app.prefsWritesBeforeFailure == 0) return kErrWriteFailed;
    if (app.prefsWritesBeforeFailure > 0) --app.prefsWritesBeforeFailure;
    app.prefs[PrefixOf(prefix)][key] = std::move(value);
    return kNoErr;
}

}  // namespace drawhost
