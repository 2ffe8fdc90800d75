// The palette per tool and mode: which items are enabled, shown and
// labelled, and what the mode buttons, the label buttons and the
// rounding-type buttons do.
#pragma once
#include <stdint.h>

namespace qzv {

// Enables the items for the current tool (on), or disables them (off: when
// no tool is selected, and right after the palette is made).
void PaletteEnableItems(bool on);

// Lays the palette out for the current mode of the circle tool (also used
// while no tool is selected) or of the rectangle tool.
void PaletteUpdateCircleTool();
void PaletteUpdateRectTool();

// A circle mode chosen from its button: the mode, its help page, the
// construction back to its first step, the layout, fields 10, 14 and 15 at 0.
void PaletteChooseCircleMode(int32_t mode);

// A rectangle mode chosen from its button: the line construction back to
// its start, the mode, the inclination field, the layout.
void PaletteChooseRectMode(int32_t mode);

// The field a label button names (30 -> 8, 44 -> 10, ...), or 0.
int32_t LabelTarget(int32_t labelId);

// The help page that explains circle mode 0..8, or 0 for another mode.
int16_t HelpPageOfCircleMode(int32_t mode);

}  // namespace qzv
