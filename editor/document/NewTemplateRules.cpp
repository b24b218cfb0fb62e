#include "editor/document/NewTemplateRules.h"

#include <cstdint>

#include "editor/template/GameTables.h"
#include "editor/template/TemplateFile.h"

namespace zelt {

namespace {

int InRangeOr(int value, int low, int high, int otherwise) { return value >= low && value <= high ? value : otherwise; }

}  // namespace

NewTemplateChoices ChoicesOfSettings(const EditorSettings& settings) {
    NewTemplateChoices choices;
    choices.width = InRangeOr(settings.newWidth, 0, 100, 1);
    choices.height = InRangeOr(settings.newHeight, 0, 100, 1);
    choices.game = InRangeOr(settings.newGame, 0, 1, 0);
    choices.theater = InRangeOr(settings.newTheater, 0, kTheaterCount - 1, 0);
    choices.terrainType = InRangeOr(settings.newTerrainType, 0, kTerrainNameCount - 1, 0);
    return choices;
}

void StoreChoices(EditorSettings& settings, const NewTemplateChoices& choices) {
    settings.newWidth = choices.width;
    settings.newHeight = choices.height;
    settings.newGame = choices.game;
    settings.newTheater = choices.theater;
    settings.newTerrainType = choices.terrainType;
}

int CellCountOfText(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    if (text.empty()) return 1;
    constexpr int64_t kCap = 1'000'000'000;
    int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return 1;
        if (value < kCap) value = value * 10 + (c - '0');
    }
    if (value == 0) return 1;
    return static_cast<int>(value < kCap ? value : kCap);
}

bool GridFitsTemplate(int rows, int columns) {
    return rows >= 0 && columns >= 0 && int64_t{rows} * columns <= kMaxTemplateCells;
}

bool IsUnsupportedTerrain(int nameIndex) { return nameIndex == 4 || nameIndex == 5 || nameIndex == 11; }

}  // namespace zelt
