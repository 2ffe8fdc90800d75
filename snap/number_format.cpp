#include "snap/number_format.h"

#include <cmath>

#include "geometry/plane.h"

namespace qzv {

namespace {

// Per ruler code 1..5: the length factor as a multiplier and divisor, the
// area factor likewise, and the rectangle perimeter's.
struct UnitRow {
    const char* length;
    const char* area;
    float lengthTimes, lengthOver;
    float areaTimes, areaOver;
    float perimeterTimes, perimeterOver;
};

constexpr UnitRow kUnits[5] = {
    {" in", " in2", 1.0f, 72.0f, 1.0f, 5184.0f, 1.0f, 36.0f},
    {" cm", " cm2", 2.54f, 72.0f, 6.4516f, 5184.0f, 5.08f, 72.0f},
    {" pt", " pt2", 1.0f, 1.0f, 1.0f, 1.0f, 2.0f, 1.0f},
    {" pi", " pi2", 1.0f, 12.0f, 1.0f, 144.0f, 1.0f, 6.0f},
    {" mm", " mm2", 25.4f, 72.0f, 645.16f, 5184.0f, 50.8f, 72.0f},
};

const UnitRow* Row(int32_t units) { return units >= 1 && units <= 5 ? &kUnits[units - 1] : nullptr; }

float Scaled(float value, float scale) { return scale > 0.0f && std::isfinite(scale) ? value / scale : value; }

}  // namespace

int FormatMeasure(float value, float step, int decimals, char separator, char* text, int size) {
    if (size <= 0) return 0;
    int n = 0;
    auto put = [&](char c) {
        if (n < size - 1) text[n++] = c;
    };
    if (!(value >= 0.0f) || !std::isfinite(value)) {
        put('?');
        text[n] = 0;
        return n;
    }
    const float a = value + step * 0.5f;
    float b = Floor(a);
    float c = a - b;
    // The whole part, least significant digit first, then turned around.
    char digits[48];
    int count = 0;
    if (b == 0.0f) digits[count++] = '0';
    while (b > 0.0f && count < static_cast<int>(sizeof digits)) {
        const float d = b / 10.0f;
        b = Floor(d);
        const float tenth = (d - b) * 10.0f;
        int digit = static_cast<int>(std::round(tenth));
        digit = digit < 0 ? 0 : digit > 9 ? 9 : digit;
        digits[count++] = static_cast<char>('0' + digit);
    }
    while (count > 0) put(digits[--count]);
    if (decimals > 0) {
        put(separator);
        for (int i = 0; i < decimals; ++i) {
            const float shifted = c * 10.0f;
            const float decimal = Floor(shifted);
            put(static_cast<char>('0' + static_cast<int>(decimal)));
            c = shifted - decimal;
        }
    }
    text[n] = 0;
    return n;
}

MeasureUnit UnitOfRuler(int32_t units) {
    const UnitRow* row = Row(units);
    if (!row) return MeasureUnit{false, "", ""};
    return MeasureUnit{true, row->length, row->area};
}

float LengthInUnits(float points, int32_t units, float scale) {
    const UnitRow* row = Row(units);
    if (!row) return points;
    return Scaled(points * row->lengthTimes / row->lengthOver, scale);
}

float AreaInUnits(float squarePoints, int32_t units, float scale) {
    const UnitRow* row = Row(units);
    if (!row) return squarePoints;
    const float s = scale > 0.0f && std::isfinite(scale) ? scale * scale : 1.0f;
    return squarePoints * row->areaTimes / row->areaOver / s;
}

float RectanglePerimeterInUnits(float length, float width, int32_t units, float scale) {
    const UnitRow* row = Row(units);
    const float sides = length + width;
    if (!row) return 2.0f * sides;
    return Scaled(sides * row->perimeterTimes / row->perimeterOver, scale);
}

}  // namespace qzv
