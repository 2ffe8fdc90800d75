#include "rect_scenario.h"

#include <algorithm>
#include <stdexcept>

#include "dialogs/dialog_manager.h"

namespace tools_test {

using namespace drawhost;

void RectScenario::StartRect(int mode, const std::string& preferences) {
    StartPlugin(preferences);
    Select(kRectTool);
    State().tool.rectMode = mode;
    GivePaletteFields();
}

void RectScenario::GivePaletteFields() {
    qzv::Globals& g = State();
    if (g.palette) return;
    LoadedPlugin& plugin = Plugin("Orbiquad");
    DlgDialog* d = DlgCreateDialog(RefOf(&plugin), "QZVARC", 16400, kDlgTabbedFloatingStyle, 1, nullptr, nullptr);
    if (!d) throw std::runtime_error("no stand-in palette");
    for (int32_t id : {72, 73, 74, 75}) DlgCreateItem(*d, id, ItemKind::SpinEdit, IntRect{0, 0, 60, 20});
    g.palette = reinterpret_cast<DialogRef>(d->handle);
}

float RectScenario::Field(int id) {
    GivePaletteFields();
    const DlgDialog* d = DlgDialogByName("QZVARC");
    const DlgItem* item = d ? DlgItemById(*d, id) : nullptr;
    if (!item) throw std::runtime_error("no palette field " + std::to_string(id));
    return DlgGetNumber(*item);
}

const Art& RectScenario::Only(const std::string& name) {
    std::vector<const Art*> paths;
    for (const Art* art : ArtNamed(name))
        if (art->kind == kArtPath) paths.push_back(art);
    EXPECT_EQ(paths.size(), 1u) << name;
    if (paths.empty()) throw std::runtime_error("no path named " + name);
    return *paths.back();
}

const Art& RectScenario::MainPath() {
    const Art* art = DocumentFindArt(State().tool.art.rectPath);
    if (!art) throw std::runtime_error("no main path");
    return *art;
}

std::vector<Pt> RectScenario::Anchors(const Art& path) {
    std::vector<Pt> out;
    for (const PathSegment& s : path.segments) out.push_back({s.p.h, s.p.v});
    return out;
}

std::vector<Pt> RectangleCorners(Pt anchor, double length, double width, double inclination, bool fromCorner) {
    const double w = std::fabs(length) / 2, h = std::fabs(width) / 2;
    const double oh = fromCorner ? length / 2 : 0, ov = fromCorner ? width / 2 : 0;
    const double c = std::cos(inclination), s = std::sin(inclination);
    std::vector<Pt> out;
    for (Pt local : {Pt{-w, h}, Pt{w, h}, Pt{w, -h}, Pt{-w, -h}}) {
        const double x = local.h + oh, y = local.v + ov;
        out.push_back({anchor.h + c * x - s * y, anchor.v + s * x + c * y});
    }
    return out;
}

void ExpectPoints(const std::vector<Pt>& got, const std::vector<Pt>& want, double tolerance) {
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < got.size(); ++i) {
        EXPECT_NEAR(got[i].h, want[i].h, tolerance) << "point " << i;
        EXPECT_NEAR(got[i].v, want[i].v, tolerance) << "point " << i;
    }
}

Box BoxOf(const std::vector<Pt>& points) {
    Box b{1e30, 1e30, -1e30, -1e30};
    for (const Pt& p : points) {
        b.left = std::min(b.left, p.h);
        b.right = std::max(b.right, p.h);
        b.bottom = std::min(b.bottom, p.v);
        b.top = std::max(b.top, p.v);
    }
    return b;
}

}  // namespace tools_test
