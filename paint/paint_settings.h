// The paint given to every new path: a stroke side and a fill side, each
// painted or not, in gray or RGB, or with one of the document's patterns.
#pragma once

#include <stdint.h>

namespace qzv {

struct PaintSide {
    bool paintOn;          // "Contour" / "Fond"
    bool rgb;              // "RVBC" / "RVBF": RGB levels, else a gray level
    float redOrGray;       // "RougeGrisC" / "RougeGrisF": red 0..255, or gray 0..100 % (100 black)
    float green;           // "VertC" / "VertF": 0..255, RGB only
    float blue;            // "BleuC" / "BleuF": 0..255, RGB only
    bool patternOn;        // "MotifContour" / "Motif"
    int32_t patternNumber; // "NumMotifContour" / "NumMotif": index in the document's list, from 0
    float patternScale;    // "EchMotifContour" / "EchMotif": percent, at least 0.001
    float patternAngle;    // "RotMotifContour" / "RotMotif": degrees, -180..180
};

struct PaintSettings {
    PaintSide stroke;
    PaintSide fill;
};

// Preference key names of one side, relative to the plug-in's prefix.
struct PaintSideKeys {
    const char* paintOn;
    const char* rgb;
    const char* redOrGray;
    const char* green;
    const char* blue;
    const char* patternOn;
    const char* patternNumber;
    const char* patternScale;
    const char* patternAngle;
};

inline constexpr PaintSideKeys kStrokeKeys = {"Contour", "RVBC", "RougeGrisC", "VertC", "BleuC",
                                              "MotifContour", "NumMotifContour", "EchMotifContour",
                                              "RotMotifContour"};
inline constexpr PaintSideKeys kFillKeys = {"Fond", "RVBF", "RougeGrisF", "VertF", "BleuF",
                                            "Motif", "NumMotif", "EchMotif", "RotMotif"};

// Factory defaults: stroke on, gray 100 (black); fill off, gray 100; green
// and blue 0; both patterns off, number 1, scale 100, angle 0.
PaintSettings FactoryPaintSettings();

// True when neither side is painted nor patterned: the path would have
// neither fill nor stroke, which the user is warned about.
bool NothingPainted(const PaintSettings& settings);

// Exchanges every field between the stroke and the fill side.
void SwapPaintSides(PaintSettings& settings);

// Switches a side between gray and RGB: to RGB, red = gray * 2.55; to gray,
// gray = red / 2.55; green and blue are left as they are.
void ToggleSideRgb(PaintSide& side);

}  // namespace qzv
