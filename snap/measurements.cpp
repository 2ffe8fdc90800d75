#include "snap/measurements.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "geometry/constructions.h"
#include "geometry/host/shape_art.h"
#include "geometry/plane.h"
#include "host/suites.h"
#include "plugin/globals.h"
#include "snap/number_format.h"
#include "tools/tool_common.h"

namespace qzv {

namespace {

constexpr float kPiMeasure = 3.1415927f;
constexpr float kTwoPiMeasure = 6.2831855f;
constexpr const char* kDegrees = " °";

// Writes one line after the other into the box.
struct BoxLines {
    DrawerRef drawer;
    int32_t y = 10;
    void Add(const char* text) {
        const IntPoint at{0, y};
        sDrawer->DrawText(drawer, text, &at);
        y += 12;
    }
};

void AddMeasure(BoxLines& lines, const char* name, float value, bool withSign, const char* suffix) {
    char text[96];
    MeasureLine(text, sizeof text, name, value, withSign, suffix);
    lines.Add(text);
}

int32_t RulerUnits() {
    int32_t units = 0;
    if (!sDocument || sDocument->GetDocumentRulerUnits(&units) != kNoErr) return gGlobals->tool.fallbackRulerUnits;
    return units;
}

void CircleLines(BoxLines& lines, int32_t units) {
    const Globals* g = gGlobals;
    const ToolState& t = g->tool;
    const bool ends = t.circleMode == kCircleCentreRadius && t.altDown;
    const RealPoint at = ends ? t.firstPoint : t.centre;
    AddMeasure(lines, ends ? "x=" : "xC=", at.h, true, "");
    AddMeasure(lines, ends ? "y=" : "yC=", at.v, true, "");
    const MeasureUnit unit = UnitOfRuler(units);
    if (!unit.known) return;
    const float r = LengthInUnits(t.radius, units, ToolScaleFactor());
    AddMeasure(lines, "R=", r, false, unit.length);
    if (t.circleMode >= kArcCentre && t.circleMode <= kArcThreePoints) {
        AddMeasure(lines, "a=", RadiansToDegrees(t.sweep), true, kDegrees);
        return;
    }
    AddMeasure(lines, "A=", kPiMeasure * r * r, false, unit.area);
    AddMeasure(lines, "P=", kTwoPiMeasure * r, false, unit.length);
}

// The rectangle tool: its anchor, named as a centre when the gesture grows
// from it, then the sides, angle, area and perimeter of the mode.
void RectangleLines(BoxLines& lines, int32_t units) {
    const Globals* g = gGlobals;
    const ToolState& t = g->tool;
    const int32_t mode = t.rectMode;
    const bool centred = (mode >= kRectModeCentredRectangle) != static_cast<bool>(t.centringToggle);
    AddMeasure(lines, centred ? "xC=" : "x=", t.firstPoint.h, true, "");
    AddMeasure(lines, centred ? "yC=" : "y=", t.firstPoint.v, true, "");
    const MeasureUnit unit = UnitOfRuler(units);
    if (!unit.known) return;
    const float scale = ToolScaleFactor();
    if (mode == kRectModeSegment || mode == kRectModeCentredSegment) {
        const float length = LengthInUnits(t.lineLength, units, scale);
        if (mode == kRectModeSegment) AddMeasure(lines, "L=", std::fabs(length), false, unit.length);
        else AddMeasure(lines, "L=", length, true, unit.length);
        // In millimetres the tangent construction shows the radius's direction.
        const bool beta = t.tangentOn && units == kUnitMillimeters;
        AddMeasure(lines, "a=", RadiansToDegrees(beta ? t.tangentBeta : t.lineAngle), true, kDegrees);
        if (mode == kRectModeSegment && g->settings.working.LignePoly) {
            const float total = t.polylineLength + std::fabs(t.lineLength);
            AddMeasure(lines, "LT=", LengthInUnits(total, units, scale), false, unit.length);
        }
        return;
    }
    const float length = std::fabs(t.rectLength), width = std::fabs(t.rectWidth);
    AddMeasure(lines, "L=", LengthInUnits(t.rectLength, units, scale), true, unit.length);
    AddMeasure(lines, "l=", LengthInUnits(t.rectWidth, units, scale), true, unit.length);
    AddMeasure(lines, "a=", RadiansToDegrees(g->settings.working.RotRectangle), true, kDegrees);
    const bool rounded = mode == kRectModeRounded || mode == kRectModeCentredRounded;
    if (!rounded) {
        AddMeasure(lines, "A=", AreaInUnits(length * width, units, scale), false, unit.area);
        AddMeasure(lines, "P=", RectanglePerimeterInUnits(length, width, units, scale), false, unit.length);
        return;
    }
    const float corner = g->settings.working.Arrondi;
    if (g->settings.working.TypeArrondi == 1) {
        lines.Add("A= ???");
        lines.Add("P= ???");
    } else {
        const float r = std::fabs(corner);
        const float area = corner > 0.0f ? length * width - r * r * 0.85840726f : length * width - kPiMeasure * r * r;
        const float perimeter = 2.0f * (length + width - 4.0f * r + kPiMeasure * r);
        AddMeasure(lines, "A=", AreaInUnits(area, units, scale), false, unit.area);
        AddMeasure(lines, "P=", LengthInUnits(perimeter, units, scale), false, unit.length);
    }
    AddMeasure(lines, "r=", corner, true, " pt");
}

bool Retracted(const PathSegment& s) {
    return PointsEqual(s.in, s.p) && PointsEqual(s.out, s.p);
}

}  // namespace

void MeasureLine(char* text, int size, const char* name, float value, bool withSign, const char* suffix) {
    const Globals* g = gGlobals;
    int decimals = g->settings.general.Precision;
    decimals = decimals < 0 ? 0 : decimals > 5 ? 5 : decimals;
    float step = g->paletteState.roundingStep;
    if (!(step > 0.0f)) step = RoundingStep(decimals);
    const char separator = g->paletteState.decimalSeparator ? g->paletteState.decimalSeparator : ',';
    char digits[64];
    FormatMeasure(std::fabs(value), step, decimals, separator, digits, sizeof digits);
    const char* sign = withSign ? (value < 0.0f ? "-" : "+") : "";
    std::snprintf(text, static_cast<size_t>(size), "%s%s%s%s", name, sign, digits, suffix);
}

void DrawMeasurements(DrawerRef box) {
    if (!sDrawer) return;
    BoxLines lines{box};
    if (gGlobals->currentTool == kToolRect) RectangleLines(lines, RulerUnits());
    else CircleLines(lines, RulerUnits());
}

bool PolygonAreaText(char* text, int size) {
    const Globals* g = gGlobals;
    const ToolState& t = g->tool;
    const ArtHandle line = t.art.rectPath;
    if (!ArtExists(line) || !sPath || !sDocumentView) return false;
    ViewHandle view = nullptr;
    float zoom = 1.0f;
    if (sDocumentView->GetNthView(0, &view) != kNoErr || sDocumentView->GetZoom(view, &zoom) != kNoErr ||
        !(zoom > 0.0f) || !std::isfinite(zoom))
        zoom = 1.0f;
    int32_t n = 0;
    if (sPath->GetPathSegmentCount(line, &n) != kNoErr || n <= 2) return false;
    // A polygonal line is short; a longer path is not one the tool drew.
    constexpr int32_t kMostVertices = 1024;
    if (n > kMostVertices) return false;
    PathSegment vertices[kMostVertices];
    if (sPath->GetPathSegments(line, 0, n, vertices) != kNoErr) return false;
    const float tolerance = static_cast<float>(g->settings.general.Tolerance) / zoom;
    if (!PointsClose(t.lastCursor, vertices[0].p, tolerance)) return false;
    for (int32_t i = 0; i < n; ++i)
        if (!Retracted(vertices[i])) return false;
    float s1 = 0.0f, s2 = 0.0f;
    for (int32_t i = 0; i < n; ++i) {
        const RealPoint a = vertices[i].p, b = vertices[(i + 1) % n].p;
        s1 += a.h * b.v;
        s2 += a.v * b.h;
    }
    if (n > 3) {
        for (int32_t v = 0; v < n; ++v)
            for (int32_t k = 0; k <= n - 4; ++k) {
                const RealPoint a = vertices[v].p, b = vertices[(v + 1) % n].p;
                const RealPoint e = vertices[(v + k + 2) % n].p, f = vertices[(v + k + 3) % n].p;
                if (SegmentsCross(a, b, e, f)) return false;
            }
    }
    const float area = std::fabs(s1 - s2) / 2.0f;
    const MeasureUnit unit = UnitOfRuler(t.rulerUnits);
    const float shown = unit.known ? AreaInUnits(area, t.rulerUnits, ToolScaleFactor()) : area;
    MeasureLine(text, size, "Aire = ", shown, false, unit.area);
    return true;
}

}  // namespace qzv
