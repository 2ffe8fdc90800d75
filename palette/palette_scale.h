// The drawing scale in the palette: the entries of the scale popup (item
// 63), the entry that matches a scale, the text of the custom entry and the
// indicator (item 13) shown while the scale is not 1.
#pragma once
#include <stdint.h>

#include "sdk_all.h"

namespace qzv {

enum class ScaleEntryKind : uint8_t { kFixed, kSeparator, kOpenDialog, kCustom };

struct ScaleEntry {
    int32_t id;                // entry id = position in the popup
    ScaleEntryKind kind;
    const char* text;          // fixed text; null for separators and the custom entry
    int32_t numerator, denominator;
};

inline constexpr int32_t kScaleEntryCustomDialog = 20;
inline constexpr int32_t kScaleEntryCustom = 21;

extern const ScaleEntry kScaleEntries[];
extern const int kScaleEntryCount;

// The entry id for a scale: the fixed entry of that numerator and
// denominator, else the custom entry.
int32_t ScaleEntryFor(int32_t numerator, int32_t denominator);

// A number as the dialog manager writes it with 5 decimals, without a
// fraction of zeros ("3,00000" -> "3"; "2,50000" -> "2,5").
void TrimZeroFraction(char* text);

// The custom entry's text: numerator "/" denominator, "…/…" while no custom
// scale was ever set (both 0). Always terminated within `size`.
void CustomScaleText(int32_t numerator, int32_t denominator, char* buffer, int32_t size);

// Fills the scale popup's list.
void FillScalePopup(ListRef list);

// Checks and selects the entry of the working scale (every other entry
// unchecked) and shows item 13 exactly when the scale factor is not 1.
void PaletteSelectScaleEntry();

}  // namespace qzv
