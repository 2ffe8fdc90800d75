// The paint swatch: the stroke and fill of new paths as two nested boxes,
// drawn in the palette beside its colours button, in the preferences
// dialog beside its colours buttons, and (larger, for the pending values)
// in the colours dialog.
#pragma once
#include "paint/paint_settings.h"
#include "sdk_all.h"

namespace qzv {

// The committed paint with its top-left at `topLeft`: the stroke box is
// (h, v, h + 10, v + 17), the fill box inside it (h + 3, v + 3, h + 7, v + 14).
// A box whose side is not painted is cleared and crossed by a red diagonal;
// a patterned side shows a small black pattern sign; otherwise the box is
// filled with the side's colour (gray 100 % is black). Nothing is drawn
// without a drawer or the plug-in's state.
void DrawPaintSwatch(DrawerRef drawer, IntPoint topLeft);

// The same two boxes for any settings.
void DrawSwatchOf(DrawerRef drawer, const PaintSettings& settings, IntPoint topLeft);

// One side in `box`: as a filled square (`ring` false) or as a square frame
// three pixels wide around a cleared centre (`ring` true), the way the
// colours dialog draws the fill and the stroke side.
void DrawSideBox(DrawerRef drawer, const PaintSide& side, IntRect box, bool ring);

}  // namespace qzv
