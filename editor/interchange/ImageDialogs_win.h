// The image open and save dialogs, the preview of the image selected in the open dialog, and the
// ZeltPreview control with the hook that lets the editor's template open dialog preview a template.
#pragma once
#include <windows.h>

#include <string>

namespace zelt {

class DibCanvas;

// Bytes for a file dialog's path: a UTF-8 path of MAX_PATH characters takes up to three times that.
inline constexpr int kDialogPathSize = 3 * 260;

// Registers the ZeltPreview window class once; later calls return at once.
bool RegisterZeltPreviewClass();

// path holds kDialogPathSize bytes. Its folder is where the dialog starts; on return it holds the
// chosen file. True when a file was chosen and loaded into canvas.
bool ShowImageOpenDialog(char* path, DibCanvas& canvas);
// path holds kDialogPathSize bytes with the proposed name; the dialog offers only the formats the
// image library writes. True when a name was chosen and the canvas written to it; a failed write is
// reported to the user.
bool ShowImageSaveDialog(char* path, DibCanvas& canvas);

// The hooks of the two open dialogs, both with the child template IDD_OPEN_PREVIEW.
UINT_PTR CALLBACK ImagePreviewHook(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
UINT_PTR CALLBACK TemplatePreviewHook(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// What the hooks do on a selection change, without the dialogs: preview the file at path.
void SelectImageForPreview(const std::string& path);
void SelectTemplateForPreview(const std::string& path, const std::string& programFolder);
// What the hooks do when their dialog goes away.
void ClearImagePreview();
void ClearTemplatePreview();
// Makes a control paint the image preview instead of its own picture.
void AttachImagePreviewPainter(HWND control);

// Pass-throughs to the image library; null while it is not bound.
const char* ImageSaveFormatName(int index);
const char* ImageLibraryDescription();

}  // namespace zelt
