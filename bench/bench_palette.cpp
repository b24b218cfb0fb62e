// Nearest palette index over a whole true-colour picture: the plain scan against the fast search.
#include <benchmark/benchmark.h>

#include "bench/RatioReporter.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "editor/template/Palette.h"

using namespace zelt;

namespace {

constexpr int kSide = 1024;

// Terrain-like ramps: sixteen hues of sixteen shades each, in 6-bit components.
PaletteTable RampPalette() {
    std::mt19937 rng(7);
    PaletteTable table{};
    for (int ramp = 0; ramp < 16; ++ramp) {
        const int r = static_cast<int>(rng() % 64), g = static_cast<int>(rng() % 64), b = static_cast<int>(rng() % 64);
        for (int shade = 0; shade < 16; ++shade) {
            auto c = [&](int v) { return static_cast<uint32_t>(std::min(63, v * (shade + 4) / 16) * 4); };
            table[static_cast<size_t>(ramp * 16 + shade)] = c(r) << 16 | c(g) << 8 | c(b);
        }
    }
    return table;
}

// Smooth gradients with a little noise, as a painted or photographed tile would have.
std::vector<uint32_t> Picture() {
    std::mt19937 rng(11);
    std::vector<uint32_t> pixels(static_cast<size_t>(kSide) * kSide);
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            auto noisy = [&](int v) { return static_cast<uint32_t>(std::clamp(v + static_cast<int>(rng() % 9) - 4, 0, 255)); };
            pixels[static_cast<size_t>(y) * kSide + x] =
                noisy(x * 255 / kSide) << 16 | noisy(y * 255 / kSide) << 8 | noisy((x + y) * 255 / (2 * kSide));
        }
    }
    return pixels;
}

const PaletteTable& Table() {
    static const PaletteTable table = RampPalette();
    return table;
}
const std::vector<uint32_t>& Pixels() {
    static const std::vector<uint32_t> pixels = Picture();
    return pixels;
}

void BM_PlainScan(benchmark::State& state) {
    std::vector<uint8_t> out(Pixels().size());
    for (auto _ : state) {
        for (size_t i = 0; i < out.size(); ++i) out[i] = static_cast<uint8_t>(NearestPaletteIndex(Pixels()[i], Table()));
        benchmark::DoNotOptimize(out.data());
    }
}

void BM_FastSearch(benchmark::State& state) {
    std::vector<uint8_t> out(Pixels().size());
    auto search = std::make_unique<PaletteSearch>();
    for (auto _ : state) {
        PreparePaletteSearch(Table(), *search);
        for (size_t i = 0; i < out.size(); ++i) out[i] = static_cast<uint8_t>(NearestPaletteIndexFast(Pixels()[i], *search));
        benchmark::DoNotOptimize(out.data());
    }
}

BENCHMARK(BM_PlainScan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FastSearch)->Unit(benchmark::kMillisecond);


}  // namespace

int main(int argc, char** argv) {
    // The fast search must give the plain scan's answer for every pixel, or its speed means nothing.
    auto search = std::make_unique<PaletteSearch>();
    PreparePaletteSearch(Table(), *search);
    for (uint32_t pixel : Pixels()) {
        if (NearestPaletteIndexFast(pixel, *search) != NearestPaletteIndex(pixel, Table())) {
            std::fprintf(stderr, "the fast search differs for colour %06X\n", pixel);
            return 1;
        }
    }
    RatioReporter reporter;
    RunRepeated(argc, argv, reporter);
    const Spread speedup = RatioSpread(reporter.times["BM_PlainScan"], reporter.times["BM_FastSearch"]);
    std::printf("nearest palette index over %d x %d pixels:\n", kSide, kSide);
    PrintSpread("  the fast search against the plain scan", speedup, "x as fast");
    Verdict("palette search", speedup.median, "x as fast as the plain scan", speedup.median >= 10, "10x");
    return 0;
}
