// The custom-scale dialog: a modal dialog that edits the numerator and
// denominator of the palette's custom scale (each at least 1), stores them
// under "EchelleNumPerso" and "EchelleDenPerso" when validated and names
// the popup's custom entry after them. The drawing scale itself changes
// only when the user then picks that entry.
#pragma once
#include "sdk_all.h"

namespace qzv {

// Runs the dialog and returns when it closes; then the palette's scale
// entry and indicator follow the (unchanged) drawing scale. Does nothing
// while it is open already.
void OpenScaleDialog(PluginRef plugin);

}  // namespace qzv
