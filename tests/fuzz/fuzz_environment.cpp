// "Environment.dat" from arbitrary bytes: a sound file is taken whole and writes back to a file that
// reads the same; anything else changes nothing at all.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>
#include <string>
#include <vector>

#include "editor/app/CommandTable.h"
#include "editor/app/Environment.h"

using namespace zelt;

namespace {

CommandTable DefaultTable() {
    std::vector<MenuItem> menu(1);
    menu[0].submenu = true;
    menu[0].text = "GUI:FILE";
    for (uint32_t id = 32780; id < 32800; ++id) {
        MenuItem item;
        item.text = "GUI:ITEM";
        item.id = id;
        menu[0].items.push_back(item);
    }
    CommandTable table;
    BuildCommandTableFromMenu(table, menu, [](const char* key) { return std::string(key); });
    return table;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const CommandTable defaults = DefaultTable();
    CommandTable table = defaults;
    ToolbarLayout layout;
    SetDefaultToolbar(layout, [](const char* key) { return std::string(key); });
    const std::vector<uint8_t> before = EncodeEnvironment(table, layout);

    if (!DecodeEnvironment(std::span<const uint8_t>(data, size), table, layout)) {
        if (EncodeEnvironment(table, layout) != before) std::abort();  // a refused file changed something
        return 0;
    }
    if (table.records.size() != defaults.records.size() || layout.buttons.size() > kMaxEnvironmentRecords)
        std::abort();
    for (const ToolbarButton& button : layout.buttons)
        if (std::strlen(button.text) > kMaxButtonText) std::abort();
    // What was taken writes back to a file that reads the same.
    const std::vector<uint8_t> written = EncodeEnvironment(table, layout);
    CommandTable again = defaults;
    ToolbarLayout againLayout;
    if (!DecodeEnvironment(written, again, againLayout) || EncodeEnvironment(again, againLayout) != written)
        std::abort();
    return 0;
}
