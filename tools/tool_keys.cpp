#include "tools/tool_keys.h"

#include "platform.h"

namespace qzv {

namespace {

bool Held(int32_t virtualKey) { return PlatformGetAsyncKeyState(virtualKey) != 0; }

}  // namespace

ToolKeys ToolReadKeys(bool dragKeys) {
    ToolKeys keys{};
    keys.shift = Held(kVKShift);
    keys.alt = Held(kVKMenu);
    if (dragKeys) {
        keys.ctrl = Held(kVKControl);
        keys.space = Held(kVKSpace);
        keys.up = Held(kVKUp);
        keys.down = Held(kVKDown);
        keys.left = Held(kVKLeft);
        keys.right = Held(kVKRight);
    }
    return keys;
}

}  // namespace qzv
