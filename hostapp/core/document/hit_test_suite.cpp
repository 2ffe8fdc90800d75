// "AI Hit Test Suite" 3 and "AI Matching Art Suite" 5: what lies under a
// point, and the list of every path.
//
// The hit test looks from the top of the paint order down and answers the
// first path that is hit: within the tolerance (plus half its stroke width)
// of its outline, or inside it when it is closed and filled. Art the user
// cannot pick is passed over: on a hidden or locked layer, hidden or
// locked itself or inside a hidden or locked group.
#include <cmath>

#include "document/document.h"
#include "document/path_geometry.h"
#include "frame/host.h"

namespace drawhost {

namespace {

bool PathHit(const Art& path, double h, double v, double tolerance) {
    double reach = tolerance;
    if (path.style.strokePaint && path.style.stroke.color.kind != kPaintNone) reach += path.style.stroke.width / 2.0;
    if (PathDistance(path, h, v) <= reach) return true;
    bool filled = path.style.fillPaint && path.style.fill.kind != kPaintNone;
    return filled && path.closed && !path.guide && PathContains(path, h, v);
}

// The topmost hit path inside `art`, or 0.
DocId TopmostHit(const Art& art, double h, double v, double tolerance) {
    if (art.userAttr & (kArtHidden | kArtLocked)) return 0;
    if (art.kind == kArtPath) return PathHit(art, h, v, tolerance) ? art.id : 0;
    for (auto it = art.children.rbegin(); it != art.children.rend(); ++it)
        if (const Art* child = DocumentArtById(*it))
            if (DocId hit = TopmostHit(*child, h, v, tolerance)) return hit;
    return 0;
}

HostErr HitTest(const RealPoint* point, float tolerance, HitHandle* hit) {
    return DocumentGuard([&]() -> HostErr {
        if (!point || !hit || !DocumentPointOk(*point)) return kErrBadParameter;
        if (!std::isfinite(tolerance) || tolerance < 0.0f) return kErrBadParameter;
        Document& doc = TheDocument();
        DocId found = 0;
        for (const auto& layer : doc.layers) {   // topmost layer first
            if (!layer->visible || !layer->editable) continue;
            if (const Art* group = DocumentArtById(layer->group))
                found = TopmostHit(*group, point->h, point->v, tolerance);
            if (found) break;
        }
        DocId id = DocumentNewId();
        doc.hits[id] = found;
        *hit = reinterpret_cast<HitHandle>(static_cast<uintptr_t>(id));
        return kNoErr;
    });
}

// An unknown or released hit record is no hit.
HostBool IsHit(HitHandle hit) {
    const auto& hits = TheDocument().hits;
    auto it = hits.find(IdOf(hit));
    return it != hits.end() && it->second != 0 && DocumentArtById(it->second);
}

// The art may have been disposed since the test: then no art comes back.
HostErr GetHitArt(HitHandle hit, ArtHandle* art) {
    const auto& hits = TheDocument().hits;
    auto it = hits.find(IdOf(hit));
    if (it == hits.end()) return kErrBadHandle;
    if (!art) return kErrBadParameter;
    *art = DocumentArtById(it->second) ? ArtHandleOf(it->second) : nullptr;
    return kNoErr;
}

HostErr ReleaseHit(HitHandle hit) { return TheDocument().hits.erase(IdOf(hit)) ? kNoErr : kErrBadHandle; }

HostErr GetMatchingPaths(const ArtHandle** paths, int32_t* count) {
    return DocumentGuard([&]() -> HostErr {
        if (!paths || !count) return kErrBadParameter;
        Document& doc = TheDocument();
        doc.matching.clear();
        for (const Art* a : DocumentPathsInPaintOrder()) doc.matching.push_back(ArtHandleOf(a->id));
        *paths = doc.matching.data();
        *count = static_cast<int32_t>(doc.matching.size());
        return kNoErr;
    });
}

HostErr ReleaseMatchingArt() {
    Document& doc = TheDocument();
    doc.matching.clear();
    doc.matching.shrink_to_fit();
    return kNoErr;
}

const HitTestSuite kHitTestSuite = {HitTest, IsHit, GetHitArt, ReleaseHit};
const MatchingArtSuite kMatchingArtSuite = {GetMatchingPaths, ReleaseMatchingArt};

SuiteRegistrar hitRegistration(kHitTestSuiteName, kHitTestSuiteVersion, &kHitTestSuite);
SuiteRegistrar matchRegistration(kMatchingArtSuiteName, kMatchingArtSuiteVersion, &kMatchingArtSuite);

}  // namespace

}  // namespace drawhost
