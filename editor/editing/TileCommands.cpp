#include "editor/editing/TileCommands.h"

#include <utility>

#include "editor/document/DocumentClass.h"
#include "editor/document/DocumentUi.h"
#include "editor/document/ViewFlags.h"
#include "editor/template/TileLayout.h"

namespace zelt {

namespace {

void SelectAndFollow(int index) {
    Doc().selected = index;
    Views().stripCurrentTile = index;
}

// After the list shrank (delete, undo, redo) the selection stays on a tile: the last one when it
// fell off the end, none (-1) when the list is empty. No selection stays none.
void KeepSelectionInList() {
    TemplateDocument& doc = Doc();
    if (doc.tiles.empty()) doc.selected = -1;
    else if (doc.selected >= TileCount()) doc.selected = TileCount() - 1;
    Views().stripCurrentTile = doc.selected;
}

TileRecord EmptyTile() {
    TileRecord tile;
    tile.diamond.assign(static_cast<size_t>(DiamondSize(Doc().cellW, Doc().cellH)), 0);
    return tile;
}

}  // namespace

void RefreshAll() { RequestRefresh(kRefreshAll); }

bool SelectTile(int index) {
    const std::optional<int> selected = ResolveTileIndex(-1);
    const std::optional<int> target = ResolveTileIndex(index);
    if (!selected || index < 0 || !target || *target == *selected) return false;
    SelectAndFollow(*target);
    RequestRefresh(kRefreshAll | kRefreshHotButtons);
    return true;
}

bool AddTile() {
    TemplateDocument& doc = Doc();
    if (!doc.open) return false;
    TileRecord tile = EmptyTile();
    // The new tile always gets the default depth, whatever was selected before; no other tile is
    // touched.
    GenerateZData(tile, doc.cellW, doc.cellH);
    doc.tiles.push_back(std::move(tile));
    SelectAndFollow(TileCount() - 1);
    MarkEdited();
    RequestRefresh(kRefreshAll | kRefreshHotButtons);
    return true;
}

bool DeleteTile() {
    const std::optional<int> at = ResolveTileIndex(-1);
    if (!at) return false;
    TemplateDocument& doc = Doc();
    doc.tiles.erase(doc.tiles.begin() + *at);
    doc.selected = *at > 0 ? *at - 1 : 0;
    KeepSelectionInList();
    MarkEdited();
    RequestRefresh(kRefreshAll | kRefreshHotButtons);
    return true;
}

bool CloneTile() {
    const TileRecord* source = TileAt(-1);
    if (!source) return false;
    TemplateDocument& doc = Doc();
    TileRecord clone = CopyTile(*source);
    GenerateZData(clone, doc.cellW, doc.cellH);
    if (!clone.hasExtra) clone.extraZData.clear();
    doc.tiles.push_back(std::move(clone));  // source is not used past this point
    SelectAndFollow(TileCount() - 1);
    MarkEdited();
    RequestRefresh(kRefreshAll | kRefreshHotButtons);
    return true;
}

bool SwapTile() {
    if (!HasSelectedTile()) return false;
    const std::optional<int> number = Ui().AskNumber("GUI:ENTERTILENUM");
    if (!number) return false;
    return SwapTiles(-1, *number - 1);
}

bool SwapTiles(int selected, int target) {
    const std::optional<int> s = ResolveTileIndex(selected);
    if (!s || target < 0) return false;
    const std::optional<int> t = ResolveTileIndex(target);
    if (!t || *t == *s) return false;
    std::vector<TileRecord>& tiles = Doc().tiles;
    TileRecord& a = tiles[static_cast<size_t>(*s)];
    TileRecord& b = tiles[static_cast<size_t>(*t)];
    std::swap(a.x, b.x);
    std::swap(a.y, b.y);
    std::swap(a, b);
    MarkEdited();
    RequestRefresh(kRefreshAll | kRefreshHotButtons);
    return true;
}

bool NextTile() {
    const TemplateDocument& doc = Doc();
    if (!doc.open || doc.tiles.empty()) return false;
    int next = doc.selected + 1;
    if (next < 0 || next >= TileCount()) next = 0;
    SelectAndFollow(next);
    RequestRefresh(kRefreshAll | kRefreshHotButtons);
    return true;
}

bool PreviousTile() {
    const TemplateDocument& doc = Doc();
    if (!doc.open || doc.tiles.empty()) return false;
    int previous = doc.selected - 1;
    if (previous < 0 || previous >= TileCount()) previous = TileCount() - 1;
    SelectAndFollow(previous);
    RequestRefresh(kRefreshAll | kRefreshHotButtons);
    return true;
}

void Unselect() {
    SelectAndFollow(-1);
    RequestRefresh(kRefreshHotButtons | kRefreshMainView | kRefreshStrip);
}

bool DeleteExtraImage() {
    TileRecord* tile = TileAt(-1);
    if (!tile || !tile->hasExtra) return false;
    // The extra box keeps its place and size; only the pixels and their depth go.
    tile->extraImage.clear();
    tile->extraImage.shrink_to_fit();
    tile->extraZData.clear();
    tile->extraZData.shrink_to_fit();
    tile->hasExtra = false;
    MarkEdited();
    RequestRefresh(kRefreshAll | kRefreshHotButtons);
    return true;
}

void ToggleShowNormalImages() {
    Views().showNormalImages = !Views().showNormalImages;
    RequestRefresh(kRefreshWindowState | kRefreshMainView);
}

void ToggleShowExtraImages() {
    Views().showExtraImages = !Views().showExtraImages;
    RequestRefresh(kRefreshWindowState | kRefreshMainView);
}

// Undo and Redo leave the document modified exactly when the state they reach differs from the file:
// undoing back to it makes closing ask nothing.
bool UndoCommand() {
    if (!Undo()) return false;
    KeepSelectionInList();
    RequestRefresh(kRefreshAll | kRefreshHotButtons);
    return true;
}

bool RedoCommand() {
    if (!Redo()) return false;
    KeepSelectionInList();
    RequestRefresh(kRefreshAll | kRefreshHotButtons);
    return true;
}

}  // namespace zelt
