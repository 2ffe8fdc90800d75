#include "palette_scenario.h"

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "app/app_state.h"
#include "app/prefs.h"
#include "document/document_invariants.h"
#include "frame/session.h"

namespace palette_test {

using namespace drawhost;
using drawhost_test::RunLines;

void PaletteScenario::TearDown() {
    std::string why;
    EXPECT_TRUE(DocumentCheckInvariants(&why)) << why;
    HostTest::TearDown();
    if (!prefsPath_.empty()) std::remove(prefsPath_.c_str());
}

void PaletteScenario::StartPlugin(const std::string& preferences) {
    prefsPath_ = ::testing::TempDir() + "palette-" + std::to_string(::getpid()) + ".prefs";
    std::remove(prefsPath_.c_str());
    if (!preferences.empty())
        std::ofstream(prefsPath_) << "drawhost-preferences 1\n[QZVARC]\n" << preferences << "end\n";
    PrefsSetPath(prefsPath_);
    Start(QZV_PLUGINS_DIR);
    ASSERT_TRUE(Plugin("Orbiquad").started);
}

void PaletteScenario::Restart() {
    SessionQuit();
    std::string error;
    ASSERT_TRUE(PrefsSave(&error)) << error;   // as `drawhost run` does at the end
    TheHost().plugins.clear();
    HostReset();
    PrefsSetPath(prefsPath_);
    Start(QZV_PLUGINS_DIR);
    ASSERT_TRUE(Plugin("Orbiquad").started);
}

void PaletteScenario::Run(const std::string& line) { ASSERT_EQ(RunLines({line}), "") << line; }

std::string PaletteScenario::Refusal(const std::string& line) { return RunLines({line}); }

void PaletteScenario::Select(const char* tool) { Run(std::string("tool \"") + tool + "\""); }

qzv::Globals& PaletteScenario::State() {
    void* slot = Plugin("Orbiquad").globalsSlot;
    if (!slot) throw std::runtime_error("the plug-in holds no state");
    return *static_cast<qzv::Globals*>(slot);
}

DlgDialog& PaletteScenario::Palette() {
    DlgDialog* d = DlgDialogByName("QZVARC");
    if (!d) throw std::runtime_error("no palette");
    return *d;
}

DlgItem& PaletteScenario::Item(int32_t id) {
    DlgItem* item = DlgItemById(Palette(), id);
    if (!item) throw std::runtime_error("no item " + std::to_string(id));
    return *item;
}

std::vector<DlgEntry*> PaletteScenario::Entries(int32_t itemId) {
    DlgList* list = DlgListOf(Item(itemId));
    if (!list) throw std::runtime_error("item " + std::to_string(itemId) + " has no list");
    return list->entries;
}

DlgEntry& PaletteScenario::Entry(int32_t itemId, int32_t entryId) {
    for (DlgEntry* e : Entries(itemId))
        if (e->id == entryId) return *e;
    throw std::runtime_error("no entry " + std::to_string(entryId));
}

int32_t PaletteScenario::Focus() {
    const DlgItem* f = TheDlgState().items.Find(Palette().focus);
    return f ? f->id : 0;
}

std::string PaletteScenario::MenuText() {
    for (const AppMenuItem& item : TheApp().menuItems)
        if (item.key == "Outil5") return item.text;
    return "?";
}

std::vector<std::string> PaletteScenario::DialogDrawing() {
    DlgRedrawDialog(Palette().handle);
    return DlgDescribe(Palette().drawn);
}

std::vector<std::string> PaletteScenario::ItemDrawing(int32_t id) {
    DlgRedrawItem(Item(id).handle);
    return DlgDescribe(Item(id).drawn);
}

std::string PaletteScenario::Stored(const std::string& key) {
    std::ifstream in(prefsPath_);
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(key + " = ", 0) == 0) return line.substr(key.size() + 3);
    return "";
}

}  // namespace palette_test
