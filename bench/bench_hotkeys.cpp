// The hotkey dispatcher's matching over a full command table: a key no command holds (the whole table
// scanned) and the last command's hotkey.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench/RatioReporter.h"
#include "editor/app/CommandTable.h"

using namespace zelt;

namespace {

// A menu bar of seven menus with 48 commands, as large as the editor's, plus the hot-button commands
// the table adds.
CommandTable FullTable() {
    std::vector<MenuItem> menu;
    uint32_t id = 32780;
    for (int m = 0; m < 7; ++m) {
        MenuItem popup;
        popup.text = "GUI:MENU" + std::to_string(m);
        popup.submenu = true;
        for (int i = 0; i < 7; ++i) {
            MenuItem item;
            item.text = "GUI:ITEM" + std::to_string(id);
            item.id = id++;
            popup.items.push_back(item);
        }
        menu.push_back(popup);
    }
    CommandTable table;
    BuildCommandTableFromMenu(table, menu, [](const char* key) { return std::string(key); });
    table.records.back().key = 'K';
    table.records.back().ctrl = 1;
    table.records.back().shift = 1;
    return table;
}

const CommandTable& Table() {
    static const CommandTable table = FullTable();
    return table;
}

void BM_HotkeyMiss(benchmark::State& state) {
    const KeyCombination pressed{'J', true, false, true, false};
    for (auto _ : state) benchmark::DoNotOptimize(MatchHotkey(Table(), pressed));
}

void BM_HotkeyLastCommand(benchmark::State& state) {
    const KeyCombination pressed{'K', true, false, true, false};
    for (auto _ : state) benchmark::DoNotOptimize(MatchHotkey(Table(), pressed));
}

BENCHMARK(BM_HotkeyMiss)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_HotkeyLastCommand)->Unit(benchmark::kNanosecond);

}  // namespace

int main(int argc, char** argv) {
    RatioReporter reporter;
    RunRepeated(argc, argv, reporter);
    const Spread miss = SpreadOf(reporter.times["BM_HotkeyMiss"]);
    const Spread last = SpreadOf(reporter.times["BM_HotkeyLastCommand"]);
    const Spread& worst = miss.median > last.median ? miss : last;
    std::printf("hotkey dispatch over %zu commands, the worst of a miss and the last command\n",
                Table().records.size());
    PrintSpread("hotkey dispatch", worst, " ns");
    Verdict("hotkey dispatch", worst.median, " ns", worst.median < 1000.0, "under 1000 ns");
    return 0;
}
