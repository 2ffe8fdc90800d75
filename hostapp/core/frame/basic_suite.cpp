// The basic table of every message: string equality, suites by name and
// version, and the block allocator that counts live blocks.
#include <cstdlib>
#include <cstring>

#include "frame/host.h"

namespace drawhost {

namespace {

HostBool IsEqual(const char* a, const char* b) {
    if (!a || !b) return 0;
    return std::strcmp(a, b) == 0;
}

HostErr AcquireSuite(const char* name, int32_t version, const void** suite) {
    if (!suite) return kErrBadParameter;
    ++TheHost().acquireCalls;
    const void* table = HostFindSuite(name, version);
    if (!table) {
        *suite = nullptr;
        return kErrSuiteNotFound;
    }
    *suite = table;
    ++TheHost().acquireCount[{name, version}];
    return kNoErr;
}

HostErr ReleaseSuite(const char* name, int32_t version) {
    if (!name) return kErrBadParameter;
    Host& h = TheHost();
    auto fail = h.releaseFailures.find({name, version});
    if (fail != h.releaseFailures.end() && fail->second > 0) {
        --fail->second;
        return kErrCantHappen;
    }
    auto it = h.acquireCount.find({name, version});
    if (it == h.acquireCount.end() || it->second <= 0) return kErrSuiteNotFound;
    --it->second;
    return kNoErr;
}

HostErr AllocateBlock(size_t size, void** block) {
    if (!block) return kErrBadParameter;
    *block = nullptr;
    Host& h = TheHost();
    if (h.failAllocations > 0) {
        --h.failAllocations;
        return kErrOutOfMemory;
    }
    // Filled with a pattern rather than zeros: the host does not clear blocks.
    void* p = std::malloc(size ? size : 1);
    if (!p) return kErrOutOfMemory;
    std::memset(p, 0xA5, size);
    h.liveBlocks.insert(p);
    *block = p;
    return kNoErr;
}

HostErr FreeBlock(void* block) {
    Host& h = TheHost();
    if (!block) return kNoErr;
    if (!h.liveBlocks.erase(block)) return kErrBadParameter;   // not ours, or freed twice
    std::free(block);
    return kNoErr;
}

HostErr ReallocateBlock(void* block, size_t newSize, void** newBlock) {
    if (!newBlock) return kErrBadParameter;
    Host& h = TheHost();
    if (block && !h.liveBlocks.count(block)) return kErrBadParameter;
    void* p = std::realloc(block, newSize ? newSize : 1);
    if (!p) return kErrOutOfMemory;
    h.liveBlocks.erase(block);
    h.liveBlocks.insert(p);
    *newBlock = p;
    return kNoErr;
}

const BasicSuite kBasic = {IsEqual, AcquireSuite, ReleaseSuite, AllocateBlock, FreeBlock};
const BlocksSuite kBlocks = {AllocateBlock, FreeBlock, ReallocateBlock};
SuiteRegistrar blocksSuite(kBlocksSuiteName, kBlocksSuiteVersion, &kBlocks);

}  // namespace

const BasicSuite* HostBasicSuite() { return &kBasic; }

}  // namespace drawhost
