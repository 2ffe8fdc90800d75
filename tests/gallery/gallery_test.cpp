// The gallery: one of every shape of both tools, written by the shape
// writers into drawhost's document and saved as gallery.svg and gallery.png
// under the build folder. Each cell's anchors are checked against values
// worked out by hand (trigonometry in double, independent of the builders).
// The saved file, read back, gives the same document.
#include <cmath>
#include <filesystem>
#include <string>

#include "document/document_output.h"
#include "document/svg_reader.h"
#include "document_fingerprint.h"
#include "document_shapes.h"
#include "host_marks.h"
#include "host_shapes.h"
#include "rect_paths.h"
#include "rounding_profile.h"
#include "segment_paths.h"

namespace shapes_test {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kK = 0.5522847771644592;   // handle length of a quarter circle of radius 1

// The view shows h 0..1200, v 0..900; 4 x 4 cells of 300 x 225 points.
Pt Cell(int col, int row) {
    return Pt{150.0 + 300.0 * col, 900.0 - 112.5 - 225.0 * row};
}
RealPoint P(Pt p) {
    return RealPoint{static_cast<float>(p.h), static_cast<float>(p.v)};
}
Pt Add(Pt c, double dh, double dv) {
    return Pt{c.h + dh, c.v + dv};
}
// c + (h, v) turned by angle a.
Pt Turned(Pt c, double h, double v, double a) {
    return Pt{c.h + h * std::cos(a) - v * std::sin(a), c.v + h * std::sin(a) + v * std::cos(a)};
}

class Gallery : public DocumentShapesTest {
protected:
    // A plain open line with the shape style, for reference lines.
    void ReferenceLine(Pt a, Pt b) {
        ArtHandle line = nullptr;
        ASSERT_EQ(qzv::CreatePath(LayerGroup(), kPlaceInsideOnTop, &line), kNoErr);
        const float length = static_cast<float>(std::hypot(b.h - a.h, b.v - a.v));
        const float angle = static_cast<float>(std::atan2(b.v - a.v, b.h - a.h));
        ASSERT_EQ(qzv::WriteShapeBuild(line, qzv::BuildSegment(length, false, angle, P(a)), ctx),
                  kNoErr);
    }
    // A reference circle drawn with the circle writer into its own path.
    void ReferenceCircle(Pt centre, float r) {
        qzv::ShapeArt ref{};
        ASSERT_EQ(qzv::CreatePath(LayerGroup(), kPlaceInsideOnTop, &ref.constructionPath), kNoErr);
        ASSERT_EQ(qzv::WriteCircle(ref, ctx, r, P(centre), 0.0f), kNoErr);
    }

    qzv::CircleOrArcInput ArcInput(Pt c, float r, float start, float sweep) {
        qzv::CircleOrArcInput in{};
        in.centre = P(c);
        in.radius = r;
        in.startAngle = start;
        in.sweep = sweep;
        in.endAngle = start - sweep;
        return in;
    }

    qzv::RectToolInput RectInput(int mode, Pt anchor, float length, float width) {
        qzv::RectToolInput in{};
        in.mode = mode;
        in.anchor = P(anchor);
        in.length = length;
        in.width = width;
        return in;
    }
};

TEST_F(Gallery, EveryShapeHasItsAnchorsAndStyleAndIsSavedAndReadBack) {
    const double r = 70.0;
    const double c = kK * r;

    // Circle: anchors at pi, pi/2, 0, -pi/2 about the centre.
    const Pt c00 = Cell(0, 0);
    qzv::ShapeArt circle = NewGesture("Cercle 1", false);
    ASSERT_EQ(qzv::WriteCircle(circle, ctx, 70.0f, P(c00), 0.0f), kNoErr);
    const drawhost::Art& circlePath = ArtOf(circle.constructionPath);
    ExpectAnchors(circlePath, {Add(c00, -r, 0), Add(c00, 0, r), Add(c00, r, 0), Add(c00, 0, -r)},
                  true);
    ExpectPoint(circlePath.segments[0].in, Add(c00, -r, -c), "circle 0 in");
    ExpectPoint(circlePath.segments[1].out, Add(c00, c, r), "circle 1 out");
    ExpectGrayStroke(circlePath.style, kShapeWeight, "circle");
    EXPECT_EQ(circlePath.style.fillPaint, 1);
    EXPECT_EQ(circlePath.style.fill.kind, kPaintRGB);
    EXPECT_FLOAT_EQ(circlePath.style.fill.red, 0.8f);
    EXPECT_FLOAT_EQ(circlePath.style.fill.green, 0.9f);
    EXPECT_FLOAT_EQ(circlePath.style.fill.blue, 1.0f);
    EXPECT_TRUE(circlePath.centerPointVisible);

    // Arc of 60 degrees from the top, turning clockwise: its one piece has
    // handles of k r (60/90).
    const Pt c10 = Cell(1, 0);
    qzv::ShapeArt arc = NewGesture("Arc/Secteur 1", false);
    ASSERT_EQ(qzv::WriteCircleOrArc(arc, ctx, ArcInput(c10, 70.0f, kPi / 2, kPi / 3), nullptr,
                                    nullptr),
              kNoErr);
    const drawhost::Art& arcPath = ArtOf(arc.constructionPath);
    ExpectAnchors(arcPath, {Add(c10, 0, r), Turned(c10, r, 0, kPi / 6)}, false);
    ExpectPoint(arcPath.segments[0].out, Add(c10, c * 2 / 3, r), "arc 0 out");
    ExpectPoint(arc.arcStartPoint, Add(c10, 0, r), "arc start");
    ExpectPoint(arc.arcEndPoint, Turned(c10, r, 0, kPi / 6), "arc end");
    ExpectGrayStroke(arcPath.style, kShapeWeight, "arc");   // arcs are painted like every shape

    // Sector of 120 degrees from the left, turning counter-clockwise through
    // the bottom: two pieces, then the centre, closed.
    const Pt c20 = Cell(2, 0);
    qzv::ShapeArt sector = NewGesture("Arc/Secteur 2", false);
    qzv::CircleOrArcInput sectorIn = ArcInput(c20, 70.0f, kPi, -2 * kPi / 3);
    sectorIn.sector = true;
    ASSERT_EQ(qzv::WriteCircleOrArc(sector, ctx, sectorIn, nullptr, nullptr), kNoErr);
    ExpectAnchors(ArtOf(sector.constructionPath),
                  {Add(c20, -r, 0), Add(c20, 0, -r), Turned(c20, r, 0, -kPi / 3), c20}, true);
    ExpectPoint(ArtOf(sector.constructionPath).segments[0].out, Add(c20, -r, -c), "sector 0 out");
    EXPECT_EQ(ArtOf(sector.constructionPath).style.fillPaint, 1);

    // Half circle: a sweep of -180 degrees is a half circle from the start
    // angle 0 through the top; as a sector it is closed along its diameter.
    const Pt c30 = Cell(3, 0);
    qzv::ShapeArt half = NewGesture("Arc/Secteur 3", false);
    qzv::CircleOrArcInput halfIn = ArcInput(c30, 70.0f, 0.0f, -kPi);
    halfIn.sector = true;
    ASSERT_EQ(qzv::WriteCircleOrArc(half, ctx, halfIn, nullptr, nullptr), kNoErr);
    ExpectAnchors(ArtOf(half.constructionPath), {Add(c30, r, 0), Add(c30, 0, r), Add(c30, -r, 0)},
                  true);
    ExpectGrayStroke(ArtOf(half.constructionPath).style, kShapeWeight, "half circle");

    // Full circle by arc: 359.99995 degrees; the first anchor sits at the
    // constraint angle plus pi; width and height become the diameter.
    const Pt c01 = Cell(0, 1);
    qzv::ShapeArt full = NewGesture("Arc/Secteur 1", false);
    qzv::CircleOrArcInput fullIn = ArcInput(c01, 70.0f, 1.0f, 359.99995 * kPi / 180);
    fullIn.constraintAngle = 0.5f;
    float width = 0, height = 0;
    ASSERT_EQ(qzv::WriteCircleOrArc(full, ctx, fullIn, &width, &height), kNoErr);
    ExpectAnchors(ArtOf(full.constructionPath),
                  {Turned(c01, -r, 0, 0.5), Turned(c01, 0, r, 0.5), Turned(c01, r, 0, 0.5),
                   Turned(c01, 0, -r, 0.5)},
                  true);
    EXPECT_FLOAT_EQ(width, 140.0f);
    EXPECT_FLOAT_EQ(height, 140.0f);

    // Centre cross at 30 degrees on a full circle: the circle at the bottom of
    // its group, the two branches (mark style) above it.
    const Pt c11 = Cell(1, 1);
    qzv::ShapeArt crossed = NewGesture("Cercle 1", false);
    ASSERT_EQ(qzv::CreateCentreCross(crossed), kNoErr);
    ctx.crossAngle = static_cast<float>(kPi / 6);
    qzv::CircleOrArcInput crossIn = ArcInput(c11, 70.0f, 0.0f, 0.0f);
    crossIn.crossOn = true;
    ASSERT_EQ(qzv::WriteCircleOrArc(crossed, ctx, crossIn, nullptr, nullptr), kNoErr);
    ExpectAnchors(ArtOf(crossed.crossAlong), {Turned(c11, -20, 0, kPi / 6), Turned(c11, 20, 0, kPi / 6)},
                  false);
    ExpectAnchors(ArtOf(crossed.crossAcross),
                  {Turned(c11, 0, -20, kPi / 6), Turned(c11, 0, 20, kPi / 6)}, false);
    const drawhost::Art& crossGroup = ArtOf(crossed.targetGroup);
    ASSERT_EQ(crossGroup.children.size(), 3u);
    EXPECT_EQ(crossGroup.children[0], drawhost::IdOf(crossed.constructionPath));
    EXPECT_EQ(crossGroup.children[1], drawhost::IdOf(crossed.crossAlong));
    EXPECT_EQ(crossGroup.children[2], drawhost::IdOf(crossed.crossAcross));
    const PathStyle& markStyle = ArtOf(crossed.crossAlong).style;
    ExpectGrayStroke(markStyle, kMarkWeight, "cross");
    EXPECT_EQ(markStyle.fillPaint, 0);
    ExpectGrayStroke(ArtOf(crossed.constructionPath).style, kShapeWeight, "crossed circle");
    ctx.crossAngle = 0.0f;

    // Tangency ticks of a circle tangent to a horizontal and a vertical line
    // ("Tangente 2"): a vertical tick at the bottom, a horizontal one at the
    // left, each 40 long and centred on the touching point.
    const Pt c21 = Cell(2, 1);
    const qzv::ReferenceLine lines[3] = {
        {P(Add(c21, -110, -50)), P(Add(c21, 110, -50))},
        {P(Add(c21, -50, -90)), P(Add(c21, -50, 90))},
        {},
    };
    ReferenceLine(Add(c21, -110, -50), Add(c21, 110, -50));
    ReferenceLine(Add(c21, -50, -90), Add(c21, -50, 90));
    qzv::ShapeArt tangent = NewGesture("Tangente 2", false);
    ASSERT_EQ(qzv::WriteCircle(tangent, ctx, 50.0f, P(c21), 0.0f), kNoErr);
    ASSERT_EQ(qzv::FinishCircleShape(tangent, ctx, 7, true, P(c21), lines), kNoErr);
    ASSERT_TRUE(tangent.tickCreated[0] && tangent.tickCreated[1]);
    EXPECT_FALSE(tangent.tickCreated[2]);
    ExpectAnchors(ArtOf(tangent.ticks[0]), {Add(c21, 0, -30), Add(c21, 0, -70)}, false);
    ExpectAnchors(ArtOf(tangent.ticks[1]), {Add(c21, -70, 0), Add(c21, -30, 0)}, false);
    ExpectGrayStroke(ArtOf(tangent.ticks[1]).style, kMarkWeight, "tick");
    EXPECT_EQ(ArtOf(tangent.ticks[0]).parent, drawhost::IdOf(tangent.targetGroup));
    // A rebuild from the palette keeps the circle under its ticks.
    ASSERT_EQ(qzv::WriteCircle(tangent, ctx, 50.0f, P(c21), 0.0f), kNoErr);
    EXPECT_EQ(ArtOf(tangent.targetGroup).children.front(), drawhost::IdOf(tangent.constructionPath));

    // Rectangle dragged right to left: the anchor is its right-hand corner.
    const Pt c31 = Cell(3, 1);
    qzv::ShapeArt rect = NewGesture("Rectangle", true);
    ASSERT_EQ(qzv::WriteRectToolShape(rect, ctx, RectInput(0, Add(c31, 80, -50), -160, 100),
                                      nullptr),
              kNoErr);
    ExpectAnchors(ArtOf(rect.rectPath),
                  {Add(c31, -80, 50), Add(c31, 80, 50), Add(c31, 80, -50), Add(c31, -80, -50)},
                  true);
    ExpectGrayStroke(ArtOf(rect.rectPath).style, kShapeWeight, "rectangle");
    EXPECT_TRUE(ArtOf(rect.rectPath).centerPointVisible);

    // Rounded rectangle, centred (mode 1 with the centring toggle), radius 25.
    const double rho = 25.0;
    const double kappa = kK * rho;
    const Pt c02 = Cell(0, 2);
    qzv::ShapeArt rounded = NewGesture("Rectangle arrondi", true);
    qzv::RectToolInput roundedIn = RectInput(1, c02, 180, 120);
    roundedIn.rounding = 25.0f;
    roundedIn.centringToggle = true;
    ASSERT_EQ(qzv::WriteRectToolShape(rounded, ctx, roundedIn, nullptr), kNoErr);
    const drawhost::Art& roundedPath = ArtOf(rounded.rectPath);
    ExpectAnchors(roundedPath,
                  {Add(c02, -90, 35), Add(c02, -65, 60), Add(c02, 65, 60), Add(c02, 90, 35),
                   Add(c02, 90, -35), Add(c02, 65, -60), Add(c02, -65, -60), Add(c02, -90, -35)},
                  true);
    ExpectPoint(roundedPath.segments[0].out, Add(c02, -90, 35 + kappa), "rounded 0 out");
    ExpectPoint(roundedPath.segments[1].in, Add(c02, -65 - kappa, 60), "rounded 1 in");

    // Inverted corners (mode 4, centred): same anchors, handles pointing in.
    const Pt c12 = Cell(1, 2);
    qzv::ShapeArt inverted = NewGesture("Rectangle arrondi", true);
    qzv::RectToolInput invertedIn = RectInput(4, c12, 180, 120);
    invertedIn.rounding = -25.0f;
    ASSERT_EQ(qzv::WriteRectToolShape(inverted, ctx, invertedIn, nullptr), kNoErr);
    const drawhost::Art& invertedPath = ArtOf(inverted.rectPath);
    ExpectAnchors(invertedPath,
                  {Add(c12, -90, 35), Add(c12, -65, 60), Add(c12, 65, 60), Add(c12, 90, 35),
                   Add(c12, 90, -35), Add(c12, 65, -60), Add(c12, -65, -60), Add(c12, -90, -35)},
                  true);
    ExpectPoint(invertedPath.segments[0].out, Add(c12, -90 + kappa, 35), "inverted 0 out");
    ExpectPoint(invertedPath.segments[1].in, Add(c12, -65, 60 - kappa), "inverted 1 in");

    // Profiled rectangle with the square notch (predefined profile 2),
    // radius 30, centred, inclined by 15 degrees: 3 anchors per corner.
    const Pt c22 = Cell(2, 2);
    qzv::RoundingProfile notch = qzv::DefaultRoundingProfile();
    ASSERT_TRUE(qzv::ApplyPredefinedProfile(2, notch));
    qzv::ShapeArt profiled = NewGesture("Rectangle arrondi", true);
    qzv::RectToolInput profiledIn = RectInput(4, c22, 160, 110);
    profiledIn.rounding = 30.0f;
    profiledIn.roundingType = qzv::kRoundingProfile;
    profiledIn.profile = &notch;
    profiledIn.inclination = static_cast<float>(kPi / 12);
    ASSERT_EQ(qzv::WriteRectToolShape(profiled, ctx, profiledIn, nullptr), kNoErr);
    {
        const double a = kPi / 12, w = 80, h = 55, q = 30;
        ExpectAnchors(ArtOf(profiled.rectPath),
                      {Turned(c22, q - w, h, a), Turned(c22, q - w, h - q, a), Turned(c22, -w, h - q, a),
                       Turned(c22, -w, q - h, a), Turned(c22, q - w, q - h, a), Turned(c22, q - w, -h, a),
                       Turned(c22, w - q, -h, a), Turned(c22, w - q, q - h, a), Turned(c22, w, q - h, a),
                       Turned(c22, w, h - q, a), Turned(c22, w - q, h - q, a), Turned(c22, w - q, h, a)},
                      true);
    }

    // Segment of 200 at 30 degrees from its anchor.
    const Pt c32 = Cell(3, 2);
    qzv::ShapeArt segment = NewGesture("Segment", true);
    qzv::RectToolInput segmentIn = RectInput(2, Add(c32, -86.60254, -50), 200, 0);
    segmentIn.segmentAngle = static_cast<float>(kPi / 6);
    ASSERT_EQ(qzv::WriteRectToolShape(segment, ctx, segmentIn, nullptr), kNoErr);
    ExpectAnchors(ArtOf(segment.rectPath), {Add(c32, -86.60254, -50), Add(c32, 86.60254, 50)}, false);
    ExpectGrayStroke(ArtOf(segment.rectPath).style, kShapeWeight, "segment");

    // Centred segment of 160 at -45 degrees (mode 5).
    const Pt c03 = Cell(0, 3);
    qzv::ShapeArt centred = NewGesture("Segment", true);
    qzv::RectToolInput centredIn = RectInput(5, c03, 160, 0);
    centredIn.segmentAngle = static_cast<float>(-kPi / 4);
    ASSERT_EQ(qzv::WriteRectToolShape(centred, ctx, centredIn, nullptr), kNoErr);
    ExpectAnchors(ArtOf(centred.rectPath), {Add(c03, -56.56854, 56.56854), Add(c03, 56.56854, -56.56854)},
                  false);

    // Polygonal line: two pieces drawn as the tool draws them, then the last
    // piece set from the palette to 100 at 60 degrees from the last vertex.
    const Pt c13 = Cell(1, 3);
    qzv::ShapeArt poly = NewGesture("Ligne brisée", true);
    RealPoint anchor = P(Add(c13, -100, -60));
    ASSERT_EQ(qzv::sPath->SetPathSegmentCount(poly.rectPath, 2), kNoErr);
    ASSERT_EQ(qzv::WritePolylineEnd(poly, ctx, anchor, P(Add(c13, -40, 60)), &anchor), kNoErr);
    ASSERT_EQ(qzv::sPath->SetPathSegmentCount(poly.rectPath, 3), kNoErr);
    ASSERT_EQ(qzv::WritePolylineEnd(poly, ctx, anchor, P(Add(c13, 20, -60)), &anchor), kNoErr);
    ASSERT_EQ(qzv::sPath->SetPathSegmentCount(poly.rectPath, 4), kNoErr);
    qzv::RectToolInput polyIn = RectInput(2, {anchor.h, anchor.v}, 100, 0);
    polyIn.polylineOn = true;
    polyIn.segmentAngle = static_cast<float>(kPi / 3);
    ASSERT_EQ(qzv::WriteRectToolShape(poly, ctx, polyIn, &anchor), kNoErr);
    ExpectAnchors(ArtOf(poly.rectPath),
                  {Add(c13, -100, -60), Add(c13, -40, 60), Add(c13, 20, -60), Add(c13, 70, 26.60254)},
                  false);
    ExpectPoint(anchor, Add(c13, 70, 26.60254), "polyline anchor");

    // Segment along the tangent of a circle at 45 degrees, centred (mode 5):
    // 50 each way from the touching point.
    const Pt c23 = Cell(2, 3);
    ReferenceCircle(c23, 60.0f);
    qzv::ShapeArt perpendicular = NewGesture("Segment", true);
    qzv::RectToolInput perpendicularIn = RectInput(5, c23, 50, 0);
    perpendicularIn.tangentSubMode = true;
    perpendicularIn.tangentBase = P(Turned(c23, 60, 0, kPi / 4));
    perpendicularIn.tangentDirection = static_cast<float>(kPi / 4);
    perpendicularIn.cursor = P(c23);
    ASSERT_EQ(qzv::WriteRectToolShape(perpendicular, ctx, perpendicularIn, nullptr), kNoErr);
    const Pt touch = Turned(c23, 60, 0, kPi / 4);
    ExpectAnchors(ArtOf(perpendicular.rectPath),
                  {Add(touch, -35.35534, 35.35534), Add(touch, 35.35534, -35.35534)}, false);

    // Outer tangent above two circles (radii 40 and 25, centres 150 apart):
    // cos u = 15/150, the radii to the touching points are parallel; ticks
    // along those radii, 20 each side of the touching points.
    const Pt c33 = Cell(3, 3);
    const Pt left = Add(c33, -70, 0), right = Add(c33, 80, 0);
    ReferenceCircle(left, 40.0f);
    ReferenceCircle(right, 25.0f);
    qzv::ShapeArt tangentSegment = NewGesture("Segment", true);
    ASSERT_EQ(qzv::WriteTangentSegment(tangentSegment, ctx, P(Add(c33, 0, 80)), false, P(left), 40.0f,
                                       P(right), 25.0f),
              kNoErr);
    const double su = std::sqrt(1 - 0.01);
    const Pt t1 = Add(left, 40 * 0.1, 40 * su), t2 = Add(right, 25 * 0.1, 25 * su);
    ExpectAnchors(ArtOf(tangentSegment.rectPath), {t1, t2}, false);
    ASSERT_TRUE(tangentSegment.tickCreated[0] && tangentSegment.tickCreated[1]);
    ExpectAnchors(ArtOf(tangentSegment.ticks[0]), {Add(t1, 2, 20 * su), Add(t1, -2, -20 * su)}, false);
    ExpectAnchors(ArtOf(tangentSegment.ticks[1]), {Add(t2, 2, 20 * su), Add(t2, -2, -20 * su)}, false);

    // The gallery files.
    const std::filesystem::path dir = QZV_GALLERY_DIR;
    std::filesystem::create_directories(dir);
    std::string error;
    ASSERT_TRUE(drawhost::DocumentWriteSvg((dir / "gallery.svg").string(), &error)) << error;
    ASSERT_TRUE(drawhost::DocumentWritePng((dir / "gallery.png").string(), &error)) << error;
    EXPECT_GT(std::filesystem::file_size(dir / "gallery.png"), 0u);

    // Every shape reads back from the file as it was drawn, exactly.
    const std::string drawn = drawhost_test::DocumentFingerprint();
    drawhost::SvgOpenReport report;
    ASSERT_TRUE(drawhost::DocumentOpenSvg((dir / "gallery.svg").string(), &report, &error)) << error;
    EXPECT_TRUE(report.warnings.empty()) << report.warnings.front();
    EXPECT_EQ(drawhost_test::DocumentFingerprint(), drawn);
}

}  // namespace
}  // namespace shapes_test
