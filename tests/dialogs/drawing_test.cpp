// Drawers: what they record in a port's, a dialog's or an item's display
// list, and what the list looks like once rasterised.
#include <cairo.h>

#include <filesystem>

#include "dialog_test.h"
#include "dialogs/ports.h"

namespace dialog_test {
namespace {

using drawhost::DlgDescribe;

uint32_t Pixel(cairo_surface_t* s, int x, int y) {
    cairo_surface_flush(s);
    const unsigned char* row = cairo_image_surface_get_data(s) + y * cairo_image_surface_get_stride(s);
    return reinterpret_cast<const uint32_t*>(row)[x];   // premultiplied 0xAARRGGBB
}

class DrawingTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        port_ = drawhost::DlgNewAnnotationPort();
    }
    std::vector<std::string> PortOps() { return DlgDescribe(drawhost::DlgFind(port_)->drawn); }
    PortRef port_ = nullptr;
};

TEST_F(DrawingTest, AnnotationDrawerDrawsLocalToItsRectangle) {
    IntRect box = {100, 50, 140, 70};
    DrawerRef dr = S().drawer->Create(port_, &box, kFontPalette);
    S().drawer->SetRGBColor(dr, 255, 0, 0);
    IntRect ring = {0, 0, 8, 8}, dot = {2, 2, 6, 6};
    S().drawer->DrawOval(dr, &ring);
    S().drawer->FillOval(dr, &dot);
    IntPoint a = {0, 0}, b = {8, 8}, baseline = {0, 10};
    S().drawer->DrawLine(dr, &a, &b);
    S().drawer->DrawText(dr, "Segment", &baseline);
    IntRect local;
    S().drawer->GetBoundsRect(dr, &local);
    EXPECT_EQ(local.right, 40);
    EXPECT_EQ(local.bottom, 20);
    int32_t ascent = 0, descent = 0, leading = -1;
    S().drawer->GetFontInfo(dr, &ascent, &descent, &leading);
    EXPECT_GT(ascent, 0);
    EXPECT_GT(descent, 0);
    EXPECT_GE(leading, 0);
    EXPECT_GT(S().drawer->GetTextWidth(dr, "MMMM"), 3 * S().drawer->GetTextWidth(dr, "M"));
    S().drawer->Destroy(dr);
    S().drawer->FillOval(dr, &dot);   // destroyed: draws nowhere

    EXPECT_EQ(PortOps(), (std::vector<std::string>{
                             "frameOval 100,50,108,58 #ff0000",
                             "fillOval 102,52,106,56 #ff0000",
                             "line 100,50 108,58 #ff0000",
                             "text 100,60 \"Segment\" font 2 #ff0000",
                         }));
}

TEST_F(DrawingTest, PaintedPortIsClippedToTheDrawerAndTransparentElsewhere) {
    IntRect box = {10, 10, 20, 20}, huge = {-10, -10, 100, 100};
    DrawerRef dr = S().drawer->Create(port_, &box, kFontDefault);
    S().drawer->SetColor(dr, kColorRed);
    S().drawer->FillRect(dr, &huge);

    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 40, 40);
    cairo_t* cr = cairo_create(s);
    drawhost::DlgPaintPort(port_, cr);
    cairo_destroy(cr);
    EXPECT_EQ(Pixel(s, 15, 15), 0xffff0000u);
    EXPECT_EQ(Pixel(s, 25, 25), 0u);
    EXPECT_EQ(Pixel(s, 5, 5), 0u);
    cairo_surface_destroy(s);

    drawhost::DlgClearPort(port_);
    EXPECT_TRUE(PortOps().empty());
    drawhost::DlgDisposePort(port_);
    S().drawer->FillRect(dr, &huge);   // its port is gone: nothing happens
    EXPECT_EQ(S().drawer->Create(port_, &box, kFontDefault), nullptr);
}

TEST_F(DrawingTest, MissingPictureDrawsAPlaceholderOfKnownSize) {
    IntRect box = {0, 0, 50, 50};
    DrawerRef dr = S().drawer->Create(port_, &box, kFontDefault);
    IntPoint at = {3, 4};
    S().drawer->DrawResPicture(dr, nullptr, 77, &at);
    IntRect bounds;
    S().drawer->GetResPictureBounds(nullptr, 77, &bounds);
    EXPECT_EQ(bounds.right, drawhost::kDlgPlaceholderSize);
    EXPECT_EQ(PortOps(), std::vector<std::string>{"image 77 3,4,19,20 missing"});
}

IntRect gDrawnBounds;

void DrawBlueSquare(ItemRef, DrawerRef drawer) {
    S().drawer->GetBoundsRect(drawer, &gDrawnBounds);
    S().drawer->Destroy(drawer);   // the host's drawer: the plug-in cannot dispose of it
    S().drawer->SetRGBColor(drawer, 0, 0, 255);
    S().drawer->FillRect(drawer, &gDrawnBounds);
}

TEST_F(DrawingTest, ItemDrawProcedureDrawsInItemCoordinatesAndTheSnapshotShowsIt) {
    DialogRef d = MakeDialog("D");
    ItemRef swatch = MakeItem(d, 40, kItemPictureStatic, {120, 30, 140, 50});
    S().item->SetDrawProc(swatch, DrawBlueSquare);
    S().dialog->Update(d);
    EXPECT_EQ(gDrawnBounds.right, 20);
    EXPECT_EQ(DlgDescribe(drawhost::DlgFind(swatch)->drawn), std::vector<std::string>{"fillRect 0,0,20,20 #0000ff"});

    std::filesystem::create_directories(DIALOG_TEST_SCRATCH);
    std::string path = std::string(DIALOG_TEST_SCRATCH) + "/swatch.png";
    std::filesystem::remove(path);
    std::string error;
    ASSERT_TRUE(drawhost::DlgSnapshot(drawhost::DlgHandleOf(d), path, &error)) << error;
    cairo_surface_t* png = cairo_image_surface_create_from_png(path.c_str());
    ASSERT_EQ(cairo_surface_status(png), CAIRO_STATUS_SUCCESS);
    EXPECT_EQ(cairo_image_surface_get_width(png), 300);
    EXPECT_EQ(cairo_image_surface_get_height(png), 200);
    EXPECT_EQ(Pixel(png, 130, 40), 0xff0000ffu);
    EXPECT_EQ(Pixel(png, 5, 5), 0xffd4d0c8u);   // the dialog's background
    cairo_surface_destroy(png);
}

TEST_F(DrawingTest, EveryItemKindHasAVisibleDefaultLook) {
    DialogRef d = MakeDialog("D");
    const char* kinds[] = {kItemTextStatic,     kItemTextStaticMultiLine, kItemPicturePushButton,
                           kItemPictureRadioButton, kItemTextPushButton, kItemTextCheckBox,
                           kItemSpinEdit,       kItemSpinEditPopup,       kItemPopupList,
                           kItemSlider,         kItemTextEdit};
    int32_t id = 1;
    for (const char* kind : kinds) {
        ItemRef item = MakeItem(d, id, kind, {10, 10 * id, 110, 10 * id + 18});
        S().item->SetText(item, "Texte");
        ++id;
    }
    S().dialog->Update(d);
    for (int32_t i = 1; i < id; ++i)
        EXPECT_FALSE(drawhost::DlgFind(S().dialog->GetItem(d, i))->drawn.ops.empty()) << kinds[i - 1];
}

}  // namespace
}  // namespace dialog_test
