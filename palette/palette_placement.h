// Where the palette and the modal dialogs open: pure arithmetic on the
// screen's usable rectangle, with no overflow for any input.
#pragma once
#include <stdint.h>

#include "palette/palette_state.h"
#include "sdk_all.h"

namespace qzv {

struct DialogSize {
    ModalDialog dialog;
    int32_t width, height;
};
// The four modal dialogs whose default corner the palette computes.
extern const DialogSize kModalDialogSizes[kModalDialogCount];

// A modal dialog of `width` x `height`, centred across the usable screen and
// a third of the way down: left = (screen width - width) >> 1 (an arithmetic
// shift: a dialog wider than the screen starts left of it), top = (screen
// height - height) / 3 (integer division, toward zero).
IntRect ModalDialogDefaultRect(const IntRect& screen, int32_t width, int32_t height);

// The palette's corner when none is stored: ((screen right - 172) / 2,
// (screen bottom - 109) / 3), integer division toward zero.
IntPoint PaletteDefaultCorner(const IntRect& screen);

// The palette's bounds with its top-left at `corner`: (h, v, h + width,
// v + height). Coordinates beyond the 32-bit range less the size are held
// at its edge, so the sum never overflows.
IntRect PaletteBoundsAt(IntPoint corner, int32_t width, int32_t height);

}  // namespace qzv
