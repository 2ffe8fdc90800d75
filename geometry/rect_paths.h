// Paths of the rectangle tool's rectangles: plain, with circular or
// inverted quarter-circle corners, or with the rounding profile on the
// enabled corners. Each is built about its centre and placed by the offset
// that makes the anchor a corner (none when centred), the inclination and
// the move to the anchor point, so that it turns about the first click.
//
// host side: for every ShapeBuild returned here the host-writing layer
//  - returns at once if the rectangle tool's main path no longer exists;
//  - sets both styles' stroke weight to the shape weight ("Epaisseur") and
//    applies the shape style;
//  - makes the path show its centre point;
//  - sets the segment count and closedness, writes the segments and
//    transforms the path by build.placement (object only, line scale 0).
#pragma once

#include "host_types.h"
#include "rounding_profile.h"
#include "shape_path.h"

namespace qzv {

// Rounding types ("TypeArrondi").
inline constexpr int kRoundingCircular = 0;
inline constexpr int kRoundingProfile = 1;

// The closed 4-anchor rectangle of signed length l (along its own h axis)
// and width b (along its own v axis), anchors at the local corners
// (-W, H), (W, H), (W, -H), (-W, -H) with W = |l|/2, H = |b|/2, all corners
// with retracted handles. Uncentred, the anchor point is a corner and a
// negative l or b extends the rectangle toward -h or -v from it; centred, it
// is the centre. Zero sides give coincident anchors; NaN gives NaN points.
ShapeBuild BuildRectangle(float length, float width, bool centred, float inclination,
                          RealPoint anchor);

// The rectangle with rounded corners of radius rho = |rounding|. A rounding
// larger than half a side enlarges that side to 2 rho, keeping the anchor a
// corner. Circular type: 8 anchors, quarter circles bulging outward for a
// positive rounding and centred on the corners (concave) for a negative
// one; the corner switches do not apply. Profile type: the profile scaled
// by rho/12 on each corner whose switch is on (a null profile means the
// default chamfer), one sharp corner anchor where it is off, 4 to 80
// anchors; the sign of the rounding is not used. Any type other than
// kRoundingProfile is taken as circular.
ShapeBuild BuildRoundedRectangle(float length, float width, float rounding, bool centred,
                                 float inclination, RealPoint anchor, int roundingType,
                                 const RoundingProfile* profile);

}  // namespace qzv
