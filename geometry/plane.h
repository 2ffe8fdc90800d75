// Basic plane geometry in single precision: points, distances, angles and
// the scalar helpers the constructions are built on.
//
// Conventions shared by every routine of the geometry core:
// - all intermediates are stored as 32-bit floats before they are used again;
// - angles are radians; a positive angle turns from +h toward +v;
// - pi is the single-precision value kPi, pi/2 is kHalfPi, also where an
//   angle is offset in double precision.
// Nothing here reports errors: NaN in gives NaN out, never a trap.
#pragma once

#include "host_types.h"

namespace qzv {

inline constexpr float kPi = 3.1415927f;          // 3.1415927410125732
inline constexpr float kHalfPi = 1.5707964f;      // 1.5707963705062866
inline constexpr float kThreeHalfPi = kPi + kHalfPi;

// a + b, component by component.
RealPoint AddPoints(RealPoint a, RealPoint b);

// Euclidean length of b - a: the differences, their squares and the sum are
// each rounded to float, then SquareRoot. Infinite or NaN coordinates give an
// infinite or NaN distance.
float PointDistance(RealPoint a, RealPoint b);

// Direction angle of the vector from a to b, atan2(dv, dh), in -pi..pi.
// Coincident points give 0 (atan2(0, 0)); NaN gives NaN.
float PointAngle(RealPoint a, RealPoint b);

// The offset (L cos a, L sin a); the cosine and sine are rounded to float
// before the product. A negative L points the other way; NaN gives NaN.
RealPoint PolarPoint(float length, float angle);

// True when both coordinates are exactly equal (so -0 equals +0, and a point
// with a NaN coordinate equals nothing, not even itself).
bool PointsEqual(RealPoint a, RealPoint b);

// True when the distance between a and b is at most the tolerance. A negative
// or NaN tolerance, or NaN coordinates, give false.
bool PointsClose(RealPoint a, RealPoint b, float tolerance);

// Angle conversions with the single-precision pi, computed in double and
// rounded once to float.
float RadiansToDegrees(float radians);
float DegreesToRadians(float degrees);

// atan2(b, a): the direction angle of the vector (a, b). (0, 0) gives 0.
float ArcTangent(float a, float b);

// x widened to double, its square root rounded back to float. Negative x
// gives NaN (the callers keep negative input away: circles that miss).
float SquareRoot(float x);

// x widened to double, its floor rounded back to float.
float Floor(float x);

// x brought to a multiple of the step m.
// roundToNearest true (what the tools always pass): the nearest multiple,
// ties away from zero, so 14 in steps of 10 gives 10 and 15 gives 20.
// roundToNearest false: the largest multiple not above x (floor).
// A step of 0, or NaN/infinite input, returns x unchanged; the sign of m
// does not matter.
float MultipleOf(float x, float m, bool roundToNearest);

}  // namespace qzv
