// What both tools share, seen by a user: the cursor and info line of each
// tool, mode and step; Alt-click and Shift-click; the layer and group that
// receive new art; bad tool events.
#include <cmath>
#include <limits>

#include "app/app_state.h"
#include "app/toolbox.h"
#include "tool_scenario.h"

namespace tools_test {
namespace {

using namespace drawhost;

class ToolFrame : public ToolScenario {};

// The cursor and info line of each tool, mode and step, written out from the
// tools' table (rows read top to bottom), independently of the plug-in's.
struct Expected {
    const char* tool;
    int mode;
    int step;
    float corner;   // the rectangle tool's corner radius
    int cursor;
    const char* text;
};

const Expected kTable[] = {
    {kCircleTool, 0, 0, 0, 16002, "Clic sur le centre du cercle."},
    {kCircleTool, 0, 1, 0, 16001, "Clic sur un point de la circonférence."},
    {kCircleTool, 0, 4, 0, 16001, "Clic sur un point de la circonférence."},
    {kCircleTool, 1, 0, 0, 17001, "Clic sur le premier point du cercle."},
    {kCircleTool, 1, 2, 0, 17002, "Clic sur le second point du cercle."},
    {kCircleTool, 2, 0, 0, 18001, "Clic sur le premier point du cercle."},
    {kCircleTool, 2, 1, 0, 18002, "Clic sur le second point du cercle."},
    {kCircleTool, 2, 2, 0, 18003, "Clic sur le troisième point du cercle."},
    {kCircleTool, 2, -1, 0, 18003, "Clic sur le troisième point du cercle."},
    {kCircleTool, 3, 0, 0, 19100, "Clic sur le centre de l'arc/secteur."},
    {kCircleTool, 3, 1, 0, 19101, "Tirez jusqu'à la fin de l'arc/secteur."},
    {kCircleTool, 4, 0, 0, 19101, "Clic sur le début de l'arc/secteur."},
    {kCircleTool, 4, 1, 0, 19200, "Clic sur la fin de l'arc/secteur."},
    {kCircleTool, 5, 0, 0, 19102, "Clic sur le premier point de l'arc/secteur."},
    {kCircleTool, 5, 1, 0, 19103, "Clic sur le second point de l'arc/secteur."},
    {kCircleTool, 5, 3, 0, 19104, "Clic sur le troisième point de l'arc/secteur."},
    {kCircleTool, 6, 0, 0, 20001, "Clic sur un segment."},
    {kCircleTool, 6, 1, 0, 20000, "Clic sur le centre du cercle."},
    {kCircleTool, 7, 0, 0, 20002, "Clic sur un segment."},
    {kCircleTool, 7, 2, 0, 20002, "Clic sur un segment."},
    {kCircleTool, 8, 1, 0, 20003, "Clic sur un segment."},
    {kRectTool, 0, 0, 0, 21000, "Cliquer-Tirer rectangle normal."},
    {kRectTool, 1, 0, 12, 21001, "Cliquer-Tirer rectangle arrondi."},
    {kRectTool, 1, 0, -3, 21002, "Cliquer-Tirer rectangle arrondi inversé."},
    {kRectTool, 1, 0, 0, 21000, "Cliquer-Tirer rectangle normal."},
    {kRectTool, 2, 0, 0, 21003, "Cliquer-Tirer segment."},
    {kRectTool, 3, 0, 0, 21000, "Cliquer-Tirer rectangle centré."},
    {kRectTool, 4, 0, 5, 21001, "Rectangle centré arrondi."},
    {kRectTool, 4, 0, -5, 21002, "Rectangle centré arrondi inversé."},
    {kRectTool, 4, 0, 0, 21000, "Cliquer-Tirer rectangle normal."},
    {kRectTool, 5, 2, 0, 21003, "Cliquer-Tirer segment centré."},
};

TEST_F(ToolFrame, CursorAndInfoLineFollowTheToolModeAndStep) {
    StartPlugin();
    float h = 500;
    for (const Expected& row : kTable) {
        SCOPED_TRACE(std::string(row.tool) + " mode " + std::to_string(row.mode) + " step " +
                     std::to_string(row.step));
        Select(row.tool);
        qzv::ToolState& t = State().tool;
        (row.tool == std::string(kCircleTool) ? t.circleMode : t.rectMode) = row.mode;
        t.step = static_cast<int16_t>(row.step);
        State().settings.working.Arrondi = row.corner;
        h += 1;   // a new position, so that the host tracks the cursor
        EXPECT_EQ(Hover(h, 300), 0);
        EXPECT_EQ(LastCursor(), row.cursor);
        EXPECT_EQ(LastInfo(), row.text);
        EXPECT_FLOAT_EQ(TheApp().info.h, h);
        EXPECT_FLOAT_EQ(TheApp().info.v, 300);
    }
    EXPECT_TRUE(AllArt().empty());
}

std::string PaletteItemText() {
    for (const AppMenuItem& item : TheApp().menuItems)
        if (item.key == "Outil5") return item.text;
    return "";
}

TEST_F(ToolFrame, AltClickTogglesThePaletteWithEitherToolAndDrawsNothing) {
    StartPlugin();
    for (const char* tool : {kCircleTool, kRectTool}) {
        SCOPED_TRACE(tool);
        Select(tool);
        const bool shown = PaletteItemText() == "Masquer QZV•Orbiquad";
        Key("alt", true);
        EXPECT_EQ(Hover(10, 10), 0);
        EXPECT_EQ(LastCursor(), 16005);
        EXPECT_EQ(LastInfo(), shown ? "Cache palette QZV•Orbiquad." : "Montre palette QZV•Orbiquad.");
        EXPECT_EQ(Down(20, 20), 0);
        EXPECT_EQ(Drag(80, 20), 0);   // no construction: the drag does nothing
        EXPECT_EQ(Up(80, 20), 0);
        EXPECT_EQ(PaletteItemText(), shown ? "Afficher QZV•Orbiquad" : "Masquer QZV•Orbiquad");
        EXPECT_EQ(Hover(11, 10), 0);
        EXPECT_EQ(LastInfo(), shown ? "Montre palette QZV•Orbiquad." : "Cache palette QZV•Orbiquad.");
        Key("alt", false);
        EXPECT_FALSE(State().tool.constructionLive);
        EXPECT_TRUE(AllArt().empty());
    }
    // Twice toggled: back where it started.
    EXPECT_EQ(PaletteItemText(), "Afficher QZV•Orbiquad");
}

TEST_F(ToolFrame, ShiftClickSwitchesToolWhateverTheMode) {
    StartPlugin();
    Select(kCircleTool);
    State().tool.circleMode = 4;
    State().tool.rectMode = 5;
    Key("shift", true);
    EXPECT_EQ(Hover(10, 10), 0);
    EXPECT_EQ(LastInfo(), "Passage à l'outil rectangle.");
    EXPECT_EQ(Click(10, 10), 0);
    EXPECT_EQ(TheApp().tools[TheApp().selectedTool].title, kRectTool);
    EXPECT_EQ(State().currentTool, qzv::kToolRect);
    EXPECT_EQ(Hover(12, 10), 0);
    EXPECT_EQ(LastInfo(), "Passage à l'outil cerle.");
    EXPECT_EQ(Click(12, 10), 0);
    EXPECT_EQ(TheApp().tools[TheApp().selectedTool].title, kCircleTool);
    EXPECT_EQ(State().currentTool, qzv::kToolCircle);
    Key("shift", false);
    EXPECT_EQ(State().tool.circleMode, 4);
    EXPECT_TRUE(AllArt().empty());
}

class Target : public ToolScenario {
protected:
    HostErr Circle(float h, float v, float r) {
        EXPECT_EQ(Down(h, v), 0);
        EXPECT_EQ(Drag(h + r, v), 0);
        return Up(h + r, v);
    }
    size_t LayerCount() { return TheDocument().layers.size(); }
    size_t PathsIn(const Layer& layer) {
        size_t n = 0;
        for (const Art* art : AllArt())
            if (art->kind == kArtPath && DocumentLayerOfArt(*art) == &layer) ++n;
        return n;
    }
};

TEST_F(Target, DedicatedLayerIsMadeOnceAboveTheCurrentLayerAndReused) {
    StartPlugin("Calque = bool:true\nCentre = bool:false\n");
    Select(kCircleTool);
    EXPECT_EQ(Circle(100, 100, 20), 0);
    ASSERT_EQ(LayerCount(), 2u);
    const Layer* dedicated = LayerTitled("QZV•Vorn");
    ASSERT_TRUE(dedicated);
    EXPECT_EQ(TheDocument().layers[0].get(), dedicated);   // above "Calque 1"
    EXPECT_EQ(TheDocument().layers[1]->title, "Calque 1");
    EXPECT_EQ(DocumentCurrentLayer()->title, "Calque 1");
    EXPECT_EQ(Circle(300, 100, 30), 0);
    EXPECT_EQ(LayerCount(), 2u);
    EXPECT_EQ(PathsIn(*dedicated), 2u);
    EXPECT_EQ(PathsIn(*LayerTitled("Calque 1")), 0u);
    EXPECT_TRUE(Alerts().empty());
}

TEST_F(Target, ALayerWithAnotherFourthCharacterIsTheDedicatedLayer) {
    StartPlugin("Calque = bool:true\nCentre = bool:false\n");
    Run("layer QZV-Vorn");
    Run("layer Dessin");
    Select(kCircleTool);
    EXPECT_EQ(Circle(100, 100, 20), 0);
    EXPECT_EQ(LayerCount(), 3u);
    EXPECT_EQ(PathsIn(*LayerTitled("QZV-Vorn")), 1u);
}

TEST_F(Target, OnlyTitlesOfTheDedicatedLayerAreTakenForIt) {
    StartPlugin("Calque = bool:true\nCentre = bool:false\n");
    Run("layer QZVVorn");
    Run("layer \"QZV•Vert\"");
    Run("layer \"qzv•Vorn\"");
    Run("layer \"QZV•Vora\"");
    Select(kCircleTool);
    EXPECT_EQ(Circle(100, 100, 20), 0);
    ASSERT_EQ(LayerCount(), 6u);
    ASSERT_TRUE(LayerTitled("QZV•Vorn"));
    EXPECT_EQ(PathsIn(*LayerTitled("QZV•Vorn")), 1u);
}

TEST_F(Target, ALockedReceivingLayerGivesTheAlertAndNoArt) {
    StartPlugin("Calque = bool:true\nCentre = bool:false\n");
    Run("layer \"QZV•Vorn\" locked");
    Run("layer Dessin");
    Select(kCircleTool);
    EXPECT_EQ(Circle(100, 100, 20), 0);
    EXPECT_EQ(Alerts(), (std::vector<std::string>{"alert(error): Impossible, calque verrouillé."}));
    EXPECT_TRUE(AllArt().empty());
    EXPECT_FALSE(State().tool.constructionLive);
}

TEST_F(Target, ALockedCurrentLayerGivesTheAlertWithoutTheDedicatedLayer) {
    StartPlugin("Centre = bool:false\n");
    Run("layer Verrou locked");
    Select(kCircleTool);
    EXPECT_EQ(Circle(100, 100, 20), 0);
    EXPECT_EQ(Alerts().size(), 1u);
    EXPECT_TRUE(AllArt().empty());
}

// The dedicated layer made for a locked current layer receives the art at
// once: the lock of the current layer does not concern it.
TEST_F(Target, TheDedicatedLayerMadeOverALockedCurrentLayerReceivesTheArt) {
    StartPlugin("Calque = bool:true\nCentre = bool:false\n");
    Run("layer Verrou locked");
    Select(kCircleTool);
    EXPECT_EQ(Circle(100, 100, 20), 0);
    EXPECT_TRUE(Alerts().empty());
    ASSERT_TRUE(LayerTitled("QZV•Vorn"));
    EXPECT_EQ(PathsIn(*LayerTitled("QZV•Vorn")), 1u);
}

TEST_F(Target, AClickThatMakesNothingLeavesNoEmptyGroupBehind) {
    StartPlugin("Centre = bool:false\n");
    Select(kCircleTool);
    State().tool.circleMode = 7;   // a mode whose first click only picks
    EXPECT_EQ(Click(10, 10), 0);
    EXPECT_EQ(Click(20, 10), 0);
    State().tool.circleMode = 0;
    EXPECT_EQ(Down(100, 100), 0);
    EXPECT_EQ(Up(130, 100), 0);
    // Only the circle and no group of an abandoned click.
    std::vector<const Art*> art = AllArt();
    ASSERT_EQ(art.size(), 1u);
    EXPECT_EQ(art[0]->name, "Cercle 1");
}

// Bad tool events: positions no document has, a zoom the host should never
// give, the construction deleted between two events.
class BadInput : public ToolScenario {
protected:
    HostErr Send(const char* selector, RealPoint at) {
        TheApp().cursor = at;
        HostErr err = -1;
        EXPECT_TRUE(ToolboxSend(TheApp().selectedTool, selector, &err));
        return err;
    }
};

TEST_F(BadInput, CursorsOutsideEveryDocumentAreIgnored) {
    StartPlugin();
    Select(kCircleTool);
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    for (RealPoint at : {RealPoint{nan, 10}, RealPoint{10, nan}, RealPoint{1e30f, 0}, RealPoint{0, -1e30f},
                         RealPoint{inf, inf}}) {
        EXPECT_EQ(Send(kSelTrackCursor, at), 0);
        EXPECT_EQ(Send(kSelMouseDown, at), 0);
        EXPECT_EQ(Send(kSelMouseDrag, at), 0);
        EXPECT_EQ(Send(kSelMouseUp, at), 0);
    }
    EXPECT_TRUE(AllArt().empty());
    // A construction under way keeps its last good shape.
    EXPECT_EQ(Down(100, 100), 0);
    EXPECT_EQ(Drag(130, 140), 0);
    EXPECT_EQ(Send(kSelMouseDrag, RealPoint{nan, nan}), 0);
    EXPECT_EQ(Send(kSelMouseDrag, RealPoint{-1e30f, 1e30f}), 0);
    EXPECT_EQ(Up(130, 140), 0);
    EXPECT_FLOAT_EQ(State().tool.radius, 50);
}

TEST_F(BadInput, AZoomOfZeroOrBelowIsTakenAsOne) {
    StartPlugin("Centre = bool:false\n");
    Select(kCircleTool);
    for (float zoom : {0.0f, -2.0f, std::numeric_limits<float>::quiet_NaN()}) {
        TheDocument().view.zoom = zoom;
        EXPECT_EQ(Hover(50, 50), 0);
        EXPECT_EQ(Down(100, 100), 0);
        EXPECT_EQ(Drag(110, 100), 0);
        EXPECT_EQ(Up(110, 100), 0);
        Run("move 0 0");
    }
    TheDocument().view.zoom = 1;
    EXPECT_EQ(ArtNamed("Cercle 1").size(), 3u);
}

TEST_F(BadInput, ConstructionOrGroupDeletedBetweenTwoEvents) {
    StartPlugin();   // with the centre cross: the shape stays grouped
    Select(kCircleTool);
    EXPECT_EQ(Down(100, 100), 0);
    EXPECT_EQ(Drag(120, 100), 0);
    ASSERT_EQ(DocumentDisposeArt(State().tool.art.constructionPath), kNoErr);
    EXPECT_EQ(Drag(130, 100), 0);
    EXPECT_EQ(Up(130, 100), 0);
    // No cross is left without its circle, and no empty group.
    EXPECT_TRUE(AllArt().empty());

    EXPECT_EQ(Down(300, 100), 0);
    EXPECT_EQ(Drag(320, 100), 0);
    ASSERT_EQ(DocumentDisposeArt(State().tool.art.targetGroup), kNoErr);
    EXPECT_EQ(Drag(330, 100), 0);
    EXPECT_EQ(Up(330, 100), 0);
    // The next gesture starts afresh.
    EXPECT_EQ(Down(500, 100), 0);
    EXPECT_EQ(Up(540, 100), 0);
    std::vector<const Art*> art = AllArt();
    ASSERT_EQ(art.size(), 4u);   // the group, the circle and the two branches of its cross
    EXPECT_EQ(art[0]->name, "Cercle 1");
    EXPECT_EQ(art[1]->name, "Cercle 1");
    EXPECT_FLOAT_EQ(art[1]->segments[2].p.h, 540);
}

}  // namespace
}  // namespace tools_test
