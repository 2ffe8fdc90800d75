// Entry point of the dialog probe: it acquires the dialog-manager suites at
// start-up (their tables stay valid while the host runs) and keeps them.
#include <cstdarg>
#include <cstdio>

#include "probe.h"

namespace probe {

PluginRef gPlugin = nullptr;
const DlgBasicSuite* sBasic = nullptr;
const DlgDialogSuite* sDialog = nullptr;
const DlgItemSuite* sItem = nullptr;
const DlgListSuite* sList = nullptr;
const DlgEntrySuite* sEntry = nullptr;
const DlgNotifierSuite* sNotifier = nullptr;
const DlgDrawerSuite* sDrawer = nullptr;
const DlgTrackerSuite* sTracker = nullptr;
const DlgIconSuite* sIcon = nullptr;
const DlgIconSuite2* sIcon2 = nullptr;
const DlgGroupSuite* sGroup = nullptr;

void Say(const char* format, ...) {
    char text[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    sBasic->MessageAlert(text);
}

void ReportChange(ItemRef item, DlgNotifierRef notifier) {
    sItem->DefaultNotify(item, notifier);
    if (!sNotifier->IsNotifierType(notifier, kNotifyUserChanged)) return;
    char text[128];
    sItem->GetText(item, text, sizeof text);
    Say("changed %d: value %.4f text '%s'", sItem->GetID(item), double(sItem->GetFloatValue(item)), text);
}

namespace {

template <class T>
HostErr Acquire(const BasicSuite* basic, const char* name, int32_t version, const T** suite) {
    return basic->AcquireSuite(name, version, reinterpret_cast<const void**>(suite));
}

HostErr AcquireAll(const BasicSuite* b) {
    HostErr err = 0;
    err = err ? err : Acquire(b, kDlgBasicSuiteName, kDlgBasicSuiteVersion, &sBasic);
    err = err ? err : Acquire(b, kDlgDialogSuiteName, kDlgDialogSuiteVersion, &sDialog);
    err = err ? err : Acquire(b, kDlgItemSuiteName, kDlgItemSuiteVersion, &sItem);
    err = err ? err : Acquire(b, kDlgListSuiteName, kDlgListSuiteVersion, &sList);
    err = err ? err : Acquire(b, kDlgEntrySuiteName, kDlgEntrySuiteVersion, &sEntry);
    err = err ? err : Acquire(b, kDlgNotifierSuiteName, kDlgNotifierSuiteVersion, &sNotifier);
    err = err ? err : Acquire(b, kDlgDrawerSuiteName, kDlgDrawerSuiteVersion, &sDrawer);
    err = err ? err : Acquire(b, kDlgTrackerSuiteName, kDlgTrackerSuiteVersion, &sTracker);
    err = err ? err : Acquire(b, kDlgIconSuiteName, kDlgIconSuiteVersion1, &sIcon);
    err = err ? err : Acquire(b, kDlgIconSuiteName, kDlgIconSuiteVersion2, &sIcon2);
    err = err ? err : Acquire(b, kDlgGroupSuiteName, kDlgGroupSuiteVersion, &sGroup);
    return err;
}

}  // namespace

}  // namespace probe

extern "C" __attribute__((visibility("default"))) HostErr PluginMain(const char* caller, const char* selector,
                                                                    void* message) {
    using namespace probe;
    auto* header = static_cast<MessageHeader*>(message);
    const BasicSuite* basic = header->basic;
    if (!basic->IsEqual(caller, kCallerInterface)) return kNoErr;
    if (basic->IsEqual(selector, kSelStartup)) {
        gPlugin = header->plugin;
        if (HostErr err = AcquireAll(basic)) return err;
        CreateProbePalette();
    } else if (basic->IsEqual(selector, kSelAbout)) {
        RunProbeDialog();
    } else if (basic->IsEqual(selector, kSelShutdown)) {
        DestroyProbePalette();
    }
    return kNoErr;
}
