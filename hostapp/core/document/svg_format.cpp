#include "document/svg_format.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "document/document_output.h"

namespace drawhost {

namespace {

// The length of the UTF-8 sequence starting at s[i] when it is valid (no
// overlong forms, no surrogates, at most U+10FFFF, not U+FFFE or U+FFFF,
// which XML excludes); 0 otherwise.
size_t Utf8Sequence(std::string_view s, size_t i) {
    auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char c = byte(i);
    if (c < 0x80) return 1;
    size_t n = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 ? 2 : 0;
    if (n == 0 || c > 0xF4 || i + n > s.size()) return 0;
    uint32_t cp = c & (0x7F >> n);
    for (size_t k = 1; k < n; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    if ((n == 3 && cp < 0x800) || (n == 4 && (cp < 0x10000 || cp > 0x10FFFF))) return 0;
    if ((cp >= 0xD800 && cp <= 0xDFFF) || cp == 0xFFFE || cp == 0xFFFF) return 0;
    return n;
}

std::string Hex2(float level) {
    int v = static_cast<int>(std::lround(std::fmin(1.0f, std::fmax(0.0f, level)) * 255.0f));
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02x", v);
    return buf;
}

bool ParseFloat(std::string_view text, float* value) {
    float v = 0;
    auto res = std::from_chars(text.data(), text.data() + text.size(), v);
    if (res.ec != std::errc() || res.ptr != text.data() + text.size()) return false;
    *value = v;
    return true;
}

bool ParseInt(std::string_view text, int32_t* value) {
    int32_t v = 0;
    auto res = std::from_chars(text.data(), text.data() + text.size(), v);
    if (res.ec != std::errc() || res.ptr != text.data() + text.size()) return false;
    *value = v;
    return true;
}

// The float fields of a paint, by the key they are written with.
struct PaintField {
    const char* key;
    float* (*field)(PaintColor&);
};
constexpr PaintField kPaintFields[] = {
    {"gray", [](PaintColor& c) { return &c.gray; }},
    {"red", [](PaintColor& c) { return &c.red; }},
    {"green", [](PaintColor& c) { return &c.green; }},
    {"blue", [](PaintColor& c) { return &c.blue; }},
    {"shift", [](PaintColor& c) { return &c.shiftDistance; }},
    {"shift-angle", [](PaintColor& c) { return &c.shiftAngle; }},
    {"scale-h", [](PaintColor& c) { return &c.scaleH; }},
    {"scale-v", [](PaintColor& c) { return &c.scaleV; }},
    {"rotation", [](PaintColor& c) { return &c.rotation; }},
    {"reflect-angle", [](PaintColor& c) { return &c.reflectAngle; }},
    {"shear-angle", [](PaintColor& c) { return &c.shearAngle; }},
    {"shear-axis", [](PaintColor& c) { return &c.shearAxis; }},
    {"a", [](PaintColor& c) { return &c.transform.a; }},
    {"b", [](PaintColor& c) { return &c.transform.b; }},
    {"c", [](PaintColor& c) { return &c.transform.c; }},
    {"d", [](PaintColor& c) { return &c.transform.d; }},
    {"tx", [](PaintColor& c) { return &c.transform.tx; }},
    {"ty", [](PaintColor& c) { return &c.transform.ty; }},
};

// Paint kinds by name; others are written as their number.
struct KindName {
    int32_t kind;
    const char* name;
};
constexpr KindName kKinds[] = {
    {kPaintNone, "none"}, {kPaintGray, "gray"}, {kPaintRGB, "rgb"}, {kPaintPattern, "pattern"}};

struct RulerUnit {
    int32_t units;
    const char* name;
};
constexpr RulerUnit kRulerUnits[] = {{kUnitInches, "in"},      {kUnitCentimeters, "cm"}, {kUnitPoints, "pt"},
                                     {kUnitPicas, "pi"},       {kUnitMillimeters, "mm"}, {kUnitPixels, "px"}};

void ExactPaint(std::string& out, const char* side, const PaintColor& paint, bool on,
                const std::function<int(PatternHandle)>& number) {
    PaintColor c = paint;
    out += side;
    out += on ? " on kind=" : " off kind=";
    const char* name = nullptr;
    for (const KindName& k : kKinds)
        if (k.kind == c.kind) name = k.name;
    out += name ? std::string(name) : std::to_string(c.kind);
    for (const PaintField& f : kPaintFields) {
        float v = *f.field(c);
        // -0 is written too: it is not the same bits as 0.
        if (v != 0.0f || std::signbit(v)) out += std::string(" ") + f.key + "=" + FloatText(v);
    }
    if (c.reflect) out += " reflect=" + std::to_string(c.reflect);
    if (c.pattern) out += " pattern=" + std::to_string(number(c.pattern));
}

}  // namespace

bool SvgTextFitsXml(std::string_view text) {
    for (size_t i = 0; i < text.size();) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 && c != '\t' && c != '\n' && c != '\r') return false;
        size_t n = Utf8Sequence(text, i);
        if (n == 0) return false;
        i += n;
    }
    return true;
}

std::string SvgRepairedText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        size_t n = Utf8Sequence(text, i);
        if (n == 0) {
            out += "\xEF\xBF\xBD";
            ++i;
        } else {
            out.append(text.substr(i, n));
            i += n;
        }
    }
    return out;
}

std::string SvgAttributeText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            case '\t': out += "&#9;"; break;
            case '\n': out += "&#10;"; break;
            case '\r': out += "&#13;"; break;
            default: out += c;
        }
    }
    return out;
}

std::string SvgHexText(std::string_view bytes) {
    static const char kDigits[] = "0123456789abcdef";
    std::string out;
    for (unsigned char c : bytes) {
        out += kDigits[c >> 4];
        out += kDigits[c & 15];
    }
    return out;
}

bool SvgFromHexText(std::string_view hex, std::string* bytes) {
    if (hex.size() % 2) return false;
    std::string out;
    for (size_t i = 0; i < hex.size(); i += 2) {
        int v = 0;
        auto res = std::from_chars(hex.data() + i, hex.data() + i + 2, v, 16);
        if (res.ec != std::errc() || res.ptr != hex.data() + i + 2) return false;
        out += static_cast<char>(v);
    }
    *bytes = std::move(out);
    return true;
}

std::string SvgColorText(float red, float green, float blue) { return "#" + Hex2(red) + Hex2(green) + Hex2(blue); }

std::string SvgShownPaint(const PaintColor& c, bool on, int patternNumber) {
    if (!on) return "none";
    switch (c.kind) {
        case kPaintGray: {
            std::string g = Hex2(1.0f - c.gray);
            return "#" + g + g + g;
        }
        case kPaintRGB:
            return SvgColorText(c.red, c.green, c.blue);
        case kPaintPattern:
            return patternNumber > 0 ? "url(#pattern-" + std::to_string(patternNumber) + ")" : "none";
        default:
            return "none";
    }
}

SvgShownStyle SvgShownStyleOf(const PathStyle& s, bool guide, const std::function<int(PatternHandle)>& number) {
    SvgShownStyle shown;
    if (guide) {
        shown.fill = "none";
        shown.stroke = "#4fdcff";
        shown.width = 0.5f;
        return shown;
    }
    shown.fill = SvgShownPaint(s.fill, s.fillPaint != 0, s.fill.kind == kPaintPattern ? number(s.fill.pattern) : 0);
    shown.stroke = SvgShownPaint(s.stroke.color, s.strokePaint != 0,
                                 s.stroke.color.kind == kPaintPattern ? number(s.stroke.color.pattern) : 0);
    shown.width = s.stroke.width;
    // Out-of-range codes cannot reach the document (the style suite refuses
    // them); they show as the defaults.
    shown.cap = s.stroke.cap >= 0 && s.stroke.cap <= 2 ? s.stroke.cap : 0;
    shown.join = s.stroke.join >= 0 && s.stroke.join <= 2 ? s.stroke.join : 0;
    // SVG takes no miter limit below 1.
    shown.miterLimit = std::fmax(1.0f, s.stroke.miterLimit);
    return shown;
}

std::string SvgExactStyle(const PathStyle& s, const std::function<int(PatternHandle)>& number) {
    std::string out;
    ExactPaint(out, "fill", s.fill, s.fillPaint != 0, number);
    out += " ";
    ExactPaint(out, "stroke", s.stroke.color, s.strokePaint != 0, number);
    out += " width=" + FloatText(s.stroke.width) + " cap=" + std::to_string(s.stroke.cap) +
           " join=" + std::to_string(s.stroke.join) + " miter=" + FloatText(s.stroke.miterLimit);
    return out;
}

bool SvgParseExactStyle(std::string_view text, const std::function<PatternHandle(int)>& pattern, PathStyle* style) {
    PathStyle s{};
    PaintColor* paint = nullptr;
    HostBool* on = nullptr;
    bool sawFill = false, sawStroke = false, sawWidth = false;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find(' ', at);
        if (end == std::string_view::npos) end = text.size();
        std::string_view word = text.substr(at, end - at);
        at = end + 1;
        if (word.empty()) continue;
        if (word == "fill" || word == "stroke") {
            bool fill = word == "fill";
            paint = fill ? &s.fill : &s.stroke.color;
            on = fill ? &s.fillPaint : &s.strokePaint;
            (fill ? sawFill : sawStroke) = true;
            continue;
        }
        if (word == "on" || word == "off") {
            if (!on) return false;
            *on = word == "on" ? 1 : 0;
            continue;
        }
        size_t eq = word.find('=');
        if (eq == std::string_view::npos) return false;
        std::string_view key = word.substr(0, eq), value = word.substr(eq + 1);
        if (key == "width") {
            if (!ParseFloat(value, &s.stroke.width)) return false;
            sawWidth = true;
        } else if (key == "cap") {
            if (!ParseInt(value, &s.stroke.cap)) return false;
        } else if (key == "join") {
            if (!ParseInt(value, &s.stroke.join)) return false;
        } else if (key == "miter") {
            if (!ParseFloat(value, &s.stroke.miterLimit)) return false;
        } else if (!paint) {
            return false;
        } else if (key == "kind") {
            bool known = false;
            for (const KindName& k : kKinds)
                if (value == k.name) {
                    paint->kind = k.kind;
                    known = true;
                }
            if (!known && !ParseInt(value, &paint->kind)) return false;
        } else if (key == "reflect") {
            if (!ParseInt(value, &paint->reflect)) return false;
        } else if (key == "pattern") {
            int32_t n = 0;
            if (!ParseInt(value, &n)) return false;
            // 0: a handle that named no pattern of the document.
            paint->pattern = n > 0 ? pattern(n) : nullptr;
            if (n > 0 && !paint->pattern) return false;
        } else {
            bool known = false;
            for (const PaintField& f : kPaintFields)
                if (key == f.key) {
                    if (!ParseFloat(value, f.field(*paint))) return false;
                    known = true;
                }
            if (!known) return false;
        }
    }
    if (!sawFill || !sawStroke || !sawWidth) return false;
    *style = s;
    return true;
}

std::string SvgCornerText(const std::vector<PathSegment>& segments) {
    std::string out;
    for (const PathSegment& s : segments) out += s.corner ? '1' : '0';
    return out;
}

bool SvgApplyCorners(std::string_view text, std::vector<PathSegment>* segments) {
    if (text.size() != segments->size()) return false;
    for (char c : text)
        if (c != '0' && c != '1') return false;
    for (size_t i = 0; i < text.size(); ++i) (*segments)[i].corner = text[i] == '1' ? 1 : 0;
    return true;
}

std::string SvgExactTriple(float a, float b, float c) {
    return FloatText(a) + " " + FloatText(b) + " " + FloatText(c);
}

bool SvgParseExactTriple(std::string_view text, float* a, float* b, float* c) {
    float v[3];
    size_t at = 0;
    for (int i = 0; i < 3; ++i) {
        size_t end = i < 2 ? text.find(' ', at) : text.size();
        if (end == std::string_view::npos || !ParseFloat(text.substr(at, end - at), &v[i])) return false;
        at = end + 1;
    }
    *a = v[0];
    *b = v[1];
    *c = v[2];
    return true;
}

const char* SvgRulerUnitName(int32_t units) {
    for (const RulerUnit& u : kRulerUnits)
        if (u.units == units) return u.name;
    return nullptr;
}

bool SvgRulerUnitFromName(std::string_view name, int32_t* units) {
    for (const RulerUnit& u : kRulerUnits)
        if (name == u.name) {
            *units = u.units;
            return true;
        }
    return false;
}

}  // namespace drawhost
