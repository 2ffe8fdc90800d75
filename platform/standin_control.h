// The host's side of the platform stand-in: which keys are held, and the
// beeps the plug-in has played. Not available on Windows, where the plug-in
// calls the system directly.
#pragma once
#include <stdint.h>

#include "platform.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct StandInBeep {
    uint32_t frequency;
    uint32_t duration;
} StandInBeep;

QZV_PLATFORM_API void StandInSetKey(int32_t virtualKey, int32_t held);
QZV_PLATFORM_API void StandInReleaseAllKeys(void);
// Beeps played since the last call, oldest first; returns how many were
// copied (at most `capacity`) and forgets them.
QZV_PLATFORM_API int32_t StandInTakeBeeps(StandInBeep* beeps, int32_t capacity);

#ifdef __cplusplus
}
#endif
