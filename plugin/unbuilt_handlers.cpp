// Handlers whose behaviour is not built yet: the on-canvas feedback, the
// colours dialog and the palette. Each is reached through the
// dispatch and, until its subsystem exists, answers success and changes
// nothing, so the host can drive the plug-in safely in the meantime.
#include "plugin/handlers.h"

namespace qzv {

HostErr ToolEditOptions(ToolMessage*) { return kNoErr; }
HostErr AnnotationDraw(AnnotatorMessage*) { return kNoErr; }

}  // namespace qzv
