// Alignment of the cursor with recently snapped points: the horizontal and
// vertical guides the feedback draws and the tools snap to.
#pragma once
#include "sdk_all.h"

namespace qzv {

// The view-space ends of a guide, from the recent point to the cursor.
struct GuideExtent {
    IntPoint from;
    IntPoint to;
};

// The first recent snap point (lowest index of the ring) whose v is within
// "Tolerance" / zoom of the latest cursor's v: hGuideOn, hGuide (its v) and
// the extent from it to the cursor at its height. None: hGuideOn is false.
// The vertical alignment swaps h and v.
bool FindHorizontalAlignment(ViewHandle view, GuideExtent* extent);
bool FindVerticalAlignment(ViewHandle view, GuideExtent* extent);

}  // namespace qzv
