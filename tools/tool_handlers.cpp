// The six tool messages of both tools: what every mode shares, in the order
// the handlers run it, and the hand-over to the current mode's steps.
#include <cmath>
#include <cstring>

#include "geometry/host/shape_art.h"
#include "host/suites.h"
#include "palette/palette.h"
#include "plugin/globals.h"
#include "plugin/handlers.h"
#include "snap/annotation.h"
#include "snap/snap_search.h"
#include "tools/rubber_band.h"
#include "tools/tool_common.h"
#include "tools/tool_feedback.h"
#include "tools/tool_keys.h"
#include "tools/tool_modes.h"
#include "tools/tool_target.h"

namespace qzv {

namespace {

constexpr int32_t kCursorAlert = 20009;
constexpr int32_t kCursorPaletteToggle = 16005;

bool SomethingSnapped(const SnapResult& s) {
    return s.onPoint || s.onSegment || s.onArc || s.onCurve || s.onIntersection;
}

const ModeSteps* CurrentModeSteps() {
    const Globals* g = gGlobals;
    return g->currentTool == kToolRect ? RectModeSteps(g->tool.rectMode) : CircleModeSteps(g->tool.circleMode);
}


bool FeedbackWanted(ViewHandle view) { return view && sCursorSnap && sCursorSnap->UseCursorSnap(view); }

// Half height of the measurement box next to the cursor during a drag.
int32_t MeasurementHalfHeight() {
    const Globals* g = gGlobals;
    if (g->currentTool != kToolRect) {
        const int32_t mode = g->tool.circleMode;
        return mode >= kArcCentre && mode <= kArcThreePoints ? 24 : 30;
    }
    switch (g->tool.rectMode) {
        case kRectModeRounded:
        case kRectModeCentredRounded: return 48;
        case kRectModeSegment: return 30;
        case kRectModeCentredSegment: return 24;
        default: return 42;
    }
}

void InvalidateAnnotation(ViewHandle view, const IntRect& rect) {
    if (view && sAnnotator) sAnnotator->InvalidAnnotationRect(view, &rect);
}

// Shift-click: the other tool, selected in the host.
HostErr SwitchTool() {
    Globals* g = gGlobals;
    const int32_t next = g->currentTool == kToolCircle ? kToolRect : kToolCircle;
    g->currentTool = next;
    HostErr err = g->tools[next - 1] ? sTool->SetSelectedTool(g->tools[next - 1]) : kNoErr;
    PaletteUpdateForMode();
    return err;
}

// The art under the click, for re-editing; null when nothing is hit.
HostErr HitArtAt(RealPoint cursor, float zoom, ArtHandle* art) {
    *art = nullptr;
    if (!sHitTest) return kErrSuiteNotFound;
    HitHandle hit = nullptr;
    const float tolerance = static_cast<float>(gGlobals->settings.general.Tolerance) / zoom;
    HostErr err = sHitTest->HitTest(&cursor, tolerance, &hit);
    if (err) return err;
    if (sHitTest->IsHit(hit)) err = sHitTest->GetHitArt(hit, art);
    sHitTest->ReleaseHit(hit);
    return err;
}

}  // namespace

HostErr ToolTrackCursor(ToolMessage* message) {
    Globals* g = gGlobals;
    ToolState& t = g->tool;
    const PluginRef plugin = message->d.plugin;
    if (t.alertShowing) {
        ToolSetCursor(plugin, kCursorAlert);
        return kNoErr;
    }
    const ToolKeys keys = ToolReadKeys(false);
    if (keys.alt) {
        ToolSetCursor(plugin, kCursorPaletteToggle);
        ToolShowInfo(message->tool, message->cursor,
                     PaletteIsVisible() ? "Cache palette QZV•Orbiquad." : "Montre palette QZV•Orbiquad.");
        return kNoErr;
    }
    if (keys.shift) {
        ToolShowInfo(message->tool, message->cursor,
                     g->currentTool == kToolCircle ? "Passage à l'outil rectangle." : "Passage à l'outil cerle.");
        return kNoErr;
    }
    if (!ToolCursorUsable(message->cursor)) return kNoErr;

    const ViewHandle view = ToolFrontView();
    if (FeedbackWanted(view)) {
        AnnotationInvalidateFeedback(view, true);
        t.lastCursor = message->cursor;
    }
    SearchSnapTargets(message);
    // The preview follows the point just snapped.
    UpdateRubberBand(message, keys.alt);
    if (SomethingSnapped(g->snap)) {
        RecordRecentSnap();
        return kNoErr;
    }
    const int32_t mode = g->currentTool == kToolRect ? t.rectMode : t.circleMode;
    const ModeFeedback shown = ToolModeFeedback(g->currentTool, mode, t.step, g->settings.working.Arrondi);
    ToolSetCursor(plugin, shown.cursor);
    ToolShowInfo(message->tool, message->cursor, shown.text);
    return kNoErr;
}

HostErr ToolMouseDown(ToolMessage* message) {
    Globals* g = gGlobals;
    ToolState& t = g->tool;
    const ViewHandle view = ToolFrontView();
    const float zoom = ToolViewZoom(view);
    if (view) sDocumentView->SetZoom(view, zoom);

    double angle = 0.0;
    if (sPreference && sPreference->GetRealPreference(nullptr, "constrain/angle", &angle) == kNoErr &&
        std::isfinite(angle))
        t.constraintAngle = static_cast<float>(angle);

    const ToolKeys keys = ToolReadKeys(false);
    if (keys.alt) return PaletteSetVisible(!PaletteIsVisible());
    if (keys.shift) return SwitchTool();
    if (!ToolCursorUsable(message->cursor)) return kNoErr;

    const bool rectTool = g->currentTool == kToolRect;
    const int32_t mode = rectTool ? t.rectMode : t.circleMode;
    std::strncpy(t.modeName, ModeName(g->currentTool, mode, g->settings.working.LignePoly), sizeof t.modeName - 1);
    t.modeName[sizeof t.modeName - 1] = 0;

    int32_t units = 0;
    t.rulerUnits = t.fallbackRulerUnits;
    if (sDocument && sDocument->GetDocumentRulerUnits(&units) == kNoErr) t.rulerUnits = static_cast<int16_t>(units);

    HostErr err = HitArtAt(message->cursor, zoom, &t.hitArt);
    if (err) return err;
    for (HostBool& created : t.art.tickCreated) created = 0;

    TargetOutcome outcome;
    err = PrepareTarget(message->d.plugin, t.modeName, &outcome);
    if (err || outcome != TargetOutcome::kReady) return err;
    // The marks of the previous shape are its own: a new gesture makes new ones.
    t.art.crossAlong = nullptr;
    t.art.crossAcross = nullptr;

    if (const ModeSteps* steps = CurrentModeSteps()) err = steps->mouseDown(message, SnappedClickPoint(message->cursor));
    t.lastPoint = message->cursor;
    return err;
}

HostErr ToolMouseDrag(ToolMessage* message) {
    Globals* g = gGlobals;
    ToolState& t = g->tool;
    if (!t.constructionLive) return kNoErr;
    if (!ToolCursorUsable(message->cursor)) return kNoErr;

    const ViewHandle view = ToolFrontView();
    InvalidateAnnotation(view, t.annotationBox);
    IntPoint at{};
    if (FeedbackWanted(view) && sDocumentView->ArtworkPointToViewPoint(view, &message->cursor, &at) == kNoErr) {
        const int32_t s = MeasurementHalfHeight();
        t.annotationBox = IntRect{at.h + 12, at.v - s, at.h + 150, at.v + s};
        // The read-out moves with the cursor: its new place is drawn too.
        InvalidateAnnotation(view, t.annotationBox);
    }
    const ToolKeys keys = ToolReadKeys(true);
    t.altDown = keys.alt;

    t.lastCursor = message->cursor;
    AnnotationInvalidateFeedback(view, false);
    SearchSnapTargetsWhileDragging(message);
    RecordRecentSnap();
    const ModeSteps* steps = CurrentModeSteps();
    const HostErr err = steps ? steps->drag(message, keys) : kNoErr;
    UpdateRubberBand(message, keys.alt);
    return err;
}

HostErr ToolMouseUp(ToolMessage* message) { return FinishShape(message); }

HostErr ToolSelect(ToolMessage* message) {
    Globals* g = gGlobals;
    ToolState& t = g->tool;
    t.circleContact1 = 0;
    t.circleContact2 = 0;
    g->lastTool = kToolCircle;
    if (sAnnotator && g->annotator) sAnnotator->SetAnnotatorActive(g->annotator, 1);
    if (message->tool == g->tools[0]) g->currentTool = kToolCircle;
    else if (message->tool == g->tools[1]) g->currentTool = kToolRect;
    if (t.fallbackRulerUnits == 0) t.fallbackRulerUnits = kUnitPoints;
    t.step = 0;
    RebuildPathStyles(g->settings.paint, g->settings.working.Epaisseur, g->styles);
    PaletteOnToolSelected();
    return kNoErr;
}

HostErr ToolDeselect(ToolMessage*) {
    Globals* g = gGlobals;
    if (sAnnotator && g->annotator) sAnnotator->SetAnnotatorActive(g->annotator, 0);
    PaletteOnToolDeselected();
    g->lastTool = g->currentTool;
    g->currentTool = kToolNeither;
    return kNoErr;
}

}  // namespace qzv
