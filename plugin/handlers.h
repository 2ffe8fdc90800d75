// The handlers the entry point dispatches to, one per message kind.
#pragma once
#include "sdk_all.h"

namespace qzv {

// Tool messages ("AI Tool").
HostErr ToolTrackCursor(ToolMessage* message);
HostErr ToolMouseDown(ToolMessage* message);
HostErr ToolMouseDrag(ToolMessage* message);
HostErr ToolMouseUp(ToolMessage* message);
HostErr ToolSelect(ToolMessage* message);
HostErr ToolDeselect(ToolMessage* message);
HostErr ToolEditOptions(ToolMessage* message);

// "AI Notifier"/"AI Notify".
HostErr NotifierNotify(NotifierMessage* message);

// "AI Annotation"/"AI Draw".
HostErr AnnotationDraw(AnnotatorMessage* message);

}  // namespace qzv
