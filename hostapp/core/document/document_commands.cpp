// Session commands that build and set up the document:
//   layer TITLE [locked] [hidden]       a new layer above the current one, made current
//   path [closed] X Y X Y ...           a straight path in the current layer, on top
//   curve [closed] X Y  X1 Y1 X2 Y2 X Y ...
//                                       cubic pieces: from the anchor (X, Y), the outgoing
//                                       handle, the next incoming handle and the next anchor
//   zoom Z                              the front view's zoom factor (1 = 100 %)
//   units in|cm|pt|pi|mm|px             the document's ruler units
//   snapping on|off                     the user's cursor-snap setting
//   pattern NAME                        adds a pattern to the document
//   seed N                              seeds the random suite
#include <cmath>

#include "document/document.h"
#include "document/path_geometry.h"
#include "document/view_suite.h"
#include "frame/host.h"
#include "frame/script.h"

namespace drawhost {

namespace {

Layer& EditableCurrentLayer(const ScriptArgs& a) {
    Layer* layer = DocumentCurrentLayer();
    if (!layer) throw ScriptError("'" + a.Command() + "': the document has no current layer");
    if (!layer->editable) throw ScriptError("'" + a.Command() + "': layer '" + layer->title + "' is locked");
    return *layer;
}

// Leading keywords of a command; returns the index of the first word after them.
size_t TakeClosed(const ScriptArgs& a, bool* closed) {
    *closed = a.Count() > 0 && a.Str(0) == "closed";
    return *closed ? 1 : 0;
}

RealPoint PointAt(const ScriptArgs& a, size_t i) { return RealPoint{a.Coordinate(i), a.Coordinate(i + 1)}; }

void AddPath(const ScriptArgs& a, const std::vector<PathSegment>& segments, bool closed) {
    Layer& layer = EditableCurrentLayer(a);
    ArtHandle art = nullptr;
    HostErr err = DocumentNewArt(kArtPath, kPlaceInsideOnTop, ArtHandleOf(layer.group), &art);
    if (err) throw ScriptError("'" + a.Command() + "': the path could not be made: " + HostErrText(err));
    Art* path = DocumentFindArt(art);
    path->segments = segments;
    path->closed = closed;
    DocumentArtChanged(path->id);
}

CommandRegistrar layer("layer", "layer TITLE [locked] [hidden]", [](const ScriptArgs& a) {
    a.Expect(1, 3);
    bool locked = false, hidden = false;
    for (size_t i = 1; i < a.Count(); ++i) {
        if (a.Str(i) == "locked" && !locked) locked = true;
        else if (a.Str(i) == "hidden" && !hidden) hidden = true;
        else throw ScriptError("'layer': expected locked or hidden, not '" + a.Str(i) + "'");
    }
    LayerHandle handle = nullptr;
    HostErr err = DocumentInsertLayer(LayerHandleOf(TheDocument().currentLayer), kLayerPlaceAbove, a.Str(0), &handle);
    if (err) throw ScriptError("'layer': the layer could not be made: " + HostErrText(err));
    Layer* l = DocumentFindLayer(handle);
    l->editable = !locked;
    l->visible = !hidden;
    TheDocument().currentLayer = l->id;
    DocumentStructureChanged();
});

// What a user does in the layers panel: lock, unlock, hide or show a layer
// by its title (the topmost of that title).
CommandRegistrar layerSet("layer-set", "layer-set TITLE locked|unlocked|hidden|shown", [](const ScriptArgs& a) {
    a.Expect(2);
    Layer* found = nullptr;
    for (const auto& l : TheDocument().layers)
        if (l->title == a.Str(0)) {
            found = l.get();
            break;
        }
    if (!found) throw ScriptError("'layer-set': no layer titled '" + a.Str(0) + "'");
    const std::string& state = a.Str(1);
    if (state == "locked") found->editable = false;
    else if (state == "unlocked") found->editable = true;
    else if (state == "hidden") found->visible = false;
    else if (state == "shown") found->visible = true;
    else throw ScriptError("'layer-set': expected locked, unlocked, hidden or shown, not '" + state + "'");
    DocumentStructureChanged();
});

CommandRegistrar path("path", "path [closed] X Y X Y ...", [](const ScriptArgs& a) {
    bool closed = false;
    size_t first = TakeClosed(a, &closed);
    size_t numbers = a.Count() - first;
    if (numbers < 4 || numbers % 2 != 0)
        throw ScriptError("'path' needs two or more points, each as X Y");
    std::vector<PathSegment> segments;
    for (size_t i = first; i < a.Count(); i += 2) {
        RealPoint p = PointAt(a, i);
        segments.push_back(PathSegment{p, p, p, 1});
    }
    AddPath(a, segments, closed);
});

CommandRegistrar curve("curve", "curve [closed] X Y  X1 Y1 X2 Y2 X Y ...", [](const ScriptArgs& a) {
    bool closed = false;
    size_t first = TakeClosed(a, &closed);
    size_t numbers = a.Count() - first;
    if (numbers < 8 || (numbers - 2) % 6 != 0)
        throw ScriptError("'curve' needs a start point X Y, then pieces of six numbers: X1 Y1 X2 Y2 X Y");
    std::vector<PathSegment> segments;
    RealPoint start = PointAt(a, first);
    segments.push_back(PathSegment{start, start, start, 1});
    for (size_t i = first + 2; i < a.Count(); i += 6) {
        segments.back().out = PointAt(a, i);
        RealPoint anchor = PointAt(a, i + 4);
        segments.push_back(PathSegment{anchor, PointAt(a, i + 2), anchor, 1});
    }
    for (PathSegment& s : segments) s.corner = SegmentIsCorner(s) ? 1 : 0;
    AddPath(a, segments, closed);
});

CommandRegistrar zoom("zoom", "zoom Z", [](const ScriptArgs& a) {
    a.Expect(1);
    double z = a.Number(0);
    if (z < kMinZoom || z > kMaxZoom || ViewSetZoom(static_cast<float>(z)) != kNoErr)
        throw ScriptError("'zoom': " + a.Str(0) + " is outside 0.03125 to 64");
});

CommandRegistrar units("units", "units in|cm|pt|pi|mm|px", [](const ScriptArgs& a) {
    a.Expect(1);
    static const std::pair<const char*, int32_t> kUnits[] = {
        {"in", kUnitInches}, {"cm", kUnitCentimeters}, {"pt", kUnitPoints},
        {"pi", kUnitPicas},  {"mm", kUnitMillimeters}, {"px", kUnitPixels},
    };
    for (auto& [name, code] : kUnits)
        if (a.Str(0) == name) {
            TheDocument().rulerUnits = code;
            return;
        }
    throw ScriptError("'units': unknown unit '" + a.Str(0) + "' (in, cm, pt, pi, mm or px)");
});

CommandRegistrar snapping("snapping", "snapping on|off", [](const ScriptArgs& a) {
    a.Expect(1);
    TheDocument().cursorSnap = a.OnOff(0);
});

CommandRegistrar pattern("pattern", "pattern NAME", [](const ScriptArgs& a) {
    a.Expect(1);
    if (a.Str(0).empty()) throw ScriptError("'pattern' needs a name");
    for (const Pattern& p : TheDocument().patterns)
        if (p.name == a.Str(0)) throw ScriptError("'pattern': the document already has a pattern '" + a.Str(0) + "'");
    TheDocument().patterns.push_back(Pattern{DocumentNewId(), a.Str(0)});
});

CommandRegistrar seed("seed", "seed N", [](const ScriptArgs& a) {
    a.Expect(1);
    DocumentSeedRandom(a.Int(0));
});

}  // namespace

}  // namespace drawhost
