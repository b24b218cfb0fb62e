#include "editor/viewer/ViewerModel.h"

#include <algorithm>

#include "editor/template/FileBytes.h"
#include "editor/template/GameTables.h"
#include "editor/template/PathText.h"
#include "editor/template/TemplateFile.h"
#include "editor/template/TemplatePreview.h"

namespace zelt {

namespace {
// A crafted file could ask for a picture of billions of pixels; such a file is not shown.
constexpr int64_t kMaxPictureSide = 16384;
}  // namespace

bool LoadViewerPicture(ViewerState& state, const std::string& programFolder) {
    state.source = ColourImage{};
    state.display = ColourImage{};
    state.loaded = false;
    std::optional<std::vector<uint8_t>> bytes = ReadWholeFile(state.currentPath);
    if (!bytes) return false;
    TemplateHeader header;
    if (!ReadTemplateHeader(*bytes, header)) return false;
    const GameKind family = FamilyOfCellSize(header.cellW, header.cellH);
    if (family == kNoGame) return false;
    TemplateBounds bounds;
    if (!ComputeFileBounds(*bytes, bounds)) return false;
    if (bounds.Width() <= 0 || bounds.Height() <= 0 || bounds.Width() > kMaxPictureSide ||
        bounds.Height() > kMaxPictureSide)
        return false;
    std::optional<PaletteTable> palette =
        LoadPaletteFile(DefaultPaletteFileName(programFolder, family, state.currentPath));
    if (!palette) return false;
    state.source = ColourImage(static_cast<int>(bounds.Width()), static_cast<int>(bounds.Height()), 0);
    PreviewTemplate(*bytes, state.source, *palette);
    state.orientation = 0;
    state.display = TurnPicture(state.source, 0);
    state.loaded = true;
    return true;
}

ColourImage TurnPicture(const ColourImage& source, int orientation) {
    const int w = source.width, h = source.height;
    const bool swapped = orientation == 1 || orientation == 3;
    ColourImage target(swapped ? h : w, swapped ? w : h, 0);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const uint32_t c = source.GetPixel(x, y);
            switch (orientation) {
                case 1: target.SetPixel(y, x, c); break;
                case 2: target.SetPixel(w - 1 - x, h - 1 - y, c); break;
                case 3: target.SetPixel(h - 1 - y, w - 1 - x, c); break;
                default: target.SetPixel(x, y, c); break;
            }
        }
    }
    return target;
}

void ShowCurrent(ViewerState& state, const std::string& programFolder) {
    LoadViewerPicture(state, programFolder);
    ActualSize(state);  // zoom 1 with both zoom buttons usable again
}

void ViewFile(ViewerState& state, const std::string& path, const FolderScanner& scan,
              const std::string& programFolder) {
    state.currentPath = path;
    state.folder = FolderOf(path);
    const std::string name = FileNameOf(path);
    state.files = scan(state.folder);
    for (size_t i = 0; i < state.files.size(); ++i) {
        if (EqualsNoCase(state.files[i], name)) {
            state.index = static_cast<int>(i);
            break;
        }
    }
    ShowCurrent(state, programFolder);
}

namespace {
// Moves to list position `index` of a fresh scan; an emptied folder leaves the current file.
void MoveTo(ViewerState& state, int index, const FolderScanner& scan, const std::string& programFolder) {
    state.files = scan(state.folder);
    if (state.files.empty()) return;
    state.index = std::clamp(index, 0, static_cast<int>(state.files.size()) - 1);
    state.currentPath = state.folder + state.files[static_cast<size_t>(state.index)];
    ShowCurrent(state, programFolder);
}
}  // namespace

void ShowNext(ViewerState& state, const FolderScanner& scan, const std::string& programFolder) {
    if (state.files.size() <= 1) return;
    MoveTo(state, std::min(state.index + 1, static_cast<int>(state.files.size()) - 1), scan, programFolder);
}

void ShowPrevious(ViewerState& state, const FolderScanner& scan, const std::string& programFolder) {
    if (state.files.size() <= 1) return;
    MoveTo(state, std::max(state.index - 1, 0), scan, programFolder);
}

void ShowAfterDelete(ViewerState& state, const FolderScanner& scan, const std::string& programFolder) {
    MoveTo(state, state.index, scan, programFolder);
    if (state.files.empty()) {
        state.loaded = false;
        state.source = state.display = ColourImage{};
    }
}

void SlideShowStep(ViewerState& state, const FolderScanner& scan, const std::string& programFolder) {
    const int next = state.index + 1 >= static_cast<int>(state.files.size()) ? 0 : state.index + 1;
    MoveTo(state, next, scan, programFolder);
}

NavigationButtons NavigationState(const ViewerState& state) {
    if (state.files.empty()) return {};
    return {state.index > 0, state.index != static_cast<int>(state.files.size()) - 1};
}

void TurnForward(ViewerState& state) {
    state.orientation = (state.orientation + 1) % 4;
    if (state.loaded) state.display = TurnPicture(state.source, state.orientation);
}

void TurnBack(ViewerState& state) {
    state.orientation = (state.orientation + 3) % 4;
    if (state.loaded) state.display = TurnPicture(state.source, state.orientation);
}

void ZoomIn(ViewerState& state) {
    state.zoom *= 2;
    if (state.zoom >= kMaxZoom) {
        state.zoom = kMaxZoom;
        state.zoomInEnabled = false;
    }
    state.zoomOutEnabled = true;
}

void ZoomOut(ViewerState& state) {
    state.zoom *= 0.5;
    if (state.zoom <= kMinZoom) {
        state.zoom = kMinZoom;
        state.zoomOutEnabled = false;
    }
    state.zoomInEnabled = true;
}

void ActualSize(ViewerState& state) {
    state.zoom = 1.0;
    state.zoomInEnabled = state.zoomOutEnabled = true;
}

void BestSize(ViewerState& state, int clientWidth, int clientHeight) {
    if (!state.loaded || state.display.width <= 0 || state.display.height <= 0) return;
    const int fitW = (clientWidth - 20) / state.display.width;
    const int fitH = (clientHeight - 20) / state.display.height;
    // A picture larger than the window keeps the smallest zoom instead of vanishing at zoom 0.
    state.zoom = std::max<double>(std::min(fitW, fitH), kMinZoom);
    state.zoomOutEnabled = true;
    state.zoomInEnabled = false;
}

std::string ViewerTitle(const std::string& programName, const std::string& currentPath) {
    return programName + " - [" + currentPath + "]";
}

std::pair<int, int> ZoomedSize(const ViewerState& state) {
    return {static_cast<int>(state.zoom * state.display.width), static_cast<int>(state.zoom * state.display.height)};
}

std::pair<int, int> PicturePosition(const ViewerState& state, int clientWidth, int clientHeight) {
    auto [w, h] = ZoomedSize(state);
    return {(clientWidth - w) / 2, (clientHeight - h) / 2};
}

}  // namespace zelt
