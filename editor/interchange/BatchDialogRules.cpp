#include "editor/interchange/BatchDialogRules.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "editor/render/TemplateRender.h"
#include "editor/template/TileLayout.h"

namespace zelt {

std::vector<std::string> ChosenFiles(const char* result, size_t size, std::string& folder) {
    std::vector<std::string> pieces;
    size_t at = 0;
    while (at < size && result[at] != '\0') {
        const size_t length = strnlen(result + at, size - at);
        pieces.emplace_back(result + at, length);
        at += length + 1;
    }
    folder.clear();
    if (pieces.empty()) return {};
    if (pieces.size() == 1) {
        const size_t slash = pieces[0].find_last_of("\\/");
        if (slash != std::string::npos) folder = pieces[0].substr(0, slash);
        return pieces;
    }
    folder = pieces[0];
    while (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
    std::vector<std::string> files;
    for (size_t i = 1; i < pieces.size(); ++i) files.push_back(folder + "\\" + pieces[i]);
    return files;
}

bool ChosenFilesComplete(const char* result, size_t size) {
    for (size_t i = 0; i + 1 < size; ++i) {
        if (result[i] == '\0' && result[i + 1] == '\0') return true;
    }
    return false;
}

std::string FillNumbers(std::string text, const std::vector<int>& numbers) {
    size_t next = 0, at = 0;
    while (next < numbers.size() && (at = text.find("%d", at)) != std::string::npos) {
        const std::string number = std::to_string(numbers[next++]);
        text.replace(at, 2, number);
        at += number.size();
    }
    return text;
}

std::string BatchClosingText(const BatchOutcome& outcome, int total,
                             const std::function<std::string(const char* key)>& text, size_t maxNames) {
    // A stopped run says where it stopped, a whole one that it finished; either way the failures follow.
    std::string message = outcome.stopped ? FillNumbers(text("MSG:BATCHSTOPPED"), {outcome.done, total})
                          : outcome.failures.empty() ? text("MSG:BATCHFINISHED")
                                                     : text("MSG:BATCHWITHERRORS");
    if (outcome.failures.empty()) return message;
    message += "\n\n";
    message += FillNumbers(text("MSG:BATCHFAILEDCOUNT"), {static_cast<int>(outcome.failures.size())});
    for (size_t i = 0; i < outcome.failures.size() && i < maxNames; ++i) {
        const std::string& path = outcome.failures[i].picture;
        const size_t slash = path.find_last_of("\\/");
        message += '\n';
        message += slash == std::string::npos ? path : path.substr(slash + 1);
    }
    if (outcome.failures.size() > maxNames)
        message += '\n' + FillNumbers(text("MSG:BATCHMOREFAILED"),
                                      {static_cast<int>(outcome.failures.size() - maxNames)});
    for (const BatchFailure& failure : outcome.failures) {
        if (!failure.openTemplate) continue;
        message += "\n\n" + text("MSG:BATCHOPENTEMPLATE");
        break;
    }
    return message;
}

std::vector<std::string> PicturesLeftAfterRun(const std::vector<std::string>& pictures, const BatchOutcome& outcome) {
    if (outcome.stopped || outcome.failures.empty()) return pictures;
    std::vector<std::string> left;
    for (const std::string& picture : pictures) {
        for (const BatchFailure& failure : outcome.failures) {
            if (failure.picture == picture) {
                left.push_back(picture);
                break;
            }
        }
    }
    return left;
}

namespace {

// One axis: a picture of `size` pixels centred in `control` pixels, halves truncating; the visible
// part starts at control pixel `place` and is `length` long, the picture's first pixel at `origin`.
void PlaceAxis(int64_t size, int control, int& place, int& length, int64_t& origin) {
    const int64_t start = (int64_t{control} - size) / 2;
    const int64_t first = std::max<int64_t>(start, 0), last = std::min<int64_t>(start + size, control);
    place = static_cast<int>(first);
    length = static_cast<int>(std::max<int64_t>(last - first, 0));
    origin = start - first;
}

}  // namespace

PreviewPlacement PlaceBatchPreview(const TemplateBounds& bounds, int controlW, int controlH) {
    PreviewPlacement p;
    PlaceAxis(bounds.Width(), controlW, p.x, p.width, p.originX);
    PlaceAxis(bounds.Height(), controlH, p.y, p.height, p.originY);
    return p;
}

void DrawCellMarkers(const std::vector<TileRecord>& tiles, int cellW, int cellH, const TemplateBounds& bounds,
                     Canvas& canvas, int64_t originX, int64_t originY, bool invert) {
    constexpr int64_t lo = std::numeric_limits<int>::min() / 2, hi = std::numeric_limits<int>::max() / 2;
    for (const TileRecord& tile : tiles) {
        const int64_t x = int64_t{tile.x} - cellW / 2 - bounds.minX + originX;
        const int64_t y = int64_t{tile.y} - HeightLift(tile.height, cellH) - bounds.minY + originY;
        if (x < lo || x > hi || y < lo || y > hi) continue;  // far off any canvas
        DrawSelectionMarker(canvas, static_cast<int>(x), static_cast<int>(y), cellW, cellH, invert);
    }
}

}  // namespace zelt
