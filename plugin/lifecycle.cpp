#include "plugin/lifecycle.h"

#include <string.h>

#include "host/suites.h"
#include "plugin/globals.h"
#include "plugin/registration.h"
#include "plugin/suite_table.h"

namespace qzv {

Globals* gGlobals = nullptr;

HostErr PluginStartup(MessageHeader* message) {
    void* block = nullptr;
    HostErr err = sBasic->AllocateBlock(sizeof(Globals), &block);
    if (err != kNoErr) return err;
    // The host does not clear blocks; fields read before they are first set
    // (the palette at shut-down) must start as zero.
    memset(block, 0, sizeof(Globals));
    gGlobals = static_cast<Globals*>(block);
    // The host keeps the pointer in the message's slot from now on, as it
    // does across unload and reload.
    message->globals = gGlobals;

    // Every step runs; start-up reports the last one only, so a tool that
    // failed to register leaves the plug-in started without it.
    err = RegisterMenus(message);
    err = RegisterTools(message);
    err = RegisterNotifiers(message);
    err = RegisterAnnotator(message);
    return err;
}

HostErr PluginShutdown(MessageHeader* message) {
    if (gGlobals) {
        if (gGlobals->palette && sDialog) sDialog->Destroy(gGlobals->palette);
        SnapIndexFree(gGlobals->snapIndex);
        sBasic->FreeBlock(gGlobals);
    }
    gGlobals = nullptr;
    message->globals = nullptr;
    return kNoErr;
}

HostErr PluginUnload(MessageHeader* message) {
    // The host keeps the pointer while the module is out of memory.
    message->globals = gGlobals;
    gGlobals = nullptr;
    return kNoErr;
}

HostErr PluginReload(MessageHeader* message) {
    gGlobals = static_cast<Globals*>(message->globals);
    gSuiteNesting = 0;
    return kNoErr;
}

}  // namespace qzv
