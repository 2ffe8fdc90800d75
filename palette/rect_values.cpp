// The rectangle tool's values typed into the palette: length, width,
// inclination, rounding radius and the polygonal-line switch, each
// rebuilding the rectangle or line the tool made last.
#include <cmath>

#include "geometry/host/shape_art.h"
#include "geometry/plane.h"
#include "host/suites.h"
#include "palette/palette.h"
#include "palette/palette_ids.h"
#include "palette/palette_procs.h"
#include "palette/palette_values.h"
#include "plugin/globals.h"
#include "tools/rect_common.h"
#include "tools/tool_common.h"

namespace qzv {

namespace {

bool SegmentMode() {
    const int32_t mode = gGlobals->tool.rectMode;
    return mode == kRectModeSegment || mode == kRectModeCentredSegment;
}

// A shown length as a document length: times the drawing scale, held
// within reach (a value that is no number counts as 0).
float DocumentLength(float shown) {
    float v = shown * PaletteScaleFactor();
    if (!std::isfinite(v)) v = 0.0f;
    if (v > kLargestTypedLength) v = kLargestTypedLength;
    if (v < -kLargestTypedLength) v = -kLargestTypedLength;
    return v;
}

// At least `least` long, keeping the sign (0 counts as negative, as a drag does).
float AtLeast(float side, float least) {
    if (std::fabs(side) >= least) return side;
    return side > 0.0f ? least : -least;
}

}  // namespace

HostErr RebuildRectToolShape() {
    ToolState& t = gGlobals->tool;
    if (!ArtExists(t.art.rectPath)) return kNoErr;
    return RebuildRectShape(t.centringToggle);
}

void EditRectLength(float shown) {
    ToolState& t = gGlobals->tool;
    const float length = DocumentLength(shown);
    if (SegmentMode()) {
        // The line tool's running total follows its last piece.
        t.polylineLength += std::fabs(length) - std::fabs(t.lineLength);
        t.lineLength = length;
        t.secondPoint = AddPoints(t.firstPoint, PolarPoint(length, t.lineAngle));
    } else {
        t.rectLength = length;
    }
    PaletteShowRectLength(length);
    RebuildRectToolShape();
}

void EditRectWidth(float shown) {
    ToolState& t = gGlobals->tool;
    t.rectWidth = DocumentLength(shown);
    PaletteShowRectWidth(t.rectWidth);
    RebuildRectToolShape();
}

void EditInclination(float degrees) {
    Globals* g = gGlobals;
    ToolState& t = g->tool;
    const float radians = DegreesToRadians(degrees);
    if (!std::isfinite(radians)) return;
    if (SegmentMode()) {
        t.lineAngle = radians;
        // A segment under way turns about its start.
        t.secondPoint = AddPoints(t.firstPoint, PolarPoint(t.lineLength, radians));
    } else {
        g->settings.working.RotRectangle = radians;
    }
    RebuildRectToolShape();
}

void EditRounding(float shown) {
    Globals* g = gGlobals;
    ToolState& t = g->tool;
    const float rounding = DocumentLength(shown);
    g->settings.working.Arrondi = rounding;
    // The corners must fit: both sides at least twice the rounding.
    const float least = 2.0f * std::fabs(rounding);
    t.rectLength = AtLeast(t.rectLength, least);
    t.rectWidth = AtLeast(t.rectWidth, least);
    PaletteShowRounding(rounding);
    PaletteShowRectLength(t.rectLength);
    PaletteShowRectWidth(t.rectWidth);
    RebuildRectToolShape();
}

void EditPolylineSwitch() {
    Globals* g = gGlobals;
    ToolState& t = g->tool;
    WorkingValues& w = g->settings.working;
    w.LignePoly = !w.LignePoly;
    // The line under way ends where it is, named for what it now is.
    HostBool closed = 1;
    const ArtHandle line = t.art.rectPath;
    if (ArtExists(line) && sPath && sPath->GetPathClosed(line, &closed) == kNoErr && !closed) {
        if (sTag) sTag->RemoveTag(line, kUnderConstructionTag);
        if (sArt) sArt->SetArtName(line, w.LignePoly ? "Ligne brisée" : "Segment");
    }
    if (ArtExists(t.rubberBand) && sArt) sArt->DisposeArt(t.rubberBand);
    t.rubberBand = nullptr;
    t.polylineVertices = 0;
    t.polylineFinished = 0;
    t.step = 0;
    PaletteRedraw();
}

}  // namespace qzv
