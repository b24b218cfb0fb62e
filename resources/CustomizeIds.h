// Identifiers of the editor's customize resources, shared by the resource script and the code.
#pragma once

// The toolbar's images: a strip of 48 x 48 pictures on RGB (200, 200, 200).
#define IDB_EDITOR_TOOLBAR 142

// The customisation sheet's hotkey page.
#define IDD_CUSTOMIZE_HOTKEYS 160
#define IDC_CUST_COMMANDS 1013
#define IDC_CUST_HOTKEY 1037
#define IDC_CUST_HINT 1038
#define IDC_CUST_CONFLICT 1039
#define IDC_CUST_ASSIGN 1040
#define IDC_CUST_RESET 1041

// The customisation sheet's toolbar page.
#define IDD_CUSTOMIZE_TOOLBAR 102
#define IDC_TB_NAME 1000
#define IDC_TB_ACTION 1002
#define IDC_TB_NEW 1010
#define IDC_TB_DELETE 1011
#define IDC_TB_BUTTONS 1013
#define IDC_TB_UP 1043
#define IDC_TB_DOWN 1044
#define IDC_TB_RESET 1045
#define IDC_TB_ICON 1046
#define IDC_TB_SELECT_ICON 1047

// The icon picker with its strip of toolbar images.
#define IDD_ICON_PICKER 216
#define IDC_ICON_SELECT 1048
