// The paint and stroke properties of SVG elements: colours, paints, the
// declarations of style attributes and style sheets, and the cascade that
// gives each element its computed style.
#pragma once
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace drawhost {

// Channels 0..1 as written (#rrggbb gives exact multiples of 1/255).
struct SvgColor {
    double red = 0, green = 0, blue = 0;
};

// A colour value: #rgb, #rrggbb (and their forms with alpha, which is
// ignored), rgb()/rgba() in numbers or percentages, or a named colour.
bool SvgParseColor(std::string_view text, SvgColor* color);

// A named colour of CSS ("cornflowerblue"), case-insensitive.
bool SvgNamedColor(std::string_view name, SvgColor* color);

struct SvgPaint {
    enum Kind { kNone, kColor, kCurrentColor, kUrl };
    Kind kind = kNone;
    SvgColor color;         // kColor
    std::string url;        // kUrl: the id referred to, without '#'
    // kUrl: what to use when the reference is missing ("url(#a) red").
    bool hasFallback = false;
    SvgPaint::Kind fallbackKind = kNone;   // kNone, kColor or kCurrentColor
    SvgColor fallback;
};

// A paint value; "inherit" is handled by the cascade, not here.
bool SvgParsePaint(std::string_view text, SvgPaint* paint);

// The properties the document keeps, as inherited down the tree.
struct SvgStyle {
    SvgPaint fill{SvgPaint::kColor, {}, {}, false, SvgPaint::kNone, {}};   // black
    SvgPaint stroke;                                                        // none
    double strokeWidth = 1.0;   // user units of the element that paints it
    int cap = 0;                // 0 butt, 1 round, 2 square
    int join = 0;               // 0 miter, 1 round, 2 bevel
    double miterLimit = 4.0;
    bool visible = true;        // visibility (inherited)
    SvgColor color;             // the 'color' property, for currentColor
    // Not inherited: reset for every element before its declarations.
    bool displayNone = false;
};

// What an element is, for matching style-sheet rules.
struct SvgElementKeys {
    std::string_view type;      // local name
    std::string_view id;
    std::string_view classes;   // the class attribute, blank separated
};

using SvgDeclarations = std::vector<std::pair<std::string, std::string>>;

// "fill:red; stroke : #000 !important" as (property, value) pairs, in
// order, names in lower case.
SvgDeclarations SvgParseDeclarations(std::string_view text);

// The rules of <style> elements whose selectors are a type, an id, a class,
// or a type with classes ("path.st0"), in groups ("a, .b"). Other selectors
// (descendants, attributes, pseudo-classes) and at-rules are skipped and
// counted.
class SvgStyleSheet {
public:
    void Add(std::string_view css);
    // The declarations that apply to an element, least specific first.
    void Collect(const SvgElementKeys& keys, std::vector<const SvgDeclarations*>* out) const;
    int Skipped() const { return skipped_; }
    bool Empty() const { return rules_.empty(); }

private:
    struct Rule {
        std::string type, id;
        std::vector<std::string> classes;
        int specificity = 0;
        int order = 0;
        SvgDeclarations declarations;
    };
    std::vector<Rule> rules_;
    // Candidate rules by their most specific key.
    std::unordered_map<std::string, std::vector<size_t>> byId_, byClass_, byType_;
    std::vector<size_t> universal_;
    int skipped_ = 0;
};

// Applies one declaration to a style: `parent` is the inherited style (for
// "inherit"), `percentBase` the viewport's normalised diagonal for a
// stroke width in percent. Unknown properties and invalid values are left
// alone, as CSS says.
void SvgApplyDeclaration(std::string_view property, std::string_view value, const SvgStyle& parent,
                         double percentBase, SvgStyle* style);

// The property names the reader handles, so that presentation attributes can
// be told from other attributes.
bool SvgIsStyleProperty(std::string_view name);

}  // namespace drawhost
