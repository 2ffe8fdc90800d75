#include "dialog_test.h"

#include "frame/host.h"

namespace dialog_test {

using namespace drawhost;

namespace {

template <class T>
const T* Find(const char* name, int32_t version) {
    return static_cast<const T*>(HostFindSuite(name, version));
}

}  // namespace

const Suites& S() {
    static const Suites suites = {
        Find<DlgBasicSuite>(kDlgBasicSuiteName, kDlgBasicSuiteVersion),
        Find<DlgDialogSuite>(kDlgDialogSuiteName, kDlgDialogSuiteVersion),
        Find<DlgItemSuite>(kDlgItemSuiteName, kDlgItemSuiteVersion),
        Find<DlgListSuite>(kDlgListSuiteName, kDlgListSuiteVersion),
        Find<DlgEntrySuite>(kDlgEntrySuiteName, kDlgEntrySuiteVersion),
        Find<DlgNotifierSuite>(kDlgNotifierSuiteName, kDlgNotifierSuiteVersion),
        Find<DlgDrawerSuite>(kDlgDrawerSuiteName, kDlgDrawerSuiteVersion),
        Find<DlgTrackerSuite>(kDlgTrackerSuiteName, kDlgTrackerSuiteVersion),
        Find<DlgGroupSuite>(kDlgGroupSuiteName, kDlgGroupSuiteVersion),
    };
    return suites;
}

std::vector<std::string>& Seen() {
    static std::vector<std::string> seen;
    return seen;
}

void RecordNotify(ItemRef item, DlgNotifierRef notifier) {
    const char* type = S().notifier->IsNotifierType(notifier, kNotifyUserChanged) ? "changed" : "other";
    Seen().push_back("notify " + std::to_string(S().item->GetID(item)) + " " + type);
    S().item->DefaultNotify(item, notifier);
}

void RecordDialogNotify(DialogRef dialog, DlgNotifierRef notifier) {
    char title[64];
    S().dialog->GetText(dialog, title, sizeof title);
    if (S().notifier->IsNotifierType(notifier, kNotifyCloseHit)) Seen().push_back(std::string("close ") + title);
}

HostBool RecordTrack(ItemRef item, TrackerRef tracker) {
    IntPoint p;
    S().tracker->GetPoint(tracker, &p);
    int32_t action = S().tracker->GetAction(tracker);
    Seen().push_back("track " + std::to_string(S().item->GetID(item)) + " " + std::to_string(action) + " " +
                     std::to_string(p.h) + "," + std::to_string(p.v) + " " +
                     std::to_string(S().tracker->GetModifiers(tracker)));
    return S().item->DefaultTrack(item, tracker);
}

void DialogTest::SetUp() {
    HostTest::SetUp();
    Seen().clear();
}

DialogRef DialogTest::MakeDialog(const char* name) {
    DialogRef d = S().dialog->Create(nullptr, name, 0, kDlgFloatingStyle, nullptr, nullptr, 0);
    IntRect bounds = {0, 0, 300, 200};
    S().dialog->SetBoundsRect(d, &bounds);
    S().dialog->Show(d, 1);
    return d;
}

ItemRef DialogTest::MakeItem(DialogRef dialog, int32_t id, const char* type, IntRect bounds) {
    ItemRef item = S().item->Create(dialog, id, type, &bounds, nullptr, nullptr);
    S().item->SetNotifyProc(item, RecordNotify);
    return item;
}

}  // namespace dialog_test
