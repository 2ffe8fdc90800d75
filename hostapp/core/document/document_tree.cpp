// Creation, disposal and moves in the art tree, and layer insertion.
#include <algorithm>

#include "document/document.h"

namespace drawhost {

namespace {

// Where an art goes: into `group`, before the child at `index` (bottom
// first, so index = children.size() puts it on top).
struct Slot {
    Art* group = nullptr;
    size_t index = 0;
};

size_t IndexInParent(const Art& parent, DocId child) {
    auto it = std::find(parent.children.begin(), parent.children.end(), child);
    return static_cast<size_t>(it - parent.children.begin());
}

// Resolves a placement code. A null reference places the art in the current
// layer: on top for "above" and "inside on top", at the bottom otherwise.
HostErr ResolveSlot(int32_t placement, ArtHandle reference, Slot* slot) {
    if (placement < kPlaceAbove || placement > kPlaceInsideOnBottom) return kErrBadParameter;
    Art* ref = nullptr;
    if (reference) {
        ref = DocumentFindArt(reference);
        if (!ref) return kErrBadArt;
    } else {
        Layer* layer = DocumentCurrentLayer();
        if (!layer) return kErrBadLayer;
        ref = DocumentArtById(layer->group);
        if (!ref) return kErrCantHappen;
        placement = (placement == kPlaceAbove || placement == kPlaceInsideOnTop) ? kPlaceInsideOnTop
                                                                                  : kPlaceInsideOnBottom;
    }
    if (placement == kPlaceInsideOnTop || placement == kPlaceInsideOnBottom) {
        if (ref->kind != kArtGroup) return kErrBadParameter;
        slot->group = ref;
        slot->index = placement == kPlaceInsideOnTop ? ref->children.size() : 0;
    } else {
        // Above or below a layer group would put art outside every layer.
        Art* parent = DocumentArtById(ref->parent);
        if (!parent) return kErrBadParameter;
        slot->group = parent;
        size_t at = IndexInParent(*parent, ref->id);
        slot->index = placement == kPlaceAbove ? at + 1 : at;
    }
    Layer* layer = DocumentLayerOfArt(*slot->group);
    if (!layer) return kErrCantHappen;
    if (!layer->editable) return kErrLocked;
    return kNoErr;
}

void Detach(Art& art) {
    if (Art* parent = DocumentArtById(art.parent)) {
        auto& kids = parent->children;
        kids.erase(std::remove(kids.begin(), kids.end(), art.id), kids.end());
    }
    art.parent = 0;
}

void Attach(Art& art, const Slot& slot) {
    auto& kids = slot.group->children;
    kids.insert(kids.begin() + static_cast<std::ptrdiff_t>(std::min(slot.index, kids.size())), art.id);
    art.parent = slot.group->id;
}

bool IsAncestorOrSelf(const Art& maybeAncestor, const Art& art) {
    const Art* a = &art;
    for (size_t steps = 0; a && steps <= TheDocument().arts.size(); ++steps) {
        if (a == &maybeAncestor) return true;
        a = DocumentArtById(a->parent);
    }
    return false;
}

void DisposeTree(DocId id) {
    Document& doc = TheDocument();
    auto it = doc.arts.find(id);
    if (it == doc.arts.end()) return;
    std::unique_ptr<Art> art = std::move(it->second);
    doc.arts.erase(it);
    doc.disposed.push_back(id);
    DocumentArtChanged(id, kArtChangeDisposed);
    for (DocId child : art->children) DisposeTree(child);
}

// The art and every art inside it, for those who keep what they read.
void RecordTree(const Art& art, int32_t what) {
    DocumentArtChanged(art.id, what);
    for (DocId child : art.children)
        if (const Art* c = DocumentArtById(child)) RecordTree(*c, what);
}

// A copy of `art` and its children with new ids; the copies are entered in
// the table, the top copy is not yet attached.
Art* CopyTree(const Art& art, DocId parent) {
    auto copy = std::make_unique<Art>(art);
    copy->id = DocumentNewId();
    copy->parent = parent;
    copy->layer = 0;
    copy->children.clear();
    Art* raw = copy.get();
    TheDocument().arts.emplace(raw->id, std::move(copy));
    for (DocId child : art.children)
        if (const Art* c = DocumentArtById(child)) raw->children.push_back(CopyTree(*c, raw->id)->id);
    return raw;
}

}  // namespace

HostErr DocumentNewArt(int32_t kind, int32_t placement, ArtHandle reference, ArtHandle* newArt) {
    if (!newArt) return kErrBadParameter;
    if (kind != kArtGroup && kind != kArtPath) return kErrBadParameter;
    Slot slot;
    if (HostErr err = ResolveSlot(placement, reference, &slot)) return err;
    auto art = std::make_unique<Art>();
    art->id = DocumentNewId();
    art->kind = kind;
    if (kind == kArtPath) art->style = DocumentDefaultStyle();
    Art* raw = art.get();
    TheDocument().arts.emplace(raw->id, std::move(art));
    Attach(*raw, slot);
    *newArt = ArtHandleOf(raw->id);
    DocumentArtChanged(raw->id, kArtChangeMade);
    return kNoErr;
}

HostErr DocumentDisposeArt(ArtHandle handle) {
    Art* art = DocumentFindArt(handle);
    if (!art) return kErrBadArt;
    if (art->parent == 0) return kErrBadParameter;   // a layer group lives as long as its layer
    Detach(*art);
    DisposeTree(art->id);
    return kNoErr;
}

HostErr DocumentReorderArt(ArtHandle handle, int32_t placement, ArtHandle reference) {
    Art* art = DocumentFindArt(handle);
    if (!art) return kErrBadArt;
    if (art->parent == 0) return kErrBadParameter;
    Slot slot;
    if (HostErr err = ResolveSlot(placement, reference, &slot)) return err;
    // Moving an art into itself or one of its own descendants would cut it
    // off from its layer.
    if (IsAncestorOrSelf(*art, *slot.group)) return kErrBadParameter;
    if (reference && IdOf(reference) == art->id) return kErrBadParameter;
    // Removing the art first shifts later indices of the same group by one.
    if (slot.group->id == art->parent && IndexInParent(*slot.group, art->id) < slot.index) --slot.index;
    Detach(*art);
    Attach(*art, slot);
    RecordTree(*art, kArtChangeMoved);
    return kNoErr;
}

HostErr DocumentDuplicateArt(ArtHandle handle, int32_t placement, ArtHandle reference, ArtHandle* copy) {
    Art* art = DocumentFindArt(handle);
    if (!art) return kErrBadArt;
    if (!copy) return kErrBadParameter;
    if (art->parent == 0) return kErrBadParameter;
    Slot slot;
    if (HostErr err = ResolveSlot(placement, reference, &slot)) return err;
    Art* top = CopyTree(*art, 0);
    top->userAttr &= ~kArtSelected;
    Attach(*top, slot);
    *copy = ArtHandleOf(top->id);
    RecordTree(*top, kArtChangeMade);
    return kNoErr;
}

LayerColor DocumentLayerColor(size_t n) {
    // The colours a new layer gets in turn, as light tints that show well
    // over black artwork.
    static const LayerColor kColors[] = {{0.31f, 0.50f, 1.00f}, {1.00f, 0.31f, 0.31f}, {0.31f, 1.00f, 0.31f},
                                         {0.31f, 0.31f, 1.00f}, {1.00f, 1.00f, 0.31f}, {1.00f, 0.31f, 1.00f},
                                         {0.31f, 1.00f, 1.00f}, {0.50f, 0.50f, 0.50f}};
    return kColors[n % (sizeof kColors / sizeof kColors[0])];
}

HostErr DocumentInsertLayer(LayerHandle reference, int32_t placement, const std::string& title, LayerHandle* out) {
    if (!out) return kErrBadParameter;
    if (placement != kLayerPlaceAbove && placement != kLayerPlaceBelow) return kErrBadParameter;
    Document& doc = TheDocument();
    size_t index = placement == kLayerPlaceAbove ? 0 : doc.layers.size();
    if (reference) {
        Layer* ref = DocumentFindLayer(reference);
        if (!ref) return kErrBadLayer;
        for (size_t i = 0; i < doc.layers.size(); ++i)
            if (doc.layers[i].get() == ref) index = placement == kLayerPlaceAbove ? i : i + 1;
    }
    auto layer = std::make_unique<Layer>();
    layer->id = DocumentNewId();
    layer->title = title;
    layer->color = DocumentLayerColor(doc.layers.size());
    auto group = std::make_unique<Art>();
    group->id = DocumentNewId();
    group->kind = kArtGroup;
    group->layer = layer->id;
    layer->group = group->id;
    doc.arts.emplace(group->id, std::move(group));
    *out = LayerHandleOf(layer->id);
    doc.layers.insert(doc.layers.begin() + static_cast<std::ptrdiff_t>(index), std::move(layer));
    DocumentStructureChanged();
    return kNoErr;
}

}  // namespace drawhost
