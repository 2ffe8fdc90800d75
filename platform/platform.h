// The two platform calls the plug-in makes: the asynchronous key-state query
// for the modifier keys and the beep. On Windows they are the system's own;
// elsewhere a stand-in library that the host drives (scripts and tests press
// keys; beeps are recorded).
#pragma once
#include <stdint.h>

#if defined(_WIN32)
#define QZV_PLATFORM_API
#else
#define QZV_PLATFORM_API __attribute__((visibility("default")))
#endif

// Virtual-key codes of the keys the tools read.
enum {
    kVKShift = 0x10,
    kVKControl = 0x11,
    kVKMenu = 0x12,    // Alt
    kVKSpace = 0x20,
    kVKLeft = 0x25,    // the arrow keys: the rectangle tool's rounding and anchor keys
    kVKUp = 0x26,
    kVKRight = 0x27,
    kVKDown = 0x28
};

#ifdef __cplusplus
extern "C" {
#endif

// Non-zero while the key is held (the high bit set, as the system answers).
QZV_PLATFORM_API int16_t PlatformGetAsyncKeyState(int32_t virtualKey);
// Plays a tone of `frequency` Hz for `duration` ms.
QZV_PLATFORM_API void PlatformBeep(uint32_t frequency, uint32_t duration);

#ifdef __cplusplus
}
#endif
