// How drawhost's SVG files carry what SVG itself cannot: the namespaces they
// use, and the exact values (paints, styles, corner flags, texts that XML
// cannot hold) written in drawhost's own namespace. The writer and the
// reader share these so that a file read back gives the same document.
//
// The exact values stand only while the visible SVG still says what was
// written with them: a file edited by another program (a new colour, a
// moved anchor) is read by what it shows.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "sdk_all.h"

namespace drawhost {

inline constexpr char kSvgNs[] = "http://www.w3.org/2000/svg";
inline constexpr char kXlinkNs[] = "http://www.w3.org/1999/xlink";
// The names and layers of the most common free editor, which others read too.
inline constexpr char kInkscapeNs[] = "http://www.inkscape.org/namespaces/inkscape";
inline constexpr char kSodipodiNs[] = "http://sodipodi.sourceforge.net/DTD/sodipodi-0.dtd";
// drawhost's own: tags, exact paints, corner flags.
inline constexpr char kDrawhostNs[] = "urn:x-drawhost:document";

// True when XML can hold the text as it is: valid UTF-8 without control
// characters other than tab, line feed and carriage return.
bool SvgTextFitsXml(std::string_view text);
// The text escaped for an attribute value between double quotes; tab, line
// feed and carriage return as character references so they survive
// attribute normalisation. Only for texts that fit XML.
std::string SvgAttributeText(std::string_view text);
// The text with every byte sequence that is not UTF-8 XML can carry
// (invalid sequences, U+FFFE, U+FFFF) replaced by U+FFFD: what other
// programs are shown when the exact bytes go elsewhere.
std::string SvgRepairedText(std::string_view text);
// Any bytes as hexadecimal digits, and back (false for odd or bad digits).
std::string SvgHexText(std::string_view bytes);
bool SvgFromHexText(std::string_view hex, std::string* bytes);

// The paint other programs see: "#rrggbb", "url(#pattern-N)" or "none".
// Grey 1 is black in the document; SVG speaks of light. `patternNumber` is
// the 1-based place of the paint's pattern in the document (0: unknown).
std::string SvgShownPaint(const PaintColor& paint, bool on, int patternNumber);
// "#rrggbb" of three levels of 0..1 (held within that range).
std::string SvgColorText(float red, float green, float blue);

// The style other programs see for a path, as the writer writes it.
struct SvgShownStyle {
    std::string fill, stroke;
    float width = 1.0f;
    int cap = 0, join = 0;
    float miterLimit = 4.0f;
};
// Guides show as thin cyan lines whatever their style.
SvgShownStyle SvgShownStyleOf(const PathStyle& style, bool guide, const std::function<int(PatternHandle)>& number);

// Every field of a path style, exactly: "fill=on kind=rgb red=0.8 ...;
// stroke=...; width=2 cap=1 join=0 miter=10". Paint fields that are zero are
// left out; patterns go by their 1-based place in the document.
std::string SvgExactStyle(const PathStyle& style, const std::function<int(PatternHandle)>& number);
// Reads it back; `pattern` turns a place into the new document's handle.
// False (style untouched) for text that is not in this form.
bool SvgParseExactStyle(std::string_view text, const std::function<PatternHandle(int)>& pattern, PathStyle* style);

// Corner flags, one digit per anchor ("1001").
std::string SvgCornerText(const std::vector<PathSegment>& segments);
// Sets the flags when the text has one digit per anchor; false otherwise.
bool SvgApplyCorners(std::string_view text, std::vector<PathSegment>* segments);

// A layer's colour, exactly ("0.31 0.5 1").
std::string SvgExactTriple(float a, float b, float c);
bool SvgParseExactTriple(std::string_view text, float* a, float* b, float* c);

// The document's ruler units by the names the session commands use
// ("in", "cm", "pt", "pi", "mm", "px"); null or false for others.
const char* SvgRulerUnitName(int32_t units);
bool SvgRulerUnitFromName(std::string_view name, int32_t* units);

}  // namespace drawhost
