// One scan of the document's paths for both searches: the polygonal line
// being drawn first (its own vertices), then every path in paint order.
// Anchors are found within "Tolerance" screen pixels; curve pieces are
// sampled a hundred times and found within 2 points of the cursor. The
// first target found stays recorded while the scan goes on; a second one
// near the cursor makes an intersection and ends it, an anchor ends it at
// once.
//
// Where the scan would read nonsense it holds back instead: a cursor that is
// not a finite point finds nothing, a straight piece whose two ends coincide
// is no segment, a crossing or a foot that comes out infinite or NaN is
// replaced by the sample found on the piece, and the label box saturates at
// the ends of the view's integer range.
#include "snap/snap_search.h"

#include <cmath>
#include <cstdint>

#include "geometry/constructions.h"
#include "geometry/host/shape_art.h"
#include "geometry/plane.h"
#include "host/suites.h"
#include "plugin/globals.h"
#include "snap/snap_index.h"

namespace qzv {

namespace {

constexpr int32_t kCursorAnchor = 19000;
constexpr int32_t kCursorFirstVertex = 21004;
constexpr int32_t kCursorPolyline = 21003;
constexpr int32_t kCursorSegment = 19001;
constexpr int32_t kCursorArc = 20015;
constexpr int32_t kCursorCurve = 20016;
constexpr int32_t kCursorIntersection = 20017;

// A sample within this many points of the cursor finds its curve piece.
constexpr float kSampleReach = 2.0f;

enum class Search { kTracking, kDragging };

// What one scan carries besides the snap result.
struct Scan {
    Search kind;
    PluginRef plugin;
    RealPoint cursor;
    float tolerance;        // "Tolerance" / zoom, document points
    bool segmentFound;
    bool curveFound;
    bool recorded;          // a target's end points are recorded
    RealPoint recordStart, recordEnd;
    PathSegment pair[2];    // the working pair: two consecutive segments read from the host
    bool editable;          // the path examined carries "modif"
};

void SetCursor(const Scan& scan, int32_t id) {
    if (sDlgBasic) sDlgBasic->SetPlatformCursor(scan.plugin, id);
}

void ClearKinds(SnapResult& s, bool withEditable) {
    s.onPoint = s.onSegment = s.onArc = s.onIntersection = s.onCurve = false;
    if (withEditable) s.onEditableArc = false;
}

// A failed read leaves the buffer as it was; the scan goes on.
void ReadSegment(ArtHandle path, int32_t index, PathSegment* into) {
    PathSegment read;
    if (sPath->GetPathSegments(path, index, 1, &read) == kNoErr) *into = read;
}

// A zoom of 0, a negative one or one that is not finite counts as 100 %.
float ViewZoom(ViewHandle view) {
    float zoom = 1.0f;
    if (!view || sDocumentView->GetZoom(view, &zoom) != kNoErr || !(zoom > 0.0f) || !std::isfinite(zoom)) return 1.0f;
    return zoom;
}

// The first sample t = 0, 0.01, ... (accumulated in single precision) below
// 1 whose point lies within reach of the cursor.
bool SampleNear(const RealPoint bezier[4], RealPoint cursor, RealPoint* at) {
    for (float t = 0.0f; t < 1.0f; t += 0.01f) {
        RealPoint p;
        sRealBezier->PointAt(bezier, t, &p);
        if (PointDistance(p, cursor) < kSampleReach) {
            *at = p;
            return true;
        }
    }
    return false;
}

bool Finite(RealPoint p) { return std::isfinite(p.h) && std::isfinite(p.v); }

// A computed point the tools will take, or the sample on the piece when the
// computation overflowed (nearly vertical pieces at extreme coordinates).
RealPoint FiniteOr(RealPoint computed, RealPoint sample) { return Finite(computed) ? computed : sample; }

bool ArtHas(ArtHandle art, const char* tag) {
    char value[8];
    return sTag->GetTag(art, tag, value, sizeof value) == kNoErr;
}

enum class Outcome { kGoOn, kEnd };

Outcome AnchorHit(Scan& scan, RealPoint anchor) {
    SnapResult& s = gGlobals->snap;
    ClearKinds(s, scan.kind == Search::kTracking);
    s.onPoint = true;
    s.snapPoint = s.segmentEnd = anchor;
    scan.recorded = false;
    SetCursor(scan, kCursorAnchor);
    return Outcome::kEnd;
}

Outcome Intersection(Scan& scan, RealPoint at) {
    SnapResult& s = gGlobals->snap;
    ClearKinds(s, scan.kind == Search::kTracking);
    s.onPoint = s.onIntersection = true;
    s.snapPoint = at;
    s.segmentEnd = scan.recorded ? scan.recordEnd : scan.cursor;
    scan.recorded = false;
    SetCursor(scan, kCursorIntersection);
    return Outcome::kEnd;
}

void Record(Scan& scan, RealPoint p0, RealPoint p3) {
    scan.recorded = true;
    scan.recordStart = p0;
    scan.recordEnd = p3;
}

bool CrossesRecorded(const Scan& scan, RealPoint p0, RealPoint p3) {
    return scan.recorded && SegmentsCross(p0, p3, scan.recordStart, scan.recordEnd);
}

// The foot of the perpendicular from the circle under construction's centre
// on the piece, during a drag of "Cercle 1".
bool CentreFootWanted() {
    const Globals* g = gGlobals;
    return g->currentTool == kToolCircle && g->tool.circleMode == kCircleCentreRadius;
}

Outcome StraightFound(Scan& scan, RealPoint p0, RealPoint p3, RealPoint sample) {
    SnapResult& s = gGlobals->snap;
    if (scan.kind == Search::kDragging) {
        if (scan.segmentFound && CrossesRecorded(scan, p0, p3)) {
            s.nearPoint = sample;
            return Intersection(scan, FiniteOr(IntersectLines(p0, p3, scan.recordStart, scan.recordEnd), sample));
        }
        scan.segmentFound = true;
        ClearKinds(s, false);
        s.onSegment = true;
        SetCursor(scan, kCursorSegment);
        Record(scan, p0, p3);
        s.nearPoint = CentreFootWanted() ? FiniteOr(FootOfPerpendicular(gGlobals->tool.centre, p0, p3), sample) : sample;
        return Outcome::kGoOn;
    }
    if (scan.segmentFound && CrossesRecorded(scan, p0, p3))
        return Intersection(scan, FiniteOr(IntersectLines(p0, p3, scan.recordStart, scan.recordEnd), sample));
    if (scan.curveFound && CrossesRecorded(scan, p0, p3)) return Intersection(scan, sample);
    scan.segmentFound = true;
    s.onSegment = true;
    s.onCurve = false;
    s.onEditableArc = false;
    SetCursor(scan, kCursorSegment);
    Record(scan, p0, p3);
    s.nearPoint = sample;
    return Outcome::kGoOn;
}

Outcome CurveFound(Scan& scan, RealPoint p0, RealPoint p3, RealPoint sample, bool closing, ArtHandle art) {
    Globals* g = gGlobals;
    SnapResult& s = g->snap;
    const bool tracking = scan.kind == Search::kTracking;
    if (tracking && (scan.curveFound || scan.segmentFound)) return Intersection(scan, sample);
    scan.curveFound = true;
    const bool arc = IsCircularArc(scan.cursor, scan.pair[0], scan.pair[1], scan.tolerance, &s.arcCentre, &s.arcRadius);
    if (!arc) {
        SetCursor(scan, kCursorCurve);
        if (!tracking) {
            ClearKinds(s, false);
            s.onCurve = true;
            return closing ? Outcome::kGoOn : Outcome::kEnd;
        }
        s.onCurve = true;
        s.onEditableArc = false;
        return Outcome::kGoOn;
    }
    SetCursor(scan, kCursorArc);
    ClearKinds(s, false);
    s.onArc = true;
    if (!tracking) {
        if (CentreFootWanted()) s.nearPoint = FiniteOr(FootOfPerpendicular(g->tool.centre, p0, p3), sample);
        if (g->tool.circleContact1) return Outcome::kGoOn;
        s.secondArc = ArcRecord{s.arcCentre, s.arcRadius, art};
        s.snapPoint = p0;
        s.segmentEnd = p3;
        scan.recorded = false;
        return Outcome::kEnd;
    }
    s.firstArc = ArcRecord{s.arcCentre, s.arcRadius, art};
    if (scan.editable) {
        s.onEditableArc = true;
        if (!CentreFootWanted()) {
            s.snapPoint = p0;
            s.segmentEnd = p3;
            scan.recorded = false;
            return Outcome::kEnd;
        }
    }
    Record(scan, p0, p3);
    return Outcome::kGoOn;
}

Outcome Sample(Scan& scan, const RealPoint bezier[4], bool closing, ArtHandle art) {
    const bool straight = PointsEqual(bezier[1], bezier[0]) && PointsEqual(bezier[2], bezier[3]);
    // A straight piece from an anchor to the same place (a doubled anchor, a
    // closing piece back onto the first anchor) has no direction to snap
    // along: it would replace a real segment by a point. Its anchor is
    // found within the tolerance like any other.
    if (straight && PointsEqual(bezier[0], bezier[3])) return Outcome::kGoOn;
    RealPoint at;
    if (!SampleNear(bezier, scan.cursor, &at)) return Outcome::kGoOn;
    if (straight) return StraightFound(scan, bezier[0], bezier[3], at);
    return CurveFound(scan, bezier[0], bezier[3], at, closing, art);
}

// The pieces of one path, in the order of the scan: the last anchor, then
// each anchor with the piece that leaves it, then the closing piece. `read`
// gives segment i into a buffer of the working pair; a piece that `near`
// rules out cannot hold a sample within reach and is not sampled.
template <typename Read, typename Near>
Outcome ScanPieces(Scan& scan, ArtHandle art, int32_t n, bool closed, Read read, Near near) {
    read(n - 1, &scan.pair[0]);
    if (PointsClose(scan.cursor, scan.pair[0].p, scan.tolerance)) return AnchorHit(scan, scan.pair[0].p);
    for (int32_t j = 0; j + 1 < n; ++j) {
        read(j, &scan.pair[0]);
        read(j + 1, &scan.pair[1]);
        if (PointsClose(scan.cursor, scan.pair[0].p, scan.tolerance)) return AnchorHit(scan, scan.pair[0].p);
        const RealPoint bezier[4] = {scan.pair[0].p, scan.pair[0].out, scan.pair[1].in, scan.pair[1].p};
        if (near(bezier) && Sample(scan, bezier, false, art) == Outcome::kEnd) return Outcome::kEnd;
    }
    if (closed) {
        read(0, &scan.pair[0]);
        read(n - 1, &scan.pair[1]);
        const RealPoint bezier[4] = {scan.pair[0].p, scan.pair[0].in, scan.pair[1].out, scan.pair[1].p};
        if (near(bezier) && Sample(scan, bezier, true, art) == Outcome::kEnd) return Outcome::kEnd;
    }
    return Outcome::kGoOn;
}

// One path read from the host, segment by segment.
Outcome ScanPath(Scan& scan, ArtHandle art) {
    Globals* g = gGlobals;
    if (SnapPathSkipped(art)) return Outcome::kGoOn;
    scan.editable = scan.kind == Search::kTracking && ArtHas(art, "modif");
    int32_t n = 0;
    HostBool closed = 0;
    if (sPath->GetPathSegmentCount(art, &n) != kNoErr) return Outcome::kGoOn;
    sPath->GetPathClosed(art, &closed);
    g->snap.searchArt = art;
    // A path without segments has no anchor to read.
    if (n <= 0) return Outcome::kGoOn;
    auto read = [art](int32_t i, PathSegment* into) { ReadSegment(art, i, into); };
    return ScanPieces(scan, art, n, closed != 0, read, [](const RealPoint*) { return true; });
}

// Whether the cursor lies within `reach` of the box.
bool WithinBox(RealPoint c, float left, float bottom, float right, float top, float reach) {
    return c.h >= left - reach && c.h <= right + reach && c.v >= bottom - reach && c.v <= top + reach;
}

// The document as the index holds it: the same scan, path by path in the
// same order, passing over every path and piece whose bounds are out of
// reach of the cursor (no anchor within the tolerance, no sample within 2
// points can lie there), so that the result is the one of reading
// everything.
Outcome ScanIndex(Scan& scan, const SnapIndex& index) {
    Globals* g = gGlobals;
    const float pathReach = std::fmax(scan.tolerance, kSampleReach);
    for (int32_t i = 0; i < index.pathCount; ++i) {
        const IndexedPath& p = index.paths[i];
        if (p.state == IndexedState::kSkipped) continue;
        g->snap.searchArt = p.art;
        if (p.state == IndexedState::kEmpty) continue;
        if (!WithinBox(scan.cursor, p.left, p.bottom, p.right, p.top, pathReach + p.margin)) continue;
        scan.editable = scan.kind == Search::kTracking && p.editable;
        const PathSegment* segments = index.segments + p.first;
        auto read = [segments](int32_t k, PathSegment* into) { *into = segments[k]; };
        const float pieceReach = kSampleReach + p.margin;
        auto near = [&scan, pieceReach](const RealPoint* b) {
            const float left = std::fmin(std::fmin(b[0].h, b[1].h), std::fmin(b[2].h, b[3].h));
            const float right = std::fmax(std::fmax(b[0].h, b[1].h), std::fmax(b[2].h, b[3].h));
            const float bottom = std::fmin(std::fmin(b[0].v, b[1].v), std::fmin(b[2].v, b[3].v));
            const float top = std::fmax(std::fmax(b[0].v, b[1].v), std::fmax(b[2].v, b[3].v));
            return WithinBox(scan.cursor, left, bottom, right, top, pieceReach);
        };
        if (ScanPieces(scan, p.art, p.count, p.closed, read, near) == Outcome::kEnd) return Outcome::kEnd;
    }
    return Outcome::kGoOn;
}

// The polygonal line being drawn is found through its own vertices (during
// a drag, all but the last, which follows the mouse).
bool PolylineVertexHit(Scan& scan) {
    const Globals* g = gGlobals;
    const ToolState& t = g->tool;
    if (g->currentTool != kToolRect || t.rectMode != kRectModeSegment || !g->settings.working.LignePoly) return false;
    if (!ArtExists(t.art.rectPath)) return false;
    int32_t count = 0;
    if (sPath->GetPathSegmentCount(t.art.rectPath, &count) != kNoErr) return false;
    if (scan.kind == Search::kDragging) --count;
    for (int32_t i = 0; i < count; ++i) {
        ReadSegment(t.art.rectPath, i, &scan.pair[0]);
        if (PointsClose(scan.cursor, scan.pair[0].p, scan.tolerance)) {
            SnapResult& s = gGlobals->snap;
            ClearKinds(s, scan.kind == Search::kTracking);
            s.onPoint = true;
            s.snapPoint = s.segmentEnd = scan.pair[0].p;
            SetCursor(scan, i == 0 ? kCursorFirstVertex : kCursorAnchor);
            return true;
        }
        SetCursor(scan, kCursorPolyline);
    }
    return false;
}

// x + d kept within the 32-bit range: a cursor at the edge of the view's
// coordinates gives a flattened box, not a wrapped one.
int32_t Offset(int32_t x, int32_t d) {
    const int64_t sum = static_cast<int64_t>(x) + d;
    if (sum > INT32_MAX) return INT32_MAX;
    if (sum < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(sum);
}

// The label box beside the cursor: taller when the ring is at a vertex
// that finishes the polygonal line, to hold the area below the label.
void PlaceLabelBox(ViewHandle view, RealPoint cursor) {
    Globals* g = gGlobals;
    if (!view || !sCursorSnap || !sCursorSnap->UseCursorSnap(view)) return;
    IntPoint at{};
    if (sDocumentView->ArtworkPointToViewPoint(view, &cursor, &at) != kNoErr) return;
    const ToolState& t = g->tool;
    int32_t vertices = 0;
    const bool closing = g->currentTool == kToolRect && t.rectMode == kRectModeSegment &&
                         g->settings.working.LignePoly && ArtExists(t.art.rectPath) &&
                         sPath->GetPathSegmentCount(t.art.rectPath, &vertices) == kNoErr && vertices > 1 &&
                         g->annotation.finishingVertex;
    const int32_t s = closing ? 24 : 12;
    g->tool.annotationBox = IntRect{Offset(at.h, 4), Offset(at.v, -s), Offset(at.h, 150), Offset(at.v, s)};
}

void Run(ToolMessage* message, Search kind) {
    Globals* g = gGlobals;
    SnapResult& s = g->snap;
    s.cursor = message->cursor;
    ClearKinds(s, kind == Search::kTracking);
    // A cursor that is no finite point finds nothing, and the points keep
    // the finite values of the previous search.
    if (!Finite(message->cursor)) return;
    // When nothing is found, the points a tool might read are the cursor.
    s.snapPoint = s.segmentEnd = message->cursor;
    if (!sDocumentView || !sPath || !sArt || !sTag || !sLayer || !sRealBezier || !sMatchingArt) return;
    ViewHandle view = nullptr;
    if (sDocumentView->GetNthView(0, &view) != kNoErr) view = nullptr;
    Scan scan{};
    scan.kind = kind;
    scan.plugin = message->d.plugin;
    scan.cursor = message->cursor;
    scan.tolerance = static_cast<float>(g->settings.general.Tolerance) / ViewZoom(view);
    if (kind == Search::kTracking) PlaceLabelBox(view, scan.cursor);
    if (PolylineVertexHit(scan)) return;

    if (SnapIndexUpdate(g->snapIndex)) {
        ScanIndex(scan, g->snapIndex);
    } else {
        const ArtHandle* paths = nullptr;
        int32_t count = 0;
        if (sMatchingArt->GetMatchingPaths(&paths, &count) == kNoErr && paths) {
            for (int32_t i = 0; i < count; ++i)
                if (ScanPath(scan, paths[i]) == Outcome::kEnd) break;
        }
        sMatchingArt->ReleaseMatchingArt();
    }
    if (scan.recorded) {
        s.snapPoint = scan.recordStart;
        s.segmentEnd = scan.recordEnd;
    }
}

}  // namespace

float CircleFromArcEnds(const PathSegment& a, const PathSegment& b, RealPoint* centre) {
    const RealPoint m{(a.p.h + b.p.h) / 2.0f, (a.p.v + b.p.v) / 2.0f};
    const RealPoint bisector = AddPoints(m, PolarPoint(10000.0f, PointAngle(b.p, a.p) + kHalfPi));
    const RealPoint normal = AddPoints(b.p, PolarPoint(10000.0f, PointAngle(b.p, b.in) - kHalfPi));
    *centre = IntersectLines(b.p, normal, m, bisector);
    return PointDistance(*centre, a.p);
}

bool IsCircularArc(RealPoint cursor, const PathSegment& a, const PathSegment& b, float tolerance, RealPoint* centre,
                   float* radius) {
    const bool aRetracted = PointsEqual(a.in, a.p) && PointsEqual(a.out, a.p);
    const bool bRetracted = PointsEqual(b.in, b.p) && PointsEqual(b.out, b.p);
    if (aRetracted || bRetracted) return false;
    const float r = CircleFromArcEnds(a, b, centre);
    *radius = r;
    if (!(std::fabs(PointDistance(*centre, cursor) - r) <= tolerance)) return false;
    // A handle on the tangent at its anchor: c^2 = a^2 + r^2.
    auto onTangent = [&](RealPoint anchor, RealPoint handle) {
        const float along = PointDistance(anchor, handle);
        const float fromCentre = PointDistance(*centre, handle);
        const float residual = fromCentre * fromCentre - along * along - r * r;
        return std::fabs(residual) <= tolerance;
    };
    if (PointsEqual(a.in, a.p)) return onTangent(a.p, a.out) && onTangent(b.p, b.in);
    return onTangent(a.p, a.in) && onTangent(b.p, b.out);
}

void SearchSnapTargets(ToolMessage* message) { Run(message, Search::kTracking); }

void SearchSnapTargetsWhileDragging(ToolMessage* message) { Run(message, Search::kDragging); }

}  // namespace qzv
