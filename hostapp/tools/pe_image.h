// A reader of 32-bit Windows modules (PE32 images) for the build's checks:
// the machine, the exported names, the imported modules and functions, and
// the resource table. It reads a file already in memory and trusts none of
// it: every offset and size is checked against the image before use.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace pecheck {

// A resource's type or name: a number, or a text (stored by Windows in
// upper case, as the resource compiler writes it).
struct ResourceKey {
    bool numeric = true;
    uint32_t id = 0;
    std::string text;

    bool operator<(const ResourceKey& other) const {
        if (numeric != other.numeric) return numeric;   // numbers first, as Windows sorts them
        return numeric ? id < other.id : text < other.text;
    }
    bool operator==(const ResourceKey& other) const {
        return numeric == other.numeric && (numeric ? id == other.id : text == other.text);
    }
    std::string Describe() const;   // "16000" or "\"CURSORS\""
};

struct Resource {
    ResourceKey type;
    ResourceKey name;
    uint32_t language = 0;
    std::string bytes;
};

struct ImportedModule {
    std::string name;                    // as written in the image ("KERNEL32.dll")
    std::vector<std::string> functions;  // by name; "#N" for an import by ordinal
};

struct PeImage {
    uint16_t machine = 0;             // 0x14c for i386
    bool isDll = false;
    std::vector<std::string> exports;  // exported names; "#N" for an export by ordinal only
    std::vector<ImportedModule> imports;
    std::vector<Resource> resources;
};

// Reads `file` (the whole module). False with *error saying what is wrong
// and where when it is not a well-formed PE32 image.
bool ReadPeImage(const std::string& file, PeImage* image, std::string* error);

// The resource of that type and name (any language), or null.
const Resource* FindResource(const PeImage& image, const ResourceKey& type, const ResourceKey& name);

}  // namespace pecheck
