// The palette's items by id. Every helper does nothing while the palette
// does not exist or the dialog manager did not make the item.
#include "host/suites.h"
#include "palette/palette.h"
#include "palette/palette_ids.h"
#include "palette/palette_procs.h"
#include "plugin/globals.h"

namespace qzv {

ItemRef PaletteItem(int32_t id) {
    const Globals* g = gGlobals;
    if (!g || !g->palette || !sDialog) return nullptr;
    return sDialog->GetItem(g->palette, id);
}

void ItemEnable(int32_t id, bool enable) {
    if (ItemRef item = PaletteItem(id)) sItem->Enable(item, enable);
}

void ItemShow(int32_t id, bool show) {
    if (ItemRef item = PaletteItem(id)) sItem->Show(item, show);
}

void ItemEnableRange(int32_t first, int32_t last, bool enable) {
    for (int32_t id = first; id <= last; ++id) ItemEnable(id, enable);
}

void ItemShowRange(int32_t first, int32_t last, bool show) {
    for (int32_t id = first; id <= last; ++id) ItemShow(id, show);
}

void ItemTip(int32_t id, const char* tip) {
    if (ItemRef item = PaletteItem(id)) sItem->SetTipString(item, tip);
}

void ItemFloat(int32_t id, float value) {
    if (ItemRef item = PaletteItem(id)) sItem->SetFloatValue(item, value);
}

void ItemInt(int32_t id, int32_t value) {
    if (ItemRef item = PaletteItem(id)) sItem->SetIntValue(item, value);
}

void ItemBoolean(int32_t id, bool value) {
    if (ItemRef item = PaletteItem(id)) sItem->SetBooleanValue(item, value);
}

void ItemRedraw(int32_t id) {
    if (ItemRef item = PaletteItem(id)) sItem->Invalidate(item);
}

void PaletteResetCloneCounter() {
    PaletteState& p = gGlobals->paletteState;
    if (p.cloneCount == 0) return;
    p.cloneCount = 0;
    // The clone icon is painted by the palette under item 70.
    PaletteRedraw();
    ItemInt(kItemCloneCount, 0);
}

float PaletteScaleFactor() {
    const WorkingValues& w = gGlobals->settings.working;
    if (w.EchelleNum < 1 || w.EchelleDen < 1) return 1.0f;
    return static_cast<float>(w.EchelleNum) / static_cast<float>(w.EchelleDen);
}

}  // namespace qzv
