// The plug-ins' dialogs as windows: each drawn from the dialog manager's
// model by the snapshot's renderer, and the user's hands turned into the
// dialog manager's user actions, as the script's dialog lines are:
//   button down, drags and up in an item   track (a press is a down and an up)
//   a click in a popup, a choice in its menu   choose
//   a click in a field, typing, Return     item (Escape leaves the value)
//   the wheel over a spin edit             step (Shift: the large step)
//   the right button                       the dialog's flyout menu
//   the close box                          close
// A refused action (the item disabled, the dialog behind a modal one)
// changes nothing, as the script's line would.
#include <set>

#include "dialogs/dialog_manager.h"
#include "frame/host.h"
#include "gui/gui_state.h"

namespace drawhost {

namespace {

constexpr int kPopupArrowWidth = 16;   // the part of a spin-edit popup that opens its list

DlgDialog* DialogOf(GtkWidget* w) {
    return TheDlgState().dialogs.Find(reinterpret_cast<uintptr_t>(g_object_get_data(G_OBJECT(w), "drawhost-dialog")));
}

int32_t Modifiers(guint state) {
    int32_t m = 0;
    if (state & GDK_SHIFT_MASK) m |= kTrackModShift;
    if (state & GDK_CONTROL_MASK) m |= kTrackModControl;
    if (state & GDK_MOD1_MASK) m |= kTrackModOption;
    return m;
}

// The topmost visible item under a point of the dialog.
DlgItem* ItemAt(const DlgDialog& d, double x, double y) {
    for (auto it = d.items.rbegin(); it != d.items.rend(); ++it) {
        const DlgItem* item = *it;
        if (!item->visible || item->kind == ItemKind::Flyout) continue;
        const IntRect& b = item->bounds;
        if (x >= b.left && x < b.right && y >= b.top && y < b.bottom) return const_cast<DlgItem*>(item);
    }
    return nullptr;
}

IntPoint InItem(const DlgItem& item, double x, double y) {
    return {static_cast<int32_t>(x) - item.bounds.left, static_cast<int32_t>(y) - item.bounds.top};
}

void OnChoice(GtkMenuItem* w, gpointer) {
    uintptr_t item = reinterpret_cast<uintptr_t>(g_object_get_data(G_OBJECT(w), "drawhost-item"));
    int index = GPOINTER_TO_INT(g_object_get_data(G_OBJECT(w), "drawhost-entry"));
    GuiDialogChoose(item, "@" + std::to_string(index));
}

void PopUpList(DlgItem& item, GdkEvent* trigger) {
    DlgList* list = DlgListOf(item);
    if (!list || list->entries.empty()) return;
    GtkWidget* menu = gtk_menu_new();
    for (size_t i = 0; i < list->entries.size(); ++i) {
        const DlgEntry& e = *list->entries[i];
        GtkWidget* w;
        if (e.separator) {
            w = gtk_separator_menu_item_new();
        } else {
            w = e.checked || e.selected ? gtk_check_menu_item_new_with_label(e.text.c_str())
                                         : gtk_menu_item_new_with_label(e.text.c_str());
            if (GTK_IS_CHECK_MENU_ITEM(w)) gtk_check_menu_item_set_active(GTK_CHECK_MENU_ITEM(w), TRUE);
            gtk_widget_set_sensitive(w, e.enabled);
            g_object_set_data(G_OBJECT(w), "drawhost-item", reinterpret_cast<gpointer>(item.handle));
            g_object_set_data(G_OBJECT(w), "drawhost-entry", GINT_TO_POINTER(static_cast<int>(i)));
            g_signal_connect(w, "activate", G_CALLBACK(OnChoice), nullptr);
        }
        gtk_menu_shell_append(GTK_MENU_SHELL(menu), w);
    }
    gtk_widget_show_all(menu);
    g_signal_connect(menu, "deactivate", G_CALLBACK(gtk_widget_destroy), nullptr);
    gtk_menu_popup_at_pointer(GTK_MENU(menu), trigger);
}

void CloseEntry(GuiDialogWindow& w, bool commit) {
    if (!w.entry) return;
    GtkWidget* entry = w.entry;
    uintptr_t item = w.entryItem;
    std::string text = gtk_entry_get_text(GTK_ENTRY(entry));
    w.entry = nullptr;   // before the action: it may close this window
    w.entryItem = 0;
    gtk_widget_destroy(entry);
    if (commit) GuiDialogEnter(item, text);
}

GuiDialogWindow* WindowOfEntry(GtkWidget* entry) {
    for (auto& [h, w] : TheGui().dialogs)
        if (w.entry == entry) return &w;
    return nullptr;
}

void OnEntryActivate(GtkEntry* entry, gpointer) {
    if (GuiDialogWindow* w = WindowOfEntry(GTK_WIDGET(entry))) CloseEntry(*w, true);
}

gboolean OnEntryKey(GtkWidget* entry, GdkEventKey* e, gpointer) {
    if (e->keyval != GDK_KEY_Escape) return FALSE;
    if (GuiDialogWindow* w = WindowOfEntry(entry)) CloseEntry(*w, false);
    return TRUE;
}

// A field over the item, holding its text, all of it selected. Return or a
// click elsewhere in the dialog keeps what was typed, Escape leaves the
// value; the keyboard's focus moving to another window does neither (a
// window can lose the focus without the user leaving the field).
void OpenEntry(GuiDialogWindow& w, const DlgItem& item) {
    CloseEntry(w, true);
    GtkWidget* entry = gtk_entry_new();
    gtk_entry_set_text(GTK_ENTRY(entry), DlgGetItemText(item).c_str());
    gtk_entry_set_has_frame(GTK_ENTRY(entry), FALSE);
    gtk_widget_set_size_request(entry, item.bounds.right - item.bounds.left, item.bounds.bottom - item.bounds.top);
    gtk_fixed_put(GTK_FIXED(gtk_widget_get_parent(w.area)), entry, item.bounds.left, item.bounds.top);
    g_signal_connect(entry, "activate", G_CALLBACK(OnEntryActivate), nullptr);
    g_signal_connect(entry, "key-press-event", G_CALLBACK(OnEntryKey), nullptr);
    w.entry = entry;
    w.entryItem = item.handle;
    gtk_widget_show(entry);
    gtk_widget_grab_focus(entry);
}

GuiDialogWindow* WindowOf(const DlgDialog& d) {
    auto it = TheGui().dialogs.find(d.handle);
    return it == TheGui().dialogs.end() ? nullptr : &it->second;
}

gboolean OnPress(GtkWidget* area, GdkEventButton* e, gpointer) {
    DlgDialog* d = DialogOf(area);
    GuiDialogWindow* w = d ? WindowOf(*d) : nullptr;
    if (!w || e->type != GDK_BUTTON_PRESS) return TRUE;
    CloseEntry(*w, true);
    if (!(d = DialogOf(area))) return TRUE;
    if (e->button == 3) {
        if (DlgItem* flyout = DlgItemById(*d, kDlgFlyoutMenuItemID)) PopUpList(*flyout, reinterpret_cast<GdkEvent*>(e));
        return TRUE;
    }
    if (e->button != 1) return TRUE;
    DlgItem* item = ItemAt(*d, e->x, e->y);
    if (!item || !item->enabled) return TRUE;
    switch (item->kind) {
    case ItemKind::PopupList:
        PopUpList(*item, reinterpret_cast<GdkEvent*>(e));
        return TRUE;
    case ItemKind::SpinEditPopup:
        if (e->x >= item->bounds.right - kPopupArrowWidth) {
            PopUpList(*item, reinterpret_cast<GdkEvent*>(e));
            return TRUE;
        }
        [[fallthrough]];
    case ItemKind::TextEdit:
    case ItemKind::SpinEdit:
        OpenEntry(*w, *item);
        return TRUE;
    default:
        break;
    }
    if (DlgUserTrack(item->handle, kTrackButtonDown, InItem(*item, e->x, e->y), Modifiers(e->state)).empty())
        if ((w = WindowOf(*d))) w->grabbedItem = item->handle;
    GuiAfterInput();
    return TRUE;
}

gboolean OnMotion(GtkWidget* area, GdkEventMotion* e, gpointer) {
    DlgDialog* d = DialogOf(area);
    GuiDialogWindow* w = d ? WindowOf(*d) : nullptr;
    if (!w) return TRUE;
    if (DlgItem* grabbed = TheDlgState().items.Find(w->grabbedItem)) {
        DlgUserTrack(grabbed->handle, kTrackDrag, InItem(*grabbed, e->x, e->y), Modifiers(e->state));
    } else if (DlgItem* item = ItemAt(*d, e->x, e->y)) {
        DlgUserTrack(item->handle, kTrackMove, InItem(*item, e->x, e->y), Modifiers(e->state));
    }
    GuiAfterInput();
    return TRUE;
}

gboolean OnRelease(GtkWidget* area, GdkEventButton* e, gpointer) {
    DlgDialog* d = DialogOf(area);
    GuiDialogWindow* w = d ? WindowOf(*d) : nullptr;
    if (!w || e->button != 1) return TRUE;
    uintptr_t grabbed = w->grabbedItem;
    w->grabbedItem = 0;
    if (DlgItem* item = TheDlgState().items.Find(grabbed))
        DlgUserTrack(item->handle, kTrackButtonUp, InItem(*item, e->x, e->y), Modifiers(e->state));
    GuiAfterInput();
    return TRUE;
}

gboolean OnScroll(GtkWidget* area, GdkEventScroll* e, gpointer) {
    DlgDialog* d = DialogOf(area);
    DlgItem* item = d ? ItemAt(*d, e->x, e->y) : nullptr;
    if (!item || (e->direction != GDK_SCROLL_UP && e->direction != GDK_SCROLL_DOWN)) return TRUE;
    DlgUserStep(item->handle, e->direction == GDK_SCROLL_UP, (e->state & GDK_SHIFT_MASK) != 0);
    GuiAfterInput();
    return TRUE;
}

gboolean OnDraw(GtkWidget* area, cairo_t* cr, gpointer) {
    if (const DlgDialog* d = DialogOf(area)) DlgRenderDialog(*d, cr);
    return TRUE;
}

gboolean OnDelete(GtkWidget* window, GdkEvent*, gpointer) {
    if (DlgDialog* d = DialogOf(window)) {
        if (GuiDialogWindow* w = WindowOf(*d)) CloseEntry(*w, false);
        if ((d = DialogOf(window))) DlgUserClose(d->handle);
    }
    GuiAfterInput();
    return TRUE;   // the dialog manager decides; the sync hides or drops the window
}

GuiDialogWindow MakeWindow(const DlgDialog& d) {
    GuiState& gui = TheGui();
    GuiDialogWindow w;
    w.window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gpointer key = reinterpret_cast<gpointer>(d.handle);
    g_object_set_data(G_OBJECT(w.window), "drawhost-dialog", key);
    gtk_window_set_resizable(GTK_WINDOW(w.window), FALSE);
    if (gui.window) gtk_window_set_transient_for(GTK_WINDOW(w.window), GTK_WINDOW(gui.window));
    // No GTK grab for a modal dialog: the host's own rules hold the other
    // windows back (as they hold back script lines), and the main window's
    // close box still reaches the session.
    gtk_window_set_type_hint(GTK_WINDOW(w.window),
                             d.modal ? GDK_WINDOW_TYPE_HINT_DIALOG : GDK_WINDOW_TYPE_HINT_UTILITY);
    // Where the plug-in placed it; one never placed goes over the main window's middle.
    if (d.bounds.right > d.bounds.left) gtk_window_move(GTK_WINDOW(w.window), d.bounds.left, d.bounds.top);
    else gtk_window_set_position(GTK_WINDOW(w.window), GTK_WIN_POS_CENTER_ON_PARENT);
    g_signal_connect(w.window, "delete-event", G_CALLBACK(OnDelete), nullptr);
    GuiKeysAttach(w.window);

    GtkWidget* fixed = gtk_fixed_new();
    gtk_container_add(GTK_CONTAINER(w.window), fixed);
    w.area = gtk_drawing_area_new();
    g_object_set_data(G_OBJECT(w.area), "drawhost-dialog", key);
    gtk_widget_add_events(w.area, GDK_BUTTON_PRESS_MASK | GDK_BUTTON_RELEASE_MASK | GDK_POINTER_MOTION_MASK |
                                      GDK_SCROLL_MASK);
    g_signal_connect(w.area, "draw", G_CALLBACK(OnDraw), nullptr);
    g_signal_connect(w.area, "button-press-event", G_CALLBACK(OnPress), nullptr);
    g_signal_connect(w.area, "button-release-event", G_CALLBACK(OnRelease), nullptr);
    g_signal_connect(w.area, "motion-notify-event", G_CALLBACK(OnMotion), nullptr);
    g_signal_connect(w.area, "scroll-event", G_CALLBACK(OnScroll), nullptr);
    gtk_fixed_put(GTK_FIXED(fixed), w.area, 0, 0);
    gtk_widget_show_all(fixed);
    return w;
}

}  // namespace

void GuiDialogChoose(uintptr_t item, const std::string& entry) {
    DlgUserChoose(item, entry);
    GuiAfterInput();
}

void GuiDialogEnter(uintptr_t item, const std::string& text) {
    std::string why = DlgUserEnter(item, text);
    if (!why.empty()) GuiShowError(why);
    GuiAfterInput();
}

void GuiDialogsSync() {
    GuiState& gui = TheGui();
    DlgRedrawInvalid();
    std::set<uintptr_t> live;
    for (DlgDialog* d : DlgDialogsInOrder()) {
        live.insert(d->handle);
        auto it = gui.dialogs.find(d->handle);
        if (!d->visible) {
            if (it != gui.dialogs.end()) {
                CloseEntry(it->second, false);
                gtk_widget_hide(it->second.window);
            }
            continue;
        }
        if (it == gui.dialogs.end()) it = gui.dialogs.emplace(d->handle, MakeWindow(*d)).first;
        GuiDialogWindow& w = it->second;
        IntPoint size = DlgRenderSize(*d);
        if (size.h != w.width || size.v != w.height) {
            gtk_widget_set_size_request(w.area, size.h, size.v);
            w.width = size.h;
            w.height = size.v;
        }
        const std::string& title = d->title.empty() ? d->name : d->title;
        gtk_window_set_title(GTK_WINDOW(w.window), title.c_str());
        if (!gtk_widget_get_visible(w.window)) gtk_widget_show(w.window);
        gtk_widget_queue_draw(w.area);
    }
    for (auto it = gui.dialogs.begin(); it != gui.dialogs.end();) {
        if (live.count(it->first)) {
            ++it;
            continue;
        }
        gtk_widget_destroy(it->second.window);
        it = gui.dialogs.erase(it);
    }
}

void GuiDialogsDestroyAll() {
    for (auto& [h, w] : TheGui().dialogs) gtk_widget_destroy(w.window);
    TheGui().dialogs.clear();
}

}  // namespace drawhost
