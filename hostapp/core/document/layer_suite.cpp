// "AI Layer Suite" 9: the document's layers, topmost first.
#include "document/document.h"
#include "frame/host.h"

namespace drawhost {

namespace {

HostErr CountLayers(int32_t* count) {
    if (!count) return kErrBadParameter;
    *count = static_cast<int32_t>(TheDocument().layers.size());
    return kNoErr;
}

HostErr GetNthLayer(int32_t n, LayerHandle* layer) {
    if (!layer) return kErrBadParameter;
    const auto& layers = TheDocument().layers;
    if (n < 0) return kErrBadParameter;
    if (static_cast<size_t>(n) >= layers.size()) return kErrNotFound;
    *layer = LayerHandleOf(layers[static_cast<size_t>(n)]->id);
    return kNoErr;
}

HostErr GetCurrentLayer(LayerHandle* layer) {
    if (!layer) return kErrBadParameter;
    *layer = LayerHandleOf(TheDocument().currentLayer);
    return kNoErr;
}

HostErr SetCurrentLayer(LayerHandle layer) {
    Layer* l = DocumentFindLayer(layer);
    if (!l) return kErrBadLayer;
    TheDocument().currentLayer = l->id;
    return kNoErr;
}

// A new layer gets an empty title, as in the host; callers title it next.
HostErr InsertLayer(LayerHandle reference, int32_t placement, LayerHandle* layer) {
    return DocumentGuard([&]() -> HostErr {
        if (reference && !DocumentFindLayer(reference)) return kErrBadLayer;
        return DocumentInsertLayer(reference, placement, "", layer);
    });
}

HostErr GetLayerTitle(LayerHandle layer, char* buffer, int32_t size) {
    Layer* l = DocumentFindLayer(layer);
    if (!l) return kErrBadLayer;
    return DocumentCopyText(l->title, buffer, size);
}

HostErr SetLayerTitle(LayerHandle layer, const char* title) {
    return DocumentGuard([&]() -> HostErr {
        Layer* l = DocumentFindLayer(layer);
        if (!l) return kErrBadLayer;
        if (!title) return kErrBadParameter;
        l->title = title;
        return kNoErr;
    });
}

HostErr GetLayerEditable(LayerHandle layer, HostBool* editable) {
    Layer* l = DocumentFindLayer(layer);
    if (!l) return kErrBadLayer;
    if (!editable) return kErrBadParameter;
    *editable = l->editable ? 1 : 0;
    return kNoErr;
}

HostErr GetLayerVisible(LayerHandle layer, HostBool* visible) {
    Layer* l = DocumentFindLayer(layer);
    if (!l) return kErrBadLayer;
    if (!visible) return kErrBadParameter;
    *visible = l->visible ? 1 : 0;
    return kNoErr;
}

const LayerSuite kLayerSuite = {
    CountLayers,   GetNthLayer,   GetCurrentLayer,  SetCurrentLayer, InsertLayer,
    GetLayerTitle, SetLayerTitle, GetLayerEditable, GetLayerVisible,
};

SuiteRegistrar registration(kLayerSuiteName, kLayerSuiteVersion, &kLayerSuite);

}  // namespace

}  // namespace drawhost
