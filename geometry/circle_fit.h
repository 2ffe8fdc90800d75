// Circles fitted to clicked points: through three points, and through two
// points with a given radius. Pure functions in single precision.
#pragma once

#include "host_types.h"

namespace qzv {

// The circle through three points: the meeting point of the perpendicular
// bisectors of p1-p2 and p2-p3, computed relative to p1 so that steep or
// level bisectors lose nothing. False when there is no such circle: two
// points coincide, the three lie on one line, or so nearly that the centre
// would be farther than `farthest` from them or its radius more than ten
// thousand times their spread (what single-precision rounding makes of
// aligned points), or any input is NaN. *centre is written only on success.
bool CircleThroughThree(RealPoint p1, RealPoint p2, RealPoint p3, float farthest, RealPoint* centre);

// The centre of the circle of radius r through a and b on the side of the
// chord where `side` lies (a point on the chord's line, or NaN, gives the
// left of a->b). When r is below half the chord the circle on the chord as
// diameter is the answer and *radius becomes half the chord; otherwise
// *radius = r. Coincident a and b give a itself with radius 0... r.
RealPoint CentreThroughTwo(RealPoint a, RealPoint b, float r, RealPoint side, float* radius);

// The angle a brought into [-pi, pi) by adding or subtracting 2 pi (the
// single-precision pi); NaN and infinities stay as they are.
float WrapHalfOpen(float a);

// The angle a brought into [-pi, pi]: a value of exactly pi stays pi.
float WrapClosed(float a);

}  // namespace qzv
