// The shell icon of a 10 x 10-cell RA2/YR template with extra images, from the file's bytes to the
// finished pixels, beside the physical floor: filling the icon's canvas and reading the bytes.
#include <benchmark/benchmark.h>

#include "bench/RatioReporter.h"

#include <cstdio>
#include <cstring>
#include <map>
#include <string>

#include "editor/template/TemplateFile.h"
#include "editor/template/TileLayout.h"
#include "iconhandler/IconRender.h"

namespace {

std::vector<uint8_t> MakeTemplate() {
    std::vector<zelt::TileRecord> tiles;
    for (int row = 0; row < 10; ++row) {
        for (int column = 0; column < 10; ++column) {
            zelt::TileRecord t;
            t.x = (column - row) * 30;
            t.y = (column + row) * 15;
            t.height = (column * row) % 3;
            t.diamond.assign(900, static_cast<uint8_t>(1 + column + row));
            t.hasExtra = true;
            t.extraX = t.x;
            t.extraY = t.y - 40;
            t.extraWidth = 60;
            t.extraHeight = 40;
            t.extraImage.assign(2400, 0);
            for (size_t i = 0; i < t.extraImage.size(); i += 3) t.extraImage[i] = 9;
            zelt::GenerateZData(t, 60, 30);
            zelt::GenerateExtraZData(t, 60, 30);
            tiles.push_back(std::move(t));
        }
    }
    std::vector<uint8_t> out;
    std::string error;
    if (!zelt::EncodeTemplate(tiles, 60, 30, {}, out, error)) std::abort();
    return out;
}

const std::vector<uint8_t>& FileBytes() {
    static const std::vector<uint8_t> bytes = MakeTemplate();
    return bytes;
}

const std::vector<uint8_t>& PaletteBytes() {
    static const std::vector<uint8_t> bytes = [] {
        std::vector<uint8_t> out(768);
        for (size_t i = 0; i < out.size(); ++i) out[i] = static_cast<uint8_t>(i % 64);
        return out;
    }();
    return bytes;
}

int IconSide() {
    static const int side = [] {
        zelt::icon::IconTemplate tmpl;
        zelt::icon::IconPalette palette{};
        zelt::icon::IconPicture picture;
        if (!zelt::icon::ReadIconTemplate(FileBytes(), tmpl) ||
            !zelt::icon::DrawTemplateIcon(tmpl, palette, picture)) {
            std::abort();
        }
        return picture.size;
    }();
    return side;
}

bool ReadPalette(const std::string&, std::vector<uint8_t>& bytes) {
    bytes = PaletteBytes();
    return true;
}

void BM_RenderIcon(benchmark::State& state) {
    const std::vector<uint8_t>& bytes = FileBytes();
    for (auto _ : state) {
        zelt::icon::IconPicture picture;
        benchmark::DoNotOptimize(zelt::icon::RenderTemplateIcon(bytes, "x.tem", ReadPalette, picture));
        benchmark::DoNotOptimize(picture.pixels.data());
        benchmark::ClobberMemory();
    }
}

// The floor: a fresh canvas filled with one colour, and the file's bytes read into a fresh block.
void BM_FillCanvasAndReadBytes(benchmark::State& state) {
    const std::vector<uint8_t>& bytes = FileBytes();
    const size_t pixels = static_cast<size_t>(IconSide()) * IconSide();
    for (auto _ : state) {
        std::vector<uint8_t> file(bytes.size());
        std::memcpy(file.data(), bytes.data(), bytes.size());
        std::vector<uint32_t> canvas(pixels);
        std::memset(canvas.data(), 0x2A, pixels * sizeof(uint32_t));
        benchmark::DoNotOptimize(file.data());
        benchmark::DoNotOptimize(canvas.data());
        benchmark::ClobberMemory();
    }
}

BENCHMARK(BM_RenderIcon)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FillCanvasAndReadBytes)->Unit(benchmark::kMicrosecond);


}  // namespace

int main(int argc, char** argv) {
    zelt::RatioReporter reporter;
    zelt::RunRepeated(argc, argv, reporter);
    const std::vector<double>& icon = reporter.times["BM_RenderIcon"];
    const zelt::Spread ratio = zelt::RatioSpread(icon, reporter.times["BM_FillCanvasAndReadBytes"]);
    const zelt::Spread time = zelt::SpreadOf(icon);
    std::printf("icon of %d x %d pixels from %zu bytes:\n", IconSide(), IconSide(), FileBytes().size());
    zelt::PrintSpread("  against the fill and read", ratio, "x");
    zelt::PrintSpread("  time", zelt::Spread{time.median / 1000, time.min / 1000, time.max / 1000}, " ms");
    zelt::Verdict("icon", ratio.median, "x the fill and read", ratio.median <= 2.5, "at most 2.5x");
    zelt::Verdict("icon time", time.median / 1000, " ms", time.median < 1000, "under 1 ms");
    return 0;
}
