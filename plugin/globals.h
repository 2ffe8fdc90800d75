// Globals: the one state record of the plug-in, allocated from the host's
// block allocator at start-up, parked in the host across unload and reload,
// and freed at shut-down. It holds only plain data (no constructors): the
// block is cleared when allocated and copied by nobody.
#pragma once
#include <type_traits>

#include "sdk_all.h"
#include "paint/colours_dialog.h"
#include "palette/palette_state.h"
#include "paint/path_styles.h"
#include "rounding/profile_editor.h"
#include "settings/preferences_dialog.h"
#include "settings/settings.h"
#include "snap/annotation_state.h"
#include "snap/snap_index.h"
#include "snap/snap_result.h"
#include "tools/tool_state.h"

namespace qzv {

// Which of the two tools is selected in the host.
enum CurrentTool : int32_t { kToolCircle = 1, kToolRect = 2, kToolNeither = 3 };

struct Globals {
    // --- frame (written by start-up, registration and the tool handlers) ---
    int32_t currentTool;              // CurrentTool; cleared to 0 until a tool is selected
    int32_t lastTool;                 // the tool to re-select when the palette is shown
    MenuItemHandle paletteMenuItem;   // shows/hides the palette (registration)
    MenuItemHandle aboutMenuItem;     // opens the about box (registration)
    DialogRef palette;                // the floating palette, or null until it is built
    NotifierHandle appStartedNotifier;   // to recognise that notification (registration)
    ToolHandle tools[2];              // circle tool, rectangle tool (index = tool - 1)
    AnnotatorHandle annotator;        // on-canvas feedback (registration)

    // --- settings (ReadSettings / ApplyDefaultSettings at start-up, the dialogs) ---
    Settings settings;

    // --- drawing tools (the tool handlers; the palette's mode buttons and value edits) ---
    ToolState tool;

    // --- snapping (the snap search; read by the tools and the annotator) ---
    SnapResult snap;
    SnapIndex snapIndex;             // the document as the search last read it (SnapIndexUpdate)

    // --- on-canvas feedback (the annotator's draw; invalidated by the tools) ---
    AnnotationState annotation;

    // --- paint of new paths (RebuildPathStyles when the paint or weight changes) ---
    DerivedStyles styles;

    // --- palette (its procedures; the tools refresh it) ---
    PaletteState paletteState;

    // --- modal dialogs (each written by its own procedures while it is open;
    //     the profile editor's grid and selection last as long as the plug-in) ---
    PreferencesDialogState prefsDialog;
    ColoursDialogState coloursDialog;
    ProfileEditorState profileEditor;
};

static_assert(std::is_trivially_copyable_v<Globals> && std::is_standard_layout_v<Globals>,
              "Globals lives in a raw host block: plain data only");

// The process-wide pointer: null until start-up, and while unloaded.
extern Globals* gGlobals;

}  // namespace qzv
