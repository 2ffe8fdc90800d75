// The canvas: the front view drawn by the document's own renderer, the
// annotators' overlay over it, and the user's mouse and keys. The left
// button goes to the selected tool (track, down, drag, up, as the script's
// move/down/drag/up lines); the wheel zooms round the pointer; the middle
// button pans.
//
// The document is rendered into a surface kept until the document, the
// view or the widget's size changes: a drag that only moves the overlay
// repaints from that surface.
#include <algorithm>
#include <cmath>

#include "app/annotators.h"
#include "app/app_state.h"
#include "app/tool_events.h"
#include "document/document.h"
#include "document/document_output.h"
#include "document/view_suite.h"
#include "frame/host.h"
#include "frame/input_rules.h"
#include "frame/script.h"
#include "gui/gui_state.h"
#include "platform.h"

namespace drawhost {

namespace {

// One wheel notch zooms by this factor.
constexpr double kWheelZoom = 1.25;

bool SameView(int width, int height) {
    const GuiState& gui = TheGui();
    const FrontView& v = TheDocument().view;
    return gui.docSurface && !gui.docDirty && gui.docZoom == v.zoom && gui.docOriginH == v.origin.h &&
           gui.docOriginV == v.origin.v && gui.docWidth == width && gui.docHeight == height;
}

// Paths painted apart over the kept picture: at most this many before the
// picture is rendered again with them.
constexpr size_t kMaxLivePaths = 64;

std::vector<bool> LayerVisibility() {
    std::vector<bool> shown;
    for (const auto& layer : TheDocument().layers) shown.push_back(layer->visible);
    return shown;
}

// Renders the first `keep` paths of `order` (the paint order) into the
// kept picture; the others are painted over it at each frame.
void RenderDocument(int width, int height, const std::vector<const Art*>& order, size_t keep) {
    GuiState& gui = TheGui();
    gui.docKept.clear();
    gui.docLive.clear();
    for (size_t i = 0; i < order.size(); ++i) (i < keep ? gui.docKept : gui.docLive).push_back(order[i]->id);
    gui.docKeptSet = std::unordered_set<DocId>(gui.docKept.begin(), gui.docKept.end());
    gui.docLayersShown = LayerVisibility();
    if (gui.docSurface) cairo_surface_destroy(gui.docSurface);
    gui.docSurface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    cairo_t* cr = cairo_create(gui.docSurface);
    DocumentPaintViewWithout(cr, gui.docLive);
    cairo_destroy(cr);
    const FrontView& v = TheDocument().view;
    gui.docZoom = v.zoom;
    gui.docOriginH = v.origin.h;
    gui.docOriginV = v.origin.v;
    gui.docWidth = width;
    gui.docHeight = height;
    gui.docDirty = false;
    ++gui.docRenders;
}

// How many paths at the bottom of the paint order the kept picture still
// shows as they are: the same paths in the same order, up to the first one
// that changed; none when a group changed, the record of changes is lost or
// a layer was shown or hidden.
size_t PicturePartStillTrue(const std::vector<const Art*>& order) {
    const GuiState& gui = TheGui();
    std::vector<DocId> changed;
    bool structure = false;
    if (!DocumentArtsChangedSince(gui.docChange, &changed, &structure)) return 0;
    if (structure && LayerVisibility() != gui.docLayersShown) return 0;
    size_t holds = 0;
    while (holds < gui.docKept.size() && holds < order.size() && order[holds]->id == gui.docKept[holds]) ++holds;
    for (DocId id : changed) {
        const Art* art = DocumentArtById(id);
        if (art && art->kind != kArtPath) return 0;
        if (!gui.docKeptSet.count(id)) continue;
        for (size_t i = 0; i < holds; ++i)
            if (order[i]->id == id) holds = i;
    }
    return holds;
}

// Brings the kept picture up to date. During a drag the plug-in rewrites
// the shape it builds, which lies above all other art: the first frame
// renders the picture without it, the following ones only paint it.
void UpdateDocumentSurface(int width, int height) {
    GuiState& gui = TheGui();
    uint64_t now = DocumentChangeCount();
    if (!SameView(width, height)) {
        RenderDocument(width, height, DocumentPathsInPaintOrder(), static_cast<size_t>(-1));
    } else if (gui.docChange != now) {
        std::vector<const Art*> order = DocumentPathsInPaintOrder();
        size_t holds = PicturePartStillTrue(order);
        if (order.size() - holds > kMaxLivePaths) {
            RenderDocument(width, height, order, order.size());
        } else if (holds < gui.docKept.size()) {
            RenderDocument(width, height, order, holds);
        } else {
            gui.docLive.clear();
            for (size_t i = holds; i < order.size(); ++i) gui.docLive.push_back(order[i]->id);
        }
    }
    gui.docChange = now;
}

gboolean OnDraw(GtkWidget* widget, cairo_t* cr, gpointer) {
    // A window squeezed to nothing still gets a surface of one pixel.
    int width = std::max(1, gtk_widget_get_allocated_width(widget));
    int height = std::max(1, gtk_widget_get_allocated_height(widget));
    UpdateDocumentSurface(width, height);
    cairo_set_source_surface(cr, TheGui().docSurface, 0, 0);
    cairo_paint(cr);
    for (DocId id : TheGui().docLive) DocumentPaintPathAlone(cr, id);
    AnnotatorsPaint(cr);
    return TRUE;
}

// A mouse event to the selected tool, when the host's rules let it through
// now (not while a modal dialog runs, not before the plug-ins start) and the
// point lies within the document's range.
void ToTool(const char* command, bool (*event)(RealPoint, std::string*), double x, double y) {
    try {
        HostCheckInputAllowed(command);
    } catch (const ScriptError&) {
        return;
    }
    RealPoint p = GuiCanvasToArtwork(x, y);
    if (!DocumentPointOk(p)) return;
    std::string why;
    event(p, &why);
    GuiAfterInput();
}

gboolean OnPress(GtkWidget* widget, GdkEventButton* e, gpointer) {
    gtk_widget_grab_focus(widget);
    if (e->type != GDK_BUTTON_PRESS) return TRUE;
    GuiState& gui = TheGui();
    if (e->button == 2) {
        gui.panning = true;
        gui.panX = e->x;
        gui.panY = e->y;
    } else if (e->button == 1) {
        ToTool("down", EventsDown, e->x, e->y);
    }
    return TRUE;
}

gboolean OnRelease(GtkWidget*, GdkEventButton* e, gpointer) {
    if (e->button == 2) TheGui().panning = false;
    if (e->button == 1 && TheApp().buttonDown) ToTool("up", EventsUp, e->x, e->y);
    return TRUE;
}

gboolean OnMotion(GtkWidget* widget, GdkEventMotion* e, gpointer) {
    GuiState& gui = TheGui();
    if (gui.panning) {
        FrontView& v = TheDocument().view;
        float h = static_cast<float>(v.origin.h - (e->x - gui.panX) / v.zoom);
        float vv = static_cast<float>(v.origin.v + (e->y - gui.panY) / v.zoom);
        // The view's corner stays within the document's range.
        if (std::fabs(h) <= kMaxCoordinate && std::fabs(vv) <= kMaxCoordinate) v.origin = {h, vv};
        gui.panX = e->x;
        gui.panY = e->y;
        gtk_widget_queue_draw(widget);
        return TRUE;
    }
    if (TheApp().buttonDown)
        ToTool("drag", EventsDrag, e->x, e->y);
    else
        ToTool("move", EventsMove, e->x, e->y);
    return TRUE;
}

gboolean OnScroll(GtkWidget*, GdkEventScroll* e, gpointer) {
    if (TheHost().modalDepth > 0) return TRUE;
    double factor = 1;
    if (e->direction == GDK_SCROLL_UP) factor = kWheelZoom;
    else if (e->direction == GDK_SCROLL_DOWN) factor = 1 / kWheelZoom;
    else if (e->direction == GDK_SCROLL_SMOOTH) factor = std::pow(kWheelZoom, -e->delta_y);
    GuiCanvasZoomAt(e->x, e->y, factor);
    return TRUE;
}

// The key's state changes wherever it is pressed; a field being typed into
// still gets its spaces and arrows.
gboolean OnKey(GtkWidget* window, GdkEventKey* e, gpointer) {
    int32_t vk = GuiVirtualKey(e->keyval);
    if (vk < 0) return FALSE;
    EventsSetKey(vk, e->type == GDK_KEY_PRESS);
    return !GTK_IS_ENTRY(gtk_window_get_focus(GTK_WINDOW(window)));
}

}  // namespace

void GuiCanvasDamage() {
    GuiState& gui = TheGui();
    if (!gui.canvas) return;
    int width = std::max(1, gtk_widget_get_allocated_width(gui.canvas));
    int height = std::max(1, gtk_widget_get_allocated_height(gui.canvas));
    IntRect now{};
    bool shown = AnnotatorsBounds(&now);
    if (!SameView(width, height) || gui.docChange != DocumentChangeCount() || !gui.docLive.empty()) {
        gtk_widget_queue_draw(gui.canvas);
    } else {
        for (const IntRect* r : {gui.overlayShown ? &gui.overlayBounds : nullptr, shown ? &now : nullptr})
            if (r) gtk_widget_queue_draw_area(gui.canvas, r->left, r->top, r->right - r->left, r->bottom - r->top);
    }
    gui.overlayShown = shown;
    gui.overlayBounds = now;
}

int32_t GuiVirtualKey(guint keyval) {
    switch (keyval) {
    case GDK_KEY_Shift_L: case GDK_KEY_Shift_R: return kVKShift;
    case GDK_KEY_Control_L: case GDK_KEY_Control_R: return kVKControl;
    case GDK_KEY_Alt_L: case GDK_KEY_Alt_R: case GDK_KEY_Meta_L: case GDK_KEY_Meta_R: return kVKMenu;
    case GDK_KEY_space: return kVKSpace;
    case GDK_KEY_Left: return kVKLeft;
    case GDK_KEY_Up: return kVKUp;
    case GDK_KEY_Right: return kVKRight;
    case GDK_KEY_Down: return kVKDown;
    default: return -1;
    }
}

// x = (h - origin.h)·zoom, y = (origin.v - v)·zoom, as the document renders.
// A point beyond float range comes back infinite and is refused by the caller.
RealPoint GuiCanvasToArtwork(double x, double y) {
    const FrontView& v = TheDocument().view;
    return {static_cast<float>(v.origin.h + x / v.zoom), static_cast<float>(v.origin.v - y / v.zoom)};
}

void GuiCanvasFromArtwork(RealPoint p, double* x, double* y) {
    const FrontView& v = TheDocument().view;
    *x = (static_cast<double>(p.h) - v.origin.h) * v.zoom;
    *y = (static_cast<double>(v.origin.v) - p.v) * v.zoom;
}

void GuiCanvasZoomAt(double x, double y, double factor) {
    FrontView& v = TheDocument().view;
    if (!(factor > 0) || !std::isfinite(factor)) return;
    double zoom = std::clamp(v.zoom * factor, static_cast<double>(kMinZoom), static_cast<double>(kMaxZoom));
    double h = v.origin.h + x / v.zoom, vv = v.origin.v - y / v.zoom;
    float originH = static_cast<float>(h - x / zoom), originV = static_cast<float>(vv + y / zoom);
    // At the edge of the document's range the zoom keeps its centre instead.
    if (std::fabs(originH) > kMaxCoordinate || std::fabs(originV) > kMaxCoordinate) return;
    v.zoom = static_cast<float>(zoom);
    v.origin = {originH, originV};
    if (TheGui().canvas) gtk_widget_queue_draw(TheGui().canvas);
}

void GuiKeysAttach(GtkWidget* window) {
    // On the window: the keys count wherever the keyboard's focus is.
    g_signal_connect(window, "key-press-event", G_CALLBACK(OnKey), nullptr);
    g_signal_connect(window, "key-release-event", G_CALLBACK(OnKey), nullptr);
}

GtkWidget* GuiCanvasNew() {
    GtkWidget* canvas = gtk_drawing_area_new();
    gtk_widget_set_can_focus(canvas, TRUE);
    gtk_widget_add_events(canvas, GDK_BUTTON_PRESS_MASK | GDK_BUTTON_RELEASE_MASK | GDK_POINTER_MOTION_MASK |
                                      GDK_SCROLL_MASK | GDK_KEY_PRESS_MASK | GDK_KEY_RELEASE_MASK);
    g_signal_connect(canvas, "draw", G_CALLBACK(OnDraw), nullptr);
    g_signal_connect(canvas, "button-press-event", G_CALLBACK(OnPress), nullptr);
    g_signal_connect(canvas, "button-release-event", G_CALLBACK(OnRelease), nullptr);
    g_signal_connect(canvas, "motion-notify-event", G_CALLBACK(OnMotion), nullptr);
    g_signal_connect(canvas, "scroll-event", G_CALLBACK(OnScroll), nullptr);
    TheGui().canvas = canvas;
    return canvas;
}

}  // namespace drawhost
