#include "editor/interchange/CropArithmetic.h"

#include <algorithm>
#include <cmath>

namespace zelt {

int ClampCrop(int value, int low, int high) {
    return high < low ? low : std::clamp(value, low, high);
}

int CropSpinMaximum(int size, int window) {
    return std::max(0, size - window);
}

int ClampNormalCrop(int value, int size, int window) {
    return ClampCrop(std::max(value, 0), 0, size - window);
}

CropRect ClampExtraCrop(CropRect rect, int pictureWidth, int pictureHeight) {
    rect.width = std::max(rect.width, 1);
    rect.height = std::max(rect.height, 1);
    rect.x = ClampCrop(std::max(rect.x, 0), 0, pictureWidth - rect.width);
    rect.y = ClampCrop(std::max(rect.y, 0), 0, pictureHeight - rect.height);
    rect.width = ClampCrop(rect.width, 1, pictureWidth - rect.x);
    rect.height = ClampCrop(rect.height, 1, pictureHeight - rect.y);
    return rect;
}

int CropFromClick(int m, int previewSize, int pictureSize, int window) {
    if (previewSize <= 0 || pictureSize <= 0) return 0;
    const double scale = static_cast<double>(previewSize) / pictureSize;
    const double position = std::trunc(m / scale - window / 2);
    const double clamped = std::clamp(position, 0.0, static_cast<double>(std::max(pictureSize - window, 0)));
    return static_cast<int>(clamped);
}

void DrawExtraCropMarks(Canvas& canvas, const CropRect& rect) {
    canvas.InvertFrameRect(rect.x, rect.y, rect.width, rect.height);
    const int cx = rect.x + rect.width / 2, cy = rect.y + rect.height / 2;
    canvas.InvertPixel(cx, cy);
    for (int d = 1; d <= 2; ++d) {
        canvas.InvertPixel(cx - d, cy);
        canvas.InvertPixel(cx + d, cy);
        canvas.InvertPixel(cx, cy - d);
        canvas.InvertPixel(cx, cy + d);
    }
}

}  // namespace zelt
