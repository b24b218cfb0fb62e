// The larger pictures: the splash screen and the about pages' banners and help picture.
#pragma once
#include <string_view>

#include "tools/artgen/Image.h"

namespace zelt::artgen {

constexpr int kSplashWidth = 420;
constexpr int kSplashHeight = 240;
constexpr int kBannerWidth = 413;
constexpr int kBannerHeight = 77;
constexpr int kHelpSide = 57;

Image DrawSplash();

// A banner with an icon, the product's title and a line below it; opaque, with more colours than a GIF
// holds (reduce them first).
Image DrawBanner(const Image& icon, std::string_view title, std::string_view subtitle);

// A round badge with a question mark on white.
Image DrawHelpPicture();

}  // namespace zelt::artgen
