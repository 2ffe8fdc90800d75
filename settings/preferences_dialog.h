// The preferences dialog: a modal dialog in which every control edits the
// pending copy of a general setting; "OK" commits them all, "Annuler" drops
// them, "Par défaut" puts the factory values into them. A common area and
// two pages ("Cercles & Arcs", "Rectangles & Lignes") chosen by a popup.
#pragma once
#include <stdint.h>

#include "sdk_all.h"

namespace qzv {

// The dialog's own state (in Globals). Its open flag is the settings'
// prefsDialogOpen; where it opens is the palette's remembered rectangle.
struct PreferencesDialogState {
    DialogRef dialog;   // while it is open, else null
    PluginRef plugin;   // the plug-in that runs it (resources, strings)
    int16_t page;       // 0 "Cercles & Arcs", 1 "Rectangles & Lignes"
};

// Runs the dialog and returns when it closes. Does nothing while it is
// already open (a second copy never opens) or while the plug-in has no
// state. The palette's flyout entry "Préférences..." calls it.
void OpenPreferencesDialog(PluginRef plugin);

}  // namespace qzv
