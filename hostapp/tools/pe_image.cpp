#include "pe_image.h"

#include <cstdio>
#include <cstring>

namespace pecheck {

namespace {

constexpr uint16_t kMagicPe32 = 0x10b;
constexpr uint16_t kFileDll = 0x2000;
constexpr int kDirExport = 0, kDirImport = 1, kDirResource = 2;
// A bound on what a sane module holds; a damaged table that claims more is
// refused rather than walked for ever.
constexpr uint32_t kMaxEntries = 65536;
constexpr size_t kMaxNameLength = 4096;

struct Section {
    uint32_t virtualAddress = 0;
    uint32_t virtualSize = 0;
    uint32_t rawOffset = 0;
    uint32_t rawSize = 0;
};

// The image and its sections, with reads that fail instead of overrunning.
class Reader {
public:
    explicit Reader(const std::string& file) : file_(file) {}

    bool Has(uint64_t offset, uint64_t size) const { return offset <= file_.size() && size <= file_.size() - offset; }
    uint16_t U16(uint64_t offset) const {
        return static_cast<uint16_t>(Byte(offset) | Byte(offset + 1) << 8);
    }
    uint32_t U32(uint64_t offset) const {
        return static_cast<uint32_t>(U16(offset)) | static_cast<uint32_t>(U16(offset + 2)) << 16;
    }

    std::vector<Section> sections;

    // The file offset of `size` bytes at `rva`, all inside one section's raw
    // data; false when they are not.
    bool Offset(uint32_t rva, uint32_t size, uint64_t* offset) const {
        for (const Section& s : sections) {
            if (rva < s.virtualAddress) continue;
            uint64_t into = uint64_t(rva) - s.virtualAddress;
            if (into + size > s.rawSize) continue;
            *offset = uint64_t(s.rawOffset) + into;
            return Has(*offset, size);
        }
        return false;
    }

    // A zero-terminated name at `rva`; false when it runs off its section
    // or past a sane length.
    bool Name(uint32_t rva, std::string* name) const {
        name->clear();
        for (uint32_t i = 0; i < kMaxNameLength; ++i) {
            uint64_t at = 0;
            if (!Offset(rva + i, 1, &at)) return false;
            char c = static_cast<char>(Byte(at));
            if (c == '\0') return true;
            name->push_back(c);
        }
        return false;
    }

    std::string Bytes(uint64_t offset, uint32_t size) const { return file_.substr(offset, size); }

private:
    uint32_t Byte(uint64_t offset) const {
        return offset < file_.size() ? static_cast<uint8_t>(file_[offset]) : 0;
    }
    const std::string& file_;
};

std::string Hex(uint32_t v) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%x", v);
    return text;
}

bool ReadExports(const Reader& r, uint32_t rva, uint32_t size, PeImage* image, std::string* error) {
    if (rva == 0 || size == 0) return true;
    uint64_t dir = 0;
    if (!r.Offset(rva, 40, &dir)) {
        *error = "the export directory at " + Hex(rva) + " lies outside the image";
        return false;
    }
    uint32_t base = r.U32(dir + 16), functions = r.U32(dir + 20), names = r.U32(dir + 24);
    uint32_t addressOfFunctions = r.U32(dir + 28), addressOfNames = r.U32(dir + 32),
             addressOfOrdinals = r.U32(dir + 36);
    if (functions > kMaxEntries || names > kMaxEntries) {
        *error = "the export directory claims " + std::to_string(functions) + " functions and " +
                 std::to_string(names) + " names";
        return false;
    }
    uint64_t fnTable = 0, nameTable = 0, ordinalTable = 0;
    if ((functions && !r.Offset(addressOfFunctions, functions * 4, &fnTable)) ||
        (names && (!r.Offset(addressOfNames, names * 4, &nameTable) ||
                   !r.Offset(addressOfOrdinals, names * 2, &ordinalTable)))) {
        *error = "an export table lies outside the image";
        return false;
    }
    std::vector<bool> named(functions, false);
    for (uint32_t i = 0; i < names; ++i) {
        std::string name;
        if (!r.Name(r.U32(nameTable + 4 * i), &name)) {
            *error = "export name " + std::to_string(i) + " lies outside the image";
            return false;
        }
        uint16_t ordinal = r.U16(ordinalTable + 2 * i);
        if (ordinal >= functions) {
            *error = "export " + name + " points past the function table";
            return false;
        }
        named[ordinal] = true;
        image->exports.push_back(name);
    }
    // Functions exported by ordinal alone are exports too.
    for (uint32_t i = 0; i < functions; ++i) {
        if (!named[i] && r.U32(fnTable + 4 * i) != 0) image->exports.push_back("#" + std::to_string(base + i));
    }
    return true;
}

bool ReadImports(const Reader& r, uint32_t rva, uint32_t size, PeImage* image, std::string* error) {
    if (rva == 0 || size == 0) return true;
    for (uint32_t i = 0;; ++i) {
        if (i >= kMaxEntries) {
            *error = "the import directory has no end";
            return false;
        }
        uint64_t desc = 0;
        if (!r.Offset(rva + 20 * i, 20, &desc)) {
            *error = "import descriptor " + std::to_string(i) + " lies outside the image";
            return false;
        }
        uint32_t lookup = r.U32(desc), nameRva = r.U32(desc + 12), thunks = r.U32(desc + 16);
        if (lookup == 0 && nameRva == 0 && thunks == 0) return true;
        ImportedModule module;
        if (!r.Name(nameRva, &module.name)) {
            *error = "the name of imported module " + std::to_string(i) + " lies outside the image";
            return false;
        }
        uint32_t table = lookup ? lookup : thunks;
        for (uint32_t k = 0;; ++k) {
            uint64_t at = 0;
            if (k >= kMaxEntries || !r.Offset(table + 4 * k, 4, &at)) {
                *error = "the imports from " + module.name + " run off the image";
                return false;
            }
            uint32_t thunk = r.U32(at);
            if (thunk == 0) break;
            if (thunk & 0x80000000u) {
                module.functions.push_back("#" + std::to_string(thunk & 0xffff));
                continue;
            }
            std::string name;
            if (!r.Name(thunk + 2, &name)) {   // past the two-byte hint
                *error = "an import name of " + module.name + " lies outside the image";
                return false;
            }
            module.functions.push_back(name);
        }
        image->imports.push_back(std::move(module));
    }
}

// The resource tree: types, then names, then languages; every offset in it
// counts from the start of the root directory.
class ResourceWalker {
public:
    ResourceWalker(const Reader& r, uint64_t root, uint64_t end, PeImage* image, std::string* error)
        : r_(r), root_(root), end_(end), image_(image), error_(error) {}

    bool Walk() { return Directory(0, 0, {}, {}); }

private:
    bool Inside(uint64_t offset, uint64_t size) const { return offset <= end_ - root_ && size <= end_ - root_ - offset; }

    bool Key(uint32_t field, ResourceKey* key) {
        if (!(field & 0x80000000u)) {
            key->numeric = true;
            key->id = field;
            return true;
        }
        uint64_t at = field & 0x7fffffffu;
        if (!Inside(at, 2)) return Fail("a resource name lies outside the resource table");
        uint16_t length = r_.U16(root_ + at);
        if (!Inside(at + 2, uint64_t(length) * 2)) return Fail("a resource name runs off the resource table");
        key->numeric = false;
        key->text.clear();
        for (uint16_t i = 0; i < length; ++i) {
            uint16_t c = r_.U16(root_ + at + 2 + 2 * i);
            // Names are the resource compiler's upper-case words: ASCII.
            key->text.push_back(c < 0x80 ? static_cast<char>(c) : '?');
        }
        return true;
    }

    bool Directory(uint32_t offset, int level, ResourceKey type, ResourceKey name) {
        if (!Inside(offset, 16)) return Fail("a resource directory lies outside the resource table");
        uint32_t count = uint32_t(r_.U16(root_ + offset + 12)) + r_.U16(root_ + offset + 14);
        if (!Inside(offset + 16, uint64_t(count) * 8)) return Fail("a resource directory runs off the resource table");
        for (uint32_t i = 0; i < count; ++i) {
            if (++visited_ > kMaxEntries) return Fail("the resource table holds too many entries");
            uint64_t entry = root_ + offset + 16 + 8 * i;
            uint32_t nameField = r_.U32(entry), target = r_.U32(entry + 4);
            ResourceKey key;
            if (!Key(nameField, &key)) return false;
            bool subdirectory = (target & 0x80000000u) != 0;
            // Exactly three levels: type, name, language; a deeper or
            // shallower tree (or a loop) is damage.
            if (subdirectory != (level < 2)) return Fail("the resource tree is not three levels deep");
            if (level == 0 && !Directory(target & 0x7fffffffu, 1, key, {})) return false;
            if (level == 1 && !Directory(target & 0x7fffffffu, 2, type, key)) return false;
            if (level == 2 && !Data(target, type, name, key)) return false;
        }
        return true;
    }

    bool Data(uint32_t offset, const ResourceKey& type, const ResourceKey& name, const ResourceKey& language) {
        if (!Inside(offset, 16)) return Fail("a resource data entry lies outside the resource table");
        uint32_t rva = r_.U32(root_ + offset), size = r_.U32(root_ + offset + 4);
        uint64_t at = 0;
        if (!r_.Offset(rva, size, &at))
            return Fail("the data of resource " + type.Describe() + " " + name.Describe() + " lies outside the image");
        Resource res;
        res.type = type;
        res.name = name;
        res.language = language.id;
        res.bytes = r_.Bytes(at, size);
        image_->resources.push_back(std::move(res));
        return true;
    }

    bool Fail(const std::string& why) {
        *error_ = why;
        return false;
    }

    const Reader& r_;
    uint64_t root_, end_;
    PeImage* image_;
    std::string* error_;
    uint32_t visited_ = 0;
};

bool ReadResources(const Reader& r, uint32_t rva, uint32_t size, PeImage* image, std::string* error) {
    if (rva == 0 || size == 0) return true;
    uint64_t root = 0;
    if (!r.Offset(rva, size, &root)) {
        *error = "the resource table at " + Hex(rva) + " lies outside the image";
        return false;
    }
    return ResourceWalker(r, root, root + size, image, error).Walk();
}

}  // namespace

std::string ResourceKey::Describe() const { return numeric ? std::to_string(id) : "\"" + text + "\""; }

bool ReadPeImage(const std::string& file, PeImage* image, std::string* error) {
    *image = {};
    Reader r(file);
    if (!r.Has(0, 64) || file[0] != 'M' || file[1] != 'Z') {
        *error = "not a Windows module (no MZ header)";
        return false;
    }
    uint32_t pe = r.U32(0x3c);
    if (!r.Has(pe, 24) || std::memcmp(file.data() + pe, "PE\0\0", 4) != 0) {
        *error = "no PE signature at " + Hex(pe);
        return false;
    }
    uint64_t coff = pe + 4;
    image->machine = r.U16(coff);
    uint16_t sectionCount = r.U16(coff + 2);
    uint16_t optionalSize = r.U16(coff + 16);
    image->isDll = (r.U16(coff + 18) & kFileDll) != 0;
    uint64_t optional = coff + 20;
    if (!r.Has(optional, optionalSize) || optionalSize < 96 || r.U16(optional) != kMagicPe32) {
        *error = "not a 32-bit (PE32) image";
        return false;
    }
    uint32_t directoryCount = r.U32(optional + 92);
    if (uint64_t(directoryCount) * 8 > optionalSize - 96u) {
        *error = "the optional header is too short for its " + std::to_string(directoryCount) + " directories";
        return false;
    }
    auto directory = [&](int index, uint32_t* rva, uint32_t* size) {
        *rva = *size = 0;
        if (uint32_t(index) >= directoryCount) return;
        *rva = r.U32(optional + 96 + 8 * index);
        *size = r.U32(optional + 96 + 8 * index + 4);
    };
    uint64_t sections = optional + optionalSize;
    if (!r.Has(sections, uint64_t(sectionCount) * 40)) {
        *error = "the section table runs off the file";
        return false;
    }
    for (uint16_t i = 0; i < sectionCount; ++i) {
        uint64_t s = sections + 40 * i;
        r.sections.push_back({r.U32(s + 12), r.U32(s + 8), r.U32(s + 20), r.U32(s + 16)});
    }
    uint32_t rva = 0, size = 0;
    directory(kDirExport, &rva, &size);
    if (!ReadExports(r, rva, size, image, error)) return false;
    directory(kDirImport, &rva, &size);
    if (!ReadImports(r, rva, size, image, error)) return false;
    directory(kDirResource, &rva, &size);
    return ReadResources(r, rva, size, image, error);
}

const Resource* FindResource(const PeImage& image, const ResourceKey& type, const ResourceKey& name) {
    for (const Resource& res : image.resources) {
        if (res.type == type && res.name == name) return &res;
    }
    return nullptr;
}

}  // namespace pecheck
