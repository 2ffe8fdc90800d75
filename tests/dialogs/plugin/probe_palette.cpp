// The probe's floating dialog: made at start-up with a flyout menu from the
// bundle's menu resource, a docking group, a draw procedure that uses every
// drawing operation, and reports of the close box and of its destruction.
#include "probe.h"

namespace probe {

namespace {

DialogRef gPalette = nullptr;

enum { kSwatch = 40, kToggle = 41 };

void DrawPalette(DialogRef dialog, DrawerRef drawer) {
    sDialog->DefaultDraw(dialog, drawer);
    sDrawer->SetRGBColor(drawer, 255, 0, 0);
    IntRect frame = {5, 5, 45, 25};
    sDrawer->DrawRect(drawer, &frame);
    IntRect oval = {50, 5, 70, 25};
    sDrawer->FillOval(drawer, &oval);
    sDrawer->SetColor(drawer, kColorBlack);
    IntPoint baseline = {5, 40};
    sDrawer->DrawText(drawer, "Palette", &baseline);
    IntPoint pictureAt = {80, 5};
    sDrawer->DrawResPicture(drawer, gPlugin, 128, &pictureAt);
    IconRef icon = sIcon->GetFromResource(gPlugin, 500, 0);
    IntPoint iconAt = {100, 5};
    sDrawer->DrawIcon(drawer, icon, &iconAt);
    sIcon->Destroy(icon);
}

// The swatch item draws itself: a sunken frame, a filled triangle, a line.
void DrawSwatch(ItemRef, DrawerRef drawer) {
    IntRect bounds;
    sDrawer->GetBoundsRect(drawer, &bounds);
    sDrawer->DrawSunkenRect(drawer, &bounds);
    sDrawer->SetRGBColor(drawer, 0, 0, 255);
    IntPoint triangle[3] = {{2, 18}, {10, 2}, {18, 18}};
    sDrawer->FillPolygon(drawer, triangle, 3);
    IntPoint a = {0, 19}, b = {19, 0};
    sDrawer->DrawLine(drawer, &a, &b);
}

void NotifyPalette(DialogRef dialog, DlgNotifierRef notifier) {
    if (sNotifier->IsNotifierType(notifier, kNotifyCloseHit))
        Say("palette close box; visible %d", sDialog->IsVisible(dialog));
}

void ReportFlyout(ItemRef item, DlgNotifierRef notifier) {
    sItem->DefaultNotify(item, notifier);
    EntryRef entry = sList->GetActiveEntry(sItem->GetList(item));
    char text[64] = "";
    sEntry->GetText(entry, text, sizeof text);
    Say("flyout %d: entry %d '%s'", sItem->GetID(item), sEntry->GetID(entry), text);
    sEntry->Check(entry, !sEntry->IsChecked(entry));
}

void DestroyPalette(DialogRef dialog) {
    char group[16];
    int32_t code = 0;
    sGroup->GetDialogGroupInfo(dialog, group, sizeof group, &code);
    Say("palette destroyed; group %s dock %d", group, code);
}

HostErr InitPalette(DialogRef dialog) {
    sDialog->SetText(dialog, "Palette d'essai");
    IntRect b = {40, 40, 200, 110};
    sDialog->SetBoundsRect(dialog, &b);
    sDialog->SetDrawProc(dialog, DrawPalette);
    sDialog->SetNotifyProc(dialog, NotifyPalette);
    sDialog->SetDestroyProc(dialog, DestroyPalette);
    sGroup->SetDialogGroupInfo(dialog, "W", 7168);

    ItemRef flyout = sDialog->GetItem(dialog, kDlgFlyoutMenuItemID);
    sList->SetMenuID(sItem->GetList(flyout), gPlugin, 128);
    sEntry->Enable(sList->FindEntry(sItem->GetList(flyout), 4), 0);
    sItem->SetNotifyProc(flyout, ReportFlyout);

    IntRect swatch = {120, 30, 140, 50};
    ItemRef s = sItem->Create(dialog, kSwatch, kItemPictureStatic, &swatch, nullptr, nullptr);
    sItem->SetDrawProc(s, DrawSwatch);
    IntRect toggle = {10, 50, 110, 66};
    ItemRef t = sItem->Create(dialog, kToggle, kItemTextCheckBox, &toggle, nullptr, nullptr);
    sItem->SetText(t, "Bascule");
    sItem->SetNotifyProc(t, ReportChange);

    IconRef present = sIcon2->GetFromResource(gPlugin, 500, 0);
    IconRef missing = sIcon->GetFromResource(gPlugin, 501, 0);
    Say("icons: 500 type %d size %dx%d id %d; 501 type %d", sIcon2->GetType(present), sIcon2->GetWidth(present),
        sIcon2->GetHeight(present), sIcon2->GetResourceID(present), sIcon->GetType(missing));
    sDialog->SetIcon(dialog, 0, present);
    sIcon2->Destroy(present);
    sIcon->Destroy(missing);
    return kNoErr;
}

}  // namespace

void CreateProbePalette() {
    gPalette = sDialog->Create(gPlugin, "ProbePalette", 16400, kDlgTabbedFloatingStyle, InitPalette, nullptr, 1);
    sDialog->Show(gPalette, 1);
}

void DestroyProbePalette() {
    if (gPalette) sDialog->Destroy(gPalette);
    gPalette = nullptr;
}

}  // namespace probe
