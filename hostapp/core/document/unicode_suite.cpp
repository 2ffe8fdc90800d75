// "AI Unicode String Suite" 6: the plug-in's Windows-1252 texts to the
// host's UTF-8 and back. Bytes and characters with no counterpart become
// '?'. A result that does not fit is cut at a character boundary, and the
// buffer is always terminated.
#include <algorithm>
#include <string>

#include "document/document.h"
#include "frame/host.h"

namespace drawhost {

namespace {

// Code points of the bytes 0x80..0x9F; 0 where Windows-1252 defines none.
constexpr char16_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

void AppendUtf8(char32_t c, std::string* out) {
    if (c < 0x80) {
        out->push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out->push_back(static_cast<char>(0xC0 | (c >> 6)));
        out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out->push_back(static_cast<char>(0xE0 | (c >> 12)));
        out->push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out->push_back(static_cast<char>(0xF0 | (c >> 18)));
        out->push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out->push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

char ToEightBit(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] != 0 && kHigh[i] == c) return static_cast<char>(0x80 + i);
    return '?';
}

// Decodes one UTF-8 character at text[*i]; a malformed sequence yields
// U+FFFD for its first byte only, so decoding resynchronises at the next.
char32_t NextChar(const unsigned char* text, size_t* i) {
    unsigned char b = text[*i];
    int extra = b < 0x80 ? 0 : (b & 0xE0) == 0xC0 ? 1 : (b & 0xF0) == 0xE0 ? 2 : (b & 0xF8) == 0xF0 ? 3 : -1;
    if (extra < 0) {
        ++*i;
        return 0xFFFD;
    }
    char32_t c = extra == 0 ? b : b & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
        unsigned char n = text[*i + k];
        if ((n & 0xC0) != 0x80) {
            ++*i;
            return 0xFFFD;
        }
        c = (c << 6) | (n & 0x3F);
    }
    static const char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
    if (c < kMin[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++*i;
        return 0xFFFD;
    }
    *i += static_cast<size_t>(extra) + 1;
    return c;
}

HostErr EightBitToUTF8(const char* text, char* buffer, int32_t size) {
    return DocumentGuard([&]() -> HostErr {
        if (!text) return kErrBadParameter;
        std::string out;
        for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p) {
            char32_t c = *p;
            if (c >= 0x80 && c < 0xA0) c = kHigh[c - 0x80] ? kHigh[c - 0x80] : U'?';
            AppendUtf8(c, &out);
        }
        return DocumentCopyText(out, buffer, size);
    });
}

HostErr UTF8ToEightBit(const char* text, char* buffer, int32_t size) {
    return DocumentGuard([&]() -> HostErr {
        if (!text || !buffer || size < 1) return kErrBadParameter;
        const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
        std::string out;
        for (size_t i = 0; p[i];) out.push_back(ToEightBit(NextChar(p, &i)));
        // One byte per character: any cut is a character boundary.
        size_t n = std::min(out.size(), static_cast<size_t>(size - 1));
        out.copy(buffer, n);
        buffer[n] = '\0';
        return kNoErr;
    });
}

const UnicodeStringSuite kUnicodeStringSuite = {EightBitToUTF8, UTF8ToEightBit};

SuiteRegistrar registration(kUnicodeStringSuiteName, kUnicodeStringSuiteVersion, &kUnicodeStringSuite);

}  // namespace

}  // namespace drawhost
