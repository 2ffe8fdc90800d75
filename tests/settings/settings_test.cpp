// The settings against an in-memory store: the first start, the start-up
// read with its conversions and fallbacks, and the write sequences that stop
// at the first failure.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "fake_preferences.h"
#include "host/suites.h"
#include "settings/settings.h"

bool operator==(const IntPoint& a, const IntPoint& b) { return a.h == b.h && a.v == b.v; }

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

// Every key of the general and paint groups with a value of its own, none
// equal to another key's or to a default, and the field that must receive
// it: a key read into the wrong field shows as a wrong value.
struct KeyToField {
    const char* key;
    Value stored;
    double expected;                     // the field's value after the read
    double (*field)(const Settings&);
};

#define FIELD(expr) [](const Settings& s) -> double { return static_cast<double>(expr); }

const KeyToField kEveryKey[] = {
    {"OutilsGroupe", true, 1, FIELD(s.general.OutilsGroupe)},
    {"EchelleNum", 3.7, 3, FIELD(s.general.EchelleNum)},   // truncated
    {"EchelleDen", 4.0, 4, FIELD(s.general.EchelleDen)},
    {"EchelleNumPerso", int32_t(5), 5, FIELD(s.EchelleNumPerso)},
    {"EchelleDenPerso", int32_t(6), 6, FIELD(s.EchelleDenPerso)},
    {"Epaisseur", 1.5, 1.5, FIELD(s.general.Epaisseur)},
    {"EpaisCentre", 0.5, 0.5, FIELD(s.general.EpaisCentre)},
    {"Branches", 10.25, 10.25, FIELD(s.general.Branches)},
    {"ShiftRayon", 20.5, 20.5, FIELD(s.general.ShiftRayon)},
    {"ShiftAngle", 0.375, 0.375, FIELD(s.general.ShiftAngle)},
    {"Son", true, 1, FIELD(s.general.Son)},
    {"Magnetisme", false, 0, FIELD(s.general.Magnetisme)},
    {"Tolerance", int32_t(12), 12, FIELD(s.general.Tolerance)},
    {"Centre", false, 0, FIELD(s.general.Centre)},
    {"Tangente", false, 0, FIELD(s.general.Tangente)},
    {"Alea", false, 0, FIELD(s.general.Alea)},
    {"Angle", 0.25, 0.25, FIELD(s.general.Angle)},
    {"Secteur", false, 0, FIELD(s.general.Secteur)},
    {"LignePoly", false, 0, FIELD(s.general.LignePoly)},
    {"Arrondi", 7.0, 7, FIELD(s.general.Arrondi)},
    {"RotRectangle", 0.75, 0.75, FIELD(s.general.RotRectangle)},
    {"TypeArrondi", int32_t(1), 1, FIELD(s.general.TypeArrondi)},
    {"Calque", true, 1, FIELD(s.general.Calque)},
    {"Precision", int32_t(4), 4, FIELD(s.general.Precision)},
    {"RVBC", true, 1, FIELD(s.paint.stroke.rgb)},
    {"RougeGrisC", 201.0, 201, FIELD(s.paint.stroke.redOrGray)},
    {"VertC", 102.0, 102, FIELD(s.paint.stroke.green)},
    {"BleuC", 53.0, 53, FIELD(s.paint.stroke.blue)},
    {"Contour", false, 0, FIELD(s.paint.stroke.paintOn)},
    {"Fond", true, 1, FIELD(s.paint.fill.paintOn)},
    {"Motif", true, 1, FIELD(s.paint.fill.patternOn)},
    {"MotifContour", true, 1, FIELD(s.paint.stroke.patternOn)},
    {"RVBF", true, 1, FIELD(s.paint.fill.rgb)},
    {"RougeGrisF", 204.0, 204, FIELD(s.paint.fill.redOrGray)},
    {"VertF", 105.0, 105, FIELD(s.paint.fill.green)},
    {"BleuF", 56.0, 56, FIELD(s.paint.fill.blue)},
    {"NumMotif", int32_t(3), 3, FIELD(s.paint.fill.patternNumber)},
    {"NumMotifContour", int32_t(2), 2, FIELD(s.paint.stroke.patternNumber)},
    {"EchMotif", 50.0, 50, FIELD(s.paint.fill.patternScale)},
    {"EchMotifContour", 60.0, 60, FIELD(s.paint.stroke.patternScale)},
    {"RotMotif", -45.0, -45, FIELD(s.paint.fill.patternAngle)},
    {"RotMotifContour", -90.0, -90, FIELD(s.paint.stroke.patternAngle)},
    {"SymetriEdit", true, 1, FIELD(s.profile.symmetric)},
    {"CoinHG", false, 0, FIELD(s.profile.cornerTopLeft)},
    {"CoinBG", true, 1, FIELD(s.profile.cornerBottomLeft)},
    {"CoinBD", false, 0, FIELD(s.profile.cornerBottomRight)},
    {"CoinHD", false, 0, FIELD(s.profile.cornerTopRight)},
};

TEST_F(SettingsStore, EveryStoredKeyReachesItsOwnField) {
    for (const KeyToField& k : kEveryKey) Put(k.key, k.stored);
    Put("NbPtsArrondiEdit", int32_t(2));   // a stored profile: its flags are read, not rewritten
    Put("CoinBG", true);
    ReadSettings(s);
    for (const KeyToField& k : kEveryKey) EXPECT_EQ(k.field(s), k.expected) << k.key;
    EXPECT_EQ(memcmp(&s.pending, &s.general, sizeof s.general), 0);   // the dialog starts from the settings
}

// The key table's defaults, written by the first start: every key once,
// with its value and host type.
TEST_F(SettingsStore, FirstStartWritesEveryDefaultOfTheKeyTable) {
    const std::pair<const char*, Value> defaults[] = {
        {"OutilsGroupe", false}, {"EchelleNum", 1.0}, {"EchelleDen", 1.0}, {"EchelleNumPerso", int32_t(0)},
        {"EchelleDenPerso", int32_t(0)}, {"Epaisseur", double(0.24f)}, {"EpaisCentre", double(0.24f)},
        {"Branches", double(8.503937f)}, {"ShiftRayon", double(14.173228f)}, {"ShiftAngle", double(0.17453292f)},
        {"Son", false}, {"Magnetisme", true}, {"Tolerance", int32_t(8)}, {"Centre", true}, {"Tangente", true},
        {"Alea", true}, {"Angle", 0.0}, {"Secteur", true}, {"LignePoly", true}, {"Arrondi", 12.0},
        {"RotRectangle", 0.0}, {"TypeArrondi", int32_t(0)}, {"NbPtsArrondiEdit", int32_t(2)},
        {"SymetriEdit", false}, {"CoinHG", true}, {"CoinBG", true}, {"CoinBD", true}, {"CoinHD", true},
        {"RVBC", false}, {"RougeGrisC", 100.0}, {"VertC", 0.0}, {"BleuC", 0.0}, {"Contour", true},
        {"Fond", false}, {"Motif", false}, {"MotifContour", false}, {"RVBF", false}, {"RougeGrisF", 100.0},
        {"VertF", 0.0}, {"BleuF", 0.0}, {"NumMotif", int32_t(1)}, {"NumMotifContour", int32_t(1)},
        {"EchMotif", 100.0}, {"EchMotifContour", 100.0}, {"RotMotif", 0.0}, {"RotMotifContour", 0.0},
        {"Calque", false}, {"kADM_DPVisibleStr", true}, {"Precision", int32_t(2)}};
    ASSERT_EQ(ApplyDefaultSettings(s), kNoErr);
    for (const auto& [key, value] : defaults) {
        ASSERT_TRUE(Store().values.count(Key(key))) << key;
        EXPECT_EQ(Store().values[Key(key)], value) << key;
        EXPECT_EQ(std::count(Store().writes.begin(), Store().writes.end(), std::string(key)), 1) << key;
    }
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

// The step is the value of one unit of the last decimal shown.
TEST(RoundingStep, OneUnitOfTheLastDecimalShown) {
    EXPECT_EQ(RoundingStep(0), 1.0f);
    EXPECT_EQ(RoundingStep(-1), 1.0f);
    for (int decimals = 1; decimals <= 5; ++decimals)
        EXPECT_NEAR(RoundingStep(decimals) * std::pow(10.0, decimals), 1.0, 1e-6) << decimals;
}

}  // namespace
