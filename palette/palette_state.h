// The palette's own state: the values it shows besides those of the tools,
// the help pane, the drawing scale and where the modal dialogs open.
// Plain data: it lives inside Globals.
#pragma once
#include <stdint.h>

#include "sdk_all.h"

namespace qzv {

// The modal dialogs whose placement the palette remembers.
enum ModalDialog : int32_t {
    kModalPreferences = 0,
    kModalColours = 1,
    kModalScale = 2,
    kModalProfileEditor = 3,
    kModalDialogCount = 4
};

struct PaletteState {
    // --- the plug-in that owns the palette (creation; the draw procedure loads its icons) ---
    PluginRef plugin;

    // --- drawing scale (init, the scale popup and dialog) ---
    float scaleFactor;             // EchelleNum / EchelleDen of the working values

    // --- display of numbers (init) ---
    float roundingStep;            // 10^-Precision
    char decimalSeparator;         // ',' for every number shown

    // --- counters and pages (clone button, help pane) ---
    int32_t cloneCount;            // copies made by the clone button since the last edit
    int16_t helpPage;              // 1.. helpPageCount
    int16_t helpPageCount;         // 22
    int32_t lastCircleField;       // 0 radius, 1 centre angle, 2 start angle (label buttons)

    // --- modal dialogs (their procedures) ---
    IntRect dialogRect[kModalDialogCount];   // where each opens next (init sets the default corners)
    bool dialogOpen[kModalDialogCount];      // keeps a second copy from opening

    // --- custom scale dialog (its procedures, while it is open) ---
    DialogRef scaleDialog;         // null while closed
    int32_t scalePendingNum;       // the fields' values, committed by its OK
    int32_t scalePendingDen;

    // --- visibility (the close box, Alt-click) ---
    bool closeBoxArmed;            // the next close-box notification renames the menu item; set at
                                   // creation, cleared by the show path so that its own
                                   // notification only re-arms it
    bool shownWithoutDialog;       // the visibility asked for while no palette exists
};

}  // namespace qzv
