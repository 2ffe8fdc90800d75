// The search for snap targets under the cursor.
#pragma once
#include "sdk_all.h"

namespace qzv {

// The cursor-tracking search and the drag search: fill gGlobals->snap and
// set the cursor for what they find.
void SearchSnapTargets(ToolMessage* message);
void SearchSnapTargetsWhileDragging(ToolMessage* message);

}  // namespace qzv
