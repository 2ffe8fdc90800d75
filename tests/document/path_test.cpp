// The path, path style, tag and transform suites: segments, their checks,
// paint and tags.
#include <cmath>
#include <limits>

#include "doc_test.h"

namespace doc_test {
namespace {

class Paths : public DocTest {
protected:
    void SetUp() override {
        DocTest::SetUp();
        transform = Acquire<TransformArtSuite>(kTransformArtSuiteName, kTransformArtSuiteVersion);
        ASSERT_TRUE(transform);
        p = NewPathIn(Root());
        PathSegment s[] = {Corner(1, 1), Corner(2, 2), Corner(3, 3)};
        ASSERT_EQ(kNoErr, path->SetPathSegmentCount(p, 3));
        ASSERT_EQ(kNoErr, path->SetPathSegments(p, 0, 3, s));
    }
    std::vector<PathSegment> All() {
        int32_t n = 0;
        path->GetPathSegmentCount(p, &n);
        std::vector<PathSegment> out(static_cast<size_t>(n));
        if (n) {
            EXPECT_EQ(kNoErr, path->GetPathSegments(p, 0, n, out.data()));
        }
        return out;
    }
    const TransformArtSuite* transform = nullptr;
    ArtHandle p = nullptr;
};

TEST_F(Paths, GrowingKeepsTheSegmentsAndShrinkingDropsTheTail) {
    ASSERT_EQ(kNoErr, path->SetPathSegmentCount(p, 5));
    auto s = All();
    ASSERT_EQ(5u, s.size());
    EXPECT_EQ(2.0f, s[1].p.h);
    EXPECT_EQ(3.0f, s[2].p.v);
    // The new anchors sit on the last one, handles retracted, corners: a
    // grown path not yet written draws nothing stray.
    for (size_t i = 3; i < 5; ++i) {
        EXPECT_TRUE(s[i].p.h == s[2].p.h && s[i].p.v == s[2].p.v) << i;
        EXPECT_TRUE(s[i].in.h == s[2].p.h && s[i].in.v == s[2].p.v && s[i].out.h == s[2].p.h && s[i].out.v == s[2].p.v) << i;
        EXPECT_TRUE(s[i].corner) << i;
    }
    ASSERT_EQ(kNoErr, path->SetPathSegmentCount(p, 2));
    s = All();
    ASSERT_EQ(2u, s.size());
    EXPECT_EQ(1.0f, s[0].p.h);
    EXPECT_EQ(2.0f, s[1].p.h);
    ASSERT_EQ(kNoErr, path->SetPathSegmentCount(p, 0));
    EXPECT_TRUE(All().empty());
    EXPECT_EQ(kErrBadParameter, path->SetPathSegmentCount(p, -1));
    EXPECT_EQ(kErrBadParameter, path->SetPathSegmentCount(p, std::numeric_limits<int32_t>::max()));
}

TEST_F(Paths, RangesOutsideTheSegmentsAreRefused) {
    PathSegment buf[4];
    EXPECT_EQ(kErrBadParameter, path->GetPathSegments(p, 2, 2, buf));
    EXPECT_EQ(kErrBadParameter, path->GetPathSegments(p, -1, 1, buf));
    EXPECT_EQ(kErrBadParameter, path->GetPathSegments(p, 0, -1, buf));
    EXPECT_EQ(kErrBadParameter, path->GetPathSegments(p, 0, 1, nullptr));
    // index + count would overflow 32 bits.
    EXPECT_EQ(kErrBadParameter, path->SetPathSegments(p, 1, std::numeric_limits<int32_t>::max(), buf));
    EXPECT_EQ(kNoErr, path->GetPathSegments(p, 3, 0, nullptr)) << "an empty range at the end is fine";
    ASSERT_EQ(kNoErr, path->GetPathSegments(p, 1, 2, buf));
    EXPECT_EQ(2.0f, buf[0].p.h);
    EXPECT_EQ(3.0f, buf[1].p.h);
}

TEST_F(Paths, ABadCoordinateRejectsTheWholeWriteAndKeepsTheOldSegments) {
    const float bad[] = {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                         -std::numeric_limits<float>::infinity(), 1.0e8f, -2.0e7f};
    for (float x : bad) {
        PathSegment s[] = {Corner(7, 7), Corner(8, 8)};
        s[1].out.v = x;   // only a handle of the second segment is bad
        EXPECT_EQ(kErrBadParameter, path->SetPathSegments(p, 0, 2, s)) << x;
        auto now = All();
        EXPECT_EQ(1.0f, now[0].p.h) << "the good first segment was not written either";
        EXPECT_EQ(2.0f, now[1].out.v);
    }
    PathSegment edge[] = {Corner(1.0e7f, -1.0e7f)};
    EXPECT_EQ(kNoErr, path->SetPathSegments(p, 2, 1, edge)) << "the limit itself is allowed";
}

TEST_F(Paths, AGroupIsNotAPath) {
    ArtHandle g = New(kArtGroup, kPlaceInsideOnTop, Root());
    int32_t n = 0;
    EXPECT_EQ(kErrBadParameter, path->GetPathSegmentCount(g, &n));
    EXPECT_EQ(kErrBadParameter, path->SetPathClosed(g, 1));
    PathStyle s = drawhost::DocumentDefaultStyle();
    EXPECT_EQ(kErrBadParameter, style->SetPathStyle(g, &s));
}

TEST_F(Paths, ClosedAndGuideFlags) {
    HostBool closed = 1, guide = 1;
    path->GetPathClosed(p, &closed);
    path->GetPathGuide(p, &guide);
    EXPECT_FALSE(closed);
    EXPECT_FALSE(guide);
    path->SetPathClosed(p, 7);
    path->SetPathGuide(p, 1);
    path->GetPathClosed(p, &closed);
    path->GetPathGuide(p, &guide);
    EXPECT_EQ(1, closed);
    EXPECT_EQ(1, guide);
    EXPECT_EQ(kErrBadParameter, path->GetPathClosed(p, nullptr));
}

TEST_F(Paths, StylesAreCheckedBeforeTheyAreTaken) {
    PathStyle s = drawhost::DocumentDefaultStyle();
    s.fillPaint = 1;
    s.fill.kind = kPaintGray;
    s.fill.gray = 0.5f;
    ASSERT_EQ(kNoErr, style->SetPathStyle(p, &s));

    PathStyle bad = s;
    bad.stroke.width = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(kErrBadParameter, style->SetPathStyle(p, &bad));
    bad = s;
    bad.fill.gray = 1.5f;
    EXPECT_EQ(kErrBadParameter, style->SetPathStyle(p, &bad));
    bad = s;
    bad.stroke.join = 3;
    EXPECT_EQ(kErrBadParameter, style->SetPathStyle(p, &bad));
    bad = s;
    bad.fill.kind = kPaintPattern;   // no such pattern in the document
    bad.fill.pattern = reinterpret_cast<PatternHandle>(uintptr_t{0x1234});
    EXPECT_EQ(kErrBadParameter, style->SetPathStyle(p, &bad));
    EXPECT_EQ(kErrBadParameter, style->SetPathStyle(p, nullptr));

    PathStyle got{};
    ASSERT_EQ(kNoErr, style->GetPathStyle(p, &got));
    EXPECT_EQ(0.5f, got.fill.gray);
    EXPECT_EQ(1.0f, got.stroke.width);

    // A pattern of the document is a valid paint.
    ASSERT_EQ("", drawhost_test::RunLines({"pattern Hachures"}));
    auto patterns = Acquire<PatternSuite>(kPatternSuiteName, kPatternSuiteVersion);
    PatternHandle hatch = nullptr;
    ASSERT_EQ(kNoErr, patterns->GetNthPattern(0, &hatch));
    s.fill.kind = kPaintPattern;
    s.fill.pattern = hatch;
    s.fill.scaleH = s.fill.scaleV = 100;
    EXPECT_EQ(kNoErr, style->SetPathStyle(p, &s));
}

TEST_F(Paths, TagsAreSetReadReplacedAndRemoved) {
    char buf[16];
    EXPECT_EQ(kErrNotFound, tag->GetTag(p, "qzv", buf, sizeof buf));
    ASSERT_EQ(kNoErr, tag->SetTag(p, "qzv", kTagTypeString, "jj"));
    ASSERT_EQ(kNoErr, tag->SetTag(p, "qzv", kTagTypeString, "kk"));
    ASSERT_EQ(kNoErr, tag->GetTag(p, "qzv", buf, sizeof buf));
    EXPECT_STREQ("kk", buf);
    EXPECT_EQ(kErrWrongType, tag->SetTag(p, "n", "real", "1"));
    EXPECT_EQ(kErrBadParameter, tag->SetTag(p, "", kTagTypeString, "1"));
    EXPECT_EQ(kErrBadParameter, tag->SetTag(p, "n", kTagTypeString, nullptr));
    ASSERT_EQ(kNoErr, tag->RemoveTag(p, "qzv"));
    EXPECT_EQ(kErrNotFound, tag->RemoveTag(p, "qzv"));
    EXPECT_EQ(kErrNotFound, tag->GetTag(p, "qzv", buf, sizeof buf));
    // Tags sit on groups as well.
    EXPECT_EQ(kNoErr, tag->SetTag(Root(), "PtCen", kTagTypeString, "12,5"));
}

TEST_F(Paths, TransformMovesAnchorsAndHandlesAndKeepsStrokesAtLineScaleZero) {
    // Rotation by a quarter turn then a move by (10, 0): (1, 1) -> (-1, 1) -> (9, 1).
    RealMatrix quarter{0, 1, -1, 0, 10, 0};
    ASSERT_EQ(kNoErr, transform->TransformArt(p, &quarter, 0.0f, kTransformObjects));
    auto s = All();
    EXPECT_EQ(9.0f, s[0].p.h);
    EXPECT_EQ(1.0f, s[0].p.v);
    EXPECT_EQ(7.0f, s[2].in.h);
    EXPECT_EQ(3.0f, s[2].in.v);
    PathStyle st{};
    style->GetPathStyle(p, &st);
    EXPECT_EQ(1.0f, st.stroke.width);

    RealMatrix twice{2, 0, 0, 2, 0, 0};
    ASSERT_EQ(kNoErr, transform->TransformArt(Root(), &twice, 2.0f, kTransformObjects));
    style->GetPathStyle(p, &st);
    EXPECT_EQ(2.0f, st.stroke.width);
    EXPECT_EQ(18.0f, All()[0].p.h);

    RealMatrix huge{1e9f, 0, 0, 1e9f, 0, 0};
    EXPECT_EQ(kErrBadParameter, transform->TransformArt(p, &huge, 0.0f, kTransformObjects));
    EXPECT_EQ(18.0f, All()[0].p.h) << "a result out of range changes nothing";
    RealMatrix nan{std::nanf(""), 0, 0, 1, 0, 0};
    EXPECT_EQ(kErrBadParameter, transform->TransformArt(p, &nan, 0.0f, kTransformObjects));
}

}  // namespace
}  // namespace doc_test
