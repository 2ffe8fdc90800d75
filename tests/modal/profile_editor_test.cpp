// The rounding profile editor, opened the way the palette's flyout entry
// "Éditeur de rectangle arrondi…" will open it. Canvas positions come from
// the canvas frame of the text: 20 pixels a unit, the origin at pixel
// (110, 110), usable from pixel 10 to 450 (-5 to 17 units).
#include <cmath>
#include <limits>

#include "dialog_scenario.h"
#include "frame/host.h"
#include "geometry/rect_paths.h"

namespace modal_test {
namespace {

using namespace drawhost;

constexpr const char* kDialog = "\"Éditeur d’arrondi.\"";

std::string Line(const std::string& verb, int id, const std::string& rest = "") {
    return verb + " " + kDialog + " " + std::to_string(id) + (rest.empty() ? "" : " " + rest);
}

// A mouse event on the canvas at a position in profile units.
std::string Canvas(const char* action, float x, float y, int modifiers = 0) {
    const int h = static_cast<int>(std::lround(110 + 20 * x)), v = static_cast<int>(std::lround(110 + 20 * y));
    return Line("track", 12, std::string(action) + " " + std::to_string(h) + " " + std::to_string(v) +
                                 (modifiers ? " " + std::to_string(modifiers) : ""));
}

class ProfileEditor : public DialogScenario {
protected:
    void Open(const std::string& preferences = "") {
        StartPlugin(preferences);
        Bind();
    }
    qzv::RoundingProfile& Working() { return State().profileEditor.working; }
    qzv::RoundingProfile& Committed() { return State().settings.profile; }
    int LastCursor() {
        for (auto it = TheHost().log.rbegin(); it != TheHost().log.rend(); ++it)
            if (it->rfind("cursor ", 0) == 0) return std::stoi(it->substr(7));
        return -1;
    }
};

TEST_F(ProfileEditor, ItemsAndTheOpeningState) {
    struct Row {
        int32_t id;
        const char* type;
        IntRect bounds;   // all zero: the top row, placed by the editor
        const char* tip;
    };
    const char* button = kItemPicturePushButton;
    // Written out from the text's item table.
    const Row rows[] = {
        {12, kItemPictureStatic, {30, 35, 490, 495}, ""},
        {10, kItemSpinEdit, {}, "Position horizontale du point sélectionné."},
        {11, kItemSpinEdit, {}, "Position verticale du point sélectionné."},
        {180, button, {}, "Position horizontale du point sélectionné."},
        {181, button, {}, "Position verticale du point sélectionné."},
        {26, kItemTextEdit, {}, ""},
        {24, button, {}, "Modifier le point suivant."},
        {25, button, {}, "Modifier le point précédent."},
        {27, button, {}, "Sélection d'un point de contrôle."},
        {28, button, {}, "Sélection d'un point de tangence In."},
        {29, button, {}, "Sélection d'un point de tangence Out."},
        {17, kItemPopupList, {310, 8, 490, 30}, "Choix du pas de la grille."},
        {8, kItemPictureRadioButton, {6, 35, 25, 54}, "Déplacer des points."},
        {9, kItemPictureRadioButton, {6, 57, 25, 76}, "Ajouter ou supprimer des points."},
        {15, button, {6, 79, 25, 98}, "Déplacement indépendant des points."},
        {18, button, {6, 165, 25, 184}, "Arrondi prédéfini 1."},
        {19, button, {6, 187, 25, 206}, "Arrondi prédéfini 2."},
        {20, button, {6, 209, 25, 228}, "Arrondi prédéfini 3."},
        {21, button, {6, 231, 25, 250}, "Arrondi prédéfini 4."},
        {22, button, {6, 253, 25, 272}, "Arrondi prédéfini 5."},
        {23, button, {6, 275, 25, 294}, "Arrondi prédéfini 6."},
        {31, kItemTextStatic, {210, 498, 290, 512}, "Nombre de points de contrôle de l'arrondi (<21 et >1)."},
        {16, kItemPictureStatic, {205, 510, 297, 562}, ""},
        {182, kItemTextCheckBox, {185, 502, 205, 516}, ""},
        {183, kItemTextCheckBox, {299, 502, 319, 516}, ""},
        {184, kItemTextCheckBox, {185, 555, 205, 569}, ""},
        {185, kItemTextCheckBox, {299, 555, 319, 569}, ""},
        {2, kItemTextPushButton, {10, 542, 78, 562}, "Aucune modification."},
        {3, kItemTextPushButton, {100, 542, 172, 562}, "Retour à l'arrondi préféré précédent."},
        {1, kItemTextPushButton, {431, 542, 489, 562}, "Validation du nouvel arrondi préféré."},
    };
    const char* grid[] = {"Pas de la grille = 4 pts",  "Pas de la grille = 10 pts", "Pas de la grille = 20 pts",
                          "Pas de la grille = 50 pts", "Pas de la grille = 100 pts", "",
                          "Masquer la grille",         "Magnétisme de la grille"};
    Open();
    Play({OpenProfileEditor(), Check([&] {
              DlgDialog& d = Top();
              EXPECT_EQ(d.title, "Éditeur d’arrondi.");
              EXPECT_EQ(d.resourceId, 27000);
              EXPECT_EQ(d.bounds.right - d.bounds.left, 500);
              EXPECT_EQ(d.bounds.bottom - d.bounds.top, 600);
              for (const Row& r : rows) {
                  SCOPED_TRACE(r.id);
                  DlgItem& item = Item(r.id);
                  EXPECT_EQ(item.typeName, r.type);
                  EXPECT_EQ(item.tip, r.tip);
                  if (r.bounds.right == 0) {
                      // The top row: along the canvas's top edge, left of the grid popup.
                      EXPECT_GE(item.bounds.left, 30);
                      EXPECT_LE(item.bounds.right, 310);
                      EXPECT_LE(item.bounds.bottom, 35);
                      continue;
                  }
                  EXPECT_EQ(item.bounds.left, r.bounds.left);
                  EXPECT_EQ(item.bounds.top, r.bounds.top);
                  EXPECT_EQ(item.bounds.right, r.bounds.right);
                  EXPECT_EQ(item.bounds.bottom, r.bounds.bottom);
              }
              for (int i = 0; i < 8; ++i) {
                  EXPECT_EQ(Entry(17, i).text, grid[i]) << i;
                  EXPECT_EQ(Entry(17, i).separator, i == 5) << i;
              }
              EXPECT_EQ(Item(24).picture, 132);
              EXPECT_EQ(Item(25).picture, 134);
              for (int k = 0; k < 6; ++k) EXPECT_EQ(Item(18 + k).picture, 28002 + k);
              // Grid 20 pixels, magnetism on (checked), move mode, point 0 of the
              // default chamfer selected.
              EXPECT_EQ(SelectedEntry(17), 2);
              EXPECT_TRUE(Entry(17, 7).checked);
              EXPECT_TRUE(On(8));
              EXPECT_FALSE(On(9));
              EXPECT_EQ(Value(26), 0.0f);
              EXPECT_EQ(Value(10), 12.0f);
              EXPECT_EQ(Value(11), 0.0f);
              EXPECT_EQ(Text(31), "2 points");
              EXPECT_EQ(Item(10).minValue, -5.0f);
              EXPECT_EQ(Item(10).maxValue, 17.0f);
              for (int id : {182, 183, 184, 185}) EXPECT_TRUE(On(id)) << id;
          }),
          Do(Line("press", 2))});
}

TEST_F(ProfileEditor, RemovingAPointOfATwoPointProfileIsImpossible) {
    Open();
    Play({OpenProfileEditor(), Do(Line("press", 9)), Do(Canvas("move", 12, 0)),
          Check([&] { EXPECT_EQ(LastCursor(), 311); }), Do(Canvas("down", 12, 0)), Check([&] {
              ASSERT_FALSE(Messages().empty());
              EXPECT_EQ(Messages().back(), "Suppression impossible.");
              EXPECT_EQ(Working().count, 2);
              EXPECT_EQ(Text(31), "2 points");
          }),
          // From three points one can go: the notch's corner point.
          Do(Line("press", 19)), Do(Line("item", 26, "2")), Do(Canvas("down", 12, 12)), Check([&] {
              EXPECT_EQ(Working().count, 2);
              EXPECT_EQ(Working().x[1], 0.0f);
              EXPECT_EQ(Working().y[1], 12.0f);
              EXPECT_EQ(Text(31), "2 points");
              EXPECT_EQ(Value(26), 1.0f) << "the selection moved back to the last point";
              EXPECT_EQ(Messages().size(), 1u);
          }),
          Do(Line("press", 2))});
}

TEST_F(ProfileEditor, DraggingAPointToTheEdgeStopsAtMinusFiveOrSeventeen) {
    Open();
    Play({OpenProfileEditor(), Do(Canvas("down", 12, 0)), Check([&] { EXPECT_EQ(LastCursor(), 20008); }),
          // Grid magnetism off while the option key is held.
          Do(Canvas("drag", 40, -30, 32)), Check([&] {
              EXPECT_EQ(Working().x[0], 17.0f);
              EXPECT_EQ(Working().y[0], -5.0f);
              EXPECT_EQ(Value(10), 17.0f);
              EXPECT_EQ(Value(11), -5.0f);
          }),
          Do(Canvas("drag", -30, 40, 32)), Check([&] {
              EXPECT_EQ(Working().x[0], -5.0f);
              EXPECT_EQ(Working().y[0], 17.0f);
          }),
          // With magnetism the point lands on the last drawn grid line (pixel 430: 16 units).
          Do(Canvas("drag", 40, 3.3f)), Check([&] {
              EXPECT_EQ(Working().x[0], 16.0f);
              EXPECT_EQ(Working().y[0], 3.0f);
          }),
          Do(Canvas("up", 40, 3.3f)), Do(Line("press", 2))});
    EXPECT_EQ(Committed().x[0], 12.0f) << "cancelled";
}

TEST_F(ProfileEditor, InsertingOnAStraightSideKeepsItStraight) {
    Open();
    Play({OpenProfileEditor(), Do(Line("press", 9)), Do(Canvas("move", 6, 6)),
          Check([&] { EXPECT_EQ(LastCursor(), 310); }), Do(Canvas("down", 6, 6)), Check([&] {
              const qzv::RoundingProfile& p = Working();
              ASSERT_EQ(p.count, 3);
              EXPECT_EQ(Text(31), "3 points");
              EXPECT_EQ(Value(26), 1.0f) << "the new point is selected";
              EXPECT_EQ(p.x[1], 6.0f);
              EXPECT_EQ(p.y[1], 6.0f);
              // Every anchor and handle on the chamfer x + y = 12.
              const float* coords[][2] = {{p.x, p.y}, {p.inX, p.inY}, {p.outX, p.outY}};
              for (int i = 0; i < 3; ++i)
                  for (auto& c : coords) EXPECT_NEAR(c[0][i] + c[1][i], 12.0f, 1e-5f) << i;
              EXPECT_EQ(State().settings.working.TypeArrondi, 1) << "the palette's rounding type";
          }),
          Do(Line("press", 2))});
}

TEST_F(ProfileEditor, TwentyPointsTakeNoMore) {
    Open();
    std::vector<Step> steps = {OpenProfileEditor(), Do(Line("press", 9))};
    // Clicks down the chamfer, half a unit apart: each splits the side it
    // lands on, away from the points already there.
    for (int k = 0; k < 18; ++k) {
        const float x = 11.5f - 0.5f * static_cast<float>(k);
        steps.push_back(Do(Canvas("down", x, 12.0f - x)));
    }
    steps.push_back(Check([&] { EXPECT_EQ(Working().count, 20); }));
    steps.push_back(Do(Canvas("down", 1.5f, 10.5f)));
    steps.push_back(Check([&] {
        EXPECT_EQ(Working().count, 20);
        ASSERT_FALSE(Messages().empty());
        EXPECT_EQ(Messages().back(), "Le maximum est atteint, ajouter un point est impossible.");
    }));
    steps.push_back(Do(Canvas("move", 30, 30)));
    steps.push_back(Check([&] { EXPECT_EQ(LastCursor(), 20009) << "outside the usable area"; }));
    steps.push_back(Do(Line("press", 1)));
    Play(steps);
    int32_t count = 0;
    ASSERT_TRUE(StoredInt("NbPtsArrondiEdit", &count));
    EXPECT_EQ(count, 20);
    double x19 = 0;
    ASSERT_TRUE(StoredReal("PtFlEditX19", &x19));
    EXPECT_EQ(x19, 6.0) << "the last point (0, 12) is stored plus 6";
}

TEST_F(ProfileEditor, PresetsSymmetryAndTypedCoordinates) {
    Open();
    Play({OpenProfileEditor(), Do(Line("press", 21)),   // profile 4: a quarter round set back
          Check([&] {
              EXPECT_EQ(Working().count, 4);
              EXPECT_TRUE(Working().symmetric);
              EXPECT_EQ(Tip(15), "Déplacement symétrique des points.");
              EXPECT_EQ(Text(31), "4 points");
              EXPECT_EQ(Item(26).maxValue, 3.0f);
          }),
          Do(Line("item", 26, "1")), Do(Line("item", 10, "11")), Check([&] {
              // Point 1 moves right; its mirror, point 2, moves down.
              EXPECT_EQ(Working().x[1], 11.0f);
              EXPECT_EQ(Working().y[2], 11.0f);
          }),
          Do(Line("press", 28)),   // the In handle of point 1
          Do(Line("item", 11, "3")), Check([&] {
              EXPECT_EQ(Working().inY[1], 3.0f);
              EXPECT_EQ(Working().outX[2], 3.0f) << "the Out handle of the mirror";
          }),
          Do(Line("press", 24)), Check([&] {
              EXPECT_EQ(Value(26), 2.0f);
              EXPECT_EQ(Focus(), 26);
          }),
          Do(Line("press", 24)), Check([&] { EXPECT_EQ(Value(26), 0.0f) << "the last point has no In handle"; }),
          Refused(Line("press", 29), "disabled"),   // the first point has no Out handle
          Do(Line("press", 15)), Check([&] { EXPECT_EQ(Tip(15), "Déplacement indépendant des points."); }),
          Do(Line("press", 25)), Check([&] { EXPECT_EQ(Value(26), 2.0f) << "previous wraps to the end"; }),
          Do(Line("press", 2))});
    EXPECT_EQ(Committed().count, 2) << "cancelled";
}

TEST_F(ProfileEditor, GridPopupAndCorners) {
    Open();
    Play({OpenProfileEditor(), Do(Line("choose", 17, "\"Pas de la grille = 50 pts\"")), Check([&] {
              EXPECT_EQ(State().profileEditor.gridStep, 50);
              EXPECT_EQ(Item(10).largeStep, 2.5f);
          }),
          Do(Line("choose", 17, "\"Masquer la grille\"")), Check([&] {
              EXPECT_FALSE(State().profileEditor.gridVisible);
              EXPECT_EQ(Entry(17, 6).text, "Afficher la grille");
              EXPECT_EQ(SelectedEntry(17), 3) << "the step's entry again";
          }),
          Do(Line("choose", 17, "\"Magnétisme de la grille\"")), Check([&] {
              EXPECT_FALSE(State().profileEditor.gridMagnetism);
              EXPECT_FALSE(Entry(17, 7).checked);
              EXPECT_EQ(SelectedEntry(17), 3);
          }),
          Do(Line("check", 183, "off")), Do(Line("check", 184, "off")), Do(Line("press", 3)), Check([&] {
              // "Défaut": the committed profile, grid 20 with magnetism.
              EXPECT_EQ(State().profileEditor.gridStep, 20);
              EXPECT_TRUE(State().profileEditor.gridMagnetism);
              EXPECT_EQ(SelectedEntry(17), 2);
              EXPECT_TRUE(On(183));
          }),
          Do(Line("check", 183, "off")), Do(Line("check", 184, "off")), Do(Line("press", 1))});
    EXPECT_FALSE(Committed().cornerTopRight);
    EXPECT_FALSE(Committed().cornerBottomLeft);
    EXPECT_TRUE(Committed().cornerTopLeft);
    bool topRight = true, bottomLeft = true;
    ASSERT_TRUE(StoredBool("CoinHD", &topRight) && StoredBool("CoinBG", &bottomLeft));
    EXPECT_FALSE(topRight);
    EXPECT_FALSE(bottomLeft);
}

TEST_F(ProfileEditor, ACommittedProfileShapesTheRectanglesAfterARestart) {
    Open();
    Play({OpenProfileEditor(), Do(Line("press", 19)),   // profile 2: a square notch
          Do(Line("check", 185, "off")), Do(Line("press", 1))});
    EXPECT_EQ(Committed().count, 3) << "the rectangle tool draws with it at once";
    Restart();
    const qzv::RoundingProfile& p = State().settings.profile;
    ASSERT_EQ(p.count, 3);
    EXPECT_EQ(p.x[1], 12.0f);
    EXPECT_EQ(p.y[1], 12.0f);
    EXPECT_TRUE(p.symmetric);
    EXPECT_FALSE(p.cornerBottomRight);
    // A 48 x 36 rectangle of rounding 12 centred on the origin: the notch
    // puts the top-left corner's middle point at (-24 + 12, 18 - 12).
    const qzv::ShapeBuild build =
        qzv::BuildRoundedRectangle(48, 36, 12, true, 0, RealPoint{0, 0}, qzv::kRoundingProfile, &p);
    bool notch = false;
    for (int i = 0; i < build.path.count; ++i)
        notch = notch || (build.path.seg[i].p.h == -12.0f && build.path.seg[i].p.v == 6.0f);
    EXPECT_TRUE(notch);
}

TEST_F(ProfileEditor, TypedTextIsHeldWithinTheCanvas) {
    Open();
    Play({OpenProfileEditor(), Unreadable(Line("item", 10, "abc")),
          Unreadable(Line("item", 10, "1e40")), Unreadable(Line("item", 10, "nan")),
          Do(Line("item", 10, "99")), Check([&] { EXPECT_EQ(Working().x[0], 17.0f); }),
          Do(Line("item", 11, "-2,5")), Check([&] { EXPECT_EQ(Working().y[0], -2.5f); }),
          Do(Line("item", 26, "50")), Check([&] { EXPECT_EQ(Value(26), 1.0f) << "the last point of two"; }),
          Check([&] {
              DlgItem& field = Item(10);
              DlgSetNumber(field, std::numeric_limits<float>::quiet_NaN(), false);
              DlgNotifyItem(field.handle, kNotifyUserChanged);
              EXPECT_EQ(Working().x[1], 0.0f);
              EXPECT_EQ(Value(10), 0.0f);
          }),
          Do(Line("press", 2))});
}

TEST_F(ProfileEditor, ADamagedStoredProfileOpensWithinTheCanvas) {
    // Coordinates are stored plus 6: 1e30 far right, -1e30 far up.
    Open("NbPtsArrondiEdit = int:2\nPtFlEditX0 = real:1e30\nPtFlEditY0 = real:-1e30\n");
    Play({OpenProfileEditor(), Check([&] {
              EXPECT_EQ(Working().x[0], 17.0f);
              EXPECT_EQ(Working().y[0], -5.0f);
              EXPECT_EQ(Value(10), 17.0f);
              EXPECT_FALSE(Drawn(12).empty());
              EXPECT_FALSE(Drawn(16).empty());
          }),
          Do(Line("press", 2))});
    EXPECT_EQ(Committed().x[0], 1e30f) << "nothing changes until OK";
}

TEST_F(ProfileEditor, AFailedWriteKeepsTheEditorOpenAndTheProfileAsItWas) {
    Open();
    Play({OpenProfileEditor(), Do(Line("press", 20)), Do("prefs-fail on"), Do(Line("press", 1)), Check([&] {
              EXPECT_EQ(Top().title, "Éditeur d’arrondi.");
              EXPECT_EQ(Committed().count, 2);
              EXPECT_NE(Messages().back().find("n'ont pas pu être enregistrés"), std::string::npos);
          }),
          Do("prefs-fail off"), Do(Line("press", 1))});
    EXPECT_EQ(Committed().count, 7);
}

TEST_F(ProfileEditor, ReopensWhereItWasClosed) {
    Open();
    Play({OpenProfileEditor(), Check([&] { Top().bounds = {100, 20, 600, 620}; }), OpenProfileEditor(),
          Do("close " + std::string(kDialog)), OpenProfileEditor(), Check([&] {
              EXPECT_EQ(Top().bounds.left, 100);
              EXPECT_EQ(Top().bounds.top, 20);
          }),
          Do(Line("press", 2))});
}

}  // namespace
}  // namespace modal_test
