// Appending integers to a byte buffer in either byte order.
#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

namespace zelt::artgen {

using Bytes = std::vector<uint8_t>;

inline void Put8(Bytes& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
}
inline void Put16(Bytes& out, uint32_t v) {
    Put8(out, v);
    Put8(out, v >> 8);
}
inline void Put32(Bytes& out, uint32_t v) {
    Put16(out, v);
    Put16(out, v >> 16);
}
inline void Put32BigEndian(Bytes& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) Put8(out, v >> shift);
}
// A loop rather than insert(): GCC 12 warns falsely about insert() from a short literal.
inline void PutText(Bytes& out, std::string_view text) {
    for (char c : text) Put8(out, static_cast<uint8_t>(c));
}

}  // namespace zelt::artgen
