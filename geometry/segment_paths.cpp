#include "segment_paths.h"

#include "matrix.h"
#include "plane.h"

namespace qzv {

namespace {

ShapeBuild OpenLine(RealPoint from, RealPoint to) {
    ShapeBuild b;
    b.path.count = 2;
    b.path.closed = false;
    b.path.seg[0] = RetractedSegment(from);
    b.path.seg[1] = RetractedSegment(to);
    b.placed = false;
    b.paint = PathPaint::kShape;
    b.applyStyle = true;
    b.showCentre = false;
    return b;
}

}  // namespace

ShapeBuild BuildSegment(float length, bool centred, float angle, RealPoint anchor) {
    const float c = centred ? -length / 2.0f : 0.0f;
    ShapeBuild b = OpenLine(RealPoint{c, 0.0f}, RealPoint{c + length, 0.0f});
    b.placed = true;
    b.showCentre = true;
    SetRotation(b.placement, angle);
    ConcatTranslation(b.placement, anchor.h, anchor.v);
    return b;
}

PolylineEnd UpdatePolylineEnd(RealPoint anchor, RealPoint endPoint, int segmentCount) {
    PolylineEnd out{};
    out.valid = segmentCount >= 2;
    out.firstIndex = out.valid ? segmentCount - 2 : 0;
    out.seg[0] = RetractedSegment(anchor);
    out.seg[1] = RetractedSegment(endPoint);
    out.newAnchor = endPoint;
    return out;
}

RealPoint PolylineEndPoint(RealPoint previousVertex, float length, float angle) {
    return AddPoints(previousVertex, PolarPoint(length, angle));
}

ShapeBuild BuildPerpendicularSegment(RealPoint m, float x, bool centred, RealPoint b, float beta) {
    const float along = beta + kHalfPi;
    if (centred) {
        return OpenLine(AddPoints(b, PolarPoint(x, along)),
                        AddPoints(b, PolarPoint(x, beta + kThreeHalfPi)));
    }
    return OpenLine(b, PickOnDiameter(x, along, b, m, x < 0.0f));
}

TangentSegment BuildTangentSegment(RealPoint m, bool crossed, RealPoint c1, float r1, RealPoint c2,
                                   float r2, float branchLength) {
    const TangentPair pair = CommonTangentPoints(c1, r1, c2, r2, crossed, m);
    TangentSegment out{};
    out.segment = OpenLine(pair.onFirst, pair.onSecond);
    out.ticks = pair.firstTangent;
    if (out.ticks) {
        out.tick[0] = BuildTangencyTick(pair.onFirst, pair.onFirst, pair.onSecond, branchLength);
        out.tick[1] = BuildTangencyTick(pair.onSecond, pair.onFirst, pair.onSecond, branchLength);
    }
    return out;
}

}  // namespace qzv
