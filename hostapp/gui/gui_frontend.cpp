// What the plug-in shows or plays besides its dialogs: alerts as message
// windows, beeps as the display's bell, its cursors over the canvas, the
// info line in the status bar. The log records them as under scripts.
//
// An alert window does not block: the plug-in raised it in the middle of a
// message, and a nested loop there would hand it mouse events before that
// message returns; nor does it grab the pointer, which would keep input
// from the other windows (the replay's among them).
#include <cairo.h>

#include "dialogs/cursors.h"
#include "dialogs/images.h"
#include "frame/host.h"
#include "gui/gui_state.h"
#include "util/files.h"

namespace drawhost {

namespace {

void ShowMessage(GtkMessageType type, const std::string& text) {
    GuiState& gui = TheGui();
    GtkWidget* box = gtk_message_dialog_new(gui.window ? GTK_WINDOW(gui.window) : nullptr,
                                            GTK_DIALOG_DESTROY_WITH_PARENT, type, GTK_BUTTONS_OK, "%s", text.c_str());
    g_signal_connect(box, "response", G_CALLBACK(gtk_widget_destroy), nullptr);
    gtk_widget_show_all(box);
}

void Alert(bool error, const std::string& text) { ShowMessage(error ? GTK_MESSAGE_ERROR : GTK_MESSAGE_INFO, text); }

void Beep(int, int) {
    if (GdkDisplay* display = gdk_display_get_default()) gdk_display_beep(display);
}

// The cursor's PNG at its hotspot; the pointer's usual arrow for the host's
// cursor (0) and for a cursor the plug-in does not have.
void Cursor(PluginRef plugin, int32_t id) {
    GuiState& gui = TheGui();
    GdkWindow* window = gui.canvas ? gtk_widget_get_window(gui.canvas) : nullptr;
    if (!window) return;
    DlgCursor c;
    cairo_surface_t* image = id != 0 && DlgFindCursor(plugin, id, &c) ? DlgImageSurface(c.path) : nullptr;
    GdkCursor* cursor = image ? gdk_cursor_new_from_surface(gdk_window_get_display(window), image, c.hotX, c.hotY)
                              : nullptr;
    gdk_window_set_cursor(window, cursor);
    if (cursor) g_object_unref(cursor);
}

void Info(const std::string& text) {
    if (GtkWidget* status = TheGui().status) gtk_label_set_text(GTK_LABEL(status), text.c_str());
}

gboolean CollectPng(const gchar* bytes, gsize count, GError**, gpointer data) {
    static_cast<std::string*>(data)->append(bytes, count);
    return TRUE;
}

}  // namespace

bool GuiScreenshot(const std::string& path, std::string* error) {
    GdkWindow* root = gdk_get_default_root_window();
    GdkPixbuf* picture = root ? gdk_pixbuf_get_from_window(root, 0, 0, gdk_window_get_width(root),
                                                           gdk_window_get_height(root))
                              : nullptr;
    if (!picture) {
        *error = "the screen could not be read";
        return false;
    }
    std::string bytes;
    GError* failure = nullptr;
    bool encoded = gdk_pixbuf_save_to_callback(picture, CollectPng, &bytes, "png", &failure, nullptr);
    g_object_unref(picture);
    if (!encoded) {
        *error = std::string("the picture could not be encoded: ") + (failure ? failure->message : "?");
        if (failure) g_error_free(failure);
        return false;
    }
    return WriteFileAtomically(path, bytes, error);
}

void GuiShowError(const std::string& text) { ShowMessage(GTK_MESSAGE_ERROR, text); }

void GuiFrontEndInstall() {
    HostFrontEnd& f = TheHost().frontEnd;
    f.alert = Alert;
    f.beep = Beep;
    f.cursor = Cursor;
    f.info = Info;
}

}  // namespace drawhost
