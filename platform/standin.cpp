// Linux stand-in for the key-state query and the beep. One instance per
// process, shared by drawhost and every plug-in module it loads.
#include <vector>

#include "standin_control.h"

namespace {

bool gKeys[256];
std::vector<StandInBeep> gBeeps;

}  // namespace

extern "C" {

int16_t PlatformGetAsyncKeyState(int32_t virtualKey) {
    if (virtualKey < 0 || virtualKey > 255) return 0;
    return gKeys[virtualKey] ? static_cast<int16_t>(0x8000) : 0;
}

void PlatformBeep(uint32_t frequency, uint32_t duration) {
    // Bounded: a runaway caller cannot exhaust memory.
    if (gBeeps.size() < 100000) gBeeps.push_back({frequency, duration});
}

void StandInSetKey(int32_t virtualKey, int32_t held) {
    if (virtualKey >= 0 && virtualKey <= 255) gKeys[virtualKey] = held != 0;
}

void StandInReleaseAllKeys(void) {
    for (bool& k : gKeys) k = false;
}

int32_t StandInTakeBeeps(StandInBeep* beeps, int32_t capacity) {
    int32_t n = 0;
    for (const StandInBeep& b : gBeeps) {
        if (n >= capacity) break;
        beeps[n++] = b;
    }
    gBeeps.clear();
    return n;
}

}  // extern "C"
