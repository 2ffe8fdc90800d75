#include "snap/annotation.h"

#include <algorithm>
#include <cstring>

#include "geometry/host/shape_art.h"
#include "geometry/plane.h"
#include "host/suites.h"
#include "plugin/globals.h"
#include "plugin/handlers.h"
#include "snap/alignment.h"
#include "snap/measurements.h"

namespace qzv {

namespace {

constexpr int32_t kFeedbackFont = kFontPalette;

struct Colour {
    uint16_t red, green, blue;
};

// The host's own snapping colour; a channel it does not give is 0. The
// status is that of the last read.
HostErr SnapColour(Colour* colour) {
    const char* keys[3] = {"snapomatic/Color/red", "snapomatic/Color/green", "snapomatic/Color/blue"};
    uint16_t* channels[3] = {&colour->red, &colour->green, &colour->blue};
    HostErr status = kNoErr;
    for (int i = 0; i < 3; ++i) {
        double value = 0.0;
        status = sPreference ? sPreference->GetRealPreference(nullptr, keys[i], &value) : kErrSuiteNotFound;
        if (status != kNoErr || !(value > 0.0)) value = 0.0;
        if (value > 1.0) value = 1.0;
        *channels[i] = static_cast<uint16_t>(value * 65535.0);
    }
    return status;
}

// One shape: a drawer over its rectangle, in the snap colour, local
// coordinates, destroyed after use.
template <typename Draw>
void DrawIn(PortRef port, const IntRect& rect, const Colour& colour, Draw draw) {
    DrawerRef drawer = sDrawer->Create(port, &rect, kFeedbackFont);
    if (!drawer) return;
    sDrawer->SetRGBColor(drawer, colour.red >> 8, colour.green >> 8, colour.blue >> 8);
    draw(drawer);
    sDrawer->Destroy(drawer);
}

bool ToView(ViewHandle view, RealPoint p, IntPoint* at) {
    return sDocumentView->ArtworkPointToViewPoint(view, &p, at) == kNoErr;
}

IntRect ScreenRect() {
    IntRect screen{0, 0, 0, 0};
    sDlgBasic->GetScreenDimensions(&screen);
    return screen;
}

// The polygonal line being drawn with more than one vertex placed, or null.
ArtHandle PolylineUnderWay(int32_t* count) {
    const Globals* g = gGlobals;
    const ToolState& t = g->tool;
    *count = 0;
    if (g->currentTool != kToolRect || t.rectMode != kRectModeSegment || !g->settings.working.LignePoly) return nullptr;
    if (!ArtExists(t.art.rectPath) || sPath->GetPathSegmentCount(t.art.rectPath, count) != kNoErr || *count <= 1)
        return nullptr;
    return t.art.rectPath;
}

// Whether the ring's point finishes the polygonal line: its start or its
// last vertex, between two clicks of a line that is not finished.
bool AtFinishingVertex(ViewHandle view, ArtHandle line, int32_t count) {
    const Globals* g = gGlobals;
    if (g->tool.constructionLive) return false;
    char mark[8];
    if (sTag->GetTag(line, "qzv", mark, sizeof mark) != kNoErr) return false;   // finished already
    float zoom = 1.0f;
    if (sDocumentView->GetZoom(view, &zoom) != kNoErr || !(zoom > 0.0f)) zoom = 1.0f;
    const float tolerance = static_cast<float>(g->settings.general.Tolerance) / zoom;
    PathSegment first{}, last{};
    if (sPath->GetPathSegments(line, 0, 1, &first) != kNoErr ||
        sPath->GetPathSegments(line, count - 1, 1, &last) != kNoErr)
        return false;
    const RealPoint p = g->snap.snapPoint;
    return PointsClose(p, first.p, tolerance) || PointsClose(p, last.p, tolerance);
}

void DrawRing(ViewHandle view, PortRef port, const Colour& colour) {
    Globals* g = gGlobals;
    AnnotationState& a = g->annotation;
    IntPoint at{};
    if (!ToView(view, g->snap.snapPoint, &at)) return;
    a.markerBox = IntRect{at.h - 4, at.v - 4, at.h + 4, at.v + 4};
    bool full = true;
    int32_t count = 0;
    if (ArtHandle line = PolylineUnderWay(&count)) {
        a.finishingVertex = AtFinishingVertex(view, line, count);
        full = a.finishingVertex;
    }
    DrawIn(port, a.markerBox, colour, [full](DrawerRef d) {
        const IntRect outline{0, 0, 8, 8}, dot{2, 2, 6, 6};
        sDrawer->DrawOval(d, &outline);
        if (full) sDrawer->FillOval(d, &dot);
    });
}

void DrawSegment(ViewHandle view, PortRef port, const Colour& colour) {
    Globals* g = gGlobals;
    AnnotationState& a = g->annotation;
    IntPoint p{}, q{};
    if (!ToView(view, g->snap.snapPoint, &p) || !ToView(view, g->snap.segmentEnd, &q)) return;
    IntRect box{std::min(p.h, q.h), std::min(p.v, q.v), std::max(p.h, q.h), std::max(p.v, q.v)};
    if (p.h == q.h) box.right += 1;
    if (p.v == q.v) box.bottom += 1;
    const IntRect screen = ScreenRect();
    box.right = std::min(box.right, screen.right);
    box.bottom = std::min(box.bottom, screen.bottom - 67);
    a.segmentBox = box;
    DrawIn(port, box, colour, [&](DrawerRef d) {
        const IntPoint from{p.h - box.left, p.v - box.top}, to{q.h - box.left, q.v - box.top};
        sDrawer->DrawLine(d, &from, &to);
    });
    IntPoint near{};
    if (!ToView(view, g->snap.nearPoint, &near)) return;
    a.markerBox = IntRect{near.h - 4, near.v - 4, near.h + 4, near.v + 4};
    DrawIn(port, a.markerBox, colour, [](DrawerRef d) {
        const IntRect outline{0, 0, 8, 8};
        sDrawer->DrawOval(d, &outline);
    });
}

void DrawGuides(ViewHandle view, PortRef port, const Colour& colour) {
    AnnotationState& a = gGlobals->annotation;
    GuideExtent e{};
    if (FindHorizontalAlignment(view, &e)) {
        a.hGuideBox = IntRect{e.from.h, e.from.v, e.to.h, e.from.v + 1};
        DrawIn(port, a.hGuideBox, colour, [&](DrawerRef d) {
            const IntRect line{0, 0, e.to.h - e.from.h, 1};
            sDrawer->FillRect(d, &line);
        });
    }
    if (FindVerticalAlignment(view, &e)) {
        a.vGuideBox = IntRect{e.from.h, e.from.v, e.from.h + 1, e.to.v};
        DrawIn(port, a.vGuideBox, colour, [&](DrawerRef d) {
            const IntRect line{0, 0, 1, e.to.v - e.from.v};
            sDrawer->FillRect(d, &line);
        });
    }
}

// What lies under the cursor, in the box.
void DrawLabel(DrawerRef box) {
    const Globals* g = gGlobals;
    const SnapResult& s = g->snap;
    auto line = [box](const char* text, int32_t y) {
        const IntPoint at{0, y};
        sDrawer->DrawText(box, text, &at);
    };
    if (s.onIntersection) return line("Intersection", 10);
    int32_t count = 0;
    if (s.onPoint && PolylineUnderWay(&count) && g->annotation.finishingVertex) {
        char area[96];
        if (PolygonAreaText(area, sizeof area)) {
            line("Point d'ancrage. Clic pour finir.", 10);
            line(area, 22);
        } else {
            line("Point d'ancrage. Clic pour finir.", 22);
        }
        return;
    }
    if (s.onPoint) return line("Point d'ancrage", 10);
    if (s.onSegment) return line("Segment", 10);
    if (s.onArc) return line("Arc de cercle", 10);
    line("Courbe de Bézier", 10);
}

bool SomethingSnapped(const SnapResult& s) {
    return s.onPoint || s.onSegment || s.onArc || s.onCurve || s.onIntersection;
}

}  // namespace

void AnnotationInvalidateFeedback(ViewHandle view, bool withBox) {
    if (!view || !sAnnotator) return;
    const Globals* g = gGlobals;
    const AnnotationState& a = g->annotation;
    for (const IntRect* rect : {&a.markerBox, &a.segmentBox, &a.hGuideBox, &a.vGuideBox})
        sAnnotator->InvalidAnnotationRect(view, rect);
    if (withBox) sAnnotator->InvalidAnnotationRect(view, &g->tool.annotationBox);
}

HostErr AnnotationDraw(AnnotatorMessage* message) {
    Globals* g = gGlobals;
    if (!sCursorSnap || !sDrawer || !sDocumentView || !sDlgBasic || !sPath || !sTag) return kErrSuiteNotFound;
    const ViewHandle view = message->view;
    if (!sCursorSnap->UseCursorSnap(view)) return kNoErr;
    IntRect& box = g->tool.annotationBox;
    box.right = std::min(box.right, ScreenRect().right);

    Colour colour{};
    const HostErr status = SnapColour(&colour);
    DrawerRef boxDrawer = sDrawer->Create(message->port, &box, kFeedbackFont);
    if (boxDrawer) sDrawer->SetRGBColor(boxDrawer, colour.red >> 8, colour.green >> 8, colour.blue >> 8);

    const SnapResult& s = g->snap;
    if (s.onPoint) DrawRing(view, message->port, colour);
    else if (s.onSegment) DrawSegment(view, message->port, colour);
    else DrawGuides(view, message->port, colour);

    if (boxDrawer) {
        if (g->tool.constructionLive) {
            DrawMeasurements(boxDrawer);
        } else if (SomethingSnapped(s)) {
            if (sAnnotator) sAnnotator->InvalidAnnotationRect(view, &box);
            DrawLabel(boxDrawer);
        }
        sDrawer->Destroy(boxDrawer);
    }
    return status;
}

}  // namespace qzv
