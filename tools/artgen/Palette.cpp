#include "tools/artgen/Palette.h"

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

namespace zelt::artgen {

namespace {

int Distance(uint32_t a, uint32_t b) {
    int sum = 0;
    constexpr int kWeights[] = {11, 59, 30};  // blue, green, red: what the eye notices
    for (int channel = 0; channel < 3; ++channel) {
        const int d =
            static_cast<int>((a >> (8 * channel)) & 0xFF) - static_cast<int>((b >> (8 * channel)) & 0xFF);
        sum += kWeights[channel] * d * d;
    }
    return sum;
}

}  // namespace

Image LimitColours(const Image& image, size_t count) {
    Image out = image;
    std::map<uint32_t, size_t> histogram;
    for (uint32_t& pixel : out.pixels) {
        pixel |= 0xFF000000u;
        ++histogram[pixel];
    }
    if (histogram.size() <= count) return out;

    std::vector<std::pair<size_t, uint32_t>> byFrequency;
    for (const auto& [colour, n] : histogram) byFrequency.emplace_back(n, colour);
    std::sort(byFrequency.begin(), byFrequency.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    byFrequency.resize(count);

    std::map<uint32_t, uint32_t> nearest;
    for (const auto& [colour, n] : histogram) {
        uint32_t best = byFrequency.front().second;
        for (const auto& kept : byFrequency)
            if (Distance(colour, kept.second) < Distance(colour, best)) best = kept.second;
        nearest[colour] = best;
    }
    for (uint32_t& pixel : out.pixels) pixel = nearest[pixel];
    return out;
}

}  // namespace zelt::artgen
