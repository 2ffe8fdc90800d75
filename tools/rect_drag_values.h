// The values a drag of the rectangle tool gives: the rectangle's sides, the
// segment's length and angle, and whether two circles have the common
// tangent asked for. Pure functions of their arguments, single precision.
#pragma once
#include "sdk_all.h"

namespace qzv {

// A quarter turn's half: the Space-and-Shift step of inclinations.
inline constexpr float kQuarterPi = 0.7853982f;

struct RectSides {
    float length;   // signed, along the rectangle's own h axis
    float width;    // signed, along its own v axis
};

// The sides of a rectangle dragged from `anchor` to `q` with inclination
// theta: the drag vector measured in the rectangle's rotated frame
// (length d cos(theta - a), width d sin(a - theta)), doubled in the centred
// modes 3 and 4. In the rounded modes 1 and 4 a side shorter than twice the
// rounding's magnitude becomes that long, keeping its sign (0 counts as
// negative). `square` (Shift) gives the width the length's magnitude with
// the width's own sign (0 counts as negative). `toggle` (Alt) doubles the
// sides in modes 0 and 1 and halves them in modes 3 and 4. q equal to the
// anchor gives 0 by 0 (before the rounding's minimum); NaN gives NaN.
RectSides RectangleSidesFromDrag(int mode, RealPoint anchor, RealPoint q, float inclination,
                                 float rounding, bool square, bool toggle);

struct SegmentValues {
    float length;   // signed
    float angle;    // radians
};

// A segment dragged from `anchor`: its angle points at p (the snapped
// anchor point, or the cursor), its length is the projection of q (the
// snapped cursor) on that direction, doubled in the centred mode 5. With
// `stepped` (Shift) the length goes to the nearest multiple of lengthStep
// and the angle to the nearest multiple of angleStep. `toggle` (Alt)
// doubles the length in mode 2 and halves it in mode 5. p equal to the
// anchor gives the angle 0.
SegmentValues SegmentFromDrag(int mode, RealPoint anchor, RealPoint p, RealPoint q, bool stepped,
                              float lengthStep, float angleStep, bool toggle);

// Whether the circles (c1, r1) and (c2, r2) have a common tangent of the
// kind asked: outer tangents need the centres farther apart than the
// difference of the radii (neither circle inside the other), crossed ones
// farther apart than their sum (circles apart). Concentric or coincident
// circles, radii that are not positive and NaN input have none.
bool CommonTangentExists(RealPoint c1, float r1, RealPoint c2, float r2, bool crossed);

}  // namespace qzv
