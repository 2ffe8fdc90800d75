// The dialog manager's state record, its reset, and the guard around calls
// into plug-in procedures.
#include "dialogs/dialog_manager.h"
#include "frame/host.h"
#include "frame/session.h"

namespace drawhost {

namespace {

// A reset drops every record without calling a procedure: the modules
// that installed them may already be gone. Handles keep counting so that one
// kept from before the reset never names a new record.
ResetRegistrar reset([] {
    DlgHandle next = TheDlgState().nextHandle;
    TheDlgState() = DlgState();
    TheDlgState().nextHandle = next;
});

// A script that ends while a modal dialog waits for input is a broken script,
// even though the host cancelled the dialog and carried on.
struct AbandonedModalCheck {
    AbandonedModalCheck() {
        SessionAddFinisher([](std::string* error) {
            const DlgState& s = TheDlgState();
            if (!s.modalAbandoned) return true;
            *error = "the script ended while the modal dialog '" + s.abandonedName + "' was open";
            return false;
        });
    }
} abandonedModalCheck;

}  // namespace

DlgState& TheDlgState() {
    static DlgState state;
    return state;
}

DlgHandle DlgNewHandle() {
    DlgState& s = TheDlgState();
    s.nextHandle += 8;
    return s.nextHandle;
}

bool DlgModalAbandoned() { return TheDlgState().modalAbandoned; }

bool DlgCanCall(PluginRef plugin) {
    if (!plugin) return true;   // the host's own code (tests)
    LoadedPlugin* p = HostPluginOf(plugin);
    return p && p->entry && !p->unloaded;
}

DlgCallScope::DlgCallScope(PluginRef plugin) : outer_(TheHost().current) {
    if (LoadedPlugin* p = HostPluginOf(plugin)) TheHost().current = p;
}

DlgCallScope::~DlgCallScope() { TheHost().current = outer_; }

}  // namespace drawhost
