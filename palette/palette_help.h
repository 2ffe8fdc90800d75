// The help pane of the palette: the page number, its counter and the text
// item, and the title line each page begins with.
#pragma once
#include <stdint.h>

namespace qzv {

inline constexpr int16_t kHelpPageCount = 22;

// The text of page 1..22 (its title line first), or null.
const char* HelpPageText(int32_t page);

// Puts the current page into the text pane and the counter, and enables
// "first page" exactly above page 1 and "next page" exactly below the count.
void PaletteShowHelpPage();

// Sets the page (brought into 1..count) and shows it.
void PaletteSetHelpPage(int32_t page);

// The next and previous buttons (items 61 and 62): the page moved by one
// and held within 1..count, their tooltips and enabling set to match.
void PaletteNextHelpPage();
void PalettePreviousHelpPage();

}  // namespace qzv
