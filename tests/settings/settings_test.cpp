// The settings against an in-memory store: the first start, the start-up
// read with its conversions and fallbacks, and the write sequences that stop
// at the first failure.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "fake_preferences.h"
#include "host/suites.h"
#include "settings/settings.h"

namespace {

using namespace qzv;
using settings_test::Key;
using settings_test::Store;
using settings_test::Value;

// The keys of the general group, the colour group and the closing keys in the
// order the first start writes them (taken from the key table, by hand).
const std::vector<std::string> kLeadingKeys = {
    "OutilsGroupe", "EchelleNum", "EchelleDen", "EchelleNumPerso", "EchelleDenPerso", "Epaisseur",
    "EpaisCentre", "Branches", "ShiftRayon", "ShiftAngle", "Son", "Magnetisme", "Tolerance", "Centre",
    "Tangente", "Alea", "Angle", "Secteur", "LignePoly", "Arrondi", "RotRectangle", "TypeArrondi"};
const std::vector<std::string> kTrailingKeys = {
    "RVBC", "RougeGrisC", "VertC", "BleuC", "Contour", "Fond", "Motif", "MotifContour", "RVBF", "RougeGrisF",
    "VertF", "BleuF", "NumMotif", "NumMotifContour", "EchMotif", "EchMotifContour", "RotMotif",
    "RotMotifContour", "Calque", "kADM_DPVisibleStr", "Precision"};

class SettingsStore : public ::testing::Test {
protected:
    void SetUp() override {
        Store() = {};
        sPreference = settings_test::FakePreferenceSuite();
        SetFactorySettings(s);
    }
    void Put(const char* key, Value v) { Store().values[Key(key)] = v; }
    Settings s{};
};

TEST_F(SettingsStore, FirstStartWritesEveryKeyWithItsDefaultAndNothingElse) {
    EXPECT_TRUE(IsFirstStart());
    ASSERT_EQ(ApplyDefaultSettings(s), kNoErr);
    const auto& w = Store().writes;
    ASSERT_GE(w.size(), kLeadingKeys.size() + kTrailingKeys.size());
    EXPECT_EQ(std::vector<std::string>(w.begin(), w.begin() + kLeadingKeys.size()), kLeadingKeys);
    EXPECT_EQ(std::vector<std::string>(w.end() - kTrailingKeys.size(), w.end()), kTrailingKeys);
    // Between them: the profile's count, symmetry, corners and its point keys (ten slots of six).
    std::set<std::string> profile(w.begin() + kLeadingKeys.size(), w.end() - kTrailingKeys.size());
    EXPECT_EQ(profile.size(), 6u + 60u);
    for (const char* k : {"NbPtsArrondiEdit", "SymetriEdit", "CoinHG", "CoinBG", "CoinBD", "CoinHD", "PtFlEditX0",
                          "PtFlEditY9", "PtINOUTEditIX0", "PtINOUTEditOY9"})
        EXPECT_TRUE(profile.count(k)) << k;
    EXPECT_EQ(Store().values.size(), w.size());   // each key once

    // A few defaults with their host types, from the key table.
    EXPECT_EQ(std::get<double>(Store().values[Key("EchelleNum")]), 1.0);
    EXPECT_EQ(std::get<int32_t>(Store().values[Key("EchelleNumPerso")]), 0);
    EXPECT_EQ(std::get<double>(Store().values[Key("Epaisseur")]), double(0.24f));
    EXPECT_EQ(std::get<int32_t>(Store().values[Key("Tolerance")]), 8);
    EXPECT_EQ(std::get<bool>(Store().values[Key("Magnetisme")]), true);
    EXPECT_EQ(std::get<int32_t>(Store().values[Key("Precision")]), 2);
    EXPECT_EQ(std::get<bool>(Store().values[Key("kADM_DPVisibleStr")]), true);
    EXPECT_EQ(std::get<int32_t>(Store().values[Key("NbPtsArrondiEdit")]), 2);
    EXPECT_EQ(std::get<double>(Store().values[Key("PtFlEditX0")]), 18.0);   // 12 + 6
    EXPECT_EQ(std::get<double>(Store().values[Key("PtFlEditY0")]), 6.0);    // 0 + 6
    EXPECT_FALSE(IsFirstStart());
}

TEST_F(SettingsStore, SecondStartReadsTheDefaultsBackUnchanged) {
    ASSERT_EQ(ApplyDefaultSettings(s), kNoErr);
    Settings again{};
    SetFactorySettings(again);
    again.general.Epaisseur = 99;   // must be overwritten by the read
    size_t writes = Store().writes.size();
    ReadSettings(again);
    EXPECT_EQ(Store().writes.size(), writes);   // a stored profile is not written again
    EXPECT_EQ(memcmp(&again.general, &s.general, sizeof s.general), 0);
    EXPECT_EQ(again.EchelleNumPerso, 1);   // stored 0 reads as 1
    EXPECT_EQ(again.profile.count, 2);
    EXPECT_EQ(again.profile.x[0], 12.0f);
    EXPECT_EQ(again.profile.y[1], 12.0f);
    EXPECT_EQ(again.paint.stroke.redOrGray, 100.0f);
}

TEST_F(SettingsStore, ScaleTermsAreTruncatedAndAtLeastOne) {
    struct Case {
        double stored;
        int32_t read;
    } cases[] = {{0, 1}, {-3, 1}, {0.5, 1}, {2.9, 2}, {7, 7}, {1e12, 2147483647}};
    for (const Case& c : cases) {
        Put("EchelleNum", c.stored);
        Put("EchelleDen", c.stored);
        s.general.EchelleNum = s.general.EchelleDen = 42;
        ReadSettings(s);
        EXPECT_EQ(s.general.EchelleNum, c.read) << c.stored;
        EXPECT_EQ(s.general.EchelleDen, c.read) << c.stored;
    }
    Put("EchelleNumPerso", int32_t(0));
    Put("EchelleDenPerso", int32_t(-5));
    ReadSettings(s);
    EXPECT_EQ(s.EchelleNumPerso, 1);
    EXPECT_EQ(s.EchelleDenPerso, 1);
}

TEST_F(SettingsStore, ReadKeepsFieldsOnMissingOrStrangeValues) {
    s.general.TypeArrondi = 1;
    Put("TypeArrondi", int32_t(7));
    Put("Epaisseur", std::string("not a real"));   // another type: the field stays
    s.general.Epaisseur = 3.5f;
    s.paint.fill.patternScale = 55;
    s.paint.stroke.patternAngle = 45;
    ReadSettings(s);
    EXPECT_EQ(s.general.TypeArrondi, 1);
    EXPECT_EQ(s.general.Epaisseur, 3.5f);
    EXPECT_EQ(s.paint.fill.patternScale, 100.0f);   // missing pattern scale falls back to 100
    EXPECT_EQ(s.paint.stroke.patternAngle, 0.0f);   // missing pattern angle falls back to 0
    Put("TypeArrondi", int32_t(0));
    ReadSettings(s);
    EXPECT_EQ(s.general.TypeArrondi, 0);
}

TEST_F(SettingsStore, ProfileCountZeroWritesTheDefaultProfileBack) {
    Put("NbPtsArrondiEdit", int32_t(0));
    s.profile.count = 5;
    ReadSettings(s);
    EXPECT_EQ(s.profile.count, 2);
    EXPECT_EQ(std::get<int32_t>(Store().values[Key("NbPtsArrondiEdit")]), 2);
    EXPECT_EQ(std::get<double>(Store().values[Key("PtFlEditX0")]), 18.0);
    EXPECT_EQ(std::get<double>(Store().values[Key("PtFlEditY1")]), 18.0);
    EXPECT_TRUE(Store().values.count(Key("CoinHD")));
}

TEST_F(SettingsStore, ProfilePointsCarryTheStoredOffset) {
    Put("NbPtsArrondiEdit", int32_t(3));
    Put("PtFlEditX0", 0.0);            // -6 stored as 0.0
    Put("PtFlEditY2", 18.0);           // 12
    Put("PtINOUTEditIX1", 6.5);        // 0.5
    Put("PtINOUTEditOY2", 7.0);        // 1
    ReadSettings(s);
    EXPECT_EQ(s.profile.count, 3);
    EXPECT_EQ(s.profile.x[0], -6.0f);
    EXPECT_EQ(s.profile.y[2], 12.0f);
    EXPECT_EQ(s.profile.inX[1], 0.5f);
    EXPECT_EQ(s.profile.outY[2], 1.0f);
    // A count beyond the arrays is held to twenty entries.
    Put("NbPtsArrondiEdit", int32_t(300));
    Put("PtFlEditX19", 8.0);
    ReadSettings(s);
    EXPECT_EQ(s.profile.count, 20);
    EXPECT_EQ(s.profile.x[19], 2.0f);
}

TEST_F(SettingsStore, EveryStoredValueReachesItsField) {
    // A non-default value for every general key, chosen by hand.
    Put("OutilsGroupe", true);
    Put("EchelleNum", 3.0);
    Put("EchelleDen", 4.0);
    Put("EchelleNumPerso", int32_t(5));
    Put("EchelleDenPerso", int32_t(6));
    Put("Epaisseur", 1.5);
    Put("EpaisCentre", 0.5);
    Put("Branches", 10.0);
    Put("ShiftRayon", 20.0);
    Put("ShiftAngle", 0.5);
    Put("Son", true);
    Put("Magnetisme", false);
    Put("Tolerance", int32_t(12));
    Put("Centre", false);
    Put("Tangente", false);
    Put("Alea", false);
    Put("Angle", 0.25);
    Put("Secteur", false);
    Put("LignePoly", false);
    Put("Arrondi", 7.0);
    Put("RotRectangle", 0.75);
    Put("TypeArrondi", int32_t(1));
    Put("Calque", true);
    Put("Precision", int32_t(4));
    Put("RVBC", true);
    Put("RougeGrisC", 200.0);
    Put("VertC", 100.0);
    Put("BleuC", 50.0);
    Put("Contour", false);
    Put("Fond", true);
    Put("Motif", true);
    Put("MotifContour", true);
    Put("NumMotif", int32_t(3));
    Put("NumMotifContour", int32_t(2));
    Put("EchMotif", 50.0);
    Put("RotMotifContour", -90.0);
    Put("NbPtsArrondiEdit", int32_t(2));   // a stored profile: its flags are read, not rewritten
    Put("SymetriEdit", true);
    Put("CoinBD", false);
    ReadSettings(s);
    const GeneralSettings& g = s.general;
    EXPECT_TRUE(g.OutilsGroupe);
    EXPECT_EQ(g.EchelleNum, 3);
    EXPECT_EQ(g.EchelleDen, 4);
    EXPECT_EQ(s.EchelleNumPerso, 5);
    EXPECT_EQ(s.EchelleDenPerso, 6);
    EXPECT_EQ(g.Epaisseur, 1.5f);
    EXPECT_EQ(g.EpaisCentre, 0.5f);
    EXPECT_EQ(g.Branches, 10.0f);
    EXPECT_EQ(g.ShiftRayon, 20.0f);
    EXPECT_EQ(g.ShiftAngle, 0.5f);
    EXPECT_TRUE(g.Son);
    EXPECT_FALSE(g.Magnetisme);
    EXPECT_EQ(g.Tolerance, 12);
    EXPECT_FALSE(g.Centre);
    EXPECT_FALSE(g.Tangente);
    EXPECT_FALSE(g.Alea);
    EXPECT_EQ(g.Angle, 0.25f);
    EXPECT_FALSE(g.Secteur);
    EXPECT_FALSE(g.LignePoly);
    EXPECT_EQ(g.Arrondi, 7.0f);
    EXPECT_EQ(g.RotRectangle, 0.75f);
    EXPECT_EQ(g.TypeArrondi, 1);
    EXPECT_TRUE(g.Calque);
    EXPECT_EQ(g.Precision, 4);
    EXPECT_TRUE(s.paint.stroke.rgb);
    EXPECT_EQ(s.paint.stroke.redOrGray, 200.0f);
    EXPECT_EQ(s.paint.stroke.green, 100.0f);
    EXPECT_EQ(s.paint.stroke.blue, 50.0f);
    EXPECT_FALSE(s.paint.stroke.paintOn);
    EXPECT_TRUE(s.paint.fill.paintOn);
    EXPECT_TRUE(s.paint.fill.patternOn);
    EXPECT_TRUE(s.paint.stroke.patternOn);
    EXPECT_EQ(s.paint.fill.patternNumber, 3);
    EXPECT_EQ(s.paint.stroke.patternNumber, 2);
    EXPECT_EQ(s.paint.fill.patternScale, 50.0f);
    EXPECT_EQ(s.paint.stroke.patternAngle, -90.0f);
    EXPECT_TRUE(s.profile.symmetric);
    EXPECT_FALSE(s.profile.cornerBottomRight);
    EXPECT_EQ(memcmp(&s.pending, &s.general, sizeof s.general), 0);   // the dialog starts from the settings
}

TEST_F(SettingsStore, FailedWriteStopsTheFirstStartSequence) {
    Put("Son", true);   // stored before; must survive
    Store().writesBeforeFailure = 5;   // the sixth write ("Epaisseur") fails
    EXPECT_EQ(ApplyDefaultSettings(s), kErrWriteFailed);
    EXPECT_EQ(Store().writes.size(), 5u);
    EXPECT_EQ(Store().writes.back(), "EchelleDenPerso");
    EXPECT_FALSE(Store().values.count(Key("Epaisseur")));
    EXPECT_EQ(std::get<bool>(Store().values[Key("Son")]), true);
    EXPECT_FALSE(s.general.Son);   // the in-memory defaults stay set
}

TEST_F(SettingsStore, CommitWritesInOrderAndClearsTheFlagOnlyOnSuccess) {
    s.pending.TypeArrondi = 1;
    s.pending.Epaisseur = 2.0f;
    s.pending.Precision = 3;
    s.prefsDialogOpen = true;
    Store().writesBeforeFailure = 4;   // "Epaisseur", the fifth, fails
    Put("Precision", int32_t(2));
    EXPECT_EQ(CommitPreferences(s), kErrWriteFailed);
    EXPECT_EQ(Store().writes, (std::vector<std::string>{"TypeArrondi", "EchelleNum", "EchelleDen", "OutilsGroupe"}));
    EXPECT_EQ(std::get<int32_t>(Store().values[Key("Precision")]), 2);   // not reached: old value kept
    EXPECT_EQ(s.general.Epaisseur, 2.0f);                                // copied before the writes
    EXPECT_TRUE(s.prefsDialogOpen);

    Store().writes.clear();
    Store().writesBeforeFailure = -1;
    EXPECT_EQ(CommitPreferences(s), kNoErr);
    EXPECT_EQ(Store().writes.size(), 22u);
    EXPECT_EQ(Store().writes.back(), "Precision");
    EXPECT_EQ(std::get<int32_t>(Store().values[Key("Precision")]), 3);
    EXPECT_FALSE(s.prefsDialogOpen);
}

TEST(RoundingStep, TenthsByRepeatedDivision) {
    EXPECT_EQ(RoundingStep(0), 1.0f);
    EXPECT_EQ(RoundingStep(2), 1.0f / 10.0f / 10.0f);
    EXPECT_EQ(RoundingStep(5), 1.0f / 10.0f / 10.0f / 10.0f / 10.0f / 10.0f);
    EXPECT_EQ(RoundingStep(-1), 1.0f);
}

}  // namespace
