#include "tools/rubber_band.h"

#include "geometry/host/shape_art.h"
#include "geometry/constructions.h"
#include "geometry/plane.h"
#include "host/suites.h"
#include "plugin/globals.h"
#include "tools/tool_common.h"

namespace qzv {

namespace {

// At most five anchors, every handle retracted: the preview is a polygon.
struct Band {
    RealPoint p[5];
    int count;
    bool closed;
};

RealPoint Foot(RealPoint p, const ReferenceLine& line) { return FootOfPerpendicular(p, line.a, line.b); }

Band Open(RealPoint a, RealPoint b) { return Band{{a, b}, 2, false}; }
Band Triangle(RealPoint a, RealPoint b, RealPoint c, bool closed) { return Band{{a, b, c}, 3, closed}; }

// The preview of the circle tool's modes for the step counter.
bool CircleBand(RealPoint cursor, RealPoint q, bool altHeld, Band* band) {
    const Globals* g = gGlobals;
    const ToolState& t = g->tool;
    const int16_t s = t.step;
    switch (t.circleMode) {
        case kCircleCentreRadius: {
            const float angle = PointAngle(t.centre, cursor);
            const RealPoint onCircle = AddPoints(t.centre, PolarPoint(t.radius, angle));
            const RealPoint first = g->snap.onPoint ? q : onCircle;
            const RealPoint second = altHeld ? AddPoints(t.centre, PolarPoint(t.radius, angle + kPi)) : t.centre;
            *band = Open(first, second);
            return true;
        }
        case kCircleTwoPoints:
            *band = s == 1 ? Open(q, t.firstPoint) : Triangle(t.firstPoint, t.secondPoint, t.centre, true);
            return true;
        case kCircleThreePoints:
        case kArcThreePoints:
            if (s == 1) *band = Open(t.firstPoint, q);
            else if (s == 2) *band = Triangle(t.firstPoint, t.secondPoint, q, true);
            else *band = Triangle(t.firstPoint, t.secondPoint, t.thirdPoint, true);
            return true;
        case kArcCentre:
            if (s == 1) {
                *band = Open(t.centre, q);
                return true;
            }
            *band = Triangle(t.art.arcStartPoint, t.centre, t.art.arcEndPoint, false);
            return true;
        case kArcTwoEnds:
            *band = s == 1 ? Open(t.arcStart, q) : Triangle(t.art.arcStartPoint, t.centre, t.art.arcEndPoint, false);
            return true;
        case kTangentOne: {
            const RealPoint from = t.constructionLive ? t.centre : q;
            const RealPoint to = t.constructionLive ? t.firstPoint : Foot(from, t.segments[0]);
            *band = Open(from, to);
            return true;
        }
        case kTangentTwo:
        case kTangentThree:
            if (s == 1) {
                // A 40-point stroke across the first segment at the cursor's foot.
                const RealPoint f = Foot(cursor, t.segments[0]);
                const float across = PointAngle(t.segments[0].a, t.segments[0].b) + kHalfPi;
                *band = Open(PickOnDiameter(20.0f, across, f, cursor, true), PickOnDiameter(20.0f, across, f, cursor, false));
            } else if (t.circleMode == kTangentThree && s == 2) {
                *band = Triangle(Foot(cursor, t.segments[0]), q, Foot(cursor, t.segments[1]), false);
            } else if (t.circleMode == kTangentThree) {
                *band = Band{{Foot(t.centre, t.segments[0]), t.centre, Foot(t.centre, t.segments[1]), t.centre,
                              Foot(t.centre, t.segments[2])},
                             5, false};
            } else {
                *band = Triangle(Foot(t.centre, t.segments[0]), t.centre, Foot(t.centre, t.segments[1]), false);
            }
            return true;
        default:
            return false;
    }
}

void WriteBand(ArtHandle path, const Band& band) {
    PathSegment segments[5];
    for (int i = 0; i < band.count; ++i) segments[i] = RetractedSegment(band.p[i]);
    for (int i = 0; i < band.count; ++i) segments[i].corner = 1;
    sPath->SetPathSegmentCount(path, band.count);
    sPath->SetPathSegments(path, 0, band.count, segments);
    sPath->SetPathClosed(path, band.closed);
}

bool BandPointsUsable(const Band& band) {
    for (int i = 0; i < band.count; ++i)
        if (!ToolCursorUsable(band.p[i])) return false;
    return true;
}

}  // namespace

HostErr CreateRubberBand() {
    if (!sArt || !sPath || !sLayer) return kErrSuiteNotFound;
    ToolState& t = gGlobals->tool;
    if (ArtExists(t.rubberBand)) return kNoErr;
    LayerHandle top = nullptr;
    ArtHandle group = nullptr;
    HostErr err = sLayer->GetNthLayer(0, &top);
    if (!err) err = sArt->GetFirstArtOfLayer(top, &group);
    if (!err) err = sArt->NewArt(kArtPath, kPlaceInsideOnTop, group, &t.rubberBand);
    if (err) {
        t.rubberBand = nullptr;
        return err;
    }
    sPath->SetPathGuide(t.rubberBand, 1);
    return sPath->SetPathClosed(t.rubberBand, 0);
}

void DisposeRubberBand() {
    ToolState& t = gGlobals->tool;
    if (ArtExists(t.rubberBand)) sArt->DisposeArt(t.rubberBand);
    t.rubberBand = nullptr;
}

void UpdateRubberBand(ToolMessage* message, bool altHeld) {
    const Globals* g = gGlobals;
    const ToolState& t = g->tool;
    if (!ArtExists(t.rubberBand) || !sPath) return;
    const RealPoint q = SnappedClickPoint(message->cursor);
    Band band{};
    if (g->currentTool == kToolRect) {
        // The next piece of a polygonal line follows the cursor between
        // clicks, from the anchor point: the last fixed vertex (the first
        // one, before its path holds any piece).
        const bool polyline =
            t.rectMode == kRectModeSegment && g->settings.working.LignePoly && t.polylineVertices > 0;
        if (!polyline) {
            DisposeRubberBand();
            return;
        }
        band = Open(t.firstPoint, q);
    } else {
        if (t.step == 0 && !t.constructionLive && t.circleMode != kCircleCentreRadius) {
            DisposeRubberBand();   // no construction under way: nothing leads anywhere
            return;
        }
        if (!CircleBand(message->cursor, q, altHeld, &band)) return;
    }
    if (BandPointsUsable(band)) WriteBand(t.rubberBand, band);
}

}  // namespace qzv
