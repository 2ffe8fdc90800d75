// Annotators: plug-in drawings over the document view. Plug-ins invalidate
// view rectangles; at each redraw (after every message the host sends) the
// host sends "AI Annotation"/"AI Draw" with the view, the drawing port and
// the invalid area to every active annotator. What they drew stays in the
// port until the next redraw, for the rendered outputs. Served by
// "AI Annotator Suite" 4.
#pragma once
#include <cairo.h>

#include "app/app_state.h"

namespace drawhost {

// Redraws the invalid area, if any. Rectangles invalidated while the
// annotators draw wait for the next redraw.
void AnnotatorsRedraw();

// Paints what the annotators drew last on `cr` (view coordinates).
void AnnotatorsPaint(cairo_t* cr);

// The view pixels of what the annotators drew last; false when nothing.
bool AnnotatorsBounds(IntRect* bounds);

// Lets go of the drawing port (a fresh host).
void AnnotatorsDisposePort(AppState& app);

}  // namespace drawhost
