// "AI Pattern Suite" 7: the document's patterns, in the order they were added.
#include "document/document.h"
#include "frame/host.h"

namespace drawhost {

namespace {

HostErr CountPatterns(int32_t* count) {
    if (!count) return kErrBadParameter;
    *count = static_cast<int32_t>(TheDocument().patterns.size());
    return kNoErr;
}

HostErr GetNthPattern(int32_t n, PatternHandle* pattern) {
    if (!pattern || n < 0) return kErrBadParameter;
    const auto& patterns = TheDocument().patterns;
    if (static_cast<size_t>(n) >= patterns.size()) return kErrNotFound;
    *pattern = reinterpret_cast<PatternHandle>(static_cast<uintptr_t>(patterns[static_cast<size_t>(n)].id));
    return kNoErr;
}

HostErr GetPatternName(PatternHandle pattern, char* buffer, int32_t size) {
    const Pattern* p = DocumentFindPattern(pattern);
    if (!p) return kErrBadHandle;
    return DocumentCopyText(p->name, buffer, size);
}

const PatternSuite kPatternSuite = {CountPatterns, GetNthPattern, GetPatternName};

SuiteRegistrar registration(kPatternSuiteName, kPatternSuiteVersion, &kPatternSuite);

}  // namespace

}  // namespace drawhost
