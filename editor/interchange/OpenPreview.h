// What the editor's open dialog previews: the selected template file's bytes and its default
// palette, and the picture made from them.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "editor/template/ColourImage.h"
#include "editor/template/Palette.h"
#include "editor/template/TemplateFile.h"

namespace zelt {

// Files larger than this are not read for a preview; real templates are far smaller.
inline constexpr int64_t kMaxPreviewFileSize = int64_t{64} * 1024 * 1024;
// Neither side of a preview picture may be longer than this.
inline constexpr int64_t kMaxPreviewPictureSide = 4096;

struct TemplatePreviewState {
    std::vector<uint8_t> bytes;  // empty: nothing valid selected
    std::optional<PaletteTable> palette;
    TemplateHeader header;

    bool Ready() const { return !bytes.empty() && palette.has_value(); }
    void Clear() { *this = TemplatePreviewState{}; }
};

// The whole file, or nothing when it cannot be read or is larger than maxBytes.
std::optional<std::vector<uint8_t>> ReadFileUpTo(const std::string& path, int64_t maxBytes);

// Takes the file at path as the new selection: its bytes when it is a template of one of the two
// cell sizes, with the default palette of its family and extension from programFolder. Anything
// else leaves the state empty.
void SelectTemplatePreview(TemplatePreviewState& state, const std::string& path,
                           const std::string& programFolder);

// The assembled picture on the background colour (0x00RRGGBB). False, leaving picture empty, when
// the state is not ready or the picture would be empty or too large.
bool RenderTemplatePreview(const TemplatePreviewState& state, uint32_t background, ColourImage& picture);

// "Type:<family>,CellDX:<grid width>,CellDY:<grid height>".
std::string TemplatePreviewLabel(const TemplatePreviewState& state, const char* familyText);

}  // namespace zelt
