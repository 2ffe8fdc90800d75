// Scenarios of the plug-in's modal dialogs, driven through drawhost with the
// real module. A scenario is a list of steps played in order: script lines
// (what a user does) and checks (what the user would find: items, values,
// the module's state, the document). The steps after the one that opens a
// dialog run inside its modal loop, as the host runs them.
//
// The colours dialog opens through the host ("tool-options"). The
// preferences dialog and the profile editor open from the palette's flyout
// (the example session opens them so); here their steps call the flyout's
// entry points from the test's own copy of the plug-in code, bound to the
// host's suites and to the module's state record (Bind), so that a scenario
// needs no tool selected first.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "dialogs/dialog_manager.h"
#include "document/document.h"
#include "host_fixture.h"
#include "plugin/globals.h"

namespace modal_test {

struct Step {
    std::string line;                 // a script line, or empty
    std::function<void()> check;      // run when there is no line
    std::string refusal;              // the line must fail with a message holding this
    std::string logged;               // the line must run and the host log a line holding this
};

inline Step Do(std::string line) { return Step{std::move(line), nullptr, "", ""}; }
inline Step Check(std::function<void()> check) { return Step{"", std::move(check), "", ""}; }
inline Step Refused(std::string line, std::string why) { return Step{std::move(line), nullptr, std::move(why), ""}; }
// An entry the number field cannot read: the field keeps its value and the host says so.
inline Step Unreadable(std::string line) { return Step{std::move(line), nullptr, "", "is not a number"}; }

inline constexpr const char* kCircleTool = "Outil Zivo & Voraved";
inline constexpr const char* kRectTool = "Outil Rectangles";

class DialogScenario : public drawhost_test::HostTest {
protected:
    void TearDown() override;

    // Starts the real plug-in with these lines in its preference section
    // (besides "Precision", which makes it a later start, not a first one),
    // kept in a file of the scenario's own.
    void StartPlugin(const std::string& preferences = "");
    // The module's state record.
    qzv::Globals& State();
    // A script line outside any dialog, which must succeed.
    void Run(const std::string& line);
    // Every art of the document in paint order.
    std::vector<const drawhost::Art*> AllArt();

    // Plays the steps; every one must run (no dialog may be left waiting
    // for input), every line succeed or be refused as its step says.
    void Play(std::vector<Step> steps);

    // The test's copy of the plug-in code, bound to the host's suites and to
    // the module's state; the entry points the palette calls.
    void Bind();
    Step OpenPreferences();
    Step OpenProfileEditor();
    Step OpenColours(const char* tool = kCircleTool);   // a double click on the tool's icon
    PluginRef PluginOf();

    // The innermost modal dialog open now, and its items.
    drawhost::DlgDialog& Top();
    drawhost::DlgItem& Item(int32_t id);
    bool Enabled(int32_t id) { return Item(id).enabled; }
    bool Visible(int32_t id) { return Item(id).visible; }
    float Value(int32_t id);
    bool On(int32_t id) { return Item(id).boolean; }
    std::string Tip(int32_t id) { return Item(id).tip; }
    std::string Text(int32_t id);
    int32_t Focus();                          // id of the item with the focus, or 0
    drawhost::DlgEntry& Entry(int32_t id, int32_t index);
    int32_t SelectedEntry(int32_t id);        // -1 when none

    // What the item drew last (one line per drawing operation).
    std::vector<std::string> Drawn(int32_t id);

    // The module's stored preferences under the plug-in's prefix.
    bool StoredReal(const char* key, double* value);
    bool StoredBool(const char* key, bool* value);
    bool StoredInt(const char* key, int32_t* value);

    // Alerts shown since the scenario started, texts only.
    std::vector<std::string> Messages();

    // Quits the host (the preferences are written to the scenario's file)
    // and starts it again on the same file.
    void Restart();

private:
    bool bound_ = false;
    std::string prefsPath_;
};

}  // namespace modal_test
