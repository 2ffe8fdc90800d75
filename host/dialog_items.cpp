#include "host/dialog_items.h"

#include "host/suites.h"

namespace qzv {

ItemRef MakeDialogItem(DialogRef dialog, int32_t id, const char* type, IntRect bounds, const char* tip) {
    if (!sItem || !dialog) return nullptr;
    ItemRef item = sItem->Create(dialog, id, type, &bounds, nullptr, nullptr);
    if (item && tip) sItem->SetTipString(item, tip);
    return item;
}

ItemRef DialogItem(DialogRef dialog, int32_t id) {
    if (!sDialog || !dialog) return nullptr;
    return sDialog->GetItem(dialog, id);
}

void ShowDialogItem(DialogRef dialog, int32_t id, bool show) {
    if (ItemRef item = DialogItem(dialog, id)) sItem->Show(item, show ? 1 : 0);
}

void EnableDialogItem(DialogRef dialog, int32_t id, bool enable) {
    if (ItemRef item = DialogItem(dialog, id)) sItem->Enable(item, enable ? 1 : 0);
}

void InvalidateDialogItem(DialogRef dialog, int32_t id) {
    if (ItemRef item = DialogItem(dialog, id)) sItem->Invalidate(item);
}

void SetDialogItemTip(DialogRef dialog, int32_t id, const char* tip) {
    if (ItemRef item = DialogItem(dialog, id)) sItem->SetTipString(item, tip);
}

void FocusDialogItem(DialogRef dialog, int32_t id) {
    if (ItemRef item = DialogItem(dialog, id)) sItem->Activate(item, 1);
}

void DrawNothing(ItemRef, DrawerRef) {}

bool IsUserChange(DlgNotifierRef notifier) {
    return sDlgNotifier && sDlgNotifier->IsNotifierType(notifier, kNotifyUserChanged) != 0;
}

IntPoint ModalDialogCorner(const IntRect& remembered, int32_t width, int32_t height) {
    IntRect screen = {0, 0, 1024, 768};
    if (sDlgBasic) sDlgBasic->GetScreenDimensions(&screen);
    const int32_t screenWidth = screen.right - screen.left;
    const int32_t screenHeight = screen.bottom - screen.top;
    const IntPoint centred = {screen.left + ((screenWidth - width) >> 1),
                              screen.top + (screenHeight - height) / 3};
    const bool never = remembered.left == 0 && remembered.top == 0 && remembered.right == 0 &&
                       remembered.bottom == 0;
    if (never) return centred;
    // The title bar must stay reachable: the dialog's top-left quarter on screen.
    const bool onScreen = remembered.left >= screen.left - width / 2 &&
                          remembered.left <= screen.right - width / 2 && remembered.top >= screen.top &&
                          remembered.top <= screen.bottom - height / 4;
    return onScreen ? IntPoint{remembered.left, remembered.top} : centred;
}

void PlaceModalDialog(DialogRef dialog, const IntRect& remembered, int32_t width, int32_t height) {
    if (!sDialog || !dialog) return;
    const IntPoint corner = ModalDialogCorner(remembered, width, height);
    const IntRect bounds = {corner.h, corner.v, corner.h + width, corner.v + height};
    sDialog->SetBoundsRect(dialog, &bounds);
}

void RememberDialogRect(DialogRef dialog, IntRect* remembered) {
    if (!sDialog || !dialog || !remembered) return;
    IntRect bounds = {0, 0, 0, 0};
    sDialog->GetBoundsRect(dialog, &bounds);
    if (bounds.right > bounds.left && bounds.bottom > bounds.top) *remembered = bounds;
}

}  // namespace qzv
