// Mode 0 of the circle tool, "Cercle 1": the click fixes the centre and at
// once makes a circle of the radius shown in the palette; the drag sets the
// radius (or, with Alt, makes the click one end of a diameter); mouse up
// writes the re-editing tags and the final circle.
#include <cmath>
#include <initializer_list>

#include "geometry/constructions.h"
#include "geometry/host/host_marks.h"
#include "geometry/host/host_shapes.h"
#include "geometry/plane.h"
#include "host/suites.h"
#include "palette/palette.h"
#include "plugin/globals.h"
#include "tools/circle_common.h"
#include "tools/circle_tags.h"
#include "tools/tool_common.h"
#include "tools/tool_feedback.h"
#include "tools/tool_modes.h"

namespace qzv {

namespace {

constexpr int32_t kCursorCentre = 16002;

HostErr TakeCentre(ToolMessage*, RealPoint p) {
    ToolState& t = gGlobals->tool;
    if (gGlobals->snap.onEditableArc && ArtExists(t.hitArt)) return ReopenCircle(t.hitArt);
    t.centre = p;
    t.firstPoint = p;
    t.secondPoint = p;
    t.width = 2.0f * t.radius;
    t.height = t.width;
    ToolClickSound();
    HostErr err = StartConstructionPath(BuildFullCircle);
    if (err) return err;
    return sTag->SetTag(t.art.constructionPath, kTagEditable, kTagTypeString, kTagYes);
}

// The radius from the centre to what lies under the cursor: touching a
// snapped segment, through a snapped point, touching a snapped circle from
// outside or inside, else through the guided cursor.
float RadiusToCursor(ToolMessage* message) {
    const Globals* g = gGlobals;
    const ToolState& t = g->tool;
    const SnapResult& s = g->snap;
    if (g->settings.general.Magnetisme) {
        if (s.onSegment) return PointDistance(t.centre, FootOfPerpendicular(t.centre, s.snapPoint, s.segmentEnd));
        if (s.onPoint) return PointDistance(t.centre, s.snapPoint);
        if (s.onArc) return std::fabs(PointDistance(t.centre, s.secondArc.centre) - s.secondArc.radius);
    }
    ToolSetCursor(message->d.plugin, kCursorCentre);
    return PointDistance(t.centre, SnappedClickPoint(message->cursor));
}

HostErr DragRadius(ToolMessage* message, const ToolKeys& keys) {
    ToolState& t = gGlobals->tool;
    const float step = gGlobals->settings.general.ShiftRayon * ToolScaleFactor();
    if (!keys.alt) {
        // Releasing Alt brings the centre back to the click.
        t.centre = t.firstPoint;
        t.radius = RadiusToCursor(message);
        if (keys.shift) t.radius = MultipleOf(t.radius, step, true);
    } else {
        // The click and the point under the cursor are the ends of a diameter.
        const RealPoint q = SnappedClickPoint(message->cursor);
        const float half = PointDistance(t.firstPoint, q) / 2.0f;
        t.centre = RealPoint{(t.firstPoint.h + q.h) / 2.0f, (t.firstPoint.v + q.v) / 2.0f};
        t.radius = half;
        if (keys.shift) {
            t.radius = MultipleOf(half, step, true);
            t.centre = AddPoints(t.firstPoint, PolarPoint(t.radius, PointAngle(t.firstPoint, q)));
        }
    }
    t.width = 2.0f * t.radius;
    t.height = t.width;
    PaletteShowRadius(t.radius);
    return BuildFullCircle();
}

HostErr FinishCircle(ToolMessage*, bool* grouped) {
    Globals* g = gGlobals;
    ToolState& t = g->tool;
    HostErr err = WriteCircleTags();
    if (err) return err;
    const bool cross = g->settings.working.Centre;
    if (cross) {
        err = CreateCentreCross(t.art);
        if (err) return err;
    } else {
        // A circle re-opened with its cross loses it.
        for (ArtHandle* branch : {&t.art.crossAlong, &t.art.crossAcross}) {
            if (ArtExists(*branch)) sArt->DisposeArt(*branch);
            *branch = nullptr;
        }
    }
    err = BuildFullCircle();
    if (err || !cross) return err;
    ShapeContext ctx = ToolShapeContext();
    err = WriteCentreCross(t.art, ctx, t.centre);
    if (err) return err;
    *grouped = true;
    return GroupCentreCross(t.art);
}

}  // namespace

const ModeSteps kCircleCentreRadiusSteps = {TakeCentre, DragRadius, FinishCircle};

}  // namespace qzv
