// The toolbox beside the canvas: the host's tools and the plug-ins' tools
// with their icons, drawn as the toolbox picture is. A click selects a tool
// (the script's `tool`), a double click opens its options (`tool-options`).
#include "app/app_state.h"
#include "app/tool_events.h"
#include "app/toolbox.h"
#include "frame/input_rules.h"
#include "frame/script.h"
#include "gui/gui_state.h"

namespace drawhost {

namespace {

gboolean OnDraw(GtkWidget*, cairo_t* cr, gpointer) {
    ToolboxPaint(cr);
    return TRUE;
}

gboolean OnPress(GtkWidget*, GdkEventButton* e, gpointer) {
    if (e->button != 1) return TRUE;
    int tool = ToolboxToolAt(e->x, e->y);
    if (tool < 0) return TRUE;
    bool twice = e->type == GDK_2BUTTON_PRESS;
    if (!twice && e->type != GDK_BUTTON_PRESS) return TRUE;
    try {
        HostCheckInputAllowed(twice ? "tool-options" : "tool");
    } catch (const ScriptError&) {
        return TRUE;
    }
    if (twice) {
        ToolboxEditOptions(tool);
    } else if (!TheApp().buttonDown) {
        ToolboxSelect(tool);
        EventsAfterMessage();
    }
    GuiAfterInput();
    return TRUE;
}

}  // namespace

GtkWidget* GuiToolboxNew() {
    GtkWidget* box = gtk_drawing_area_new();
    gtk_widget_add_events(box, GDK_BUTTON_PRESS_MASK);
    g_signal_connect(box, "draw", G_CALLBACK(OnDraw), nullptr);
    g_signal_connect(box, "button-press-event", G_CALLBACK(OnPress), nullptr);
    IntPoint size = ToolboxPictureSize();
    gtk_widget_set_size_request(box, size.h, size.v);
    TheGui().toolbox = box;
    return box;
}

}  // namespace drawhost
