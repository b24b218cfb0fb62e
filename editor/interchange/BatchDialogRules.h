// The rules of the batch import dialog that need no window: the files chosen in a multiple-selection
// open dialog, the closing message of a run, and where the template's cell layout goes in the preview.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "editor/interchange/BatchConvert.h"
#include "editor/render/Canvas.h"
#include "editor/template/TemplatePreview.h"
#include "editor/template/TileRecord.h"

namespace zelt {

// The full paths in an open dialog's result of `size` bytes: one path for a single file, or the folder
// followed by the names, each ended by a zero and the list by a second zero. folder receives the
// folder of the files without a trailing separator. Empty for a result without any file.
std::vector<std::string> ChosenFiles(const char* result, size_t size, std::string& folder);
// Whether a result of `size` bytes, zero-filled before the dialog, ends its list with the second zero
// inside the buffer. Some dialogs cut a list too long for the buffer instead of reporting it; a cut
// (or exactly full) list is taken as a buffer too small.
bool ChosenFilesComplete(const char* result, size_t size);

// What a run's closing message says: that it finished, or was stopped after so many pictures, and
// how many pictures failed, with their file names (the first maxNames of them).
std::string BatchClosingText(const BatchOutcome& outcome, int total,
                             const std::function<std::string(const char* key)>& text, size_t maxNames = 15);

// The dialog's list after a run: a whole run with failures leaves only the pictures that failed, as
// its closing message says, ready to be tried again; any other run leaves the list as it was.
std::vector<std::string> PicturesLeftAfterRun(const std::vector<std::string>& pictures, const BatchOutcome& outcome);

// Each "%d" of the text replaced by the next number, in order; nothing else is read as a format.
std::string FillNumbers(std::string text, const std::vector<int>& numbers);

// The part of a template of bounds `bounds`, centred in a control of controlW x controlH pixels,
// that the control shows: the canvas goes at (x, y) of the control, is width x height, and the
// template's point (minX, minY) is at canvas point (originX, originY).
struct PreviewPlacement {
    int x = 0, y = 0, width = 0, height = 0;
    int64_t originX = 0, originY = 0;
};
PreviewPlacement PlaceBatchPreview(const TemplateBounds& bounds, int controlW, int controlH);

// The selection marker at every tile's cell box, the template's point (minX, minY) at (originX, originY).
void DrawCellMarkers(const std::vector<TileRecord>& tiles, int cellW, int cellH, const TemplateBounds& bounds,
                     Canvas& canvas, int64_t originX, int64_t originY, bool invert);

}  // namespace zelt
