// "AI Tag Suite" 2: named text values on any art. Only the type "string"
// exists; the tools keep construction data in them.
#include <cstring>

#include "document/document.h"
#include "frame/host.h"

namespace drawhost {

namespace {

bool NameOk(const char* name) { return name && *name; }

HostErr SetTag(ArtHandle art, const char* name, const char* type, const char* value) {
    return DocumentGuard([&]() -> HostErr {
        Art* a = DocumentFindArt(art);
        if (!a) return kErrBadArt;
        if (!NameOk(name) || !value) return kErrBadParameter;
        if (!type || std::strcmp(type, kTagTypeString) != 0) return kErrWrongType;
        a->tags[name] = value;
        DocumentArtChanged(a->id);
        return kNoErr;
    });
}

HostErr GetTag(ArtHandle art, const char* name, char* buffer, int32_t size) {
    Art* a = DocumentFindArt(art);
    if (!a) return kErrBadArt;
    if (!NameOk(name) || !buffer || size < 1) return kErrBadParameter;
    auto it = a->tags.find(name);
    if (it == a->tags.end()) {
        buffer[0] = '\0';
        return kErrNotFound;
    }
    return DocumentCopyText(it->second, buffer, size);
}

HostErr RemoveTag(ArtHandle art, const char* name) {
    Art* a = DocumentFindArt(art);
    if (!a) return kErrBadArt;
    if (!NameOk(name)) return kErrBadParameter;
    if (!a->tags.erase(name)) return kErrNotFound;
    DocumentArtChanged(a->id);
    return kNoErr;
}

const TagSuite kTagSuite = {SetTag, GetTag, RemoveTag};

SuiteRegistrar registration(kTagSuiteName, kTagSuiteVersion, &kTagSuite);

}  // namespace

}  // namespace drawhost
