#include "tests/iconhandler/IconTestFiles.h"

#include <stdexcept>

#include "editor/template/ByteReader.h"
#include "editor/template/TemplateFile.h"
#include "editor/template/TemplatePreview.h"
#include "tests/support/TestSupport.h"

namespace zelt::icon::test {

std::vector<uint8_t> TemplateBytes(std::vector<TileRecord> tiles, int cellW, int cellH) {
    PrepareZData(tiles, cellW, cellH);
    std::vector<uint8_t> out;
    std::string error;
    if (!EncodeTemplate(tiles, cellW, cellH, SaveOptions{}, out, error)) throw std::runtime_error(error);
    return out;
}

TileRecord PlainTile(int cellW, int cellH, int x, int y, uint8_t index) {
    TileRecord tile;
    tile.x = x;
    tile.y = y;
    tile.diamond.assign(static_cast<size_t>(cellW * cellH / 2), index);
    return tile;
}

int32_t CellOffset(const std::vector<uint8_t>& file, int slot) {
    return LoadI32(file.data() + 16 + 4 * slot);
}

void PatchI32(std::vector<uint8_t>& file, int64_t offset, int32_t value) {
    StoreI32(file.data() + offset, value);
}

std::vector<uint8_t> TestPaletteBytes() {
    return zelt::test::SamplePaletteBytes();
}

IconPalette TestPalette() {
    IconPalette palette{};
    DecodeIconPalette(TestPaletteBytes(), palette);
    return palette;
}

PaletteReader RecordingReader(std::string& asked) {
    return [&asked](const std::string& file, std::vector<uint8_t>& bytes) {
        asked = file;
        bytes = TestPaletteBytes();
        return true;
    };
}

ArgbPicture ViewerComposition(const std::vector<uint8_t>& file, const IconPalette& palette) {
    TemplateBounds bounds;
    if (!ComputeFileBounds(file, bounds)) return {};
    constexpr uint32_t kUntouched = 0xFF000000u;
    ColourImage canvas(static_cast<int>(bounds.Width()), static_cast<int>(bounds.Height()), kUntouched);
    PaletteTable table;
    std::copy(palette.begin(), palette.end(), table.begin());
    if (!PreviewTemplate(file, canvas, table)) return {};
    ArgbPicture out;
    out.width = canvas.width;
    out.height = canvas.height;
    for (uint32_t p : canvas.pixels) out.pixels.push_back(p == kUntouched ? 0 : 0xFF000000u | p);
    return out;
}

ArgbPicture BoxReduction(const ArgbPicture& source, int width, int height) {
    ArgbPicture out;
    out.width = width;
    out.height = height;
    const int64_t sw = source.width, sh = source.height;
    for (int64_t ty = 0; ty < height; ++ty) {
        for (int64_t tx = 0; tx < width; ++tx) {
            uint64_t n = 0, drawn = 0, r = 0, g = 0, b = 0;
            for (int64_t y = ty * sh / height; y < (ty + 1) * sh / height; ++y) {
                for (int64_t x = tx * sw / width; x < (tx + 1) * sw / width; ++x) {
                    const uint32_t p = source.pixels[static_cast<size_t>(y * sw + x)];
                    ++n;
                    if (p >> 24 == 0) continue;
                    ++drawn;
                    r += p >> 16 & 0xFF;
                    g += p >> 8 & 0xFF;
                    b += p & 0xFF;
                }
            }
            uint32_t pixel = 0;
            if (drawn > 0) {
                const auto avg = [drawn](uint64_t sum) { return static_cast<uint32_t>((sum + drawn / 2) / drawn); };
                pixel = static_cast<uint32_t>((drawn * 255 + n / 2) / n) << 24 | avg(r) << 16 | avg(g) << 8 | avg(b);
            }
            out.pixels.push_back(pixel);
        }
    }
    return out;
}

}  // namespace zelt::icon::test
