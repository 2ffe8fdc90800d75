#include "document/document.h"

#include <algorithm>

#include <cmath>

#include "frame/host.h"
#include "util/copy_out.h"

namespace drawhost {

namespace {

// Numbers never repeat within the process, so a handle from an earlier
// document (an earlier test) is as unknown as a random value. They start
// well above small integers that a careless caller might pass as handles.
DocId gNextId = 0x10000;

// The change count of every document of the process.
uint64_t gChangeCount = 1;

Document& Storage() {
    static Document doc;
    return doc;
}

// The fresh document exists before any reset hook runs (the session runner
// does not reset before the script).
struct InitialDocument {
    InitialDocument() { DocumentReset(); }
} initialDocument;

ResetRegistrar resetDocument([] { DocumentReset(); });

}  // namespace

Document& TheDocument() { return Storage(); }

DocId DocumentNewId() { return gNextId++; }

void DocumentSeedRandom(int32_t seed) { Storage().randomState = seed == 0 ? 1u : static_cast<uint32_t>(seed); }

void DocumentReset() {
    Document& doc = Storage();
    doc = Document{};
    doc.view.id = DocumentNewId();
    DocumentSeedRandom(1);
    LayerHandle first = nullptr;
    DocumentInsertLayer(nullptr, kLayerPlaceAbove, "Calque 1", &first);
    doc.currentLayer = IdOf(first);
    DocumentStructureChanged();
}

uint64_t DocumentChangeCount() { return gChangeCount; }

void DocumentArtChanged(DocId art, int32_t what) {
    Document& doc = Storage();
    ++gChangeCount;
    doc.changeLog[doc.changeLogNext] = Document::ChangeRecord{gChangeCount, art, what};
    doc.changeLogNext = (doc.changeLogNext + 1) % Document::kChangeLogSize;
}

bool DocumentArtsChangedSince(uint64_t since, std::vector<DocId>* arts, bool* structure) {
    const Document& doc = Storage();
    arts->clear();
    *structure = doc.structureChangedAt > since;
    // A full ring holds only the latest changes: when its oldest record is
    // after `since`, older ones may have been written over.
    const Document::ChangeRecord& oldest = doc.changeLog[doc.changeLogNext];
    if (oldest.change != 0 && oldest.change > since) return false;
    for (const Document::ChangeRecord& r : doc.changeLog)
        if (r.change > since && r.art != 0 && std::find(arts->begin(), arts->end(), r.art) == arts->end())
            arts->push_back(r.art);
    return true;
}

void DocumentStructureChanged() {
    ++gChangeCount;
    Storage().structureChangedAt = gChangeCount;
}

Art* DocumentArtById(DocId id) {
    if (id == 0) return nullptr;
    auto& arts = Storage().arts;
    auto it = arts.find(id);
    return it == arts.end() ? nullptr : it->second.get();
}

Art* DocumentFindArt(ArtHandle art) { return DocumentArtById(IdOf(art)); }

Layer* DocumentLayerById(DocId id) {
    if (id == 0) return nullptr;
    for (auto& layer : Storage().layers)
        if (layer->id == id) return layer.get();
    return nullptr;
}

Layer* DocumentFindLayer(LayerHandle layer) { return DocumentLayerById(IdOf(layer)); }

Layer* DocumentLayerOfArt(const Art& art) {
    const Art* a = &art;
    // Depth is bounded by the number of arts: the tree has no cycles, and the
    // bound keeps a corrupted tree from looping here.
    for (size_t steps = 0; a && steps <= Storage().arts.size(); ++steps) {
        if (a->parent == 0) return DocumentLayerById(a->layer);
        a = DocumentArtById(a->parent);
    }
    return nullptr;
}

Layer* DocumentCurrentLayer() { return DocumentLayerById(Storage().currentLayer); }

const Pattern* DocumentFindPattern(PatternHandle pattern) {
    DocId id = IdOf(pattern);
    for (const Pattern& p : Storage().patterns)
        if (p.id == id) return &p;
    return nullptr;
}

PathStyle DocumentDefaultStyle() {
    PathStyle s{};
    s.fillPaint = 0;
    s.fill.kind = kPaintNone;
    s.strokePaint = 1;
    s.stroke.color.kind = kPaintGray;
    s.stroke.color.gray = 1.0f;   // 1 = black
    s.stroke.width = 1.0f;
    s.stroke.cap = 0;
    s.stroke.join = 0;
    s.stroke.miterLimit = 4.0f;
    return s;
}

bool DocumentPointOk(const RealPoint& p) {
    return std::isfinite(p.h) && std::isfinite(p.v) && std::fabs(p.h) <= kMaxCoordinate &&
           std::fabs(p.v) <= kMaxCoordinate;
}

bool DocumentSegmentOk(const PathSegment& s) {
    return DocumentPointOk(s.p) && DocumentPointOk(s.in) && DocumentPointOk(s.out);
}

namespace {

bool Unit(float x) { return std::isfinite(x) && x >= 0.0f && x <= 1.0f; }

bool PaintOk(const PaintColor& c) {
    switch (c.kind) {
        case kPaintNone:
            return true;
        case kPaintGray:
            return Unit(c.gray);
        case kPaintRGB:
            return Unit(c.red) && Unit(c.green) && Unit(c.blue);
        case kPaintPattern: {
            if (!DocumentFindPattern(c.pattern)) return false;
            const float values[] = {c.shiftDistance, c.shiftAngle, c.scaleH, c.scaleV, c.rotation,
                                    c.reflectAngle, c.shearAngle, c.shearAxis, c.transform.a,
                                    c.transform.b, c.transform.c, c.transform.d, c.transform.tx,
                                    c.transform.ty};
            for (float v : values)
                if (!std::isfinite(v)) return false;
            return true;
        }
        default:
            return false;
    }
}

}  // namespace

HostErr DocumentCheckStyle(const PathStyle& style) {
    // A side that is switched off may hold anything: the host ignores it.
    if (style.fillPaint && !PaintOk(style.fill)) return kErrBadParameter;
    if (style.strokePaint && !PaintOk(style.stroke.color)) return kErrBadParameter;
    const StrokeStyle& s = style.stroke;
    if (!std::isfinite(s.width) || s.width < 0.0f || s.width > kMaxCoordinate) return kErrBadParameter;
    if (s.cap < 0 || s.cap > 2 || s.join < 0 || s.join > 2) return kErrBadParameter;
    if (!std::isfinite(s.miterLimit) || s.miterLimit < 0.0f) return kErrBadParameter;
    return kNoErr;
}

HostErr DocumentCopyText(const std::string& text, char* buffer, int32_t size) {
    if (!buffer || size < 1) return kErrBadParameter;
    CopyTextOut(text, buffer, size);
    return kNoErr;
}

namespace {

void CollectPaths(const Art& art, std::vector<const Art*>& out) {
    if (art.kind == kArtPath) {
        out.push_back(&art);
        return;
    }
    for (DocId child : art.children)
        if (const Art* c = DocumentArtById(child)) CollectPaths(*c, out);
}

}  // namespace

std::vector<const Art*> DocumentPathsInPaintOrder() {
    std::vector<const Art*> out;
    const auto& layers = Storage().layers;
    for (auto it = layers.rbegin(); it != layers.rend(); ++it)
        if (const Art* group = DocumentArtById((*it)->group)) CollectPaths(*group, out);
    return out;
}

}  // namespace drawhost
