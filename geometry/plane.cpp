#include "plane.h"

#include <cmath>

namespace qzv {

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

// The conversions run in double with the single-precision pi and round
// once: a float product with a rounded 180/pi loses up to three ulps, enough
// to push a sweep of 359.99995 degrees below the full-circle threshold.
float RadiansToDegrees(float radians) {
    return static_cast<float>(static_cast<double>(radians) * 180.0 / static_cast<double>(kPi));
}

float DegreesToRadians(float degrees) {
    return static_cast<float>(static_cast<double>(degrees) * static_cast<double>(kPi) / 180.0);
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
