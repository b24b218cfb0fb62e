// The pictures of the 21 ramp types (the properties panel's ramp list) and the tip of the day's picture.
#pragma once
#include <array>

#include "tools/artgen/Image.h"

namespace zelt::artgen {

constexpr int kRampCount = 21;
constexpr int kRampWidth = 72;
constexpr int kRampHeight = 56;
constexpr int kTipPictureSide = 64;

// How far each corner of a ramp's top face rises, in height levels.
struct RampCorners {
    int north, east, south, west;
};
// Type 0 flat; 1-4 one edge raised; 5-8 one corner raised; 9-12 three corners raised; 13-16 steep
// slopes rising two levels to one corner; 17-18 saddles of two opposite corners; 19-20 steep edges.
extern const std::array<RampCorners, kRampCount> kRampShapes;

// The ramp as a shaded isometric surface over its ground diamond, opaque on white.
Image DrawRamp(int type);

// A light bulb on white.
Image DrawTipPicture();

}  // namespace zelt::artgen
