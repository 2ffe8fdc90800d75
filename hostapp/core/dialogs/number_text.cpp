#include "dialogs/number_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "sdk_all.h"

namespace drawhost {

namespace {

struct UnitInfo {
    int32_t units;
    const char* suffix;      // as shown
    double pointsPerUnit;    // 0: not a length
};

const UnitInfo kUnits[] = {
    {kUnitsNone, "", 0},           {kUnitsPoints, " pt", 1.0},      {kUnitsInches, " in", 72.0},
    {kUnitsMillimeters, " mm", 72.0 / 25.4}, {kUnitsCentimeters, " cm", 72.0 / 2.54},
    {kUnitsPicas, " pc", 12.0},    {kUnitsPercent, " %", 0},        {kUnitsDegrees, "°", 0},
    {kUnitsPixels, " px", 1.0},
};

const UnitInfo& Info(int32_t units) {
    for (const UnitInfo& u : kUnits)
        if (u.units == units) return u;
    return kUnits[0];
}

// Suffixes accepted on input, without the leading blank.
const UnitInfo* FindSuffix(const std::string& s) {
    struct Alias {
        const char* text;
        int32_t units;
    };
    static const Alias kAliases[] = {{"pt", kUnitsPoints}, {"in", kUnitsInches}, {"\"", kUnitsInches},
                                     {"mm", kUnitsMillimeters}, {"cm", kUnitsCentimeters}, {"pc", kUnitsPicas},
                                     {"p", kUnitsPicas}, {"%", kUnitsPercent}, {"°", kUnitsDegrees},
                                     {"deg", kUnitsDegrees}, {"px", kUnitsPixels}};
    for (const Alias& a : kAliases)
        if (s == a.text) return &Info(a.units);
    return nullptr;
}

}  // namespace

std::string DlgValueToText(float value, int32_t units, int32_t precision) {
    if (precision < 0) precision = 0;
    if (precision > 6) precision = 6;
    const UnitInfo& u = Info(units);
    double shown = u.pointsPerUnit > 0 ? value / u.pointsPerUnit : value;
    if (!std::isfinite(shown)) return "?";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", precision, shown);
    if (std::strcmp(buf, "-0") == 0 || (buf[0] == '-' && std::strspn(buf + 1, "0,.") == std::strlen(buf + 1)))
        std::memmove(buf, buf + 1, std::strlen(buf));   // no "-0,00"
    for (char* c = buf; *c; ++c)
        if (*c == '.') *c = ',';
    return std::string(buf) + u.suffix;
}

bool DlgTextToValue(const std::string& text, int32_t units, float* value) {
    size_t b = 0, e = text.size();
    while (b < e && (text[b] == ' ' || text[b] == '\t')) ++b;
    while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t')) --e;
    std::string s = text.substr(b, e - b);
    // The number: sign, digits, one decimal mark.
    size_t i = 0;
    std::string number;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) number += s[i++];
    bool digits = false, mark = false;
    for (; i < s.size(); ++i) {
        char c = s[i];
        if (c >= '0' && c <= '9') {
            number += c;
            digits = true;
        } else if ((c == ',' || c == '.') && !mark) {
            number += '.';
            mark = true;
        } else {
            break;
        }
    }
    if (!digits) return false;
    std::string rest = s.substr(i);
    while (!rest.empty() && rest[0] == ' ') rest.erase(0, 1);
    const UnitInfo* from = rest.empty() ? &Info(units) : FindSuffix(rest);
    if (!from) return false;
    const UnitInfo& to = Info(units);
    double v = std::strtod(number.c_str(), nullptr);
    // A length typed in another length unit converts; mixing kinds does not.
    if (from != &to) {
        if (from->pointsPerUnit > 0 && to.pointsPerUnit > 0)
            v = v * from->pointsPerUnit / to.pointsPerUnit;
        else if (!(to.units == kUnitsNone))
            return false;
    }
    double points = to.pointsPerUnit > 0 ? v * to.pointsPerUnit : v;
    if (!std::isfinite(points) || std::fabs(points) > 3.0e38) return false;
    // "-0" is zero: a field never holds a negative zero that would show a sign.
    *value = points == 0 ? 0.0f : static_cast<float>(points);
    return true;
}

}  // namespace drawhost
