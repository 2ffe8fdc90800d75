#include "app/notifiers.h"

#include "app/app_state.h"
#include "app/prefs_store.h"
#include "app/tool_events.h"
#include "frame/host.h"
#include "frame/loader.h"
#include "frame/script.h"
#include "util/json_writer.h"

namespace drawhost {

namespace {

HostErr AddNotifier(PluginRef plugin, const char* name, const char* type, NotifierHandle* notifier) {
    if (!notifier || !name || !PrefsValidUtf8(name) || !type || !type[0] || !PrefsValidUtf8(type))
        return kErrBadParameter;
    if (!HostPluginOf(plugin)) return kErrBadHandle;
    AppState& app = TheApp();
    app.notifiers.push_back({name, type, plugin});
    *notifier = AppMakeHandle<NotifierHandle>(AppHandleKind::Notifier, app.notifiers.size() - 1);
    return kNoErr;
}

const NotifierSuite kSuite = {AddNotifier};
SuiteRegistrar registrar(kNotifierSuiteName, kNotifierSuiteVersion, &kSuite);

void WriteNotifiers(JsonWriter& json) {
    json.BeginArray();
    for (const AppNotifier& n : TheApp().notifiers) {
        json.BeginObject();
        json.Field("name", n.name);
        json.Field("type", n.type);
        json.Field("owner", AppOwnerName(n.owner));
        json.EndObject();
    }
    json.EndArray();
}

struct Registration {
    Registration() {
        HostAddDumpSection("notifiers", WriteNotifiers);
        // Once per session, however often plug-ins are started.
        HostAddAfterStartHook([] {
            AppState& app = TheApp();
            if (app.applicationStartedSent) return;
            app.applicationStartedSent = true;
            NotifiersSend(kNotifyApplicationStarted);
        });
    }
} registration;

CommandRegistrar selectionChanged("selection-changed", "selection-changed", [](const ScriptArgs& a) {
    a.Expect(0);
    HostLog("> selection-changed");
    NotifiersSelectionChanged();
});

}  // namespace

void NotifiersSend(const std::string& type) {
    // By index: a plug-in may add notifiers while it is notified.
    size_t count = TheApp().notifiers.size();
    bool sent = false;
    for (size_t i = 0; i < count; ++i) {
        AppNotifier n = TheApp().notifiers[i];
        if (n.type != type) continue;
        LoadedPlugin* owner = HostPluginOf(n.owner);
        if (!owner || !owner->started) continue;
        NotifierMessage msg{};
        msg.notifier = AppMakeHandle<NotifierHandle>(AppHandleKind::Notifier, i);
        msg.type = type.c_str();
        HostErr err = HostSend(*owner, kCallerNotifier, kSelNotify, &msg.d);
        HostLog("notify " + AppOwnerName(n.owner) + " " + type + " -> " + HostErrText(err));
        sent = true;
    }
    if (sent) EventsAfterMessage();
}

void NotifiersSelectionChanged() { NotifiersSend(kNotifyArtSelectionChanged); }

}  // namespace drawhost
