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
    }
    return keys;
}

}  // namespace qzv
