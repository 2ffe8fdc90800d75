#include "app/tool_events.h"

#include "app/annotators.h"
#include "app/app_state.h"
#include "app/toolbox.h"
#include "frame/host.h"
#include "platform.h"
#include "standin_control.h"

namespace drawhost {

namespace {

bool Same(RealPoint a, RealPoint b) { return a.h == b.h && a.v == b.v; }

// Sends one tool message to `tool` and settles. Host tools take no messages.
void Deliver(int tool, const char* selector, const char* label) {
    HostErr err = 0;
    if (ToolboxSend(tool, selector, &err)) HostLog(std::string(label) + " -> " + HostErrText(err));
    EventsAfterMessage();
}

// Cursor tracking goes only to tools that asked for it when they were added.
void Track(RealPoint where) {
    AppState& app = TheApp();
    app.cursor = where;
    app.cursorKnown = true;
    if (app.tools[app.selectedTool].options & kToolWantsTracking)
        Deliver(app.selectedTool, kSelTrackCursor, "track cursor");
}

}  // namespace

void EventsAfterMessage() {
    AnnotatorsRedraw();
    StandInBeep beeps[16];
    int32_t n;
    do {
        n = StandInTakeBeeps(beeps, 16);
        for (int32_t i = 0; i < n; ++i) {
            HostLog("beep " + std::to_string(beeps[i].frequency) + " " + std::to_string(beeps[i].duration));
            if (auto& play = TheHost().frontEnd.beep) play(beeps[i].frequency, beeps[i].duration);
        }
    } while (n == 16);
}

bool EventsMove(RealPoint where, std::string* why) {
    if (TheApp().buttonDown) {
        *why = "the mouse button is down: the mouse drags";
        return false;
    }
    Track(where);
    return true;
}

bool EventsDown(RealPoint where, std::string* why) {
    AppState& app = TheApp();
    if (app.buttonDown) {
        *why = "the mouse button is down already";
        return false;
    }
    // The pointer passes over the point before it is pressed there.
    if (!app.cursorKnown || !Same(app.cursor, where)) Track(where);
    app.buttonDown = true;
    // The gesture belongs to the tool that takes the down, even if the
    // plug-in switches tools while handling it.
    app.gestureTool = app.selectedTool;
    Deliver(app.gestureTool, kSelMouseDown, "mouse down");
    return true;
}

bool EventsDrag(RealPoint where, std::string* why) {
    AppState& app = TheApp();
    if (!app.buttonDown) {
        *why = "drag without the mouse button down (down X Y first)";
        return false;
    }
    app.cursor = where;
    Deliver(app.gestureTool, kSelMouseDrag, "mouse drag");
    return true;
}

bool EventsUp(RealPoint where, std::string* why) {
    AppState& app = TheApp();
    if (!app.buttonDown) {
        *why = "up without the mouse button down";
        return false;
    }
    // The pointer is dragged to the point where it is let go.
    if (!Same(app.cursor, where)) {
        app.cursor = where;
        Deliver(app.gestureTool, kSelMouseDrag, "mouse drag");
    }
    app.buttonDown = false;
    int tool = app.gestureTool;
    app.gestureTool = -1;
    Deliver(tool, kSelMouseUp, "mouse up");
    return true;
}

void EventsSetKey(int32_t virtualKey, bool held) {
    StandInSetKey(virtualKey, held ? 1 : 0);
    int32_t bit = virtualKey == kVKShift ? kToolModShift
                  : virtualKey == kVKMenu  ? kToolModAlt
                  : virtualKey == kVKControl ? kToolModCtrl
                                             : 0;
    int32_t& keys = TheApp().keysHeld;
    keys = held ? (keys | bit) : (keys & ~bit);
}

}  // namespace drawhost
