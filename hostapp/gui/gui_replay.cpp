// `drawhost gui --replay SCRIPT`: a session script played in the window.
// The user's lines become GDK events put on the display's queue, which the
// window handles as it handles a person's hands:
//   move, down, drag, up, click      pointer events over the canvas
//   key                              key presses and releases on the window
//   tool, tool-options               a click, a double click in the toolbox
//   press, check, track              pointer events over the dialog's item
//   step                             the wheel over the item
//   item                             a click in the field, then its text and Return
//   close                            the window manager's close request
// `menu` and `choose` activate the menu entry the window built for them.
// Every other line (start, open, layer, zoom, snapshot...) runs as under
// `drawhost run`. The next line waits until the window has handled every
// event of the last one; a modal dialog takes the lines that follow, as it
// does under scripts.
#include <deque>
#include <memory>
#include <functional>

#include "app/app_state.h"
#include "app/toolbox.h"
#include "dialogs/dialog_manager.h"
#include "frame/host.h"
#include "frame/input_rules.h"
#include "frame/script.h"
#include "gui/gui_state.h"
#include "platform.h"

namespace drawhost {

namespace {

struct Replay {
    std::string path;
    std::vector<std::string> lines;
    std::unique_ptr<ScriptRunner> runner;
    size_t next = 0;                               // the next line to read
    size_t current = 0;                            // the line whose steps are running
    std::deque<std::function<void()>> steps;       // what is left of the current line
};

Replay& TheReplay() {
    static Replay replay;
    return replay;
}

GdkDevice* Pointer() { return gdk_seat_get_pointer(gdk_display_get_default_seat(gdk_display_get_default())); }
GdkDevice* Keyboard() { return gdk_seat_get_keyboard(gdk_display_get_default_seat(gdk_display_get_default())); }

GdkWindow* WindowOf(GtkWidget* widget) {
    GdkWindow* w = widget ? gtk_widget_get_window(widget) : nullptr;
    if (!w) throw ScriptError("the window to replay into is not shown");
    return w;
}

void Put(GdkEvent* e, GdkDevice* device) {
    gdk_event_set_device(e, device);
    gdk_display_put_event(gdk_display_get_default(), e);
    gdk_event_free(e);
}

}  // namespace

void GuiPutButton(GtkWidget* widget, GdkEventType type, double x, double y, guint state) {
    GdkEvent* e = gdk_event_new(type);
    e->button.window = GDK_WINDOW(g_object_ref(WindowOf(widget)));
    e->button.time = static_cast<guint32>(g_get_monotonic_time() / 1000);
    e->button.x = x;
    e->button.y = y;
    e->button.state = state;
    e->button.button = 1;
    Put(e, Pointer());
}

void GuiPutMotion(GtkWidget* widget, double x, double y, guint state) {
    GdkEvent* e = gdk_event_new(GDK_MOTION_NOTIFY);
    e->motion.window = GDK_WINDOW(g_object_ref(WindowOf(widget)));
    e->motion.time = static_cast<guint32>(g_get_monotonic_time() / 1000);
    e->motion.x = x;
    e->motion.y = y;
    e->motion.state = state;
    Put(e, Pointer());
}

void GuiPutScroll(GtkWidget* widget, double x, double y, bool up, guint state) {
    GdkEvent* e = gdk_event_new(GDK_SCROLL);
    e->scroll.window = GDK_WINDOW(g_object_ref(WindowOf(widget)));
    e->scroll.time = static_cast<guint32>(g_get_monotonic_time() / 1000);
    e->scroll.x = x;
    e->scroll.y = y;
    e->scroll.state = state;
    e->scroll.direction = up ? GDK_SCROLL_UP : GDK_SCROLL_DOWN;
    Put(e, Pointer());
}

void GuiPutKey(GtkWidget* window, guint keyval, bool press) {
    GdkEvent* e = gdk_event_new(press ? GDK_KEY_PRESS : GDK_KEY_RELEASE);
    e->key.window = GDK_WINDOW(g_object_ref(WindowOf(window)));
    e->key.time = static_cast<guint32>(g_get_monotonic_time() / 1000);
    e->key.keyval = keyval;
    // Key bindings (Return in a field) are looked up by the key's code, as the display reports it.
    GdkKeymapKey* keys = nullptr;
    gint count = 0;
    if (gdk_keymap_get_entries_for_keyval(gdk_keymap_get_for_display(gdk_display_get_default()), keyval, &keys,
                                          &count) &&
        count > 0) {
        e->key.hardware_keycode = static_cast<guint16>(keys[0].keycode);
        e->key.group = static_cast<guint8>(keys[0].group);
    }
    g_free(keys);
    Put(e, Keyboard());
}

void GuiPutDelete(GtkWidget* window) {
    GdkEvent* e = gdk_event_new(GDK_DELETE);
    e->any.window = GDK_WINDOW(g_object_ref(WindowOf(window)));
    gdk_display_put_event(gdk_display_get_default(), e);
    gdk_event_free(e);
}

namespace {

void Fail(const std::string& message) {
    GuiState& gui = TheGui();
    if (gui.failure.empty()) gui.failure = TheReplay().path + ":" + std::to_string(TheReplay().current + 1) + ": " + message;
    GuiQuit();
}

guint ButtonState(bool down) { return down ? GDK_BUTTON1_MASK : 0; }

// The script's modifier bits as the pointer's state.
guint StateOf(int32_t mods) {
    guint s = 0;
    if (mods & kTrackModShift) s |= GDK_SHIFT_MASK;
    if (mods & kTrackModControl) s |= GDK_CONTROL_MASK;
    if (mods & kTrackModOption) s |= GDK_MOD1_MASK;
    return s;
}

void Canvas(const ScriptArgs& a, std::initializer_list<GdkEventType> events) {
    a.Expect(2);
    HostCheckInputAllowed(a.Command());
    double x, y;
    GuiCanvasFromArtwork({a.Coordinate(0), a.Coordinate(1)}, &x, &y);
    GtkWidget* canvas = TheGui().canvas;
    for (GdkEventType type : events) {
        if (type == GDK_MOTION_NOTIFY) GuiPutMotion(canvas, x, y, ButtonState(TheApp().buttonDown));
        else GuiPutButton(canvas, type, x, y, ButtonState(type == GDK_BUTTON_RELEASE));
    }
}

DlgDialog& DialogArg(const ScriptArgs& a) {
    DlgDialog* d = DlgDialogByName(a.Str(0));
    if (!d) throw ScriptError("no dialog named '" + a.Str(0) + "'");
    return *d;
}

DlgItem& ItemArg(const ScriptArgs& a) {
    DlgDialog& d = DialogArg(a);
    int id = a.Str(1) == "flyout" ? kDlgFlyoutMenuItemID : a.Int(1);
    DlgItem* item = DlgItemById(d, id);
    if (!item) throw ScriptError("dialog '" + d.name + "' has no item " + std::to_string(id));
    return *item;
}

// The drawing area of the item's dialog window, shown now.
GtkWidget* AreaOf(const DlgItem& item) {
    GuiDialogsSync();
    auto it = TheGui().dialogs.find(item.dialog);
    if (it == TheGui().dialogs.end()) throw ScriptError("the dialog of item " + std::to_string(item.id) + " is not shown");
    return it->second.area;
}

void Centre(const DlgItem& item, double* x, double* y) {
    *x = (item.bounds.left + item.bounds.right) / 2;
    *y = (item.bounds.top + item.bounds.bottom) / 2;
}

void Click(const DlgItem& item, guint state) {
    double x, y;
    Centre(item, &x, &y);
    GtkWidget* area = AreaOf(item);
    GuiPutButton(area, GDK_BUTTON_PRESS, x, y, state);
    GuiPutButton(area, GDK_BUTTON_RELEASE, x, y, state | GDK_BUTTON1_MASK);
}

// The steps of one line; an empty list when the runner takes the line.
std::deque<std::function<void()>> Steps(const ScriptArgs& a) {
    const std::string& c = a.Command();
    std::deque<std::function<void()>> steps;
    if (TheHost().quitting) throw ScriptError("'" + c + "' after quit");
    if (c == "move") Canvas(a, {GDK_MOTION_NOTIFY});
    else if (c == "down") Canvas(a, {GDK_BUTTON_PRESS});
    else if (c == "drag") Canvas(a, {GDK_MOTION_NOTIFY});
    else if (c == "up") Canvas(a, {GDK_BUTTON_RELEASE});
    else if (c == "click") Canvas(a, {GDK_BUTTON_PRESS, GDK_BUTTON_RELEASE});
    else if (c == "key") {
        a.Expect(2);
        static const std::pair<const char*, guint> kKeys[] = {
            {"shift", GDK_KEY_Shift_L}, {"alt", GDK_KEY_Alt_L}, {"ctrl", GDK_KEY_Control_L}, {"space", GDK_KEY_space},
            {"up", GDK_KEY_Up},         {"down", GDK_KEY_Down}, {"left", GDK_KEY_Left},      {"right", GDK_KEY_Right}};
        guint keyval = 0;
        for (auto& [name, value] : kKeys)
            if (a.Str(0) == name) keyval = value;
        if (!keyval) throw ScriptError("unknown key '" + a.Str(0) + "'");
        if (a.Str(1) != "down" && a.Str(1) != "up") throw ScriptError("expected down or up, not '" + a.Str(1) + "'");
        GuiPutKey(TheGui().window, keyval, a.Str(1) == "down");
    } else if (c == "tool" || c == "tool-options") {
        a.Expect(1);
        int tool = ToolboxFind(a.Str(0));
        if (tool < 0) throw ScriptError("no tool titled '" + a.Str(0) + "'");
        HostCheckInputAllowed(c);
        IntPoint at = ToolboxToolCentre(tool);
        GtkWidget* box = TheGui().toolbox;
        GuiPutButton(box, GDK_BUTTON_PRESS, at.h, at.v, 0);
        if (c == "tool-options") GuiPutButton(box, GDK_2BUTTON_PRESS, at.h, at.v, 0);
        GuiPutButton(box, GDK_BUTTON_RELEASE, at.h, at.v, GDK_BUTTON1_MASK);
    } else if (c == "menu") {
        a.Expect(1);
        HostCheckInputAllowed(c);
        auto it = TheGui().menuByText.find(a.Str(0));
        if (it == TheGui().menuByText.end()) throw ScriptError("no menu item '" + a.Str(0) + "'");
        GtkWidget* item = it->second;
        steps.push_back([item] { gtk_menu_item_activate(GTK_MENU_ITEM(item)); });
    } else if (c == "press") {
        a.Expect(2, 3);
        int32_t mods = a.Count() == 3 ? a.Int(2) : 0;
        Click(ItemArg(a), StateOf(mods));
    } else if (c == "check") {
        a.Expect(3);
        DlgItem& item = ItemArg(a);
        if (item.boolean != a.OnOff(2)) Click(item, 0);
    } else if (c == "choose") {
        a.Expect(3);
        DlgHandle item = ItemArg(a).handle;
        std::string entry = a.Str(2);
        steps.push_back([item, entry] { GuiDialogChoose(item, entry); });
    } else if (c == "item") {
        a.Expect(3);
        DlgItem& item = ItemArg(a);
        DlgHandle h = item.handle, dialog = item.dialog;
        Click(item, 0);
        std::string text = a.Str(2);
        steps.push_back([h, dialog, text] {
            auto it = TheGui().dialogs.find(dialog);
            if (it == TheGui().dialogs.end() || !it->second.entry || it->second.entryItem != h)
                throw ScriptError("the field did not open for typing");
            gtk_entry_set_text(GTK_ENTRY(it->second.entry), text.c_str());
            g_signal_emit_by_name(it->second.entry, "activate");
        });
    } else if (c == "step") {
        a.Expect(3, 4);
        DlgItem& item = ItemArg(a);
        double x, y;
        Centre(item, &x, &y);
        GuiPutScroll(AreaOf(item), x, y, a.Str(2) == "up", a.Count() == 4 ? GDK_SHIFT_MASK : 0);
    } else if (c == "track") {
        a.Expect(5, 6);
        DlgItem& item = ItemArg(a);
        GtkWidget* area = AreaOf(item);
        double x = item.bounds.left + a.Int(3), y = item.bounds.top + a.Int(4);
        guint state = StateOf(a.Count() == 6 ? a.Int(5) : 0);
        const std::string& action = a.Str(2);
        if (action == "down") GuiPutButton(area, GDK_BUTTON_PRESS, x, y, state);
        else if (action == "up") GuiPutButton(area, GDK_BUTTON_RELEASE, x, y, state | GDK_BUTTON1_MASK);
        else if (action == "drag") GuiPutMotion(area, x, y, state | GDK_BUTTON1_MASK);
        else if (action == "move") GuiPutMotion(area, x, y, state);
        else throw ScriptError("expected down, drag, up or move, not '" + action + "'");
    } else if (c == "close") {
        a.Expect(1);
        GuiDialogsSync();
        auto it = TheGui().dialogs.find(DialogArg(a).handle);
        if (it == TheGui().dialogs.end()) throw ScriptError("dialog '" + a.Str(0) + "' is not shown");
        GuiPutDelete(it->second.window);
    } else {
        // Not the user's hands: the runner carries the line out.
        size_t line = TheReplay().current;
        steps.push_back([line] {
            ScriptRunner& runner = *TheReplay().runner;
            runner.Seek(line);
            if (!runner.RunNextLine() && runner.Failed()) {
                TheGui().failure = runner.Error();
                GuiQuit();
            }
        });
    }
    return steps;
}

// Time for the windows to be mapped and drawn before the screen is pictured.
constexpr guint kSettleMs = 400;

gboolean TakeScreenshot(gpointer) {
    std::string error;
    if (!GuiScreenshot(TheGui().screenshot, &error)) {
        TheGui().failure = "--screenshot: " + error;
        GuiQuit();
        return G_SOURCE_REMOVE;
    }
    HostLog("screenshot " + TheGui().screenshot);
    GuiCloseAsUser();
    return G_SOURCE_REMOVE;
}

// One step at a time, and only once the window has handled every event put
// on the queue before it.
gboolean Tick(gpointer) {
    Replay& r = TheReplay();
    GuiState& gui = TheGui();
    if (gui.quitting) return G_SOURCE_REMOVE;
    try {
        while (r.steps.empty()) {
            if (r.next >= r.lines.size()) {
                if (!gui.screenshot.empty()) {
                    // Once the windows have drawn what the script left: the picture, then the window closes.
                    g_timeout_add(kSettleMs, TakeScreenshot, nullptr);
                    return G_SOURCE_REMOVE;
                }
                // The end of the script: a modal dialog still open is abandoned, as under `drawhost run`.
                GuiQuit();
                return G_SOURCE_REMOVE;
            }
            r.current = r.next++;
            std::vector<std::string> words;
            std::string error;
            if (!ScriptSplit(r.lines[r.current], &words, &error)) throw ScriptError(error);
            if (words.empty()) continue;
            std::string name = words[0];
            words.erase(words.begin());
            r.steps = Steps(ScriptArgs(name, std::move(words)));
            // The line's events, if any, are handled before its next step.
            GuiAfterInput();
            return G_SOURCE_CONTINUE;
        }
        std::function<void()> step = std::move(r.steps.front());
        r.steps.pop_front();
        step();
        GuiAfterInput();
    } catch (const ScriptError& e) {
        Fail(e.what());
        return G_SOURCE_REMOVE;
    }
    return G_SOURCE_CONTINUE;
}

}  // namespace

void GuiReplayStart(const std::string& scriptPath, std::vector<std::string> lines) {
    Replay& r = TheReplay();
    r = Replay{};
    r.path = scriptPath;
    r.runner = std::make_unique<ScriptRunner>(scriptPath, lines);
    // Editors that save "UTF-8 with BOM" put one before the first command.
    if (!lines.empty() && lines[0].rfind("\xEF\xBB\xBF", 0) == 0) lines[0].erase(0, 3);
    r.lines = std::move(lines);
    TheGui().replaying = true;
    // Below the window's own work (events, layout, drawing): a step runs
    // only once the previous one is handled. It may run inside a modal
    // dialog's loop started by a step before it.
    GSource* source = g_idle_source_new();
    g_source_set_priority(source, G_PRIORITY_LOW);
    g_source_set_callback(source, Tick, nullptr, nullptr);
    g_source_set_can_recurse(source, TRUE);
    g_source_attach(source, nullptr);
    g_source_unref(source);
}

}  // namespace drawhost
