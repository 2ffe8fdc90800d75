#include "rect_paths.h"

#include <cmath>

#include "circle_paths.h"
#include "matrix.h"

namespace qzv {

namespace {

// Offset (none when centred), inclination about the anchor, move to it.
RealMatrix RectanglePlacement(float offsetH, float offsetV, bool centred, float inclination,
                              RealPoint anchor) {
    RealMatrix m;
    if (centred) {
        SetTranslation(m, 0.0f, 0.0f);
    } else {
        SetTranslation(m, offsetH, offsetV);
    }
    ConcatRotation(m, inclination);
    ConcatTranslation(m, anchor.h, anchor.v);
    return m;
}

ShapeBuild RectangleShape() {
    ShapeBuild b;
    b.placed = true;
    b.paint = PathPaint::kShape;
    b.applyStyle = true;
    b.showCentre = true;
    b.path.closed = true;
    return b;
}

void CircularCorners(ShapePath& path, float w, float h, float rho, bool inverted) {
    const float k = kCurveConstant * rho;
    const float left = -w;
    const float right = w;
    const float top = h;
    const float bottom = -h;
    // The eight anchors, starting on the left side below the top-left
    // rounding and turning toward decreasing angle.
    const RealPoint p[8] = {
        {left, top - rho},  {rho - w, top},     {w - rho, top},    {right, top - rho},
        {right, rho - h},   {w - rho, bottom},  {rho - w, bottom}, {left, rho - h},
    };
    // Each corner's extended handle: outward along the side for a convex
    // corner, into the rectangle for a concave one.
    RealPoint handle[8];
    if (!inverted) {
        handle[0] = {left, (top - rho) + k};
        handle[1] = {(rho - w) - k, top};
        handle[2] = {(w - rho) + k, top};
        handle[3] = {right, (top - rho) + k};
        handle[4] = {right, (rho - h) - k};
        handle[5] = {(w - rho) + k, bottom};
        handle[6] = {(rho - w) - k, bottom};
        handle[7] = {left, (rho - h) - k};
    } else {
        handle[0] = {-w + k, top - rho};
        handle[1] = {rho - w, h - k};
        handle[2] = {w - rho, h - k};
        handle[3] = {w - k, top - rho};
        handle[4] = {w - k, rho - h};
        handle[5] = {w - rho, -h + k};
        handle[6] = {rho - w, -h + k};
        handle[7] = {-w + k, rho - h};
    }
    // Even anchors start a rounding (outgoing handle), odd ones end it.
    for (int i = 0; i < 8; ++i) {
        const bool leaving = i % 2 == 0;
        path.seg[i] = CurveSegment(p[i], leaving ? p[i] : handle[i], leaving ? handle[i] : p[i]);
    }
    path.count = 8;
}

// Mirror of a segment in the h axis (v negated) or the v axis (h negated),
// with its handles exchanged so that the mirrored corner runs on in the
// path's direction.
PathSegment MirrorExchanged(const PathSegment& s, float signH, float signV) {
    PathSegment m;
    m.p = {signH * s.p.h, signV * s.p.v};
    m.in = {signH * s.out.h, signV * s.out.v};
    m.out = {signH * s.in.h, signV * s.in.v};
    m.corner = s.corner;
    return m;
}

void ProfileCorners(ShapePath& path, float w, float h, float rho, const RoundingProfile& profile) {
    const int n = ProfilePointCount(profile);
    const float s = rho / 12.0f;
    PathSegment all[4 * kProfileMaxPoints];
    // Top-left corner in profile order; the profile's Out handle arrives at
    // the point, so it becomes the incoming handle.
    for (int i = 0; i < n; ++i) {
        const RealPoint anchor{profile.x[i] * s - w, h - profile.y[i] * s};
        const RealPoint in{profile.outX[i] * s - w, h - profile.outY[i] * s};
        const RealPoint out{profile.inX[i] * s - w, h - profile.inY[i] * s};
        all[i] = CurveSegment(anchor, in, out);
    }
    for (int i = n; i < 2 * n; ++i) {  // bottom left: top left mirrored in h
        all[i] = MirrorExchanged(all[2 * n - 1 - i], 1.0f, -1.0f);
    }
    for (int i = 2 * n; i < 3 * n; ++i) {  // bottom right: bottom left mirrored in v
        all[i] = MirrorExchanged(all[4 * n - 1 - i], -1.0f, 1.0f);
    }
    for (int i = 3 * n; i < 4 * n; ++i) {  // top right: bottom right mirrored in h
        all[i] = MirrorExchanged(all[6 * n - 1 - i], 1.0f, -1.0f);
    }

    // A corner whose switch is off keeps one sharp anchor at the
    // rectangle's corner instead of its n profile anchors.
    const bool on[4] = {profile.cornerTopLeft, profile.cornerBottomLeft, profile.cornerBottomRight,
                        profile.cornerTopRight};
    const RealPoint sharp[4] = {{-w, h}, {-w, -h}, {w, -h}, {w, h}};
    int count = 0;
    for (int corner = 0; corner < 4; ++corner) {
        if (on[corner]) {
            for (int i = 0; i < n; ++i) {
                path.seg[count++] = all[corner * n + i];
            }
        } else {
            path.seg[count++] = RetractedSegment(sharp[corner]);
        }
    }
    path.count = count;
}

}  // namespace

ShapeBuild BuildRectangle(float length, float width, bool centred, float inclination,
                          RealPoint anchor) {
    const float w = std::fabs(length) / 2.0f;
    const float h = std::fabs(width) / 2.0f;
    ShapeBuild b = RectangleShape();
    b.path.count = 4;
    b.path.seg[0] = RetractedSegment({-w, h});
    b.path.seg[1] = RetractedSegment({w, h});
    b.path.seg[2] = RetractedSegment({w, -h});
    b.path.seg[3] = RetractedSegment({-w, -h});
    b.placement = RectanglePlacement(length / 2.0f, width / 2.0f, centred, inclination, anchor);
    return b;
}

ShapeBuild BuildRoundedRectangle(float length, float width, float rounding, bool centred,
                                 float inclination, RealPoint anchor, int roundingType,
                                 const RoundingProfile* profile) {
    float w = std::fabs(length) / 2.0f;
    float h = std::fabs(width) / 2.0f;
    const float rho = std::fabs(rounding);
    float offsetH = length / 2.0f;
    float offsetV = width / 2.0f;
    // A rounding larger than half a side enlarges that side to fit it; the
    // anchor stays the corner it was.
    if (rho > w) {
        w = rho;
        offsetH = offsetH > 0.0f ? rho : -rho;
    }
    if (rho > h) {
        h = rho;
        offsetV = offsetV > 0.0f ? rho : -rho;
    }
    ShapeBuild b = RectangleShape();
    if (roundingType == kRoundingProfile) {
        const RoundingProfile fallback = profile ? RoundingProfile{} : DefaultRoundingProfile();
        ProfileCorners(b.path, w, h, rho, profile ? *profile : fallback);
    } else {
        CircularCorners(b.path, w, h, rho, rounding < 0.0f);
    }
    b.placement = RectanglePlacement(offsetH, offsetV, centred, inclination, anchor);
    return b;
}

}  // namespace qzv
