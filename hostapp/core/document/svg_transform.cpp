#include "document/svg_transform.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string>

namespace drawhost {

namespace {

constexpr double kPi = 3.14159265358979323846;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

void SkipBlanks(const char** p, const char* end) {
    while (*p < end && IsBlank(**p)) ++*p;
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Units as they are written, with their size in CSS pixels (96 per inch,
// the user unit of content) and in points (for the page's size).
struct UnitEntry {
    const char* name;
    SvgUnit unit;
    double pixels, points;
};
constexpr UnitEntry kUnits[] = {
    {"px", SvgUnit::kPx, 1.0, 0.75},
    {"pt", SvgUnit::kPt, 96.0 / 72.0, 1.0},
    {"pc", SvgUnit::kPc, 16.0, 12.0},
    {"mm", SvgUnit::kMm, 96.0 / 25.4, 72.0 / 25.4},
    {"cm", SvgUnit::kCm, 96.0 / 2.54, 72.0 / 2.54},
    {"in", SvgUnit::kIn, 96.0, 72.0},
    // Font-relative units against the initial font size of 16 px: the
    // reader does not lay out text.
    {"em", SvgUnit::kEm, 16.0, 12.0},
    {"ex", SvgUnit::kEx, 8.0, 6.0},
    {"%", SvgUnit::kPercent, 0.0, 0.0},
};

}  // namespace

double SvgMatrix::MaxStretch() const {
    // The square root of the larger eigenvalue of M^T M.
    double p = a * a + b * b, q = a * c + b * d, r = c * c + d * d;
    double mean = (p + r) / 2, diff = (p - r) / 2;
    return std::sqrt(mean + std::sqrt(diff * diff + q * q));
}

bool SvgMatrix::Finite() const {
    return std::isfinite(a) && std::isfinite(b) && std::isfinite(c) && std::isfinite(d) && std::isfinite(e) &&
           std::isfinite(f);
}

SvgMatrix SvgMultiply(const SvgMatrix& o, const SvgMatrix& i) {
    return SvgMatrix{o.a * i.a + o.c * i.b,       o.b * i.a + o.d * i.b,       o.a * i.c + o.c * i.d,
                     o.b * i.c + o.d * i.d,       o.a * i.e + o.c * i.f + o.e, o.b * i.e + o.d * i.f + o.f};
}

bool SvgNumber(const char** p, const char* end, double* value) {
    const char* s = *p;
    const char* q = s;
    if (q < end && (*q == '+' || *q == '-')) ++q;
    const char* digits = q;
    while (q < end && IsDigit(*q)) ++q;
    bool whole = q > digits;
    bool wholeIsZero = std::all_of(digits, q, [](char c) { return c == '0'; });
    bool fraction = false;
    // "1." is a number; "." alone is not.
    if (q < end && *q == '.') {
        const char* f = q + 1;
        while (f < end && IsDigit(*f)) ++f;
        fraction = f > q + 1;
        if (fraction || whole) q = f;
    }
    if (!whole && !fraction) return false;
    // An exponent only when digits follow: "1em" is 1 followed by a unit.
    bool negativeExponent = false;
    if (q < end && (*q == 'e' || *q == 'E')) {
        const char* x = q + 1;
        bool minus = x < end && *x == '-';
        if (x < end && (*x == '+' || *x == '-')) ++x;
        const char* xd = x;
        while (x < end && IsDigit(*x)) ++x;
        if (x > xd) {
            q = x;
            negativeExponent = minus;
        }
    }
    // from_chars takes no leading '+'.
    const char* from = *s == '+' ? s + 1 : s;
    double v = 0;
    auto res = std::from_chars(from, q, v);
    if (res.ec == std::errc::result_out_of_range) {
        // Beyond a double: infinity or zero, with the sign; the reader's
        // range checks deal with what that gives.
        bool tiny = negativeExponent || (wholeIsZero && std::find(from, q, 'e') == q && std::find(from, q, 'E') == q);
        v = tiny ? 0.0 : HUGE_VAL;
        if (*from == '-') v = -v;
    } else if (res.ec != std::errc() || res.ptr != q) {
        return false;
    }
    *value = v;
    *p = q;
    return true;
}

void SvgSkipSeparator(const char** p, const char* end) {
    SkipBlanks(p, end);
    if (*p < end && **p == ',') {
        ++*p;
        SkipBlanks(p, end);
    }
}

double SvgUnitInPixels(SvgUnit unit) {
    if (unit == SvgUnit::kNone) return 1.0;
    for (const UnitEntry& u : kUnits)
        if (u.unit == unit) return u.pixels;
    return 0.0;
}

double SvgUnitInPoints(SvgUnit unit) {
    if (unit == SvgUnit::kNone) return 0.75;
    for (const UnitEntry& u : kUnits)
        if (u.unit == unit) return u.points;
    return 0.0;
}

bool SvgParseLength(std::string_view text, SvgLength* length) {
    text = Trimmed(text);
    const char* p = text.data();
    const char* end = p + text.size();
    double n = 0;
    if (!SvgNumber(&p, end, &n)) return false;
    std::string_view rest(p, static_cast<size_t>(end - p));
    SvgUnit unit = SvgUnit::kNone;
    if (!rest.empty()) {
        bool found = false;
        for (const UnitEntry& u : kUnits)
            if (rest == u.name) {
                unit = u.unit;
                found = true;
            }
        if (!found) return false;
    }
    *length = SvgLength{n, unit};
    return true;
}

double SvgLengthInUser(const SvgLength& length, SvgAxis axis, double w, double h) {
    if (length.unit != SvgUnit::kPercent) return length.number * SvgUnitInPixels(length.unit);
    double reference = axis == SvgAxis::kX   ? w
                       : axis == SvgAxis::kY ? h
                                             : std::sqrt((w * w + h * h) / 2);
    return length.number / 100.0 * reference;
}

namespace {

// The transform functions with how many numbers each may take.
struct TransformEntry {
    const char* name;
    int minArgs, maxArgs;   // a count between them; rotate takes 1 or 3
};
constexpr TransformEntry kTransforms[] = {
    {"matrix", 6, 6}, {"translate", 1, 2}, {"scale", 1, 2}, {"rotate", 1, 3}, {"skewX", 1, 1}, {"skewY", 1, 1},
};

SvgMatrix TransformOf(std::string_view name, const double* v, int n) {
    SvgMatrix m;
    if (name == "matrix") {
        m = SvgMatrix{v[0], v[1], v[2], v[3], v[4], v[5]};
    } else if (name == "translate") {
        m.e = v[0];
        m.f = n > 1 ? v[1] : 0.0;
    } else if (name == "scale") {
        m.a = v[0];
        m.d = n > 1 ? v[1] : v[0];
    } else if (name == "rotate") {
        double r = v[0] * kPi / 180.0;
        SvgMatrix turn{std::cos(r), std::sin(r), -std::sin(r), std::cos(r), 0, 0};
        if (n == 3) {
            SvgMatrix to{1, 0, 0, 1, v[1], v[2]}, back{1, 0, 0, 1, -v[1], -v[2]};
            m = SvgMultiply(to, SvgMultiply(turn, back));
        } else {
            m = turn;
        }
    } else if (name == "skewX") {
        m.c = std::tan(v[0] * kPi / 180.0);
    } else {
        m.b = std::tan(v[0] * kPi / 180.0);
    }
    return m;
}

}  // namespace

bool SvgParseTransform(std::string_view text, SvgMatrix* matrix) {
    const char* p = text.data();
    const char* end = p + text.size();
    SvgMatrix total;
    SkipBlanks(&p, end);
    while (p < end) {
        const char* nameStart = p;
        while (p < end && ((*p >= 'a' && *p <= 'z') || (*p >= 'A' && *p <= 'Z'))) ++p;
        std::string_view name(nameStart, static_cast<size_t>(p - nameStart));
        const TransformEntry* entry = nullptr;
        for (const TransformEntry& t : kTransforms)
            if (name == t.name) entry = &t;
        if (!entry) return false;
        SkipBlanks(&p, end);
        if (p >= end || *p != '(') return false;
        ++p;
        double v[6];
        int n = 0;
        SkipBlanks(&p, end);
        while (p < end && *p != ')') {
            if (n == entry->maxArgs || !SvgNumber(&p, end, &v[n])) return false;
            ++n;
            SvgSkipSeparator(&p, end);
        }
        if (p >= end || n < entry->minArgs || (name == "rotate" && n == 2)) return false;
        ++p;   // ')'
        total = SvgMultiply(total, TransformOf(name, v, n));
        SvgSkipSeparator(&p, end);
    }
    *matrix = total;
    return true;
}

bool SvgParseViewBox(std::string_view text, SvgViewBox* box) {
    const char* p = text.data();
    const char* end = p + text.size();
    double v[4];
    SkipBlanks(&p, end);
    for (double& x : v) {
        if (!SvgNumber(&p, end, &x) || !std::isfinite(x)) return false;
        SvgSkipSeparator(&p, end);
    }
    if (p != end || !(v[2] > 0) || !(v[3] > 0)) return false;
    *box = SvgViewBox{v[0], v[1], v[2], v[3]};
    return true;
}

bool SvgParseAspect(std::string_view text, SvgAspect* aspect) {
    std::string words(Trimmed(text));
    SvgAspect out;
    size_t at = 0;
    auto next = [&]() {
        while (at < words.size() && IsBlank(words[at])) ++at;
        size_t start = at;
        while (at < words.size() && !IsBlank(words[at])) ++at;
        return words.substr(start, at - start);
    };
    std::string w = next();
    if (w == "defer") w = next();
    if (w == "none") {
        out.none = true;
    } else {
        // xMinYMin ... xMaxYMax
        static const char* kAlign[] = {"Min", "Mid", "Max"};
        bool found = false;
        for (int x = 0; x < 3 && !found; ++x)
            for (int y = 0; y < 3 && !found; ++y)
                if (w == std::string("x") + kAlign[x] + "Y" + kAlign[y]) {
                    out.alignX = x;
                    out.alignY = y;
                    found = true;
                }
        if (!found) return false;
    }
    std::string mode = next();
    if (mode == "slice") out.slice = true;
    else if (!mode.empty() && mode != "meet") return false;
    if (!next().empty()) return false;
    *aspect = out;
    return true;
}

SvgMatrix SvgViewBoxMatrix(const SvgViewBox& box, const SvgAspect& aspect, double width, double height) {
    double sx = width / box.width, sy = height / box.height;
    if (!aspect.none) sx = sy = aspect.slice ? std::fmax(sx, sy) : std::fmin(sx, sy);
    double tx = -box.x * sx, ty = -box.y * sy;
    if (!aspect.none) {
        tx += (width - box.width * sx) * aspect.alignX / 2.0;
        ty += (height - box.height * sy) * aspect.alignY / 2.0;
    }
    return SvgMatrix{sx, 0, 0, sy, tx, ty};
}

}  // namespace drawhost
