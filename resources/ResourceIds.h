// Identifiers of the program's resources, shared by the resource script and the code.
#pragma once

#define IDI_APPLICATION_ICON 100
#define IDI_VIEWER_ICON 219
#define IDB_SPLASH 151
#define IDB_VIEWER_TOOLBAR 162

// Viewer commands (toolbar and keys).
#define IDC_VIEW_NEXT 125
#define IDC_VIEW_PREVIOUS 126
#define IDC_VIEW_EDIT 127
#define IDC_VIEW_DELETE 128
#define IDC_VIEW_TURN_FORWARD 129
#define IDC_VIEW_TURN_BACK 130
#define IDC_VIEW_ZOOM_IN 131
#define IDC_VIEW_ZOOM_OUT 132
#define IDC_VIEW_SLIDE_SHOW 133
#define IDC_VIEW_BEST_SIZE 134
#define IDC_VIEW_ACTUAL_SIZE 135
#define IDC_VIEW_ABOUT 136
#define IDC_VIEW_COPY_TSFS 137
#define IDC_VIEW_COPY_RA2YR 138
#define IDC_VIEW_SETTINGS 148

// The viewer's settings dialog and its controls.
#define IDD_VIEWER_SETTINGS 148
#define IDC_VS_EXTENDED_UI 1042
#define IDC_VS_ASSOCIATE 1062
#define IDC_VS_SECONDS 1000
#define IDC_VS_SECONDS_SPIN 1004

// The child dialog of the open dialogs with a preview, and its controls.
#define IDD_OPEN_PREVIEW 134
#define IDC_PREVIEW_PLACEHOLDER 1119
#define IDC_PREVIEW_FRAME 1006
#define IDC_PREVIEW_BLANK 1007
#define IDC_PREVIEW 1008
#define IDC_PREVIEW_LABEL 1009

// Resource types of the about pages and their pictures.
#define RT_ABOUT_HTML 23
#define RT_ABOUT_GIF 2110
