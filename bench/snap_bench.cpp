// The snap search runs on every cursor-tracking and drag message. This
// times one whole tracking message through the real module's PluginMain
// (the snap search, the preview and the annotations' invalidation, every
// host call included) on two kinds of document of 10 000, 100 000 and
// 1 000 000 segments, side by side for the two ways the module searches:
//
//   literal   the host withdraws its record of document changes, so the
//             module reads every path from the host on every message;
//   indexed   the module keeps its index of the document's paths and
//             passes over those out of the cursor's reach.
//
// Documents: "icons", the Tango icon theme's SVG drawings (a Debian
// package, installed by scripts/install-deps.sh) opened by drawhost's SVG
// reader and repeated on a grid; "random", polylines, free curves and
// circles spread over a page. Cursors are random over the art.
//
// Each run reports the median and the 99th percentile of the processor time
// of the calling thread per message in microseconds (the machine is shared:
// wall time would count the waits for a core), then a table of both
// searches with the literal/indexed ratio.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/prefs.h"
#include "app/toolbox.h"
#include "document/document.h"
#include "document/svg_reader.h"
#include "frame/host.h"
#include "frame/loader.h"
#include "frame/script.h"
#include "frame/session.h"
#include "geometry/circle_paths.h"
#include "host/suites.h"
#include "plugin/suite_table.h"

namespace {

using namespace drawhost;
namespace fs = std::filesystem;

constexpr const char* kIconFolder = "/usr/share/icons/Tango/scalable";
constexpr long kSizes[] = {10000, 100000, 1000000};

struct Shape {
    std::vector<PathSegment> segments;
    bool closed = false;
};

// A square of art: the shapes and where they spread.
struct Drawing {
    float left = 0, bottom = 0, right = 0, top = 0;
};

PathSegment Corner(RealPoint p) { return PathSegment{p, p, p, 1}; }

PathSegment Moved(PathSegment s, float dh, float dv) {
    for (RealPoint* q : {&s.p, &s.in, &s.out}) *q = RealPoint{q->h + dh, q->v + dv};
    return s;
}

void Lay(const std::vector<PathSegment>& segments, bool closed) {
    ArtHandle art = nullptr;
    const Layer* layer = DocumentLayerById(TheDocument().currentLayer);
    DocumentNewArt(kArtPath, kPlaceInsideOnTop, ArtHandleOf(layer->group), &art);
    qzv::sPath->SetPathSegmentCount(art, static_cast<int32_t>(segments.size()));
    qzv::sPath->SetPathSegments(art, 0, static_cast<int32_t>(segments.size()), segments.data());
    qzv::sPath->SetPathClosed(art, closed);
}

// Every visible path of every icon of the theme, each icon's art moved so
// that its lower left corner is the origin; the icons' width in `*extent`.
std::vector<std::vector<Shape>> ReadIcons(float* extent) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(kIconFolder))
        if (entry.path().extension() == ".svg") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    std::vector<std::vector<Shape>> icons;
    *extent = 0;
    for (const fs::path& file : files) {
        SvgOpenReport report;
        std::string error;
        if (!DocumentOpenSvg(file.string(), &report, &error)) continue;
        std::vector<Shape> icon;
        float left = INFINITY, bottom = INFINITY, right = -INFINITY, top = -INFINITY;
        for (const Art* art : DocumentPathsInPaintOrder()) {
            const Layer* layer = DocumentLayerOfArt(*art);
            if (art->segments.empty() || (layer && !layer->visible) || (art->userAttr & kArtHidden)) continue;
            icon.push_back(Shape{art->segments, art->closed});
            for (const PathSegment& s : art->segments) {
                left = std::fmin(left, s.p.h), right = std::fmax(right, s.p.h);
                bottom = std::fmin(bottom, s.p.v), top = std::fmax(top, s.p.v);
            }
        }
        if (icon.empty() || !(right - left < 1000 && top - bottom < 1000)) continue;
        for (Shape& shape : icon)
            for (PathSegment& s : shape.segments) s = Moved(s, -left, -bottom);
        *extent = std::fmax(*extent, std::fmax(right - left, top - bottom));
        icons.push_back(std::move(icon));
    }
    return icons;
}

// The icons one after another on a square grid until `segments` are laid.
Drawing LayIcons(long segments) {
    static float extent = 0;
    static const std::vector<std::vector<Shape>> icons = ReadIcons(&extent);
    DocumentReset();
    if (icons.empty()) return {};
    long perIcon = 0;
    for (const auto& icon : icons)
        for (const Shape& s : icon) perIcon += static_cast<long>(s.segments.size());
    perIcon /= static_cast<long>(icons.size());
    const long columns = std::max(1L, static_cast<long>(std::ceil(std::sqrt(double(segments) / double(perIcon)))));
    const float pitch = extent + 4;
    long laid = 0, placed = 0;
    std::vector<PathSegment> moved;
    while (laid < segments) {
        const auto& icon = icons[static_cast<size_t>(placed) % icons.size()];
        const float dh = pitch * static_cast<float>(placed % columns), dv = pitch * static_cast<float>(placed / columns);
        for (const Shape& shape : icon) {
            moved.clear();
            for (const PathSegment& s : shape.segments) moved.push_back(Moved(s, dh, dv));
            Lay(moved, shape.closed);
            laid += static_cast<long>(moved.size());
        }
        ++placed;
    }
    const long rows = (placed + columns - 1) / columns;
    return Drawing{0, 0, pitch * static_cast<float>(std::min(placed, columns)), pitch * static_cast<float>(rows)};
}

// Polylines of 2 to 6 anchors (a third of them closed), free curves of 2 to
// 4 anchors and circles of 4 arcs, over a square that keeps the density of
// 100 000 segments on a letter page.
Drawing LayRandom(long segments) {
    DocumentReset();
    const float side = 700.0f * std::sqrt(static_cast<float>(segments) / 100000.0f);
    std::mt19937 rng(1000u + static_cast<uint32_t>(segments));
    std::uniform_real_distribution<float> place(0, side), step(-60, 60), unit(0, 1);
    long laid = 0;
    std::vector<PathSegment> segs;
    while (laid < segments) {
        segs.clear();
        const RealPoint base{place(rng), place(rng)};
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
        laid += static_cast<long>(segs.size());
    }
    return Drawing{0, 0, side, side};
}

// One drawhost with the real plug-in started and the circle tool selected;
// the document it holds is built once per kind and size.
struct Host {
    std::string document;
    long segments = -1;
    Drawing drawing;

    Host() {
        HostReset();
        PrefsSetPath("");
        TheHost().pluginsDir = QZV_PLUGINS_DIR;
        SessionStart();
        ScriptRunner("bench", {"tool \"Outil Zivo & Voraved\""}).RunAll();
        // The documents are laid through the host's own path suite.
        for (const qzv::SuiteEntry& e : qzv::kSuiteTable) *e.destination = HostFindSuite(e.name, e.version);
    }
    void Use(const std::string& kind, long n) {
        if (kind == document && n == segments) return;
        drawing = kind == "icons" ? LayIcons(n) : LayRandom(n);
        document = kind;
        segments = n;
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

struct Figures {
    double median = 0, p99 = 0;
    long iterations = 0;
};
// Keyed by document, size and search.
std::map<std::tuple<std::string, long, std::string>, Figures> gFigures;

void Tracking(benchmark::State& state, const std::string& kind, long n, bool indexed) {
    Host& host = TheBenchHost();
    host.Use(kind, n);
    HostSetSuiteAvailable(kDocumentChangesSuiteName, kDocumentChangesSuiteVersion, indexed);
    std::mt19937 rng(7);
    const Drawing& d = host.drawing;
    std::uniform_real_distribution<float> h(d.left, d.right), v(d.bottom, d.top);
    std::vector<RealPoint> cursors(4096);
    for (RealPoint& p : cursors) p = RealPoint{h(rng), v(rng)};
    AppState& app = TheApp();
    auto send = [&](RealPoint cursor) {
        app.cursor = cursor;
        HostErr err = 0;
        ToolboxSend(app.selectedTool, kSelTrackCursor, &err);
        benchmark::DoNotOptimize(err);
        // The host's log of cursor changes grows without bound otherwise.
        if (TheHost().log.size() > 100000) TheHost().log.clear();
    };
    // The first message after the document changed builds the index.
    send(cursors.back());
    std::vector<double> micros;
    micros.reserve(static_cast<size_t>(state.max_iterations));
    size_t i = 0;
    for (auto _ : state) {
        const double start = ThreadMicros();
        send(cursors[i++ % cursors.size()]);
        micros.push_back(ThreadMicros() - start);
    }
    HostSetSuiteAvailable(kDocumentChangesSuiteName, kDocumentChangesSuiteVersion, true);
    std::sort(micros.begin(), micros.end());
    Figures f{micros[micros.size() / 2], micros[std::min(micros.size() - 1, micros.size() * 99 / 100)],
              static_cast<long>(micros.size())};
    state.counters["median_us"] = f.median;
    state.counters["p99_us"] = f.p99;
    gFigures[{kind, n, indexed ? "indexed" : "literal"}] = f;
}

// Enough messages for a 99th percentile; the literal search on the largest
// documents takes long enough that fewer are taken (its p99 is then nearly
// its slowest message).
int64_t IterationsFor(long n, bool indexed) {
    if (indexed) return n >= 1000000 ? 1000 : 2000;
    return n >= 1000000 ? 20 : n >= 100000 ? 100 : 500;
}

void PrintTable() {
    std::printf("\n%-7s %9s | %12s %12s | %12s %12s | %9s %9s\n", "art", "segments", "literal med", "literal p99",
                "indexed med", "indexed p99", "ratio med", "ratio p99");
    for (const std::string kind : {"icons", "random"})
        for (long n : kSizes) {
            auto lit = gFigures.find({kind, n, "literal"}), idx = gFigures.find({kind, n, "indexed"});
            if (lit == gFigures.end() || idx == gFigures.end()) continue;
            const Figures& a = lit->second;
            const Figures& b = idx->second;
            std::printf("%-7s %9ld | %9.1f us %9.1f us | %9.1f us %9.1f us | %8.1fx %8.1fx\n", kind.c_str(), n,
                        a.median, a.p99, b.median, b.p99, a.median / b.median, a.p99 / b.p99);
        }
    std::printf("(processor time per tracking message; literal: %ld/%ld/%ld messages, indexed: %ld/%ld/%ld)\n",
                long{IterationsFor(10000, false)}, long{IterationsFor(100000, false)},
                long{IterationsFor(1000000, false)}, long{IterationsFor(10000, true)},
                long{IterationsFor(100000, true)}, long{IterationsFor(1000000, true)});
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    if (!fs::is_directory(kIconFolder)) {
        std::fprintf(stderr, "snap_bench: %s is missing (scripts/install-deps.sh installs tango-icon-theme)\n",
                     kIconFolder);
        return 1;
    }
    for (const std::string kind : {"icons", "random"})
        for (long n : kSizes)
            for (bool indexed : {false, true}) {
                const std::string name =
                    "Tracking/" + kind + "/" + std::to_string(n) + "/" + (indexed ? "indexed" : "literal");
                benchmark::RegisterBenchmark(name.c_str(),
                                             [kind, n, indexed](benchmark::State& s) { Tracking(s, kind, n, indexed); })
                    ->Iterations(IterationsFor(n, indexed))
                    ->Unit(benchmark::kMicrosecond);
            }
    benchmark::RunSpecifiedBenchmarks();
    PrintTable();
    benchmark::Shutdown();
    return 0;
}
