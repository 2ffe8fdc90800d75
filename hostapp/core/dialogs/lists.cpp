// Lists and entries of popups, spin-edit popups and flyout menus.
#include <algorithm>

#include "dialogs/dialog_manager.h"
#include "frame/resources.h"

namespace drawhost {

namespace {

// A change of a list shows in its item.
void Touch(const DlgList& list) {
    if (DlgItem* item = TheDlgState().items.Find(list.item)) item->invalid = true;
}

}  // namespace

DlgList* DlgNewList(DlgItem& item) {
    auto rec = std::make_unique<DlgList>();
    rec->handle = DlgNewHandle();
    rec->item = item.handle;
    item.list = rec->handle;
    return TheDlgState().lists.Add(std::move(rec));
}

void DlgDeleteList(DlgHandle h) {
    DlgState& s = TheDlgState();
    DlgList* list = s.lists.Find(h);
    if (!list) return;
    for (DlgEntry* e : list->entries) s.entries.Remove(e->handle);
    s.lists.Remove(h);
}

DlgList* DlgListOf(const DlgItem& item) { return TheDlgState().lists.Find(item.list); }

DlgEntry* DlgInsertEntry(DlgList& list, int32_t index) {
    auto rec = std::make_unique<DlgEntry>();
    rec->handle = DlgNewHandle();
    rec->list = list.handle;
    DlgEntry* entry = TheDlgState().entries.Add(std::move(rec));
    size_t at = index < 0 ? list.entries.size() : std::min(size_t(index), list.entries.size());
    list.entries.insert(list.entries.begin() + ptrdiff_t(at), entry);
    Touch(list);
    return entry;
}

void DlgRemoveEntry(DlgList& list, int32_t index) {
    if (index < 0 || size_t(index) >= list.entries.size()) return;
    DlgHandle h = list.entries[size_t(index)]->handle;
    list.entries.erase(list.entries.begin() + index);
    TheDlgState().entries.Remove(h);
    Touch(list);
}

int32_t DlgEntryIndex(const DlgEntry& entry) {
    const DlgList* list = TheDlgState().lists.Find(entry.list);
    if (!list) return -1;
    auto it = std::find(list->entries.begin(), list->entries.end(), &entry);
    return it == list->entries.end() ? -1 : int32_t(it - list->entries.begin());
}

DlgEntry* DlgActiveEntry(const DlgList& list) {
    for (DlgEntry* e : list.entries)
        if (e->selected) return e;
    return nullptr;
}

void DlgSelectEntry(DlgEntry& entry, bool select) {
    DlgList* list = TheDlgState().lists.Find(entry.list);
    if (select && list)
        for (DlgEntry* e : list->entries) e->selected = false;
    entry.selected = select;
    if (list) Touch(*list);
}

HostErr DlgLoadMenu(DlgList& list, PluginRef plugin, int32_t menuId) {
    LoadedPlugin* p = HostPluginOf(plugin);
    if (!p) return kErrBadHandle;
    std::vector<MenuResourceEntry> menu;
    std::string error;
    if (!HostLoadMenuResource(*p, menuId, &menu, &error)) return kErrNotFound;
    while (!list.entries.empty()) DlgRemoveEntry(list, int32_t(list.entries.size()) - 1);
    for (const MenuResourceEntry& m : menu) {
        DlgEntry* e = DlgInsertEntry(list, -1);
        e->id = m.id;
        e->text = m.text;
        e->separator = m.separator;
    }
    return kNoErr;
}

}  // namespace drawhost
