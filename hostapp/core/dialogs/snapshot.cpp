// A dialog as the user sees it: background, then its visible items, each
// clipped to its bounds; and that picture written as a PNG.
#include <cairo.h>

#include "dialogs/dialog_manager.h"
#include "util/files.h"

namespace drawhost {

namespace {

cairo_status_t AppendBytes(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

}  // namespace

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
    std::string png;
    cairo_status_t status = cairo_surface_write_to_png_stream(surface, AppendBytes, &png);
    cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS) {
        *error = std::string("cannot encode the snapshot: ") + cairo_status_to_string(status);
        return false;
    }
    return WriteFileAtomically(path, png, error);
}

}  // namespace drawhost
