// The batch import dialog: a list of pictures of the whole template, each cut into the open
// template's tiles and written as a new template file into a folder, with Stop between pictures.
#pragma once
#include <windows.h>

namespace zelt {

// Modal to owner; does nothing without an open template.
void ShowBatchImportDialog(HWND owner);

// While a run goes on: it ends after its current picture and its dialog closes after the closing
// message; true. False when no run goes on.
bool StopBatchRun();

}  // namespace zelt
