// The screen and the cursor as the dialog manager's basic suite reports them.
#pragma once
#include <cstdint>

#include "sdk_all.h"

namespace drawhost {

// The screen's usable rectangle: 1920 x 1080 unless a script sets it.
void DlgSetScreen(int32_t width, int32_t height);
IntRect DlgScreen();
// The cursor resource last set by a plug-in (0 for the host's own).
int32_t DlgCurrentCursor();

}  // namespace drawhost
