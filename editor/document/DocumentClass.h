// The one open template: its tiles, family, palette, file name, save options and undo history.
#pragma once
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "editor/template/GameTables.h"
#include "editor/template/Palette.h"
#include "editor/template/TileRecord.h"

namespace zelt {

inline constexpr size_t kMaxPathLength = 259;
inline constexpr size_t kMaxSignatureLength = 126;
inline constexpr int kMaxUndoSteps = 20;

// A state of the whole tile list. A tile equal to the one at its place in the state before is shared
// with it rather than copied, so twenty steps of a large template do not hold twenty copies of it.
using TileSnapshot = std::vector<std::shared_ptr<const TileRecord>>;

// The states of the tile list; position indexes the current one.
struct UndoHistory {
    std::deque<TileSnapshot> states;
    int position = -1;  // -1: no history (no document)
};

struct TemplateDocument {
    std::vector<TileRecord> tiles;
    int selected = 0;  // -1: no tile selected
    bool open = false;
    bool modified = false;
    GameKind gameKind = kRa2Yr;
    int cellW = 0;
    int cellH = 0;
    std::optional<PaletteTable> palette;
    std::string paletteName;  // the palette file's name, as the properties panel shows it
    std::string fileName;  // empty: untitled
    std::string signature;
    bool leaveZOut = false;
    bool includeSignature = false;
    UndoHistory undo;
};

TemplateDocument& Doc();

// The tile access rule: index -1 stands for the selected tile. Refused (none / nullptr) without an
// open document, for -1 without a selection, and for an index outside the list.
std::optional<int> ResolveTileIndex(int index);
TileRecord* TileAt(int index);
int TileCount();
bool HasSelectedTile();

// Sets modified and records an undo snapshot, as every successful edit ends.
void MarkEdited();

void ResetUndo();
void RecordSnapshot();
bool CanUndo();
bool CanRedo();
bool Undo();
bool Redo();

// Releases the tiles and the history without asking: open = false, selected = 0, modified = false.
// The file name and the palette stay.
void ReleaseDocumentContents();

}  // namespace zelt
