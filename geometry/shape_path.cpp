#include "shape_path.h"

#include <cmath>

#include "matrix.h"
#include "plane.h"

namespace qzv {

PathSegment RetractedSegment(RealPoint p) {
    return PathSegment{p, p, p, 1};
}

PathSegment CurveSegment(RealPoint anchor, RealPoint in, RealPoint out) {
    PathSegment s{anchor, in, out, 0};
    SetCornerFlag(s);
    return s;
}

void SetCornerFlag(PathSegment& s) {
    if (PointsEqual(s.in, s.p) || PointsEqual(s.out, s.p)) {
        s.corner = 1;
        return;
    }
    // Double precision here: the flag is a classification, not geometry.
    const double ih = static_cast<double>(s.in.h) - s.p.h;
    const double iv = static_cast<double>(s.in.v) - s.p.v;
    const double oh = static_cast<double>(s.out.h) - s.p.h;
    const double ov = static_cast<double>(s.out.v) - s.p.v;
    const double cross = ih * ov - iv * oh;
    const double dot = ih * oh + iv * ov;
    const double lengths = std::sqrt(ih * ih + iv * iv) * std::sqrt(oh * oh + ov * ov);
    const bool aligned = std::fabs(cross) <= 1e-4 * lengths && dot < 0.0;
    s.corner = aligned ? 0 : 1;  // NaN fails both tests and gives a corner
}

void SetCornerFlags(ShapePath& path) {
    for (int i = 0; i < path.count && i < kShapePathCapacity; ++i) {
        SetCornerFlag(path.seg[i]);
    }
}

ShapePath PlacedPath(const ShapeBuild& build) {
    ShapePath out = build.path;
    if (!build.placed) {
        return out;
    }
    for (int i = 0; i < out.count && i < kShapePathCapacity; ++i) {
        PathSegment& s = out.seg[i];
        s.p = TransformPoint(build.placement, s.p);
        s.in = TransformPoint(build.placement, s.in);
        s.out = TransformPoint(build.placement, s.out);
    }
    return out;
}

}  // namespace qzv
