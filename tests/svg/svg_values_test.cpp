// The values of SVG attributes that are not path data: numbers, lengths,
// transform lists, viewBox and its fitting, colours, paints and style sheets.
// Expected values worked out by hand from the SVG and CSS rules.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "document/svg_style.h"
#include "document/svg_transform.h"

namespace {

using namespace drawhost;

std::vector<double> Numbers(const char* text, std::string* rest) {
    std::vector<double> out;
    const char* p = text;
    const char* end = p + std::strlen(p);
    double v = 0;
    while (SvgNumber(&p, end, &v)) {
        out.push_back(v);
        SvgSkipSeparator(&p, end);
    }
    *rest = p;
    return out;
}

TEST(SvgValues, NumbersFollowTheGrammarAndStopWhereItStops) {
    std::string rest;
    EXPECT_EQ(Numbers("1e5 -.5,+3", &rest), (std::vector<double>{1e5, -0.5, 3}));
    EXPECT_EQ(rest, "");
    // A second point starts a new number; "e" without digits is no exponent.
    EXPECT_EQ(Numbers("1.5.5.25", &rest), (std::vector<double>{1.5, 0.5, 0.25}));
    EXPECT_EQ(Numbers("1em", &rest), (std::vector<double>{1}));
    EXPECT_EQ(rest, "em");
    EXPECT_EQ(Numbers("3-4", &rest), (std::vector<double>{3, -4}));
    EXPECT_EQ(Numbers("1. 2.", &rest), (std::vector<double>{1, 2}));
    EXPECT_TRUE(Numbers(".", &rest).empty());
    // No words for infinity or not-a-number; too large is infinite.
    EXPECT_TRUE(Numbers("nan", &rest).empty());
    EXPECT_TRUE(Numbers("inf", &rest).empty());
    EXPECT_TRUE(Numbers("e5", &rest).empty());
    std::vector<double> huge = Numbers(("1e999 -1e999 1e-999 1" + std::string(400, '0') + " 0." +
                                        std::string(400, '0') + "1").c_str(),
                                       &rest);
    ASSERT_EQ(huge.size(), 5u);
    EXPECT_EQ(huge[0], INFINITY);
    EXPECT_EQ(huge[1], -INFINITY);
    EXPECT_EQ(huge[2], 0.0);
    EXPECT_EQ(huge[3], INFINITY);
    EXPECT_EQ(huge[4], 0.0);
}

TEST(SvgValues, LengthsInUserUnitsAndPoints) {
    SvgLength l;
    ASSERT_TRUE(SvgParseLength(" 10mm ", &l));
    EXPECT_DOUBLE_EQ(SvgLengthInUser(l, SvgAxis::kX, 0, 0), 10 * 96 / 25.4);
    ASSERT_TRUE(SvgParseLength("1in", &l));
    EXPECT_DOUBLE_EQ(SvgLengthInUser(l, SvgAxis::kX, 0, 0), 96);
    ASSERT_TRUE(SvgParseLength("12pt", &l));
    EXPECT_DOUBLE_EQ(SvgLengthInUser(l, SvgAxis::kX, 0, 0), 16);
    EXPECT_EQ(SvgUnitInPoints(l.unit), 1.0) << "points are exact, for the page of drawhost's own files";
    EXPECT_EQ(SvgUnitInPoints(SvgUnit::kNone), 0.75);
    ASSERT_TRUE(SvgParseLength("50%", &l));
    EXPECT_DOUBLE_EQ(SvgLengthInUser(l, SvgAxis::kX, 200, 100), 100);
    EXPECT_DOUBLE_EQ(SvgLengthInUser(l, SvgAxis::kY, 200, 100), 50);
    // The normalised diagonal: sqrt((300^2 + 400^2) / 2).
    ASSERT_TRUE(SvgParseLength("100%", &l));
    EXPECT_DOUBLE_EQ(SvgLengthInUser(l, SvgAxis::kOther, 300, 400), std::sqrt(125000.0));
    EXPECT_FALSE(SvgParseLength("10 px", &l));
    EXPECT_FALSE(SvgParseLength("px", &l));
    EXPECT_FALSE(SvgParseLength("10furlongs", &l));
}

SvgMatrix Parsed(const char* text) {
    SvgMatrix m;
    EXPECT_TRUE(SvgParseTransform(text, &m)) << text;
    return m;
}

void ExpectMaps(const SvgMatrix& m, double x, double y, double ex, double ey) {
    double ox, oy;
    m.Apply(x, y, &ox, &oy);
    EXPECT_NEAR(ox, ex, 1e-12);
    EXPECT_NEAR(oy, ey, 1e-12);
}

TEST(SvgValues, TransformListsComposeLeftToRight) {
    ExpectMaps(Parsed("translate(10)"), 1, 1, 11, 1);
    ExpectMaps(Parsed("scale(2,3)"), 1, 1, 2, 3);
    ExpectMaps(Parsed("scale(2)"), 1, 1, 2, 2);
    ExpectMaps(Parsed("rotate(90)"), 1, 0, 0, 1);          // y down: x towards y
    ExpectMaps(Parsed("rotate(90 10 0)"), 20, 0, 10, 10);  // about (10, 0)
    ExpectMaps(Parsed("skewX(45)"), 0, 1, 1, 1);
    ExpectMaps(Parsed("skewY(45)"), 1, 0, 1, 1);
    ExpectMaps(Parsed("matrix(1 2 3 4 5 6)"), 1, 1, 9, 12);
    // The rightmost applies first: scale, then translate.
    ExpectMaps(Parsed("translate(10,20) scale(2)"), 1, 1, 12, 22);
    ExpectMaps(Parsed(" translate(10 20),scale(2)  "), 1, 1, 12, 22);
    ExpectMaps(Parsed(""), 3, 4, 3, 4);

    SvgMatrix m;
    for (const char* bad : {"rotate(1 2)", "scale()", "spin(1)", "translate(1", "translate(1,2,3)", "matrix(1 2 3)",
                            "translate(1) x"})
        EXPECT_FALSE(SvgParseTransform(bad, &m)) << bad;
    ASSERT_TRUE(SvgParseTransform("scale(1e999)", &m));
    EXPECT_FALSE(m.Finite());
    EXPECT_EQ(Parsed("scale(0 1)").Determinant(), 0.0);
    // Stretch: a scale of 3 along x and 4 along y stretches at most by 4.
    EXPECT_DOUBLE_EQ(Parsed("rotate(30) scale(3 4)").MaxStretch(), 4.0);
}

TEST(SvgValues, ViewBoxesAndTheirFitting) {
    SvgViewBox box;
    ASSERT_TRUE(SvgParseViewBox("0,0 100,50", &box));
    EXPECT_EQ(box.width, 100);
    EXPECT_FALSE(SvgParseViewBox("0 0 0 10", &box));
    EXPECT_FALSE(SvgParseViewBox("0 0 -5 10", &box));
    EXPECT_FALSE(SvgParseViewBox("1 2 3", &box));

    SvgAspect aspect;
    ASSERT_TRUE(SvgParseAspect("xMinYMax slice", &aspect));
    EXPECT_EQ(aspect.alignX, 0);
    EXPECT_EQ(aspect.alignY, 2);
    EXPECT_TRUE(aspect.slice);
    EXPECT_FALSE(SvgParseAspect("xMidYmid", &aspect));

    // 100 x 50 into 200 x 200: meet scales by 2 and centres vertically
    // (200 - 100) / 2 = 50; slice scales by 4 and centres horizontally.
    ASSERT_TRUE(SvgParseViewBox("10 0 100 50", &box));
    ExpectMaps(SvgViewBoxMatrix(box, SvgAspect{}, 200, 200), 10, 0, 0, 50);
    SvgAspect slice;
    slice.slice = true;
    ExpectMaps(SvgViewBoxMatrix(box, slice, 200, 200), 10, 0, -100, 0);
    SvgAspect none;
    none.none = true;
    ExpectMaps(SvgViewBoxMatrix(box, none, 200, 200), 110, 50, 200, 200);
}

void ExpectColor(const char* text, double r, double g, double b) {
    SvgColor c;
    ASSERT_TRUE(SvgParseColor(text, &c)) << text;
    EXPECT_DOUBLE_EQ(c.red, r) << text;
    EXPECT_DOUBLE_EQ(c.green, g) << text;
    EXPECT_DOUBLE_EQ(c.blue, b) << text;
}

TEST(SvgValues, ColoursInEveryNotation) {
    ExpectColor("#f00", 1, 0, 0);
    ExpectColor("#FF8000", 1, 128 / 255.0, 0);
    ExpectColor("#ff800080", 1, 128 / 255.0, 0);   // alpha is not kept
    ExpectColor("rgb(255, 0, 0)", 1, 0, 0);
    ExpectColor("rgb(100%, 50%, 0%)", 1, 0.5, 0);
    ExpectColor("rgba(0,0,255,0.5)", 0, 0, 1);
    ExpectColor("rgb(300, -20, 0)", 1, 0, 0);   // clipped
    ExpectColor("cornflowerblue", 100 / 255.0, 149 / 255.0, 237 / 255.0);
    ExpectColor("CornFlowerBlue", 100 / 255.0, 149 / 255.0, 237 / 255.0);
    ExpectColor("yellowgreen", 154 / 255.0, 205 / 255.0, 50 / 255.0);
    ExpectColor("aliceblue", 240 / 255.0, 248 / 255.0, 1);
    SvgColor c;
    for (const char* bad : {"#12345", "#ggg", "rgb(1,2)", "rgb(1,2,3", "notacolor", "", "hsl(0,0%,0%)"})
        EXPECT_FALSE(SvgParseColor(bad, &c)) << bad;
}

TEST(SvgValues, PaintsWithReferencesAndFallbacks) {
    SvgPaint p;
    ASSERT_TRUE(SvgParsePaint(" none ", &p));
    EXPECT_EQ(p.kind, SvgPaint::kNone);
    ASSERT_TRUE(SvgParsePaint("currentColor", &p));
    EXPECT_EQ(p.kind, SvgPaint::kCurrentColor);
    ASSERT_TRUE(SvgParsePaint("url(#g1) red", &p));
    EXPECT_EQ(p.kind, SvgPaint::kUrl);
    EXPECT_EQ(p.url, "g1");
    EXPECT_TRUE(p.hasFallback);
    EXPECT_EQ(p.fallbackKind, SvgPaint::kColor);
    EXPECT_EQ(p.fallback.red, 1.0);
    ASSERT_TRUE(SvgParsePaint("url('#g2')", &p));
    EXPECT_EQ(p.url, "g2");
    EXPECT_FALSE(p.hasFallback);
    // A reference outside the file names nothing here: it is never fetched.
    ASSERT_TRUE(SvgParsePaint("url(http://example.invalid/a.svg#z)", &p));
    EXPECT_EQ(p.url, "");
    EXPECT_FALSE(SvgParsePaint("url(#a) url(#b)", &p));
    EXPECT_FALSE(SvgParsePaint("blurple", &p));
}

TEST(SvgValues, DeclarationsAndStyleSheetsCascadeBySpecificityThenOrder) {
    SvgDeclarations d = SvgParseDeclarations("Fill: red ; stroke:#000 !important;;junk; font-family:'a;b'");
    ASSERT_EQ(d.size(), 3u);
    EXPECT_EQ(d[0], (std::pair<std::string, std::string>{"fill", "red"}));
    EXPECT_EQ(d[1], (std::pair<std::string, std::string>{"stroke", "#000"}));
    EXPECT_EQ(d[2].second, "'a;b'");

    SvgStyleSheet sheet;
    sheet.Add("/* rules */ #p{fill:green} .a.b{stroke:red} .a{fill:red} path{fill:blue}"
              " g .c{fill:black} rect:hover{fill:pink} @media print{.a{fill:pink}} .late{fill:gray}");
    EXPECT_EQ(sheet.Skipped(), 3) << "a descendant selector, a pseudo-class and an at-rule";
    std::vector<const SvgDeclarations*> found;
    sheet.Collect(SvgElementKeys{"path", "p", " a  b "}, &found);
    // Least specific first: path (1), .a (10), .a.b (20), #p (100).
    ASSERT_EQ(found.size(), 4u);
    EXPECT_EQ((*found[0])[0].second, "blue");
    EXPECT_EQ((*found[1])[0].second, "red");
    EXPECT_EQ((*found[2])[0].first, "stroke");
    EXPECT_EQ((*found[3])[0].second, "green");
    sheet.Collect(SvgElementKeys{"rect", "", "b"}, &found);
    EXPECT_TRUE(found.empty()) << ".a.b needs both classes";
}

TEST(SvgValues, DeclarationsChangeOnlyWhatTheyValidlySay) {
    SvgStyle parent;
    parent.strokeWidth = 3;
    parent.color = SvgColor{0, 0, 1};
    SvgStyle s = parent;
    SvgApplyDeclaration("stroke-width", "2mm", parent, 100, &s);
    EXPECT_DOUBLE_EQ(s.strokeWidth, 2 * 96 / 25.4);
    SvgApplyDeclaration("stroke-width", "-1", parent, 100, &s);
    EXPECT_DOUBLE_EQ(s.strokeWidth, 2 * 96 / 25.4) << "a negative width is invalid and ignored";
    SvgApplyDeclaration("stroke-width", "10%", parent, 50, &s);
    EXPECT_DOUBLE_EQ(s.strokeWidth, 5);
    SvgApplyDeclaration("stroke-width", "inherit", parent, 100, &s);
    EXPECT_EQ(s.strokeWidth, 3);
    SvgApplyDeclaration("stroke-linecap", "square", parent, 100, &s);
    SvgApplyDeclaration("stroke-linejoin", "bevel", parent, 100, &s);
    SvgApplyDeclaration("stroke-miterlimit", "0.5", parent, 100, &s);
    EXPECT_EQ(s.cap, 2);
    EXPECT_EQ(s.join, 2);
    EXPECT_EQ(s.miterLimit, 4) << "below 1 is invalid";
    SvgApplyDeclaration("fill", "chartreuse-ish", parent, 100, &s);
    EXPECT_EQ(s.fill.kind, SvgPaint::kColor) << "an invalid paint leaves the black fill";
    SvgApplyDeclaration("visibility", "hidden", parent, 100, &s);
    SvgApplyDeclaration("display", "none", parent, 100, &s);
    EXPECT_FALSE(s.visible);
    EXPECT_TRUE(s.displayNone);
    EXPECT_TRUE(SvgIsStyleProperty("stroke-linejoin"));
    EXPECT_FALSE(SvgIsStyleProperty("d"));
}

}  // namespace
