#include "paint/paint_apply.h"

#include "geometry/host/shape_art.h"
#include "host/suites.h"
#include "palette/palette.h"
#include "plugin/globals.h"

namespace qzv {

namespace {

constexpr int32_t kPaletteStrokeWeight = 8;   // follows the stroke
constexpr int32_t kPaletteColours = 31;       // follows the palette's enabling

// Item 8 is enabled only while the palette's items are (the colours button
// tells) and the stroke is painted; in the circle mode "Tangente 3" it
// follows the palette alone.
void FollowStrokeInPalette(Globals& g) {
    if (!g.palette || !sDialog || !sItem) return;
    ItemRef weight = sDialog->GetItem(g.palette, kPaletteStrokeWeight);
    ItemRef colours = sDialog->GetItem(g.palette, kPaletteColours);
    if (!weight || !colours) return;
    const bool itemsOn = sItem->IsEnabled(colours) != 0;
    const bool anyStroke = g.currentTool != kToolRect && g.tool.circleMode == kTangentThree;
    sItem->Enable(weight, itemsOn && (g.settings.paint.stroke.paintOn || anyStroke) ? 1 : 0);
}

void Paint(ArtHandle art, const PathStyle& style) {
    if (ArtExists(art)) sPathStyle->SetPathStyle(art, &style);
}

}  // namespace

void RepaintCurrentShape() {
    Globals* g = gGlobals;
    if (!g || !sPathStyle || !sArt) return;
    ShapeArt& art = g->tool.art;
    const ArtHandle shape = g->currentTool == kToolCircle ? art.constructionPath
                            : g->currentTool == kToolRect ? art.rectPath
                                                          : nullptr;
    if (!ArtExists(shape)) return;
    SetStrokeWeights(g->styles, g->settings.working.Epaisseur);
    Paint(shape, g->styles.shape);
    SetStrokeWeights(g->styles, g->settings.working.EpaisCentre);
    Paint(art.crossAlong, g->styles.mark);
    Paint(art.crossAcross, g->styles.mark);
    for (ArtHandle tick : art.ticks) Paint(tick, g->styles.mark);
}

void ApplyCommittedPaint() {
    Globals* g = gGlobals;
    if (!g) return;
    RebuildPathStyles(g->settings.paint, g->settings.working.Epaisseur, g->styles);
    FollowStrokeInPalette(*g);
    PaletteRedraw();
    RepaintCurrentShape();
}

void ExchangeFillAndStroke() {
    Globals* g = gGlobals;
    if (!g) return;
    SwapPaintSides(g->settings.paint);
    ApplyCommittedPaint();
}

}  // namespace qzv
