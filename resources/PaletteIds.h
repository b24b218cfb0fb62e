// Identifiers of the palette dialogs and the options dialog, shared by the resource script and the code.
#pragma once

// The palette selection dialog: a list and a tree in the same place, one of them hidden.
#define IDD_SELECT_PALETTE 140
#define IDC_SELPAL_LIST 1500
#define IDC_SELPAL_TREE 1501
#define IDC_SELPAL_PATH 1502

// The palette preview: the grid is painted on the dialog itself.
#define IDD_PALETTE_PREVIEW 156

// The options dialog.
#define IDD_OPTIONS 138
#define IDC_OPT_PICTOR 1000
#define IDC_OPT_RECENT 1001
#define IDC_OPT_RECENT_SPIN 1004
#define IDC_OPT_BACK_COLOUR 1010
#define IDC_OPT_FORE_COLOUR 1011
#define IDC_OPT_FULL_COLOUR_CHOOSER 1019
#define IDC_OPT_WITHOUT_TEXT 1021
#define IDC_OPT_RIGHT_TEXT 1022
#define IDC_OPT_BOTTOM_TEXT 1023
#define IDC_OPT_STRETCH_PREVIEW 1029
#define IDC_OPT_DISABLE_STYLES 1034
#define IDC_OPT_ASSOCIATE 1043
#define IDC_OPT_INVERT_SELECT 1049
#define IDC_OPT_EXTENDED_UI 1050
#define IDC_OPT_DRAW_BOX 1059
