// The colours dialog's edits of its pending paint, without the dialog, and
// the preferences dialog's scale entries. Expected values are the text's:
// gray = red / 2.55, the factory values of "Défaut", the ranges of the rows.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "paint/colours_edit.h"
#include "settings/preferences_scale.h"

namespace {

using namespace qzv;

TEST(ColoursEdit, SwatchesSwitchTheSideOrItsColourModel) {
    PaintSettings p = FactoryPaintSettings();
    p.stroke.redOrGray = 40.0f;
    EXPECT_EQ(ClickSideSwatch(p, kSideStroke, kSideFill), kSideFill);
    EXPECT_FALSE(p.fill.rgb) << "switching sides changes no colour";
    EXPECT_EQ(ClickSideSwatch(p, kSideStroke, kSideStroke), kSideStroke);
    EXPECT_TRUE(p.stroke.rgb);
    EXPECT_FLOAT_EQ(p.stroke.redOrGray, 102.0f);
    EXPECT_EQ(ClickSideSwatch(p, kSideStroke, 7), kSideStroke) << "no such side";
}

TEST(ColoursEdit, PaintAndPatternSwitches) {
    PaintSettings p = FactoryPaintSettings();   // stroke on, fill off
    p.stroke.patternOn = true;
    EXPECT_TRUE(TogglePaint(p, kSideStroke)) << "nothing left painted";
    EXPECT_FALSE(p.stroke.paintOn);
    EXPECT_FALSE(p.stroke.patternOn);
    EXPECT_FALSE(TogglePaint(p, kSideFill));
    EXPECT_TRUE(p.fill.paintOn);

    // An RGB side takes a pattern in gray: red 204 becomes gray 80.
    p.stroke.rgb = true;
    p.stroke.redOrGray = 204.0f;
    p.stroke.patternNumber = 9;
    EXPECT_FALSE(TogglePattern(p, kSideStroke, 3));
    EXPECT_FALSE(p.stroke.rgb);
    EXPECT_FLOAT_EQ(p.stroke.redOrGray, 80.0f);
    EXPECT_TRUE(p.stroke.patternOn);
    EXPECT_TRUE(p.stroke.paintOn) << "a pattern paints its side";
    EXPECT_EQ(p.stroke.patternNumber, 0) << "number 9 names none of 3 patterns: the first";
    p.fill.patternNumber = 2;
    EXPECT_FALSE(TogglePattern(p, kSideFill, 3));
    EXPECT_EQ(p.fill.patternNumber, 2);

    // Turning the only pattern off when nothing else paints warns.
    PaintSettings q = FactoryPaintSettings();
    q.stroke.paintOn = false;
    q.stroke.patternOn = true;
    EXPECT_TRUE(TogglePattern(q, kSideStroke, 1));
    EXPECT_FALSE(q.stroke.patternOn);
}

TEST(ColoursEdit, DefaultKeepsTheFillLevelsAndPatternNumbers) {
    PaintSettings p = FactoryPaintSettings();
    p.stroke = PaintSide{false, true, 10, 20, 30, true, 4, 50, 45};
    p.fill = PaintSide{true, true, 11, 21, 31, true, 5, 60, -45};
    DefaultDialogPaint(p);
    EXPECT_TRUE(p.stroke.paintOn);
    EXPECT_FALSE(p.stroke.rgb);
    EXPECT_EQ(p.stroke.redOrGray, 100.0f);
    EXPECT_FALSE(p.fill.paintOn);
    EXPECT_TRUE(p.fill.rgb);
    EXPECT_EQ(p.fill.redOrGray, 11.0f);
    EXPECT_EQ(p.fill.green, 21.0f);
    for (const PaintSide* s : {&p.stroke, &p.fill}) {
        EXPECT_FALSE(s->patternOn);
        EXPECT_EQ(s->patternScale, 100.0f);
        EXPECT_EQ(s->patternAngle, 0.0f);
    }
    EXPECT_EQ(p.stroke.patternNumber, 4);
    EXPECT_EQ(p.fill.patternNumber, 5);
}

TEST(ColoursEdit, RowsAndPatternValuesStayWithinTheirRanges) {
    PaintSide gray = FactoryPaintSettings().stroke;
    EXPECT_EQ(RowMaximum(gray, 0), 100.0f);
    EXPECT_EQ(RowMaximum(gray, 1), 255.0f);
    ASSERT_TRUE(SetRowLevel(gray, 0, 300.0f));
    EXPECT_EQ(gray.redOrGray, 100.0f);
    ASSERT_TRUE(SetRowLevel(gray, 2, -4.0f));
    EXPECT_EQ(gray.blue, 0.0f);
    EXPECT_FALSE(SetRowLevel(gray, 1, std::nanf("")));
    EXPECT_FALSE(SetRowLevel(gray, 3, 5.0f));
    PaintSide rgb = gray;
    rgb.rgb = true;
    ASSERT_TRUE(SetRowLevel(rgb, 0, 300.0f));
    EXPECT_EQ(rgb.redOrGray, 255.0f);

    ASSERT_TRUE(SetPatternScale(gray, 0.0f));
    EXPECT_EQ(gray.patternScale, 0.001f);
    EXPECT_FALSE(SetPatternScale(gray, std::numeric_limits<float>::infinity()));
    ASSERT_TRUE(SetPatternAngle(gray, -500.0f));
    EXPECT_EQ(gray.patternAngle, -180.0f);

    // What shows: one row in gray, three in RGB, none without paint or with a pattern.
    EXPECT_TRUE(RowShown(gray, 0));
    EXPECT_FALSE(RowShown(gray, 1));
    EXPECT_TRUE(PercentShown(gray));
    EXPECT_TRUE(RowShown(rgb, 2));
    EXPECT_FALSE(PercentShown(rgb));
    rgb.patternOn = true;
    EXPECT_FALSE(RowShown(rgb, 0));
    EXPECT_TRUE(PatternControlsShown(rgb));
    gray.paintOn = false;
    EXPECT_FALSE(RowShown(gray, 0));

    // The swatch's bytes: gray 100 % is black, 0 % white.
    EXPECT_EQ(LevelByte(100.0f, false), 0);
    EXPECT_EQ(LevelByte(0.0f, false), 255);
    EXPECT_EQ(LevelByte(50.0f, false), 128);
    EXPECT_EQ(LevelByte(300.0f, true), 255);
    EXPECT_EQ(LevelByte(std::nanf(""), true), 0);
}

TEST(PreferencesScale, PairsOutsideTheListAreTheCustomEntry) {
    EXPECT_EQ(PrefsScaleEntryFor(1, 1), 9);
    EXPECT_EQ(PrefsScaleEntryFor(1, 100), 0);
    EXPECT_EQ(PrefsScaleEntryFor(100, 1), 18);
    EXPECT_EQ(PrefsScaleEntryFor(3, 7), 20);
    EXPECT_EQ(PrefsScaleEntryFor(2, 2), 20) << "2/2 is not written 1/1";
    EXPECT_EQ(PrefsScaleEntryFor(0, 0), 20) << "separators match nothing";
    EXPECT_FALSE(PrefsCustomScaleUsable(1, 1));
    EXPECT_FALSE(PrefsCustomScaleUsable(0, 7));
    EXPECT_TRUE(PrefsCustomScaleUsable(3, 7));
}

}  // namespace
