// The search for snap targets under the cursor: anchor points, straight
// segments, arcs of circle, other curves and the crossing of two of them,
// over every visible, unlocked path of the document. It fills the snap
// result in Globals and sets the cursor for what it finds; nothing else.
#pragma once
#include "sdk_all.h"

namespace qzv {

// The cursor-tracking search: also the cursor copy for the annotation
// drawer and the box of the label next to the cursor.
// When nothing is found, snapPoint and segmentEnd hold the cursor; a cursor
// with a NaN or infinite coordinate finds nothing and leaves both as the
// previous search wrote them. A zoom of 0, below 0 or not finite counts as
// 100 % for the tolerance; a "Tolerance" of 0 finds only exact anchors and
// a negative one none.
void SearchSnapTargets(ToolMessage* message);

// The search during the drag of a live construction: no label box, the
// re-editable mark left alone, only two straight segments cross, a curve
// or an arc ends it.
void SearchSnapTargetsWhileDragging(ToolMessage* message);

// The circle through the anchors of a and b that is tangent at b to b's
// incoming handle: its centre in *centre, its radius returned. A retracted
// handle or aligned points give a centre far away, infinite or NaN.
float CircleFromArcEnds(const PathSegment& a, const PathSegment& b, RealPoint* centre);

// Whether the curve from a to b is an arc of circle passing within
// `tolerance` of the cursor: both ends have a handle, the cursor lies on
// the circle of CircleFromArcEnds within the tolerance, and the handles
// tested lie on its tangents (the squared residual c^2 - a^2 - r^2 within
// the tolerance). *centre and *radius receive that circle whenever it is
// computed (both ends have a handle), also when the answer is false; with a
// retracted end they are left as they were. Aligned or coincident anchors
// give a circle that is infinite or NaN, and false.
bool IsCircularArc(RealPoint cursor, const PathSegment& a, const PathSegment& b, float tolerance, RealPoint* centre,
                   float* radius);

}  // namespace qzv
