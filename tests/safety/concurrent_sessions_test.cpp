// Two sessions on one preference file, in two processes: this test's own
// host (a session like any other, through the real code) and the drawhost
// binary. The test plug-in counts its start-ups in the file, so a lost
// update shows as a count one short.
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "app/prefs.h"
#include "host_fixture.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using namespace drawhost;

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// The drawhost binary running a session; its stderr goes to a file.
class Drawhost {
public:
    Drawhost(const fs::path& dir, const std::vector<std::string>& args) : errFile_(dir / "stderr.txt") {
        std::vector<std::string> all = {DRAWHOST_BIN, "run"};
        all.insert(all.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (std::string& a : all) argv.push_back(a.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, errFile_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
    }
    // The exit code, or -1.
    int Wait() {
        int status = 0;
        if (pid_ <= 0 || ::waitpid(pid_, &status, 0) != pid_ || !WIFEXITED(status)) return -1;
        return WEXITSTATUS(status);
    }
    std::string Stderr() const { return Read(errFile_); }

private:
    fs::path errFile_;
    pid_t pid_ = -1;
};

class ConcurrentSessions : public drawhost_test::HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        dir = fs::path(::testing::TempDir()) / ("concurrent-" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        prefs = dir / "prefs.txt";
        std::ofstream(prefs) << "drawhost-preferences 1\n[AppTest]\nStarts = int:1\nend\n";
        std::ofstream(dir / "start.txt") << "start\n";
    }
    void TearDown() override {
        HostTest::TearDown();
        fs::remove_all(dir);
    }
    // This process's session: reads the file (Starts becomes 2) and holds it.
    void OpenOwnSession() {
        PrefsSetPath(prefs.string());
        Start(APP_TEST_PLUGINS);
    }
    // Ends it as a session ends: the plug-ins stop, the file is written, the host resets.
    void EndOwnSession() {
        SessionQuit();
        std::string error;
        EXPECT_TRUE(PrefsSave(&error)) << error;
        TheHost().plugins.clear();
        HostReset();
    }
    Drawhost Other() {
        return Drawhost(dir, {(dir / "start.txt").string(), "--plugins", APP_TEST_PLUGINS, "--prefs", prefs.string()});
    }
    fs::path dir, prefs;
};

// The other session waits its bounded time, then stops naming the file;
// the file stays as this session will write it.
TEST_F(ConcurrentSessions, ASecondSessionStopsWhenTheFileStaysInUse) {
    OpenOwnSession();
    Drawhost other = Other();
    EXPECT_EQ(other.Wait(), 2);
    EXPECT_NE(other.Stderr().find("start.txt:1: the preference file " + prefs.string() +
                                  " is in use by another drawhost session (waited 2 s)"),
              std::string::npos)
        << other.Stderr();
    EXPECT_NE(Read(prefs).find("Starts = int:1\n"), std::string::npos);   // it wrote nothing
    EndOwnSession();
    EXPECT_NE(Read(prefs).find("Starts = int:2\n"), std::string::npos) << Read(prefs);
}

// When this session ends within the wait, the other reads what it wrote:
// both start-ups are counted.
TEST_F(ConcurrentSessions, ASecondSessionWaitsAndReadsTheFirstOnesChanges) {
    OpenOwnSession();
    Drawhost other = Other();
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EndOwnSession();
    EXPECT_EQ(other.Wait(), 0) << other.Stderr();
    EXPECT_NE(Read(prefs).find("Starts = int:3\n"), std::string::npos) << Read(prefs);
}

// A first session locks a file that does not exist yet by making it empty;
// a run that ends without writing it takes it away again.
TEST_F(ConcurrentSessions, TheEmptyFileMadeForTheLockGoesIfNothingWasWritten) {
    fs::path fresh = dir / "fresh.txt";
    PrefsSetPath(fresh.string());
    Start(APP_TEST_PLUGINS);
    EXPECT_TRUE(fs::exists(fresh));
    EXPECT_EQ(fs::file_size(fresh), 0u);
    SessionQuit();
    TheHost().plugins.clear();
    HostReset();   // a failed run: nothing saved
    EXPECT_FALSE(fs::exists(fresh));
}

// An editor that saves by renaming ignores the lock: its file is the newer
// one and is not overwritten.
TEST_F(ConcurrentSessions, AFileReplacedDuringTheSessionIsKept) {
    OpenOwnSession();
    const std::string edited = "drawhost-preferences 1\n[AppTest]\nStarts = int:40\nend\n";
    std::ofstream(dir / "edited.txt") << edited;
    fs::rename(dir / "edited.txt", prefs);
    SessionQuit();
    std::string error;
    EXPECT_FALSE(PrefsSave(&error));
    EXPECT_NE(error.find("was replaced by another program during the session; its version is kept"),
              std::string::npos)
        << error;
    EXPECT_EQ(Read(prefs), edited);
}

}  // namespace
