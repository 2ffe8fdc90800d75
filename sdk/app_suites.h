// Function tables of the host's application suites, acquired by name and
// version through BasicSuite::AcquireSuite. Every call returns a host error
// code unless it says otherwise; an invalid handle answers kErrBadArt or
// kErrBadHandle and changes nothing.
#pragma once
#include <stddef.h>
#include "host_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kBlocksSuiteName        "SP Blocks Suite"
#define kBlocksSuiteVersion     2
#define kAccessSuiteName        "SP Access Suite"
#define kAccessSuiteVersion     3
#define kPluginSuiteName        "AI Plugin Suite"
#define kPluginSuiteVersion     3
#define kMdMemorySuiteName      "AI MdMemory Suite"
#define kMdMemorySuiteVersion   1
#define kRealMathSuiteName      "AI Real Math Suite"
#define kRealMathSuiteVersion   1
#define kArtSuiteName           "AI Art Suite"
#define kArtSuiteVersion        10
#define kUserSuiteName          "AI User Suite"
#define kUserSuiteVersion       6
#define kPathSuiteName          "AI Path Suite"
#define kPathSuiteVersion       8
#define kPathStyleSuiteName     "AI Path Style Suite"
#define kPathStyleSuiteVersion  10
#define kUndoSuiteName          "AI Undo Suite"
#define kUndoSuiteVersion       4
#define kAnnotatorSuiteName     "AI Annotator Suite"
#define kAnnotatorSuiteVersion  4
#define kMenuSuiteName          "AI Menu Suite"
#define kMenuSuiteVersion       9
#define kToolSuiteName          "AI Tool Suite"
#define kToolSuiteVersion       10
#define kNotifierSuiteName      "AI Notifier Suite"
#define kNotifierSuiteVersion   2
#define kUnicodeStringSuiteName "AI Unicode String Suite"
#define kUnicodeStringSuiteVersion 6
#define kPreferenceSuiteName    "AI Preference Suite"
#define kPreferenceSuiteVersion 4
#define kContextSuiteName       "AI Context Suite"
#define kContextSuiteVersion    4
#define kCursorSnapSuiteName    "AI Cursor Snap Suite"
#define kCursorSnapSuiteVersion 3
#define kDocumentViewSuiteName  "AI Document View Suite"
#define kDocumentViewSuiteVersion 10
#define kMatchingArtSuiteName   "AI Matching Art Suite"
#define kMatchingArtSuiteVersion 5
#define kTagSuiteName           "AI Tag Suite"
#define kTagSuiteVersion        2
#define kLayerSuiteName         "AI Layer Suite"
#define kLayerSuiteVersion      9
#define kRealBezierSuiteName    "AI Real Bezier Suite"
#define kRealBezierSuiteVersion 2
#define kHitTestSuiteName       "AI Hit Test Suite"
#define kHitTestSuiteVersion    3
#define kTransformArtSuiteName  "AI Transform Art Suite"
#define kTransformArtSuiteVersion 1
#define kTextFrameSuiteName     "AI Text Frame Suite"
#define kTextFrameSuiteVersion  1
#define kRuntimeSuiteName       "AI Runtime Suite"
#define kRuntimeSuiteVersion    10
#define kFontSuiteName          "AI Font Suite"
#define kFontSuiteVersion       3
#define kATEPaintSuiteName      "AIATE Paint Suite"
#define kATEPaintSuiteVersion   1
#define kURLSuiteName           "AI URL Suite"
#define kURLSuiteVersion        1
#define kPatternSuiteName       "AI Pattern Suite"
#define kPatternSuiteVersion    7
#define kDocumentSuiteName      "AI Document Suite"
#define kDocumentSuiteVersion   11
#define kRandomSuiteName        "AI Random Suite"
#define kRandomSuiteVersion     3

// A suite that plug-ins acquire but never call (text engine, undo, fonts...).
// The host serves it so that acquisition succeeds; it has one query.
typedef struct OpaqueSuite {
    int32_t (*SuiteTag)(void);      // a host-chosen constant; lets tests tell suites apart
} OpaqueSuite;

// ---- blocks and resource access -------------------------------------------
typedef struct BlocksSuite {
    HostErr (*AllocateBlock)(size_t size, void** block);
    HostErr (*FreeBlock)(void* block);
    HostErr (*ReallocateBlock)(void* block, size_t newSize, void** newBlock);
} BlocksSuite;

// Resource access of a plug-in: where its bundle's resources live.
typedef struct AccessSuite {
    HostErr (*GetPluginResourceFolder)(PluginRef plugin, char* buffer, int32_t size);
} AccessSuite;

typedef struct ContextSuite {
    HostErr (*GetPluginRef)(PluginRef* plugin);   // the plug-in of the message being handled
} ContextSuite;

// ---- art ------------------------------------------------------------------
enum { kArtGroup = 1, kArtPath = 2 };

// Paint-order placement relative to a reference art.
enum {
    kPlaceAbove         = 1,
    kPlaceBelow         = 2,
    kPlaceInsideOnTop   = 3,
    kPlaceInsideOnBottom = 4
};

// User attribute bits.
enum { kArtLocked = 1, kArtHidden = 2, kArtSelected = 8 };

typedef struct ArtSuite {
    HostErr (*NewArt)(int32_t kind, int32_t placement, ArtHandle reference, ArtHandle* newArt);
    HostErr (*DisposeArt)(ArtHandle art);                       // with its children
    HostErr (*ReorderArt)(ArtHandle art, int32_t placement, ArtHandle reference);
    HostErr (*DuplicateArt)(ArtHandle art, int32_t placement, ArtHandle reference, ArtHandle* copy);
    HostErr (*GetFirstArtOfLayer)(LayerHandle layer, ArtHandle* layerGroup);
    HostErr (*GetLayerOfArt)(ArtHandle art, LayerHandle* layer);
    HostErr (*GetArtType)(ArtHandle art, int32_t* kind);
    HostErr (*GetArtUserAttr)(ArtHandle art, int32_t mask, int32_t* attr);
    HostErr (*SetArtUserAttr)(ArtHandle art, int32_t mask, int32_t attr);
    HostErr (*GetArtParent)(ArtHandle art, ArtHandle* parent);
    HostErr (*GetArtFirstChild)(ArtHandle art, ArtHandle* child);
    HostErr (*GetArtSibling)(ArtHandle art, ArtHandle* next);   // next in paint order, or null
    HostErr (*GetArtPriorSibling)(ArtHandle art, ArtHandle* prior);
    HostBool (*ValidArt)(ArtHandle art);                        // false after dispose
    HostErr (*GetArtName)(ArtHandle art, char* buffer, int32_t size);   // UTF-8, always terminated
    HostErr (*SetArtName)(ArtHandle art, const char* name);
    HostErr (*GetArtCenterPointVisible)(ArtHandle art, HostBool* visible);
    HostErr (*SetArtCenterPointVisible)(ArtHandle art, HostBool visible);
    HostErr (*GetArtBounds)(ArtHandle art, RealRect* bounds);
} ArtSuite;

// ---- paths ----------------------------------------------------------------
typedef struct PathSuite {
    HostErr (*GetPathSegmentCount)(ArtHandle path, int32_t* count);
    HostErr (*SetPathSegmentCount)(ArtHandle path, int32_t count);  // grows keeping, shrinks dropping the tail
    HostErr (*GetPathSegments)(ArtHandle path, int32_t index, int32_t count, PathSegment* segments);
    HostErr (*SetPathSegments)(ArtHandle path, int32_t index, int32_t count, const PathSegment* segments);
    HostErr (*GetPathClosed)(ArtHandle path, HostBool* closed);
    HostErr (*SetPathClosed)(ArtHandle path, HostBool closed);
    HostErr (*GetPathGuide)(ArtHandle path, HostBool* guide);
    HostErr (*SetPathGuide)(ArtHandle path, HostBool guide);
    HostErr (*DeselectPathSegments)(ArtHandle path);
} PathSuite;

typedef struct PathStyleSuite {
    HostErr (*GetPathStyle)(ArtHandle path, PathStyle* style);
    HostErr (*SetPathStyle)(ArtHandle path, const PathStyle* style);
} PathStyleSuite;

// ---- tags -----------------------------------------------------------------
#define kTagTypeString "string"

typedef struct TagSuite {
    HostErr (*SetTag)(ArtHandle art, const char* name, const char* type, const char* value);
    // kErrNotFound when absent; the value is UTF-8 and always terminated.
    HostErr (*GetTag)(ArtHandle art, const char* name, char* buffer, int32_t size);
    HostErr (*RemoveTag)(ArtHandle art, const char* name);
} TagSuite;

// ---- layers ---------------------------------------------------------------
enum { kLayerPlaceAbove = 5, kLayerPlaceBelow = 6 };

typedef struct LayerSuite {
    HostErr (*CountLayers)(int32_t* count);
    HostErr (*GetNthLayer)(int32_t n, LayerHandle* layer);      // 0 = topmost
    HostErr (*GetCurrentLayer)(LayerHandle* layer);
    HostErr (*SetCurrentLayer)(LayerHandle layer);
    HostErr (*InsertLayer)(LayerHandle reference, int32_t placement, LayerHandle* layer);
    HostErr (*GetLayerTitle)(LayerHandle layer, char* buffer, int32_t size);
    HostErr (*SetLayerTitle)(LayerHandle layer, const char* title);
    HostErr (*GetLayerEditable)(LayerHandle layer, HostBool* editable);
    HostErr (*GetLayerVisible)(LayerHandle layer, HostBool* visible);
} LayerSuite;

// ---- views and document ---------------------------------------------------
typedef struct DocumentViewSuite {
    HostErr (*GetNthView)(int32_t n, ViewHandle* view);          // 0 = front view
    HostErr (*GetZoom)(ViewHandle view, float* zoom);
    HostErr (*SetZoom)(ViewHandle view, float zoom);
    HostErr (*ArtworkPointToViewPoint)(ViewHandle view, const RealPoint* artwork, IntPoint* viewPoint);
    HostErr (*ViewPointToArtworkPoint)(ViewHandle view, const IntPoint* viewPoint, RealPoint* artwork);
    HostErr (*GetViewBounds)(ViewHandle view, IntRect* bounds);
} DocumentViewSuite;

// Ruler unit codes.
enum {
    kUnitInches = 1, kUnitCentimeters = 2, kUnitPoints = 3, kUnitPicas = 4,
    kUnitMillimeters = 5, kUnitPixels = 6
};

typedef struct DocumentSuite {
    HostErr (*GetDocumentRulerUnits)(int32_t* units);
} DocumentSuite;

typedef struct HitTestSuite {
    // The topmost art whose outline or fill lies within tolerance of the point.
    HostErr (*HitTest)(const RealPoint* point, float tolerance, HitHandle* hit);
    HostBool (*IsHit)(HitHandle hit);
    HostErr (*GetHitArt)(HitHandle hit, ArtHandle* art);         // null art when nothing was hit
    HostErr (*ReleaseHit)(HitHandle hit);
} HitTestSuite;

typedef struct CursorSnapSuite {
    HostBool (*UseCursorSnap)(ViewHandle view);                  // on unless the user turned it off
} CursorSnapSuite;

typedef struct MatchingArtSuite {
    // Every path of the document in paint order. The array belongs to the
    // host and stays valid until ReleaseMatchingArt or the next call.
    HostErr (*GetMatchingPaths)(const ArtHandle** paths, int32_t* count);
    HostErr (*ReleaseMatchingArt)(void);
} MatchingArtSuite;

// What changed in the document since a count read earlier, so that a
// plug-in can keep what it read of the document between messages. A host
// without it makes the plug-in read everything each time.
#define kDocumentChangesSuiteName    "Document Changes Suite"
#define kDocumentChangesSuiteVersion 2

// What happened to an art, as the changes suite reports it (bits).
enum {
    kArtChangeContent  = 1,   // its segments, closedness, guide flag, attributes or tags
    kArtChangeMade     = 2,   // made, alone or as part of a duplicate
    kArtChangeDisposed = 4,   // disposed of, alone or with its group: its handle is no longer valid
    kArtChangeMoved    = 8    // moved in the art list, alone or with its group
};

typedef struct DocumentChangesSuite {
    // A count that grows with every change of the document and never goes back.
    uint64_t (*ChangeCount)(void);
    // The arts changed after the count `since`, at most `capacity` of them,
    // each once, with what happened to each (kArtChange bits, into `what`
    // when it is not null). A group made, disposed of or moved lists every
    // art inside it too. *everything is set instead when that cannot be told
    // art by art: the layers changed, the document was replaced, more arts
    // changed than fit, or `since` is older than the host remembers.
    HostErr (*ChangedSince)(uint64_t since, ArtHandle* arts, int32_t* what, int32_t capacity, int32_t* count,
                            HostBool* everything);
} DocumentChangesSuite;

typedef struct RealBezierSuite {
    void (*PointAt)(const RealPoint bezier[4], float t, RealPoint* point);
    void (*PointTangentAt)(const RealPoint bezier[4], float t, RealPoint* point, RealPoint* tangent);
} RealBezierSuite;

enum { kTransformObjects = 1 };

typedef struct TransformArtSuite {
    HostErr (*TransformArt)(ArtHandle art, const RealMatrix* matrix, float lineScale, int32_t flags);
} TransformArtSuite;

// ---- feedback: annotators -------------------------------------------------
typedef struct AnnotatorSuite {
    HostErr (*AddAnnotator)(PluginRef plugin, const char* name, AnnotatorHandle* annotator);
    HostErr (*SetAnnotatorActive)(AnnotatorHandle annotator, HostBool active);
    HostErr (*InvalidAnnotationRect)(ViewHandle view, const IntRect* rect);
} AnnotatorSuite;

// ---- menus, tools, notifiers ----------------------------------------------
#define kAboutMenuGroup        "About"
#define kToolPalettesMenuGroup "Tool Palettes"
enum { kMenuGroupSubMenu = 1 };

typedef struct MenuSuite {
    HostErr (*AddMenuItem)(PluginRef plugin, const char* key, const char* group, const char* text,
                           int32_t options, MenuItemHandle* item);
    HostErr (*SetItemText)(MenuItemHandle item, const char* text);
    HostErr (*GetItemText)(MenuItemHandle item, char* buffer, int32_t size);
    HostErr (*AddMenuGroupAsSubMenu)(const char* groupName, int32_t options, MenuItemHandle parent,
                                     MenuGroupHandle* group);
    HostErr (*CountMenuGroups)(int32_t* count);
    HostErr (*GetNthMenuGroup)(int32_t n, MenuGroupHandle* group);
    HostErr (*GetMenuGroupName)(MenuGroupHandle group, const char** name);
} MenuSuite;

enum { kToolNoGroup = -2 };
enum { kToolWantsTracking = 1 };

typedef struct ToolData {
    const char* title;
    const char* tip;
    IconRef icon;
    int32_t sameGroupAs;      // a tool number, or kToolNoGroup
    int32_t sameToolsetAs;    // a tool number, or kToolNoGroup
} ToolData;

// Info-line variables.
enum { kInfoCursorH = 15, kInfoCursorV = 16, kInfoText = 23, kInfoEnd = -1 };

typedef struct ToolSuite {
    HostErr (*AddTool)(PluginRef plugin, const char* name, const ToolData* data, int32_t options,
                       ToolHandle* tool);
    HostErr (*SetSelectedTool)(ToolHandle tool);
    HostErr (*GetToolNumberFromName)(const char* name, int32_t* number);
    // vars ends with kInfoEnd; values[i] points to a float for the cursor
    // variables and to a UTF-8 text for kInfoText.
    HostErr (*SetToolInfoVars)(ToolHandle tool, const int32_t* vars, const void* const* values);
    HostErr (*SetSecondIcon)(ToolHandle tool, IconRef icon);
} ToolSuite;

typedef struct NotifierSuite {
    HostErr (*AddNotifier)(PluginRef plugin, const char* name, const char* type, NotifierHandle* notifier);
} NotifierSuite;

// ---- preferences ----------------------------------------------------------
// A missing key or a stored value of another type answers non-zero and leaves
// the output untouched. A null prefix reads the host's own keys.
typedef struct PreferenceSuite {
    HostErr (*GetBooleanPreference)(const char* prefix, const char* key, HostBool* value);
    HostErr (*PutBooleanPreference)(const char* prefix, const char* key, HostBool value);
    HostErr (*GetIntegerPreference)(const char* prefix, const char* key, int32_t* value);
    HostErr (*PutIntegerPreference)(const char* prefix, const char* key, int32_t value);
    HostErr (*GetRealPreference)(const char* prefix, const char* key, double* value);
    HostErr (*PutRealPreference)(const char* prefix, const char* key, double value);
    HostErr (*GetStringPreference)(const char* prefix, const char* key, char* buffer, int32_t size);
    HostErr (*PutStringPreference)(const char* prefix, const char* key, const char* value);
    HostErr (*GetPointPreference)(const char* prefix, const char* key, IntPoint* value);
    HostErr (*PutPointPreference)(const char* prefix, const char* key, const IntPoint* value);
} PreferenceSuite;

// ---- patterns, numbers, texts ---------------------------------------------
typedef struct PatternSuite {
    HostErr (*CountPatterns)(int32_t* count);
    HostErr (*GetNthPattern)(int32_t n, PatternHandle* pattern);   // kErrNotFound past the end
    HostErr (*GetPatternName)(PatternHandle pattern, char* buffer, int32_t size);
} PatternSuite;

typedef struct RealMathSuite {
    void (*AddPoints)(const RealPoint* a, const RealPoint* b, RealPoint* result);
    float (*PointDistance)(const RealPoint* a, const RealPoint* b);
    float (*PointAngle)(const RealPoint* a, const RealPoint* b);
    void (*PolarPoint)(float length, float angle, RealPoint* result);
    HostBool (*PointsEqual)(const RealPoint* a, const RealPoint* b);
    HostBool (*PointsClose)(const RealPoint* a, const RealPoint* b, float tolerance);
    float (*RadiansToDegrees)(float radians);
    float (*DegreesToRadians)(float degrees);
    float (*ArcTangent)(float a, float b);
    float (*SquareRoot)(float x);
    float (*Floor)(float x);
    float (*MultipleOf)(float x, float step, HostBool flag);
    void (*SetRotation)(RealMatrix* m, float angle);
    void (*SetTranslation)(RealMatrix* m, float tx, float ty);
    void (*ConcatRotation)(RealMatrix* m, float angle);
    void (*ConcatTranslation)(RealMatrix* m, float tx, float ty);
    void (*TransformPoint)(const RealMatrix* m, const RealPoint* p, RealPoint* result);
} RealMathSuite;

typedef struct RandomSuite {
    HostErr (*SetRandomSeed)(int32_t seed);
    float (*FloatRnd)(void);                                      // in [0, 1)
} RandomSuite;

// The plug-in's 8-bit texts are Windows-1252; the host's are UTF-8.
typedef struct UnicodeStringSuite {
    HostErr (*EightBitToUTF8)(const char* text, char* buffer, int32_t size);
    HostErr (*UTF8ToEightBit)(const char* text, char* buffer, int32_t size);  // unmappable -> '?'
} UnicodeStringSuite;

#ifdef __cplusplus
}
#endif
