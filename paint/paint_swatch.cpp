#include "paint/paint_swatch.h"

#include "host/suites.h"
#include "paint/colours_edit.h"
#include "plugin/globals.h"

namespace qzv {

namespace {

void SideColour(DrawerRef drawer, const PaintSide& side) {
    if (side.rgb) {
        sDrawer->SetRGBColor(drawer, LevelByte(side.redOrGray, true), LevelByte(side.green, true),
                             LevelByte(side.blue, true));
    } else {
        const uint8_t shade = LevelByte(side.redOrGray, false);
        sDrawer->SetRGBColor(drawer, shade, shade, shade);
    }
}

// Cleared, then crossed from the bottom-left to the top-right corner in red.
void Unpainted(DrawerRef drawer, IntRect box) {
    sDrawer->SetColor(drawer, kColorWhite);
    sDrawer->FillRect(drawer, &box);
    sDrawer->SetRGBColor(drawer, 255, 0, 0);
    const IntPoint from = {box.left, box.bottom - 1}, to = {box.right - 1, box.top};
    sDrawer->DrawLine(drawer, &from, &to);
}

// Cleared, with three short parallel strokes: the sign of a pattern.
void PatternSign(DrawerRef drawer, IntRect box) {
    sDrawer->SetColor(drawer, kColorWhite);
    sDrawer->FillRect(drawer, &box);
    sDrawer->SetColor(drawer, kColorBlack);
    const int32_t w = box.right - box.left, h = box.bottom - box.top;
    const int32_t size = (w < h ? w : h) / 2;
    const int32_t cx = box.left + w / 2, cy = box.top + h / 2;
    for (int32_t k = -1; k <= 1; ++k) {
        const int32_t shift = k * (size > 3 ? size / 2 + 1 : 1);
        const IntPoint a = {cx - size / 2 + shift, cy + size / 2}, b = {cx + size / 2 + shift, cy - size / 2};
        sDrawer->DrawLine(drawer, &a, &b);
    }
}

void SideFace(DrawerRef drawer, const PaintSide& side, IntRect box) {
    if (side.patternOn) {
        PatternSign(drawer, box);
    } else if (side.paintOn) {
        SideColour(drawer, side);
        sDrawer->FillRect(drawer, &box);
    } else {
        Unpainted(drawer, box);
    }
}

}  // namespace

void DrawSwatchOf(DrawerRef drawer, const PaintSettings& settings, IntPoint at) {
    if (!sDrawer || !drawer) return;
    const IntRect strokeBox = {at.h, at.v, at.h + 10, at.v + 17};
    const IntRect fillBox = {at.h + 3, at.v + 3, at.h + 7, at.v + 14};
    // The stroke box asks for its paint first, the fill box for its pattern.
    const PaintSide& stroke = settings.stroke;
    if (!stroke.paintOn) Unpainted(drawer, strokeBox);
    else SideFace(drawer, stroke, strokeBox);
    SideFace(drawer, settings.fill, fillBox);
}

void DrawPaintSwatch(DrawerRef drawer, IntPoint topLeft) {
    if (gGlobals) DrawSwatchOf(drawer, gGlobals->settings.paint, topLeft);
}

void DrawSideBox(DrawerRef drawer, const PaintSide& side, IntRect box, bool ring) {
    if (!sDrawer || !drawer) return;
    if (!ring) {
        SideFace(drawer, side, box);
    } else {
        constexpr int32_t kRing = 3;
        const IntRect inner = {box.left + kRing, box.top + kRing, box.right - kRing, box.bottom - kRing};
        if (side.patternOn || !side.paintOn) {
            SideFace(drawer, side, box);
        } else {
            SideColour(drawer, side);
            sDrawer->FillRect(drawer, &box);
        }
        sDrawer->SetColor(drawer, kColorBackground);
        sDrawer->FillRect(drawer, &inner);
        sDrawer->SetColor(drawer, kColorBlack);
        sDrawer->DrawRect(drawer, &inner);
    }
    sDrawer->SetColor(drawer, kColorBlack);
    sDrawer->DrawRect(drawer, &box);
}

}  // namespace qzv
