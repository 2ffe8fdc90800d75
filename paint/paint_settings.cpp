#include "paint_settings.h"

#include <utility>

namespace qzv {

namespace {

constexpr float kGrayToRgb = 2.55f;  // 100 % gray maps to level 255

PaintSide FactorySide(bool paintOn) {
    PaintSide s{};
    s.paintOn = paintOn;
    s.rgb = false;
    s.redOrGray = 100.0f;
    s.green = 0.0f;
    s.blue = 0.0f;
    s.patternOn = false;
    s.patternNumber = 1;
    s.patternScale = 100.0f;
    s.patternAngle = 0.0f;
    return s;
}

}  // namespace

PaintSettings FactoryPaintSettings() {
    return PaintSettings{FactorySide(true), FactorySide(false)};
}

bool NothingPainted(const PaintSettings& s) {
    return !s.stroke.paintOn && !s.fill.paintOn && !s.stroke.patternOn && !s.fill.patternOn;
}

void SwapPaintSides(PaintSettings& settings) {
    std::swap(settings.stroke, settings.fill);
}

void ToggleSideRgb(PaintSide& side) {
    if (side.rgb) {
        side.redOrGray = side.redOrGray / kGrayToRgb;
    } else {
        side.redOrGray = side.redOrGray * kGrayToRgb;
    }
    side.rgb = !side.rgb;
}

}  // namespace qzv
