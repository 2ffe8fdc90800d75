// Basic operations and matrices.
#include <cmath>
#include <limits>

#include "matrix.h"
#include "near.h"
#include "plane.h"

using namespace qzv;

TEST(Plane, ConstantsAreTheSinglePrecisionValues) {
    EXPECT_EQ(static_cast<double>(kPi), 3.1415927410125732);
    EXPECT_EQ(static_cast<double>(kHalfPi), 1.5707963705062866);
}

TEST(Plane, DistanceAngleAndPolarOffset) {
    // 3-4-5 triangle: exact in single precision.
    EXPECT_EQ(PointDistance({1, 1}, {4, 5}), 5.0f);
    EXPECT_EQ(PointDistance({2, 2}, {2, 2}), 0.0f);
    EXPECT_EQ(PointAngle({0, 0}, {0, 3}), kHalfPi);
    EXPECT_EQ(PointAngle({0, 0}, {-1, 0}), kPi);
    EXPECT_EQ(PointAngle({1, 1}, {1, 1}), 0.0f);  // coincident points
    EXPECT_EQ(ArcTangent(0.0f, 1.0f), kHalfPi);    // atan2(b, a): the vector (0, 1)
    EXPECT_POINT_NEAR(PolarPoint(2, kHalfPi), 0.0f, 2.0f, 1e-6f);
    EXPECT_POINT_NEAR(PolarPoint(-2, 0), -2.0f, 0.0f, 0.0f);
    EXPECT_TRUE(std::isnan(PointDistance({NAN, 0}, {0, 0})));
}

TEST(Plane, EqualityAndTolerance) {
    EXPECT_TRUE(PointsEqual({0.0f, 1}, {-0.0f, 1}));
    EXPECT_FALSE(PointsEqual({NAN, 1}, {NAN, 1}));
    EXPECT_TRUE(PointsClose({0, 0}, {3, 4}, 5.0f));   // on the boundary
    EXPECT_FALSE(PointsClose({0, 0}, {3, 4}, 4.99f));
    EXPECT_FALSE(PointsClose({0, 0}, {0, 0}, NAN));
    EXPECT_FALSE(PointsClose({0, 0}, {0, 0}, -1.0f));
}

TEST(Plane, MultipleOfGoesToTheNearestWithTheFlag) {
    EXPECT_EQ(MultipleOf(14.0f, 10.0f, true), 10.0f);
    EXPECT_EQ(MultipleOf(15.0f, 10.0f, true), 20.0f);    // tie away from zero
    EXPECT_EQ(MultipleOf(-15.0f, 10.0f, true), -20.0f);
    EXPECT_EQ(MultipleOf(14.0f, -10.0f, true), 10.0f);   // sign of the step ignored
    EXPECT_EQ(MultipleOf(19.0f, 10.0f, false), 10.0f);   // floor without the flag
    EXPECT_EQ(MultipleOf(-1.0f, -10.0f, false), -10.0f);
    EXPECT_EQ(MultipleOf(7.0f, 0.0f, true), 7.0f);
    EXPECT_TRUE(std::isnan(MultipleOf(NAN, 10.0f, true)));
    const float inf = std::numeric_limits<float>::infinity();
    EXPECT_EQ(MultipleOf(inf, 10.0f, true), inf);
}

TEST(Matrix, SetRotationThenTranslationRotatesFirstAndMovesSecond) {
    RealMatrix m;
    SetRotation(m, kHalfPi);
    EXPECT_EQ(m.a, m.d);
    EXPECT_EQ(m.c, -m.b);
    ConcatTranslation(m, 10.0f, 0.0f);
    // (1, 0) turns to (0, 1), then moves by (10, 0).
    EXPECT_POINT_NEAR(TransformPoint(m, {1, 0}), 10.0f, 1.0f, 1e-6f);
}

TEST(Matrix, ConcatenatedRotationAppliesAfterTheTranslation) {
    RealMatrix m;
    SetTranslation(m, 1.0f, 0.0f);
    ConcatRotation(m, kHalfPi);
    // The origin moves to (1, 0) first, then turns a quarter to (0, 1).
    EXPECT_POINT_NEAR(TransformPoint(m, {0, 0}), 0.0f, 1.0f, 1e-6f);
    // Two quarter turns make a half turn.
    ConcatRotation(m, kHalfPi);
    EXPECT_POINT_NEAR(TransformPoint(m, {0, 0}), -1.0f, 0.0f, 1e-6f);
}
