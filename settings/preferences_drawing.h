// The preferences dialog's own drawing: its background (frames, the two
// swatches and the icons beside the fields), the next-launch note and the
// precision sample.
#pragma once
#include "sdk_all.h"

namespace qzv {

// The dialog manager's background, a raised frame around the common area
// titled "Préférences communes", a sunken and a raised frame around the
// page, the paint swatch beside each colours button, and the icons beside
// the magnetism distance, the mark strokes, the Shift steps and the
// rectangles' rotation.
void DrawPreferencesBackground(DialogRef dialog, DrawerRef drawer);

// Item 134: while the pending "OutilsGroupe" differs from the setting, an
// asterisk after the check box's text and "* Au prochain lancement de
// l'application." below it; nothing otherwise.
void DrawNextLaunchNote(ItemRef item, DrawerRef drawer);

// Item 170: a miniature number, its integer part, the decimal mark and five
// decimals of which the first "Precision" (pending) stand out in red.
void DrawPrecisionSample(ItemRef item, DrawerRef drawer);

}  // namespace qzv
