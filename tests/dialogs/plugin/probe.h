// The dialog probe: a plug-in of drawhost's tests that builds dialogs with
// every kind of item and reports what it is told through message alerts
// ("alert(message): ..." lines of the host's log).
#pragma once
#include "sdk_all.h"

namespace probe {

extern PluginRef gPlugin;
extern const DlgBasicSuite* sBasic;
extern const DlgDialogSuite* sDialog;
extern const DlgItemSuite* sItem;
extern const DlgListSuite* sList;
extern const DlgEntrySuite* sEntry;
extern const DlgNotifierSuite* sNotifier;
extern const DlgDrawerSuite* sDrawer;
extern const DlgTrackerSuite* sTracker;
extern const DlgIconSuite* sIcon;
extern const DlgIconSuite2* sIcon2;
extern const DlgGroupSuite* sGroup;

// A message alert with printf formatting.
void Say(const char* format, ...) __attribute__((format(printf, 1, 2)));

// An item's state after a user's change: "changed ID: value V text 'T'".
void ReportChange(ItemRef item, DlgNotifierRef notifier);

// The modal dialog with an item of every kind ("About"); its result is reported.
void RunProbeDialog();
// The floating dialog made at start-up and destroyed at shut-down.
void CreateProbePalette();
void DestroyProbePalette();

}  // namespace probe
