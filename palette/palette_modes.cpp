#include "palette/palette_modes.h"

#include <initializer_list>

#include "geometry/host/shape_art.h"
#include "geometry/plane.h"
#include "host/suites.h"
#include "palette/palette_bracket.h"
#include "palette/palette_flyout.h"
#include "palette/palette_help.h"
#include "palette/palette_ids.h"
#include "palette/palette_procs.h"
#include "plugin/globals.h"

namespace qzv {

namespace {

// ---- enabling: which items follow the on/off flag, per tool -----------------

enum class Follow : uint8_t {
    kFlag,         // enabled exactly when the flag is on
    kFlagStroke,   // ... and the stroke of new paths is on
    kFlagLine,     // ... and the rectangle mode is the line (2)
    kOff,          // disabled (the mode's layout, which follows, may enable it)
};

struct EnableRow {
    int32_t first, last;
    Follow circle;   // circle tool, or no tool
    Follow rect;     // rectangle tool
};

constexpr EnableRow kEnableRows[] = {
    {kItemColours, kItemColours, Follow::kFlag, Follow::kFlag},
    {kItemLogo, kItemLogo, Follow::kFlag, Follow::kFlag},
    {kItemClone, kItemClone, Follow::kFlag, Follow::kFlag},
    {kItemScale, kItemScale, Follow::kFlag, Follow::kFlag},
    {kItemScaleLabel, kItemScaleLabel, Follow::kFlag, Follow::kFlag},
    {kDlgFlyoutMenuItemID, kDlgFlyoutMenuItemID, Follow::kFlag, Follow::kFlag},
    {kItemStroke, kItemStroke, Follow::kFlagStroke, Follow::kFlagStroke},
    {kItemRadius, kItemRadius, Follow::kFlag, Follow::kOff},
    {kItemComplement, kItemComplement, Follow::kFlag, Follow::kOff},
    {kItemCircleModeFirst, kItemCircleModeLast, Follow::kFlag, Follow::kOff},
    {kItemRadiusLabel, kItemStartAngleLabel, Follow::kFlag, Follow::kOff},
    {kItemCentreAngle, kItemStartAngle, Follow::kOff, Follow::kOff},
    {kItemRectModeFirst, kItemRectModeLast, Follow::kOff, Follow::kFlag},
    {kItemLength, kItemInclination, Follow::kOff, Follow::kFlag},
    {kItemPolyline, kItemPolyline, Follow::kOff, Follow::kFlagLine},
    // The rounding items and the rectangle labels are the rectangle modes'
    // to enable; with no tool selected they go off like every other item.
    {kItemRounding, kItemRounding, Follow::kOff, Follow::kOff},
    {kItemRoundingQuarter, kItemRoundingProfile, Follow::kOff, Follow::kOff},
    {kItemLengthLabel, kItemInclinationLabel, Follow::kOff, Follow::kOff},
};

// ---- layout per mode ------------------------------------------------------------

enum class Set : uint8_t { kKeep, kOn, kOff };

struct ItemState {
    int32_t first, last;
    Set shown, enabled;
};

// What every circle mode shares.
constexpr ItemState kCircleLayout[] = {
    {kItemLengthLabel, kItemInclinationLabel, Set::kKeep, Set::kOff},
    {kItemRadiusLabel, kItemStartAngleLabel, Set::kOn, Set::kKeep},
    {kItemRadius, kItemRadius, Set::kOn, Set::kKeep},
    {kItemCentreAngle, kItemStartAngle, Set::kOn, Set::kKeep},
    {kItemLength, kItemInclination, Set::kOff, Set::kKeep},
    {kItemRounding, kItemRounding, Set::kOff, Set::kOff},
    {kItemRoundingQuarter, kItemRoundingProfile, Set::kOff, Set::kOff},
    {kItemPolyline, kItemPolyline, Set::kOff, Set::kOff},
    {kItemComplement, kItemComplement, Set::kOn, Set::kOn},
    {kItemCircleModeFirst, kItemCircleModeLast, Set::kOn, Set::kOn},
    {kItemRectModeFirst, kItemRectModeLast, Set::kOff, Set::kOff},
};

// What every rectangle mode shares.
constexpr ItemState kRectLayout[] = {
    {kItemRadius, kItemRadius, Set::kOff, Set::kOff},
    {kItemCentreAngle, kItemStartAngle, Set::kOff, Set::kOff},
    {kItemRadiusLabel, kItemStartAngleLabel, Set::kOff, Set::kOff},
    {kItemLength, kItemInclination, Set::kOn, Set::kKeep},
    {kItemRounding, kItemRounding, Set::kOn, Set::kKeep},
    {kItemRoundingQuarter, kItemRoundingProfile, Set::kOn, Set::kKeep},
    {kItemPolyline, kItemPolyline, Set::kOn, Set::kKeep},
    {kItemComplement, kItemComplement, Set::kOff, Set::kOff},
    {kItemCircleModeFirst, kItemCircleModeLast, Set::kOff, Set::kOff},
    {kItemRectModeFirst, kItemRectModeLast, Set::kOn, Set::kOn},
};

constexpr uint16_t Modes(std::initializer_list<int> modes) {
    uint16_t mask = 0;
    for (int m : modes) mask = static_cast<uint16_t>(mask | (1u << m));
    return mask;
}

constexpr const char* kTipRadius = "Modifier le rayon de l'arc/cercle.";
constexpr const char* kTipArcsOnly = "Utilisé seulement pour les arcs.";

// The circle modes, row by row: flyout entries "Secteur" and "Marquer les
// points de tangence", fields 10, 14, 15, the focus, the tooltips and the
// enabling of label buttons 44, 45, 46.
struct CircleModeRow {
    uint16_t modes;
    bool sectorEntry, tangentEntry;
    bool radius, centreAngle, startAngle;
    bool radiusTakesFocus;
    const char* tips[3];
    bool labels[3];
    bool strokeAlways;   // stroke weight 8 enabled whatever the stroke flag
};

constexpr CircleModeRow kCircleModes[] = {
    {Modes({0, 1, 2}), false, false, true, false, false, true, {kTipRadius, kTipArcsOnly, kTipArcsOnly},
     {true, false, false}, false},
    {Modes({3, 5}), true, false, true, true, true, false,
     {kTipRadius, "Modifier l'angle de l'arc.", "Modifier l'orientation de l'arc."}, {true, true, true}, false},
    {Modes({4}), true, false, true, true, false, false,
     {kTipRadius, "Modifier l'angle de l'arc.", "Inutilisé pour ce type d'arc."}, {true, true, false}, false},
    {Modes({6, 7}), false, true, true, false, false, true, {kTipRadius, kTipArcsOnly, kTipArcsOnly},
     {true, false, false}, false},
    {Modes({8}), false, true, false, false, false, false, {"Inutilisé pour cet outil.", kTipArcsOnly, kTipArcsOnly},
     {false, false, false}, true},
};

enum class Field : uint8_t { kOn, kOff, kWhileLineOpen };

constexpr const char* kTipRectLength = "Longueur du rectangle ou de la ligne.";
constexpr const char* kTipRectWidth = "Largeur du rectangle.";
constexpr const char* kTipRectInclination = "Inclinaison du rectangle.";
constexpr const char* kTipSegmentLength = "Longueur du segment.";
constexpr const char* kTipUnused = "Inutilisé pour cet outil.";
constexpr const char* kTipSegmentInclination = "Inclinaison du segment.";

// The rectangle modes, row by row: the rounding items 75, 78, 79, the
// polyline button 77, the pairs (47, 72), (48, 73), (49, 74) and their tooltips.
struct RectModeRow {
    uint16_t modes;
    bool rounding;
    bool polyline;
    Field length, width, inclination;
    const char* tips[3];
};

constexpr RectModeRow kRectModes[] = {
    {Modes({0, 3}), false, false, Field::kOn, Field::kOn, Field::kOn,
     {kTipRectLength, kTipRectWidth, kTipRectInclination}},
    {Modes({1, 4}), true, false, Field::kOn, Field::kOn, Field::kOn,
     {kTipRectLength, kTipRectWidth, kTipRectInclination}},
    {Modes({2}), false, true, Field::kWhileLineOpen, Field::kOff, Field::kWhileLineOpen,
     {kTipSegmentLength, kTipUnused, kTipSegmentInclination}},
    {Modes({5}), false, false, Field::kOn, Field::kOff, Field::kOn,
     {kTipSegmentLength, kTipUnused, kTipSegmentInclination}},
};

// Help page of each circle mode, 0 to 8.
constexpr int16_t kCircleModeHelpPages[kCircleModeCount] = {3, 4, 5, 6, 8, 10, 12, 13, 14};

// Label buttons and the fields they name.
struct LabelRow {
    int32_t label, field;
};
constexpr LabelRow kLabels[] = {
    {kItemStrokeLabel, kItemStroke},        {kItemRadiusLabel, kItemRadius},
    {kItemCentreAngleLabel, kItemCentreAngle}, {kItemStartAngleLabel, kItemStartAngle},
    {kItemLengthLabel, kItemLength},        {kItemWidthLabel, kItemWidth},
    {kItemInclinationLabel, kItemInclination},
};

bool StrokeOn() { return gGlobals->settings.paint.stroke.paintOn; }

bool Applies(Follow rule, bool on) {
    switch (rule) {
        case Follow::kFlag: return on;
        case Follow::kFlagStroke: return on && StrokeOn();
        case Follow::kFlagLine: return on && gGlobals->tool.rectMode == kRectModeSegment;
        case Follow::kOff: return false;
    }
    return false;
}

void ApplyLayout(const ItemState* rows, int count) {
    for (int i = 0; i < count; ++i) {
        const ItemState& r = rows[i];
        if (r.shown != Set::kKeep) ItemShowRange(r.first, r.last, r.shown == Set::kOn);
        if (r.enabled != Set::kKeep) ItemEnableRange(r.first, r.last, r.enabled == Set::kOn);
    }
}

template <class Row, int N>
const Row* RowOfMode(const Row (&rows)[N], int32_t mode) {
    if (mode < 0 || mode > 15) return nullptr;
    for (const Row& row : rows)
        if (row.modes & (1u << mode)) return &row;
    return nullptr;
}

// The line of the rectangle tool is open: the host holds it and says it is not closed.
bool CurrentLineOpen() {
    const ArtHandle line = gGlobals->tool.art.rectPath;
    HostBool closed = 1;
    return ArtExists(line) && sPath && sPath->GetPathClosed(line, &closed) == kNoErr && !closed;
}

void SetTitle(const char* title) {
    if (gGlobals->palette) sDialog->SetText(gGlobals->palette, title);
}

// The radio state of the fifteen mode buttons follows the two current modes.
void MarkModeButtons() {
    const ToolState& t = gGlobals->tool;
    for (int32_t id = kItemCircleModeFirst; id <= kItemCircleModeLast; ++id)
        ItemBoolean(id, id - kItemCircleModeFirst == t.circleMode);
    for (int32_t id = kItemRectModeFirst; id <= kItemRectModeLast; ++id)
        ItemBoolean(id, id - kItemRectModeFirst == t.rectMode);
}

}  // namespace

void PaletteEnableItems(bool on) {
    const bool rect = gGlobals->currentTool == kToolRect;
    for (const EnableRow& row : kEnableRows) {
        ItemEnableRange(row.first, row.last, Applies(rect ? row.rect : row.circle, on));
    }
}

void PaletteUpdateCircleTool() {
    SetTitle(kCircleTitle);
    ApplyLayout(kCircleLayout, sizeof kCircleLayout / sizeof kCircleLayout[0]);
    ItemEnable(kItemStroke, StrokeOn());
    FlyoutEnable(kFlyCentreMark, true);
    // The random orientation means something only for a marked centre.
    FlyoutEnable(kFlyRandomCross, gGlobals->settings.working.Centre);
    MarkModeButtons();

    const CircleModeRow* row = RowOfMode(kCircleModes, gGlobals->tool.circleMode);
    if (!row) return;
    FlyoutEnable(kFlySector, row->sectorEntry);
    FlyoutEnable(kFlyTangentMarks, row->tangentEntry);
    ItemEnable(kItemRadius, row->radius);
    ItemEnable(kItemCentreAngle, row->centreAngle);
    ItemEnable(kItemStartAngle, row->startAngle);
    for (int i = 0; i < 3; ++i) {
        ItemTip(kItemRadiusLabel + i, row->tips[i]);
        ItemEnable(kItemRadiusLabel + i, row->labels[i]);
    }
    if (row->strokeAlways) ItemEnable(kItemStroke, true);
    if (row->radiusTakesFocus)
        if (ItemRef radius = PaletteItem(kItemRadius)) sItem->Activate(radius, 1);
}

void PaletteUpdateRectTool() {
    SetTitle(kRectTitle);
    ApplyLayout(kRectLayout, sizeof kRectLayout / sizeof kRectLayout[0]);
    FlyoutEnable(kFlySector, false);
    FlyoutEnable(kFlyCentreMark, false);
    FlyoutEnable(kFlyRandomCross, false);
    FlyoutEnable(kFlyTangentMarks, false);
    MarkModeButtons();

    const RectModeRow* row = RowOfMode(kRectModes, gGlobals->tool.rectMode);
    if (!row) return;
    ItemEnable(kItemRounding, row->rounding);
    ItemEnableRange(kItemRoundingQuarter, kItemRoundingProfile, row->rounding);
    ItemEnable(kItemPolyline, row->polyline);
    const bool lineOpen = CurrentLineOpen();
    const Field fields[3] = {row->length, row->width, row->inclination};
    for (int i = 0; i < 3; ++i) {
        const bool enabled = fields[i] == Field::kOn || (fields[i] == Field::kWhileLineOpen && lineOpen);
        ItemEnable(kItemLengthLabel + i, enabled);
        ItemEnable(kItemLength + i, enabled);
        ItemTip(kItemLengthLabel + i, row->tips[i]);
    }
}

void PaletteChooseCircleMode(int32_t mode) {
    Globals* g = gGlobals;
    if (mode < 0 || mode >= kCircleModeCount) return;
    g->tool.circleMode = mode;
    PaletteSetHelpPage(HelpPageOfCircleMode(mode));
    g->tool.step = 0;
    PaletteUpdateCircleTool();
    for (int32_t id = kItemCircleModeFirst; id <= kItemCircleModeLast; ++id) ItemRedraw(id);
    ItemFloat(kItemRadius, 0.0f);
    ItemFloat(kItemCentreAngle, 0.0f);
    ItemFloat(kItemStartAngle, 0.0f);
}

void PaletteChooseRectMode(int32_t mode) {
    Globals* g = gGlobals;
    ToolState& t = g->tool;
    if (mode < 0 || mode >= kRectModeCount) return;
    // The line under way ends where it is: no longer under construction,
    // and its preview goes.
    if (ArtExists(t.art.rectPath) && sTag) sTag->RemoveTag(t.art.rectPath, "qzv");
    if (ArtExists(t.rubberBand)) sArt->DisposeArt(t.rubberBand);
    t.rubberBand = nullptr;
    t.rectMode = mode;
    t.polylineVertices = 0;
    const bool segment = mode == kRectModeSegment || mode == kRectModeCentredSegment;
    ItemFloat(kItemInclination, RadiansToDegrees(segment ? t.lineAngle : g->settings.working.RotRectangle));
    t.step = 0;
    PaletteUpdateRectTool();
    if (g->palette) sDialog->Invalidate(g->palette);
}

int32_t LabelTarget(int32_t labelId) {
    for (const LabelRow& row : kLabels)
        if (row.label == labelId) return row.field;
    return 0;
}

int16_t HelpPageOfCircleMode(int32_t mode) {
    return mode >= 0 && mode < kCircleModeCount ? kCircleModeHelpPages[mode] : 0;
}

// ---- the procedures of the buttons ------------------------------------------

namespace {

bool UserChanged(DlgNotifierRef notifier) { return sDlgNotifier->IsNotifierType(notifier, kNotifyUserChanged) != 0; }

}  // namespace

void NotifyCircleModeButton(ItemRef item, DlgNotifierRef notifier) {
    WithSuites([&] {
        sItem->DefaultNotify(item, notifier);
        if (UserChanged(notifier)) PaletteChooseCircleMode(sItem->GetID(item) - kItemCircleModeFirst);
    });
}

void NotifyRectModeButton(ItemRef item, DlgNotifierRef notifier) {
    WithSuites([&] {
        sItem->DefaultNotify(item, notifier);
        if (UserChanged(notifier)) PaletteChooseRectMode(sItem->GetID(item) - kItemRectModeFirst);
    });
}

// A label gives its field the keyboard focus with all of its text selected
// (only a field a user could type into: shown and enabled).
void NotifyLabelButton(ItemRef item, DlgNotifierRef notifier) {
    WithSuites([&] {
        sItem->DefaultNotify(item, notifier);
        const int32_t label = sItem->GetID(item);
        if (label >= kItemRadiusLabel && label <= kItemStartAngleLabel)
            gGlobals->paletteState.lastCircleField = label - kItemRadiusLabel;
        ItemRef field = PaletteItem(LabelTarget(label));
        if (field && sItem->IsEnabled(field) && sItem->IsVisible(field)) sItem->Activate(field, 1);
    });
}

// The rounding type follows the button chosen; its radius field takes the focus.
void NotifyRoundingType(ItemRef item, DlgNotifierRef notifier) {
    WithSuites([&] {
        sItem->DefaultNotify(item, notifier);
        if (!UserChanged(notifier)) return;
        WorkingValues& w = gGlobals->settings.working;
        ItemBoolean(kItemRoundingQuarter + (w.TypeArrondi == 1 ? 1 : 0), false);
        w.TypeArrondi = sItem->GetID(item) - kItemRoundingQuarter;
        ItemBoolean(kItemRoundingQuarter + w.TypeArrondi, true);
        ItemRedraw(kItemRoundingQuarter);
        ItemRedraw(kItemRoundingProfile);
        if (ItemRef field = PaletteItem(kItemRounding)) sItem->Activate(field, 1);
    });
}

}  // namespace qzv
