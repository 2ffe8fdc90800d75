// Paths of the circle tool: full circles, half circles, arcs and sectors,
// built about the origin and placed by a rotation then a move to the centre.
// Circular pieces are cubic Bezier curves whose handle length is k*r for a
// quarter circle and proportionally shorter for a shorter piece.
//
// host side: for every ShapeBuild returned here the host-writing layer
//  - returns at once if the circle tool's main path no longer exists
//    (BuildCircle only; the arc builders rely on their callers for that);
//  - sets the stroke weight of both derived styles to the weight of
//    build.paint, and applies that style when build.applyStyle is set;
//  - sets the segment count and closedness, writes the segments and then
//    transforms the path by build.placement (object only, line scale 0);
//  - BuildCircle: when the target group exists, moves the path inside it at
//    the bottom and makes its centre point visible; when both the target
//    group and the first cross branch exist, moves both branches inside the
//    group on top;
//  - BuildCircleOrArc: stores arcStart and arcEnd (and, for a full circle,
//    the width and height) in the tool state; when rebuildCross is set, runs
//    the centre cross (marks.h) with a fresh random number and moves both
//    branches inside the target group on top when the group exists.
#pragma once

#include "host_types.h"
#include "shape_path.h"

namespace qzv {

// Handle length of a quarter circle of radius 1.
inline constexpr float kCurveConstant = 0.5522848f;

// The full circle of radius r: 4 smooth anchors at local angles pi, pi/2, 0
// and -pi/2 (decreasing angle), closed, rotated by the constraint angle and
// moved to the centre. The first anchor thus lies at the constraint angle
// plus pi. The constraint angle is used as given (radians); a host that
// stores it in degrees is converted by the caller. r = 0 gives four anchors on the centre; a negative r mirrors the
// circle through the centre; NaN gives NaN points.
ShapeBuild BuildCircle(float radius, RealPoint centre, float constraintAngle);

// The half circle from local angle 0 through pi/2 to pi, 3 anchors, closed
// along its diameter when sector is set (no centre anchor). Rotated by the
// start angle, by a further pi with the complement switch (the other half),
// and moved to the centre.
ShapeBuild BuildHalfCircle(RealPoint centre, float radius, float startAngle, bool sector,
                           bool complement);

// The arc of signed sweep s (radians) starting at the start angle: for s > 0
// it turns toward decreasing angle and ends at local angle -s; with the
// complement switch it runs the other way round, covering 2pi - |s|, to the
// same end. It is split into quarter pieces plus one last shorter piece
// (1 or 2 pieces, or 3 or 4 with the complement switch); a sector adds the
// centre as last anchor and closes the path. At most 6 anchors.
// s = 0 counts as positive and gives a zero-length arc; NaN gives NaN
// points but a valid segment count.
ShapeBuild BuildArcPath(RealPoint centre, float radius, float sweep, float startAngle, bool sector,
                        bool complement);

struct CircleOrArcInput {
    RealPoint centre;
    float radius;
    float startAngle;       // radians
    float endAngle;         // radians
    float sweep;            // signed, radians
    bool complement;        // draw the other arc between the same end points
    bool sector;            // "Secteur"
    float constraintAngle;  // the host's "constrain/angle", passed unchanged
    bool crossOn;           // centre-cross switch
};

enum class CircleOrArcShape {
    kFullCircle,
    kHalfCircle,
    kArc,
};

struct CircleOrArcResult {
    ShapeBuild main;
    CircleOrArcShape shape;
    RealPoint arcStart;   // centre + PolarPoint(r, start angle)
    RealPoint arcEnd;     // centre + PolarPoint(r, end angle)
    float extent;         // full circle only: the tool's width and height, 2r
    bool rebuildCross;    // the centre cross must be rebuilt
};

// Chooses between full circle, half circle and arc from |sweep| in degrees
// with the tolerance 0.0001 degree: below it or above 360 minus it a full
// circle, within it of 180 a half circle, an arc otherwise. A NaN sweep
// fails every comparison and gives an arc of NaN points.
CircleOrArcResult BuildCircleOrArc(const CircleOrArcInput& in);

}  // namespace qzv
