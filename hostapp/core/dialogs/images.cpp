#include "dialogs/images.h"

#include <cairo.h>

#include <fstream>
#include <map>

#include "frame/host.h"
#include "dialogs/display_list.h"
#include "frame/resources.h"

namespace drawhost {

namespace {

std::map<std::string, cairo_surface_t*>& Cache() {
    static std::map<std::string, cairo_surface_t*> cache;
    return cache;
}

ResetRegistrar reset([] { DlgClearImageCache(); });

// A readable regular file; anything else is logged (once) by the frame.
std::string ExistingResource(PluginRef plugin, const std::string& relative) {
    LoadedPlugin* p = HostPluginOf(plugin);
    return p ? HostResourceFile(*p, relative) : std::string();
}

}  // namespace

std::string DlgPicturePath(PluginRef plugin, int32_t pictureId) {
    return ExistingResource(plugin, "pictures/" + std::to_string(pictureId) + ".png");
}

std::string DlgIconPath(PluginRef plugin, int32_t iconId, int32_t index) {
    return ExistingResource(plugin, "icons/" + std::to_string(iconId) + "_" + std::to_string(index) + ".png");
}

std::string DlgPictureFile(PluginRef plugin, int32_t pictureId, int32_t* width, int32_t* height) {
    std::string path = DlgPicturePath(plugin, pictureId);
    if (!path.empty() && DlgPngSize(path, width, height)) return path;
    *width = *height = kDlgPlaceholderSize;
    return {};
}

bool DlgPngSize(const std::string& path, int32_t* width, int32_t* height) {
    // Signature (8 bytes), then the IHDR chunk: length, type, width, height (big-endian).
    static const unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::ifstream in(path, std::ios::binary);
    unsigned char head[24];
    if (!in.read(reinterpret_cast<char*>(head), sizeof head)) return false;
    for (int i = 0; i < 8; ++i)
        if (head[i] != kSignature[i]) return false;
    if (head[12] != 'I' || head[13] != 'H' || head[14] != 'D' || head[15] != 'R') return false;
    auto be32 = [&](int at) {
        return int32_t(uint32_t(head[at]) << 24 | uint32_t(head[at + 1]) << 16 | uint32_t(head[at + 2]) << 8 |
                       uint32_t(head[at + 3]));
    };
    *width = be32(16);
    *height = be32(20);
    return *width > 0 && *height > 0;
}

cairo_surface_t* DlgImageSurface(const std::string& path) {
    auto& cache = Cache();
    if (auto it = cache.find(path); it != cache.end()) return it->second;
    cairo_surface_t* s = cairo_image_surface_create_from_png(path.c_str());
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(s);
        s = nullptr;
    }
    cache[path] = s;   // a failure is remembered too: the placeholder is drawn instead
    return s;
}

void DlgClearImageCache() {
    for (auto& [path, surface] : Cache())
        if (surface) cairo_surface_destroy(surface);
    Cache().clear();
}

}  // namespace drawhost
