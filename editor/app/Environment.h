// "Environment.dat": the user's hotkeys and toolbar layout, read at start-up over the defaults and
// written at exit. All integers are little-endian:
//   magic "1VNE", K, T, K hotkey records of 12 bytes (sequence, key, shift, alt, ctrl, extended),
//   magic "1BLT", T again, T toolbar buttons of 76 bytes as ToolbarButton stores them.
#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "editor/app/CommandTable.h"

namespace zelt {

inline constexpr uint32_t kHotkeyMagic = 0x454E5631;
inline constexpr uint32_t kToolbarMagic = 0x544C4231;
inline constexpr uint32_t kMaxEnvironmentRecords = 1024;  // of either kind

std::vector<uint8_t> EncodeEnvironment(const CommandTable& table, const ToolbarLayout& layout);

// Applies the file's hotkeys (to the commands whose sequence numbers they name) and its toolbar only
// when the whole file is sound: both magics, counts of at most 1024 that fit in the bytes, the same
// T twice. Otherwise nothing changes and the result is false.
bool DecodeEnvironment(std::span<const uint8_t> bytes, CommandTable& table, ToolbarLayout& layout);

enum class EnvironmentLoad { kMissing, kLoaded, kDamaged };
EnvironmentLoad LoadEnvironmentFile(const std::string& path, CommandTable& table, ToolbarLayout& layout);
// Written atomically: on failure the old file is untouched and error says why.
bool SaveEnvironmentFile(const std::string& path, const CommandTable& table, const ToolbarLayout& layout,
                         std::string& error);

}  // namespace zelt
