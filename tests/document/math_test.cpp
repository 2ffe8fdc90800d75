// The real math, Bézier, random and text suites. Expected values are worked
// out by hand from the conventions: single precision, pi = 3.1415927f, the
// matrix (a·h + c·v + tx, b·h + d·v + ty), concatenation applied after.
#include <cmath>
#include <cstring>
#include <set>

#include "doc_test.h"

namespace doc_test {
namespace {

class Maths : public DocTest {
protected:
    void SetUp() override {
        DocTest::SetUp();
        math = Acquire<RealMathSuite>(kRealMathSuiteName, kRealMathSuiteVersion);
        bezier = Acquire<RealBezierSuite>(kRealBezierSuiteName, kRealBezierSuiteVersion);
        random = Acquire<RandomSuite>(kRandomSuiteName, kRandomSuiteVersion);
        text = Acquire<UnicodeStringSuite>(kUnicodeStringSuiteName, kUnicodeStringSuiteVersion);
        ASSERT_TRUE(math && bezier && random && text);
    }
    const RealMathSuite* math = nullptr;
    const RealBezierSuite* bezier = nullptr;
    const RandomSuite* random = nullptr;
    const UnicodeStringSuite* text = nullptr;
};

TEST_F(Maths, RotationThenTranslationIsNotTranslationThenRotation) {
    const float quarter = 1.5707964f;
    RealMatrix m;
    math->SetRotation(&m, quarter);
    EXPECT_EQ(m.a, m.d);
    EXPECT_EQ(m.b, -m.c);
    EXPECT_EQ(1.0f, m.b) << "sin of the float quarter turn rounds to 1";
    math->ConcatTranslation(&m, 10, 0);
    RealPoint p{1, 0}, out;
    math->TransformPoint(&m, &p, &out);
    // (1,0) turns to (cos, 1) and then moves by 10: cos (-4.4e-8) vanishes in 10.
    EXPECT_EQ(10.0f, out.h);
    EXPECT_EQ(1.0f, out.v);

    math->SetTranslation(&m, 10, 0);
    math->ConcatRotation(&m, quarter);
    math->TransformPoint(&m, &p, &out);
    // (1,0) moves to (11,0) and then turns to (11·cos, 11).
    EXPECT_EQ(11.0f, out.v);
    EXPECT_NEAR(0.0f, out.h, 1e-6f);
}

TEST_F(Maths, TransformPointUsesTheHostLayout) {
    RealMatrix m{1, 2, 3, 4, 5, 6};
    RealPoint p{1, 1}, out;
    math->TransformPoint(&m, &p, &out);
    EXPECT_EQ(9.0f, out.h);    // 1·1 + 3·1 + 5
    EXPECT_EQ(12.0f, out.v);   // 2·1 + 4·1 + 6
}

TEST_F(Maths, ScalarsAndPoints) {
    EXPECT_EQ(3.1415927f, math->DegreesToRadians(180));
    EXPECT_EQ(180.0f, math->RadiansToDegrees(3.1415927f));
    RealPoint o{0, 0}, q{3, 4}, up{0, 1};
    EXPECT_EQ(5.0f, math->PointDistance(&o, &q));
    EXPECT_EQ(1.5707964f, math->PointAngle(&o, &up));
    EXPECT_TRUE(math->PointsClose(&o, &q, 5));
    EXPECT_FALSE(math->PointsClose(&o, &q, 4.99f));
    RealPoint nan{std::nanf(""), 0};
    EXPECT_FALSE(math->PointsClose(&o, &nan, 1e30f));
    EXPECT_FALSE(math->PointsEqual(&nan, &nan));
    RealPoint polar;
    math->PolarPoint(2, 0, &polar);
    EXPECT_EQ(2.0f, polar.h);
    EXPECT_EQ(0.0f, polar.v);
    EXPECT_EQ(-2.0f, math->Floor(-1.5f));
    EXPECT_EQ(3.0f, math->SquareRoot(9));
}

TEST_F(Maths, MultipleOfGoesToTheNearestWithTheFlagAndDownWithout) {
    EXPECT_EQ(5.0f, math->MultipleOf(7, 5, 1));
    EXPECT_EQ(10.0f, math->MultipleOf(8, 5, 1));
    EXPECT_EQ(10.0f, math->MultipleOf(7.5f, 5, 1)) << "halves go away from zero";
    EXPECT_EQ(-10.0f, math->MultipleOf(-7.5f, 5, 1));
    EXPECT_EQ(15.0f, math->MultipleOf(16, -5, 1)) << "the step's sign does not matter";
    EXPECT_EQ(5.0f, math->MultipleOf(9, 5, 0));
    EXPECT_EQ(-5.0f, math->MultipleOf(-1, 5, 0));
    EXPECT_EQ(7.0f, math->MultipleOf(7, 0, 1)) << "no step, no change";
}

TEST_F(Maths, BezierPointAndTangent) {
    const RealPoint arch[4] = {{0, 0}, {0, 100}, {100, 100}, {100, 0}};
    RealPoint p, t;
    bezier->PointTangentAt(arch, 0.5f, &p, &t);
    EXPECT_EQ(50.0f, p.h);   // 3/8·100 + 1/8·100
    EXPECT_EQ(75.0f, p.v);   // 3/8·100 + 3/8·100
    EXPECT_EQ(150.0f, t.h);  // 3·(1/4·0 + 1/2·100 + 1/4·0)
    EXPECT_EQ(0.0f, t.v);    // 3·(1/4·100 + 0 − 1/4·100)
    bezier->PointTangentAt(arch, 0, &p, &t);
    EXPECT_EQ(0.0f, p.v);
    EXPECT_EQ(300.0f, t.v);
    bezier->PointAt(arch, 1, &p);
    EXPECT_EQ(100.0f, p.h);
}

TEST_F(Maths, RandomNumbersRepeatForASeedAndStayBelowOne) {
    auto draw = [&](int n) {
        std::vector<float> out;
        for (int i = 0; i < n; ++i) out.push_back(random->FloatRnd());
        return out;
    };
    random->SetRandomSeed(42);
    auto first = draw(1000);
    random->SetRandomSeed(42);
    EXPECT_EQ(first, draw(1000));
    for (float x : first) {
        EXPECT_GE(x, 0.0f);
        EXPECT_LT(x, 1.0f);
    }
    EXPECT_GT(std::set<float>(first.begin(), first.end()).size(), 990u);
    ASSERT_EQ("", drawhost_test::RunLines({"seed 42"}));
    EXPECT_EQ(first[0], random->FloatRnd()) << "the seed command seeds the same generator";
    random->SetRandomSeed(43);
    EXPECT_NE(first[0], random->FloatRnd());
}

TEST_F(Maths, TextsConvertBetweenWindows1252AndUtf8) {
    char buf[32];
    ASSERT_EQ(kNoErr, text->EightBitToUTF8("\x80 \xE9\x95\x81", buf, sizeof buf));
    EXPECT_STREQ("\xE2\x82\xAC \xC3\xA9\xE2\x80\xA2?", buf);   // euro, e acute, bullet, undefined byte

    ASSERT_EQ(kNoErr, text->UTF8ToEightBit("QZV\xE2\x80\xA2Orbiquad \xC3\xA9\xE6\x97\xA5\xC3", buf, sizeof buf));
    EXPECT_STREQ("QZV\x95Orbiquad \xE9??", buf);   // a CJK character and a cut sequence have no byte

    char small[4];
    ASSERT_EQ(kNoErr, text->EightBitToUTF8("\xE9\xE9", small, sizeof small));
    EXPECT_STREQ("\xC3\xA9", small) << "the second character does not fit whole";
    EXPECT_EQ(kErrBadParameter, text->EightBitToUTF8(nullptr, buf, sizeof buf));
    EXPECT_EQ(kErrBadParameter, text->UTF8ToEightBit("x", buf, 0));
}

}  // namespace
}  // namespace doc_test
