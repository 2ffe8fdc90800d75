// Shared by the dialog manager's tests: its suites as a plug-in sees them,
// and a record of the notifications and mouse events procedures receive.
#pragma once
#include <string>
#include <vector>

#include "dialogs/dialog_manager.h"
#include "host_fixture.h"

namespace dialog_test {

struct Suites {
    const DlgBasicSuite* basic;
    const DlgDialogSuite* dialog;
    const DlgItemSuite* item;
    const DlgListSuite* list;
    const DlgEntrySuite* entry;
    const DlgNotifierSuite* notifier;
    const DlgDrawerSuite* drawer;
    const DlgTrackerSuite* tracker;
    const DlgGroupSuite* group;
};
const Suites& S();

// What the recording procedures saw, one line per call:
// "notify ID TYPE", "close DIALOG", "track ID ACTION H,V MODS".
std::vector<std::string>& Seen();
void RecordNotify(ItemRef item, DlgNotifierRef notifier);
void RecordDialogNotify(DialogRef dialog, DlgNotifierRef notifier);
HostBool RecordTrack(ItemRef item, TrackerRef tracker);

class DialogTest : public drawhost_test::HostTest {
protected:
    void SetUp() override;
    // A shown floating dialog of the host's own (no plug-in), 300 x 200.
    DialogRef MakeDialog(const char* name);
    // An item recording its notifications.
    ItemRef MakeItem(DialogRef dialog, int32_t id, const char* type, IntRect bounds = {10, 10, 110, 30});
};

}  // namespace dialog_test
