// Template files and palettes for the icon handler's tests, made with the core's writer.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "editor/template/TileRecord.h"
#include "iconhandler/IconRender.h"
#include "iconhandler/IconThumbnail.h"

namespace zelt::icon::test {

// The file the editor would save for these tiles (Z data generated first).
std::vector<uint8_t> TemplateBytes(std::vector<TileRecord> tiles, int cellW, int cellH);

// A tile at (x, y) whose diamond is all `index`.
TileRecord PlainTile(int cellW, int cellH, int x, int y, uint8_t index);

// Offset in the file of the cell of a slot, and little-endian patches.
int32_t CellOffset(const std::vector<uint8_t>& file, int slot);
void PatchI32(std::vector<uint8_t>& file, int64_t offset, int32_t value);

// The 768-byte palette every icon test uses, and its colour table.
std::vector<uint8_t> TestPaletteBytes();
IconPalette TestPalette();

// A palette reader that serves TestPaletteBytes() and remembers the file it was asked for.
PaletteReader RecordingReader(std::string& asked);

// The picture the template viewer composes from the file (the editor's decoder, drawn on a canvas
// no palette colour can match), as ARGB: drawn pixels opaque, the rest 0. Empty for a refused file.
ArgbPicture ViewerComposition(const std::vector<uint8_t>& file, const IconPalette& palette);

// The box-filtered reduction written out plainly, one target pixel at a time, as the thumbnail's
// pixels are promised: alpha the block's average, colour the average of its drawn pixels.
ArgbPicture BoxReduction(const ArgbPicture& source, int width, int height);

}  // namespace zelt::icon::test
