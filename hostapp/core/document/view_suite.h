// The front view's mapping between artwork points and view pixels, shared
// by the view suite, the PNG output and the `zoom` command.
//
// Artwork v grows upward, view y downward: a view point (x, y) shows the
// artwork point (origin.h + x / zoom, origin.v - y / zoom).
#pragma once
#include "document/document.h"

namespace drawhost {

// Zooms the host accepts: 1/32 to 64 (3.125 % to 6400 %).
constexpr float kMinZoom = 0.03125f;
constexpr float kMaxZoom = 64.0f;

// Sets the zoom keeping the artwork point at the view's centre where it is.
// kErrBadParameter (and no change) outside the accepted zooms.
HostErr ViewSetZoom(float zoom);

// kErrBadParameter when the point is not finite or lands outside the int range.
HostErr ViewArtworkToView(const RealPoint& artwork, IntPoint* view);
HostErr ViewViewToArtwork(const IntPoint& view, RealPoint* artwork);

}  // namespace drawhost
