// The per-gesture state of the two drawing tools: the construction modes,
// the step counter of multi-click constructions, the clicked points, the
// circle or arc under construction, the art of the gesture and the ring of
// recently snapped points. Plain data: it lives inside Globals.
#pragma once
#include <stdint.h>

#include "geometry/host/shape_art.h"
#include "geometry/marks.h"
#include "geometry/rect_tool_shape.h"
#include "sdk_all.h"

namespace qzv {

// Construction modes of the circle tool; the mode's name names created art.
enum CircleMode : int32_t {
    kCircleCentreRadius = 0,   // "Cercle 1": centre, then radius
    kCircleTwoPoints = 1,      // "Cercle 2": circle through two points
    kCircleThreePoints = 2,    // "Cercle 3": circle through three points
    kArcCentre = 3,            // "Arc/Secteur 1": centre, then drag to the end
    kArcTwoEnds = 4,           // "Arc/Secteur 2": start, then end
    kArcThreePoints = 5,       // "Arc/Secteur 3": arc through three points
    kTangentOne = 6,           // "Tangente 1": tangent to one segment
    kTangentTwo = 7,           // "Tangente 2": tangent to two segments
    kTangentThree = 8,         // "Tangente 3": tangent to three segments
    kCircleModeCount = 9
};

// Construction modes of the rectangle tool (the builders' own numbering).
using RectMode = RectToolMode;
inline constexpr int32_t kRectModeCount = 6;

inline constexpr int kRecentSnapCount = 10;

struct ToolState {
    // --- modes (palette mode buttons; read by every handler) ---
    int32_t circleMode;            // CircleMode
    int32_t rectMode;              // RectMode

    // --- gesture (MouseDown advances step; MouseUp finishes and resets it) ---
    int16_t step;                  // clicks taken in the current construction; 0 = waiting
    HostBool constructionLive;     // a construction path follows the mouse
    HostBool alertShowing;         // a tool's error alert is on screen
    RealPoint firstPoint;          // snapped click points, in click order
    RealPoint secondPoint;
    RealPoint thirdPoint;
    RealPoint lastPoint;           // cursor at the end of the latest mouse down
    ArtHandle hitArt;              // the art under the latest mouse down (re-editing), or null
    char modeName[32];             // name of the current mode, copied at mouse down (UTF-8)

    // --- circle or arc under construction (circle modes; palette item 10, 14, 15) ---
    RealPoint centre;
    float radius;                  // also the radius the palette shows (times the scale)
    float width, height;           // extent of the shape: 2 * radius for circles
    float bisectorSlope;           // perpendicular bisector v = slope * h + intercept
    float bisectorIntercept;
    float segmentAngle;            // direction of the segment clicked in a tangent mode
    RealPoint arcStart, arcEnd;    // the two points of an arc
    float startAngle, endAngle;    // radians
    float sweep;                   // startAngle - endAngle, kept in [-pi, pi)
    float previousSweep;           // sweep of the previous drag step (sign memory)
    float chordSlope, chordIntercept;  // line through arcStart and arcEnd
    HostBool centreSide;           // the centre lies above the chord
    HostBool complement;           // draw the other arc between the same end points
    HostBool pointsAligned;        // the three points of modes 2 and 5 are on one line (alert shown)

    // --- tangent modes (their clicks; contact flags cleared at tool selection and mouse up) ---
    HostBool circleContact1;       // the first contact is a circle, not a segment
    HostBool circleContact2;       // the second contact is a circle
    HostBool parallelFlag;         // mode 8 found its segments parallel (read by the alert)
    ReferenceLine segments[3];     // the picked segments (end points); for a circle contact its tangent at the contact
    RealPoint contactCentre[2];    // the circles picked as first and second contact
    float contactRadius[2];
    RealPoint apex;                // where the lines of segments 1 and 2 meet
    float rayAngle[2];             // mode 7: directions of lines 1 and 2 from the apex toward the clicks
    HostBool lines12Parallel;      // mode 7: lines 1 and 2 are parallel
    int16_t tangentCase;           // mode 8: 0 no parallels; 1, 2, 3 the parallel pair 1-2, 1-3, 2-3; 4 all
    RealPoint bisectorPoint;       // mode 8: midpoint of the tangent points on lines 1 and 2
    RealPoint candidateCentre[2];  // mode 8: the two circles tangent to the three lines
    float candidateRadius[2];

    // --- rectangle tool (its modes; the palette's fields 72 to 75 show and edit them) ---
    // The anchor point is firstPoint (a corner, the centre, a segment's first
    // end or middle, the last fixed vertex of a polygonal line), the latest
    // mouse point lastPoint; the inclination is the working "RotRectangle"
    // and the rounding the working "Arrondi".
    float rectLength;              // signed extent along the rectangle's own h axis, points
    float rectWidth;               // signed extent along its own v axis, points
    float lineLength;              // signed length of a segment, of the polygonal line's last
                                   // piece, or x of the tangent segment, points
    float lineAngle;               // the segment's inclination, radians
    HostBool centringToggle;       // Alt held at the latest drag step: the mode's centring inverted
    uint8_t arrowKeys;             // arrow keys held at the latest mouse down or drag (kArrow* bits)

    // --- polygonal line (mode 2 with "LignePoly"; secondPoint is its moving end) ---
    int16_t polylineVertices;      // vertices placed; 0 = no line under way
    RealPoint polylineStart;       // the first vertex (a click near it closes the line)
    float polylineLength;          // accumulated length of the finished pieces, points
    HostBool polylineFinished;     // the latest click ended the line, open or closed

    // --- tangent segment (modes 2 and 5 after a click on a circle or arc) ---
    HostBool tangentOn;            // the segment lies along the clicked circle's tangent
    HostBool tangentTwoCircles;    // the cursor is on a second circle: their common tangent
    RealPoint tangentCentre;       // K and r: the clicked circle
    float tangentRadius;
    RealPoint tangentBase;         // B: the foot of the segment on that circle
    float tangentBeta;             // beta: direction of the radius K -> B, radians

    // --- art of the gesture (target preparation, the shape writers) ---
    ShapeArt art;                  // target group, construction paths, marks
    ArtHandle rubberBand;          // construction preview path, or null

    // --- keys (sampled at every handler) ---
    int32_t altState, ctrlState;   // last seen Alt and Ctrl during a drag (edge detection)
    HostBool altDown;              // Alt held during the current drag
    HostBool altFlipped;           // Alt changed an odd number of times in this construction

    // --- host values read at mouse down ---
    float constraintAngle;         // host preference "constrain/angle", radians
    int16_t rulerUnits;            // the document's ruler units
    int16_t fallbackRulerUnits;    // used when they cannot be read

    // --- cursor and feedback (TrackCursor, MouseDrag; read by the annotator) ---
    RealPoint lastCursor;          // cursor of the latest tracking or drag message
    RealPoint recentSnaps[kRecentSnapCount];   // ring of the last distinct snapped anchors
    uint8_t recentSnapIndex;       // the entry written last
    uint8_t recentSnapFilled;      // entries that hold a point (0..10)
    IntRect annotationBox;         // view rectangle of the live measurement
};

}  // namespace qzv
