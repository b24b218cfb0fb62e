// The overview dialog: a table of every tile's placement and properties, whose selected row selects
// the tile in the editor, and the text report saved from it.
#pragma once
#include <windows.h>

#include <string>

namespace zelt {

// Modal to owner; does nothing without an open template.
void ShowOverviewDialog(HWND owner);

// Writes the open template's report to path, whole or not at all; false when it cannot be written.
bool SaveOverviewReport(const std::string& path);

}  // namespace zelt
