// Every picture, icon and cursor the plug-in names reaches its bundle at the
// size its place asks for. Sizes are worked out from the item rectangles of
// the palette and the colours dialog (see each row), the cursor ids from the
// tables of the tools, the snap search and the rounding editor.
#include <cairo.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "dialogs/cursors.h"
#include "dialogs/images.h"
#include "plugin/globals.h"
#include "tools/tool_feedback.h"

namespace {

namespace fs = std::filesystem;

const std::string kResources = std::string(QZV_PLUGINS_DIR) + "/Orbiquad/resources";

struct Image {
    const char* file;   // relative to the bundle's resources folder
    int32_t width, height;
    const char* why;
};

// Pictures and icons, with the reasoning behind each size.
constexpr Image kImages[] = {
    // Mode buttons are 19 x 19 ((3+21c, 3+21r) to (22+21c, 22+21r)); the bitmap sits at (1, 1, 18, 18).
    {"pictures/150.png", 17, 17, "mode button"}, {"pictures/151.png", 17, 17, "mode button"},
    {"pictures/152.png", 17, 17, "mode button"}, {"pictures/153.png", 17, 17, "mode button"},
    {"pictures/154.png", 17, 17, "mode button"}, {"pictures/155.png", 17, 17, "mode button"},
    {"pictures/156.png", 17, 17, "mode button"}, {"pictures/157.png", 17, 17, "mode button"},
    {"pictures/158.png", 17, 17, "mode button"}, {"pictures/253.png", 17, 17, "sector button"},
    {"pictures/254.png", 17, 17, "sector button"}, {"pictures/255.png", 17, 17, "sector button"},
    {"pictures/300.png", 17, 17, "mode button"}, {"pictures/301.png", 17, 17, "mode button"},
    {"pictures/302.png", 17, 17, "mode button"}, {"pictures/303.png", 17, 17, "mode button"},
    {"pictures/304.png", 17, 17, "mode button"}, {"pictures/305.png", 17, 17, "mode button"},
    // Rounding-type buttons (3+14i, 50, 15+14i, 62): 12 x 12, the bitmap inset by 1 like the mode buttons.
    {"pictures/403.png", 10, 10, "rounding type"}, {"pictures/404.png", 10, 10, "rounding type"},
    // Logo button (148, 2, 168, 22).
    {"pictures/128.png", 20, 20, "logo"}, {"pictures/129.png", 20, 20, "logo pressed"},
    // Help buttons (317, 78, 330, 89) and (180, 78, 193, 89).
    {"pictures/132.png", 13, 11, "next page"}, {"pictures/133.png", 13, 11, "next page pressed"},
    {"pictures/134.png", 13, 11, "first page"}, {"pictures/135.png", 13, 11, "first page pressed"},
    // Scale indicator (137, 2, 145, 10).
    {"pictures/159.png", 8, 8, "scale indicator"},
    // "Saillant/Rentrant" item 16 (67, 26, 82, 41).
    {"icons/17010_0.png", 15, 15, "short arc"}, {"icons/17011_0.png", 15, 15, "long arc"},
    // Clone item 70 (67, 47, 85, 65).
    {"icons/18012_0.png", 18, 18, "clones made"}, {"icons/18013_0.png", 18, 18, "no clone"},
    // Labels of the value fields: see kLabels for where they are drawn.
    {"icons/19000_0.png", 13, 13, "radius"}, {"icons/19001_0.png", 10, 13, "centre angle"},
    {"icons/19002_0.png", 13, 13, "start angle"}, {"icons/19003_0.png", 13, 13, "length"},
    {"icons/19004_0.png", 13, 13, "width"}, {"icons/19005_0.png", 13, 13, "inclination"},
    // Swap button 81 (69, 0, 79, 6).
    {"icons/19007_0.png", 10, 6, "swap arrow"},
    // Line switch 77 (67, 26, 83, 42).
    {"icons/19008_0.png", 16, 16, "simple line"}, {"icons/19009_0.png", 16, 16, "polygonal line"},
    {"icons/19010_0.png", 16, 16, "rectangle"},
    // The palette window's two icons.
    {"icons/5041_0.png", 16, 16, "window icon"}, {"icons/5042_1.png", 16, 16, "second window icon"},
    // Colours dialog: paint switch 134 (13, 62, 21, 70), swap 135 (25, 29, 35, 39).
    {"icons/17200_0.png", 8, 8, "side painted"}, {"icons/17201_0.png", 8, 8, "side not painted"},
    {"icons/19006_0.png", 10, 10, "swap sides"},
    // The two tools' icons and second icons, one per tool index (a toolbox cell).
    {"icons/16051_0.png", 24, 24, "circle tool"}, {"icons/16051_1.png", 24, 24, "rectangle tool"},
    {"icons/18001_0.png", 24, 24, "circle tool, second"}, {"icons/18001_1.png", 24, 24, "rectangle tool, second"},
};

// The label icons are drawn at these points, left of the value fields that
// start at x = 104: an icon wider than the gap would cover a field's edge.
struct Label {
    const char* file;
    int32_t left;
};
constexpr Label kLabels[] = {{"icons/19000_0.png", 89}, {"icons/19001_0.png", 94}, {"icons/19002_0.png", 89},
                             {"icons/19003_0.png", 87}, {"icons/19004_0.png", 91}, {"icons/19005_0.png", 86}};
constexpr int32_t kValueFieldsLeft = 104;

// Every cursor id the tools, the snap search and the rounding editor set.
constexpr int32_t kCursors[] = {
    16001, 16002, 16005, 17001, 17002, 18001, 18002, 18003,          // circle modes 0 to 2, Alt
    19100, 19101, 19102, 19103, 19104, 19200,                        // arcs
    20000, 20001, 20002, 20003,                                      // tangent circles
    21000, 21001, 21002, 21003, 21004,                               // rectangle tool, polygonal line
    19000, 19001, 20015, 20016, 20017,                               // snap: anchor, segment, arc, curve, crossing
    20009,                                                           // an alert is open
    310, 311, 20008,                                                 // rounding editor
};

std::string Path(const std::string& relative) { return kResources + "/" + relative; }

// A decoded PNG, freed with the object.
struct Png {
    explicit Png(const std::string& path) : surface(cairo_image_surface_create_from_png(path.c_str())) {}
    ~Png() { cairo_surface_destroy(surface); }
    bool ok() const { return cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS; }
    int width() const { return cairo_image_surface_get_width(surface); }
    int height() const { return cairo_image_surface_get_height(surface); }
    uint32_t pixel(int x, int y) const {
        cairo_surface_flush(surface);
        const unsigned char* row = cairo_image_surface_get_data(surface) + y * cairo_image_surface_get_stride(surface);
        return reinterpret_cast<const uint32_t*>(row)[x];
    }
    int alpha(int x, int y) const { return int(pixel(x, y) >> 24); }
    std::vector<uint32_t> pixels() const {
        std::vector<uint32_t> all;
        for (int y = 0; y < height(); ++y)
            for (int x = 0; x < width(); ++x) all.push_back(pixel(x, y));
        return all;
    }
    cairo_surface_t* surface;
};

std::map<int32_t, drawhost::DlgCursor> ReadCursorIndex() {
    std::ifstream in(Path("cursors/cursors.txt"));
    std::map<int32_t, drawhost::DlgCursor> index;
    std::string line, error;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        drawhost::DlgCursor c;
        EXPECT_TRUE(drawhost::DlgParseCursorLine(line, &c, &error)) << line << ": " << error;
        EXPECT_TRUE(index.emplace(c.id, c).second) << "cursor " << c.id << " listed twice";
    }
    return index;
}

TEST(BundleImages, EveryPictureAndIconHasTheSizeOfItsPlace) {
    for (const Image& image : kImages) {
        SCOPED_TRACE(std::string(image.file) + " (" + image.why + ")");
        int32_t w = 0, h = 0;
        ASSERT_TRUE(drawhost::DlgPngSize(Path(image.file), &w, &h)) << "missing or not a PNG";
        EXPECT_EQ(w, image.width);
        EXPECT_EQ(h, image.height);
    }
}

TEST(BundleImages, LabelIconsStopShortOfTheValueFields) {
    for (const Label& label : kLabels) {
        int32_t w = 0, h = 0;
        ASSERT_TRUE(drawhost::DlgPngSize(Path(label.file), &w, &h)) << label.file;
        EXPECT_LE(label.left + w, kValueFieldsLeft) << label.file;
    }
}

// A person tells the modes apart only if no two buttons look alike; each is
// ink on a transparent ground, so that the pressed button's inverted inner
// rectangle still shows it.
TEST(BundleImages, ModeButtonsAreDistinctDrawingsOnATransparentGround) {
    std::vector<std::pair<std::string, std::vector<uint32_t>>> seen;
    for (const Image& image : kImages) {
        const std::string file = image.file;
        if (image.width != 17) continue;
        Png png(Path(file));
        ASSERT_TRUE(png.ok()) << file;
        int clear = 0, inked = 0;
        for (int y = 0; y < png.height(); ++y)
            for (int x = 0; x < png.width(); ++x) {
                clear += png.alpha(x, y) == 0;
                inked += png.alpha(x, y) >= 128;
            }
        EXPECT_GT(clear, 17 * 17 / 2) << file << ": the ground is not transparent";
        EXPECT_GE(inked, 20) << file << ": too little is drawn to be seen";
        for (const auto& [other, pixels] : seen) EXPECT_NE(pixels, png.pixels()) << file << " looks like " << other;
        seen.emplace_back(file, png.pixels());
    }
    EXPECT_EQ(seen.size(), 18u);
}

TEST(BundleCursors, EveryCursorSetByThePlugInHasANameAndAHotspotOnItsDrawing) {
    const auto index = ReadCursorIndex();
    std::set<std::string> names;
    for (int32_t id : kCursors) {
        SCOPED_TRACE("cursor " + std::to_string(id));
        const auto it = index.find(id);
        ASSERT_NE(it, index.end()) << "not in cursors/cursors.txt";
        const drawhost::DlgCursor& c = it->second;
        EXPECT_TRUE(names.insert(c.name).second) << "the name " << c.name << " is taken twice";
        Png png(Path("cursors/" + std::to_string(id) + ".png"));
        ASSERT_TRUE(png.ok());
        EXPECT_EQ(png.width(), 32);
        EXPECT_EQ(png.height(), 32);
        ASSERT_LT(c.hotX, png.width());
        ASSERT_LT(c.hotY, png.height());
        // The pixel the pointer stands for is inked, not merely inside the white rim: the centre
        // of the cross-hair, or of the sign of a cursor without one.
        const uint32_t p = png.pixel(c.hotX, c.hotY);
        const int darkest = std::min({int(p >> 16 & 0xFF), int(p >> 8 & 0xFF), int(p & 0xFF)});
        EXPECT_GE(png.alpha(c.hotX, c.hotY), 128);
        EXPECT_LT(darkest, 128) << "the hotspot falls on the white rim";
    }
    // The index lists exactly the cursor images of the bundle.
    std::set<int32_t> images;
    for (const auto& entry : fs::directory_iterator(kResources + "/cursors"))
        if (entry.path().extension() == ".png") images.insert(std::stoi(entry.path().stem().string()));
    std::set<int32_t> listed;
    for (const auto& [id, c] : index) listed.insert(id);
    EXPECT_EQ(images, listed);
}

// Whatever the tool, mode, step and corner radius, the cursor the tools'
// table shows exists in the bundle.
TEST(BundleCursors, EveryCursorOfTheToolsTableIsInTheBundle) {
    const auto index = ReadCursorIndex();
    std::set<int32_t> shown;
    for (int32_t tool : {qzv::kToolCircle, qzv::kToolRect})
        for (int32_t mode = 0; mode <= 8; ++mode)
            for (int16_t step : {-1, 0, 1, 2, 3})
                for (float radius : {-2.0f, 0.0f, 2.0f}) shown.insert(qzv::ToolModeFeedback(tool, mode, step, radius).cursor);
    EXPECT_GE(shown.size(), 20u);
    for (int32_t id : shown) EXPECT_TRUE(index.count(id)) << "cursor " << id;
}

// Every source renders into the bundle at the size it declares, so a source
// resized by hand moves the picture too.
TEST(BundleImages, EverySourceIsRenderedAtItsDeclaredSize) {
    const std::regex size(R"re(<svg[^>]*\swidth="(\d+)"[^>]*\sheight="(\d+)")re");
    int count = 0;
    for (const auto& entry : fs::recursive_directory_iterator(QZV_ART_SOURCES)) {
        if (entry.path().extension() != ".svg") continue;
        std::ifstream in(entry.path());
        std::stringstream text;
        text << in.rdbuf();
        const std::string svg = text.str();
        std::smatch m;
        ASSERT_TRUE(std::regex_search(svg, m, size)) << entry.path() << ": no width and height";
        const std::string rendered = entry.path().parent_path().filename().string() + "/" +
                                     entry.path().stem().string() + ".png";
        int32_t w = 0, h = 0;
        ASSERT_TRUE(drawhost::DlgPngSize(Path(rendered), &w, &h)) << rendered << " not rendered";
        EXPECT_EQ(w, std::stoi(m[1])) << rendered;
        EXPECT_EQ(h, std::stoi(m[2])) << rendered;
        ++count;
    }
    EXPECT_GE(count, int(std::size(kImages) + std::size(kCursors)));
}

}  // namespace
