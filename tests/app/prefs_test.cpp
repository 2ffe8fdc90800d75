// The preference store through its suite, its file and a whole session.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

#include "app/prefs.h"
#include "app_fixture.h"

namespace app_test {
namespace {

using namespace drawhost;
using drawhost_test::LogLinesWith;
using drawhost_test::RunLines;

const PreferenceSuite* Prefs() { return Suite<PreferenceSuite>(kPreferenceSuiteName, kPreferenceSuiteVersion); }

class Preferences : public AppTest {
protected:
    // What a new session sees: a fresh host reading the same file.
    void NewSession() {
        HostReset();
        PrefsSetPath(prefsFile);
        PrefsLoad();
    }
};

TEST_F(Preferences, EveryTypeSurvivesTheFile) {
    PrefsLoad();
    const PreferenceSuite* p = Prefs();
    IntPoint where = {-12, 345};
    ASSERT_EQ(p->PutBooleanPreference("QZVARC", "Son", 1), kNoErr);
    ASSERT_EQ(p->PutIntegerPreference("QZVARC", "Tolerance", -7), kNoErr);
    ASSERT_EQ(p->PutRealPreference("QZVARC", "Epaisseur", 0.24), kNoErr);
    ASSERT_EQ(p->PutStringPreference("QZVARC", "Dock", "Groupe \"A\" • 1\n2"), kNoErr);
    ASSERT_EQ(p->PutPointPreference("QZVARC", "PositionPalette", &where), kNoErr);
    ASSERT_EQ(p->PutRealPreference(nullptr, "constrain/angle", 0.5), kNoErr);
    std::string error;
    ASSERT_TRUE(PrefsSave(&error)) << error;
    EXPECT_NE(ReadFile(prefsFile).find("\nTolerance = int:-7\n"), std::string::npos);

    NewSession();
    HostBool b = 0;
    int32_t i = 0;
    double r = 0;
    char s[64];
    IntPoint pt{};
    EXPECT_EQ(p->GetBooleanPreference("QZVARC", "Son", &b), kNoErr);
    EXPECT_EQ(p->GetIntegerPreference("QZVARC", "Tolerance", &i), kNoErr);
    EXPECT_EQ(p->GetRealPreference("QZVARC", "Epaisseur", &r), kNoErr);
    EXPECT_EQ(p->GetStringPreference("QZVARC", "Dock", s, sizeof s), kNoErr);
    EXPECT_EQ(p->GetPointPreference("QZVARC", "PositionPalette", &pt), kNoErr);
    EXPECT_EQ(b, 1);
    EXPECT_EQ(i, -7);
    EXPECT_EQ(r, 0.24);
    EXPECT_STREQ(s, "Groupe \"A\" • 1\n2");
    EXPECT_EQ(pt.h, -12);
    EXPECT_EQ(pt.v, 345);
    EXPECT_EQ(p->GetRealPreference(nullptr, "constrain/angle", &r), kNoErr);
    EXPECT_EQ(r, 0.5);   // the stored value wins over the host's default
}

TEST_F(Preferences, MismatchedAndMissingKeysLeaveTheOutputAlone) {
    PrefsLoad();
    const PreferenceSuite* p = Prefs();
    ASSERT_EQ(p->PutIntegerPreference("QZVARC", "Tolerance", 8), kNoErr);
    double r = -1;
    HostBool b = 7;
    char s[8] = "keep";
    EXPECT_EQ(p->GetRealPreference("QZVARC", "Tolerance", &r), kErrWrongType);
    EXPECT_EQ(p->GetBooleanPreference("QZVARC", "Tolerance", &b), kErrWrongType);
    EXPECT_EQ(p->GetStringPreference("QZVARC", "Tolerance", s, sizeof s), kErrWrongType);
    EXPECT_EQ(p->GetRealPreference("QZVARC", "Absent", &r), kErrNotFound);
    EXPECT_EQ(p->GetRealPreference("OTHER", "Tolerance", &r), kErrNotFound);   // prefixes are apart
    EXPECT_EQ(r, -1);
    EXPECT_EQ(b, 7);
    EXPECT_STREQ(s, "keep");
    // A host key is not a plug-in's key of the same name.
    EXPECT_EQ(p->GetRealPreference("QZVARC", "constrain/angle", &r), kErrNotFound);
    EXPECT_EQ(p->GetRealPreference(nullptr, nullptr, &r), kErrBadParameter);
}

// The host's own keys answer before anything is stored, null or empty prefix.
TEST_F(Preferences, HostKeysHaveDefaults) {
    PrefsLoad();
    const PreferenceSuite* p = Prefs();
    double angle = -1, red = -1, green = -1, blue = -1;
    EXPECT_EQ(p->GetRealPreference(nullptr, "constrain/angle", &angle), kNoErr);
    EXPECT_EQ(p->GetRealPreference("", "snapomatic/Color/red", &red), kNoErr);
    EXPECT_EQ(p->GetRealPreference(nullptr, "snapomatic/Color/green", &green), kNoErr);
    EXPECT_EQ(p->GetRealPreference(nullptr, "snapomatic/Color/blue", &blue), kNoErr);
    EXPECT_EQ(angle, 0.0);
    EXPECT_TRUE(red <= 1 && green >= 0 && blue <= 1);
    EXPECT_GT(std::min(red, blue), green);   // magenta: more red and blue than green
    // Defaults are not stored: the file holds only what was put.
    std::string error;
    ASSERT_TRUE(PrefsSave(&error));
    EXPECT_EQ(ReadFile(prefsFile).find("snapomatic"), std::string::npos);
}

// Values the file could not hold are refused; a text longer than the
// buffer is cut before a whole character ('•' is 3 bytes).
TEST_F(Preferences, BadValuesAreRefusedAndLongTextsCut) {
    PrefsLoad();
    const PreferenceSuite* p = Prefs();
    EXPECT_EQ(p->PutRealPreference("Q", "R", NAN), kErrBadParameter);
    EXPECT_EQ(p->PutStringPreference("Q", "S", "\xE9t\xE9"), kErrBadParameter);   // Windows-1252, not UTF-8
    EXPECT_EQ(p->PutIntegerPreference("Q", "", 1), kErrBadParameter);
    ASSERT_EQ(p->PutStringPreference("Q", "S", "ab•c"), kNoErr);
    char s[5];
    EXPECT_EQ(p->GetStringPreference("Q", "S", s, sizeof s), kNoErr);
    EXPECT_STREQ(s, "ab");
}

TEST_F(Preferences, WritesCanBeMadeToFail) {
    StartTestPlugin();   // the test plug-in writes its start counter
    const PreferenceSuite* p = Prefs();
    int32_t i = 0;
    EXPECT_EQ(RunLines({"prefs-fail on"}), "");
    EXPECT_EQ(p->PutIntegerPreference("Q", "A", 1), kErrWriteFailed);
    EXPECT_EQ(p->GetIntegerPreference("Q", "A", &i), kErrNotFound);   // nothing stored
    EXPECT_EQ(RunLines({"prefs-fail off"}), "");
    EXPECT_EQ(p->PutIntegerPreference("Q", "A", 1), kNoErr);
    EXPECT_NE(RunLines({"prefs-fail maybe"}), "");

    PrefsFailWritesAfter(2);
    EXPECT_EQ(p->PutIntegerPreference("Q", "A", 2), kNoErr);
    EXPECT_EQ(p->PutIntegerPreference("Q", "B", 3), kNoErr);
    EXPECT_EQ(p->PutIntegerPreference("Q", "A", 4), kErrWriteFailed);
    EXPECT_EQ(p->PutIntegerPreference("Q", "C", 5), kErrWriteFailed);
    EXPECT_EQ(p->GetIntegerPreference("Q", "A", &i), kNoErr);
    EXPECT_EQ(i, 2);
}

TEST_F(Preferences, ACorruptFileIsKeptAsideAndTheHostStartsEmpty) {
    // A file cut short in the middle of its last line.
    const std::string cut = "drawhost-preferences 1\n[QZVARC]\nSon = bool:true\nTolerance = in";
    WriteFile(prefsFile, cut);
    PrefsLoad();
    auto lines = LogLinesWith("preferences:");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find(prefsFile + ".corrupt-1"), std::string::npos) << lines[0];
    EXPECT_NE(lines[0].find("line 4"), std::string::npos) << lines[0];
    EXPECT_EQ(ReadFile(prefsFile + ".corrupt-1"), cut);
    HostBool b = 0;
    EXPECT_EQ(Prefs()->GetBooleanPreference("QZVARC", "Son", &b), kErrNotFound);

    ASSERT_EQ(Prefs()->PutBooleanPreference("QZVARC", "Son", 0), kNoErr);
    std::string error;
    ASSERT_TRUE(PrefsSave(&error)) << error;
    EXPECT_EQ(ReadFile(prefsFile + ".corrupt-1"), cut);   // the backup stays

    // Cut at a line's end: only the missing end line tells. The first
    // backup is not overwritten.
    const std::string cut2 = "drawhost-preferences 1\n[QZVARC]\nSon = bool:true\n";
    WriteFile(prefsFile, cut2);
    NewSession();
    EXPECT_EQ(ReadFile(prefsFile + ".corrupt-1"), cut);
    EXPECT_EQ(ReadFile(prefsFile + ".corrupt-2"), cut2);
    EXPECT_FALSE(FileExists(prefsFile));
}

// The file is kept when the new one cannot be written (here: the temporary
// file's name is taken by a folder).
TEST_F(Preferences, AFailedSaveLeavesTheOldFileIntact) {
    const std::string old = "drawhost-preferences 1\n[Q]\nA = int:1\nend\n";
    WriteFile(prefsFile, old);
    PrefsLoad();
    ASSERT_EQ(Prefs()->PutIntegerPreference("Q", "A", 2), kNoErr);
    std::string blocker = prefsFile + ".tmp-" + std::to_string(::getpid());
    std::filesystem::create_directory(blocker);
    std::string error;
    EXPECT_FALSE(PrefsSave(&error));
    EXPECT_NE(error.find(prefsFile), std::string::npos) << error;
    EXPECT_EQ(ReadFile(prefsFile), old);
    EXPECT_EQ(LogLinesWith("preferences not saved").size(), 1u);

    std::filesystem::remove(blocker);
    ASSERT_TRUE(PrefsSave(&error)) << error;
    EXPECT_NE(ReadFile(prefsFile).find("A = int:2"), std::string::npos);
}

// A file that cannot even be read is never replaced.
TEST_F(Preferences, AnUnreadableFileIsNeverOverwritten) {
    std::filesystem::create_directory(prefsFile);   // opens, but does not read
    PrefsLoad();
    EXPECT_EQ(LogLinesWith("preferences:").size(), 1u);
    std::string error;
    EXPECT_FALSE(PrefsSave(&error));
    EXPECT_NE(error.find("not saved"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(prefsFile));
}

TEST_F(Preferences, NothingIsWrittenWhenTheStoreWasNeverRead) {
    const std::string old = "drawhost-preferences 1\n[Q]\nA = int:1\nend\n";
    WriteFile(prefsFile, old);
    std::string error;
    EXPECT_TRUE(PrefsSave(&error));
    EXPECT_EQ(ReadFile(prefsFile), old);
}

TEST_F(Preferences, TheDefaultFileIsInTheUserConfigurationFolder) {
    std::string config = scratch + "/config";
    const char* outer = std::getenv("XDG_CONFIG_HOME");
    std::string saved = outer ? outer : "";
    ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    EXPECT_EQ(PrefsDefaultPath(), config + "/drawhost/preferences.txt");
    HostReset();   // a fresh host takes the default place
    PrefsLoad();
    ASSERT_EQ(Prefs()->PutIntegerPreference("Q", "A", 3), kNoErr);
    std::string error;
    ASSERT_TRUE(PrefsSave(&error)) << error;   // creates drawhost/ on the way
    EXPECT_TRUE(FileExists(config + "/drawhost/preferences.txt"));
    // A relative path is no configuration folder: it is ignored, as the
    // XDG rules say, for the one under the home folder.
    const char* home = std::getenv("HOME");
    ::setenv("XDG_CONFIG_HOME", "relative/config", 1);
    ASSERT_TRUE(home);
    EXPECT_EQ(PrefsDefaultPath(), std::string(home) + "/.config/drawhost/preferences.txt");
    ::setenv("XDG_CONFIG_HOME", "", 1);
    EXPECT_EQ(PrefsDefaultPath(), std::string(home) + "/.config/drawhost/preferences.txt");
    if (outer)
        ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    else
        ::unsetenv("XDG_CONFIG_HOME");
}

// Two sessions of `drawhost run`: the store is read before the plug-in
// starts (it counts its start-ups) and written when the session ends.
TEST_F(Preferences, SessionsReadBeforeStartAndWriteAtTheEnd) {
    std::string script = scratch + "/session.txt";
    std::string log = scratch + "/log.txt";
    WriteFile(script, "start\nquit\n");
    std::vector<std::string> args = {"run", script, "--plugins", APP_TEST_PLUGINS, "--prefs", prefsFile, "--log", log};
    for (int session = 1; session <= 2; ++session) {
        TheHost().plugins.clear();
        HostReset();
        ASSERT_EQ(SessionRun(args), 0);
        EXPECT_NE(ReadFile(log).find("info: #1 Startup starts=" + std::to_string(session)), std::string::npos)
            << ReadFile(log);
    }
    EXPECT_NE(ReadFile(prefsFile).find("[AppTest]\nStarts = int:2\n"), std::string::npos);
    TheHost().plugins.clear();
}

}  // namespace
}  // namespace app_test
