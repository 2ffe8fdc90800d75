// The construction preview: one open guide path above all art that shows
// the lines leading to the next click (radius, chord, triangle, the next
// piece of a polygonal line). Rewritten at every cursor move and drag step.
#pragma once
#include "sdk_all.h"

namespace qzv {

// Creates the preview path when a multi-click construction starts; an
// existing one is kept.
HostErr CreateRubberBand();

// Rewrites the preview for the current tool, mode and step (nothing when it
// does not exist). With no construction under way in the circle tool, or in
// the rectangle tool outside a polygonal line, the preview is disposed of.
void UpdateRubberBand(ToolMessage* message, bool altHeld);

// Disposes of the preview path when it exists.
void DisposeRubberBand();

}  // namespace qzv
