#include "tools/rect_line.h"

#include <cstdint>

#include "geometry/host/host_shapes.h"
#include "geometry/plane.h"
#include "geometry/shape_path.h"
#include "host/suites.h"
#include "palette/palette.h"
#include "plugin/globals.h"
#include "tools/rect_common.h"
#include "tools/rubber_band.h"
#include "tools/tool_common.h"

namespace qzv {

namespace {

// A line this long is finished by its next click (the count is 16 bits).
constexpr int16_t kMostPolylineVertices = INT16_MAX;

void ShowPiece() {
    const ToolState& t = gGlobals->tool;
    PaletteShowRectLength(t.lineLength);
    PaletteShowRectAngle(t.lineAngle);
}

// The piece from the anchor (the last fixed vertex) to `end`.
void MeasurePiece(RealPoint end) {
    ToolState& t = gGlobals->tool;
    t.secondPoint = end;
    t.lineLength = PointDistance(t.firstPoint, end);
    t.lineAngle = PointAngle(t.firstPoint, end);
}

int32_t PathCount(ArtHandle path) {
    int32_t count = 0;
    if (sPath->GetPathSegmentCount(path, &count) != kNoErr) return 0;
    return count;
}

HostErr WritePiece() {
    ToolState& t = gGlobals->tool;
    ShapeContext ctx = ToolShapeContext();
    return WritePolylineEnd(t.art, ctx, t.firstPoint, t.secondPoint, nullptr);
}

void EndLine() {
    ToolState& t = gGlobals->tool;
    t.polylineVertices = 0;
    t.polylineFinished = 1;
}

HostErr FirstVertex(RealPoint p) {
    ToolState& t = gGlobals->tool;
    HostErr err = StartRectPath();
    if (err) return err;
    // The path holds the first vertex from the start: never an empty path,
    // and a vertex the snapping can find.
    PathSegment first = RetractedSegment(p);
    first.corner = 1;
    err = sPath->SetPathSegmentCount(t.art.rectPath, 1);
    if (!err) err = sPath->SetPathSegments(t.art.rectPath, 0, 1, &first);
    if (err) return err;
    t.firstPoint = p;
    t.secondPoint = p;
    t.polylineStart = p;
    t.polylineLength = 0.0f;
    t.polylineFinished = 0;
    t.lineLength = 0.0f;
    err = CreateRubberBand();
    if (err) return err;
    t.constructionLive = 1;
    return kNoErr;
}

// A further click: it finishes the line on the last fixed vertex, closes it
// on the first one, or fixes a new piece ending at p.
HostErr FurtherVertex(RealPoint p) {
    Globals* g = gGlobals;
    ToolState& t = g->tool;
    ToolClickSound();
    MeasurePiece(p);
    ShowPiece();
    t.constructionLive = 1;
    const float tolerance = static_cast<float>(g->settings.general.Tolerance) / ToolViewZoom(ToolFrontView());
    const int32_t placed = PathCount(t.art.rectPath);
    if (PointsClose(p, t.firstPoint, tolerance) || t.polylineVertices >= kMostPolylineVertices) {
        EndLine();
        return kNoErr;
    }
    if (PointsClose(p, t.polylineStart, tolerance)) {
        EndLine();
        // Closing two vertices would retrace the one piece: the line ends open.
        return placed >= 3 ? sPath->SetPathClosed(t.art.rectPath, 1) : kNoErr;
    }
    t.polylineFinished = 0;
    const HostErr err = sPath->SetPathSegmentCount(t.art.rectPath, t.polylineVertices);
    if (err) return err;
    return WritePiece();
}

}  // namespace

bool PolylineModeOn() {
    const Globals* g = gGlobals;
    return g->currentTool == kToolRect && g->tool.rectMode == kRectModeSegment && g->settings.working.LignePoly;
}

HostErr PolylineClick(ToolMessage*, RealPoint p) {
    ToolState& t = gGlobals->tool;
    RecordArrowKeys();
    // A line whose path went away (deleted, undone) cannot be extended: the
    // click starts a new one.
    if (t.polylineVertices > 0 && !ArtExists(t.art.rectPath)) t.polylineVertices = 0;
    ++t.polylineVertices;
    if (t.polylineVertices < 2) return FirstVertex(p);
    return FurtherVertex(p);
}

HostErr PolylineDrag(ToolMessage* message, const ToolKeys&) {
    ToolState& t = gGlobals->tool;
    // The click ended the line: nothing follows the mouse until the next one.
    if (t.polylineVertices == 0 || !ArtExists(t.art.rectPath)) return kNoErr;
    const RealPoint end = RectDragPoint(message, kCursorSegment);
    HostErr err = kNoErr;
    if (t.polylineVertices == 1) {
        t.polylineVertices = 2;
        err = sPath->SetPathSegmentCount(t.art.rectPath, 2);
    }
    MeasurePiece(end);
    if (!err) err = WritePiece();
    ShowPiece();
    EndRectDragStep(message);
    return err;
}

void FinishRectLine() {
    ToolState& t = gGlobals->tool;
    if (!PolylineModeOn()) {
        DisposeRubberBand();
        return;
    }
    if (!ArtExists(t.art.rectPath)) {
        // The line went away under the gesture: so does its construction.
        t.polylineVertices = 0;
        DisposeRubberBand();
        return;
    }
    if (t.polylineVertices > 1) {
        const int32_t count = PathCount(t.art.rectPath);
        PathSegment last[2] = {};
        if (count >= 2 && sPath->GetPathSegments(t.art.rectPath, count - 2, 2, last) == kNoErr) {
            if (PointsEqual(last[0].p, last[1].p)) {
                // A drag that came back to the anchor drew no piece: its end
                // goes, and the next click starts from the same vertex.
                sPath->SetPathSegmentCount(t.art.rectPath, count - 1);
                --t.polylineVertices;
            } else {
                t.firstPoint = last[1].p;
                t.polylineLength += t.lineLength;
            }
        }
    }
    if (t.polylineFinished) {
        DisposeRubberBand();
        FinishRectPath();
    }
}

}  // namespace qzv
