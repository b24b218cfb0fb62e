#include "tests/iconhandler/IconTestFiles.h"

#include <stdexcept>

#include "editor/template/ByteReader.h"
#include "editor/template/TemplateFile.h"
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

}  // namespace zelt::icon::test
