// "ADM Notifier Suite" and "ADM Tracker Suite": what a notify or track
// procedure learns about the event it is called for. Their handles live only
// during that call.
#include <cstring>

#include "dialogs/dialog_manager.h"

namespace drawhost {

namespace {

HostBool IsNotifierType(DlgNotifierRef notifier, const char* type) {
    DlgNotifier* n = DlgFind(notifier);
    return n && type && n->type == type;
}

ItemRef NotifierItem(DlgNotifierRef notifier) {
    DlgNotifier* n = DlgFind(notifier);
    return n && n->item ? DlgRefOf<ItemRef>(n->item) : nullptr;
}

DialogRef NotifierDialog(DlgNotifierRef notifier) {
    DlgNotifier* n = DlgFind(notifier);
    return n ? DlgRefOf<DialogRef>(n->dialog) : nullptr;
}

const DlgNotifierSuite kNotifierSuite = {IsNotifierType, NotifierItem, NotifierDialog};
SuiteRegistrar notifierSuite(kDlgNotifierSuiteName, kDlgNotifierSuiteVersion, &kNotifierSuite);

void GetPoint(TrackerRef tracker, IntPoint* point) {
    if (!point) return;
    DlgTracker* t = DlgFind(tracker);
    *point = t ? t->point : IntPoint{0, 0};
}

int32_t GetAction(TrackerRef tracker) {
    DlgTracker* t = DlgFind(tracker);
    return t ? t->action : 0;
}

int32_t GetModifiers(TrackerRef tracker) {
    DlgTracker* t = DlgFind(tracker);
    return t ? t->modifiers : 0;
}

HostBool TestModifier(TrackerRef tracker, int32_t modifier) {
    DlgTracker* t = DlgFind(tracker);
    return t && modifier != 0 && (t->modifiers & modifier) == modifier;
}

// The rest of the gesture (drags and the button-up) no longer reaches the item.
void Abort(TrackerRef tracker) {
    DlgTracker* t = DlgFind(tracker);
    if (!t) return;
    if (DlgItem* item = TheDlgState().items.Find(t->item)) item->trackAborted = true;
}

const DlgTrackerSuite kTrackerSuite = {GetPoint, GetAction, GetModifiers, TestModifier, Abort};
SuiteRegistrar trackerSuite(kDlgTrackerSuiteName, kDlgTrackerSuiteVersion, &kTrackerSuite);

}  // namespace

}  // namespace drawhost
