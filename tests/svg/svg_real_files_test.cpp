// Two real files from Debian's tango-icon-theme package (drawn with a common
// free editor: layers, nested groups, arcs, matrices, gradients). Expected
// values worked out by hand from the files' own numbers: a unit is a CSS
// pixel (0.75 point, no viewBox) and v = -y.
#include <cmath>
#include <filesystem>

#include "document/document_output.h"
#include "document/path_geometry.h"
#include "document_fingerprint.h"
#include "svg_fixture.h"

namespace svg_test {
namespace {

using namespace drawhost;

const std::string kTango = "/usr/share/icons/Tango/scalable/";

class RealFiles : public SvgTest {
protected:
    void OpenFile(const std::string& name) {
        std::string path = kTango + name;
        ASSERT_TRUE(std::filesystem::exists(path)) << path << " is missing: scripts/install-deps.sh installs it";
        SvgOpenReport report;
        std::string error;
        ASSERT_TRUE(DocumentOpenSvg(path, &report, &error)) << error;
        warnings = report.warnings;
        opened = report;
    }
    // The file's point (x, y) through matrix(a 0 0 d e f), in points.
    static Pt Doc(double x, double y, double a, double d, double e, double f) {
        return Pt{(a * x + e) * 0.75, -(d * y + f) * 0.75};
    }
    void ExpectWritesAndReadsBackTheSame() {
        std::string fingerprint = drawhost_test::DocumentFingerprint();
        Open(DocumentToSvg());
        EXPECT_EQ(drawhost_test::DocumentFingerprint(), fingerprint);
    }
};

TEST_F(RealFiles, DialogErrorHasItsFourLayersEllipseRectangleAndPaint) {
    OpenFile("status/dialog-error.svg");
    ASSERT_EQ(TheDocument().layers.size(), 4u);
    EXPECT_EQ(LayerAt(0).title, "Glossy Shine");
    EXPECT_EQ(LayerAt(1).title, "Error Box");
    EXPECT_EQ(LayerAt(2).title, "Layer 1");
    EXPECT_EQ(LayerAt(3).title, "Shadow");
    EXPECT_EQ(opened.paths, 5u);
    EXPECT_EQ(opened.groups, 1u);
    EXPECT_TRUE(Warned("4 gradient paint(s) made plain")) << AllWarnings();

    // The shadow: the ellipse about (23.857143, 40), radii 17.142857 and
    // 8.5714283, through matrix(1.070555,0,0,0.525,-0.892755,22.5).
    const Art& shadow = *ArtOf(LayerAt(3))[0];
    const double a = 1.070555, d = 0.525, e = -0.892755, f = 22.5;
    Pt centre = Doc(23.857143, 40, a, d, e, f);
    double rh = 17.142857 * a * 0.75, rv = 8.5714283 * d * 0.75;
    EXPECT_TRUE(shadow.closed);
    ExpectPoint(shadow.segments[0].p, {32.25, -32.625}, "the start (41, 40)");
    // The file's ends lie 4e-7 unit closer than the radius: SVG then places
    // the centre of its large arc 0.003 unit off the editor's centre, so the
    // anchors are on the editor's ellipse to within a few thousandths.
    for (const PathSegment& s : shadow.segments) {
        double u = (s.p.h - centre.h) / rh, w = (s.p.v - centre.v) / rv;
        EXPECT_NEAR(u * u + w * w, 1.0, 1e-3) << "an anchor on the ellipse";
    }
    ArtBox box;
    ArtBoundsAdd(shadow, &box);
    EXPECT_NEAR(box.left, centre.h - rh, 0.01);
    EXPECT_NEAR(box.right, centre.h + rh, 0.01);
    EXPECT_NEAR(box.top, -29.25, 0.01);      // -(0.525 * 31.428572 + 22.5) * 0.75
    EXPECT_NEAR(box.bottom, -36.0, 0.01);    // -(0.525 * 48.571428 + 22.5) * 0.75
    EXPECT_EQ(shadow.style.fill.kind, kPaintGray) << "black to transparent black: black";
    EXPECT_EQ(shadow.style.fill.gray, 1.0f);
    EXPECT_EQ(shadow.style.strokePaint, 0);

    // The bar: a rectangle through matrix(1.005876,0,0,1.115201,-0.138045,-2.372708).
    const Art& bar = *ArtOf(LayerAt(1))[0];
    const double x = 10.078821, y = 19.164932, w = 27.836435, h = 7.1735945;
    auto corner = [&](double cx, double cy) { return Doc(cx, cy, 1.005876, 1.115201, -0.138045, -2.372708); };
    ExpectAnchors(bar, {corner(x, y), corner(x + w, y), corner(x + w, y + h), corner(x, y + h)}, true);
    EXPECT_EQ(bar.style.fill.kind, kPaintGray);
    EXPECT_FLOAT_EQ(bar.style.fill.gray, static_cast<float>(1 - 239 / 255.0));   // #efefef
    EXPECT_EQ(bar.style.strokePaint, 0);

    // The disc: a group of two circles; a gradient from #a40000 to #ff1717
    // gives its mean, the stroke #b20000, 1.08638 wide scaled by 0.920488.
    std::vector<const Art*> group = Children(*ArtOf(LayerAt(2))[0]);
    ASSERT_EQ(group.size(), 2u);
    const PathStyle& disc = group[0]->style;
    EXPECT_EQ(disc.fill.kind, kPaintRGB);
    EXPECT_FLOAT_EQ(disc.fill.red, static_cast<float>(209.5 / 255));
    EXPECT_FLOAT_EQ(disc.fill.green, static_cast<float>(11.5 / 255));
    EXPECT_FLOAT_EQ(disc.stroke.color.red, static_cast<float>(178 / 255.0));
    EXPECT_FLOAT_EQ(disc.stroke.width, static_cast<float>(1.08638 * 0.920488 * 0.75));
    EXPECT_EQ(group[1]->style.fillPaint, 1) << "fill-opacity 0 is not kept: the fill shows";

    // The shine: four cubic pieces, the last closing on the start.
    const Art& shine = *ArtOf(LayerAt(0))[0];
    auto shinePoint = [](double sx, double sy) { return Doc(sx, sy, 1.002994, 1.002994, -7.185874e-2, 1.968356e-2); };
    ExpectAnchors(shine, {shinePoint(43.370686, 21.715486), shinePoint(24.695948, 22.101874),
                          shinePoint(4.0989837, 23.461806), shinePoint(23.625, 2.0948032)},
                  true);
    ExpectPoint(shine.segments[0].in, shinePoint(43.370686, 10.884868), "the closing piece's handle");
    EXPECT_EQ(shine.style.stroke.cap, 1);
    EXPECT_EQ(shine.style.stroke.join, 1);

    ExpectWritesAndReadsBackTheSame();
}

TEST_F(RealFiles, EmblemImportantHasItsSixPathsAndTheirPaint) {
    OpenFile("emblems/emblem-important.svg");
    ASSERT_EQ(TheDocument().layers.size(), 1u);
    EXPECT_EQ(LayerAt(0).title, "Layer 1");
    std::vector<const Art*> art = ArtOf(LayerAt(0));
    ASSERT_EQ(art.size(), 6u);

    const PathStyle& disc = art[1]->style;   // fill #f57900, stroke #914900
    EXPECT_EQ(disc.fill.kind, kPaintRGB);
    EXPECT_FLOAT_EQ(disc.fill.red, static_cast<float>(245 / 255.0));
    EXPECT_FLOAT_EQ(disc.fill.green, static_cast<float>(121 / 255.0));
    EXPECT_EQ(disc.fill.blue, 0.0f);
    EXPECT_FLOAT_EQ(disc.stroke.color.red, static_cast<float>(145 / 255.0));
    EXPECT_FLOAT_EQ(disc.stroke.color.green, static_cast<float>(73 / 255.0));
    // Scaled by 0.944630 and 0.980053: the square root of their product.
    EXPECT_FLOAT_EQ(disc.stroke.width, static_cast<float>(0.98214942 * std::sqrt(0.944630 * 0.980053) * 0.75));
    EXPECT_EQ(disc.stroke.cap, 1);
    EXPECT_EQ(art[2]->style.fillPaint, 0);

    // The exclamation mark's bar: twelve pieces, the last ending on the
    // start; its sides are straight (retracted handles).
    const Art& bar = *art[3];
    EXPECT_EQ(bar.segments.size(), 12u);
    EXPECT_TRUE(bar.closed);
    ExpectPoint(bar.segments[0].p, {21.464926 * 0.75, -10.373268 * 0.75}, "first anchor");
    ExpectPoint(bar.segments[1].p, {21.230316 * 0.75, -10.757175 * 0.75}, "second anchor");
    ExpectPoint(bar.segments[2].p, {22.295085 * 0.75, -25.197999 * 0.75}, "the end of the straight side");
    EXPECT_EQ(bar.segments[1].out.h, bar.segments[1].p.h);
    EXPECT_EQ(bar.segments[2].in.v, bar.segments[2].p.v);
    EXPECT_EQ(bar.style.fill.gray, 0.0f) << "white";

    // The dot: an ellipse about (-16.4375, 34.0625), radii 4.5625 and
    // 3.8125, through matrix(0.504864,0,0,0.604182,32.65935,9.608845).
    const Art& dot = *art[4];
    Pt centre = Doc(-16.4375, 34.0625, 0.504864, 0.604182, 32.65935, 9.608845);
    double rh = 4.5625 * 0.504864 * 0.75, rv = 3.8125 * 0.604182 * 0.75;
    ExpectPoint(dot.segments[0].p, {centre.h + rh, centre.v}, "the start (-11.875, 34.0625)");
    for (const PathSegment& s : dot.segments) {
        double u = (s.p.h - centre.h) / rh, w = (s.p.v - centre.v) / rv;
        EXPECT_NEAR(u * u + w * w, 1.0, 1e-5);
    }

    ExpectWritesAndReadsBackTheSame();
}

}  // namespace
}  // namespace svg_test
