// Load and save of a large template beside a memcpy of the same number of bytes.
#include <benchmark/benchmark.h>

#include "bench/LargeTemplate.h"
#include "bench/RatioReporter.h"

#include <cstdio>
#include <cstring>
#include <map>
#include <string>

#include "editor/template/TemplateFile.h"
#include "editor/template/TileLayout.h"

using namespace zelt;

namespace {

const std::vector<TileRecord>& Tiles() {
    static const std::vector<TileRecord> tiles = LargeTemplate();
    return tiles;
}

const std::vector<uint8_t>& FileBytes() {
    static const std::vector<uint8_t> bytes = [] {
        std::vector<uint8_t> out;
        std::string error;
        if (!EncodeTemplate(Tiles(), 60, 30, {}, out, error)) std::abort();
        return out;
    }();
    return bytes;
}

void BM_LoadTemplate(benchmark::State& state) {
    const std::vector<uint8_t>& bytes = FileBytes();
    for (auto _ : state) {
        LoadedTemplate loaded;
        std::string error;
        benchmark::DoNotOptimize(DecodeTemplate(bytes, loaded, error));
        benchmark::DoNotOptimize(loaded.tiles.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}

void BM_SaveTemplate(benchmark::State& state) {
    const std::vector<TileRecord>& tiles = Tiles();
    for (auto _ : state) {
        std::vector<uint8_t> out;
        std::string error;
        benchmark::DoNotOptimize(EncodeTemplate(tiles, 60, 30, {}, out, error));
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * FileBytes().size()));
}

// The physical baseline: copying the file's bytes into a fresh buffer.
void BM_CopyFileBytes(benchmark::State& state) {
    const std::vector<uint8_t>& bytes = FileBytes();
    for (auto _ : state) {
        std::vector<uint8_t> copy(bytes.size());
        std::memcpy(copy.data(), bytes.data(), bytes.size());
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}

BENCHMARK(BM_LoadTemplate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveTemplate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyFileBytes)->Unit(benchmark::kMillisecond);


}  // namespace

int main(int argc, char** argv) {
    RatioReporter reporter;
    RunRepeated(argc, argv, reporter);
    const Spread load = RatioSpread(reporter.times["BM_LoadTemplate"], reporter.times["BM_CopyFileBytes"]);
    const Spread save = RatioSpread(reporter.times["BM_SaveTemplate"], reporter.times["BM_CopyFileBytes"]);
    std::printf("template of %zu bytes, against the memcpy of its bytes:\n", FileBytes().size());
    PrintSpread("  load", load, "x");
    PrintSpread("  save", save, "x");
    Verdict("template load", load.median, "x the memcpy", load.median <= 3, "at most 3x");
    Verdict("template save", save.median, "x the memcpy", save.median <= 4, "at most 4x");
    return 0;
}
