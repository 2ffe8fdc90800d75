// Scenarios of the palette, driven through drawhost with the real plug-in
// module: a user's script lines, and after each step the palette's items as
// drawhost holds them, the plug-in's state and the log. Every scenario ends
// with a check of the document's invariants.
#pragma once
#include <string>
#include <vector>

#include "dialogs/dialog_manager.h"
#include "host_fixture.h"
#include "plugin/globals.h"

namespace palette_test {

inline constexpr const char* kCircleTool = "Outil Zivo & Voraved";
inline constexpr const char* kRectTool = "Outil Rectangles";
// Placement keys left out: the palette opens where and as it does by default,
// hidden; a user shows it from the menu.
inline constexpr const char* kLaterStart = "Precision = int:2\n";
inline constexpr const char* kShown = "Precision = int:2\nkADM_DPVisibleStr = bool:true\n";

class PaletteScenario : public drawhost_test::HostTest {
protected:
    void TearDown() override;

    // Starts the real plug-in with exactly these lines in its preference
    // section (none: a first start).
    void StartPlugin(const std::string& preferences);
    // Ends the session (the palette writes its placement) and starts a new
    // one on the same preference file.
    void Restart();
    // A script line that must succeed, and one that must be refused.
    void Run(const std::string& line);
    std::string Refusal(const std::string& line);
    void Select(const char* tool);

    qzv::Globals& State();
    drawhost::DlgDialog& Palette();
    drawhost::DlgItem& Item(int32_t id);
    drawhost::DlgEntry& Entry(int32_t itemId, int32_t entryId);
    std::vector<drawhost::DlgEntry*> Entries(int32_t itemId);
    // The id of the item holding the keyboard focus, or 0.
    int32_t Focus();
    std::string MenuText();   // of the palette's show/hide item
    // The dialog's own drawing (not its items'), one line per operation.
    std::vector<std::string> DialogDrawing();
    std::vector<std::string> ItemDrawing(int32_t id);
    // What the preference file holds under the plug-in's prefix for `key`.
    std::string Stored(const std::string& key);

    std::string prefsPath_;
};

}  // namespace palette_test
