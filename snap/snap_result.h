// What the snap search finds under the cursor: the kind flags, the snapped
// point and the segment or arc it lies on, the circles of arcs found, and
// the alignment guides. Overwritten by every search; read by the tools, the
// annotation drawer and the measurements. Plain data: it lives in Globals.
#pragma once
#include "sdk_all.h"

namespace qzv {

// A circle recognised in the document: its centre, radius and path.
struct ArcRecord {
    RealPoint centre;
    float radius;
    ArtHandle art;
};

struct SnapResult {
    // --- kind flags (written by every search) ---
    bool onPoint;          // snapPoint is exact: an anchor, a vertex or an intersection
    bool onSegment;        // on a straight segment from snapPoint to segmentEnd
    bool onArc;            // on a curve piece that is an arc of circle
    bool onIntersection;   // snapPoint is the crossing of two targets (with onPoint)
    bool onCurve;          // on a curve piece that is no arc
    bool onEditableArc;    // the arc belongs to a re-editable circle (tracking search only)

    // --- points ---
    RealPoint snapPoint;   // the point, or the first end of the segment or arc
    RealPoint segmentEnd;  // the second end of the segment or arc
    RealPoint nearPoint;   // the sample on the segment, or the foot from the centre (drag of mode 0)
    RealPoint cursor;      // the cursor of the latest search (the annotation drawer's copy)

    // --- circles ---
    ArcRecord firstArc;    // found by the tracking search
    ArcRecord secondArc;   // found by the drag search
    RealPoint arcCentre;   // scratch: last circle computed from an arc's ends
    float arcRadius;       // scratch: radius of that circle
    ArtHandle searchArt;   // the path examined last

    // --- alignment guides (FindHorizontalAlignment, FindVerticalAlignment) ---
    bool hGuideOn;
    float hGuide;          // v of the horizontal guide
    bool vGuideOn;
    float vGuide;          // h of the vertical guide
};

}  // namespace qzv
