#include "tools/tool_common.h"

#include <cmath>
#include <cstring>

#include "geometry/constructions.h"
#include "host/host_text.h"
#include "host/suites.h"
#include "palette/palette.h"
#include "platform.h"
#include "plugin/globals.h"
#include "resources/resource_ids.h"
#include "tools/rect_line.h"
#include "tools/rubber_band.h"
#include "tools/tool_modes.h"

namespace qzv {

namespace {

// How the mode's error is shown: the message kind or the tool-error kind.
enum class AlertKind { kNone, kError, kMessage };

struct ModeAlert {
    int32_t string;   // in the tool-error list
    AlertKind kind;
};

ModeAlert AlertOfMode(int32_t mode, HostBool* parallelFlag) {
    switch (mode) {
        case kCircleThreePoints:
        case kArcThreePoints:
            return {kErrPointsAligned, AlertKind::kMessage};
        case kTangentOne:
        case kTangentTwo:
            return {kErrClickOnSegment, AlertKind::kError};
        case kTangentThree:
            if (*parallelFlag) {
                *parallelFlag = 0;
                return {kErrSegmentsParallel, AlertKind::kError};
            }
            return {kErrClickOnSegment, AlertKind::kError};
        default:
            return {0, AlertKind::kNone};
    }
}

void ShowAlert(PluginRef plugin, int32_t string, AlertKind kind) {
    ToolState& t = gGlobals->tool;
    char text[256];
    t.alertShowing = 1;
    HostIndexString(plugin, kStrToolErrors, string - kStrToolErrors, text, sizeof text);
    if (kind == AlertKind::kMessage) HostMessageAlert(text);
    else HostErrorAlert(text);
    t.alertShowing = 0;
}

void Beep(uint32_t frequency) {
    if (gGlobals->settings.general.Son) PlatformBeep(frequency, 100);
}

}  // namespace

// Only an empty group goes: whatever else the user put there stays.
void DisposeTargetGroupIfEmpty() {
    ArtHandle& group = gGlobals->tool.art.targetGroup;
    ArtHandle child = nullptr;
    if (ArtExists(group) && sArt->GetArtFirstChild(group, &child) == kNoErr && !child) {
        sArt->DisposeArt(group);
        group = nullptr;
    }
}

ViewHandle ToolFrontView() {
    ViewHandle view = nullptr;
    if (!sDocumentView || sDocumentView->GetNthView(0, &view) != kNoErr) return nullptr;
    return view;
}

float ToolViewZoom(ViewHandle view) {
    float zoom = 1.0f;
    if (!view || !sDocumentView || sDocumentView->GetZoom(view, &zoom) != kNoErr || !(zoom > 0.0f) ||
        !std::isfinite(zoom))
        return 1.0f;
    return zoom;
}

bool ToolCursorUsable(RealPoint cursor) {
    return std::fabs(cursor.h) <= kToolMaxCoordinate && std::fabs(cursor.v) <= kToolMaxCoordinate;
}

RealPoint SnappedClickPoint(RealPoint cursor) {
    const Globals* g = gGlobals;
    if (!g->settings.general.Magnetisme) return cursor;
    const SnapResult& s = g->snap;
    if (s.onSegment) return FootOfPerpendicular(cursor, s.snapPoint, s.segmentEnd);
    if (s.onPoint) return s.snapPoint;
    if (s.hGuideOn && s.vGuideOn) return RealPoint{s.vGuide, s.hGuide};
    if (s.hGuideOn) return RealPoint{cursor.h, s.hGuide};
    if (s.vGuideOn) return RealPoint{s.vGuide, cursor.v};
    return cursor;
}

float ToolScaleFactor() {
    const WorkingValues& w = gGlobals->settings.working;
    if (w.EchelleNum < 1 || w.EchelleDen < 1) return 1.0f;
    return static_cast<float>(w.EchelleNum) / static_cast<float>(w.EchelleDen);
}

ShapeContext ToolShapeContext() { return ShapeContextOf(gGlobals->settings.working, gGlobals->styles); }

void ToolClickSound() { Beep(9000); }
void ToolSegmentSound() { Beep(9001); }

void ShowToolError(PluginRef plugin) {
    ToolState& t = gGlobals->tool;
    const ModeAlert alert = AlertOfMode(t.circleMode, &t.parallelFlag);
    if (alert.kind != AlertKind::kNone) ShowAlert(plugin, alert.string, alert.kind);
}

void ShowLockedLayerAlert(PluginRef plugin) { ShowAlert(plugin, kErrLayerLocked, AlertKind::kError); }

HostErr StartConstructionPath(HostErr (*build)()) {
    if (!sArt || !sPath || !sTag) return kErrSuiteNotFound;
    ToolState& t = gGlobals->tool;
    if (ArtExists(t.art.constructionPath)) sPath->DeselectPathSegments(t.art.constructionPath);
    HostErr err = CreatePath(t.art.targetGroup, kPlaceInsideOnTop, &t.art.constructionPath);
    if (err) return err;
    err = sTag->SetTag(t.art.constructionPath, kUnderConstructionTag, kTagTypeString, kUnderConstructionMark);
    if (err) return err;
    err = build();
    if (err) return err;
    t.constructionLive = 1;
    PaletteShowRadius(t.radius);
    PaletteRedraw();
    return kNoErr;
}

void RecordRecentSnap() {
    ToolState& t = gGlobals->tool;
    const SnapResult& s = gGlobals->snap;
    if (!s.onPoint) return;
    if (t.recentSnapFilled == 0) {
        t.recentSnapIndex = 0;
    } else {
        const RealPoint& latest = t.recentSnaps[t.recentSnapIndex];
        if (latest.h == s.snapPoint.h && latest.v == s.snapPoint.v) return;
        t.recentSnapIndex = static_cast<uint8_t>((t.recentSnapIndex + 1) % kRecentSnapCount);
    }
    t.recentSnaps[t.recentSnapIndex] = s.snapPoint;
    if (t.recentSnapFilled < kRecentSnapCount) ++t.recentSnapFilled;
}

HostErr FinishShape(ToolMessage* message) {
    Globals* g = gGlobals;
    ToolState& t = g->tool;
    if (ViewHandle view = ToolFrontView(); view && sAnnotator) sAnnotator->InvalidAnnotationRect(view, &t.annotationBox);

    PaletteShowMeasurements();
    if (!t.constructionLive) {
        // A click that only picked a point leaves no empty group behind.
        DisposeTargetGroupIfEmpty();
        PaletteRedraw();
        return kNoErr;
    }
    t.constructionLive = 0;
    t.step = 0;

    const bool circleTool = g->currentTool != kToolRect;
    const ModeSteps* steps = circleTool ? CircleModeSteps(t.circleMode) : RectModeSteps(t.rectMode);
    const ArtHandle shape = circleTool ? t.art.constructionPath : t.art.rectPath;
    // The preview goes, except between the clicks of a polygonal line.
    if (circleTool) DisposeRubberBand();
    else FinishRectLine();
    if (!ArtExists(shape)) {
        // The shape went away during the gesture (or none was made): nothing
        // is finished, and its group goes too when nothing else is in it.
        DisposeTargetGroupIfEmpty();
        PaletteRedraw();
        return kNoErr;
    }
    if (circleTool) {
        PaletteShowRadius(t.radius);
        if (sTag) sTag->RemoveTag(shape, kUnderConstructionTag);
    }

    bool grouped = false;
    HostErr err = steps ? steps->finalBuild(message, &grouped) : kNoErr;
    if (err == kNoErr && ArtExists(shape)) {
        err = sArt->SetArtName(shape, t.modeName);
        if (err == kNoErr && !grouped && ArtExists(t.art.targetGroup)) {
            err = sArt->ReorderArt(shape, kPlaceAbove, t.art.targetGroup);
            if (err == kNoErr) DisposeTargetGroupIfEmpty();
        }
    } else if (!ArtExists(shape)) {
        DisposeTargetGroupIfEmpty();
    }
    PaletteRedraw();
    return err;
}

}  // namespace qzv
