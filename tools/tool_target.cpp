#include "tools/tool_target.h"

#include <cstring>

#include "geometry/host/shape_art.h"
#include "host/suites.h"
#include "plugin/globals.h"
#include "tools/tool_common.h"

namespace qzv {

namespace {

// Bytes of the UTF-8 character that starts with `lead` (1 for a stray byte).
size_t CharacterLength(unsigned char lead) {
    if (lead >= 0xF0 && lead < 0xF8) return 4;
    if (lead >= 0xE0) return lead < 0xF0 ? 3 : 1;
    if (lead >= 0xC0) return 2;
    return 1;
}

// The first layer whose title is the dedicated layer's, or null.
HostErr FindDedicatedLayer(LayerHandle* found) {
    *found = nullptr;
    int32_t count = 0;
    HostErr err = sLayer->CountLayers(&count);
    if (err) return err;
    for (int32_t i = 0; i < count; ++i) {
        LayerHandle layer = nullptr;
        if (sLayer->GetNthLayer(i, &layer) != kNoErr) continue;
        char title[256];
        if (sLayer->GetLayerTitle(layer, title, sizeof title) != kNoErr) continue;
        if (IsDedicatedLayerTitle(title)) {
            *found = layer;
            return kNoErr;
        }
    }
    return kNoErr;
}

HostErr ReceivingLayer(LayerHandle* layer) {
    if (!gGlobals->settings.general.Calque) return sLayer->GetCurrentLayer(layer);
    HostErr err = FindDedicatedLayer(layer);
    if (err || *layer) return err;
    LayerHandle current = nullptr;
    err = sLayer->GetCurrentLayer(&current);
    if (err) return err;
    err = sLayer->InsertLayer(current, kLayerPlaceAbove, layer);
    if (err) return err;
    return sLayer->SetLayerTitle(*layer, kDedicatedLayerTitle);
}

}  // namespace

bool IsDedicatedLayerTitle(const char* title) {
    if (std::strncmp(title, "QZV", 3) != 0 || title[3] == 0) return false;
    const char* rest = title + 3 + CharacterLength(static_cast<unsigned char>(title[3]));
    for (const char* c = title + 3; c < rest; ++c)
        if (*c == 0) return false;
    return std::strncmp(rest, "Vorn", 4) == 0;
}

HostErr PrepareTarget(PluginRef plugin, const char* name, TargetOutcome* outcome) {
    *outcome = TargetOutcome::kLocked;
    if (!sLayer || !sArt) return kErrSuiteNotFound;
    LayerHandle layer = nullptr;
    HostErr err = ReceivingLayer(&layer);
    if (err) return err;
    HostBool editable = 0;
    err = sLayer->GetLayerEditable(layer, &editable);
    if (err) return err;
    if (!editable) {
        ShowLockedLayerAlert(plugin);
        return kNoErr;
    }

    ArtHandle layerGroup = nullptr;
    err = sArt->GetFirstArtOfLayer(layer, &layerGroup);
    if (err) return err;
    ShapeArt& art = gGlobals->tool.art;
    if (ArtExists(art.targetGroup)) {
        ArtHandle child = nullptr;
        if (sArt->GetArtFirstChild(art.targetGroup, &child) == kNoErr && !child) sArt->DisposeArt(art.targetGroup);
    }
    art.targetGroup = nullptr;
    err = sArt->NewArt(kArtGroup, kPlaceInsideOnTop, layerGroup, &art.targetGroup);
    if (err) return err;
    err = sArt->SetArtName(art.targetGroup, name);
    if (err) return err;
    *outcome = TargetOutcome::kReady;
    return kNoErr;
}

}  // namespace qzv
