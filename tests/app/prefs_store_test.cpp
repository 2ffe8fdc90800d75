// The preference file's text form, without any file or host.
#include <gtest/gtest.h>

#include "app/prefs_store.h"

namespace {

using namespace drawhost;

PrefStore Sample() {
    PrefStore s;
    s[""]["constrain/angle"] = 0.5;
    s["QZVARC"]["Epaisseur"] = 0.24;
    s["QZVARC"]["Son"] = false;
    s["QZVARC"]["Tolerance"] = int32_t(-8);
    s["QZVARC"]["kADM_DPDockGroupStr"] = std::string("Groupe \"A\"\n\\ é•");
    s["QZVARC"]["PositionPalette"] = IntPoint{120, -340};
    s["odd prefix"]["key = with [signs]"] = true;
    s["odd prefix"]["#hash"] = int32_t(7);
    return s;
}

// The text is what the format's description says, written out by hand:
// host keys first without a section, sections in byte order, keys sorted,
// quoted names where they hold blanks or signs.
TEST(PrefsStore, WritesTheDocumentedForm) {
    const std::string expected =
        "drawhost-preferences 1\n"
        "# drawhost's preferences: [PREFIX] sections of KEY = TYPE:VALUE lines.\n"
        "constrain/angle = real:0.5\n"
        "[QZVARC]\n"
        "Epaisseur = real:0.24\n"
        "PositionPalette = point:120,-340\n"
        "Son = bool:false\n"
        "Tolerance = int:-8\n"
        "kADM_DPDockGroupStr = string:\"Groupe \\\"A\\\"\\n\\\\ é•\"\n"
        "[\"odd prefix\"]\n"
        "\"#hash\" = int:7\n"
        "\"key = with [signs]\" = bool:true\n"
        "end\n";
    EXPECT_EQ(PrefsFormat(Sample()), expected);
}

// The written form is checked above, so reading back is checked by writing
// again. Reals keep every bit; control bytes survive through \x escapes.
TEST(PrefsStore, ReadsBackWhatItWrites) {
    PrefStore s = Sample();
    s["P"]["third"] = 1.0 / 3.0;
    s["P"]["tiny"] = 5e-324;
    s["P"]["ctl"] = std::string("a\x01\tb\x7f");
    PrefStore back;
    std::string error;
    ASSERT_TRUE(PrefsParse(PrefsFormat(s), &back, &error)) << error;
    EXPECT_EQ(PrefsFormat(back), PrefsFormat(s));
    EXPECT_EQ(std::get<double>(back["P"]["third"]), 1.0 / 3.0);
}

// Hand-edited files: blanks, comments, CRLF, "[]" back to the host's keys.
TEST(PrefsStore, AcceptsHandEditedText) {
    const std::string text =
        "drawhost-preferences 1\r\n"
        "\n"
        "  # a comment\r\n"
        "[QZVARC]\r\n"
        "  Epaisseur=real:+2  \r\n"
        "PositionPalette = point: 3 , 4\r\n"
        "[]\r\n"
        "constrain/angle = real:1e-1\r\n"
        "end\r\n"
        "\n";
    PrefStore s;
    std::string error;
    ASSERT_TRUE(PrefsParse(text, &s, &error)) << error;
    EXPECT_EQ(std::get<double>(s["QZVARC"]["Epaisseur"]), 2.0);
    EXPECT_EQ(std::get<IntPoint>(s["QZVARC"]["PositionPalette"]).v, 4);
    EXPECT_EQ(std::get<double>(s[""]["constrain/angle"]), 0.1);
}

// Every malformed file is refused as a whole and leaves the store as it was.
TEST(PrefsStore, RefusesMalformedFiles) {
    const std::string head = "drawhost-preferences 1\n[Q]\n";
    const std::pair<std::string, std::string> cases[] = {
        {head + "A = int:1\n", "cut short"},                        // no end line
        {head + "A = int:1\nA = int:2\nend\n", "line 4"},           // key twice
        {head + "A = long:1\nend\n", "line 3"},                     // unknown type
        {head + "A = int:2147483648\nend\n", "line 3"},             // past 32 bits
        {head + "A = real:nan\nend\n", "line 3"},                   // not finite
        {head + "A = string:\"open\nend\n", "line 3"},              // unterminated
        {head + "A = string:\"\\q\"\nend\n", "line 3"},             // unknown escape
        {head + "A = string:\"\\xFF\"\nend\n", "line 3"},           // escape makes bad UTF-8
        {head + "A int:1\nend\n", "line 3"},                        // no '='
        {head + "[Q\nend\n", "line 3"},
        {head + "end\nA = int:1\n", "line 4"},                      // after the end
        {"[Q]\nA = int:1\nend\n", "line 1"},                        // no header
        {"drawhost-preferences 2\nend\n", "line 1"},                // other version
        {head + "A = string:\"\xC3\"\nend\n", "UTF-8"},             // raw bad UTF-8
    };
    for (const auto& [text, where] : cases) {
        PrefStore s;
        s["keep"]["me"] = true;
        std::string error;
        EXPECT_FALSE(PrefsParse(text, &s, &error)) << text;
        EXPECT_NE(error.find(where), std::string::npos) << text << " -> " << error;
        EXPECT_EQ(s.size(), 1u);
    }
}

TEST(PrefsStore, Utf8Validation) {
    EXPECT_TRUE(PrefsValidUtf8("QZV•Orbiquad À propos"));
    EXPECT_TRUE(PrefsValidUtf8("\xF0\x9F\x98\x80"));       // U+1F600
    EXPECT_FALSE(PrefsValidUtf8("\xE9t\xE9"));             // Windows-1252 "été"
    EXPECT_FALSE(PrefsValidUtf8("\xC0\xAF"));              // overlong '/'
    EXPECT_FALSE(PrefsValidUtf8("\xED\xA0\x80"));          // a surrogate
    EXPECT_FALSE(PrefsValidUtf8("\xE2\x80"));              // cut short
}

}  // namespace
