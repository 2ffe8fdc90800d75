// "AI Transform Art Suite" 1: moves an art's anchors and handles by a matrix.
#include <cmath>
#include <vector>

#include "document/document.h"
#include "frame/host.h"

namespace drawhost {

namespace {

// Same arithmetic as the real math suite's point transform.
RealPoint Apply(const RealMatrix& m, RealPoint p) {
    float ah = m.a * p.h;
    float cv = m.c * p.v;
    float bh = m.b * p.h;
    float dv = m.d * p.v;
    return RealPoint{(ah + cv) + m.tx, (bh + dv) + m.ty};
}

void CollectPaths(Art& art, std::vector<Art*>* out) {
    if (art.kind == kArtPath) {
        out->push_back(&art);
        return;
    }
    for (DocId child : art.children)
        if (Art* c = DocumentArtById(child)) CollectPaths(*c, out);
}

// Objects only (kTransformObjects); a line scale of 0 keeps stroke widths,
// any other value multiplies them. All or nothing: a result out of range
// leaves every path as it was.
HostErr TransformArt(ArtHandle art, const RealMatrix* matrix, float lineScale, int32_t flags) {
    return DocumentGuard([&]() -> HostErr {
        Art* a = DocumentFindArt(art);
        if (!a) return kErrBadArt;
        if (!matrix || !std::isfinite(lineScale) || lineScale < 0.0f) return kErrBadParameter;
        const float entries[] = {matrix->a, matrix->b, matrix->c, matrix->d, matrix->tx, matrix->ty};
        for (float e : entries)
            if (!std::isfinite(e)) return kErrBadParameter;
        if (!(flags & kTransformObjects)) return kNoErr;

        std::vector<Art*> paths;
        CollectPaths(*a, &paths);
        std::vector<std::vector<PathSegment>> moved(paths.size());
        std::vector<float> widths(paths.size());
        for (size_t i = 0; i < paths.size(); ++i) {
            for (PathSegment s : paths[i]->segments) {
                s.p = Apply(*matrix, s.p);
                s.in = Apply(*matrix, s.in);
                s.out = Apply(*matrix, s.out);
                if (!DocumentSegmentOk(s)) return kErrBadParameter;
                moved[i].push_back(s);
            }
            widths[i] = paths[i]->style.stroke.width;
            if (lineScale != 0.0f) widths[i] *= lineScale;
            if (!std::isfinite(widths[i]) || widths[i] > kMaxCoordinate) return kErrBadParameter;
        }
        for (size_t i = 0; i < paths.size(); ++i) {
            paths[i]->segments = std::move(moved[i]);
            paths[i]->style.stroke.width = widths[i];
            DocumentArtChanged(paths[i]->id);
        }
        return kNoErr;
    });
}

const TransformArtSuite kTransformArtSuite = {TransformArt};

SuiteRegistrar registration(kTransformArtSuiteName, kTransformArtSuiteVersion, &kTransformArtSuite);

}  // namespace

}  // namespace drawhost
