// Writing a Cairo image surface as a PNG file, whole or not at all.
#pragma once
#include <string>

typedef struct _cairo_surface cairo_surface_t;

namespace drawhost {

// Encodes the surface as PNG bytes; false with *error when it cannot be.
bool EncodeSurfacePng(cairo_surface_t* surface, std::string* bytes, std::string* error);

// Encodes the surface and writes it atomically; false with *error when the
// image cannot be encoded or the file cannot be written.
bool WriteSurfacePng(cairo_surface_t* surface, const std::string& path, std::string* error);

}  // namespace drawhost
