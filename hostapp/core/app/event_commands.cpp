// Session commands for the user's hands: choosing a tool, moving, pressing,
// dragging and releasing the mouse, holding modifier keys, double-clicking a
// tool's icon.
#include "app/app_state.h"
#include "app/tool_events.h"
#include "app/toolbox.h"
#include "frame/host.h"
#include "frame/script.h"
#include "platform.h"

namespace drawhost {

namespace {

// The command line as typed, for the log.
std::string Echo(const ScriptArgs& a) {
    std::string line = "> " + a.Command();
    for (size_t i = 0; i < a.Count(); ++i) line += " " + a.Str(i);
    return line;
}

int ToolByTitle(const std::string& title) {
    int tool = ToolboxFind(title);
    if (tool < 0) throw ScriptError("no tool titled '" + title + "'");
    return tool;
}

using MouseEvent = bool (*)(RealPoint, std::string*);

// Reads X Y (finite, in range) before anything is logged or sent.
void Mouse(const ScriptArgs& a, std::initializer_list<MouseEvent> events) {
    a.Expect(2);
    RealPoint where = {a.Coordinate(0), a.Coordinate(1)};
    HostLog(Echo(a));
    for (MouseEvent event : events) {
        std::string why;
        if (!event(where, &why)) throw ScriptError(why);
    }
}

CommandRegistrar tool("tool", "tool TITLE", [](const ScriptArgs& a) {
    a.Expect(1);
    int t = ToolByTitle(a.Str(0));
    if (TheApp().buttonDown) throw ScriptError("tools cannot change while the mouse button is down");
    HostLog(Echo(a));
    ToolboxSelect(t);
    EventsAfterMessage();
});

CommandRegistrar toolOptions("tool-options", "tool-options TITLE", [](const ScriptArgs& a) {
    a.Expect(1);
    int t = ToolByTitle(a.Str(0));
    HostLog(Echo(a));
    ToolboxEditOptions(t);
});

CommandRegistrar move("move", "move X Y", [](const ScriptArgs& a) { Mouse(a, {EventsMove}); });
CommandRegistrar down("down", "down X Y", [](const ScriptArgs& a) { Mouse(a, {EventsDown}); });
CommandRegistrar drag("drag", "drag X Y", [](const ScriptArgs& a) { Mouse(a, {EventsDrag}); });
CommandRegistrar up("up", "up X Y", [](const ScriptArgs& a) { Mouse(a, {EventsUp}); });
CommandRegistrar click("click", "click X Y", [](const ScriptArgs& a) { Mouse(a, {EventsDown, EventsUp}); });

CommandRegistrar key("key", "key shift|alt|ctrl|space|up|down|left|right down|up", [](const ScriptArgs& a) {
    a.Expect(2);
    const std::string& name = a.Str(0);
    int32_t vk = name == "shift" ? kVKShift
                 : name == "alt"   ? kVKMenu
                 : name == "ctrl"  ? kVKControl
                 : name == "space" ? kVKSpace
                 : name == "up"    ? kVKUp
                 : name == "down"  ? kVKDown
                 : name == "left"  ? kVKLeft
                 : name == "right" ? kVKRight
                                   : -1;
    if (vk < 0) throw ScriptError("unknown key '" + name + "' (shift, alt, ctrl, space or an arrow: up, down, left, right)");
    const std::string& state = a.Str(1);
    if (state != "down" && state != "up") throw ScriptError("expected down or up, not '" + state + "'");
    HostLog(Echo(a));
    EventsSetKey(vk, state == "down");
});

}  // namespace

}  // namespace drawhost
