// Identifiers of the plug-in's resources (bundle folder resources/).
#pragma once

// String lists (strings/<id>.txt; string n is line n).
enum StringListId {
    kStrPreferencesTitle = 15000,   // 1: title of the preferences dialog
    kStrToolNames = 16100,          // 1..4: circle tool title and tip, rectangle tool title and tip
    kStrToolErrors = 19000,         // 1..4: the tools' error alerts (19001..19004)
    kStrColoursTitle = 20000,       // 1: title of the colours dialog
    kStrProfileEditorTitle = 27100  // 1: title of the profile editor
};

// Tool error strings: index in list 19000 = identifier - 19000.
enum ToolErrorString {
    kErrPointsAligned = 19001,
    kErrSegmentsParallel = 19002,
    kErrClickOnSegment = 19003,
    kErrLayerLocked = 19004
};

// Dialog resources (identifiers only: every dialog is built in code).
enum DialogResourceId {
    kDlgPalette = 16400,
    kDlgScale = 16401,
    kDlgPreferences = 16600,
    kDlgColoursFromPalette = 19210,
    kDlgAbout = 20000,
    kDlgColours = 22000,
    kDlgProfileEditor = 27000
};

// The palette's flyout menu.
enum { kMenuPaletteFlyout = 128 };

// Tool icons (icons/<id>_<index>.png; index 0 circle tool, 1 rectangle tool).
enum { kIconTool = 16051, kIconToolSecond = 18001 };
