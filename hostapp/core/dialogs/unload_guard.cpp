// A plug-in with open dialogs stays loaded: their procedures live in its
// code, and a reloaded module may sit at other addresses.
#include "dialogs/dialog_manager.h"
#include "frame/loader.h"

namespace drawhost {

namespace {

struct Guard {
    Guard() {
        HostAddUnloadGuard([](const LoadedPlugin& p) -> std::string {
            int open = 0;
            for (const DlgDialog* d : DlgDialogsInOrder())
                if (d->plugin == RefOf(const_cast<LoadedPlugin*>(&p))) ++open;
            return open ? std::to_string(open) + " of its dialogs are open" : std::string();
        });
    }
} guard;

}  // namespace

}  // namespace drawhost
