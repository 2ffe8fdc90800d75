#include "tools/rect_drag_values.h"

#include <cmath>

#include "geometry/plane.h"
#include "geometry/rect_tool_shape.h"

namespace qzv {

namespace {

// A side shorter than `least` becomes that long with its sign; 0 goes the
// negative way.
float AtLeast(float side, float least) {
    if (std::fabs(side) >= least) return side;
    return side > 0.0f ? least : -least;
}

bool Centred(int mode) { return mode == kRectModeCentredRectangle || mode == kRectModeCentredRounded; }
bool Rounded(int mode) { return mode == kRectModeRounded || mode == kRectModeCentredRounded; }

}  // namespace

RectSides RectangleSidesFromDrag(int mode, RealPoint anchor, RealPoint q, float inclination,
                                 float rounding, bool square, bool toggle) {
    const float d = PointDistance(anchor, q);
    const float a = PointAngle(anchor, q);
    const float along = std::cos(inclination - a);
    const float across = std::sin(a - inclination);
    RectSides s{d * along, d * across};
    if (Centred(mode)) {
        s.length *= 2.0f;
        s.width *= 2.0f;
    }
    if (Rounded(mode)) {
        const float least = 2.0f * std::fabs(rounding);
        s.length = AtLeast(s.length, least);
        s.width = AtLeast(s.width, least);
    }
    if (square) s.width = s.width > 0.0f ? std::fabs(s.length) : -std::fabs(s.length);
    if (toggle) {
        const float factor = Centred(mode) ? 0.5f : 2.0f;
        s.length *= factor;
        s.width *= factor;
    }
    return s;
}

SegmentValues SegmentFromDrag(int mode, RealPoint anchor, RealPoint p, RealPoint q, bool stepped,
                              float lengthStep, float angleStep, bool toggle) {
    const bool centred = mode == kRectModeCentredSegment;
    SegmentValues s{};
    s.angle = PointAngle(anchor, p);
    const float d = PointDistance(anchor, q);
    const float a = PointAngle(anchor, q);
    const float along = std::cos(s.angle - a);
    s.length = d * along;
    if (centred) s.length *= 2.0f;
    if (stepped) {
        s.length = MultipleOf(s.length, lengthStep, true);
        s.angle = MultipleOf(s.angle, angleStep, true);
    }
    if (toggle) s.length *= centred ? 0.5f : 2.0f;
    return s;
}

bool CommonTangentExists(RealPoint c1, float r1, RealPoint c2, float r2, bool crossed) {
    if (!(r1 > 0.0f) || !(r2 > 0.0f)) return false;
    const float d = PointDistance(c1, c2);
    if (!(d > 0.0f) || !std::isfinite(d)) return false;
    const float s = crossed ? r1 + r2 : r1 - r2;
    const float d2 = d * d;
    const float s2 = s * s;
    // The tangent's half-chord w = sqrt(d^2 - s^2) must be real and not 0:
    // 0 is two circles touching, whose "tangent" has no length.
    return d2 - s2 > 0.0f;
}

}  // namespace qzv
