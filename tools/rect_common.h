// What the rectangle tool's modes share: the point a drag follows, the
// main path of a gesture, the builders' input from the tool state, the
// arrow keys' presses, the common end of a drag step and the finishing of
// the main path at mouse up.
#pragma once
#include "geometry/rect_tool_shape.h"
#include "sdk_all.h"
#include "tools/tool_keys.h"

namespace qzv {

// Cursors the rectangle tool shows while a drag follows the bare cursor.
inline constexpr int32_t kCursorRectangle = 21000;
inline constexpr int32_t kCursorSegment = 21003;

// Bits of ToolState::arrowKeys.
enum : uint8_t { kArrowUp = 1, kArrowDown = 2, kArrowSideways = 4 };

// The point under the cursor during a drag of the rectangle tool. With
// "Magnetisme" on: a hit anchor point (vertex, intersection) first, then the
// foot of the perpendicular on a hit segment, then the cursor with the
// guides' coordinates; else the cursor. When no anchor or segment was taken
// the mode's cursor `plainCursor` is shown.
RealPoint RectDragPoint(ToolMessage* message, int32_t plainCursor);

// The snapped anchor point when one was hit (and "Magnetisme" is on), else
// the cursor with the guides' coordinates: the point a segment's angle
// aims at.
RealPoint RectAimPoint(RealPoint cursor);

// Starts the main path of a gesture: the previous main path's segments are
// deselected, a new path is created inside the target group on top and
// tagged as under construction, and the click's beep plays.
HostErr StartRectPath();

// The working rounding ("Arrondi"), or 0 (square corners) when it is not a
// finite number.
float RectRounding();

// The builders' input for the current mode from the tool state and the
// working values; `toggle` inverts the mode's centring.
RectToolInput RectInputOfState(bool toggle);

// Rebuilds the current mode's shape into the main path (nothing when it has
// gone): the one call the drag steps and the clicks make.
HostErr RebuildRectShape(bool toggle);

// The arrow keys pressed since the latest sample (each press acts once,
// however long the key is held), and the new sample recorded.
struct ArrowPresses {
    bool up, down, sideways;
};
ArrowPresses TakeArrowPresses(const ToolKeys& keys);
// Records the keys held at mouse down, so that a key held before the
// gesture does not act.
void RecordArrowKeys();

// Common end of a drag step: the palette is redrawn and the reference point
// becomes the mouse point.
void EndRectDragStep(ToolMessage* message);

// Mouse up of a rectangle or segment: the construction tag is removed; a
// path with no two distinct anchors (a zero-size rectangle, a zero-length
// segment, a line of one vertex) is disposed of instead of being left as an
// invisible art.
HostErr FinishRectPath();

}  // namespace qzv
