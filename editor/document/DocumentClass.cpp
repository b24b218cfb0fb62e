#include "editor/document/DocumentClass.h"

namespace zelt {

TemplateDocument& Doc() {
    static TemplateDocument document;
    return document;
}

std::optional<int> ResolveTileIndex(int index) {
    const TemplateDocument& doc = Doc();
    if (!doc.open) return std::nullopt;
    if (index == -1) index = doc.selected;
    if (index < 0 || static_cast<size_t>(index) >= doc.tiles.size()) return std::nullopt;
    return index;
}

TileRecord* TileAt(int index) {
    const std::optional<int> at = ResolveTileIndex(index);
    return at ? &Doc().tiles[static_cast<size_t>(*at)] : nullptr;
}

int TileCount() { return static_cast<int>(Doc().tiles.size()); }

bool HasSelectedTile() { return ResolveTileIndex(-1).has_value(); }

namespace {

// Copies the tiles that differ from the previous state; walks both lists together so that an added
// or removed tile does not make every tile after it count as changed.
TileSnapshot TakeSnapshot(const std::vector<TileRecord>& tiles, const TileSnapshot* previous) {
    TileSnapshot snapshot;
    snapshot.reserve(tiles.size());
    const size_t count = previous ? previous->size() : 0;
    size_t j = 0;
    auto same = [&](size_t at, const TileRecord& tile) { return at < count && *(*previous)[at] == tile; };
    for (size_t i = 0; i < tiles.size(); ++i) {
        if (same(j, tiles[i])) {
            snapshot.push_back((*previous)[j++]);
        } else if (same(j + 1, tiles[i])) {  // the tile before it was removed
            snapshot.push_back((*previous)[j + 1]);
            j += 2;
        } else {
            snapshot.push_back(std::make_shared<const TileRecord>(CopyTile(tiles[i])));
            // A changed tile takes the place of the old one; an added tile leaves it for the next.
            if (!(i + 1 < tiles.size() && same(j, tiles[i + 1]))) ++j;
        }
    }
    return snapshot;
}

std::vector<TileRecord> TilesOf(const TileSnapshot& snapshot) {
    std::vector<TileRecord> tiles;
    tiles.reserve(snapshot.size());
    for (const auto& tile : snapshot) tiles.push_back(*tile);
    return tiles;
}

bool SameTiles(const TileSnapshot& a, const TileSnapshot& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i] && *a[i] != *b[i]) return false;
    }
    return true;
}

}  // namespace

void MarkEdited() {
    RecordSnapshot();
    Doc().modified = DiffersFromSaved();
}

void MarkSaved() {
    TemplateDocument& doc = Doc();
    doc.modified = false;
    UndoHistory& undo = doc.undo;
    if (undo.position < 0) return;
    // Saving may have added depth data to tiles; the current state takes the tiles as written.
    TileSnapshot& current = undo.states[static_cast<size_t>(undo.position)];
    current = TakeSnapshot(doc.tiles, &current);
    undo.saved = current;
}

bool DiffersFromSaved() {
    const UndoHistory& undo = Doc().undo;
    if (undo.position < 0 || !undo.saved) return true;
    return !SameTiles(undo.states[static_cast<size_t>(undo.position)], *undo.saved);
}

void ResetUndo() {
    UndoHistory& undo = Doc().undo;
    undo.states.clear();
    undo.states.push_back(TakeSnapshot(Doc().tiles, nullptr));
    undo.position = 0;
    undo.saved.reset();
}

void RecordSnapshot() {
    UndoHistory& undo = Doc().undo;
    if (undo.position < 0) return;
    undo.states.resize(static_cast<size_t>(undo.position) + 1);  // drops the redo branch
    undo.states.push_back(TakeSnapshot(Doc().tiles, &undo.states.back()));
    ++undo.position;
    if (undo.position > kMaxUndoSteps) {
        undo.states.pop_front();
        --undo.position;
    }
}

bool CanUndo() { return Doc().undo.position > 0; }

bool CanRedo() {
    const UndoHistory& undo = Doc().undo;
    return undo.position >= 0 && static_cast<size_t>(undo.position) + 1 < undo.states.size();
}

bool Undo() {
    if (!CanUndo()) return false;
    UndoHistory& undo = Doc().undo;
    --undo.position;
    Doc().tiles = TilesOf(undo.states[static_cast<size_t>(undo.position)]);
    Doc().modified = DiffersFromSaved();
    return true;
}

bool Redo() {
    if (!CanRedo()) return false;
    UndoHistory& undo = Doc().undo;
    ++undo.position;
    Doc().tiles = TilesOf(undo.states[static_cast<size_t>(undo.position)]);
    Doc().modified = DiffersFromSaved();
    return true;
}

void ReleaseDocumentContents() {
    TemplateDocument& doc = Doc();
    doc.tiles.clear();
    doc.tiles.shrink_to_fit();
    doc.open = false;
    doc.selected = 0;
    doc.modified = false;
    doc.undo = UndoHistory{};
}

}  // namespace zelt
