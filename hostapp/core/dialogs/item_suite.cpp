// "ADM Item Suite": thin wrappers over the item procedures; every handle is
// looked up first and calls on unknown ones do nothing or answer zero.
#include <climits>
#include <cmath>

#include "util/copy_out.h"
#include "dialogs/dialog_manager.h"
#include "frame/host.h"

namespace drawhost {

namespace {

// Calls `f` on the item when the handle names one.
template <class F>
void With(ItemRef ref, F f) {
    if (DlgItem* item = DlgFind(ref)) {
        f(*item);
        item->invalid = true;
    }
}

int32_t ToInt(float v) {
    if (std::isnan(v)) return 0;
    if (v >= 2147483647.0f) return INT32_MAX;
    if (v <= -2147483648.0f) return INT32_MIN;
    return int32_t(std::lround(v));
}

ItemRef Create(DialogRef dialog, int32_t itemId, const char* typeName, const IntRect* bounds, ItemInitProc init,
               void* userData) {
    DlgDialog* d = DlgFind(dialog);
    if (!d) return nullptr;
    ItemKind kind;
    if (!DlgKindFromName(typeName, &kind)) {
        HostLog("drawhost: dialog '" + d->name + "': item " + std::to_string(itemId) + " not made: no item type '" +
                (typeName ? typeName : "") + "'");
        return nullptr;
    }
    DlgItem* item = DlgCreateItem(*d, itemId, kind, bounds ? *bounds : IntRect{0, 0, 0, 0});
    if (!item) {
        HostLog("drawhost: dialog '" + d->name + "': item " + std::to_string(itemId) + " not made: the id is taken");
        return nullptr;
    }
    item->userData = userData;
    DlgHandle h = item->handle;
    if (init && DlgCanCall(d->plugin)) {
        HostErr err;
        {
            DlgCallScope scope(d->plugin);
            err = init(DlgRef(*item));
        }
        if (err != kNoErr) {
            DlgDestroyItem(h);
            return nullptr;
        }
    }
    return TheDlgState().items.Find(h) ? DlgRefOf<ItemRef>(h) : nullptr;
}

void Destroy(ItemRef item) {
    if (DlgItem* i = DlgFind(item); i && i->kind != ItemKind::Flyout) DlgDestroyItem(i->handle);
}

void SetDrawProc(ItemRef item, ItemDrawProc proc) { With(item, [&](DlgItem& i) { i.draw = proc; }); }
void SetTrackProc(ItemRef item, ItemTrackProc proc) { With(item, [&](DlgItem& i) { i.track = proc; }); }
void SetNotifyProc(ItemRef item, ItemNotifyProc proc) { With(item, [&](DlgItem& i) { i.notify = proc; }); }

void DefaultDraw(ItemRef item, DrawerRef drawer) {
    DlgItem* i = DlgFind(item);
    DlgDrawer* d = DlgFind(drawer);
    if (i && d) DlgDefaultItemDraw(*i, *d);
}

HostBool DefaultTrack(ItemRef item, TrackerRef tracker) {
    DlgTracker* t = DlgFind(tracker);
    if (!t || !DlgFind(item)) return 0;
    return DlgDefaultTrack(DlgHandleOf(item), t->action, t->point) ? 1 : 0;
}

void DefaultNotify(ItemRef item, DlgNotifierRef notifier) {
    DlgNotifier* n = DlgFind(notifier);
    if (n && DlgFind(item)) DlgDefaultItemNotify(DlgHandleOf(item), n->type.c_str());
}

void SetMask(ItemRef item, int32_t mask) { With(item, [&](DlgItem& i) { i.mask = mask; }); }

int32_t GetID(ItemRef item) {
    DlgItem* i = DlgFind(item);
    return i ? i->id : 0;
}
DialogRef GetDialog(ItemRef item) {
    DlgItem* i = DlgFind(item);
    return i ? DlgRefOf<DialogRef>(i->dialog) : nullptr;
}
ListRef GetList(ItemRef item) {
    DlgItem* i = DlgFind(item);
    return i && i->list ? DlgRefOf<ListRef>(i->list) : nullptr;
}

// A hidden or disabled item cannot keep the keyboard focus.
void DropFocus(DlgItem& item) {
    if (item.visible && item.enabled) return;
    DlgSetFocus(item, false);
}

void Show(ItemRef item, HostBool show) {
    With(item, [&](DlgItem& i) {
        i.visible = show != 0;
        DropFocus(i);
        // What lay under it shows again.
        if (DlgDialog* d = TheDlgState().dialogs.Find(i.dialog)) d->invalid = true;
    });
}
HostBool IsVisible(ItemRef item) {
    DlgItem* i = DlgFind(item);
    return i && i->visible;
}
void Enable(ItemRef item, HostBool enable) {
    With(item, [&](DlgItem& i) {
        i.enabled = enable != 0;
        DropFocus(i);
    });
}
HostBool IsEnabled(ItemRef item) {
    DlgItem* i = DlgFind(item);
    return i && i->enabled;
}
void Invalidate(ItemRef item) { With(item, [](DlgItem&) {}); }

void GetBoundsRect(ItemRef item, IntRect* bounds) {
    if (!bounds) return;
    DlgItem* i = DlgFind(item);
    *bounds = i ? i->bounds : IntRect{0, 0, 0, 0};
}
void SetBoundsRect(ItemRef item, const IntRect* bounds) {
    if (bounds) With(item, [&](DlgItem& i) { i.bounds = *bounds; });
}

void SetPictureID(ItemRef item, int32_t id) { With(item, [&](DlgItem& i) { i.picture = id; }); }
void SetSelectedPictureID(ItemRef item, int32_t id) { With(item, [&](DlgItem& i) { i.selectedPicture = id; }); }
void SetDisabledPictureID(ItemRef item, int32_t id) { With(item, [&](DlgItem& i) { i.disabledPicture = id; }); }
void SetTipString(ItemRef item, const char* tip) { With(item, [&](DlgItem& i) { i.tip = tip ? tip : ""; }); }
void SetFont(ItemRef item, int32_t font) { With(item, [&](DlgItem& i) { i.font = font; }); }
void SetJustify(ItemRef item, int32_t justify) { With(item, [&](DlgItem& i) { i.justify = justify; }); }
void SetUnits(ItemRef item, int32_t units) {
    With(item, [&](DlgItem& i) {
        i.units = units;
        DlgReformat(i);
    });
}
void SetPrecision(ItemRef item, int32_t precision) {
    With(item, [&](DlgItem& i) {
        i.precision = precision < 0 ? 0 : precision;
        DlgReformat(i);
    });
}

void SetText(ItemRef item, const char* text) { With(item, [&](DlgItem& i) { DlgSetItemText(i, text ? text : ""); }); }
void GetText(ItemRef item, char* buffer, int32_t size) {
    DlgItem* i = DlgFind(item);
    CopyTextOut(i ? DlgGetItemText(*i) : std::string(), buffer, size);
}

void SetBooleanValue(ItemRef item, HostBool value) { With(item, [&](DlgItem& i) { DlgSetBoolean(i, value != 0); }); }
HostBool GetBooleanValue(ItemRef item) {
    DlgItem* i = DlgFind(item);
    return i && DlgGetBoolean(*i);
}
void SetIntValue(ItemRef item, int32_t value) { With(item, [&](DlgItem& i) { DlgSetNumber(i, float(value), true); }); }
int32_t GetIntValue(ItemRef item) {
    DlgItem* i = DlgFind(item);
    return i ? ToInt(DlgGetNumber(*i)) : 0;
}
void SetFloatValue(ItemRef item, float value) { With(item, [&](DlgItem& i) { DlgSetNumber(i, value, false); }); }
float GetFloatValue(ItemRef item) {
    DlgItem* i = DlgFind(item);
    return i ? DlgGetNumber(*i) : 0.0f;
}

// A range makes a field numeric: what a user types there is read as a number.
void SetMinFloatValue(ItemRef item, float value) {
    With(item, [&](DlgItem& i) {
        i.minValue = value;
        i.hasMin = true;
        if (DlgValueKindOf(i.kind) == ValueKind::Number) i.numeric = true;
    });
}
void SetMaxFloatValue(ItemRef item, float value) {
    With(item, [&](DlgItem& i) {
        i.maxValue = value;
        i.hasMax = true;
        if (DlgValueKindOf(i.kind) == ValueKind::Number) i.numeric = true;
    });
}
void SetSmallIncrement(ItemRef item, float value) { With(item, [&](DlgItem& i) { i.smallStep = value; }); }
void SetLargeIncrement(ItemRef item, float value) { With(item, [&](DlgItem& i) { i.largeStep = value; }); }
float GetMinFloatValue(ItemRef item) {
    DlgItem* i = DlgFind(item);
    return i ? i->minValue : 0.0f;
}
float GetMaxFloatValue(ItemRef item) {
    DlgItem* i = DlgFind(item);
    return i ? i->maxValue : 0.0f;
}

void Activate(ItemRef item, HostBool activate) { With(item, [&](DlgItem& i) { DlgSetFocus(i, activate != 0); }); }
HostBool IsActive(ItemRef item) {
    DlgItem* i = DlgFind(item);
    DlgDialog* d = i ? TheDlgState().dialogs.Find(i->dialog) : nullptr;
    return d && d->focus == i->handle;
}

void* GetUserData(ItemRef item) {
    DlgItem* i = DlgFind(item);
    return i ? i->userData : nullptr;
}
void SetUserData(ItemRef item, void* userData) {
    if (DlgItem* i = DlgFind(item)) i->userData = userData;
}

const DlgItemSuite kSuite = {
    Create,           Destroy,          SetDrawProc,       SetTrackProc,         SetNotifyProc,
    DefaultDraw,      DefaultTrack,     DefaultNotify,     SetMask,              GetID,
    GetDialog,        GetList,          Show,              IsVisible,            Enable,
    IsEnabled,        Invalidate,       GetBoundsRect,     SetBoundsRect,        SetPictureID,
    SetSelectedPictureID, SetDisabledPictureID, SetTipString, SetFont,          SetJustify,
    SetUnits,         SetPrecision,     SetText,           GetText,              SetBooleanValue,
    GetBooleanValue,  SetIntValue,      GetIntValue,       SetFloatValue,        GetFloatValue,
    SetMinFloatValue, SetMaxFloatValue, SetSmallIncrement, SetLargeIncrement,    GetMinFloatValue,
    GetMaxFloatValue, Activate,         IsActive,          GetUserData,          SetUserData,
};
SuiteRegistrar registrar(kDlgItemSuiteName, kDlgItemSuiteVersion, &kSuite);

}  // namespace

}  // namespace drawhost
