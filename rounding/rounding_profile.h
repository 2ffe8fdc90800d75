// The rounding profile: a short Bezier path drawn in a 12 x 12 corner frame
// that the rectangle builder scales to the rounding radius and places in
// each enabled corner of a profiled rectangle.
//
// Frame (top-left corner): the origin is the rectangle's corner, X runs
// along the top edge toward the right, Y down the left edge; 12 units are
// one rounding radius. The curve from point i to point i + 1 is the cubic
// (point i, In handle of i, Out handle of i + 1, point i + 1).
#pragma once

#include <stdint.h>

namespace qzv {

inline constexpr int kProfileMinPoints = 2;
inline constexpr int kProfileMaxPoints = 20;
inline constexpr int kPredefinedProfileCount = 6;

struct RoundingProfile {
    int8_t count = 2;  // points in use, 2..20
    float x[kProfileMaxPoints] = {};
    float y[kProfileMaxPoints] = {};
    float inX[kProfileMaxPoints] = {};   // In handle: leaves the point toward the next
    float inY[kProfileMaxPoints] = {};
    float outX[kProfileMaxPoints] = {};  // Out handle: arrives from the previous point
    float outY[kProfileMaxPoints] = {};
    bool symmetric = false;  // editor moves are mirrored across X = Y
    bool cornerTopLeft = true;      // "CoinHG"
    bool cornerTopRight = true;     // "CoinHD"
    bool cornerBottomLeft = true;   // "CoinBG"
    bool cornerBottomRight = true;  // "CoinBD"
};

// The straight chamfer from (12, 0) to (0, 12), handles retracted, symmetry
// off, all four corners on. Entries beyond the two points are 0.
RoundingProfile DefaultRoundingProfile();

// Replaces the points of the profile with predefined profile k (1..6), sets
// symmetry on and keeps the corner flags; entries beyond the new count are
// cleared. Returns false and changes nothing for any other k.
bool ApplyPredefinedProfile(int k, RoundingProfile& profile);

// A stored point count brought into 2..20: below 2 becomes 2, above 20
// becomes 20 (a profile never reads or writes beyond its 20 entries).
// Callers that give 0 the meaning "no profile stored" test for it first.
int ClampProfileCount(int32_t count);

// The profile's count as it may be used to index its arrays, always 2..20.
int ProfilePointCount(const RoundingProfile& profile);

// True when point n-1-i is point i mirrored across X = Y and the Out handle
// of n-1-i is the In handle of i mirrored likewise (and the reverse), for
// every i; compared exactly.
bool IsSymmetricProfile(const RoundingProfile& profile);

// The editor's limits: a point may be added below 20 points and removed
// from 3 points up.
bool CanAddProfilePoint(int count);
bool CanRemoveProfilePoint(int count);

}  // namespace qzv
