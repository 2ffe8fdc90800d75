#include "util/utf8.h"

#include <cstdint>
#include <cstdio>

namespace drawhost {

namespace {

// The length of the well-formed character at `i`, or 0 when the byte there
// does not start one.
size_t CharLength(const std::string& text, size_t i) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) return 1;
    size_t n;
    uint32_t cp;
    if ((c & 0xE0) == 0xC0) {
        n = 1;
        cp = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
        n = 2;
        cp = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
        n = 3;
        cp = c & 0x07;
    } else {
        return 0;
    }
    if (i + n >= text.size()) return 0;
    for (size_t k = 1; k <= n; ++k) {
        unsigned char d = static_cast<unsigned char>(text[i + k]);
        if ((d & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (d & 0x3F);
    }
    static const uint32_t kMin[] = {0, 0x80, 0x800, 0x10000};
    if (cp < kMin[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return n + 1;
}

void AppendHex(std::string& out, unsigned char c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "\\x%02X", c);
    out += buf;
}

}  // namespace

bool Utf8Valid(const std::string& text, size_t* badAt) {
    for (size_t i = 0; i < text.size();) {
        size_t n = CharLength(text, i);
        if (n == 0) {
            if (badAt) *badAt = i;
            return false;
        }
        i += n;
    }
    return true;
}

std::string ShowBytes(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size();) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        size_t n = CharLength(text, i);
        if (n == 0 || c < 0x20 || c == 0x7F) {
            AppendHex(out, c);
            ++i;
        } else {
            out.append(text, i, n);
            i += n;
        }
    }
    return out;
}

std::string Utf8Repaired(const std::string& text) {
    if (Utf8Valid(text)) return text;
    std::string out;
    for (size_t i = 0; i < text.size();) {
        size_t n = CharLength(text, i);
        if (n == 0) {
            out += "\xEF\xBF\xBD";
            ++i;
        } else {
            out.append(text, i, n);
            i += n;
        }
    }
    return out;
}

}  // namespace drawhost
