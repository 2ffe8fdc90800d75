// The rectangle tool's shape for its current mode: the one entry point the
// palette and the tools call after any change of a value.
//
// host side: gathers the input from the tool state and the working values,
// then writes the result as rect_paths.h and segment_paths.h describe
// (kShape: the whole main path; kPolylineEnd: the last two anchors and the
// new anchor point; kNothing: no change).
#pragma once

#include "host_types.h"
#include "rounding_profile.h"
#include "segment_paths.h"
#include "shape_path.h"

namespace qzv {

// Rectangle-tool modes.
enum RectToolMode : int {
    kRectModeRectangle = 0,
    kRectModeRounded = 1,
    kRectModeSegment = 2,  // "Segment", or "Ligne brisée" with the polygonal-line switch
    kRectModeCentredRectangle = 3,
    kRectModeCentredRounded = 4,
    kRectModeCentredSegment = 5,
};

struct RectToolInput {
    int mode;
    RealPoint anchor;        // first click after snapping, or the last fixed vertex
    float length;            // signed, along the shape's own h axis
    float width;             // signed, along the shape's own v axis
    float inclination;       // rectangles ("RotRectangle"), radians
    float segmentAngle;      // segments, radians
    float rounding;          // "Arrondi": 0 square, > 0 rounded, < 0 inverted
    int roundingType;        // "TypeArrondi"
    const RoundingProfile* profile;  // null: the default chamfer
    bool centringToggle;     // inverts the centring of the mode
    bool polylineOn;         // "LignePoly"
    bool tangentSubMode;     // segment along a clicked circle's tangent
    RealPoint cursor;        // reference point of the tangent segment
    RealPoint tangentBase;   // base point on the clicked circle
    float tangentDirection;  // direction of the radius through the base point
    RealPoint previousVertex;  // polygonal line: anchor of the next-to-last segment
    int polylineSegmentCount;  // polygonal line: segments of the path
};

enum class RectToolOutcome {
    kNothing,      // a mode outside 0..5
    kShape,        // rewrite the whole main path with shape
    kPolylineEnd,  // rewrite the last two anchors with polyline
};

struct RectToolResult {
    RectToolOutcome outcome;
    ShapeBuild shape;
    PolylineEnd polyline;
};

// Modes 0 and 3 give a rectangle (centred = toggle, or not toggle for 3);
// modes 1 and 4 a rounded rectangle, or a plain one when the rounding is 0;
// modes 2 and 5 the tangent segment in the tangent sub-mode (centred in
// mode 5), the polygonal line's end in mode 2 with the polygonal-line
// switch, and otherwise a segment (centred = toggle, or not toggle for 5).
RectToolResult BuildRectToolShape(const RectToolInput& in);

}  // namespace qzv
