// Numbers and units of the measurements drawn beside the cursor: the digits
// of a value rounded to the shown decimals, and the document's ruler units.
// Pure functions.
#pragma once
#include <stdint.h>

namespace qzv {

// Writes the digits of a value that is not negative (callers pass absolute
// values): v + step / 2 split into its whole part, written digit by digit,
// and `decimals` decimals after `separator` (none when decimals is 0). With
// 2 decimals and a step of 0.01, 3.14159 gives "3,14" and 2.999 "3,00".
// NaN, infinities and negative values give "?"; a whole part beyond 1e15
// is written with the digits single precision holds. Returns the count of
// characters written; the text is always terminated within `size`.
int FormatMeasure(float value, float step, int decimals, char separator, char* text, int size);

// A ruler units code of the document and what the measurements make of it.
struct MeasureUnit {
    bool known;             // codes 1 to 5; other codes show positions only
    const char* length;     // " in", " cm", " pt", " pi", " mm"
    const char* area;       // " in2" ...
};

MeasureUnit UnitOfRuler(int32_t units);

// A length in points in the ruler units, divided by the drawing scale, and
// an area in square points likewise (divided by the scale squared). Unknown
// units leave the value in points, unscaled.
float LengthInUnits(float points, int32_t units, float scale);
float AreaInUnits(float squarePoints, int32_t units, float scale);

// The perimeter of a length by width rectangle in the ruler units, with the
// factors of each unit as the measurements compute it: (L1 + L2) / 36 for
// inches, (L1 + L2) * 5.08 / 72 for centimetres and so on.
float RectanglePerimeterInUnits(float length, float width, int32_t units, float scale);

}  // namespace qzv
