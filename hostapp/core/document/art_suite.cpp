// "AI Art Suite" 10: the art tree as plug-ins see it.
#include <algorithm>

#include "document/path_geometry.h"
#include "document/document.h"
#include "frame/host.h"

namespace drawhost {

namespace {

constexpr int32_t kKnownAttr = kArtLocked | kArtHidden | kArtSelected;

HostErr NewArt(int32_t kind, int32_t placement, ArtHandle reference, ArtHandle* newArt) {
    return DocumentGuard([&] { return DocumentNewArt(kind, placement, reference, newArt); });
}

HostErr DisposeArt(ArtHandle art) {
    return DocumentGuard([&] { return DocumentDisposeArt(art); });
}

HostErr ReorderArt(ArtHandle art, int32_t placement, ArtHandle reference) {
    return DocumentGuard([&] { return DocumentReorderArt(art, placement, reference); });
}

HostErr DuplicateArt(ArtHandle art, int32_t placement, ArtHandle reference, ArtHandle* copy) {
    return DocumentGuard([&] { return DocumentDuplicateArt(art, placement, reference, copy); });
}

HostErr GetFirstArtOfLayer(LayerHandle layer, ArtHandle* group) {
    Layer* l = DocumentFindLayer(layer);
    if (!l) return kErrBadLayer;
    if (!group) return kErrBadParameter;
    *group = ArtHandleOf(l->group);
    return kNoErr;
}

HostErr GetLayerOfArt(ArtHandle art, LayerHandle* layer) {
    Art* a = DocumentFindArt(art);
    if (!a) return kErrBadArt;
    if (!layer) return kErrBadParameter;
    Layer* l = DocumentLayerOfArt(*a);
    if (!l) return kErrCantHappen;
    *layer = LayerHandleOf(l->id);
    return kNoErr;
}

HostErr GetArtType(ArtHandle art, int32_t* kind) {
    Art* a = DocumentFindArt(art);
    if (!a) return kErrBadArt;
    if (!kind) return kErrBadParameter;
    *kind = a->kind;
    return kNoErr;
}

// Bits outside the known attributes read as 0 and are not stored.
HostErr GetArtUserAttr(ArtHandle art, int32_t mask, int32_t* attr) {
    Art* a = DocumentFindArt(art);
    if (!a) return kErrBadArt;
    if (!attr) return kErrBadParameter;
    *attr = a->userAttr & mask & kKnownAttr;
    return kNoErr;
}

HostErr SetArtUserAttr(ArtHandle art, int32_t mask, int32_t attr) {
    Art* a = DocumentFindArt(art);
    if (!a) return kErrBadArt;
    mask &= kKnownAttr;
    a->userAttr = (a->userAttr & ~mask) | (attr & mask);
    DocumentArtChanged(a->id);
    return kNoErr;
}

HostErr GetArtParent(ArtHandle art, ArtHandle* parent) {
    Art* a = DocumentFindArt(art);
    if (!a) return kErrBadArt;
    if (!parent) return kErrBadParameter;
    *parent = ArtHandleOf(a->parent);   // null for a layer group
    return kNoErr;
}

HostErr GetArtFirstChild(ArtHandle art, ArtHandle* child) {
    Art* a = DocumentFindArt(art);
    if (!a) return kErrBadArt;
    if (!child) return kErrBadParameter;
    *child = ArtHandleOf(a->children.empty() ? 0 : a->children.front());
    return kNoErr;
}

// The sibling `step` places away in paint order (+1 above, -1 below), or null.
HostErr Sibling(ArtHandle art, int step, ArtHandle* out) {
    Art* a = DocumentFindArt(art);
    if (!a) return kErrBadArt;
    if (!out) return kErrBadParameter;
    *out = nullptr;
    Art* parent = DocumentArtById(a->parent);
    if (!parent) return kNoErr;
    const auto& kids = parent->children;
    auto it = std::find(kids.begin(), kids.end(), a->id);
    if (it == kids.end()) return kErrCantHappen;
    if (step > 0 && it + 1 != kids.end()) *out = ArtHandleOf(*(it + 1));
    if (step < 0 && it != kids.begin()) *out = ArtHandleOf(*(it - 1));
    return kNoErr;
}

HostErr GetArtSibling(ArtHandle art, ArtHandle* next) { return Sibling(art, +1, next); }
HostErr GetArtPriorSibling(ArtHandle art, ArtHandle* prior) { return Sibling(art, -1, prior); }

HostBool ValidArt(ArtHandle art) { return DocumentFindArt(art) != nullptr; }

HostErr GetArtName(ArtHandle art, char* buffer, int32_t size) {
    Art* a = DocumentFindArt(art);
    if (!a) return kErrBadArt;
    return DocumentCopyText(a->name, buffer, size);
}

HostErr SetArtName(ArtHandle art, const char* name) {
    return DocumentGuard([&]() -> HostErr {
        Art* a = DocumentFindArt(art);
        if (!a) return kErrBadArt;
        if (!name) return kErrBadParameter;
        a->name = name;
        return kNoErr;
    });
}

HostErr GetArtCenterPointVisible(ArtHandle art, HostBool* visible) {
    Art* a = DocumentFindArt(art);
    if (!a) return kErrBadArt;
    if (!visible) return kErrBadParameter;
    *visible = a->centerPointVisible ? 1 : 0;
    return kNoErr;
}

HostErr SetArtCenterPointVisible(ArtHandle art, HostBool visible) {
    Art* a = DocumentFindArt(art);
    if (!a) return kErrBadArt;
    a->centerPointVisible = visible != 0;
    return kNoErr;
}

HostErr GetArtBounds(ArtHandle art, RealRect* bounds) {
    Art* a = DocumentFindArt(art);
    if (!a) return kErrBadArt;
    if (!bounds) return kErrBadParameter;
    ArtBox box;
    ArtBoundsAdd(*a, &box);
    if (box.empty) return kErrNotFound;   // an empty group or a path without segments
    *bounds = ArtBoxToRect(box);
    return kNoErr;
}

const ArtSuite kArtSuite = {
    NewArt,        DisposeArt,         ReorderArt,       DuplicateArt,     GetFirstArtOfLayer,
    GetLayerOfArt, GetArtType,         GetArtUserAttr,   SetArtUserAttr,   GetArtParent,
    GetArtFirstChild, GetArtSibling,   GetArtPriorSibling, ValidArt,       GetArtName,
    SetArtName,    GetArtCenterPointVisible, SetArtCenterPointVisible, GetArtBounds,
};

SuiteRegistrar registration(kArtSuiteName, kArtSuiteVersion, &kArtSuite);

}  // namespace

}  // namespace drawhost
