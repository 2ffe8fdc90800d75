// The property list: the good list the bundle ships, and every way a broken
// one must be refused before any code is loaded.
#include <gtest/gtest.h>

#include "frame/pipl.h"

namespace {

using namespace drawhost;

PiplProperty Prop(const char* key, std::vector<uint8_t> data, const char* vendor = "HOST") {
    return {vendor, key, 0, std::move(data)};
}
std::vector<uint8_t> Text(const char* s, size_t width) {
    std::vector<uint8_t> d(s, s + strlen(s));
    d.resize(width, 0);
    return d;
}
std::vector<uint8_t> Int(int32_t v) {
    return {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
}
std::vector<PiplProperty> Good() {
    return {Prop("kind", {'S', 'P', 'E', 'A'}), Prop("ivrs", Int(2)), Prop("wx86", Text("PluginMain", 12)),
            Prop("pinm", Text("TextFileFormat", 16))};
}

TEST(Pipl, GoodListNamesTheEntryPointAndThePlugin) {
    Pipl pipl;
    std::string error;
    ASSERT_TRUE(ParsePipl(EncodePipl(Good()), &pipl, &error)) << error;
    EXPECT_EQ(pipl.kind, "SPEA");
    EXPECT_EQ(pipl.interfaceVersion, 2);
    EXPECT_EQ(pipl.entryPoint, "PluginMain");
    EXPECT_EQ(pipl.name, "TextFileFormat");
    // Four properties of 4, 4, 12 and 16 data bytes, each with a 16-byte head, after an 8-byte head.
    EXPECT_EQ(EncodePipl(Good()).size(), 8u + 4 * 16 + 4 + 4 + 12 + 16);
}

TEST(Pipl, BrokenListsAreRefusedWithAReason) {
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
    };
    std::vector<Case> cases;
    cases.push_back({"empty", {}});
    std::vector<uint8_t> cut = EncodePipl(Good());
    cut.resize(cut.size() - 5);
    cases.push_back({"truncated", cut});
    auto wrongKind = Good();
    wrongKind[0].data = {'A', 'E', 'P', 'S'};
    cases.push_back({"wrong kind", EncodePipl(wrongKind)});
    auto wrongVersion = Good();
    wrongVersion[1].data = Int(3);
    cases.push_back({"wrong version", EncodePipl(wrongVersion)});
    auto noEntry = Good();
    noEntry.erase(noEntry.begin() + 2);
    cases.push_back({"no entry point", EncodePipl(noEntry)});
    auto unterminated = Good();
    unterminated[2].data = {'P', 'l', 'u', 'g', 'i', 'n', 'M', 'a', 'i', 'n', 'X', 'Y'};
    cases.push_back({"unterminated entry name", EncodePipl(unterminated)});
    auto foreignVendor = Good();
    foreignVendor[0].vendor = "ELSE";
    cases.push_back({"kind from another vendor", EncodePipl(foreignVendor)});
    std::vector<uint8_t> huge = EncodePipl(Good());
    huge[4] = 0xff;
    huge[5] = 0xff;   // a property count far beyond the data
    cases.push_back({"count too large", huge});
    std::vector<uint8_t> longLength = EncodePipl(Good());
    longLength[8 + 12] = 0xf0;   // the first property's length runs past the end
    cases.push_back({"length past the end", longLength});

    for (const Case& c : cases) {
        Pipl pipl;
        std::string error;
        EXPECT_FALSE(ParsePipl(c.bytes, &pipl, &error)) << c.what;
        EXPECT_FALSE(error.empty()) << c.what;
    }
}

// A length below zero would wrap into a huge size: it is named as such.
TEST(Pipl, ANegativeLengthIsRefusedAndNamed) {
    std::vector<uint8_t> bytes = EncodePipl(Good());
    for (int i = 0; i < 4; ++i) bytes[8 + 12 + i] = i == 0 ? 0xf0 : 0xff;   // -16
    Pipl pipl;
    std::string error;
    EXPECT_FALSE(ParsePipl(bytes, &pipl, &error));
    EXPECT_EQ(error, "property 'kind' has a negative length (-16)");
}

}  // namespace
