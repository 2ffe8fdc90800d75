// Preference storage of the rounding profile: key names and stored values.
// The names are relative to the plug-in's preference prefix ("QZVARC").
// Every coordinate is stored as its value plus 6.0 and read back minus 6.0.
// Points are read and written in blocks of ten: slots 0 to 9 always, 10 to
// 19 as well when the count exceeds 9.
#pragma once

#include <stdint.h>

#include "rounding_profile.h"

namespace qzv {

inline constexpr const char* kKeyProfileCount = "NbPtsArrondiEdit";  // integer
inline constexpr const char* kKeyProfileSymmetry = "SymetriEdit";    // boolean
inline constexpr const char* kKeyCornerTopLeft = "CoinHG";           // booleans
inline constexpr const char* kKeyCornerBottomLeft = "CoinBG";
inline constexpr const char* kKeyCornerBottomRight = "CoinBD";
inline constexpr const char* kKeyCornerTopRight = "CoinHD";

// Added to a coordinate when it is stored, taken off when it is read.
inline constexpr double kProfileStoredOffset = 6.0;

// The six coordinate arrays of a profile, in the order they are read.
enum class ProfileCoordinate { kX, kY, kInX, kInY, kOutX, kOutY };

// Key buffer: the longest key, "PtINOUTEditOY19", has 15 characters.
inline constexpr int kProfileKeySize = 16;

// Writes the key of one coordinate of point index into key: "PtFlEditX0",
// "PtFlEditY12" for anchors, "PtINOUTEditIX3", "PtINOUTEditOY15" for the
// In and Out handles, the index in decimal without leading zeros. An index
// outside 0..19 writes the empty string and returns false.
bool ProfileCoordinateKey(ProfileCoordinate coordinate, int index, char (&key)[kProfileKeySize]);

// The array entry behind one coordinate of point index, or null for an
// index outside 0..19.
float* ProfileCoordinateSlot(RoundingProfile& profile, ProfileCoordinate coordinate, int index);
const float* ProfileCoordinateSlot(const RoundingProfile& profile, ProfileCoordinate coordinate,
                                   int index);

// How many point slots a save or load covers for a count: 10 when the count
// is at most 9, 20 above (a count outside 2..20 is clamped first).
int ProfileStoredSlots(int count);

// A coordinate as stored (plus 6.0, in double) and as read back (minus 6.0,
// rounded to float): a stored 18.0 reads back as 12.0.
double StoredProfileValue(float coordinate);
float ProfileValueFromStored(double stored);

}  // namespace qzv
