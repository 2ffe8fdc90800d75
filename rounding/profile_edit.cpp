#include "profile_edit.h"

#include <initializer_list>
#include <math.h>

namespace qzv {

namespace {

int Count(const RoundingProfile& profile) { return ProfilePointCount(profile); }

bool Valid(ProfileSelection s, int count) { return s.index >= 0 && s.index < count; }

float Lerp(float a, float b, float t) { return a + (b - a) * t; }

int Abs(int a) { return a < 0 ? -a : a; }

// The four control points of curve i (from point i to point i + 1), in units.
struct Cubic {
    float x[4], y[4];
};

Cubic CurveOf(const RoundingProfile& p, int i) {
    return Cubic{{p.x[i], p.inX[i], p.outX[i + 1], p.x[i + 1]},
                 {p.y[i], p.inY[i], p.outY[i + 1], p.y[i + 1]}};
}

void PointOf(const Cubic& c, float t, float* x, float* y) {
    const float u = 1.0f - t;
    const float a = u * u * u, b = 3.0f * u * u * t, d = 3.0f * u * t * t, e = t * t * t;
    *x = a * c.x[0] + b * c.x[1] + d * c.x[2] + e * c.x[3];
    *y = a * c.y[0] + b * c.y[1] + d * c.y[2] + e * c.y[3];
}

// Copies every array entry of slot `from` to slot `to`.
void CopySlot(RoundingProfile& p, int from, int to) {
    p.x[to] = p.x[from];
    p.y[to] = p.y[from];
    p.inX[to] = p.inX[from];
    p.inY[to] = p.inY[from];
    p.outX[to] = p.outX[from];
    p.outY[to] = p.outY[from];
}

void ClearSlot(RoundingProfile& p, int slot) {
    p.x[slot] = p.y[slot] = p.inX[slot] = p.inY[slot] = p.outX[slot] = p.outY[slot] = 0.0f;
}

bool Within(const RoundingProfile& profile, ProfileSelection s, int h, int v, int reach) {
    const float* x = ElementX(profile, s);
    const float* y = ElementY(profile, s);
    if (!x || !y) return false;
    return Abs(PixelFromUnits(*x) - h) <= reach && Abs(PixelFromUnits(*y) - v) <= reach;
}

}  // namespace

int16_t SelectionCode(ProfileSelection selection) {
    return static_cast<int16_t>(static_cast<int16_t>(selection.kind) + selection.index);
}

bool DecodeSelection(int16_t code, ProfileSelection* selection) {
    const ProfileElement kinds[] = {ProfileElement::kPoint, ProfileElement::kIn, ProfileElement::kOut};
    for (ProfileElement kind : kinds) {
        const int index = code - static_cast<int16_t>(kind);
        if (index >= 0 && index < kProfileMaxPoints) {
            *selection = ProfileSelection{kind, index};
            return true;
        }
    }
    return false;
}

float UnitsFromPixel(int pixel) {
    return static_cast<float>(pixel - kCanvasOrigin) / static_cast<float>(kCanvasPixelsPerUnit);
}

int PixelFromUnits(float units) {
    if (!(units == units)) return kCanvasOrigin;
    // Far outside the canvas every pixel is the same to the caller; keep the
    // conversion inside the integer range.
    if (units > 1.0e6f) units = 1.0e6f;
    if (units < -1.0e6f) units = -1.0e6f;
    return kCanvasOrigin + static_cast<int>(lroundf(units * static_cast<float>(kCanvasPixelsPerUnit)));
}

int ClampCanvasPixel(int pixel) {
    if (pixel < kCanvasUsableMin) return kCanvasUsableMin;
    if (pixel > kCanvasUsableMax) return kCanvasUsableMax;
    return pixel;
}

float ClampProfileUnits(float units) {
    if (!(units == units)) return 0.0f;
    if (units < kProfileUnitsMin) return kProfileUnitsMin;
    if (units > kProfileUnitsMax) return kProfileUnitsMax;
    return units;
}

float SnapPixelToGrid(int pixel, int step) {
    if (step < 1 || step > kGridLastLine - kGridFirstLine) step = 20;
    const int lastK = (kGridLastLine - kGridFirstLine) / step;
    // Nearest line: round (pixel - 30) / step to the nearest whole k.
    int offset = pixel - kGridFirstLine;
    int k = offset >= 0 ? (offset + step / 2) / step : -((-offset + step / 2) / step);
    if (k < 0) k = 0;
    if (k > lastK) k = lastK;
    return UnitsFromPixel(kGridFirstLine + k * step);
}

const float* ElementX(const RoundingProfile& profile, ProfileSelection s) {
    if (!Valid(s, Count(profile))) return nullptr;
    switch (s.kind) {
        case ProfileElement::kPoint: return &profile.x[s.index];
        case ProfileElement::kIn: return &profile.inX[s.index];
        case ProfileElement::kOut: return &profile.outX[s.index];
    }
    return nullptr;
}

const float* ElementY(const RoundingProfile& profile, ProfileSelection s) {
    if (!Valid(s, Count(profile))) return nullptr;
    switch (s.kind) {
        case ProfileElement::kPoint: return &profile.y[s.index];
        case ProfileElement::kIn: return &profile.inY[s.index];
        case ProfileElement::kOut: return &profile.outY[s.index];
    }
    return nullptr;
}

float* ElementX(RoundingProfile& profile, ProfileSelection s) {
    return const_cast<float*>(ElementX(static_cast<const RoundingProfile&>(profile), s));
}

float* ElementY(RoundingProfile& profile, ProfileSelection s) {
    return const_cast<float*>(ElementY(static_cast<const RoundingProfile&>(profile), s));
}

ProfileSelection MirrorElement(ProfileSelection s, int count) {
    const int mirrorIndex = count - 1 - s.index;
    switch (s.kind) {
        case ProfileElement::kPoint: return ProfileSelection{ProfileElement::kPoint, mirrorIndex};
        case ProfileElement::kIn: return ProfileSelection{ProfileElement::kOut, mirrorIndex};
        case ProfileElement::kOut: return ProfileSelection{ProfileElement::kIn, mirrorIndex};
    }
    return s;
}

bool MoveElement(RoundingProfile& profile, ProfileSelection s, float x, float y) {
    float* ex = ElementX(profile, s);
    float* ey = ElementY(profile, s);
    if (!ex || !ey) return false;
    if (x == x) *ex = ClampProfileUnits(x);
    if (y == y) *ey = ClampProfileUnits(y);
    if (!profile.symmetric) return true;
    const ProfileSelection m = MirrorElement(s, Count(profile));
    if (m.kind == s.kind && m.index == s.index) {
        const float onDiagonal = (*ex + *ey) * 0.5f;
        *ex = onDiagonal;
        *ey = onDiagonal;
        return true;
    }
    *ElementX(profile, m) = *ey;
    *ElementY(profile, m) = *ex;
    return true;
}

bool SetElementCoordinate(RoundingProfile& profile, ProfileSelection s, int axis, float value) {
    float* slot = axis == 0 ? ElementX(profile, s) : ElementY(profile, s);
    if (!slot || !(value == value) || (axis != 0 && axis != 1)) return false;
    value = ClampProfileUnits(value);
    *slot = value;
    if (profile.symmetric) {
        const ProfileSelection m = MirrorElement(s, Count(profile));
        *(axis == 0 ? ElementY(profile, m) : ElementX(profile, m)) = value;
    }
    return true;
}

bool HitElement(const RoundingProfile& profile, int h, int v, int reach,
                const ProfileSelection* preferred, ProfileSelection* hit) {
    const int count = Count(profile);
    if (preferred && ElementInUse(*preferred, count) && Within(profile, *preferred, h, v, reach)) {
        *hit = *preferred;
        return true;
    }
    const ProfileElement kinds[] = {ProfileElement::kPoint, ProfileElement::kIn, ProfileElement::kOut};
    for (ProfileElement kind : kinds) {
        for (int i = 0; i < count; ++i) {
            const ProfileSelection s{kind, i};
            if (ElementInUse(s, count) && Within(profile, s, h, v, reach)) {
                *hit = s;
                return true;
            }
        }
    }
    return false;
}

bool HitPoint(const RoundingProfile& profile, int h, int v, int reach, int* index) {
    for (int i = 0; i < Count(profile); ++i) {
        if (Within(profile, ProfileSelection{ProfileElement::kPoint, i}, h, v, reach)) {
            *index = i;
            return true;
        }
    }
    return false;
}

void CurvePoint(const RoundingProfile& profile, int curve, float t, float* x, float* y) {
    PointOf(CurveOf(profile, curve), t, x, y);
}

bool NearestCurvePlace(const RoundingProfile& profile, int h, int v, int reach, CurvePlace* place) {
    bool found = false;
    int best = 0;
    for (int i = 0; i + 1 < Count(profile); ++i) {
        const Cubic c = CurveOf(profile, i);
        for (int k = 0; k < 100; ++k) {
            const float t = static_cast<float>(k) / 100.0f;
            float x, y;
            PointOf(c, t, &x, &y);
            const int dh = Abs(PixelFromUnits(x) - h), dv = Abs(PixelFromUnits(y) - v);
            if (dh > reach || dv > reach) continue;
            const int distance = dh * dh + dv * dv;
            if (!found || distance < best) {
                found = true;
                best = distance;
                *place = CurvePlace{i, t};
            }
        }
    }
    return found;
}

void ClampProfileToCanvas(RoundingProfile& p) {
    for (int i = 0; i < Count(p); ++i) {
        for (float* c : {&p.x[i], &p.y[i], &p.inX[i], &p.inY[i], &p.outX[i], &p.outY[i]}) *c = ClampProfileUnits(*c);
    }
}

bool RemoveProfilePoint(RoundingProfile& profile, int index) {
    const int count = Count(profile);
    if (!CanRemoveProfilePoint(count) || index < 0 || index >= count) return false;
    for (int i = index; i + 1 < count; ++i) CopySlot(profile, i + 1, i);
    ClearSlot(profile, count - 1);
    profile.count = static_cast<int8_t>(count - 1);
    return true;
}

bool InsertProfilePoint(RoundingProfile& p, CurvePlace place) {
    const int count = Count(p);
    const int i = place.curve;
    if (!CanAddProfilePoint(count) || i < 0 || i + 1 >= count || !(place.t == place.t)) return false;
    const float t = place.t < 0.0f ? 0.0f : place.t > 1.0f ? 1.0f : place.t;
    const Cubic c = CurveOf(p, i);
    // de Casteljau: the left half is (P0, q0, r0, s), the right (s, r1, q2, P3).
    float q[3][2], r[2][2], s[2];
    for (int axis = 0; axis < 2; ++axis) {
        const float* w = axis == 0 ? c.x : c.y;
        q[0][axis] = Lerp(w[0], w[1], t);
        q[1][axis] = Lerp(w[1], w[2], t);
        q[2][axis] = Lerp(w[2], w[3], t);
        r[0][axis] = Lerp(q[0][axis], q[1][axis], t);
        r[1][axis] = Lerp(q[1][axis], q[2][axis], t);
        s[axis] = Lerp(r[0][axis], r[1][axis], t);
    }
    for (int k = count; k > i + 1; --k) CopySlot(p, k - 1, k);
    const int n = i + 1;
    p.inX[i] = q[0][0];
    p.inY[i] = q[0][1];
    p.x[n] = s[0];
    p.y[n] = s[1];
    p.outX[n] = r[0][0];
    p.outY[n] = r[0][1];
    p.inX[n] = r[1][0];
    p.inY[n] = r[1][1];
    p.outX[n + 1] = q[2][0];
    p.outY[n + 1] = q[2][1];
    p.count = static_cast<int8_t>(count + 1);
    return true;
}

ProfileSelection StepSelection(ProfileSelection s, int step, int count) {
    if (count < 1) return s;
    ProfileSelection next = s;
    for (int tries = 0; tries < count; ++tries) {
        int index = (next.index + step) % count;
        if (index < 0) index += count;
        next.index = index;
        if (ElementInUse(next, count)) return next;
    }
    return s;
}

bool ElementInUse(ProfileSelection s, int count) {
    if (!Valid(s, count)) return false;
    if (s.kind == ProfileElement::kOut && s.index == 0) return false;
    if (s.kind == ProfileElement::kIn && s.index == count - 1) return false;
    return true;
}

}  // namespace qzv
