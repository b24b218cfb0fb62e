// The main view's paint of a large template (bounds, canvas, white fill, the decorated render)
// beside a memset of a canvas of the same size, freshly allocated as each paint's canvas is.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "bench/LargeTemplate.h"
#include "editor/document/DocumentClass.h"
#include "editor/views/DibCanvas.h"
#include "editor/views/TemplateRender.h"
#include "editor/views/ViewGeometry.h"

using namespace zelt;

namespace {

constexpr int kRepetitions = 7;

void OpenLargeTemplate() {
    TemplateDocument& doc = Doc();
    doc = TemplateDocument{};
    doc.tiles = LargeTemplate();
    doc.open = true;
    doc.cellW = 60;
    doc.cellH = 30;
    PaletteTable palette{};
    for (size_t i = 0; i < palette.size(); ++i) palette[i] = static_cast<uint32_t>(i * 0x010203u) & 0xFFFFFFu;
    doc.palette = palette;
    doc.selected = 5050;
}

void BM_PaintMainView(benchmark::State& state) {
    for (auto _ : state) {
        DibCanvas canvas;
        TemplateBounds bounds;
        if (!ComposeMainView(canvas, bounds)) state.SkipWithError("nothing composed");
        benchmark::DoNotOptimize(canvas.Bits());
        benchmark::ClobberMemory();
    }
}

size_t CanvasPixels() {
    TemplateBounds bounds;
    ComputeTemplateBounds(bounds);
    return static_cast<size_t>(bounds.Width() * bounds.Height());
}

// The physical baseline: a paint must make its canvas afresh, so a memset of a freshly allocated
// buffer of the canvas's size, as a DIB section would be.
void BM_MemsetFreshCanvas(benchmark::State& state) {
    const size_t pixels = CanvasPixels();
    for (auto _ : state) {
        std::unique_ptr<uint32_t[]> canvas(new uint32_t[pixels]);
        std::memset(canvas.get(), 0xFF, pixels * sizeof(uint32_t));
        benchmark::DoNotOptimize(canvas.get());
        benchmark::ClobberMemory();
    }
}

// For comparison: the same memset over memory that is already mapped.
void BM_MemsetWarmCanvas(benchmark::State& state) {
    std::vector<uint32_t> canvas(CanvasPixels());
    for (auto _ : state) {
        std::memset(canvas.data(), 0xFF, canvas.size() * sizeof(uint32_t));
        benchmark::DoNotOptimize(canvas.data());
        benchmark::ClobberMemory();
    }
}

BENCHMARK(BM_PaintMainView)->Unit(benchmark::kMillisecond)->Repetitions(kRepetitions);
BENCHMARK(BM_MemsetFreshCanvas)->Unit(benchmark::kMillisecond)->Repetitions(kRepetitions);
BENCHMARK(BM_MemsetWarmCanvas)->Unit(benchmark::kMillisecond)->Repetitions(kRepetitions);

// Keeps every repetition's time per iteration, by benchmark name.
class RepetitionReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, std::vector<double>> times;
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration)
                times[run.run_name.function_name].push_back(run.GetAdjustedRealTime());
        ConsoleReporter::ReportRuns(runs);
    }
};

// Repetition i of a over repetition i of b, sorted.
std::vector<double> Ratios(const std::vector<double>& a, const std::vector<double>& b) {
    std::vector<double> ratios;
    for (size_t i = 0; i < std::min(a.size(), b.size()); ++i) ratios.push_back(a[i] / b[i]);
    std::sort(ratios.begin(), ratios.end());
    return ratios;
}

}  // namespace

int main(int argc, char** argv) {
    OpenLargeTemplate();
    benchmark::Initialize(&argc, argv);
    RepetitionReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    TemplateBounds bounds;
    ComputeTemplateBounds(bounds);
    std::printf("main view paint of %lld x %lld pixels:\n", static_cast<long long>(bounds.Width()),
                static_cast<long long>(bounds.Height()));
    const std::vector<double>& paint = reporter.times["BM_PaintMainView"];
    const std::vector<double> fresh = Ratios(paint, reporter.times["BM_MemsetFreshCanvas"]);
    const std::vector<double> warm = Ratios(paint, reporter.times["BM_MemsetWarmCanvas"]);
    if (fresh.empty() || warm.empty()) return 1;
    std::printf("  vs a memset of a fresh canvas: median %.2fx, min %.2fx, max %.2fx (target: at most 8x)\n",
                fresh[fresh.size() / 2], fresh.front(), fresh.back());
    std::printf("  vs a memset of a mapped canvas: median %.2fx, min %.2fx, max %.2fx (for comparison)\n",
                warm[warm.size() / 2], warm.front(), warm.back());
    std::printf("%s main view paint\n", fresh[fresh.size() / 2] <= 8.0 ? "PASS" : "MISS");
    return 0;
}
