// The real plug-in module driven through drawhost: start-up, the suite
// bracket around every message, unload and reload, shut-down, and what
// happens when the host lacks a suite or memory.
#include <dlfcn.h>

#include "dialogs/dialog_manager.h"
#include "host_fixture.h"
#include "util/files.h"

namespace {

using namespace drawhost;
using drawhost_test::HostTest;
using drawhost_test::LogLinesWith;

int LiveAcquisitions() {
    int n = 0;
    for (auto& [suite, count] : TheHost().acquireCount) n += count;
    return n;
}

class PluginFrame : public HostTest {
protected:
    LoadedPlugin& Orbiquad() { return Plugin("Orbiquad"); }
    // A plug-in whose palette is open stays loaded (the palette's procedures
    // live in its module): the palette goes first, as the host closes it.
    void ClosePalette() {
        if (DlgDialog* palette = DlgDialogByName("QZVARC")) DlgDestroyDialog(palette->handle);
    }
    HostErr Send(const char* caller, const char* selector) {
        MessageHeader msg{};
        return HostSend(Orbiquad(), caller, selector, &msg);
    }
};

TEST_F(PluginFrame, StartsRegistersAndShutsDownWithoutLeaks) {
    Start(QZV_PLUGINS_DIR);
    LoadedPlugin& p = Orbiquad();
    EXPECT_TRUE(p.started);
    EXPECT_EQ(p.name, "TextFileFormat");
    EXPECT_EQ(TheHost().liveBlocks.size(), 1u);   // the Globals block
    EXPECT_EQ(LiveAcquisitions(), 0);             // every suite released after start-up
    SessionQuit();
    EXPECT_EQ(TheHost().blocksLeftAtShutdown, 0u);
    EXPECT_TRUE(LogLinesWith("leak").empty());
    EXPECT_EQ(p.globalsSlot, nullptr);            // the slot is cleared at shut-down
}

TEST_F(PluginFrame, UnloadThenReloadKeepsTheSameState) {
    Start(QZV_PLUGINS_DIR);
    LoadedPlugin& p = Orbiquad();
    ASSERT_EQ(TheHost().liveBlocks.size(), 1u);
    void* globals = *TheHost().liveBlocks.begin();
    EXPECT_EQ(HostUnloadPlugin(p), kErrCantHappen);   // the palette keeps it loaded
    ClosePalette();
    std::string before(static_cast<const char*>(globals), 256);

    ASSERT_EQ(HostUnloadPlugin(p), kNoErr);
    EXPECT_EQ(p.globalsSlot, globals);   // parked in the host
    // The module is really out of memory: opening it without loading finds nothing.
    EXPECT_EQ(dlopen(p.modulePath.c_str(), RTLD_NOW | RTLD_NOLOAD), nullptr);

    ASSERT_EQ(HostReloadPlugin(p), kNoErr);
    EXPECT_EQ(std::string(static_cast<const char*>(globals), 256), before);
    // Suites are acquired afresh on the next message.
    long calls = TheHost().acquireCalls;
    EXPECT_EQ(Send(kCallerMenu, kSelUpdate), kNoErr);
    EXPECT_EQ(TheHost().acquireCalls - calls, 119);
    // Shut-down frees the block it took back: nothing leaks, nothing is freed twice.
    SessionQuit();
    EXPECT_EQ(TheHost().blocksLeftAtShutdown, 0u);
}

// The about box runs a modal loop inside the "About" handler; a message the
// host sends meanwhile is nested and must neither acquire nor release.
TEST_F(PluginFrame, NestedMessagesReuseTheSuitesAndOnlyTheOutermostReleases) {
    Start(QZV_PLUGINS_DIR);
    int liveInside = -1, liveAfterNested = -1;
    long nestedCalls = -1;
    HostErr nestedResult = -1;
    TheHost().modalPump = [&] {
        liveInside = LiveAcquisitions();
        long before = TheHost().acquireCalls;
        nestedResult = Send(kCallerMenu, kSelUpdate);
        nestedCalls = TheHost().acquireCalls - before;
        liveAfterNested = LiveAcquisitions();
        EXPECT_EQ(drawhost_test::RunLines({"press \"About Dialog\" 1"}), "");
        return true;
    };
    EXPECT_EQ(HostSendAbout(Orbiquad()), kNoErr);
    EXPECT_EQ(liveInside, 119);        // every entry of the table, the tracker twice
    EXPECT_EQ(nestedResult, kNoErr);
    EXPECT_EQ(nestedCalls, 0);         // the nested call acquired nothing
    EXPECT_EQ(liveAfterNested, 119);   // and released nothing
    EXPECT_EQ(LiveAcquisitions(), 0);  // the outermost call released everything
}

TEST_F(PluginFrame, BlocksLeftAtShutdownAreReported) {
    Start(QZV_PLUGINS_DIR);
    void* stray = nullptr;
    ASSERT_EQ(HostBasicSuite()->AllocateBlock(16, &stray), kNoErr);
    SessionQuit();
    EXPECT_EQ(TheHost().blocksLeftAtShutdown, 1u);   // what the leak checks read
    EXPECT_EQ(LogLinesWith("leak: 1 block(s) still allocated").size(), 1u);
    // Reported, then taken back by the host: the block is no longer anyone's.
    EXPECT_TRUE(TheHost().liveBlocks.empty());
    EXPECT_EQ(HostBasicSuite()->FreeBlock(stray), kErrBadParameter);
}

// A line read inside the about box's modal loop may not take the module away
// from under the handler that is running.
TEST_F(PluginFrame, QuitAndUnloadAreRefusedWhileAModalDialogIsOpen) {
    Start(QZV_PLUGINS_DIR);
    EXPECT_EQ(drawhost_test::RunLines({"about", "unload"}),
              "test:2: 'unload' while a plug-in is busy (a modal dialog is open)");
    EXPECT_EQ(drawhost_test::RunLines({"about", "quit"}),
              "test:2: 'quit' while a plug-in is busy (a modal dialog is open)");
    EXPECT_TRUE(Orbiquad().started);
    EXPECT_FALSE(Orbiquad().unloaded);
    EXPECT_EQ(drawhost_test::RunLines({"about", "press \"About Dialog\" 1", "quit"}), "");
}

TEST_F(PluginFrame, QuittingWhileUnloadedReloadsToShutDown) {
    Start(QZV_PLUGINS_DIR);
    ClosePalette();
    ASSERT_EQ(HostUnloadPlugin(Orbiquad()), kNoErr);
    SessionQuit();
    EXPECT_EQ(TheHost().blocksLeftAtShutdown, 0u);   // the parked state was freed by the plug-in
    EXPECT_TRUE(LogLinesWith("leak").empty());
    EXPECT_EQ(LogLinesWith("shutdown Orbiquad -> 0").size(), 1u);
}

TEST_F(PluginFrame, UnknownMessagesStillBracketTheSuites) {
    Start(QZV_PLUGINS_DIR);
    long calls = TheHost().acquireCalls;
    EXPECT_EQ(Send("Someone Else", "Something"), kNoErr);
    EXPECT_EQ(Send(kCallerInterface, "Unknown Selector"), kNoErr);
    EXPECT_EQ(TheHost().acquireCalls - calls, 2 * 119);
    EXPECT_EQ(LiveAcquisitions(), 0);
    // "SP Access" messages never touch suites.
    calls = TheHost().acquireCalls;
    EXPECT_EQ(Send(kCallerAccess, "Anything"), kNoErr);
    EXPECT_EQ(TheHost().acquireCalls, calls);
}

TEST_F(PluginFrame, MenuUpdateAndForeignNotifierChangeNothing) {
    Start(QZV_PLUGINS_DIR);
    size_t logSize = TheHost().log.size();
    EXPECT_EQ(Send(kCallerMenu, kSelUpdate), kNoErr);
    NotifierMessage notify{};
    notify.notifier = reinterpret_cast<NotifierHandle>(0x1234);   // not one the plug-in registered
    notify.type = kNotifyArtSelectionChanged;
    EXPECT_EQ(HostSend(Orbiquad(), kCallerNotifier, kSelNotify, &notify.d), kNoErr);
    EXPECT_EQ(TheHost().log.size(), logSize);
}

TEST_F(PluginFrame, MissingEarlySuiteRefusesStartupSilently) {
    HostSetSuiteAvailable(kUndoSuiteName, kUndoSuiteVersion, false);
    Start(QZV_PLUGINS_DIR);
    LoadedPlugin& p = Orbiquad();
    EXPECT_FALSE(p.started);
    EXPECT_EQ(p.startupResult, kErrSuiteNotFound);
    EXPECT_TRUE(LogLinesWith("alert").empty());
    EXPECT_TRUE(TheHost().liveBlocks.empty());   // no handler ran
    EXPECT_EQ(LiveAcquisitions(), 0);
}

TEST_F(PluginFrame, MissingLateSuiteIsNamedToTheUser) {
    HostSetSuiteAvailable(kPatternSuiteName, kPatternSuiteVersion, false);
    Start(QZV_PLUGINS_DIR);
    EXPECT_FALSE(Orbiquad().started);
    auto alerts = LogLinesWith("alert");
    ASSERT_EQ(alerts.size(), 1u);
    EXPECT_EQ(alerts[0], "alert(message): Error: " + std::to_string(int32_t(kErrSuiteNotFound)) +
                             ", suite: AI Pattern Suite, version: 7!");
    EXPECT_EQ(LiveAcquisitions(), 0);
}

TEST_F(PluginFrame, AShutDownWhileASuiteIsWithdrawnStillFreesTheState) {
    Start(QZV_PLUGINS_DIR);
    ASSERT_TRUE(Orbiquad().started);
    EXPECT_EQ(drawhost_test::RunLines({"suite \"AI Pattern Suite\" 7 off"}), "");
    SessionQuit();
    EXPECT_EQ(TheHost().blocksLeftAtShutdown, 0u);
    EXPECT_TRUE(LogLinesWith("leak").empty());
    EXPECT_EQ(Orbiquad().globalsSlot, nullptr);
}

TEST_F(PluginFrame, FailedAllocationAtStartupIsReturned) {
    TheHost().failAllocations = 1;
    Start(QZV_PLUGINS_DIR);
    EXPECT_FALSE(Orbiquad().started);
    EXPECT_EQ(Orbiquad().startupResult, kErrOutOfMemory);
    EXPECT_TRUE(TheHost().liveBlocks.empty());
}

// Bundles that must be refused, beside one good copy of the real bundle.
TEST_F(PluginFrame, BrokenBundlesAreRefusedAndTheOthersLoad) {
    std::string dir = ::testing::TempDir() + "bundles-" + std::to_string(::getpid());
    std::string real = std::string(QZV_PLUGINS_DIR) + "/Orbiquad";
    auto sh = [](const std::string& cmd) { ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd; };
    sh("rm -rf " + dir + " && mkdir -p " + dir);
    sh("cp -r " + real + " " + dir + "/A-good");
    sh("cp -r " + real + " " + dir + "/B-no-pipl && rm " + dir + "/B-no-pipl/PiPL.rsrc");
    sh("cp -r " + real + " " + dir + "/C-bad-pipl && head -c 20 " + real + "/PiPL.rsrc > " + dir +
       "/C-bad-pipl/PiPL.rsrc");
    sh("cp -r " + real + " " + dir + "/D-not-a-module && echo garbage > " + dir + "/D-not-a-module/module.so");
    // A list naming an entry point the module does not have.
    std::string pipl, error;
    ASSERT_TRUE(ReadWholeFile(real + "/PiPL.rsrc", &pipl, &error));
    size_t at = pipl.find("PluginMain");
    ASSERT_NE(at, std::string::npos);
    pipl.replace(at, 10, "PluginMair");
    sh("cp -r " + real + " " + dir + "/E-no-entry");
    ASSERT_TRUE(WriteFileAtomically(dir + "/E-no-entry/PiPL.rsrc", pipl, &error));

    EXPECT_EQ(HostLoadPlugins(dir), 1);
    EXPECT_EQ(LogLinesWith("refused").size(), 4u);
    EXPECT_EQ(LogLinesWith("B-no-pipl refused").size(), 1u);
    EXPECT_EQ(LogLinesWith("C-bad-pipl refused").size(), 1u);
    EXPECT_EQ(LogLinesWith("D-not-a-module refused: module does not load").size(), 1u);
    EXPECT_EQ(LogLinesWith("E-no-entry refused: module has no entry point 'PluginMair'").size(), 1u);
    sh("rm -rf " + dir);
}

TEST(SessionScript, BadLinesStopWithFileAndLine) {
    HostReset();
    EXPECT_EQ(drawhost_test::RunLines({"# comment", "frobnicate"}), "test:2: unknown command 'frobnicate'");
    HostReset();
    EXPECT_EQ(drawhost_test::RunLines({"unload"}), "test:1: 'unload' before start");
    HostReset();
    EXPECT_EQ(drawhost_test::RunLines({"suite \"AI Art Suite 10 off"}), "test:1: unterminated quote");
    HostReset();
    EXPECT_EQ(drawhost_test::RunLines({"alloc-fail many"}), "test:1: 'many' is not a whole number");
    HostReset();
    EXPECT_EQ(drawhost_test::RunLines({"quit", "start"}), "test:2: 'start' after quit");
    HostReset();
}

}  // namespace
