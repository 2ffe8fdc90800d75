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
};

// Shift and Alt; with `dragKeys` also Ctrl and Space.
ToolKeys ToolReadKeys(bool dragKeys);

}  // namespace qzv
