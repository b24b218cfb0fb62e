// Pictures back into tiles: every pixel becomes its nearest palette index (the picture's own index
// when it was stored with the template's palette), read through a cell-sized window for a normal
// image, a rectangle for an extra image, or every tile's place for Import all.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "editor/interchange/Picture.h"
#include "editor/template/Palette.h"
#include "editor/template/TileRecord.h"

namespace zelt {

// The palette index of each pixel of one picture. A colour search is remembered for the colours
// seen, so a picture of few colours is matched at the speed of a table look-up.
class PixelIndexer {
  public:
    PixelIndexer(const Picture& picture, const PaletteTable& palette);
    int Width() const { return picture_.colours.width; }
    int Height() const { return picture_.colours.height; }
    // The index of the pixel at (x, y); 0 outside the picture.
    uint8_t At(int x, int y);
    // The indexes of count pixels from this offset on, all inside the picture, into out.
    void ReadRun(size_t at, int count, uint8_t* out);
    // True when the picture's own indexes are used.
    bool Direct() const { return direct_; }

  private:
    static constexpr int kCacheBits = 12;
    static constexpr uint32_t kFilled = 1u << 24;
    void Remember(size_t slot, uint32_t colour);

    const Picture& picture_;
    bool direct_ = false;
    uint32_t lastColour_ = kFilled;  // no colour yet
    uint8_t lastIndex_ = 0;
    PaletteSearch search_;
    std::array<uint32_t, 1 << kCacheBits> cachedColour_{};  // colour | kFilled once filled
    std::array<uint8_t, 1 << kCacheBits> cachedIndex_{};
};

// True when every entry of the file's palette is the template's entry of the same index.
bool PaletteMatches(const std::vector<uint32_t>& filePalette, const PaletteTable& palette);

// The tile's normal image from the cellW x cellH window of the picture whose top-left is (x, y).
void ApplyNormalImage(TileRecord& tile, int cellW, int cellH, PixelIndexer& source, int x, int y);

struct CropRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// The tile's extra image from the rectangle of the picture; sets its size and has-extra. Its place
// stays; extra depth data of another size is dropped, to be generated again on saving.
void ApplyExtraImage(TileRecord& tile, PixelIndexer& source, const CropRect& rect);

// Every tile's normal image from a picture of the whole template, in list order; a later tile reads
// index 0 where an earlier one already took the pixels. False, changing nothing, when the picture is
// not exactly the template's size. A large picture is shared among workers (threads): that many, or
// with 0 as many as WorkersAvailable() from kWorkersFrom pixels on.
bool ImportAllTiles(std::vector<TileRecord>& tiles, int cellW, int cellH, const PaletteTable& palette,
                    const Picture& picture, int workers = 0);

// What a picture's size allows for a normal image.
enum class NormalImageFit { kTooSmall, kExact, kNeedsCrop };
NormalImageFit FitOfNormalImage(int width, int height, int cellW, int cellH);

// The document's tiles. Each refuses without an open document, its palette or the tile (-1: the
// selected one), and on success refreshes the views, marks the document modified and records one
// undo step.
bool ImportNormalImage(int tileIndex, const Picture& picture, int x, int y);
bool ImportExtraImage(int tileIndex, const Picture& picture, const CropRect& rect);
// Import all as one undo step (one per tile would push every earlier state out of the history).
// False without a document or for a picture that is not the template's size; see ImportAllSizeText.
bool ImportAll(const Picture& picture);
// "%s %dx%d" from "MSG:IMPORTALL1" and the template's size; empty without an open document.
std::string ImportAllSizeText();

}  // namespace zelt
