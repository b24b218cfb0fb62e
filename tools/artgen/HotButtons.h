// The seven hot buttons that float around the selected tile in the editor's view, each in a normal
// and a hovered picture.
#pragma once
#include <string>

#include "tools/artgen/Image.h"

namespace zelt::artgen {

constexpr int kHotButtonSide = 24;
constexpr int kHotButtonPictures = 7;

// Buttons by index: up, right, down, left, extra-image switch, height up, height down.
Image DrawHotButton(int button, bool hovered);
// "hot_up.bmp", "hot_up_hover.bmp", ... as the resource script names them.
std::string HotButtonFileName(int button, bool hovered);

}  // namespace zelt::artgen
