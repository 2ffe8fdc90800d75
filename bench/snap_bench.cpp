// The snap search runs on every cursor-tracking and drag message. These
// measure it on documents of 1 000, 10 000 and 100 000 path pieces (a mix
// of polylines, closed shapes, free curves and circles spread over a
// page), at random cursors: the search alone, in-process against
// drawhost's document, and one whole tracking message through the real
// module's PluginMain. Each reports the median and the 99th percentile of
// the processor time of the calling thread per call in microseconds (the
// machine is shared: wall time would count the waits for a core).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <random>
#include <vector>

#include "app/app_state.h"
#include "app/prefs.h"
#include "app/toolbox.h"
#include "document/document.h"
#include "frame/host.h"
#include "frame/loader.h"
#include "frame/script.h"
#include "frame/session.h"
#include "geometry/circle_paths.h"
#include "host/suites.h"
#include "plugin/globals.h"
#include "plugin/suite_table.h"
#include "snap/snap_search.h"

namespace {

using namespace drawhost;

constexpr float kPageWidth = 612, kPageHeight = 792;

PathSegment Corner(RealPoint p) { return PathSegment{p, p, p, 1}; }

ArtHandle Lay(const std::vector<PathSegment>& segments, bool closed) {
    ArtHandle art = nullptr;
    const Layer* layer = DocumentLayerById(TheDocument().currentLayer);
    DocumentNewArt(kArtPath, kPlaceInsideOnTop, ArtHandleOf(layer->group), &art);
    qzv::sPath->SetPathSegmentCount(art, static_cast<int32_t>(segments.size()));
    qzv::sPath->SetPathSegments(art, 0, static_cast<int32_t>(segments.size()), segments.data());
    qzv::sPath->SetPathClosed(art, closed);
    return art;
}

// Pieces of a path: one per pair of neighbouring anchors, plus the closing one.
long Pieces(size_t anchors, bool closed) { return static_cast<long>(anchors) - 1 + (closed ? 1 : 0); }

// A document of about `pieces` pieces: polylines of 2 to 6 anchors (a third
// of them closed), free curves of 2 to 4 anchors and circles of 4 arcs.
void BuildDocument(long pieces, uint32_t seed) {
    DocumentReset();
    std::mt19937 rng(seed);
    std::uniform_real_distribution<float> h(0, kPageWidth), v(0, kPageHeight), step(-60, 60), unit(0, 1);
    long laid = 0;
    std::vector<PathSegment> segs;
    while (laid < pieces) {
        segs.clear();
        const RealPoint base{h(rng), v(rng)};
        const int kind = static_cast<int>(rng() % 10);
        bool closed = false;
        if (kind < 5) {
            const int n = 2 + static_cast<int>(rng() % 5);
            closed = n > 2 && rng() % 3 == 0;
            RealPoint p = base;
            for (int k = 0; k < n; ++k, p = RealPoint{p.h + step(rng), p.v + step(rng)}) segs.push_back(Corner(p));
        } else if (kind < 8) {
            const int n = 2 + static_cast<int>(rng() % 3);
            RealPoint p = base;
            for (int k = 0; k < n; ++k, p = RealPoint{p.h + step(rng), p.v + step(rng)})
                segs.push_back(PathSegment{p, {p.h + step(rng) / 2, p.v + step(rng) / 2},
                                           {p.h + step(rng) / 2, p.v + step(rng) / 2}, 0});
        } else {
            const qzv::ShapePath placed = qzv::PlacedPath(qzv::BuildCircle(3 + unit(rng) * 60, base, 0));
            segs.assign(placed.seg, placed.seg + placed.count);
            closed = true;
        }
        Lay(segs, closed);
        laid += Pieces(segs.size(), closed);
    }
}

std::vector<RealPoint> Cursors(size_t count, uint32_t seed, bool besideThePage = false) {
    std::mt19937 rng(seed);
    const float left = besideThePage ? kPageWidth + 150 : 0;
    std::uniform_real_distribution<float> h(left, left + kPageWidth), v(0, kPageHeight);
    std::vector<RealPoint> out(count);
    for (RealPoint& p : out) p = RealPoint{h(rng), v(rng)};
    return out;
}

// One drawhost with the real plug-in started and the circle tool selected,
// and the plug-in's code linked here bound to the same host.
struct Host {
    qzv::Globals globals{};
    PluginRef plugin = nullptr;
    long pieces = -1;

    Host() {
        HostReset();
        PrefsSetPath("");
        TheHost().pluginsDir = QZV_PLUGINS_DIR;
        SessionStart();
        ScriptRunner("bench", {"tool \"Outil Zivo & Voraved\""}).RunAll();
        for (const qzv::SuiteEntry& e : qzv::kSuiteTable) *e.destination = HostFindSuite(e.name, e.version);
        globals.settings.general.Tolerance = 8;
        globals.currentTool = qzv::kToolCircle;
        qzv::gGlobals = &globals;
        plugin = RefOf(HostFindPlugin("Orbiquad"));
    }
    void Document(long n) {
        if (n == pieces) return;
        BuildDocument(n, 1000u + static_cast<uint32_t>(n));
        pieces = n;
    }
};

Host& TheBenchHost() {
    static Host host;
    return host;
}

double ThreadMicros() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e6 + static_cast<double>(t.tv_nsec) / 1e3;
}

// Times `call` once per iteration and reports the median and the 99th
// percentile besides the mean that the library reports.
template <typename Call>
void Timed(benchmark::State& state, Call call) {
    std::vector<double> micros;
    micros.reserve(static_cast<size_t>(state.max_iterations));
    size_t i = 0;
    for (auto _ : state) {
        const double start = ThreadMicros();
        call(i++);
        micros.push_back(ThreadMicros() - start);
    }
    std::sort(micros.begin(), micros.end());
    state.counters["median_us"] = micros[micros.size() / 2];
    state.counters["p99_us"] = micros[std::min(micros.size() - 1, micros.size() * 99 / 100)];
}

void SnapSearch(benchmark::State& state) {
    Host& host = TheBenchHost();
    host.Document(state.range(0));
    const std::vector<RealPoint> cursors = Cursors(4096, 7);
    ToolMessage message{};
    message.d.plugin = host.plugin;
    Timed(state, [&](size_t i) {
        message.cursor = cursors[i % cursors.size()];
        qzv::SearchSnapTargets(&message);
        benchmark::DoNotOptimize(host.globals.snap);
    });
}

void SnapSearchFindingNothing(benchmark::State& state) {
    Host& host = TheBenchHost();
    host.Document(state.range(0));
    const std::vector<RealPoint> cursors = Cursors(4096, 7, true);
    ToolMessage message{};
    message.d.plugin = host.plugin;
    Timed(state, [&](size_t i) {
        message.cursor = cursors[i % cursors.size()];
        qzv::SearchSnapTargets(&message);
        benchmark::DoNotOptimize(host.globals.snap);
    });
}

void TrackingMessage(benchmark::State& state) {
    Host& host = TheBenchHost();
    host.Document(state.range(0));
    const std::vector<RealPoint> cursors = Cursors(4096, 7);
    AppState& app = TheApp();
    Timed(state, [&](size_t i) {
        app.cursor = cursors[i % cursors.size()];
        HostErr err = 0;
        ToolboxSend(app.selectedTool, kSelTrackCursor, &err);
        benchmark::DoNotOptimize(err);
        // The host's log of cursor changes grows without bound otherwise.
        if (TheHost().log.size() > 100000) TheHost().log.clear();
    });
}

// Enough calls for a 99th percentile, fewer on the largest document.
#define SIZES(name)                                                                          \
    BENCHMARK(name)->Arg(1000)->Iterations(2000)->Unit(benchmark::kMicrosecond);             \
    BENCHMARK(name)->Arg(10000)->Iterations(500)->Unit(benchmark::kMicrosecond);             \
    BENCHMARK(name)->Arg(100000)->Iterations(100)->Unit(benchmark::kMicrosecond)

}  // namespace

SIZES(SnapSearch);
SIZES(SnapSearchFindingNothing);
SIZES(TrackingMessage);
