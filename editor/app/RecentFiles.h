// Opening a file of the recent-files list.
#pragma once
#include <cstddef>

namespace zelt {

// Opens entry index of the list (0 = oldest) by the recent-files route; nothing for an index past
// its end.
bool OpenRecentFile(size_t index);

}  // namespace zelt
