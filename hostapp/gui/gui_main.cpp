// `drawhost gui`: the session's window. It sits on the session runner's
// core: the same options, files, plug-in start and end of session; the
// window only turns the user's hands into the calls the script's commands
// make.
#include <algorithm>
#include <cstdio>

#include "app/app_state.h"
#include "app/tool_events.h"
#include "app/toolbox.h"
#include "dialogs/dialog_manager.h"
#include "document/document.h"
#include "frame/host.h"
#include "frame/script.h"
#include "frame/session.h"
#include "gui/gui_state.h"

namespace drawhost {

namespace {

// Ends what a user left under way before the plug-ins are shut down: a
// gesture gets its mouse up where the pointer last was, and a modal dialog
// is cancelled by its close box, innermost first.
void FinishUserInput() {
    AppState& app = TheApp();
    while (const DlgDialog* top = DlgTopModal()) {
        DlgHandle h = top->handle;
        if (!DlgUserClose(h).empty()) break;
        if (DlgTopModal() && DlgTopModal()->handle == h) break;   // not closed: do not spin
    }
    if (app.buttonDown && TheHost().modalDepth == 0) {
        std::string why;
        EventsUp(app.cursor, &why);
    }
}

gboolean OnDelete(GtkWidget*, GdkEvent*, gpointer) {
    GuiCloseAsUser();
    return TRUE;   // the window goes with the session, not before
}

void BuildWindow() {
    GuiState& gui = TheGui();
    gui.window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_window_set_title(GTK_WINDOW(gui.window), "drawhost");
    // Room for the toolbox and the whole front view, as far as the screen allows.
    IntPoint toolbox = ToolboxPictureSize();
    int width = toolbox.h + kViewWidth, height = kViewHeight + 60;
    if (GdkMonitor* monitor = gdk_display_get_primary_monitor(gdk_display_get_default())) {
        GdkRectangle area;
        gdk_monitor_get_workarea(monitor, &area);
        width = std::min(width, area.width);
        height = std::min(height, area.height);
    }
    gtk_window_set_default_size(GTK_WINDOW(gui.window), width, height);
    g_signal_connect(gui.window, "delete-event", G_CALLBACK(OnDelete), nullptr);
    GuiKeysAttach(gui.window);

    GtkWidget* column = gtk_box_new(GTK_ORIENTATION_VERTICAL, 0);
    gtk_container_add(GTK_CONTAINER(gui.window), column);
    gtk_box_pack_start(GTK_BOX(column), GuiMenuBarNew(), FALSE, FALSE, 0);

    GtkWidget* row = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 0);
    gtk_box_pack_start(GTK_BOX(column), row, TRUE, TRUE, 0);
    GtkWidget* toolScroll = gtk_scrolled_window_new(nullptr, nullptr);
    gtk_scrolled_window_set_policy(GTK_SCROLLED_WINDOW(toolScroll), GTK_POLICY_NEVER, GTK_POLICY_AUTOMATIC);
    gtk_container_add(GTK_CONTAINER(toolScroll), GuiToolboxNew());
    gtk_box_pack_start(GTK_BOX(row), toolScroll, FALSE, FALSE, 0);
    gtk_box_pack_start(GTK_BOX(row), GuiCanvasNew(), TRUE, TRUE, 0);

    gui.status = gtk_label_new("");
    gtk_label_set_xalign(GTK_LABEL(gui.status), 0);
    gtk_widget_set_margin_start(gui.status, 6);
    gtk_box_pack_start(GTK_BOX(column), gui.status, FALSE, FALSE, 2);
    gtk_widget_show_all(gui.window);
}

// Input while a modal dialog runs: the window's events, one at a time,
// until the dialog ends or the window is closed.
bool ModalPump() {
    GuiState& gui = TheGui();
    if (gui.quitting) return false;
    GuiAfterInput();
    gtk_main_iteration_do(TRUE);
    return !gui.quitting || DlgTopModal() != nullptr;
}

void Say(const std::string& text) { std::fprintf(stderr, "drawhost: %s\n", text.c_str()); }

}  // namespace

GuiState& TheGui() {
    static GuiState gui;
    return gui;
}

int GuiOpen(const std::vector<std::string>& args) {
    std::vector<std::string> options;
    std::string replay, screenshot;
    for (size_t i = 1; i < args.size(); ++i) {
        if ((args[i] == "--replay" || args[i] == "--screenshot") && i + 1 < args.size()) {
            std::string& value = args[i] == "--replay" ? replay : screenshot;
            if (args[++i].empty()) {
                Say(args[i - 1] + " needs a file name, not an empty one");
                return 2;
            }
            value = args[i];
        } else {
            options.push_back(args[i]);
        }
    }
    if (!screenshot.empty() && replay.empty()) {
        Say("--screenshot pictures the end of a replay: give --replay SCRIPT too");
        return 2;
    }
    if (!gtk_init_check(nullptr, nullptr)) {
        Say("gui: no display to open a window on (is DISPLAY set?); "
            "sessions run without a window with `drawhost run SCRIPT`");
        return 2;
    }
    std::string content;
    if (int refused = SessionBegin("gui [--replay SCRIPT [--screenshot FILE.png]]", replay, options, &content))
        return refused;

    GuiState& gui = TheGui();
    gui.screenshot = screenshot;
    BuildWindow();
    GuiFrontEndInstall();
    TheHost().modalPump = ModalPump;
    if (replay.empty()) {
        try {
            SessionStart();
        } catch (const ScriptError& e) {
            gui.failure = e.what();
        }
        GuiAfterInput();
    } else {
        GuiReplayStart(replay, SessionSplitLines(content));
    }
    return 0;
}

int GuiClose() {
    GuiState& gui = TheGui();
    TheHost().modalPump = nullptr;
    TheHost().frontEnd = HostFrontEnd{};
    std::string failure = gui.failure;
    GuiDialogsDestroyAll();
    int exitCode = SessionEnd(failure);
    if (gui.window) gtk_widget_destroy(gui.window);
    if (gui.docSurface) cairo_surface_destroy(gui.docSurface);
    gui = GuiState{};
    while (gtk_events_pending()) gtk_main_iteration();
    return exitCode;
}

int GuiRun(const std::vector<std::string>& args) {
    if (int refused = GuiOpen(args)) return refused;
    if (TheGui().failure.empty()) gtk_main();
    return GuiClose();
}

void GuiCloseAsUser() {
    GuiState& gui = TheGui();
    if (gui.quitting) return;
    gui.quitting = true;
    FinishUserInput();
    GuiQuit();
}

void GuiQuit() {
    GuiState& gui = TheGui();
    gui.quitting = true;
    if (gtk_main_level() > 0) gtk_main_quit();
}

void GuiAfterInput() {
    GuiState& gui = TheGui();
    GuiDialogsSync();
    GuiMenusRefresh();
    if (gui.toolbox) {
        IntPoint size = ToolboxPictureSize();
        gtk_widget_set_size_request(gui.toolbox, size.h, size.v);
        gtk_widget_queue_draw(gui.toolbox);
    }
    GuiCanvasDamage();
}

}  // namespace drawhost
