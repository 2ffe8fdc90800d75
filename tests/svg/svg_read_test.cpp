// Hand-written files, one feature each, opened as the document. Expected
// coordinates worked out by hand from the SVG rules: on a page where one
// unit is one point, the file's (x, y) is the document's (x, -y).
#include <cmath>

#include "document/view_suite.h"
#include "svg_fixture.h"

namespace svg_test {
namespace {

using namespace drawhost;

constexpr double kK = 0.5522847498307936;   // 4/3 tan(pi/8): a quarter circle's handle per unit of radius

TEST_F(SvgTest, EveryPathCommandAbsoluteAndRelative) {
    Open(Page("<path d='M10 20 L30 20 H50 V40 l10 0 h5 v5 Z'/>"
              "<path d='M0 0 C10 0 20 10 20 20 S30 40 40 40 Q50 40 50 50 T60 60'/>"
              "<path d='m 10 10 20 0 0 20 z m 5 5 l 1 1'/>"));
    std::vector<const Art*> art = ArtOf(LayerAt(0));
    ASSERT_EQ(art.size(), 3u);
    ExpectAnchors(*art[0], {{10, -20}, {30, -20}, {50, -20}, {50, -40}, {60, -40}, {65, -40}, {65, -45}}, true);
    for (const PathSegment& s : art[0]->segments) EXPECT_TRUE(Retracted(s) && s.corner);

    // S reflects the last handle (20,10) about (20,20): (20,30). T reflects
    // the quadratic control (50,40) about (50,50): (50,60). A quadratic
    // piece's cubic handles lie 2/3 of the way to its control point.
    const Art& c = *art[1];
    ExpectAnchors(c, {{0, 0}, {20, -20}, {40, -40}, {50, -50}, {60, -60}}, false);
    ExpectPoint(c.segments[0].out, {10, 0}, "C handle 1");
    ExpectPoint(c.segments[1].in, {20, -10}, "C handle 2");
    ExpectPoint(c.segments[1].out, {20, -30}, "S reflected handle");
    EXPECT_FALSE(c.segments[1].corner) << "S continues smoothly";
    ExpectPoint(c.segments[2].in, {30, -40}, "S handle 2");
    ExpectPoint(c.segments[2].out, {40 + 20 / 3.0, -40}, "Q as cubic, handle 1");
    ExpectPoint(c.segments[3].in, {50, -50 + 20 / 3.0}, "Q as cubic, handle 2");
    ExpectPoint(c.segments[3].out, {50, -50 - 20 / 3.0}, "T as cubic, handle 1");
    ExpectPoint(c.segments[4].in, {60 - 20 / 3.0, -60}, "T as cubic, handle 2");

    // Implicit repeats after m are lines; after z, m is relative to the
    // closed subpath's start. Two subpaths: a group of two paths.
    const Art& two = *art[2];
    ASSERT_EQ(two.kind, kArtGroup);
    std::vector<const Art*> parts = Children(two);
    ASSERT_EQ(parts.size(), 2u);
    ExpectAnchors(*parts[0], {{10, -10}, {30, -10}, {30, -30}}, true);
    ExpectAnchors(*parts[1], {{15, -15}, {16, -16}}, false);
}

TEST_F(SvgTest, AClosedSubpathEndingOnItsStartKeepsOneAnchorThere) {
    Open(Page("<path d='M0 0 C0 10 10 10 10 0 C10 -10 0 -10 0 0 Z'/><path d='M0 0 L10 0 L0 0'/>"));
    std::vector<const Art*> art = ArtOf(LayerAt(0));
    ExpectAnchors(*art[0], {{0, 0}, {10, 0}}, true);
    ExpectPoint(art[0]->segments[0].in, {0, 10}, "the closing piece's handle on the first anchor");
    ExpectPoint(art[0]->segments[0].out, {0, -10}, "the first piece's handle");
    EXPECT_FALSE(art[0]->segments[0].corner);
    // Open: the end stays an anchor of its own.
    ExpectAnchors(*art[1], {{0, 0}, {10, 0}, {0, 0}}, false);
}

TEST_F(SvgTest, TheBasicShapesAsPaths) {
    Open(Page("<rect x='10' y='20' width='100' height='50'/>"
              "<rect x='10' y='20' width='100' height='50' rx='10'/>"
              "<rect x='0' y='0' width='20' height='10' ry='30'/>"
              "<circle cx='50' cy='50' r='20'/>"
              "<ellipse cx='0' cy='0' rx='30' ry='10'/>"
              "<line x1='1' y1='2' x2='3' y2='4'/>"
              "<polyline points='0,0 10,0 10,10'/>"
              "<polygon points='0 0 10 0 10 10 5'/>"
              "<rect width='0' height='10'/><circle r='0'/>"));
    std::vector<const Art*> a = ArtOf(LayerAt(0));
    ASSERT_EQ(a.size(), 8u) << "shapes of zero size draw nothing";
    ExpectAnchors(*a[0], {{10, -20}, {110, -20}, {110, -70}, {10, -70}}, true);
    // Rounded: from the top edge clockwise on the page, each corner a
    // quarter ellipse.
    ExpectAnchors(*a[1], {{20, -20}, {100, -20}, {110, -30}, {110, -60}, {100, -70}, {20, -70}, {10, -60}, {10, -30}},
                  true);
    ExpectPoint(a[1]->segments[1].out, {100 + kK * 10, -20}, "corner handle", 1e-4);
    ExpectPoint(a[1]->segments[2].in, {110, -30 + kK * 10}, "corner handle", 1e-4);
    EXPECT_TRUE(a[1]->segments[1].corner) << "a retracted handle makes a corner, as in the document";
    // ry alone sets rx; both clip to half the sides: an ellipse 20 x 10.
    ExpectAnchors(*a[2], {{10, 0}, {20, -5}, {10, -10}, {0, -5}}, true);
    ExpectAnchors(*a[3], {{70, -50}, {50, -70}, {30, -50}, {50, -30}}, true);
    ExpectPoint(a[3]->segments[0].out, {70, -50 - kK * 20}, "circle handle");
    for (const PathSegment& s : a[3]->segments) EXPECT_FALSE(s.corner);
    ExpectAnchors(*a[4], {{30, 0}, {0, -10}, {-30, 0}, {0, 10}}, true);
    ExpectAnchors(*a[5], {{1, -2}, {3, -4}}, false);
    ExpectAnchors(*a[6], {{0, 0}, {10, 0}, {10, -10}}, false);
    ExpectAnchors(*a[7], {{0, 0}, {10, 0}, {10, -10}}, true);
    EXPECT_TRUE(Warned("odd number of coordinates")) << AllWarnings();
}

TEST_F(SvgTest, UnitsAndViewBoxSetTheScaleButNotTheOrigin) {
    // 100 mm wide for 200 units: a unit is 0.5 mm = 72 / 50.8 point. The
    // viewBox's offset only places the page.
    Open("<svg xmlns='http://www.w3.org/2000/svg' width='100mm' height='50mm' viewBox='-20 -10 200 100'>"
         "<path d='M200 100 L0 0'/></svg>");
    const double unit = 72 / 50.8;
    ExpectAnchors(*Paths()[0], {{200 * unit, -100 * unit}, {0, 0}}, false);
    // The view opens on the whole page, centred: 283.46 x 141.73 points in
    // 1200 x 900 pixels.
    const FrontView& view = TheDocument().view;
    EXPECT_NEAR(view.zoom, 1200 / (200 * unit), 1e-4);
    EXPECT_NEAR(view.origin.h, -20 * unit, 1e-3);

    // No viewBox: a unit is a CSS pixel, 0.75 point; lengths with units
    // are converted (1 in = 96 px); percentages follow the viewport.
    Open("<svg xmlns='http://www.w3.org/2000/svg' width='400' height='200'>"
         "<path d='M40 80 L0 0'/><rect x='1in' y='0' width='50%' height='10%'/></svg>");
    std::vector<const Art*> p = Paths();
    ExpectAnchors(*p[0], {{30, -60}, {0, 0}}, false);
    ExpectAnchors(*p[1], {{72, 0}, {72 + 150, 0}, {72 + 150, -15}, {72, -15}}, true);

    // The viewBox kept in proportion (meet): 100 x 50 points for 100 x 100
    // units scales by 0.5 both ways.
    Open("<svg xmlns='http://www.w3.org/2000/svg' width='100pt' height='50pt' viewBox='0 0 100 100'>"
         "<path d='M100 100 L0 0'/></svg>");
    ExpectAnchors(*Paths()[0], {{50, -50}, {0, 0}}, false);
    Open("<svg xmlns='http://www.w3.org/2000/svg' width='100pt' height='50pt' viewBox='0 0 100 100' "
         "preserveAspectRatio='none'><path d='M100 100 L0 0'/></svg>");
    ExpectAnchors(*Paths()[0], {{100, -50}, {0, 0}}, false);
}

TEST_F(SvgTest, TransformsAtEveryLevelAndTheStrokeScalesWithThem) {
    // (10,0) turns to (0,10), doubles to (0,20), moves to (100,20): the
    // document's (100,-20). The stroke doubles with the scale.
    Open(Page("<g transform='translate(100,0)'><g transform='scale(2)'>"
              "<path transform='rotate(90)' d='M10 0 L20 0' stroke='black' stroke-width='1.5'/>"
              "<path transform='scale(1 4)' d='M0 0 L1 1' stroke='black'/></g></g>"
              "<path transform='rotate(1 2)' d='M0 0 L1 1'/>"
              "<svg x='10' y='10' width='20' height='20' viewBox='0 0 10 10'><path d='M10 10 L0 0'/></svg>"));
    std::vector<const Art*> p = Paths();
    ASSERT_EQ(p.size(), 4u);
    ExpectAnchors(*p[0], {{100, -20}, {100, -40}}, false);
    EXPECT_FLOAT_EQ(p[0]->style.stroke.width, 3.0f);
    // Scales 2 and 8 along the axes: the width grows by sqrt(2 * 8) = 4.
    ExpectAnchors(*p[1], {{100, 0}, {102, -8}}, false);
    EXPECT_FLOAT_EQ(p[1]->style.stroke.width, 4.0f);
    // A transform that does not parse is ignored, with a warning.
    ExpectAnchors(*p[2], {{0, 0}, {1, -1}}, false);
    EXPECT_TRUE(Warned("transform 'rotate(1 2)' not understood")) << AllWarnings();
    // A nested viewport: its 10 units span 20, placed at (10,10).
    ExpectAnchors(*p[3], {{30, -30}, {10, -10}}, false);
}

const PathStyle& StyleOf(size_t i) { return drawhost::DocumentPathsInPaintOrder().at(i)->style; }

TEST_F(SvgTest, PaintFromAttributesStylesSheetsAndInheritance) {
    Open(Page("<style>.warm{fill:#ff8000} #accent{fill:blue} path.thin{stroke-width:0.25}</style>"
              "<defs><linearGradient id='base'><stop offset='0' stop-color='#000'/>"
              "<stop offset='1' style='stop-color:#ffffff'/></linearGradient>"
              "<linearGradient id='uses' xlink:href='#base' xmlns:xlink='http://www.w3.org/1999/xlink'/></defs>"
              "<path d='M0 0 L1 1'/>"                                                           // 0 defaults
              "<path d='M0 0 L1 1' fill='#808080' stroke='rgb(255,0,0)' stroke-width='2'/>"    // 1
              "<path d='M0 0 L1 1' fill='red' style='fill:lime;stroke:#00f'/>"                 // 2
              "<path d='M0 0 L1 1' class='warm' fill='red'/>"                                  // 3
              "<path d='M0 0 L1 1' class='warm' style='fill:none'/>"                           // 4
              "<path d='M0 0 L1 1' class='warm thin' id='accent' stroke='black'/>"            // 5
              "<g fill='white' stroke='black' stroke-linecap='round' color='#00ff00'>"
              "<path d='M0 0 L1 1' stroke-linejoin='bevel' stroke-miterlimit='8'/>"            // 6
              "<path d='M0 0 L1 1' fill='currentColor' stroke='inherit'/></g>"                 // 7
              "<path d='M0 0 L1 1' fill='url(#uses)'/>"                                        // 8
              "<path d='M0 0 L1 1' fill='url(#nowhere) #0000ff' stroke='url(#nowhere)'/>"));  // 9
    // The SVG defaults: a black fill (grey 1), no stroke, width 1.
    EXPECT_EQ(StyleOf(0).fillPaint, 1);
    EXPECT_EQ(StyleOf(0).fill.kind, kPaintGray);
    EXPECT_EQ(StyleOf(0).fill.gray, 1.0f);
    EXPECT_EQ(StyleOf(0).strokePaint, 0);
    EXPECT_EQ(StyleOf(0).stroke.width, 1.0f);
    EXPECT_EQ(StyleOf(0).stroke.miterLimit, 4.0f);
    // Equal channels are grey: 1 - 128/255.
    EXPECT_EQ(StyleOf(1).fill.kind, kPaintGray);
    EXPECT_FLOAT_EQ(StyleOf(1).fill.gray, static_cast<float>(1 - 128 / 255.0));
    EXPECT_EQ(StyleOf(1).stroke.color.kind, kPaintRGB);
    EXPECT_EQ(StyleOf(1).stroke.color.red, 1.0f);
    EXPECT_EQ(StyleOf(1).stroke.color.green, 0.0f);
    EXPECT_EQ(StyleOf(1).stroke.width, 2.0f);
    // The style attribute overrides presentation attributes...
    EXPECT_EQ(StyleOf(2).fill.green, 1.0f);
    EXPECT_EQ(StyleOf(2).fill.red, 0.0f);
    EXPECT_EQ(StyleOf(2).stroke.color.blue, 1.0f);
    // ... a style-sheet rule overrides them too, and the style attribute
    // overrides the rule.
    EXPECT_EQ(StyleOf(3).fill.kind, kPaintRGB);
    EXPECT_FLOAT_EQ(StyleOf(3).fill.green, static_cast<float>(128 / 255.0));
    EXPECT_EQ(StyleOf(4).fillPaint, 0);
    // An id rule beats a class rule; path.thin sets the width.
    EXPECT_EQ(StyleOf(5).fill.blue, 1.0f);
    EXPECT_EQ(StyleOf(5).fill.red, 0.0f);
    EXPECT_EQ(StyleOf(5).stroke.width, 0.25f);
    // Inherited from the group: white fill (grey 0), black stroke, round cap.
    EXPECT_EQ(StyleOf(6).fill.kind, kPaintGray);
    EXPECT_EQ(StyleOf(6).fill.gray, 0.0f);
    EXPECT_EQ(StyleOf(6).stroke.color.gray, 1.0f);
    EXPECT_EQ(StyleOf(6).stroke.cap, 1);
    EXPECT_EQ(StyleOf(6).stroke.join, 2);
    EXPECT_EQ(StyleOf(6).stroke.miterLimit, 8.0f);
    EXPECT_EQ(StyleOf(7).fill.kind, kPaintRGB);
    EXPECT_EQ(StyleOf(7).fill.green, 1.0f) << "currentColor is the color property";
    EXPECT_EQ(StyleOf(7).strokePaint, 1);
    // A gradient is its stops' mean colour, found through its reference:
    // black and white give grey 0.5.
    EXPECT_EQ(StyleOf(8).fill.kind, kPaintGray);
    EXPECT_FLOAT_EQ(StyleOf(8).fill.gray, 0.5f);
    // A reference to nothing: the fallback, or no paint.
    EXPECT_EQ(StyleOf(9).fill.blue, 1.0f);
    EXPECT_EQ(StyleOf(9).strokePaint, 0);
    EXPECT_TRUE(Warned("1 gradient paint(s) made plain")) << AllWarnings();
    EXPECT_TRUE(Warned("2 paint(s) referring to nothing")) << AllWarnings();
}

TEST_F(SvgTest, LayersByTheirMarksWithTitlesVisibilityAndLocks) {
    Open(Page("<g inkscape:groupmode='layer' inkscape:label='Fond' style='display:none'>"
              "<path d='M0 0 L1 1'/></g>"
              "<path d='M5 5 L6 6'/>"
              "<g inkscape:groupmode='layer' inkscape:label='Trait' sodipodi:insensitive='true'>"
              "<g inkscape:label='Cercle 1' display='none'><path d='M0 0 L2 2' inkscape:label='Arc'/></g>"
              "<g inkscape:groupmode='layer' inkscape:label='Sous-calque'><path d='M0 0 L3 3'/></g></g>"
              "<g id='plain'><path d='M0 0 L4 4' visibility='hidden'/>"
              "<g visibility='hidden'><path d='M0 0 L1 0' visibility='visible'/></g></g>",
              " xmlns:inkscape='http://www.inkscape.org/namespaces/inkscape'"
              " xmlns:sodipodi='http://sodipodi.sourceforge.net/DTD/sodipodi-0.dtd'"));
    // File order is bottom first: Fond, a loose run, Trait, a loose run.
    const auto& layers = TheDocument().layers;
    ASSERT_EQ(layers.size(), 4u);
    EXPECT_EQ(LayerAt(3).title, "Fond");
    EXPECT_FALSE(LayerAt(3).visible);
    EXPECT_EQ(LayerAt(2).title, "Calque 2");
    EXPECT_EQ(LayerAt(1).title, "Trait");
    EXPECT_FALSE(LayerAt(1).editable);
    EXPECT_TRUE(LayerAt(1).visible);
    EXPECT_EQ(LayerAt(0).title, "Calque 4");
    EXPECT_EQ(TheDocument().currentLayer, LayerAt(0).id) << "the topmost layer is current";
    EXPECT_EQ(DocumentArtById(LayerAt(3).group)->userAttr, 0) << "the layer's state is the layer's, not its group's";

    std::vector<const Art*> trait = ArtOf(LayerAt(1));
    ASSERT_EQ(trait.size(), 2u);
    EXPECT_EQ(trait[0]->name, "Cercle 1");
    EXPECT_TRUE(trait[0]->userAttr & kArtHidden);
    EXPECT_EQ(Children(*trait[0])[0]->name, "Arc");
    EXPECT_EQ(trait[1]->name, "Sous-calque") << "a layer within a layer is a group";

    std::vector<const Art*> plain = Children(*ArtOf(LayerAt(0))[0]);
    EXPECT_TRUE(plain[0]->userAttr & kArtHidden);
    EXPECT_FALSE(plain[1]->userAttr & kArtHidden) << "visibility is inherited, not display";
    EXPECT_FALSE(Children(*plain[1])[0]->userAttr & kArtHidden) << "a child may be visible again";
}

TEST_F(SvgTest, WithoutLayerMarksTopLevelGroupsAreLayersTitledByTheirIds) {
    Open(Page("<path d='M0 0 L1 1'/><g id='Calque_A' data-name='Calque A'><path d='M0 0 L1 1'/></g>"
              "<g id='Layer_2'><path d='M0 0 L2 2'/></g><path d='M0 0 L1 0 M5 5 L6 6'/>"));
    ASSERT_EQ(TheDocument().layers.size(), 4u);
    EXPECT_EQ(LayerAt(3).title, "Calque 1");
    EXPECT_EQ(LayerAt(2).title, "Calque A");
    EXPECT_EQ(LayerAt(1).title, "Layer_2");
    // A compound path at the top level is one shape, not a layer.
    EXPECT_EQ(LayerAt(0).title, "Calque 4");
    EXPECT_EQ(ArtOf(LayerAt(0))[0]->kind, kArtGroup);

    Open("<svg xmlns='http://www.w3.org/2000/svg'/>");
    ASSERT_EQ(TheDocument().layers.size(), 1u) << "an empty drawing has one layer";
    EXPECT_EQ(LayerAt(0).title, "Calque 1");
    EXPECT_EQ(opened.paths, 0u);
}

TEST_F(SvgTest, NamesAndTagsOfDrawhostsOwnNamespace) {
    Open(Page("<g inkscape:groupmode='layer'><path d='M0 0 L1 1' inkscape:label='Cercle 1' data-name='autre'>"
              "<dh:tag name='rayon' value='28,35'/><dh:tag name='PtCen h' value='a&#10;b'/>"
              "<dh:tag name-hex='0161' value-hex='ff00'/><dh:tag value='no name'/></path>"
              "<g dh:name-hex='41ff'><dh:tag name='modif' value='jj'/></g>"
              "<path d='M0 0 L1 1' data-name='Segment'/></g>",
              " xmlns:inkscape='http://www.inkscape.org/namespaces/inkscape' xmlns:dh='urn:x-drawhost:document'"));
    std::vector<const Art*> a = ArtOf(LayerAt(0));
    ASSERT_EQ(a.size(), 3u);
    EXPECT_EQ(a[0]->name, "Cercle 1") << "the label comes before data-name";
    EXPECT_EQ(a[0]->tags, (std::map<std::string, std::string>{
                              {"rayon", "28,35"}, {"PtCen h", "a\nb"}, {std::string("\x01" "a"), std::string("\xff\x00", 2)}}));
    EXPECT_TRUE(Warned("a tag without a name")) << AllWarnings();
    EXPECT_EQ(a[1]->name, "A\xff");
    EXPECT_EQ(a[1]->tags.at("modif"), "jj");
    EXPECT_EQ(a[2]->name, "Segment");
}

TEST_F(SvgTest, WhatIsNotDrawnOrNotHeldIsLeftOutWithACount) {
    Open(Page("<defs><path id='p' d='M0 0 L9 9'/></defs><symbol><path d='M0 0 L9 9'/></symbol>"
              "<use href='#p'/><use href='#p'/><text>Bonjour</text><image href='x.png'/>"
              "<metadata><path d='M0 0 L9 9'/></metadata><title>Titre</title>"
              "<foo:bar xmlns:foo='urn:other'><path d='M0 0 L9 9'/></foo:bar>"
              "<path d='M0 0 L1 1'><desc>x</desc></path>"));
    EXPECT_EQ(Paths().size(), 1u);
    EXPECT_TRUE(Warned("2 <use> elements left out")) << AllWarnings();
    EXPECT_TRUE(Warned("1 <text> element left out")) << AllWarnings();
    EXPECT_TRUE(Warned("1 <image> element left out")) << AllWarnings();
}

TEST_F(SvgTest, AFileWithoutTheSvgNamespaceIsReadAsSvg) {
    Open("<svg width='10pt' height='10pt' viewBox='0 0 10 10'><path d='M1 2 L3 4'/></svg>");
    ExpectAnchors(*Paths()[0], {{1, -2}, {3, -4}}, false);
}

TEST_F(SvgTest, InternalEntitiesAreExpanded) {
    // As the files of some editors declare their namespaces.
    Open("<?xml version='1.0'?><!DOCTYPE svg [<!ENTITY ns_svg 'http://www.w3.org/2000/svg'>"
         "<!ENTITY d 'M0 0 L5 5'>]><svg xmlns='&ns_svg;' width='10pt' height='10pt' viewBox='0 0 10 10'>"
         "<path d='&d;'/></svg>");
    ExpectAnchors(*Paths()[0], {{0, 0}, {5, -5}}, false);
}

}  // namespace
}  // namespace svg_test
