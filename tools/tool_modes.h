// Each construction mode of the two tools as one small state machine: the
// click that advances it, the drag step, and the final build at mouse up.
// The handlers reach a mode only through these tables, indexed by the mode.
#pragma once
#include "sdk_all.h"
#include "tools/tool_keys.h"

namespace qzv {

struct ModeSteps {
    // Takes the click at the snapped point p: updates the step counter and
    // starts the construction path when the mode's data is complete.
    HostErr (*mouseDown)(ToolMessage* message, RealPoint p);
    // One drag step of a live construction (cursor already snapped into
    // the snap result).
    HostErr (*drag)(ToolMessage* message, const ToolKeys& keys);
    // The last build at mouse up; *grouped tells whether the shape stays in
    // its target group with its marks.
    HostErr (*finalBuild)(ToolMessage* message, bool* grouped);
};

// The steps of a mode of the circle tool or of the rectangle tool; null for
// a mode outside the tool's range or one whose construction does not exist.
const ModeSteps* CircleModeSteps(int32_t mode);
const ModeSteps* RectModeSteps(int32_t mode);

// The name of the mode (the name of the art it makes): "Cercle 1" ...
// "Tangente 3"; "Rectangle" ... "Segment", "Ligne brisée" for the segment
// mode while `polyline` is on. Unknown modes give "".
const char* ModeName(int32_t tool, int32_t mode, bool polyline);

// The steps of the circle tool's modes.
extern const ModeSteps kCircleCentreRadiusSteps;   // "Cercle 1"
extern const ModeSteps kCircleTwoPointsSteps;      // "Cercle 2"
extern const ModeSteps kCircleThreePointsSteps;    // "Cercle 3"
extern const ModeSteps kArcCentreSteps;            // "Arc/Secteur 1"
extern const ModeSteps kArcTwoEndsSteps;           // "Arc/Secteur 2"
extern const ModeSteps kArcThreePointsSteps;       // "Arc/Secteur 3"
extern const ModeSteps kTangentOneSteps;           // "Tangente 1"
extern const ModeSteps kTangentTwoSteps;           // "Tangente 2"
extern const ModeSteps kTangentThreeSteps;         // "Tangente 3"

// The steps of the rectangle tool's modes.
extern const ModeSteps kRectangleSteps;   // modes 0, 1, 3, 4: rectangles from a corner or the centre
extern const ModeSteps kSegmentSteps;     // modes 2, 5: segments, the polygonal line, tangent segments

}  // namespace qzv
