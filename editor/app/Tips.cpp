#include "editor/app/Tips.h"

#include <cstdio>

namespace zelt {

std::string TipKey(int index) {
    if (index < 0 || index >= kTipLimit) index = 0;
    char key[24] = {};
    std::snprintf(key, sizeof key, "TIP:TIPOFDAY%03d", index);
    return key;
}

int CountTipKeys(const StringTable& table, const StringRunFlags& flags) {
    if (!table.loaded || flags.keysAsText || flags.noStrings) return 0;
    int count = 0;
    while (count < kTipLimit && HasString(table, TipKey(count).c_str())) ++count;
    return count;
}

int NextTip(int current, int count) {
    if (current < 0 || current >= count - 1) return 0;
    return current + 1;
}

}  // namespace zelt
