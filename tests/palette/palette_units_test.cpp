// The palette's arithmetic and tables called directly: where dialogs open,
// which scale entry a scale selects and how the custom one reads; and the
// palette built in-process by a dialog manager that refuses some items.
#include <gtest/gtest.h>

#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstring>

#include "dialogs/dialog_manager.h"
#include "frame/loader.h"
#include "host/suites.h"
#include "host_fixture.h"
#include "palette/palette.h"
#include "palette/palette_placement.h"
#include "palette/palette_scale.h"
#include "plugin/globals.h"
#include "plugin/suite_table.h"

namespace palette_test {
namespace {

using namespace qzv;

// Worked by hand on a 1920 x 1080 screen: ((1920 - w) >> 1, (1080 - h) / 3).
TEST(PalettePlacement, ModalDialogsOpenCentredAThirdOfTheWayDown) {
    const IntRect screen = {0, 0, 1920, 1080};
    const IntRect expected[kModalDialogCount] = {
        {790, 258, 1130, 564}, {864, 325, 1055, 429}, {860, 320, 1060, 440}, {710, 160, 1210, 760}};
    for (const DialogSize& size : kModalDialogSizes) {
        const IntRect r = ModalDialogDefaultRect(screen, size.width, size.height);
        const IntRect& e = expected[size.dialog];
        EXPECT_EQ(r.left, e.left) << size.dialog;
        EXPECT_EQ(r.top, e.top) << size.dialog;
        EXPECT_EQ(r.right, e.right) << size.dialog;
        EXPECT_EQ(r.bottom, e.bottom) << size.dialog;
    }
}

// A screen narrower and lower than the dialog: the shift rounds the left
// edge down (-41 >> 1 = -21), the division the top toward zero (-206 / 3 = -68).
TEST(PalettePlacement, ASmallScreenPutsTheDialogPartlyAboveAndLeftOfIt) {
    const IntRect r = ModalDialogDefaultRect({0, 0, 299, 100}, 340, 306);
    EXPECT_EQ(r.left, -21);
    EXPECT_EQ(r.top, -68);
    EXPECT_EQ(r.right, 319);
    // Extreme screens give a rectangle, not an overflow.
    const IntRect huge = ModalDialogDefaultRect({INT_MIN, INT_MIN, INT_MAX, INT_MAX}, 500, 600);
    EXPECT_LE(huge.left, huge.right);
    EXPECT_LE(huge.top, huge.bottom);
}

TEST(PalettePlacement, ThePalettesCornerAndBounds) {
    const IntPoint corner = PaletteDefaultCorner({0, 0, 1920, 1080});
    EXPECT_EQ(corner.h, 874);
    EXPECT_EQ(corner.v, 323);
    const IntPoint small = PaletteDefaultCorner({0, 0, 100, 100});
    EXPECT_EQ(small.h, -36);   // (100 - 172) / 2
    EXPECT_EQ(small.v, -3);    // (100 - 109) / 3, toward zero
    const IntRect b = PaletteBoundsAt({10, 20}, 172, 90);
    EXPECT_EQ(b.right, 182);
    EXPECT_EQ(b.bottom, 110);
    const IntRect edge = PaletteBoundsAt({INT_MAX, INT_MAX - 10}, 172, 90);
    EXPECT_EQ(edge.right, INT_MAX);
    EXPECT_EQ(edge.bottom, INT_MAX);
    EXPECT_EQ(edge.right - edge.left, 172);
    const IntRect low = PaletteBoundsAt({INT_MIN, INT_MIN}, 172, 90);
    EXPECT_EQ(low.right, INT_MIN + 172);
}

struct ScaleRow {
    int32_t numerator, denominator, entry;
};

TEST(PaletteScale, EachListedScaleHasItsEntryAndAnyOtherIsTheCustomOne) {
    // The popup's list of scales, in order, with their entry ids.
    const ScaleRow listed[] = {{1, 100, 0}, {1, 50, 1}, {1, 25, 2}, {1, 10, 3}, {1, 5, 4},   {1, 4, 5},
                               {1, 3, 6},   {1, 2, 7},  {1, 1, 9},  {2, 1, 11}, {3, 1, 12},  {4, 1, 13},
                               {5, 1, 14},  {10, 1, 15}, {25, 1, 16}, {50, 1, 17}, {100, 1, 18}};
    for (const ScaleRow& row : listed)
        EXPECT_EQ(ScaleEntryFor(row.numerator, row.denominator), row.entry) << row.numerator << "/" << row.denominator;
    for (const ScaleRow& other : {ScaleRow{3, 7, 0}, ScaleRow{2, 2, 0}, ScaleRow{100, 100, 0}, ScaleRow{1, 1000, 0},
                                  ScaleRow{0, 0, 0}, ScaleRow{-1, 1, 0}})
        EXPECT_EQ(ScaleEntryFor(other.numerator, other.denominator), kScaleEntryCustom);
}

TEST(PaletteScale, NumbersLoseOnlyAFractionOfZeros) {
    const char* cases[][2] = {{"3,00000", "3"}, {"2,50000", "2,5"}, {"10,00500", "10,005"},
                              {"100", "100"},   {"0,00000", "0"},   {"7.000", "7"}};
    for (auto& c : cases) {
        char text[32];
        strcpy(text, c[0]);
        TrimZeroFraction(text);
        EXPECT_STREQ(text, c[1]) << c[0];
    }
}

class PaletteInProcess : public drawhost_test::HostTest {
protected:
    void BindHostSuites() {
        sBasic = drawhost::HostBasicSuite();
        for (const SuiteEntry& e : kSuiteTable) *e.destination = drawhost::HostFindSuite(e.name, e.version);
    }
    void TearDown() override {
        gGlobals = nullptr;
        gSuiteNesting = 0;
        for (const SuiteEntry& e : kSuiteTable) *e.destination = nullptr;
        HostTest::TearDown();
    }
};

TEST_F(PaletteInProcess, TheCustomScaleReadsNumeratorSlashDenominator) {
    BindHostSuites();
    char text[80];
    CustomScaleText(3, 7, text, sizeof text);
    EXPECT_STREQ(text, "3/7");
    CustomScaleText(125, 1, text, sizeof text);
    EXPECT_STREQ(text, "125/1");
    CustomScaleText(0, 0, text, sizeof text);
    EXPECT_STREQ(text, "…/…");
    CustomScaleText(12345, 678, text, 6);   // cut, never overrun
    EXPECT_STREQ(text, "12345");
}

// The dialog manager in front of drawhost's, refusing to make some items.
const DlgItemSuite* gRealItems = nullptr;
DlgItemSuite gRefusingItems;
ItemRef RefuseSome(DialogRef dialog, int32_t id, const char* type, const IntRect* bounds, ItemInitProc init,
                   void* data) {
    for (int32_t refused : {63, 14, 53, 60, 78})
        if (id == refused) return nullptr;
    return gRealItems->Create(dialog, id, type, bounds, init, data);
}

HostErr AnEntryPoint(const char*, const char*, void*) { return kNoErr; }

// Items the dialog manager did not make are simply absent: the palette is
// still built, laid out, shown, driven and destroyed.
TEST_F(PaletteInProcess, ThePaletteWorksWithoutTheItemsTheDialogManagerRefused) {
    auto plugin = std::make_unique<drawhost::LoadedPlugin>();
    plugin->folder = QZV_PLUGINS_DIR "/Orbiquad";
    plugin->entry = AnEntryPoint;   // procedures of a loaded plug-in are called
    drawhost::LoadedPlugin* p = plugin.get();
    drawhost::TheHost().plugins.push_back(std::move(plugin));
    BindHostSuites();
    gRealItems = sItem;
    gRefusingItems = *sItem;
    gRefusingItems.Create = RefuseSome;
    sItem = &gRefusingItems;
    gSuiteNesting = 1;   // as inside a message: the procedures keep these suites

    Globals globals{};
    gGlobals = &globals;
    SetFactorySettings(globals.settings);
    ResetWorkingValues(globals.settings);
    globals.settings.general.EchelleNum = 2;   // the palette takes its working values from the settings
    MenuItemHandle menu = nullptr;
    ASSERT_EQ(sMenu->AddMenuItem(drawhost::RefOf(p), "Outil5", kToolPalettesMenuGroup, "Afficher QZV•Orbiquad", 0, &menu),
              kNoErr);
    globals.paletteMenuItem = menu;
    globals.tool.radius = 40.0f;   // left from before: the palette starts from no radius

    ASSERT_EQ(PaletteCreate(drawhost::RefOf(p)), kNoErr);
    ASSERT_NE(globals.palette, nullptr);
    drawhost::DlgDialog* d = drawhost::DlgDialogByName("QZVARC");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(drawhost::DlgItemById(*d, 63), nullptr);
    ASSERT_NE(drawhost::DlgItemById(*d, 13), nullptr);
    EXPECT_TRUE(drawhost::DlgItemById(*d, 13)->visible);   // the scale 2/1 is shown without its popup
    EXPECT_EQ(d->bounds.right - d->bounds.left, 172);
    EXPECT_EQ(drawhost::DlgItemById(*d, 10)->number, 0.0f);

    globals.currentTool = kToolCircle;
    PaletteOnToolSelected();
    EXPECT_TRUE(drawhost::DlgItemById(*d, 50)->enabled);
    EXPECT_EQ(PaletteSetVisible(true), kNoErr);
    const std::string picture = ::testing::TempDir() + "refused-" + std::to_string(::getpid()) + ".png";
    EXPECT_EQ(drawhost_test::RunLines({"press QZVARC 54", "snapshot QZVARC " + picture}), "");
    std::remove(picture.c_str());
    EXPECT_EQ(globals.tool.circleMode, 4);
    globals.currentTool = kToolRect;
    PaletteUpdateForMode();
    EXPECT_EQ(drawhost_test::RunLines({"press QZVARC 91", "press QZVARC 79"}), "");
    EXPECT_EQ(globals.settings.working.TypeArrondi, 1);
    PaletteOnToolDeselected();

    sDialog->Destroy(globals.palette);
    EXPECT_EQ(globals.palette, nullptr);
}

}  // namespace
}  // namespace palette_test
