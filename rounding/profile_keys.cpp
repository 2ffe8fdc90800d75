#include "profile_keys.h"

namespace qzv {

namespace {

constexpr char kPointTemplate[] = "PtFlEditX99";
constexpr int kPointAxisAt = 8;
constexpr char kHandleTemplate[] = "PtINOUTEditXX99";
constexpr int kHandleSideAt = 11;
constexpr int kHandleAxisAt = 12;

// Copies a template, then writes the letters over its placeholders and the
// index over its digits, ending the text after the index.
template <int N>
void FromTemplate(const char (&pattern)[N], int digitsAt, int index, char (&key)[kProfileKeySize]) {
    static_assert(N <= kProfileKeySize);
    for (int i = 0; i < N; ++i) {
        key[i] = pattern[i];
    }
    int at = digitsAt;
    if (index >= 10) {
        key[at++] = static_cast<char>('0' + index / 10);
    }
    key[at++] = static_cast<char>('0' + index % 10);
    key[at] = '\0';
}

}  // namespace

bool ProfileCoordinateKey(ProfileCoordinate coordinate, int index, char (&key)[kProfileKeySize]) {
    key[0] = '\0';
    if (index < 0 || index >= kProfileMaxPoints) {
        return false;
    }
    switch (coordinate) {
        case ProfileCoordinate::kX:
        case ProfileCoordinate::kY:
            FromTemplate(kPointTemplate, kPointAxisAt + 1, index, key);
            key[kPointAxisAt] = coordinate == ProfileCoordinate::kX ? 'X' : 'Y';
            return true;
        case ProfileCoordinate::kInX:
        case ProfileCoordinate::kInY:
        case ProfileCoordinate::kOutX:
        case ProfileCoordinate::kOutY: {
            const bool in = coordinate == ProfileCoordinate::kInX || coordinate == ProfileCoordinate::kInY;
            const bool x = coordinate == ProfileCoordinate::kInX || coordinate == ProfileCoordinate::kOutX;
            FromTemplate(kHandleTemplate, kHandleAxisAt + 1, index, key);
            key[kHandleSideAt] = in ? 'I' : 'O';
            key[kHandleAxisAt] = x ? 'X' : 'Y';
            return true;
        }
    }
    return false;
}

const float* ProfileCoordinateSlot(const RoundingProfile& profile, ProfileCoordinate coordinate,
                                   int index) {
    if (index < 0 || index >= kProfileMaxPoints) {
        return nullptr;
    }
    switch (coordinate) {
        case ProfileCoordinate::kX: return &profile.x[index];
        case ProfileCoordinate::kY: return &profile.y[index];
        case ProfileCoordinate::kInX: return &profile.inX[index];
        case ProfileCoordinate::kInY: return &profile.inY[index];
        case ProfileCoordinate::kOutX: return &profile.outX[index];
        case ProfileCoordinate::kOutY: return &profile.outY[index];
    }
    return nullptr;
}

float* ProfileCoordinateSlot(RoundingProfile& profile, ProfileCoordinate coordinate, int index) {
    const RoundingProfile& read = profile;
    return const_cast<float*>(ProfileCoordinateSlot(read, coordinate, index));
}

int ProfileStoredSlots(int count) {
    return ClampProfileCount(count) > 9 ? 20 : 10;
}

double StoredProfileValue(float coordinate) {
    return static_cast<double>(coordinate) + kProfileStoredOffset;
}

float ProfileValueFromStored(double stored) {
    return static_cast<float>(stored - kProfileStoredOffset);
}

}  // namespace qzv
