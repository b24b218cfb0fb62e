// The file-dialog filter of image files, built from the image library's open filter string.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace zelt {

inline constexpr size_t kImageFilterSize = 256;

// "Image files:(OPEN)" with pattern OPEN, then "All files (*.*)" with "*.*", each text ending in a
// zero byte and the list in an extra one. An OPEN too long for 256 bytes is cut after its last whole
// ";"-terminated entry that fits.
std::string BuildImageFileFilter(std::string_view openFilter);

// The save dialog's filter: one entry per format the image library writes, "PNG (*.png)" with the
// pattern "*.png" (the library picks its encoder by the name's extension, which is the format's name
// in lower case), each text ending in a zero byte and the list in an extra one. No "All files": any
// other extension would write nothing. Empty when there are no formats.
std::string BuildImageSaveFilter(const std::vector<std::string>& formatNames);

}  // namespace zelt
