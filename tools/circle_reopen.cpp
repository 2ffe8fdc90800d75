// Re-opening a circle drawn by centre and radius: a click on its outline in
// the same mode makes it the live construction again, its centre and radius
// read back from its tags, so that the drag changes its radius in place.
#include "geometry/constructions.h"
#include "geometry/host/shape_art.h"
#include "geometry/plane.h"
#include "host/suites.h"
#include "plugin/globals.h"
#include "tools/circle_tags.h"

namespace qzv {

namespace {

bool HasTag(ArtHandle art, const char* name) {
    char value[8];
    return sTag->GetTag(art, name, value, sizeof value) == kNoErr;
}

// The circle through the first and last anchors of the path that is tangent
// at the last anchor to its incoming handle.
void CircleFromEnds(const PathSegment& first, const PathSegment& last, RealPoint* centre, float* radius) {
    const RealPoint m{(first.p.h + last.p.h) / 2.0f, (first.p.v + last.p.v) / 2.0f};
    const RealPoint bisector = AddPoints(m, PolarPoint(10000.0f, PointAngle(last.p, first.p) + kHalfPi));
    const RealPoint normal = AddPoints(last.p, PolarPoint(10000.0f, PointAngle(last.p, last.in) - kHalfPi));
    *centre = IntersectLines(last.p, normal, m, bisector);
    *radius = PointDistance(*centre, first.p);
}

// A number tag replaces `value` when it reads as a number.
void ReadNumberTag(ArtHandle art, const char* name, float* value) {
    char text[48];
    float read = 0.0f;
    if (sTag->GetTag(art, name, text, sizeof text) == kNoErr && sDlgBasic->TextToValue(text, &read, kUnitsNone))
        *value = read;
}

// The circle and the branches of its cross in the group that holds them:
// the path tagged as re-editable is the circle, the others the branches.
HostErr FindGroupedCircle(ArtHandle group, ShapeArt& art) {
    ArtHandle child = nullptr;
    HostErr err = sArt->GetArtFirstChild(group, &child);
    art.constructionPath = nullptr;
    art.crossAlong = nullptr;
    art.crossAcross = nullptr;
    for (; err == kNoErr && child; err = sArt->GetArtSibling(child, &child)) {
        int32_t kind = 0;
        if (sArt->GetArtType(child, &kind) != kNoErr || kind != kArtPath) continue;
        if (!art.constructionPath && HasTag(child, kTagEditable)) art.constructionPath = child;
        else if (!art.crossAlong) art.crossAlong = child;
        else if (!art.crossAcross) art.crossAcross = child;
    }
    if (err) return err;
    return art.constructionPath ? kNoErr : kErrNotFound;
}

}  // namespace

HostErr ReopenCircle(ArtHandle circle) {
    if (!sArt || !sPath || !sTag || !sDlgBasic) return kErrSuiteNotFound;
    ToolState& t = gGlobals->tool;
    ShapeArt& art = t.art;
    if (!HasTag(circle, kTagCentreCross)) {
        // Alone in its layer: the gesture's group goes just above it, so
        // that the finished circle stays where it was in the paint order.
        art.constructionPath = circle;
        HostErr err = sArt->ReorderArt(art.targetGroup, kPlaceAbove, circle);
        if (err) return err;
    } else {
        // Grouped with its cross: that group is the gesture's group.
        ArtHandle parent = nullptr;
        HostErr err = sArt->GetArtParent(circle, &parent);
        ShapeArt found = art;
        if (!err) err = FindGroupedCircle(parent, found);
        if (err) return err;
        sArt->DisposeArt(art.targetGroup);
        art = found;
        art.targetGroup = parent;
    }
    sArt->SetArtUserAttr(art.constructionPath, kArtSelected, kArtSelected);

    int32_t count = 0;
    HostErr err = sPath->GetPathSegmentCount(art.constructionPath, &count);
    if (err) return err;
    if (count < 2) return kErrNotFound;
    PathSegment first{}, last{};
    err = sPath->GetPathSegments(art.constructionPath, 0, 1, &first);
    if (!err) err = sPath->GetPathSegments(art.constructionPath, count - 1, 1, &last);
    if (err) return err;
    CircleFromEnds(first, last, &t.centre, &t.radius);
    gGlobals->snap.arcCentre = t.centre;
    ReadNumberTag(art.constructionPath, kTagRadius, &t.radius);
    ReadNumberTag(art.constructionPath, kTagCentreH, &t.centre.h);
    ReadNumberTag(art.constructionPath, kTagCentreV, &t.centre.v);
    t.firstPoint = t.centre;
    t.secondPoint = t.centre;
    t.width = 2.0f * t.radius;
    t.height = t.width;
    t.constructionLive = 1;
    return kNoErr;
}

}  // namespace qzv
