// The scale popup of the preferences dialog: its entries and the entry
// that shows a given pending scale.
#pragma once

#include <stdint.h>

namespace qzv {

struct PrefsScaleEntry {
    int32_t index;        // position in the popup, also the entry's id
    const char* text;     // null for a separator
    int32_t numerator;    // 0 for a separator and for the custom entry
    int32_t denominator;
};

// Index: text -> numerator / denominator.
inline constexpr PrefsScaleEntry kPrefsScaleEntries[] = {
    {0, "1/100", 1, 100}, {1, "1/50", 1, 50}, {2, "1/25", 1, 25},  {3, "1/10", 1, 10},
    {4, "1/5", 1, 5},     {5, "1/4", 1, 4},   {6, "1/3", 1, 3},    {7, "1/2", 1, 2},
    {8, nullptr, 0, 0},   {9, "1", 1, 1},     {10, nullptr, 0, 0}, {11, "2/1", 2, 1},
    {12, "3/1", 3, 1},    {13, "4/1", 4, 1},  {14, "5/1", 5, 1},   {15, "10/1", 10, 1},
    {16, "25/1", 25, 1},  {17, "50/1", 50, 1}, {18, "100/1", 100, 1}, {19, nullptr, 0, 0},
    {20, "\xE2\x80\xA6", 0, 0},   // the custom scale; "…" until one is set
};
inline constexpr int32_t kPrefsScaleEntryCount = 21;
inline constexpr int32_t kPrefsScaleCustom = 20;

// The entry whose scale is num/den; any pair not in the table is the
// custom entry.
int32_t PrefsScaleEntryFor(int32_t numerator, int32_t denominator);

// Whether the custom entry can be chosen: the custom scale is set and is
// not 1/1.
bool PrefsCustomScaleUsable(int32_t numerator, int32_t denominator);

}  // namespace qzv
