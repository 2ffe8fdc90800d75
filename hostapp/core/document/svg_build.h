// The document an SVG file becomes while it is read: art made as elements
// come, top-level items kept apart until the layers are known, and the
// document settings the file gives. Shared by the reader and the layer
// assembly; nothing here touches the live document until the commit.
#pragma once
#include <string>
#include <vector>

#include "document/document.h"

namespace drawhost {

// A top-level element that made art, in file order (bottom first).
struct SvgRootItem {
    DocId art = 0;
    bool group = false;
    bool markedLayer = false;   // inkscape:groupmode="layer" (or drawhost's own mark)
    // For groups that become layers:
    std::string title;
    bool hasTitle = false;
    bool visible = true;
    bool editable = true;
    bool hasColor = false;
    LayerColor color{};
    bool current = false;
};

struct SvgBuild {
    Document doc;                      // arts and patterns; layers come at the end
    std::vector<SvgRootItem> roots;
    // The page in document points, when the file gives its size: the view
    // opens on it.
    bool hasPage = false;
    double pageLeft = 0, pageTop = 0, pageWidth = 0, pageHeight = 0;
    bool hasUnits = false;
    int32_t rulerUnits = kUnitPoints;
};

// An art entered in the build, attached to `parent` (0: a top-level item,
// recorded in `roots` by the caller).
Art& SvgNewArt(SvgBuild& build, int32_t kind, DocId parent);

// Makes the layers from the top-level items (see svg_reader.h) and sets the
// current layer; an empty file gets one empty layer.
void SvgAssembleLayers(SvgBuild& build);

// Replaces the live document by the build: a reset document (as a new one
// is made) that takes the build's art, layers and patterns, and keeps what
// belongs to the session rather than the file: the front view's handle, the
// snapping setting and the random generator. The view shows the whole page,
// centred (at zoom 1 from the origin when the file gives no page). Fails
// only for want of memory, the document then as it was.
void SvgCommit(SvgBuild& build);

}  // namespace drawhost
