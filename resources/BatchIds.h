// Identifiers of the batch import and overview dialogs, shared by the resource script and the code.
#pragma once

// The batch import dialog.
#define IDD_BATCH_IMPORT 224
#define IDC_BATCH_FOLDER 1000
#define IDC_BATCH_THEATER 1002
#define IDC_BATCH_FILES 1013
#define IDC_BATCH_PREVIEW 1031
#define IDC_BATCH_AUTO_COLOUR 1042
#define IDC_BATCH_BROWSE 1052
#define IDC_BATCH_START 1053
#define IDC_BATCH_STOP 1054
#define IDC_BATCH_REMOVE_ALL 1055
#define IDC_BATCH_REMOVE 1056
#define IDC_BATCH_ADD 1057
#define IDC_BATCH_PROGRESS 1058

// The overview dialog: its table, and Close and Save report under the ids 2 and 3.
#define IDD_OVERVIEW 222
#define IDC_OVERVIEW_TABLE 1013
#define IDC_OVERVIEW_CLOSE 2
#define IDC_OVERVIEW_SAVE 3
