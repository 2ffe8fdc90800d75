// "AI Edit Options": a double click on one of the two tools' icons opens
// the colours dialog.
#include "paint/colours_dialog.h"
#include "plugin/handlers.h"

namespace qzv {

HostErr ToolEditOptions(ToolMessage* message) {
    if (message) OpenColoursDialog(message->d.plugin, kColoursFromToolOptions);
    return kNoErr;
}

}  // namespace qzv
