// The help pane of the palette: the page number, its counter and the text
// item, and the title line each page begins with.
#pragma once
#include <stdint.h>

namespace qzv {

inline constexpr int16_t kHelpPageCount = 22;

// The title line of page 1..22, or null.
const char* HelpPageTitle(int32_t page);

// Puts the current page into the text pane and the counter, and enables
// "first page" exactly above page 1 and "next page" exactly below the count.
void PaletteShowHelpPage();

// Sets the page (brought into 1..count) and shows it.
void PaletteSetHelpPage(int32_t page);

}  // namespace qzv
