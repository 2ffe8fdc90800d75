// The polygonal line of the rectangle tool (mode 2 with "LignePoly"): one
// path extended click after click, its next piece following the cursor
// between clicks, finished open by a click on its last fixed vertex or
// closed by a click on its first vertex.
//
// States: idle (no vertex); first vertex placed; drawing (each click fixes
// the moving end and adds a new one, each drag moves the last anchor, each
// release makes the last vertex the anchor of the next piece); finished
// (the next release removes the preview and the construction tag, the next
// click starts a new line).
#pragma once
#include "sdk_all.h"
#include "tools/tool_keys.h"

namespace qzv {

// Whether the current mode draws polygonal lines (mode 2 with "LignePoly").
bool PolylineModeOn();

// A click at the snapped point p.
HostErr PolylineClick(ToolMessage* message, RealPoint p);

// A drag step: the line's last anchor follows the snapped cursor.
HostErr PolylineDrag(ToolMessage* message, const ToolKeys& keys);

// Mouse up in the rectangle tool, before the shape is finished: for a
// polygonal line the last vertex becomes the next piece's anchor and the
// piece's length joins the total; a finished line loses its preview and
// its construction tag (a line of fewer than two distinct vertices goes
// altogether). Outside a polygonal line the preview is disposed of.
void FinishRectLine();

}  // namespace qzv
