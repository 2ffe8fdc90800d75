// Copying a text into a plug-in's buffer.
#pragma once
#include <cstdint>
#include <cstring>
#include <string>

namespace drawhost {

// Copies `text` into a buffer of `size` bytes, cut on a UTF-8 character
// boundary and always terminated; nothing for a null or empty buffer.
inline void CopyTextOut(const std::string& text, char* buffer, int32_t size) {
    if (!buffer || size <= 0) return;
    size_t n = text.size();
    if (n > static_cast<size_t>(size - 1)) {
        n = static_cast<size_t>(size - 1);
        while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
    }
    std::memcpy(buffer, text.data(), n);
    buffer[n] = 0;
}

}  // namespace drawhost
