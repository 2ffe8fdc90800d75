// "ADM Dialog Suite" and "ADM Dialog Group Suite": thin wrappers that look
// every handle up before they touch anything.
#include <algorithm>

#include "util/copy_out.h"
#include "dialogs/basic_services.h"
#include "dialogs/dialog_manager.h"
#include "frame/host.h"

namespace drawhost {

namespace {

std::string Str(const char* s) { return s ? s : ""; }

// Where a window of these bounds lies wholly on the screen, as near as it
// can, keeping its size; a window larger than the screen keeps its top-left
// corner at the screen's.
IntRect KeptOnScreen(const IntRect& b, const IntRect& screen) {
    const int64_t w = int64_t{b.right} - b.left, h = int64_t{b.bottom} - b.top;
    if (w <= 0 || h <= 0) return b;
    const int64_t left = std::max<int64_t>(screen.left, std::min<int64_t>(b.left, screen.right - w));
    const int64_t top = std::max<int64_t>(screen.top, std::min<int64_t>(b.top, screen.bottom - h));
    return {int32_t(left), int32_t(top), int32_t(std::min<int64_t>(left + w, INT32_MAX)),
            int32_t(std::min<int64_t>(top + h, INT32_MAX))};
}

DialogRef Create(PluginRef plugin, const char* name, int32_t resourceId, int32_t style, DialogInitProc init,
                 void* userData, int32_t options) {
    DlgDialog* d = DlgCreateDialog(plugin, Str(name), resourceId, style, options, init, userData);
    return d ? DlgRef(*d) : nullptr;
}

int32_t Modal(PluginRef plugin, const char* name, int32_t resourceId, int32_t style, DialogInitProc init,
              void* userData, int32_t options) {
    return DlgRunModal(plugin, Str(name), resourceId, style, options, init, userData);
}

void EndModal(DialogRef dialog, int32_t result) { DlgEndModal(DlgHandleOf(dialog), result); }
void Destroy(DialogRef dialog) { DlgDestroyDialog(DlgHandleOf(dialog)); }

void SetDrawProc(DialogRef dialog, DialogDrawProc proc) {
    if (DlgDialog* d = DlgFind(dialog)) {
        d->draw = proc;
        d->invalid = true;
    }
}
void SetNotifyProc(DialogRef dialog, DialogNotifyProc proc) {
    if (DlgDialog* d = DlgFind(dialog)) d->notify = proc;
}
void SetDestroyProc(DialogRef dialog, DialogDestroyProc proc) {
    if (DlgDialog* d = DlgFind(dialog)) d->destroy = proc;
}

void DefaultDraw(DialogRef dialog, DrawerRef drawer) {
    DlgDialog* d = DlgFind(dialog);
    DlgDrawer* dr = DlgFind(drawer);
    if (d && dr) DlgDefaultDialogDraw(*d, *dr);
}

void DefaultNotify(DialogRef dialog, DlgNotifierRef notifier) {
    DlgNotifier* n = DlgFind(notifier);
    if (n && DlgFind(dialog)) DlgDefaultDialogNotify(DlgHandleOf(dialog), n->type.c_str());
}

ItemRef GetItem(DialogRef dialog, int32_t itemId) {
    DlgDialog* d = DlgFind(dialog);
    DlgItem* item = d ? DlgItemById(*d, itemId) : nullptr;
    return item ? DlgRef(*item) : nullptr;
}

void Show(DialogRef dialog, HostBool show) {
    DlgDialog* d = DlgFind(dialog);
    if (!d || (d->modal && !d->running)) return;   // an ended modal dialog stays closed
    d->visible = show != 0;
}
HostBool IsVisible(DialogRef dialog) {
    DlgDialog* d = DlgFind(dialog);
    return d && d->visible;
}

void GetBoundsRect(DialogRef dialog, IntRect* bounds) {
    if (!bounds) return;
    DlgDialog* d = DlgFind(dialog);
    *bounds = d ? d->bounds : IntRect{0, 0, 0, 0};
}
// A floating window placed off the screen (a position remembered from
// another screen, or damaged) is brought back where a user can reach it.
void SetBoundsRect(DialogRef dialog, const IntRect* bounds) {
    DlgDialog* d = DlgFind(dialog);
    if (!d || !bounds) return;
    d->bounds = *bounds;
    if (!d->modal) {
        const IntRect on = KeptOnScreen(*bounds, DlgScreen());
        if (on.left != bounds->left || on.top != bounds->top) {
            HostLog("drawhost: dialog '" + d->name + "' placed at (" + std::to_string(bounds->left) + ", " +
                    std::to_string(bounds->top) + ") lies off the screen; moved to (" + std::to_string(on.left) +
                    ", " + std::to_string(on.top) + ")");
            d->bounds = on;
        }
    }
    d->invalid = true;
}

void SetText(DialogRef dialog, const char* title) {
    if (DlgDialog* d = DlgFind(dialog)) d->title = Str(title);
}
void GetText(DialogRef dialog, char* buffer, int32_t size) {
    DlgDialog* d = DlgFind(dialog);
    CopyTextOut(d ? d->title : std::string(), buffer, size);
}

void Invalidate(DialogRef dialog) {
    if (DlgDialog* d = DlgFind(dialog)) d->invalid = true;
}
void Update(DialogRef dialog) {
    if (DlgFind(dialog)) DlgRedrawDialog(DlgHandleOf(dialog));
}

void* GetUserData(DialogRef dialog) {
    DlgDialog* d = DlgFind(dialog);
    return d ? d->userData : nullptr;
}
void SetUserData(DialogRef dialog, void* userData) {
    if (DlgDialog* d = DlgFind(dialog)) d->userData = userData;
}

void SetIcon(DialogRef dialog, int32_t which, IconRef icon) {
    DlgDialog* d = DlgFind(dialog);
    DlgIcon* i = DlgFind(icon);
    if (d && i && which >= 0 && which < 2) d->iconIds[which] = i->resourceId;
}

void SendNotify(DialogRef dialog, const char* type) {
    if (type && DlgFind(dialog)) DlgNotifyDialog(DlgHandleOf(dialog), type);
}

const DlgDialogSuite kDialogSuite = {
    Create,      Modal,        EndModal,   Destroy,       SetDrawProc,   SetNotifyProc, SetDestroyProc,
    DefaultDraw, DefaultNotify, GetItem,   Show,          IsVisible,     GetBoundsRect, SetBoundsRect,
    SetText,     GetText,      Invalidate, Update,        GetUserData,   SetUserData,   SetIcon,
    SendNotify,
};
SuiteRegistrar dialogSuite(kDlgDialogSuiteName, kDlgDialogSuiteVersion, &kDialogSuite);

HostErr GetDialogGroupInfo(DialogRef dialog, char* groupName, int32_t size, int32_t* dockCode) {
    DlgDialog* d = DlgFind(dialog);
    if (!d) return kErrBadHandle;
    CopyTextOut(d->groupName, groupName, size);
    if (dockCode) *dockCode = d->dockCode;
    return kNoErr;
}

HostErr SetDialogGroupInfo(DialogRef dialog, const char* groupName, int32_t dockCode) {
    DlgDialog* d = DlgFind(dialog);
    if (!d) return kErrBadHandle;
    if (dockCode < 0 || dockCode > kDockCodeMax) {
        HostLog("drawhost: dialog '" + d->name + "': dock code " + std::to_string(dockCode) +
                " is not one of the host's; refused");
        return kErrBadParameter;
    }
    d->groupName = Str(groupName);
    d->dockCode = dockCode;
    return kNoErr;
}

const DlgGroupSuite kGroupSuite = {GetDialogGroupInfo, SetDialogGroupInfo};
SuiteRegistrar groupSuite(kDlgGroupSuiteName, kDlgGroupSuiteVersion, &kGroupSuite);

}  // namespace

}  // namespace drawhost
