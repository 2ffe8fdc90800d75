// Paint settings and the derived path styles.
#include <gtest/gtest.h>

#include "paint_settings.h"
#include "path_styles.h"

using namespace qzv;

namespace {

// A document with `count` patterns; records how often it was asked.
struct Document {
    int count;
    int asked = 0;
};

PatternHandle FindPattern(void* context, int32_t number) {
    Document* doc = static_cast<Document*>(context);
    ++doc->asked;
    if (number < 0 || number >= doc->count) {
        return nullptr;
    }
    return reinterpret_cast<PatternHandle>(static_cast<intptr_t>(0x100 + number));
}

}  // namespace

TEST(PaintSettings, FactoryDefaults) {
    const PaintSettings s = FactoryPaintSettings();
    EXPECT_TRUE(s.stroke.paintOn);
    EXPECT_FALSE(s.fill.paintOn);
    for (const PaintSide* side : {&s.stroke, &s.fill}) {
        EXPECT_FALSE(side->rgb);
        EXPECT_EQ(side->redOrGray, 100.0f);
        EXPECT_FALSE(side->patternOn);
        EXPECT_EQ(side->patternNumber, 1);
        EXPECT_EQ(side->patternScale, 100.0f);
        EXPECT_EQ(side->patternAngle, 0.0f);
    }
}

TEST(PathStyles, GrayAndRgbLevels) {
    PaintSettings s = FactoryPaintSettings();
    s.fill.paintOn = true;
    s.fill.rgb = true;
    s.fill.redOrGray = 255;
    s.fill.green = 51;
    s.fill.blue = 0;
    DerivedStyles styles{};
    const StyleReport report = BuildPathStyles(s, 0.5f, nullptr, nullptr, styles);
    EXPECT_FALSE(report.strokePatternMissing || report.fillPatternMissing);
    // Gray 100 % is black: gray 1; RGB levels over 255.
    EXPECT_EQ(styles.shape.stroke.color.kind, kPaintGray);
    EXPECT_EQ(styles.shape.stroke.color.gray, 1.0f);
    EXPECT_EQ(styles.shape.fillPaint, 1);
    EXPECT_EQ(styles.shape.fill.kind, kPaintRGB);
    EXPECT_EQ(styles.shape.fill.red, 1.0f);
    EXPECT_FLOAT_EQ(styles.shape.fill.green, 0.2f);
    EXPECT_EQ(styles.shape.stroke.cap, 1);
    EXPECT_EQ(styles.shape.stroke.join, 0);
    EXPECT_EQ(styles.shape.stroke.miterLimit, 10.0f);
    EXPECT_EQ(styles.shape.stroke.width, 0.5f);
    s.fill.paintOn = false;
    BuildPathStyles(s, 0.5f, nullptr, nullptr, styles);
    EXPECT_EQ(styles.shape.fillPaint, 0);
}

TEST(PathStyles, PatternIsLaidWithItsScaleAndAngle) {
    PaintSettings s = FactoryPaintSettings();
    s.fill.patternOn = true;
    s.fill.patternNumber = 2;
    s.fill.patternScale = 50;
    s.fill.patternAngle = -30;
    Document doc{3};
    DerivedStyles styles{};
    BuildPathStyles(s, 1.0f, FindPattern, &doc, styles);
    EXPECT_EQ(styles.shape.fillPaint, 1);  // the pattern paints the side even with paint off
    const PaintColor& c = styles.shape.fill;
    EXPECT_EQ(c.kind, kPaintPattern);
    EXPECT_EQ(c.pattern, FindPattern(&doc, 2));
    EXPECT_EQ(c.scaleH, 50.0f);
    EXPECT_EQ(c.scaleV, 50.0f);
    EXPECT_EQ(c.rotation, -30.0f);
    EXPECT_EQ(c.reflect, 0);
    EXPECT_EQ(c.transform.a, 1.0f);
    EXPECT_EQ(c.transform.d, 1.0f);
    EXPECT_EQ(c.transform.tx, 0.0f);
}

TEST(PathStyles, MissingPatternIsReportedOncePerSideAndTurnedOff) {
    PaintSettings s = FactoryPaintSettings();
    s.stroke.patternOn = true;
    s.stroke.patternNumber = 5;  // beyond the document's list
    s.fill.paintOn = true;
    s.fill.patternOn = true;
    s.fill.patternNumber = 0;
    Document doc{1};
    DerivedStyles styles{};
    StyleReport r = BuildPathStyles(s, 1.0f, FindPattern, &doc, styles);
    EXPECT_TRUE(r.strokePatternMissing);
    EXPECT_FALSE(r.fillPatternMissing);
    EXPECT_FALSE(s.stroke.patternOn);
    EXPECT_TRUE(s.fill.patternOn);
    EXPECT_EQ(styles.shape.stroke.color.kind, kPaintGray);  // falls back to its colour
    r = BuildPathStyles(s, 1.0f, FindPattern, &doc, styles);
    EXPECT_FALSE(r.strokePatternMissing) << "the flag is off now: no second alert";
}

TEST(PathStyles, MarkStyleTakesTheStrokeColourButNeverAPattern) {
    PaintSettings s = FactoryPaintSettings();
    s.stroke.rgb = true;
    s.stroke.redOrGray = 0;
    s.stroke.green = 0;
    s.stroke.blue = 255;
    s.stroke.patternOn = true;
    s.stroke.patternNumber = 0;
    s.fill.paintOn = true;
    Document doc{1};
    DerivedStyles styles{};
    BuildPathStyles(s, 2.0f, FindPattern, &doc, styles);
    EXPECT_EQ(styles.shape.stroke.color.kind, kPaintPattern);
    EXPECT_EQ(styles.mark.fillPaint, 0);
    EXPECT_EQ(styles.mark.strokePaint, 1);
    EXPECT_EQ(styles.mark.stroke.color.kind, kPaintRGB);
    EXPECT_EQ(styles.mark.stroke.color.blue, 1.0f);
    EXPECT_EQ(styles.mark.stroke.cap, 1);
    SetStrokeWeights(styles, 0.24f);
    EXPECT_EQ(styles.shape.stroke.width, 0.24f);
    EXPECT_EQ(styles.mark.stroke.width, 0.24f);
}

TEST(PaintSettings, GrayRgbRoundTripSwapAndNothingPainted) {
    // Worked example: gray 40 becomes red 102, and back to 40.
    PaintSide side = FactoryPaintSettings().stroke;
    side.redOrGray = 40;
    side.green = 7;
    ToggleSideRgb(side);
    EXPECT_TRUE(side.rgb);
    EXPECT_FLOAT_EQ(side.redOrGray, 102.0f);
    EXPECT_EQ(side.green, 7.0f);
    ToggleSideRgb(side);
    EXPECT_FALSE(side.rgb);
    EXPECT_FLOAT_EQ(side.redOrGray, 40.0f);

    PaintSettings s = FactoryPaintSettings();
    s.fill.patternNumber = 4;
    SwapPaintSides(s);
    EXPECT_FALSE(s.stroke.paintOn);
    EXPECT_EQ(s.stroke.patternNumber, 4);
    EXPECT_TRUE(s.fill.paintOn);
    EXPECT_FALSE(NothingPainted(s));
    s.fill.paintOn = false;
    EXPECT_TRUE(NothingPainted(s));
    s.stroke.patternOn = true;
    EXPECT_FALSE(NothingPainted(s));
}
