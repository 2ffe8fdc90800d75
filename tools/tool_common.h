// What every construction mode of both tools shares: the snapped point of a
// click or drag, the sound of an accepted click, the mode's error alert, the
// construction path of the circle tool, the ring of recent snap points and
// the finishing of a shape at mouse up.
#pragma once
#include "geometry/host/shape_art.h"
#include "sdk_all.h"

namespace qzv {

struct Globals;

// The tag that marks art under construction ("qzv" = "jj"): the snap search
// skips it, mouse up removes it.
inline constexpr const char* kUnderConstructionTag = "qzv";
inline constexpr const char* kUnderConstructionMark = "jj";

// Tool events whose cursor is not a usable document position (NaN, infinite
// or farther than any document reaches) are ignored: nothing is snapped,
// built or shown for them.
inline constexpr float kToolMaxCoordinate = 1.0e7f;
bool ToolCursorUsable(RealPoint cursor);

// The point a click or a drag position stands for, from the latest snap
// result, first rule that applies: the foot of the perpendicular on a
// snapped segment; a snapped anchor, vertex or intersection; both guides;
// the horizontal guide's v; the vertical guide's h; the cursor. With
// "Magnetisme" off it is the cursor.
RealPoint SnappedClickPoint(RealPoint cursor);

// A zoom of the view that tolerances in screen pixels can be divided by:
// the host's, or 1 when the view is null or its zoom is not a positive
// finite number.
float ToolViewZoom(ViewHandle view);

// The front document view, or null.
ViewHandle ToolFrontView();

// The drawing scale factor of the working values (numerator / denominator;
// 1 when either is not positive).
float ToolScaleFactor();

// The shape writers' context from the working values and the paint styles.
ShapeContext ToolShapeContext();

// Beep(9000, 100) for an accepted click; Beep(9001, 100) for a click
// accepted on a segment in a tangent mode. Silent with "Son" off.
void ToolClickSound();
void ToolSegmentSound();

// The current circle mode's error alert (aligned points, parallel segments,
// click on a segment); other modes show nothing. alertShowing is set while
// the alert is up.
void ShowToolError(PluginRef plugin);

// The locked-layer alert.
void ShowLockedLayerAlert(PluginRef plugin);

// Starts the circle tool's construction: deselects the previous construction
// path, creates a new path inside the target group on top, tags it as under
// construction ("qzv" = "jj"), builds it with `build`, sets constructionLive
// and shows the radius in the palette.
HostErr StartConstructionPath(HostErr (*build)());

// After a search: a snapped exact point that differs from the ring's latest
// entry becomes its newest entry (the oldest of ten is overwritten).
void RecordRecentSnap();

// Disposes of the target group when it holds nothing.
void DisposeTargetGroupIfEmpty();

// Mouse up of a live construction: clears it, settles the rectangle tool's
// polygonal line (or disposes of the preview), runs the mode's final build,
// and moves the shape out of its group, names it after the mode and disposes
// of the group, unless the shape's marks keep them together. A shape the
// final build disposed of (or that went away) leaves no empty group.
HostErr FinishShape(ToolMessage* message);

}  // namespace qzv
