// Handlers whose behaviour is not built yet: the drawing tools, the on-canvas
// feedback, the colours dialog and the palette. Each is reached through the
// dispatch and, until its subsystem exists, answers success and changes
// nothing, so the host can drive the plug-in safely in the meantime.
#include "plugin/handlers.h"

namespace qzv {

HostErr ToolTrackCursor(ToolMessage*) { return kNoErr; }
HostErr ToolMouseDown(ToolMessage*) { return kNoErr; }
HostErr ToolMouseDrag(ToolMessage*) { return kNoErr; }
HostErr ToolMouseUp(ToolMessage*) { return kNoErr; }
HostErr ToolSelect(ToolMessage*) { return kNoErr; }
HostErr ToolDeselect(ToolMessage*) { return kNoErr; }
HostErr ToolEditOptions(ToolMessage*) { return kNoErr; }
HostErr NotifierNotify(NotifierMessage*) { return kNoErr; }
HostErr AnnotationDraw(AnnotatorMessage*) { return kNoErr; }

}  // namespace qzv
