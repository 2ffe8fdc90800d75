// "ADM Drawer Suite": drawing operations recorded into the display list of
// the drawer's dialog, item or annotation port.
#include "dialogs/dialog_manager.h"
#include "dialogs/images.h"

namespace drawhost {

namespace {

template <class F>
void With(DrawerRef ref, F f) {
    if (DlgDrawer* d = DlgFind(ref)) f(*d);
}

void RectOp(DrawerRef drawer, const IntRect* rect, OpKind kind) {
    if (rect) With(drawer, [&](DlgDrawer& d) { DlgDrawRect(d, kind, *rect); });
}

DrawerRef Create(PortRef port, const IntRect* bounds, int32_t font) {
    DlgPort* p = DlgFind(port);
    if (!p || !bounds) return nullptr;
    return DlgRefOf<DrawerRef>(DlgNewDrawer(DlgDrawer::Target::Port, p->handle, *bounds, font, false)->handle);
}

// Drawers the host made for a draw procedure are the host's to dispose of.
void Destroy(DrawerRef drawer) {
    if (DlgDrawer* d = DlgFind(drawer); d && !d->hostOwned) DlgDeleteDrawer(d->handle);
}

void SetRGBColor(DrawerRef drawer, uint8_t red, uint8_t green, uint8_t blue) {
    With(drawer, [&](DlgDrawer& d) { d.color = {red, green, blue}; });
}
void SetColor(DrawerRef drawer, int32_t namedColor) {
    With(drawer, [&](DlgDrawer& d) { d.color = DlgNamedColor(namedColor); });
}
void SetFont(DrawerRef drawer, int32_t font) { With(drawer, [&](DlgDrawer& d) { d.font = font; }); }

void DrawLine(DrawerRef drawer, const IntPoint* start, const IntPoint* end) {
    if (start && end) With(drawer, [&](DlgDrawer& d) { DlgDrawLine(d, *start, *end); });
}
void DrawRect(DrawerRef drawer, const IntRect* rect) { RectOp(drawer, rect, OpKind::FrameRect); }
void FillRect(DrawerRef drawer, const IntRect* rect) { RectOp(drawer, rect, OpKind::FillRect); }
void ClearRect(DrawerRef drawer, const IntRect* rect) { RectOp(drawer, rect, OpKind::ClearRect); }
void InvertRect(DrawerRef drawer, const IntRect* rect) { RectOp(drawer, rect, OpKind::InvertRect); }
void DrawOval(DrawerRef drawer, const IntRect* rect) { RectOp(drawer, rect, OpKind::FrameOval); }
void FillOval(DrawerRef drawer, const IntRect* rect) { RectOp(drawer, rect, OpKind::FillOval); }
void DrawSunkenRect(DrawerRef drawer, const IntRect* rect) { RectOp(drawer, rect, OpKind::SunkenFrame); }
void DrawRaisedRect(DrawerRef drawer, const IntRect* rect) { RectOp(drawer, rect, OpKind::RaisedFrame); }

void DrawPolygon(DrawerRef drawer, const IntPoint* points, int32_t count) {
    With(drawer, [&](DlgDrawer& d) { DlgDrawPolygon(d, OpKind::FramePolygon, points, count); });
}
void FillPolygon(DrawerRef drawer, const IntPoint* points, int32_t count) {
    With(drawer, [&](DlgDrawer& d) { DlgDrawPolygon(d, OpKind::FillPolygon, points, count); });
}

void DrawText(DrawerRef drawer, const char* text, const IntPoint* baselineStart) {
    if (text && baselineStart) With(drawer, [&](DlgDrawer& d) { DlgDrawText(d, text, *baselineStart); });
}

int32_t GetTextWidth(DrawerRef drawer, const char* text) {
    DlgDrawer* d = DlgFind(drawer);
    return d && text ? DlgTextWidth(d->font, text) : 0;
}

void GetFontInfo(DrawerRef drawer, int32_t* ascent, int32_t* descent, int32_t* leading) {
    DlgDrawer* d = DlgFind(drawer);
    FontMetrics m = d ? DlgFontMetrics(d->font) : FontMetrics{0, 0, 0};
    if (ascent) *ascent = m.ascent;
    if (descent) *descent = m.descent;
    if (leading) *leading = m.leading;
}

void DrawResPicture(DrawerRef drawer, PluginRef plugin, int32_t pictureId, const IntPoint* topLeft) {
    if (!topLeft) return;
    With(drawer, [&](DlgDrawer& d) {
        int32_t w, h;
        std::string path = DlgPictureFile(plugin, pictureId, &w, &h);
        DlgDrawImage(d, path, pictureId, *topLeft, w, h);
    });
}

void GetResPictureBounds(PluginRef plugin, int32_t pictureId, IntRect* bounds) {
    if (!bounds) return;
    int32_t w, h;
    DlgPictureFile(plugin, pictureId, &w, &h);
    *bounds = {0, 0, w, h};
}

void DrawIcon(DrawerRef drawer, IconRef icon, const IntPoint* topLeft) {
    DlgIcon* i = DlgFind(icon);
    if (!i || !topLeft) return;
    With(drawer, [&](DlgDrawer& d) {
        if (i->type == kIconUnknown)
            DlgDrawImage(d, "", i->resourceId, *topLeft, kDlgPlaceholderSize, kDlgPlaceholderSize);
        else
            DlgDrawImage(d, i->path, i->resourceId, *topLeft, i->width, i->height);
    });
}

void GetBoundsRect(DrawerRef drawer, IntRect* bounds) {
    if (!bounds) return;
    DlgDrawer* d = DlgFind(drawer);
    *bounds = d ? IntRect{0, 0, d->clip.right - d->clip.left, d->clip.bottom - d->clip.top} : IntRect{0, 0, 0, 0};
}

const DlgDrawerSuite kSuite = {
    Create,       Destroy,     SetRGBColor,  SetColor,       SetFont,        DrawLine,
    DrawRect,     FillRect,    ClearRect,    InvertRect,     DrawOval,       FillOval,
    DrawPolygon,  FillPolygon, DrawText,     GetTextWidth,   GetFontInfo,    DrawSunkenRect,
    DrawRaisedRect, DrawResPicture, GetResPictureBounds, DrawIcon, GetBoundsRect,
};
SuiteRegistrar registrar(kDlgDrawerSuiteName, kDlgDrawerSuiteVersion, &kSuite);

}  // namespace

}  // namespace drawhost
