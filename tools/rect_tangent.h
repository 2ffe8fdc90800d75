// The tangent segment of the rectangle tool's segment modes: a click on a
// circle or arc starts a segment along the circle's tangent at the point
// nearest the click; the drag sets its length, or with Alt slides its foot
// along the circle; over a second circle it becomes the common tangent of
// both (crossed with Alt) until the cursor leaves that circle.
//
// States: inactive; on one circle (after the click); on two circles (while
// the cursor is over a second circle that has the tangent asked for). It
// ends with the gesture.
#pragma once
#include "sdk_all.h"
#include "tools/tool_keys.h"

namespace qzv {

// Whether the click starts a tangent segment: snapping is on and the snap
// search found a circle or arc of positive radius under the cursor.
bool ClickOnCircle();

// Starts the tangent segment from the cursor's click on that circle.
HostErr TangentClick(ToolMessage* message);

// A drag step of the tangent segment.
HostErr TangentDrag(ToolMessage* message, const ToolKeys& keys);

// Mouse up: the segment stays grouped with its tangency ticks when it has
// them (*grouped), and leaves the construction.
HostErr TangentFinish(bool* grouped);

}  // namespace qzv
