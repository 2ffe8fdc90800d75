// What the document writes when a session ends: the "layers" section of the
// JSON dump, the SVG file and the PNG image.
//
// Dump: [{"title","visible","editable","art":[ART...]}], layers topmost
// first; ART is {"kind":"group"|"path","name","tags":{...},"children":[...]}
// for groups, and for paths {"kind","name","tags","closed","guide",
// "segments":[{"p":[h,v],"in":[h,v],"out":[h,v],"corner":bool}],"style":STYLE}.
// Children and art are bottom first (paint order). STYLE is
// {"fillPaint","fill":PAINT,"strokePaint","stroke":PAINT,"width","cap","join","miterLimit"}
// and PAINT {"kind":"none"} | {"kind":"gray","gray"} | {"kind":"rgb","rgb":[r,g,b]}
// | {"kind":"pattern","pattern":NAME,"scale":[h,v],"rotation",...}.
// Coordinates are written in the shortest form that reads back as the same
// float.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "document/document.h"

#include <cairo.h>

namespace drawhost {

class JsonWriter;

void DocumentWriteLayersJson(JsonWriter& json);

// The shortest decimal text that reads back as exactly `value`.
std::string FloatText(float value);

// The document as SVG. One user unit is one point. SVG's y axis points down
// and the host's v axis up, so y = -v: coordinates stay exact. The viewBox
// is the bounds of all art with a 10-point margin, or the front view's area
// at zoom 1 when the document is empty. Layers and groups are <g>, layers
// marked as other editors mark them; names go to data-name and
// inkscape:label (and a unique id made from them), tags to <dh:tag> elements
// of drawhost's namespace inside their art, with what SVG cannot say exactly
// (svg_format.h) so that the file reads back as the same document.
std::string DocumentToSvg();

// Paints the front view (kViewWidth x kViewHeight pixels, white paper, the
// view's zoom and origin) on `cr`, without the overlay.
void DocumentPaintView(cairo_t* cr);

// The front view as DocumentPaintView paints it, leaving out the paths of
// `skip`; and one path alone over what `cr` holds, as the view shows it
// (nothing when it, a group holding it or its layer is hidden, or it is not
// a path). Together they let a window keep the art that does not change in
// a picture of its own and paint only the art that does.
void DocumentPaintViewWithout(cairo_t* cr, const std::vector<DocId>& skip);
void DocumentPaintPathAlone(cairo_t* cr, DocId path);

// The overlay painted over the art in PNG output: the annotator's last
// drawing. Called with `cr` in view pixels. Kept across resets; an empty
// function removes it.
void DocumentSetOverlayPainter(std::function<void(cairo_t*)> painter);

// Renders the front view and its overlay into a PNG: its bytes, or the
// file written atomically.
bool DocumentToPng(std::string* bytes, std::string* error);
bool DocumentWritePng(const std::string& path, std::string* error);
bool DocumentWriteSvg(const std::string& path, std::string* error);

}  // namespace drawhost
