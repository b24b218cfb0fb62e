// Command identifiers of the editor: menu items, toolbar buttons, hotkeys, the strip's context menu
// and the hot buttons all send these to the main window.
#pragma once

// File
#define IDM_NEW 32780
#define IDM_OPEN 32781
#define IDM_SAVE 32782
#define IDM_SAVE_AS 32783
#define IDM_SAVE_OPTIONS 32872
#define IDM_CLOSE 32823
#define IDM_EXIT 105
// Edit
#define IDM_UNDO 32876
#define IDM_REDO 32875
#define IDM_COPY_EXTRA_IMAGE 32847
#define IDM_COPY_NORMAL_IMAGE 32848
#define IDM_COPY_TO_CLIPBOARD 32809
#define IDM_PASTE_NORMAL_IMAGE 32892
// View
#define IDM_QUICK_EDIT 32857
#define IDM_ZOOM_IN 32803
#define IDM_ZOOM_OUT 32804
#define IDM_SHOW_NORMAL_IMAGES 32818
#define IDM_SHOW_EXTRA_IMAGES 32820
// Tile
#define IDM_ADD_TILE 32795
#define IDM_DELETE_TILE 32798
#define IDM_CLONE_TILE 32838
#define IDM_SWAP_TILE 32862
#define IDM_AUTO_COLOUR 32835
#define IDM_NEXT_TILE 32858
#define IDM_PREVIOUS_TILE 32859
#define IDM_UNSELECT 32865
// Palette
#define IDM_LOAD_PALETTE 32788
#define IDM_SELECT_PALETTE 32789
#define IDM_PALETTE_PREVIEW 32832
// Tools
#define IDM_FULL_SCREEN 32840
#define IDM_OVERVIEW 32867
#define IDM_AUTO_COLOUR_ALL 32868
#define IDM_IMPORT_ALL 32870
#define IDM_BATCH_IMPORT 32889
#define IDM_EXPORT_TILES 32898
#define IDM_EXPORT_ALL 32891
#define IDM_OPEN_FOLDER 32878
#define IDM_CUSTOMIZE 32850
#define IDM_OPTIONS 32797
// Help
#define IDM_TIP_OF_THE_DAY 32785
#define IDM_HOME 32899
#define IDM_ABOUT 104
// The recent files: IDM_RECENT_FIRST + i opens entry i (0 = oldest).
#define IDM_RECENT_FIRST 3000
// The tile strip's context menu (besides delete tile and auto colour above).
#define IDM_STRIP_EDIT_IMAGE 32842
#define IDM_STRIP_SAVE_NORMAL 32824
#define IDM_STRIP_SAVE_EXTRA 32825
#define IDM_STRIP_IMPORT_NORMAL 32828
#define IDM_STRIP_IMPORT_EXTRA 32829
#define IDM_STRIP_DELETE_EXTRA 32834
#define IDM_STRIP_PAINT_PROGRAM 32844
// The hot buttons around the selected tile.
#define IDM_HOT_UP 140
#define IDM_HOT_RIGHT 141
#define IDM_HOT_DOWN 142
#define IDM_HOT_LEFT 143
#define IDM_HOT_SWITCH 144
#define IDM_HOT_HEIGHT_UP 145
#define IDM_HOT_HEIGHT_DOWN 146

// Resources of the main window.
#define IDR_MAIN_MENU 109
#define IDR_STRIP_MENU 141
