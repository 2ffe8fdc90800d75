#include "tools/circle_common.h"

#include "geometry/host/host_marks.h"
#include "geometry/host/host_shapes.h"
#include "geometry/plane.h"
#include "palette/palette.h"
#include "plugin/globals.h"
#include "tools/tool_common.h"
#include "tools/tool_feedback.h"

namespace qzv {

RealPoint CircleDragPoint(ToolMessage* message, int32_t plainCursor) {
    const RealPoint p = SnappedClickPoint(message->cursor);
    if (PointsEqual(p, message->cursor)) ToolSetCursor(message->d.plugin, plainCursor);
    return p;
}

void CircleTakeClick() {
    ToolClickSound();
    ++gGlobals->tool.step;
}

void ArcKeyEdges(const ToolKeys& keys) {
    Globals* g = gGlobals;
    ToolState& t = g->tool;
    const int32_t alt = keys.alt ? 1 : 0;
    const int32_t ctrl = keys.ctrl ? 1 : 0;
    if (alt != t.altState) {
        t.complement = !t.complement;
        t.altFlipped = !t.altFlipped;
        t.altState = alt;
    }
    if (ctrl != t.ctrlState) {
        g->settings.working.Secteur = !g->settings.working.Secteur;
        t.ctrlState = ctrl;
        PaletteShowSectorFlag();
    }
}

float ArcAngleShown(float sweep, bool complement) {
    const float d = RadiansToDegrees(sweep);
    if (sweep > 0.0f) return complement ? 360.0f - d : d;
    return complement ? -(d + 360.0f) : d;
}

void ShowArcAngle() {
    const ToolState& t = gGlobals->tool;
    PaletteShowArcAngle(ArcAngleShown(t.sweep, t.complement));
}

HostErr BuildFullCircle() {
    ToolState& t = gGlobals->tool;
    ShapeContext ctx = ToolShapeContext();
    return WriteCircle(t.art, ctx, t.radius, t.centre, t.constraintAngle);
}

HostErr BuildArc(bool crossOn) {
    Globals* g = gGlobals;
    ToolState& t = g->tool;
    if (!ArtExists(t.art.constructionPath)) return kNoErr;
    if (crossOn) {
        HostErr err = CreateCentreCross(t.art);
        if (err) return err;
    }
    CircleOrArcInput in{};
    in.centre = t.centre;
    in.radius = t.radius;
    in.startAngle = t.startAngle;
    in.endAngle = t.endAngle;
    in.sweep = t.sweep;
    in.complement = t.complement;
    in.sector = g->settings.working.Secteur;
    in.constraintAngle = t.constraintAngle;
    in.crossOn = crossOn;
    ShapeContext ctx = ToolShapeContext();
    return WriteCircleOrArc(t.art, ctx, in, &t.width, &t.height);
}

float ShiftRadius(float radius) {
    return MultipleOf(radius, gGlobals->settings.general.ShiftRayon * ToolScaleFactor(), true);
}

}  // namespace qzv
