// Random sessions on a plug-ins folder and files arranged to go wrong:
// copies of the bundle, links to nothing and to themselves, FIFOs where
// files are expected, empty names, missing resources; lines with texts that
// are not UTF-8, control bytes, snapshots aimed at FIFOs and devices. Whatever
// the arrangement, nothing hangs, the one good bundle starts once, every
// refused bundle is said, FIFOs and devices stay what they were, the document
// stays consistent and nothing leaks.
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include "document/document_invariants.h"
#include "frame/pipl.h"
#include "host_fixture.h"
#include "util/files.h"

namespace {

namespace fs = std::filesystem;
using namespace drawhost;
using drawhost_test::HostTest;
using drawhost_test::LogLinesWith;
using drawhost_test::RunLines;

class RandomFaults : public HostTest {
protected:
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }
    std::string OneOf(std::initializer_list<std::string> options) { return *(options.begin() + Pick(options.size())); }

    // A property list naming the plug-in `name` (possibly empty, possibly of length 0).
    std::string Pipl(std::vector<uint8_t> name) {
        auto prop = [](const char* key, std::vector<uint8_t> d) { return PiplProperty{"HOST", key, 0, d}; };
        std::vector<uint8_t> entry = {'P', 'l', 'u', 'g', 'i', 'n', 'M', 'a', 'i', 'n', 0, 0};
        auto bytes = EncodePipl({prop("kind", {'S', 'P', 'E', 'A'}), prop("ivrs", {2, 0, 0, 0}), prop("wx86", entry),
                                 prop("pinm", std::move(name))});
        return std::string(bytes.begin(), bytes.end());
    }
    void Put(const fs::path& path, const std::string& content) {
        std::string error;
        ASSERT_TRUE(WriteFileAtomically(path.string(), content, &error)) << error;
    }

    // The good bundle "A" (its resources maybe damaged) and a random set of
    // bad ones; returns how many bad ones there are.
    int Arrange(const fs::path& plugins) {
        const fs::path real = fs::path(QZV_PLUGINS_DIR) / "Orbiquad";
        fs::copy(real, plugins / "A", fs::copy_options::recursive);
        const fs::path icons = plugins / "A" / "resources" / "icons";
        switch (Pick(4)) {
        case 0: fs::remove(icons / "16051_0.png"); ::mkfifo((icons / "16051_0.png").c_str(), 0644); break;
        case 1: Put(icons / "18001_1.png", "not a picture"); break;
        case 2: fs::remove_all(plugins / "A" / "resources"); break;
        default: break;
        }
        int bad = 0;
        auto maybe = [&](auto make) {
            if (Pick(2)) {
                make();
                ++bad;
            }
        };
        maybe([&] { fs::copy(real, plugins / "B-copy", fs::copy_options::recursive); });
        maybe([&] {
            fs::create_directory(plugins / "C-same-module");
            fs::copy(plugins / "A" / "PiPL.rsrc", plugins / "C-same-module" / "PiPL.rsrc");
            fs::create_symlink("../A/module.so", plugins / "C-same-module" / "module.so");
        });
        maybe([&] { fs::create_directory_symlink("A", plugins / "D-link"); });
        maybe([&] { fs::create_symlink("nowhere", plugins / "E-dangling"); });
        maybe([&] { fs::create_symlink("F-loop", plugins / "F-loop"); });
        maybe([&] {
            fs::create_directory(plugins / "G-fifo");
            ::mkfifo((plugins / "G-fifo" / "PiPL.rsrc").c_str(), 0644);
        });
        maybe([&] {
            // A name of length 0, or a bare terminator.
            fs::copy(real, plugins / "H-empty-name", fs::copy_options::recursive);
            Put(plugins / "H-empty-name" / "PiPL.rsrc", Pipl(Pick(2) ? std::vector<uint8_t>{} : std::vector<uint8_t>{0, 0, 0, 0}));
        });
        maybe([&] { Put(plugins / "I-notes.txt", "not a bundle"); });
        return bad;
    }

    std::string Line(const fs::path& dir) {
        // FIFOs and devices of our own, never the system's /dev/null: a broken
        // refusal would replace them.
        std::string fifo = (dir / "fifo.png").string(), folder = dir.string(), device = (dir / "null").string();
        switch (Pick(12)) {
        case 0: return "layer " + OneOf({"A", "\"Été\"", "\"Calque \xE9t\xE9\"", std::string("\"a\0b\"", 6), "\"\xC0\xAF\""});
        case 1: return OneOf({"path 0 0 100 100", "path closed 10 10 50 10 50 50", "curve 0 0 10 10 20 20 30 30"});
        case 2: return "tool " + OneOf({"\"Outil Zivo & Voraved\"", "\"Outil Rectangles\"", "\"Outil \xE9\""});
        case 3: return OneOf({"move", "down", "drag", "up", "click"}) + " " +
                       OneOf({"10", "1e-400", "1e400", "200", "nan"}) + " " + OneOf({"20", "300", "-5"});
        case 4: return "toolbox-snapshot " + OneOf({fifo, folder, device, (dir / "toolbox.png").string()});
        case 5: return "snapshot \"About Dialog\" " + OneOf({fifo, device, (dir / "about.png").string()});
        case 6: return OneOf({"about", "press \"About Dialog\" 1", "close \"About Dialog\""});
        case 7: return "menu " + OneOf({"\"QZV•Orbiquad…\"", "\"QZV.Outils\"", "\"\xEF\xBB\xBF\""});
        case 8: return OneOf({"unload", "reload"});
        case 9: return "\xEF\xBB\xBF" + OneOf({"zoom 1", "seed 3"});
        case 10: return "alloc-fail " + OneOf({"0", "1", "2147483648"});
        default: return "key shift " + OneOf({"down", "up"});
        }
    }

    std::mt19937 rng;
};

TEST_F(RandomFaults, ArrangedFaultsNeverHangLoseOrBreakAnything) {
    const fs::path root = fs::path(::testing::TempDir()) / ("random-faults-" + std::to_string(::getpid()));
    for (unsigned seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        rng.seed(seed);
        fs::remove_all(root);
        fs::create_directories(root / "plugins");
        ASSERT_EQ(::mkfifo((root / "fifo.png").c_str(), 0644), 0);
        // A device node where we may make one (root); a regular file else, which may be replaced.
        bool device = ::mknod((root / "null").c_str(), S_IFCHR | 0666, ::makedev(1, 3)) == 0;
        int bad = Arrange(root / "plugins");
        HostReset();
        Start((root / "plugins").string());
        EXPECT_EQ(LogLinesWith("startup A -> ").size(), 1u);
        EXPECT_EQ(LogLinesWith("startup ").size(), 1u);   // no copy started
        EXPECT_EQ(static_cast<int>(LogLinesWith(" refused: ").size() - LogLinesWith(": resource ").size()), bad);
        for (int i = 0; i < 30; ++i) RunLines({Line(root)});
        std::string why;
        EXPECT_TRUE(DocumentCheckInvariants(&why)) << why;
        SessionQuit();
        EXPECT_TRUE(LogLinesWith("leak").empty());
        struct stat st;
        ASSERT_EQ(::stat((root / "fifo.png").c_str(), &st), 0);
        EXPECT_TRUE(S_ISFIFO(st.st_mode));
        if (device) {
            ASSERT_EQ(::stat((root / "null").c_str(), &st), 0);
            EXPECT_TRUE(S_ISCHR(st.st_mode));
        }
        TheHost().plugins.clear();
    }
    fs::remove_all(root);
}

}  // namespace
