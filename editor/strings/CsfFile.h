// The binary string-table file: a 24-byte header, then one label record per key, each holding one
// value stored as UTF-16 little-endian with every unit bit-inverted.
#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace zelt {

inline constexpr uint32_t kCsfMagic = 0x43534620;       // " FSC"
inline constexpr uint32_t kCsfLabelMagic = 0x4C424C20;  // " LBL"
inline constexpr uint32_t kCsfValueMagic = 0x53545220;  // " RTS"
inline constexpr size_t kCsfHeaderSize = 24;

// One label as stored: the name's bytes and the value's 16-bit units (already inverted back).
struct CsfEntry {
    std::string name;
    std::u16string value;
};

struct CsfContents {
    uint32_t version = 0;
    uint32_t labelCount = 0;  // the header's label count: the room the editor makes for labels
    uint32_t language = 0;
    std::vector<CsfEntry> entries;  // every complete record, in file order
};

// Reads a whole file. Fails (with a reason) on a short header, a wrong header, label or value magic.
// The end of the file inside a record ends the list: the records completed before it are kept.
bool DecodeCsf(std::span<const uint8_t> bytes, CsfContents& out, std::string& error);

// Writes a file whose label count and string count are the number of entries.
std::vector<uint8_t> EncodeCsf(const std::vector<CsfEntry>& entries, uint32_t version = 3, uint32_t language = 0);

}  // namespace zelt
