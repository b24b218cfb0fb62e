#include <cstdint>
#include <cstring>
#include <span>
#include <string>

#include "editor/strings/CsfFile.h"
#include "editor/strings/StringTable.h"
#include "editor/template/Utf8Text.h"

// Any bytes: the table either fails to build or finds every label it holds, each value within its
// length; what decodes encodes back to the same records.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    zelt::StringTable table;
    if (zelt::BuildStringTable(bytes, table)) {
        for (const zelt::StringLabel& label : table.labels) {
            if (!zelt::HasString(table, label.name.c_str())) __builtin_trap();
            const char* text = zelt::LookupIn(table, {}, label.name.c_str());
            // The limit counts characters as Windows does; a value is UTF-8, up to three bytes each.
            if (zelt::Utf16Length(text) > zelt::kMaxValueText) __builtin_trap();
        }
        zelt::LookupIn(table, {}, "GUI:NOT-A-LABEL-IN-ANY-TABLE");
    }
    zelt::CsfContents contents;
    std::string error;
    if (zelt::DecodeCsf(bytes, contents, error)) {
        zelt::CsfContents again;
        if (!zelt::DecodeCsf(zelt::EncodeCsf(contents.entries), again, error)) __builtin_trap();
        if (again.entries.size() != contents.entries.size()) __builtin_trap();
        for (size_t i = 0; i < again.entries.size(); ++i) {
            if (again.entries[i].name != contents.entries[i].name || again.entries[i].value != contents.entries[i].value)
                __builtin_trap();
        }
    }
    return 0;
}
