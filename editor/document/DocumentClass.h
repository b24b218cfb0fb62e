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
#include "editor/template/Utf8Text.h"

namespace zelt {

// Characters (UTF-16 units, as Windows counts them) of a path the document holds.
inline constexpr size_t kMaxPathLength = 259;
// Whether the document can hold path: a UTF-8 path is longer in bytes than in characters.
inline bool PathFits(const std::string& path) { return Utf16Length(path) <= kMaxPathLength; }
inline constexpr size_t kMaxSignatureLength = 126;
inline constexpr int kMaxUndoSteps = 20;

// A state of the whole tile list. A tile equal to the one at its place in the state before is shared
// with it rather than copied, so twenty steps of a large template do not hold twenty copies of it.
using TileSnapshot = std::vector<std::shared_ptr<const TileRecord>>;

// The states of the tile list; position indexes the current one. saved is the state last loaded or
// saved, kept apart from the list so that it still counts after its step has dropped out.
struct UndoHistory {
    std::deque<TileSnapshot> states;
    int position = -1;  // -1: no history (no document)
    std::optional<TileSnapshot> saved;  // none: never saved (a new template)
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

// Records an undo snapshot and sets modified, as every successful edit ends.
void MarkEdited();
// The current tiles are what the file holds now (after a load or a save): not modified, and the
// saved state of the history.
void MarkSaved();
// Whether the tiles differ from the saved state; true when there is none.
bool DiffersFromSaved();

// A fresh history holding the current tiles, without a saved state.
void ResetUndo();
void RecordSnapshot();
bool CanUndo();
bool CanRedo();
// Undo and Redo set modified to whether the state they reach differs from the saved one.
bool Undo();
bool Redo();

// Releases the tiles and the history without asking: open = false, selected = 0, modified = false.
// The file name and the palette stay.
void ReleaseDocumentContents();

}  // namespace zelt
