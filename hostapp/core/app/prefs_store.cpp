#include "app/prefs_store.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "util/utf8.h"

namespace drawhost {

namespace {

const char kHeader[] = "drawhost-preferences 1";
const char kEnd[] = "end";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool BareChar(unsigned char c) {
    return c > 0x20 && c != 0x7f && c != '=' && c != '"' && c != '[' && c != ']' && c != '#';
}

std::string Quote(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20 || c == 0x7f) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\x%02X", c);
                out += buf;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    return out + "\"";
}

// A prefix or key: bare when that reads back the same, quoted otherwise.
std::string Token(const std::string& text) {
    bool bare = !text.empty();
    for (unsigned char c : text)
        if (!BareChar(c)) bare = false;
    return bare ? text : Quote(text);
}

}  // namespace

std::string PrefsFormatValue(const PrefValue& value) {
    struct Visitor {
        std::string operator()(bool b) const { return b ? "bool:true" : "bool:false"; }
        std::string operator()(int32_t i) const { return "int:" + std::to_string(i); }
        std::string operator()(double r) const {
            char buf[64];
            auto res = std::to_chars(buf, buf + sizeof buf, r);
            return "real:" + std::string(buf, res.ptr);
        }
        std::string operator()(const std::string& s) const { return "string:" + Quote(s); }
        std::string operator()(const IntPoint& p) const {
            return "point:" + std::to_string(p.h) + "," + std::to_string(p.v);
        }
    };
    return std::visit(Visitor{}, value);
}

namespace {

// Reads a cursor over one line.
struct LineReader {
    const std::string& s;
    size_t i = 0;

    void SkipBlanks() {
        while (i < s.size() && IsBlank(s[i])) ++i;
    }
    bool AtEnd() const { return i >= s.size(); }

    // A double-quoted text with escapes.
    bool Quoted(std::string* out, std::string* why) {
        ++i;   // the opening quote
        out->clear();
        while (i < s.size()) {
            char c = s[i++];
            if (c == '"') return true;
            if (c != '\\') {
                *out += c;
                continue;
            }
            if (i >= s.size()) break;
            char e = s[i++];
            switch (e) {
            case '"': *out += '"'; break;
            case '\\': *out += '\\'; break;
            case 'n': *out += '\n'; break;
            case 'r': *out += '\r'; break;
            case 't': *out += '\t'; break;
            case 'x': {
                unsigned v = 0;
                if (i + 2 > s.size()) {
                    *why = "incomplete \\x escape";
                    return false;
                }
                auto res = std::from_chars(s.data() + i, s.data() + i + 2, v, 16);
                if (res.ptr != s.data() + i + 2) {
                    *why = "bad \\x escape";
                    return false;
                }
                *out += static_cast<char>(v);
                i += 2;
                break;
            }
            default:
                *why = std::string("unknown escape \\") + e;
                return false;
            }
        }
        *why = "unterminated quoted text";
        return false;
    }

    // A prefix or key, bare or quoted.
    bool Name(std::string* out, std::string* why) {
        if (i < s.size() && s[i] == '"') return Quoted(out, why);
        size_t start = i;
        while (i < s.size() && BareChar(static_cast<unsigned char>(s[i]))) ++i;
        *out = s.substr(start, i - start);
        return true;
    }
};

bool ParseInt(const std::string& w, int32_t* out) {
    const char* b = w.data();
    const char* e = w.data() + w.size();
    if (b != e && *b == '+') ++b;
    auto res = std::from_chars(b, e, *out);
    return res.ec == std::errc() && res.ptr == e && b != e;
}

std::string Trim(const std::string& s) {
    size_t b = 0, e = s.size();
    while (b < e && IsBlank(s[b])) ++b;
    while (e > b && IsBlank(s[e - 1])) --e;
    return s.substr(b, e - b);
}

bool ParseValue(LineReader& r, PrefValue* value, std::string* why) {
    size_t colon = r.s.find(':', r.i);
    if (colon == std::string::npos) {
        *why = "expected TYPE:VALUE after '='";
        return false;
    }
    std::string type = r.s.substr(r.i, colon - r.i);
    r.i = colon + 1;
    if (type == "string") {
        if (r.AtEnd() || r.s[r.i] != '"') {
            *why = "a string value is a double-quoted text";
            return false;
        }
        std::string text;
        if (!r.Quoted(&text, why)) return false;
        r.SkipBlanks();
        if (!r.AtEnd()) {
            *why = "text after the closing quote";
            return false;
        }
        if (!PrefsValidUtf8(text)) {
            *why = "string is not UTF-8";
            return false;
        }
        *value = std::move(text);
        return true;
    }
    std::string rest = Trim(r.s.substr(r.i));
    r.i = r.s.size();
    if (type == "bool") {
        if (rest != "true" && rest != "false") {
            *why = "a bool is true or false, not '" + rest + "'";
            return false;
        }
        *value = rest == "true";
        return true;
    }
    if (type == "int") {
        int32_t v = 0;
        if (!ParseInt(rest, &v)) {
            *why = "'" + rest + "' is not a 32-bit integer";
            return false;
        }
        *value = v;
        return true;
    }
    if (type == "real") {
        double v = 0;
        const char* b = rest.data();
        const char* e = rest.data() + rest.size();
        if (b != e && *b == '+') ++b;
        auto res = std::from_chars(b, e, v);
        if (res.ec != std::errc() || res.ptr != e || b == e || !std::isfinite(v)) {
            *why = "'" + rest + "' is not a finite real";
            return false;
        }
        *value = v;
        return true;
    }
    if (type == "point") {
        size_t comma = rest.find(',');
        IntPoint p{};
        if (comma == std::string::npos || !ParseInt(Trim(rest.substr(0, comma)), &p.h) ||
            !ParseInt(Trim(rest.substr(comma + 1)), &p.v)) {
            *why = "a point is two integers H,V, not '" + rest + "'";
            return false;
        }
        *value = p;
        return true;
    }
    *why = "unknown type '" + type + "'";
    return false;
}

}  // namespace

bool PrefsValidUtf8(const std::string& text) { return Utf8Valid(text); }

std::string PrefsFormat(const PrefStore& store) {
    std::string out = std::string(kHeader) + "\n";
    out += "# drawhost's preferences: [PREFIX] sections of KEY = TYPE:VALUE lines.\n";
    for (const auto& [prefix, keys] : store) {
        if (keys.empty()) continue;
        if (!prefix.empty()) out += "[" + Token(prefix) + "]\n";
        for (const auto& [key, value] : keys) out += Token(key) + " = " + PrefsFormatValue(value) + "\n";
    }
    out += std::string(kEnd) + "\n";
    return out;
}

bool PrefsParse(const std::string& text, PrefStore* store, std::string* error) {
    if (!PrefsValidUtf8(text)) {
        *error = "it is not UTF-8 text";
        return false;
    }
    PrefStore parsed;
    std::string prefix;
    bool headerSeen = false, endSeen = false;
    size_t start = 0;
    int lineNo = 0;
    while (start < text.size()) {
        size_t nl = text.find('\n', start);
        if (nl == std::string::npos) nl = text.size();
        std::string line = text.substr(start, nl - start);
        start = nl + 1;
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        line = Trim(line);
        if (line.empty() || line[0] == '#') continue;
        auto fail = [&](const std::string& why) {
            *error = "line " + std::to_string(lineNo) + ": " + why;
            return false;
        };
        if (endSeen) return fail("text after the 'end' line");
        if (!headerSeen) {
            if (line != kHeader) return fail(std::string("expected '") + kHeader + "'");
            headerSeen = true;
            continue;
        }
        if (line == kEnd) {
            endSeen = true;
            continue;
        }
        LineReader r{line};
        std::string why;
        if (line[0] == '[') {
            r.i = 1;
            if (!r.Name(&prefix, &why)) return fail(why);
            if (r.AtEnd() || line[r.i] != ']' || r.i + 1 != line.size()) return fail("malformed section header");
            if (!PrefsValidUtf8(prefix)) return fail("prefix is not UTF-8");
            continue;
        }
        std::string key;
        if (!r.Name(&key, &why)) return fail(why);
        if (key.empty()) return fail("expected KEY = TYPE:VALUE");
        if (!PrefsValidUtf8(key)) return fail("key is not UTF-8");
        r.SkipBlanks();
        if (r.AtEnd() || line[r.i] != '=') return fail("expected '=' after the key");
        ++r.i;
        r.SkipBlanks();
        PrefValue value;
        if (!ParseValue(r, &value, &why)) return fail(why);
        if (!parsed[prefix].emplace(key, std::move(value)).second)
            return fail("key '" + key + "' appears twice" + (prefix.empty() ? "" : " in [" + prefix + "]"));
    }
    if (!headerSeen) {
        *error = "it has no '" + std::string(kHeader) + "' line";
        return false;
    }
    if (!endSeen) {
        *error = "it ends without its 'end' line (cut short)";
        return false;
    }
    *store = std::move(parsed);
    return true;
}

}  // namespace drawhost
