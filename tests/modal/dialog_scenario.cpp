#include "dialog_scenario.h"

#include <unistd.h>

#include <cstdio>
#include <deque>
#include <fstream>

#include "app/prefs.h"
#include "host/suites.h"
#include "dialogs/display_list.h"
#include "document/document_invariants.h"
#include "frame/script.h"
#include "paint/colours_dialog.h"
#include "plugin/suite_table.h"
#include "rounding/profile_editor.h"
#include "settings/preferences_dialog.h"

namespace modal_test {

using namespace drawhost;

namespace {

// The steps still to play; the modal loops of the dialogs pull from it.
std::deque<Step>* gSteps = nullptr;
std::vector<std::string>* gErrors = nullptr;

void PlayOne() {
    Step step = std::move(gSteps->front());
    gSteps->pop_front();
    if (step.line.empty()) {
        // A check that cannot find what it looks for must not unwind
        // through the dialog manager and the plug-in.
        try {
            if (step.check) step.check();
        } catch (const std::exception& e) {
            gErrors->push_back(std::string("check: ") + e.what());
        }
        return;
    }
    const size_t logged = TheHost().log.size();
    ScriptRunner runner("scenario", {step.line});
    runner.RunAll();
    const std::string error = runner.Failed() ? runner.Error() : std::string();
    if (!step.logged.empty()) {
        bool found = false;
        for (size_t i = logged; i < TheHost().log.size(); ++i) found |= TheHost().log[i].find(step.logged) != std::string::npos;
        if (!error.empty() || !found)
            gErrors->push_back("'" + step.line + "' should run and log '" + step.logged + "', got '" + error + "'");
    } else if (step.refusal.empty()) {
        if (!error.empty()) gErrors->push_back(error);
    } else if (error.find(step.refusal) == std::string::npos) {
        gErrors->push_back("'" + step.line + "' should be refused with '" + step.refusal + "', got '" + error + "'");
    }
}

}  // namespace

void DialogScenario::TearDown() {
    std::string why;
    EXPECT_TRUE(DocumentCheckInvariants(&why)) << why;
    if (bound_) {
        qzv::gGlobals = nullptr;
        for (const qzv::SuiteEntry& e : qzv::kSuiteTable) *e.destination = nullptr;
        qzv::sBasic = nullptr;
        bound_ = false;
    }
    HostTest::TearDown();
    if (!prefsPath_.empty()) std::remove(prefsPath_.c_str());
}

void DialogScenario::StartPlugin(const std::string& preferences) {
    prefsPath_ = ::testing::TempDir() + "modal-" + std::to_string(::getpid()) + ".prefs";
    std::ofstream(prefsPath_) << "drawhost-preferences 1\n[QZVARC]\nPrecision = int:2\n" << preferences << "end\n";
    PrefsSetPath(prefsPath_);
    Start(QZV_PLUGINS_DIR);
    ASSERT_TRUE(Plugin("Orbiquad").started);
}

void DialogScenario::Restart() {
    const bool wasBound = bound_;
    if (bound_) {
        qzv::gGlobals = nullptr;
        bound_ = false;
    }
    SessionQuit();
    std::string error;
    ASSERT_TRUE(PrefsSave(&error)) << error;
    TheHost().plugins.clear();
    HostReset();
    PrefsSetPath(prefsPath_);
    Start(QZV_PLUGINS_DIR);
    ASSERT_TRUE(Plugin("Orbiquad").started);
    if (wasBound) Bind();
}

void DialogScenario::Run(const std::string& line) { EXPECT_EQ(drawhost_test::RunLines({line}), "") << line; }

qzv::Globals& DialogScenario::State() {
    void* slot = Plugin("Orbiquad").globalsSlot;
    if (!slot) throw std::runtime_error("the plug-in holds no state");
    return *static_cast<qzv::Globals*>(slot);
}

PluginRef DialogScenario::PluginOf() { return RefOf(&Plugin("Orbiquad")); }

void DialogScenario::Bind() {
    qzv::sBasic = HostBasicSuite();
    for (const qzv::SuiteEntry& e : qzv::kSuiteTable) *e.destination = HostFindSuite(e.name, e.version);
    qzv::gGlobals = &State();
    bound_ = true;
}

Step DialogScenario::OpenPreferences() {
    return Check([this] {
        ASSERT_TRUE(bound_) << "Bind() first";
        qzv::OpenPreferencesDialog(PluginOf());
    });
}

Step DialogScenario::OpenProfileEditor() {
    return Check([this] {
        ASSERT_TRUE(bound_) << "Bind() first";
        qzv::OpenProfileEditor(PluginOf());
    });
}

Step DialogScenario::OpenColours(const char* tool) { return Do(std::string("tool-options \"") + tool + "\""); }

void DialogScenario::Play(std::vector<Step> steps) {
    std::deque<Step> queue(std::make_move_iterator(steps.begin()), std::make_move_iterator(steps.end()));
    std::vector<std::string> errors;
    std::deque<Step>* outerSteps = gSteps;
    std::vector<std::string>* outerErrors = gErrors;
    gSteps = &queue;
    gErrors = &errors;
    auto outerPump = TheHost().modalPump;
    TheHost().modalPump = [] {
        if (gSteps->empty()) return false;
        PlayOne();
        return true;
    };
    while (!queue.empty()) PlayOne();
    TheHost().modalPump = outerPump;
    gSteps = outerSteps;
    gErrors = outerErrors;
    for (const std::string& e : errors) ADD_FAILURE() << e;
    EXPECT_FALSE(DlgModalAbandoned()) << "a dialog was left waiting for input";
    EXPECT_EQ(DlgTopModal(), nullptr) << "a dialog is still open";
}

DlgDialog& DialogScenario::Top() {
    DlgDialog* d = DlgTopModal();
    if (!d) throw std::runtime_error("no modal dialog is open");
    return *d;
}

DlgItem& DialogScenario::Item(int32_t id) {
    DlgItem* item = DlgItemById(Top(), id);
    if (!item) throw std::runtime_error("the dialog has no item " + std::to_string(id));
    return *item;
}

float DialogScenario::Value(int32_t id) { return DlgGetNumber(Item(id)); }

std::string DialogScenario::Text(int32_t id) { return DlgGetItemText(Item(id)); }

int32_t DialogScenario::Focus() {
    DlgItem* item = TheDlgState().items.Find(Top().focus);
    return item ? item->id : 0;
}

DlgEntry& DialogScenario::Entry(int32_t id, int32_t index) {
    DlgList* list = DlgListOf(Item(id));
    if (!list || index < 0 || index >= static_cast<int32_t>(list->entries.size()))
        throw std::runtime_error("item " + std::to_string(id) + " has no entry " + std::to_string(index));
    return *list->entries[static_cast<size_t>(index)];
}

int32_t DialogScenario::SelectedEntry(int32_t id) {
    DlgList* list = DlgListOf(Item(id));
    const DlgEntry* e = list ? DlgActiveEntry(*list) : nullptr;
    return e ? DlgEntryIndex(*e) : -1;
}

std::vector<std::string> DialogScenario::Drawn(int32_t id) {
    DlgRedrawItem(Item(id).handle);
    return DlgDescribe(Item(id).drawn);
}

bool DialogScenario::StoredReal(const char* key, double* value) {
    const PrefValue* v = PrefsFind("QZVARC", key);
    const double* r = v ? std::get_if<double>(v) : nullptr;
    if (r) *value = *r;
    return r != nullptr;
}

bool DialogScenario::StoredBool(const char* key, bool* value) {
    const PrefValue* v = PrefsFind("QZVARC", key);
    const bool* b = v ? std::get_if<bool>(v) : nullptr;
    if (b) *value = *b;
    return b != nullptr;
}

bool DialogScenario::StoredInt(const char* key, int32_t* value) {
    const PrefValue* v = PrefsFind("QZVARC", key);
    const int32_t* i = v ? std::get_if<int32_t>(v) : nullptr;
    if (i) *value = *i;
    return i != nullptr;
}

std::vector<std::string> DialogScenario::Messages() {
    std::vector<std::string> out;
    for (const std::string& line : TheHost().log) {
        const size_t colon = line.find("): ");
        if (line.rfind("alert(", 0) == 0 && colon != std::string::npos) out.push_back(line.substr(colon + 3));
    }
    return out;
}

std::vector<const Art*> DialogScenario::AllArt() { return drawhost_test::DocumentAllArt(); }

}  // namespace modal_test
