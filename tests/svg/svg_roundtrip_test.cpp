// drawhost's own files read back as the same document: every field the
// document holds, including what SVG cannot say (corner flags, grey paints,
// pattern settings, switched-off paints, texts that XML cannot carry).
// Expected: the document as it was before writing (the fingerprint).
#include <cmath>
#include <limits>

#include "document/document_output.h"
#include "document_fingerprint.h"
#include "svg_fixture.h"

namespace svg_test {
namespace {

using namespace drawhost;
using drawhost_test::DocumentFingerprint;

class RoundTrip : public SvgTest {
protected:
    Art& NewIn(int32_t kind, DocId group, const std::string& name = "") {
        ArtHandle art = nullptr;
        EXPECT_EQ(DocumentNewArt(kind, kPlaceInsideOnTop, ArtHandleOf(group), &art), kNoErr);
        Art& a = *DocumentFindArt(art);
        a.name = name;
        return a;
    }
    Layer& NewLayer(const std::string& title) {
        LayerHandle handle = nullptr;
        EXPECT_EQ(DocumentInsertLayer(nullptr, kLayerPlaceAbove, title, &handle), kNoErr);
        return *DocumentFindLayer(handle);
    }
    static PathSegment Smooth(float h, float v, float dh, float dv, bool corner = false) {
        return PathSegment{{h, v}, {h - dh, v - dv}, {h + dh, v + dv}, corner ? 1 : 0};
    }
    static PathSegment Sharp(float h, float v) { return PathSegment{{h, v}, {h, v}, {h, v}, 1}; }
    static PatternHandle PatternAt(size_t i) {
        return reinterpret_cast<PatternHandle>(static_cast<uintptr_t>(TheDocument().patterns.at(i).id));
    }
    void ExpectSameAfterWritingAndReading() {
        const std::string before = DocumentFingerprint();
        const std::string svg = DocumentToSvg();
        Open(svg);
        EXPECT_TRUE(warnings.empty()) << AllWarnings();
        EXPECT_EQ(DocumentFingerprint(), before);
        EXPECT_EQ(DocumentToSvg(), svg) << "written again, the same text";
    }
};

TEST_F(RoundTrip, EveryFieldOfTheDocumentComesBack) {
    Document& doc = TheDocument();
    doc.rulerUnits = kUnitMillimeters;
    doc.patterns.push_back(Pattern{DocumentNewId(), "Hachures"});
    doc.patterns.push_back(Pattern{DocumentNewId(), "Pois \xc3\xa9 \"<&>\""});
    doc.patterns.push_back(Pattern{DocumentNewId(), "\xff\x01"});

    Layer& hidden = NewLayer("Fond & <b>");
    hidden.visible = false;
    Layer& odd = NewLayer("\xc3(");
    Layer& empty = NewLayer("");
    empty.color = LayerColor{0.1f, 0.2f, 0.30000001f};
    Layer& work = NewLayer("Travail");
    doc.currentLayer = odd.id;
    Art& workGroup = *DocumentArtById(work.group);
    workGroup.tags["calque"] = "oui";

    Art& circle = NewIn(kArtGroup, work.group, "Cercle 1");
    circle.tags = {{"modif", "jj"}, {"PtCen h", "12,5\n\t\"mm\"\r"}, {"ctl", "\x01\x02"}, {"\xff", "v"}, {"vide", ""}};
    circle.userAttr = kArtHidden | kArtLocked | kArtSelected;

    Art& curve = NewIn(kArtPath, circle.id, "courbe \xe2\x80\xa2 1");
    // A smooth anchor flagged as a corner, and curves in every direction.
    curve.segments = {Smooth(0, 0, 0, 10, true), Smooth(10, 10, 5.5f, 0), Smooth(20, 0, 0, -10), Sharp(10, -10)};
    curve.closed = true;
    curve.centerPointVisible = true;
    curve.style.fillPaint = 1;
    curve.style.fill = PaintColor{};
    curve.style.fill.kind = kPaintRGB;
    curve.style.fill.red = 0.8f;
    curve.style.fill.green = 0.9f;
    curve.style.fill.blue = 1.0f;
    curve.style.fill.gray = 0.25f;   // a field the kind does not use, kept all the same
    curve.style.strokePaint = 1;
    curve.style.stroke.color = PaintColor{};
    curve.style.stroke.color.kind = kPaintGray;
    curve.style.stroke.color.gray = 0.8f;
    curve.style.stroke.width = 0.3f;
    curve.style.stroke.cap = 2;
    curve.style.stroke.join = 1;
    curve.style.stroke.miterLimit = 0.5f;   // below what SVG can say

    NewIn(kArtPath, circle.id, "un point").segments = {Sharp(5, 5)};
    NewIn(kArtPath, circle.id, "vide fermé").closed = true;
    NewIn(kArtPath, circle.id, "vide ouvert");
    Art& two = NewIn(kArtPath, circle.id, "deux");
    two.segments = {Sharp(0, 0), Smooth(10, 0, 0, 3)};
    two.closed = true;
    Art& back = NewIn(kArtPath, circle.id, "retour");
    back.segments = {Sharp(0, 0), Sharp(10, 0), Sharp(0, 0)};
    back.closed = true;

    Art& guide = NewIn(kArtPath, work.group, "guide");
    guide.segments = {Sharp(-1e7f, 1e7f), Sharp(1e7f, -1e7f), Sharp(1e-30f, 123456.789f), Sharp(0.1f, -0.0f)};
    guide.guide = true;
    guide.style.fillPaint = 1;
    guide.style.fill = PaintColor{};
    guide.style.fill.kind = kPaintPattern;
    guide.style.fill.pattern = PatternAt(1);
    guide.style.fill.scaleH = 50;
    guide.style.fill.scaleV = 75.5f;
    guide.style.fill.rotation = 30;
    guide.style.fill.reflect = 1;
    guide.style.fill.reflectAngle = -12.5f;
    guide.style.fill.shearAngle = 3;
    guide.style.fill.shearAxis = 4;
    guide.style.fill.shiftDistance = 2;
    guide.style.fill.shiftAngle = 90;
    guide.style.fill.transform = RealMatrix{1, 0.5f, -0.5f, 1, 10, -20};
    guide.style.stroke.width = 7;

    Art& off = NewIn(kArtPath, hidden.group, "éteint");
    off.segments = {Sharp(1, 2), Sharp(3, 4)};
    off.style.fillPaint = 0;
    off.style.fill.kind = kPaintRGB;
    off.style.fill.red = std::numeric_limits<float>::quiet_NaN();
    off.style.fill.pattern = PatternAt(2);
    off.style.stroke.color.kind = kPaintRGB;
    off.style.stroke.color.blue = 1;

    Art& deep = NewIn(kArtGroup, odd.group, "a");
    Art& deeper = NewIn(kArtGroup, deep.id, "b");
    Art& deepest = NewIn(kArtGroup, deeper.id);
    NewIn(kArtPath, deepest.id, "fond").segments = {Sharp(0, 0), Sharp(1, 1)};
    NewIn(kArtGroup, odd.group, "groupe vide");
    NewIn(kArtPath, empty.group).segments = {Sharp(-5, -5), Sharp(5, 5)};
    odd.editable = false;   // locked last: nothing could be added to it after

    ExpectSameAfterWritingAndReading();
    EXPECT_EQ(TheDocument().currentLayer, TheDocument().layers.at(2)->id) << "the current layer stays current";
}

TEST_F(RoundTrip, AFreshDocumentAndOneFromASessionComeBack) {
    ExpectSameAfterWritingAndReading();
    ASSERT_EQ(drawhost_test::RunLines({"units in", "path closed 100 100 300 100 300 250 100 250",
                                       "layer \"Deux\" hidden", "curve 350 100  380 180 460 180 490 100",
                                       "layer Trois locked", "pattern Briques"}),
              "");
    ExpectSameAfterWritingAndReading();
}

}  // namespace
}  // namespace svg_test
