// The rounding profile model and its preference keys.

#include <gtest/gtest.h>

#include <cstring>

#include "profile_keys.h"
#include "rounding_profile.h"

using namespace qzv;

TEST(RoundingProfile, EveryPredefinedProfileIsSymmetric) {
    const int counts[] = {2, 3, 7, 4, 9, 9};  // from the profile table
    for (int k = 1; k <= kPredefinedProfileCount; ++k) {
        RoundingProfile p = DefaultRoundingProfile();
        p.cornerBottomRight = false;
        ASSERT_TRUE(ApplyPredefinedProfile(k, p));
        EXPECT_EQ(p.count, counts[k - 1]) << k;
        EXPECT_TRUE(p.symmetric);
        EXPECT_FALSE(p.cornerBottomRight) << "corner flags are kept";
        EXPECT_TRUE(IsSymmetricProfile(p)) << "profile " << k;
    }
    RoundingProfile p = DefaultRoundingProfile();
    EXPECT_FALSE(ApplyPredefinedProfile(0, p));
    EXPECT_FALSE(ApplyPredefinedProfile(7, p));
    EXPECT_EQ(p.count, 2);
}

// A shorter profile after a longer one: nothing of the longer one stays
// beyond the new count, in any of the six arrays.
TEST(RoundingProfile, AShorterPredefinedProfileLeavesNoOldPoints) {
    RoundingProfile p = DefaultRoundingProfile();
    ASSERT_TRUE(ApplyPredefinedProfile(5, p));   // nine points
    ASSERT_TRUE(ApplyPredefinedProfile(2, p));   // three points
    ASSERT_EQ(p.count, 3);
    for (int i = 3; i < kProfileMaxPoints; ++i) {
        EXPECT_EQ(p.x[i], 0.0f) << i;
        EXPECT_EQ(p.y[i], 0.0f) << i;
        EXPECT_EQ(p.inX[i], 0.0f) << i;
        EXPECT_EQ(p.inY[i], 0.0f) << i;
        EXPECT_EQ(p.outX[i], 0.0f) << i;
        EXPECT_EQ(p.outY[i], 0.0f) << i;
    }
    RoundingProfile fresh = DefaultRoundingProfile();
    ASSERT_TRUE(ApplyPredefinedProfile(2, fresh));
    EXPECT_EQ(memcmp(fresh.x, p.x, sizeof p.x), 0);
    EXPECT_EQ(memcmp(fresh.outY, p.outY, sizeof p.outY), 0);
}

TEST(RoundingProfile, SymmetryTestCatchesABrokenMirror) {
    RoundingProfile p = DefaultRoundingProfile();
    ASSERT_TRUE(ApplyPredefinedProfile(5, p));
    p.outX[8] = -1.5f;  // Out handle of the last point no longer mirrors In of the first
    EXPECT_FALSE(IsSymmetricProfile(p));
    ASSERT_TRUE(ApplyPredefinedProfile(4, p));
    p.inY[2] = 11.0f;   // In handle of point 2 no longer mirrors Out of point 1
    EXPECT_FALSE(IsSymmetricProfile(p));
}

TEST(RoundingProfile, CountLimits) {
    EXPECT_EQ(ClampProfileCount(0), 2);
    EXPECT_EQ(ClampProfileCount(1), 2);
    EXPECT_EQ(ClampProfileCount(-5), 2);
    EXPECT_EQ(ClampProfileCount(12), 12);
    EXPECT_EQ(ClampProfileCount(21), 20);
    EXPECT_EQ(ClampProfileCount(258), 20);
    EXPECT_TRUE(CanAddProfilePoint(19));
    EXPECT_FALSE(CanAddProfilePoint(20));
    EXPECT_TRUE(CanRemoveProfilePoint(3));
    EXPECT_FALSE(CanRemoveProfilePoint(2));
}

TEST(ProfileKeys, NamesFromTheTemplates) {
    char key[kProfileKeySize];
    ASSERT_TRUE(ProfileCoordinateKey(ProfileCoordinate::kY, 12, key));
    EXPECT_STREQ(key, "PtFlEditY12");
    ASSERT_TRUE(ProfileCoordinateKey(ProfileCoordinate::kInX, 3, key));
    EXPECT_STREQ(key, "PtINOUTEditIX3");
    ASSERT_TRUE(ProfileCoordinateKey(ProfileCoordinate::kX, 11, key));
    EXPECT_STREQ(key, "PtFlEditX11");  // the twelfth X
    ASSERT_TRUE(ProfileCoordinateKey(ProfileCoordinate::kOutY, 15, key));
    EXPECT_STREQ(key, "PtINOUTEditOY15");
    ASSERT_TRUE(ProfileCoordinateKey(ProfileCoordinate::kX, 0, key));
    EXPECT_STREQ(key, "PtFlEditX0");
    EXPECT_FALSE(ProfileCoordinateKey(ProfileCoordinate::kX, 20, key));
    EXPECT_STREQ(key, "");
    EXPECT_FALSE(ProfileCoordinateKey(ProfileCoordinate::kX, -1, key));
}

TEST(ProfileKeys, StoredValuesAndBlocksOfTen) {
    EXPECT_EQ(ProfileValueFromStored(18.0), 12.0f);
    EXPECT_EQ(StoredProfileValue(-5.0f), 1.0);
    EXPECT_EQ(ProfileStoredSlots(2), 10);
    EXPECT_EQ(ProfileStoredSlots(9), 10);
    EXPECT_EQ(ProfileStoredSlots(10), 20);
    EXPECT_EQ(ProfileStoredSlots(99), 20);
}

