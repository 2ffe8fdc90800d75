#include "json_check.h"

#include <cctype>
#include <cstring>

namespace drawhost_test {

namespace {

struct Reader {
    const std::string& s;
    size_t at = 0;
    std::string why;
    int depth = 0;

    bool Fail(const char* reason) {
        why = std::string(reason) + " at offset " + std::to_string(at);
        return false;
    }
    void Blank() {
        while (at < s.size() && std::strchr(" \t\r\n", s[at]) && s[at]) ++at;
    }
    bool Literal(const char* word) {
        const size_t n = std::strlen(word);
        if (s.compare(at, n, word) != 0) return Fail("unknown word");
        at += n;
        return true;
    }
    bool Digits() {
        const size_t from = at;
        while (at < s.size() && s[at] >= '0' && s[at] <= '9') ++at;
        return at > from || Fail("digits expected");
    }
    bool Number() {
        if (s[at] == '-') ++at;
        if (at < s.size() && s[at] == '0') ++at;
        else if (!Digits()) return false;
        if (at < s.size() && s[at] == '.') {
            ++at;
            if (!Digits()) return false;
        }
        if (at < s.size() && (s[at] == 'e' || s[at] == 'E')) {
            ++at;
            if (at < s.size() && (s[at] == '+' || s[at] == '-')) ++at;
            if (!Digits()) return false;
        }
        return true;
    }
    bool String() {
        ++at;   // the opening quote
        while (at < s.size()) {
            const unsigned char c = static_cast<unsigned char>(s[at]);
            if (c == '"') {
                ++at;
                return true;
            }
            if (c < 0x20) return Fail("raw control character in a string");
            if (c == '\\') {
                ++at;
                if (at >= s.size()) break;
                const char e = s[at];
                if (e == 'u') {
                    for (int i = 1; i <= 4; ++i)
                        if (at + i >= s.size() || !std::isxdigit(static_cast<unsigned char>(s[at + i])))
                            return Fail("bad \\u escape");
                    at += 4;
                } else if (!std::strchr("\"\\/bfnrt", e) || !e) {
                    return Fail("bad escape");
                }
            }
            ++at;
        }
        return Fail("unterminated string");
    }
    bool Value() {
        Blank();
        if (at >= s.size()) return Fail("value expected");
        if (++depth > 512) return Fail("nested too deep");
        bool ok = false;
        switch (s[at]) {
            case '{': ok = Members('}', true); break;
            case '[': ok = Members(']', false); break;
            case '"': ok = String(); break;
            case 't': ok = Literal("true"); break;
            case 'f': ok = Literal("false"); break;
            case 'n': ok = Literal("null"); break;
            default: ok = (s[at] == '-' || (s[at] >= '0' && s[at] <= '9')) ? Number() : Fail("unexpected character");
        }
        --depth;
        return ok;
    }
    bool Members(char close, bool object) {
        ++at;
        Blank();
        if (at < s.size() && s[at] == close) {
            ++at;
            return true;
        }
        while (true) {
            if (object) {
                Blank();
                if (at >= s.size() || s[at] != '"') return Fail("member name expected");
                if (!String()) return false;
                Blank();
                if (at >= s.size() || s[at] != ':') return Fail("':' expected");
                ++at;
            }
            if (!Value()) return false;
            Blank();
            if (at < s.size() && s[at] == ',') {
                ++at;
                continue;
            }
            if (at < s.size() && s[at] == close) {
                ++at;
                return true;
            }
            return Fail("',' or the closing bracket expected");
        }
    }
};

}  // namespace

bool JsonValid(const std::string& text, std::string* why) {
    Reader r{text, 0, {}, 0};
    bool ok = r.Value();
    if (ok) {
        r.Blank();
        if (r.at != text.size()) ok = r.Fail("text after the value");
    }
    if (!ok && why) *why = r.why;
    return ok;
}

}  // namespace drawhost_test
