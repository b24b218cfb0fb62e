#include <cstdint>
#include <string>
#include <string_view>

#include "editor/settings/IniFile.h"
#include "editor/settings/SettingsValues.h"
#include "editor/template/PathText.h"

namespace {

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

}  // namespace

// Any text: reading never fails; after setting a key, reading it gives the value, and a key of
// another section keeps the value it had.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    // The section and key names come from the input's first line ("section=key"), so that they meet
    // the file's own lines.
    const std::string_view first = text.substr(0, std::min(text.find('\n'), size));
    const size_t equals = first.find('=');
    std::string section = "General", key = "QuickEditMode";
    if (equals != std::string_view::npos && zelt::IniNameValid(first.substr(0, equals), first.substr(equals + 1))) {
        section = first.substr(0, equals);
        key = first.substr(equals + 1);
    }

    zelt::ParseRect(text);
    zelt::ParseColour(text);
    zelt::ParseInt(text);
    const std::optional<std::string> other = zelt::IniGet(text, "Zz-Other", "Other");

    const std::string updated = zelt::IniSet(text, section, key, "value 1");
    if (zelt::IniGet(updated, section, key) != std::optional<std::string>("value 1")) __builtin_trap();
    if (!zelt::EqualsNoCase(Trim(section), "Zz-Other") && zelt::IniGet(updated, "Zz-Other", "Other") != other)
        __builtin_trap();
    return 0;
}
