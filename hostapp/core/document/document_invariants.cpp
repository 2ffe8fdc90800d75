#include "document/document_invariants.h"

#include <set>
#include <unordered_set>

#include "document/document.h"
#include "frame/host.h"

namespace drawhost {

namespace {

struct Checker {
    const ArtSuite* art = static_cast<const ArtSuite*>(HostFindSuite(kArtSuiteName, kArtSuiteVersion));
    const PathSuite* path = static_cast<const PathSuite*>(HostFindSuite(kPathSuiteName, kPathSuiteVersion));
    std::unordered_set<DocId> seen;
    std::string why;

    bool Fail(const std::string& text) {
        if (why.empty()) why = text;
        return false;
    }

    static std::string Name(const Art& a) { return "art " + std::to_string(a.id) + " '" + a.name + "'"; }

    bool CheckSuiteAnswers(const Art& group) {
        if (!art) return true;   // a test made the suite unavailable; the storage checks still ran
        ArtHandle first = nullptr;
        art->GetArtFirstChild(ArtHandleOf(group.id), &first);
        if (IdOf(first) != (group.children.empty() ? 0 : group.children.front()))
            return Fail(Name(group) + ": first child disagrees with the stored order");
        for (size_t i = 0; i < group.children.size(); ++i) {
            ArtHandle next = nullptr, prior = nullptr;
            art->GetArtSibling(ArtHandleOf(group.children[i]), &next);
            art->GetArtPriorSibling(ArtHandleOf(group.children[i]), &prior);
            DocId wantNext = i + 1 < group.children.size() ? group.children[i + 1] : 0;
            DocId wantPrior = i > 0 ? group.children[i - 1] : 0;
            if (IdOf(next) != wantNext || IdOf(prior) != wantPrior)
                return Fail(Name(group) + ": sibling answers disagree with the stored order at child " +
                            std::to_string(i));
        }
        return true;
    }

    bool Walk(const Art& a, DocId expectedParent, DocId layer) {
        if (!seen.insert(a.id).second) return Fail(Name(a) + " is listed twice");
        if (a.parent != expectedParent) return Fail(Name(a) + ": its parent is not the group that holds it");
        if (expectedParent != 0 && a.layer != 0) return Fail(Name(a) + " claims a layer but is not a layer group");
        if (art && !art->ValidArt(ArtHandleOf(a.id))) return Fail(Name(a) + " is reachable but not valid");
        if (a.kind == kArtPath) {
            if (!a.children.empty()) return Fail(Name(a) + ": a path with children");
            for (const PathSegment& s : a.segments)
                if (!DocumentSegmentOk(s)) return Fail(Name(a) + ": a segment is not finite or out of range");
            if (path) {
                int32_t count = -1;
                path->GetPathSegmentCount(ArtHandleOf(a.id), &count);
                if (count != static_cast<int32_t>(a.segments.size()))
                    return Fail(Name(a) + ": the segment count answered differs from the segments held");
            }
            return true;
        }
        if (a.kind != kArtGroup) return Fail(Name(a) + ": unknown kind " + std::to_string(a.kind));
        if (!a.segments.empty()) return Fail(Name(a) + ": a group with segments");
        for (DocId child : a.children) {
            const Art* c = DocumentArtById(child);
            if (!c) return Fail(Name(a) + " lists a child that does not exist: " + std::to_string(child));
            if (!Walk(*c, a.id, layer)) return false;
        }
        return CheckSuiteAnswers(a);
    }

    bool Run() {
        const Document& doc = TheDocument();
        if (doc.layers.empty()) return Fail("the document has no layer");
        if (!DocumentLayerById(doc.currentLayer)) return Fail("the current layer is not a layer of the document");
        std::set<DocId> groups;
        for (const auto& layer : doc.layers) {
            const Art* group = DocumentArtById(layer->group);
            if (!group) return Fail("layer '" + layer->title + "' has no layer group");
            if (group->kind != kArtGroup || group->layer != layer->id)
                return Fail("layer '" + layer->title + "': its layer group does not point back to it");
            if (!groups.insert(group->id).second) return Fail("two layers share a layer group");
            if (!Walk(*group, 0, layer->id)) return false;
        }
        if (seen.size() != doc.arts.size())
            return Fail(std::to_string(doc.arts.size() - seen.size()) + " art(s) in the table are not reachable");
        for (DocId id : doc.disposed)
            if (seen.count(id) || (art && art->ValidArt(ArtHandleOf(id))))
                return Fail("disposed art " + std::to_string(id) + " is still reachable or valid");
        return true;
    }
};

}  // namespace

bool DocumentCheckInvariants(std::string* whyNot) {
    Checker checker;
    bool ok = checker.Run();
    if (whyNot) *whyNot = ok ? std::string() : checker.why;
    return ok;
}

}  // namespace drawhost
