#include "tools/iconart/IconArt.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace zelt::iconart {

namespace {

constexpr uint32_t kClear = 0;
constexpr uint32_t kOutline = 0xFF404040;
constexpr uint32_t kPage = 0xFFF4F4EC;
constexpr uint32_t kFold = 0xFFC8C8C0;
constexpr uint32_t kGrass = 0xFF4CA03C;
constexpr uint32_t kGrassEdge = 0xFF2E6E24;
constexpr uint32_t kLeftFace = 0xFF9A6432;
constexpr uint32_t kRightFace = 0xFF6E4420;

// The colour at point (u, v) of the unit square; px is one pixel in unit lengths.
uint32_t ArtAt(double u, double v, double px) {
    // The raised tile: a diamond with two side faces below it.
    const double cx = 0.5, cy = 0.54, a = 0.36, b = 0.18, thickness = 0.13;
    const double dx = std::abs(u - cx) / a;
    const double dy = std::abs(v - cy) / b;
    if (dx + dy <= 1.0) return dx + dy > 1.0 - 2.0 * px / b ? kGrassEdge : kGrass;
    const double lowerEdge = cy + b * (1.0 - dx);
    if (dx <= 1.0 && v > lowerEdge && v <= lowerEdge + thickness) return u < cx ? kLeftFace : kRightFace;

    // The page with its folded top-right corner.
    const double left = 0.12, right = 0.88, top = 0.03, bottom = 0.97, fold = 0.22;
    if (u < left || u > right || v < top || v > bottom) return kClear;
    const double intoCorner = (u - (right - fold)) - (v - top);
    if (intoCorner > 0.0) return kClear;
    const bool nearEdge =
        u < left + px || u > right - px || v < top + px || v > bottom - px || intoCorner > -1.5 * px;
    if (nearEdge) return kOutline;
    if (u > right - fold && v < top + fold) {
        if (u > right - fold + px && v < top + fold - px) return kFold;
        return kOutline;
    }
    return kPage;
}

// 16 colours of the standard VGA palette, 0x00RRGGBB.
constexpr std::array<uint32_t, 16> kVga = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                           0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                           0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

// A 6 x 6 x 6 colour cube followed by 40 greys.
std::vector<uint32_t> CubePalette() {
    std::vector<uint32_t> palette;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                palette.push_back(uint32_t(r * 51) << 16 | uint32_t(g * 51) << 8 | b * 51);
    for (int i = 0; i < 40; ++i) {
        const uint32_t grey = static_cast<uint32_t>(i * 255 / 39);
        palette.push_back(grey << 16 | grey << 8 | grey);
    }
    return palette;
}

uint8_t Nearest(uint32_t colour, const std::vector<uint32_t>& palette) {
    int best = 0;
    int bestDistance = 1 << 30;
    for (size_t i = 0; i < palette.size(); ++i) {
        const int dr = int(colour >> 16 & 0xFF) - int(palette[i] >> 16 & 0xFF);
        const int dg = int(colour >> 8 & 0xFF) - int(palette[i] >> 8 & 0xFF);
        const int db = int(colour & 0xFF) - int(palette[i] & 0xFF);
        const int distance = 30 * dr * dr + 59 * dg * dg + 11 * db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = static_cast<int>(i);
        }
    }
    return static_cast<uint8_t>(best);
}

void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// One image of the file: header, palette, colour rows and mask rows, both bottom-up.
std::vector<uint8_t> EncodeImage(const std::vector<uint32_t>& art, int side, int bits) {
    const std::vector<uint32_t> palette = bits == 4   ? std::vector<uint32_t>(kVga.begin(), kVga.end())
                                          : bits == 8 ? CubePalette()
                                                      : std::vector<uint32_t>();
    const size_t colourStride = (static_cast<size_t>(side) * bits + 31) / 32 * 4;
    const size_t maskStride = (static_cast<size_t>(side) + 31) / 32 * 4;
    std::vector<uint8_t> colour(colourStride * side, 0);
    std::vector<uint8_t> mask(maskStride * side, 0);
    for (int y = 0; y < side; ++y) {
        const size_t row = static_cast<size_t>(side - 1 - y);
        for (int x = 0; x < side; ++x) {
            const uint32_t pixel = art[static_cast<size_t>(y) * side + x];
            const bool opaque = (pixel >> 24) >= 128;
            if (!opaque) mask[row * maskStride + x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
            uint8_t* at = colour.data() + row * colourStride;
            if (bits == 32) {
                for (int k = 0; k < 4; ++k) at[4 * x + k] = static_cast<uint8_t>(pixel >> (8 * k));
            } else if (opaque) {
                const uint8_t index = Nearest(pixel & 0xFFFFFF, palette);
                if (bits == 8)
                    at[x] = index;
                else
                    at[x / 2] |= static_cast<uint8_t>(x % 2 == 0 ? index << 4 : index);
            }
        }
    }
    std::vector<uint8_t> out;
    Put32(out, 40);
    Put32(out, static_cast<uint32_t>(side));
    Put32(out, static_cast<uint32_t>(2 * side));  // colour rows and mask rows
    Put16(out, 1);
    Put16(out, static_cast<uint32_t>(bits));
    Put32(out, 0);
    Put32(out, static_cast<uint32_t>(colour.size() + mask.size()));
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, static_cast<uint32_t>(palette.size()));
    Put32(out, 0);
    for (uint32_t entry : palette) Put32(out, entry);  // blue, green, red, 0
    out.insert(out.end(), colour.begin(), colour.end());
    out.insert(out.end(), mask.begin(), mask.end());
    return out;
}

}  // namespace

std::vector<uint32_t> DrawTemplateArt(int side) {
    // 4 x 4 samples a pixel: coverage becomes alpha, the covered colours are averaged.
    constexpr int kSamples = 4;
    const double px = 1.0 / side;
    std::vector<uint32_t> art(static_cast<size_t>(side) * side);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            int covered = 0, r = 0, g = 0, b = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const uint32_t c =
                        ArtAt((x + (sx + 0.5) / kSamples) * px, (y + (sy + 0.5) / kSamples) * px, px);
                    if (c == kClear) continue;
                    ++covered;
                    r += c >> 16 & 0xFF;
                    g += c >> 8 & 0xFF;
                    b += c & 0xFF;
                }
            }
            if (covered == 0) continue;
            const uint32_t alpha = static_cast<uint32_t>(covered * 255 / (kSamples * kSamples));
            art[static_cast<size_t>(y) * side + x] = alpha << 24 | uint32_t(r / covered) << 16 |
                                                     uint32_t(g / covered) << 8 | uint32_t(b / covered);
        }
    }
    return art;
}

std::vector<uint8_t> MakeTemplateIconFile() {
    constexpr int kSides[] = {48, 32, 16};
    constexpr int kBits[] = {4, 8, 32};
    std::vector<std::vector<uint8_t>> images;
    std::vector<std::pair<int, int>> formats;
    for (int side : kSides) {
        const std::vector<uint32_t> art = DrawTemplateArt(side);
        for (int bits : kBits) {
            images.push_back(EncodeImage(art, side, bits));
            formats.emplace_back(side, bits);
        }
    }
    std::vector<uint8_t> out;
    Put16(out, 0);
    Put16(out, 1);  // an icon
    Put16(out, static_cast<uint32_t>(images.size()));
    size_t offset = 6 + 16 * images.size();
    for (size_t i = 0; i < images.size(); ++i) {
        const auto [side, bits] = formats[i];
        out.push_back(static_cast<uint8_t>(side));
        out.push_back(static_cast<uint8_t>(side));
        out.push_back(static_cast<uint8_t>(bits == 4 ? 16 : 0));
        out.push_back(0);
        Put16(out, 1);
        Put16(out, static_cast<uint32_t>(bits));
        Put32(out, static_cast<uint32_t>(images[i].size()));
        Put32(out, static_cast<uint32_t>(offset));
        offset += images[i].size();
    }
    for (const auto& image : images) out.insert(out.end(), image.begin(), image.end());
    return out;
}

}  // namespace zelt::iconart
