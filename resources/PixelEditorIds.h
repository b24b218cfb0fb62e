// Identifiers of the pixel editor's resources, shared by the resource script and the code.
#pragma once

#define IDD_PIXEL_EDITOR 158
#define IDB_PIXEL_TOOLS 159  // five 16 x 16 pictures: pencil, line, frame, rectangle, eraser
#define IDC_PE_CANVAS 1031   // the magnified image
#define IDC_PE_PALETTE 1036  // the palette grid
#define IDC_PE_TOOLBAR 1600  // created at run time

// The tool commands of the dialog's tool bar (Select has no button).
#define IDC_PE_PENCIL 119
#define IDC_PE_LINE 120
#define IDC_PE_RECT 121
#define IDC_PE_ERASE 122
#define IDC_PE_FRAME 123
#define IDC_PE_SELECT 124
