// The toolbox as a user sees it: each group a slot, each tool of it a row
// with its icon and title, the selected tool highlighted. `toolbox-snapshot
// FILE.png` writes it.
#include <cairo.h>

#include <algorithm>

#include "app/app_state.h"
#include "app/toolbox.h"
#include "dialogs/images.h"
#include "dialogs/records.h"
#include "frame/host.h"
#include "frame/script.h"
#include "util/png_file.h"

namespace drawhost {

namespace {

constexpr int kWidth = 320;
constexpr int kRow = 30;
constexpr int kGroupGap = 8;

void DrawIcon(cairo_t* cr, IconRef icon, double x, double y) {
    const DlgIcon* i = DlgFind(icon);
    cairo_surface_t* image = i && !i->path.empty() ? DlgImageSurface(i->path) : nullptr;
    if (image) {
        cairo_set_source_surface(cr, image, x, y);
        cairo_paint(cr);
        return;
    }
    // No icon, or one that cannot be read: an empty frame in its place.
    cairo_set_source_rgb(cr, 0.6, 0.6, 0.6);
    cairo_rectangle(cr, x + 0.5, y + 0.5, 23, 23);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

// The tools in the order shown (by group, then as added) and the top of each row.
struct Layout {
    std::vector<const AppTool*> tools;
    std::vector<double> top;
    int height = 1;
};

Layout LayOut() {
    const AppState& app = TheApp();
    Layout l;
    for (const AppTool& t : app.tools) l.tools.push_back(&t);
    std::stable_sort(l.tools.begin(), l.tools.end(),
                     [](const AppTool* a, const AppTool* b) { return a->group < b->group; });
    double y = kGroupGap;
    for (size_t i = 0; i < l.tools.size(); ++i) {
        if (i > 0 && l.tools[i]->group != l.tools[i - 1]->group) y += kGroupGap;
        l.top.push_back(y);
        y += kRow;
    }
    l.height = std::max(1, static_cast<int>(y) + kGroupGap);
    return l;
}

bool WriteToolboxPicture(const std::string& path, std::string* error) {
    IntPoint size = ToolboxPictureSize();
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size.h, size.v);
    cairo_t* cr = cairo_create(surface);
    ToolboxPaint(cr);
    cairo_destroy(cr);
    bool written = WriteSurfacePng(surface, path, error);
    cairo_surface_destroy(surface);
    return written;
}

CommandRegistrar snapshot("toolbox-snapshot", "toolbox-snapshot FILE.png", [](const ScriptArgs& a) {
    a.Expect(1);
    std::string error;
    if (!WriteToolboxPicture(a.Str(0), &error)) throw ScriptError(error);
    HostLog("> toolbox-snapshot " + a.Str(0));
});

}  // namespace

IntPoint ToolboxPictureSize() { return {kWidth, LayOut().height}; }

void ToolboxPaint(cairo_t* cr) {
    const AppState& app = TheApp();
    Layout l = LayOut();
    cairo_save(cr);
    cairo_set_source_rgb(cr, 0.93, 0.93, 0.93);
    cairo_paint(cr);
    cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, 12);
    for (size_t i = 0; i < l.tools.size(); ++i) {
        const AppTool& t = *l.tools[i];
        double y = l.top[i];
        if (&t - app.tools.data() == app.selectedTool) {
            cairo_set_source_rgb(cr, 0.75, 0.83, 0.95);
            cairo_rectangle(cr, 2, y, kWidth - 4, kRow);
            cairo_fill(cr);
        }
        DrawIcon(cr, t.icon, 6, y + 3);
        cairo_set_source_rgb(cr, 0.1, 0.1, 0.1);
        cairo_move_to(cr, 38, y + 19);
        std::string label = t.title + "  (" + std::to_string(t.group) + "/" + std::to_string(t.toolset) + ")";
        cairo_show_text(cr, label.c_str());
    }
    cairo_restore(cr);
}

int ToolboxToolAt(double x, double y) {
    if (x < 0 || x >= kWidth) return -1;
    Layout l = LayOut();
    for (size_t i = 0; i < l.tools.size(); ++i)
        if (y >= l.top[i] && y < l.top[i] + kRow) return static_cast<int>(l.tools[i] - TheApp().tools.data());
    return -1;
}

IntPoint ToolboxToolCentre(int tool) {
    Layout l = LayOut();
    for (size_t i = 0; i < l.tools.size(); ++i)
        if (l.tools[i] - TheApp().tools.data() == tool) return {kWidth / 2, static_cast<int32_t>(l.top[i]) + kRow / 2};
    return {-1, -1};
}

}  // namespace drawhost
