// Random sessions: lines drawn from every command, with good and bad
// arguments (NaN, huge numbers, unknown names, unterminated quotes), run
// against the real plug-in. Whatever a line does, the host and the plug-in
// keep running, the document stays consistent, and nothing the plug-in
// allocated outlives its shut-down.
#include <random>

#include "document/document_invariants.h"
#include "host_fixture.h"

namespace {

using namespace drawhost;
using drawhost_test::HostTest;
using drawhost_test::LogLinesWith;
using drawhost_test::RunLines;

class Lines {
public:
    explicit Lines(unsigned seed) : rng_(seed) {}

    std::string Next() {
        switch (Pick(24)) {
        case 0: return "layer " + OneOf({"A", "\"B C\"", "\"\""}) + OneOf({"", " locked", " hidden"});
        case 1: return "path " + OneOf({"", "closed "}) + Numbers(Pick(9));
        case 2: return "curve " + Numbers(Pick(11));
        case 3: return "zoom " + Number();
        case 4: return "units " + OneOf({"mm", "px", "pi", "furlongs", ""});
        case 5: return "snapping " + OneOf({"on", "off", "maybe"});
        case 6: return "pattern " + OneOf({"P1", "P2", "\"Motif à pois\""});
        case 7: return "seed " + Number();
        case 8: return "tool " + OneOf({"\"Outil Zivo & Voraved\"", "\"Outil Rectangles\"", "\"Selection Tool\"", "Nope"});
        case 9: return OneOf({"move", "down", "drag", "up", "click"}) + " " + Number() + " " + Number();
        case 10: return "key " + OneOf({"shift", "alt", "ctrl", "space", "up", "left", "meta"}) + " " + OneOf({"down", "up"});
        case 11: return "menu " + OneOf({"\"Afficher QZV•Orbiquad\"", "\"QZV•Orbiquad…\"", "\"QZV.Outils\"", "x"});
        case 12: return OneOf({"press", "close", "item", "check", "choose", "step", "track"}) + " " + Dialog() + " " +
                        Number() + " " + OneOf({"on", "up", "down 1 2", "1", "abc"});
        case 13: return "about";
        case 14: return OneOf({"unload", "reload"});
        case 15: return "tool-options \"Outil Rectangles\"";
        case 16: return "selection-changed";
        case 17: return "prefs-fail " + OneOf({"on", "off"});
        case 18: return "screen " + Number() + " " + Number();
        case 19: return "alloc-fail " + OneOf({"0", "1", "-1", "many"});
        case 20: return "\"unterminated";
        case 21: return "snapshot " + Dialog() + " /nonexistent/folder/x.png";
        case 22: return "frobnicate 1 2";
        default: return "# a comment";
        }
    }

private:
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    std::string OneOf(std::initializer_list<const char*> options) { return *(options.begin() + Pick(options.size())); }
    std::string Number() {
        return OneOf({"0", "10", "-5", "3.5", "250", "1e9", "1e30", "-1e30", "nan", "inf", "abc", "2147483648", "@2"});
    }
    std::string Numbers(int n) {
        std::string out;
        for (int i = 0; i < n; ++i) out += Number() + " ";
        return out;
    }
    std::string Dialog() { return OneOf({"\"About Dialog\"", "QZVARC", "nope"}); }
    std::mt19937 rng_;
};

class RandomSessions : public HostTest {};

TEST_F(RandomSessions, EveryLineLeavesTheHostAndDocumentSound) {
    for (unsigned seed = 1; seed <= 150; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        HostReset();
        Start(QZV_PLUGINS_DIR);
        ASSERT_EQ(LogLinesWith("startup Orbiquad -> 0").size(), 1u);
        Lines lines(seed);
        int refused = 0;
        for (int i = 0; i < 30; ++i) refused += !RunLines({lines.Next()}).empty();   // an error stops only its line
        EXPECT_LT(refused, 30);
        std::string why;
        EXPECT_TRUE(DocumentCheckInvariants(&why)) << why;
        SessionQuit();
        EXPECT_TRUE(LogLinesWith("leak").empty());
        TheHost().plugins.clear();
    }
}

}  // namespace
