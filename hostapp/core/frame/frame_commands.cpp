// Session commands of the frame: starting, unloading, reloading and
// stopping plug-ins, and the failures tests and scripts can provoke.
#include "frame/host.h"
#include "frame/loader.h"
#include "frame/script.h"
#include "frame/session.h"

namespace drawhost {

namespace {

// The plug-ins a command names: one by name, or all started ones.
std::vector<LoadedPlugin*> Targets(const ScriptArgs& args) {
    if (!SessionStarted()) throw ScriptError("'" + args.Command() + "' before start");
    std::vector<LoadedPlugin*> out;
    if (args.Count() == 1) {
        LoadedPlugin* p = HostFindPlugin(args.Str(0));
        if (!p) throw ScriptError("no plug-in named '" + args.Str(0) + "'");
        out.push_back(p);
    } else {
        for (auto& p : TheHost().plugins)
            if (p->started) out.push_back(p.get());
    }
    return out;
}

// Lines read while a plug-in is inside a message (its modal dialog is up)
// may not take its code out from under it.
void RefuseInsideAMessage(const ScriptArgs& a) {
    if (TheHost().messageDepth > 0)
        throw ScriptError("'" + a.Command() + "' while a plug-in is busy (a modal dialog is open)");
}

std::string Bundle(const LoadedPlugin& p) {
    size_t slash = p.folder.find_last_of('/');
    return p.folder.substr(slash + 1);
}

CommandRegistrar start("start", "start", [](const ScriptArgs& a) {
    a.Expect(0);
    RefuseInsideAMessage(a);
    HostLog("> start");
    SessionStart();
});

CommandRegistrar quit("quit", "quit", [](const ScriptArgs& a) {
    a.Expect(0);
    RefuseInsideAMessage(a);
    HostLog("> quit");
    SessionQuit();
    TheHost().quitting = true;
});

CommandRegistrar about("about", "about [PLUGIN]", [](const ScriptArgs& a) {
    a.Expect(0, 1);
    HostLog("> about");
    for (LoadedPlugin* p : Targets(a)) HostLog("about " + Bundle(*p) + " -> " + HostErrText(HostSendAbout(*p)));
});

CommandRegistrar unload("unload", "unload [PLUGIN]", [](const ScriptArgs& a) {
    a.Expect(0, 1);
    RefuseInsideAMessage(a);
    HostLog("> unload");
    for (LoadedPlugin* p : Targets(a)) {
        if (p->unloaded) throw ScriptError(Bundle(*p) + " is already unloaded");
        HostLog("unload " + Bundle(*p) + " -> " + HostErrText(HostUnloadPlugin(*p)));
    }
});

CommandRegistrar reload("reload", "reload [PLUGIN]", [](const ScriptArgs& a) {
    a.Expect(0, 1);
    RefuseInsideAMessage(a);
    HostLog("> reload");
    for (LoadedPlugin* p : Targets(a)) {
        if (!p->unloaded) throw ScriptError(Bundle(*p) + " is not unloaded");
        HostLog("reload " + Bundle(*p) + " -> " + HostErrText(HostReloadPlugin(*p)));
    }
});

// suite NAME VERSION on|off: serve a suite or pretend the host lacks it.
CommandRegistrar suite("suite", "suite NAME VERSION on|off", [](const ScriptArgs& a) {
    a.Expect(3);
    HostSetSuiteAvailable(a.Str(0).c_str(), a.Int(1), a.OnOff(2));
});

// alloc-fail N: the next N block allocations fail.
CommandRegistrar allocFail("alloc-fail", "alloc-fail N", [](const ScriptArgs& a) {
    a.Expect(1);
    int n = a.Int(0);
    if (n < 0) throw ScriptError("alloc-fail needs a count of 0 or more");
    TheHost().failAllocations = n;
});

}  // namespace

}  // namespace drawhost
