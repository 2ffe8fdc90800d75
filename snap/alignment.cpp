#include "snap/alignment.h"

#include <cmath>

#include "host/suites.h"
#include "plugin/globals.h"

namespace qzv {

namespace {

float Tolerance(ViewHandle view) {
    float zoom = 1.0f;
    if (!sDocumentView || sDocumentView->GetZoom(view, &zoom) != kNoErr || !(zoom > 0.0f) || !std::isfinite(zoom))
        zoom = 1.0f;
    return static_cast<float>(gGlobals->settings.general.Tolerance) / zoom;
}

// The first recent point level with the cursor along one axis (v for the
// horizontal guide, h for the vertical one), or -1.
int FirstAligned(float tolerance, bool horizontal) {
    const ToolState& t = gGlobals->tool;
    for (int i = 0; i < t.recentSnapFilled && i < kRecentSnapCount; ++i) {
        const RealPoint& p = t.recentSnaps[i];
        const float gap = horizontal ? t.lastCursor.v - p.v : t.lastCursor.h - p.h;
        if (std::fabs(gap) < tolerance) return i;
    }
    return -1;
}

bool FindAlignment(ViewHandle view, GuideExtent* extent, bool horizontal) {
    SnapResult& s = gGlobals->snap;
    bool& on = horizontal ? s.hGuideOn : s.vGuideOn;
    on = false;
    const int i = FirstAligned(Tolerance(view), horizontal);
    if (i < 0 || !sDocumentView) return false;
    const RealPoint p = gGlobals->tool.recentSnaps[i];
    IntPoint point{}, cursor{};
    if (sDocumentView->ArtworkPointToViewPoint(view, &p, &point) != kNoErr ||
        sDocumentView->ArtworkPointToViewPoint(view, &s.cursor, &cursor) != kNoErr)
        return false;
    // The guide runs level with the recent point, out to the cursor.
    if (horizontal) {
        extent->from = IntPoint{point.h < cursor.h ? point.h : cursor.h, point.v};
        extent->to = IntPoint{point.h < cursor.h ? cursor.h : point.h, point.v};
        s.hGuide = p.v;
    } else {
        extent->from = IntPoint{point.h, point.v < cursor.v ? point.v : cursor.v};
        extent->to = IntPoint{point.h, point.v < cursor.v ? cursor.v : point.v};
        s.vGuide = p.h;
    }
    on = true;
    return true;
}

}  // namespace

bool FindHorizontalAlignment(ViewHandle view, GuideExtent* extent) { return FindAlignment(view, extent, true); }
bool FindVerticalAlignment(ViewHandle view, GuideExtent* extent) { return FindAlignment(view, extent, false); }

}  // namespace qzv
