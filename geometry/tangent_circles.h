// Circles tangent to straight lines: the perpendiculars at two tangent
// points, the parallel test of the tangent modes, and the two circles
// tangent to three lines. Lines are given by two points (ReferenceLine).
// Pure functions in single precision.
#pragma once

#include "host_types.h"
#include "marks.h"

namespace qzv {

// The meeting point of the perpendicular to direction a1 at t1 and the
// perpendicular to direction a2 at t2: the centre of the circle tangent at
// t1 and t2 to lines of those directions. Parallel perpendiculars give
// infinite or NaN coordinates.
RealPoint PerpendicularsMeet(RealPoint t1, float a1, RealPoint t2, float a2);

// Both lines exactly horizontal (equal v at both ends of each), both exactly
// vertical, or slopes within about 1 %: the slope of one times the slope of
// the other's perpendicular strictly between -1.01 and -0.99. A line of
// coincident points is parallel to nothing.
bool LinesNearlyParallel(const ReferenceLine& a, const ReferenceLine& b);

struct TwoCandidates {
    bool found;          // false: the construction has no finite answer
    RealPoint centre[2];
    float radius[2];
};

// Two parallel lines p and q and a line x crossing them: the two circles
// between the parallels tangent to all three, one on each side of x. Their
// diameter is the distance from p's first point to q along p's
// perpendicular; their centres lie on the middle parallel, at half the
// chord that the parallels cut on x from its middle, in p's direction and
// the opposite one.
TwoCandidates CirclesBetweenParallels(const ReferenceLine& p, const ReferenceLine& q, const ReferenceLine& x);

// Three lines of which no two are parallel, with the apex of lines 1 and 2,
// the midpoint `m12` of equal tangent points on lines 1 and 2 (so that apex
// to m12 is the bisector on the clicked side), the tangent point `t2` on
// line 2 and the cursor that chooses the clicked side on line 3: the circle
// inside the angles clicked (the bisector at the apex meets the bisector at
// the crossing of lines 2 and 3) and the one beyond (the other bisector at
// the apex meets the line from the crossing of lines 1 and 3 through the
// first). Each radius is the distance from the centre to line 1.
TwoCandidates CirclesTangentToThree(const ReferenceLine (&lines)[3], RealPoint apex, RealPoint m12, RealPoint t2,
                                    RealPoint cursor);

}  // namespace qzv
