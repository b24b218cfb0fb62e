// Identifiers of the editor's image interchange dialogs, shared by the resource script and the code.
#pragma once

// Export tiles: a folder and a picture format.
#define IDD_EXPORT_TILES 231
#define IDC_ET_FOLDER 1000
#define IDC_ET_FORMAT 1002
#define IDC_ET_BROWSE 1010
#define IDC_ET_FOLDER_LABEL 1700
#define IDC_ET_FORMAT_LABEL 1701

// The crop dialogs of the normal-image and extra-image imports.
#define IDD_CROP_NORMAL 1710
#define IDD_CROP_EXTRA 1711
#define IDC_CROP_NAME 1000
#define IDC_CROP_X 1001
#define IDC_CROP_Y 1002
#define IDC_CROP_WIDTH 1003
#define IDC_CROP_X_SPIN 1004
#define IDC_CROP_Y_SPIN 1005
#define IDC_CROP_WIDTH_SPIN 1006
#define IDC_CROP_HEIGHT 1007
#define IDC_CROP_HEIGHT_SPIN 1008
#define IDC_CROP_PREVIEW 1031
#define IDC_CROP_CELL 1032
#define IDC_CROP_GROUP 1033
#define IDC_CROP_X_LABEL 1720
#define IDC_CROP_Y_LABEL 1721
#define IDC_CROP_WIDTH_LABEL 1722
#define IDC_CROP_HEIGHT_LABEL 1723
