// The toolbox as a user sees it: each group a slot, each tool of it a row
// with its icon and title, the selected tool highlighted. `toolbox-snapshot
// FILE.png` writes it.
#include <cairo.h>

#include <algorithm>

#include "app/app_state.h"
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

bool WriteToolboxPicture(const std::string& path, std::string* error) {
    const AppState& app = TheApp();
    std::vector<const AppTool*> tools;
    for (const AppTool& t : app.tools) tools.push_back(&t);
    std::stable_sort(tools.begin(), tools.end(), [](const AppTool* a, const AppTool* b) { return a->group < b->group; });
    int groups = 0;
    for (size_t i = 0; i < tools.size(); ++i) groups += i == 0 || tools[i]->group != tools[i - 1]->group;
    int height = static_cast<int>(tools.size()) * kRow + groups * kGroupGap + kGroupGap;

    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kWidth, std::max(height, 1));
    cairo_t* cr = cairo_create(surface);
    cairo_set_source_rgb(cr, 0.93, 0.93, 0.93);
    cairo_paint(cr);
    cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, 12);
    double y = kGroupGap;
    for (size_t i = 0; i < tools.size(); ++i) {
        const AppTool& t = *tools[i];
        if (i > 0 && t.group != tools[i - 1]->group) y += kGroupGap;
        size_t index = &t - app.tools.data();
        if (static_cast<int>(index) == app.selectedTool) {
            cairo_set_source_rgb(cr, 0.75, 0.83, 0.95);
            cairo_rectangle(cr, 2, y, kWidth - 4, kRow);
            cairo_fill(cr);
        }
        DrawIcon(cr, t.icon, 6, y + 3);
        cairo_set_source_rgb(cr, 0.1, 0.1, 0.1);
        cairo_move_to(cr, 38, y + 19);
        std::string label = t.title + "  (" + std::to_string(t.group) + "/" + std::to_string(t.toolset) + ")";
        cairo_show_text(cr, label.c_str());
        y += kRow;
    }
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

}  // namespace drawhost
