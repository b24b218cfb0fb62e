// The arithmetic of the crop dialogs: field values clamped to the picture, a click in the stretched
// preview turned into a window position, and the marks drawn on the preview of an extra image.
#pragma once
#include "editor/interchange/ImportImage.h"
#include "editor/render/Canvas.h"

namespace zelt {

// value within low..high; low when high < low (a picture no larger than the window).
int ClampCrop(int value, int low, int high);
// The upper end of a spin range for a window of `window` pixels in a picture of `size`: never below 0.
int CropSpinMaximum(int size, int window);

// A typed value: negative counts as 0, then clamped to 0..size - window.
int ClampNormalCrop(int value, int size, int window);
// The rectangle clamped as the fields are read: x to 0..W - width, y to 0..H - height, width to
// 1..W - x, height to 1..H - y (never an empty image).
CropRect ClampExtraCrop(CropRect rect, int pictureWidth, int pictureHeight);

// Releasing the button at preview point m of a preview previewSize pixels long over a picture side of
// pictureSize: the window of `window` pixels is centred there, trunc(m / (previewSize / pictureSize)
// - window / 2) with window / 2 truncated first, and clamped to 0..pictureSize - window.
int CropFromClick(int m, int previewSize, int pictureSize, int window);

// The rectangle's outline inverted and a plus of nine inverted pixels at its centre; pixels outside
// the canvas are left out.
void DrawExtraCropMarks(Canvas& canvas, const CropRect& rect);

}  // namespace zelt
