// Text work of the image library that needs no platform: the `;`-terminated pattern lists of
// the filter strings and the choice of an encoder by the target name's extension.
#pragma once
#include <cstddef>
#include <optional>
#include <string_view>

namespace zelt::pictor {

// Copies entry `index` of a list of `;`-terminated entries into `out` (room for `outSize` bytes,
// the zero included), without a leading "*." and without the `;`. A longer entry is cut to fit.
// False, with `out` untouched, for an index outside the list.
bool CopyFormatName(std::string_view list, int index, char* out, size_t outSize);

// The text after the last '.' of a file name. The first character never counts as the dot, so
// ".png" and "png" have no extension. The search does not stop at folder separators.
std::optional<std::wstring_view> ExtensionOf(std::wstring_view fileName);

// Equality of two MIME types with the ASCII letters folded to lower case, everything else exact.
bool SameMimeType(std::wstring_view a, std::wstring_view b);

}  // namespace zelt::pictor
