// The profile editor's canvas (its drawing and the mouse in both modes),
// the preview of a rectangle with the profile, and the buttons the editor
// draws itself.
#include <initializer_list>
#include <math.h>

#include "geometry/rect_paths.h"
#include "host/host_text.h"
#include "host/suites.h"
#include "plugin/globals.h"
#include "resources/dialog_resource_ids.h"
#include "rounding/profile_edit.h"
#include "rounding/profile_editor_parts.h"

namespace qzv {

namespace {

constexpr int32_t kCanvasSize = 460;
constexpr int kGrabReach = 6;     // a point or handle is taken within 6 pixels on each axis
constexpr int kPointReach = 5;    // a point is removed within 5 pixels
constexpr int kCurveReach = 4;    // the outline takes a new point within 4 pixels
constexpr int kMaxHalvings = 8;   // a curve is drawn as at most 2^8 straight pieces
constexpr float kFlatEnough = 0.25f;   // pixels between a piece and its curve

struct FPoint {
    float h, v;
};

// A drawing coordinate as a whole pixel; far outside any item every pixel
// is as good as another, and a coordinate that is not a number draws at 0.
int32_t Pixel(float c) {
    if (!(c == c)) return 0;
    if (c > 1.0e6f) c = 1.0e6f;
    if (c < -1.0e6f) c = -1.0e6f;
    return static_cast<int32_t>(lroundf(c));
}

void Line(DrawerRef d, FPoint a, FPoint b) {
    const IntPoint p = {Pixel(a.h), Pixel(a.v)};
    const IntPoint q = {Pixel(b.h), Pixel(b.v)};
    sDrawer->DrawLine(d, &p, &q);
}

float Gap(FPoint p, FPoint a, FPoint b) {
    // Distance from p to the chord a-b (or to a when the chord is a point).
    const float dh = b.h - a.h, dv = b.v - a.v;
    const float length = sqrtf(dh * dh + dv * dv);
    if (length < 1e-6f) return sqrtf((p.h - a.h) * (p.h - a.h) + (p.v - a.v) * (p.v - a.v));
    return fabsf((p.h - a.h) * dv - (p.v - a.v) * dh) / length;
}

// A cubic as straight pieces: halved until its handles lie within
// kFlatEnough of its chord, at most kMaxHalvings times. A curve whose
// handles lie on its end points is therefore one straight line.
void DrawCubic(DrawerRef d, const FPoint c[4], int depth) {
    if (!(isfinite(c[0].h) && isfinite(c[0].v) && isfinite(c[3].h) && isfinite(c[3].v))) return;
    if (depth >= kMaxHalvings || (Gap(c[1], c[0], c[3]) <= kFlatEnough && Gap(c[2], c[0], c[3]) <= kFlatEnough)) {
        Line(d, c[0], c[3]);
        return;
    }
    auto mid = [](FPoint a, FPoint b) { return FPoint{(a.h + b.h) * 0.5f, (a.v + b.v) * 0.5f}; };
    const FPoint q0 = mid(c[0], c[1]), q1 = mid(c[1], c[2]), q2 = mid(c[2], c[3]);
    const FPoint r0 = mid(q0, q1), r1 = mid(q1, q2), s = mid(r0, r1);
    const FPoint left[4] = {c[0], q0, r0, s}, right[4] = {s, r1, q2, c[3]};
    DrawCubic(d, left, depth + 1);
    DrawCubic(d, right, depth + 1);
}

FPoint CanvasPoint(float x, float y) {
    return FPoint{static_cast<float>(kCanvasOrigin) + x * static_cast<float>(kCanvasPixelsPerUnit),
                  static_cast<float>(kCanvasOrigin) + y * static_cast<float>(kCanvasPixelsPerUnit)};
}

uint8_t Byte(float unit) {
    if (!(unit >= 0.0f)) return 0;
    return unit >= 1.0f ? 255 : static_cast<uint8_t>(lroundf(unit * 255.0f));
}

void ProfileColour(DrawerRef d, const ProfileEditorState& e) {
    sDrawer->SetRGBColor(d, static_cast<uint8_t>(e.profileColour[0] >> 8), static_cast<uint8_t>(e.profileColour[1] >> 8),
                         static_cast<uint8_t>(e.profileColour[2] >> 8));
}

void Grid(DrawerRef d, const ProfileEditorState& e) {
    sDrawer->SetRGBColor(d, Byte(e.gridColour[0]), Byte(e.gridColour[1]), Byte(e.gridColour[2]));
    const int32_t step = e.gridStep >= 1 && e.gridStep <= kGridLastLine - kGridFirstLine ? e.gridStep : 20;
    for (int32_t k = 0; k <= (kGridLastLine - kGridFirstLine) / step; ++k) {
        const int32_t at = kGridFirstLine + k * step;
        const IntPoint a = {at, kGridFirstLine}, b = {at, kGridLastLine};
        const IntPoint c = {kGridFirstLine, at}, f = {kGridLastLine, at};
        sDrawer->DrawLine(d, &a, &b);
        sDrawer->DrawLine(d, &c, &f);
    }
    // The axis of the symmetry rule.
    const IntPoint from = {kGridFirstLine, kGridFirstLine}, to = {kGridLastLine, kGridLastLine};
    sDrawer->DrawLine(d, &from, &to);
    // Two reference curves, the quarter circles of one rounding radius (12
    // units) from (12, 0) to (0, 12): about (12, 12), the ordinary rounded
    // corner, and about the corner itself, the inverted one.
    constexpr int kPieces = 24;
    for (float centre : {12.0f, 0.0f}) {
        FPoint previous = CanvasPoint(12.0f, 0.0f);
        for (int i = 1; i <= kPieces; ++i) {
            const float a = 1.5707964f * static_cast<float>(i) / static_cast<float>(kPieces);
            const float x = centre == 0.0f ? 12.0f * cosf(a) : 12.0f - 12.0f * sinf(a);
            const float y = centre == 0.0f ? 12.0f * sinf(a) : 12.0f - 12.0f * cosf(a);
            const FPoint next = CanvasPoint(x, y);
            Line(d, previous, next);
            previous = next;
        }
    }
}

void Outline(DrawerRef d, const ProfileEditorState& e) {
    const RoundingProfile& p = e.working;
    ProfileColour(d, e);
    for (int i = 0; i + 1 < ProfilePointCount(p); ++i) {
        const FPoint c[4] = {CanvasPoint(p.x[i], p.y[i]), CanvasPoint(p.inX[i], p.inY[i]),
                             CanvasPoint(p.outX[i + 1], p.outY[i + 1]), CanvasPoint(p.x[i + 1], p.y[i + 1])};
        DrawCubic(d, c, 0);
    }
}

// Handle lines and handles, then the points; the selected element red and
// larger, with its handle line red.
void Marks(DrawerRef d, const ProfileEditorState& e) {
    const RoundingProfile& p = e.working;
    const int count = ProfilePointCount(p);
    ProfileSelection selected{ProfileElement::kPoint, 0};
    DecodeSelection(e.selection, &selected);
    const ProfileElement handles[] = {ProfileElement::kIn, ProfileElement::kOut};
    for (int i = 0; i < count; ++i) {
        const FPoint anchor = CanvasPoint(p.x[i], p.y[i]);
        for (ProfileElement kind : handles) {
            const ProfileSelection s{kind, i};
            if (!ElementInUse(s, count)) continue;
            const bool isSelected = selected.kind == kind && selected.index == i;
            const FPoint h = CanvasPoint(*ElementX(p, s), *ElementY(p, s));
            if (isSelected) sDrawer->SetColor(d, kColorRed);
            else sDrawer->SetColor(d, kColorShadow);
            Line(d, anchor, h);
            const int32_t r = isSelected ? 4 : 3;
            const IntRect mark = {Pixel(h.h) - r, Pixel(h.v) - r, Pixel(h.h) + r + 1, Pixel(h.v) + r + 1};
            sDrawer->FillOval(d, &mark);
        }
    }
    for (int i = 0; i < count; ++i) {
        const bool isSelected = selected.kind == ProfileElement::kPoint && selected.index == i;
        const FPoint a = CanvasPoint(p.x[i], p.y[i]);
        const int32_t r = isSelected ? 4 : 3;
        const IntRect mark = {Pixel(a.h) - r, Pixel(a.v) - r, Pixel(a.h) + r + 1, Pixel(a.v) + r + 1};
        if (isSelected) sDrawer->SetColor(d, kColorRed);
        else ProfileColour(d, e);
        sDrawer->FillRect(d, &mark);
        sDrawer->SetColor(d, kColorBlack);
        sDrawer->DrawRect(d, &mark);
    }
}

void SetCursor(const ProfileEditorState& e, int32_t cursor) {
    if (sDlgBasic) sDlgBasic->SetPlatformCursor(e.plugin, cursor);
}

ProfileSelection Selected(const ProfileEditorState& e) {
    ProfileSelection s{ProfileElement::kPoint, 0};
    DecodeSelection(e.selection, &s);
    return s;
}

float Coordinate(const ProfileEditorState& e, int pixel, bool magnet) {
    return magnet ? SnapPixelToGrid(pixel, e.gridStep) : UnitsFromPixel(pixel);
}

// Move mode: take the element under the mouse, follow the mouse with it.
void TrackMove(ProfileEditorState& e, int32_t action, IntPoint at, int32_t modifiers) {
    const int h = ClampCanvasPixel(at.h), v = ClampCanvasPixel(at.v);
    if (action == kTrackButtonDown) {
        const ProfileSelection preferred = Selected(e);
        ProfileSelection hit;
        if (HitElement(e.working, h, v, kGrabReach, &preferred, &hit)) {
            e.selection = SelectionCode(hit);
            e.grabbed = e.selection;
            SetCursor(e, kCursorHoldPoint);
        } else {
            e.grabbed = kNoSelection;
        }
        ShowSelection(e);
        RedrawProfile(e);
        return;
    }
    ProfileSelection held;
    if (action == kTrackButtonUp) {
        e.grabbed = kNoSelection;
        return;
    }
    if (action != kTrackDrag || !DecodeSelection(e.grabbed, &held)) return;
    // Magnetism of the grid, inverted while the option key is held.
    const bool magnet = e.gridMagnetism != ((modifiers & kTrackModOption) != 0);
    MoveElement(e.working, held, Coordinate(e, h, magnet), Coordinate(e, v, magnet));
    ShowSelection(e);
    RedrawProfile(e);
}

bool Usable(IntPoint at) {
    return at.h >= kCanvasUsableMin && at.h <= kCanvasUsableMax && at.v >= kCanvasUsableMin &&
           at.v <= kCanvasUsableMax;
}

// Add/remove mode: a click on a point removes it, on the outline inserts
// one; the cursor tells which before the click.
void TrackAddRemove(ProfileEditorState& e, int32_t action, IntPoint at) {
    if (action != kTrackMove && action != kTrackButtonDown) return;
    if (!Usable(at)) {
        SetCursor(e, kCursorOutside);
        return;
    }
    int point = 0;
    CurvePlace place{};
    if (HitPoint(e.working, at.h, at.v, kPointReach, &point)) {
        SetCursor(e, kCursorRemovePoint);
        if (action != kTrackButtonDown) return;
        if (!RemoveProfilePoint(e.working, point)) {
            HostMessageAlert(kRemoveImpossibleAlert);
            return;
        }
        ProfileReshaped(e);   // a selection past the new end moves to the last point
    } else if (NearestCurvePlace(e.working, at.h, at.v, kCurveReach, &place)) {
        SetCursor(e, kCursorInsertPoint);
        if (action != kTrackButtonDown) return;
        if (!InsertProfilePoint(e.working, place)) {
            HostMessageAlert(kInsertImpossibleAlert);
            return;
        }
        e.selection = SelectionCode({ProfileElement::kPoint, place.curve + 1});
        ProfileReshaped(e);
    } else {
        SetCursor(e, kCursorHoldPoint);
    }
}

// ---- the drawn buttons --------------------------------------------------------

void Frame(DrawerRef d, IntRect r, bool sunken) {
    sDrawer->SetColor(d, kColorButtonUp);
    sDrawer->FillRect(d, &r);
    if (sunken) sDrawer->DrawSunkenRect(d, &r);
    else sDrawer->DrawRaisedRect(d, &r);
}

void Dot(DrawerRef d, int32_t h, int32_t v, int32_t r) {
    const IntRect o = {h - r, v - r, h + r + 1, v + r + 1};
    sDrawer->FillOval(d, &o);
}

void Segment(DrawerRef d, int32_t h1, int32_t v1, int32_t h2, int32_t v2) {
    const IntPoint a = {h1, v1}, b = {h2, v2};
    sDrawer->DrawLine(d, &a, &b);
}

}  // namespace

void DrawCanvas(ItemRef, DrawerRef drawer) {
    ProfileEditorState* e = RunningEditor();
    if (!e || !sDrawer) return;
    const IntRect all = {0, 0, kCanvasSize, kCanvasSize};
    sDrawer->SetColor(drawer, kColorWhite);
    sDrawer->FillRect(drawer, &all);
    sDrawer->DrawSunkenRect(drawer, &all);
    if (e->gridVisible) Grid(drawer, *e);
    const IntRect usable = {kCanvasUsableMin, kCanvasUsableMin, kCanvasUsableMax, kCanvasUsableMax};
    sDrawer->SetColor(drawer, kColorShadow);
    sDrawer->DrawRect(drawer, &usable);
    ProfileColour(drawer, *e);
    Segment(drawer, kCanvasOrigin, kCanvasOrigin, kGridLastLine, kCanvasOrigin);
    Segment(drawer, kCanvasOrigin, kCanvasOrigin, kCanvasOrigin, kGridLastLine);
    Outline(drawer, *e);
    Marks(drawer, *e);
}

HostBool TrackCanvas(ItemRef, TrackerRef tracker) {
    ProfileEditorState* e = RunningEditor();
    if (!e || !sTracker) return 0;
    IntPoint at = {0, 0};
    sTracker->GetPoint(tracker, &at);
    const int32_t action = sTracker->GetAction(tracker);
    const int32_t modifiers = sTracker->GetModifiers(tracker);
    // The Space key moves points in either mode.
    if (e->mode == kEditorMovePoints || (modifiers & kTrackModSpace) != 0)
        TrackMove(*e, action, at, modifiers);
    else
        TrackAddRemove(*e, action, at);
    return 0;
}

// A rectangle with the working profile on the corners whose switch is on,
// built by the rectangle tool's own builder and drawn to scale.
void DrawPreview(ItemRef item, DrawerRef drawer) {
    ProfileEditorState* e = RunningEditor();
    if (!e || !sDrawer) return;
    IntRect bounds = {0, 0, 0, 0};
    sItem->GetBoundsRect(item, &bounds);
    const float w = static_cast<float>(bounds.right - bounds.left), h = static_cast<float>(bounds.bottom - bounds.top);
    const IntRect all = {0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top};
    sDrawer->SetColor(drawer, kColorWhite);
    sDrawer->FillRect(drawer, &all);
    sDrawer->DrawSunkenRect(drawer, &all);
    const float rounding = h / 4.0f;
    const ShapeBuild build = BuildRoundedRectangle(w - 2.0f * rounding, h - 2.0f * rounding, rounding, true, 0.0f,
                                                   RealPoint{0.0f, 0.0f}, kRoundingProfile, &e->working);
    const ShapePath path = PlacedPath(build);
    ProfileColour(drawer, *e);
    // Host coordinates run upwards; the item's downwards.
    auto at = [&](RealPoint p) { return FPoint{w / 2.0f + p.h, h / 2.0f - p.v}; };
    for (int i = 0; i < path.count; ++i) {
        const PathSegment& a = path.seg[i];
        const PathSegment& b = path.seg[(i + 1) % path.count];
        if (i + 1 == path.count && !path.closed) break;
        const FPoint c[4] = {at(a.p), at(a.out), at(b.in), at(b.p)};
        DrawCubic(drawer, c, 0);
    }
}

void DrawEditorButton(ItemRef item, DrawerRef drawer) {
    ProfileEditorState* e = RunningEditor();
    if (!e || !sDrawer) return;
    IntRect bounds = {0, 0, 0, 0};
    sItem->GetBoundsRect(item, &bounds);
    const IntRect r = {0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top};
    const int32_t id = sItem->GetID(item);
    const ProfileSelection s = Selected(*e);
    bool sunken = false;
    switch (id) {
        case kEditorMoveMode: sunken = e->mode == kEditorMovePoints; break;
        case kEditorAddMode: sunken = e->mode == kEditorAddRemovePoints; break;
        case kEditorSymmetry: sunken = e->working.symmetric; break;
        case kEditorSelectPoint: sunken = s.kind == ProfileElement::kPoint; break;
        case kEditorSelectIn: sunken = s.kind == ProfileElement::kIn; break;
        case kEditorSelectOut: sunken = s.kind == ProfileElement::kOut; break;
        default: break;
    }
    Frame(drawer, r, sunken);
    const bool enabled = sItem->IsEnabled(item) != 0;
    sDrawer->SetColor(drawer, enabled ? kColorBlack : kColorDisabled);
    const int32_t c = r.right / 2;
    switch (id) {
        case kEditorMoveMode:   // a four-way arrow
            Segment(drawer, 4, c, r.right - 5, c);
            Segment(drawer, c, 4, c, r.bottom - 5);
            Segment(drawer, 4, c, 6, c - 2);
            Segment(drawer, 4, c, 6, c + 2);
            Segment(drawer, r.right - 5, c, r.right - 7, c - 2);
            Segment(drawer, r.right - 5, c, r.right - 7, c + 2);
            Segment(drawer, c, 4, c - 2, 6);
            Segment(drawer, c, 4, c + 2, 6);
            Segment(drawer, c, r.bottom - 5, c - 2, r.bottom - 7);
            Segment(drawer, c, r.bottom - 5, c + 2, r.bottom - 7);
            break;
        case kEditorAddMode:   // plus and minus
            Segment(drawer, 3, 6, 9, 6);
            Segment(drawer, 6, 3, 6, 9);
            Segment(drawer, 9, 13, 15, 13);
            break;
        case kEditorSymmetry:   // two points mirrored across the diagonal, or two apart
            Segment(drawer, 3, 3, r.right - 4, r.bottom - 4);
            if (e->working.symmetric) {
                Dot(drawer, 12, 6, 2);
                Dot(drawer, 6, 12, 2);
            } else {
                Dot(drawer, 13, 5, 2);
                Dot(drawer, 8, 13, 2);
            }
            break;
        case kEditorSelectPoint: {   // the anchor
            const IntRect square = {c - 3, c - 3, c + 4, c + 4};
            sDrawer->FillRect(drawer, &square);
            break;
        }
        case kEditorSelectIn:    // the anchor and the handle leaving it
        case kEditorSelectOut: {  // the handle arriving at the anchor
            const bool leaving = id == kEditorSelectIn;
            const int32_t anchor = leaving ? 5 : r.right - 6, handle = leaving ? r.right - 5 : 4;
            const IntRect square = {anchor - 2, c - 2, anchor + 3, c + 3};
            sDrawer->FillRect(drawer, &square);
            Segment(drawer, anchor, c, handle, c - 5);
            Dot(drawer, handle, c - 5, 2);
            break;
        }
        default: break;
    }
}

}  // namespace qzv
