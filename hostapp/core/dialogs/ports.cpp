#include "dialogs/ports.h"

#include <algorithm>

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

bool DlgPortBounds(PortRef port, IntRect* bounds) {
    const DlgPort* p = DlgFind(port);
    if (!p) return false;
    bool any = false;
    IntRect all = {0, 0, 0, 0};
    auto add = [&](IntRect r) {
        all = any ? IntRect{std::min(all.left, r.left), std::min(all.top, r.top), std::max(all.right, r.right),
                            std::max(all.bottom, r.bottom)}
                  : r;
        any = true;
    };
    for (const DrawOp& op : p->drawn.ops) {
        if (op.kind == OpKind::Text && !op.points.empty()) {
            FontMetrics m = DlgFontMetrics(op.font);
            IntPoint b = op.points[0];
            add({b.h, b.v - m.ascent, b.h + DlgTextWidth(op.font, op.text), b.v + m.descent});
            continue;
        }
        if (op.rect.right != op.rect.left || op.rect.bottom != op.rect.top)
            add({std::min(op.rect.left, op.rect.right), std::min(op.rect.top, op.rect.bottom),
                 std::max(op.rect.left, op.rect.right), std::max(op.rect.top, op.rect.bottom)});
        for (IntPoint q : op.points) add({q.h, q.v, q.h + 1, q.v + 1});
    }
    constexpr int32_t kMargin = 3;
    if (any) *bounds = {all.left - kMargin, all.top - kMargin, all.right + kMargin, all.bottom + kMargin};
    return any;
}

size_t DlgPortOperationCount(PortRef port) {
    DlgPort* p = DlgFind(port);
    return p ? p->drawn.ops.size() : 0;
}

std::vector<std::string> DlgDescribePort(PortRef port, size_t from) {
    std::vector<std::string> out;
    if (DlgPort* p = DlgFind(port))
        for (size_t i = from; i < p->drawn.ops.size(); ++i) out.push_back(DlgDescribe(p->drawn.ops[i]));
    return out;
}

void DlgDisposePort(PortRef port) { TheDlgState().ports.Remove(DlgHandleOf(port)); }

}  // namespace drawhost
