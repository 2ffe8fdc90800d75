// The construction marks in the document: the centre cross (two branches)
// and the tangency ticks, kept in the gesture's target group.
#pragma once

#include "host_types.h"
#include "marks.h"
#include "shape_art.h"

namespace qzv {

// Creates the branches of the centre cross that do not exist yet, as empty
// paths inside the target group on top, so that WriteCentreCross has
// something to write. The tools call it when the centre mark is wanted.
HostErr CreateCentreCross(ShapeArt& art);

// Rewrites both branches of the centre cross about `centre` with the mark
// style and weight. Nothing happens when the first branch does not exist.
// The orientation is a fresh random number times pi/2 from the host's random
// suite when ctx.randomCross is set, else ctx.crossAngle.
HostErr WriteCentreCross(ShapeArt& art, ShapeContext& ctx, RealPoint centre);

// Moves both branches of the centre cross inside the target group on top,
// when the group and the first branch exist.
HostErr GroupCentreCross(ShapeArt& art);

// Tick `index` (0..2): created inside the target group on top when it has
// not been created (or no longer exists), then given the mark style with the
// mark weight and, only if that succeeds, its two anchors.
HostErr WriteTangencyTick(ShapeArt& art, ShapeContext& ctx, const MarkPath& tick, int index);

// Disposes of every existing tick and clears its handle and created flag.
HostErr DisposeTangencyTicks(ShapeArt& art);

// After a circle-tool shape changed (palette, end of a gesture): nothing when
// the main path no longer exists; with the tangency switch off every tick is
// disposed of; with it on the shape is grouped (a new target group above the
// main path when there is none, the main path moved inside it on top) and
// the ticks of the circle mode are rebuilt across the reference lines at the
// feet of the perpendiculars from the centre.
HostErr FinishCircleShape(ShapeArt& art, ShapeContext& ctx, int circleMode, bool tangentOn,
                          RealPoint centre, const ReferenceLine (&lines)[3]);

}  // namespace qzv
