// "Document Changes Suite" 2: what changed in the document since a count a
// plug-in read earlier, from the document's change count and its ring of
// the latest art changes.
#include "document/document.h"
#include "frame/host.h"

namespace drawhost {

namespace {

uint64_t ChangeCount() { return DocumentChangeCount(); }

HostErr ChangedSince(uint64_t since, ArtHandle* arts, int32_t* what, int32_t capacity, int32_t* count,
                     HostBool* everything) {
    if (!count || !everything || capacity < 0 || (capacity > 0 && !arts)) return kErrBadParameter;
    const Document& doc = TheDocument();
    *count = 0;
    *everything = 0;
    if (since >= DocumentChangeCount()) return kNoErr;
    if (since < doc.structureChangedAt) {
        *everything = 1;
        return kNoErr;
    }
    // A full ring holds only the latest changes: when its oldest record is
    // after `since`, older ones after `since` may have been written over.
    const Document::ChangeRecord& oldest = doc.changeLog[doc.changeLogNext];
    if (oldest.change != 0 && oldest.change > since) {
        *everything = 1;
        return kNoErr;
    }
    for (const Document::ChangeRecord& r : doc.changeLog) {
        if (r.change <= since || r.art == 0) continue;
        const ArtHandle art = ArtHandleOf(r.art);
        int32_t at = 0;
        while (at < *count && arts[at] != art) ++at;
        if (at == *count) {
            if (*count == capacity) {
                *count = 0;
                *everything = 1;
                return kNoErr;
            }
            arts[(*count)++] = art;
            if (what) what[at] = 0;
        }
        if (what) what[at] |= r.what;
    }
    return kNoErr;
}

const DocumentChangesSuite kSuite = {ChangeCount, ChangedSince};
SuiteRegistrar registrar(kDocumentChangesSuiteName, kDocumentChangesSuiteVersion, &kSuite);

}  // namespace

}  // namespace drawhost
