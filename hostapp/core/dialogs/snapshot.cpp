// A dialog as the user sees it: background, then its visible items, each
// clipped to its bounds; and that picture written as a PNG.
#include <cairo.h>

#include "dialogs/dialog_manager.h"
#include "util/png_file.h"

namespace drawhost {

void DlgRenderDialog(const DlgDialog& dialog, cairo_t* cr) {
    IntPoint size = DlgRenderSize(dialog);
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, size.h, size.v);
    cairo_clip(cr);
    DlgPaintList(dialog.drawn, cr);
    for (const DlgItem* item : dialog.items) {
        if (!item->visible || item->kind == ItemKind::Flyout) continue;
        const IntRect& b = item->bounds;
        cairo_save(cr);
        cairo_rectangle(cr, b.left, b.top, b.right - b.left, b.bottom - b.top);
        cairo_clip(cr);
        cairo_translate(cr, b.left, b.top);
        DlgPaintList(item->drawn, cr);
        cairo_restore(cr);
    }
    cairo_restore(cr);
}

bool DlgSnapshot(DlgHandle h, const std::string& path, std::string* error) {
    DlgRedrawDialog(h);
    const DlgDialog* d = TheDlgState().dialogs.Find(h);
    if (!d) {
        *error = "the dialog is gone";
        return false;
    }
    IntPoint size = DlgRenderSize(*d);
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size.h, size.v);
    cairo_t* cr = cairo_create(surface);
    DlgRenderDialog(*d, cr);
    cairo_destroy(cr);
    bool written = WriteSurfacePng(surface, path, error);
    cairo_surface_destroy(surface);
    return written;
}

}  // namespace drawhost
