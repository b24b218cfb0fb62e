// The tips of the day: string-table entries "TIP:TIPOFDAY000", "TIP:TIPOFDAY001", ... counted once at
// start-up and shown one after the other, wrapping round to the first.
#pragma once
#include <string>

#include "editor/strings/StringTable.h"

namespace zelt {

inline constexpr int kTipLimit = 1000;  // three decimal digits

// "TIP:TIPOFDAY%03d" of index (indexes outside 0 ... 999 give the key of tip 0).
std::string TipKey(int index);

// The number of tips in the table: keys present from tip 0 on, stopping at the first absent one
// (kTipLimit when all are present); 0 without a table or when the run shows keys or no strings.
int CountTipKeys(const StringTable& table, const StringRunFlags& flags);

// The tip shown after current: current + 1, and tip 0 after the last one or when current lies
// outside the tips (a stored value from another string table).
int NextTip(int current, int count);

}  // namespace zelt
