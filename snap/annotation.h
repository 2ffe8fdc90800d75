// The on-canvas feedback of the tools, drawn by the annotator for every
// redraw of a view: the snap marker, the alignment guides and the box next
// to the cursor with the label of what lies under it or the live
// measurements of a construction.
#pragma once
#include "sdk_all.h"

namespace qzv {

// Invalidates the rectangles of the feedback drawn last (ring, segment,
// guides, and the box when `withBox`), so that the host redraws them.
void AnnotationInvalidateFeedback(ViewHandle view, bool withBox);

}  // namespace qzv
