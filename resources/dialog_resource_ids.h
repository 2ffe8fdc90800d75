// Identifiers of the resources the modal dialogs show (the bundle folder
// resources/: icons/<id>_<index>.png, pictures/<id>.png, cursors/<id>.png).
#pragma once

// Icon lists drawn by the preferences dialog's background: entry n of list
// L is icon L with index n.
enum { kIconListMarks = 17000, kIconListLabels = 19000 };
enum {
    kIconEntryBranchLength = 12,   // list 17000: the strokes of the centre mark
    kIconEntryTolerance = 13,      // list 17000: the magnetism distance
    kIconEntryRotation = 5         // list 19000: the rectangles' rotation
};

// Icons of the colours dialog (index 0): the edited side painted or not,
// and the exchange of fill and stroke.
enum { kIconPaintOn = 17200, kIconPaintOff = 17201, kIconSwapSides = 19006 };

// Pictures of the preferences dialog's rounding-type buttons.
enum { kPictureQuarterCircle = 400, kPictureCustomRounding = 401 };

// Pictures of the profile editor: next and previous point (the palette's
// help arrows), and the six predefined profiles (28002 + k - 1).
enum { kPictureNextPoint = 132, kPicturePreviousPoint = 134, kPicturePredefinedProfile1 = 28002 };

// Cursors of the profile editor: over the outline (a point can be
// inserted), over a point (it can be removed); while a point is held, and
// outside the usable area.
enum { kCursorInsertPoint = 310, kCursorRemovePoint = 311, kCursorHoldPoint = 20008, kCursorOutside = 20009 };
