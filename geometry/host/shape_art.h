// The host-writing side of the shape builders: the art handles one gesture
// works with, what the writers read besides them, and the common writer that
// turns a ShapeBuild into calls on the host's path, style and transform
// suites (through the suite pointers of host/suites.h).
//
// Every writer returns the first host error unchanged and stops there; a
// suite the writer needs and does not hold answers kErrSuiteNotFound. Art
// handles are tested with the host's validity call before they are used
// where the builders say so; any other invalid handle only makes the host
// call fail. Nothing here allocates: the drag path runs through it.
#pragma once

#include "host_types.h"
#include "path_styles.h"
#include "shape_path.h"

namespace qzv {

struct WorkingValues;

// The art of one gesture, cleared at every mouse down except where noted.
// Plain data: it lives inside the tool state of Globals.
struct ShapeArt {
    ArtHandle targetGroup;        // the group that receives the gesture's art
    ArtHandle constructionPath;   // the circle tool's main path
    ArtHandle rectPath;           // the rectangle tool's main path
    ArtHandle crossAlong;         // centre cross: the branch along its own h axis
    ArtHandle crossAcross;        // centre cross: the branch along its own v axis
    ArtHandle ticks[3];           // tangency ticks
    HostBool tickCreated[3];      // tick i was created for the current shape
    RealPoint arcStartPoint;      // centre + PolarPoint(radius, start angle)
    RealPoint arcEndPoint;        // centre + PolarPoint(radius, end angle)
};

// What the writers read besides the gesture's art.
struct ShapeContext {
    DerivedStyles* styles;  // both weights are overwritten by every write
    float shapeWeight;      // "Epaisseur"
    float markWeight;       // "EpaisCentre"
    float branchLength;     // "Branches": length of the cross branches and ticks
    bool randomCross;       // "Alea": a new random orientation of the cross at each build
    float crossAngle;       // "Angle": the fixed orientation of the cross, radians
};

// The context from the palette's working values and the derived styles.
ShapeContext ShapeContextOf(const WorkingValues& working, DerivedStyles& styles);

// True when the handle is not null and the host holds the art.
bool ArtExists(ArtHandle art);

// A new, empty path art placed relative to `reference` with one of the
// kPlace* codes (kPlaceInsideOnTop of the target group for new shapes).
HostErr CreatePath(ArtHandle reference, int32_t placement, ArtHandle* path);

// Rebuilds both derived styles from the committed paint settings, looking
// patterns up in the current document. A side whose pattern the document
// does not hold shows "Le motif choisi n'est pas disponible." and has its
// pattern turned off (in `paint` itself), keeping its plain colour.
void RebuildPathStyles(PaintSettings& paint, float strokeWeight, DerivedStyles& styles);

// Writes one build into `path`: both styles get the weight of build.paint,
// the path receives that style when build.applyStyle is set and shows its
// centre point when build.showCentre is set; then the segment count, the
// closedness and the segments are written and, for a placed build, the path
// is transformed by build.placement (objects only, line scale 0). The path's
// validity is the caller's to check.
HostErr WriteShapeBuild(ArtHandle path, const ShapeBuild& build, ShapeContext& ctx);

}  // namespace qzv
