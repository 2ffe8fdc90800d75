// "AI Document View Suite" 10, "AI Document Suite" 11 and "AI Cursor Snap
// Suite" 3: the one front view, the ruler units and the snapping setting.
#include "document/view_suite.h"

#include <cmath>

#include "frame/host.h"

namespace drawhost {

HostErr ViewSetZoom(float zoom) {
    if (!std::isfinite(zoom) || zoom < kMinZoom || zoom > kMaxZoom) return kErrBadParameter;
    FrontView& view = TheDocument().view;
    double cx = view.origin.h + kViewWidth / 2.0 / view.zoom;
    double cy = view.origin.v - kViewHeight / 2.0 / view.zoom;
    view.zoom = zoom;
    view.origin.h = static_cast<float>(cx - kViewWidth / 2.0 / zoom);
    view.origin.v = static_cast<float>(cy + kViewHeight / 2.0 / zoom);
    return kNoErr;
}

HostErr ViewArtworkToView(const RealPoint& artwork, IntPoint* out) {
    const FrontView& view = TheDocument().view;
    double x = std::floor((static_cast<double>(artwork.h) - view.origin.h) * view.zoom + 0.5);
    double y = std::floor((static_cast<double>(view.origin.v) - artwork.v) * view.zoom + 0.5);
    if (!std::isfinite(x) || !std::isfinite(y) || std::fabs(x) > INT32_MAX || std::fabs(y) > INT32_MAX)
        return kErrBadParameter;
    out->h = static_cast<int32_t>(x);
    out->v = static_cast<int32_t>(y);
    return kNoErr;
}

HostErr ViewViewToArtwork(const IntPoint& point, RealPoint* out) {
    const FrontView& view = TheDocument().view;
    out->h = static_cast<float>(view.origin.h + point.h / static_cast<double>(view.zoom));
    out->v = static_cast<float>(view.origin.v - point.v / static_cast<double>(view.zoom));
    return kNoErr;
}

namespace {

bool IsFrontView(ViewHandle view) { return view && IdOf(view) == TheDocument().view.id; }

HostErr GetNthView(int32_t n, ViewHandle* view) {
    if (!view) return kErrBadParameter;
    if (n != 0) return n < 0 ? kErrBadParameter : kErrNotFound;
    *view = reinterpret_cast<ViewHandle>(static_cast<uintptr_t>(TheDocument().view.id));
    return kNoErr;
}

HostErr GetZoom(ViewHandle view, float* zoom) {
    if (!IsFrontView(view)) return kErrBadHandle;
    if (!zoom) return kErrBadParameter;
    *zoom = TheDocument().view.zoom;
    return kNoErr;
}

HostErr SetZoom(ViewHandle view, float zoom) {
    if (!IsFrontView(view)) return kErrBadHandle;
    return ViewSetZoom(zoom);
}

HostErr ArtworkPointToViewPoint(ViewHandle view, const RealPoint* artwork, IntPoint* point) {
    if (!IsFrontView(view)) return kErrBadHandle;
    if (!artwork || !point) return kErrBadParameter;
    return ViewArtworkToView(*artwork, point);
}

HostErr ViewPointToArtworkPoint(ViewHandle view, const IntPoint* point, RealPoint* artwork) {
    if (!IsFrontView(view)) return kErrBadHandle;
    if (!point || !artwork) return kErrBadParameter;
    return ViewViewToArtwork(*point, artwork);
}

HostErr GetViewBounds(ViewHandle view, IntRect* bounds) {
    if (!IsFrontView(view)) return kErrBadHandle;
    if (!bounds) return kErrBadParameter;
    *bounds = IntRect{0, 0, kViewWidth, kViewHeight};
    return kNoErr;
}

HostErr GetDocumentRulerUnits(int32_t* units) {
    if (!units) return kErrBadParameter;
    *units = TheDocument().rulerUnits;
    return kNoErr;
}

// Only the front view exists; any other value is no view and gets no snapping.
HostBool UseCursorSnap(ViewHandle view) { return IsFrontView(view) && TheDocument().cursorSnap; }

const DocumentViewSuite kViewSuite = {
    GetNthView, GetZoom, SetZoom, ArtworkPointToViewPoint, ViewPointToArtworkPoint, GetViewBounds,
};
const DocumentSuite kDocumentSuite = {GetDocumentRulerUnits};
const CursorSnapSuite kCursorSnapSuite = {UseCursorSnap};

SuiteRegistrar viewRegistration(kDocumentViewSuiteName, kDocumentViewSuiteVersion, &kViewSuite);
SuiteRegistrar documentRegistration(kDocumentSuiteName, kDocumentSuiteVersion, &kDocumentSuite);
SuiteRegistrar snapRegistration(kCursorSnapSuiteName, kCursorSnapSuiteVersion, &kCursorSnapSuite);

}  // namespace

}  // namespace drawhost
