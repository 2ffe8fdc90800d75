// What a session writes when it ends, for a large document: 25 000 and
// 100 000 unnamed paths (each needs an id of its own in the SVG) in one
// layer; the two sizes show whether the time grows in proportion. The SVG, the
// JSON dump and the PNG are produced in memory; no file is written.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "document/document_output.h"
#include "frame/host.h"
#include "frame/script.h"
#include "util/json_writer.h"

namespace {

using namespace drawhost;

// A fresh host with the document made by script lines, as a session makes it.
void MakeDocument(int paths) {
    HostReset();
    std::vector<std::string> lines;
    lines.reserve(paths);
    for (int i = 0; i < paths; ++i) {
        int x = (i * 7) % 800, y = (i * 13) % 600;
        lines.push_back("path " + std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(x + 20) + " " +
                        std::to_string(y + 10));
    }
    ScriptRunner runner("bench", std::move(lines));
    if (!runner.RunAll()) throw std::runtime_error(runner.Error());
}

void Svg(benchmark::State& state) {
    MakeDocument(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(DocumentToSvg());
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(Svg)->Arg(25000)->Arg(100000)->Unit(benchmark::kMillisecond);

void Dump(benchmark::State& state) {
    MakeDocument(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        JsonWriter json;
        HostWriteDump(json);
        benchmark::DoNotOptimize(json.Text());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(Dump)->Arg(25000)->Arg(100000)->Unit(benchmark::kMillisecond);

void Png(benchmark::State& state) {
    MakeDocument(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::string bytes, error;
        if (!DocumentToPng(&bytes, &error)) state.SkipWithError(error.c_str());
        benchmark::DoNotOptimize(bytes);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(Png)->Arg(25000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
