// The window's frame time during a drag of the circle tool over a document
// of 100 000 segments (50 000 paths of two anchors): one pointer motion put
// on GDK's queue, handled (the plug-in's tracking, snap search included),
// then the canvas drawn as the display would ask for it. "Cached" keeps the
// rendered document between frames, as the window does; "FullRender" renders
// it again at every frame, for comparison. Needs a display:
//   xvfb-run -a build/bench/gui_bench
// 60 frames per second is 16.7 ms a frame.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/tool_events.h"
#include "app/toolbox.h"
#include "frame/host.h"
#include "frame/script.h"
#include "gui/gui_state.h"

namespace {

using namespace drawhost;

void Pump() {
    while (gtk_events_pending()) gtk_main_iteration();
}

bool OpenWithDocument(int segments, std::string* error) {
    if (GuiOpen({"gui", "--plugins", QZV_PLUGINS_DIR, "--prefs", "/tmp/gui-bench-prefs.txt"}) != 0) {
        *error = "no window (run under xvfb-run)";
        return false;
    }
    std::vector<std::string> lines;
    for (int i = 0; i < segments / 2; ++i) {
        int x = (i * 7) % 1100, y = (i * 13) % 800;
        lines.push_back("path " + std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(x + 20) + " " +
                        std::to_string(y + 10));
    }
    ScriptRunner runner("bench", std::move(lines));
    if (!runner.RunAll()) {
        *error = runner.Error();
        return false;
    }
    gtk_window_resize(GTK_WINDOW(TheGui().window), 1400, 1000);
    Pump();
    return true;
}

void Drag(benchmark::State& state, bool cached) {
    std::string error;
    if (!OpenWithDocument(static_cast<int>(state.range(0)), &error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    GtkWidget* canvas = TheGui().canvas;
    IntPoint tool = ToolboxToolCentre(ToolboxFind("Outil Zivo & Voraved"));
    GuiPutButton(TheGui().toolbox, GDK_BUTTON_PRESS, tool.h, tool.v, 0);
    GuiPutButton(TheGui().toolbox, GDK_BUTTON_RELEASE, tool.h, tool.v, GDK_BUTTON1_MASK);
    GuiPutButton(canvas, GDK_BUTTON_PRESS, 500, 400, 0);
    Pump();
    int width = gtk_widget_get_allocated_width(canvas), height = gtk_widget_get_allocated_height(canvas);
    cairo_surface_t* screen = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    int step = 0;
    double handling = 0, drawing = 0;
    for (auto _ : state) {
        ++step;
        auto t0 = std::chrono::steady_clock::now();
        GuiPutMotion(canvas, 500 + step % 97, 400 + step % 61, GDK_BUTTON1_MASK);
        Pump();
        auto t1 = std::chrono::steady_clock::now();
        if (!cached) TheGui().docDirty = true;
        cairo_t* cr = cairo_create(screen);
        gtk_widget_draw(canvas, cr);
        cairo_destroy(cr);
        cairo_surface_flush(screen);
        auto t2 = std::chrono::steady_clock::now();
        handling += std::chrono::duration<double, std::milli>(t1 - t0).count();
        drawing += std::chrono::duration<double, std::milli>(t2 - t1).count();
    }
    // Milliseconds a frame: the event (the plug-in's drag, snap search included) and the drawing.
    state.counters["event_ms"] = handling / std::max(1, step);
    state.counters["draw_ms"] = drawing / std::max(1, step);
    state.counters["renders"] = TheGui().docRenders;
    cairo_surface_destroy(screen);
    GuiPutButton(canvas, GDK_BUTTON_RELEASE, 500, 400, GDK_BUTTON1_MASK);
    Pump();
    GuiClose();
    TheHost().plugins.clear();
}

// The same drag without the window: the mouse event to the tool alone, as
// `drag X Y` sends it (what the plug-in takes of each frame).
void ToolOnly(benchmark::State& state) {
    std::string error;
    if (!OpenWithDocument(static_cast<int>(state.range(0)), &error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    ToolboxSelect(ToolboxFind("Outil Zivo & Voraved"));
    std::string why;
    EventsDown({500, 500}, &why);
    int step = 0;
    for (auto _ : state) {
        ++step;
        EventsDrag({500.0f + step % 97, 500.0f + step % 61}, &why);
    }
    EventsUp({500, 500}, &why);
    GuiClose();
    TheHost().plugins.clear();
}
BENCHMARK(ToolOnly)->Arg(100000)->Unit(benchmark::kMillisecond);

void Cached(benchmark::State& state) { Drag(state, true); }
void FullRender(benchmark::State& state) { Drag(state, false); }
BENCHMARK(Cached)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(FullRender)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
