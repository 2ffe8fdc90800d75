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

// A tag name as the tail of an attribute name: letters, digits, '.' and '-'
// stay, every other byte becomes _HH (hex), so the name can be decoded back.
std::string AttributeTail(const std::string& name) {
    std::string out;
    for (unsigned char c : name) {
        if (std::isalnum(c) || c == '.' || c == '-') {
            out += static_cast<char>(c);
        } else {
            char hex[4];
            std::snprintf(hex, sizeof hex, "_%02X", c);
            out += hex;
        }
    }
    return out;
}

std::string Hex(float level) {
    int v = static_cast<int>(std::lround(std::fmin(1.0f, std::fmax(0.0f, level)) * 255.0f));
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02x", v);
    return buf;
}

class SvgWriter {
public:
    std::string Write();

private:
    std::string UniqueId(const std::string& name, const char* fallback);
    std::string PaintValue(const PaintColor& c);
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

std::string PatternId(const PatternHandle pattern) {
    const auto& patterns = TheDocument().patterns;
    for (size_t i = 0; i < patterns.size(); ++i)
        if (IdOf(pattern) == patterns[i].id) return "pattern-" + std::to_string(i + 1);
    return "";
}

// Grey 1 is black in the host's paint; SVG wants levels of light.
std::string SvgWriter::PaintValue(const PaintColor& c) {
    switch (c.kind) {
        case kPaintGray: {
            std::string g = Hex(1.0f - c.gray);
            return "#" + g + g + g;
        }
        case kPaintRGB:
            return "#" + Hex(c.red) + Hex(c.green) + Hex(c.blue);
        case kPaintPattern: {
            std::string id = PatternId(c.pattern);
            return id.empty() ? "none" : "url(#" + id + ")";
        }
        default:
            return "none";
    }
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

void SvgWriter::Common(const Art& art) {
    out_ += " id=\"" + UniqueId(art.name, art.kind == kArtPath ? "path" : "group") + "\"";
    out_ += " data-name=\"" + Escape(art.name) + "\"";
    for (const auto& [name, value] : art.tags)
        out_ += " data-tag-" + AttributeTail(name) + "=\"" + Escape(value) + "\"";
    if (art.userAttr & kArtHidden) out_ += " display=\"none\"";
    if (art.userAttr & kArtLocked) out_ += " data-locked=\"true\"";
}

void SvgWriter::WriteArt(const Art& art, int depth) {
    std::string indent(static_cast<size_t>(depth) * 2, ' ');
    if (art.kind == kArtGroup) {
        out_ += indent + "<g";
        Common(art);
        out_ += ">\n";
        for (DocId child : art.children)
            if (const Art* c = DocumentArtById(child)) WriteArt(*c, depth + 1);
        out_ += indent + "</g>\n";
        return;
    }
    out_ += indent + "<path";
    Common(art);
    out_ += " d=\"" + PathData(art) + "\"";
    const PathStyle& s = art.style;
    if (art.guide) {
        // Guides are the host's non-printing lines: drawn thin and cyan.
        out_ += " data-guide=\"true\" fill=\"none\" stroke=\"#4fdcff\" stroke-width=\"0.5\"";
    } else {
        static const char* kCaps[] = {"butt", "round", "square"};
        static const char* kJoins[] = {"miter", "round", "bevel"};
        out_ += " fill=\"" + (s.fillPaint ? PaintValue(s.fill) : std::string("none")) + "\"";
        out_ += " stroke=\"" + (s.strokePaint ? PaintValue(s.stroke.color) : std::string("none")) + "\"";
        out_ += " stroke-width=\"" + FloatText(s.stroke.width) + "\"";
        out_ += std::string(" stroke-linecap=\"") + kCaps[s.stroke.cap] + "\"";
        out_ += std::string(" stroke-linejoin=\"") + kJoins[s.stroke.join] + "\"";
        out_ += " stroke-miterlimit=\"" + FloatText(std::fmax(1.0f, s.stroke.miterLimit)) + "\"";
    }
    if (art.closed) out_ += " data-closed=\"true\"";
    out_ += "/>\n";
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
    out_ += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + num(w) + "pt\" height=\"" +
            num(h) + "pt\" viewBox=\"" + num(x) + " " + num(y) + " " + num(w) + " " + num(h) + "\">\n";
    if (!doc.patterns.empty()) {
        // Pattern art is not part of the document model: each pattern shows
        // as a hatch, named so that it can be told apart.
        out_ += "  <defs>\n";
        for (size_t i = 0; i < doc.patterns.size(); ++i) {
            out_ += "    <pattern id=\"pattern-" + std::to_string(i + 1) + "\" data-name=\"" +
                    Escape(doc.patterns[i].name) +
                    "\" patternUnits=\"userSpaceOnUse\" width=\"8\" height=\"8\">"
                    "<path d=\"M0 8L8 0\" stroke=\"#000000\" stroke-width=\"1\"/></pattern>\n";
        }
        out_ += "  </defs>\n";
    }
    // Later elements paint over earlier ones: the bottom layer comes first.
    for (auto it = doc.layers.rbegin(); it != doc.layers.rend(); ++it) {
        const Layer& layer = **it;
        const LayerColor& c = layer.color;
        out_ += "  <g id=\"" + UniqueId(layer.title, "layer") + "\" data-layer=\"true\" data-name=\"" +
                Escape(layer.title) + "\" data-visible=\"" + (layer.visible ? "true" : "false") +
                "\" data-editable=\"" + (layer.editable ? "true" : "false") + "\" data-color=\"#" + Hex(c.red) +
                Hex(c.green) + Hex(c.blue) + "\"" + (layer.visible ? "" : " display=\"none\"") + ">\n";
        if (const Art* g = DocumentArtById(layer.group))
            for (DocId child : g->children)
                if (const Art* a = DocumentArtById(child)) WriteArt(*a, 2);
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
