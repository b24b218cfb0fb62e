// The template viewer's state and everything it does short of windows: the folder's file list,
// navigation, the decoded picture, turning, zooming and the painted composition.
#pragma once
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "editor/template/ColourImage.h"

namespace zelt {

// Lists the template files of a folder (names only), pattern by pattern in the viewer's order.
using FolderScanner = std::function<std::vector<std::string>(const std::string& folder)>;

inline constexpr double kMinZoom = 0.5;
inline constexpr double kMaxZoom = 8.0;

struct ViewerState {
    std::string folder;               // with its trailing backslash
    std::vector<std::string> files;   // names in the folder, scan order
    int index = 0;
    std::string currentPath;
    ColourImage source;               // the decoded template
    ColourImage display;              // the source turned by the orientation
    bool loaded = false;
    int orientation = 0;              // quarter turns, 0 to 3
    double zoom = 1.0;
    bool zoomInEnabled = true;
    bool zoomOutEnabled = true;
};

// Decodes the current path into the source picture with its default palette; false leaves
// nothing loaded (not a template, unreadable, palette missing, or nothing to draw).
bool LoadViewerPicture(ViewerState& state, const std::string& programFolder);
// The source picture turned by quarter turns: 1 swaps the axes, 2 is a half turn, 3 both.
ColourImage TurnPicture(const ColourImage& source, int orientation);

// Makes path current: rescans its folder and finds its name there (case-insensitively), then
// shows it with zoom 1.
void ViewFile(ViewerState& state, const std::string& path, const FolderScanner& scan,
              const std::string& programFolder);
void ShowCurrent(ViewerState& state, const std::string& programFolder);
void ShowNext(ViewerState& state, const FolderScanner& scan, const std::string& programFolder);
void ShowPrevious(ViewerState& state, const FolderScanner& scan, const std::string& programFolder);
// After the current file was deleted: the file that followed it, or the new last file.
void ShowAfterDelete(ViewerState& state, const FolderScanner& scan, const std::string& programFolder);
// One step of the slide show: the next file, wrapping from the last to the first.
void SlideShowStep(ViewerState& state, const FolderScanner& scan, const std::string& programFolder);

struct NavigationButtons {
    bool previous = false;
    bool next = false;
};
NavigationButtons NavigationState(const ViewerState& state);

void TurnForward(ViewerState& state);
void TurnBack(ViewerState& state);
void ZoomIn(ViewerState& state);
void ZoomOut(ViewerState& state);
void ActualSize(ViewerState& state);
// The largest whole zoom that fits the client area less 10 pixels a side, never below 0.5.
void BestSize(ViewerState& state, int clientWidth, int clientHeight);

// "%s - [%s]" of the program name and the current path.
std::string ViewerTitle(const std::string& programName, const std::string& currentPath);

// The zoomed size of the display picture, and its top-left when centred in the client area.
std::pair<int, int> ZoomedSize(const ViewerState& state);
// The part of the zoomed picture that starts at (originX, originY), drawn over target (which holds
// the window's own background there) with nearest-pixel scaling; black pixels are left out so the
// background shows around and between the tiles.
template <typename Target>
void ComposeViewerPicture(const ViewerState& state, int originX, int originY, int targetWidth, int targetHeight,
                          Target& target) {
    const ColourImage& d = state.display;
    auto [w, h] = ZoomedSize(state);
    if (w <= 0 || h <= 0 || d.width <= 0 || d.height <= 0) return;
    for (int y = 0; y < targetHeight; ++y) {
        const int64_t zy = int64_t{originY} + y;
        if (zy < 0 || zy >= h) continue;
        const int sy = static_cast<int>(zy * d.height / h);
        for (int x = 0; x < targetWidth; ++x) {
            const int64_t zx = int64_t{originX} + x;
            if (zx < 0 || zx >= w) continue;
            const uint32_t c = d.GetPixel(static_cast<int>(zx * d.width / w), sy);
            if (c != 0) target.SetPixel(x, y, c);
        }
    }
}
std::pair<int, int> PicturePosition(const ViewerState& state, int clientWidth, int clientHeight);

}  // namespace zelt
