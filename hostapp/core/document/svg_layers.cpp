// The last steps of opening an SVG file: top-level items into layers, and
// the build put in place of the live document.
#include <algorithm>
#include <cmath>

#include "document/svg_build.h"
#include "document/view_suite.h"

namespace drawhost {

Art& SvgNewArt(SvgBuild& build, int32_t kind, DocId parent) {
    auto art = std::make_unique<Art>();
    art->id = DocumentNewId();
    art->kind = kind;
    art->parent = parent;
    Art& raw = *art;
    build.doc.arts.emplace(raw.id, std::move(art));
    if (parent) build.doc.arts.at(parent)->children.push_back(raw.id);
    return raw;
}

namespace {

// A layer on top of those made so far; its group is `group`, or a new one.
Layer& AddLayer(SvgBuild& build, DocId group, const std::string& title) {
    Document& doc = build.doc;
    if (!group) group = SvgNewArt(build, kArtGroup, 0).id;
    auto layer = std::make_unique<Layer>();
    layer->id = DocumentNewId();
    layer->title = title;
    layer->color = DocumentLayerColor(doc.layers.size());
    layer->group = group;
    Art& g = *doc.arts.at(group);
    g.layer = layer->id;
    g.parent = 0;
    Layer& raw = *layer;
    // Items come bottom first; the document keeps layers top first.
    doc.layers.insert(doc.layers.begin(), std::move(layer));
    return raw;
}

std::string DefaultTitle(const SvgBuild& build) { return "Calque " + std::to_string(build.doc.layers.size() + 1); }

}  // namespace

void SvgAssembleLayers(SvgBuild& build) {
    bool anyMarked = std::any_of(build.roots.begin(), build.roots.end(),
                                 [](const SvgRootItem& r) { return r.markedLayer; });
    DocId current = 0;
    Layer* loose = nullptr;   // the layer collecting the current run of loose items
    for (SvgRootItem& item : build.roots) {
        bool isLayer = anyMarked ? item.markedLayer : item.group;
        if (!isLayer) {
            if (!loose) loose = &AddLayer(build, 0, DefaultTitle(build));
            Art& art = *build.doc.arts.at(item.art);
            art.parent = loose->group;
            build.doc.arts.at(loose->group)->children.push_back(art.id);
            continue;
        }
        loose = nullptr;
        Art& group = *build.doc.arts.at(item.art);
        // What the group's element said of itself describes the layer now.
        std::string title = item.hasTitle ? item.title : DefaultTitle(build);
        group.name.clear();
        group.userAttr = 0;
        Layer& layer = AddLayer(build, group.id, title);
        layer.visible = item.visible;
        layer.editable = item.editable;
        if (item.hasColor) layer.color = item.color;
        if (item.current && !current) current = layer.id;
    }
    if (build.doc.layers.empty()) AddLayer(build, 0, "Calque 1");
    build.doc.currentLayer = current ? current : build.doc.layers.front()->id;
}

void SvgCommit(SvgBuild& build) {
    Document& live = TheDocument();
    const DocId viewId = live.view.id;
    const bool snapping = live.cursorSnap;
    const uint32_t random = live.randomState;
    // A file opened is a new document: reset as every new one is (whatever
    // a reset tells those who keep what they read), then filled.
    Document old = std::move(live);
    try {
        DocumentReset();
    } catch (...) {
        live = std::move(old);
        throw;
    }
    Document& doc = build.doc;
    live.arts = std::move(doc.arts);
    live.layers = std::move(doc.layers);
    live.patterns = std::move(doc.patterns);
    live.currentLayer = doc.currentLayer;
    live.rulerUnits = build.hasUnits ? build.rulerUnits : kUnitPoints;
    live.cursorSnap = snapping;
    live.randomState = random;
    live.view.id = viewId;
    live.view.zoom = 1.0f;
    live.view.origin = RealPoint{0, 0};
    if (build.hasPage) {
        double zoom = std::clamp(std::fmin(kViewWidth / build.pageWidth, kViewHeight / build.pageHeight),
                                 double{kMinZoom}, double{kMaxZoom});
        double left = build.pageLeft + build.pageWidth / 2 - kViewWidth / 2.0 / zoom;
        double top = build.pageTop - build.pageHeight / 2 + kViewHeight / 2.0 / zoom;
        if (std::fabs(left) <= kMaxCoordinate && std::fabs(top) <= kMaxCoordinate) {
            live.view.zoom = static_cast<float>(zoom);
            live.view.origin = RealPoint{static_cast<float>(left), static_cast<float>(top)};
        }
    }
}

}  // namespace drawhost
