// Exact constructions of the drawing tools: perpendicular feet, line and
// circle intersections, common tangents, and the choice between the two ends
// of a diameter. Pure functions in single precision; none reports an error.
// Each documents what degenerate input gives so that callers can test first.
#pragma once

#include "host_types.h"

namespace qzv {

// Foot of the perpendicular from p onto the line through a and b.
// A horizontal line (a.v == b.v exactly) gives (p.h, a.v); a vertical one
// (a.h == b.h) gives (a.h, p.v); coincident a and b count as horizontal and
// give (p.h, a.v). Otherwise the projection a + t (b - a) with
// t = (p - a).(b - a) / |b - a|^2, computed in double and rounded once, so
// nearly level or upright lines keep their foot on the line. NaN input
// gives NaN coordinates.
RealPoint FootOfPerpendicular(RealPoint p, RealPoint a, RealPoint b);

// Intersection of the line p0p1 with the line p2p3.
// A shared point is returned as it is, tested in the order p0==p2, p0==p3,
// p1==p2, p1==p3. Parallel lines are not detected (test with LinesMeet
// first): they give infinite or NaN coordinates, as do two vertical lines
// and zero-length lines.
RealPoint IntersectLines(RealPoint p0, RealPoint p1, RealPoint p2, RealPoint p3);

// True when the lines ab and ef are not parallel (cross term not exactly 0)
// and neither a == b nor e == f. NaN input gives true only if the cross
// term is NaN and the points differ, so callers that may see NaN should
// check their points first.
bool LinesMeet(RealPoint a, RealPoint b, RealPoint e, RealPoint f);

// True when the segments ab and ef cross strictly inside both: touching at
// an end point, parallel or collinear (cross term 0) segments and NaN input
// all give false.
bool SegmentsCross(RealPoint a, RealPoint b, RealPoint e, RealPoint f);

// Of the two points at distance length from k in the directions angle and
// angle + pi, the one nearer to r (farther false) or farther from r (farther
// true). A tie, or distances that cannot be compared (NaN), give the point
// in the direction angle.
RealPoint PickOnDiameter(float length, float angle, RealPoint k, RealPoint r, bool farther);

// Of the two intersection points of the circles (c0, r0) and (c1, r1), the
// one nearer to r (a tie gives the one a quarter turn counterclockwise from
// the line c0 -> c1). Tangent circles give their touching point, also when
// rounding makes them seem to miss by a hair: the point then lies on both
// circles within single precision. Circles that clearly do not meet give
// NaN coordinates; concentric circles divide by zero and give NaN or
// infinite coordinates: callers test the triangle inequality of r0, r1 and
// the distance first.
RealPoint IntersectCircles(RealPoint c0, RealPoint c1, float r0, float r1, RealPoint r);

// The touching points of a common tangent of two circles.
struct TangentPair {
    RealPoint onFirst;    // on the circle (c1, r1)
    RealPoint onSecond;   // on the circle (c2, r2)
    bool firstTangent;    // the first of the two candidate tangents was chosen
};

// The common tangent of (c1, r1) and (c2, r2) that lies nearer to m: an
// outer tangent, or with crossed a tangent passing between the circles.
// Of the two candidates the first is chosen when m is strictly nearer to its
// point on the second circle; a tie picks the second. A circle inside the
// other (or, crossed, overlapping circles) has no such tangent: the square
// root of a negative number makes the points NaN. Coincident centres give
// NaN or arbitrary but finite points; callers keep both away.
TangentPair CommonTangentPoints(RealPoint c1, float r1, RealPoint c2, float r2, bool crossed,
                                RealPoint m);

}  // namespace qzv
