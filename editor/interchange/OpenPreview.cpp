#include "editor/interchange/OpenPreview.h"

#include <cstdio>
#include <memory>
#include <new>

#include "editor/template/FileBytes.h"
#include "editor/template/GameTables.h"
#include "editor/template/TemplatePreview.h"

namespace zelt {

namespace {
struct FileCloser {
    void operator()(FILE* f) const { std::fclose(f); }
};
}  // namespace

std::optional<std::vector<uint8_t>> ReadFileUpTo(const std::string& path, int64_t maxBytes) {
    std::unique_ptr<FILE, FileCloser> file(OpenFileForReading(path));
    if (!file || std::fseek(file.get(), 0, SEEK_END) != 0) return std::nullopt;
    const int64_t size = ftello(file.get());
    if (size < 0 || size > maxBytes || std::fseek(file.get(), 0, SEEK_SET) != 0) return std::nullopt;
    std::vector<uint8_t> bytes;
    try {
        bytes.resize(static_cast<size_t>(size));
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
    if (!bytes.empty() && std::fread(bytes.data(), 1, bytes.size(), file.get()) != bytes.size())
        return std::nullopt;
    return bytes;
}

void SelectTemplatePreview(TemplatePreviewState& state, const std::string& path,
                           const std::string& programFolder) {
    state.Clear();
    if (path.empty()) return;
    std::optional<std::vector<uint8_t>> bytes = ReadFileUpTo(path, kMaxPreviewFileSize);
    TemplateHeader header;
    if (!bytes || !ReadTemplateHeader(*bytes, header)) return;
    const GameKind family = FamilyOfCellSize(header.cellW, header.cellH);
    if (family == kNoGame) return;
    state.bytes = std::move(*bytes);
    state.header = header;
    state.palette = LoadPaletteFile(DefaultPaletteFileName(programFolder, family, path));
}

bool RenderTemplatePreview(const TemplatePreviewState& state, uint32_t background, ColourImage& picture) {
    picture = ColourImage{};
    if (!state.Ready()) return false;
    TemplateBounds bounds;
    if (!ComputeFileBounds(state.bytes, bounds)) return false;
    if (bounds.Width() <= 0 || bounds.Height() <= 0 || bounds.Width() > kMaxPreviewPictureSide ||
        bounds.Height() > kMaxPreviewPictureSide)
        return false;
    picture = ColourImage(static_cast<int>(bounds.Width()), static_cast<int>(bounds.Height()), background);
    if (!PreviewTemplate(state.bytes, picture, *state.palette)) {
        picture = ColourImage{};
        return false;
    }
    return true;
}

std::string TemplatePreviewLabel(const TemplatePreviewState& state, const char* familyText) {
    return std::string("Type:") + familyText + ",CellDX:" + std::to_string(state.header.gridWidth) +
           ",CellDY:" + std::to_string(state.header.gridHeight);
}

}  // namespace zelt
