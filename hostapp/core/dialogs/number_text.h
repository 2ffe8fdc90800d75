// Number to text and back, in the dialog manager's units. Lengths are kept
// in points and shown in the item's unit; percent, degrees and plain numbers
// are shown as they are. The decimal mark shown is a comma; a comma or a
// point is accepted.
#pragma once
#include <cstdint>
#include <string>

namespace drawhost {

// `precision` decimals (clamped to 0..6), trailing zeros kept, the unit's
// suffix appended (" pt", " mm", "°"...; none for kUnitsNone).
std::string DlgValueToText(float value, int32_t units, int32_t precision);

// Reads a number with an optional unit suffix; a suffix converts from that
// unit, none means `units`. False (value untouched) for anything else,
// including NaN, infinities and trailing garbage.
bool DlgTextToValue(const std::string& text, int32_t units, float* value);

// The screen's usable rectangle (1920 x 1080 unless a script sets it).
void DlgSetScreen(int32_t width, int32_t height);
// The cursor resource last set by a plug-in (0 for the host's own).
int32_t DlgCurrentCursor();

}  // namespace drawhost
