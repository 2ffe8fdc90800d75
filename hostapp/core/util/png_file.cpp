#include "util/png_file.h"

#include <cairo.h>

#include "util/files.h"

namespace drawhost {

namespace {

cairo_status_t AppendBytes(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

}  // namespace

bool EncodeSurfacePng(cairo_surface_t* surface, std::string* bytes, std::string* error) {
    bytes->clear();
    cairo_status_t status = cairo_surface_write_to_png_stream(surface, AppendBytes, bytes);
    if (status != CAIRO_STATUS_SUCCESS) {
        if (error) *error = std::string("the image could not be encoded: ") + cairo_status_to_string(status);
        return false;
    }
    return true;
}

bool WriteSurfacePng(cairo_surface_t* surface, const std::string& path, std::string* error) {
    std::string bytes, ignored;
    return EncodeSurfacePng(surface, &bytes, error) && WriteFileAtomically(path, bytes, error ? error : &ignored);
}

}  // namespace drawhost
