#include "tools/rect_common.h"

#include <cmath>

#include "geometry/constructions.h"
#include "geometry/host/host_shapes.h"
#include "geometry/plane.h"
#include "host/suites.h"
#include "palette/palette.h"
#include "plugin/globals.h"
#include "tools/tool_common.h"
#include "tools/tool_feedback.h"

namespace qzv {

namespace {

RealPoint Guided(RealPoint cursor) {
    const SnapResult& s = gGlobals->snap;
    if (s.hGuideOn) cursor.v = s.hGuide;
    if (s.vGuideOn) cursor.h = s.vGuide;
    return cursor;
}

uint8_t ArrowBits(const ToolKeys& keys) {
    return static_cast<uint8_t>((keys.up ? kArrowUp : 0) | (keys.down ? kArrowDown : 0) |
                                (keys.left || keys.right ? kArrowSideways : 0));
}

// True when the path holds two anchors that differ.
bool HasTwoDistinctAnchors(ArtHandle path) {
    int32_t count = 0;
    if (sPath->GetPathSegmentCount(path, &count) != kNoErr || count < 2) return false;
    PathSegment first{};
    if (sPath->GetPathSegments(path, 0, 1, &first) != kNoErr) return true;   // unreadable: keep it
    for (int32_t i = 1; i < count; ++i) {
        PathSegment s{};
        if (sPath->GetPathSegments(path, i, 1, &s) != kNoErr) return true;
        if (!PointsEqual(s.p, first.p)) return true;
    }
    return false;
}

}  // namespace

RealPoint RectDragPoint(ToolMessage* message, int32_t plainCursor) {
    const Globals* g = gGlobals;
    const SnapResult& s = g->snap;
    const RealPoint cursor = message->cursor;
    if (g->settings.general.Magnetisme) {
        if (s.onPoint) return s.snapPoint;
        if (s.onSegment) return FootOfPerpendicular(cursor, s.snapPoint, s.segmentEnd);
    }
    ToolSetCursor(message->d.plugin, plainCursor);
    return g->settings.general.Magnetisme ? Guided(cursor) : cursor;
}

RealPoint RectAimPoint(RealPoint cursor) {
    const Globals* g = gGlobals;
    if (!g->settings.general.Magnetisme) return cursor;
    if (g->snap.onPoint) return g->snap.snapPoint;
    return Guided(cursor);
}

HostErr StartRectPath() {
    if (!sArt || !sPath || !sTag) return kErrSuiteNotFound;
    ToolState& t = gGlobals->tool;
    if (ArtExists(t.art.rectPath)) sPath->DeselectPathSegments(t.art.rectPath);
    HostErr err = CreatePath(t.art.targetGroup, kPlaceInsideOnTop, &t.art.rectPath);
    if (err) return err;
    err = sTag->SetTag(t.art.rectPath, kUnderConstructionTag, kTagTypeString, kUnderConstructionMark);
    if (err) return err;
    ToolClickSound();
    return kNoErr;
}

float RectRounding() {
    const float r = gGlobals->settings.working.Arrondi;
    return std::isfinite(r) ? r : 0.0f;
}

RectToolInput RectInputOfState(bool toggle) {
    Globals* g = gGlobals;
    const ToolState& t = g->tool;
    const WorkingValues& w = g->settings.working;
    const bool line = t.rectMode == kRectModeSegment || t.rectMode == kRectModeCentredSegment;
    RectToolInput in{};
    in.mode = t.rectMode;
    in.anchor = t.firstPoint;
    in.length = line ? t.lineLength : t.rectLength;
    in.width = t.rectWidth;
    in.inclination = w.RotRectangle;
    in.segmentAngle = t.lineAngle;
    in.rounding = RectRounding();
    in.roundingType = w.TypeArrondi;
    in.profile = &g->settings.profile;
    in.centringToggle = toggle;
    in.polylineOn = w.LignePoly;
    in.tangentSubMode = t.tangentOn;
    in.cursor = t.lastCursor;
    in.tangentBase = t.tangentBase;
    in.tangentDirection = t.tangentBeta;
    return in;
}

HostErr RebuildRectShape(bool toggle) {
    ToolState& t = gGlobals->tool;
    ShapeContext ctx = ToolShapeContext();
    return WriteRectToolShape(t.art, ctx, RectInputOfState(toggle), nullptr);
}

ArrowPresses TakeArrowPresses(const ToolKeys& keys) {
    ToolState& t = gGlobals->tool;
    const uint8_t now = ArrowBits(keys);
    const uint8_t pressed = static_cast<uint8_t>(now & ~t.arrowKeys);
    t.arrowKeys = now;
    return ArrowPresses{(pressed & kArrowUp) != 0, (pressed & kArrowDown) != 0, (pressed & kArrowSideways) != 0};
}

void RecordArrowKeys() { gGlobals->tool.arrowKeys = ArrowBits(ToolReadKeys(true)); }

void EndRectDragStep(ToolMessage* message) {
    PaletteRedraw();
    gGlobals->tool.lastPoint = message->cursor;
}

HostErr FinishRectPath() {
    ToolState& t = gGlobals->tool;
    if (!ArtExists(t.art.rectPath)) return kNoErr;
    if (!HasTwoDistinctAnchors(t.art.rectPath)) {
        const HostErr err = sArt->DisposeArt(t.art.rectPath);
        t.art.rectPath = nullptr;
        return err;
    }
    return sTag->RemoveTag(t.art.rectPath, kUnderConstructionTag);
}

}  // namespace qzv
