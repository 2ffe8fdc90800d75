// The dialog manager's records and its one state record.
//
// Every handle the dialog manager gives a plug-in (dialog, item, list, entry,
// drawer, tracker, notifier, icon, port) is a serial number, never a pointer
// and never reused: a stale or foreign handle simply fails the lookup in the
// registry of its kind, so no call ever dereferences what a plug-in passed.
#pragma once
#include <cfloat>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "dialogs/display_list.h"
#include "sdk_all.h"

namespace drawhost {

using DlgHandle = uintptr_t;

// Owns the records of one kind and finds them by handle without allocating.
template <class T>
class DlgRegistry {
public:
    T* Find(DlgHandle h) const {
        auto it = records_.find(h);
        return it == records_.end() ? nullptr : it->second.get();
    }
    // Files the record under its own handle.
    T* Add(std::unique_ptr<T> record) {
        T* raw = record.get();
        records_[raw->handle] = std::move(record);
        return raw;
    }
    void Remove(DlgHandle h) { records_.erase(h); }
    void Clear() { records_.clear(); }
    size_t Size() const { return records_.size(); }

private:
    std::unordered_map<DlgHandle, std::unique_ptr<T>> records_;
};

enum class ItemKind {
    TextStatic, TextStaticMultiLine, PictureStatic, PicturePushButton, PictureRadioButton,
    TextPushButton, TextCheckBox, SpinEdit, SpinEditPopup, PopupList, Slider, TextEdit,
    Flyout   // the dialog's own menu, item kDlgFlyoutMenuItemID
};

// How an item's value reads: an on/off state, a number (shown as text), or
// the selected entry of its list.
enum class ValueKind { Boolean, Number, Choice };

struct DlgEntry {
    DlgHandle handle = 0;
    DlgHandle list = 0;
    int32_t id = 0;
    std::string text;
    bool enabled = true;
    bool checked = false;
    bool selected = false;   // at most one per list
    bool separator = false;
};

struct DlgList {
    DlgHandle handle = 0;
    DlgHandle item = 0;
    std::vector<DlgEntry*> entries;   // in order; the records live in the entry registry
};

struct DlgItem {
    DlgHandle handle = 0;
    DlgHandle dialog = 0;
    int32_t id = 0;
    ItemKind kind = ItemKind::TextStatic;
    std::string typeName;
    IntRect bounds = {0, 0, 0, 0};   // dialog coordinates

    // --- procedures and data of the plug-in ---
    ItemDrawProc draw = nullptr;
    ItemTrackProc track = nullptr;
    ItemNotifyProc notify = nullptr;
    void* userData = nullptr;
    int32_t mask = kTrackMaskDefault;

    // --- state ---
    bool visible = true;
    bool enabled = true;
    bool textSelected = false;   // all of its text selected when it took the focus
    bool invalid = true;         // to be redrawn
    bool trackAborted = false;   // the gesture in progress was aborted: wait for the next button-down

    // --- look ---
    int32_t picture = 0, selectedPicture = 0, disabledPicture = 0;
    std::string tip;
    int32_t font = kFontDefault;
    int32_t justify = kJustifyLeft;

    // --- value ---
    bool boolean = false;        // ValueKind::Boolean
    float number = 0;            // ValueKind::Number, in points for lengths
    bool numeric = false;        // the plug-in gave it a number, a range or units: text follows the number
    bool integral = false;       // last set as an integer: shown without decimals, user entries rounded
    std::string text;
    int32_t units = kUnitsNone;
    int32_t precision = 2;
    float minValue = -FLT_MAX, maxValue = FLT_MAX;
    bool hasMin = false, hasMax = false;
    float smallStep = 1, largeStep = 10;
    DlgHandle list = 0;          // popups, spin-edit popups and the flyout

    DisplayList drawn;           // item coordinates
};

struct DlgDialog {
    DlgHandle handle = 0;
    PluginRef plugin = nullptr;  // null for dialogs the host's own code makes (tests)
    std::string name;
    int32_t resourceId = 0;
    int32_t style = kDlgModalStyle;
    int32_t options = 0;

    // --- procedures and data of the plug-in ---
    DialogDrawProc draw = nullptr;
    DialogNotifyProc notify = nullptr;
    DialogDestroyProc destroy = nullptr;
    void* userData = nullptr;

    // --- window ---
    std::string title;
    IntRect bounds = {0, 0, 0, 0};   // screen coordinates
    bool visible = false;
    bool invalid = true;
    bool destroying = false;         // its destroy procedure is running
    int32_t iconIds[2] = {0, 0};     // resource ids of the icons set on it
    std::string groupName;           // docking group, kept for the plug-in
    int32_t dockCode = 0;

    // --- items ---
    std::vector<DlgItem*> items;                       // creation order; records in the item registry
    std::unordered_map<int32_t, DlgItem*> itemsById;   // the most frequent lookup
    DlgHandle focus = 0;                               // item with the keyboard focus

    // --- modal run ---
    bool modal = false;
    bool running = false;
    bool ended = false;
    int32_t result = 0;

    DisplayList drawn;               // dialog coordinates
};

struct DlgDrawer {
    DlgHandle handle = 0;
    enum class Target { Dialog, Item, Port } target = Target::Port;
    DlgHandle owner = 0;             // dialog, item or port
    bool hostOwned = false;          // made for a draw procedure: the plug-in may not destroy it
    IntPoint origin = {0, 0};        // drawer coordinates + origin = target coordinates
    IntRect clip = {0, 0, 0, 0};     // target coordinates
    Rgb8 color = {0, 0, 0};
    int32_t font = kFontDefault;
};

struct DlgTracker {
    DlgHandle handle = 0;
    DlgHandle item = 0;
    IntPoint point = {0, 0};         // item coordinates
    int32_t action = 0;
    int32_t modifiers = 0;
};

struct DlgNotifier {
    DlgHandle handle = 0;
    std::string type;
    DlgHandle item = 0;
    DlgHandle dialog = 0;
};

struct DlgIcon {
    DlgHandle handle = 0;
    int32_t resourceId = 0;
    int32_t index = 0;
    std::string path;                // empty when the resource is missing
    int32_t type = kIconUnknown;
    int32_t width = 0, height = 0;
};

struct DlgPort {
    DlgHandle handle = 0;
    DisplayList drawn;               // port (view) coordinates
};

struct DlgState {
    // --- handles ---
    DlgHandle nextHandle = 0x1000;   // one sequence for every kind

    // --- records by kind ---
    DlgRegistry<DlgDialog> dialogs;
    DlgRegistry<DlgItem> items;
    DlgRegistry<DlgList> lists;
    DlgRegistry<DlgEntry> entries;
    DlgRegistry<DlgDrawer> drawers;
    DlgRegistry<DlgTracker> trackers;     // live only during a track procedure call
    DlgRegistry<DlgNotifier> notifiers;   // live only during a notify procedure call
    DlgRegistry<DlgIcon> icons;
    DlgRegistry<DlgPort> ports;
    std::vector<DlgHandle> dialogOrder;   // creation order: names resolve to the newest, dumps list the oldest first

    // --- modal dialogs ---
    std::vector<DlgHandle> modalStack;    // innermost last; only it takes user input
    bool modalAbandoned = false;          // the input ran out while a modal dialog was open
    std::string abandonedName;
};

DlgState& TheDlgState();
DlgHandle DlgNewHandle();

template <class Ref>
DlgHandle DlgHandleOf(Ref ref) { return reinterpret_cast<DlgHandle>(ref); }
template <class Ref>
Ref DlgRefOf(DlgHandle h) { return reinterpret_cast<Ref>(h); }

// Lookups by handle: null for anything not handed out or already gone.
inline DlgDialog* DlgFind(DialogRef r) { return TheDlgState().dialogs.Find(DlgHandleOf(r)); }
inline DlgItem* DlgFind(ItemRef r) { return TheDlgState().items.Find(DlgHandleOf(r)); }
inline DlgList* DlgFind(ListRef r) { return TheDlgState().lists.Find(DlgHandleOf(r)); }
inline DlgEntry* DlgFind(EntryRef r) { return TheDlgState().entries.Find(DlgHandleOf(r)); }
inline DlgDrawer* DlgFind(DrawerRef r) { return TheDlgState().drawers.Find(DlgHandleOf(r)); }
inline DlgTracker* DlgFind(TrackerRef r) { return TheDlgState().trackers.Find(DlgHandleOf(r)); }
inline DlgNotifier* DlgFind(DlgNotifierRef r) { return TheDlgState().notifiers.Find(DlgHandleOf(r)); }
inline DlgIcon* DlgFind(IconRef r) { return TheDlgState().icons.Find(DlgHandleOf(r)); }
inline DlgPort* DlgFind(PortRef r) { return TheDlgState().ports.Find(DlgHandleOf(r)); }

inline DialogRef DlgRef(const DlgDialog& d) { return DlgRefOf<DialogRef>(d.handle); }
inline ItemRef DlgRef(const DlgItem& i) { return DlgRefOf<ItemRef>(i.handle); }
inline ListRef DlgRef(const DlgList& l) { return DlgRefOf<ListRef>(l.handle); }
inline EntryRef DlgRef(const DlgEntry& e) { return DlgRefOf<EntryRef>(e.handle); }

}  // namespace drawhost
