// The modifier keys as the tools see them: sampled from the platform's
// asynchronous key-state query when a handler runs, never taken from the
// message (the message's bits describe the event, not the keys held now).
#pragma once

namespace qzv {

struct ToolKeys {
    bool shift;
    bool alt;
    bool ctrl;    // read during drags only
    bool space;   // read during drags only
    // The arrow keys, read during drags only: the rectangle tool's key codes
    // 30 (up: rounding + 1), 31 (down: rounding - 1) and 32 (left or right:
    // the anchor moves to the cursor), each acting once per press.
    bool up, down, left, right;
};

// Shift and Alt; with `dragKeys` also Ctrl, Space and the arrow keys.
ToolKeys ToolReadKeys(bool dragKeys);

}  // namespace qzv
