// Pictures of the three dialogs, as a person sees them: each snapshot is a
// whole PNG of the dialog's size (written to the build's snapshots folder,
// where they can be looked at).
#include <filesystem>
#include <fstream>

#include "dialog_scenario.h"

namespace modal_test {
namespace {

// Width and height from the PNG's header, or 0 x 0 when it is not a PNG.
std::pair<int, int> PngSize(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    unsigned char head[24] = {};
    if (!in.read(reinterpret_cast<char*>(head), sizeof head)) return {0, 0};
    if (head[1] != 'P' || head[2] != 'N' || head[3] != 'G') return {0, 0};
    auto be32 = [&](int at) { return head[at] << 24 | head[at + 1] << 16 | head[at + 2] << 8 | head[at + 3]; };
    return {be32(16), be32(20)};
}

class DialogPictures : public DialogScenario {
protected:
    std::string Path(const char* name) {
        std::filesystem::create_directories(QZV_SNAPSHOT_DIR);
        const std::string path = std::string(QZV_SNAPSHOT_DIR) + "/" + name;
        std::remove(path.c_str());
        return path;
    }
};

TEST_F(DialogPictures, EachDialogIsPicturedWhole) {
    StartPlugin("RVBC = bool:true\nRougeGrisC = real:200\nVertC = real:40\nBleuC = real:40\nFond = bool:true\n"
                "RougeGrisF = real:25\nEchelleNumPerso = int:3\nEchelleDenPerso = int:7\n");
    Bind();
    Run("pattern Rayures");
    const std::string colours = Path("colours.png"), pattern = Path("colours-pattern.png");
    const std::string circles = Path("preferences-circles.png"), rectangles = Path("preferences-rectangles.png");
    const std::string editor = Path("profile-editor.png");
    Play({OpenColours(), Do("snapshot \"Couleurs (QZV•Orbiquad).\" " + colours),
          Do("check \"Couleurs (QZV•Orbiquad).\" 250 on"), Do("snapshot \"Couleurs (QZV•Orbiquad).\" " + pattern),
          Do("press \"Couleurs (QZV•Orbiquad).\" 2"),
          OpenPreferences(), Do("snapshot bidon " + rectangles), Do("choose bidon 171 \"Cercles & Arcs\""),
          Do("check bidon 133 on"), Do("snapshot bidon " + circles), Do("press bidon 2"),
          OpenProfileEditor(), Do("press \"Éditeur d’arrondi.\" 22"), Do("press \"Éditeur d’arrondi.\" 24"),
          Do("snapshot \"Éditeur d’arrondi.\" " + editor), Do("press \"Éditeur d’arrondi.\" 2")});
    EXPECT_EQ(PngSize(colours), std::make_pair(236, 169));
    EXPECT_EQ(PngSize(pattern), std::make_pair(236, 169));
    EXPECT_EQ(PngSize(circles), std::make_pair(340, 306));
    EXPECT_EQ(PngSize(rectangles), std::make_pair(340, 306));
    EXPECT_EQ(PngSize(editor), std::make_pair(500, 600));
}

}  // namespace
}  // namespace modal_test
