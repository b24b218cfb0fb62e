// The choices of the New template dialog: remembered in the settings between uses, each read back
// only inside its range, and the grid size taken from the dialog's two number fields.
#pragma once
#include <string_view>

#include "editor/settings/Settings.h"

namespace zelt {

struct NewTemplateChoices {
    int width = 1;        // columns
    int height = 1;       // rows
    int game = 0;         // game list position: 0 TS/FS, 1 RA2/YR
    int theater = 0;      // theater index
    int terrainType = 0;  // terrain name index
};

// The remembered choices: Width and Height 0 ... 100 (else 1), Game 0 or 1, Theater 0 ... 5,
// TerrainType 0 ... 11 (else 0).
NewTemplateChoices ChoicesOfSettings(const EditorSettings& settings);
void StoreChoices(EditorSettings& settings, const NewTemplateChoices& choices);

// Columns or rows from a field's text: an empty field, 0 or text that is not a number counts as 1
// (a grid without tiles could not be saved); very large numbers stay large so the grid check refuses them.
int CellCountOfText(std::string_view text);

// True when a grid of rows x columns fits in a template file (at most 10000 cells).
bool GridFitsTemplate(int rows, int columns);

// Wall, Tiberium and Weeds: listed, but no template of them can be made.
bool IsUnsupportedTerrain(int nameIndex);

}  // namespace zelt
