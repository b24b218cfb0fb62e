// A new template of empty tiles on the regular isometric grid.
#pragma once

#include "editor/template/GameTables.h"

namespace zelt {

// Replaces the document by rows x columns empty tiles of the family's cell size, row by row,
// each with the terrain code of the terrain name index and generated Z data. The new document is
// open, modified and untitled. Fails, changing nothing, for an unknown family, a terrain name that
// cannot be stored, a grid of more cells than a template file holds, or a cancelled close flow.
bool CreateTemplate(GameKind kind, int rows, int columns, int terrainNameIndex);

}  // namespace zelt
