// The shape writers' contract with the host, against drawhost's document:
// vanished art, host errors, pattern fallback, random cross orientation,
// grouping and disposal of the tangency ticks.
#include <cmath>
#include <limits>

#include "document_shapes.h"
#include "host_marks.h"
#include "host_shapes.h"

namespace shapes_test {
namespace {

using WritersTest = DocumentShapesTest;

size_t ArtCount() {
    return drawhost::TheDocument().arts.size();
}

TEST_F(WritersTest, VanishedMainPathsAreLeftAloneAndBadHandlesNeverCrash) {
    qzv::ShapeArt art = NewGesture("Cercle 1", false);
    ASSERT_EQ(qzv::CreateCentreCross(art), kNoErr);
    ASSERT_EQ(qzv::sArt->DisposeArt(art.constructionPath), kNoErr);
    art.rectPath = reinterpret_cast<ArtHandle>(static_cast<uintptr_t>(0x1234));   // never a handle
    const size_t before = ArtCount();
    const qzv::ReferenceLine lines[3] = {};

    EXPECT_EQ(qzv::WriteCircle(art, ctx, 50.0f, {100, 100}, 0.0f), kNoErr);
    EXPECT_EQ(qzv::FinishCircleShape(art, ctx, 8, true, {100, 100}, lines), kNoErr);
    qzv::RectToolInput rect{};
    rect.length = rect.width = 50.0f;
    EXPECT_EQ(qzv::WriteRectToolShape(art, ctx, rect, nullptr), kNoErr);
    EXPECT_EQ(qzv::WriteTangentSegment(art, ctx, {0, 80}, false, {0, 0}, 40, {150, 0}, 25), kNoErr);
    EXPECT_EQ(ArtCount(), before);
    EXPECT_FALSE(art.tickCreated[0]);

    // The arc writers leave the check to their callers: the host's answer
    // comes back unchanged.
    qzv::CircleOrArcInput in{};
    in.radius = 50.0f;
    in.sweep = 1.0f;
    EXPECT_EQ(qzv::WriteCircleOrArc(art, ctx, in, nullptr, nullptr), kErrBadArt);

    // A tick cannot be made in a vanished group.
    ASSERT_EQ(qzv::sArt->DisposeArt(art.targetGroup), kNoErr);
    EXPECT_EQ(qzv::WriteTangencyTick(art, ctx, qzv::MarkPath{}, 0), kErrBadArt);
    EXPECT_FALSE(art.tickCreated[0]);
    EXPECT_EQ(qzv::WriteTangencyTick(art, ctx, qzv::MarkPath{}, 3), kErrBadParameter);
    // The cross went with its group: nothing to write.
    EXPECT_EQ(qzv::WriteCentreCross(art, ctx, {0, 0}), kNoErr);
}

TEST_F(WritersTest, HostErrorsComeBackUnchangedAndMissingSuitesAreReported) {
    qzv::ShapeArt art = NewGesture("Cercle 1", false);
    // A NaN radius gives NaN anchors, which the host refuses.
    EXPECT_EQ(qzv::WriteCircle(art, ctx, std::numeric_limits<float>::quiet_NaN(), {0, 0}, 0.0f),
              kErrBadParameter);
    // A group is no path.
    EXPECT_EQ(qzv::WriteShapeBuild(art.targetGroup, qzv::BuildCircle(10, {0, 0}, 0), ctx),
              kErrBadParameter);

    qzv::sTransformArt = nullptr;
    EXPECT_EQ(qzv::WriteCircle(art, ctx, 10.0f, {0, 0}, 0.0f), kErrSuiteNotFound);
    ASSERT_EQ(qzv::CreateCentreCross(art), kNoErr);
    ctx.randomCross = true;
    qzv::sRandom = nullptr;
    EXPECT_EQ(qzv::WriteCentreCross(art, ctx, {0, 0}), kErrSuiteNotFound);
}

TEST_F(WritersTest, MissingPatternWarnsOncePerSideAndFallsBackToTheColour) {
    drawhost::TheDocument().patterns.push_back({drawhost::DocumentNewId(), "Hachures"});
    paint.fill.patternOn = true;
    paint.fill.patternNumber = 0;
    paint.fill.patternScale = 50.0f;
    qzv::RebuildPathStyles(paint, 1.0f, styles);
    EXPECT_EQ(styles.shape.fill.kind, kPaintPattern);
    PatternHandle first = nullptr;
    ASSERT_EQ(qzv::sPattern->GetNthPattern(0, &first), kNoErr);
    EXPECT_EQ(styles.shape.fill.pattern, first);
    EXPECT_FLOAT_EQ(styles.shape.fill.scaleH, 50.0f);
    EXPECT_TRUE(drawhost_test::LogLinesWith("motif").empty());

    // Number 1 is past the document's one pattern; the stroke's number is
    // negative: both sides warn, lose their pattern and keep their colour.
    paint.fill.patternNumber = 1;
    paint.stroke.patternOn = true;
    paint.stroke.patternNumber = -1;
    qzv::RebuildPathStyles(paint, 1.0f, styles);
    EXPECT_EQ(drawhost_test::LogLinesWith("Le motif choisi n'est pas disponible.").size(), 2u);
    EXPECT_FALSE(paint.fill.patternOn);
    EXPECT_FALSE(paint.stroke.patternOn);
    EXPECT_EQ(styles.shape.fill.kind, kPaintRGB);
    EXPECT_EQ(styles.shape.stroke.color.kind, kPaintGray);
}

TEST_F(WritersTest, RandomCrossTurnsWithinAQuarterTurnAtEachRebuild) {
    qzv::ShapeArt art = NewGesture("Cercle 1", false);
    ASSERT_EQ(qzv::CreateCentreCross(art), kNoErr);
    ctx.randomCross = true;
    ctx.crossAngle = 2.0f;   // not used while the orientation is random
    double angles[3];
    for (double& angle : angles) {
        ASSERT_EQ(qzv::WriteCentreCross(art, ctx, {300, 400}), kNoErr);
        const auto& seg = ArtOf(art.crossAlong).segments;
        ASSERT_EQ(seg.size(), 2u);
        angle = std::atan2(seg[1].p.v - seg[0].p.v, seg[1].p.h - seg[0].p.h);
        EXPECT_GE(angle, -1e-6);
        EXPECT_LT(angle, 3.14159265358979 / 2 + 1e-6);
        EXPECT_NEAR(std::hypot(seg[1].p.v - seg[0].p.v, seg[1].p.h - seg[0].p.h), kBranch, 1e-3);
    }
    EXPECT_FALSE(angles[0] == angles[1] && angles[1] == angles[2]);
}

TEST_F(WritersTest, FinishGroupsALoneCircleWithItsTickAndDisposesTicksWhenSwitchedOff) {
    // A circle straight in the layer, as left by an earlier gesture.
    qzv::ShapeArt art{};
    ASSERT_EQ(qzv::CreatePath(LayerGroup(), kPlaceInsideOnTop, &art.constructionPath), kNoErr);
    ASSERT_EQ(qzv::WriteCircle(art, ctx, 30.0f, {200, 200}, 0.0f), kNoErr);
    const qzv::ReferenceLine lines[3] = {{{0, 170}, {400, 170}}, {}, {}};

    ASSERT_EQ(qzv::FinishCircleShape(art, ctx, 6, true, {200, 200}, lines), kNoErr);
    ASSERT_TRUE(qzv::ArtExists(art.targetGroup));
    const drawhost::Art& group = ArtOf(art.targetGroup);
    EXPECT_EQ(group.parent, drawhost::IdOf(LayerGroup()));
    ASSERT_EQ(group.children.size(), 2u);
    EXPECT_EQ(group.children[0], drawhost::IdOf(art.constructionPath));
    EXPECT_EQ(group.children[1], drawhost::IdOf(art.ticks[0]));
    ExpectAnchors(ArtOf(art.ticks[0]), {{200, 190}, {200, 150}}, false);
    EXPECT_FALSE(art.tickCreated[1]);

    // A rebuild reuses the tick.
    const ArtHandle tick = art.ticks[0];
    ASSERT_EQ(qzv::FinishCircleShape(art, ctx, 6, true, {200, 200}, lines), kNoErr);
    EXPECT_EQ(art.ticks[0], tick);

    ASSERT_EQ(qzv::FinishCircleShape(art, ctx, 6, false, {200, 200}, lines), kNoErr);
    EXPECT_FALSE(qzv::ArtExists(tick));
    EXPECT_FALSE(art.tickCreated[0]);
    EXPECT_EQ(ArtOf(art.targetGroup).children.size(), 1u);
}

}  // namespace
}  // namespace shapes_test
