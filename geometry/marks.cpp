#include "marks.h"

#include "constructions.h"
#include "matrix.h"
#include "plane.h"

namespace qzv {

namespace {

PathSegment CornerAt(RealPoint p) {
    return PathSegment{p, p, p, 1};
}

}  // namespace

float CentreCrossOrientation(bool randomOn, float random01, float fixedAngle) {
    return randomOn ? random01 * kHalfPi : fixedAngle;
}

CentreCross BuildCentreCross(RealPoint centre, float branchLength, float orientation) {
    RealMatrix m;
    SetRotation(m, orientation);
    ConcatTranslation(m, centre.h, centre.v);
    CentreCross cross;
    for (int i = 0; i < 2; ++i) {
        const float offset = branchLength * (static_cast<float>(i) - 0.5f);
        cross.along.seg[i] = CornerAt(TransformPoint(m, RealPoint{offset, 0.0f}));
        cross.across.seg[i] = CornerAt(TransformPoint(m, RealPoint{0.0f, offset}));
    }
    return cross;
}

MarkPath BuildTangencyTick(RealPoint p, RealPoint a, RealPoint b, float branchLength) {
    const RealPoint foot = FootOfPerpendicular(p, a, b);
    const float direction = PointAngle(a, b);
    const float half = branchLength / 2.0f;
    MarkPath tick;
    tick.seg[0] = CornerAt(AddPoints(foot, PolarPoint(half, direction + kHalfPi)));
    tick.seg[1] = CornerAt(AddPoints(foot, PolarPoint(half, direction - kHalfPi)));
    return tick;
}

int TangencyTickCount(int circleMode) {
    switch (circleMode) {
        case 6: return 1;
        case 7: return 2;
        case 8: return 3;
        default: return 0;
    }
}

FinishedTicks FinishCircleTicks(int circleMode, bool tangentOn, RealPoint centre,
                                const ReferenceLine (&lines)[3], float branchLength) {
    FinishedTicks out{};
    out.disposeAll = !tangentOn;
    out.count = tangentOn ? TangencyTickCount(circleMode) : 0;
    for (int i = 0; i < out.count; ++i) {
        out.tick[i] = BuildTangencyTick(centre, lines[i].a, lines[i].b, branchLength);
    }
    return out;
}

}  // namespace qzv
