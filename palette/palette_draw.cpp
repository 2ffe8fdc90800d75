// How the palette paints itself: the dialog manager's background, then the
// icons under the invisible buttons and the labels of the tool's fields;
// the mode and rounding-type buttons draw their own bitmaps and frames.
#include "host/suites.h"
#include "palette/palette_bracket.h"
#include "palette/palette_ids.h"
#include "palette/palette_items.h"
#include "paint/paint_swatch.h"
#include "palette/palette_procs.h"
#include "plugin/globals.h"

namespace qzv {

namespace {

struct IconPlace {
    int32_t icon;
    IntPoint at;
};

// The labels in front of the three value fields of each tool.
constexpr IconPlace kCircleLabels[] = {
    {kIconRadiusLabel, {89, 28}}, {kIconCentreAngleLabel, {94, 50}}, {kIconStartAngleLabel, {89, 72}}};
constexpr IconPlace kRectLabels[] = {
    {kIconLengthLabel, {87, 28}}, {kIconWidthLabel, {91, 48}}, {kIconInclinationLabel, {86, 70}}};

constexpr IntPoint kSwapAt = {69, 0};
constexpr IntPoint kCloneAt = {67, 47};
constexpr IntPoint kSwitchAt = {67, 26};   // "Saillant/Rentrant" or the line switch

void DrawIconAt(DrawerRef drawer, int32_t iconId, IntPoint at) {
    IconRef icon = sIcon->GetFromResource(gGlobals->paletteState.plugin, iconId, 0);
    sDrawer->DrawIcon(drawer, icon, &at);
    sIcon->Destroy(icon);
}

// The icon at (67, 26) of the rectangle tool: the line switch in the line
// mode, a rectangle in the others.
int32_t RectSwitchIcon() {
    const Globals* g = gGlobals;
    if (g->tool.rectMode != kRectModeSegment) return kIconRectangle;
    return g->settings.working.LignePoly ? kIconPolyline : kIconSegment;
}

// A picture button of the palette: its bitmap at (1, 1), then a sunken frame
// and the inner rectangle inverted when it is the current choice, else a
// raised frame.
void DrawChoiceButton(ItemRef item, DrawerRef drawer, int32_t bitmap, bool current) {
    IntRect bounds = {0, 0, 0, 0};
    sItem->GetBoundsRect(item, &bounds);
    const IntRect frame = {0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top};
    const IntPoint at = {1, 1};
    sDrawer->DrawResPicture(drawer, gGlobals->paletteState.plugin, bitmap, &at);
    if (current) {
        sDrawer->DrawSunkenRect(drawer, &frame);
        const IntRect inner = {1, 1, frame.right - 1, frame.bottom - 1};
        sDrawer->InvertRect(drawer, &inner);
    } else {
        sDrawer->DrawRaisedRect(drawer, &frame);
    }
}

}  // namespace


void DrawModeButton(ItemRef item, DrawerRef drawer) {
    WithSuites([&] {
        const ModeButtonSpec* button = ModeButton(sItem->GetID(item));
        if (!button) return;
        const ToolState& t = gGlobals->tool;
        const bool circle = button->id <= kItemCircleModeLast;
        const int32_t mode = circle ? button->id - kItemCircleModeFirst : button->id - kItemRectModeFirst;
        const bool current = mode == (circle ? t.circleMode : t.rectMode);
        DrawChoiceButton(item, drawer, ModeButtonBitmap(*button, gGlobals->settings.working.Secteur), current);
    });
}

void DrawRoundingButton(ItemRef item, DrawerRef drawer) {
    WithSuites([&] {
        const int32_t type = sItem->GetID(item) - kItemRoundingQuarter;
        DrawChoiceButton(item, drawer, kPicRoundingFirst + type, type == gGlobals->settings.working.TypeArrondi);
    });
}

void DrawPalette(DialogRef dialog, DrawerRef drawer) {
    WithSuites([&] {
        const Globals* g = gGlobals;
        sDialog->DefaultDraw(dialog, drawer);
        ItemInt(kItemHelpPage, g->paletteState.helpPage);
        DrawIconAt(drawer, kIconSwap, kSwapAt);
        DrawPaintSwatch(drawer, IntPoint{69, 7});
        DrawIconAt(drawer, g->paletteState.cloneCount >= 1 ? kIconCloneActive : kIconCloneIdle, kCloneAt);
        if (g->currentTool == kToolRect) {
            for (const IconPlace& label : kRectLabels) DrawIconAt(drawer, label.icon, label.at);
            DrawIconAt(drawer, RectSwitchIcon(), kSwitchAt);
        } else {
            for (const IconPlace& label : kCircleLabels) DrawIconAt(drawer, label.icon, label.at);
            DrawIconAt(drawer, g->tool.complement ? kIconComplementOn : kIconComplementOff, kSwitchAt);
        }
    });
}

}  // namespace qzv
