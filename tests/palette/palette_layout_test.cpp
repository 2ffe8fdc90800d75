// The palette as it is built: where it opens, its items with their types,
// rectangles, tooltips, pictures and popup entries (written out here from
// the item table, independently of the plug-in's), the scale entry, the
// sector pictures, and what its draw procedure paints.
#include <algorithm>

#include "palette_scenario.h"

namespace palette_test {
namespace {

using namespace drawhost;

class PaletteLayout : public PaletteScenario {};

bool Has(const std::vector<std::string>& lines, const std::string& prefix) {
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(prefix, 0) == 0; });
}

// The default corner on drawhost's 1920 x 1080 screen: ((1920 - 172) / 2,
// (1080 - 109) / 3) = (874, 323), worked out by hand.
TEST_F(PaletteLayout, WithoutPlacementPreferencesItOpensHiddenAtTheDefaultCornerWithEveryItemOff) {
    StartPlugin(kLaterStart);
    DlgDialog& p = Palette();
    EXPECT_FALSE(p.visible);
    EXPECT_EQ(p.title, "Zivo & Voraved 6.4");
    EXPECT_EQ(p.style, kDlgTabbedFloatingStyle);
    EXPECT_EQ(p.options, 1);
    EXPECT_EQ(p.resourceId, 16400);
    EXPECT_EQ(p.bounds.left, 874);
    EXPECT_EQ(p.bounds.top, 323);
    EXPECT_EQ(p.bounds.right - p.bounds.left, 172);
    EXPECT_EQ(p.bounds.bottom - p.bounds.top, 90);
    EXPECT_EQ(p.groupName, "W");
    EXPECT_EQ(p.dockCode, 7168);
    EXPECT_EQ(p.iconIds[0], 5041);
    EXPECT_EQ(p.iconIds[1], 5042);
    EXPECT_EQ(MenuText(), "Afficher QZV•Orbiquad");
    for (int32_t id : {31, 11, 70, 63, 64, 8, 10, 16, 50, 58, 44, 46, 14, 15, 90, 95, 72, 74, 75, 78, 79, 77})
        EXPECT_FALSE(Item(id).enabled) << id;
    EXPECT_FALSE(Item(kDlgFlyoutMenuItemID).enabled);
    // The buttons of the two first modes are down.
    EXPECT_TRUE(Item(50).boolean);
    EXPECT_FALSE(Item(51).boolean);
    EXPECT_TRUE(Item(90).boolean);
    EXPECT_FALSE(Item(95).boolean);
    // The first page of the help, its previous button off.
    EXPECT_EQ(Item(136).number, 1);
    EXPECT_EQ(Item(138).number, 22);
    EXPECT_FALSE(Item(62).enabled);
    EXPECT_TRUE(Item(61).enabled);
    // Where the four modal dialogs open first: ((1920 - w) >> 1, (1080 - h) / 3).
    const IntRect* r = State().paletteState.dialogRect;
    EXPECT_EQ(r[qzv::kModalPreferences].left, 790);
    EXPECT_EQ(r[qzv::kModalPreferences].top, 258);
    EXPECT_EQ(r[qzv::kModalColours].left, 864);
    EXPECT_EQ(r[qzv::kModalColours].top, 325);
    EXPECT_EQ(r[qzv::kModalScale].right, 860 + 200);
    EXPECT_EQ(r[qzv::kModalProfileEditor].bottom, 160 + 600);
}

// A first start writes "kADM_DPVisibleStr" true with the other defaults
// before the palette reads it.
TEST_F(PaletteLayout, AFirstStartShowsThePalette) {
    StartPlugin("");
    EXPECT_TRUE(Palette().visible);
    EXPECT_EQ(MenuText(), "Masquer QZV•Orbiquad");
}

struct ItemRow {
    int32_t id;
    const char* type;
    IntRect rect;
    int32_t picture, selected;
    const char* tip;
};

// The item table, row by row; the grids and label rectangles computed by hand.
const ItemRow kItems[] = {
    {50, "ADM Picture Radio Button Type", {3, 3, 22, 22}, 150, 0, "Cercle (centre et un point du cercle)"},
    {52, "ADM Picture Radio Button Type", {45, 3, 64, 22}, 152, 0, "Cercle (3 points du cercle)"},
    {54, "ADM Picture Radio Button Type", {24, 24, 43, 43}, 154, 0, "Arc (2 extrémités de l'arc)"},
    {58, "ADM Picture Radio Button Type", {45, 45, 64, 64}, 158, 0, "Cercle (tangents à 3 droites)"},
    {91, "ADM Picture Radio Button Type", {24, 3, 43, 22}, 301, 0,
     "Rectangle arrondi(2 points opposés du rectangle arrondi)"},
    {95, "ADM Picture Radio Button Type", {45, 24, 64, 43}, 305, 0, "Ligne centrée (milieu et extrémité de la ligne)"},
    {11, "ADM Picture Push Button Type", {148, 2, 168, 22}, 128, 129, ""},
    {8, "ADM Spin Edit Type", {84, 4, 132, 23}, 0, 0, "Épaisseur des traits."},
    {30, "ADM Picture Push Button Type", {79, 6, 84, 23}, 0, 0, "Épaisseur des traits."},
    {31, "ADM Picture Push Button Type", {69, 6, 79, 23}, 0, 0, "Dialogue des couleurs (fond et contour)."},
    {81, "ADM Picture Push Button Type", {69, 0, 79, 6}, 0, 0, "Permuter le fond et le contour."},
    {44, "ADM Picture Push Button Type", {87, 28, 102, 43}, 0, 0, "Modifier le rayon de l'arc/cercle."},
    {45, "ADM Picture Push Button Type", {87, 49, 102, 64}, 0, 0, "Utilisé seulement pour les arcs."},
    {46, "ADM Picture Push Button Type", {87, 70, 102, 85}, 0, 0, "Utilisé seulement pour les arcs."},
    {47, "ADM Picture Push Button Type", {87, 28, 102, 43}, 0, 0, "Longueur du rectangle ou de la ligne."},
    {48, "ADM Picture Push Button Type", {87, 49, 102, 64}, 0, 0, "Largeur du rectangle."},
    {49, "ADM Picture Push Button Type", {87, 70, 102, 85}, 0, 0, "Inclinaison du rectangle."},
    {16, "ADM Picture Static Type", {67, 26, 82, 41}, 0, 0, "Saillant/Rentrant."},
    {10, "ADM Spin Edit Type", {104, 24, 168, 43}, 0, 0, "Rayon du cercle."},
    {14, "ADM Spin Edit Popup Type", {104, 46, 168, 65}, 0, 0, "Angle au centre."},
    {15, "ADM Spin Edit Popup Type", {104, 68, 168, 87}, 0, 0, "Angle du début de l'arc."},
    {72, "ADM Spin Edit Type", {104, 24, 168, 43}, 0, 0, "Longueur du rectangle ou de la ligne."},
    {73, "ADM Spin Edit Type", {104, 46, 168, 65}, 0, 0, "Largeur du rectangle."},
    {74, "ADM Spin Edit Popup Type", {104, 68, 168, 87}, 0, 0, "Inclinaison du rectangle."},
    {75, "ADM Spin Edit Type", {32, 46, 65, 65}, 0, 0, "Rayon de l'arrondi."},
    {78, "ADM Picture Radio Button Type", {3, 50, 15, 62}, 0, 0,
     "Arrondi en quart de cercle tourné vers l'intérieur ou l'extérieur."},
    {79, "ADM Picture Radio Button Type", {17, 50, 29, 62}, 0, 0, "Arrondi personnalisé (éditable)."},
    {77, "ADM Picture Push Button Type", {67, 26, 83, 42}, 0, 0, "Ligne simple ou ligne polygonale."},
    {63, "ADM Popup List Type", {22, 69, 82, 86}, 0, 0, "Échelle du dessin"},
    {64, "ADM Text Static Type", {2, 72, 20, 88}, 0, 0, "Échelle du dessin"},
    {13, "ADM Picture Static Type", {137, 2, 145, 10}, 159, 0, "Indique que l'échelle n'est pas 1."},
    {70, "ADM Picture Static Type", {67, 47, 85, 65}, 0, 0, "Cloner le tracé."},
    {71, "ADM Text Static Type", {66, 47, 84, 65}, 0, 0, "Nombre de clones."},
    {60, "ADM Text Static Multi Line Type", {172, 2, 340, 76}, 0, 0, "Texte de l'aide."},
    {61, "ADM Picture Push Button Type", {317, 78, 330, 89}, 132, 133, "Page suivante de l'aide."},
    {62, "ADM Picture Push Button Type", {180, 78, 193, 89}, 134, 135, "Première page de l'aide."},
    {136, "ADM Text Static Type", {229, 78, 249, 92}, 0, 0, "Numéro de page de l'aide."},
    {137, "ADM Text Static Type", {249, 78, 259, 92}, 0, 0, ""},
    {138, "ADM Text Static Type", {259, 78, 279, 92}, 0, 0, ""},
};

TEST_F(PaletteLayout, EveryItemHasItsTypeRectangleTooltipAndPictures) {
    StartPlugin("Secteur = bool:false\n" + std::string(kLaterStart));
    for (const ItemRow& row : kItems) {
        SCOPED_TRACE("item " + std::to_string(row.id));
        DlgItem& item = Item(row.id);
        EXPECT_EQ(item.typeName, row.type);
        EXPECT_EQ(item.bounds.left, row.rect.left);
        EXPECT_EQ(item.bounds.top, row.rect.top);
        EXPECT_EQ(item.bounds.right, row.rect.right);
        EXPECT_EQ(item.bounds.bottom, row.rect.bottom);
        EXPECT_EQ(item.picture, row.picture);
        EXPECT_EQ(item.selectedPicture, row.selected);
        EXPECT_EQ(item.tip, row.tip);
    }
    // The order of making: the nine circle modes first, the help items last.
    const std::vector<DlgItem*>& items = Palette().items;
    ASSERT_GE(items.size(), 16u);
    EXPECT_EQ(items[1]->id, 50);   // after the dialog's own flyout
    EXPECT_EQ(items[10]->id, 90);
    EXPECT_EQ(items[16]->id, 11);
    EXPECT_EQ(items.back()->id, 138);
    // Static texts and their layout.
    EXPECT_EQ(Item(64).text, "Éch.");
    EXPECT_EQ(Item(137).text, "/");
    EXPECT_EQ(Item(137).justify, kJustifyCenter);
    EXPECT_EQ(Item(136).justify, kJustifyRight);
    EXPECT_EQ(Item(138).justify, kJustifyLeft);
    EXPECT_EQ(Item(71).justify, kJustifyCenter);
    EXPECT_EQ(Item(60).justify, kJustifyCenter);
    EXPECT_EQ(Item(60).font, kFontSmall);
    EXPECT_FALSE(Item(75).visible);
}

TEST_F(PaletteLayout, NumericFieldsCarryTheirUnitsRangesAndSteps) {
    StartPlugin("Epaisseur = real:0.5\nArrondi = real:7\nRotRectangle = real:0.5235987755982988\n" +
                std::string(kLaterStart));
    const DlgItem& stroke = Item(8);
    EXPECT_EQ(stroke.units, kUnitsPoints);
    EXPECT_FLOAT_EQ(stroke.number, 0.5f);
    EXPECT_TRUE(stroke.hasMin);
    EXPECT_EQ(stroke.minValue, 0.0f);
    EXPECT_FLOAT_EQ(stroke.smallStep, 0.1f);
    EXPECT_FLOAT_EQ(stroke.largeStep, 1.0f);
    for (int32_t id : {10, 72, 73}) {
        const DlgItem& length = Item(id);
        EXPECT_EQ(length.units, kUnitsMillimeters) << id;
        EXPECT_FLOAT_EQ(length.smallStep, 72.0f / 25.4f) << id;    // 1 mm in points
        EXPECT_FLOAT_EQ(length.largeStep, 720.0f / 25.4f) << id;   // 1 cm
    }
    EXPECT_TRUE(Item(10).hasMin);
    EXPECT_FALSE(Item(72).hasMin);
    for (int32_t id : {14, 15, 74}) {
        const DlgItem& angle = Item(id);
        EXPECT_EQ(angle.units, kUnitsDegrees) << id;
        EXPECT_EQ(angle.minValue, -360.0f) << id;
        EXPECT_EQ(angle.maxValue, 360.0f) << id;
        EXPECT_EQ(angle.smallStep, 1.0f) << id;
    }
    EXPECT_NEAR(Item(74).number, 30.0f, 1e-4);   // pi/6 shown in degrees
    EXPECT_FLOAT_EQ(Item(75).number, 7.0f);
    EXPECT_EQ(Item(75).units, kUnitsPoints);
    EXPECT_EQ(Item(71).text, "0");
}

std::vector<std::string> Texts(const std::vector<DlgEntry*>& entries) {
    std::vector<std::string> out;
    for (const DlgEntry* e : entries) out.push_back(e->separator ? "-" : std::to_string(e->id) + ":" + e->text);
    return out;
}

TEST_F(PaletteLayout, PopupsOfferTheAnglesAndTheScales) {
    StartPlugin(kLaterStart);
    EXPECT_EQ(Texts(Entries(14)), (std::vector<std::string>{"0:30°", "1:60°", "2:90°", "3:120°", "4:150°", "5:180°",
                                                            "6:210°", "7:240°", "8:270°", "9:300°", "10:330°"}));
    const std::vector<std::string> signedAngles = {"0: -180°", "1: -150°", "2: -120°", "3: -90°", "4: -60°",
                                                   "5: -30°",  "-",        "6: 0°",     "-",       "7: 30°",
                                                   "8: 60°",   "9: 90°",   "10: 120°",  "11: 150°", "12: 180°"};
    EXPECT_EQ(Texts(Entries(15)), signedAngles);
    EXPECT_EQ(Texts(Entries(74)), signedAngles);
    // A later start reads the stored custom scale 0/0 as 1/1.
    EXPECT_EQ(Texts(Entries(63)),
              (std::vector<std::string>{"0:1/100", "1:1/50", "2:1/25", "3:1/10", "4:1/5", "5:1/4", "6:1/3", "7:1/2",
                                        "-", "9:1", "-", "11:2/1", "12:3/1", "13:4/1", "14:5/1", "15:10/1",
                                        "16:25/1", "17:50/1", "18:100/1", "-", "20:Éch. Perso…", "21:1/1"}));
    // Flyout: the menu resource, with the working switches' check marks.
    std::vector<std::string> flyout;
    for (const DlgEntry* e : Entries(kDlgFlyoutMenuItemID))
        if (!e->separator) flyout.push_back(std::to_string(e->id) + (e->checked ? "+" : "") + (e->enabled ? "" : "!"));
    // Every flag on by default; "Secteur" and the tangent marks disabled until a tool is selected.
    EXPECT_EQ(flyout, (std::vector<std::string>{"1+!", "3+", "4+", "6+!", "8", "9", "11", "13"}));
}

TEST_F(PaletteLayout, TheCustomEntryReadsItsScaleOrAnEllipsisBeforeAnyWasSet) {
    StartPlugin("EchelleNumPerso = int:3\nEchelleDenPerso = int:7\n" + std::string(kLaterStart));
    EXPECT_EQ(Entry(63, 21).text, "3/7");
    // The first start of a fresh store writes 0/0: no custom scale yet.
    SessionQuit();
    TheHost().plugins.clear();
    HostReset();
    StartPlugin("");
    EXPECT_EQ(Entry(63, 21).text, "…/…");
}

struct ScaleCase {
    const char* stored;
    int32_t entry;
    bool indicator;
};

// Expected entries from the popup's list of scales; any other scale is the custom one.
const ScaleCase kScales[] = {
    {"", 9, false},
    {"EchelleNum = real:1\nEchelleDen = real:100\n", 0, true},
    {"EchelleNum = real:1\nEchelleDen = real:2\n", 7, true},
    {"EchelleNum = real:2\nEchelleDen = real:1\n", 11, true},
    {"EchelleNum = real:100\nEchelleDen = real:1\n", 18, true},
    {"EchelleNum = real:3\nEchelleDen = real:7\n", 21, true},
    {"EchelleNum = real:2\nEchelleDen = real:2\n", 21, false},   // 2/2 is no listed entry, yet the factor is 1
};

TEST_F(PaletteLayout, TheScaleSelectsItsEntryAndShowsTheIndicatorWhenNotOne) {
    for (const ScaleCase& c : kScales) {
        SCOPED_TRACE(c.stored);
        StartPlugin(std::string(c.stored) + kLaterStart);
        int checked = 0;
        for (const DlgEntry* e : Entries(63)) {
            checked += e->checked;
            EXPECT_EQ(e->selected, e->id == c.entry) << e->id;
            EXPECT_EQ(e->checked, e->id == c.entry) << e->id;
        }
        EXPECT_EQ(checked, 1);
        EXPECT_EQ(Item(13).visible, c.indicator);
        SessionQuit();
        TheHost().plugins.clear();
        HostReset();
    }
}

TEST_F(PaletteLayout, TheSectorFlagGivesTheArcButtonsTheirSectorPicturesFromTheStart) {
    StartPlugin("Secteur = bool:true\n" + std::string(kLaterStart));
    EXPECT_EQ(Item(53).picture, 253);
    EXPECT_EQ(Item(54).picture, 254);
    EXPECT_EQ(Item(55).picture, 255);
    EXPECT_EQ(Item(53).tip, "Secteur (centre et un point de l'arc)");
    EXPECT_EQ(Item(54).tip, "Secteur (2 extrémités de l'arc)");
    EXPECT_EQ(Item(55).tip, "Secteur (l'arc passe par 3 points)");
    EXPECT_EQ(Item(52).picture, 152);   // not an arc
    EXPECT_EQ(Item(56).picture, 156);
    EXPECT_TRUE(Entry(kDlgFlyoutMenuItemID, 1).checked);
    // The buttons draw what their picture says.
    EXPECT_TRUE(Has(ItemDrawing(54), "image 254 1,1,"));

    Restart();
    State().settings.working.Secteur = false;
    Run("menu \"Afficher QZV•Orbiquad\"");
    Select(kCircleTool);
    Run("press QZVARC 53");
    Run("choose QZVARC flyout Secteur");   // arc mode: the switch is enabled
    EXPECT_TRUE(State().settings.working.Secteur);
    EXPECT_EQ(Item(55).picture, 255);
    Run("choose QZVARC flyout Secteur");
    EXPECT_EQ(Item(53).picture, 153);
    EXPECT_EQ(Item(54).tip, "Arc (2 extrémités de l'arc)");
    EXPECT_EQ(Item(55).tip, "Arc (qui passe par 3 points)");
    EXPECT_FALSE(Entry(kDlgFlyoutMenuItemID, 1).checked);

    // Ctrl during an arc's drag switches arc and sector; the palette follows.
    Run("click 200 200");   // the centre
    Run("down 260 200");    // the start of the arc
    Run("drag 260 220");
    Run("key ctrl down");
    Run("drag 260 240");
    EXPECT_TRUE(State().settings.working.Secteur);
    EXPECT_EQ(Item(54).picture, 254);
    EXPECT_EQ(Item(53).tip, "Secteur (centre et un point de l'arc)");
    EXPECT_TRUE(Entry(kDlgFlyoutMenuItemID, 1).checked);
    Run("key ctrl up");
    Run("up 260 240");
}

TEST_F(PaletteLayout, TheDrawProcedurePaintsTheIconsOfTheToolUnderItsButtons) {
    StartPlugin(kShown);
    std::vector<std::string> drawn = DialogDrawing();
    EXPECT_TRUE(Has(drawn, "image 19007 69,0,"));    // swap arrow
    EXPECT_TRUE(Has(drawn, "image 18013 67,47,"));   // no clone yet
    EXPECT_FALSE(Has(drawn, "image 18012 "));
    EXPECT_TRUE(Has(drawn, "image 19000 89,28,"));   // no tool yet: the circle tool's labels
    EXPECT_TRUE(Has(drawn, "image 19001 94,50,"));
    EXPECT_TRUE(Has(drawn, "image 19002 89,72,"));
    EXPECT_TRUE(Has(drawn, "image 17010 67,26,"));
    State().tool.complement = 1;
    State().paletteState.cloneCount = 1;
    drawn = DialogDrawing();
    EXPECT_TRUE(Has(drawn, "image 17011 67,26,"));
    EXPECT_TRUE(Has(drawn, "image 18012 67,47,"));

    Select(kRectTool);
    drawn = DialogDrawing();
    EXPECT_TRUE(Has(drawn, "image 19003 87,28,"));
    EXPECT_TRUE(Has(drawn, "image 19004 91,48,"));
    EXPECT_TRUE(Has(drawn, "image 19005 86,70,"));
    EXPECT_TRUE(Has(drawn, "image 19010 67,26,"));
    EXPECT_FALSE(Has(drawn, "image 19000 "));
    Run("press QZVARC 92");
    EXPECT_TRUE(Has(DialogDrawing(), "image 19009 67,26,"));   // "LignePoly" on by default
    State().settings.working.LignePoly = false;
    EXPECT_TRUE(Has(DialogDrawing(), "image 19008 67,26,"));
}

TEST_F(PaletteLayout, TheCurrentModeButtonIsSunkenAndInvertedTheOthersRaised) {
    StartPlugin(kShown);
    Select(kCircleTool);
    Run("press QZVARC 57");
    const std::vector<std::string> current = ItemDrawing(57);
    ASSERT_EQ(current.size(), 3u);
    EXPECT_EQ(current[0].rfind("image 157 1,1,", 0), 0u);   // whatever the picture's size
    EXPECT_EQ(current[1], "sunken 0,0,19,19");
    EXPECT_EQ(current[2], "invertRect 1,1,18,18");
    const std::vector<std::string> other = ItemDrawing(50);
    ASSERT_EQ(other.size(), 2u);
    EXPECT_EQ(other[1], "raised 0,0,19,19");
    // The rounding-type buttons likewise, 12 pixels square.
    const std::vector<std::string> quarter = ItemDrawing(78);
    ASSERT_EQ(quarter.size(), 3u);
    EXPECT_EQ(quarter[0].rfind("image 403 1,1,", 0), 0u);
    EXPECT_EQ(quarter[2], "invertRect 1,1,11,11");
    EXPECT_EQ(ItemDrawing(79).back(), "raised 0,0,12,12");
    // The invisible buttons paint nothing over the icons.
    for (int32_t id : {30, 31, 81, 44, 47, 77}) EXPECT_TRUE(ItemDrawing(id).empty()) << id;
}

}  // namespace
}  // namespace palette_test
