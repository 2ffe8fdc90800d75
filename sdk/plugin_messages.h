// The entry point's messages: callers, selectors, the common header and the
// records that follow it for menu, notifier, tool and annotation messages.
#pragma once
#include <stddef.h>
#include "host_types.h"

#ifdef __cplusplus
extern "C" {
#endif

// The host's basic table: string equality, suites by name and version, blocks.
typedef struct BasicSuite {
    HostBool (*IsEqual)(const char* a, const char* b);
    HostErr (*AcquireSuite)(const char* name, int32_t version, const void** suite);
    HostErr (*ReleaseSuite)(const char* name, int32_t version);
    HostErr (*AllocateBlock)(size_t size, void** block);
    HostErr (*FreeBlock)(void* block);
} BasicSuite;

// Every message begins with this header, in this order.
typedef struct MessageHeader {
    int32_t checkWord;          // host's validity word; not examined by plug-ins
    PluginRef plugin;           // identifies the plug-in in every registration call
    void* globals;              // host-kept slot for the plug-in's state across unload/reload
    const BasicSuite* basic;    // the basic services table
} MessageHeader;

typedef struct MenuMessage {
    MessageHeader d;
    MenuItemHandle menuItem;
} MenuMessage;

typedef struct NotifierMessage {
    MessageHeader d;
    NotifierHandle notifier;
    const char* type;           // the notification's type name
    void* notifyData;
} NotifierMessage;

// Event modifier bits of a tool message (informative: plug-ins sample keys themselves).
enum { kToolModShift = 1, kToolModAlt = 2, kToolModCtrl = 4 };

typedef struct ToolMessage {
    MessageHeader d;
    ToolHandle tool;
    RealPoint cursor;           // document coordinates
    float pressure;             // 0..1; 1 for a mouse
    int32_t event;              // event modifiers, kToolMod* bits
} ToolMessage;

typedef struct AnnotatorMessage {
    MessageHeader d;
    AnnotatorHandle annotator;
    ViewHandle view;
    PortRef port;               // the drawing port over the view, for a drawer
    IntRect updateRect;         // the view area being redrawn
} AnnotatorMessage;

// The signature of the one exported symbol.
typedef HostErr (*PluginMainProc)(const char* caller, const char* selector, void* message);

// Callers and selectors.
#define kCallerAccess        "SP Access"
#define kSelUnload           "Unload"
#define kSelReload           "Reload"
#define kCallerInterface     "SP Interface"
#define kSelStartup          "Startup"
#define kSelAbout            "About"
#define kSelShutdown         "Shutdown"
#define kCallerMenu          "AI Menu"
#define kSelGo               "AI Go"
#define kSelUpdate           "AI Update"
#define kCallerTool          "AI Tool"
#define kSelEditOptions      "AI Edit Options"
#define kSelTrackCursor      "AI Track Cursor"
#define kSelMouseDown        "AI Mouse Down"
#define kSelMouseDrag        "AI Mouse Drag"
#define kSelMouseUp          "AI Mouse Up"
#define kSelSelect           "AI Select"
#define kSelDeselect         "AI Deselect"
#define kCallerNotifier      "AI Notifier"
#define kSelNotify           "AI Notify"
#define kCallerAnnotation    "AI Annotation"
#define kSelDraw             "AI Draw"

// Notification types.
#define kNotifyArtSelectionChanged  "AI Art Selection Changed Notifier"
#define kNotifyApplicationStarted   "AI Application Started Notifier"

#ifdef __cplusplus
}
#endif
