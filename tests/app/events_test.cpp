// Tool events, tool switching, notifications and annotation draws as the
// test plug-in receives them. The expected sequences follow the order a
// user's hand produces: the pointer passes over a point before it presses
// there, and is dragged to where it is let go.
#include <cairo.h>

#include "app/app_state.h"
#include "app/notifiers.h"
#include "app_fixture.h"
#include "document/document_output.h"
#include "document/view_suite.h"
#include "util/json_writer.h"

namespace app_test {
namespace {

using namespace drawhost;
using drawhost_test::LogLinesWith;
using drawhost_test::RunLines;
using Lines = std::vector<std::string>;

const char kDraw[] = "AI Draw AppTestAnno";

class Events : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        StartTestPlugin();
        seen = Reports().size();
    }
    // Reports since the last call.
    Lines Fresh() {
        Lines all = Reports();
        Lines out(all.begin() + static_cast<long>(seen), all.end());
        seen = all.size();
        return out;
    }
    size_t seen = 0;
};

TEST_F(Events, ArriveInTheOrderOfTheHand) {
    ASSERT_EQ(RunLines({"tool \"App Test Tool\""}), "");
    EXPECT_EQ(Fresh(), (Lines{"AI Select tool1", kDraw}));

    ASSERT_EQ(RunLines({"move 1 2", "down 1 2", "drag 5 6.5", "up 9 9"}), "");
    EXPECT_EQ(Fresh(), (Lines{"AI Track Cursor 1 2", kDraw,     // no second track: the pointer is there
                              "AI Mouse Down 1 2", kDraw,
                              "AI Mouse Drag 5 6.5", kDraw,
                              "AI Mouse Drag 9 9", kDraw,       // dragged to where it is let go
                              "AI Mouse Up 9 9", kDraw}));

    ASSERT_EQ(RunLines({"click 20 -30"}), "");
    EXPECT_EQ(Fresh(), (Lines{"AI Track Cursor 20 -30", kDraw, "AI Mouse Down 20 -30", kDraw,
                              "AI Mouse Up 20 -30", kDraw}));

    EXPECT_EQ(LogLinesWith("mouse down -> 0").size(), 2u);
    EXPECT_EQ(LogLinesWith("mouse drag -> 0").size(), 2u);
    EXPECT_EQ(LogLinesWith("mouse up -> 0").size(), 2u);
    EXPECT_EQ(LogLinesWith("track cursor -> 0").size(), 2u);
    // The test plug-in beeps at every mouse down.
    EXPECT_EQ(LogLinesWith("beep"), (Lines{"beep 9000 100", "beep 9000 100"}));
}

TEST_F(Events, OutOfOrderEventsAndBadPointsAreRefused) {
    ASSERT_EQ(RunLines({"tool \"App Test Tool\""}), "");
    Fresh();
    EXPECT_NE(RunLines({"drag 1 1"}).find("drag without the mouse button down"), std::string::npos);
    EXPECT_NE(RunLines({"up 1 1"}).find("up without the mouse button down"), std::string::npos);
    EXPECT_NE(RunLines({"move nan 1"}).find("not a finite number"), std::string::npos);
    EXPECT_NE(RunLines({"click 1e8 0"}).find("out of range"), std::string::npos);
    EXPECT_EQ(Fresh(), Lines{});   // nothing reached the plug-in

    ASSERT_EQ(RunLines({"down 3 3"}), "");
    Fresh();
    EXPECT_NE(RunLines({"down 3 3"}).find("down already"), std::string::npos);
    EXPECT_NE(RunLines({"move 4 4"}).find("button is down"), std::string::npos);
    EXPECT_NE(RunLines({"tool \"App Test Tool 2\""}).find("while the mouse button is down"), std::string::npos);
    EXPECT_EQ(Fresh(), Lines{});
    ASSERT_EQ(RunLines({"up 3 3"}), "");
    EXPECT_EQ(Fresh(), (Lines{"AI Mouse Up 3 3", kDraw}));
}

// The tool losing the selection hears of it before the one gaining it; the
// annotator of the test plug-in is active only while one of its tools is.
TEST_F(Events, SwitchingToolsDeselectsThenSelects) {
    ASSERT_EQ(RunLines({"tool \"App Test Tool\""}), "");
    EXPECT_EQ(Fresh(), (Lines{"AI Select tool1", kDraw}));
    ASSERT_EQ(RunLines({"tool \"App Test Tool 2\""}), "");
    EXPECT_EQ(Fresh(), (Lines{"AI Deselect tool1", "AI Select tool2", kDraw}));
    ASSERT_EQ(RunLines({"tool \"App Test Tool 2\""}), "");   // already selected
    EXPECT_EQ(Fresh(), Lines{});
    ASSERT_EQ(RunLines({"tool \"Selection Tool\""}), "");
    EXPECT_EQ(Fresh(), (Lines{"AI Deselect tool2"}));
    EXPECT_EQ(LogLinesWith("tool: "), (Lines{"tool: App Test Tool", "tool: App Test Tool 2", "tool: Selection Tool"}));

    // A host tool takes the events itself: the plug-in hears nothing.
    ASSERT_EQ(RunLines({"click 5 5"}), "");
    EXPECT_EQ(Fresh(), Lines{});
}

// "App Test Tool 2" was added without the tracking option.
TEST_F(Events, OnlyToolsThatAskForTrackingAreTracked) {
    ASSERT_EQ(RunLines({"tool \"App Test Tool 2\"", "move 3 3"}), "");
    Fresh();
    ASSERT_EQ(RunLines({"move 4 4", "click 5 5"}), "");
    EXPECT_EQ(Fresh(), (Lines{"AI Mouse Down 5 5", kDraw, "AI Mouse Up 5 5", kDraw}));
}

TEST_F(Events, ModifierKeysAreHeldForThePlugin) {
    ASSERT_EQ(RunLines({"tool \"App Test Tool\"", "key shift down", "click 1 1", "key shift up", "click 1 1"}), "");
    Lines got = Fresh();
    // select, track, down, up with Shift, then down, up without; each drawn after.
    ASSERT_EQ(got.size(), 12u);
    EXPECT_EQ(got[4], "AI Mouse Down 1 1 shift shift-bit");
    EXPECT_EQ(got[8], "AI Mouse Down 1 1");
    EXPECT_NE(RunLines({"key meta down"}).find("unknown key 'meta'"), std::string::npos);
    EXPECT_NE(RunLines({"key alt sideways"}).find("down or up"), std::string::npos);
}

TEST_F(Events, ApplicationStartedIsNotifiedOnce) {
    Lines startup = Reports();
    ASSERT_EQ(startup.size(), 2u);
    EXPECT_EQ(startup[0], "Startup starts=1");
    EXPECT_EQ(startup[1], "AI Notify AI Application Started Notifier");
    HostStartPlugins();   // started again: nothing new to announce
    EXPECT_EQ(Fresh(), Lines{});
    EXPECT_EQ(LogLinesWith("notify apptest AI Application Started Notifier -> 0").size(), 1u);

    ASSERT_EQ(RunLines({"selection-changed"}), "");
    EXPECT_EQ(Fresh(), (Lines{"AI Notify AI Art Selection Changed Notifier"}));
    NotifiersSelectionChanged();
    EXPECT_EQ(Fresh(), (Lines{"AI Notify AI Art Selection Changed Notifier"}));
}

TEST_F(Events, AnnotatorsAndNotifiersAreDumped) {
    ASSERT_EQ(RunLines({"tool \"App Test Tool\""}), "");
    JsonWriter json;
    HostWriteDump(json);
    const std::string& dump = json.Text();
    EXPECT_NE(dump.find("\"name\": \"AppTestAnno\",\n      \"owner\": \"apptest\",\n      \"active\": true"),
              std::string::npos)
        << dump;
    EXPECT_NE(dump.find("\"type\": \"AI Art Selection Changed Notifier\""), std::string::npos);
}

// What the annotator drew at the last redraw (the test plug-in fills the
// redrawn area in red) lies over the document in the PNG.
TEST_F(Events, AnnotationsAreOverlaidOnTheImage) {
    ASSERT_EQ(RunLines({"tool \"App Test Tool\"", "move 100 100"}), "");
    std::string png = scratch + "/view.png", error;
    ASSERT_TRUE(DocumentWritePng(png, &error)) << error;
    IntPoint at{};
    ASSERT_EQ(ViewArtworkToView({100, 100}, &at), kNoErr);
    cairo_surface_t* image = cairo_image_surface_create_from_png(png.c_str());
    ASSERT_EQ(cairo_surface_status(image), CAIRO_STATUS_SUCCESS);
    auto pixel = [&](int x, int y) {
        const unsigned char* row = cairo_image_surface_get_data(image) + y * cairo_image_surface_get_stride(image);
        return reinterpret_cast<const uint32_t*>(row)[x] & 0xFFFFFF;
    };
    EXPECT_EQ(pixel(at.h, at.v), 0xFF0000u);              // inside the 20-pixel box
    EXPECT_EQ(pixel(at.h + 30, at.v + 30), 0xFFFFFFu);    // paper outside it
    cairo_surface_destroy(image);
}

// Annotators are called only for views of the document, with handles the
// host gave out.
TEST_F(Events, AnnotatorCallsCheckTheirHandles) {
    const AnnotatorSuite* a = Suite<AnnotatorSuite>(kAnnotatorSuiteName, kAnnotatorSuiteVersion);
    int local = 0;
    IntRect r = {0, 0, 10, 10};
    EXPECT_EQ(a->SetAnnotatorActive(reinterpret_cast<AnnotatorHandle>(&local), 1), kErrBadHandle);
    EXPECT_EQ(a->InvalidAnnotationRect(reinterpret_cast<ViewHandle>(&local), &r), kErrBadHandle);
    EXPECT_EQ(a->InvalidAnnotationRect(nullptr, &r), kErrBadHandle);
    EXPECT_TRUE(TheApp().invalid.empty());
}

}  // namespace
}  // namespace app_test
