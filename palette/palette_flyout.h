// The palette's flyout menu (resource 128): its entries' check marks and
// enabling at creation, on tool selection and deselection, and what picking
// one of the four switches does to the working values.
#pragma once
#include "sdk_all.h"

namespace qzv {

// Loads the menu into the dialog's flyout item, installs its procedure and
// sets the check marks and enabling from the working values.
void PaletteSetUpFlyout(DialogRef dialog, PluginRef plugin);

// A tool was selected: the entries of that tool and mode.
void PaletteFlyoutForTool();

// No tool is selected: every entry disabled.
void PaletteFlyoutOff();

}  // namespace qzv
