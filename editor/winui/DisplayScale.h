// Lengths laid out in pixels at the standard 96 dots per inch, scaled to a window's own density.
// Template pixels are never scaled: one template pixel at zoom 1 stays one screen pixel.
#pragma once

namespace zelt {

inline constexpr int kStandardDpi = 96;

// value * dpi / 96, rounded half away from zero; a density of 0 or less counts as the standard.
int ScaleForDpi(int value, int dpi);

}  // namespace zelt
