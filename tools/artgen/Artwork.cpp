#include "tools/artgen/Artwork.h"

#include "tools/artgen/Bmp.h"
#include "tools/artgen/EditorToolbar.h"
#include "tools/artgen/Gif.h"
#include "tools/artgen/HotButtons.h"
#include "tools/artgen/Ico.h"
#include "tools/artgen/Icons.h"
#include "tools/artgen/Palette.h"
#include "tools/artgen/Pictures.h"
#include "tools/artgen/PixelTools.h"
#include "tools/artgen/Ramps.h"
#include "tools/artgen/Toolbar.h"

namespace zelt::artgen {

namespace {

constexpr int kIconSizes[] = {48, 32, 16};
constexpr int kBannerIconSide = 56;

ArtworkFile Icon(std::string name, Image (*draw)(int)) {
    std::vector<Image> images;
    for (int side : kIconSizes) images.push_back(draw(side));
    Bytes bytes = EncodeIco(images);
    return {std::move(name), std::move(bytes), std::move(images)};
}

ArtworkFile Bitmap(std::string name, Image image) {
    Bytes bytes = EncodeBmp24(image);
    return {std::move(name), std::move(bytes), {std::move(image)}};
}

std::string RampFileName(int type) {
    const char digits[] = {static_cast<char>('0' + type / 10), static_cast<char>('0' + type % 10), 0};
    return std::string("ramp") + digits + ".bmp";
}

ArtworkFile Gif(std::string name, const Image& image) {
    Image reduced = LimitColours(image, 256);
    Bytes bytes = EncodeGif(reduced);
    return {std::move(name), std::move(bytes), {std::move(reduced)}};
}

}  // namespace

std::vector<ArtworkFile> MakeArtwork() {
    std::vector<ArtworkFile> files;
    files.push_back(Icon("zelt.ico", DrawAppIcon));
    files.push_back(Icon("viewer.ico", DrawViewerIcon));
    files.push_back(Bitmap("splash.bmp", DrawSplash()));
    files.push_back(Bitmap("viewer_toolbar.bmp", DrawViewerToolbar()));
    files.push_back(Bitmap("editor_toolbar.bmp", DrawEditorToolbar()));
    files.push_back(
        Gif("bbanner.gif", DrawBanner(DrawAppIcon(kBannerIconSide), "Zelt Builder", "Template editor")));
    files.push_back(
        Gif("vbanner.gif", DrawBanner(DrawViewerIcon(kBannerIconSide), "Zelt Viewer", "Template viewer")));
    files.push_back(Gif("help.gif", DrawHelpPicture()));
    for (int type = 0; type < kRampCount; ++type) files.push_back(Bitmap(RampFileName(type), DrawRamp(type)));
    files.push_back(Bitmap("tip.bmp", DrawTipPicture()));
    for (int i = 0; i < kHotButtonPictures; ++i) {
        files.push_back(Bitmap(HotButtonFileName(i, false), DrawHotButton(i, false)));
        files.push_back(Bitmap(HotButtonFileName(i, true), DrawHotButton(i, true)));
    }
    files.push_back(Bitmap("pixel_tools.bmp", DrawPixelTools()));
    return files;
}

}  // namespace zelt::artgen
