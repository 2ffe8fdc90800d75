// The document as SVG (`--svg FILE`): what the user drew, with names, tags
// and layers kept so that other programs, and tests, can read it back.
#include <cmath>
#include <cctype>
#include <cstdio>
#include <unordered_map>
#include <unordered_set>

#include "document/document.h"
#include "document/document_output.h"
#include "document/path_geometry.h"
#include "document/svg_format.h"
#include "frame/host.h"
#include "frame/session.h"
#include "util/files.h"
#include "util/utf8.h"

namespace drawhost {

namespace {

// Texts come from scripts (checked) and from plug-ins (not): bytes that are
// not UTF-8 become U+FFFD, so the file stays what it declares.
std::string Escape(const std::string& raw) {
    std::string text = Utf8Repaired(raw);
    std::string out;
    for (unsigned char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            case '\t': out += "&#9;"; break;
            case '\n': out += "&#10;"; break;
            case '\r': out += "&#13;"; break;
            default: out += c < 0x20 ? '?' : static_cast<char>(c);   // not allowed in XML 1.0
        }
    }
    return out;
}

class SvgWriter {
public:
    std::string Write();

private:
    std::string UniqueId(const std::string& name, const char* fallback);
    void Tags(const Art& art, int depth);
    void ExactName(const std::string& name);
    std::string PathData(const Art& path);
    void WriteArt(const Art& art, int depth);
    void Common(const Art& art);

    std::string out_;
    std::unordered_set<std::string> ids_;
    // Per base name, the suffix to try next: probing "path", "path-2", ...
    // from the start for every unnamed path made the writing quadratic.
    std::unordered_map<std::string, int> nextSuffix_;
};

std::string SvgWriter::UniqueId(const std::string& name, const char* fallback) {
    std::string base;
    for (unsigned char c : name) base += (std::isalnum(c) || c == '-' || c == '.') ? static_cast<char>(c) : '_';
    if (base.empty() || !std::isalpha(static_cast<unsigned char>(base[0]))) base = fallback + ("-" + base);
    if (base.back() == '-') base.pop_back();
    // An id taken by a name ("path-3" named so) is skipped; the counter
    // never goes back, so each base is probed once per id handed out.
    auto [next, fresh] = nextSuffix_.try_emplace(base, 2);
    std::string id = base;
    if (!fresh || ids_.count(id)) {
        do id = base + "-" + std::to_string(next->second++);
        while (ids_.count(id));
    }
    ids_.insert(id);
    return id;
}

// The pattern's place in the document, from 1 (its id is "pattern-N"); 0
// for a handle that names none.
int PatternNumber(PatternHandle pattern) {
    const auto& patterns = TheDocument().patterns;
    for (size_t i = 0; i < patterns.size(); ++i)
        if (IdOf(pattern) == patterns[i].id) return static_cast<int>(i + 1);
    return 0;
}

// 0 - v rather than -v: the same value, but v = 0 gives 0, not -0.
std::string Pt(const RealPoint& p) { return FloatText(p.h) + " " + FloatText(0.0f - p.v); }

std::string SvgWriter::PathData(const Art& path) {
    if (path.segments.empty()) return "";
    std::string d = "M" + Pt(path.segments.front().p);
    for (const Cubic& c : PathPieces(path)) {
        bool straight = c.p1.h == c.p0.h && c.p1.v == c.p0.v && c.p2.h == c.p3.h && c.p2.v == c.p3.v;
        d += straight ? " L" + Pt(c.p3) : " C" + Pt(c.p1) + " " + Pt(c.p2) + " " + Pt(c.p3);
    }
    if (path.closed) d += " Z";
    return d;
}

// The name as other programs show it, and exactly when XML cannot hold it.
void SvgWriter::ExactName(const std::string& name) {
    if (!name.empty()) out_ += " inkscape:label=\"" + Escape(SvgRepairedText(name)) + "\"";
    if (!SvgTextFitsXml(name)) out_ += " dh:name-hex=\"" + SvgHexText(name) + "\"";
}

void SvgWriter::Common(const Art& art) {
    out_ += " id=\"" + UniqueId(art.name, art.kind == kArtPath ? "path" : "group") + "\"";
    out_ += " data-name=\"" + Escape(SvgRepairedText(art.name)) + "\"";
    ExactName(art.name);
    if (art.userAttr & kArtHidden) out_ += " display=\"none\"";
    if (art.userAttr & kArtLocked) out_ += " data-locked=\"true\" sodipodi:insensitive=\"true\"";
}

// Tags are elements of drawhost's namespace inside the art's element, which
// other programs keep without showing them.
void SvgWriter::Tags(const Art& art, int depth) {
    std::string indent(static_cast<size_t>(depth) * 2, ' ');
    for (const auto& [name, value] : art.tags) {
        out_ += indent + "<dh:tag";
        out_ += SvgTextFitsXml(name) ? " name=\"" + SvgAttributeText(name) + "\""
                                     : " name-hex=\"" + SvgHexText(name) + "\"";
        out_ += SvgTextFitsXml(value) ? " value=\"" + SvgAttributeText(value) + "\""
                                      : " value-hex=\"" + SvgHexText(value) + "\"";
        out_ += "/>\n";
    }
}

void SvgWriter::WriteArt(const Art& art, int depth) {
    std::string indent(static_cast<size_t>(depth) * 2, ' ');
    if (art.kind == kArtGroup) {
        out_ += indent + "<g";
        Common(art);
        out_ += ">\n";
        Tags(art, depth + 1);
        for (DocId child : art.children)
            if (const Art* c = DocumentArtById(child)) WriteArt(*c, depth + 1);
        out_ += indent + "</g>\n";
        return;
    }
    out_ += indent + "<path";
    Common(art);
    out_ += " d=\"" + PathData(art) + "\"";
    // Guides are the host's non-printing lines: drawn thin and cyan.
    SvgShownStyle shown = SvgShownStyleOf(art.style, art.guide, PatternNumber);
    static const char* kCaps[] = {"butt", "round", "square"};
    static const char* kJoins[] = {"miter", "round", "bevel"};
    if (art.guide) out_ += " data-guide=\"true\" dh:guide=\"true\"";
    out_ += " fill=\"" + shown.fill + "\" stroke=\"" + shown.stroke + "\"";
    out_ += " stroke-width=\"" + FloatText(shown.width) + "\"";
    if (!art.guide) {
        out_ += std::string(" stroke-linecap=\"") + kCaps[shown.cap] + "\"";
        out_ += std::string(" stroke-linejoin=\"") + kJoins[shown.join] + "\"";
        out_ += " stroke-miterlimit=\"" + FloatText(shown.miterLimit) + "\"";
    }
    // What SVG cannot say: the style's every field, the corner flags, the
    // centre point.
    out_ += " dh:style=\"" + SvgExactStyle(art.style, PatternNumber) + "\"";
    if (!art.segments.empty()) out_ += " dh:corners=\"" + SvgCornerText(art.segments) + "\"";
    if (art.centerPointVisible) out_ += " dh:center-point=\"true\"";
    if (art.closed) out_ += " data-closed=\"true\"";
    if (art.tags.empty()) {
        out_ += "/>\n";
        return;
    }
    out_ += ">\n";
    Tags(art, depth + 1);
    out_ += indent + "</path>\n";
}

std::string SvgWriter::Write() {
    const Document& doc = TheDocument();
    ArtBox box;
    for (const auto& layer : doc.layers)
        if (const Art* g = DocumentArtById(layer->group)) ArtBoundsAdd(*g, &box);
    double x, y, w, h;
    if (box.empty) {
        x = 0, y = -kViewHeight, w = kViewWidth, h = kViewHeight;
    } else {
        x = box.left - 10, y = -box.top - 10, w = box.right - box.left + 20, h = box.top - box.bottom + 20;
    }
    auto num = [](double d) { return FloatText(static_cast<float>(d)); };
    out_ = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out_ += "<!-- One unit is one point; y = -v (artwork v grows upward). -->\n";
    out_ += std::string("<svg xmlns=\"") + kSvgNs + "\" xmlns:inkscape=\"" + kInkscapeNs + "\" xmlns:sodipodi=\"" +
            kSodipodiNs + "\" xmlns:dh=\"" + kDrawhostNs + "\" version=\"1.1\" width=\"" + num(w) +
            "pt\" height=\"" + num(h) + "pt\" viewBox=\"" + num(x) + " " + num(y) + " " + num(w) + " " + num(h) + "\"";
    if (const char* units = SvgRulerUnitName(doc.rulerUnits)) out_ += std::string(" dh:units=\"") + units + "\"";
    out_ += ">\n";
    if (!doc.patterns.empty()) {
        // Pattern art is not part of the document model: each pattern shows
        // as a hatch, named so that it can be told apart.
        out_ += "  <defs>\n";
        for (size_t i = 0; i < doc.patterns.size(); ++i) {
            const std::string& name = doc.patterns[i].name;
            out_ += "    <pattern id=\"pattern-" + std::to_string(i + 1) + "\" data-name=\"" + Escape(SvgRepairedText(name)) + "\"" +
                    (SvgTextFitsXml(name) ? " dh:name=\"" + SvgAttributeText(name) + "\""
                                          : " dh:name-hex=\"" + SvgHexText(name) + "\"") +
                    " patternUnits=\"userSpaceOnUse\" width=\"8\" height=\"8\">"
                    "<path d=\"M0 8L8 0\" stroke=\"#000000\" stroke-width=\"1\"/></pattern>\n";
        }
        out_ += "  </defs>\n";
    }
    // Later elements paint over earlier ones: the bottom layer comes first.
    for (auto it = doc.layers.rbegin(); it != doc.layers.rend(); ++it) {
        const Layer& layer = **it;
        const LayerColor& c = layer.color;
        out_ += "  <g id=\"" + UniqueId(layer.title, "layer") + "\" data-layer=\"true\" data-name=\"" +
                Escape(SvgRepairedText(layer.title)) + "\" data-visible=\"" + (layer.visible ? "true" : "false") +
                "\" data-editable=\"" + (layer.editable ? "true" : "false") + "\" data-color=\"" +
                SvgColorText(c.red, c.green, c.blue) + "\"" + (layer.visible ? "" : " display=\"none\"");
        // Marked as a layer the way other editors read it, with the exact
        // colour and which layer is current.
        out_ += " inkscape:groupmode=\"layer\" inkscape:label=\"" + Escape(SvgRepairedText(layer.title)) + "\"";
        if (!SvgTextFitsXml(layer.title)) out_ += " dh:name-hex=\"" + SvgHexText(layer.title) + "\"";
        if (!layer.editable) out_ += " sodipodi:insensitive=\"true\"";
        out_ += " dh:color=\"" + SvgExactTriple(c.red, c.green, c.blue) + "\"";
        if (layer.id == doc.currentLayer) out_ += " dh:current=\"true\"";
        out_ += ">\n";
        if (const Art* g = DocumentArtById(layer.group)) {
            Tags(*g, 2);
            for (DocId child : g->children)
                if (const Art* a = DocumentArtById(child)) WriteArt(*a, 2);
        }
        out_ += "  </g>\n";
    }
    out_ += "</svg>\n";
    return out_;
}

struct Registration {
    Registration() {
        SessionAddOutputFile("--svg", [](std::string* content, std::string*) {
            *content = DocumentToSvg();
            return true;
        });
    }
} registration;

}  // namespace

std::string DocumentToSvg() { return SvgWriter().Write(); }

bool DocumentWriteSvg(const std::string& path, std::string* error) {
    return WriteFileAtomically(path, DocumentToSvg(), error);
}

}  // namespace drawhost
