// drawhost's document: layers, the art tree of groups and paths, the
// document's patterns and settings, and the front view. One record holds it
// all; the application suites, the session commands and the outputs read and
// write it through the functions below.
//
// Paint order: a group's children are kept bottom first, in the order they
// are painted. "First child" is the bottom-most child and "next sibling" the
// one painted just above it. Layers are kept top first (layer 0 = topmost),
// as the layer suite numbers them.
//
// Handles: every art, layer, pattern, view and hit record gets a number from
// one process-wide counter that never repeats, not even across resets. A
// handle is that number; it is looked up, never dereferenced, so a disposed
// art's handle or a random value simply is not found.
#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <new>
#include <string>
#include <unordered_map>
#include <vector>

#include "sdk_all.h"

namespace drawhost {

using DocId = uint64_t;   // 0 = none

// Largest coordinate magnitude the document accepts, in points.
constexpr float kMaxCoordinate = 1.0e7f;

struct Art {
    DocId id = 0;
    int32_t kind = kArtGroup;           // kArtGroup or kArtPath
    DocId parent = 0;                   // the holding group; 0 for a layer group
    DocId layer = 0;                    // set on layer groups only: their layer
    std::vector<DocId> children;        // groups only, bottom first

    std::string name;
    std::map<std::string, std::string> tags;   // all of type "string"
    int32_t userAttr = 0;               // kArtLocked | kArtHidden | kArtSelected
    bool centerPointVisible = false;

    // Paths only.
    std::vector<PathSegment> segments;
    bool closed = false;
    bool guide = false;
    PathStyle style{};
};

struct LayerColor {
    float red, green, blue;            // 0..1, the layer's selection colour
};

struct Layer {
    DocId id = 0;
    std::string title;
    bool visible = true;
    bool editable = true;
    LayerColor color{};
    DocId group = 0;                    // its layer group (an Art of kind group)
};

struct Pattern {
    DocId id = 0;
    std::string name;
};

struct FrontView {
    DocId id = 0;
    float zoom = 1.0f;                  // view pixels per point
    RealPoint origin{0.0f, 900.0f};     // the artwork point at the view's top-left corner
};

// View size in pixels; the PNG output has this size too.
constexpr int32_t kViewWidth = 1200;
constexpr int32_t kViewHeight = 900;

struct Document {
    // --- art tree (written by the art, path, tag and transform suites and
    //     the document commands; every reachable id is a key of `arts`) ---
    std::unordered_map<DocId, std::unique_ptr<Art>> arts;
    std::vector<DocId> disposed;        // ids disposed of since the reset (for the invariants)

    // --- layers (written by the layer suite and the `layer` command) ---
    std::vector<std::unique_ptr<Layer>> layers;   // topmost first
    DocId currentLayer = 0;             // always one of `layers`

    // --- document settings (written by commands; read by suites) ---
    std::vector<Pattern> patterns;      // in the order they were added
    int32_t rulerUnits = kUnitPoints;
    bool cursorSnap = true;             // the user's snapping setting
    uint32_t randomState = 0;           // the random suite's generator state

    // --- front view (written by the view suite and the `zoom` command) ---
    FrontView view;

    // --- changes (every operation that changes art or layers; read by the
    //     document changes suite, so that a plug-in can keep what it read) ---
    struct ChangeRecord {
        uint64_t change = 0;            // the change count after the change
        DocId art = 0;                  // the art that changed
        int32_t what = 0;               // kArtChange bits
    };
    static constexpr size_t kChangeLogSize = 64;
    ChangeRecord changeLog[kChangeLogSize];   // a ring of the latest art changes
    size_t changeLogNext = 0;
    uint64_t structureChangedAt = 0;    // the count at the latest change of the art list or the layers

    // --- transient host records (hit test and matching art suites) ---
    std::map<DocId, DocId> hits;        // hit handle -> art hit (0 = nothing)
    std::vector<ArtHandle> matching;    // the array last handed out by the matching art suite
};

Document& TheDocument();

// Replaces the document with a fresh one: one layer "Calque 1", editable,
// visible and current; ruler in points; snapping on; zoom 1; seed 1.
void DocumentReset();

// Seeds the random suite's generator; 0 is taken as 1 (the generator's
// state must not be 0).
void DocumentSeedRandom(int32_t seed);

// A number for a new handle.
DocId DocumentNewId();

// --- handles ---
inline ArtHandle ArtHandleOf(DocId id) { return reinterpret_cast<ArtHandle>(static_cast<uintptr_t>(id)); }
inline LayerHandle LayerHandleOf(DocId id) { return reinterpret_cast<LayerHandle>(static_cast<uintptr_t>(id)); }
inline DocId IdOf(const void* handle) { return static_cast<DocId>(reinterpret_cast<uintptr_t>(handle)); }

Art* DocumentFindArt(ArtHandle art);              // null when not a live art
Art* DocumentArtById(DocId id);
Layer* DocumentFindLayer(LayerHandle layer);      // null when not a layer of the document
Layer* DocumentLayerById(DocId id);
Layer* DocumentLayerOfArt(const Art& art);        // the layer whose group holds it
Layer* DocumentCurrentLayer();
const Pattern* DocumentFindPattern(PatternHandle pattern);

// --- tree operations (HostErr: kNoErr or the reason nothing changed) ---
HostErr DocumentNewArt(int32_t kind, int32_t placement, ArtHandle reference, ArtHandle* newArt);
HostErr DocumentDisposeArt(ArtHandle art);
HostErr DocumentReorderArt(ArtHandle art, int32_t placement, ArtHandle reference);
HostErr DocumentDuplicateArt(ArtHandle art, int32_t placement, ArtHandle reference, ArtHandle* copy);
// Inserts a new layer above (5) or below (6) `reference`; a null reference
// means above all or below all. The new layer is not made current.
HostErr DocumentInsertLayer(LayerHandle reference, int32_t placement, const std::string& title, LayerHandle* layer);
// The selection colour of the n-th layer made (0 = the first).
LayerColor DocumentLayerColor(size_t n);

// The style a new path gets: no fill, a black stroke of 1 point, miter joins.
PathStyle DocumentDefaultStyle();

// --- checks shared by the suites ---
bool DocumentPointOk(const RealPoint& p);         // finite and within kMaxCoordinate
bool DocumentSegmentOk(const PathSegment& s);
HostErr DocumentCheckStyle(const PathStyle& style);   // kErrBadParameter for an unusable style

// Copies UTF-8 text into a caller's buffer, cut at a character boundary when
// it does not fit and always terminated. kErrBadParameter for a null buffer
// or a size below 1.
HostErr DocumentCopyText(const std::string& text, char* buffer, int32_t size);

// Runs a suite operation, turning an exception (out of memory) into an
// error code: no exception leaves a suite call.
template <typename F>
HostErr DocumentGuard(F&& f) {
    try {
        return f();
    } catch (const std::bad_alloc&) {
        return kErrOutOfMemory;
    } catch (...) {
        return kErrCantHappen;
    }
}

// The document's change count: it grows with every change and never goes
// back, not even across resets, so a count read earlier is always older.
uint64_t DocumentChangeCount();
// One art changed (`what`, kArtChange bits): a path's segments, closedness
// or guide flag, an art's attributes or tags; or the art was made, disposed
// of or moved.
void DocumentArtChanged(DocId art, int32_t what = kArtChangeContent);
// The layers changed (a layer made, hidden, shown, locked, unlocked), or
// anything a reader cannot follow art by art: whoever keeps what they read
// reads everything again.
void DocumentStructureChanged();

// The arts whose own content changed after the count `since`, each once,
// and in *structure whether the art list or the layers changed too; false
// when the record of changes no longer reaches back that far.
bool DocumentArtsChangedSince(uint64_t since, std::vector<DocId>* arts, bool* structure);

// Every path of the document in paint order (layers bottom up, depth first).
std::vector<const Art*> DocumentPathsInPaintOrder();

}  // namespace drawhost
