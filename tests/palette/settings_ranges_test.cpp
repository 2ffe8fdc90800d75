// Settings the palette uses for the first time, read from a store that may
// hold anything: each is brought into the range its control allows, and a
// value that fits is kept as it was stored.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "fake_preferences.h"
#include "host/suites.h"
#include "settings/settings.h"

namespace {

using namespace qzv;
using settings_test::Key;
using settings_test::Store;
using settings_test::Value;

class SettingsRanges : public ::testing::Test {
protected:
    void SetUp() override {
        Store() = {};
        sPreference = settings_test::FakePreferenceSuite();
        SetFactorySettings(s);
        Put("Precision", int32_t{2});
    }
    void TearDown() override { sPreference = nullptr; }
    void Put(const char* key, Value v) { Store().values[Key(key)] = v; }
    Settings s{};
};

// "Precision" counts decimals, 0 to 5: 300 used to wrap to 44 in 8 bits and
// give a rounding step of 1e-44; from 46 up the step was 0.
TEST_F(SettingsRanges, PrecisionStaysWithinZeroToFiveDecimals) {
    const std::pair<int32_t, int8_t> cases[] = {{300, 5}, {46, 5}, {6, 5}, {-1, 0}, {-200, 0}, {3, 3}, {0, 0}};
    for (auto [stored, read] : cases) {
        Put("Precision", stored);
        ReadSettings(s);
        EXPECT_EQ(s.general.Precision, read) << stored;
        EXPECT_GT(RoundingStep(s.general.Precision), 0.0f) << stored;
    }
}

// "Tolerance" is a 16-bit count of pixels, at least 0: 70000 used to read as 4464.
TEST_F(SettingsRanges, ToleranceStaysWithinSixteenBits) {
    const std::pair<int32_t, int16_t> cases[] = {{70000, 32767}, {32768, 32767}, {-5, 0}, {12, 12}, {32767, 32767}};
    for (auto [stored, read] : cases) {
        Put("Tolerance", stored);
        ReadSettings(s);
        EXPECT_EQ(s.general.Tolerance, read) << stored;
    }
}

// A weight or a step no float holds (1e300 used to become infinity) reads as
// missing; a negative one as 0, the controls' minimum.
TEST_F(SettingsRanges, LengthsAndStepsAreFiniteAndNotNegative) {
    Put("Epaisseur", 1e300);
    Put("EpaisCentre", -2.0);
    Put("Branches", std::numeric_limits<double>::quiet_NaN());
    Put("ShiftRayon", -std::numeric_limits<double>::infinity());
    Put("ShiftAngle", 0.5);
    ReadSettings(s);
    EXPECT_EQ(s.general.Epaisseur, 0.24f);   // the factory value stays
    EXPECT_EQ(s.general.EpaisCentre, 0.0f);
    EXPECT_EQ(s.general.Branches, 8.503937f);
    EXPECT_EQ(s.general.ShiftRayon, 14.173228f);
    EXPECT_EQ(s.general.ShiftAngle, 0.5f);
    EXPECT_TRUE(std::isfinite(s.general.Epaisseur));
    // Values that fit are kept exactly as stored (single precision).
    Put("Epaisseur", 1.7);
    Put("Arrondi", -12.5);   // an inverted corner is a real choice
    ReadSettings(s);
    EXPECT_EQ(s.general.Epaisseur, 1.7f);
    EXPECT_EQ(s.general.Arrondi, -12.5f);
}

// The rectangle's rotation is shown in a field of -360 to 360 degrees.
TEST_F(SettingsRanges, TheRectangleRotationStaysWithinOneTurnEitherWay) {
    Put("RotRectangle", 100.0);
    ReadSettings(s);
    EXPECT_FLOAT_EQ(s.general.RotRectangle, 6.2831855f);
    Put("RotRectangle", -7.0);
    ReadSettings(s);
    EXPECT_FLOAT_EQ(s.general.RotRectangle, -6.2831855f);
    Put("RotRectangle", 0.5);
    ReadSettings(s);
    EXPECT_EQ(s.general.RotRectangle, 0.5f);
}

// The custom scale is at least 1/1 after reading, even when its keys are missing.
TEST_F(SettingsRanges, AMissingCustomScaleReadsAsOneOverOne) {
    ReadSettings(s);
    EXPECT_EQ(s.EchelleNumPerso, 1);
    EXPECT_EQ(s.EchelleDenPerso, 1);
    Put("EchelleNumPerso", int32_t{3});
    Put("EchelleDenPerso", int32_t{7});
    ReadSettings(s);
    EXPECT_EQ(s.EchelleNumPerso, 3);
    EXPECT_EQ(s.EchelleDenPerso, 7);
    // A key of another type is no value either.
    Put("EchelleNumPerso", std::string("trois"));
    SetFactorySettings(s);
    ReadSettings(s);
    EXPECT_EQ(s.EchelleNumPerso, 1);
}

}  // namespace
