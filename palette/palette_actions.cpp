// The palette's buttons that act on the drawing as a whole: clone, swap of
// fill and stroke, colours, the logo button (back to the settings), the
// scale label and the scale popup; and the notify procedures that route
// every value field and button to its edit.
#include <cmath>
#include <initializer_list>

#include "geometry/host/host_marks.h"
#include "geometry/host/shape_art.h"
#include "geometry/plane.h"
#include "host/suites.h"
#include "paint/colours_dialog.h"
#include "paint/paint_apply.h"
#include "palette/palette.h"
#include "palette/palette_bracket.h"
#include "palette/palette_flyout.h"
#include "palette/palette_help.h"
#include "palette/palette_ids.h"
#include "palette/palette_items.h"
#include "palette/palette_procs.h"
#include "palette/palette_scale.h"
#include "palette/palette_values.h"
#include "palette/scale_dialog.h"
#include "plugin/globals.h"
#include "tools/tool_common.h"

namespace qzv {

namespace {

// The art the current tool made last, and where the palette keeps it.
ArtHandle* CurrentShapeSlot() {
    ShapeArt& art = gGlobals->tool.art;
    return gGlobals->currentTool == kToolRect ? &art.rectPath : &art.constructionPath;
}

bool IsCircleTool() { return gGlobals->currentTool != kToolRect; }

// The centre cross of the current circle as the centre-mark switch wants it.
void MatchCentreMark() {
    Globals* g = gGlobals;
    ToolState& t = g->tool;
    if (!IsCircleTool() || !ArtExists(t.art.constructionPath)) return;
    ShapeContext ctx = ToolShapeContext();
    if (g->settings.working.Centre) {
        if (CreateCentreCross(t.art) != kNoErr) return;
        GroupCentreCross(t.art);
        WriteCentreCross(t.art, ctx, t.centre);
    } else {
        for (ArtHandle* branch : {&t.art.crossAlong, &t.art.crossAcross}) {
            if (ArtExists(*branch)) sArt->DisposeArt(*branch);
            *branch = nullptr;
        }
    }
    if (t.circleMode >= kTangentOne)
        FinishCircleShape(t.art, ctx, t.circleMode, g->settings.working.Tangente, t.centre, t.segments);
}

}  // namespace

void CloneCurrentShape() {
    Globals* g = gGlobals;
    ArtHandle* slot = CurrentShapeSlot();
    if (!ArtExists(*slot) || !sArt) return;
    // With its centre mark the shape sits in a group: the copy joins it on top.
    ArtHandle group = g->tool.art.targetGroup;
    ArtHandle parent = nullptr;
    const bool inGroup = ArtExists(group) && sArt->GetArtParent(*slot, &parent) == kNoErr && parent == group;
    ArtHandle copy = nullptr;
    const HostErr err = inGroup ? sArt->DuplicateArt(*slot, kPlaceInsideOnTop, group, &copy)
                                : sArt->DuplicateArt(*slot, kPlaceAbove, *slot, &copy);
    if (err != kNoErr || !copy) return;
    *slot = copy;
    PaletteState& p = g->paletteState;
    ++p.cloneCount;
    ItemInt(kItemCloneCount, p.cloneCount);
    ItemRedraw(kItemClone);
    PaletteRedraw();
}

void SwapFillAndStroke() {
    PaletteResetCloneCounter();
    ExchangeFillAndStroke();
}

void ResetToSettings() {
    Globals* g = gGlobals;
    ToolState& t = g->tool;
    ResetWorkingValues(g->settings);
    WorkingValues& w = g->settings.working;
    t.lineAngle = w.RotRectangle;
    const bool segment = t.rectMode == kRectModeSegment || t.rectMode == kRectModeCentredSegment;
    ItemFloat(kItemStroke, w.Epaisseur);
    ItemFloat(kItemInclination, RadiansToDegrees(segment ? t.lineAngle : w.RotRectangle));
    ItemFloat(kItemRounding, w.Arrondi / PaletteScaleFactor());
    PaletteResetCloneCounter();
    PaletteApplyScale();
    PaletteShowSectorFlag();
    FlyoutCheck(kFlyCentreMark, w.Centre);
    FlyoutCheck(kFlyRandomCross, w.Alea);
    FlyoutCheck(kFlyTangentMarks, w.Tangente);
    FlyoutEnable(kFlyRandomCross, w.Centre && IsCircleTool());
    RebuildPathStyles(g->settings.paint, w.Epaisseur, g->styles);
    if (ArtExists(*CurrentShapeSlot())) {
        RepaintCurrentShape();
        MatchCentreMark();
    }
    PaletteRedraw();
}

void PaletteApplyScale() {
    Globals* g = gGlobals;
    g->paletteState.scaleFactor = PaletteScaleFactor();
    PaletteSelectScaleEntry();
}

void ResetScaleToSettings() {
    Globals* g = gGlobals;
    g->settings.working.EchelleNum = g->settings.general.EchelleNum;
    g->settings.working.EchelleDen = g->settings.general.EchelleDen;
    PaletteApplyScale();
}

void ChooseScaleEntry(int32_t entryId) {
    Globals* g = gGlobals;
    WorkingValues& w = g->settings.working;
    PaletteResetCloneCounter();
    for (int i = 0; i < kScaleEntryCount; ++i) {
        const ScaleEntry& e = kScaleEntries[i];
        if (e.id != entryId) continue;
        switch (e.kind) {
            case ScaleEntryKind::kFixed:
                w.EchelleNum = e.numerator;
                w.EchelleDen = e.denominator;
                break;
            case ScaleEntryKind::kOpenDialog:
                OpenScaleDialog(g->paletteState.plugin);
                break;
            case ScaleEntryKind::kCustom:
                // Taken only once a custom scale was ever set (both parts counts).
                if (g->settings.EchelleNumPerso >= 1 && g->settings.EchelleDenPerso >= 1) {
                    w.EchelleNum = g->settings.EchelleNumPerso;
                    w.EchelleDen = g->settings.EchelleDenPerso;
                }
                break;
            case ScaleEntryKind::kSeparator:
                break;
        }
    }
    if (gGlobals) PaletteApplyScale();
}

// ---- the procedures -----------------------------------------------------------

namespace {

struct FieldEdit {
    int32_t id;
    void (*edit)(float value);
};

constexpr FieldEdit kFieldEdits[] = {
    {kItemStroke, EditStrokeWeight},     {kItemRadius, EditRadius},        {kItemCentreAngle, EditCentreAngle},
    {kItemStartAngle, EditStartAngle},   {kItemLength, EditRectLength},    {kItemWidth, EditRectWidth},
    {kItemInclination, EditInclination}, {kItemRounding, EditRounding},
};

void OpenColoursFromPalette() { OpenColoursDialog(gGlobals->paletteState.plugin, kColoursFromPaletteButton); }
void CloneButton() { CloneCurrentShape(); }

struct ButtonAction {
    int32_t id;
    bool resetsClones;   // a value changes: the copies made so far are done with
    void (*act)();
};

constexpr ButtonAction kButtonActions[] = {
    {kItemComplement, true, EditComplement},
    {kItemPolyline, true, EditPolylineSwitch},
    {kItemClone, false, CloneButton},
    {kItemSwap, false, SwapFillAndStroke},
    {kItemColours, false, OpenColoursFromPalette},
    {kItemLogo, false, ResetToSettings},
    {kItemHelpNext, false, PaletteNextHelpPage},
    {kItemHelpFirst, false, PalettePreviousHelpPage},
};

}  // namespace

void NotifyValueField(ItemRef item, DlgNotifierRef notifier) {
    WithSuites([&] {
        sItem->DefaultNotify(item, notifier);
        if (!sDlgNotifier->IsNotifierType(notifier, kNotifyUserChanged)) return;
        const int32_t id = sItem->GetID(item);
        for (const FieldEdit& row : kFieldEdits) {
            if (row.id != id) continue;
            PaletteResetCloneCounter();
            row.edit(sItem->GetFloatValue(item));
        }
        if (id == kItemScale) {
            ListRef list = sItem->GetList(item);
            EntryRef picked = list ? sList->GetActiveEntry(list) : nullptr;
            if (picked) ChooseScaleEntry(sEntry->GetID(picked));
        }
    });
}

void NotifyPaletteButton(ItemRef item, DlgNotifierRef notifier) {
    WithSuites([&] {
        sItem->DefaultNotify(item, notifier);
        if (!sDlgNotifier->IsNotifierType(notifier, kNotifyUserChanged)) return;
        const int32_t id = sItem->GetID(item);
        for (const ButtonAction& row : kButtonActions) {
            if (row.id != id) continue;
            if (row.resetsClones) PaletteResetCloneCounter();
            row.act();
        }
    });
}

// A button-down with Space: on the logo the last shape's group goes (the
// click that follows resets the values); on the scale label the scale goes
// back to the settings' one.
HostBool TrackSpaceClick(ItemRef item, TrackerRef tracker) {
    HostBool notify = 0;
    WithSuites([&] {
        const bool spaceDown = sTracker->GetAction(tracker) == kTrackButtonDown &&
                               (sTracker->GetModifiers(tracker) & kTrackModSpace) != 0;
        const int32_t id = sItem->GetID(item);
        ArtHandle& group = gGlobals->tool.art.targetGroup;
        if (spaceDown && id == kItemLogo && ArtExists(group)) {
            sArt->DisposeArt(group);
            group = nullptr;
        }
        if (spaceDown && id == kItemScaleLabel) ResetScaleToSettings();
        notify = sItem->DefaultTrack(item, tracker);
    });
    return notify;
}

}  // namespace qzv
