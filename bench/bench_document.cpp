// The editor's document on a large template: composing it onto its canvas beside a memset of that
// canvas (by the wall clock, as the composition shares its bands among the processor's cores), and
// recording an undo step.
#include <benchmark/benchmark.h>

#include "bench/LargeTemplate.h"
#include "bench/RatioReporter.h"

#include <cstdio>
#include <cstring>
#include <map>
#include <string>

#include "editor/document/DocumentClass.h"
#include "editor/render/DibCanvas.h"
#include "editor/render/TemplateRender.h"
#include "editor/template/TileLayout.h"

using namespace zelt;

namespace {

// The large template opened as the document, with a palette.
void OpenLargeTemplate() {
    TemplateDocument& doc = Doc();
    doc.tiles = LargeTemplate();
    doc.open = true;
    doc.cellW = 60;
    doc.cellH = 30;
    doc.gameKind = kRa2Yr;
    PaletteTable palette{};
    for (int i = 0; i < 256; ++i) palette[static_cast<size_t>(i)] = 0x010203u * static_cast<uint32_t>(i);
    doc.palette = palette;
    doc.selected = 0;
    ResetUndo();
}

struct Canvas6000 {
    DibCanvas canvas;
    Canvas6000() {
        TemplateBounds bounds;
        ComputeTemplateBounds(bounds);
        canvas.Create(static_cast<int>(bounds.Width()), static_cast<int>(bounds.Height()));
    }
};

Canvas6000& SharedCanvas() {
    static Canvas6000 shared;
    return shared;
}

// As every caller renders: onto white, the fill done band by band with the tiles.
void BM_RenderTemplate(benchmark::State& state) {
    DibCanvas& canvas = SharedCanvas().canvas;
    for (auto _ : state) {
        RenderTemplate(canvas, 0, 0, true, 0xFFFFFF);
        benchmark::ClobberMemory();
    }
}

// Onto white by the calling thread alone (for comparison).
void BM_RenderTemplateOneWorker(benchmark::State& state) {
    DibCanvas& canvas = SharedCanvas().canvas;
    const TemplateDocument& doc = Doc();
    Banding oneWorker{0xFFFFFF};
    oneWorker.workers = 1;
    for (auto _ : state) {
        ComposeTemplate(TileSet{doc.tiles, doc.cellW, doc.cellH, *doc.palette}, doc.selected, RenderStyle{},
                        canvas, 0, 0, true, oneWorker);
        benchmark::ClobberMemory();
    }
}

// Onto whatever the canvas holds, without a fill (for comparison).
void BM_RenderTemplateUnfilled(benchmark::State& state) {
    DibCanvas& canvas = SharedCanvas().canvas;
    for (auto _ : state) {
        RenderTemplate(canvas, 0, 0, true);
        benchmark::ClobberMemory();
    }
}

// The physical baseline: filling the same canvas once.
void BM_MemsetCanvas(benchmark::State& state) {
    DibCanvas& canvas = SharedCanvas().canvas;
    const size_t bytes = static_cast<size_t>(canvas.Width()) * static_cast<size_t>(canvas.Height()) * 4;
    for (auto _ : state) {
        std::memset(canvas.RowPointer(canvas.Height() - 1), 0xFF, bytes);
        benchmark::ClobberMemory();
    }
}

// One edit's undo step: a changed tile and the state of the whole list recorded.
void BM_UndoSnapshot(benchmark::State& state) {
    int x = 0;
    for (auto _ : state) {
        Doc().tiles[5000].x = ++x;
        RecordSnapshot();
    }
}

BENCHMARK(BM_RenderTemplate)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RenderTemplateOneWorker)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RenderTemplateUnfilled)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MemsetCanvas)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_UndoSnapshot)->Unit(benchmark::kMillisecond);


}  // namespace

int main(int argc, char** argv) {
    OpenLargeTemplate();
    RatioReporter reporter;
    RunRepeated(argc, argv, reporter);
    const DibCanvas& canvas = SharedCanvas().canvas;
    const std::vector<double>& memset = reporter.wallTimes["BM_MemsetCanvas"];
    const Spread render = RatioSpread(reporter.wallTimes["BM_RenderTemplate"], memset);
    const Spread oneWorker = RatioSpread(reporter.wallTimes["BM_RenderTemplateOneWorker"], memset);
    const Spread unfilled = RatioSpread(reporter.wallTimes["BM_RenderTemplateUnfilled"], memset);
    const Spread undo = SpreadOf(reporter.times["BM_UndoSnapshot"]);
    std::printf("template of 100 x 100 cells on a %d x %d canvas:\n", canvas.Width(), canvas.Height());
    PrintSpread("  render onto white against the memset", render, "x");
    PrintSpread("  render onto white by one thread against the memset (for comparison)", oneWorker, "x");
    PrintSpread("  render without a fill against the memset (for comparison)", unfilled, "x");
    PrintSpread("  undo step", undo, " ms");
    Verdict("template render", render.median, "x the memset", render.median <= 4, "at most 4x");
    Verdict("undo step", undo.median, " ms", undo.median < 10, "under 10 ms");
    return 0;
}
