// What the colours dialog does to its pending paint settings, without the
// dialog: the side being edited, the three colour rows, the paint and
// pattern switches, the factory values, and what each state shows.
#pragma once

#include <stdint.h>

#include "paint_settings.h"

namespace qzv {

enum PaintSideId : int32_t { kSideStroke = 0, kSideFill = 1 };

PaintSide& SideOf(PaintSettings& settings, int32_t side);
const PaintSide& SideOf(const PaintSettings& settings, int32_t side);

// The swatch of `clicked` was clicked while `edited` is being edited: a
// click on the other side's swatch edits that side (the answer); a click on
// the edited side's swatch switches it between gray and RGB.
int32_t ClickSideSwatch(PaintSettings& settings, int32_t edited, int32_t clicked);

// The paint switch of a side: paint inverted, pattern off. True when the
// path would then be painted with nothing (the user is warned; the change
// stays).
bool TogglePaint(PaintSettings& settings, int32_t side);

// The pattern check box of a side. The side goes to gray first (an RGB red
// level becomes a gray level, so it stays within 0..100), then its pattern
// flag is inverted; turning the pattern on turns the side's paint on and,
// when its number names none of the document's `patternCount` patterns,
// takes the first one. True when the path would then be painted with
// nothing (the user is warned and the box shows unticked).
bool TogglePattern(PaintSettings& settings, int32_t side, int32_t patternCount);

// The dialog's "Défaut": stroke on in gray 100, fill off, both patterns
// off with scale 100 and angle 0; the fill's levels and RGB flag and both
// pattern numbers are kept.
void DefaultDialogPaint(PaintSettings& settings);

// Rows of the colour controls: 0 red or gray, 1 green, 2 blue.
inline constexpr int kColourRows = 3;

// The largest level of a row: 255 in RGB, 100 for the gray row.
float RowMaximum(const PaintSide& side, int row);

// A level typed or slid into a row, held within 0..maximum. NaN or a row
// outside 0..2 changes nothing and answers false.
bool SetRowLevel(PaintSide& side, int row, float level);
float RowLevel(const PaintSide& side, int row);

// Pattern scale (at least 0.001) and angle (-180..180 degrees); NaN or an
// infinite value changes nothing and answers false.
inline constexpr float kPatternScaleMin = 0.001f;
inline constexpr float kPatternAngleLimit = 180.0f;
bool SetPatternScale(PaintSide& side, float scale);
bool SetPatternAngle(PaintSide& side, float degrees);

// What the dialog shows for the edited side: a colour row is shown (and
// enabled) while the side is painted without a pattern, rows 1 and 2 only
// in RGB; the pattern controls while its pattern is on.
bool RowShown(const PaintSide& side, int row);
bool PercentShown(const PaintSide& side);
bool PatternControlsShown(const PaintSide& side);

// The gray level's shade of 0..255 (0 % is white, 100 % black), or an RGB
// level held within 0..255, as a byte for drawing.
uint8_t LevelByte(float level, bool rgb);

}  // namespace qzv
