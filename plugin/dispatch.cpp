#include "plugin/dispatch.h"

#include "host/suites.h"
#include "plugin/about_box.h"
#include "plugin/globals.h"
#include "plugin/handlers.h"
#include "plugin/lifecycle.h"
#include "plugin/registration.h"
#include "plugin/suite_table.h"

namespace qzv {

namespace {

// Strings are compared only through the host's equality service.
bool Is(const char* a, const char* b) { return sBasic->IsEqual(a, b) != 0; }

HostErr Route(const char* caller, const char* selector, MessageHeader* message) {
    if (Is(caller, kCallerInterface)) {
        if (Is(selector, kSelStartup)) return PluginStartup(message);
        if (Is(selector, kSelAbout)) return OpenAboutBox(message->plugin);
        if (Is(selector, kSelShutdown)) return PluginShutdown(message);
        return kNoErr;
    }
    // Everything below needs the state made at start-up.
    if (!gGlobals) return kNoErr;
    if (Is(caller, kCallerMenu)) {
        if (Is(selector, kSelGo)) return MenuCommand(reinterpret_cast<MenuMessage*>(message));
        return kNoErr;   // "AI Update" and others: the items stay as they are
    }
    if (Is(caller, kCallerTool)) {
        ToolMessage* tool = reinterpret_cast<ToolMessage*>(message);
        if (Is(selector, kSelEditOptions)) {
            ToolEditOptions(tool);
            return kNoErr;
        }
        if (Is(selector, kSelTrackCursor)) return ToolTrackCursor(tool);
        if (Is(selector, kSelMouseDown)) return ToolMouseDown(tool);
        if (Is(selector, kSelMouseDrag)) return ToolMouseDrag(tool);
        if (Is(selector, kSelMouseUp)) return ToolMouseUp(tool);
        if (Is(selector, kSelSelect)) return ToolSelect(tool);
        if (Is(selector, kSelDeselect)) return ToolDeselect(tool);
        return kNoErr;
    }
    if (Is(caller, kCallerNotifier)) {
        if (Is(selector, kSelNotify)) {
            NotifierMessage* notify = reinterpret_cast<NotifierMessage*>(message);
            if (notify->notifier == gGlobals->appStartedNotifier) NotifierNotify(notify);
        }
        return kNoErr;
    }
    if (Is(caller, kCallerAnnotation)) {
        if (Is(selector, kSelDraw)) return AnnotationDraw(reinterpret_cast<AnnotatorMessage*>(message));
        return kNoErr;
    }
    return kNoErr;
}

}  // namespace

HostErr DispatchMessage(const char* caller, const char* selector, MessageHeader* message) {
    if (!message || !message->basic) return kErrBadParameter;
    sBasic = message->basic;

    if (Is(caller, kCallerAccess)) {
        if (Is(selector, kSelUnload)) return PluginUnload(message);
        if (Is(selector, kSelReload)) return PluginReload(message);
        return kNoErr;
    }

    HostErr result = SuitesAcquire();
    if (result == kNoErr) {
        result = Route(caller, selector, message);
    } else if (Is(caller, kCallerInterface) && Is(selector, kSelShutdown)) {
        // Freeing the state needs only the basic suite: a suite the host
        // withdrew must not keep it allocated for ever.
        PluginShutdown(message);
    }
    SuitesRelease();
    return result;
}

}  // namespace qzv
