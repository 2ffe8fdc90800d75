#include "snap/snap_index.h"

#include <cmath>
#include <cstring>
#include <initializer_list>

#include "host/suites.h"

namespace qzv {

namespace {

// The changes suite is the host's own extension: it is acquired for each
// update and released at once, and its absence is no error.
struct Changes {
    const DocumentChangesSuite* suite = nullptr;
    Changes() {
        const void* found = nullptr;
        if (sBasic && sBasic->AcquireSuite(kDocumentChangesSuiteName, kDocumentChangesSuiteVersion, &found) == kNoErr)
            suite = static_cast<const DocumentChangesSuite*>(found);
    }
    ~Changes() {
        if (suite) sBasic->ReleaseSuite(kDocumentChangesSuiteName, kDocumentChangesSuiteVersion);
    }
};

bool ArtHas(ArtHandle art, const char* tag) {
    char value[8];
    return sTag->GetTag(art, tag, value, sizeof value) == kNoErr;
}

// A store of `capacity` elements of T, grown to hold `needed`, contents kept.
template <typename T>
bool Reserve(T*& store, int32_t& capacity, int32_t used, int32_t needed) {
    if (needed <= capacity) return true;
    int64_t grown = capacity > 0 ? capacity : 64;
    while (grown < needed) grown *= 2;
    if (grown > INT32_MAX / static_cast<int64_t>(sizeof(T))) return false;
    void* block = nullptr;
    if (sBasic->AllocateBlock(static_cast<size_t>(grown) * sizeof(T), &block) != kNoErr || !block) return false;
    if (store && used > 0) std::memcpy(block, store, static_cast<size_t>(used) * sizeof(T));
    if (store) sBasic->FreeBlock(store);
    store = static_cast<T*>(block);
    capacity = static_cast<int32_t>(grown);
    return true;
}

uint32_t Hash(ArtHandle art) {
    uint64_t x = reinterpret_cast<uintptr_t>(art);
    x ^= x >> 33;
    x *= 0xff51afd7ed558ccdULL;
    x ^= x >> 33;
    return static_cast<uint32_t>(x);
}

int32_t Find(const SnapIndex& index, ArtHandle art) {
    if (index.slotCapacity == 0) return -1;
    const uint32_t mask = static_cast<uint32_t>(index.slotCapacity - 1);
    for (uint32_t at = Hash(art) & mask;; at = (at + 1) & mask) {
        const int32_t slot = index.slots[at];
        if (slot < 0) return -1;
        if (index.paths[slot].art == art) return slot;
    }
}

bool MakeSlots(SnapIndex& index) {
    int32_t wanted = 16;
    while (wanted < index.pathCount * 2) wanted *= 2;
    if (wanted > index.slotCapacity) {
        if (index.slots) sBasic->FreeBlock(index.slots);
        index.slots = nullptr;
        index.slotCapacity = 0;
        void* block = nullptr;
        if (sBasic->AllocateBlock(static_cast<size_t>(wanted) * sizeof(int32_t), &block) != kNoErr || !block)
            return false;
        index.slots = static_cast<int32_t*>(block);
        index.slotCapacity = wanted;
    }
    std::memset(index.slots, 0xff, static_cast<size_t>(index.slotCapacity) * sizeof(int32_t));
    const uint32_t mask = static_cast<uint32_t>(index.slotCapacity - 1);
    for (int32_t i = 0; i < index.pathCount; ++i) {
        uint32_t at = Hash(index.paths[i].art) & mask;
        while (index.slots[at] >= 0) at = (at + 1) & mask;
        index.slots[at] = i;
    }
    return true;
}

void Bound(IndexedPath& p, const PathSegment* segments) {
    float left = INFINITY, right = -INFINITY, bottom = INFINITY, top = -INFINITY, largest = 0.0f;
    for (int32_t i = 0; i < p.count; ++i)
        for (const RealPoint& q : {segments[i].p, segments[i].in, segments[i].out}) {
            left = std::fmin(left, q.h);
            right = std::fmax(right, q.h);
            bottom = std::fmin(bottom, q.v);
            top = std::fmax(top, q.v);
            largest = std::fmax(largest, std::fmax(std::fabs(q.h), std::fabs(q.v)));
        }
    p.left = left;
    p.right = right;
    p.bottom = bottom;
    p.top = top;
    // A cubic lies in the hull of its control points; evaluated in single
    // precision its points stray from it by a few units of the last place
    // of its coordinates (the Bernstein weights and their sum are each
    // rounded): a hundred thousandth of the largest, far above that.
    p.margin = 1.0e-3f + 1.0e-5f * largest;
}

// Reads one path into its entry; false on a failed read of its segments.
bool ReadPath(SnapIndex& index, IndexedPath& p) {
    int32_t count = 0;
    p.count = 0;
    if (SnapPathSkipped(p.art) || sPath->GetPathSegmentCount(p.art, &count) != kNoErr) {
        p.state = IndexedState::kSkipped;
        return true;
    }
    HostBool closed = 0;
    sPath->GetPathClosed(p.art, &closed);
    p.closed = closed != 0;
    p.editable = ArtHas(p.art, "modif");
    if (count <= 0) {
        p.state = IndexedState::kEmpty;
        return true;
    }
    if (count > p.capacity) {
        // The path grew: it takes new room at the end of the store.
        if (!Reserve(index.segments, index.segmentCapacity, index.segmentCount, index.segmentCount + count))
            return false;
        index.liveSegments -= p.capacity;
        p.first = index.segmentCount;
        p.capacity = count;
        index.segmentCount += count;
        index.liveSegments += count;
    }
    if (sPath->GetPathSegments(p.art, 0, count, index.segments + p.first) != kNoErr) return false;
    p.count = count;
    p.state = IndexedState::kScanned;
    Bound(p, index.segments + p.first);
    return true;
}

bool Rebuild(SnapIndex& index, uint64_t change) {
    index.valid = false;
    const ArtHandle* arts = nullptr;
    int32_t count = 0;
    if (sMatchingArt->GetMatchingPaths(&arts, &count) != kNoErr || count < 0 || (count > 0 && !arts)) {
        sMatchingArt->ReleaseMatchingArt();
        return false;
    }
    bool ok = Reserve(index.paths, index.pathCapacity, 0, count);
    index.pathCount = 0;
    index.segmentCount = 0;
    index.liveSegments = 0;
    for (int32_t i = 0; ok && i < count; ++i) {
        IndexedPath& p = index.paths[index.pathCount++];
        p = IndexedPath{};
        p.art = arts[i];
        ok = ReadPath(index, p);
    }
    sMatchingArt->ReleaseMatchingArt();
    if (!ok || !MakeSlots(index)) return false;
    index.change = change;
    index.valid = true;
    return true;
}

// A live path that the search examines (one without segments included).
bool SearchedPath(ArtHandle art) {
    int32_t count = 0;
    return sPath->GetPathSegmentCount(art, &count) == kNoErr && !SnapPathSkipped(art);
}

}  // namespace

bool SnapPathSkipped(ArtHandle art) {
    LayerHandle layer = nullptr;
    HostBool visible = 1;
    if (sArt->GetLayerOfArt(art, &layer) == kNoErr && sLayer->GetLayerVisible(layer, &visible) == kNoErr && !visible)
        return true;
    if (ArtHas(art, "qzv")) return true;
    HostBool guide = 0;
    if (sPath->GetPathGuide(art, &guide) == kNoErr && guide) return true;
    int32_t attr = 0;
    return sArt->GetArtUserAttr(art, kArtLocked | kArtHidden, &attr) == kNoErr && attr != 0;
}

bool SnapIndexUpdate(SnapIndex& index) {
    if (!sBasic || !sMatchingArt || !sPath || !sArt || !sTag || !sLayer) return false;
    Changes changes;
    if (!changes.suite) return false;
    const uint64_t now = changes.suite->ChangeCount();
    if (index.valid && now == index.change) return true;
    if (!index.valid) return Rebuild(index, now);
    constexpr int32_t kMostChanged = 64;
    ArtHandle changed[kMostChanged];
    int32_t what[kMostChanged];
    int32_t count = 0;
    HostBool everything = 0;
    if (changes.suite->ChangedSince(index.change, changed, what, kMostChanged, &count, &everything) != kNoErr ||
        everything)
        return Rebuild(index, now);
    for (int32_t i = 0; i < count; ++i) {
        const int32_t at = Find(index, changed[i]);
        const bool searched = SearchedPath(changed[i]);
        const bool wasSearched = at >= 0 && index.paths[at].state != IndexedState::kSkipped;
        const bool moved = (what[i] & kArtChangeMoved) != 0;
        // A path the search sees that moved, that the index does not hold
        // yet, or that it passed over until now (the moves of a path passed
        // over are not followed, so its place may be old): only the host's
        // list tells where it now stands.
        if (searched && (!wasSearched || moved)) return Rebuild(index, now);
        if (at >= 0) {
            if (wasSearched && moved) return Rebuild(index, now);
            // Read again; a path disposed of reads as one to pass over.
            if (!ReadPath(index, index.paths[at])) return Rebuild(index, now);
        }
        // Otherwise a group, art disposed of, or a path the search passes
        // over (the tools' own construction, a guide) made or moved: it
        // changes nothing the search finds, and a change that makes it a
        // path to search is reported later.
    }
    // Room left behind by paths that grew is taken back by a rebuild.
    if (index.segmentCount > 2 * index.liveSegments + 4096) return Rebuild(index, now);
    index.change = now;
    return true;
}

void SnapIndexFree(SnapIndex& index) {
    if (sBasic) {
        if (index.paths) sBasic->FreeBlock(index.paths);
        if (index.segments) sBasic->FreeBlock(index.segments);
        if (index.slots) sBasic->FreeBlock(index.slots);
    }
    index = SnapIndex{};
}

}  // namespace qzv
