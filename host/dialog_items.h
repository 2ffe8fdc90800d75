// What the plug-in's modal dialogs share over the dialog manager: making an
// item with its tooltip, finding, showing, enabling and focusing items by
// id, the invisible buttons that only catch a click, and where a modal
// dialog opens. Every call is safe on a missing item or dialog and while
// the dialog manager's suites are not held: it then does nothing.
#pragma once
#include "sdk_all.h"

namespace qzv {

// Said when a dialog's OK could not store its settings: the dialog stays
// open and nothing changed, so the user may try again or cancel.
inline constexpr const char* kSettingsNotStoredAlert =
    "Les réglages n'ont pas pu être enregistrés ; rien n'a été modifié. "
    "Réessayez avec « OK » ou abandonnez avec « Annuler ».";

// Makes item `id` of `type` with its rectangle (dialog coordinates) and its
// tooltip (none when null).
ItemRef MakeDialogItem(DialogRef dialog, int32_t id, const char* type, IntRect bounds, const char* tip);

ItemRef DialogItem(DialogRef dialog, int32_t id);
void ShowDialogItem(DialogRef dialog, int32_t id, bool show);
void EnableDialogItem(DialogRef dialog, int32_t id, bool enable);
void InvalidateDialogItem(DialogRef dialog, int32_t id);
void SetDialogItemTip(DialogRef dialog, int32_t id, const char* tip);
// The keyboard focus, with all of the field's text selected.
void FocusDialogItem(DialogRef dialog, int32_t id);

// The draw procedure of an invisible button: the dialog's own drawing
// paints what lies under it; the button only catches the click and shows
// its tooltip.
void DrawNothing(ItemRef item, DrawerRef drawer);

// True for the "ADM User Changed Notifier".
bool IsUserChange(DlgNotifierRef notifier);

// The top-left corner a modal dialog of width x height opens at: the
// remembered rectangle's, unless none was remembered yet (all zero) or the
// dialog would then not lie on the screen; then the default place, centred
// across and at a third of the height.
IntPoint ModalDialogCorner(const IntRect& remembered, int32_t width, int32_t height);

// Sizes the dialog to width x height at ModalDialogCorner.
void PlaceModalDialog(DialogRef dialog, const IntRect& remembered, int32_t width, int32_t height);

// The dialog's rectangle, kept for its next opening (unchanged when the
// dialog manager cannot tell it).
void RememberDialogRect(DialogRef dialog, IntRect* remembered);

}  // namespace qzv
