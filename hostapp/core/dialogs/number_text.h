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

}  // namespace drawhost
