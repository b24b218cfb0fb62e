// The overview of a template's tiles: the table's cell texts and the plain text report.
#pragma once
#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/template/TileRecord.h"

namespace zelt {

inline constexpr int kOverviewColumns = 10;
// The caption key of each column; the first two share one.
extern const std::array<const char*, kOverviewColumns> kOverviewColumnKeys;

// The text of a string-table key.
using TextOfKey = std::function<std::string(const char* key)>;

// X, Y, height, terrain name, ramp, have-extra text, and the extra box (empty without an extra image).
std::array<std::string, kOverviewColumns> OverviewCells(const TileRecord& tile, const TextOfKey& text);

// Text with CR LF line ends, counting them.
struct ReportWriter {
    std::string bytes;
    int lineEnds = 0;

    void WriteLineEnd();
    // The non-empty pieces of text between "\n"s, with a line end between consecutive pieces: nothing
    // before the first or after the last, and nothing at all for a text without a piece.
    void WriteText(std::string_view text);
};

// The report: title block, the file name, and each tile's lines.
std::string OverviewReport(const std::vector<TileRecord>& tiles, const std::string& fileName,
                           const TextOfKey& text);

}  // namespace zelt
