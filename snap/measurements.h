// The live read-out of a construction beside the cursor (position, radius
// or sides, angle, area, perimeter) in the document's ruler units at the
// drawing scale, and the area of a polygonal line about to be closed.
#pragma once
#include "sdk_all.h"

namespace qzv {

// Draws the read-out of the live construction in the box drawer, a line
// every 12 pixels from local y 10.
void DrawMeasurements(DrawerRef box);

// "Aire = " and the area of the polygon that a click on the start point of
// the polygonal line under construction would close, with the area unit.
// False (nothing written) when the line has fewer than three vertices, the
// cursor is not on its start point, a piece is curved or the outline
// crosses itself.
bool PolygonAreaText(char* text, int size);

// A measurement line: the name (with its equals sign), a sign for signed
// values, the digits of the absolute value, then the suffix (a unit text or
// " °"), with the decimals and rounding of the settings.
void MeasureLine(char* text, int size, const char* name, float value, bool withSign, const char* suffix);

}  // namespace qzv
