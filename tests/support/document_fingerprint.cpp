#include "document_fingerprint.h"

#include <cstdio>

#include "document/document.h"
#include "document/document_output.h"

namespace drawhost_test {

using namespace drawhost;

namespace {

std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c < 0x20 || c == '"' || c == '\\' || c >= 0x7F) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x", c);
            out += hex;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

// -0 and 0 are one coordinate: SVG's y = 0 - v does not keep the sign of a
// zero, and nothing measures it.
std::string Coordinate(float x) { return FloatText(x == 0.0f ? 0.0f : x); }
std::string Point(const RealPoint& p) { return Coordinate(p.h) + "," + Coordinate(p.v); }

std::string PatternPlace(PatternHandle handle) {
    if (!handle) return "0";
    const auto& patterns = TheDocument().patterns;
    for (size_t i = 0; i < patterns.size(); ++i)
        if (patterns[i].id == IdOf(handle)) return std::to_string(i + 1);
    return "?";
}

std::string Paint(const PaintColor& c) {
    std::string out = "kind=" + std::to_string(c.kind) + " gray=" + FloatText(c.gray) + " rgb=" + FloatText(c.red) +
                      "," + FloatText(c.green) + "," + FloatText(c.blue) + " pattern=" + PatternPlace(c.pattern);
    const float rest[] = {c.shiftDistance, c.shiftAngle, c.scaleH,      c.scaleV,      c.rotation,
                          c.reflectAngle,  c.shearAngle, c.shearAxis,   c.transform.a, c.transform.b,
                          c.transform.c,   c.transform.d, c.transform.tx, c.transform.ty};
    for (float v : rest) out += " " + FloatText(v);
    return out + " reflect=" + std::to_string(c.reflect);
}

void WriteArt(const Art& art, int depth, std::string& out) {
    std::string indent(static_cast<size_t>(depth) * 2, ' ');
    out += indent + (art.kind == kArtPath ? "path " : "group ") + Quoted(art.name) +
           " attr=" + std::to_string(art.userAttr & ~kArtSelected) + (art.centerPointVisible ? " centre" : "") + "\n";
    for (const auto& [name, value] : art.tags) out += indent + "  tag " + Quoted(name) + "=" + Quoted(value) + "\n";
    if (art.kind == kArtPath) {
        const PathStyle& s = art.style;
        out += indent + "  closed=" + std::to_string(art.closed) + " guide=" + std::to_string(art.guide) + "\n";
        out += indent + "  fill " + std::to_string(s.fillPaint) + " " + Paint(s.fill) + "\n";
        out += indent + "  stroke " + std::to_string(s.strokePaint) + " " + Paint(s.stroke.color) +
               " width=" + FloatText(s.stroke.width) + " cap=" + std::to_string(s.stroke.cap) +
               " join=" + std::to_string(s.stroke.join) + " miter=" + FloatText(s.stroke.miterLimit) + "\n";
        for (const PathSegment& seg : art.segments)
            out += indent + "  " + Point(seg.p) + " in " + Point(seg.in) + " out " + Point(seg.out) +
                   (seg.corner ? " corner" : "") + "\n";
    }
    for (DocId child : art.children)
        if (const Art* c = DocumentArtById(child)) WriteArt(*c, depth + 1, out);
}

}  // namespace

std::string DocumentFingerprint() {
    const Document& doc = TheDocument();
    std::string out = "units " + std::to_string(doc.rulerUnits) + "\n";
    for (const Pattern& p : doc.patterns) out += "pattern " + Quoted(p.name) + "\n";
    for (const auto& layer : doc.layers) {
        const LayerColor& c = layer->color;
        out += "layer " + Quoted(layer->title) + " visible=" + std::to_string(layer->visible) +
               " editable=" + std::to_string(layer->editable) + " color=" + FloatText(c.red) + "," +
               FloatText(c.green) + "," + FloatText(c.blue) + (layer->id == doc.currentLayer ? " current" : "") +
               "\n";
        if (const Art* group = DocumentArtById(layer->group)) WriteArt(*group, 1, out);
    }
    return out;
}

}  // namespace drawhost_test
