// The rounding profile editor: a modal dialog in which the user draws the
// corner profile on a gridded canvas, types coordinates, picks one of six
// predefined profiles and chooses the corners that take it. It edits a
// working copy; "OK" commits and stores it, "Annuler" drops it.
#pragma once
#include <stdint.h>

#include "rounding/rounding_profile.h"
#include "sdk_all.h"

namespace qzv {

// Editor modes.
enum ProfileEditorMode : int32_t { kEditorMovePoints = 0, kEditorAddRemovePoints = 1 };

// The editor's state (in Globals), kept for the life of the plug-in. Its
// open flag and where it opens are the palette's (kModalProfileEditor).
struct ProfileEditorState {
    RoundingProfile working;   // the profile being edited
    int16_t selection;         // SelectionCode of the selected point or handle
    int16_t grabbed;           // what the mouse holds during a drag; kNoSelection when nothing
    int32_t mode;              // ProfileEditorMode
    int32_t gridStep;          // canvas pixels: 4, 10, 20, 50 or 100
    bool gridVisible;
    bool gridMagnetism;
    uint16_t profileColour[3]; // 16-bit RGB of the outline
    float gridColour[3];       // 0..1 RGB of the grid
    DialogRef dialog;          // while it is open, else null
    PluginRef plugin;          // the plug-in that runs it (resources, cursors)
};

// Runs the editor and returns when it closes. Does nothing while it is
// already open or while the plug-in has no state. The palette's flyout
// entry "Éditeur de rectangle arrondi…" calls it.
void OpenProfileEditor(PluginRef plugin);

}  // namespace qzv
