// The shape builders run on every mouse drag and every keystroke in the
// palette; these measure one rebuild each.
#include <benchmark/benchmark.h>

#include "circle_paths.h"
#include "constructions.h"
#include "marks.h"
#include "rect_paths.h"
#include "rect_tool_shape.h"

using namespace qzv;

static void CircleOrArc(benchmark::State& state) {
    CircleOrArcInput in{};
    in.centre = {120, 80};
    in.radius = 35;
    in.startAngle = 0.2f;
    in.sector = true;
    float sweep = 0.1f;
    for (auto _ : state) {
        in.sweep = sweep;
        sweep = sweep > 6.0f ? 0.1f : sweep + 0.37f;
        benchmark::DoNotOptimize(BuildCircleOrArc(in));
    }
}
BENCHMARK(CircleOrArc);

static void CentreCrossAndTick(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(BuildCentreCross({10, 20}, 8.5f, 0.4f));
        benchmark::DoNotOptimize(BuildTangencyTick({10, 20}, {0, 0}, {30, 5}, 8.5f));
    }
}
BENCHMARK(CentreCrossAndTick);

static void CircularRoundedRectangle(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            BuildRoundedRectangle(120, 80, 12, false, 0.3f, {5, 5}, kRoundingCircular, nullptr));
    }
}
BENCHMARK(CircularRoundedRectangle);

// The largest path: 20 profile points on each of the 4 corners.
static void ProfiledRectangle(benchmark::State& state) {
    RoundingProfile profile = DefaultRoundingProfile();
    profile.count = 20;
    for (int i = 0; i < 20; ++i) {
        profile.x[i] = profile.inX[i] = profile.outX[i] = 12.0f - 0.6f * i;
        profile.y[i] = profile.inY[i] = profile.outY[i] = 0.6f * i;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            BuildRoundedRectangle(120, 80, 12, false, 0.3f, {5, 5}, kRoundingProfile, &profile));
    }
}
BENCHMARK(ProfiledRectangle);

static void RectToolDispatch(benchmark::State& state) {
    RectToolInput in{};
    in.mode = kRectModeRounded;
    in.anchor = {5, 5};
    in.length = 120;
    in.width = -80;
    in.rounding = 12;
    for (auto _ : state) {
        benchmark::DoNotOptimize(BuildRectToolShape(in));
    }
}
BENCHMARK(RectToolDispatch);

static void TangentsOfTwoCircles(benchmark::State& state) {
    bool crossed = false;
    for (auto _ : state) {
        crossed = !crossed;
        benchmark::DoNotOptimize(CommonTangentPoints({0, 0}, 3, {20, 7}, 2, crossed, {10, 30}));
    }
}
BENCHMARK(TangentsOfTwoCircles);
