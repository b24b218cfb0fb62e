// iconart OUT.ico: writes the icon handler's own icon.
#include <cstdio>

#include "tools/iconart/IconArt.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: iconart OUT.ico\n", stderr);
        return 2;
    }
    const std::vector<uint8_t> bytes = zelt::iconart::MakeTemplateIconFile();
    std::FILE* file = std::fopen(argv[1], "wb");
    if (file == nullptr) return 1;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written ? 0 : 1;
}
