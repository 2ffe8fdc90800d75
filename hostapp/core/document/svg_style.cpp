#include "document/svg_style.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "document/svg_transform.h"

namespace drawhost {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

bool StartsWithWord(std::string_view s, std::string_view word) {
    return s.size() >= word.size() && Lower(s.substr(0, word.size())) == word;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool HexColor(std::string_view hex, SvgColor* color) {
    int v[8];
    for (size_t i = 0; i < hex.size(); ++i)
        if ((v[i < 8 ? i : 7] = HexDigit(hex[i])) < 0) return false;
    if (hex.size() == 3 || hex.size() == 4) {
        *color = SvgColor{v[0] * 17 / 255.0, v[1] * 17 / 255.0, v[2] * 17 / 255.0};
        return true;
    }
    if (hex.size() == 6 || hex.size() == 8) {
        *color = SvgColor{(v[0] * 16 + v[1]) / 255.0, (v[2] * 16 + v[3]) / 255.0, (v[4] * 16 + v[5]) / 255.0};
        return true;
    }
    return false;
}

// rgb(r, g, b) or rgba(r, g, b, a), with numbers (0..255) or percentages;
// commas or blanks between them. Values out of range are clipped.
bool FunctionalColor(std::string_view args, SvgColor* color) {
    const char* p = args.data();
    const char* end = p + args.size();
    double channel[3];
    for (int i = 0; i < 4; ++i) {
        SvgSkipSeparator(&p, end);
        if (i == 3 && p < end && *p == '/') {   // the alpha of "rgb(r g b / a)"
            ++p;
            SvgSkipSeparator(&p, end);
        }
        if (i == 3 && p == end) break;
        double v = 0;
        if (!SvgNumber(&p, end, &v) || !std::isfinite(v)) return false;
        bool percent = p < end && *p == '%';
        if (percent) ++p;
        if (i < 3) channel[i] = std::clamp(percent ? v / 100.0 : v / 255.0, 0.0, 1.0);
    }
    SvgSkipSeparator(&p, end);
    if (p != end) return false;
    *color = SvgColor{channel[0], channel[1], channel[2]};
    return true;
}

}  // namespace

bool SvgParseColor(std::string_view text, SvgColor* color) {
    text = Trim(text);
    if (text.empty()) return false;
    if (text[0] == '#') return HexColor(text.substr(1), color);
    size_t open = text.find('(');
    if (open != std::string_view::npos) {
        std::string name = Lower(Trim(text.substr(0, open)));
        if ((name != "rgb" && name != "rgba") || text.back() != ')') return false;
        return FunctionalColor(text.substr(open + 1, text.size() - open - 2), color);
    }
    return SvgNamedColor(text, color);
}

bool SvgParsePaint(std::string_view text, SvgPaint* paint) {
    text = Trim(text);
    std::string lower = Lower(text);
    SvgPaint out;
    if (lower == "none" || lower == "transparent") {
        out.kind = SvgPaint::kNone;
    } else if (lower == "currentcolor") {
        out.kind = SvgPaint::kCurrentColor;
    } else if (StartsWithWord(text, "url(")) {
        size_t close = text.find(')');
        if (close == std::string_view::npos) return false;
        std::string_view ref = Trim(text.substr(4, close - 4));
        if (ref.size() >= 2 && (ref.front() == '"' || ref.front() == '\'') && ref.back() == ref.front())
            ref = ref.substr(1, ref.size() - 2);
        // Only references within the file: nothing is ever fetched.
        out.kind = SvgPaint::kUrl;
        out.url = ref.size() > 1 && ref[0] == '#' ? std::string(ref.substr(1)) : std::string();
        std::string_view rest = Trim(text.substr(close + 1));
        if (!rest.empty()) {
            SvgPaint fallback;
            if (!SvgParsePaint(rest, &fallback) || fallback.kind == SvgPaint::kUrl) return false;
            out.hasFallback = true;
            out.fallbackKind = fallback.kind;
            out.fallback = fallback.color;
        }
    } else {
        out.kind = SvgPaint::kColor;
        if (!SvgParseColor(text, &out.color)) return false;
    }
    *paint = std::move(out);
    return true;
}

SvgDeclarations SvgParseDeclarations(std::string_view text) {
    SvgDeclarations out;
    size_t at = 0;
    while (at < text.size()) {
        // One declaration runs to the next ';' outside parentheses and quotes.
        size_t end = at;
        int depth = 0;
        char quote = 0;
        for (; end < text.size(); ++end) {
            char c = text[end];
            if (quote) {
                if (c == quote) quote = 0;
            } else if (c == '"' || c == '\'') {
                quote = c;
            } else if (c == '(') {
                ++depth;
            } else if (c == ')' && depth > 0) {
                --depth;
            } else if (c == ';' && depth == 0) {
                break;
            }
        }
        std::string_view item = text.substr(at, end - at);
        at = end + 1;
        size_t colon = item.find(':');
        if (colon == std::string_view::npos) continue;
        std::string name = Lower(Trim(item.substr(0, colon)));
        std::string_view value = Trim(item.substr(colon + 1));
        size_t bang = value.find('!');
        if (bang != std::string_view::npos && Lower(Trim(value.substr(bang + 1))) == "important")
            value = Trim(value.substr(0, bang));
        if (!name.empty() && !value.empty()) out.emplace_back(std::move(name), std::string(value));
    }
    return out;
}

namespace {

// CSS without its comments.
std::string WithoutComments(std::string_view css) {
    std::string out;
    for (size_t i = 0; i < css.size(); ++i) {
        if (css[i] == '/' && i + 1 < css.size() && css[i + 1] == '*') {
            size_t close = css.find("*/", i + 2);
            if (close == std::string_view::npos) break;
            i = close + 1;
            out += ' ';
            continue;
        }
        out += css[i];
    }
    return out;
}

bool IsNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' || c < 0; }

}  // namespace

void SvgStyleSheet::Add(std::string_view cssText) {
    std::string css = WithoutComments(cssText);
    size_t at = 0;
    while (at < css.size()) {
        size_t open = css.find_first_of("{;", at);
        if (open == std::string::npos) break;
        std::string_view prelude = Trim(std::string_view(css).substr(at, open - at));
        if (css[open] == ';') {   // "@import ...;" and stray text
            if (!prelude.empty()) ++skipped_;
            at = open + 1;
            continue;
        }
        // The block's end, counting nested blocks (at-rules hold rules).
        size_t close = open + 1;
        int depth = 1;
        for (; close < css.size() && depth > 0; ++close) {
            if (css[close] == '{') ++depth;
            else if (css[close] == '}') --depth;
        }
        // An unterminated block runs to the end of the sheet.
        size_t bodyEnd = depth == 0 ? close - 1 : close;
        std::string_view body = std::string_view(css).substr(open + 1, bodyEnd - open - 1);
        at = close;
        if (!prelude.empty() && prelude[0] == '@') {
            ++skipped_;
            continue;
        }
        SvgDeclarations declarations = SvgParseDeclarations(body);
        size_t start = 0;
        while (start <= prelude.size()) {
            size_t comma = prelude.find(',', start);
            if (comma == std::string_view::npos) comma = prelude.size();
            std::string_view selector = Trim(prelude.substr(start, comma - start));
            start = comma + 1;
            Rule rule;
            size_t i = 0;
            bool ok = !selector.empty();
            if (ok && selector[0] == '*') {
                i = 1;
            } else {
                while (i < selector.size() && IsNameChar(selector[i])) rule.type += selector[i++];
            }
            while (ok && i < selector.size()) {
                char kind = selector[i++];
                std::string name;
                while (i < selector.size() && IsNameChar(selector[i])) name += selector[i++];
                if ((kind != '.' && kind != '#') || name.empty() || (kind == '#' && !rule.id.empty())) {
                    ok = false;
                } else if (kind == '.') {
                    rule.classes.push_back(name);
                } else {
                    rule.id = name;
                }
            }
            if (!ok) {
                ++skipped_;
                continue;
            }
            rule.specificity = (rule.id.empty() ? 0 : 100) + 10 * static_cast<int>(rule.classes.size()) +
                               (rule.type.empty() ? 0 : 1);
            rule.order = static_cast<int>(rules_.size());
            rule.declarations = declarations;
            size_t index = rules_.size();
            if (!rule.id.empty()) byId_[rule.id].push_back(index);
            else if (!rule.classes.empty()) byClass_[rule.classes.front()].push_back(index);
            else if (!rule.type.empty()) byType_[rule.type].push_back(index);
            else universal_.push_back(index);
            rules_.push_back(std::move(rule));
        }
    }
}

void SvgStyleSheet::Collect(const SvgElementKeys& keys, std::vector<const SvgDeclarations*>* out) const {
    out->clear();
    if (rules_.empty()) return;
    std::vector<std::string_view> classes;
    for (size_t i = 0; i < keys.classes.size();) {
        while (i < keys.classes.size() && IsBlank(keys.classes[i])) ++i;
        size_t start = i;
        while (i < keys.classes.size() && !IsBlank(keys.classes[i])) ++i;
        if (i > start) classes.push_back(keys.classes.substr(start, i - start));
    }
    std::vector<size_t> candidates = universal_;
    auto add = [&](const std::unordered_map<std::string, std::vector<size_t>>& index, std::string_view key) {
        auto it = index.find(std::string(key));
        if (it != index.end()) candidates.insert(candidates.end(), it->second.begin(), it->second.end());
    };
    if (!keys.id.empty()) add(byId_, keys.id);
    for (std::string_view c : classes) add(byClass_, c);
    add(byType_, keys.type);
    std::sort(candidates.begin(), candidates.end());
    candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());
    std::vector<const Rule*> matching;
    for (size_t index : candidates) {
        const Rule& r = rules_[index];
        if (!r.type.empty() && r.type != keys.type) continue;
        if (!r.id.empty() && r.id != keys.id) continue;
        bool all = true;
        for (const std::string& c : r.classes)
            if (std::find(classes.begin(), classes.end(), c) == classes.end()) all = false;
        if (all) matching.push_back(&r);
    }
    std::stable_sort(matching.begin(), matching.end(), [](const Rule* x, const Rule* y) {
        return x->specificity != y->specificity ? x->specificity < y->specificity : x->order < y->order;
    });
    for (const Rule* r : matching) out->push_back(&r->declarations);
}

namespace {

// Keyword values of the stroke's cap and join, by their document codes.
constexpr const char* kCaps[] = {"butt", "round", "square"};
constexpr const char* kJoins[] = {"miter", "round", "bevel"};

int Keyword(std::string_view value, const char* const* names, int count) {
    std::string lower = Lower(value);
    for (int i = 0; i < count; ++i)
        if (lower == names[i]) return i;
    return -1;
}

// The properties the reader knows.
constexpr const char* kProperties[] = {
    "fill",         "stroke",  "stroke-width", "stroke-linecap", "stroke-linejoin", "stroke-miterlimit",
    "display",      "visibility", "color",
};

}  // namespace

bool SvgIsStyleProperty(std::string_view name) {
    for (const char* p : kProperties)
        if (name == p) return true;
    return false;
}

void SvgApplyDeclaration(std::string_view property, std::string_view value, const SvgStyle& parent,
                         double percentBase, SvgStyle* s) {
    value = Trim(value);
    bool inherit = Lower(value) == "inherit";
    if (property == "fill" || property == "stroke") {
        SvgPaint& paint = property == "fill" ? s->fill : s->stroke;
        SvgPaint parsed;
        if (inherit) paint = property == "fill" ? parent.fill : parent.stroke;
        else if (SvgParsePaint(value, &parsed)) paint = std::move(parsed);
    } else if (property == "stroke-width") {
        SvgLength length;
        if (inherit) s->strokeWidth = parent.strokeWidth;
        else if (SvgParseLength(value, &length) && length.number >= 0 && std::isfinite(length.number))
            s->strokeWidth = length.unit == SvgUnit::kPercent ? length.number / 100.0 * percentBase
                                                              : SvgLengthInUser(length, SvgAxis::kOther, 0, 0);
    } else if (property == "stroke-linecap") {
        int k = inherit ? parent.cap : Keyword(value, kCaps, 3);
        if (k >= 0) s->cap = k;
    } else if (property == "stroke-linejoin") {
        std::string lower = Lower(value);
        int k = inherit ? parent.join : (lower == "miter-clip" || lower == "arcs") ? 0 : Keyword(value, kJoins, 3);
        if (k >= 0) s->join = k;
    } else if (property == "stroke-miterlimit") {
        const char* p = value.data();
        double m = 0;
        if (inherit) s->miterLimit = parent.miterLimit;
        else if (SvgNumber(&p, value.data() + value.size(), &m) && p == value.data() + value.size() && m >= 1 &&
                 std::isfinite(m))
            s->miterLimit = m;
    } else if (property == "display") {
        s->displayNone = inherit ? parent.displayNone : Lower(value) == "none";
    } else if (property == "visibility") {
        std::string lower = Lower(value);
        if (inherit) s->visible = parent.visible;
        else if (lower == "visible") s->visible = true;
        else if (lower == "hidden" || lower == "collapse") s->visible = false;
    } else if (property == "color") {
        SvgColor c;
        if (inherit) s->color = parent.color;
        else if (SvgParseColor(value, &c)) s->color = c;
    }
}

}  // namespace drawhost
