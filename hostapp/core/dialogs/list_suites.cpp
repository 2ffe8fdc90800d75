// "ADM List Suite" and "ADM Entry Suite".
#include "util/copy_out.h"
#include "dialogs/dialog_manager.h"

namespace drawhost {

namespace {

EntryRef RefOrNull(DlgEntry* e) { return e ? DlgRef(*e) : nullptr; }

EntryRef IndexEntry(ListRef list, int32_t index) {
    DlgList* l = DlgFind(list);
    if (!l || index < 0 || size_t(index) >= l->entries.size()) return nullptr;
    return DlgRef(*l->entries[size_t(index)]);
}

EntryRef FindEntry(ListRef list, int32_t entryId) {
    if (DlgList* l = DlgFind(list))
        for (DlgEntry* e : l->entries)
            if (e->id == entryId) return DlgRef(*e);
    return nullptr;
}

EntryRef InsertEntry(ListRef list, int32_t index) {
    DlgList* l = DlgFind(list);
    return l ? DlgRef(*DlgInsertEntry(*l, index)) : nullptr;
}

void RemoveEntry(ListRef list, int32_t index) {
    if (DlgList* l = DlgFind(list)) DlgRemoveEntry(*l, index);
}

int32_t NumberOfEntries(ListRef list) {
    DlgList* l = DlgFind(list);
    return l ? int32_t(l->entries.size()) : 0;
}

EntryRef GetActiveEntry(ListRef list) {
    DlgList* l = DlgFind(list);
    return l ? RefOrNull(DlgActiveEntry(*l)) : nullptr;
}

HostErr SetMenuID(ListRef list, PluginRef plugin, int32_t menuResId) {
    DlgList* l = DlgFind(list);
    if (!l) return kErrBadHandle;
    return DlgLoadMenu(*l, plugin, menuResId);
}

const DlgListSuite kListSuite = {IndexEntry,      FindEntry,      InsertEntry, RemoveEntry,
                                 NumberOfEntries, GetActiveEntry, SetMenuID};
SuiteRegistrar listSuite(kDlgListSuiteName, kDlgListSuiteVersion, &kListSuite);

// Calls `f` on the entry when the handle names one, and marks its item for redraw.
template <class F>
void With(EntryRef ref, F f) {
    DlgEntry* e = DlgFind(ref);
    if (!e) return;
    f(*e);
    if (DlgList* l = TheDlgState().lists.Find(e->list))
        if (DlgItem* item = TheDlgState().items.Find(l->item)) item->invalid = true;
}

int32_t GetID(EntryRef entry) {
    DlgEntry* e = DlgFind(entry);
    return e ? e->id : 0;
}
void SetID(EntryRef entry, int32_t id) { With(entry, [&](DlgEntry& e) { e.id = id; }); }
int32_t GetIndex(EntryRef entry) {
    DlgEntry* e = DlgFind(entry);
    return e ? DlgEntryIndex(*e) : -1;
}
ListRef GetList(EntryRef entry) {
    DlgEntry* e = DlgFind(entry);
    return e ? DlgRefOf<ListRef>(e->list) : nullptr;
}
void SetText(EntryRef entry, const char* text) { With(entry, [&](DlgEntry& e) { e.text = text ? text : ""; }); }
void GetText(EntryRef entry, char* buffer, int32_t size) {
    DlgEntry* e = DlgFind(entry);
    CopyTextOut(e ? e->text : std::string(), buffer, size);
}
void Enable(EntryRef entry, HostBool enable) { With(entry, [&](DlgEntry& e) { e.enabled = enable != 0; }); }
HostBool IsEnabled(EntryRef entry) {
    DlgEntry* e = DlgFind(entry);
    return e && e->enabled;
}
void Check(EntryRef entry, HostBool check) { With(entry, [&](DlgEntry& e) { e.checked = check != 0; }); }
HostBool IsChecked(EntryRef entry) {
    DlgEntry* e = DlgFind(entry);
    return e && e->checked;
}
void Select(EntryRef entry, HostBool select) { With(entry, [&](DlgEntry& e) { DlgSelectEntry(e, select != 0); }); }
HostBool IsSelected(EntryRef entry) {
    DlgEntry* e = DlgFind(entry);
    return e && e->selected;
}
void MakeSeparator(EntryRef entry, HostBool separator) {
    With(entry, [&](DlgEntry& e) { e.separator = separator != 0; });
}
HostBool IsSeparator(EntryRef entry) {
    DlgEntry* e = DlgFind(entry);
    return e && e->separator;
}

const DlgEntrySuite kEntrySuite = {GetID,  SetID,     GetIndex, GetList,    SetText,       GetText,    Enable,
                                   IsEnabled, Check,  IsChecked, Select,    IsSelected,    MakeSeparator, IsSeparator};
SuiteRegistrar entrySuite(kDlgEntrySuiteName, kDlgEntrySuiteVersion, &kEntrySuite);

}  // namespace

}  // namespace drawhost
