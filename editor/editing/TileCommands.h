// The quick commands on the tile list and the selection, and the two shared refresh operations.
// Each command that changes the selection makes the strip's current tile follow it.
#pragma once

namespace zelt {

// Title, command states, properties panel, main view and tile strip (nothing while interface
// updates are suspended).
void RefreshAll();
// Selects a tile by index; only while a tile is selected and for a valid, different index.
bool SelectTile(int index);

bool AddTile();           // "GUI:ADD"
bool DeleteTile();        // "GUI:DELETE"
bool CloneTile();         // "GUI:CLONETILE"
bool SwapTile();          // "GUI:SWAPTILE": asks for the other tile's number
bool SwapTiles(int selected, int target);
bool NextTile();          // "GUI:NEXTTILE"
bool PreviousTile();      // "GUI:PREVTILE"
void Unselect();          // "GUI:UNSELECT"
bool DeleteExtraImage();  // "GUI:STPDELETEEIMG"
void ToggleShowNormalImages();  // "GUI:SHOWNIMAGE"
void ToggleShowExtraImages();   // "GUI:SHOWEIMAGE"
bool UndoCommand();       // "GUI:UNDO"
bool RedoCommand();       // "GUI:REDO"

}  // namespace zelt
