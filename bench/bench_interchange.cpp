// Import all of the large template's picture against one pass over its pixels, and zelt convert as a
// whole process, in pictures per second.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/LargeTemplate.h"
#include "bench/RatioReporter.h"
#include "editor/interchange/ImportImage.h"
#include "editor/interchange/PictureFile.h"
#include "editor/render/TemplateRender.h"
#include "editor/settings/ProgramFolder.h"
#include "editor/template/FileBytes.h"
#include "editor/template/TemplateFile.h"

using namespace zelt;

namespace {

PaletteTable Ramps() {
    PaletteTable table{};
    for (uint32_t i = 0; i < 256; ++i) table[i] = (i * 4 % 256) << 16 | (i / 4 * 4) << 8 | (252 - i % 64 * 4);
    return table;
}

struct Subject {
    std::vector<TileRecord> tiles = LargeTemplate();
    PaletteTable palette = Ramps();
    Picture picture;
    Subject() {
        // Extra images are not part of Import all's picture.
        for (TileRecord& tile : tiles) tile.hasExtra = false;
        RenderEditorComposition(tiles, 60, 30, palette, picture.colours);
    }
};

Subject& TheSubject() {
    static Subject subject;
    return subject;
}

void BM_ReadPixels(benchmark::State& state) {
    const std::vector<uint32_t>& pixels = TheSubject().picture.colours.pixels;
    for (auto _ : state) {
        uint32_t sum = 0;
        for (uint32_t p : pixels) sum += p;
        benchmark::DoNotOptimize(sum);
    }
}

void BM_ImportAll(benchmark::State& state) {
    Subject& s = TheSubject();
    for (auto _ : state) {
        if (!ImportAllTiles(s.tiles, 60, 30, s.palette, s.picture)) state.SkipWithError("wrong size");
        benchmark::DoNotOptimize(s.tiles.data());
    }
}

// By the calling thread alone (for comparison).
void BM_ImportAllOneWorker(benchmark::State& state) {
    Subject& s = TheSubject();
    for (auto _ : state) {
        if (!ImportAllTiles(s.tiles, 60, 30, s.palette, s.picture, 1)) state.SkipWithError("wrong size");
        benchmark::DoNotOptimize(s.tiles.data());
    }
}

// By the wall clock: Import all shares a large picture among the processor's cores.
BENCHMARK(BM_ReadPixels)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ImportAll)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ImportAllOneWorker)->Unit(benchmark::kMillisecond)->UseRealTime();

// 100 pictures of a 10 x 10-cell template through the zelt beside the benchmarks' tree; none when the
// tool is not there.
double ConvertPicturesPerSecond() {
    const std::string zelt = NativePath(ProgramFolder() + "..\\tools\\zelt");
    if (!std::filesystem::exists(zelt)) return 0;
    const std::filesystem::path work = std::filesystem::temp_directory_path() / "zelt_bench_convert";
    std::filesystem::remove_all(work);
    std::filesystem::create_directories(work / "out");
    std::vector<TileRecord> tiles;
    for (const TileRecord& tile : LargeTemplate()) {
        const int column = (tile.x / 30 + tile.y / 15) / 2, row = (tile.y / 15 - tile.x / 30) / 2;
        if (column < 10 && row < 10) tiles.push_back(tile);
    }
    std::vector<uint8_t> bytes;
    std::string error;
    if (!EncodeTemplate(tiles, 60, 30, {}, bytes, error) ||
        !WriteFileAtomic((work / "t.tem").string(), bytes, error))
        return 0;
    Picture picture;
    RenderEditorComposition(tiles, 60, 30, Ramps(), picture.colours);
    std::string command = "'" + zelt + "' convert '" + (work / "t.tem").string() + "'";
    for (int i = 0; i < 100; ++i) {
        const std::string name = (work / std::string("p").append(std::to_string(i)).append(".bmp")).string();
        if (!WritePictureFile(name, picture, error)) return 0;
        command += " '" + name + "'";
    }
    command += " --into '" + (work / "out").string() + "' --auto-colour";
    double best = 1e9;
    for (int run = 0; run < 3; ++run) {
        const auto start = std::chrono::steady_clock::now();
        if (std::system(command.c_str()) != 0) return 0;
        best =
            std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    std::filesystem::remove_all(work);
    return 100 / best;
}

}  // namespace

int main(int argc, char** argv) {
    RatioReporter reporter;
    RunRepeated(argc, argv, reporter);
    const ColourImage& picture = TheSubject().picture.colours;
    std::printf("Import all of a 100 x 100-cell RA2/YR picture (%d x %d) against one pass over its pixels\n",
                picture.width, picture.height);
    const std::vector<double>& read = reporter.wallTimes["BM_ReadPixels"];
    const Spread importAll = RatioSpread(reporter.wallTimes["BM_ImportAll"], read);
    PrintSpread("import all", importAll, "x");
    PrintSpread("import all by one thread (for comparison)",
                RatioSpread(reporter.wallTimes["BM_ImportAllOneWorker"], read), "x");
    Verdict("import all", importAll.median, "x", importAll.median <= 6.0, "at most 6x");
    const double rate = ConvertPicturesPerSecond();
    if (rate > 0) {
        std::printf("zelt convert, 100 pictures of a 10 x 10-cell template as one process: %.0f pictures/s\n",
                    rate);
    } else {
        std::printf("zelt convert: the tool was not found beside the benchmarks, not measured\n");
    }
    return 0;
}
