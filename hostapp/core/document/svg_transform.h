// The numbers of an SVG file that are not path data: numbers and lengths
// with units, transform lists, the viewBox and how it fits its viewport.
// Everything here is double precision; the reader rounds to the document's
// floats only once a point is placed.
#pragma once
#include <string_view>

namespace drawhost {

// An affine map (x, y) -> (a x + c y + e, b x + d y + f), SVG's order.
struct SvgMatrix {
    double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;

    void Apply(double x, double y, double* ox, double* oy) const {
        *ox = a * x + c * y + e;
        *oy = b * x + d * y + f;
    }
    double Determinant() const { return a * d - b * c; }
    // The largest factor by which the map stretches a length (its spectral
    // norm); 0 for a map that collapses everything to a point.
    double MaxStretch() const;
    bool Finite() const;
};

// `outer` after `inner`: points go through `inner` first.
SvgMatrix SvgMultiply(const SvgMatrix& outer, const SvgMatrix& inner);

// One number of SVG's grammar (sign, digits, fraction, exponent; no "inf" or
// "nan") at *p; moves *p past it. False, *p unchanged, when none is there.
bool SvgNumber(const char** p, const char* end, double* value);
// Skips blanks and at most one comma between them.
void SvgSkipSeparator(const char** p, const char* end);

// Units of a length, in user units (CSS pixels) per unit.
enum class SvgUnit { kNone, kPx, kPt, kPc, kMm, kCm, kIn, kEm, kEx, kPercent };
double SvgUnitInPixels(SvgUnit unit);   // kPercent: 0 (depends on the viewport)
// The same in points (a plain number is a pixel, 0.75 point); written
// separately so that "pt" is exactly 1.
double SvgUnitInPoints(SvgUnit unit);

struct SvgLength {
    double number = 0;
    SvgUnit unit = SvgUnit::kNone;
};

// A whole attribute that is one length ("12", "3.5mm", "50%"), blanks
// around it allowed. False for anything else.
bool SvgParseLength(std::string_view text, SvgLength* length);

// Which dimension a percentage refers to.
enum class SvgAxis { kX, kY, kOther };
// A length in user units; percentages of the viewport's width, height or
// normalised diagonal.
double SvgLengthInUser(const SvgLength& length, SvgAxis axis, double viewportWidth, double viewportHeight);

// A transform list ("translate(10) rotate(30 5 5) matrix(...)"). False for
// any error in it (the attribute is then ignored as a whole); an empty list
// is the identity.
bool SvgParseTransform(std::string_view text, SvgMatrix* matrix);

struct SvgViewBox {
    double x = 0, y = 0, width = 0, height = 0;
};
// Four numbers with a positive width and height.
bool SvgParseViewBox(std::string_view text, SvgViewBox* box);

// preserveAspectRatio: where the viewBox sits in its viewport and whether it
// is scaled to fit (meet), to cover (slice) or stretched (none).
struct SvgAspect {
    bool none = false;
    int alignX = 1, alignY = 1;   // 0 min, 1 mid, 2 max
    bool slice = false;
};
bool SvgParseAspect(std::string_view text, SvgAspect* aspect);

// The map from viewBox coordinates to a viewport of the given size at the
// origin, with alignment.
SvgMatrix SvgViewBoxMatrix(const SvgViewBox& box, const SvgAspect& aspect, double width, double height);

}  // namespace drawhost
