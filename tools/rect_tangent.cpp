#include "tools/rect_tangent.h"

#include <cmath>

#include "geometry/constructions.h"
#include "geometry/host/host_shapes.h"
#include "geometry/plane.h"
#include "geometry/segment_paths.h"
#include "host/suites.h"
#include "palette/palette.h"
#include "plugin/globals.h"
#include "tools/rect_common.h"
#include "tools/rect_drag_values.h"
#include "tools/tool_common.h"

namespace qzv {

namespace {

bool UsableCircle(const ArcRecord& arc) {
    return arc.radius > 0.0f && ToolCursorUsable(arc.centre) && arc.radius <= kToolMaxCoordinate;
}

// The point of the clicked circle in the direction of p.
RealPoint OnFirstCircle(RealPoint p) {
    const ToolState& t = gGlobals->tool;
    return AddPoints(t.tangentCentre, PolarPoint(t.tangentRadius, PointAngle(t.tangentCentre, p)));
}

void ShowTangent() {
    const ToolState& t = gGlobals->tool;
    PaletteShowRectLength(t.lineLength);
    PaletteShowRectAngle(t.tangentBeta);
}

bool Centred(bool toggle) { return toggle || gGlobals->tool.rectMode == kRectModeCentredSegment; }

// The segment along the tangent at B, of length x (on each side of B when
// centred), toward the cursor.
HostErr WriteSingleTangent(RealPoint cursor, bool centred) {
    ToolState& t = gGlobals->tool;
    ShapeContext ctx = ToolShapeContext();
    const ShapeBuild build = BuildPerpendicularSegment(cursor, t.lineLength, centred, t.tangentBase, t.tangentBeta);
    return WriteRectShape(t.art, ctx, build);
}

// Only the ticks this gesture made: the handles may still name the marks of
// an earlier shape.
HostErr DisposeOwnTicks() {
    ShapeArt& art = gGlobals->tool.art;
    HostErr result = kNoErr;
    for (int i = 0; i < 2; ++i) {
        if (!art.tickCreated[i]) continue;
        if (ArtExists(art.ticks[i])) {
            const HostErr err = sArt->DisposeArt(art.ticks[i]);
            if (!result) result = err;
        }
        art.ticks[i] = nullptr;
        art.tickCreated[i] = 0;
    }
    return result;
}

// Over a second circle: the common tangent nearest the cursor. Ticks mark
// its touching points only when the first candidate is the one drawn; the
// ticks of an earlier step go otherwise.
HostErr WriteCommonTangent(RealPoint cursor, const ArcRecord& second, bool crossed) {
    ToolState& t = gGlobals->tool;
    const TangentPair pair =
        CommonTangentPoints(t.tangentCentre, t.tangentRadius, second.centre, second.radius, crossed, cursor);
    if (!pair.firstTangent) {
        const HostErr err = DisposeOwnTicks();
        if (err) return err;
    }
    ShapeContext ctx = ToolShapeContext();
    return WriteTangentSegment(t.art, ctx, cursor, crossed, t.tangentCentre, t.tangentRadius, second.centre,
                               second.radius);
}

}  // namespace

bool ClickOnCircle() {
    const Globals* g = gGlobals;
    return g->settings.general.Magnetisme && g->snap.onArc && UsableCircle(g->snap.firstArc);
}

HostErr TangentClick(ToolMessage* message) {
    Globals* g = gGlobals;
    ToolState& t = g->tool;
    const RealPoint click = message->cursor;
    t.tangentCentre = g->snap.firstArc.centre;
    t.tangentRadius = g->snap.firstArc.radius;
    t.tangentBase = OnFirstCircle(click);
    t.lineLength = PointDistance(t.tangentBase, click);
    t.tangentBeta = PointAngle(t.tangentCentre, t.tangentBase);
    t.tangentOn = 1;
    t.tangentTwoCircles = 0;
    ShowTangent();
    return WriteSingleTangent(click, Centred(false));
}

HostErr TangentDrag(ToolMessage* message, const ToolKeys& keys) {
    Globals* g = gGlobals;
    ToolState& t = g->tool;
    const SnapResult& s = g->snap;
    const RealPoint cursor = message->cursor;
    const bool overSecond = g->settings.general.Magnetisme && s.onArc && UsableCircle(s.secondArc) &&
                            CommonTangentExists(t.tangentCentre, t.tangentRadius, s.secondArc.centre,
                                                s.secondArc.radius, keys.alt);
    HostErr err = kNoErr;
    if (overSecond) {
        t.tangentTwoCircles = 1;
        err = WriteCommonTangent(cursor, s.secondArc, keys.alt);
    } else {
        t.tangentTwoCircles = 0;
        err = DisposeOwnTicks();
        if (keys.alt) {
            // The foot slides along the circle, to a snapped anchor's
            // direction when one is hit: B stays on the circle, so the
            // segment stays tangent.
            const bool anchorHit = g->settings.general.Magnetisme && s.onPoint;
            t.tangentBase = OnFirstCircle(anchorHit ? s.snapPoint : cursor);
            t.tangentBeta = PointAngle(t.tangentCentre, t.tangentBase);
        } else {
            t.lineLength = PointDistance(t.tangentBase, cursor);
        }
        ShowTangent();
        const HostErr written = WriteSingleTangent(cursor, Centred(keys.alt));
        if (!err) err = written;
    }
    EndRectDragStep(message);
    return err;
}

HostErr TangentFinish(bool* grouped) {
    const ShapeArt& art = gGlobals->tool.art;
    for (int i = 0; i < 2; ++i)
        if (art.tickCreated[i] && ArtExists(art.ticks[i])) *grouped = true;
    return FinishRectPath();
}

}  // namespace qzv
