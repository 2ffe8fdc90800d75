// The on-canvas feedback as drawhost's annotation port records it: the
// live measurements beside the cursor in the ruler units at the drawing
// scale, the snapping colour, the box cut at the screen's edge, and
// nothing at all when the user turned snapping feedback off. Expected
// read-outs are the worked examples of the measurements (a circle of
// radius 36 points is 1,27 cm; its area 5,07 cm2; its perimeter 7,98 cm).
#include <cairo.h>

#include <cstdio>

#include "app/app_state.h"
#include "document/view_suite.h"
#include "dialogs/display_list.h"
#include "dialogs/records.h"
#include "snap/number_format.h"
#include "tool_scenario.h"

namespace tools_test {
namespace {

using namespace drawhost;

class Annotation : public ToolScenario {
protected:
    // The texts drawn in the annotation port at the last redraw.
    std::vector<std::string> Texts() {
        std::vector<std::string> out;
        for (const DrawOp& op : Ops())
            if (op.kind == OpKind::Text) out.push_back(op.text);
        return out;
    }
    std::vector<DrawOp> Ops() {
        if (!TheApp().annotationPort) return {};
        DlgPort* port = DlgFind(TheApp().annotationPort);
        return port ? port->drawn.ops : std::vector<DrawOp>{};
    }
    void DrawCircleOf36(const std::string& units, const std::string& prefs = "") {
        StartPlugin("Centre = bool:false\n" + prefs);
        Run("units " + units);
        Select(kCircleTool);
        EXPECT_EQ(Down(200, 300), 0);
        EXPECT_EQ(Drag(236, 300), 0);
    }
};

TEST_F(Annotation, ACircleReadsInCentimetres) {
    DrawCircleOf36("cm");
    EXPECT_EQ(Texts(), (std::vector<std::string>{"xC=+200,00", "yC=+300,00", "R=1,27 cm", "A=5,07 cm2", "P=7,98 cm"}));
    // In the host's snapping colour (magenta unless the user chose another).
    for (const DrawOp& op : Ops()) EXPECT_EQ(op.color, (Rgb8{255, 0, 255}));
    EXPECT_EQ(Up(236, 300), 0);
}

TEST_F(Annotation, LengthsAreDividedByTheDrawingScale) {
    DrawCircleOf36("cm", "EchelleNum = real:1\nEchelleDen = real:100\n");
    ASSERT_EQ(Texts().size(), 5u);
    EXPECT_EQ(Texts()[2], "R=127,00 cm");
    EXPECT_EQ(Texts()[3], "A=50670,75 cm2");
}

TEST_F(Annotation, PixelsShowThePositionOnlyAndInchesAreConverted) {
    DrawCircleOf36("px");
    EXPECT_EQ(Texts(), (std::vector<std::string>{"xC=+200,00", "yC=+300,00"}));
    EXPECT_EQ(Up(236, 300), 0);
    Run("units in");
    EXPECT_EQ(Down(-100, -50), 0);
    EXPECT_EQ(Drag(-100, 22), 0);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"xC=-100,00", "yC=-50,00", "R=1,00 in", "A=3,14 in2", "P=6,28 in"}));
}

TEST_F(Annotation, AnArcShowsItsAngleAndAltInCercle1ShowsTheClick) {
    StartPlugin("Centre = bool:false\nPrecision = int:1\n");
    Run("units pt");
    Select(kCircleTool);
    State().tool.circleMode = 3;
    EXPECT_EQ(Click(0, 0), 0);
    EXPECT_EQ(Down(100, 0), 0);
    EXPECT_EQ(Drag(0, 100), 0);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"xC=+0,0", "yC=+0,0", "R=100,0 pt", "a=-90,0 °"}));
    EXPECT_EQ(Up(0, 100), 0);
    State().tool.circleMode = 0;
    EXPECT_EQ(Down(50, 60), 0);
    Key("alt", true);
    EXPECT_EQ(Drag(70, 60), 0);
    Key("alt", false);
    ASSERT_GE(Texts().size(), 2u);
    EXPECT_EQ(Texts()[0], "x=+50,0");
    EXPECT_EQ(Texts()[1], "y=+60,0");
}

TEST_F(Annotation, NothingIsDrawnWhenTheUserTurnedSnappingFeedbackOff) {
    StartPlugin("Centre = bool:false\n");
    Run("snapping off");
    Select(kCircleTool);
    EXPECT_EQ(Down(200, 300), 0);
    EXPECT_EQ(Drag(236, 300), 0);
    EXPECT_TRUE(Ops().empty());
    EXPECT_EQ(Up(236, 300), 0);
    EXPECT_EQ(ArtNamed("Cercle 1").size(), 1u);
}

TEST_F(Annotation, TheBoxIsCutAtTheScreensRightEdge) {
    StartPlugin("Centre = bool:false\n");
    Run("screen 300 800");
    Select(kCircleTool);
    EXPECT_EQ(Down(200, 300), 0);
    EXPECT_EQ(Drag(236, 300), 0);
    const IntRect box = State().tool.annotationBox;
    EXPECT_EQ(box.right, 300);
    for (const DrawOp& op : Ops()) EXPECT_LE(op.clip.right, 300);
}

// What a user sees of the feedback: the view scrolled onto a snapped
// corner, its picture with the ring and label over the art, and the dump's
// record of what the plug-in's annotator drew there.
TEST_F(Annotation, TheViewScrolledToASnappedCornerShowsTheRingInItsPictureAndTheDump) {
    StartPlugin("Centre = bool:false\n");
    Run("path closed 100 100 300 100 300 250 100 250");
    Run("zoom 4");
    Run("scroll 300 250");
    IntPoint at{};
    ASSERT_EQ(ViewArtworkToView(RealPoint{300, 250}, &at), kNoErr);
    EXPECT_EQ(at.h, kViewWidth / 2);
    EXPECT_EQ(at.v, kViewHeight / 2);
    Select(kCircleTool);
    // Along the top side first: the host redraws what the plug-in marked
    // as changed, so the segment is drawn from the second message on.
    EXPECT_EQ(Hover(200, 250.2f), 0);
    EXPECT_EQ(Hover(250, 250.2f), 0);
    ASSERT_EQ(TheApp().annotators.size(), 1u);
    EXPECT_EQ(TheApp().annotators[0].drawn.size(), 3u) << "the side, the ring at the foot, the label";
    EXPECT_EQ(Hover(301, 251), 0);
    ASSERT_EQ(TheApp().annotators.size(), 1u);
    const std::vector<std::string> drawn = {"frameOval 596,446,604,454 #ff00ff", "fillOval 598,448,602,452 #ff00ff",
                                            "text 608,444 \"Point d'ancrage\" font 2 #ff00ff"};
    EXPECT_EQ(TheApp().annotators[0].drawn, drawn);

    const std::string file = ::testing::TempDir() + "view_snapshot_ring.png";
    Run("view-snapshot " + file);
    cairo_surface_t* picture = cairo_image_surface_create_from_png(file.c_str());
    ASSERT_EQ(cairo_surface_status(picture), CAIRO_STATUS_SUCCESS);
    cairo_surface_flush(picture);
    const unsigned char* pixels = cairo_image_surface_get_data(picture);
    auto pixel = [&](int x, int y) {
        const uint32_t* row = reinterpret_cast<const uint32_t*>(pixels + y * cairo_image_surface_get_stride(picture));
        return row[x] & 0xffffffu;
    };
    EXPECT_EQ(pixel(600, 450), 0xff00ffu) << "the ring's dot over the corner";
    EXPECT_EQ(pixel(700, 300), 0xffffffu) << "paper beside it";
    cairo_surface_destroy(picture);
    std::remove(file.c_str());

    EXPECT_NE(drawhost_test::RunLines({"scroll 1e9 0"}), "");
    EXPECT_NE(drawhost_test::RunLines({"scroll nan 0"}), "");
    EXPECT_NE(drawhost_test::RunLines({"view-snapshot"}), "");
}

TEST(FormatMeasure, RoundsToTheShownDecimals) {
    char text[64];
    auto f = [&](float v, float step, int decimals) {
        qzv::FormatMeasure(v, step, decimals, ',', text, sizeof text);
        return std::string(text);
    };
    EXPECT_EQ(f(3.14159f, 0.01f, 2), "3,14");
    EXPECT_EQ(f(2.999f, 0.01f, 2), "3,00");
    EXPECT_EQ(f(2.5f, 1.0f, 0), "3");
    EXPECT_EQ(f(0.0f, 0.01f, 2), "0,00");
    EXPECT_EQ(f(1234.5f, 0.1f, 1), "1234,5");
    EXPECT_EQ(f(1000000.0f, 0.001f, 3), "1000000,000");
    EXPECT_EQ(f(0.04f, 0.1f, 1), "0,0");
    EXPECT_EQ(f(9.96f, 0.1f, 1), "10,0");
    EXPECT_EQ(f(-1.0f, 0.01f, 2), "?");
    EXPECT_EQ(f(std::numeric_limits<float>::quiet_NaN(), 0.01f, 2), "?");
    // A short buffer is cut, always terminated.
    char small[4];
    EXPECT_EQ(qzv::FormatMeasure(123.456f, 0.01f, 2, ',', small, sizeof small), 3);
    EXPECT_EQ(std::string(small), "123");
}

TEST(MeasureUnits, FactorsOfEachRulerCode) {
    EXPECT_FLOAT_EQ(qzv::LengthInUnits(72, 1, 1), 1);
    EXPECT_FLOAT_EQ(qzv::LengthInUnits(72, 2, 1), 2.54f);
    EXPECT_FLOAT_EQ(qzv::LengthInUnits(72, 3, 1), 72);
    EXPECT_FLOAT_EQ(qzv::LengthInUnits(72, 4, 1), 6);
    EXPECT_FLOAT_EQ(qzv::LengthInUnits(72, 5, 1), 25.4f);
    EXPECT_FLOAT_EQ(qzv::LengthInUnits(72, 6, 0.5f), 72);   // pixels: unconverted, unscaled
    EXPECT_FLOAT_EQ(qzv::AreaInUnits(5184, 1, 0.5f), 4);
    EXPECT_FLOAT_EQ(qzv::RectanglePerimeterInUnits(72, 36, 1, 1), 3);   // a 72 x 36 point rectangle
    EXPECT_STREQ(qzv::UnitOfRuler(5).area, " mm2");
    EXPECT_FALSE(qzv::UnitOfRuler(0).known);
}

}  // namespace
}  // namespace tools_test

namespace tools_test {
namespace {

class RectangleReadout : public Annotation {
protected:
    void Begin(int mode, const std::string& more = "") {
        StartPlugin("Centre = bool:false\nRotRectangle = real:0\n" + more);
        Run("units in");
        Select(kRectTool);
        State().tool.rectMode = mode;
    }
};

TEST_F(RectangleReadout, ARectangleInInchesAndOneDrawnTowardMinusH) {
    Begin(0);
    EXPECT_EQ(Down(0, 0), 0);
    EXPECT_EQ(Drag(72, 36), 0);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"x=+0,00", "y=+0,00", "L=+1,00 in", "l=+0,50 in", "a=+0,00 °",
                                                  "A=0,50 in2", "P=3,00 in"}));
    EXPECT_EQ(Drag(-72, 36), 0);
    ASSERT_EQ(Texts().size(), 7u);
    EXPECT_EQ(Texts()[2], "L=-1,00 in");
    EXPECT_EQ(Texts()[5], "A=0,50 in2");
    EXPECT_EQ(Up(-72, 36), 0);
}

TEST_F(RectangleReadout, ARoundedRectangleWithTheEditableProfileHasNoArea) {
    Begin(1, "Arrondi = real:6\nTypeArrondi = int:1\n");
    EXPECT_EQ(Down(0, 0), 0);
    EXPECT_EQ(Drag(72, 36), 0);
    ASSERT_EQ(Texts().size(), 8u);
    EXPECT_EQ(Texts()[5], "A= ???");
    EXPECT_EQ(Texts()[6], "P= ???");
    EXPECT_EQ(Texts()[7], "r=+6,00 pt");
    EXPECT_EQ(Up(72, 36), 0);
}

TEST_F(RectangleReadout, QuarterCircleCornersTakeTheirAreaOff) {
    Begin(1, "Arrondi = real:6\nTypeArrondi = int:0\n");
    Run("units pt");
    EXPECT_EQ(Down(0, 0), 0);
    EXPECT_EQ(Drag(72, 36), 0);
    ASSERT_EQ(Texts().size(), 8u);
    // 72 x 36 - 36 x (4 - pi); 2 x (72 + 36 - 24 + 6 pi).
    EXPECT_EQ(Texts()[5], "A=2561,10 pt2");
    EXPECT_EQ(Texts()[6], "P=205,70 pt");
    EXPECT_EQ(Up(72, 36), 0);
}

TEST_F(RectangleReadout, APolygonalLineAboutToCloseShowsItsArea) {
    Begin(2, "LignePoly = bool:true\n");
    Run("units pt");
    EXPECT_EQ(Click(0, 0), 0);
    EXPECT_EQ(Click(100, 0), 0);
    EXPECT_EQ(Click(100, 50), 0);
    EXPECT_EQ(Hover(0.5f, 0.5f), 0);   // back on the start point
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Point d'ancrage. Clic pour finir.", "Aire = 2500,00 pt2"}));
}

}  // namespace
}  // namespace tools_test
