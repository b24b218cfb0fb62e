// The main view's paint of a large template (bounds, canvas, white fill, the decorated render)
// beside a memset of a canvas of the same size, freshly allocated as each paint's canvas is.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "bench/LargeTemplate.h"
#include "bench/RatioReporter.h"
#include "editor/document/DocumentClass.h"
#include "editor/views/DibCanvas.h"
#include "editor/views/TemplateRender.h"
#include "editor/views/ViewGeometry.h"

using namespace zelt;

namespace {

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

BENCHMARK(BM_PaintMainView)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemsetFreshCanvas)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemsetWarmCanvas)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    OpenLargeTemplate();
    RatioReporter reporter;
    RunRepeated(argc, argv, reporter);
    TemplateBounds bounds;
    ComputeTemplateBounds(bounds);
    std::printf("main view paint of %lld x %lld pixels\n", static_cast<long long>(bounds.Width()),
                static_cast<long long>(bounds.Height()));
    const std::vector<double>& paint = reporter.times["BM_PaintMainView"];
    const Spread fresh = RatioSpread(paint, reporter.times["BM_MemsetFreshCanvas"]);
    const Spread warm = RatioSpread(paint, reporter.times["BM_MemsetWarmCanvas"]);
    PrintSpread("main view paint against a memset of a fresh canvas", fresh, "x");
    PrintSpread("main view paint against a memset of a mapped canvas (for comparison)", warm, "x");
    Verdict("main view paint", fresh.median, "x", fresh.median <= 8.0, "at most 8x a memset of a fresh canvas");
    return 0;
}
