// The preferences dialog, opened the way the palette's flyout entry
// "Préférences..." will open it. Expected values are the text's: the item
// table, the enabling rules, the factory values, the scale entries, and the
// worked example of the Shift angle (5 degrees = 0.08726646 radians).
#include <cstring>
#include <limits>

#include "dialog_scenario.h"
#include "frame/host.h"

namespace modal_test {
namespace {

using namespace drawhost;

constexpr const char* kDialog = "bidon";

std::string Line(const std::string& verb, int id, const std::string& rest = "") {
    return verb + " " + kDialog + " " + std::to_string(id) + (rest.empty() ? "" : " \"" + rest + "\"");
}

// Every general setting, for comparing two copies field by field.
bool Same(const qzv::GeneralSettings& a, const qzv::GeneralSettings& b) {
    return a.OutilsGroupe == b.OutilsGroupe && a.EchelleNum == b.EchelleNum && a.EchelleDen == b.EchelleDen &&
           a.Epaisseur == b.Epaisseur && a.EpaisCentre == b.EpaisCentre && a.Branches == b.Branches &&
           a.ShiftRayon == b.ShiftRayon && a.ShiftAngle == b.ShiftAngle && a.Son == b.Son &&
           a.Magnetisme == b.Magnetisme && a.Tolerance == b.Tolerance && a.Centre == b.Centre &&
           a.Tangente == b.Tangente && a.Alea == b.Alea && a.Angle == b.Angle && a.Secteur == b.Secteur &&
           a.LignePoly == b.LignePoly && a.Arrondi == b.Arrondi && a.RotRectangle == b.RotRectangle &&
           a.TypeArrondi == b.TypeArrondi && a.Calque == b.Calque && a.Precision == b.Precision;
}

class PreferencesDialog : public DialogScenario {
protected:
    void Open(const std::string& preferences = "") {
        StartPlugin(preferences);
        Bind();
    }
    qzv::GeneralSettings& Pending() { return State().settings.pending; }
    qzv::GeneralSettings& General() { return State().settings.general; }
    bool Has(const std::vector<std::string>& drawn, const std::string& part) {
        for (const std::string& d : drawn)
            if (d.find(part) != std::string::npos) return true;
        return false;
    }
};

TEST_F(PreferencesDialog, ItemsAreThoseOfTheTable) {
    enum Page { kBoth, kCircles, kRects };
    struct Row {
        int32_t id;
        const char* type;
        IntRect bounds;
        Page page;
        const char* text;
        const char* tip;
    };
    const char* spin = kItemSpinEdit;
    const char* icon = kItemPicturePushButton;
    const char* box = kItemTextCheckBox;
    // Written out from the text's item table.
    const Row rows[] = {
        {121, spin, {30, 14, 84, 36}, kBoth, "", "Épaisseur par défaut."},
        {141, icon, {20, 14, 30, 36}, kBoth, "", "Épaisseur par défaut."},
        {135, icon, {0, 14, 20, 36}, kBoth, "", "Dialogue des couleurs (fond et contour)."},
        {124, box, {95, 17, 199, 33}, kBoth, "Magnétisme.", "Magnétisme ou non par défaut."},
        {156, spin, {270, 14, 324, 36}, kBoth, "", "Distance du magnétisme par défaut."},
        {157, icon, {248, 14, 276, 36}, kBoth, "", "Distance du magnétisme par défaut."},
        {169, spin, {270, 43, 302, 65}, kBoth, "",
         "Nombre de chiffres après la virgule des infos pendant le tracé (de 0 à 5)."},
        {170, icon, {244, 48, 268, 70}, kBoth, "",
         "Nombre de chiffres après la virgule des infos pendant le tracé (de 0 à 5)."},
        {167, kItemPopupList, {30, 43, 84, 60}, kBoth, "", "Échelle du dessin"},
        {168, kItemTextStatic, {5, 43, 29, 65}, kBoth, "Éch.", "Échelle par défaut."},
        {120, box, {270, 72, 320, 88}, kBoth, "Son.", "Active/Supprime le son de QZV•Orbiquad."},
        {131, box, {28, 72, 228, 88}, kBoth, "Tracés sur un calque séparé.", "Les tracés créés seront sur le calque actif."},
        {133, box, {28, 92, 264, 108}, kBoth, "Associer l'outil à l'outil Ellipse.",
         "Outil indépendant ou associé à l'outil Ellipse."},
        {134, kItemTextStatic, {36, 92, 276, 123}, kBoth, "", ""},
        {171, kItemPopupList, {12, 127, 176, 147}, kBoth, "", ""},
        {127, box, {95, 158, 235, 174}, kCircles, "Marquer le centre.", "Marquer ou non le centre par défaut."},
        {122, spin, {30, 155, 84, 177}, kCircles, "", "Épaisseur pour le centre et les points de tangence."},
        {142, icon, {20, 155, 30, 177}, kCircles, "", "Épaisseur pour le centre et les points de tangence."},
        {136, icon, {0, 155, 20, 177}, kBoth, "", "Dialogue des couleurs (fond et contour)."},
        {123, spin, {30, 182, 84, 204}, kCircles, "", "Longueur des traits du centre et des traits de tangence."},
        {143, icon, {0, 182, 28, 204}, kCircles, "", "Longueur des traits du centre et des traits de tangence."},
        {129, box, {95, 185, 223, 201}, kCircles, "Orientation aléa.",
         "Aléatoire/Fixe (angle d'orientation par défaut du point central)."},
        {130, spin, {270, 182, 324, 204}, kCircles, "", "Valeur fixe de l'angle du point central par défaut."},
        {128, box, {95, 212, 240, 228}, kCircles, "Points de tangence.",
         "Marquer ou non les points de tangence par défaut."},
        {132, box, {270, 158, 320, 174}, kCircles, "Sect.", "Secteur ou arc par défaut."},
        {125, spin, {30, 209, 84, 231}, kCircles, "", "Avec shift, le rayon variera par pas de…."},
        {154, icon, {0, 209, 28, 231}, kCircles, "", "Avec shift, le rayon variera par pas de…."},
        {126, spin, {270, 209, 324, 231}, kCircles, "", "Avec shift, l'angle variera par pas de…"},
        {155, icon, {250, 209, 270, 231}, kCircles, "", "Avec shift, l'angle variera par pas de…"},
        {173, spin, {30, 155, 84, 177}, kRects, "", "Rayon par défaut de l'arrondi des rectangles."},
        {174, icon, {0, 155, 28, 177}, kRects, "", "Rayon par défaut de l'arrondi des rectangles."},
        {175, spin, {270, 155, 324, 177}, kRects, "", "Angle de rotation des rectangles par défaut."},
        {176, icon, {250, 155, 270, 177}, kRects, "", "Angle de rotation des rectangles par défaut."},
        {172, box, {95, 158, 199, 174}, kRects, "Ligne Poly.", "Ligne polygonale ou simple segment par défaut."},
        {177, kItemPictureRadioButton, {30, 190, 49, 209}, kRects, "",
         "Arrondi en quart de cercle tourné vers l'intérieur ou l'extérieur."},
        {178, kItemPictureRadioButton, {62, 190, 81, 209}, kRects, "", "Arrondi personnalisé (éditable)."},
        {2, kItemTextPushButton, {10, 248, 78, 268}, kBoth, "Annuler", "Aucune modification."},
        {3, kItemTextPushButton, {132, 248, 214, 268}, kBoth, "Par défaut", "Retour aux réglages d'origine."},
        {1, kItemTextPushButton, {271, 248, 329, 268}, kBoth, "OK", "Validation des nouveaux réglages par défaut."},
    };
    Open();
    auto checkPage = [&](Page shown) {
        for (const Row& r : rows) {
            SCOPED_TRACE(r.id);
            EXPECT_EQ(Visible(r.id), r.page == kBoth || r.page == shown);
        }
    };
    // No tool selected: the page "Rectangles & Lignes".
    Play({OpenPreferences(), Check([&] {
              DlgDialog& d = Top();
              EXPECT_EQ(d.name, "bidon");
              EXPECT_EQ(d.resourceId, 16600);
              EXPECT_EQ(d.title, "Préférences (QZV•Orbiquad)");
              EXPECT_EQ(d.bounds.right - d.bounds.left, 340);
              EXPECT_EQ(d.bounds.bottom - d.bounds.top, 306);
              EXPECT_EQ(d.items.size(), std::size(rows));
              for (const Row& r : rows) {
                  SCOPED_TRACE(r.id);
                  DlgItem& item = Item(r.id);
                  EXPECT_EQ(item.typeName, r.type);
                  EXPECT_EQ(item.bounds.left, r.bounds.left);
                  EXPECT_EQ(item.bounds.top, r.bounds.top);
                  EXPECT_EQ(item.bounds.right, r.bounds.right);
                  EXPECT_EQ(item.bounds.bottom, r.bounds.bottom);
                  if (r.text[0]) {
                      EXPECT_EQ(Text(r.id), r.text);
                  }
                  EXPECT_EQ(item.tip, r.tip);
              }
              EXPECT_EQ(SelectedEntry(171), 1);
              EXPECT_EQ(Entry(171, 0).text, "Cercles & Arcs");
              EXPECT_EQ(Entry(171, 1).text, "Rectangles & Lignes");
              checkPage(kRects);
          }),
          Do(Line("choose", 171, "Cercles & Arcs")), Check([&] { checkPage(kCircles); }), Do(Line("press", 2))});
    // With the circle tool current the dialog opens on its page.
    Run(std::string("tool \"") + kCircleTool + "\"");
    Play({OpenPreferences(), Check([&] { checkPage(kCircles); }), Do(Line("press", 2))});
}

TEST_F(PreferencesDialog, FieldsShowThePendingCopiesInTheirUnits) {
    Open("Branches = real:8.503937\nShiftAngle = real:0.17453292\nTolerance = int:12\n");
    Play({OpenPreferences(), Check([&] {
              EXPECT_EQ(Item(123).units, kUnitsMillimeters);
              EXPECT_EQ(Text(123), "3,0 mm");
              EXPECT_EQ(Item(126).units, kUnitsDegrees);
              EXPECT_EQ(Text(126), "10,0°");
              EXPECT_EQ(Text(156), "12 pt");
              EXPECT_EQ(Text(169), "2");
              EXPECT_EQ(Item(169).maxValue, 5.0f);
              EXPECT_EQ(Item(175).minValue, -360.0f);
              EXPECT_EQ(Item(175).maxValue, 360.0f);
              EXPECT_FLOAT_EQ(Item(123).smallStep, 2.8346457f);
              EXPECT_FLOAT_EQ(Item(123).largeStep, 28.346457f);
          }),
          Do(Line("press", 2))});
}

TEST_F(PreferencesDialog, ShiftAngleOfFiveDegreesIsStoredInRadians) {
    Open();
    Play({OpenPreferences(), Do(Line("choose", 171, "Cercles & Arcs")), Do(Line("item", 126, "5")),
          Check([&] {
              EXPECT_EQ(Pending().ShiftAngle, 0.08726646f);
              EXPECT_NE(General().ShiftAngle, 0.08726646f) << "not committed before OK";
          }),
          Do(Line("press", 1))});
    EXPECT_EQ(General().ShiftAngle, 0.08726646f);
    double stored = 0;
    ASSERT_TRUE(StoredReal("ShiftAngle", &stored));
    EXPECT_EQ(stored, static_cast<double>(0.08726646f));
    EXPECT_FALSE(State().settings.prefsDialogOpen);
}

TEST_F(PreferencesDialog, MagnetismEnablesItsDistanceAndTakesTheFocusThere) {
    Open();
    Play({OpenPreferences(), Check([&] { EXPECT_TRUE(Enabled(156)); }), Do(Line("check", 124, "off")), Check([&] {
              EXPECT_FALSE(Enabled(156));
              EXPECT_EQ(Focus(), 121);
              EXPECT_FALSE(Pending().Magnetisme);
          }),
          Refused(Line("item", 156, "20"), "disabled"), Do(Line("check", 124, "on")), Check([&] {
              EXPECT_TRUE(Enabled(156));
              EXPECT_EQ(Focus(), 156);
              EXPECT_TRUE(Item(156).textSelected);
          }),
          Do(Line("item", 156, "20")), Check([&] {
              EXPECT_EQ(Pending().Tolerance, 20);
              EXPECT_EQ(Focus(), 121) << "the distance hands the focus to the stroke weight";
          }),
          Do(Line("press", 2))});
}

TEST_F(PreferencesDialog, TheCentreMarkRulesTheOrientationAndItsAngle) {
    Open();
    Play({OpenPreferences(), Do(Line("choose", 171, "Cercles & Arcs")), Check([&] {
              EXPECT_TRUE(Enabled(129));
              EXPECT_FALSE(Enabled(130)) << "random orientation is on";
          }),
          Do(Line("check", 129, "off")), Check([&] {
              EXPECT_TRUE(Enabled(130));
              EXPECT_EQ(Focus(), 130);
          }),
          Do(Line("item", 130, "45")), Check([&] { EXPECT_FLOAT_EQ(Pending().Angle, 0.78539819f); }),
          Do(Line("check", 127, "off")), Check([&] {
              EXPECT_FALSE(Enabled(129));
              EXPECT_FALSE(Enabled(130));
          }),
          Do(Line("check", 127, "on")), Check([&] {
              EXPECT_TRUE(Enabled(129));
              EXPECT_TRUE(Enabled(130));
          }),
          Do(Line("check", 131, "on")), Check([&] {
              EXPECT_EQ(Tip(131), "Les tracés seront sur un nouveau calque (QZV•Orbiquad).");
              EXPECT_EQ(Focus(), 121);
          }),
          Do(Line("press", 2))});
}

TEST_F(PreferencesDialog, AssociatingTheToolsShowsTheNextLaunchNoteUntilUndone) {
    Open();
    Play({OpenPreferences(), Check([&] { EXPECT_TRUE(Drawn(134).empty()); }), Do(Line("check", 133, "on")),
          Check([&] {
              const std::vector<std::string> drawn = Drawn(134);
              EXPECT_TRUE(Has(drawn, "text 210,12 \"*\""));
              EXPECT_TRUE(Has(drawn, "text 12,24 \"* Au prochain lancement de l'application.\""));
          }),
          Do(Line("check", 133, "off")), Check([&] { EXPECT_TRUE(Drawn(134).empty()); }),
          Do(Line("check", 133, "on")), Do(Line("press", 1))});
    // Written at once; the tools stay where they are until the next launch.
    bool grouped = false;
    ASSERT_TRUE(StoredBool("OutilsGroupe", &grouped));
    EXPECT_TRUE(grouped);
}

TEST_F(PreferencesDialog, DefaultThenCancelChangesNothing) {
    Open("Epaisseur = real:3\nSon = bool:true\nTolerance = int:30\nEchelleNum = real:1\nEchelleDen = real:50\n"
         "TypeArrondi = int:1\n");
    const qzv::GeneralSettings before = General();
    Play({OpenPreferences(), Do(Line("press", 3)), Check([&] {
              // The factory values of "Par défaut" (1.2 for the stroke weight).
              EXPECT_EQ(Pending().Epaisseur, 1.2f);
              EXPECT_EQ(Text(121), "1,2 pt");
              EXPECT_FALSE(Pending().Son);
              EXPECT_FALSE(On(120));
              EXPECT_EQ(Pending().Tolerance, 8);
              EXPECT_EQ(Pending().EchelleDen, 1);
              EXPECT_EQ(SelectedEntry(167), 9);
              EXPECT_EQ(Pending().TypeArrondi, 0);
              EXPECT_TRUE(On(177));
              EXPECT_FALSE(On(178));
              EXPECT_EQ(Focus(), 121);
              EXPECT_EQ(SelectedEntry(171), 1) << "the page stays";
          }),
          Do(Line("press", 2))});
    EXPECT_TRUE(Same(General(), before));
    double weight = 0;
    ASSERT_TRUE(StoredReal("Epaisseur", &weight));
    EXPECT_EQ(weight, 3.0);
}

TEST_F(PreferencesDialog, EachScaleEntrySetsThePendingScaleAndIsTheOneChecked) {
    struct Scale {
        int32_t entry;
        const char* text;
        int32_t num, den;
    };
    // Written out from the text's entry list.
    const Scale scales[] = {
        {0, "1/100", 1, 100}, {1, "1/50", 1, 50}, {2, "1/25", 1, 25}, {3, "1/10", 1, 10}, {4, "1/5", 1, 5},
        {5, "1/4", 1, 4},     {6, "1/3", 1, 3},   {7, "1/2", 1, 2},   {9, "1", 1, 1},     {11, "2/1", 2, 1},
        {12, "3/1", 3, 1},    {13, "4/1", 4, 1},  {14, "5/1", 5, 1},  {15, "10/1", 10, 1}, {16, "25/1", 25, 1},
        {17, "50/1", 50, 1},  {18, "100/1", 100, 1},
    };
    Open();
    std::vector<Step> steps = {OpenPreferences(), Check([&] {
                                   for (int sep : {8, 10, 19}) EXPECT_TRUE(Entry(167, sep).separator) << sep;
                                   EXPECT_EQ(Item(167).font, kFontPalette);
                               })};
    for (const Scale& s : scales) {
        steps.push_back(Do(Line("choose", 167, s.text)));
        steps.push_back(Check([this, s] {
            SCOPED_TRACE(s.text);
            EXPECT_EQ(Pending().EchelleNum, s.num);
            EXPECT_EQ(Pending().EchelleDen, s.den);
            EXPECT_EQ(SelectedEntry(167), s.entry);
            for (int32_t i = 0; i < 21; ++i) EXPECT_EQ(Entry(167, i).checked, i == s.entry) << i;
        }));
    }
    steps.push_back(Do(Line("press", 1)));
    Play(steps);
    double den = 0;
    ASSERT_TRUE(StoredReal("EchelleDen", &den));
    EXPECT_EQ(den, 1.0);
    EXPECT_EQ(General().EchelleNum, 100);
}

TEST_F(PreferencesDialog, TheCustomScaleShowsTheEllipsisAtOneToOne) {
    Open();   // no custom scale stored: read as 1/1
    Play({OpenPreferences(), Check([&] {
              EXPECT_EQ(Entry(167, 20).text, "…");
              EXPECT_FALSE(Entry(167, 20).enabled);
          }),
          Refused(Line("choose", 167, "@20"), "disabled"), Do(Line("press", 2))});
}

TEST_F(PreferencesDialog, ASetCustomScaleCanBeChosen) {
    Open("EchelleNumPerso = int:3\nEchelleDenPerso = int:7\n");
    Play({OpenPreferences(), Check([&] {
              EXPECT_EQ(Entry(167, 20).text, "3/7");
              EXPECT_TRUE(Entry(167, 20).enabled);
              EXPECT_EQ(SelectedEntry(167), 9);
          }),
          Do(Line("choose", 167, "3/7")), Check([&] {
              EXPECT_EQ(Pending().EchelleNum, 3);
              EXPECT_EQ(Pending().EchelleDen, 7);
              EXPECT_EQ(SelectedEntry(167), 20);
              EXPECT_TRUE(Entry(167, 20).checked);
          }),
          Do(Line("press", 1))});
    EXPECT_EQ(General().EchelleDen, 7);
}

TEST_F(PreferencesDialog, RoundingTypeButtonsAndTheRoundingField) {
    Open();
    Play({OpenPreferences(), Check([&] {
              EXPECT_EQ(Item(177).picture, 400);
              EXPECT_EQ(Item(178).picture, 401);
              EXPECT_TRUE(On(177));
          }),
          Do(Line("press", 178)), Check([&] {
              EXPECT_EQ(Pending().TypeArrondi, 1);
              EXPECT_FALSE(On(177));
              EXPECT_TRUE(On(178));
              EXPECT_EQ(Focus(), 173);
          }),
          Do(Line("item", 173, "-6")), Do(Line("item", 175, "400")), Check([&] {
              EXPECT_EQ(Pending().Arrondi, -6.0f) << "a negative radius inverts the rounding";
              EXPECT_FLOAT_EQ(Pending().RotRectangle, 6.2831855f) << "held at 360 degrees";
          }),
          Do(Line("press", 1))});
    int32_t type = 0;
    ASSERT_TRUE(StoredInt("TypeArrondi", &type));
    EXPECT_EQ(type, 1);
}

TEST_F(PreferencesDialog, LabelButtonsFocusTheirFields) {
    // Label -> field, from the text.
    const std::pair<int, int> labels[] = {{141, 121}, {142, 122}, {143, 123}, {154, 125}, {155, 126},
                                          {157, 156}, {170, 169}, {174, 173}, {176, 175}};
    Open();
    std::vector<Step> steps = {OpenPreferences()};
    for (auto [label, field] : labels) {
        const bool rectangles = label == 174 || label == 176;
        steps.push_back(Do(Line("choose", 171, rectangles ? "Rectangles & Lignes" : "Cercles & Arcs")));
        steps.push_back(Do(Line("press", label)));
        steps.push_back(Check([this, label, field] {
            EXPECT_EQ(Focus(), field) << label;
            EXPECT_TRUE(Item(field).textSelected) << label;
        }));
    }
    steps.push_back(Do(Line("press", 2)));
    Play(steps);
}

TEST_F(PreferencesDialog, ThePrecisionSampleShowsThePendingDecimals) {
    Open();
    auto redBlocks = [&] {
        int n = 0;
        for (const std::string& d : Drawn(170)) n += d.rfind("fillRect", 0) == 0 && d.find("#ff0000") != std::string::npos;
        return n;
    };
    Play({OpenPreferences(), Check([&] { EXPECT_EQ(redBlocks(), 2); }), Do(Line("item", 169, "4")),
          Check([&] { EXPECT_EQ(redBlocks(), 4); }), Do(Line("item", 169, "9")), Check([&] {
              EXPECT_EQ(Pending().Precision, 5) << "0 to 5 decimals";
              EXPECT_EQ(redBlocks(), 5);
          }),
          Do(Line("press", 2))});
}

TEST_F(PreferencesDialog, TypedTextIsReadAsANumberWithinTheFieldsRange) {
    Open();
    Play({OpenPreferences(), Unreadable(Line("item", 121, "épais")),
          Unreadable(Line("item", 121, "nan")), Unreadable(Line("item", 121, "1e40")),
          Unreadable("item bidon 121 \"\""), Check([&] { EXPECT_EQ(Value(121), Pending().Epaisseur); }),
          Do(Line("item", 121, "0,5")),
          Check([&] { EXPECT_EQ(Pending().Epaisseur, 0.5f); }), Do(Line("item", 121, "-3")),
          Check([&] { EXPECT_EQ(Pending().Epaisseur, 0.0f); }), Do(Line("item", 156, "70000")),
          Check([&] { EXPECT_EQ(Pending().Tolerance, 32767) << "a 16-bit count of pixels"; }),
          Check([&] {
              // Values the fields would never hand over reach the plug-in all
              // the same: out of range, held; not finite, refused.
              DlgItem& precision = Item(169);
              DlgSetNumber(precision, 9.0f, true);
              DlgNotifyItem(precision.handle, kNotifyUserChanged);
              EXPECT_EQ(Pending().Precision, 5);
              DlgItem& field = Item(121);
              DlgSetNumber(field, std::numeric_limits<float>::infinity(), false);
              DlgNotifyItem(field.handle, kNotifyUserChanged);
              EXPECT_EQ(Pending().Epaisseur, 0.0f) << "not a finite number: the pending copy stays";
              EXPECT_EQ(Value(121), 0.0f);
          }),
          Do(Line("press", 2))});
}

TEST_F(PreferencesDialog, AFailedWriteKeepsTheDialogOpenAndTheSettingsAsTheyWere) {
    Open();
    const qzv::GeneralSettings before = General();
    Play({OpenPreferences(), Do(Line("check", 120, "on")), Do("prefs-fail on"), Do(Line("press", 1)), Check([&] {
              EXPECT_EQ(Top().name, "bidon");
              EXPECT_TRUE(Same(General(), before));
              EXPECT_TRUE(Pending().Son) << "kept for another try";
              ASSERT_FALSE(Messages().empty());
              EXPECT_NE(Messages().back().find("n'ont pas pu être enregistrés"), std::string::npos);
          }),
          Do(Line("press", 2))});
    EXPECT_TRUE(Same(General(), before));
    EXPECT_FALSE(State().settings.prefsDialogOpen) << "it opens again";
    Play({OpenPreferences(), Do("prefs-fail off"), Do(Line("check", 120, "on")), Do(Line("press", 1))});
    EXPECT_TRUE(General().Son);
}

TEST_F(PreferencesDialog, ReopensWhereItWasClosedNeverTwiceAndOpensTheColours) {
    Open();
    Play({OpenPreferences(), Check([&] { Top().bounds = {40, 50, 380, 356}; }), OpenPreferences(), Check([&] {
              int open = 0;
              for (const DlgDialog* d : DlgDialogsInOrder()) open += d->name == "bidon";
              EXPECT_EQ(open, 1);
          }),
          Do(Line("press", 135)),   // the colours dialog, on top of this one
          Check([&] { EXPECT_EQ(Top().name, "ModèleBidon"); }), Do("press \"Couleurs (QZV•Orbiquad).\" 134"),
          Do("press \"Couleurs (QZV•Orbiquad).\" 1"), Check([&] {
              EXPECT_EQ(Top().name, "bidon");
              EXPECT_FALSE(State().settings.paint.stroke.paintOn);
          }),
          Do(Line("press", 2)), OpenPreferences(), Check([&] {
              EXPECT_EQ(Top().bounds.left, 40);
              EXPECT_EQ(Top().bounds.top, 50);
          }),
          Do(Line("press", 2))});
}

TEST_F(PreferencesDialog, TheBackgroundDrawsTheFramesSwatchesAndIcons) {
    Open();
    Play({OpenPreferences(), Check([&] {
              DlgRedrawDialog(Top().handle);
              const std::vector<std::string> drawn = DlgDescribe(Top().drawn);
              EXPECT_TRUE(Has(drawn, "\"Préférences communes\""));
              // The swatch beside each colours button: the stroke box in black
              // (gray 100 %), the fill box crossed in red (the fill is off).
              EXPECT_TRUE(Has(drawn, "fillRect 11,17,21,34 #000000"));
              EXPECT_TRUE(Has(drawn, "fillRect 11,159,21,176 #000000"));
              EXPECT_TRUE(Has(drawn, "line 14,30 17,20 #ff0000"));
              EXPECT_TRUE(Has(drawn, "image 17000 248,18"));
              EXPECT_TRUE(Has(drawn, "image 19000 252,158")) << "the rotation's icon, page Rectangles";
              EXPECT_FALSE(Has(drawn, "\"^R\""));
          }),
          Do(Line("choose", 171, "Cercles & Arcs")), Check([&] {
              DlgRedrawDialog(Top().handle);
              const std::vector<std::string> drawn = DlgDescribe(Top().drawn);
              EXPECT_TRUE(Has(drawn, "image 17000 6,185"));
              EXPECT_TRUE(Has(drawn, "text 6,225 \"^R\""));
              EXPECT_TRUE(Has(drawn, "text 250,225 \"^a\""));
          }),
          Do(Line("press", 2))});
}

}  // namespace
}  // namespace modal_test
