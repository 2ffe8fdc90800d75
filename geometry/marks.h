// Construction marks drawn beside a shape: the centre cross and the
// tangency ticks. Both are short straight strokes of the branch length
// ("Branches"), computed directly in document coordinates.
//
// host side:
//  - BuildCentreCross: return at once if the first branch does not exist;
//    set both styles' stroke weight to the mark weight and give both branches
//    the mark style; draw the random number in [0, 1) from the host's random
//    suite only when the random switch ("Alea") is on, and pass it to
//    CentreCrossOrientation; write along.seg as segments 0 and 1 of the
//    first branch and across.seg of the second.
//  - BuildTangencyTick: set both styles' stroke weight to the mark weight;
//    if tick i has not been created, create a path inside the target group
//    on top and mark tick i created; apply the mark style and, only if that
//    call succeeds, write the two segments.
//  - FinishCircleShape: return if the circle tool's main path no longer
//    exists; with the tangency switch off dispose of every existing tick and
//    clear its created flag; with it on, create the target group above the
//    main path if it does not exist and move the main path inside it on top,
//    then rebuild the ticks FinishCircleTicks lists (each rebuilt tick gets
//    the mark style once more).
#pragma once

#include "host_types.h"

namespace qzv {

// A two-anchor open stroke in document coordinates, retracted handles,
// both anchors corners, painted with the mark style and mark weight.
struct MarkPath {
    PathSegment seg[2];
};

struct CentreCross {
    MarkPath along;   // the first branch, along the cross's own h axis
    MarkPath across;  // the second branch, along its own v axis
};

// The orientation of the centre cross: random01 * pi/2 when the random
// switch is on (random01 from the host, in [0, 1)), else the fixed angle.
float CentreCrossOrientation(bool randomOn, float random01, float fixedAngle);

// Two strokes of length branchLength centred on the centre, at right angles,
// the first turned by the orientation. A length of 0 gives two zero-length
// strokes on the centre; a negative length swaps each stroke's ends.
CentreCross BuildCentreCross(RealPoint centre, float branchLength, float orientation);

// A stroke of length branchLength across the line ab at the foot of the
// perpendicular from p. For a circle tangent to a line, p is the centre and
// the foot is the touching point. Coincident a and b count as a horizontal
// line (the tick is then vertical); NaN gives NaN ends.
MarkPath BuildTangencyTick(RealPoint p, RealPoint a, RealPoint b, float branchLength);

// One of the segments the user clicked in the tangent modes.
struct ReferenceLine {
    RealPoint a;
    RealPoint b;
};

// Number of tangency ticks of a circle mode: 1 for mode 6, 2 for mode 7,
// 3 for mode 8, 0 for every other value.
int TangencyTickCount(int circleMode);

struct FinishedTicks {
    bool disposeAll;  // the tangency switch is off: dispose of every tick
    int count;        // ticks 0..count-1 are rebuilt
    MarkPath tick[3];
};

// The ticks to rebuild after a circle-tool shape changed: tick i across
// reference line i at the foot of the perpendicular from the centre.
FinishedTicks FinishCircleTicks(int circleMode, bool tangentOn, RealPoint centre,
                                const ReferenceLine (&lines)[3], float branchLength);

}  // namespace qzv
