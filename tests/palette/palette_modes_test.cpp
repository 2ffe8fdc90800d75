// The palette per tool and mode: which items each of the fifteen modes
// enables, shows and labels (the tables written out here from the Part's
// tables, independently of the plug-in's), the mode buttons, the label
// buttons, the rounding type, the flyout switches and tool deselection.
#include <set>

#include "document/document.h"
#include "palette_scenario.h"

namespace palette_test {
namespace {

using namespace drawhost;

class PaletteModes : public PaletteScenario {};

// The items whose state the tables fix.
const std::vector<int32_t> kWatched = {8,  10, 14, 15, 16, 44, 45, 46, 47, 48, 49, 50, 51, 52, 53, 54, 55, 56,
                                       57, 58, 72, 73, 74, 75, 77, 78, 79, 90, 91, 92, 93, 94, 95};

std::vector<int32_t> Range(int32_t first, int32_t last) {
    std::vector<int32_t> out;
    for (int32_t id = first; id <= last; ++id) out.push_back(id);
    return out;
}

std::set<int32_t> Union(std::initializer_list<std::vector<int32_t>> parts) {
    std::set<int32_t> out;
    for (const auto& part : parts) out.insert(part.begin(), part.end());
    return out;
}

const char* const R = "Modifier le rayon de l'arc/cercle.";
const char* const U = "Utilisé seulement pour les arcs.";
const char* const L = "Longueur du rectangle ou de la ligne.";
const char* const W = "Largeur du rectangle.";
const char* const I = "Inclinaison du rectangle.";
const char* const SL = "Longueur du segment.";
const char* const SX = "Inutilisé pour cet outil.";
const char* const SI = "Inclinaison du segment.";

struct ModeRow {
    bool rect;
    int32_t mode;
    std::set<int32_t> enabled;   // every other watched item is disabled
    const char* tips[3];         // of 44..46 (circle tool) or 47..49 (rectangle tool)
    bool radiusFocus;
    bool sectorEntry, tangentEntry;
};

// Visible items per tool: the circle tool shows its fields, labels and
// grid; the rectangle tool its own. 47..49 are never hidden (invisible
// buttons), the stroke weight always shows.
const std::set<int32_t> kCircleShown = Union({{8, 10, 14, 15, 16, 44, 45, 46, 47, 48, 49}, Range(50, 58)});
const std::set<int32_t> kRectShown = Union({{8, 47, 48, 49, 72, 73, 74, 75, 77, 78, 79}, Range(90, 95)});

std::vector<ModeRow> Rows() {
    const std::vector<int32_t> grid = Range(50, 58), rects = Range(90, 95);
    return {
        {false, 0, Union({{8, 10, 16, 44}, grid}), {R, U, U}, true, false, false},
        {false, 1, Union({{8, 10, 16, 44}, grid}), {R, U, U}, true, false, false},
        {false, 2, Union({{8, 10, 16, 44}, grid}), {R, U, U}, true, false, false},
        {false, 3, Union({{8, 10, 14, 15, 16, 44, 45, 46}, grid}),
         {R, "Modifier l'angle de l'arc.", "Modifier l'orientation de l'arc."}, false, true, false},
        {false, 4, Union({{8, 10, 14, 16, 44, 45}, grid}),
         {R, "Modifier l'angle de l'arc.", "Inutilisé pour ce type d'arc."}, false, true, false},
        {false, 5, Union({{8, 10, 14, 15, 16, 44, 45, 46}, grid}),
         {R, "Modifier l'angle de l'arc.", "Modifier l'orientation de l'arc."}, false, true, false},
        {false, 6, Union({{8, 10, 16, 44}, grid}), {R, U, U}, true, false, true},
        {false, 7, Union({{8, 10, 16, 44}, grid}), {R, U, U}, true, false, true},
        {false, 8, Union({{8, 16}, grid}), {"Inutilisé pour cet outil.", U, U}, false, false, true},
        {true, 0, Union({{8, 47, 48, 49, 72, 73, 74}, rects}), {L, W, I}, false, false, false},
        {true, 1, Union({{8, 47, 48, 49, 72, 73, 74, 75, 78, 79}, rects}), {L, W, I}, false, false, false},
        {true, 2, Union({{8, 77}, rects}), {SL, SX, SI}, false, false, false},   // no line under way
        {true, 3, Union({{8, 47, 48, 49, 72, 73, 74}, rects}), {L, W, I}, false, false, false},
        {true, 4, Union({{8, 47, 48, 49, 72, 73, 74, 75, 78, 79}, rects}), {L, W, I}, false, false, false},
        {true, 5, Union({{8, 47, 49, 72, 74}, rects}), {SL, SX, SI}, false, false, false},
    };
}

TEST_F(PaletteModes, EachToolAndModeEnablesShowsAndLabelsExactlyItsItems) {
    StartPlugin(kShown);
    for (const ModeRow& row : Rows()) {
        SCOPED_TRACE(std::string(row.rect ? "rectangle" : "circle") + " mode " + std::to_string(row.mode));
        Select(row.rect ? kRectTool : kCircleTool);
        Run("press QZVARC " + std::to_string((row.rect ? 90 : 50) + row.mode));
        EXPECT_EQ(row.rect ? State().tool.rectMode : State().tool.circleMode, row.mode);
        EXPECT_EQ(Palette().title, row.rect ? "Rectangles 6.4" : "Zivo & Voraved 6.4");
        const std::set<int32_t>& shown = row.rect ? kRectShown : kCircleShown;
        for (int32_t id : kWatched) {
            EXPECT_EQ(Item(id).enabled, row.enabled.count(id) == 1) << "enabled " << id;
            EXPECT_EQ(Item(id).visible, shown.count(id) == 1) << "visible " << id;
        }
        const int32_t firstLabel = row.rect ? 47 : 44;
        for (int i = 0; i < 3; ++i) EXPECT_EQ(Item(firstLabel + i).tip, row.tips[i]) << firstLabel + i;
        if (row.radiusFocus) {
            EXPECT_EQ(Focus(), 10);
        }
        // The focus never stays on an item a user cannot reach.
        if (Focus()) {
            EXPECT_TRUE(Item(Focus()).enabled);
            EXPECT_TRUE(Item(Focus()).visible);
        }
        EXPECT_EQ(Entry(kDlgFlyoutMenuItemID, 1).enabled, row.sectorEntry);
        EXPECT_EQ(Entry(kDlgFlyoutMenuItemID, 6).enabled, row.tangentEntry);
        EXPECT_EQ(Entry(kDlgFlyoutMenuItemID, 3).enabled, !row.rect);
        EXPECT_EQ(Entry(kDlgFlyoutMenuItemID, 9).enabled, row.rect);   // the profile editor
        EXPECT_TRUE(Item(kDlgFlyoutMenuItemID).enabled);
        // The radio state of the grid follows the mode.
        for (int32_t id = row.rect ? 90 : 50; id <= (row.rect ? 95 : 58); ++id)
            EXPECT_EQ(Item(id).boolean, id == (row.rect ? 90 : 50) + row.mode) << id;
    }
}

TEST_F(PaletteModes, WithoutStrokeTheWeightIsOffExceptForThreeTangents) {
    StartPlugin("Contour = bool:false\n" + std::string(kShown));
    Select(kCircleTool);
    EXPECT_FALSE(Item(8).enabled);
    Run("press QZVARC 58");
    EXPECT_TRUE(Item(8).enabled);
    Run("press QZVARC 53");
    EXPECT_FALSE(Item(8).enabled);
    Select(kRectTool);
    EXPECT_FALSE(Item(8).enabled);
}

// An open path standing for the rectangle tool's current line.
ArtHandle OpenLine(bool closed) {
    ArtHandle path = nullptr;
    const Layer* layer = DocumentCurrentLayer();
    EXPECT_EQ(DocumentNewArt(kArtPath, kPlaceInsideOnTop, ArtHandleOf(layer->group), &path), kNoErr);
    Art* art = DocumentFindArt(path);
    art->segments = {PathSegment{{0, 0}, {0, 0}, {0, 0}, 1}, PathSegment{{50, 0}, {50, 0}, {50, 0}, 1}};
    art->closed = closed;
    art->tags["qzv"] = "jj";
    return path;
}

TEST_F(PaletteModes, TheLineModeEnablesLengthAndInclinationWhileItsLineIsOpen) {
    StartPlugin(kShown);
    Select(kRectTool);
    State().tool.art.rectPath = OpenLine(false);
    Run("press QZVARC 92");
    for (int32_t id : {47, 72, 49, 74}) EXPECT_TRUE(Item(id).enabled) << id;
    for (int32_t id : {48, 73}) EXPECT_FALSE(Item(id).enabled) << id;
    // A closed line is not open; a line gone from the document neither.
    State().tool.art.rectPath = OpenLine(true);
    Run("press QZVARC 92");
    for (int32_t id : {47, 72, 49, 74}) EXPECT_FALSE(Item(id).enabled) << id;
    ASSERT_EQ(DocumentDisposeArt(State().tool.art.rectPath), kNoErr);
    Run("press QZVARC 92");
    EXPECT_FALSE(Item(72).enabled);
}

TEST_F(PaletteModes, ARectangleModeButtonEndsTheLineUnderWay) {
    StartPlugin(kShown);
    Select(kRectTool);
    qzv::ToolState& t = State().tool;
    t.art.rectPath = OpenLine(false);
    t.rubberBand = OpenLine(false);
    const ArtHandle band = t.rubberBand;
    t.step = 2;
    Run("press QZVARC 91");
    EXPECT_EQ(t.rectMode, 1);
    EXPECT_EQ(t.step, 0);
    EXPECT_TRUE(DocumentFindArt(t.art.rectPath)->tags.count("qzv") == 0);   // no longer under construction
    EXPECT_EQ(DocumentFindArt(band), nullptr);                               // the preview is gone
    EXPECT_EQ(t.rubberBand, nullptr);
    // Nothing left to end: the next button just changes the mode.
    ASSERT_EQ(DocumentDisposeArt(t.art.rectPath), kNoErr);
    State().settings.working.RotRectangle = 0.5235988f;
    Run("press QZVARC 93");
    EXPECT_EQ(t.rectMode, 3);
    EXPECT_NEAR(Item(74).number, 30.0f, 1e-4);   // the rectangle inclination, in degrees
}

// Pages per circle mode from the help's table: 3, 4, 5, 6, 8, 10, 12, 13, 14.
TEST_F(PaletteModes, ACircleModeButtonStartsItsConstructionAnewOnItsHelpPage) {
    StartPlugin(kShown);
    Select(kCircleTool);
    const int16_t pages[9] = {3, 4, 5, 6, 8, 10, 12, 13, 14};
    const char* titles[9] = {"CERCLE 1",      "CERCLE 2",   "CERCLE 3",   "ARC/SECTEUR 1", "ARC/SECTEUR 2",
                             "ARC/SECTEUR 3", "TANGENTE 1", "TANGENTE 2", "TANGENTE 3"};
    for (int mode = 0; mode < 9; ++mode) {
        SCOPED_TRACE("mode " + std::to_string(mode));
        State().tool.step = 2;
        Run("item QZVARC 10 25");
        Run("press QZVARC " + std::to_string(50 + mode));
        EXPECT_EQ(State().tool.step, 0);
        EXPECT_EQ(State().paletteState.helpPage, pages[mode]);
        EXPECT_EQ(Item(136).number, pages[mode]);
        EXPECT_EQ(Item(60).text.rfind(titles[mode], 0), 0u);
        EXPECT_TRUE(Item(62).enabled);   // above page 1
        EXPECT_TRUE(Item(61).enabled);   // below page 22
        for (int32_t id : {10, 14, 15}) EXPECT_EQ(Item(id).number, 0.0f) << id;
    }
}

TEST_F(PaletteModes, LabelButtonsGiveTheirFieldTheFocusWithItsTextSelected) {
    StartPlugin(kShown);
    Select(kCircleTool);
    Run("press QZVARC 53");
    const std::pair<int32_t, int32_t> circle[] = {{44, 10}, {45, 14}, {46, 15}, {30, 8}};
    for (auto [label, field] : circle) {
        Run("press QZVARC " + std::to_string(label));
        EXPECT_EQ(Focus(), field) << label;
        EXPECT_TRUE(Item(field).textSelected) << label;
    }
    Run("press QZVARC 45");
    EXPECT_EQ(State().paletteState.lastCircleField, 1);
    Run("press QZVARC 46");
    EXPECT_EQ(State().paletteState.lastCircleField, 2);
    Run("press QZVARC 44");
    EXPECT_EQ(State().paletteState.lastCircleField, 0);

    Select(kRectTool);
    Run("press QZVARC 90");
    const std::pair<int32_t, int32_t> rect[] = {{47, 72}, {48, 73}, {49, 74}};
    for (auto [label, field] : rect) {
        Run("press QZVARC " + std::to_string(label));
        EXPECT_EQ(Focus(), field) << label;
    }
    // A label of a disabled button is refused; a field that cannot take
    // typing is not given the focus by its label.
    EXPECT_NE(Refusal("press QZVARC 44"), "");
    Run("press QZVARC 95");
    EXPECT_NE(Refusal("press QZVARC 48"), "");
    State().settings.paint.stroke.paintOn = false;
    Select(kCircleTool);
    Run("press QZVARC 50");
    Run("press QZVARC 30");
    EXPECT_NE(Focus(), 8);
}

TEST_F(PaletteModes, TheRoundingButtonsChooseTheTypeAndFocusItsRadius) {
    StartPlugin("TypeArrondi = int:1\n" + std::string(kShown));
    EXPECT_TRUE(Item(79).boolean);
    EXPECT_FALSE(Item(78).boolean);
    Select(kRectTool);
    Run("press QZVARC 91");
    Run("press QZVARC 78");
    EXPECT_EQ(State().settings.working.TypeArrondi, 0);
    EXPECT_EQ(State().settings.general.TypeArrondi, 1);   // a setting is never changed by the palette
    EXPECT_TRUE(Item(78).boolean);
    EXPECT_FALSE(Item(79).boolean);
    EXPECT_EQ(Focus(), 75);
    Run("press QZVARC 79");
    EXPECT_EQ(State().settings.working.TypeArrondi, 1);
    EXPECT_FALSE(Item(78).boolean);
}

TEST_F(PaletteModes, TheFlyoutSwitchesToggleTheirWorkingValuesInTheCircleToolOnly) {
    StartPlugin(kShown);
    Select(kCircleTool);
    qzv::WorkingValues& w = State().settings.working;
    Run("choose QZVARC flyout \"Marquer le centre\"");
    EXPECT_FALSE(w.Centre);
    EXPECT_FALSE(Entry(kDlgFlyoutMenuItemID, 3).checked);
    EXPECT_FALSE(Entry(kDlgFlyoutMenuItemID, 4).enabled);   // no random orientation without a centre mark
    EXPECT_NE(Refusal("choose QZVARC flyout \"Orientation du centre aléatoire\""), "");
    Run("choose QZVARC flyout \"Marquer le centre\"");
    EXPECT_TRUE(w.Centre);
    EXPECT_TRUE(Entry(kDlgFlyoutMenuItemID, 4).enabled);
    Run("choose QZVARC flyout \"Orientation du centre aléatoire\"");
    EXPECT_FALSE(w.Alea);
    EXPECT_FALSE(Entry(kDlgFlyoutMenuItemID, 4).checked);
    Run("press QZVARC 56");
    Run("choose QZVARC flyout \"Marquer les points de tangence\"");
    EXPECT_FALSE(w.Tangente);
    EXPECT_FALSE(Entry(kDlgFlyoutMenuItemID, 6).checked);
    EXPECT_TRUE(State().settings.general.Tangente);   // the setting stays

    // In the rectangle tool "Secteur" is disabled: picking it anyway (an
    // entry left enabled) only disables it.
    Select(kRectTool);
    Entry(kDlgFlyoutMenuItemID, 1).enabled = true;
    const bool sector = w.Secteur;
    Run("choose QZVARC flyout Secteur");
    EXPECT_EQ(w.Secteur, sector);
    EXPECT_FALSE(Entry(kDlgFlyoutMenuItemID, 1).enabled);
}

TEST_F(PaletteModes, ShiftClickLaysThePaletteOutForTheOtherTool) {
    StartPlugin(kShown);
    Select(kCircleTool);
    Run("key shift down");
    Run("click 100 100");
    Run("key shift up");
    EXPECT_EQ(Palette().title, "Rectangles 6.4");
    EXPECT_TRUE(Item(90).visible);
    EXPECT_FALSE(Item(50).visible);
}

TEST_F(PaletteModes, DeselectingTheToolTurnsEveryItemAndFlyoutEntryOff) {
    StartPlugin(kShown);
    for (const char* tool : {kCircleTool, kRectTool}) {
        SCOPED_TRACE(tool);
        Select(tool);
        Run(std::string("press QZVARC ") + (tool == kRectTool ? "91" : "53"));
        Run("tool \"Selection Tool\"");
        for (int32_t id : kWatched) EXPECT_FALSE(Item(id).enabled) << id;
        for (int32_t id : {31, 11, 70, 63, 64}) EXPECT_FALSE(Item(id).enabled) << id;
        EXPECT_FALSE(Item(kDlgFlyoutMenuItemID).enabled);
        for (const DlgEntry* e : Entries(kDlgFlyoutMenuItemID)) EXPECT_FALSE(e->enabled) << e->id;
        EXPECT_EQ(State().currentTool, qzv::kToolNeither);
    }
}

}  // namespace
}  // namespace palette_test
