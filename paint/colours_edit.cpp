#include "colours_edit.h"

#include <initializer_list>
#include <math.h>

namespace qzv {

namespace {

constexpr float kRgbMaximum = 255.0f;
constexpr float kGrayMaximum = 100.0f;

bool Finite(float v) { return isfinite(v); }

}  // namespace

PaintSide& SideOf(PaintSettings& settings, int32_t side) {
    return side == kSideFill ? settings.fill : settings.stroke;
}

const PaintSide& SideOf(const PaintSettings& settings, int32_t side) {
    return side == kSideFill ? settings.fill : settings.stroke;
}

int32_t ClickSideSwatch(PaintSettings& settings, int32_t edited, int32_t clicked) {
    if (clicked != kSideStroke && clicked != kSideFill) return edited;
    if (clicked != edited) return clicked;
    ToggleSideRgb(SideOf(settings, edited));
    return edited;
}

bool TogglePaint(PaintSettings& settings, int32_t side) {
    PaintSide& s = SideOf(settings, side);
    s.paintOn = !s.paintOn;
    s.patternOn = false;
    return NothingPainted(settings);
}

bool TogglePattern(PaintSettings& settings, int32_t side, int32_t patternCount) {
    PaintSide& s = SideOf(settings, side);
    if (s.rgb) ToggleSideRgb(s);
    s.patternOn = !s.patternOn;
    if (s.patternOn) {
        s.paintOn = true;
        if (patternCount > 0 && (s.patternNumber < 0 || s.patternNumber >= patternCount))
            s.patternNumber = 0;
    }
    return NothingPainted(settings);
}

void DefaultDialogPaint(PaintSettings& settings) {
    PaintSide& stroke = settings.stroke;
    stroke.paintOn = true;
    stroke.rgb = false;
    stroke.redOrGray = 100.0f;
    settings.fill.paintOn = false;
    for (PaintSide* s : {&settings.stroke, &settings.fill}) {
        s->patternOn = false;
        s->patternScale = 100.0f;
        s->patternAngle = 0.0f;
    }
}

float RowMaximum(const PaintSide& side, int row) {
    return row == 0 && !side.rgb ? kGrayMaximum : kRgbMaximum;
}

bool SetRowLevel(PaintSide& side, int row, float level) {
    if (row < 0 || row >= kColourRows || level != level) return false;
    const float maximum = RowMaximum(side, row);
    if (level < 0.0f) level = 0.0f;
    if (level > maximum) level = maximum;
    float* slots[kColourRows] = {&side.redOrGray, &side.green, &side.blue};
    *slots[row] = level;
    return true;
}

float RowLevel(const PaintSide& side, int row) {
    switch (row) {
        case 0: return side.redOrGray;
        case 1: return side.green;
        case 2: return side.blue;
        default: return 0.0f;
    }
}

bool SetPatternScale(PaintSide& side, float scale) {
    if (!Finite(scale)) return false;
    side.patternScale = scale < kPatternScaleMin ? kPatternScaleMin : scale;
    return true;
}

bool SetPatternAngle(PaintSide& side, float degrees) {
    if (!Finite(degrees)) return false;
    if (degrees < -kPatternAngleLimit) degrees = -kPatternAngleLimit;
    if (degrees > kPatternAngleLimit) degrees = kPatternAngleLimit;
    side.patternAngle = degrees;
    return true;
}

bool RowShown(const PaintSide& side, int row) {
    if (!side.paintOn || side.patternOn) return false;
    return row == 0 || (side.rgb && row < kColourRows);
}

bool PercentShown(const PaintSide& side) { return RowShown(side, 0) && !side.rgb; }

bool PatternControlsShown(const PaintSide& side) { return side.patternOn; }

uint8_t LevelByte(float level, bool rgb) {
    if (!(level == level)) level = 0.0f;
    float byte = rgb ? level : 255.0f - level * 2.55f;
    if (byte < 0.0f) byte = 0.0f;
    if (byte > 255.0f) byte = 255.0f;
    return static_cast<uint8_t>(lroundf(byte));
}

}  // namespace qzv
