// The colours dialog: the stroke and fill of new paths, in gray or RGB or
// with one of the document's patterns, edited on a pending copy of the
// paint settings that "OK" commits, stores and applies to the current shape.
#pragma once
#include <stdint.h>

#include "paint/paint_settings.h"
#include "sdk_all.h"

namespace qzv {

// Where the dialog was opened from; it names the dialog and its resource.
enum ColoursOrigin : int32_t {
    kColoursFromToolOptions = 0,   // a double click on a tool's icon, the flyout "Couleurs..."
    kColoursFromPaletteButton = 1  // the palette's colours button (item 31)
};

// The dialog's own state (in Globals). Its open flag and where it opens
// are the palette's (kModalColours).
struct ColoursDialogState {
    PaintSettings pending;   // loaded from the committed settings at opening
    int32_t side;            // PaintSideId being edited; the stroke at opening
    int32_t patternCount;    // the document's patterns when the dialog opened
    DialogRef dialog;        // while it is open, else null
    PluginRef plugin;        // the plug-in that runs it (resources, strings)
};

// Runs the dialog and returns when it closes. Does nothing while it is
// already open or while the plug-in has no state.
void OpenColoursDialog(PluginRef plugin, ColoursOrigin origin);

}  // namespace qzv
