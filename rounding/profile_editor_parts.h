// What the profile editor's two files share: the editor's items, its state
// while it runs, the refreshes the canvas asks of the fields, and the
// canvas's, the preview's and the drawn buttons' procedures.
#pragma once
#include "rounding/profile_editor.h"
#include "sdk_all.h"

namespace qzv {

enum EditorItemId : int32_t {
    kEditorOK = 1, kEditorCancel = 2, kEditorDefaults = 3,
    kEditorMoveMode = 8, kEditorAddMode = 9,
    kEditorX = 10, kEditorY = 11, kEditorCanvas = 12,
    kEditorSymmetry = 15, kEditorPreview = 16, kEditorGrid = 17,
    kEditorPresetFirst = 18,   // 18..23: predefined profiles 1..6
    kEditorNext = 24, kEditorPrevious = 25, kEditorIndex = 26,
    kEditorSelectPoint = 27, kEditorSelectIn = 28, kEditorSelectOut = 29,
    kEditorCount = 31,
    kEditorXLabel = 180, kEditorYLabel = 181,
    kEditorCornerTopLeft = 182, kEditorCornerTopRight = 183,
    kEditorCornerBottomLeft = 184, kEditorCornerBottomRight = 185,
};

inline constexpr const char* kRemoveImpossibleAlert = "Suppression impossible.";
inline constexpr const char* kInsertImpossibleAlert = "Le maximum est atteint, ajouter un point est impossible.";

// The editor's state while it runs; null when a procedure is called
// without it (the plug-in's state gone, or the suites not held).
ProfileEditorState* RunningEditor();

// Fields 26, 10 and 11 and the selection buttons from the selection.
void ShowSelection(ProfileEditorState& editor);
// Item 31 ("N points") and the index field's range.
void ShowPointCount(ProfileEditorState& editor);
// The canvas and the preview.
void RedrawProfile(ProfileEditorState& editor);
// The outline changed its points: the palette's rounding type becomes the
// profile (1), the count, the selection and the drawing follow.
void ProfileReshaped(ProfileEditorState& editor);

void DrawCanvas(ItemRef item, DrawerRef drawer);
HostBool TrackCanvas(ItemRef item, TrackerRef tracker);
void DrawPreview(ItemRef item, DrawerRef drawer);
// Buttons 8, 9, 15 and 27 to 29 draw a sign of what they do, sunken while
// they are in force.
void DrawEditorButton(ItemRef item, DrawerRef drawer);

}  // namespace qzv
