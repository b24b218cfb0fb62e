// Identifiers of the editor's views resources, shared by the resource script and the code.
#pragma once

// The hot buttons' pictures: IDB_HOT_NORMAL_FIRST + i shows button i, IDB_HOT_HOVER_FIRST + i the same
// button under the mouse (up, right, down, left, extra-image switch, height up, height down).
#define IDB_HOT_HOVER_FIRST 380
#define IDB_HOT_NORMAL_FIRST 390
