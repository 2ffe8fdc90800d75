// Plain value types shared by the host and its plug-ins. C-compatible layout:
// both sides pass these by pointer across the module boundary.
#pragma once
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef int32_t HostErr;      // 0 = success; host codes are four characters, first in the high byte
typedef int32_t HostBool;     // 0 = false, anything else = true

// A point in document points (1/72 inch), artwork coordinates.
typedef struct RealPoint {
    float h;
    float v;
} RealPoint;

// Affine matrix: (h, v) -> (a*h + c*v + tx, b*h + d*v + ty).
typedef struct RealMatrix {
    float a, b, c, d, tx, ty;
} RealMatrix;

// Rectangle in document points.
typedef struct RealRect {
    float left, top, right, bottom;
} RealRect;

// Rectangle in view (screen) pixels.
typedef struct IntRect {
    int32_t left, top, right, bottom;
} IntRect;

typedef struct IntPoint {
    int32_t h, v;
} IntPoint;

// One anchor of a path: the anchor point, its incoming and outgoing control
// points (equal to the anchor when retracted) and whether the anchor is a corner.
typedef struct PathSegment {
    RealPoint p;
    RealPoint in;
    RealPoint out;
    HostBool corner;
} PathSegment;


// Opaque handles handed out by the host. The plug-in stores them and passes
// them back; it never looks inside. A disposed art's handle stays invalid.
typedef struct HostArtOpaque*        ArtHandle;
typedef struct HostLayerOpaque*      LayerHandle;
typedef struct HostViewOpaque*       ViewHandle;
typedef struct HostDocumentOpaque*   DocumentHandle;
typedef struct HostPatternOpaque*    PatternHandle;
typedef struct HostMenuItemOpaque*   MenuItemHandle;
typedef struct HostMenuGroupOpaque*  MenuGroupHandle;
typedef struct HostToolOpaque*       ToolHandle;
typedef struct HostNotifierOpaque*   NotifierHandle;
typedef struct HostAnnotatorOpaque*  AnnotatorHandle;
typedef struct HostHitOpaque*        HitHandle;
typedef struct PluginRefOpaque*      PluginRef;
typedef struct HostMatchOpaque*      MatchHandle;

// Dialog-manager handles.
typedef struct DlgDialogOpaque*      DialogRef;
typedef struct DlgItemOpaque*        ItemRef;
typedef struct DlgListOpaque*        ListRef;
typedef struct DlgEntryOpaque*       EntryRef;
typedef struct DlgDrawerOpaque*      DrawerRef;
typedef struct DlgTrackerOpaque*     TrackerRef;
typedef struct DlgNotifierOpaque*    DlgNotifierRef;
typedef struct DlgIconOpaque*        IconRef;
typedef struct DlgPortOpaque*        PortRef;

// Colour kinds of a paint side.
enum {
    kPaintNone    = 0,
    kPaintGray    = 1,   // gray in 0..1, 1 = black
    kPaintRGB     = 2,   // red, green, blue each in 0..1
    kPaintPattern = 3    // a document pattern with its placement
};

typedef struct PaintColor {
    int32_t kind;                    // kPaint*
    float gray;                      // kPaintGray
    float red, green, blue;          // kPaintRGB
    PatternHandle pattern;           // kPaintPattern: the pattern and how it is laid
    float shiftDistance, shiftAngle;
    float scaleH, scaleV;            // percent
    float rotation;                  // degrees
    HostBool reflect;
    float reflectAngle, shearAngle, shearAxis;
    RealMatrix transform;
} PaintColor;

typedef struct StrokeStyle {
    PaintColor color;
    float width;        // document points
    int32_t cap;        // 0 butt, 1 round, 2 projecting
    int32_t join;       // 0 miter, 1 round, 2 bevel
    float miterLimit;
} StrokeStyle;

typedef struct PathStyle {
    HostBool fillPaint;
    PaintColor fill;
    HostBool strokePaint;
    StrokeStyle stroke;
} PathStyle;

#ifdef __cplusplus
}
#endif
