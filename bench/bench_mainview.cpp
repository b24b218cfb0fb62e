// The main view's paint of a large template (bounds, the white fill of the canvas the view keeps,
// the decorated render) beside a memset of the same canvas, and of a freshly allocated one. The paint
// shares its bands among the processor's cores, so paints and memsets are compared by the wall clock.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "bench/LargeTemplate.h"
#include "bench/RatioReporter.h"
#include "editor/document/DocumentClass.h"
#include "editor/render/DibCanvas.h"
#include "editor/render/TemplateRender.h"
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

// Every paint composes every pixel again, on the canvas the view keeps between paints. The first
// paint, which makes that canvas, is left out of the timing: it would charge a fresh allocation
// (and its page faults) to every repetition.
void BM_PaintMainView(benchmark::State& state) {
    DibCanvas canvas;
    TemplateBounds first;
    if (!ComposeMainView(canvas, first)) state.SkipWithError("nothing composed");
    for (auto _ : state) {
        TemplateBounds bounds;
        if (!ComposeMainView(canvas, bounds)) state.SkipWithError("nothing composed");
        benchmark::DoNotOptimize(canvas.Bits());
        benchmark::ClobberMemory();
    }
}

constexpr int kClientWidth = 1920, kClientHeight = 1080;

// The composed canvas stretched (nearest pixel) into a full-HD client, placed as the view places it:
// a stand-in for the system's blit, which does this part of a paint at a zoom other than 1.
void StretchIntoClient(const DibCanvas& canvas, double zoom, std::vector<uint32_t>& client) {
    const ViewOffset offset = ImageOffset(kClientWidth, kClientHeight, canvas.Width(), canvas.Height(), zoom);
    std::vector<int> columns(kClientWidth, -1);
    for (int x = 0; x < kClientWidth; ++x) {
        const double sx = (x - offset.x) / zoom;
        if (sx >= 0 && sx < canvas.Width()) columns[static_cast<size_t>(x)] = static_cast<int>(sx);
    }
    for (int y = 0; y < kClientHeight; ++y) {
        const double sy = (y - offset.y) / zoom;
        if (sy < 0 || sy >= canvas.Height()) continue;
        const uint32_t* from = canvas.Bits() + static_cast<size_t>(canvas.Height() - 1 - static_cast<int>(sy)) *
                                                   static_cast<size_t>(canvas.Width());
        uint32_t* to = client.data() + static_cast<size_t>(y) * kClientWidth;
        for (int x = 0; x < kClientWidth; ++x)
            if (columns[static_cast<size_t>(x)] >= 0) to[x] = from[columns[static_cast<size_t>(x)]];
    }
}

// A paint at a zoom: the composition (the same at every zoom) and the stretch.
void PaintZoomed(benchmark::State& state, double zoom) {
    DibCanvas canvas;
    std::vector<uint32_t> client(static_cast<size_t>(kClientWidth) * kClientHeight);
    TemplateBounds first;
    if (!ComposeMainView(canvas, first)) state.SkipWithError("nothing composed");
    for (auto _ : state) {
        TemplateBounds bounds;
        if (!ComposeMainView(canvas, bounds)) state.SkipWithError("nothing composed");
        StretchIntoClient(canvas, zoom, client);
        benchmark::DoNotOptimize(client.data());
        benchmark::ClobberMemory();
    }
}

// The same composition drawn by the calling thread alone (for comparison).
void BM_PaintMainViewOneWorker(benchmark::State& state) {
    DibCanvas canvas;
    TemplateBounds bounds;
    if (!ComposeMainView(canvas, bounds)) state.SkipWithError("nothing composed");
    const TemplateDocument& doc = Doc();
    Banding oneWorker{0xFFFFFF};
    oneWorker.workers = 1;
    for (auto _ : state) {
        ComputeTemplateBounds(bounds);
        ComposeTemplate(TileSet{doc.tiles, doc.cellW, doc.cellH, *doc.palette}, doc.selected, RenderStyle{},
                        canvas, 0, 0, true, oneWorker);
        benchmark::DoNotOptimize(canvas.Bits());
        benchmark::ClobberMemory();
    }
}

void BM_PaintMainViewAt200(benchmark::State& state) { PaintZoomed(state, 2.0); }
// Below the view's least zoom, for how a shrinking stretch compares.
void BM_PaintMainViewAt50(benchmark::State& state) { PaintZoomed(state, 0.5); }

size_t CanvasPixels() {
    TemplateBounds bounds;
    ComputeTemplateBounds(bounds);
    return static_cast<size_t>(bounds.Width() * bounds.Height());
}

// For comparison: a memset of a freshly allocated buffer of the canvas's size, as a paint that made
// its canvas anew would pay for.
void BM_MemsetFreshCanvas(benchmark::State& state) {
    const size_t pixels = CanvasPixels();
    for (auto _ : state) {
        std::unique_ptr<uint32_t[]> canvas(new uint32_t[pixels]);
        std::memset(canvas.get(), 0xFF, pixels * sizeof(uint32_t));
        benchmark::DoNotOptimize(canvas.get());
        benchmark::ClobberMemory();
    }
}

// The physical baseline: a memset of the same canvas, its memory already mapped.
void BM_MemsetWarmCanvas(benchmark::State& state) {
    std::vector<uint32_t> canvas(CanvasPixels());
    for (auto _ : state) {
        std::memset(canvas.data(), 0xFF, canvas.size() * sizeof(uint32_t));
        benchmark::DoNotOptimize(canvas.data());
        benchmark::ClobberMemory();
    }
}

// For comparison: the same memset shared by two threads, each filling half the canvas, as the
// paint shares its bands.
void BM_MemsetWarmCanvasTwoThreads(benchmark::State& state) {
    std::vector<uint32_t> canvas(CanvasPixels());
    const size_t half = canvas.size() / 2;
    for (auto _ : state) {
        std::thread other(
            [&] { std::memset(canvas.data() + half, 0xFF, (canvas.size() - half) * sizeof(uint32_t)); });
        std::memset(canvas.data(), 0xFF, half * sizeof(uint32_t));
        other.join();
        benchmark::DoNotOptimize(canvas.data());
        benchmark::ClobberMemory();
    }
}

BENCHMARK(BM_PaintMainView)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PaintMainViewOneWorker)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PaintMainViewAt200)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PaintMainViewAt50)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MemsetFreshCanvas)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MemsetWarmCanvas)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MemsetWarmCanvasTwoThreads)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    OpenLargeTemplate();
    RatioReporter reporter;
    RunRepeated(argc, argv, reporter);
    TemplateBounds bounds;
    ComputeTemplateBounds(bounds);
    std::printf("main view paint of %lld x %lld pixels\n", static_cast<long long>(bounds.Width()),
                static_cast<long long>(bounds.Height()));
    const std::map<std::string, std::vector<double>>& wall = reporter.wallTimes;
    const std::vector<double>& warmMemset = wall.at("BM_MemsetWarmCanvas");
    const Spread warm = RatioSpread(wall.at("BM_PaintMainView"), warmMemset);
    const Spread fresh = RatioSpread(wall.at("BM_PaintMainView"), wall.at("BM_MemsetFreshCanvas"));
    const Spread oneWorker = RatioSpread(wall.at("BM_PaintMainViewOneWorker"), warmMemset);
    PrintSpread("main view paint against a memset of the same canvas", warm, "x");
    PrintSpread("main view paint against a memset of a freshly allocated canvas (for comparison)", fresh, "x");
    PrintSpread("main view paint by one thread against a memset of the same canvas (for comparison)",
                oneWorker, "x");
    PrintSpread("main view paint against a memset of the same canvas by two threads (for comparison)",
                RatioSpread(wall.at("BM_PaintMainView"), wall.at("BM_MemsetWarmCanvasTwoThreads")), "x");
    for (const char* zoom : {"200", "50"}) {
        const Spread zoomed = RatioSpread(wall.at(std::string("BM_PaintMainViewAt") + zoom), warmMemset);
        const std::string what = std::string("main view paint at ") + zoom +
                                 " % into a 1920 x 1080 client against a memset of the same canvas";
        PrintSpread(what.c_str(), zoomed, "x");
    }
    Verdict("main view paint", warm.median, "x", warm.median <= 4.0, "at most 4x a memset of the same canvas");
    return 0;
}
