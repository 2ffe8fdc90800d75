// The cursor and the info-line text of each tool, mode and step while the
// cursor moves over the document with nothing to snap to.
#pragma once
#include "sdk_all.h"

namespace qzv {

struct ModeFeedback {
    int32_t cursor;     // the plug-in's cursor resource
    const char* text;   // the info line (UTF-8)
};

// The row of the feedback table for the tool (kToolRect, anything else is
// the circle tool), its mode, the step counter and the rectangle tool's
// corner radius (modes 1 and 4 tell rounded, inverted and square corners
// apart). A mode outside the tables gives the tool's first row.
ModeFeedback ToolModeFeedback(int32_t tool, int32_t mode, int16_t step, float cornerRadius);

// Shows `text` on the host's info line with the cursor position.
void ToolShowInfo(ToolHandle tool, RealPoint cursor, const char* text);

// Sets the cursor to one of the plug-in's cursor resources.
void ToolSetCursor(PluginRef plugin, int32_t cursorId);

}  // namespace qzv
