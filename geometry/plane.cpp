#include "plane.h"

#include <cmath>

namespace qzv {

// Single-precision constants as the angles are offset with them.
static constexpr float kDegreesPerRadian = 180.0f / kPi;
static constexpr float kRadiansPerDegree = kPi / 180.0f;

RealPoint AddPoints(RealPoint a, RealPoint b) {
    return RealPoint{a.h + b.h, a.v + b.v};
}

float PointDistance(RealPoint a, RealPoint b) {
    const float dh = b.h - a.h;
    const float dv = b.v - a.v;
    const float hh = dh * dh;
    const float vv = dv * dv;
    const float sum = hh + vv;
    return SquareRoot(sum);
}

float PointAngle(RealPoint a, RealPoint b) {
    const float dh = b.h - a.h;
    const float dv = b.v - a.v;
    return ArcTangent(dh, dv);
}

RealPoint PolarPoint(float length, float angle) {
    // cos and sin are computed in double and rounded once, so the result
    // does not depend on the quality of the float library functions.
    const float c = static_cast<float>(std::cos(static_cast<double>(angle)));
    const float s = static_cast<float>(std::sin(static_cast<double>(angle)));
    return RealPoint{length * c, length * s};
}

bool PointsEqual(RealPoint a, RealPoint b) {
    return a.h == b.h && a.v == b.v;
}

bool PointsClose(RealPoint a, RealPoint b, float tolerance) {
    // Written so that any NaN makes the comparison false.
    return PointDistance(a, b) <= tolerance;
}

float RadiansToDegrees(float radians) {
    return radians * kDegreesPerRadian;
}

float DegreesToRadians(float degrees) {
    return degrees * kRadiansPerDegree;
}

float ArcTangent(float a, float b) {
    return static_cast<float>(std::atan2(static_cast<double>(b), static_cast<double>(a)));
}

float SquareRoot(float x) {
    return static_cast<float>(std::sqrt(static_cast<double>(x)));
}

float Floor(float x) {
    return static_cast<float>(std::floor(static_cast<double>(x)));
}

float MultipleOf(float x, float m, bool roundToNearest) {
    // Multiples of m and of -m are the same set; work with the positive step
    // so that "not above x" means the same for either sign.
    const float step = std::fabs(m);
    if (step == 0.0f || !std::isfinite(x) || !std::isfinite(step)) {
        return x;
    }
    const float quotient = x / step;
    if (!std::isfinite(quotient)) {
        return x;  // a step so small that the quotient overflows
    }
    const double q = static_cast<double>(quotient);
    const float whole = static_cast<float>(roundToNearest ? std::round(q) : std::floor(q));
    return whole * step;
}

}  // namespace qzv
