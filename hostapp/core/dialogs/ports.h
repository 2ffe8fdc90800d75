// Annotation ports: a surface over a document view that a plug-in's drawers
// draw on (through the drawer suite's Create), kept as a display list in
// view pixels and painted over the rendered document on demand.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "sdk_all.h"

typedef struct _cairo cairo_t;

namespace drawhost {

PortRef DlgNewAnnotationPort();
// Forgets what was drawn (before the next annotation pass).
void DlgClearPort(PortRef port);
// Replays what was drawn onto `cr`, in view pixels; what was cleared stays transparent.
void DlgPaintPort(PortRef port, cairo_t* cr);
// The view pixels what was drawn may cover (with a margin for line widths
// and text); false when nothing was drawn.
bool DlgPortBounds(PortRef port, IntRect* bounds);
// How many operations were drawn, and those from the `from`-th on, one line
// each (texts quoted whole).
size_t DlgPortOperationCount(PortRef port);
std::vector<std::string> DlgDescribePort(PortRef port, size_t from = 0);
// Drawers still open on the port draw nowhere from then on.
void DlgDisposePort(PortRef port);

}  // namespace drawhost
