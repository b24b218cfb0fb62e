// The file-dialog filter of image files, built from the image library's open filter string.
#pragma once
#include <string>
#include <string_view>

namespace zelt {

inline constexpr size_t kImageFilterSize = 256;

// "Image files:(OPEN)" with pattern OPEN, then "All files (*.*)" with "*.*", each text ending in a
// zero byte and the list in an extra one. An OPEN too long for 256 bytes is cut after its last whole
// ";"-terminated entry that fits.
std::string BuildImageFileFilter(std::string_view openFilter);

}  // namespace zelt
