// The colours dialog through drawhost, opened by a double click on a tool's
// icon ("tool-options"). Expected values are the text's: the item table,
// the tooltips, the worked example gray 40 -> red 102, the alerts.
#include <cstring>
#include <limits>

#include "dialog_scenario.h"
#include "frame/host.h"
#include "app/prefs.h"
#include "paint/paint_apply.h"

namespace modal_test {
namespace {

using namespace drawhost;

constexpr const char* kDialog = "\"Couleurs (QZV•Orbiquad).\"";
constexpr const char* kNothingPainted = "Attention, le tracé n'aura ni fond ni contour !";
constexpr const char* kMissingPattern = "Le motif choisi n'est pas disponible.";

std::string Line(const std::string& verb, int id, const std::string& rest = "") {
    return verb + " " + kDialog + " " + std::to_string(id) + (rest.empty() ? "" : " " + rest);
}

class ColoursDialog : public DialogScenario {
protected:
    const qzv::PaintSettings& Committed() { return State().settings.paint; }
    const qzv::PaintSettings& Pending() { return State().coloursDialog.pending; }
    int Count(const std::string& text) {
        int n = 0;
        for (const std::string& m : Messages()) n += m == text;
        return n;
    }
};

TEST_F(ColoursDialog, ItemsAreThoseOfTheTable) {
    struct Row {
        int32_t id;
        const char* type;
        IntRect bounds;
        const char* tip;   // on the stroke side, in gray
    };
    // Written out from the text's item table.
    const Row rows[] = {
        {134, kItemPicturePushButton, {13, 62, 21, 70}, "Avec/Sans contour."},
        {120, kItemSlider, {38, 45, 161, 51}, "Niveau de gris pour les traits (de 0 % à 100 %)."},
        {121, kItemSlider, {38, 69, 161, 75}, "Niveau de vert pour les traits (de 0 à 255)."},
        {122, kItemSlider, {38, 93, 161, 99}, "Niveau de bleu pour les traits (de 0 à 255)."},
        {127, kItemTextEdit, {179, 32, 219, 54}, "Niveau de gris pour les traits (de 0 % à 100 %)."},
        {128, kItemTextEdit, {179, 57, 219, 79}, "Niveau de vert pour les traits (de 0 à 255)."},
        {129, kItemTextEdit, {179, 81, 219, 103}, "Niveau de bleu pour les traits (de 0 à 255)."},
        {130, kItemPicturePushButton, {165, 34, 175, 56}, "Noir"},
        {131, kItemPicturePushButton, {165, 59, 175, 81}, "Vert"},
        {132, kItemPicturePushButton, {165, 83, 175, 105}, "Bleu"},
        {133, kItemTextStatic, {221, 35, 231, 49}, ""},
        {125, kItemPicturePushButton, {5, 33, 22, 50}, "RVB/Gris pour les fonds."},
        {126, kItemPicturePushButton, {14, 42, 31, 59}, "RVB/Gris pour les traits."},
        {135, kItemPicturePushButton, {25, 29, 35, 39}, "Permuter fond/contour."},
        {250, kItemTextCheckBox, {4, 10, 59, 26}, "Attribuer ou non un motif."},
        {251, kItemPopupList, {65, 7, 216, 29}, "Liste des motifs disponibles."},
        {252, kItemSpinEdit, {70, 36, 124, 58}, "Échelle du motif."},
        {253, kItemPicturePushButton, {36, 32, 68, 62}, "Échelle du motif."},
        {254, kItemSpinEdit, {156, 36, 210, 58}, "Angle d'inclinaison du motif."},
        {255, kItemPicturePushButton, {122, 32, 152, 62}, "Angle d'inclinaison du motif."},
        {2, kItemTextPushButton, {4, 111, 72, 131}, "Aucune modification."},
        {3, kItemTextPushButton, {92, 111, 152, 131}, "Retour aux réglages d'origine."},
        {1, kItemTextPushButton, {172, 111, 226, 131}, "Validation des nouveaux réglages par défaut."},
    };
    StartPlugin();
    Play({OpenColours(), Check([&] {
              DlgDialog& d = Top();
              EXPECT_EQ(d.name, "ModèleBidon");
              EXPECT_EQ(d.resourceId, 22000);
              EXPECT_EQ(d.title, "Couleurs (QZV•Orbiquad).");
              EXPECT_EQ(d.bounds.right - d.bounds.left, 236);
              EXPECT_EQ(d.bounds.bottom - d.bounds.top, 169);
              for (const Row& r : rows) {
                  SCOPED_TRACE(r.id);
                  DlgItem& item = Item(r.id);
                  EXPECT_EQ(item.typeName, r.type);
                  EXPECT_EQ(item.bounds.left, r.bounds.left);
                  EXPECT_EQ(item.bounds.top, r.bounds.top);
                  EXPECT_EQ(item.bounds.right, r.bounds.right);
                  EXPECT_EQ(item.bounds.bottom, r.bounds.bottom);
                  EXPECT_EQ(item.tip, r.tip);
              }
              EXPECT_EQ(Text(250), "Motif");
              EXPECT_EQ(Text(133), "%");
              EXPECT_EQ(Text(2), "Annuler");
              EXPECT_EQ(Text(3), "Défaut");
              EXPECT_EQ(Text(1), "OK");
              EXPECT_EQ(Item(120).units, kUnitsPercent);
              EXPECT_EQ(Item(254).units, kUnitsDegrees);
              EXPECT_EQ(Item(254).minValue, -180.0f);
              EXPECT_EQ(Item(254).maxValue, 180.0f);
              EXPECT_EQ(Item(252).minValue, 0.001f);
              EXPECT_EQ(State().coloursDialog.side, 0) << "the dialog opens on the stroke";
              // Its procedures run inside the message that opened it: the
              // plug-in holds the dialog manager's suites meanwhile.
              EXPECT_GT((TheHost().acquireCount[{kDlgItemSuiteName, kDlgItemSuiteVersion}]), 0);
          }),
          Do(Line("press", 2))});
    EXPECT_EQ((TheHost().acquireCount[{kDlgItemSuiteName, kDlgItemSuiteVersion}]), 0);
}

TEST_F(ColoursDialog, GrayFortyBecomesRedOneHundredAndTwoAndBack) {
    // Worked example; green and blue keep their stored 7 and 9.
    StartPlugin("VertC = real:7\nBleuC = real:9\n");
    Play({OpenColours(), Check([&] {
              // Gray: one row, "N", the percent sign, range 100.
              EXPECT_TRUE(Visible(120));
              EXPECT_FALSE(Visible(121));
              EXPECT_FALSE(Visible(129));
              EXPECT_TRUE(Visible(133));
              EXPECT_EQ(Item(120).maxValue, 100.0f);
              EXPECT_EQ(Item(127).maxValue, 100.0f);
          }),
          Do(Line("item", 127, "40")), Check([&] {
              EXPECT_EQ(Pending().stroke.redOrGray, 40.0f);
              EXPECT_EQ(Value(120), 40.0f) << "the slider follows its field";
          }),
          Do(Line("press", 126)),   // the edited side's own swatch: to RGB
          Check([&] {
              EXPECT_TRUE(Pending().stroke.rgb);
              EXPECT_NEAR(Pending().stroke.redOrGray, 102.0f, 1e-4f);
              EXPECT_EQ(Pending().stroke.green, 7.0f);
              EXPECT_EQ(Pending().stroke.blue, 9.0f);
              EXPECT_NEAR(Value(127), 102.0f, 1e-4f);
              EXPECT_EQ(Value(128), 7.0f);
              EXPECT_EQ(Value(129), 9.0f);
              EXPECT_TRUE(Visible(121) && Visible(122) && Visible(128) && Visible(129));
              EXPECT_FALSE(Visible(133));
              EXPECT_EQ(Item(120).maxValue, 255.0f);
              EXPECT_EQ(Tip(130), "Rouge");
              EXPECT_EQ(Tip(120), "Niveau de rouge pour les traits (de 0 à 255).");
              EXPECT_NE(Drawn(130).back().find("\"R\""), std::string::npos);
          }),
          Do(Line("press", 126)), Check([&] {
              EXPECT_FALSE(Pending().stroke.rgb);
              EXPECT_NEAR(Pending().stroke.redOrGray, 40.0f, 1e-4f);
              EXPECT_EQ(Tip(130), "Noir");
              EXPECT_NE(Drawn(130).back().find("\"N\""), std::string::npos);
          }),
          Do(Line("press", 2))});
    // "Annuler": nothing committed, nothing written.
    EXPECT_EQ(Committed().stroke.redOrGray, 100.0f);
    double stored = 0;
    EXPECT_FALSE(StoredReal("RougeGrisC", &stored)) << "a later start finds no key to rewrite";
}

TEST_F(ColoursDialog, TheOtherSwatchEditsTheFillWithItsOwnTooltips) {
    StartPlugin("Fond = bool:true\nRVBF = bool:true\nRougeGrisF = real:10\nVertF = real:20\nBleuF = real:30\n");
    Play({OpenColours(), Do(Line("press", 125)), Check([&] {
              EXPECT_EQ(State().coloursDialog.side, 1);
              EXPECT_EQ(Value(127), 10.0f);
              EXPECT_EQ(Value(128), 20.0f);
              EXPECT_EQ(Value(129), 30.0f);
              EXPECT_EQ(Tip(121), "Niveau de vert pour les fonds (de 0 à 255).");
              EXPECT_EQ(Tip(127), "Niveau de rouge pour les fonds (de 0 à 255).");
              EXPECT_EQ(Tip(134), "Avec/Sans fond.");
          }),
          Do(Line("press", 134)),   // the fill off: its rows go
          Check([&] {
              EXPECT_FALSE(Pending().fill.paintOn);
              for (int id : {120, 121, 122, 127, 128, 129, 130, 131, 132}) {
                  EXPECT_FALSE(Visible(id)) << id;
                  EXPECT_FALSE(Enabled(id)) << id;
              }
          }),
          Do(Line("press", 126)), Check([&] { EXPECT_EQ(State().coloursDialog.side, 0); }),
          Do(Line("press", 2))});
    EXPECT_TRUE(Committed().fill.paintOn);
}

TEST_F(ColoursDialog, TurningEverythingOffWarnsAndKeepsTheChange) {
    StartPlugin();   // the fill is off from the first start
    Play({OpenColours(), Do(Line("press", 134)), Check([&] {
              EXPECT_EQ(Count(kNothingPainted), 1);
              EXPECT_FALSE(Pending().stroke.paintOn);
          }),
          Do(Line("press", 1))});
    EXPECT_FALSE(Committed().stroke.paintOn);
    bool stroke = true;
    ASSERT_TRUE(StoredBool("Contour", &stroke));
    EXPECT_FALSE(stroke);
}

TEST_F(ColoursDialog, WithoutPatternsTheBoxAndListAreDisabled) {
    StartPlugin();
    Play({OpenColours(), Check([&] {
              EXPECT_FALSE(Enabled(250));
              EXPECT_FALSE(Enabled(251));
              EXPECT_TRUE(DlgListOf(Item(251))->entries.empty());
          }),
          Refused(Line("check", 250, "on"), "disabled"), Do(Line("press", 2))});
}

TEST_F(ColoursDialog, APatternOfTheDocumentWithItsScaleAndAngle) {
    StartPlugin();
    Run("pattern Rayures");
    Run("pattern Points");
    Play({OpenColours(), Check([&] {
              EXPECT_TRUE(Enabled(250));
              EXPECT_FALSE(Enabled(251)) << "until the side's pattern is on";
              EXPECT_EQ(Entry(251, 0).text, "Rayures");
              EXPECT_EQ(Entry(251, 1).text, "Points");
              EXPECT_EQ(Entry(251, 1).id, 1);
              for (int id : {252, 253, 254, 255}) EXPECT_FALSE(Visible(id)) << id;
          }),
          Do(Line("check", 250, "on")), Check([&] {
              EXPECT_TRUE(Pending().stroke.patternOn);
              EXPECT_TRUE(Enabled(251));
              for (int id : {252, 253, 254, 255}) EXPECT_TRUE(Visible(id)) << id;
              EXPECT_FALSE(Visible(120)) << "the colour rows give way to the pattern";
              EXPECT_EQ(SelectedEntry(251), 1) << "the stored number 1 names the second pattern";
          }),
          Do(Line("choose", 251, "Rayures")), Do(Line("item", 252, "250")), Do(Line("item", 254, "-30")),
          Do(Line("item", 254, "200")),   // held within -180..180
          Check([&] {
              EXPECT_EQ(Pending().stroke.patternNumber, 0);
              EXPECT_EQ(Pending().stroke.patternScale, 250.0f);
              EXPECT_EQ(Pending().stroke.patternAngle, 180.0f);
          }),
          Do(Line("press", 1))});
    const qzv::PaintSide& s = Committed().stroke;
    EXPECT_TRUE(s.patternOn);
    EXPECT_EQ(s.patternNumber, 0);
    // The derived style lays the pattern with its scale and angle.
    const PathStyle& style = State().styles.shape;
    EXPECT_TRUE(style.strokePaint);
    EXPECT_EQ(style.stroke.color.kind, kPaintPattern);
    EXPECT_EQ(style.stroke.color.scaleH, 250.0f);
    EXPECT_EQ(style.stroke.color.rotation, 180.0f);
    int32_t number = -1;
    ASSERT_TRUE(StoredInt("NumMotifContour", &number));
    EXPECT_EQ(number, 0);
}

TEST_F(ColoursDialog, StoredPatternsBeyondTheListAreTurnedOffWithOneWarningPerSide) {
    StartPlugin("Motif = bool:true\nNumMotif = int:5\nMotifContour = bool:true\nNumMotifContour = int:7\n");
    Run("pattern Rayures");
    Play({OpenColours(), Check([&] { EXPECT_EQ(SelectedEntry(251), -1) << "number 7 names no entry"; }),
          Do(Line("press", 1))});
    EXPECT_EQ(Count(kMissingPattern), 2);
    EXPECT_FALSE(Committed().stroke.patternOn);
    EXPECT_FALSE(Committed().fill.patternOn);
    EXPECT_NE(State().styles.shape.stroke.color.kind, kPaintPattern);
}

TEST_F(ColoursDialog, APatternDeletedWhileTheDialogIsOpenIsWarnedAboutOnce) {
    StartPlugin();
    Run("pattern Rayures");
    Run("pattern Points");
    Play({OpenColours(), Do(Line("check", 250, "on")), Do(Line("choose", 251, "Points")),
          Check([&] { TheDocument().patterns.pop_back(); }),   // the user deletes "Points"
          Do(Line("press", 1))});
    EXPECT_EQ(Count(kMissingPattern), 1);
    EXPECT_FALSE(Committed().stroke.patternOn);
}

TEST_F(ColoursDialog, SwapAndDefaultChangeOnlyThePendingCopyUntilOK) {
    StartPlugin("Fond = bool:true\nRVBF = bool:true\nRougeGrisF = real:10\nVertF = real:20\nBleuF = real:30\n");
    Play({OpenColours(), Do(Line("press", 135)), Check([&] {
              EXPECT_TRUE(Pending().stroke.rgb);
              EXPECT_EQ(Pending().stroke.redOrGray, 10.0f);
              EXPECT_FALSE(Pending().fill.rgb);
              EXPECT_EQ(Pending().fill.redOrGray, 100.0f);
              EXPECT_EQ(Value(128), 20.0f) << "the edited side is reloaded";
              EXPECT_TRUE(Committed().fill.rgb) << "nothing committed yet";
          }),
          Do(Line("press", 125)), Do(Line("press", 3)), Check([&] {
              // Stroke gray 100 and on, fill off with its levels kept, the
              // stroke edited again.
              EXPECT_EQ(State().coloursDialog.side, 0);
              EXPECT_TRUE(Pending().stroke.paintOn);
              EXPECT_FALSE(Pending().stroke.rgb);
              EXPECT_EQ(Pending().stroke.redOrGray, 100.0f);
              EXPECT_FALSE(Pending().fill.paintOn);
              EXPECT_EQ(Pending().fill.redOrGray, 100.0f);
              EXPECT_EQ(Tip(130), "Noir");
          }),
          Do(Line("press", 2))});
    EXPECT_TRUE(Committed().fill.rgb);
    EXPECT_EQ(Committed().fill.green, 20.0f);
}

TEST_F(ColoursDialog, OKStoresTheEighteenKeysAndRepaintsTheLastCircle) {
    StartPlugin();
    Run(std::string("tool \"") + kCircleTool + "\"");
    Run("down 100 100");
    Run("drag 140 100");
    Run("up 140 100");
    Play({OpenColours(), Do(Line("press", 126)), Do(Line("item", 127, "200")), Do(Line("item", 128, "10")),
          Do(Line("item", 129, "20")), Do(Line("press", 125)), Do(Line("press", 134)), Do(Line("press", 1))});
    bool rgb = false, fill = false;
    double red = 0, green = 0, blue = 0;
    ASSERT_TRUE(StoredBool("RVBC", &rgb) && StoredReal("RougeGrisC", &red) && StoredReal("VertC", &green) &&
                StoredReal("BleuC", &blue) && StoredBool("Fond", &fill));
    EXPECT_TRUE(rgb);
    EXPECT_EQ(red, 200.0);
    EXPECT_EQ(green, 10.0);
    EXPECT_EQ(blue, 20.0);
    EXPECT_TRUE(fill);
    for (const char* key : {"RVBF", "RougeGrisF", "VertF", "BleuF", "Contour", "Motif", "MotifContour",
                            "NumMotif", "NumMotifContour", "EchMotif", "EchMotifContour", "RotMotif",
                            "RotMotifContour"})
        EXPECT_NE(PrefsFind("QZVARC", key), nullptr) << key;
    // The circle just drawn takes the new paint: RGB stroke, gray fill 100 % (black).
    const Art* circle = nullptr;
    for (const Art* a : AllArt())
        if (a->kind == kArtPath && a->name == "Cercle 1") circle = a;
    ASSERT_NE(circle, nullptr);
    EXPECT_EQ(circle->style.stroke.color.kind, kPaintRGB);
    EXPECT_FLOAT_EQ(circle->style.stroke.color.red, 200.0f / 255.0f);
    EXPECT_FLOAT_EQ(circle->style.stroke.color.green, 10.0f / 255.0f);
    EXPECT_TRUE(circle->style.fillPaint);
    EXPECT_EQ(circle->style.fill.kind, kPaintGray);
    EXPECT_EQ(circle->style.fill.gray, 1.0f);
    EXPECT_EQ(circle->style.stroke.width, State().settings.working.Epaisseur);
}

TEST_F(ColoursDialog, AFailedWriteKeepsTheDialogOpenAndChangesNothing) {
    StartPlugin();
    Play({OpenColours(), Do(Line("press", 134)), Do("prefs-fail on"), Do(Line("press", 1)), Check([&] {
              EXPECT_EQ(Top().name, "ModèleBidon") << "still open";
              EXPECT_TRUE(Committed().stroke.paintOn) << "the committed paint is as it was";
              ASSERT_FALSE(Messages().empty());
              EXPECT_NE(Messages().back().find("n'ont pas pu être enregistrés"), std::string::npos);
          }),
          Do("prefs-fail off"), Do(Line("press", 1))});
    EXPECT_FALSE(Committed().stroke.paintOn);
    bool stroke = true;
    ASSERT_TRUE(StoredBool("Contour", &stroke));
    EXPECT_FALSE(stroke);
}

TEST_F(ColoursDialog, AWriteFailingHalfwayLeavesTheCommittedPaintAsItWas) {
    StartPlugin();
    Play({OpenColours(), Do(Line("press", 126)), Do(Line("item", 127, "50")),
          Check([] { PrefsFailWritesAfter(3); }),   // RVBC, RougeGrisC, VertC go through
          Do(Line("press", 1)), Check([&] {
              EXPECT_FALSE(Committed().stroke.rgb);
              EXPECT_EQ(Top().name, "ModèleBidon");
          }),
          Do("prefs-fail off"), Do(Line("press", 2))});
    // The rollback could write nothing either (every later write failed):
    // the keys that went through are the user's new values, the committed
    // paint in memory the old one, and the next OK writes all of them.
    bool rgb = false;
    ASSERT_TRUE(StoredBool("RVBC", &rgb));
    EXPECT_TRUE(rgb);
    EXPECT_FALSE(Committed().stroke.rgb);
}

TEST_F(ColoursDialog, TypedTextIsReadAsANumberWithinTheRowsRange) {
    StartPlugin();
    Play({OpenColours(), Unreadable(Line("item", 127, "abc")),
          Unreadable(Line("item", 127, "nan")), Unreadable(Line("item", 127, "1e40")),
          Unreadable(Line("item", 127, "\"\"")), Do(Line("item", 127, "2,5")),
          Check([&] { EXPECT_EQ(Pending().stroke.redOrGray, 2.5f); }), Do(Line("item", 127, "40.5")),
          Check([&] { EXPECT_EQ(Pending().stroke.redOrGray, 40.5f); }), Do(Line("item", 127, "300")),
          Check([&] {
              EXPECT_EQ(Pending().stroke.redOrGray, 100.0f) << "a gray level stops at 100";
              // A value the field would never hand over reaches the plug-in
              // all the same: it keeps the level.
              DlgItem& edit = Item(127);
              DlgSetNumber(edit, std::numeric_limits<float>::quiet_NaN(), false);
              DlgNotifyItem(edit.handle, kNotifyUserChanged);
              EXPECT_EQ(Pending().stroke.redOrGray, 100.0f);
              EXPECT_EQ(Value(127), 100.0f);
          }),
          Do(Line("press", 2))});
}

// (A second opening while it is up cannot come from the toolbox: the modal
// dialog holds the input; the preferences dialog's test opens it twice.)
TEST_F(ColoursDialog, ReopensWhereItWasClosed) {
    StartPlugin();
    Play({OpenColours(), Check([&] {
              Top().bounds = {300, 200, 536, 369};   // the user moved it
          }),
          Do(Line("press", 2)), OpenColours(), Check([&] {
              EXPECT_EQ(Top().bounds.left, 300);
              EXPECT_EQ(Top().bounds.top, 200);
          }),
          Do("close " + std::string(kDialog)), OpenColours(), Check([&] {
              EXPECT_EQ(Top().bounds.left, 300);
              Top().bounds = {5000, -400, 5236, -231};   // off every screen
          }),
          Do(Line("press", 2)), OpenColours(), Check([&] {
              // Back at the default place: centred across, a third down the
              // 1920 x 1080 screen.
              EXPECT_EQ(Top().bounds.left, (1920 - 236) / 2);
              EXPECT_EQ(Top().bounds.top, (1080 - 169) / 3);
          }),
          Do(Line("press", 2))});
    EXPECT_FALSE(State().paletteState.dialogOpen[qzv::kModalColours]);
}

TEST_F(ColoursDialog, ThePalettesSwapExchangesTheCommittedSidesWithoutWriting) {
    StartPlugin("Fond = bool:true\nRougeGrisF = real:30\n");
    Bind();
    Run(std::string("tool \"") + kCircleTool + "\"");
    Run("down 100 100");
    Run("drag 130 100");
    Run("up 130 100");
    Play({Check([] { qzv::ExchangeFillAndStroke(); })});
    EXPECT_EQ(Committed().stroke.redOrGray, 30.0f);
    EXPECT_EQ(Committed().fill.redOrGray, 100.0f);
    EXPECT_EQ(PrefsFind("QZVARC", "RougeGrisC"), nullptr);
    const Art* circle = nullptr;
    for (const Art* a : AllArt())
        if (a->kind == kArtPath && a->name == "Cercle 1") circle = a;
    ASSERT_NE(circle, nullptr);
    EXPECT_FLOAT_EQ(circle->style.stroke.color.gray, 0.3f);
    EXPECT_EQ(circle->style.fill.gray, 1.0f);
}

}  // namespace
}  // namespace modal_test
