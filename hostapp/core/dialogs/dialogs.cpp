// Dialogs: creation with the init procedure, the modal run, notification,
// the close box, redraw, and destruction.
#include <algorithm>

#include "dialogs/dialog_manager.h"
#include "frame/host.h"

namespace drawhost {

namespace {

DlgDialog* FindDialog(DlgHandle h) { return TheDlgState().dialogs.Find(h); }

DlgDialog& NewDialog(PluginRef plugin, const std::string& name, int32_t resourceId, int32_t style,
                     int32_t options, void* userData, bool modal) {
    DlgState& s = TheDlgState();
    auto d = std::make_unique<DlgDialog>();
    d->handle = DlgNewHandle();
    d->plugin = plugin;
    d->name = name;
    d->title = name;
    d->resourceId = resourceId;
    d->style = style;
    d->options = options;
    d->userData = userData;
    d->modal = modal;
    DlgDialog& dialog = *s.dialogs.Add(std::move(d));
    s.dialogOrder.push_back(dialog.handle);
    // Floating dialogs carry a flyout menu; it has entries once the plug-in loads some.
    if (!modal) DlgCreateItem(dialog, kDlgFlyoutMenuItemID, ItemKind::Flyout, IntRect{0, 0, 0, 0});
    return dialog;
}

// Drops a dialog without calling its destroy procedure.
void DropDialog(DlgHandle h) {
    DlgState& s = TheDlgState();
    DlgDialog* d = FindDialog(h);
    if (!d) return;
    std::vector<DlgHandle> items;
    for (DlgItem* it : d->items) items.push_back(it->handle);
    for (DlgHandle it : items) DlgDestroyItem(it);
    s.dialogOrder.erase(std::remove(s.dialogOrder.begin(), s.dialogOrder.end(), h), s.dialogOrder.end());
    s.dialogs.Remove(h);
}

// Runs the init procedure; false (and the dialog dropped) when it fails.
bool RunInit(DlgHandle h, DialogInitProc init) {
    DlgDialog* d = FindDialog(h);
    if (!init || !DlgCanCall(d->plugin)) return true;
    HostErr err;
    {
        DlgCallScope scope(d->plugin);
        err = init(DlgRef(*d));
    }
    if (err == kNoErr) return true;
    DropDialog(h);
    return false;
}

}  // namespace

DlgDialog* DlgCreateDialog(PluginRef plugin, const std::string& name, int32_t resourceId, int32_t style,
                           int32_t options, DialogInitProc init, void* userData) {
    DlgHandle h = NewDialog(plugin, name, resourceId, style, options, userData, false).handle;
    if (!RunInit(h, init)) return nullptr;
    return FindDialog(h);
}

int32_t DlgRunModal(PluginRef plugin, const std::string& name, int32_t resourceId, int32_t style, int32_t options,
                    DialogInitProc init, void* userData) {
    DlgState& s = TheDlgState();
    DlgDialog& fresh = NewDialog(plugin, name, resourceId, style, options, userData, true);
    fresh.running = true;   // the init procedure may already end it
    DlgHandle h = fresh.handle;
    if (!RunInit(h, init)) return -1;
    if (DlgDialog* d = FindDialog(h); d && !d->ended) d->visible = true;

    s.modalStack.push_back(h);
    bool answered = HostRunModal([h] {
        DlgDialog* d = FindDialog(h);
        return !d || d->ended;
    });
    if (!answered) {
        // No more input: cancel the dialog so that the plug-in and the host go on.
        HostLog("drawhost: the input ended while the modal dialog '" + name + "' was open; it is cancelled");
        s.modalAbandoned = true;
        s.abandonedName = name;
        DlgEndModal(h, kDlgCancelItemID);
    }
    s.modalStack.erase(std::remove(s.modalStack.begin(), s.modalStack.end(), h), s.modalStack.end());

    DlgDialog* d = FindDialog(h);
    int32_t result = d ? d->result : kDlgCancelItemID;
    DlgDestroyDialog(h);
    return result;
}

void DlgEndModal(DlgHandle h, int32_t result) {
    DlgDialog* d = FindDialog(h);
    if (!d || !d->modal || !d->running) return;
    d->running = false;
    d->ended = true;
    d->result = result;
    d->visible = false;
}

void DlgDestroyDialog(DlgHandle h) {
    DlgDialog* d = FindDialog(h);
    if (!d || d->destroying) return;
    d->destroying = true;
    if (d->destroy && DlgCanCall(d->plugin)) {
        DlgCallScope scope(d->plugin);
        d->destroy(DlgRef(*d));
    }
    DropDialog(h);
}

DlgDialog* DlgTopModal() {
    const DlgState& s = TheDlgState();
    for (auto it = s.modalStack.rbegin(); it != s.modalStack.rend(); ++it)
        if (DlgDialog* d = FindDialog(*it); d && d->running) return d;
    return nullptr;
}

DlgDialog* DlgDialogByName(const std::string& nameOrTitle) {
    const DlgState& s = TheDlgState();
    for (auto it = s.dialogOrder.rbegin(); it != s.dialogOrder.rend(); ++it)
        if (DlgDialog* d = FindDialog(*it); d && d->name == nameOrTitle) return d;
    for (auto it = s.dialogOrder.rbegin(); it != s.dialogOrder.rend(); ++it)
        if (DlgDialog* d = FindDialog(*it); d && d->title == nameOrTitle) return d;
    return nullptr;
}

std::vector<DlgDialog*> DlgDialogsInOrder() {
    std::vector<DlgDialog*> out;
    for (DlgHandle h : TheDlgState().dialogOrder)
        if (DlgDialog* d = FindDialog(h)) out.push_back(d);
    return out;
}

DlgItem* DlgItemById(const DlgDialog& dialog, int32_t itemId) {
    auto it = dialog.itemsById.find(itemId);
    return it == dialog.itemsById.end() ? nullptr : it->second;
}

void DlgNotifyDialog(DlgHandle h, const char* type) {
    DlgDialog* d = FindDialog(h);
    if (!d) return;
    if (!d->notify) {
        DlgDefaultDialogNotify(h, type);
        return;
    }
    if (!DlgCanCall(d->plugin)) return;
    DlgState& s = TheDlgState();
    auto n = std::make_unique<DlgNotifier>();
    n->handle = DlgNewHandle();
    n->type = type;
    n->dialog = h;
    DlgHandle nh = n->handle;
    s.notifiers.Add(std::move(n));
    {
        DlgCallScope scope(d->plugin);
        d->notify(DlgRef(*d), DlgRefOf<DlgNotifierRef>(nh));
    }
    s.notifiers.Remove(nh);
}

void DlgDefaultDialogNotify(DlgHandle h, const char* type) {
    DlgDialog* d = FindDialog(h);
    if (!d || std::string(type) != kNotifyCloseHit) return;
    if (d->modal)
        DlgEndModal(h, kDlgCancelItemID);
    else
        d->visible = false;
}

void DlgDefaultDialogDraw(DlgDialog& dialog, DlgDrawer& drawer) {
    IntPoint size = DlgRenderSize(dialog);
    Rgb8 keep = drawer.color;
    drawer.color = DlgNamedColor(kColorBackground);
    DlgDrawRect(drawer, OpKind::FillRect, IntRect{0, 0, size.h, size.v});
    drawer.color = keep;
}

void DlgRedrawDialog(DlgHandle h) {
    DlgDialog* d = FindDialog(h);
    if (!d) return;
    d->drawn.ops.clear();
    d->invalid = false;
    IntPoint size = DlgRenderSize(*d);
    DlgDrawer* drawer = DlgNewDrawer(DlgDrawer::Target::Dialog, h, IntRect{0, 0, size.h, size.v}, kFontDefault, true);
    DlgHandle dh = drawer->handle;
    if (!d->draw) {
        DlgDefaultDialogDraw(*d, *drawer);
    } else if (DlgCanCall(d->plugin)) {
        DlgCallScope scope(d->plugin);
        d->draw(DlgRef(*d), DlgRefOf<DrawerRef>(dh));
    }
    DlgDeleteDrawer(dh);

    d = FindDialog(h);
    if (!d) return;
    std::vector<DlgHandle> items;
    for (DlgItem* it : d->items)
        if (it->visible && it->kind != ItemKind::Flyout) items.push_back(it->handle);
    for (DlgHandle it : items) DlgRedrawItem(it);
}

void DlgRedrawInvalid() {
    for (DlgDialog* d : DlgDialogsInOrder()) {
        DlgHandle h = d->handle;
        if (d->invalid) {
            DlgRedrawDialog(h);
            continue;
        }
        std::vector<DlgHandle> items;
        for (DlgItem* it : d->items)
            if (it->invalid && it->visible) items.push_back(it->handle);
        for (DlgHandle it : items) DlgRedrawItem(it);
    }
}

IntPoint DlgRenderSize(const DlgDialog& dialog) {
    int32_t w = dialog.bounds.right - dialog.bounds.left;
    int32_t h = dialog.bounds.bottom - dialog.bounds.top;
    if (w > 0 && h > 0) return {w, h};
    // Never placed: big enough for its items.
    w = h = 1;
    for (const DlgItem* it : dialog.items) {
        w = std::max(w, it->bounds.right);
        h = std::max(h, it->bounds.bottom);
    }
    return {w, h};
}

}  // namespace drawhost
