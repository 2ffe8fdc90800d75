// The shapes of both tools written into their main paths: circles, half
// circles, arcs and sectors of the circle tool; rectangles, segments, the
// polygonal line and the tangent segments of the rectangle tool. The
// geometry is the pure builders'; these functions write it, paint it and
// keep the gesture's group in order.
#pragma once

#include "circle_paths.h"
#include "host_types.h"
#include "rect_tool_shape.h"
#include "shape_art.h"

namespace qzv {

// The full circle about `centre`, turned by the host's constraint angle
// (radians), into the circle tool's main path. Nothing happens when that
// path no longer exists. When the target group exists the path is moved
// inside it at the bottom; when the first cross branch exists too, both
// branches are moved inside it on top.
HostErr WriteCircle(ShapeArt& art, ShapeContext& ctx, float radius, RealPoint centre,
                    float constraintAngle);

// The half circle into `path` (shape style, shape weight). The path's
// validity is the caller's to check.
HostErr WriteHalfCircle(ArtHandle path, ShapeContext& ctx, RealPoint centre, float radius,
                        float startAngle, bool sector, bool complement);

// The arc or sector into `path`: both styles get the shape weight, the path
// keeps its own style. The path's validity is the caller's to check.
HostErr WriteArcPath(ArtHandle path, ShapeContext& ctx, RealPoint centre, float radius,
                     float sweep, float startAngle, bool sector, bool complement);

// The circle tool's shape for the sweep: a full circle (then *width and
// *height, when given, become 2r), a half circle or an arc, written into the
// main path; stores the arc's end points in `art`; with in.crossOn, rewrites
// the centre cross and moves its branches inside the target group on top.
// The main path's validity is the caller's to check.
HostErr WriteCircleOrArc(ShapeArt& art, ShapeContext& ctx, const CircleOrArcInput& in,
                         float* width, float* height);

// The rectangle tool's shape for its mode, into its main path. Nothing
// happens when that path no longer exists or the mode is unknown. For the
// polygonal line the previous vertex and the segment count are read back
// from the path (the input's values for them are ignored), the last piece is
// rewritten and *anchorPoint (when given) becomes its new end.
HostErr WriteRectToolShape(ShapeArt& art, ShapeContext& ctx, RectToolInput in,
                           RealPoint* anchorPoint);

// Any build of the rectangle tool (rect_paths.h, segment_paths.h) into its
// main path; nothing happens when that path no longer exists.
HostErr WriteRectShape(ShapeArt& art, ShapeContext& ctx, const ShapeBuild& build);

// The last piece of the polygonal line, from `anchor` (the last fixed
// vertex) to `endPoint`: the shape style with the shape weight, then the two
// last anchors of the path, whose segment count the tool maintains. A path
// of fewer than 2 segments is left as it is. *anchorPoint (when given)
// becomes the end point so that the next piece starts there.
HostErr WritePolylineEnd(ShapeArt& art, ShapeContext& ctx, RealPoint anchor, RealPoint endPoint,
                         RealPoint* anchorPoint);

// The segment tangent to the circles (c1, r1) and (c2, r2) nearest the
// cursor m (crossed: passing between them) into the rectangle tool's main
// path, with tangency ticks 0 and 1 at both touching points when the first
// candidate tangent was chosen.
HostErr WriteTangentSegment(ShapeArt& art, ShapeContext& ctx, RealPoint m, bool crossed,
                            RealPoint c1, float r1, RealPoint c2, float r2);

}  // namespace qzv
