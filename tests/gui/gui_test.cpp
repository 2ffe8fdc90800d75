// drawhost's window on a real display (Xvfb in the test command), with the
// real plug-in: pointer and key events are put on GDK's queue as the display
// would deliver them, and the window's handlers take them to the core. Each
// scenario ends with a check of the document's invariants.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/annotators.h"
#include "app/app_state.h"
#include "app/toolbox.h"
#include "dialogs/dialog_manager.h"
#include "document/document.h"
#include "document/document_invariants.h"
#include "document/document_output.h"
#include "document/svg_reader.h"
#include "document/view_suite.h"
#include "frame/host.h"
#include "gui/gui_state.h"
#include "standin_control.h"

using namespace drawhost;
namespace fs = std::filesystem;

namespace {

constexpr const char* kCircleTool = "Outil Zivo & Voraved";
constexpr const char* kColours = "Couleurs (QZV•Orbiquad).";
constexpr const char* kPreferences = "Préférences (QZV•Orbiquad)";

std::string ReadFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// The document holds one circle (a path "Cercle 1" of four pieces, its
// anchors on the circle) with its centre mark.
void ExpectOneCircle(double h, double v, double radius) {
    std::vector<const Art*> circles;
    for (const Art* a : DocumentPathsInPaintOrder())
        if (a->name == "Cercle 1") circles.push_back(a);
    ASSERT_EQ(circles.size(), 1u);
    ASSERT_EQ(circles[0]->segments.size(), 4u);
    for (const PathSegment& s : circles[0]->segments) EXPECT_NEAR(std::hypot(s.p.h - h, s.p.v - v), radius, 0.01);
}

// The same, with other circles around it.
void ExpectOneCircleAmong(double h, double v, double radius) {
    size_t found = 0;
    for (const Art* a : DocumentPathsInPaintOrder()) {
        if (a->name != "Cercle 1" || a->segments.size() != 4) continue;
        bool on = true;
        for (const PathSegment& s : a->segments) on = on && std::fabs(std::hypot(s.p.h - h, s.p.v - v) - radius) < 0.01;
        found += on;
    }
    EXPECT_EQ(found, 1u);
}

size_t Circles() {
    size_t n = 0;
    for (const Art* a : DocumentPathsInPaintOrder()) n += a->name == "Cercle 1";
    return n;
}

// Lets the window handle everything queued, idle work included.
void Pump() {
    for (int round = 0; round < 3; ++round) {
        while (gtk_events_pending()) gtk_main_iteration();
        g_usleep(2000);
    }
}

class GuiTest : public ::testing::Test {
protected:
    void SetUp() override {
        StandInReleaseAllKeys();
        dir_ = fs::temp_directory_path() / ("gui-test-" + std::to_string(::getpid()) + "-" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        ASSERT_EQ(GuiOpen({"gui", "--plugins", QZV_PLUGINS_DIR, "--prefs", (dir_ / "prefs.txt").string()}), 0);
        Pump();
    }
    void TearDown() override {
        if (open_) {
            std::string why;
            EXPECT_TRUE(DocumentCheckInvariants(&why)) << why;
            EXPECT_EQ(GuiClose(), 0);
        }
        // The module stays loaded in the process: the next test loads it afresh.
        TheHost().plugins.clear();
        fs::remove_all(dir_);
    }
    int Close() {
        open_ = false;
        return GuiClose();
    }

    void ClickTool(const char* title, bool twice = false) {
        IntPoint at = ToolboxToolCentre(ToolboxFind(title));
        ASSERT_GE(at.h, 0) << title;
        GuiPutButton(TheGui().toolbox, GDK_BUTTON_PRESS, at.h, at.v, 0);
        if (twice) {
            GuiPutButton(TheGui().toolbox, GDK_BUTTON_RELEASE, at.h, at.v, GDK_BUTTON1_MASK);
            GuiPutButton(TheGui().toolbox, GDK_BUTTON_PRESS, at.h, at.v, 0);
            GuiPutButton(TheGui().toolbox, GDK_2BUTTON_PRESS, at.h, at.v, 0);
        }
        GuiPutButton(TheGui().toolbox, GDK_BUTTON_RELEASE, at.h, at.v, GDK_BUTTON1_MASK);
    }
    // Pointer events over the canvas at artwork points.
    void Canvas(GdkEventType type, float h, float v) {
        double x, y;
        GuiCanvasFromArtwork({h, v}, &x, &y);
        if (type == GDK_MOTION_NOTIFY)
            GuiPutMotion(TheGui().canvas, x, y, TheApp().buttonDown ? GDK_BUTTON1_MASK : 0);
        else
            GuiPutButton(TheGui().canvas, type, x, y, type == GDK_BUTTON_RELEASE ? GDK_BUTTON1_MASK : 0);
    }
    void DrawCircle(float ch, float cv, float h, float v) {
        Canvas(GDK_MOTION_NOTIFY, ch, cv);
        Canvas(GDK_BUTTON_PRESS, ch, cv);
        Canvas(GDK_MOTION_NOTIFY, h, v);
        Canvas(GDK_BUTTON_RELEASE, h, v);
        Pump();
    }
    // A click in the middle of a dialog item, in its window.
    static void ClickItem(const char* dialog, int32_t id) {
        DlgDialog* d = DlgDialogByName(dialog);
        ASSERT_NE(d, nullptr) << dialog;
        DlgItem* item = DlgItemById(*d, id);
        ASSERT_NE(item, nullptr) << id;
        GtkWidget* area = TheGui().dialogs.at(d->handle).area;
        double x = (item->bounds.left + item->bounds.right) / 2, y = (item->bounds.top + item->bounds.bottom) / 2;
        GuiPutButton(area, GDK_BUTTON_PRESS, x, y, 0);
        GuiPutButton(area, GDK_BUTTON_RELEASE, x, y, GDK_BUTTON1_MASK);
    }
    // Runs `then` once the modal dialog `name` is up and shown in a window,
    // from inside its modal loop.
    void WhenModalShown(const char* name, std::function<void()> then) {
        struct Wait {
            std::string name;
            std::function<void()> then;
            bool* seen;
            int ticks = 0;
        };
        auto* wait = new Wait{name, std::move(then), &modalSeen_};
        g_timeout_add(
            5,
            [](gpointer p) -> gboolean {
                auto* w = static_cast<Wait*>(p);
                DlgDialog* top = DlgTopModal();
                if (++w->ticks > 400) {
                    // Never shown as expected: cancel whatever runs, so that the test fails instead of hanging.
                    if (top) DlgUserClose(top->handle);
                    delete w;
                    return G_SOURCE_REMOVE;
                }
                if (!top || top != DlgDialogByName(w->name)) return G_SOURCE_CONTINUE;
                auto it = TheGui().dialogs.find(top->handle);
                if (it == TheGui().dialogs.end() || !gtk_widget_get_mapped(it->second.window)) return G_SOURCE_CONTINUE;
                *w->seen = true;
                w->then();
                delete w;
                return G_SOURCE_REMOVE;
            },
            wait);
    }

    // The canvas as the window draws it (the kept picture, the paths over it,
    // the overlay) against the document and overlay rendered whole, pixel
    // for pixel, at the canvas's size.
    static bool FrameMatchesWholeRendering() {
        GtkWidget* canvas = TheGui().canvas;
        int width = gtk_widget_get_allocated_width(canvas), height = gtk_widget_get_allocated_height(canvas);
        cairo_surface_t* fast = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
        cairo_t* cr = cairo_create(fast);
        gtk_widget_draw(canvas, cr);
        cairo_destroy(cr);
        cairo_surface_t* whole = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
        cr = cairo_create(whole);
        DocumentPaintView(cr);
        AnnotatorsPaint(cr);
        cairo_destroy(cr);
        cairo_surface_flush(fast);
        cairo_surface_flush(whole);
        int stride = cairo_image_surface_get_stride(fast);
        bool equal = std::memcmp(cairo_image_surface_get_data(fast), cairo_image_surface_get_data(whole),
                                 size_t(stride) * height) == 0;
        cairo_surface_destroy(fast);
        cairo_surface_destroy(whole);
        return equal;
    }

    fs::path dir_;
    bool open_ = true;
    bool modalSeen_ = false;
};

// The colours dialog is opened by a double click on the tool's icon; its
// name in the model is the one the plug-in gives it.
TEST_F(GuiTest, DrawsACircleUsesThePaletteAndADialogThenSavesTheDrawing) {
    ClickTool(kCircleTool);
    Pump();
    ASSERT_EQ(TheApp().selectedTool, ToolboxFind(kCircleTool));

    // Centre (200, 175), a point of the circle 40 across and 30 up: radius 50 (3-4-5).
    DrawCircle(200, 175, 240, 205);
    ExpectOneCircle(200, 175, 50);
    EXPECT_FALSE(TheApp().buttonDown);

    // The palette is a window of its own; a click on a mode button ticks it.
    DlgDialog* palette = DlgDialogByName("QZVARC");
    ASSERT_NE(palette, nullptr);
    ASSERT_TRUE(palette->visible);
    ASSERT_EQ(TheGui().dialogs.count(palette->handle), 1u);
    ClickItem("QZVARC", 55);
    Pump();
    EXPECT_TRUE(DlgGetBoolean(*DlgItemById(*DlgDialogByName("QZVARC"), 55)));

    // The modal colours dialog: shown as a window, cancelled by its button 2.
    WhenModalShown(kColours, [] { ClickItem(kColours, 2); });
    ClickTool(kCircleTool, true);
    Pump();
    EXPECT_TRUE(modalSeen_);
    EXPECT_EQ(DlgTopModal(), nullptr);
    EXPECT_EQ(DlgDialogByName(kColours), nullptr);

    // The preferences, from the palette's flyout menu: a modal window,
    // cancelled by its button 2.
    modalSeen_ = false;
    WhenModalShown(kPreferences, [] { ClickItem(kPreferences, 2); });
    DlgItem* flyout = DlgItemById(*DlgDialogByName("QZVARC"), kDlgFlyoutMenuItemID);
    ASSERT_NE(flyout, nullptr);
    GuiDialogChoose(flyout->handle, "Préférences...");
    Pump();
    EXPECT_TRUE(modalSeen_);
    EXPECT_EQ(DlgTopModal(), nullptr);

    fs::path saved = dir_ / "dessin.svg";
    ASSERT_TRUE(GuiSaveSvg(saved.string()));
    std::string why;
    EXPECT_TRUE(DocumentCheckInvariants(&why)) << why;
    EXPECT_EQ(Close(), 0);

    // Opened again, the saved file holds the circle.
    SvgOpenReport report;
    std::string error;
    ASSERT_TRUE(DocumentOpenSvg(saved.string(), &report, &error)) << error;
    ExpectOneCircle(200, 175, 50);
    HostReset();
}

// A field of the palette typed into: the space of "5 mm" reaches the field
// (the key state sees it too), Return keeps the value in the field's units.
TEST_F(GuiTest, AFieldOfThePaletteTakesTypedTextWithItsSpaces) {
    ClickTool(kCircleTool);
    Pump();
    ClickItem("QZVARC", 10);
    Pump();
    DlgDialog* palette = DlgDialogByName("QZVARC");
    ASSERT_NE(palette, nullptr);
    GuiDialogWindow& w = TheGui().dialogs.at(palette->handle);
    ASSERT_NE(w.entry, nullptr);
    gtk_editable_delete_text(GTK_EDITABLE(w.entry), 0, -1);
    for (guint key : {guint(GDK_KEY_5), guint(GDK_KEY_space), guint(GDK_KEY_m), guint(GDK_KEY_m)}) {
        GuiPutKey(w.window, key, true);
        GuiPutKey(w.window, key, false);
    }
    Pump();
    ASSERT_NE(w.entry, nullptr);
    EXPECT_STREQ(gtk_entry_get_text(GTK_ENTRY(w.entry)), "5 mm");
    GuiPutKey(w.window, GDK_KEY_Return, true);
    Pump();
    EXPECT_EQ(TheGui().dialogs.at(palette->handle).entry, nullptr);
    // 5 mm is 5 / 25.4 inches of 72 points: 14.17 points.
    EXPECT_NEAR(DlgGetNumber(*DlgItemById(*DlgDialogByName("QZVARC"), 10)), 5 / 25.4 * 72, 0.01);
}

// A file that cannot be read or written is named in the message; the
// document stays as it was and no file is left half-written.
TEST_F(GuiTest, FilesThatFailLeaveTheDocumentAndTheFolderAsTheyWere) {
    ClickTool(kCircleTool);
    DrawCircle(100, 100, 130, 140);
    ASSERT_EQ(Circles(), 1u);
    size_t paths = DocumentPathsInPaintOrder().size();
    uint64_t changes = DocumentChangeCount();

    fs::path bad = dir_ / "cassé.svg";
    std::ofstream(bad) << "<svg xmlns='http://www.w3.org/2000/svg'><path d='M 0 0 L 10 10'/>";
    EXPECT_FALSE(GuiOpenSvg(bad.string()));
    EXPECT_FALSE(GuiOpenSvg((dir_ / "absent.svg").string()));
    EXPECT_EQ(DocumentChangeCount(), changes);
    EXPECT_EQ(DocumentPathsInPaintOrder().size(), paths);
    bool named = false;
    for (const std::string& line : TheHost().log)
        named = named || line.find("drawhost: cannot open " + bad.string()) == 0;
    EXPECT_TRUE(named);

    fs::path nowhere = dir_ / "absent" / "dessin.svg";
    EXPECT_FALSE(GuiSaveSvg(nowhere.string()));
    EXPECT_FALSE(GuiExportPng((dir_ / "absent" / "dessin.png").string()));
    EXPECT_FALSE(fs::exists(dir_ / "absent"));
    // A folder where the file should go: refused, the folder untouched.
    fs::create_directories(dir_ / "dossier.svg");
    EXPECT_FALSE(GuiSaveSvg((dir_ / "dossier.svg").string()));
    EXPECT_TRUE(fs::is_directory(dir_ / "dossier.svg"));
    for (const auto& entry : fs::directory_iterator(dir_))
        EXPECT_EQ(entry.path().filename().string().find(".tmp-"), std::string::npos) << entry.path();
    Pump();
}

TEST_F(GuiTest, TheCanvasSurvivesATinyWindowAndTheZoomStopsAtItsLimits) {
    ClickTool(kCircleTool);
    DrawCircle(100, 100, 130, 140);
    gtk_window_resize(GTK_WINDOW(TheGui().window), 1, 1);
    Pump();
    // The canvas drawn at whatever size it was given.
    cairo_surface_t* target = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 4, 4);
    cairo_t* cr = cairo_create(target);
    gtk_widget_draw(TheGui().canvas, cr);
    cairo_destroy(cr);
    cairo_surface_destroy(target);
    EXPECT_GE(TheGui().docWidth, 1);
    EXPECT_GE(TheGui().docHeight, 1);

    // Round the pointer: the artwork point under it stays put.
    RealPoint before = GuiCanvasToArtwork(40, 30);
    GuiCanvasZoomAt(40, 30, 2);
    EXPECT_FLOAT_EQ(TheDocument().view.zoom, 2.0f);
    RealPoint after = GuiCanvasToArtwork(40, 30);
    EXPECT_NEAR(after.h, before.h, 1e-3);
    EXPECT_NEAR(after.v, before.v, 1e-3);
    for (int i = 0; i < 100; ++i) GuiCanvasZoomAt(40, 30, 1.25);
    EXPECT_EQ(TheDocument().view.zoom, kMaxZoom);
    for (int i = 0; i < 200; ++i) GuiCanvasZoomAt(40, 30, 0.8);
    EXPECT_EQ(TheDocument().view.zoom, kMinZoom);
    float zoom = TheDocument().view.zoom;
    GuiCanvasZoomAt(40, 30, std::nan(""));
    GuiCanvasZoomAt(40, 30, 0);
    EXPECT_EQ(TheDocument().view.zoom, zoom);
    EXPECT_TRUE(std::isfinite(TheDocument().view.origin.h));
}

// During a drag only the shape under construction changes: the rest of
// the document is rendered once into a kept picture, the shape is painted
// over it at each frame. What the frames show is what a full rendering shows.
TEST_F(GuiTest, ADragRendersTheRestOfTheDocumentOnce) {
    // The drawing in the canvas's top left corner, whatever the screen's size.
    TheDocument().view.origin = {0, 400};
    ClickTool(kCircleTool);
    DrawCircle(100, 100, 130, 140);
    Pump();
    auto frame = [] {
        GtkWidget* canvas = TheGui().canvas;
        cairo_surface_t* target = cairo_image_surface_create(
            CAIRO_FORMAT_RGB24, gtk_widget_get_allocated_width(canvas), gtk_widget_get_allocated_height(canvas));
        cairo_t* cr = cairo_create(target);
        gtk_widget_draw(canvas, cr);
        cairo_destroy(cr);
        return target;
    };
    Canvas(GDK_BUTTON_PRESS, 200, 175);
    Canvas(GDK_MOTION_NOTIFY, 204, 178);
    Pump();
    cairo_surface_destroy(frame());
    Canvas(GDK_MOTION_NOTIFY, 208, 181);
    Pump();
    cairo_surface_destroy(frame());
    const int renders = TheGui().docRenders;
    for (int i = 3; i <= 8; ++i) {
        Canvas(GDK_MOTION_NOTIFY, 200 + 4 * i, 175 + 3 * i);
        Pump();
        EXPECT_TRUE(FrameMatchesWholeRendering()) << "frame " << i;
    }
    EXPECT_FALSE(TheGui().docLive.empty());
    EXPECT_EQ(TheGui().docRenders, renders);
    Canvas(GDK_BUTTON_RELEASE, 240, 205);
    Pump();
    cairo_surface_destroy(frame());
    ExpectOneCircleAmong(200, 175, 50);
}

// A path below the newest ones that changes in place (a shape re-edited)
// is not shown from the kept picture: the frame is rendered again and
// shows the path as it is now.
TEST_F(GuiTest, APathChangedInPlaceIsNotShownFromTheKeptPicture) {
    // The drawing in the canvas's top left corner, whatever the screen's size.
    TheDocument().view.origin = {0, 400};
    ClickTool(kCircleTool);
    DrawCircle(200, 175, 240, 205);
    DrawCircle(400, 300, 430, 340);
    TheGui().docDirty = true;
    ASSERT_TRUE(FrameMatchesWholeRendering());
    // The first circle's path, below the second circle: moved 100 points right.
    Art* first = nullptr;
    for (const Art* a : DocumentPathsInPaintOrder())
        if (a->name == "Cercle 1" && !first) first = DocumentArtById(a->id);
    ASSERT_NE(first, nullptr);
    for (PathSegment& s : first->segments) {
        s.p.h += 100;
        s.in.h += 100;
        s.out.h += 100;
    }
    DocumentArtChanged(first->id);
    const int renders = TheGui().docRenders;
    EXPECT_TRUE(FrameMatchesWholeRendering());
    EXPECT_EQ(TheGui().docRenders, renders + 1);
}

// Closing the window mid-gesture lets go of the button where the pointer
// was: the tool finishes its shape and the session ends cleanly.
TEST_F(GuiTest, ClosingTheWindowMidGestureFinishesTheGesture) {
    ClickTool(kCircleTool);
    Canvas(GDK_BUTTON_PRESS, 200, 175);
    Canvas(GDK_MOTION_NOTIFY, 240, 205);
    Pump();
    ASSERT_TRUE(TheApp().buttonDown);
    GuiPutDelete(TheGui().window);
    Pump();
    EXPECT_TRUE(TheGui().quitting);
    EXPECT_FALSE(TheApp().buttonDown);
    ExpectOneCircle(200, 175, 50);
}

// Closing the window while a modal dialog runs cancels the dialog through
// its close box: nothing is abandoned, the session ends with success.
TEST_F(GuiTest, ClosingTheWindowWhileAModalDialogRunsCancelsIt) {
    WhenModalShown(kColours, [] { GuiPutDelete(TheGui().window); });
    ClickTool(kCircleTool, true);
    Pump();
    EXPECT_TRUE(modalSeen_);
    EXPECT_TRUE(TheGui().quitting);
    EXPECT_EQ(DlgTopModal(), nullptr);
    EXPECT_FALSE(DlgModalAbandoned());
}

// While a modal dialog runs, the canvas and the toolbox take no input.
TEST_F(GuiTest, AModalDialogHoldsBackTheCanvas) {
    ClickTool(kCircleTool);
    Pump();
    WhenModalShown(kColours, [this] {
        DrawCircle(10, 10, 40, 50);
        EXPECT_EQ(Circles(), 0u);
        ClickItem(kColours, 2);
    });
    ClickTool(kCircleTool, true);
    Pump();
    EXPECT_TRUE(modalSeen_);
    EXPECT_EQ(Circles(), 0u);
}

}  // namespace

// The replay and the session runner on one script: the same dump.
TEST(GuiReplay, AReplayedScriptEndsAsTheSessionRunnerEndsIt) {
    fs::path dir = fs::temp_directory_path() / ("gui-replay-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    fs::path script = dir / "session.txt";
    std::ofstream(script) << "start\n"
                             "tool \"Outil Zivo & Voraved\"\n"
                             "move 200 200\ndown 200 175\ndrag 240 205\nup 240 205\n"
                             "move 300 102\ndown 300 100\nkey shift down\ndrag 300 250\nup 300 250\nkey shift up\n"
                             "press QZVARC 55\n"
                             "item QZVARC 10 25\nstep QZVARC 10 up\n"
                             "choose QZVARC flyout \"Marquer le centre\"\n"
                             "choose QZVARC flyout \"Préférences...\"\n"
                             "press \"Préférences (QZV•Orbiquad)\" 2\n"
                             "down 120 100\ndrag 150 140\nup 150 140\n"
                             "key alt down\nkey alt up\n"
                             "tool-options \"Outil Zivo & Voraved\"\n"
                             "press \"Couleurs (QZV•Orbiquad).\" 2\n"
                             "tool \"Outil Rectangles\"\n"
                             "zoom 2\nmove 350 300\ndown 350 300\ndrag 450 360\nup 450 360\n"
                             "close QZVARC\n"
                             "quit\n";
    auto run = [&](const std::string& mode, const std::string& tag) {
        std::string command = std::string(DRAWHOST_BIN) + " " + mode + " --plugins " + QZV_PLUGINS_DIR + " --prefs " +
                              (dir / (tag + "-prefs.txt")).string() + " --dump " + (dir / (tag + ".json")).string() +
                              " --log " + (dir / (tag + ".log")).string();
        return std::system(command.c_str());
    };
    ASSERT_EQ(run("run " + script.string(), "run"), 0);
    ASSERT_EQ(run("gui --replay " + script.string(), "gui"), 0);
    std::string ran = ReadFile(dir / "run.json"), replayed = ReadFile(dir / "gui.json");
    EXPECT_GT(ran.size(), 1000u);
    EXPECT_EQ(ran, replayed);
    EXPECT_NE(ran.find("\"segments\""), std::string::npos);
    fs::remove_all(dir);
}

// Without a display the window does not start and says where to go instead.
TEST(GuiReplay, WithoutADisplayTheWindowPointsToTheSessionRunner) {
    fs::path out = fs::temp_directory_path() / ("gui-nodisplay-" + std::to_string(::getpid()) + ".txt");
    std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY " + std::string(DRAWHOST_BIN) + " gui 2>" + out.string();
    int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 2);
    EXPECT_NE(ReadFile(out).find("drawhost run"), std::string::npos);
    fs::remove(out);
}
