#include <cstring>

#include "plugin/globals.h"
#include "snap/snap_search.h"

namespace qzv {

void SearchSnapTargets(ToolMessage* message) {
    std::memset(&gGlobals->snap, 0, sizeof gGlobals->snap);
    gGlobals->snap.cursor = message->cursor;
}

void SearchSnapTargetsWhileDragging(ToolMessage* message) { SearchSnapTargets(message); }

}  // namespace qzv
