// Compiles a property-list source into the binary list drawhost reads.
// Source: one property a line, "KEY VALUE"; '#' starts a comment.
//   kind SPEA            four characters
//   ivrs 2               a 32-bit integer
//   wx86 PluginMain      a name, zero padded to 12 bytes
//   pinm TextFileFormat  a name, zero padded to 16 bytes
#include <cstdio>
#include <cstdlib>
#include <string>

#include "frame/pipl.h"
#include "util/files.h"

using namespace drawhost;

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: piplc SOURCE OUTPUT\n");
        return 2;
    }
    std::string source, error;
    if (!ReadWholeFile(argv[1], &source, &error)) {
        std::fprintf(stderr, "piplc: %s\n", error.c_str());
        return 1;
    }
    std::vector<PiplProperty> props;
    size_t start = 0;
    int lineNo = 0;
    while (start < source.size()) {
        size_t end = source.find('\n', start);
        if (end == std::string::npos) end = source.size();
        std::string line = source.substr(start, end - start);
        start = end + 1;
        ++lineNo;
        if (auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
        while (!line.empty() && (line.back() == ' ' || line.back() == '\r')) line.pop_back();
        if (line.empty()) continue;
        size_t space = line.find(' ');
        if (space != 4) {
            std::fprintf(stderr, "%s:%d: expected a four-character key and a value\n", argv[1], lineNo);
            return 1;
        }
        PiplProperty p;
        p.vendor = "HOST";
        p.key = line.substr(0, 4);
        std::string value = line.substr(5);
        if (p.key == "ivrs") {
            int32_t v = std::atoi(value.c_str());
            for (int i = 0; i < 4; ++i) p.data.push_back(uint8_t(uint32_t(v) >> (8 * i)));
        } else if (p.key == "kind") {
            p.data.assign(value.begin(), value.end());
        } else {
            size_t width = p.key == "pinm" ? 16 : 12;
            if (value.size() >= width) {
                std::fprintf(stderr, "%s:%d: '%s' does not fit in %zu bytes\n", argv[1], lineNo, value.c_str(), width);
                return 1;
            }
            p.data.assign(value.begin(), value.end());
            p.data.resize(width, 0);
        }
        props.push_back(p);
    }
    std::vector<uint8_t> bytes = EncodePipl(props);
    if (!WriteFileAtomically(argv[2], std::string(bytes.begin(), bytes.end()), &error)) {
        std::fprintf(stderr, "piplc: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
