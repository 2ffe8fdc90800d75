// What the circle and arc modes share: the point a drag follows, the edge
// toggles of Alt and Ctrl during arc drags, the arc's angle in the palette,
// and the two builders (full circle, circle or arc) used by the click, every
// drag step and the final build.
#pragma once
#include "sdk_all.h"
#include "tools/tool_keys.h"

namespace qzv {

// The point under the cursor during a drag: SnappedClickPoint; when it is
// the bare cursor, the mode's cursor `plainCursor` is shown.
RealPoint CircleDragPoint(ToolMessage* message, int32_t plainCursor);

// A click taken by a multi-click mode: the sound, the step advanced.
void CircleTakeClick();

// Alt and Ctrl act on their transitions during an arc drag: each change of
// Alt flips the complement (the other arc between the same ends), each
// change of Ctrl flips the working "Secteur" (sector or open arc) and
// refreshes its pictures in the palette.
void ArcKeyEdges(const ToolKeys& keys);

// The palette's arc-angle field for the current sweep and complement: with
// d the sweep in degrees, 360 - d or d for a positive sweep, -(d + 360) or
// d otherwise.
float ArcAngleShown(float sweep, bool complement);
void ShowArcAngle();

// The full circle of the tool state's centre and radius into the
// construction path.
HostErr BuildFullCircle();

// The circle, half circle or arc of the tool state into the construction
// path; with `crossOn` the centre cross is made (when missing) and rebuilt.
HostErr BuildArc(bool crossOn);

// The radius rounded to the Shift step ("ShiftRayon" times the drawing scale).
float ShiftRadius(float radius);

}  // namespace qzv
