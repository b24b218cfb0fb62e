// The template as the viewer composes it, for Explorer's thumbnails and preview pane and the file
// managers' thumbnails: cells in the editor's geometry (X is a cell's centre), palette index 0
// transparent, nothing drawn outside the cells; scaled down only, by averaging.
#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "iconhandler/IconPalette.h"
#include "iconhandler/IconRender.h"
#include "iconhandler/IconTemplate.h"

namespace zelt::icon {

// The composition is kept as one palette index a pixel; past this many pixels it is not made (an
// 8192-pixel square), and the caller shows its icon instead.
inline constexpr int64_t kMaxComposedPixels = int64_t{1} << 26;

struct ComposedTemplate {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> indices;  // width * height, top row first; 0 where nothing is drawn
};

// Fails for a template without cells, one that would draw more than kMaxDrawnPixels, or one whose
// picture has more than kMaxComposedPixels.
bool ComposeTemplate(const IconTemplate& tmpl, ComposedTemplate& out);

struct PictureSize {
    int width = 0;
    int height = 0;
};

// The largest size of the picture's proportions within the box, never larger than the picture;
// the side that limits it fills the box, the other is rounded and at least 1. An empty box gives 0 x 0.
PictureSize FitWithin(int width, int height, int boxWidth, int boxHeight);

// 0xAARRGGBB, alpha not premultiplied, top row first.
struct ArgbPicture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
};

// The composition coloured at the given size (at most its own). Each target pixel covers a block
// of source pixels: its alpha is their average (drawn pixels 255, the rest 0) and its colour the
// average of the drawn ones, so edges fade out instead of darkening. Rounded to nearest.
void ColourComposition(const ComposedTemplate& composed, const IconPalette& palette, PictureSize size,
                       ArgbPicture& out);

// The picture on a background 0x00RRGGBB, as 0x00RRGGBB pixels.
std::vector<uint32_t> OverBackground(const ArgbPicture& picture, uint32_t background);

// From the file's bytes and name to the thumbnail whose longer side is at most maxSide: the palette
// chosen as for the icon, the composition at its own size when it fits, else reduced. False means
// the caller shows the icon.
bool RenderTemplateThumbnail(std::span<const uint8_t> fileBytes, const std::string& fileName,
                             const PaletteReader& readPalette, int maxSide, ArgbPicture& out);

// The template and its palette read as the thumbnail reads them; the preview pane keeps both.
bool ReadTemplateAndPalette(std::span<const uint8_t> fileBytes, const std::string& fileName,
                            const PaletteReader& readPalette, IconTemplate& tmpl, IconPalette& palette);

}  // namespace zelt::icon
