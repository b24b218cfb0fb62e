#include "editor/strings/CsfFile.h"

#include "editor/template/ByteReader.h"

namespace zelt {

namespace {

bool ReadU32(std::span<const uint8_t> bytes, int64_t& offset, uint32_t& out) {
    int32_t value = 0;
    if (!ReadI32(bytes, offset, value)) return false;
    out = static_cast<uint32_t>(value);
    offset += 4;
    return true;
}

void PutU32(std::vector<uint8_t>& out, uint32_t value) {
    uint8_t b[4];
    StoreI32(b, static_cast<int32_t>(value));
    out.insert(out.end(), b, b + 4);
}

}  // namespace

bool DecodeCsf(std::span<const uint8_t> bytes, CsfContents& out, std::string& error) {
    out = {};
    uint32_t magic = 0, stringCount = 0, reserved = 0;
    int64_t at = 0;
    if (bytes.size() < kCsfHeaderSize) {
        error = "shorter than a string-table header";
        return false;
    }
    ReadU32(bytes, at, magic);
    ReadU32(bytes, at, out.version);
    ReadU32(bytes, at, out.labelCount);
    ReadU32(bytes, at, stringCount);
    ReadU32(bytes, at, reserved);
    ReadU32(bytes, at, out.language);
    if (magic != kCsfMagic) {
        error = "not a string-table file (wrong header magic)";
        return false;
    }
    while (at < static_cast<int64_t>(bytes.size())) {
        const int64_t recordStart = at;
        uint32_t labelMagic = 0, valueCount = 0, nameLength = 0;
        if (!ReadU32(bytes, at, labelMagic)) break;  // end of file inside a record
        if (labelMagic != kCsfLabelMagic) {
            error = "wrong label magic at offset " + std::to_string(recordStart);
            out.entries.clear();
            return false;
        }
        if (!ReadU32(bytes, at, valueCount) || !ReadU32(bytes, at, nameLength)) break;
        if (!RangeInside(at, nameLength, bytes.size())) break;
        CsfEntry entry;
        entry.name.assign(reinterpret_cast<const char*>(bytes.data() + at), nameLength);
        at += nameLength;
        uint32_t valueMagic = 0, units = 0;
        if (!ReadU32(bytes, at, valueMagic)) break;
        if (valueMagic != kCsfValueMagic) {
            error = "wrong value magic in label \"" + entry.name + "\"";
            out.entries.clear();
            return false;
        }
        if (!ReadU32(bytes, at, units)) break;
        if (!RangeInside(at, 2 * static_cast<int64_t>(units), bytes.size())) break;
        entry.value.resize(units);
        for (uint32_t i = 0; i < units; ++i) {
            const uint8_t* p = bytes.data() + at + 2 * static_cast<int64_t>(i);
            entry.value[i] = static_cast<char16_t>(~(p[0] | p[1] << 8) & 0xFFFF);
        }
        at += 2 * static_cast<int64_t>(units);
        out.entries.push_back(std::move(entry));
    }
    return true;
}

std::vector<uint8_t> EncodeCsf(const std::vector<CsfEntry>& entries, uint32_t version, uint32_t language) {
    std::vector<uint8_t> out;
    PutU32(out, kCsfMagic);
    PutU32(out, version);
    PutU32(out, static_cast<uint32_t>(entries.size()));
    PutU32(out, static_cast<uint32_t>(entries.size()));
    PutU32(out, 0);
    PutU32(out, language);
    for (const CsfEntry& entry : entries) {
        PutU32(out, kCsfLabelMagic);
        PutU32(out, 1);
        PutU32(out, static_cast<uint32_t>(entry.name.size()));
        out.insert(out.end(), entry.name.begin(), entry.name.end());
        PutU32(out, kCsfValueMagic);
        PutU32(out, static_cast<uint32_t>(entry.value.size()));
        for (char16_t unit : entry.value) {
            const uint16_t stored = static_cast<uint16_t>(~unit);
            out.push_back(static_cast<uint8_t>(stored));
            out.push_back(static_cast<uint8_t>(stored >> 8));
        }
    }
    return out;
}

}  // namespace zelt
