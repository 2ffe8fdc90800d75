// Paths of the rectangle tool's straight lines: segments, centred segments,
// the growing polygonal line, the segment along a circle's tangent and the
// segment tangent to two circles. All anchors have retracted handles and
// are corners.
//
// host side:
//  - every builder returns at once if the rectangle tool's main path no
//    longer exists, sets both styles' stroke weight to the shape weight
//    ("Epaisseur") and applies the shape style;
//  - BuildSegment: makes the path show its centre point, writes 2 segments,
//    open, and transforms the path by build.placement (object only);
//  - UpdatePolylineEnd: reads the previous vertex back from the path (the
//    anchor of the next-to-last segment) before calling, writes the two
//    segments at firstIndex and firstIndex + 1 of the path whose segment
//    count the tool maintains, then sets the tool's anchor point to
//    newAnchor so that the next piece starts there;
//  - BuildPerpendicularSegment: writes the 2 segments as they are;
//  - BuildTangentSegment: writes the 2 segments, open; when ticks is set,
//    rebuilds tangency ticks 0 and 1 from tick[0] and tick[1] as for the
//    circle tool (creating them in the target group when needed).
#pragma once

#include "constructions.h"
#include "host_types.h"
#include "marks.h"
#include "shape_path.h"

namespace qzv {

// The open segment of signed length L along the local h axis, from (c, 0)
// to (c + L, 0) with c = -L/2 when centred and 0 otherwise, turned by the
// segment angle and moved to the anchor point. A negative length runs
// toward -h; NaN gives NaN points.
ShapeBuild BuildSegment(float length, bool centred, float angle, RealPoint anchor);

struct PolylineEnd {
    bool valid;        // false when the path has fewer than 2 segments
    int firstIndex;    // segment count - 2
    PathSegment seg[2];
    RealPoint newAnchor;
};

// The last piece of the polygonal line: the anchor point (the last fixed
// vertex) as segment count - 2 and the end point as segment count - 1.
// A segment count below 2 leaves nothing to rewrite: valid is false.
PolylineEnd UpdatePolylineEnd(RealPoint anchor, RealPoint endPoint, int segmentCount);

// The end point of the polygonal line's last piece when its length or angle
// changes: previous vertex + PolarPoint(length, angle).
RealPoint PolylineEndPoint(RealPoint previousVertex, float length, float angle);

// The segment through the base point b at right angles to the direction
// beta (the radius of a clicked circle at b, so the segment lies along the
// circle's tangent). Centred: from b + PolarPoint(x, beta + pi/2) to
// b + PolarPoint(x, beta + 3pi/2), length 2|x|. Not centred: from b to the
// end at distance x along the tangent that is nearer to the reference point
// m for x >= 0 and farther from it for x < 0. Result in document
// coordinates.
ShapeBuild BuildPerpendicularSegment(RealPoint m, float x, bool centred, RealPoint b, float beta);

struct TangentSegment {
    ShapeBuild segment;  // document coordinates, open, 2 anchors
    bool ticks;          // the first tangent was chosen: draw ticks 0 and 1
    MarkPath tick[2];    // across the segment at its two touching points
};

// The segment tangent to the circles (c1, r1) and (c2, r2) nearer to the
// cursor m, outer or crossed (CommonTangentPoints gives what degenerate
// circles produce). Ticks of the branch length are computed only when the
// first candidate tangent was chosen.
TangentSegment BuildTangentSegment(RealPoint m, bool crossed, RealPoint c1, float r1, RealPoint c2,
                                   float r2, float branchLength);

}  // namespace qzv
