// zelt_snapshot: waits for a window of a class, writes its client area as a PNG file and, when
// asked, closes the window. Used to show the program where no screen is looked at.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "editor/template/FileBytes.h"
#include "tools/artgen/Png.h"
#include "tools/snapshot/Capture_win.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: zelt_snapshot WINDOW_CLASS OUT.png [--seconds N] [--delay MS] [--close]\n");
        return 2;
    }
    const std::string className = argv[1], out = argv[2];
    int seconds = 30;
    int delay = 1000;  // let it paint
    bool close = false;
    for (int i = 3; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--close") close = true;
        else if (arg == "--seconds" && i + 1 < argc) seconds = std::atoi(argv[++i]);
        else if (arg == "--delay" && i + 1 < argc) delay = std::atoi(argv[++i]);
    }
    HWND window = nullptr;
    for (int waited = 0; !window && waited < seconds * 10; ++waited) {
        window = FindWindowA(className.c_str(), nullptr);
        if (!window) Sleep(100);
    }
    if (!window) {
        std::fprintf(stderr, "zelt_snapshot: no window of class %s\n", className.c_str());
        return 1;
    }
    Sleep(static_cast<DWORD>(delay));
    const zelt::ColourImage shot = zelt::CaptureClient(window);
    zelt::artgen::Image image(shot.width, shot.height);
    for (size_t i = 0; i < shot.pixels.size(); ++i) image.pixels[i] = 0xFF000000u | shot.pixels[i];
    const zelt::artgen::Bytes png = zelt::artgen::EncodePng(image);
    std::string error;
    const bool written = zelt::WriteFileAtomic(out, png, error);
    if (close) PostMessageA(window, WM_CLOSE, 0, 0);
    if (!written) {
        std::fprintf(stderr, "zelt_snapshot: %s\n", error.c_str());
        return 1;
    }
    std::printf("zelt_snapshot: %d x %d client area written to %s\n", shot.width, shot.height, out.c_str());
    return 0;
}
