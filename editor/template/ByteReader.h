// Bounded little-endian reads over a byte buffer: every read says whether it stayed inside.
#pragma once
#include <cstdint>
#include <span>

namespace zelt {

// True when [offset, offset + size) lies inside a buffer of bufferSize bytes.
inline bool RangeInside(int64_t offset, int64_t size, size_t bufferSize) {
    return offset >= 0 && size >= 0 && offset <= static_cast<int64_t>(bufferSize) &&
           size <= static_cast<int64_t>(bufferSize) - offset;
}

inline int32_t LoadI32(const uint8_t* p) {
    return static_cast<int32_t>(static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
                                static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24);
}

inline void StoreI32(uint8_t* p, int32_t value) {
    uint32_t v = static_cast<uint32_t>(value);
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
    p[2] = static_cast<uint8_t>(v >> 16);
    p[3] = static_cast<uint8_t>(v >> 24);
}

// Reads an int32 at offset when it lies inside the buffer.
inline bool ReadI32(std::span<const uint8_t> bytes, int64_t offset, int32_t& out) {
    if (!RangeInside(offset, 4, bytes.size())) return false;
    out = LoadI32(bytes.data() + offset);
    return true;
}

}  // namespace zelt
