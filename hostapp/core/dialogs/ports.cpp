#include "dialogs/ports.h"

#include "dialogs/dialog_manager.h"
#include "dialogs/display_list.h"

namespace drawhost {

PortRef DlgNewAnnotationPort() {
    auto port = std::make_unique<DlgPort>();
    port->handle = DlgNewHandle();
    port->drawn.transparentClear = true;
    DlgHandle h = port->handle;
    TheDlgState().ports.Add(std::move(port));
    return DlgRefOf<PortRef>(h);
}

void DlgClearPort(PortRef port) {
    if (DlgPort* p = DlgFind(port)) p->drawn.ops.clear();
}

void DlgPaintPort(PortRef port, cairo_t* cr) {
    if (DlgPort* p = DlgFind(port); p && cr) DlgPaintList(p->drawn, cr);
}

std::vector<std::string> DlgDescribePort(PortRef port) {
    DlgPort* p = DlgFind(port);
    return p ? DlgDescribe(p->drawn) : std::vector<std::string>{};
}

void DlgDisposePort(PortRef port) { TheDlgState().ports.Remove(DlgHandleOf(port)); }

}  // namespace drawhost
