// UTF-8 checks for texts that go into files declared UTF-8 (SVG, JSON, the
// preference file), and a readable form of bytes that are not text.
#pragma once
#include <cstddef>
#include <string>

namespace drawhost {

// True when `text` is well-formed UTF-8: no stray continuation bytes, no
// overlong forms, no surrogates, nothing past U+10FFFF. On false, *badAt
// (when given) is the offset of the first byte that is not part of a
// well-formed character.
bool Utf8Valid(const std::string& text, size_t* badAt = nullptr);

// The text with every control byte (below 0x20, and 0x7F) and every byte
// that is not part of well-formed UTF-8 written as \xHH, so that a message
// quoting it is one printable line whatever it held.
std::string ShowBytes(const std::string& text);

// Well-formed UTF-8 from any bytes: each byte that is not part of a
// well-formed character becomes U+FFFD. Well-formed input comes back as is.
std::string Utf8Repaired(const std::string& text);

}  // namespace drawhost
