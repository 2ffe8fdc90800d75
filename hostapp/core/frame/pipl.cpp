#include "frame/pipl.h"

#include <cstring>

namespace drawhost {

namespace {

bool ReadInt(const std::vector<uint8_t>& b, size_t at, int32_t* out) {
    if (at + 4 > b.size()) return false;
    uint32_t u = uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24;
    *out = static_cast<int32_t>(u);
    return true;
}

void WriteInt(std::vector<uint8_t>& b, int32_t v) {
    uint32_t u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i) b.push_back(uint8_t(u >> (8 * i)));
}

// A zero-padded text: everything up to the first zero byte, which must
// exist. A property of length 0 holds no zero byte (and no buffer to search).
bool PaddedText(const std::vector<uint8_t>& data, std::string* out) {
    if (data.empty()) return false;
    const void* zero = std::memchr(data.data(), 0, data.size());
    if (!zero) return false;
    out->assign(reinterpret_cast<const char*>(data.data()), static_cast<const uint8_t*>(zero) - data.data());
    return true;
}

}  // namespace

bool ParsePipl(const std::vector<uint8_t>& bytes, Pipl* pipl, std::string* error) {
    *pipl = Pipl{};
    int32_t version = 0, count = 0;
    if (!ReadInt(bytes, 0, &version) || !ReadInt(bytes, 4, &count)) {
        *error = "property list too short";
        return false;
    }
    if (version != 0) {
        *error = "property list version " + std::to_string(version) + " not understood";
        return false;
    }
    if (count < 0 || count > 256) {
        *error = "property list claims " + std::to_string(count) + " properties";
        return false;
    }
    size_t at = 8;
    for (int32_t i = 0; i < count; ++i) {
        PiplProperty p;
        int32_t length = 0;
        if (at + 16 > bytes.size() || !ReadInt(bytes, at + 8, &p.id) || !ReadInt(bytes, at + 12, &length)) {
            *error = "property " + std::to_string(i + 1) + " is cut short";
            return false;
        }
        p.vendor.assign(reinterpret_cast<const char*>(&bytes[at]), 4);
        p.key.assign(reinterpret_cast<const char*>(&bytes[at + 4]), 4);
        if (length < 0) {
            *error = "property '" + p.key + "' has a negative length (" + std::to_string(length) + ")";
            return false;
        }
        size_t padded = (static_cast<size_t>(length) + 3) & ~size_t(3);
        if (at + 16 + padded > bytes.size()) {
            *error = "property '" + p.key + "' runs past the end of the list";
            return false;
        }
        p.data.assign(bytes.begin() + at + 16, bytes.begin() + at + 16 + length);
        at += 16 + padded;
        pipl->properties.push_back(std::move(p));
    }
    for (const PiplProperty& p : pipl->properties) {
        if (p.vendor != "HOST" || p.id != 0) continue;
        if (p.key == "kind" && p.data.size() == 4) {
            pipl->kind.assign(p.data.begin(), p.data.end());
        } else if (p.key == "ivrs" && p.data.size() == 4) {
            ReadInt(p.data, 0, &pipl->interfaceVersion);
        } else if (p.key == "wx86") {
            if (!PaddedText(p.data, &pipl->entryPoint)) {
                *error = "entry point name is not terminated";
                return false;
            }
        } else if (p.key == "pinm") {
            if (!PaddedText(p.data, &pipl->name)) {
                *error = "plug-in name is not terminated";
                return false;
            }
        }
    }
    if (pipl->kind != "SPEA") {
        *error = pipl->kind.empty() ? "no plug-in kind" : "plug-in kind '" + pipl->kind + "' not supported";
        return false;
    }
    if (pipl->interfaceVersion != 2) {
        *error = "interface version " + std::to_string(pipl->interfaceVersion) + " not supported";
        return false;
    }
    if (pipl->entryPoint.empty()) {
        *error = "no entry point named";
        return false;
    }
    // The name is how the host tells plug-ins apart (and refuses a second copy).
    if (pipl->name.empty()) {
        *error = "no plug-in name";
        return false;
    }
    return true;
}

std::vector<uint8_t> EncodePipl(const std::vector<PiplProperty>& properties) {
    std::vector<uint8_t> b;
    WriteInt(b, 0);
    WriteInt(b, static_cast<int32_t>(properties.size()));
    for (const PiplProperty& p : properties) {
        for (int i = 0; i < 4; ++i) b.push_back(i < int(p.vendor.size()) ? uint8_t(p.vendor[i]) : ' ');
        for (int i = 0; i < 4; ++i) b.push_back(i < int(p.key.size()) ? uint8_t(p.key[i]) : ' ');
        WriteInt(b, p.id);
        WriteInt(b, static_cast<int32_t>(p.data.size()));
        b.insert(b.end(), p.data.begin(), p.data.end());
        while (b.size() % 4) b.push_back(0);
    }
    return b;
}

}  // namespace drawhost
