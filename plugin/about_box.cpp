#include "plugin/about_box.h"

#include "host/suites.h"
#include "resources/resource_ids.h"

namespace qzv {

namespace {

enum { kAboutOK = 1, kAboutName = 10, kAboutVersion = 11, kAboutText = 12 };

void CloseOnPress(ItemRef item, DlgNotifierRef notifier) {
    sItem->DefaultNotify(item, notifier);
    if (sDlgNotifier->IsNotifierType(notifier, kNotifyUserChanged))
        sDialog->EndModal(sItem->GetDialog(item), kAboutOK);
}

HostErr BuildAboutBox(DialogRef dialog) {
    const IntRect bounds = {0, 0, 340, 150};
    sDialog->SetBoundsRect(dialog, &bounds);
    sDialog->SetText(dialog, "À propos de QZV•Orbiquad");

    const IntRect nameRect = {16, 12, 324, 32};
    ItemRef name = sItem->Create(dialog, kAboutName, kItemTextStatic, &nameRect, nullptr, nullptr);
    sItem->SetFont(name, kFontPaletteBold);
    sItem->SetText(name, "QZV•Orbiquad");

    const IntRect versionRect = {16, 34, 324, 50};
    ItemRef version = sItem->Create(dialog, kAboutVersion, kItemTextStatic, &versionRect, nullptr, nullptr);
    sItem->SetText(version, "Version 6.4");

    const IntRect textRect = {16, 56, 324, 100};
    ItemRef text = sItem->Create(dialog, kAboutText, kItemTextStaticMultiLine, &textRect, nullptr, nullptr);
    sItem->SetText(text,
                   "Deux outils de construction exacte : cercles, arcs, secteurs et cercles tangents, "
                   "rectangles à coins arrondis ou profilés, segments et lignes brisées.");

    const IntRect okRect = {256, 112, 324, 134};
    ItemRef ok = sItem->Create(dialog, kAboutOK, kItemTextPushButton, &okRect, nullptr, nullptr);
    sItem->SetText(ok, "OK");
    sItem->SetNotifyProc(ok, CloseOnPress);
    return kNoErr;
}

}  // namespace

HostErr OpenAboutBox(PluginRef plugin) {
    sDialog->Modal(plugin, kAboutDialogName, kDlgAbout, kDlgModalStyle, BuildAboutBox, nullptr, 0);
    return kNoErr;
}

}  // namespace qzv
