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

bool Exists(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}

// Creates every missing folder above `path` (for the configuration folder).
bool MakeParents(const std::string& path, std::string* error) {
    for (size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1)) {
        std::string dir = path.substr(0, slash);
        if (::mkdir(dir.c_str(), 0755) != 0 && errno != EEXIST) {
            *error = "cannot create " + dir + ": " + std::strerror(errno);
            return false;
        }
    }
    return true;
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
    app.prefsPath = path;
    app.prefsPathIsDefault = false;
}

void PrefsLoad() {
    AppState& app = TheApp();
    if (app.prefsLoaded) return;
    app.prefsLoaded = true;
    app.prefs.clear();
    const std::string& path = app.prefsPath;
    if (path.empty() || !Exists(path)) return;   // a first run: nothing to read yet

    std::string text, error;
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
    std::string backup = SetAside(path);
    if (backup.empty()) {
        HostLog("preferences: " + path + " is unreadable (" + error +
                ") and cannot be set aside; starting with empty preferences, which will not be saved");
        RefuseSaving(app, "the unreadable preference file " + path + " was kept as it was");
        return;
    }
    HostLog("preferences: " + path + " is unreadable (" + error + "); kept as " + backup +
            ", starting with empty preferences");
}

bool PrefsSave(std::string* error) {
    AppState& app = TheApp();
    if (!app.prefsLoaded || app.prefsPath.empty()) return true;
    if (app.prefsSaveRefused) {
        *error = "preferences not saved: " + app.prefsSaveRefusedWhy;
        return false;
    }
    std::string why;
    if (app.prefsPathIsDefault && !MakeParents(app.prefsPath, &why)) {
        *error = "preferences not saved: " + why;
        HostLog(*error);
        return false;
    }
    if (!WriteFileAtomically(app.prefsPath, PrefsFormat(app.prefs), &why)) {
        *error = "preferences not saved: " + why;
        HostLog(*error);
        return false;
    }
    return true;
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
