// What the profile editor does to a working profile, without the dialog:
// the canvas frame, the selection codes, hit tests, moves with the symmetry
// rule, the grid, and removing and inserting points. Nothing here
// allocates: the canvas's mouse events run through it.
//
// Canvas frame: 20 pixels per profile unit, the profile origin at canvas
// pixel (110, 110), X to the right and Y downwards. The usable area is
// pixels 10 to 450 on both axes, that is -5 to 17 units.
#pragma once

#include <stdint.h>

#include "rounding_profile.h"

namespace qzv {

inline constexpr int kCanvasOrigin = 110;        // pixel of the profile origin, both axes
inline constexpr int kCanvasPixelsPerUnit = 20;
inline constexpr int kCanvasUsableMin = 10;      // usable pixels, both axes
inline constexpr int kCanvasUsableMax = 450;
inline constexpr float kProfileUnitsMin = -5.0f;  // the same limits in units
inline constexpr float kProfileUnitsMax = 17.0f;
inline constexpr int kGridFirstLine = 30;        // grid lines at 30 + k * step ...
inline constexpr int kGridLastLine = 430;        // ... up to 430

// The kinds of element a selection names, and its 16-bit code: point i is
// i, its In handle 200 + i, its Out handle 400 + i; 100 names nothing.
enum class ProfileElement : int16_t { kPoint = 0, kIn = 200, kOut = 400 };
inline constexpr int16_t kNoSelection = 100;

struct ProfileSelection {
    ProfileElement kind;
    int index;  // 0..19
};

int16_t SelectionCode(ProfileSelection selection);
// False for kNoSelection and any code that names no element of 0..19.
bool DecodeSelection(int16_t code, ProfileSelection* selection);

// Pixel and unit conversions of the canvas. PixelFromUnits rounds to the
// nearest pixel; a NaN unit gives the origin.
float UnitsFromPixel(int pixel);
int PixelFromUnits(float units);
int ClampCanvasPixel(int pixel);
// A coordinate held within -5..17 units; NaN becomes 0.
float ClampProfileUnits(float units);

// The unit value of the drawn grid line nearest to `pixel`. Lines are at
// 30 + k * step for k = 0 .. 400 / step; any step outside 1..400 is taken
// as 20.
float SnapPixelToGrid(int pixel, int step);

// The element's coordinates (null for an index outside the profile's count).
float* ElementX(RoundingProfile& profile, ProfileSelection selection);
float* ElementY(RoundingProfile& profile, ProfileSelection selection);
const float* ElementX(const RoundingProfile& profile, ProfileSelection selection);
const float* ElementY(const RoundingProfile& profile, ProfileSelection selection);

// The element the symmetry rule pairs with `selection`: point n-1-i for
// point i, the Out handle of n-1-i for the In handle of i and the reverse.
// The middle point of an odd count is its own mirror.
ProfileSelection MirrorElement(ProfileSelection selection, int count);

// Moves the element to (x, y) units, held within -5..17. With symmetry on,
// its mirror goes to (y, x) at the same time; a point that is its own
// mirror is put on the diagonal at ((x + y) / 2, (x + y) / 2). NaN leaves
// the coordinate as it was. False when the selection names no element.
bool MoveElement(RoundingProfile& profile, ProfileSelection selection, float x, float y);

// One coordinate typed into a field: axis 0 is X, 1 is Y. With symmetry on
// the mirror's other coordinate gets the same value (so a point that is its
// own mirror lands at (v, v)). Held within -5..17; NaN changes nothing and
// answers false.
bool SetElementCoordinate(RoundingProfile& profile, ProfileSelection selection, int axis,
                          float value);

// The element whose canvas pixel lies within `reach` pixels of (h, v) on
// each axis: `preferred` first (the selected element, so that a handle
// lying on its point can still be taken), then the points, the In handles
// and the Out handles in index order. False when there is none.
bool HitElement(const RoundingProfile& profile, int h, int v, int reach,
                const ProfileSelection* preferred, ProfileSelection* hit);

// The point whose pixel lies within `reach` pixels of (h, v) on each axis.
bool HitPoint(const RoundingProfile& profile, int h, int v, int reach, int* index);

// A place on the outline: curve `curve` runs from point `curve` to point
// `curve` + 1, at parameter t.
struct CurvePlace {
    int curve;
    float t;
};

// Samples every curve at t = k / 100 for k = 0..99 and answers the sample
// nearest to (h, v) among those within `reach` pixels on each axis.
bool NearestCurvePlace(const RoundingProfile& profile, int h, int v, int reach, CurvePlace* place);

// The point of curve `curve` at t (cubic Bezier in units).
void CurvePoint(const RoundingProfile& profile, int curve, float t, float* x, float* y);

// Brings every coordinate of the points in use within -5..17 units (NaN
// becomes 0): what the editor can show and edit. A profile read from a
// damaged store may hold anything.
void ClampProfileToCanvas(RoundingProfile& profile);

// Removes point i: later points move down by one in all six arrays and the
// freed slot is cleared. False (nothing changed) below 3 points or for an
// index outside the profile.
bool RemoveProfilePoint(RoundingProfile& profile, int index);

// Inserts a point on the curve at `place`, split there by de Casteljau's
// construction: the new anchor is the curve's point at t, its handles and
// the In handle of the previous and the Out handle of the next point are
// those of the two halves, so the outline keeps its shape exactly (a
// straight side stays straight). Later points move up by one. False
// (nothing changed) at 20 points or for a curve outside the profile. The
// new point's index is `place.curve` + 1.
bool InsertProfilePoint(RoundingProfile& profile, CurvePlace place);

// The next (step +1) or previous (step -1) element of the same kind that is
// in use, wrapping at the ends of the count.
ProfileSelection StepSelection(ProfileSelection selection, int step, int count);

// Whether the element exists for the count: the first point has no Out
// handle and the last no In handle (no curve arrives at or leaves them).
bool ElementInUse(ProfileSelection selection, int count);

}  // namespace qzv
