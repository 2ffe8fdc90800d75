#include "rounding_profile.h"

namespace qzv {

namespace {

struct ProfilePoint {
    float x, y, inX, inY, outX, outY;
};

constexpr ProfilePoint Plain(float x, float y) {
    return ProfilePoint{x, y, x, y, x, y};
}

// Straight chamfer.
constexpr ProfilePoint kProfile1[] = {Plain(12, 0), Plain(0, 12)};
// Square notch.
constexpr ProfilePoint kProfile2[] = {Plain(12, 0), Plain(12, 12), Plain(0, 12)};
// Decorative steps.
constexpr ProfilePoint kProfile3[] = {Plain(12, 0), Plain(12, 8), Plain(4, 8), Plain(4, 4),
                                      Plain(8, 4),  Plain(8, 12), Plain(0, 12)};
// Quarter round set back from the corner.
constexpr ProfilePoint kProfile4[] = {
    Plain(12, 0),
    {12, 2, 6.5f, 2, 12, 2},
    {2, 12, 2, 12, 2, 6.5f},
    Plain(0, 12),
};
// Decorative curl.
constexpr ProfilePoint kProfile5[] = {
    {11, 0, 12, -1, 11, 0},   {11, -3, 10, -4, 12, -2}, {4, -1, 2, 2, 6, -4},
    {11, 2, 7, 6, 6, 5},      {11, 11, 7, 8, 8, 7},     {2, 11, 5, 6, 6, 7},
    {-1, 4, -4, 6, 2, 2},     {-3, 11, -2, 12, -4, 10}, {0, 11, 0, 11, -1, 12},
};
// Decorative loop.
constexpr ProfilePoint kProfile6[] = {
    Plain(12, 0),          {12, 9, 10, 9, 12, 9}, {7, 3, 7, 3, 5, 5},
    Plain(10, 0),          Plain(0, 0),           Plain(0, 10),
    {3, 7, 5, 5, 3, 7},    {9, 12, 9, 12, 9, 10}, Plain(0, 12),
};

struct Predefined {
    const ProfilePoint* points;
    int count;
};

template <int N>
constexpr Predefined Entry(const ProfilePoint (&points)[N]) {
    static_assert(N >= kProfileMinPoints && N <= kProfileMaxPoints);
    return Predefined{points, N};
}

constexpr Predefined kPredefined[kPredefinedProfileCount] = {
    Entry(kProfile1), Entry(kProfile2), Entry(kProfile3),
    Entry(kProfile4), Entry(kProfile5), Entry(kProfile6),
};

void SetPoints(RoundingProfile& profile, const Predefined& source) {
    for (int i = 0; i < kProfileMaxPoints; ++i) {
        const ProfilePoint p = i < source.count ? source.points[i] : ProfilePoint{};
        profile.x[i] = p.x;
        profile.y[i] = p.y;
        profile.inX[i] = p.inX;
        profile.inY[i] = p.inY;
        profile.outX[i] = p.outX;
        profile.outY[i] = p.outY;
    }
    profile.count = static_cast<int8_t>(source.count);
}

}  // namespace

RoundingProfile DefaultRoundingProfile() {
    RoundingProfile profile;
    SetPoints(profile, kPredefined[0]);
    profile.symmetric = false;
    profile.cornerTopLeft = true;
    profile.cornerTopRight = true;
    profile.cornerBottomLeft = true;
    profile.cornerBottomRight = true;
    return profile;
}

bool ApplyPredefinedProfile(int k, RoundingProfile& profile) {
    if (k < 1 || k > kPredefinedProfileCount) {
        return false;
    }
    SetPoints(profile, kPredefined[k - 1]);
    profile.symmetric = true;
    return true;
}

int ClampProfileCount(int32_t count) {
    if (count < kProfileMinPoints) {
        return kProfileMinPoints;
    }
    if (count > kProfileMaxPoints) {
        return kProfileMaxPoints;
    }
    return static_cast<int>(count);
}

int ProfilePointCount(const RoundingProfile& profile) {
    return ClampProfileCount(profile.count);
}

bool IsSymmetricProfile(const RoundingProfile& p) {
    const int n = ProfilePointCount(p);
    for (int i = 0; i < n; ++i) {
        const int j = n - 1 - i;
        const bool anchor = p.x[j] == p.y[i] && p.y[j] == p.x[i];
        const bool outFromIn = p.outX[j] == p.inY[i] && p.outY[j] == p.inX[i];
        const bool inFromOut = p.inX[j] == p.outY[i] && p.inY[j] == p.outX[i];
        if (!anchor || !outFromIn || !inFromOut) {
            return false;
        }
    }
    return true;
}

bool CanAddProfilePoint(int count) {
    return count < kProfileMaxPoints;
}

bool CanRemoveProfilePoint(int count) {
    return count >= 3;
}

}  // namespace qzv
