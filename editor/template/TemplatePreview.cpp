#include "editor/template/TemplatePreview.h"

#include <algorithm>
#include <string>

#include "editor/template/TemplateFile.h"
#include "editor/template/TileLayout.h"

namespace zelt {

bool ComputeFileBounds(std::span<const uint8_t> bytes, TemplateBounds& bounds) {
    bounds = TemplateBounds{};
    TemplateHeader header;
    if (!ReadTemplateHeader(bytes, header)) return false;
    const int cellW = header.cellW, cellH = header.cellH;
    TemplateBounds b;
    std::string error;
    const bool ok = ForEachCell(bytes, [&](const CellView& cell) {
        const int64_t lift = HeightLift(cell.height, cellH);
        b.maxX = std::max<int64_t>(b.maxX, int64_t{cell.x} + cellW / 2);
        b.minX = std::min<int64_t>(b.minX, int64_t{cell.x} - cellW / 2);
        b.maxY = std::max<int64_t>(b.maxY, cell.y - lift + cellH);
        b.minY = std::min<int64_t>(b.minY, cell.y - lift);
        if (cell.flags & kFlagExtra) {
            b.maxX = std::max<int64_t>(b.maxX, int64_t{cell.extraX} + cell.extraWidth - cellW / 2);
            b.minX = std::min<int64_t>(b.minX, int64_t{cell.extraX} - cellW / 2);
            b.maxY = std::max<int64_t>(b.maxY, cell.extraY - lift + cell.extraHeight);
            b.minY = std::min<int64_t>(b.minY, cell.extraY - lift);
        }
    }, error);
    if (!ok) return false;
    bounds = b;
    return true;
}

bool PreviewTemplate(std::span<const uint8_t> bytes, ColourImage& canvas, const PaletteTable& table) {
    TemplateBounds bounds;
    if (!ComputeFileBounds(bytes, bounds)) return false;
    TemplateHeader header;
    ReadTemplateHeader(bytes, header);
    const int cellW = header.cellW, cellH = header.cellH;
    const int64_t ox = -bounds.minX - cellW / 2, oy = -bounds.minY;
    std::string error;
    return ForEachCell(bytes, [&](const CellView& cell) {
        const int64_t top = cell.y - HeightLift(cell.height, cellH) + oy;
        const uint8_t* p = cell.diamond.data();
        for (int r = 0; r < cellH; ++r) {
            const int width = DiamondRowWidth(r, cellH);
            const int64_t left = int64_t{cell.x} + DiamondRowStart(r, cellW, cellH) + ox;
            for (int i = 0; i < width; ++i, ++p) {
                if (*p) canvas.SetPixel(left + i, top + r, table[*p]);
            }
        }
        if (!(cell.flags & kFlagExtra)) return;
        const int64_t extraTop = cell.extraY - HeightLift(cell.height, cellH) + oy;
        const uint8_t* e = cell.extraImage.data();
        for (int j = 0; j < cell.extraHeight; ++j) {
            for (int i = 0; i < cell.extraWidth; ++i, ++e) {
                if (*e) canvas.SetPixel(int64_t{cell.extraX} + i + ox, extraTop + j, table[*e]);
            }
        }
    }, error);
}

}  // namespace zelt
