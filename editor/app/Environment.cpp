#include "editor/app/Environment.h"

#include <cstring>
#include <optional>

#include "editor/template/FileBytes.h"
#include "editor/template/Utf8Text.h"

namespace zelt {

namespace {

constexpr size_t kHotkeyRecordSize = 12;
constexpr size_t kButtonRecordSize = sizeof(ToolbarButton);

void Put32(std::vector<uint8_t>& out, uint32_t value) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// Reads forward over the bytes; every read checks that the bytes are there.
class Reader {
public:
    explicit Reader(std::span<const uint8_t> bytes) : bytes_(bytes) {}
    size_t Remaining() const { return bytes_.size() - position_; }
    bool Read32(uint32_t& value) {
        if (Remaining() < 4) return false;
        value = 0;
        for (int i = 0; i < 4; ++i) value |= static_cast<uint32_t>(bytes_[position_ + i]) << (8 * i);
        position_ += 4;
        return true;
    }
    bool Read8(uint8_t& value) {
        if (Remaining() < 1) return false;
        value = bytes_[position_++];
        return true;
    }
    bool ReadBytes(void* target, size_t size) {
        if (Remaining() < size) return false;
        std::memcpy(target, bytes_.data() + position_, size);
        position_ += size;
        return true;
    }

private:
    std::span<const uint8_t> bytes_;
    size_t position_ = 0;
};

struct HotkeyRecord {
    uint32_t sequence = 0;
    uint32_t key = 0;
    uint8_t shift = 0, alt = 0, ctrl = 0, extended = 0;
};

bool ReadHotkey(Reader& reader, HotkeyRecord& record) {
    return reader.Read32(record.sequence) && reader.Read32(record.key) && reader.Read8(record.shift) &&
           reader.Read8(record.alt) && reader.Read8(record.ctrl) && reader.Read8(record.extended);
}

bool ReadButton(Reader& reader, ToolbarButton& button) {
    uint32_t command = 0, sequence = 0, image = 0;
    char text[sizeof button.text] = {};
    if (!reader.Read32(command) || !reader.Read32(sequence) || !reader.Read32(image) ||
        !reader.ReadBytes(text, sizeof text))
        return false;
    button.command = static_cast<int32_t>(command);
    button.sequence = static_cast<int32_t>(sequence);
    button.image = static_cast<int32_t>(image);
    // A text an earlier version stored in the ANSI code page reads as that.
    SetButtonText(button, TextOfStoredBytes(std::string_view(text, strnlen(text, kMaxButtonText))));
    return true;
}

}  // namespace

std::vector<uint8_t> EncodeEnvironment(const CommandTable& table, const ToolbarLayout& layout) {
    std::vector<uint8_t> out;
    Put32(out, kHotkeyMagic);
    Put32(out, static_cast<uint32_t>(table.records.size()));
    Put32(out, static_cast<uint32_t>(layout.buttons.size()));
    for (const CommandRecord& record : table.records) {
        Put32(out, record.sequence);
        Put32(out, record.key);
        out.insert(out.end(), {record.shift, record.alt, record.ctrl, record.extended});
    }
    Put32(out, kToolbarMagic);
    Put32(out, static_cast<uint32_t>(layout.buttons.size()));
    for (const ToolbarButton& button : layout.buttons) {
        Put32(out, static_cast<uint32_t>(button.command));
        Put32(out, static_cast<uint32_t>(button.sequence));
        Put32(out, static_cast<uint32_t>(button.image));
        out.insert(out.end(), button.text, button.text + sizeof button.text);
    }
    return out;
}

bool DecodeEnvironment(std::span<const uint8_t> bytes, CommandTable& table, ToolbarLayout& layout) {
    Reader reader(bytes);
    uint32_t magic = 0, hotkeyCount = 0, buttonCount = 0;
    if (!reader.Read32(magic) || magic != kHotkeyMagic) return false;
    if (!reader.Read32(hotkeyCount) || !reader.Read32(buttonCount)) return false;
    if (hotkeyCount > kMaxEnvironmentRecords || hotkeyCount * kHotkeyRecordSize > reader.Remaining())
        return false;
    std::vector<HotkeyRecord> hotkeys(hotkeyCount);
    for (HotkeyRecord& record : hotkeys)
        if (!ReadHotkey(reader, record)) return false;
    uint32_t secondCount = 0;
    if (!reader.Read32(magic) || magic != kToolbarMagic) return false;
    if (!reader.Read32(secondCount) || secondCount != buttonCount) return false;
    if (buttonCount > kMaxEnvironmentRecords || buttonCount * kButtonRecordSize > reader.Remaining())
        return false;
    ToolbarLayout read;
    read.buttons.resize(buttonCount);
    for (ToolbarButton& button : read.buttons)
        if (!ReadButton(reader, button)) return false;

    // Sound throughout: apply it all. Records naming no command of this menu are skipped.
    for (const HotkeyRecord& hotkey : hotkeys) {
        for (CommandRecord& record : table.records) {
            if (record.sequence != hotkey.sequence) continue;
            record.key = hotkey.key;
            record.shift = hotkey.shift;
            record.alt = hotkey.alt;
            record.ctrl = hotkey.ctrl;
            record.extended = hotkey.extended;
            break;
        }
    }
    layout = std::move(read);
    return true;
}

EnvironmentLoad LoadEnvironmentFile(const std::string& path, CommandTable& table, ToolbarLayout& layout) {
    const std::optional<std::vector<uint8_t>> bytes = ReadWholeFile(path);
    if (!bytes) return EnvironmentLoad::kMissing;
    return DecodeEnvironment(*bytes, table, layout) ? EnvironmentLoad::kLoaded : EnvironmentLoad::kDamaged;
}

bool SaveEnvironmentFile(const std::string& path, const CommandTable& table, const ToolbarLayout& layout,
                         std::string& error) {
    return WriteFileAtomic(path, EncodeEnvironment(table, layout), error);
}

}  // namespace zelt
