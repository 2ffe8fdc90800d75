// Values typed into the palette reshape the shape the tools made last: the
// circle modes' radius and angle rules, the rectangle fields at a drawing
// scale, the rounding's minimum sides, clones, the custom-scale dialog and
// the help pane. Expected values are worked by hand (or, for the arc over a
// fixed chord, by an independent computation in double precision).
#include <cmath>

#include "document/document.h"
#include "palette_scenario.h"

namespace palette_test {
namespace {

using namespace drawhost;

constexpr float kMm = 72.0f / 25.4f;   // points in a millimetre

// Snapping off (the clicks are where they are), no marks, square corners.
const std::string kPlain = std::string(kShown) +
                           "Magnetisme = bool:false\nCentre = bool:false\nTangente = bool:false\n"
                           "Arrondi = real:0\nRotRectangle = real:0\nSecteur = bool:false\n";

struct Circle {
    float h, v, r;
};

class PaletteValues : public PaletteScenario {
protected:
    void SetUp() override {
        StartPlugin(kPlain);
    }

    std::vector<const Art*> Named(const std::string& name) {
        std::vector<const Art*> out;
        for (const Art* a : DocumentPathsInPaintOrder())
            if (a->name == name) out.push_back(a);
        return out;
    }

    // A full circle's centre and radius from the extremes of its anchors.
    static Circle CircleOf(const Art& a) {
        float left = 1e30f, right = -1e30f, bottom = 1e30f, top = -1e30f;
        for (const PathSegment& s : a.segments) {
            left = std::min(left, s.p.h), right = std::max(right, s.p.h);
            bottom = std::min(bottom, s.p.v), top = std::max(top, s.p.v);
        }
        return {(left + right) / 2, (bottom + top) / 2, (right - left) / 2};
    }

    static float Width(const Art& a) {
        float left = 1e30f, right = -1e30f;
        for (const PathSegment& s : a.segments) left = std::min(left, s.p.h), right = std::max(right, s.p.h);
        return right - left;
    }
    static float Height(const Art& a) {
        float bottom = 1e30f, top = -1e30f;
        for (const PathSegment& s : a.segments) bottom = std::min(bottom, s.p.v), top = std::max(top, s.p.v);
        return top - bottom;
    }

    void Gesture(float h0, float v0, float h1, float v1) {
        Run("down " + std::to_string(h0) + " " + std::to_string(v0));
        Run("drag " + std::to_string(h1) + " " + std::to_string(v1));
        Run("up " + std::to_string(h1) + " " + std::to_string(v1));
    }
    void ClickAt(float h, float v) {
        Run("down " + std::to_string(h) + " " + std::to_string(v));
        Run("up " + std::to_string(h) + " " + std::to_string(v));
    }
};

// "Cercle 2" through (0, 0) and (100, 0), its centre dragged above them.
TEST_F(PaletteValues, TwoPointCircleKeepsBothPointsAndTheRadiusNeverGoesBelowHalfTheChord) {
    Select(kCircleTool);
    Run("press QZVARC 51");
    ClickAt(0, 0);
    Gesture(100, 0, 50, 40);
    ASSERT_EQ(Named("Cercle 2").size(), 1u);

    // 10 mm (28.3 pt) is below half the chord (50 pt): exactly half the chord.
    Run("item QZVARC 10 \"10 mm\"");
    EXPECT_EQ(Item(10).number, 50.0f);
    Circle c = CircleOf(*Named("Cercle 2")[0]);
    EXPECT_NEAR(c.h, 50, 1e-3);
    EXPECT_NEAR(c.v, 0, 1e-3);
    EXPECT_NEAR(c.r, 50, 1e-3);

    // 100 pt: the centre at sqrt(100² - 50²) from the middle, on the side it was.
    Run("item QZVARC 10 \"100 pt\"");
    c = CircleOf(*Named("Cercle 2")[0]);
    EXPECT_NEAR(c.h, 50, 1e-3);
    EXPECT_NEAR(c.v, 86.60254, 1e-3);
    EXPECT_NEAR(c.r, 100, 1e-3);

    // "Saillant/Rentrant." puts it on the other side of the chord.
    Run("press QZVARC 16");
    c = CircleOf(*Named("Cercle 2")[0]);
    EXPECT_NEAR(c.v, -86.60254, 1e-3);
    EXPECT_NEAR(c.r, 100, 1e-3);

    // French and English decimals and a field's own unit read alike; the
    // field keeps what the model holds through an entry it cannot read.
    Run("item QZVARC 10 \"  12,5 mm\"");
    EXPECT_NEAR(State().tool.radius, 50.0f, 1e-4);   // still at least half the chord
    for (const char* bad : {"douze", "nan", "1e40", "\"\""}) {
        Run(std::string("item QZVARC 10 ") + bad);
        EXPECT_EQ(State().tool.radius, 50.0f) << bad;
        EXPECT_EQ(Item(10).number, State().tool.radius) << bad;
    }
    // A number a field has no maximum for is held within reach of the document.
    Run("item QZVARC 10 \"99999999999999999999 pt\"");
    EXPECT_EQ(State().tool.radius, 1.0e6f);
    EXPECT_EQ(Item(10).number, 1.0e6f);
    // "-0" is below the field's minimum anyway: 0, then half the chord.
    Run("item QZVARC 10 -0");
    EXPECT_EQ(Item(10).number, 50.0f);
    EXPECT_EQ(Named("Cercle 2").size(), 1u);
}

// "Arc/Secteur 2" from (0, 0) to (100, 0): an angle typed over the fixed
// chord, against the arc computed independently.
TEST_F(PaletteValues, ArcOverTwoFixedEndsTakesTheTypedAngle) {
    Select(kCircleTool);
    Run("press QZVARC 54");
    ClickAt(0, 0);
    Gesture(100, 0, 50, -60);
    const Art* arc = Named("Arc/Secteur 2").at(0);
    const DocId id = arc->id;

    for (double degrees : {90.0, 60.0, 120.0}) {
        Run("item QZVARC 14 " + std::to_string(static_cast<int>(degrees)));
        // The inscribed angle's circle: the centre sees the chord of 100
        // under `degrees`, on the left of the chord from the start.
        const double half = degrees * M_PI / 360.0;
        const double r = 50.0 / std::sin(half);
        const double ch = 50.0, cv = 50.0 / std::tan(half);
        const qzv::ToolState& t = State().tool;
        EXPECT_NEAR(t.centre.h, ch, 1e-3) << degrees;
        EXPECT_NEAR(t.centre.v, cv, 1e-3) << degrees;
        EXPECT_NEAR(t.radius, r, 1e-3) << degrees;
        EXPECT_NEAR(Item(10).number, r, 1e-3) << degrees;
        // The arc still ends at both clicks, and every anchor is on the circle.
        const Art* now = DocumentArtById(id);
        ASSERT_TRUE(now);
        const PathSegment& first = now->segments.front();
        const PathSegment& last = now->segments.back();
        const bool forward = std::fabs(first.p.h) < 1e-3;
        EXPECT_NEAR(forward ? first.p.h : last.p.h, 0, 1e-3);
        EXPECT_NEAR(forward ? last.p.h : first.p.h, 100, 1e-3);
        for (const PathSegment& s : now->segments)
            EXPECT_NEAR(std::hypot(s.p.h - ch, s.p.v - cv), r, 1e-2) << degrees;
    }
    // No arc of 0 degrees over a chord: nothing changes.
    const float before = State().tool.radius;
    Run("item QZVARC 14 0");
    EXPECT_EQ(State().tool.radius, before);
}

// "Arc/Secteur 1" centred on the origin, dragged from (100, 0) a quarter
// turn counter-clockwise: the centre angle puts the end at start + angle,
// the start angle turns both ends, and a sweep that changes sign keeps the
// arc turning the way it was drawn (the other arc between the ends).
TEST_F(PaletteValues, CentredArcTakesItsAnglesAndKeepsItsCentreAndRadius) {
    Select(kCircleTool);
    Run("press QZVARC 53");
    ClickAt(0, 0);
    Gesture(100, 0, 0, 100);
    const DocId id = Named("Arc/Secteur 1").at(0)->id;
    // The arc's ends at `start` and `end` degrees, every anchor on the
    // circle of radius r, and none strictly inside the gap (gapFrom, gapTo).
    auto check = [&](float start, float end, float gapFrom, float gapTo, float r) {
        const Art* arc = DocumentArtById(id);
        ASSERT_TRUE(arc);
        auto at = [&](float degrees) {
            const float a = degrees * float(M_PI) / 180;
            return RealPoint{r * std::cos(a), r * std::sin(a)};
        };
        const RealPoint s = at(start), e = at(end);
        const RealPoint first = arc->segments.front().p, last = arc->segments.back().p;
        const bool forward = std::hypot(first.h - s.h, first.v - s.v) < 1e-2;
        const RealPoint atStart = forward ? first : last, atEnd = forward ? last : first;
        EXPECT_NEAR(atStart.h, s.h, 1e-2) << start;
        EXPECT_NEAR(atStart.v, s.v, 1e-2) << start;
        EXPECT_NEAR(atEnd.h, e.h, 1e-2) << end;
        EXPECT_NEAR(atEnd.v, e.v, 1e-2) << end;
        for (const PathSegment& seg : arc->segments) {
            EXPECT_NEAR(std::hypot(seg.p.h, seg.p.v), r, 1e-2);
            const float degrees = std::atan2(seg.p.v, seg.p.h) * 180 / float(M_PI);
            EXPECT_FALSE(degrees > gapFrom + 0.01f && degrees < gapTo - 0.01f) << degrees;
        }
    };
    check(0, 90, 90, 360, 100);
    Run("item QZVARC 14 60");
    check(0, 60, 60, 360, 100);
    Run("item QZVARC 15 45");
    check(45, 105, -180, 45, 100);
    EXPECT_NEAR(State().tool.centre.h, 0, 1e-4);
    EXPECT_NEAR(State().tool.radius, 100, 1e-3);
    // The radius keeps the centre and both angles.
    Run("item QZVARC 10 \"50 pt\"");
    check(45, 105, -180, 45, 50);
    // -90: the end at -45, reached still turning counter-clockwise.
    EXPECT_FALSE(State().tool.complement);
    Run("item QZVARC 14 -90");
    EXPECT_TRUE(State().tool.complement);
    check(45, -45, -45, 45, 50);
}

// Tangent circles stay tangent: to one line on the same side, in the angle
// of two lines along its bisector; three lines fix the radius. Snapping on:
// the clicks pick the lines.
class PaletteTangents : public PaletteValues {
protected:
    void SetUp() override { StartPlugin(std::string(kShown) + "Centre = bool:false\nTangente = bool:false\n"); }
};

TEST_F(PaletteTangents, TangentCirclesStayTangentAndThreeLinesRefuseARadius) {
    Run("path 0 0 300 0");
    Run("path 0 0 0 300");
    Run("path 0 200 300 200");
    Select(kCircleTool);

    Run("press QZVARC 56");
    Run("move 150 0.5");
    Gesture(150, 0.5f, 150, 40);
    ASSERT_EQ(Named("Tangente 1").size(), 1u);
    Run("item QZVARC 10 \"20 pt\"");
    Circle c = CircleOf(*Named("Tangente 1").at(0));
    EXPECT_NEAR(c.h, 150, 1e-2);
    EXPECT_NEAR(c.v, 20, 1e-2);
    EXPECT_NEAR(c.r, 20, 1e-2);
    Run("press QZVARC 16");   // across its line
    c = CircleOf(*Named("Tangente 1").at(0));
    EXPECT_NEAR(c.v, -20, 1e-2);

    Run("press QZVARC 57");
    Run("move 100 0.5");
    ClickAt(100, 0.5f);
    Run("move 20 20");
    Gesture(0.5f, 100, 0.5f, 100);
    ASSERT_EQ(Named("Tangente 2").size(), 1u);
    Run("item QZVARC 10 \"30 pt\"");
    c = CircleOf(*Named("Tangente 2").at(0));
    EXPECT_NEAR(c.h, 30, 1e-2);
    EXPECT_NEAR(c.v, 30, 1e-2);
    EXPECT_NEAR(c.r, 30, 1e-2);

    Run("press QZVARC 58");   // clicks clear of the circles already drawn
    Run("move 250 0.5");
    ClickAt(250, 0.5f);
    Run("move 0.5 150");
    ClickAt(0.5f, 150);
    Run("move 250 199.5");
    Gesture(250, 199.5f, 250, 199.5f);
    ASSERT_EQ(Named("Tangente 3").size(), 1u);
    EXPECT_NEAR(CircleOf(*Named("Tangente 3").at(0)).r, 100, 1e-2);
    // Its field is disabled; typed there anyway, the radius stays.
    Item(10).enabled = true;
    Run("item QZVARC 10 \"10 pt\"");
    EXPECT_NEAR(Item(10).number, 100, 1e-2);
    EXPECT_NEAR(CircleOf(*Named("Tangente 3").at(0)).r, 100, 1e-2);
}

// A scale of 1/100: 1000 mm typed is 10 mm of document and the field keeps
// showing 1000 mm; a rounding of 30 pt on 40 x 100 makes 60 x 100.
TEST_F(PaletteValues, RectangleFieldsAtTheDrawingScaleAndTheRoundingMinimum) {
    Select(kRectTool);
    Run("choose QZVARC 63 1/100");
    EXPECT_TRUE(Item(13).visible);
    Gesture(0, 0, 40, 100);
    Run("item QZVARC 72 1000");
    EXPECT_NEAR(State().tool.rectLength, 10 * kMm, 1e-3);
    EXPECT_NEAR(Item(72).number, 1000 * kMm, 1e-2);   // lengths are held in points
    EXPECT_NEAR(Width(*Named("Rectangle").at(0)), 10 * kMm, 1e-3);
    Run("choose QZVARC 63 1");
    EXPECT_FALSE(Item(13).visible);

    // The rounded mode, drawn both ways: the sides keep their signs.
    Run("press QZVARC 91");
    for (float sign : {1.0f, -1.0f}) {
        Gesture(200, 200, 200 + sign * 40, 200 + sign * 100);
        Run("item QZVARC 75 30");
        EXPECT_EQ(State().tool.rectLength, sign * 60) << sign;
        EXPECT_EQ(State().tool.rectWidth, sign * 100) << sign;
        EXPECT_EQ(Item(72).number, sign * 60) << sign;
        const Art& shape = *Named("Rectangle arrondi").back();
        EXPECT_NEAR(Width(shape), 60, 1e-3);
        EXPECT_NEAR(Height(shape), 100, 1e-3);
        Run("item QZVARC 75 0");
    }
    // The inclination turns the last rectangle about its corner.
    Run("item QZVARC 74 90");
    const Art& turned = *Named("Rectangle arrondi").back();
    EXPECT_NEAR(Width(turned), 100, 1e-3);
    EXPECT_NEAR(Height(turned), 60, 1e-3);

    // Fill and stroke swapped: the last rectangle is repainted at once.
    const bool filled = turned.style.fillPaint, stroked = turned.style.strokePaint;
    ASSERT_NE(filled, stroked);
    Run("press QZVARC 81");
    EXPECT_EQ(Named("Rectangle arrondi").back()->style.fillPaint, stroked);
    EXPECT_EQ(Named("Rectangle arrondi").back()->style.strokePaint, filled);

    // Deleted by the user: every field still takes its value, nothing is written.
    ASSERT_EQ(DocumentDisposeArt(State().tool.art.rectPath), kNoErr);
    for (const char* line : {"item QZVARC 72 20", "item QZVARC 73 20", "item QZVARC 74 10", "item QZVARC 75 3",
                             "press QZVARC 70", "press QZVARC 81"})
        Run(line);
    EXPECT_EQ(Named("Rectangle arrondi").size(), 1u);
    EXPECT_EQ(State().settings.working.Arrondi, 3.0f);
}

// Two clones, then a radius: the counter goes back to 0 and only the
// latest copy changes; a deleted shape is neither cloned nor written to.
TEST_F(PaletteValues, ClonesThenARadiusChangeOnlyTheLatestCopy) {
    Select(kCircleTool);
    Gesture(0, 0, 30, 0);
    Run("press QZVARC 70");
    Run("press QZVARC 70");
    EXPECT_EQ(State().paletteState.cloneCount, 2);
    EXPECT_EQ(Item(71).number, 2);
    ASSERT_EQ(Named("Cercle 1").size(), 3u);
    Run("item QZVARC 10 20");   // millimetres
    EXPECT_EQ(State().paletteState.cloneCount, 0);
    EXPECT_EQ(Item(71).number, 0);
    std::vector<float> radii;
    for (const Art* a : Named("Cercle 1")) radii.push_back(CircleOf(*a).r);
    ASSERT_EQ(radii.size(), 3u);
    EXPECT_NEAR(radii[0], 30, 1e-3);
    EXPECT_NEAR(radii[1], 30, 1e-3);
    EXPECT_NEAR(radii[2], 20 * kMm, 1e-3);   // the latest copy, on top

    // The user deletes the current copy: no clone, no rebuild, no crash.
    ArtHandle latest = State().tool.art.constructionPath;
    ASSERT_EQ(DocumentDisposeArt(latest), kNoErr);
    Run("press QZVARC 70");
    Run("item QZVARC 10 5");
    Run("item QZVARC 8 3");
    Run("press QZVARC 16");
    EXPECT_EQ(State().paletteState.cloneCount, 0);
    EXPECT_EQ(Named("Cercle 1").size(), 2u);
    EXPECT_EQ(State().settings.working.Epaisseur, 3.0f);
}

// "Secteur" in the rectangle tool (its entry enabled behind the palette's
// back) only disables the entry; in the arc modes it switches the flag.
TEST_F(PaletteValues, SectorInTheRectangleToolOnlyDisablesTheEntry) {
    Select(kRectTool);
    const bool before = State().settings.working.Secteur;
    Entry(kDlgFlyoutMenuItemID, 1).enabled = true;
    Run("choose QZVARC flyout Secteur");
    EXPECT_EQ(State().settings.working.Secteur, before);
    EXPECT_FALSE(Entry(kDlgFlyoutMenuItemID, 1).enabled);
    EXPECT_EQ(Entry(kDlgFlyoutMenuItemID, 1).checked, before);

    Select(kCircleTool);
    Run("press QZVARC 53");
    Run("choose QZVARC flyout Secteur");
    EXPECT_EQ(State().settings.working.Secteur, !before);
    EXPECT_EQ(Item(53).tip, before ? "Arc (centre et un point de l'arc)" : "Secteur (centre et un point de l'arc)");
}

// The centre mark put on a finished circle groups it with its cross under
// the mode's name; taken off, the circle comes out alone again.
TEST_F(PaletteValues, CentreMarkGroupsTheCircleAndUngroupsIt) {
    Select(kCircleTool);
    Gesture(0, 0, 30, 0);
    const ArtHandle circle = State().tool.art.constructionPath;
    Run("choose QZVARC flyout \"Marquer le centre\"");
    const Art* c = DocumentFindArt(circle);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->tags.at("PtCen"), "jj");
    const Art* group = DocumentArtById(c->parent);
    ASSERT_TRUE(group && group->kind == kArtGroup);
    EXPECT_EQ(group->name, "Cercle 1");
    EXPECT_EQ(group->children.size(), 3u);
    const DocId groupId = group->id;
    Run("choose QZVARC flyout \"Marquer le centre\"");
    c = DocumentFindArt(circle);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->tags.count("PtCen"), 0u);
    EXPECT_EQ(c->name, "Cercle 1");
    EXPECT_FALSE(DocumentArtById(groupId));
    EXPECT_EQ(DocumentArtById(c->parent)->parent, 0);   // straight in its layer's group
}

// 3/7 set in the custom-scale dialog names the custom entry, is stored and
// survives a restart; the drawing scale changes only when it is picked.
TEST_F(PaletteValues, CustomScaleIsStoredAndSurvivesARestart) {
    Select(kCircleTool);
    // The dialog runs while the lines of one script act on it. Typed counts
    // below 1 are held at 1; a second opening from the popup is refused
    // while the dialog is up (the palette is behind it).
    const std::vector<std::string> open = {"choose QZVARC 63 \"Éch. Perso…\""};
    auto script = [&](std::vector<std::string> lines) {
        lines.insert(lines.begin(), open.begin(), open.end());
        return drawhost_test::RunLines(lines);
    };
    EXPECT_EQ(script({"item EchellePerso 65 0", "item EchellePerso 66 -4", "press EchellePerso 1"}), "");
    EXPECT_EQ(Entry(63, 21).text, "1/1");
    EXPECT_NE(script({"choose QZVARC 63 \"Éch. Perso…\"", "press EchellePerso 2"}), "");
    EXPECT_FALSE(State().paletteState.dialogOpen[qzv::kModalScale]);
    EXPECT_EQ(script({"item EchellePerso 65 3", "item EchellePerso 66 7", "press EchellePerso 1"}), "");
    EXPECT_EQ(Entry(63, 21).text, "3/7");
    EXPECT_EQ(State().settings.working.EchelleNum, 1);
    EXPECT_EQ(State().settings.working.EchelleDen, 1);
    EXPECT_EQ(State().settings.EchelleNumPerso, 3);
    EXPECT_EQ(State().settings.EchelleDenPerso, 7);

    // Cancelled: nothing changes.
    EXPECT_EQ(script({"item EchellePerso 65 5", "press EchellePerso 2"}), "");
    EXPECT_EQ(State().settings.EchelleNumPerso, 3);
    EXPECT_EQ(Entry(63, 21).text, "3/7");

    Restart();
    EXPECT_EQ(Stored("EchelleNumPerso"), "int:3");
    EXPECT_EQ(Stored("EchelleDenPerso"), "int:7");
    Select(kCircleTool);
    EXPECT_EQ(Entry(63, 21).text, "3/7");
    Run("choose QZVARC 63 3/7");
    EXPECT_EQ(State().settings.working.EchelleNum, 3);
    EXPECT_EQ(State().settings.working.EchelleDen, 7);
    EXPECT_TRUE(Item(13).visible);
    // "Éch." with Space: the settings' scale again.
    Run("press QZVARC 64 128");
    EXPECT_EQ(State().settings.working.EchelleDen, 1);
    EXPECT_FALSE(Item(13).visible);
}

// The help pane: widened, page 1, the circle-mode buttons turn to their
// pages, the counter's ends, narrowed again.
TEST_F(PaletteValues, HelpPagesFollowTheModeButtonsAndTheCounterStopsAtItsEnds) {
    Select(kCircleTool);
    const IntRect narrow = Palette().bounds;
    Run("choose QZVARC flyout \"Afficher l'aide\"");
    EXPECT_EQ(Palette().bounds.right - Palette().bounds.left, 344);
    EXPECT_EQ(Palette().bounds.left, narrow.left);
    EXPECT_EQ(Entry(kDlgFlyoutMenuItemID, 13).text, "Masquer l'aide");
    EXPECT_EQ(State().paletteState.helpPage, 1);
    EXPECT_EQ(Item(60).text.rfind("ALT-CLIC\r\n", 0), 0u);
    EXPECT_FALSE(Item(62).enabled);

    const int pages[] = {3, 4, 5, 6, 8, 10, 12, 13, 14};
    const char* titles[] = {"CERCLE 1", "CERCLE 2", "CERCLE 3", "ARC/SECTEUR 1", "ARC/SECTEUR 2",
                            "ARC/SECTEUR 3", "TANGENTE 1", "TANGENTE 2", "TANGENTE 3"};
    for (int mode = 8; mode >= 0; --mode) {
        Run("press QZVARC " + std::to_string(50 + mode));
        EXPECT_EQ(Item(136).number, pages[mode]);
        EXPECT_EQ(Item(60).text.rfind(std::string(titles[mode]) + "\r\n", 0), 0u) << mode;
    }
    // Page 3 back to 1: the previous button stops there.
    Run("press QZVARC 62");
    Run("press QZVARC 62");
    EXPECT_EQ(State().paletteState.helpPage, 1);
    EXPECT_FALSE(Item(62).enabled);
    EXPECT_EQ(Item(62).tip, "Première page de l'aide.");
    for (int i = 0; i < 20; ++i) Run("press QZVARC 61");
    EXPECT_EQ(State().paletteState.helpPage, 21);
    Run("press QZVARC 61");
    EXPECT_EQ(State().paletteState.helpPage, 22);
    EXPECT_FALSE(Item(61).enabled);
    EXPECT_EQ(Item(61).tip, "Dernière page de l'aide.");
    EXPECT_EQ(Item(60).text.rfind("TOUCHES OUTIL RECTANGLE\r\n", 0), 0u);

    // A page number from anywhere is held within 1..22.
    State().paletteState.helpPage = 500;
    Run("press QZVARC 62");
    EXPECT_EQ(State().paletteState.helpPage, 21);

    Run("choose QZVARC flyout \"Masquer l'aide\"");
    EXPECT_EQ(Palette().bounds.right - Palette().bounds.left, 172);
    EXPECT_EQ(Entry(kDlgFlyoutMenuItemID, 13).text, "Afficher l'aide");
}

// Every page: a title line, then French prose of a readable length.
TEST_F(PaletteValues, EveryHelpPageHasItsTitleAndABody) {
    Select(kCircleTool);
    Run("choose QZVARC flyout \"Afficher l'aide\"");
    for (int page = 1; page <= 22; ++page) {
        const std::string& text = Item(60).text;
        const size_t end = text.find("\r\n");
        ASSERT_NE(end, std::string::npos) << page;
        EXPECT_GE(text.size(), 100u) << page;
        EXPECT_LE(text.size(), 470u + 40u) << page;   // UTF-8 accents count twice
        if (page < 22) Run("press QZVARC 61");
    }
}

// The logo button puts the working values back to the settings; with
// Space it disposes of the last shape's group first.
TEST_F(PaletteValues, LogoButtonResetsTheWorkingValues) {
    Select(kCircleTool);
    Run("item QZVARC 8 4");
    Run("choose QZVARC 63 1/2");
    Gesture(0, 0, 30, 0);
    EXPECT_EQ(Named("Cercle 1").at(0)->style.stroke.width, 4.0f);
    Run("press QZVARC 11");
    const qzv::Settings& s = State().settings;
    EXPECT_EQ(s.working.Epaisseur, s.general.Epaisseur);
    EXPECT_EQ(Item(8).number, s.general.Epaisseur);
    EXPECT_EQ(s.working.EchelleDen, s.general.EchelleDen);
    EXPECT_EQ(Named("Cercle 1").at(0)->style.stroke.width, s.general.Epaisseur);

    // Marked circles stay grouped with their cross: Space takes the group.
    Run("choose QZVARC flyout \"Marquer le centre\"");
    Gesture(100, 0, 130, 0);
    ASSERT_EQ(Named("Cercle 1").size(), 2u);
    Run("press QZVARC 11 128");
    EXPECT_EQ(Named("Cercle 1").size(), 1u);
}

}  // namespace
}  // namespace palette_test
