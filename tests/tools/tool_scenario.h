// Scenarios of the two drawing tools, driven through drawhost with the real
// plug-in module: the user's hand (Hover, Down, Drag, Up, Click, Key) in the
// host's event order, and after each step the art tree, the plug-in's tool
// state and the code each message returned. Every scenario ends with a
// check of the document's invariants.
#pragma once
#include <string>
#include <vector>

#include "document/document.h"
#include "host_fixture.h"
#include "plugin/globals.h"

namespace tools_test {

inline constexpr const char* kCircleTool = "Outil Zivo & Voraved";
inline constexpr const char* kRectTool = "Outil Rectangles";

class ToolScenario : public drawhost_test::HostTest {
protected:
    void TearDown() override;

    // Starts the real plug-in with these lines in its preference section
    // (besides "Precision", which makes it a later start, not a first one).
    void StartPlugin(const std::string& preferences = "");
    void Select(const char* title);

    // The user's hand. Each runs as a script line would and returns the code
    // the plug-in answered to the last message of the gesture (-1 when the
    // message was not sent).
    HostErr Hover(float h, float v);
    HostErr Down(float h, float v);
    HostErr Drag(float h, float v);
    HostErr Up(float h, float v);
    HostErr Click(float h, float v);   // the code of the mouse up
    void Key(const char* key, bool held);
    // A script line that must succeed.
    void Run(const std::string& line);

    // The plug-in's state record, as the module holds it.
    qzv::Globals& State();

    // What the user saw last: the cursor id and the info text; the alerts.
    int LastCursor();
    std::string LastInfo();
    std::vector<std::string> Alerts();

    // The document: the layers, and every art named `name` in paint order.
    std::vector<const drawhost::Art*> ArtNamed(const std::string& name);
    std::vector<const drawhost::Art*> AllArt();
    const drawhost::Layer* LayerTitled(const std::string& title);

private:
    HostErr Result(const std::string& line, const char* message);
    std::string prefsPath_;
};

}  // namespace tools_test
