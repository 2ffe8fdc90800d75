// The preference store in a session: --prefs FILE, reading before the
// plug-ins start, writing when the session ends, and `prefs-fail on|off`.
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
        HostAddBeforeStartHook(PrefsLoad);
        SessionAddFinisher(PrefsSave);
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
