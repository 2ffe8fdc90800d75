// The preference store in a session: --prefs FILE, locking and reading the
// file before the plug-ins start, writing it with the outputs when the
// session ends, and `prefs-fail on|off`.
#include "app/app_state.h"
#include "app/prefs.h"
#include "frame/host.h"
#include "frame/loader.h"
#include "frame/script.h"
#include "frame/session.h"

namespace drawhost {

namespace {

struct Registration {
    Registration() {
        SessionAddOption("--prefs", "FILE", [](const std::string& value, std::string* error) {
            if (value.empty()) {
                *error = "needs a file name";
                return false;
            }
            PrefsSetPath(value);
            return true;
        });
        // The "start" line stops when another session holds the file.
        HostAddBeforeStartHook([] {
            std::string error;
            if (!PrefsLock(&error)) throw ScriptError(error);
            PrefsLoad();
        });
        SessionAddKeptFile(
            [] {
                const AppState& app = TheApp();
                return SessionFile{app.prefsPathIsDefault ? "the preference file" : "--prefs", app.prefsPath};
            },
            PrefsSaveInto);
    }
} registration;

// prefs-fail on|off: every preference write fails from now on, or none does.
CommandRegistrar prefsFail("prefs-fail", "prefs-fail on|off", [](const ScriptArgs& a) {
    a.Expect(1);
    bool on = a.OnOff(0);
    HostLog(std::string("> prefs-fail ") + (on ? "on" : "off"));
    PrefsFailWrites(on);
});

}  // namespace

}  // namespace drawhost
