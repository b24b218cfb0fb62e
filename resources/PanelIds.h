// Identifiers of the editor's panel resources, shared by the resource script and the code.
#pragma once

// The tile properties panel (a modeless child dialog).
#define IDD_PROPERTIES_PANEL 133
#define IDC_PANEL_X 1000
#define IDC_PANEL_Y 1001
#define IDC_PANEL_EXTRA_X 1002
#define IDC_PANEL_EXTRA_Y 1003
#define IDC_PANEL_X_SPIN 1004
#define IDC_PANEL_Y_SPIN 1005
#define IDC_PANEL_EXTRA_X_SPIN 1006
#define IDC_PANEL_EXTRA_Y_SPIN 1007
#define IDC_PANEL_HEIGHT 1008
#define IDC_PANEL_HEIGHT_SPIN 1009
#define IDC_PANEL_LEFT_COLOUR 1010
#define IDC_PANEL_RIGHT_COLOUR 1011
#define IDC_PANEL_TERRAIN 1012
#define IDC_PANEL_PALETTE 1016
#define IDC_PANEL_RAMP 1035
#define IDC_PANEL_DAMAGED_ART 1042
// The ramp pictures: bitmap IDB_RAMP_FIRST + ramp type, 0 ... 20.
#define IDB_RAMP_FIRST 400

// The New template dialog.
#define IDD_NEW_TEMPLATE 130
#define IDC_NEW_WIDTH 1000
#define IDC_NEW_HEIGHT 1001
#define IDC_NEW_GAME 1002
#define IDC_NEW_THEATER 1012
#define IDC_NEW_TERRAIN 1035

// The save options dialog.
#define IDD_SAVE_OPTIONS 207
#define IDC_SO_16BIT 1001
#define IDC_SO_LEAVE_Z_OUT 1002
#define IDC_SO_INCLUDE_SIGNATURE 1003
#define IDC_SO_SIGNATURE 1004
#define IDC_SO_RESET 1005

// The tile number dialog.
#define IDD_TILE_NUMBER 221
#define IDC_TN_NUMBER 1000

// The tip of the day.
#define IDD_TIP_OF_THE_DAY 104
#define IDB_TIP_PICTURE 132
#define IDC_TIP_PICTURE 1000
#define IDC_TIP_TEXT 1001
#define IDC_TIP_SHOW_AT_START 1002
#define IDC_TIP_NEXT 1003

// The classic about dialog.
#define IDD_CLASSIC_ABOUT 103
#define IDC_ABOUT_ICON 1000
#define IDC_ABOUT_NAME 1001
#define IDC_ABOUT_VERSION 1002
