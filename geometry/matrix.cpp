#include "matrix.h"

#include <cmath>

namespace qzv {

namespace {

struct CosSin {
    float c;
    float s;
};

// Rounded once from double, as for PolarPoint, so that rotations and polar
// offsets by the same angle use the same cosine and sine.
CosSin CosSinOf(float angle) {
    const double a = static_cast<double>(angle);
    return CosSin{static_cast<float>(std::cos(a)), static_cast<float>(std::sin(a))};
}

}  // namespace

RealMatrix IdentityMatrix() {
    return RealMatrix{1.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f};
}

void SetRotation(RealMatrix& m, float angle) {
    const CosSin r = CosSinOf(angle);
    m = RealMatrix{r.c, r.s, -r.s, r.c, 0.0f, 0.0f};
}

void SetTranslation(RealMatrix& m, float tx, float ty) {
    m = RealMatrix{1.0f, 0.0f, 0.0f, 1.0f, tx, ty};
}

void ConcatRotation(RealMatrix& m, float angle) {
    // R * M with R = [cos -sin; sin cos]: every column of M (including the
    // translation) is rotated.
    const CosSin r = CosSinOf(angle);
    const auto rotH = [&](float h, float v) {
        const float p = h * r.c;
        const float q = v * r.s;
        return p - q;
    };
    const auto rotV = [&](float h, float v) {
        const float p = h * r.s;
        const float q = v * r.c;
        return p + q;
    };
    const RealMatrix old = m;
    m.a = rotH(old.a, old.b);
    m.b = rotV(old.a, old.b);
    m.c = rotH(old.c, old.d);
    m.d = rotV(old.c, old.d);
    m.tx = rotH(old.tx, old.ty);
    m.ty = rotV(old.tx, old.ty);
}

void ConcatTranslation(RealMatrix& m, float tx, float ty) {
    m.tx = m.tx + tx;
    m.ty = m.ty + ty;
}

RealPoint TransformPoint(const RealMatrix& m, RealPoint p) {
    const float ah = m.a * p.h;
    const float cv = m.c * p.v;
    const float bh = m.b * p.h;
    const float dv = m.d * p.v;
    const float h = (ah + cv) + m.tx;
    const float v = (bh + dv) + m.ty;
    return RealPoint{h, v};
}

}  // namespace qzv
