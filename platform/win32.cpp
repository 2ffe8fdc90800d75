// Windows: the system's own key-state query and beep.
#include <windows.h>

#include "platform.h"

extern "C" {

int16_t PlatformGetAsyncKeyState(int32_t virtualKey) { return ::GetAsyncKeyState(virtualKey); }

void PlatformBeep(uint32_t frequency, uint32_t duration) { ::Beep(frequency, duration); }

}
