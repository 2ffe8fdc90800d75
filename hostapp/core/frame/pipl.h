// The plug-in property list: how drawhost finds and names a plug-in before
// loading any of its code.
//
// File format (all integers little-endian):
//   int32 version (0), int32 count, then `count` properties, each:
//   char vendor[4], char key[4], int32 id, int32 length, `length` bytes of data
//   padded with zeros to a multiple of 4.
// Properties read: 'kind' (4 chars, must be "SPEA"), 'ivrs' (int32, must be 2),
// 'wx86' (entry point name, zero padded), 'pinm' (plug-in name, zero padded).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace drawhost {

struct PiplProperty {
    std::string vendor;   // four characters
    std::string key;      // four characters
    int32_t id = 0;
    std::vector<uint8_t> data;
};

struct Pipl {
    std::vector<PiplProperty> properties;
    std::string kind;         // "SPEA"
    int32_t interfaceVersion = 0;
    std::string entryPoint;   // "PluginMain"
    std::string name;         // "TextFileFormat"
};

// Parses a property list. False with *error on any malformation: short file,
// lengths past the end, a missing or wrong kind, version or entry point, a
// missing or empty plug-in name.
bool ParsePipl(const std::vector<uint8_t>& bytes, Pipl* pipl, std::string* error);

// Encodes properties in the file format above (used by the resource compiler
// and by tests that make broken lists).
std::vector<uint8_t> EncodePipl(const std::vector<PiplProperty>& properties);

}  // namespace drawhost
