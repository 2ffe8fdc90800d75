#include "circle_paths.h"

#include <cmath>

#include "matrix.h"
#include "plane.h"

namespace qzv {

namespace {

// Rotation of the circle pieces, then the move to the centre.
RealMatrix RotateThenMove(float angle, RealPoint to) {
    RealMatrix m;
    SetRotation(m, angle);
    ConcatTranslation(m, to.h, to.v);
    return m;
}

// Builds go through this so that a build always starts empty.
ShapeBuild ShapeOf(int count, bool closed) {
    ShapeBuild b;
    b.path.count = count;
    b.path.closed = closed;
    b.placed = true;
    b.paint = PathPaint::kShape;
    b.applyStyle = true;
    b.showCentre = true;
    return b;
}

}  // namespace

ShapeBuild BuildCircle(float radius, RealPoint centre, float constraintAngle) {
    const float r = radius;
    const float c = kCurveConstant * r;
    ShapeBuild b = ShapeOf(4, true);
    PathSegment* s = b.path.seg;
    s[0] = CurveSegment({-r, 0.0f}, {-r, -c}, {-r, c});
    s[1] = CurveSegment({0.0f, r}, {-c, r}, {c, r});
    s[2] = CurveSegment({r, 0.0f}, {r, c}, {r, -c});
    s[3] = CurveSegment({0.0f, -r}, {c, -r}, {-c, -r});
    b.placement = RotateThenMove(constraintAngle, centre);
    return b;
}

ShapeBuild BuildHalfCircle(RealPoint centre, float radius, float startAngle, bool sector,
                           bool complement) {
    const float r = radius;
    const float c = kCurveConstant * r;
    ShapeBuild b = ShapeOf(3, sector);
    PathSegment* s = b.path.seg;
    s[0] = CurveSegment({r, 0.0f}, {r, 0.0f}, {r, c});
    s[1] = CurveSegment({0.0f, r}, {c, r}, {-c, r});
    s[2] = CurveSegment({-r, 0.0f}, {-r, c}, {-r, 0.0f});
    RealMatrix m;
    SetRotation(m, startAngle);
    if (complement) {
        ConcatRotation(m, kPi);
    }
    ConcatTranslation(m, centre.h, centre.v);
    b.placement = m;
    return b;
}

ShapeBuild BuildArcPath(RealPoint centre, float radius, float sweep, float startAngle, bool sector,
                        bool complement) {
    const float r = radius;
    const float c = kCurveConstant * r;
    const float sigma = sweep < 0.0f ? -1.0f : 1.0f;
    const float absSweep = std::fabs(sweep);

    // delta is the turning direction in the local frame; m the number of
    // pieces; phi the span of the last piece.
    float delta;
    int m;
    float covered;
    if (!complement) {
        delta = -sigma;
        m = absSweep <= kHalfPi ? 1 : 2;
        covered = absSweep;
    } else {
        delta = sigma;
        m = absSweep >= kHalfPi ? 3 : 4;
        covered = (2.0f * kPi) - absSweep;
    }
    const float phi = covered - static_cast<float>(m - 1) * kHalfPi;
    const float g = (c * phi) / kHalfPi;

    const int count = m + 1 + (sector ? 1 : 0);
    ShapeBuild b = ShapeOf(count, sector);
    PathSegment* s = b.path.seg;

    // Anchors 0..m-1 sit at quarter turns from local angle 0; each is turned
    // into place one quarter turn at a time.
    RealMatrix quarter;
    SetRotation(quarter, delta * kHalfPi);
    for (int j = 0; j < m; ++j) {
        const float inLength = j == 0 ? 0.0f : c;
        const float outLength = j == m - 1 ? g : c;
        RealPoint p{r, 0.0f};
        RealPoint in{r, -delta * inLength};
        RealPoint out{r, delta * outLength};
        for (int turn = 0; turn < j; ++turn) {
            p = TransformPoint(quarter, p);
            in = TransformPoint(quarter, in);
            out = TransformPoint(quarter, out);
        }
        // The first anchor's incoming handle is retracted exactly, whatever
        // the rounding of -delta * 0.
        if (j == 0) {
            in = p;
        }
        s[j] = CurveSegment(p, in, out);
    }

    // The end of the arc, at local angle -sweep.
    RealMatrix toEnd;
    SetRotation(toEnd, -sweep);
    const RealPoint endPoint = TransformPoint(toEnd, RealPoint{r, 0.0f});
    const RealPoint endIn = TransformPoint(toEnd, RealPoint{r, -delta * g});
    s[m] = CurveSegment(endPoint, endIn, endPoint);

    if (sector) {
        // The origin maps exactly onto the centre under the placement, so
        // the centre anchor can be written with the others.
        s[m + 1] = RetractedSegment(RealPoint{0.0f, 0.0f});
    }
    b.placement = RotateThenMove(startAngle, centre);
    return b;
}

CircleOrArcResult BuildCircleOrArc(const CircleOrArcInput& in) {
    static constexpr float kTolerance = 0.0001f;
    CircleOrArcResult result{};
    result.arcStart = AddPoints(in.centre, PolarPoint(in.radius, in.startAngle));
    result.arcEnd = AddPoints(in.centre, PolarPoint(in.radius, in.endAngle));
    result.rebuildCross = in.crossOn;
    result.extent = 0.0f;

    const float degrees = std::fabs(RadiansToDegrees(in.sweep));
    if (degrees < kTolerance || degrees > 360.0f - kTolerance) {
        result.shape = CircleOrArcShape::kFullCircle;
        result.extent = 2.0f * in.radius;
        result.main = BuildCircle(in.radius, in.centre, in.constraintAngle);
    } else if (degrees > 180.0f - kTolerance && degrees < 180.0f + kTolerance) {
        result.shape = CircleOrArcShape::kHalfCircle;
        result.main = BuildHalfCircle(in.centre, in.radius, in.startAngle, in.sector, in.complement);
    } else {
        result.shape = CircleOrArcShape::kArc;
        result.main =
            BuildArcPath(in.centre, in.radius, in.sweep, in.startAngle, in.sector, in.complement);
    }
    return result;
}

}  // namespace qzv
