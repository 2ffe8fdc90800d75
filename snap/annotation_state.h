// What the on-canvas feedback keeps between two draws: the view rectangles
// it drew in (so the tools can invalidate them) and whether the ring is at
// a vertex where a click finishes the polygonal line. Plain data in Globals.
#pragma once
#include "sdk_all.h"

namespace qzv {

struct AnnotationState {
    IntRect markerBox;        // the ring: 8 x 8 pixels about its point
    IntRect segmentBox;       // the snapped segment's bounding box
    IntRect hGuideBox;        // the horizontal guide, one pixel high
    IntRect vGuideBox;        // the vertical guide, one pixel wide
    bool finishingVertex;     // the ring is at the start or last vertex of the line being drawn
};

}  // namespace qzv
