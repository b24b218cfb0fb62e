#include "editor/template/DocumentClass.h"

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

void MarkEdited() {
    Doc().modified = true;
    RecordSnapshot();
}

void ResetUndo() {
    UndoHistory& undo = Doc().undo;
    undo.states.clear();
    undo.states.push_back(Doc().tiles);
    undo.position = 0;
}

void RecordSnapshot() {
    UndoHistory& undo = Doc().undo;
    if (undo.position < 0) return;
    undo.states.resize(static_cast<size_t>(undo.position) + 1);  // drops the redo branch
    undo.states.push_back(Doc().tiles);
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
    Doc().tiles = undo.states[static_cast<size_t>(undo.position)];
    return true;
}

bool Redo() {
    if (!CanRedo()) return false;
    UndoHistory& undo = Doc().undo;
    ++undo.position;
    Doc().tiles = undo.states[static_cast<size_t>(undo.position)];
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
