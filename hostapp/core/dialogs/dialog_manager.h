// The dialog manager's procedures: what the suites, the session commands and
// a window call. The model (records.h) knows nothing of how it is shown;
// drawing goes to display lists that a window or a snapshot rasterises.
//
// Procedures that call back into a plug-in take handles, not records: a
// procedure may destroy the very dialog or item it was called for, so every
// record is looked up again after a call.
#pragma once
#include <string>
#include <vector>

#include "dialogs/records.h"
#include "frame/host.h"

namespace drawhost {

// ---- calling plug-in procedures ----

// False for procedures of a plug-in that is no longer loaded: they are never called.
bool DlgCanCall(PluginRef plugin);

// Makes the dialog's plug-in the current one while one of its procedures runs.
class DlgCallScope {
public:
    explicit DlgCallScope(PluginRef plugin);
    ~DlgCallScope();
    DlgCallScope(const DlgCallScope&) = delete;
    DlgCallScope& operator=(const DlgCallScope&) = delete;

private:
    LoadedPlugin* outer_;
};

// ---- dialogs ----

// Makes a dialog and runs its init procedure; null (and nothing left behind)
// when the init procedure fails. Floating dialogs start hidden and own a
// flyout menu item.
DlgDialog* DlgCreateDialog(PluginRef plugin, const std::string& name, int32_t resourceId, int32_t style,
                           int32_t options, DialogInitProc init, void* userData);
// Creates a modal dialog, shows it and runs the host's modal loop until
// EndModal; then destroys it. Returns the EndModal result, -1 when init fails.
int32_t DlgRunModal(PluginRef plugin, const std::string& name, int32_t resourceId, int32_t style, int32_t options,
                    DialogInitProc init, void* userData);
void DlgEndModal(DlgHandle dialog, int32_t result);
// Calls the destroy procedure, then drops the dialog, its items and lists.
void DlgDestroyDialog(DlgHandle dialog);

DlgDialog* DlgTopModal();   // the innermost running modal dialog, or null
// By name, else by title; the newest dialog wins.
DlgDialog* DlgDialogByName(const std::string& nameOrTitle);
std::vector<DlgDialog*> DlgDialogsInOrder();
DlgItem* DlgItemById(const DlgDialog& dialog, int32_t itemId);   // no allocation

// Sends a notification to the dialog's notify procedure, or to the default
// handling when it has none.
void DlgNotifyDialog(DlgHandle dialog, const char* type);
// Default handling: the close box hides a floating dialog and cancels a modal one.
void DlgDefaultDialogNotify(DlgHandle dialog, const char* type);

// Runs the dialog's draw procedure (or the default background) and every
// visible item's into their display lists.
void DlgRedrawDialog(DlgHandle dialog);
void DlgDefaultDialogDraw(DlgDialog& dialog, DlgDrawer& drawer);
// Repaints what was invalidated since the last redraw (a window's idle work).
void DlgRedrawInvalid();

// The whole dialog (background, then visible items) onto `cr`, origin at the
// dialog's top-left; a PNG of it written whole or not at all.
void DlgRenderDialog(const DlgDialog& dialog, cairo_t* cr);
IntPoint DlgRenderSize(const DlgDialog& dialog);
bool DlgSnapshot(DlgHandle dialog, const std::string& path, std::string* error);

// True once a modal dialog was cancelled because the input ran out.
bool DlgModalAbandoned();

// ---- items ----

bool DlgKindFromName(const char* typeName, ItemKind* kind);
const char* DlgKindName(ItemKind kind);
ValueKind DlgValueKindOf(ItemKind kind);

DlgItem* DlgCreateItem(DlgDialog& dialog, int32_t itemId, ItemKind kind, const IntRect& bounds);
void DlgDestroyItem(DlgHandle item);

// Values as the plug-in sets and reads them (no clamping: the plug-in may set
// a value before the range that admits it).
void DlgSetBoolean(DlgItem& item, bool value);
bool DlgGetBoolean(const DlgItem& item);
void DlgSetNumber(DlgItem& item, float value, bool integral);
float DlgGetNumber(const DlgItem& item);
void DlgSetItemText(DlgItem& item, const std::string& text);
std::string DlgGetItemText(const DlgItem& item);
void DlgReformat(DlgItem& item);   // after units, precision or range change
void DlgSetFocus(DlgItem& item, bool focus);
float DlgClamp(const DlgItem& item, float value);

void DlgNotifyItem(DlgHandle item, const char* type);
void DlgDefaultItemNotify(DlgHandle item, const char* type);
// Delivers one mouse event (if the item's mask lets it through) to the
// track procedure or the default tracking, and notifies when they ask for it.
void DlgTrackItem(DlgHandle item, int32_t action, IntPoint point, int32_t modifiers);
bool DlgDefaultTrack(DlgHandle item, int32_t action, IntPoint point);

void DlgRedrawItem(DlgHandle item);
void DlgDefaultItemDraw(const DlgItem& item, DlgDrawer& drawer);

// ---- what a user does (a script line or a window) ----
// Each returns an empty string when done, else why it was refused; a refused
// action changes nothing.
std::string DlgUserEnter(DlgHandle item, const std::string& text);
std::string DlgUserPress(DlgHandle item, int32_t modifiers);
std::string DlgUserCheck(DlgHandle item, bool on);
std::string DlgUserChoose(DlgHandle item, const std::string& entry);
std::string DlgUserTrack(DlgHandle item, int32_t action, IntPoint point, int32_t modifiers);
std::string DlgUserStep(DlgHandle item, bool up, bool large);
std::string DlgUserClose(DlgHandle dialog);

// ---- lists and entries ----

DlgList* DlgNewList(DlgItem& item);
void DlgDeleteList(DlgHandle list);
DlgEntry* DlgInsertEntry(DlgList& list, int32_t index);
void DlgRemoveEntry(DlgList& list, int32_t index);
int32_t DlgEntryIndex(const DlgEntry& entry);
DlgEntry* DlgActiveEntry(const DlgList& list);
void DlgSelectEntry(DlgEntry& entry, bool select);
HostErr DlgLoadMenu(DlgList& list, PluginRef plugin, int32_t menuId);
DlgList* DlgListOf(const DlgItem& item);

// ---- drawers ----

DlgDrawer* DlgNewDrawer(DlgDrawer::Target target, DlgHandle owner, const IntRect& bounds, int32_t font,
                        bool hostOwned);
void DlgDeleteDrawer(DlgHandle drawer);
DisplayList* DlgDrawerList(const DlgDrawer& drawer);   // null once the owner is gone
// Operations in drawer coordinates.
void DlgDrawRect(DlgDrawer& drawer, OpKind kind, const IntRect& rect);
void DlgDrawLine(DlgDrawer& drawer, IntPoint a, IntPoint b);
void DlgDrawPolygon(DlgDrawer& drawer, OpKind kind, const IntPoint* points, int32_t count);
void DlgDrawText(DlgDrawer& drawer, const std::string& text, IntPoint baseline);
// An image of `width` x `height` at `topLeft`; an empty path draws the placeholder.
void DlgDrawImage(DlgDrawer& drawer, const std::string& path, int32_t resourceId, IntPoint topLeft,
                  int32_t width, int32_t height);

}  // namespace drawhost
