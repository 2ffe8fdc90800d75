// The profile editor's operations on a profile, without the dialog.
// Expected values come from the canvas frame of the text (20 pixels a unit,
// origin at pixel 110, usable pixels 10..450, grid lines at 30 + k * step),
// the symmetry rule and the predefined profiles, or from the Bezier curve
// itself (a split curve traces the same points).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "rounding/profile_edit.h"

namespace {

using namespace qzv;

RoundingProfile Preset(int k) {
    RoundingProfile p = DefaultRoundingProfile();
    EXPECT_TRUE(ApplyPredefinedProfile(k, p));
    return p;
}

TEST(ProfileEdit, CanvasFrameAndSelectionCodes) {
    EXPECT_EQ(UnitsFromPixel(110), 0.0f);
    EXPECT_EQ(UnitsFromPixel(350), 12.0f);
    EXPECT_EQ(UnitsFromPixel(10), -5.0f);
    EXPECT_EQ(UnitsFromPixel(450), 17.0f);
    EXPECT_EQ(PixelFromUnits(12.0f), 350);
    EXPECT_EQ(PixelFromUnits(-0.26f), 105);
    EXPECT_EQ(PixelFromUnits(std::numeric_limits<float>::quiet_NaN()), 110);
    EXPECT_EQ(PixelFromUnits(1e30f), 110 + 20000000) << "far away, but an integer";
    EXPECT_EQ(ClampCanvasPixel(-40), 10);
    EXPECT_EQ(ClampCanvasPixel(900), 450);
    EXPECT_EQ(ClampProfileUnits(std::numeric_limits<float>::quiet_NaN()), 0.0f);

    EXPECT_EQ(SelectionCode({ProfileElement::kIn, 3}), 203);
    EXPECT_EQ(SelectionCode({ProfileElement::kOut, 19}), 419);
    ProfileSelection s{};
    ASSERT_TRUE(DecodeSelection(403, &s));
    EXPECT_EQ(s.kind, ProfileElement::kOut);
    EXPECT_EQ(s.index, 3);
    ASSERT_TRUE(DecodeSelection(7, &s));
    EXPECT_EQ(s.kind, ProfileElement::kPoint);
    EXPECT_FALSE(DecodeSelection(kNoSelection, &s));
    EXPECT_FALSE(DecodeSelection(20, &s));
    EXPECT_FALSE(DecodeSelection(420, &s));
    EXPECT_FALSE(DecodeSelection(-1, &s));
}

TEST(ProfileEdit, GridMagnetismLandsOnTheNearestDrawnLine) {
    EXPECT_EQ(SnapPixelToGrid(176, 20), 3.0f);     // line 170
    EXPECT_EQ(SnapPixelToGrid(181, 20), 4.0f);     // line 190
    EXPECT_EQ(SnapPixelToGrid(450, 20), 16.0f);    // the last line, 430
    EXPECT_EQ(SnapPixelToGrid(10, 20), -4.0f);     // the first line, 30
    EXPECT_EQ(SnapPixelToGrid(110, 50), 1.0f);     // lines 80 and 130: 130 is nearer
    EXPECT_EQ(SnapPixelToGrid(110, 100), 1.0f);    // lines 30, 130, ...: 130
    EXPECT_EQ(SnapPixelToGrid(176, 0), 3.0f) << "a step of 0 is taken as 20";
    for (int step : {4, 10, 20, 50, 100}) {
        for (int pixel = 10; pixel <= 450; ++pixel) {
            const float units = SnapPixelToGrid(pixel, step);
            const int line = static_cast<int>(units * 20.0f) + 110;
            ASSERT_EQ((line - 30) % step, 0) << step << " " << pixel;
            ASSERT_GE(line, 30);
            ASSERT_LE(line, 430);
            if (pixel >= 30 && pixel <= 430) {
                ASSERT_LE(std::abs(line - pixel), step / 2) << step << " " << pixel;
            }
        }
    }
}

TEST(ProfileEdit, MirrorsFollowTheSymmetryRule) {
    auto mirror = [](ProfileElement kind, int index, int count) { return MirrorElement({kind, index}, count); };
    EXPECT_EQ(mirror(ProfileElement::kPoint, 1, 4).index, 2);
    EXPECT_EQ(mirror(ProfileElement::kIn, 0, 4).kind, ProfileElement::kOut);
    EXPECT_EQ(mirror(ProfileElement::kIn, 0, 4).index, 3);
    EXPECT_EQ(mirror(ProfileElement::kOut, 1, 4).kind, ProfileElement::kIn);
    EXPECT_EQ(mirror(ProfileElement::kOut, 1, 4).index, 2);
    EXPECT_EQ(mirror(ProfileElement::kPoint, 2, 5).index, 2) << "the middle point";

    // Profile 4: point 1 moved to (11, 1) puts point 2 at (1, 11).
    RoundingProfile p = Preset(4);
    ASSERT_TRUE(MoveElement(p, {ProfileElement::kPoint, 1}, 11.0f, 1.0f));
    EXPECT_EQ(p.x[2], 1.0f);
    EXPECT_EQ(p.y[2], 11.0f);
    ASSERT_TRUE(MoveElement(p, {ProfileElement::kIn, 1}, 7.0f, 3.0f));
    EXPECT_EQ(p.outX[2], 3.0f);
    EXPECT_EQ(p.outY[2], 7.0f);
    EXPECT_TRUE(IsSymmetricProfile(p));
    // Far outside: held at -5 and 17, the mirror too.
    ASSERT_TRUE(MoveElement(p, {ProfileElement::kPoint, 0}, 100.0f, -100.0f));
    EXPECT_EQ(p.x[0], 17.0f);
    EXPECT_EQ(p.y[0], -5.0f);
    EXPECT_EQ(p.x[3], -5.0f);
    EXPECT_EQ(p.y[3], 17.0f);

    // Profile 2: the middle point stays on the diagonal.
    RoundingProfile notch = Preset(2);
    ASSERT_TRUE(MoveElement(notch, {ProfileElement::kPoint, 1}, 10.0f, 14.0f));
    EXPECT_EQ(notch.x[1], 12.0f);
    EXPECT_EQ(notch.y[1], 12.0f);
    ASSERT_TRUE(SetElementCoordinate(notch, {ProfileElement::kPoint, 1}, 0, 4.0f));
    EXPECT_EQ(notch.x[1], 4.0f);
    EXPECT_EQ(notch.y[1], 4.0f);
    EXPECT_FALSE(SetElementCoordinate(notch, {ProfileElement::kPoint, 1}, 1, std::nanf("")));
    EXPECT_EQ(notch.y[1], 4.0f);
    EXPECT_FALSE(MoveElement(notch, {ProfileElement::kPoint, 3}, 1.0f, 1.0f)) << "beyond the count";

    // Without symmetry only the element moves.
    RoundingProfile free = DefaultRoundingProfile();
    ASSERT_TRUE(SetElementCoordinate(free, {ProfileElement::kPoint, 0}, 1, 2.5f));
    EXPECT_EQ(free.y[0], 2.5f);
    EXPECT_EQ(free.x[1], 0.0f);
}

TEST(ProfileEdit, TheSelectedElementIsTakenFirstAndUnusedHandlesNever) {
    const RoundingProfile p = DefaultRoundingProfile();   // handles on their points
    ProfileSelection hit{};
    ASSERT_TRUE(HitElement(p, 350, 110, 6, nullptr, &hit));
    EXPECT_EQ(hit.kind, ProfileElement::kPoint);
    EXPECT_EQ(hit.index, 0);
    const ProfileSelection in0{ProfileElement::kIn, 0};
    ASSERT_TRUE(HitElement(p, 355, 104, 6, &in0, &hit));
    EXPECT_EQ(hit.kind, ProfileElement::kIn) << "the selected handle lying on its point";
    const ProfileSelection out0{ProfileElement::kOut, 0};   // no curve arrives at point 0
    ASSERT_TRUE(HitElement(p, 350, 110, 6, &out0, &hit));
    EXPECT_EQ(hit.kind, ProfileElement::kPoint);
    EXPECT_FALSE(HitElement(p, 357, 110, 6, nullptr, &hit)) << "7 pixels away";
    int index = -1;
    EXPECT_TRUE(HitPoint(p, 105, 345, 5, &index));
    EXPECT_EQ(index, 1);
    EXPECT_FALSE(HitPoint(p, 104, 350, 5, &index));
}

TEST(ProfileEdit, RemovingShiftsTheLaterPointsAndStopsAtTwo) {
    RoundingProfile p = Preset(3);   // (12,0) (12,8) (4,8) (4,4) (8,4) (8,12) (0,12)
    ASSERT_TRUE(RemoveProfilePoint(p, 2));
    EXPECT_EQ(p.count, 6);
    EXPECT_EQ(p.x[2], 4.0f);
    EXPECT_EQ(p.y[2], 4.0f);
    EXPECT_EQ(p.x[5], 0.0f);
    EXPECT_EQ(p.y[5], 12.0f);
    EXPECT_EQ(p.y[6], 0.0f) << "the freed slot is cleared";
    EXPECT_FALSE(RemoveProfilePoint(p, 6));
    RoundingProfile two = DefaultRoundingProfile();
    EXPECT_FALSE(RemoveProfilePoint(two, 0));
    EXPECT_EQ(two.count, 2);
}

// The outline after a split traces the same points as before.
TEST(ProfileEdit, InsertingSplitsTheCurveWithoutChangingTheOutline) {
    const RoundingProfile before = Preset(4);   // curve 1 is the quarter round
    RoundingProfile after = before;
    ASSERT_TRUE(InsertProfilePoint(after, {1, 0.3f}));
    ASSERT_EQ(after.count, 5);
    for (int k = 0; k <= 100; ++k) {
        const float s = static_cast<float>(k) / 100.0f;
        float x0, y0, x1, y1;
        CurvePoint(before, 1, s, &x0, &y0);
        if (s <= 0.3f) CurvePoint(after, 1, s / 0.3f, &x1, &y1);
        else CurvePoint(after, 2, (s - 0.3f) / 0.7f, &x1, &y1);
        EXPECT_NEAR(x0, x1, 1e-4f) << s;
        EXPECT_NEAR(y0, y1, 1e-4f) << s;
    }
    EXPECT_EQ(after.x[4], 0.0f);
    EXPECT_EQ(after.y[4], 12.0f) << "the last point moved up by one";

    // The chamfer split in the middle: a point at (6, 6), everything on x + y = 12.
    RoundingProfile chamfer = DefaultRoundingProfile();
    ASSERT_TRUE(InsertProfilePoint(chamfer, {0, 0.5f}));
    EXPECT_EQ(chamfer.x[1], 6.0f);
    EXPECT_EQ(chamfer.y[1], 6.0f);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(chamfer.inX[i] + chamfer.inY[i], 12.0f) << i;
        EXPECT_EQ(chamfer.outX[i] + chamfer.outY[i], 12.0f) << i;
    }

    RoundingProfile full = DefaultRoundingProfile();
    for (int n = 2; n < 20; ++n) ASSERT_TRUE(InsertProfilePoint(full, {0, 0.5f}));
    EXPECT_EQ(full.count, 20);
    EXPECT_FALSE(InsertProfilePoint(full, {0, 0.5f}));
    EXPECT_FALSE(InsertProfilePoint(chamfer, {2, 0.5f})) << "no curve leaves the last point";
}

TEST(ProfileEdit, TheOutlineIsFoundWithinFourPixels) {
    const RoundingProfile p = DefaultRoundingProfile();
    CurvePlace place{};
    ASSERT_TRUE(NearestCurvePlace(p, 230, 230, 4, &place));   // (6, 6)
    EXPECT_EQ(place.curve, 0);
    EXPECT_EQ(place.t, 0.5f);
    EXPECT_TRUE(NearestCurvePlace(p, 233, 230, 4, &place));
    EXPECT_FALSE(NearestCurvePlace(p, 240, 240, 4, &place)) << "14 pixels off the side";
}

TEST(ProfileEdit, ADamagedProfileIsBroughtWithinTheCanvas) {
    RoundingProfile p = DefaultRoundingProfile();
    p.x[0] = 1e30f;
    p.inY[1] = -40.0f;
    p.outX[1] = std::nanf("");
    p.x[5] = 99.0f;   // beyond the count: left alone
    ClampProfileToCanvas(p);
    EXPECT_EQ(p.x[0], 17.0f);
    EXPECT_EQ(p.inY[1], -5.0f);
    EXPECT_EQ(p.outX[1], 0.0f);
    EXPECT_EQ(p.y[1], 12.0f);
    EXPECT_EQ(p.x[5], 99.0f);
}

TEST(ProfileEdit, StepsWrapAndSkipHandlesThatAreNotInUse) {
    EXPECT_EQ(StepSelection({ProfileElement::kIn, 2}, 1, 4).index, 0) << "the last point has no In handle";
    EXPECT_EQ(StepSelection({ProfileElement::kOut, 1}, -1, 4).index, 3) << "the first has no Out handle";
    EXPECT_EQ(StepSelection({ProfileElement::kPoint, 3}, 1, 4).index, 0);
    EXPECT_EQ(StepSelection({ProfileElement::kPoint, 0}, -1, 4).index, 3);
    EXPECT_FALSE(ElementInUse({ProfileElement::kOut, 0}, 4));
    EXPECT_FALSE(ElementInUse({ProfileElement::kIn, 3}, 4));
    EXPECT_FALSE(ElementInUse({ProfileElement::kPoint, 4}, 4));
    EXPECT_TRUE(ElementInUse({ProfileElement::kIn, 2}, 4));
}

}  // namespace
