#include "reference_scan.h"

#include <cmath>

#include "geometry/constructions.h"
#include "geometry/plane.h"
#include "host/suites.h"

namespace snap_test {

using namespace qzv;

namespace {

struct Ref {
    Globals g;                 // a private copy: the reference never touches the plug-in's
    RealPoint cursor;
    bool dragging;
    float tol;
    int32_t lastCursor;
    bool segmentFound = false, curveFound = false, recorded = false;
    RealPoint recStart{}, recEnd{};
    PathSegment a{}, b{};      // the working pair
    std::array<long, kBranchCount>* branches;

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

    // Step 5.1's skip rules.
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

    bool Anchor(RealPoint p) {
        if (!PointsClose(cursor, p, tol)) return false;
        Hit(kAnchorHit);
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

    bool Cross(RealPoint p0, RealPoint p3) { return recorded && SegmentsCross(p0, p3, recStart, recEnd); }

    bool ModeZeroOfCircleTool() { return g.currentTool == kToolCircle && g.tool.circleMode == 0; }

    // The circle through both anchors, tangent at b to b's incoming handle.
    float ArcEnds(const PathSegment& A, const PathSegment& B, RealPoint* c) {
        const RealPoint m{(A.p.h + B.p.h) / 2.0f, (A.p.v + B.p.v) / 2.0f};
        const RealPoint l1 = AddPoints(m, PolarPoint(10000.0f, PointAngle(B.p, A.p) + kHalfPi));
        const RealPoint l2 = AddPoints(B.p, PolarPoint(10000.0f, PointAngle(B.p, B.in) - kHalfPi));
        *c = IntersectLines(B.p, l2, m, l1);
        return PointDistance(*c, A.p);
    }

    bool HandleOk(RealPoint p, RealPoint h, RealPoint c, float r) {
        const float aa = PointDistance(p, h);
        const float cc = PointDistance(c, h);
        return std::fabs(cc * cc - aa * aa - r * r) <= tol;
    }

    bool CircularArc(RealPoint* c, float* r) {
        *c = RealPoint{0, 0};
        *r = 0;
        if ((PointsEqual(a.in, a.p) && PointsEqual(a.out, a.p)) || (PointsEqual(b.in, b.p) && PointsEqual(b.out, b.p)))
            return false;
        *r = ArcEnds(a, b, c);
        if (!(std::fabs(PointDistance(*c, cursor) - *r) <= tol)) return false;
        if (PointsEqual(a.in, a.p)) return HandleOk(a.p, a.out, *c, *r) && HandleOk(b.p, b.in, *c, *r);
        return HandleOk(a.p, a.in, *c, *r) && HandleOk(b.p, b.out, *c, *r);
    }

    // Returns true when the search ends.
    bool Piece(RealPoint p0, RealPoint p1, RealPoint p2, RealPoint p3, bool closing, ArtHandle art, bool modif) {
        const RealPoint bez[4] = {p0, p1, p2, p3};
        RealPoint at{};
        bool near = false;
        for (float t = 0.0f; t < 1.0f; t += 0.01f) {
            sRealBezier->PointAt(bez, t, &at);
            if (PointDistance(at, cursor) < 2.0f) {
                near = true;
                break;
            }
        }
        if (!near) return false;
        const bool straight = PointsEqual(p1, p0) && PointsEqual(p2, p3);
        if (straight) {
            if (dragging) {
                if (segmentFound && Cross(p0, p3)) {
                    S().nearPoint = at;
                    Intersect(IntersectLines(p0, p3, recStart, recEnd), kDragCrossing);
                    return true;
                }
                Hit(kDragSegment);
                segmentFound = true;
                AllKindsOff();
                S().onSegment = true;
                Cursor(19001);
                recorded = true, recStart = p0, recEnd = p3;
                S().nearPoint = ModeZeroOfCircleTool() ? FootOfPerpendicular(g.tool.centre, p0, p3) : at;
                return false;
            }
            if (segmentFound && Cross(p0, p3)) {
                Intersect(IntersectLines(p0, p3, recStart, recEnd), kSegmentCrossing);
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
        RealPoint c;
        float r;
        const bool arc = CircularArc(&c, &r);
        S().arcCentre = c;
        S().arcRadius = r;
        if (!arc) {
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
            if (ModeZeroOfCircleTool()) S().nearPoint = FootOfPerpendicular(g.tool.centre, p0, p3);
            if (g.tool.circleContact1) {
                Hit(kDragArcContact);
                return false;
            }
            Hit(kDragArcEnd);
            S().secondArc = ArcRecord{c, r, art};
            S().snapPoint = p0;
            S().segmentEnd = p3;
            recorded = false;
            return true;
        }
        S().firstArc = ArcRecord{c, r, art};
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
        if (sPath->GetPathSegmentCount(art, &n) != kNoErr || n <= 0) return false;
        sPath->GetPathClosed(art, &closed);
        S().searchArt = art;
        Read(art, n - 1, &a);
        if (Anchor(a.p)) return true;
        for (int32_t j = 0; j <= n - 2; ++j) {
            Read(art, j, &a);
            Read(art, j + 1, &b);
            if (Anchor(a.p)) return true;
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
            if (PointsClose(cursor, a.p, tol)) {
                Hit(kVertexHit);
                Cursor(i == 0 ? 21004 : 19000);
                AllKindsOff();
                S().onPoint = true;
                S().snapPoint = a.p;
                S().segmentEnd = a.p;
                return true;
            }
            Cursor(21003);
        }
        return false;
    }
};

}  // namespace

ReferenceOutcome ReferenceScan(const Globals& start, RealPoint cursor, bool dragging, int32_t cursorBefore,
                               std::array<long, kBranchCount>& branches) {
    Ref r{start, cursor, dragging, 0.0f, cursorBefore, false, false, false, {}, {}, {}, {}, &branches};
    ViewHandle view = nullptr;
    sDocumentView->GetNthView(0, &view);
    float zoom = 1.0f;
    if (sDocumentView->GetZoom(view, &zoom) != kNoErr || !(zoom > 0.0f) || !std::isfinite(zoom)) zoom = 1.0f;
    r.tol = static_cast<float>(r.g.settings.general.Tolerance) / zoom;
    r.S().cursor = cursor;
    if (!dragging && sCursorSnap->UseCursorSnap(view)) {
        IntPoint x{};
        if (sDocumentView->ArtworkPointToViewPoint(view, &cursor, &x) == kNoErr) {
            int32_t n = 0;
            const bool line = r.g.currentTool == kToolRect && r.g.tool.rectMode == 2 && r.g.settings.working.LignePoly &&
                              r.g.tool.art.rectPath && sArt->ValidArt(r.g.tool.art.rectPath) &&
                              sPath->GetPathSegmentCount(r.g.tool.art.rectPath, &n) == kNoErr && n > 1 &&
                              r.g.annotation.finishingVertex;
            const int32_t s = line ? 24 : 12;
            r.g.tool.annotationBox = IntRect{x.h + 4, x.v - s, x.h + 150, x.v + s};
        }
    }
    r.AllKindsOff();
    r.S().snapPoint = r.S().segmentEnd = cursor;
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
