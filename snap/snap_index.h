// What the snap search keeps of the document between two messages: every
// path in list order with its segments, whether the search skips it, and
// the bounds of its anchors and handles. Kept up to date from the host's
// record of changes, it lets the search pass over the paths and pieces that
// cannot be near the cursor without reading them again, and give exactly
// the result of reading everything. Its memory comes from the host's block
// allocator; it lives in Globals and is freed at shut-down.
#pragma once
#include <stdint.h>

#include "sdk_all.h"

namespace qzv {

enum class IndexedState : uint8_t {
    kSkipped,    // on a hidden layer, under construction, a guide, locked or hidden: never examined
    kEmpty,      // examined, but without segments
    kScanned,    // examined piece by piece
};

struct IndexedPath {
    ArtHandle art;
    int32_t first;            // its segments in the index's segment store
    int32_t count;
    int32_t capacity;         // slots it holds in the store
    IndexedState state;
    bool closed;
    bool editable;            // carries "modif"
    float left, bottom, right, top;   // bounds of every anchor and handle
    float margin;             // what single-precision evaluation may stray beyond those bounds
};

struct SnapIndex {
    IndexedPath* paths;       // in the document's list order
    int32_t pathCount, pathCapacity;
    PathSegment* segments;
    int32_t segmentCount, segmentCapacity;
    int32_t liveSegments;     // held by paths (the rest is room left by paths that grew)
    int32_t* slots;           // art -> path index, open addressing; -1 is free
    int32_t slotCapacity;     // a power of two, or 0
    uint64_t change;          // the document's change count the index agrees with
    bool valid;
};

// Hidden layers, the tools' own path under construction, guides, locked
// and hidden art are not snapped to.
bool SnapPathSkipped(ArtHandle art);

// Brings the index up to date with the document: the paths that changed
// since it was last brought up to date are read again, or everything when
// the art list or the layers changed. False when it cannot tell (no record
// of changes from the host, no memory, a failed read): the search then
// reads the document itself.
bool SnapIndexUpdate(SnapIndex& index);

// Gives the index's memory back to the host.
void SnapIndexFree(SnapIndex& index);

}  // namespace qzv
