// Number to text and back, in every unit. Expected texts come from the unit
// sizes (1 in = 72 pt = 25.4 mm, 1 pc = 12 pt) and the comma decimal mark.
#include <gtest/gtest.h>

#include <cmath>

#include "dialogs/number_text.h"
#include "sdk_all.h"

namespace {

using drawhost::DlgTextToValue;
using drawhost::DlgValueToText;

TEST(NumberText, EachUnitShowsItsOwnSizeAndSuffix) {
    EXPECT_EQ(DlgValueToText(72, kUnitsInches, 2), "1,00 in");
    EXPECT_EQ(DlgValueToText(2.8346457f, kUnitsMillimeters, 1), "1,0 mm");
    EXPECT_EQ(DlgValueToText(28.346457f, kUnitsCentimeters, 2), "1,00 cm");
    EXPECT_EQ(DlgValueToText(30, kUnitsPicas, 1), "2,5 pc");
    EXPECT_EQ(DlgValueToText(1.26f, kUnitsPoints, 1), "1,3 pt");
    EXPECT_EQ(DlgValueToText(45, kUnitsDegrees, 0), "45°");
    EXPECT_EQ(DlgValueToText(12.5f, kUnitsPercent, 1), "12,5 %");
    EXPECT_EQ(DlgValueToText(3, kUnitsPixels, 0), "3 px");
    EXPECT_EQ(DlgValueToText(-1.6f, kUnitsNone, 0), "-2");
}

TEST(NumberText, PrecisionKeepsTrailingZerosAndNeverShowsMinusZero) {
    EXPECT_EQ(DlgValueToText(2, kUnitsNone, 3), "2,000");
    EXPECT_EQ(DlgValueToText(-0.001f, kUnitsNone, 2), "0,00");
    EXPECT_EQ(DlgValueToText(1, kUnitsNone, 9), "1,000000");   // at most six decimals
    EXPECT_EQ(DlgValueToText(1, kUnitsNone, -1), "1");
}

TEST(NumberText, TextReadsInTheFieldsUnitUnlessItNamesAnother) {
    float v = 0;
    ASSERT_TRUE(DlgTextToValue("5", kUnitsMillimeters, &v));
    EXPECT_FLOAT_EQ(v, 5 * 72 / 25.4f);   // lengths come back in points
    ASSERT_TRUE(DlgTextToValue("10 mm", kUnitsPoints, &v));
    EXPECT_FLOAT_EQ(v, 10 * 72 / 25.4f);
    ASSERT_TRUE(DlgTextToValue("1 in", kUnitsMillimeters, &v));
    EXPECT_FLOAT_EQ(v, 72);
    ASSERT_TRUE(DlgTextToValue("  -0,5 pt ", kUnitsPoints, &v));
    EXPECT_FLOAT_EQ(v, -0.5f);
    ASSERT_TRUE(DlgTextToValue("2.5", kUnitsNone, &v));
    EXPECT_FLOAT_EQ(v, 2.5f);
    ASSERT_TRUE(DlgTextToValue("30°", kUnitsDegrees, &v));
    EXPECT_FLOAT_EQ(v, 30);
}

// What a French or an English user types: either decimal mark, blanks
// around, the field's own unit named; "-0" is plain zero.
TEST(NumberText, FrenchAndEnglishDecimalsAndBlanksReadAlike) {
    for (const char* typed : {"12,5", "12.5", "  12,5 mm", "\t12.5mm ", "+12,5"}) {
        float v = 0;
        ASSERT_TRUE(DlgTextToValue(typed, kUnitsMillimeters, &v)) << typed;
        EXPECT_FLOAT_EQ(v, 12.5f * 72 / 25.4f) << typed;
    }
    float zero = 7;
    ASSERT_TRUE(DlgTextToValue("-0", kUnitsPoints, &zero));
    EXPECT_EQ(zero, 0.0f);
    EXPECT_FALSE(std::signbit(zero));
    ASSERT_TRUE(DlgTextToValue("-0,0 mm", kUnitsMillimeters, &zero));
    EXPECT_FALSE(std::signbit(zero));
    EXPECT_EQ(DlgValueToText(zero, kUnitsMillimeters, 2), "0,00 mm");
}

TEST(NumberText, WhatIsNotANumberLeavesTheValueAlone) {
    for (const char* bad : {"", "  ", "abc", "12abc", "1,2,3", "-", "nan", "inf", "30 mm", "1e40", "12,5 m m"}) {
        float v = 7;
        EXPECT_FALSE(DlgTextToValue(bad, kUnitsDegrees, &v)) << bad;
        EXPECT_EQ(v, 7) << bad;
    }
}

// What a field shows reads back within half its last decimal.
TEST(NumberText, ShownTextReadsBackWithinItsPrecision) {
    struct Unit {
        int32_t units;
        double pointsPerUnit;
    };
    const Unit units[] = {{kUnitsPoints, 1},        {kUnitsInches, 72},   {kUnitsMillimeters, 72 / 25.4},
                          {kUnitsCentimeters, 72 / 2.54}, {kUnitsPicas, 12}, {kUnitsNone, 1},
                          {kUnitsDegrees, 1},       {kUnitsPercent, 1}};
    for (const Unit& u : units) {
        for (int precision = 0; precision <= 4; ++precision) {
            const float value = 123.456f;
            std::string text = DlgValueToText(value, u.units, precision);
            float back = 0;
            ASSERT_TRUE(DlgTextToValue(text, u.units, &back)) << text;
            double tolerance = 0.5 * std::pow(10.0, -precision) * u.pointsPerUnit * 1.001;
            EXPECT_NEAR(back, value, tolerance) << text;
        }
    }
}

}  // namespace
