#include "settings/preferences_drawing.h"

#include "host/suites.h"
#include "paint/paint_swatch.h"
#include "plugin/globals.h"
#include "resources/dialog_resource_ids.h"

namespace qzv {

namespace {

constexpr IntRect kCommonFrame = {3, 9, 337, 124};
constexpr IntRect kPageFrame = {3, 150, 337, 240};
constexpr IntPoint kCommonTitle = {12, 9};
constexpr IntPoint kSwatches[] = {{11, 17}, {11, 159}};

void DrawListIcon(DrawerRef drawer, PluginRef plugin, int32_t list, int32_t entry, IntPoint at) {
    if (!sIcon) return;
    IconRef icon = sIcon->GetFromResource(plugin, list, entry);
    if (!icon) return;
    sDrawer->DrawIcon(drawer, icon, &at);
    sIcon->Destroy(icon);
}

// A frame's title sits on its top edge, over a strip of background.
void FrameTitle(DrawerRef drawer, const char* text, IntPoint at) {
    int32_t ascent = 0, descent = 0, leading = 0;
    sDrawer->GetFontInfo(drawer, &ascent, &descent, &leading);
    const int32_t width = sDrawer->GetTextWidth(drawer, text);
    const IntRect strip = {at.h - 3, at.v - ascent / 2 - 1, at.h + width + 3, at.v + ascent / 2 + descent + 1};
    sDrawer->SetColor(drawer, kColorBackground);
    sDrawer->FillRect(drawer, &strip);
    sDrawer->SetColor(drawer, kColorText);
    const IntPoint baseline = {at.h, at.v + ascent / 2};
    sDrawer->DrawText(drawer, text, &baseline);
}

}  // namespace

void DrawPreferencesBackground(DialogRef dialog, DrawerRef drawer) {
    sDialog->DefaultDraw(dialog, drawer);
    Globals* g = gGlobals;
    if (!g || !sDrawer) return;
    const PluginRef plugin = g->prefsDialog.plugin;
    sDrawer->DrawRaisedRect(drawer, &kCommonFrame);
    FrameTitle(drawer, "Préférences communes", kCommonTitle);
    sDrawer->DrawSunkenRect(drawer, &kPageFrame);
    const IntRect inner = {kPageFrame.left + 1, kPageFrame.top + 1, kPageFrame.right - 1, kPageFrame.bottom - 1};
    sDrawer->DrawRaisedRect(drawer, &inner);
    for (IntPoint at : kSwatches) DrawPaintSwatch(drawer, at);
    DrawListIcon(drawer, plugin, kIconListMarks, kIconEntryTolerance, {248, 18});
    if (g->prefsDialog.page == 0) {
        DrawListIcon(drawer, plugin, kIconListMarks, kIconEntryBranchLength, {6, 185});
        sDrawer->SetColor(drawer, kColorText);
        const IntPoint radius = {6, 225}, angle = {250, 225};
        sDrawer->DrawText(drawer, "^R", &radius);
        sDrawer->DrawText(drawer, "^a", &angle);
    } else {
        DrawListIcon(drawer, plugin, kIconListLabels, kIconEntryRotation, {252, 158});
    }
}

void DrawNextLaunchNote(ItemRef, DrawerRef drawer) {
    Globals* g = gGlobals;
    if (!g || !sDrawer) return;
    if (g->settings.pending.OutilsGroupe == g->settings.general.OutilsGroupe) return;
    sDrawer->SetFont(drawer, kFontPalette);
    sDrawer->SetColor(drawer, kColorShadow);
    const IntPoint star = {210, 12}, note = {12, 24};
    sDrawer->DrawText(drawer, "*", &star);
    sDrawer->DrawText(drawer, "* Au prochain lancement de l'application.", &note);
}

void DrawPrecisionSample(ItemRef, DrawerRef drawer) {
    Globals* g = gGlobals;
    if (!g || !sDrawer) return;
    const int precision = g->settings.pending.Precision;
    const bool comma = g->paletteState.decimalSeparator != '.';
    sDrawer->SetColor(drawer, kColorShadow);
    const IntRect integer = {1, 6, 6, 16};
    sDrawer->FillRect(drawer, &integer);
    if (comma) {
        const IntPoint mark[] = {{7, 13}, {9, 13}, {9, 16}, {7, 19}};
        sDrawer->FillPolygon(drawer, mark, 4);
    } else {
        const IntRect mark = {7, 13, 9, 16};
        sDrawer->FillRect(drawer, &mark);
    }
    for (int k = 0; k < 5; ++k) {
        sDrawer->SetColor(drawer, k < precision ? kColorRed : kColorShadow);
        const IntRect digit = {10 + 3 * k, 10, 12 + 3 * k, 16};
        sDrawer->FillRect(drawer, &digit);
    }
}

}  // namespace qzv
