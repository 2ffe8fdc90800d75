#include "palette/palette_flyout.h"

#include <initializer_list>

#include "geometry/host/host_marks.h"
#include "geometry/host/shape_art.h"
#include "host/suites.h"
#include "paint/colours_dialog.h"
#include "palette/palette_help.h"
#include "palette/palette_values.h"
#include "rounding/profile_editor.h"
#include "settings/preferences_dialog.h"
#include "tools/tool_common.h"
#include "tools/tool_modes.h"
#include "palette/palette_bracket.h"
#include "palette/palette_ids.h"
#include "palette/palette_items.h"
#include "palette/palette_procs.h"
#include "plugin/globals.h"
#include "resources/resource_ids.h"

namespace qzv {

namespace {

EntryRef Entry(int32_t entryId) {
    ItemRef flyout = PaletteItem(kDlgFlyoutMenuItemID);
    return flyout ? sList->FindEntry(sItem->GetList(flyout), entryId) : nullptr;
}

bool CircleModeIn(int32_t first, int32_t last) {
    const int32_t mode = gGlobals->tool.circleMode;
    return gGlobals->currentTool != kToolRect && mode >= first && mode <= last;
}

// The four switches of the circle tool; each is disabled in the rectangle tool.
void ToggleSector() {
    WorkingValues& w = gGlobals->settings.working;
    w.Secteur = !w.Secteur;
    FlyoutCheck(kFlySector, w.Secteur);
    PaletteResetCloneCounter();
    if (gGlobals->palette) {
        PaletteSetSectorPictures(gGlobals->palette);
        sDialog->Invalidate(gGlobals->palette);
    }
}

// The circle's centre cross put in or taken out: in, the circle joins a
// new group named after its mode with the two branches on top and the tag
// "PtCen"; out, the branches go and a circle left alone in its group comes
// out of it under its mode's name.
void MarkCentre(bool on) {
    Globals* g = gGlobals;
    ToolState& t = g->tool;
    ShapeArt& art = t.art;
    const ArtHandle circle = art.constructionPath;
    if (!ArtExists(circle) || !sArt || !sTag) return;
    const char* name = ModeName(kToolCircle, t.circleMode, false);
    if (on) {
        if (ArtExists(art.crossAlong)) return;
        // A circle still in its gesture's group (with its tangency marks)
        // keeps it; otherwise it gets a group of its own.
        ArtHandle parent = nullptr;
        const bool grouped = ArtExists(art.targetGroup) && sArt->GetArtParent(circle, &parent) == kNoErr &&
                             parent == art.targetGroup;
        if (!grouped) {
            ArtHandle group = nullptr;
            if (sArt->NewArt(kArtGroup, kPlaceAbove, circle, &group) != kNoErr) return;
            sArt->SetArtName(group, name);
            sArt->ReorderArt(circle, kPlaceInsideOnTop, group);
            art.targetGroup = group;
        }
        art.crossAlong = nullptr;
        art.crossAcross = nullptr;
        if (CreateCentreCross(art) != kNoErr) return;
        sTag->SetTag(circle, "PtCen", kTagTypeString, "jj");
        ShapeContext ctx = ToolShapeContext();
        WriteCentreCross(art, ctx, t.centre);
        return;
    }
    for (ArtHandle* branch : {&art.crossAlong, &art.crossAcross}) {
        if (ArtExists(*branch)) sArt->DisposeArt(*branch);
        *branch = nullptr;
    }
    sTag->RemoveTag(circle, "PtCen");
    ArtHandle parent = nullptr;
    if (sArt->GetArtParent(circle, &parent) != kNoErr || !ArtExists(parent)) return;
    ArtHandle first = nullptr, sibling = nullptr;
    const bool alone = sArt->GetArtFirstChild(parent, &first) == kNoErr && first == circle &&
                       sArt->GetArtSibling(circle, &sibling) == kNoErr && !sibling;
    // A layer's own group has no parent: the circle never leaves its layer.
    ArtHandle grandparent = nullptr;
    if (!alone || sArt->GetArtParent(parent, &grandparent) != kNoErr || !grandparent) return;
    if (sArt->ReorderArt(circle, kPlaceAbove, parent) != kNoErr) return;
    sArt->DisposeArt(parent);
    if (art.targetGroup == parent) art.targetGroup = nullptr;
    sArt->SetArtName(circle, name);
}

void ToggleCentreMark() {
    WorkingValues& w = gGlobals->settings.working;
    w.Centre = !w.Centre;
    FlyoutCheck(kFlyCentreMark, w.Centre);
    FlyoutEnable(kFlyRandomCross, w.Centre);
    MarkCentre(w.Centre);
}

void ToggleRandomCross() {
    WorkingValues& w = gGlobals->settings.working;
    if (!w.Centre) return;
    w.Alea = !w.Alea;
    FlyoutCheck(kFlyRandomCross, w.Alea);
    ToolState& t = gGlobals->tool;
    if (ArtExists(t.art.constructionPath)) {
        ShapeContext ctx = ToolShapeContext();
        WriteCentreCross(t.art, ctx, t.centre);
    }
}

void ToggleTangentMarks() {
    WorkingValues& w = gGlobals->settings.working;
    w.Tangente = !w.Tangente;
    FlyoutCheck(kFlyTangentMarks, w.Tangente);
    ToolState& t = gGlobals->tool;
    if (ArtExists(t.art.constructionPath) && t.circleMode >= kTangentOne) {
        ShapeContext ctx = ToolShapeContext();
        FinishCircleShape(t.art, ctx, t.circleMode, w.Tangente, t.centre, t.segments);
    }
}

struct SwitchRow {
    int32_t entry;
    void (*toggle)();
};
constexpr SwitchRow kSwitches[] = {
    {kFlySector, ToggleSector},
    {kFlyCentreMark, ToggleCentreMark},
    {kFlyRandomCross, ToggleRandomCross},
    {kFlyTangentMarks, ToggleTangentMarks},
};

PluginRef Plugin() { return gGlobals->paletteState.plugin; }

// The help pane: shown with the palette widened to 344 pixels (its left
// edge kept) on page 1, or hidden with the palette back to 172.
void ToggleHelp(EntryRef entry) {
    char text[64] = "";
    sEntry->GetText(entry, text, sizeof text);
    const bool hide = text[0] == 'M';
    sEntry->SetText(entry, hide ? "Afficher l'aide" : "Masquer l'aide");
    if (!hide) PaletteSetHelpPage(1);
    DialogRef palette = gGlobals->palette;
    if (!palette) return;
    IntRect bounds{};
    sDialog->GetBoundsRect(palette, &bounds);
    bounds.right = bounds.left + (hide ? kPaletteWidth : kPaletteHelpWidth);
    sDialog->SetBoundsRect(palette, &bounds);
}

}  // namespace

void FlyoutEnable(int32_t entryId, bool enable) {
    if (EntryRef e = Entry(entryId)) sEntry->Enable(e, enable);
}

void FlyoutCheck(int32_t entryId, bool check) {
    if (EntryRef e = Entry(entryId)) sEntry->Check(e, check);
}

void PaletteSetUpFlyout(DialogRef dialog, PluginRef plugin) {
    ItemRef flyout = sDialog->GetItem(dialog, kDlgFlyoutMenuItemID);
    if (!flyout) return;
    sItem->SetNotifyProc(flyout, NotifyFlyout);
    sList->SetMenuID(sItem->GetList(flyout), plugin, kMenuPaletteFlyout);
    const WorkingValues& w = gGlobals->settings.working;
    FlyoutCheck(kFlySector, w.Secteur);
    FlyoutEnable(kFlySector, false);
    FlyoutCheck(kFlyCentreMark, w.Centre);
    FlyoutEnable(kFlyRandomCross, w.Centre);
    FlyoutCheck(kFlyRandomCross, w.Alea);
    FlyoutCheck(kFlyTangentMarks, w.Tangente);
    FlyoutEnable(kFlyTangentMarks, false);
}

void PaletteFlyoutForTool() {
    const WorkingValues& w = gGlobals->settings.working;
    FlyoutEnable(kFlySector, CircleModeIn(kArcCentre, kArcThreePoints));
    FlyoutCheck(kFlySector, w.Secteur);
    FlyoutEnable(kFlyCentreMark, true);
    FlyoutCheck(kFlyCentreMark, w.Centre);
    FlyoutEnable(kFlyRandomCross, w.Centre);
    FlyoutCheck(kFlyRandomCross, w.Alea);
    FlyoutEnable(kFlyTangentMarks, CircleModeIn(kTangentOne, kTangentThree));
    FlyoutCheck(kFlyTangentMarks, w.Tangente);
    FlyoutEnable(kFlyColours, true);
    FlyoutEnable(kFlyPreferences, true);
    FlyoutEnable(kFlyHelp, true);
    FlyoutEnable(kFlyProfileEditor, gGlobals->currentTool == kToolRect);
}

void PaletteFlyoutOff() {
    for (int32_t id = 1; id <= kFlyEntryCount; ++id) FlyoutEnable(id, false);
}

// The picked entry's position names the action.
void NotifyFlyout(ItemRef item, DlgNotifierRef notifier) {
    WithSuites([&] {
        sItem->DefaultNotify(item, notifier);
        if (!sDlgNotifier->IsNotifierType(notifier, kNotifyUserChanged)) return;
        EntryRef picked = sList->GetActiveEntry(sItem->GetList(item));
        if (!picked) return;
        const int32_t entry = sEntry->GetIndex(picked) + 1;
        for (const SwitchRow& row : kSwitches) {
            if (row.entry != entry) continue;
            if (gGlobals->currentTool == kToolRect)
                FlyoutEnable(entry, false);
            else
                row.toggle();
        }
        switch (entry) {
            case kFlyColours: OpenColoursDialog(Plugin(), kColoursFromToolOptions); break;
            case kFlyProfileEditor: OpenProfileEditor(Plugin()); break;
            case kFlyPreferences: OpenPreferencesDialog(Plugin()); break;
            case kFlyHelp: ToggleHelp(picked); break;
            default: break;
        }
    });
}

}  // namespace qzv
