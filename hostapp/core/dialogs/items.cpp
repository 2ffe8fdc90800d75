// Items: their kinds, values, focus, notification, tracking and redraw.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "dialogs/dialog_manager.h"
#include "dialogs/number_text.h"

namespace drawhost {

namespace {

struct KindName {
    ItemKind kind;
    const char* name;
};

const KindName kKinds[] = {
    {ItemKind::TextStatic, kItemTextStatic},
    {ItemKind::TextStaticMultiLine, kItemTextStaticMultiLine},
    {ItemKind::PictureStatic, kItemPictureStatic},
    {ItemKind::PicturePushButton, kItemPicturePushButton},
    {ItemKind::PictureRadioButton, kItemPictureRadioButton},
    {ItemKind::TextPushButton, kItemTextPushButton},
    {ItemKind::TextCheckBox, kItemTextCheckBox},
    {ItemKind::SpinEdit, kItemSpinEdit},
    {ItemKind::SpinEditPopup, kItemSpinEditPopup},
    {ItemKind::PopupList, kItemPopupList},
    {ItemKind::Slider, kItemSlider},
    {ItemKind::TextEdit, kItemTextEdit},
    {ItemKind::Flyout, "flyout"},
};

DlgItem* FindItem(DlgHandle h) { return TheDlgState().items.Find(h); }
DlgDialog* DialogOf(const DlgItem& item) { return TheDlgState().dialogs.Find(item.dialog); }

int32_t MaskOf(int32_t action) {
    switch (action) {
    case kTrackButtonDown: return kTrackMaskButtonDown;
    case kTrackDrag: return kTrackMaskDrag;
    case kTrackButtonUp: return kTrackMaskButtonUp;
    case kTrackMove: return kTrackMaskMove;
    default: return 0;
    }
}

bool TakesText(ItemKind k) {
    return k == ItemKind::TextEdit || k == ItemKind::SpinEdit || k == ItemKind::SpinEditPopup;
}

// Radio buttons made one after another form a group: choosing one clears the others.
void ChooseRadio(DlgItem& item) {
    DlgDialog* d = DialogOf(item);
    if (!d) return;
    auto self = std::find(d->items.begin(), d->items.end(), &item);
    if (self == d->items.end()) return;
    for (auto it = self; it != d->items.end() && (*it)->kind == ItemKind::PictureRadioButton; ++it)
        (*it)->boolean = false;
    for (auto it = self; (*it)->kind == ItemKind::PictureRadioButton; --it) {
        (*it)->boolean = false;
        if (it == d->items.begin()) break;
    }
    item.boolean = true;
}

}  // namespace

bool DlgKindFromName(const char* typeName, ItemKind* kind) {
    if (!typeName) return false;
    for (const KindName& k : kKinds)
        if (k.kind != ItemKind::Flyout && std::strcmp(k.name, typeName) == 0) {
            *kind = k.kind;
            return true;
        }
    return false;
}

const char* DlgKindName(ItemKind kind) {
    for (const KindName& k : kKinds)
        if (k.kind == kind) return k.name;
    return "?";
}

ValueKind DlgValueKindOf(ItemKind kind) {
    switch (kind) {
    case ItemKind::PictureStatic:
    case ItemKind::PicturePushButton:
    case ItemKind::PictureRadioButton:
    case ItemKind::TextPushButton:
    case ItemKind::TextCheckBox: return ValueKind::Boolean;
    case ItemKind::PopupList:
    case ItemKind::Flyout: return ValueKind::Choice;
    default: return ValueKind::Number;
    }
}

DlgItem* DlgCreateItem(DlgDialog& dialog, int32_t itemId, ItemKind kind, const IntRect& bounds) {
    if (dialog.itemsById.count(itemId)) return nullptr;   // ids name items: no two alike
    DlgState& s = TheDlgState();
    auto rec = std::make_unique<DlgItem>();
    rec->handle = DlgNewHandle();
    rec->dialog = dialog.handle;
    rec->id = itemId;
    rec->kind = kind;
    rec->typeName = DlgKindName(kind);
    rec->bounds = bounds;
    DlgItem& item = *s.items.Add(std::move(rec));
    dialog.items.push_back(&item);
    dialog.itemsById[itemId] = &item;
    switch (kind) {
    case ItemKind::SpinEdit:
    case ItemKind::SpinEditPopup:
        item.numeric = true;
        break;
    case ItemKind::Slider:
        item.numeric = true;
        item.minValue = 0;
        item.maxValue = 100;
        item.hasMin = item.hasMax = true;
        break;
    default:
        break;
    }
    if (kind == ItemKind::PopupList || kind == ItemKind::SpinEditPopup || kind == ItemKind::Flyout)
        DlgNewList(item);
    DlgReformat(item);
    return &item;
}

void DlgDestroyItem(DlgHandle h) {
    DlgState& s = TheDlgState();
    DlgItem* item = FindItem(h);
    if (!item) return;
    if (DlgDialog* d = DialogOf(*item)) {
        d->items.erase(std::remove(d->items.begin(), d->items.end(), item), d->items.end());
        d->itemsById.erase(item->id);
        if (d->focus == h) d->focus = 0;
    }
    if (item->list) DlgDeleteList(item->list);
    s.items.Remove(h);
}

// ---- values ----

void DlgSetBoolean(DlgItem& item, bool value) {
    switch (DlgValueKindOf(item.kind)) {
    case ValueKind::Boolean: item.boolean = value; break;
    case ValueKind::Number: DlgSetNumber(item, value ? 1.0f : 0.0f, true); break;
    case ValueKind::Choice: break;
    }
    item.invalid = true;
}

bool DlgGetBoolean(const DlgItem& item) {
    switch (DlgValueKindOf(item.kind)) {
    case ValueKind::Boolean: return item.boolean;
    case ValueKind::Number: return item.number != 0;
    case ValueKind::Choice: break;
    }
    const DlgList* list = DlgListOf(item);
    return list && DlgActiveEntry(*list);
}

void DlgSetNumber(DlgItem& item, float value, bool integral) {
    item.invalid = true;
    switch (DlgValueKindOf(item.kind)) {
    case ValueKind::Boolean:
        item.boolean = value != 0;
        return;
    case ValueKind::Choice:
        // A popup's value is the position of its selected entry.
        if (DlgList* list = DlgListOf(item)) {
            for (DlgEntry* e : list->entries) e->selected = false;
            if (value >= 0 && value < float(list->entries.size())) list->entries[size_t(value)]->selected = true;
        }
        return;
    case ValueKind::Number:
        item.number = value;
        item.integral = integral;
        item.numeric = true;
        DlgReformat(item);
        return;
    }
}

float DlgGetNumber(const DlgItem& item) {
    switch (DlgValueKindOf(item.kind)) {
    case ValueKind::Boolean: return item.boolean ? 1.0f : 0.0f;
    case ValueKind::Number: return item.number;
    case ValueKind::Choice: break;
    }
    const DlgList* list = DlgListOf(item);
    const DlgEntry* e = list ? DlgActiveEntry(*list) : nullptr;
    return e ? float(DlgEntryIndex(*e)) : -1.0f;
}

void DlgSetItemText(DlgItem& item, const std::string& text) {
    item.text = text;
    item.invalid = true;
    // A numeric field keeps its number in step with what it shows.
    float v;
    if (DlgValueKindOf(item.kind) == ValueKind::Number && item.numeric && DlgTextToValue(text, item.units, &v))
        item.number = v;
}

std::string DlgGetItemText(const DlgItem& item) {
    if (DlgValueKindOf(item.kind) != ValueKind::Choice) return item.text;
    const DlgList* list = DlgListOf(item);
    const DlgEntry* e = list ? DlgActiveEntry(*list) : nullptr;
    return e ? e->text : std::string();
}

void DlgReformat(DlgItem& item) {
    if (DlgValueKindOf(item.kind) != ValueKind::Number || !item.numeric) return;
    item.text = DlgValueToText(item.number, item.units, item.integral ? 0 : item.precision);
    item.invalid = true;
}

float DlgClamp(const DlgItem& item, float value) { return std::min(std::max(value, item.minValue), item.maxValue); }

void DlgSetFocus(DlgItem& item, bool focus) {
    DlgDialog* d = DialogOf(item);
    if (!d) return;
    if (focus) {
        if (DlgItem* old = TheDlgState().items.Find(d->focus)) {
            old->textSelected = false;
            old->invalid = true;
        }
        d->focus = item.handle;
        item.textSelected = true;
    } else if (d->focus == item.handle) {
        d->focus = 0;
        item.textSelected = false;
    }
    item.invalid = true;
}

// ---- notification ----

void DlgNotifyItem(DlgHandle h, const char* type) {
    DlgItem* item = FindItem(h);
    if (!item) return;
    if (!item->notify) {
        DlgDefaultItemNotify(h, type);
        return;
    }
    DlgDialog* d = DialogOf(*item);
    PluginRef plugin = d ? d->plugin : nullptr;
    if (!DlgCanCall(plugin)) return;
    DlgState& s = TheDlgState();
    auto n = std::make_unique<DlgNotifier>();
    n->handle = DlgNewHandle();
    n->type = type;
    n->item = h;
    n->dialog = item->dialog;
    DlgHandle nh = n->handle;
    s.notifiers.Add(std::move(n));
    {
        DlgCallScope scope(plugin);
        item->notify(DlgRef(*item), DlgRefOf<DlgNotifierRef>(nh));
    }
    s.notifiers.Remove(nh);
}

// In a modal dialog the push buttons 1 (OK) and 2 (Cancel) end the dialog
// with their own id; nothing else has a default action.
void DlgDefaultItemNotify(DlgHandle h, const char* type) {
    DlgItem* item = FindItem(h);
    if (!item || std::strcmp(type, kNotifyUserChanged) != 0) return;
    bool pushButton = item->kind == ItemKind::TextPushButton || item->kind == ItemKind::PicturePushButton;
    if (!pushButton || (item->id != kDlgOKItemID && item->id != kDlgCancelItemID)) return;
    DlgDialog* d = DialogOf(*item);
    if (d && d->modal && d->running) DlgEndModal(d->handle, item->id);
}

// ---- tracking ----

void DlgTrackItem(DlgHandle h, int32_t action, IntPoint point, int32_t modifiers) {
    DlgItem* item = FindItem(h);
    if (!item || !(item->mask & MaskOf(action))) return;
    if (action == kTrackButtonDown)
        item->trackAborted = false;
    else if (item->trackAborted && action != kTrackMove)
        return;

    bool notify = false;
    if (!item->track) {
        notify = DlgDefaultTrack(h, action, point);
    } else {
        DlgDialog* d = DialogOf(*item);
        PluginRef plugin = d ? d->plugin : nullptr;
        if (!DlgCanCall(plugin)) return;
        DlgState& s = TheDlgState();
        auto t = std::make_unique<DlgTracker>();
        t->handle = DlgNewHandle();
        t->item = h;
        t->point = point;
        t->action = action;
        t->modifiers = modifiers;
        DlgHandle th = t->handle;
        s.trackers.Add(std::move(t));
        {
            DlgCallScope scope(plugin);
            notify = item->track(DlgRef(*item), DlgRefOf<TrackerRef>(th)) != 0;
        }
        s.trackers.Remove(th);
    }
    if (notify) DlgNotifyItem(h, kNotifyUserChanged);
}

// A button-down in a field takes the focus; a button-up inside a button,
// check box or clickable picture acts and asks for a notification.
bool DlgDefaultTrack(DlgHandle h, int32_t action, IntPoint point) {
    DlgItem* item = FindItem(h);
    if (!item) return false;
    if (action == kTrackButtonDown) {
        if (TakesText(item->kind)) DlgSetFocus(*item, true);
        return false;
    }
    if (action != kTrackButtonUp) return false;
    int32_t w = item->bounds.right - item->bounds.left, ht = item->bounds.bottom - item->bounds.top;
    if (point.h < 0 || point.v < 0 || point.h >= w || point.v >= ht) return false;   // released outside
    item->invalid = true;
    switch (item->kind) {
    case ItemKind::TextCheckBox:
        item->boolean = !item->boolean;
        return true;
    case ItemKind::PictureRadioButton:
        ChooseRadio(*item);
        return true;
    case ItemKind::PicturePushButton:
    case ItemKind::TextPushButton:
    case ItemKind::PictureStatic:
        return true;
    default:
        return false;
    }
}

// ---- drawing ----

void DlgRedrawItem(DlgHandle h) {
    DlgItem* item = FindItem(h);
    if (!item) return;
    item->drawn.ops.clear();
    item->invalid = false;
    IntRect local = {0, 0, item->bounds.right - item->bounds.left, item->bounds.bottom - item->bounds.top};
    DlgDrawer* drawer = DlgNewDrawer(DlgDrawer::Target::Item, h, local, item->font, true);
    DlgHandle dh = drawer->handle;
    if (!item->draw) {
        DlgDefaultItemDraw(*item, *drawer);
    } else {
        DlgDialog* d = DialogOf(*item);
        PluginRef plugin = d ? d->plugin : nullptr;
        if (DlgCanCall(plugin)) {
            DlgCallScope scope(plugin);
            item->draw(DlgRef(*item), DlgRefOf<DrawerRef>(dh));
        }
    }
    DlgDeleteDrawer(dh);
}

}  // namespace drawhost
