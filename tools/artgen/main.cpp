// zelt_artgen <output folder> [--png]: writes the icons, bitmaps and GIF pictures of the resource
// scripts. With --png it also writes a PNG of each picture (icons: one per size) to look at.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "tools/artgen/Artwork.h"
#include "tools/artgen/Png.h"

namespace {

bool WriteFile(const std::filesystem::path& path, const zelt::artgen::Bytes& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) std::fprintf(stderr, "zelt_artgen: cannot write %s\n", path.string().c_str());
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    const bool previews = argc == 3 && std::string(argv[2]) == "--png";
    if (argc != 2 && !previews) {
        std::fprintf(stderr, "usage: zelt_artgen <output folder> [--png]\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    bool ok = true;
    for (const zelt::artgen::ArtworkFile& file : zelt::artgen::MakeArtwork()) {
        ok = WriteFile(folder / file.name, file.bytes) && ok;
        if (!previews) continue;
        const std::string stem = std::filesystem::path(file.name).stem().string();
        for (const zelt::artgen::Image& image : file.images) {
            const std::string suffix = file.images.size() > 1 ? "_" + std::to_string(image.width) : "";
            ok = WriteFile(folder / (stem + suffix + ".png"), zelt::artgen::EncodePng(image)) && ok;
        }
    }
    return ok ? 0 : 1;
}
