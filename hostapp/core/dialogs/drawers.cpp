// Drawers: a pen over the display list of a dialog, an item or a port, with
// its own origin, clip, colour and font.
#include "dialogs/dialog_manager.h"

namespace drawhost {

namespace {

IntRect Offset(const IntRect& r, IntPoint by) {
    return {r.left + by.h, r.top + by.v, r.right + by.h, r.bottom + by.v};
}
IntPoint Offset(IntPoint p, IntPoint by) { return {p.h + by.h, p.v + by.v}; }

DrawOp NewOp(const DlgDrawer& drawer, OpKind kind) {
    DrawOp op;
    op.kind = kind;
    op.color = drawer.color;
    op.clip = drawer.clip;
    op.font = drawer.font;
    return op;
}

void Add(DlgDrawer& drawer, DrawOp op) {
    if (DisplayList* list = DlgDrawerList(drawer)) list->ops.push_back(std::move(op));
}

}  // namespace

DlgDrawer* DlgNewDrawer(DlgDrawer::Target target, DlgHandle owner, const IntRect& bounds, int32_t font,
                        bool hostOwned) {
    auto rec = std::make_unique<DlgDrawer>();
    rec->handle = DlgNewHandle();
    rec->target = target;
    rec->owner = owner;
    rec->hostOwned = hostOwned;
    rec->origin = {bounds.left, bounds.top};
    rec->clip = bounds;
    rec->font = font;
    return TheDlgState().drawers.Add(std::move(rec));
}

void DlgDeleteDrawer(DlgHandle h) { TheDlgState().drawers.Remove(h); }

DisplayList* DlgDrawerList(const DlgDrawer& drawer) {
    DlgState& s = TheDlgState();
    switch (drawer.target) {
    case DlgDrawer::Target::Dialog:
        if (DlgDialog* d = s.dialogs.Find(drawer.owner)) return &d->drawn;
        break;
    case DlgDrawer::Target::Item:
        if (DlgItem* i = s.items.Find(drawer.owner)) return &i->drawn;
        break;
    case DlgDrawer::Target::Port:
        if (DlgPort* p = s.ports.Find(drawer.owner)) return &p->drawn;
        break;
    }
    return nullptr;
}

void DlgDrawRect(DlgDrawer& drawer, OpKind kind, const IntRect& rect) {
    DrawOp op = NewOp(drawer, kind);
    op.rect = Offset(rect, drawer.origin);
    Add(drawer, std::move(op));
}

void DlgDrawLine(DlgDrawer& drawer, IntPoint a, IntPoint b) {
    DrawOp op = NewOp(drawer, OpKind::Line);
    op.points = {Offset(a, drawer.origin), Offset(b, drawer.origin)};
    Add(drawer, std::move(op));
}

void DlgDrawPolygon(DlgDrawer& drawer, OpKind kind, const IntPoint* points, int32_t count) {
    if (!points || count < 2) return;
    DrawOp op = NewOp(drawer, kind);
    for (int32_t i = 0; i < count; ++i) op.points.push_back(Offset(points[i], drawer.origin));
    Add(drawer, std::move(op));
}

void DlgDrawText(DlgDrawer& drawer, const std::string& text, IntPoint baseline) {
    DrawOp op = NewOp(drawer, OpKind::Text);
    op.text = text;
    op.points = {Offset(baseline, drawer.origin)};
    Add(drawer, std::move(op));
}

void DlgDrawImage(DlgDrawer& drawer, const std::string& path, int32_t resourceId, IntPoint topLeft,
                  int32_t width, int32_t height) {
    DrawOp op = NewOp(drawer, OpKind::Image);
    op.image = path;
    op.resourceId = resourceId;
    IntPoint at = Offset(topLeft, drawer.origin);
    op.rect = {at.h, at.v, at.h + width, at.v + height};
    Add(drawer, std::move(op));
}

}  // namespace drawhost
