#include "editor/winui/DisplayScale.h"

#include <climits>
#include <cstdint>

namespace zelt {

int ScaleForDpi(int value, int dpi) {
    if (dpi <= 0) dpi = kStandardDpi;
    const int64_t product = int64_t{value} * dpi;
    const int64_t half = kStandardDpi / 2;
    const int64_t scaled = product >= 0 ? (product + half) / kStandardDpi : -((-product + half) / kStandardDpi);
    if (scaled > INT_MAX) return INT_MAX;
    if (scaled < INT_MIN) return INT_MIN;
    return static_cast<int>(scaled);
}

}  // namespace zelt
