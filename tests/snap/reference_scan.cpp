#include "reference_scan.h"

#include <cmath>
#include <cstdint>

#include "geometry/constructions.h"
#include "geometry/plane.h"
#include "host/suites.h"

namespace snap_test {

using namespace qzv;

namespace {

// The search written out step by step as its description reads, with the
// plug-in's choices where the description would fail: a cursor that is no
// finite point finds nothing and keeps the previous points; nothing found
// leaves the cursor in snapPoint and segmentEnd; zero-length straight pieces
// are no segments; an overflowed crossing or foot takes the sample; a zoom
// that is not above 0 or not finite counts as 1; paths without segments are
// examined but have nothing to read; the label box saturates.
struct Ref {
    Globals g;                 // a private copy: the reference never touches the plug-in's
    RealPoint cursor;
    bool dragging;
    float tol = 0.0f;
    int32_t lastCursor = 0;
    bool segmentFound = false, curveFound = false, recorded = false;
    RealPoint recStart{}, recEnd{};
    PathSegment a{}, b{};      // the working pair
    std::array<long, kBranchCount>* branches = nullptr;

    void Hit(Branch k) { ++(*branches)[k]; }
    void Cursor(int32_t id) { lastCursor = id; }
    SnapResult& S() { return g.snap; }

    void AllKindsOff() {
        S().onPoint = S().onSegment = S().onArc = S().onIntersection = S().onCurve = false;
        if (!dragging) S().onEditableArc = false;
    }

    void Read(ArtHandle art, int32_t i, PathSegment* into) {
        PathSegment s;
        if (sPath->GetPathSegments(art, i, 1, &s) == kNoErr) *into = s;
    }

    bool Tagged(ArtHandle art, const char* name) {
        char v[8];
        return sTag->GetTag(art, name, v, sizeof v) == kNoErr;
    }

    static bool Finite(RealPoint p) { return std::isfinite(p.h) && std::isfinite(p.v); }

    // Step 5.1's skip rules, each asked on its own.
    bool Skip(ArtHandle art) {
        LayerHandle layer = nullptr;
        HostBool visible = 1;
        if (sArt->GetLayerOfArt(art, &layer) == kNoErr && sLayer->GetLayerVisible(layer, &visible) == kNoErr &&
            !visible)
            return true;
        if (Tagged(art, "qzv")) return true;
        HostBool guide = 0;
        if (sPath->GetPathGuide(art, &guide) == kNoErr && guide) return true;
        int32_t locked = 0, hidden = 0;
        sArt->GetArtUserAttr(art, kArtLocked, &locked);
        sArt->GetArtUserAttr(art, kArtHidden, &hidden);
        return locked || hidden;
    }

    bool Anchor(RealPoint p, Branch k) {
        if (!(PointDistance(cursor, p) <= tol)) return false;
        Hit(k);
        AllKindsOff();
        S().onPoint = true;
        S().snapPoint = p;
        S().segmentEnd = p;
        recorded = false;
        Cursor(19000);
        return true;
    }

    void Intersect(RealPoint at, Branch k) {
        Hit(k);
        AllKindsOff();
        S().onPoint = true;
        S().onIntersection = true;
        S().snapPoint = at;
        S().segmentEnd = recorded ? recEnd : cursor;
        recorded = false;
        Cursor(20017);
    }

    // The exact crossing of two straight pieces, or the sample when the
    // computation overflowed.
    RealPoint Crossing(RealPoint p0, RealPoint p3, RealPoint at) {
        const RealPoint x = IntersectLines(p0, p3, recStart, recEnd);
        if (Finite(x)) return x;
        Hit(kOverflowedCrossing);
        return at;
    }

    RealPoint FootFromCentre(RealPoint p0, RealPoint p3, RealPoint at) {
        const RealPoint f = FootOfPerpendicular(g.tool.centre, p0, p3);
        return Finite(f) ? f : at;
    }

    bool Cross(RealPoint p0, RealPoint p3) { return recorded && SegmentsCross(p0, p3, recStart, recEnd); }

    bool ModeZeroOfCircleTool() { return g.currentTool == kToolCircle && g.tool.circleMode == 0; }

    // The circle through both anchors, tangent at B to B's incoming handle:
    // the perpendicular bisector of the chord meets the normal at B.
    void ArcEnds(const PathSegment& A, const PathSegment& B) {
        const RealPoint m{(A.p.h + B.p.h) / 2.0f, (A.p.v + B.p.v) / 2.0f};
        const RealPoint l1 = AddPoints(m, PolarPoint(10000.0f, PointAngle(B.p, A.p) + 1.5707964f));
        const RealPoint l2 = AddPoints(B.p, PolarPoint(10000.0f, PointAngle(B.p, B.in) - 1.5707964f));
        S().arcCentre = IntersectLines(B.p, l2, m, l1);
        S().arcRadius = PointDistance(S().arcCentre, A.p);
    }

    bool HandleOk(RealPoint p, RealPoint h) {
        const float aa = PointDistance(p, h);
        const float cc = PointDistance(S().arcCentre, h);
        const float r = S().arcRadius;
        return std::fabs(cc * cc - aa * aa - r * r) <= tol;
    }

    bool CircularArc() {
        if ((PointsEqual(a.in, a.p) && PointsEqual(a.out, a.p)) || (PointsEqual(b.in, b.p) && PointsEqual(b.out, b.p)))
            return false;
        ArcEnds(a, b);
        if (std::fabs(PointDistance(S().arcCentre, cursor) - S().arcRadius) > tol) return false;
        if (std::isnan(PointDistance(S().arcCentre, cursor) - S().arcRadius)) return false;
        if (PointsEqual(a.in, a.p)) return HandleOk(a.p, a.out) && HandleOk(b.p, b.in);
        return HandleOk(a.p, a.in) && HandleOk(b.p, b.out);
    }

    // Returns true when the search ends.
    bool Piece(RealPoint p0, RealPoint p1, RealPoint p2, RealPoint p3, bool closing, ArtHandle art, bool modif) {
        const bool straight = p1.h == p0.h && p1.v == p0.v && p2.h == p3.h && p2.v == p3.v;
        if (straight && p0.h == p3.h && p0.v == p3.v) {
            Hit(kPointPieceIgnored);
            return false;
        }
        const RealPoint bez[4] = {p0, p1, p2, p3};
        RealPoint at{};
        bool near = false;
        float t = 0.0f;
        while (t < 1.0f) {
            sRealBezier->PointAt(bez, t, &at);
            if (PointDistance(at, cursor) < 2.0f) {
                near = true;
                break;
            }
            t = t + 0.01f;
        }
        if (!near) return false;
        if (closing) Hit(kClosingPieceFound);
        if (straight) {
            if (dragging) {
                if (segmentFound && Cross(p0, p3)) {
                    S().nearPoint = at;
                    Intersect(Crossing(p0, p3, at), kDragCrossing);
                    return true;
                }
                Hit(kDragSegment);
                segmentFound = true;
                AllKindsOff();
                S().onSegment = true;
                Cursor(19001);
                recorded = true, recStart = p0, recEnd = p3;
                S().nearPoint = ModeZeroOfCircleTool() ? FootFromCentre(p0, p3, at) : at;
                return false;
            }
            if (segmentFound && Cross(p0, p3)) {
                Intersect(Crossing(p0, p3, at), kSegmentCrossing);
                return true;
            }
            if (curveFound && Cross(p0, p3)) {
                Intersect(at, kSegmentAfterCurveCrossing);
                return true;
            }
            Hit(kSegment);
            segmentFound = true;
            S().onSegment = true;
            S().onCurve = false;
            S().onEditableArc = false;
            Cursor(19001);
            recorded = true, recStart = p0, recEnd = p3;
            S().nearPoint = at;
            return false;
        }
        if (!dragging && (curveFound || segmentFound)) {
            Intersect(at, kCurveCrossing);
            return true;
        }
        curveFound = true;
        if (!CircularArc()) {
            Cursor(20016);
            if (dragging) {
                Hit(closing ? kDragClosingCurve : kDragCurveEnd);
                AllKindsOff();
                S().onCurve = true;
                return !closing;
            }
            Hit(kCurve);
            S().onCurve = true;
            S().onEditableArc = false;
            return false;
        }
        Cursor(20015);
        AllKindsOff();
        S().onArc = true;
        if (dragging) {
            if (ModeZeroOfCircleTool()) S().nearPoint = FootFromCentre(p0, p3, at);
            if (g.tool.circleContact1) {
                Hit(kDragArcContact);
                return false;
            }
            Hit(kDragArcEnd);
            S().secondArc = ArcRecord{S().arcCentre, S().arcRadius, art};
            S().snapPoint = p0;
            S().segmentEnd = p3;
            recorded = false;
            return true;
        }
        S().firstArc = ArcRecord{S().arcCentre, S().arcRadius, art};
        if (modif) {
            S().onEditableArc = true;
            if (!ModeZeroOfCircleTool()) {
                Hit(kEditableEnd);
                S().snapPoint = p0;
                S().segmentEnd = p3;
                recorded = false;
                return true;
            }
        }
        Hit(kArc);
        recorded = true, recStart = p0, recEnd = p3;
        return false;
    }

    bool Path(ArtHandle art) {
        if (Skip(art)) return false;
        const bool modif = !dragging && Tagged(art, "modif");
        int32_t n = 0;
        HostBool closed = 0;
        if (sPath->GetPathSegmentCount(art, &n) != kNoErr) return false;
        sPath->GetPathClosed(art, &closed);
        S().searchArt = art;
        if (n <= 0) {
            Hit(kEmptyPath);
            return false;
        }
        Read(art, n - 1, &a);
        if (Anchor(a.p, kLastAnchorHit)) return true;
        for (int32_t j = 0; j <= n - 2; ++j) {
            Read(art, j, &a);
            Read(art, j + 1, &b);
            if (Anchor(a.p, kAnchorHit)) return true;
            if (Piece(a.p, a.out, b.in, b.p, false, art, modif)) return true;
        }
        if (closed) {
            Read(art, 0, &a);
            Read(art, n - 1, &b);
            if (Piece(a.p, a.in, b.out, b.p, true, art, modif)) return true;
        }
        return false;
    }

    bool Vertices() {
        const ToolState& t = g.tool;
        if (g.currentTool != kToolRect || t.rectMode != 2 || !g.settings.working.LignePoly) return false;
        if (!t.art.rectPath || !sArt->ValidArt(t.art.rectPath)) return false;
        int32_t n = 0;
        if (sPath->GetPathSegmentCount(t.art.rectPath, &n) != kNoErr) return false;
        const int32_t last = dragging ? n - 2 : n - 1;
        for (int32_t i = 0; i <= last; ++i) {
            Read(t.art.rectPath, i, &a);
            if (PointDistance(cursor, a.p) <= tol) {
                Hit(i == 0 ? kFirstVertexHit : kVertexHit);
                Cursor(i == 0 ? 21004 : 19000);
                AllKindsOff();
                S().onPoint = true;
                S().snapPoint = a.p;
                S().segmentEnd = a.p;
                return true;
            }
            Cursor(21003);
        }
        if (last >= 0) Hit(kVertexMissed);
        return false;
    }

    static int32_t Saturated(int64_t x) { return x > INT32_MAX ? INT32_MAX : x < INT32_MIN ? INT32_MIN : int32_t(x); }

    void LabelBox(ViewHandle view) {
        if (!sCursorSnap->UseCursorSnap(view)) return;
        IntPoint x{};
        if (sDocumentView->ArtworkPointToViewPoint(view, &cursor, &x) != kNoErr) return;
        const ToolState& t = g.tool;
        int32_t n = 0;
        const bool line = g.currentTool == kToolRect && t.rectMode == 2 && g.settings.working.LignePoly &&
                          t.art.rectPath && sArt->ValidArt(t.art.rectPath) &&
                          sPath->GetPathSegmentCount(t.art.rectPath, &n) == kNoErr && n > 1 &&
                          g.annotation.finishingVertex;
        const int64_t s = line ? 24 : 12;
        Hit(line ? kTallLabelBox : kLabelBox);
        g.tool.annotationBox =
            IntRect{Saturated(x.h + int64_t{4}), Saturated(x.v - s), Saturated(x.h + int64_t{150}), Saturated(x.v + s)};
    }
};

}  // namespace

ReferenceOutcome ReferenceScan(const Globals& start, RealPoint cursor, bool dragging, int32_t cursorBefore,
                               std::array<long, kBranchCount>& branches) {
    Ref r{start, cursor, dragging, 0.0f, cursorBefore, false, false, false, {}, {}, {}, {}, &branches};
    r.S().cursor = cursor;
    r.AllKindsOff();
    if (!Ref::Finite(cursor)) {
        r.Hit(kCursorNotFinite);
        return ReferenceOutcome{r.g.snap, r.g.tool.annotationBox, r.lastCursor};
    }
    r.S().snapPoint = r.S().segmentEnd = cursor;
    ViewHandle view = nullptr;
    sDocumentView->GetNthView(0, &view);
    float zoom = 1.0f;
    if (sDocumentView->GetZoom(view, &zoom) != kNoErr || std::isnan(zoom) || std::isinf(zoom) || zoom <= 0.0f)
        zoom = 1.0f;
    r.tol = static_cast<float>(r.g.settings.general.Tolerance) / zoom;
    if (!dragging) r.LabelBox(view);
    if (!r.Vertices()) {
        const ArtHandle* paths = nullptr;
        int32_t count = 0;
        bool ended = false;
        if (sMatchingArt->GetMatchingPaths(&paths, &count) == kNoErr && paths)
            for (int32_t i = 0; i < count && !ended; ++i) ended = r.Path(paths[i]);
        if (r.recorded) {
            r.S().snapPoint = r.recStart;
            r.S().segmentEnd = r.recEnd;
        }
        if (!ended && !r.recorded && !r.S().onCurve && !r.S().onArc) r.Hit(kNothing);
        sMatchingArt->ReleaseMatchingArt();
    }
    return ReferenceOutcome{r.g.snap, r.g.tool.annotationBox, r.lastCursor};
}

}  // namespace snap_test
