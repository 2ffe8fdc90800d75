// Scenarios of the rectangle tool: the tool selected in a given mode, the
// palette's rectangle fields as the user sees them, and the geometry the
// expected shapes are checked with (written independently of the plug-in's
// builders, in double precision).
#pragma once
#include <cmath>
#include <string>
#include <vector>

#include "tool_scenario.h"

namespace tools_test {

struct Pt {
    double h, v;
};

class RectScenario : public ToolScenario {
protected:
    // Starts the plug-in with these preferences, selects the rectangle tool
    // and picks `mode`.
    void StartRect(int mode, const std::string& preferences = "");

    // The number a palette field shows (72 length, 73 width, 74 inclination,
    // 75 rounding). While the plug-in has no palette of its own a stand-in
    // dialog holding these four fields is given to it.
    float Field(int id);

    // The only path named `name` in the document.
    const drawhost::Art& Only(const std::string& name);
    // The anchors of a path, in order.
    static std::vector<Pt> Anchors(const drawhost::Art& path);
    // The path of the rectangle tool under construction.
    const drawhost::Art& MainPath();

private:
    void GivePaletteFields();
};

// The corners of a length x width rectangle turned by `inclination` about
// the anchor: from the anchor when `fromCorner`, else centred on it, in the
// order the rectangle's path lists them (local top-left first, then toward
// decreasing angle).
std::vector<Pt> RectangleCorners(Pt anchor, double length, double width, double inclination, bool fromCorner);

// EXPECT that the two lists of points agree within `tolerance`.
void ExpectPoints(const std::vector<Pt>& got, const std::vector<Pt>& want, double tolerance);

// Smallest box holding the points: left, bottom, right, top.
struct Box {
    double left, bottom, right, top;
};
Box BoxOf(const std::vector<Pt>& points);

}  // namespace tools_test
