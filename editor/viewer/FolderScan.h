// The viewer's folder scan: every name matching "*.tem", "*.sno", "*.urb", "*.des", "*.ubn",
// "*.lun", pattern by pattern, in the order the file system lists them.
#pragma once
#include <string>
#include <vector>

namespace zelt {

std::vector<std::string> ScanTemplateFolder(const std::string& folder);

}  // namespace zelt
