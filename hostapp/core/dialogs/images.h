// The plug-in's pictures and icons: PNG files of its bundle, read when first
// drawn and kept until the host is reset.
#pragma once
#include <cstdint>
#include <string>

#include "sdk_all.h"

typedef struct _cairo_surface cairo_surface_t;

namespace drawhost {

// resources/pictures/<id>.png and resources/icons/<id>_<index>.png of a
// plug-in; empty when the plug-in is unknown or the file does not exist.
std::string DlgPicturePath(PluginRef plugin, int32_t pictureId);
std::string DlgIconPath(PluginRef plugin, int32_t iconId, int32_t index);

// The picture's file and size; an empty path and the placeholder's size
// when the bundle lacks a readable PNG for it.
std::string DlgPictureFile(PluginRef plugin, int32_t pictureId, int32_t* width, int32_t* height);

// Width and height from a PNG's header; false when it is not a readable PNG.
bool DlgPngSize(const std::string& path, int32_t* width, int32_t* height);

// The decoded image (owned by the cache), or null when it cannot be read.
cairo_surface_t* DlgImageSurface(const std::string& path);
void DlgClearImageCache();

}  // namespace drawhost
