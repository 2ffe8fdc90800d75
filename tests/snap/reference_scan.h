// A reference of the snap search written straight from its description, kept
// in the tests to check the plug-in's search result for result, bit for
// bit. It reads the document through the same host suites and uses the
// same plane-geometry primitives, and nothing of the plug-in's search.
#pragma once
#include <array>
#include <cstdint>

#include "plugin/globals.h"

namespace snap_test {

// How often each way through the scan was taken, so that a harness can
// show it exercised them all.
enum Branch {
    kVertexHit, kFirstVertexHit, kVertexMissed, kLastAnchorHit, kAnchorHit, kSegment, kSegmentCrossing, kCurveCrossing,
    kSegmentAfterCurveCrossing, kCurve, kArc, kEditableEnd, kClosingPieceFound, kDragSegment, kDragCrossing,
    kDragCurveEnd, kDragClosingCurve, kDragArcEnd, kDragArcContact, kNothing, kPointPieceIgnored,
    kOverflowedCrossing, kEmptyPath, kCursorNotFinite, kLabelBox, kTallLabelBox,
    kBranchCount
};

inline constexpr const char* kBranchNames[kBranchCount] = {
    "polygonal-line vertex", "first vertex of the polygonal line", "polygonal line without a vertex near",
    "last anchor (read first)", "anchor", "segment", "segment crossing", "curve crossing",
    "segment crossing a recorded arc", "curve", "arc", "re-editable arc ends the search", "closing piece found",
    "drag segment", "drag crossing", "drag curve", "drag closing curve", "drag arc", "drag arc after contact",
    "nothing", "zero-length straight piece passed over", "crossing that overflowed", "path without segments",
    "cursor not finite", "label box", "tall label box"};

struct ReferenceOutcome {
    qzv::SnapResult snap;
    IntRect annotationBox;
    int32_t cursor;        // the last cursor set, or `cursorBefore`
};

// Runs the reference on a copy of `start` (the plug-in's state before the
// search) with the cursor of the message; the host suites must be bound.
ReferenceOutcome ReferenceScan(const qzv::Globals& start, RealPoint cursor, bool dragging, int32_t cursorBefore,
                               std::array<long, kBranchCount>& branches);

}  // namespace snap_test
