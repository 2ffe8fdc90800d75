// The acquisition bracket around every message, against a scripted basic
// table: which suites are asked for, where a failure stops the walk, what
// the user is told, and how nesting and release failures behave.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "host/suites.h"
#include "plugin/suite_table.h"

namespace {

using namespace qzv;

struct Script {
    std::vector<std::string> acquired;   // "name/version" in call order
    std::vector<std::string> released;
    int failAcquireAt = -1;              // 0-based call index that fails
    int failReleaseAt = -1;
    std::vector<std::string> alerts;
} gScript;

int gDummy;
void RecordAlert(const char* text) { gScript.alerts.push_back(text); }
DlgBasicSuite gFakeDlgBasic = {nullptr, nullptr, RecordAlert, nullptr, nullptr, nullptr, nullptr};

const HostErr kRefused = HOST_ERR4('N', 'O', 'P', 'E');

HostBool IsEqual(const char* a, const char* b) { return std::strcmp(a, b) == 0; }
HostErr Acquire(const char* name, int32_t version, const void** suite) {
    int index = static_cast<int>(gScript.acquired.size());
    gScript.acquired.push_back(std::string(name) + "/" + std::to_string(version));
    if (index == gScript.failAcquireAt) return kRefused;
    *suite = std::strcmp(name, kDlgBasicSuiteName) == 0 ? static_cast<const void*>(&gFakeDlgBasic)
                                                         : static_cast<const void*>(&gDummy);
    return kNoErr;
}
HostErr Release(const char* name, int32_t version) {
    int index = static_cast<int>(gScript.released.size());
    gScript.released.push_back(std::string(name) + "/" + std::to_string(version));
    return index == gScript.failReleaseAt ? kRefused : kNoErr;
}
const BasicSuite kBasic = {IsEqual, Acquire, Release, nullptr, nullptr};

class SuiteBracket : public ::testing::Test {
protected:
    void SetUp() override {
        gScript = Script{};
        sBasic = &kBasic;
        gSuiteNesting = 0;
        for (const SuiteEntry& e : kSuiteTable) *e.destination = nullptr;
    }
};

TEST_F(SuiteBracket, TableHasTheFixedOrderAndSharedEntries) {
    ASSERT_EQ(kSuiteTableSize, 119);
    EXPECT_STREQ(kSuiteTable[0].name, "SP Blocks Suite");
    EXPECT_STREQ(kSuiteTable[14].name, "ADM Basic Suite");
    EXPECT_EQ(kSuiteTable[14].version, 11);
    // Two versions of the icon suite fill two pointers.
    EXPECT_STREQ(kSuiteTable[17].name, "ADM Icon Suite");
    EXPECT_STREQ(kSuiteTable[18].name, "ADM Icon Suite");
    EXPECT_NE(kSuiteTable[17].destination, kSuiteTable[18].destination);
    // The tracker suite appears twice and fills one pointer.
    EXPECT_STREQ(kSuiteTable[19].name, "ADM Tracker Suite");
    EXPECT_STREQ(kSuiteTable[28].name, "ADM Tracker Suite");
    EXPECT_EQ(kSuiteTable[19].destination, kSuiteTable[28].destination);
    EXPECT_STREQ(kSuiteTable[44].name, "AI Random Suite");
    EXPECT_STREQ(kSuiteTable[45].name, "ATE ApplicationPaint Suite");
    EXPECT_STREQ(kSuiteTable[118].name, "ATE WordsIterator Suite");
    int version101 = 0;
    for (int i = 45; i < 119; ++i) version101 += kSuiteTable[i].version == 101;
    EXPECT_EQ(version101, 8);
}

TEST_F(SuiteBracket, OutermostCallAcquiresAndReleasesEverything) {
    ASSERT_EQ(SuitesAcquire(), kNoErr);
    EXPECT_EQ(gScript.acquired.size(), 119u);
    EXPECT_EQ(sArt, static_cast<const void*>(&gDummy));
    // A nested call reuses the suites: no second walk, no release.
    ASSERT_EQ(SuitesAcquire(), kNoErr);
    SuitesRelease();
    EXPECT_EQ(gScript.acquired.size(), 119u);
    EXPECT_TRUE(gScript.released.empty());
    EXPECT_NE(sArt, nullptr);
    SuitesRelease();
    EXPECT_EQ(gScript.released, gScript.acquired);   // same order, tracker twice
    EXPECT_EQ(sArt, nullptr);
    EXPECT_EQ(sTracker, nullptr);
    EXPECT_EQ(gSuiteNesting, 0);
}

TEST_F(SuiteBracket, FailureAmongTheFirstFourteenIsSilent) {
    gScript.failAcquireAt = 5;   // "AI Art Suite"
    EXPECT_EQ(SuitesAcquire(), kRefused);
    EXPECT_EQ(gScript.acquired.size(), 6u);   // the walk stopped at the failure
    EXPECT_TRUE(gScript.alerts.empty());
    EXPECT_EQ(gSuiteNesting, 1);              // the bracket is entered anyway
    SuitesRelease();
    EXPECT_EQ(gSuiteNesting, 0);
}

TEST_F(SuiteBracket, FailureAfterTheDialogBasicSuiteIsShown) {
    gScript.failAcquireAt = 30;   // entry 31, "AI Document View Suite" 10
    EXPECT_EQ(SuitesAcquire(), kRefused);
    ASSERT_EQ(gScript.alerts.size(), 1u);
    // The code of 'NOPE' in decimal, computed independently.
    const long code = ('N' << 24) | ('O' << 16) | ('P' << 8) | 'E';
    EXPECT_EQ(gScript.alerts[0],
              "Error: " + std::to_string(code) + ", suite: AI Document View Suite, version: 10!");
    SuitesRelease();
}

TEST_F(SuiteBracket, FailureOfTheDialogBasicSuiteItselfIsSilent) {
    gScript.failAcquireAt = 14;
    EXPECT_EQ(SuitesAcquire(), kRefused);
    EXPECT_TRUE(gScript.alerts.empty());
    SuitesRelease();
}

TEST_F(SuiteBracket, ReleaseFailureStopsTheWalkAndKeepsTheRest) {
    ASSERT_EQ(SuitesAcquire(), kNoErr);
    gScript.failReleaseAt = 7;   // entry 8, the path suite
    SuitesRelease();
    EXPECT_EQ(gScript.released.size(), 8u);
    EXPECT_EQ(sArt, nullptr);                                     // released before the failure
    EXPECT_EQ(sPath, static_cast<const void*>(&gDummy));          // its release failed
    EXPECT_EQ(sPathStyle, static_cast<const void*>(&gDummy));     // never reached
    EXPECT_EQ(gSuiteNesting, 0);
}

}  // namespace
