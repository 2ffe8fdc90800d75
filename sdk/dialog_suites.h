// Function tables of the host's dialog manager. Dialogs are built item by
// item in code; their resources carry only an identifier. Calls on a handle
// the dialog manager does not know are ignored (setters) or answer zero/null.
#pragma once
#include "host_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kDlgBasicSuiteName       "ADM Basic Suite"
#define kDlgBasicSuiteVersion    11
#define kDlgDialogSuiteName      "ADM Dialog Suite"
#define kDlgDialogSuiteVersion   10
#define kDlgItemSuiteName        "ADM Item Suite"
#define kDlgItemSuiteVersion     7
#define kDlgIconSuiteName        "ADM Icon Suite"
#define kDlgIconSuiteVersion1    1
#define kDlgIconSuiteVersion2    2
#define kDlgTrackerSuiteName     "ADM Tracker Suite"
#define kDlgTrackerSuiteVersion  2
#define kDlgDrawerSuiteName      "ADM Drawer Suite"
#define kDlgDrawerSuiteVersion   7
#define kDlgGroupSuiteName       "ADM Dialog Group Suite"
#define kDlgGroupSuiteVersion    1
#define kDlgListSuiteName        "ADM List Suite"
#define kDlgListSuiteVersion     1
#define kDlgEntrySuiteName       "ADM Entry Suite"
#define kDlgEntrySuiteVersion    2
#define kDlgNotifierSuiteName    "ADM Notifier Suite"
#define kDlgNotifierSuiteVersion 2

// Item type names.
#define kItemTextStatic          "ADM Text Static Type"
#define kItemTextStaticMultiLine "ADM Text Static Multi Line Type"
#define kItemPictureStatic       "ADM Picture Static Type"
#define kItemPicturePushButton   "ADM Picture Push Button Type"
#define kItemPictureRadioButton  "ADM Picture Radio Button Type"
#define kItemTextPushButton      "ADM Text Push Button Type"
#define kItemTextCheckBox        "ADM Text Check Box Type"
#define kItemSpinEdit            "ADM Spin Edit Type"
#define kItemSpinEditPopup       "ADM Spin Edit Popup Type"
#define kItemPopupList           "ADM Popup List Type"
#define kItemSlider              "ADM Slider Type"
#define kItemTextEdit            "ADM Text Edit Type"

// Notification types.
#define kNotifyUserChanged       "ADM User Changed Notifier"
#define kNotifyCloseHit          "ADM Close Hit Notifier"

// Dialog styles.
enum { kDlgModalStyle = 0, kDlgFloatingStyle = 1, kDlgTabbedFloatingStyle = 3 };

// The identifier of a dialog's own flyout menu item (its list holds the entries).
enum { kDlgFlyoutMenuItemID = -2 };
// Identifiers a modal dialog's OK and Cancel buttons conventionally carry.
enum { kDlgOKItemID = 1, kDlgCancelItemID = 2 };

// Units of numeric items and of number/text conversion.
enum {
    kUnitsNone = 0, kUnitsPoints = 1, kUnitsInches = 2, kUnitsMillimeters = 3,
    kUnitsCentimeters = 4, kUnitsPicas = 5, kUnitsPercent = 6, kUnitsDegrees = 7,
    kUnitsPixels = 8
};

// Fonts and justification.
enum { kFontDefault = 0, kFontDialog = 1, kFontPalette = 2, kFontPaletteBold = 3, kFontSmall = 13 };
enum { kJustifyLeft = 0, kJustifyCenter = 1, kJustifyRight = 2 };

// Named drawer colours.
enum {
    kColorBlack = 0, kColorWhite = 1, kColorHilite = 2, kColorHiliteText = 3,
    kColorLight = 4, kColorBackground = 5, kColorShadow = 6, kColorDisabled = 7,
    kColorButtonUp = 8, kColorButtonDown = 9, kColorButtonShadow = 10, kColorToolTipBackground = 11,
    kColorToolTipForeground = 12, kColorWindow = 13, kColorForeground = 14, kColorText = 15,
    kColorRed = 16
};

// Tracker actions and modifier bits.
enum {
    kTrackButtonDown = 1, kTrackDrag = 2, kTrackButtonUp = 3, kTrackMove = 4
};
// An item's event mask: the tracker actions that reach its track procedure.
enum {
    kTrackMaskButtonDown = 1, kTrackMaskDrag = 2, kTrackMaskButtonUp = 4, kTrackMaskMove = 8,
    kTrackMaskDefault = kTrackMaskButtonDown | kTrackMaskDrag | kTrackMaskButtonUp,
    kTrackMaskAll = kTrackMaskDefault | kTrackMaskMove
};
enum {
    kTrackModShift = 8, kTrackModControl = 16, kTrackModOption = 32, kTrackModCommand = 64,
    kTrackModSpace = 128, kTrackModDoubleClick = 256
};

// A dock code is a 16-bit set of the host's docking flags (0 .. kDockCodeMax).
enum { kDockCodeMax = 0xFFFF };

// Icon type codes; a missing icon reads as kIconUnknown.
enum { kIconBitmap = 1, kIconPNG = 2, kIconUnknown = 7 };

typedef HostErr (*DialogInitProc)(DialogRef dialog);
typedef void (*DialogDrawProc)(DialogRef dialog, DrawerRef drawer);
typedef void (*DialogNotifyProc)(DialogRef dialog, DlgNotifierRef notifier);
typedef void (*DialogDestroyProc)(DialogRef dialog);
typedef HostErr (*ItemInitProc)(ItemRef item);
typedef void (*ItemDrawProc)(ItemRef item, DrawerRef drawer);
typedef HostBool (*ItemTrackProc)(ItemRef item, TrackerRef tracker);
typedef void (*ItemNotifyProc)(ItemRef item, DlgNotifierRef notifier);

typedef struct DlgBasicSuite {
    // String `index` (from 1) of the plug-in's string list `listId`, UTF-8,
    // cut to `size` bytes and always terminated; kErrNotFound when absent.
    HostErr (*GetIndexString)(PluginRef plugin, int32_t listId, int32_t index, char* buffer, int32_t size);
    void (*ErrorAlert)(const char* text);       // the first kind: a tool's error
    void (*MessageAlert)(const char* text);     // the second kind: a message
    // Number to text in `units` with `precision` decimals, comma as decimal mark.
    void (*ValueToText)(float value, char* buffer, int32_t size, int32_t units, int32_t precision);
    // Text to number; a comma or a point is the decimal mark; a unit suffix
    // converts. False (value untouched) when the text is not a number.
    HostBool (*TextToValue)(const char* text, float* value, int32_t units);
    void (*GetScreenDimensions)(IntRect* usable);
    HostErr (*SetPlatformCursor)(PluginRef plugin, int32_t cursorId);
} DlgBasicSuite;

typedef struct DlgDialogSuite {
    DialogRef (*Create)(PluginRef plugin, const char* name, int32_t resourceId, int32_t style,
                        DialogInitProc init, void* userData, int32_t options);
    // Runs the dialog until EndModal; returns the item id passed to EndModal
    // (-1 when the init procedure fails).
    int32_t (*Modal)(PluginRef plugin, const char* name, int32_t resourceId, int32_t style,
                     DialogInitProc init, void* userData, int32_t options);
    void (*EndModal)(DialogRef dialog, int32_t result);
    void (*Destroy)(DialogRef dialog);
    void (*SetDrawProc)(DialogRef dialog, DialogDrawProc proc);
    void (*SetNotifyProc)(DialogRef dialog, DialogNotifyProc proc);
    void (*SetDestroyProc)(DialogRef dialog, DialogDestroyProc proc);
    void (*DefaultDraw)(DialogRef dialog, DrawerRef drawer);
    void (*DefaultNotify)(DialogRef dialog, DlgNotifierRef notifier);
    ItemRef (*GetItem)(DialogRef dialog, int32_t itemId);
    void (*Show)(DialogRef dialog, HostBool show);
    HostBool (*IsVisible)(DialogRef dialog);
    void (*GetBoundsRect)(DialogRef dialog, IntRect* bounds);   // screen coordinates
    void (*SetBoundsRect)(DialogRef dialog, const IntRect* bounds);
    void (*SetText)(DialogRef dialog, const char* title);
    void (*GetText)(DialogRef dialog, char* buffer, int32_t size);
    void (*Invalidate)(DialogRef dialog);
    void (*Update)(DialogRef dialog);
    void* (*GetUserData)(DialogRef dialog);
    void (*SetUserData)(DialogRef dialog, void* userData);
    void (*SetIcon)(DialogRef dialog, int32_t which, IconRef icon);
    // Sends a notification of `type` to the dialog's notify procedure (or its
    // default handling), as the dialog manager itself would.
    void (*SendNotify)(DialogRef dialog, const char* notifierType);
} DlgDialogSuite;

typedef struct DlgItemSuite {
    ItemRef (*Create)(DialogRef dialog, int32_t itemId, const char* typeName, const IntRect* bounds,
                      ItemInitProc init, void* userData);
    void (*Destroy)(ItemRef item);
    void (*SetDrawProc)(ItemRef item, ItemDrawProc proc);
    void (*SetTrackProc)(ItemRef item, ItemTrackProc proc);
    void (*SetNotifyProc)(ItemRef item, ItemNotifyProc proc);
    void (*DefaultDraw)(ItemRef item, DrawerRef drawer);
    HostBool (*DefaultTrack)(ItemRef item, TrackerRef tracker);
    void (*DefaultNotify)(ItemRef item, DlgNotifierRef notifier);
    void (*SetMask)(ItemRef item, int32_t mask);
    int32_t (*GetID)(ItemRef item);
    DialogRef (*GetDialog)(ItemRef item);
    ListRef (*GetList)(ItemRef item);
    void (*Show)(ItemRef item, HostBool show);
    HostBool (*IsVisible)(ItemRef item);
    void (*Enable)(ItemRef item, HostBool enable);
    HostBool (*IsEnabled)(ItemRef item);
    void (*Invalidate)(ItemRef item);
    void (*GetBoundsRect)(ItemRef item, IntRect* bounds);       // dialog coordinates
    void (*SetBoundsRect)(ItemRef item, const IntRect* bounds);
    void (*SetPictureID)(ItemRef item, int32_t pictureId);
    void (*SetSelectedPictureID)(ItemRef item, int32_t pictureId);
    void (*SetDisabledPictureID)(ItemRef item, int32_t pictureId);
    void (*SetTipString)(ItemRef item, const char* tip);
    void (*SetFont)(ItemRef item, int32_t font);
    void (*SetJustify)(ItemRef item, int32_t justify);
    void (*SetUnits)(ItemRef item, int32_t units);
    void (*SetPrecision)(ItemRef item, int32_t precision);
    void (*SetText)(ItemRef item, const char* text);
    void (*GetText)(ItemRef item, char* buffer, int32_t size);
    void (*SetBooleanValue)(ItemRef item, HostBool value);
    HostBool (*GetBooleanValue)(ItemRef item);
    void (*SetIntValue)(ItemRef item, int32_t value);
    int32_t (*GetIntValue)(ItemRef item);
    void (*SetFloatValue)(ItemRef item, float value);
    float (*GetFloatValue)(ItemRef item);
    void (*SetMinFloatValue)(ItemRef item, float value);
    void (*SetMaxFloatValue)(ItemRef item, float value);
    void (*SetSmallIncrement)(ItemRef item, float value);
    void (*SetLargeIncrement)(ItemRef item, float value);
    float (*GetMinFloatValue)(ItemRef item);
    float (*GetMaxFloatValue)(ItemRef item);
    void (*Activate)(ItemRef item, HostBool activate);        // keyboard focus, text selected
    HostBool (*IsActive)(ItemRef item);
    void* (*GetUserData)(ItemRef item);
    void (*SetUserData)(ItemRef item, void* userData);
} DlgItemSuite;

typedef struct DlgListSuite {
    EntryRef (*IndexEntry)(ListRef list, int32_t index);         // from 0
    EntryRef (*FindEntry)(ListRef list, int32_t entryId);
    EntryRef (*InsertEntry)(ListRef list, int32_t index);        // index past the end appends
    void (*RemoveEntry)(ListRef list, int32_t index);
    int32_t (*NumberOfEntries)(ListRef list);
    EntryRef (*GetActiveEntry)(ListRef list);                    // the selected entry, or null
    // Loads the plug-in's menu resource into the list (entries, separators, ids).
    HostErr (*SetMenuID)(ListRef list, PluginRef plugin, int32_t menuResId);
} DlgListSuite;

typedef struct DlgEntrySuite {
    int32_t (*GetID)(EntryRef entry);
    void (*SetID)(EntryRef entry, int32_t entryId);
    int32_t (*GetIndex)(EntryRef entry);
    ListRef (*GetList)(EntryRef entry);
    void (*SetText)(EntryRef entry, const char* text);
    void (*GetText)(EntryRef entry, char* buffer, int32_t size);
    void (*Enable)(EntryRef entry, HostBool enable);
    HostBool (*IsEnabled)(EntryRef entry);
    void (*Check)(EntryRef entry, HostBool check);
    HostBool (*IsChecked)(EntryRef entry);
    void (*Select)(EntryRef entry, HostBool select);             // selecting one unselects the others
    HostBool (*IsSelected)(EntryRef entry);
    void (*MakeSeparator)(EntryRef entry, HostBool separator);
    HostBool (*IsSeparator)(EntryRef entry);
} DlgEntrySuite;

typedef struct DlgNotifierSuite {
    HostBool (*IsNotifierType)(DlgNotifierRef notifier, const char* type);
    ItemRef (*GetItem)(DlgNotifierRef notifier);
    DialogRef (*GetDialog)(DlgNotifierRef notifier);
} DlgNotifierSuite;

typedef struct DlgDrawerSuite {
    // A drawer over a port (an annotation port) clipped to `bounds`.
    DrawerRef (*Create)(PortRef port, const IntRect* bounds, int32_t font);
    void (*Destroy)(DrawerRef drawer);
    void (*SetRGBColor)(DrawerRef drawer, uint8_t red, uint8_t green, uint8_t blue);
    void (*SetColor)(DrawerRef drawer, int32_t namedColor);
    void (*SetFont)(DrawerRef drawer, int32_t font);
    void (*DrawLine)(DrawerRef drawer, const IntPoint* start, const IntPoint* end);
    void (*DrawRect)(DrawerRef drawer, const IntRect* rect);
    void (*FillRect)(DrawerRef drawer, const IntRect* rect);
    void (*ClearRect)(DrawerRef drawer, const IntRect* rect);
    void (*InvertRect)(DrawerRef drawer, const IntRect* rect);
    void (*DrawOval)(DrawerRef drawer, const IntRect* rect);
    void (*FillOval)(DrawerRef drawer, const IntRect* rect);
    void (*DrawPolygon)(DrawerRef drawer, const IntPoint* points, int32_t count);
    void (*FillPolygon)(DrawerRef drawer, const IntPoint* points, int32_t count);
    void (*DrawText)(DrawerRef drawer, const char* text, const IntPoint* baselineStart);
    int32_t (*GetTextWidth)(DrawerRef drawer, const char* text);
    void (*GetFontInfo)(DrawerRef drawer, int32_t* ascent, int32_t* descent, int32_t* leading);
    void (*DrawSunkenRect)(DrawerRef drawer, const IntRect* rect);
    void (*DrawRaisedRect)(DrawerRef drawer, const IntRect* rect);
    void (*DrawResPicture)(DrawerRef drawer, PluginRef plugin, int32_t pictureId, const IntPoint* topLeft);
    void (*GetResPictureBounds)(PluginRef plugin, int32_t pictureId, IntRect* bounds);
    void (*DrawIcon)(DrawerRef drawer, IconRef icon, const IntPoint* topLeft);
    void (*GetBoundsRect)(DrawerRef drawer, IntRect* bounds);
} DlgDrawerSuite;

typedef struct DlgTrackerSuite {
    void (*GetPoint)(TrackerRef tracker, IntPoint* point);       // item coordinates
    int32_t (*GetAction)(TrackerRef tracker);                    // kTrack*
    int32_t (*GetModifiers)(TrackerRef tracker);                 // kTrackMod* bits
    HostBool (*TestModifier)(TrackerRef tracker, int32_t modifier);
    void (*Abort)(TrackerRef tracker);
} DlgTrackerSuite;

typedef struct DlgIconSuite {
    IconRef (*GetFromResource)(PluginRef plugin, int32_t iconId, int32_t index);
    void (*Destroy)(IconRef icon);
    int32_t (*GetType)(IconRef icon);                            // kIconUnknown when missing
    int32_t (*GetWidth)(IconRef icon);
    int32_t (*GetHeight)(IconRef icon);
} DlgIconSuite;

// Version 2 adds the icon's resource identity.
typedef struct DlgIconSuite2 {
    IconRef (*GetFromResource)(PluginRef plugin, int32_t iconId, int32_t index);
    void (*Destroy)(IconRef icon);
    int32_t (*GetType)(IconRef icon);
    int32_t (*GetWidth)(IconRef icon);
    int32_t (*GetHeight)(IconRef icon);
    int32_t (*GetResourceID)(IconRef icon);
} DlgIconSuite2;

typedef struct DlgGroupSuite {
    HostErr (*GetDialogGroupInfo)(DialogRef dialog, char* groupName, int32_t size, int32_t* dockCode);
    HostErr (*SetDialogGroupInfo)(DialogRef dialog, const char* groupName, int32_t dockCode);
} DlgGroupSuite;

#ifdef __cplusplus
}
#endif
