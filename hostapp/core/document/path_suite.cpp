// "AI Path Suite" 8 and "AI Path Style Suite" 10: a path's anchors, its
// closedness and guide flag, and its paint.
#include "document/document.h"
#include "frame/host.h"

namespace drawhost {

namespace {

// More anchors than any drawing needs; a count above it is a caller's bug,
// not a request worth gigabytes.
constexpr int32_t kMaxSegments = 1 << 20;

// The path behind a handle: kErrBadArt for no art, kErrBadParameter for a group.
HostErr FindPath(ArtHandle handle, Art** path) {
    Art* a = DocumentFindArt(handle);
    if (!a) return kErrBadArt;
    if (a->kind != kArtPath) return kErrBadParameter;
    *path = a;
    return kNoErr;
}

// index and count must select existing segments; computed wide so that
// large values cannot wrap.
bool RangeOk(const Art& path, int32_t index, int32_t count) {
    return index >= 0 && count >= 0 &&
           static_cast<int64_t>(index) + count <= static_cast<int64_t>(path.segments.size());
}

HostErr GetPathSegmentCount(ArtHandle path, int32_t* count) {
    Art* p = nullptr;
    if (HostErr err = FindPath(path, &p)) return err;
    if (!count) return kErrBadParameter;
    *count = static_cast<int32_t>(p->segments.size());
    return kNoErr;
}

HostErr SetPathSegmentCount(ArtHandle path, int32_t count) {
    return DocumentGuard([&]() -> HostErr {
        Art* p = nullptr;
        if (HostErr err = FindPath(path, &p)) return err;
        if (count < 0 || count > kMaxSegments) return kErrBadParameter;
        // New anchors sit on the last one with retracted handles, so that a
        // path grown and not yet written draws nothing stray.
        PathSegment fill{};
        fill.corner = 1;
        if (!p->segments.empty()) fill.p = fill.in = fill.out = p->segments.back().p;
        p->segments.resize(static_cast<size_t>(count), fill);
        DocumentArtChanged(p->id);
        return kNoErr;
    });
}

HostErr GetPathSegments(ArtHandle path, int32_t index, int32_t count, PathSegment* segments) {
    Art* p = nullptr;
    if (HostErr err = FindPath(path, &p)) return err;
    if (!RangeOk(*p, index, count) || (count > 0 && !segments)) return kErrBadParameter;
    for (int32_t i = 0; i < count; ++i) segments[i] = p->segments[static_cast<size_t>(index + i)];
    return kNoErr;
}

HostErr SetPathSegments(ArtHandle path, int32_t index, int32_t count, const PathSegment* segments) {
    Art* p = nullptr;
    if (HostErr err = FindPath(path, &p)) return err;
    if (!RangeOk(*p, index, count) || (count > 0 && !segments)) return kErrBadParameter;
    // All or nothing: one bad segment leaves every segment as it was.
    for (int32_t i = 0; i < count; ++i)
        if (!DocumentSegmentOk(segments[i])) return kErrBadParameter;
    for (int32_t i = 0; i < count; ++i) {
        PathSegment s = segments[i];
        s.corner = s.corner ? 1 : 0;
        p->segments[static_cast<size_t>(index + i)] = s;
    }
    DocumentArtChanged(p->id);
    return kNoErr;
}

HostErr GetPathClosed(ArtHandle path, HostBool* closed) {
    Art* p = nullptr;
    if (HostErr err = FindPath(path, &p)) return err;
    if (!closed) return kErrBadParameter;
    *closed = p->closed ? 1 : 0;
    return kNoErr;
}

HostErr SetPathClosed(ArtHandle path, HostBool closed) {
    Art* p = nullptr;
    if (HostErr err = FindPath(path, &p)) return err;
    p->closed = closed != 0;
    DocumentArtChanged(p->id);
    return kNoErr;
}

HostErr GetPathGuide(ArtHandle path, HostBool* guide) {
    Art* p = nullptr;
    if (HostErr err = FindPath(path, &p)) return err;
    if (!guide) return kErrBadParameter;
    *guide = p->guide ? 1 : 0;
    return kNoErr;
}

HostErr SetPathGuide(ArtHandle path, HostBool guide) {
    Art* p = nullptr;
    if (HostErr err = FindPath(path, &p)) return err;
    p->guide = guide != 0;
    DocumentArtChanged(p->id);
    return kNoErr;
}

// The host keeps no per-anchor selection: a path's anchors are selected
// exactly when the path is, so deselecting them deselects the path.
HostErr DeselectPathSegments(ArtHandle path) {
    Art* p = nullptr;
    if (HostErr err = FindPath(path, &p)) return err;
    p->userAttr &= ~kArtSelected;
    return kNoErr;
}

HostErr GetPathStyle(ArtHandle path, PathStyle* style) {
    Art* p = nullptr;
    if (HostErr err = FindPath(path, &p)) return err;
    if (!style) return kErrBadParameter;
    *style = p->style;
    return kNoErr;
}

HostErr SetPathStyle(ArtHandle path, const PathStyle* style) {
    Art* p = nullptr;
    if (HostErr err = FindPath(path, &p)) return err;
    if (!style) return kErrBadParameter;
    if (HostErr err = DocumentCheckStyle(*style)) return err;
    p->style = *style;
    return kNoErr;
}

const PathSuite kPathSuite = {
    GetPathSegmentCount, SetPathSegmentCount, GetPathSegments, SetPathSegments,     GetPathClosed,
    SetPathClosed,       GetPathGuide,        SetPathGuide,    DeselectPathSegments,
};

const PathStyleSuite kPathStyleSuite = {GetPathStyle, SetPathStyle};

SuiteRegistrar pathRegistration(kPathSuiteName, kPathSuiteVersion, &kPathSuite);
SuiteRegistrar styleRegistration(kPathStyleSuiteName, kPathStyleSuiteVersion, &kPathStyleSuite);

}  // namespace

}  // namespace drawhost
