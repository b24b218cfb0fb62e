// Making a Windows path fully qualified, as a pure function over path text, so the same rule serves
// every platform's build and its tests.
#pragma once
#include <string>
#include <string_view>

namespace zelt {

// The fully qualified form of path, read against currentFolder (itself fully qualified):
// "name" and "..\name" start from currentFolder, "\name" from its root, "D:name" from currentFolder
// when that is on drive D and from "D:\" otherwise. "C:\...", "\\server\share\..." are kept as they
// are. Either separator is accepted, "\" is written; "." and ".." are resolved and never climb
// above the root. An empty path stays empty; "\\?\" and "\\.\" paths are returned unchanged.
std::string MakeAbsolutePath(std::string_view path, std::string_view currentFolder);

}  // namespace zelt
