// A small proportional pixel font: capitals 7 pixels high, descenders 2 below, drawn at any whole scale.
#pragma once
#include <cstdint>
#include <string_view>

#include "tools/artgen/Image.h"

namespace zelt::artgen {

constexpr int kFontCapHeight = 7;
constexpr int kFontHeight = 9;  // with descenders

// Width in pixels of `text` at `scale`, without trailing spacing.
int TextWidth(std::string_view text, int scale);

// Draws `text` with the top of its capitals at (x, y); characters the font lacks are drawn as blanks.
// Returns the width drawn.
int DrawText(Image& image, int x, int y, std::string_view text, int scale, uint32_t colour);

}  // namespace zelt::artgen
