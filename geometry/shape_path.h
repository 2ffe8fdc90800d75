// The value a shape builder produces: the segments of one path about the
// origin, how they are placed in the document and how the path is painted.
// Builders fill these records without allocating; a thin host-writing layer
// turns them into calls on the host's path, style and transform suites.
#pragma once

#include "host_types.h"

namespace qzv {

// Room for the largest path a builder writes: a profiled rectangle of 20
// profile points on each of its 4 corners.
inline constexpr int kShapePathCapacity = 80;

// Unused entries are zero so that whole records copy and compare cleanly.
struct ShapePath {
    PathSegment seg[kShapePathCapacity] = {};
    int count = 0;
    bool closed = false;
};

// Which of the two derived path styles the path receives, and so which
// stroke weight both styles get first: shapes take the shape style with the
// shape weight ("Epaisseur"), marks (centre cross, tangency ticks) the mark
// style with the mark weight ("EpaisCentre").
enum class PathPaint {
    kShape,
    kMark,
};

struct ShapeBuild {
    ShapePath path;
    // When placed is true the segments are about the origin and the host
    // must transform the path by placement after writing them (object only,
    // line scale 0). When false they are already in document coordinates.
    bool placed = false;
    RealMatrix placement{1.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f};
    PathPaint paint = PathPaint::kShape;
    // The path receives the style of `paint` (every shape and mark does; a
    // builder may leave a path's style alone by clearing it).
    bool applyStyle = true;
    // The path is made to show its centre point.
    bool showCentre = false;
};

// A segment whose anchor and both handles are the point p (retracted).
PathSegment RetractedSegment(RealPoint p);

// A segment with the given anchor and handles; its corner flag is set by
// the rule of SetCornerFlag.
PathSegment CurveSegment(RealPoint anchor, RealPoint in, RealPoint out);

// The corner-flag rule of every builder: an anchor is smooth when both of
// its handles are extended and lie on one straight line through the anchor,
// on opposite sides (within a relative tolerance of 1e-4, so that handles
// turned by a rounded quarter-turn still count as aligned); every other
// anchor, in particular one with a retracted handle, is a corner.
void SetCornerFlag(PathSegment& s);

// Applies SetCornerFlag to every segment of the path.
void SetCornerFlags(ShapePath& path);

// The segments as the document will hold them: each point transformed by
// the placement when the build is placed, copied otherwise. Corner flags are
// kept (a rotation and a move do not change them).
ShapePath PlacedPath(const ShapeBuild& build);

}  // namespace qzv
