// The probe's modal dialog: one item of every kind, each reporting the
// user's changes; item 23 opens a second modal dialog from its notify
// procedure, item 24 moves the keyboard focus, item 12 reports tracking.
#include "probe.h"

namespace probe {

namespace {

enum {
    kLabel = 10, kNote = 11, kCanvas = 12, kPictureButton = 13, kRadioA = 14, kRadioB = 15, kCheck = 16,
    kLength = 17, kAngle = 18, kPopup = 19, kSlider = 20, kCount = 21, kName = 22, kNested = 23, kFocus = 24
};

ItemRef Make(DialogRef dialog, int32_t id, const char* type, IntRect r, const char* text = nullptr) {
    ItemRef item = sItem->Create(dialog, id, type, &r, nullptr, nullptr);
    if (text) sItem->SetText(item, text);
    sItem->SetNotifyProc(item, ReportChange);
    return item;
}

// Reports every mouse event it receives; asks for a notification on button-up.
HostBool TrackCanvas(ItemRef item, TrackerRef tracker) {
    IntPoint p;
    sTracker->GetPoint(tracker, &p);
    int32_t action = sTracker->GetAction(tracker);
    Say("track %d: action %d at %d,%d option %d space %d", sItem->GetID(item), action, p.h, p.v,
        sTracker->TestModifier(tracker, kTrackModOption), sTracker->TestModifier(tracker, kTrackModSpace));
    return action == kTrackButtonUp;
}

HostErr InitNested(DialogRef dialog) {
    sDialog->SetText(dialog, "Imbriqué");
    IntRect b = {300, 300, 500, 380};
    sDialog->SetBoundsRect(dialog, &b);
    ItemRef field = Make(dialog, 30, kItemSpinEdit, {10, 10, 90, 30});
    sItem->SetIntValue(field, 7);
    Make(dialog, kDlgCancelItemID, kItemTextPushButton, {10, 50, 90, 70}, "Annuler");
    Make(dialog, kDlgOKItemID, kItemTextPushButton, {110, 50, 190, 70}, "OK");
    return kNoErr;
}

void OpenNested(ItemRef item, DlgNotifierRef notifier) {
    sItem->DefaultNotify(item, notifier);
    if (!sNotifier->IsNotifierType(notifier, kNotifyUserChanged)) return;
    int32_t result = sDialog->Modal(gPlugin, "Nested", 0, kDlgModalStyle, InitNested, nullptr, 0);
    Say("modal Nested -> %d", result);
}

void FocusLength(ItemRef item, DlgNotifierRef notifier) {
    sItem->DefaultNotify(item, notifier);
    sItem->Activate(sDialog->GetItem(sItem->GetDialog(item), kLength), 1);
}

void ReportPopup(ItemRef item, DlgNotifierRef notifier) {
    sItem->DefaultNotify(item, notifier);
    EntryRef entry = sList->GetActiveEntry(sItem->GetList(item));
    char text[64] = "";
    sEntry->GetText(entry, text, sizeof text);
    Say("chose %d: entry %d index %d '%s'", sItem->GetID(item), sEntry->GetID(entry), sItem->GetIntValue(item),
        text);
}

// OK reports the values the dialog ends with.
void ReportOK(ItemRef item, DlgNotifierRef notifier) {
    sItem->DefaultNotify(item, notifier);
    DialogRef d = sItem->GetDialog(item);
    Say("ok: check %d radio %d,%d length %.4f count %d", sItem->GetBooleanValue(sDialog->GetItem(d, kCheck)),
        sItem->GetBooleanValue(sDialog->GetItem(d, kRadioA)), sItem->GetBooleanValue(sDialog->GetItem(d, kRadioB)),
        double(sItem->GetFloatValue(sDialog->GetItem(d, kLength))), sItem->GetIntValue(sDialog->GetItem(d, kCount)));
}

HostErr InitProbe(DialogRef dialog) {
    sDialog->SetText(dialog, "Sonde");
    IntRect b = {100, 100, 420, 330};
    sDialog->SetBoundsRect(dialog, &b);

    Make(dialog, kLabel, kItemTextStatic, {10, 10, 150, 26}, "Étiquette");
    Make(dialog, kNote, kItemTextStaticMultiLine, {160, 10, 310, 50}, "Une note assez longue pour tenir sur deux lignes.");

    ItemRef canvas = Make(dialog, kCanvas, kItemPictureStatic, {10, 30, 70, 70});
    sItem->SetPictureID(canvas, 128);
    sItem->SetTrackProc(canvas, TrackCanvas);
    sItem->SetMask(canvas, kTrackMaskAll);

    ItemRef pictureButton = Make(dialog, kPictureButton, kItemPicturePushButton, {80, 30, 100, 50});
    sItem->SetPictureID(pictureButton, 128);
    sItem->SetSelectedPictureID(pictureButton, 129);   // not in the bundle: the placeholder
    sItem->SetTipString(pictureButton, "Bouton image");

    ItemRef radioA = Make(dialog, kRadioA, kItemPictureRadioButton, {110, 30, 129, 49});
    Make(dialog, kRadioB, kItemPictureRadioButton, {130, 30, 149, 49});
    sItem->SetBooleanValue(radioA, 1);

    Make(dialog, kCheck, kItemTextCheckBox, {10, 80, 150, 96}, "Option");

    // A length in millimetres from 0 to 10 mm, shown with one decimal.
    ItemRef length = Make(dialog, kLength, kItemSpinEdit, {160, 60, 250, 82});
    sItem->SetUnits(length, kUnitsMillimeters);
    sItem->SetPrecision(length, 1);
    sItem->SetMinFloatValue(length, 0);
    sItem->SetMaxFloatValue(length, 28.346457f);
    sItem->SetSmallIncrement(length, 2.8346457f);
    sItem->SetLargeIncrement(length, 28.346457f);
    sItem->SetFloatValue(length, 14.173228f);

    ItemRef angle = Make(dialog, kAngle, kItemSpinEditPopup, {160, 90, 250, 112});
    sItem->SetUnits(angle, kUnitsDegrees);
    sItem->SetPrecision(angle, 0);
    sItem->SetMinFloatValue(angle, -360);
    sItem->SetMaxFloatValue(angle, 360);
    ListRef angles = sItem->GetList(angle);
    const char* presets[] = {" 30°", " 60°", " 90°"};
    for (int i = 0; i < 3; ++i) {
        EntryRef e = sList->InsertEntry(angles, 99);
        sEntry->SetID(e, i);
        sEntry->SetText(e, presets[i]);
    }

    ItemRef popup = Make(dialog, kPopup, kItemPopupList, {10, 120, 150, 140});
    sList->SetMenuID(sItem->GetList(popup), gPlugin, 200);
    sEntry->Select(sList->FindEntry(sItem->GetList(popup), 12), 1);
    sEntry->Enable(sList->FindEntry(sItem->GetList(popup), 13), 0);
    sItem->SetNotifyProc(popup, ReportPopup);

    ItemRef slider = Make(dialog, kSlider, kItemSlider, {160, 120, 300, 132});
    sItem->SetMinFloatValue(slider, 0);
    sItem->SetMaxFloatValue(slider, 255);
    sItem->SetIntValue(slider, 128);

    ItemRef count = Make(dialog, kCount, kItemTextEdit, {10, 150, 60, 172});
    sItem->SetMinFloatValue(count, 0);
    sItem->SetIntValue(count, 3);

    Make(dialog, kName, kItemTextEdit, {70, 150, 200, 172}, "nom");

    ItemRef nested = Make(dialog, kNested, kItemTextPushButton, {10, 190, 90, 210}, "Imbriqué");
    sItem->SetNotifyProc(nested, OpenNested);
    ItemRef focus = Make(dialog, kFocus, kItemTextPushButton, {100, 190, 160, 210}, "Focus");
    sItem->SetNotifyProc(focus, FocusLength);

    // Cancel keeps the default handling alone; OK reports first.
    IntRect cancel = {170, 190, 240, 210};
    ItemRef cancelButton = sItem->Create(dialog, kDlgCancelItemID, kItemTextPushButton, &cancel, nullptr, nullptr);
    sItem->SetText(cancelButton, "Annuler");
    ItemRef ok = Make(dialog, kDlgOKItemID, kItemTextPushButton, {250, 190, 310, 210}, "OK");
    sItem->SetNotifyProc(ok, ReportOK);
    return kNoErr;
}

}  // namespace

void RunProbeDialog() {
    int32_t result = sDialog->Modal(gPlugin, "Probe", 20000, kDlgModalStyle, InitProbe, nullptr, 0);
    Say("modal Probe -> %d", result);
}

}  // namespace probe
