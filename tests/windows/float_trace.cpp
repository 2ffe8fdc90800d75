// Prints the exact bits of what the geometry core computes for a fixed set
// of inputs, one line per call, so that the Linux build and the Windows
// build (run under Wine) can be compared byte for byte. Scalars and points
// are printed in full; a built path as a hash of its every float and flag,
// so that one differing bit in any segment shows.
//
// The inputs come from a fixed linear congruential sequence: the same on
// every platform, wide enough to reach rounding boundaries of sqrt, sin,
// cos and atan2 (lengths from 1e-3 to 1e4 points, any angle).
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "circle_fit.h"
#include "circle_paths.h"
#include "constructions.h"
#include "matrix.h"
#include "plane.h"
#include "rect_paths.h"
#include "rounding_profile.h"
#include "segment_paths.h"

using namespace qzv;

namespace {

uint32_t gSeed = 20261208u;

uint32_t Next() {
    gSeed = gSeed * 1664525u + 1013904223u;
    return gSeed;
}

// Uniform in [lo, hi), from 24 bits of the sequence.
float Uniform(float lo, float hi) { return lo + (hi - lo) * (static_cast<float>(Next() >> 8) / 16777216.0f); }

// Lengths spread over seven decades.
float Length() {
    static const float kScales[] = {0.001f, 0.1f, 1.0f, 10.0f, 100.0f, 1000.0f, 10000.0f};
    return kScales[Next() % 7] * Uniform(0.5f, 5.0f);
}

float Angle() { return Uniform(-7.0f, 7.0f); }

RealPoint Point() { return {Uniform(-5000.0f, 5000.0f), Uniform(-5000.0f, 5000.0f)}; }

uint32_t Bits(float f) {
    uint32_t u;
    std::memcpy(&u, &f, sizeof u);
    return u;
}

void Line(const char* name, int i, std::initializer_list<float> values) {
    std::printf("%s %d", name, i);
    for (float v : values) std::printf(" %08" PRIx32, Bits(v));
    std::printf("\n");
}

void Line(const char* name, int i, RealPoint p) { Line(name, i, {p.h, p.v}); }

// FNV-1a over the bits of every float and flag of a built shape.
uint64_t Hash(const ShapeBuild& b) {
    uint64_t h = 1469598103934665603ull;
    auto mix = [&h](uint32_t word) {
        for (int k = 0; k < 4; ++k) {
            h ^= (word >> (8 * k)) & 0xffu;
            h *= 1099511628211ull;
        }
    };
    mix(static_cast<uint32_t>(b.path.count));
    mix(b.path.closed);
    for (int s = 0; s < b.path.count && s < kShapePathCapacity; ++s) {
        const PathSegment& seg = b.path.seg[s];
        for (float f : {seg.p.h, seg.p.v, seg.in.h, seg.in.v, seg.out.h, seg.out.v}) mix(Bits(f));
        mix(static_cast<uint32_t>(seg.corner));
    }
    const RealMatrix& m = b.placement;
    for (float f : {m.a, m.b, m.c, m.d, m.tx, m.ty}) mix(Bits(f));
    return h;
}

void Shape(const char* name, int i, const ShapeBuild& b) { std::printf("%s %d %016" PRIx64 "\n", name, i, Hash(b)); }

}  // namespace

int main() {
    RoundingProfile profile = DefaultRoundingProfile();
    for (int i = 0; i < 4000; ++i) {
        RealPoint a = Point(), b = Point(), c = Point(), d = Point();
        float len = Length(), len2 = Length(), angle = Angle(), angle2 = Angle();

        Line("PointDistance", i, {PointDistance(a, b)});
        Line("PointAngle", i, {PointAngle(a, b)});
        Line("PolarPoint", i, PolarPoint(len, angle));
        Line("SquareRoot", i, {SquareRoot(len)});
        Line("Degrees", i, {RadiansToDegrees(angle), DegreesToRadians(angle * 50.0f)});
        Line("MultipleOf", i, {MultipleOf(len, 0.5f, true), MultipleOf(angle, 0.2617994f, false)});
        Line("FootOfPerpendicular", i, FootOfPerpendicular(c, a, b));
        Line("IntersectLines", i, IntersectLines(a, b, c, d));
        Line("IntersectCircles", i, IntersectCircles(a, b, PointDistance(a, c), PointDistance(b, c), d));
        Line("PickOnDiameter", i, PickOnDiameter(len, angle, a, b, i % 2 == 0));
        RealPoint centre{};
        bool fits = CircleThroughThree(a, b, c, 1e6f, &centre);
        Line("CircleThroughThree", i, {fits ? 1.0f : 0.0f, centre.h, centre.v});
        float radius = 0.0f;
        RealPoint two = CentreThroughTwo(a, b, PointDistance(a, b) * 0.75f, c, &radius);
        Line("CentreThroughTwo", i, {two.h, two.v, radius});
        Line("Wrap", i, {WrapHalfOpen(angle * 3.0f), WrapClosed(angle * 3.0f)});

        RealMatrix m = IdentityMatrix();
        SetRotation(m, angle);
        ConcatTranslation(m, a.h, a.v);
        ConcatRotation(m, angle2);
        Line("TransformPoint", i, TransformPoint(m, b));

        if (i % 4 == 0) {
            Shape("BuildCircle", i, BuildCircle(len, a, angle));
            Shape("BuildHalfCircle", i, BuildHalfCircle(a, len, angle, i % 8 == 0, i % 3 == 0));
            Shape("BuildArcPath", i, BuildArcPath(a, len, angle2, angle, i % 8 == 0, i % 3 == 0));
            Shape("BuildRectangle", i, BuildRectangle(len, -len2, i % 8 == 0, angle, a));
            Shape("BuildRoundedRectangle", i,
                  BuildRoundedRectangle(len, len2, len * 0.3f, i % 8 == 0, angle, a, kRoundingCircular, nullptr));
            Shape("BuildProfiledRectangle", i,
                  BuildRoundedRectangle(len2, len, len2 * 0.4f, i % 8 != 0, angle2, b, kRoundingProfile, &profile));
            Shape("BuildSegment", i, BuildSegment(len, i % 8 == 0, angle, a));
        }
    }
    return 0;
}
