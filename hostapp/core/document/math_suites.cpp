// "AI Real Math Suite" 1, "AI Real Bezier Suite" 2 and "AI Random Suite" 3.
//
// Single precision throughout: every intermediate is a float, so that the
// host's answers are the ones a plug-in computing the same formulas in
// float gets. Cosine, sine, arc tangent and square root are computed in
// double and rounded once, so they do not depend on the float library.
//
// MultipleOf: with its flag true it goes to the NEAREST multiple of the step
// (halves away from zero); with the flag false to the multiple not above the
// value. A zero or non-finite step leaves the value as it is.
#include <cmath>

#include "document/document.h"
#include "frame/host.h"

namespace drawhost {

namespace {

constexpr float kPi = 3.1415927f;

struct CosSin {
    float c, s;
};
CosSin CosSinOf(float angle) {
    double a = angle;
    return {static_cast<float>(std::cos(a)), static_cast<float>(std::sin(a))};
}

void AddPoints(const RealPoint* a, const RealPoint* b, RealPoint* result) {
    if (!a || !b || !result) return;
    *result = RealPoint{a->h + b->h, a->v + b->v};
}

float SquareRoot(float x) { return static_cast<float>(std::sqrt(static_cast<double>(x))); }

float PointDistance(const RealPoint* a, const RealPoint* b) {
    if (!a || !b) return 0.0f;
    float dh = b->h - a->h;
    float dv = b->v - a->v;
    float hh = dh * dh;
    float vv = dv * dv;
    return SquareRoot(hh + vv);
}

float ArcTangent(float a, float b) { return static_cast<float>(std::atan2(static_cast<double>(b), static_cast<double>(a))); }

float PointAngle(const RealPoint* a, const RealPoint* b) {
    if (!a || !b) return 0.0f;
    return ArcTangent(b->h - a->h, b->v - a->v);
}

void PolarPoint(float length, float angle, RealPoint* result) {
    if (!result) return;
    CosSin r = CosSinOf(angle);
    *result = RealPoint{length * r.c, length * r.s};
}

HostBool PointsEqual(const RealPoint* a, const RealPoint* b) {
    return a && b && a->h == b->h && a->v == b->v;
}

// Within the tolerance as a distance; any NaN answers false.
HostBool PointsClose(const RealPoint* a, const RealPoint* b, float tolerance) {
    return a && b && PointDistance(a, b) <= tolerance;
}

float RadiansToDegrees(float radians) {
    return static_cast<float>(static_cast<double>(radians) * 180.0 / static_cast<double>(kPi));
}

float DegreesToRadians(float degrees) {
    return static_cast<float>(static_cast<double>(degrees) * static_cast<double>(kPi) / 180.0);
}

float Floor(float x) { return static_cast<float>(std::floor(static_cast<double>(x))); }

float MultipleOf(float x, float step, HostBool flag) {
    float m = std::fabs(step);
    if (m == 0.0f || !std::isfinite(m) || !std::isfinite(x)) return x;
    float q = x / m;
    if (!std::isfinite(q)) return x;
    float whole = static_cast<float>(flag ? std::round(static_cast<double>(q)) : std::floor(static_cast<double>(q)));
    return whole * m;
}

void SetRotation(RealMatrix* m, float angle) {
    if (!m) return;
    CosSin r = CosSinOf(angle);
    *m = RealMatrix{r.c, r.s, -r.s, r.c, 0.0f, 0.0f};
}

void SetTranslation(RealMatrix* m, float tx, float ty) {
    if (!m) return;
    *m = RealMatrix{1.0f, 0.0f, 0.0f, 1.0f, tx, ty};
}

// The rotation is applied after what the matrix already does: every column
// of the matrix, the translation included, is rotated.
void ConcatRotation(RealMatrix* m, float angle) {
    if (!m) return;
    CosSin r = CosSinOf(angle);
    auto rotH = [&](float h, float v) {
        float p = h * r.c;
        float q = v * r.s;
        return p - q;
    };
    auto rotV = [&](float h, float v) {
        float p = h * r.s;
        float q = v * r.c;
        return p + q;
    };
    RealMatrix o = *m;
    *m = RealMatrix{rotH(o.a, o.b), rotV(o.a, o.b), rotH(o.c, o.d), rotV(o.c, o.d), rotH(o.tx, o.ty), rotV(o.tx, o.ty)};
}

void ConcatTranslation(RealMatrix* m, float tx, float ty) {
    if (!m) return;
    m->tx = m->tx + tx;
    m->ty = m->ty + ty;
}

void TransformPoint(const RealMatrix* m, const RealPoint* p, RealPoint* result) {
    if (!m || !p || !result) return;
    float ah = m->a * p->h;
    float cv = m->c * p->v;
    float bh = m->b * p->h;
    float dv = m->d * p->v;
    *result = RealPoint{(ah + cv) + m->tx, (bh + dv) + m->ty};
}

// Bernstein form in float: B(t) = u³P0 + 3u²tP1 + 3ut²P2 + t³P3.
RealPoint BezierPoint(const RealPoint b[4], float t) {
    float u = 1.0f - t;
    float uu = u * u, tt = t * t;
    float w0 = uu * u, w1 = 3.0f * uu * t, w2 = 3.0f * u * tt, w3 = tt * t;
    return RealPoint{w0 * b[0].h + w1 * b[1].h + w2 * b[2].h + w3 * b[3].h,
                     w0 * b[0].v + w1 * b[1].v + w2 * b[2].v + w3 * b[3].v};
}

void BezierPointAt(const RealPoint bezier[4], float t, RealPoint* point) {
    if (!bezier || !point) return;
    *point = BezierPoint(bezier, t);
}

// The tangent is the derivative B'(t) = 3[u²(P1−P0) + 2ut(P2−P1) + t²(P3−P2)].
void BezierPointTangentAt(const RealPoint bezier[4], float t, RealPoint* point, RealPoint* tangent) {
    if (!bezier) return;
    if (point) *point = BezierPoint(bezier, t);
    if (tangent) {
        float u = 1.0f - t;
        float w0 = 3.0f * u * u, w1 = 6.0f * u * t, w2 = 3.0f * t * t;
        *tangent = RealPoint{w0 * (bezier[1].h - bezier[0].h) + w1 * (bezier[2].h - bezier[1].h) +
                                 w2 * (bezier[3].h - bezier[2].h),
                             w0 * (bezier[1].v - bezier[0].v) + w1 * (bezier[2].v - bezier[1].v) +
                                 w2 * (bezier[3].v - bezier[2].v)};
    }
}

// xorshift32: small, reproducible across platforms, never stuck at 0 as
// long as the state is not 0.
HostErr SetRandomSeed(int32_t seed) {
    DocumentSeedRandom(seed);
    return kNoErr;
}

float FloatRnd() {
    uint32_t& x = TheDocument().randomState;
    if (x == 0) x = 1;
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    // The top 24 bits give a float in [0, 1) exactly: no rounding up to 1.
    return static_cast<float>(x >> 8) * (1.0f / 16777216.0f);
}

const RealMathSuite kRealMathSuite = {
    AddPoints,        PointDistance,    PointAngle, PolarPoint, PointsEqual,    PointsClose,
    RadiansToDegrees, DegreesToRadians, ArcTangent, SquareRoot, Floor,          MultipleOf,
    SetRotation,      SetTranslation,   ConcatRotation, ConcatTranslation, TransformPoint,
};
const RealBezierSuite kRealBezierSuite = {BezierPointAt, BezierPointTangentAt};
const RandomSuite kRandomSuite = {SetRandomSeed, FloatRnd};

SuiteRegistrar mathRegistration(kRealMathSuiteName, kRealMathSuiteVersion, &kRealMathSuite);
SuiteRegistrar bezierRegistration(kRealBezierSuiteName, kRealBezierSuiteVersion, &kRealBezierSuite);
SuiteRegistrar randomRegistration(kRandomSuiteName, kRandomSuiteVersion, &kRandomSuite);

}  // namespace

}  // namespace drawhost
