// The snap search runs on every cursor move and every drag step. These
// measure it on documents of 1 000, 10 000 and 100 000 curve pieces (lines,
// curves and circles spread over a page), alone and inside a whole
// tracking message sent to the real plug-in module through drawhost, and
// report the median and the 99th percentile per call.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <random>
#include <vector>

#include "app/app_state.h"
#include "app/prefs.h"
#include "app/toolbox.h"
#include "document/document.h"
#include "frame/host.h"
#include "frame/session.h"
#include "geometry/circle_paths.h"
#include "host/suites.h"
#include "plugin/globals.h"
#include "plugin/suite_table.h"
#include "snap/snap_search.h"

namespace {

using namespace drawhost;
using Clock = std::chrono::steady_clock;

PathSegment Corner(RealPoint p) { return PathSegment{p, p, p, 1}; }

// The side of a page holding `pieces` curve pieces at the density of a
// busy drawing: a larger document is a larger drawing, not a denser one.
float PageSide(int pieces) { return 2000.0f * std::sqrt(pieces / 1000.0f); }

// A page of art with about `pieces` curve pieces: a third straight
// polylines, a third free curves, a third circles.
void BuildDocument(int pieces, std::mt19937& rng) {
    DocumentReset();
    std::uniform_real_distribution<float> page(0, PageSide(pieces)), step(-30, 30), unit(0, 1);
    const ArtHandle group = ArtHandleOf(DocumentCurrentLayer()->group);
    int made = 0;
    for (int i = 0; made < pieces; ++i) {
        std::vector<PathSegment> segs;
        bool closed = false;
        const RealPoint base{page(rng), page(rng)};
        switch (i % 3) {
            case 0: {
                RealPoint p = base;
                for (int k = 0; k < 4; ++k, p = RealPoint{p.h + step(rng), p.v + step(rng)}) segs.push_back(Corner(p));
                made += 3;
                break;
            }
            case 1:
                for (int k = 0; k < 4; ++k) {
                    const RealPoint p{base.h + step(rng), base.v + step(rng)};
                    segs.push_back(PathSegment{p, {p.h + step(rng), p.v + step(rng)}, {p.h + step(rng), p.v + step(rng)}, 0});
                }
                made += 3;
                break;
            default: {
                const qzv::ShapePath c = qzv::PlacedPath(qzv::BuildCircle(5 + unit(rng) * 40, base, 0));
                segs.assign(c.seg, c.seg + c.count);
                closed = true;
                made += 4;
            }
        }
        ArtHandle art = nullptr;
        DocumentNewArt(kArtPath, kPlaceInsideOnTop, group, &art);
        Art* a = DocumentFindArt(art);
        a->segments = segs;
        a->closed = closed;
    }
}

void Report(benchmark::State& state, std::vector<double>& micros) {
    std::sort(micros.begin(), micros.end());
    if (micros.empty()) return;
    state.counters["median_us"] = micros[micros.size() / 2];
    state.counters["p99_us"] = micros[std::min(micros.size() - 1, micros.size() * 99 / 100)];
}

void SnapSearch(benchmark::State& state) {
    HostReset();
    PrefsSetPath("");
    TheHost().pluginsDir = QZV_PLUGINS_DIR;
    SessionStart();
    std::mt19937 rng(1);
    BuildDocument(static_cast<int>(state.range(0)), rng);
    for (const qzv::SuiteEntry& e : qzv::kSuiteTable) *e.destination = HostFindSuite(e.name, e.version);
    static qzv::Globals globals;
    globals = qzv::Globals{};
    globals.settings.general.Tolerance = 8;
    globals.currentTool = qzv::kToolCircle;
    qzv::gGlobals = &globals;
    ToolMessage message{};
    message.d.plugin = RefOf(TheHost().plugins.front().get());
    std::uniform_real_distribution<float> page(0, PageSide(static_cast<int>(state.range(0))));
    std::vector<double> micros;
    for (auto _ : state) {
        message.cursor = RealPoint{page(rng), page(rng)};
        const auto start = Clock::now();
        qzv::SearchSnapTargets(&message);
        micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    Report(state, micros);
    qzv::gGlobals = nullptr;
    SessionQuit();
}

void TrackingMessage(benchmark::State& state) {
    HostReset();
    PrefsSetPath("");
    TheHost().pluginsDir = QZV_PLUGINS_DIR;
    SessionStart();
    std::mt19937 rng(2);
    BuildDocument(static_cast<int>(state.range(0)), rng);
    const int tool = ToolboxFind("Outil Zivo & Voraved");
    ToolboxSelect(tool);
    std::uniform_real_distribution<float> page(0, PageSide(static_cast<int>(state.range(0))));
    std::vector<double> micros;
    for (auto _ : state) {
        TheApp().cursor = RealPoint{page(rng), page(rng)};
        HostErr err = 0;
        const auto start = Clock::now();
        ToolboxSend(tool, kSelTrackCursor, &err);
        micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    Report(state, micros);
    SessionQuit();
}

}  // namespace

BENCHMARK(SnapSearch)->Arg(1000)->Arg(10000)->Arg(100000)->MinTime(2.0)->Unit(benchmark::kMicrosecond);
BENCHMARK(TrackingMessage)->Arg(1000)->Arg(10000)->Arg(100000)->MinTime(2.0)->Unit(benchmark::kMicrosecond);
