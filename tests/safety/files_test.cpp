// drawhost's file layer on real files in a scratch folder: links followed,
// FIFOs, devices and folders refused without blocking, batches written whole or not at
// all, temporary files of killed sessions cleared, texts checked as UTF-8.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include "util/files.h"
#include "util/utf8.h"

namespace {

namespace fs = std::filesystem;
using namespace drawhost;

class Files : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::path(::testing::TempDir()) / ("files-" + std::to_string(::getpid()) + "-" +
                                               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override {
        FilesClearReserved();
        fs::remove_all(dir);
    }
    std::string At(const std::string& name) const { return (dir / name).string(); }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    static void Write(const std::string& path, const std::string& text) { std::ofstream(path) << text; }
    fs::path dir;
};

TEST_F(Files, AWriteThroughALinkReplacesTheTargetAndKeepsTheLinkAndThePermissions) {
    Write(At("target.txt"), "old");
    ::chmod(At("target.txt").c_str(), 0600);
    fs::create_symlink("target.txt", At("link.txt"));
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(At("link.txt"), "new", &error)) << error;
    EXPECT_TRUE(fs::is_symlink(At("link.txt")));
    EXPECT_EQ(Read(At("target.txt")), "new");
    EXPECT_EQ(fs::status(At("target.txt")).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);

    // A link to a file not made yet: the file is made where the link leads.
    fs::create_symlink("later.txt", At("dangling.txt"));
    ASSERT_TRUE(WriteFileAtomically(At("dangling.txt"), "made", &error)) << error;
    EXPECT_TRUE(fs::is_symlink(At("dangling.txt")));
    EXPECT_EQ(Read(At("later.txt")), "made");
    // No temporary file stays behind.
    for (const auto& e : fs::directory_iterator(dir))
        EXPECT_EQ(e.path().filename().string().find(".tmp-"), std::string::npos) << e.path();
}

TEST_F(Files, FilesThatAreNotRegularAreNeitherReadNorReplaced) {
    ASSERT_EQ(::mkfifo(At("fifo").c_str(), 0644), 0);
    fs::create_directory(At("folder"));
    std::string content, error;
    // Without a writer, opening the FIFO to read would wait for ever.
    EXPECT_FALSE(ReadWholeFile(At("fifo"), &content, &error));
    EXPECT_NE(error.find("it is a FIFO, not a regular file"), std::string::npos) << error;
    EXPECT_FALSE(ReadWholeFile(At("folder"), &content, &error));
    EXPECT_NE(error.find("it is a directory"), std::string::npos) << error;

    // A device node of our own, never the system's: were the refusal broken,
    // the test would replace it. Making one needs the right to (root).
    std::vector<std::string> targets = {At("fifo"), At("folder")};
    bool device = ::mknod(At("null").c_str(), S_IFCHR | 0666, ::makedev(1, 3)) == 0;
    if (device) targets.push_back(At("null"));
    for (const std::string& target : targets) {
        EXPECT_FALSE(WriteFileAtomically(target, "x", &error)) << target;
        EXPECT_NE(error.find("not a regular file (left as it is)"), std::string::npos) << error;
    }
    struct stat st;
    ASSERT_EQ(::stat(At("fifo").c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    if (device) {
        ASSERT_EQ(::stat(At("null").c_str(), &st), 0);
        EXPECT_TRUE(S_ISCHR(st.st_mode));
    }
}

TEST_F(Files, PathsAreComparedAsFilesNotAsTexts) {
    Write(At("a.txt"), "a");
    fs::create_directory(At("sub"));
    fs::create_hard_link(At("a.txt"), At("hard.txt"));
    fs::create_symlink("a.txt", At("soft.txt"));
    fs::create_symlink("loop", At("loop"));
    FileTarget a, other;
    std::string error;
    ASSERT_TRUE(ResolveFile(At("a.txt"), &a, &error));
    for (const char* same : {"hard.txt", "soft.txt", "sub/../a.txt", "./a.txt"}) {
        ASSERT_TRUE(ResolveFile(At(same), &other, &error)) << error;
        EXPECT_TRUE(SameFile(a, other)) << same;
    }
    // Files not made yet are one file when their folders are one.
    FileTarget x, y;
    ASSERT_TRUE(ResolveFile(At("new.svg"), &x, &error));
    ASSERT_TRUE(ResolveFile(At("sub/../new.svg"), &y, &error));
    EXPECT_TRUE(SameFile(x, y));
    ASSERT_TRUE(ResolveFile(At("sub/new.svg"), &y, &error));
    EXPECT_FALSE(SameFile(x, y));

    EXPECT_FALSE(ResolveFile(At("loop"), &other, &error));
    EXPECT_NE(error.find("too many levels of symbolic links"), std::string::npos) << error;
    EXPECT_FALSE(ResolveFile(At("missing/x.svg"), &other, &error));
    EXPECT_NE(error.find("no folder"), std::string::npos) << error;
}

// One file that cannot be written keeps the others from being replaced:
// a folder that is gone (seen before anything is written), a temporary
// name taken by a folder (seen while the others' are written already).
TEST_F(Files, ABatchIsWrittenWholeOrNotAtAll) {
    Write(At("one.txt"), "old one");
    std::string error;
    for (const char* second : {"gone/two.txt", "two.txt"}) {
        fs::create_directories(TemporaryName(At("two.txt"), ::getpid()) + "/inside");
        FileBatch batch;
        batch.Add(At("one.txt"), "new one");
        batch.Add(At(second), "new two");
        EXPECT_FALSE(batch.Commit(&error)) << second;
        EXPECT_EQ(Read(At("one.txt")), "old one") << second;
        EXPECT_FALSE(fs::exists(TemporaryName(At("one.txt"), ::getpid()))) << second;   // no temporary left
    }
    fs::remove_all(TemporaryName(At("two.txt"), ::getpid()));

    FileBatch good;
    good.Add(At("one.txt"), "new one");
    good.Add(At("two.txt"), "new two");
    ASSERT_TRUE(good.Commit(&error)) << error;
    EXPECT_EQ(Read(At("one.txt")), "new one");
    EXPECT_EQ(Read(At("two.txt")), "new two");
}

TEST_F(Files, ReservedFilesAreRefusedToOtherWrites) {
    Write(At("prefs.txt"), "mine");
    fs::create_symlink("prefs.txt", At("alias.txt"));
    FileTarget t;
    std::string error;
    ASSERT_TRUE(ResolveFile(At("prefs.txt"), &t, &error));
    FilesReserve(t, "the --prefs file");
    EXPECT_FALSE(WriteFileAtomically(At("alias.txt"), "snapshot", &error));
    EXPECT_NE(error.find("it is the --prefs file of this session"), std::string::npos) << error;
    EXPECT_EQ(Read(At("prefs.txt")), "mine");
    FileBatch own;   // the session's own writing
    own.Add(At("prefs.txt"), "saved");
    EXPECT_TRUE(own.Commit(&error)) << error;
    EXPECT_EQ(Read(At("prefs.txt")), "saved");
}

TEST_F(Files, OnlyTemporariesOfEndedProcessesAreRemoved) {
    // A child that has ended: its id is free.
    pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ASSERT_GT(child, 0);
    int status = 0;
    ::waitpid(child, &status, 0);
    FileTarget t;
    std::string error;
    ASSERT_TRUE(ResolveFile(At("out.svg"), &t, &error));
    Write(TemporaryName(t.path, child), "half");
    Write(TemporaryName(t.path, 1), "process 1 is running");
    Write(At("out.svg.tmp-12x"), "not a temporary name");
    Write(At("other.svg.tmp-" + std::to_string(child)), "another output's");
    fs::create_directory(At("out.svg.tmp-" + std::to_string(child) + "0"));
    std::vector<std::string> removed = RemoveStaleTemporaries(t);
    ASSERT_EQ(removed.size(), 1u);
    EXPECT_EQ(removed[0], TemporaryName(t.path, child));
    EXPECT_FALSE(fs::exists(removed[0]));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 4);
}

// Expected results written out by hand from the UTF-8 encoding rules.
TEST(Utf8, MalformedTextIsFoundAndShownReadably) {
    size_t at = 99;
    EXPECT_TRUE(Utf8Valid("Été • QZV"));
    EXPECT_FALSE(Utf8Valid("Calque \xE9t\xE9", &at));
    EXPECT_EQ(at, 7u);
    EXPECT_FALSE(Utf8Valid("\xC0\xAF"));        // overlong '/'
    EXPECT_FALSE(Utf8Valid("\xED\xA0\x80"));    // a surrogate
    EXPECT_FALSE(Utf8Valid("ab\xE2\x80", &at));  // cut short
    EXPECT_EQ(at, 2u);
    EXPECT_EQ(ShowBytes(std::string("a\0b\x1b", 4)), "a\\x00b\\x1B");
    EXPECT_EQ(ShowBytes("\xE9té"), "\\xE9té");
    EXPECT_EQ(Utf8Repaired("\xE9t\xC3\xA9"), "\xEF\xBF\xBDt\xC3\xA9");
}

}  // namespace
