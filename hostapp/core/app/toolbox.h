// The host's toolbox: its own tools (selection, eyedropper, ellipse), the
// tools plug-ins add with their placement in groups and toolsets, the
// selected tool and the info line. Served by "AI Tool Suite" 10.
#pragma once
#include <string>

#include "app/app_state.h"

typedef struct _cairo cairo_t;

namespace drawhost {

// Puts the host's own tools into a fresh state; the selection tool is selected.
void ToolboxAddHostTools(AppState& app);

// The tool number of the tool titled `title` (or, failing that, named so); -1 if none.
int ToolboxFind(const std::string& title);

// Makes `tool` the selected tool: "AI Deselect" to the plug-in tool that
// loses the selection, then "AI Select" to the one that gains it. Nothing
// when it is selected already.
void ToolboxSelect(int tool);

// Sends a tool message to a plug-in tool at the current cursor. False (and
// nothing sent) for a host tool or a plug-in that is gone.
bool ToolboxSend(int tool, const char* selector, HostErr* result);

// A double click on the tool's icon: "AI Edit Options" to its plug-in.
void ToolboxEditOptions(int tool);

// The toolbox as a user sees it (toolbox_picture.cpp): each group a slot,
// each tool a row with its icon and title, the selected tool highlighted.
// A picture, the window's toolbox and its clicks share this layout.
IntPoint ToolboxPictureSize();
void ToolboxPaint(cairo_t* cr);
int ToolboxToolAt(double x, double y);   // the tool number under a point of the picture, or -1
IntPoint ToolboxToolCentre(int tool);    // the middle of a tool's row; -1, -1 for no such tool

}  // namespace drawhost
