#include "palette/palette_placement.h"

namespace qzv {

namespace {

int32_t Clamp32(int64_t v) {
    if (v > INT32_MAX) return INT32_MAX;
    if (v < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(v);
}

}  // namespace

const DialogSize kModalDialogSizes[kModalDialogCount] = {
    {kModalPreferences, 340, 306},
    {kModalColours, 191, 104},
    {kModalScale, 200, 120},
    {kModalProfileEditor, 500, 600},
};

IntRect ModalDialogDefaultRect(const IntRect& screen, int32_t width, int32_t height) {
    const int64_t screenWidth = int64_t{screen.right} - screen.left;
    const int64_t screenHeight = int64_t{screen.bottom} - screen.top;
    const int32_t left = Clamp32((screenWidth - width) >> 1);
    const int32_t top = Clamp32((screenHeight - height) / 3);
    return {left, top, Clamp32(int64_t{left} + width), Clamp32(int64_t{top} + height)};
}

IntPoint PaletteDefaultCorner(const IntRect& screen) {
    return {Clamp32((int64_t{screen.right} - 172) / 2), Clamp32((int64_t{screen.bottom} - 109) / 3)};
}

IntRect PaletteBoundsAt(IntPoint corner, int32_t width, int32_t height) {
    const int32_t h = corner.h > INT32_MAX - width ? INT32_MAX - width : corner.h;
    const int32_t v = corner.v > INT32_MAX - height ? INT32_MAX - height : corner.v;
    return {h, v, h + width, v + height};
}

}  // namespace qzv
