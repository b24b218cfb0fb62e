#include "iconhandler/IconPalette.h"

#include <cctype>

namespace zelt::icon {

namespace {

struct PaletteChoice {
    const char* extension;
    const char* tsFs;
    const char* ra2Yr;
};

// TS/FS has no urban, desert or lunar palettes; those names fall back on the temperate one.
constexpr PaletteChoice kChoices[] = {
    {"tem", "IsoTem.pal", "IsoTem.pal"}, {"sno", "IsoSno.pal", "IsoSno.pal"},
    {"urb", "IsoTem.pal", "IsoUrb.pal"}, {"ubn", "IsoTem.pal", "IsoUbn.pal"},
    {"des", "IsoTem.pal", "IsoDes.pal"}, {"lun", "IsoTem.pal", "IsoLun.pal"},
};

bool SameIgnoringCase(const std::string& a, const char* b) {
    size_t i = 0;
    for (; i < a.size() && b[i] != '\0'; ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != b[i]) return false;
    }
    return i == a.size() && b[i] == '\0';
}

}  // namespace

std::string IconPaletteFile(IconFamily family, const std::string& templateName) {
    if (family == IconFamily::kNone) return {};
    const std::string folder = family == IconFamily::kRa2Yr ? "RA2_YR\\" : "TS_FS\\";
    const size_t dot = templateName.rfind('.');
    if (dot == std::string::npos) return folder + "IsoTem.pal";
    const std::string extension = templateName.substr(dot + 1);
    for (const PaletteChoice& choice : kChoices) {
        if (SameIgnoringCase(extension, choice.extension)) {
            return folder + (family == IconFamily::kRa2Yr ? choice.ra2Yr : choice.tsFs);
        }
    }
    if (family == IconFamily::kTsFs) return folder + "IsoTem.pal";
    return {};
}

bool DecodeIconPalette(std::span<const uint8_t> bytes, IconPalette& out) {
    if (bytes.size() < kPaletteBytes) return false;
    for (size_t i = 0; i < out.size(); ++i) {
        const uint32_t r = static_cast<uint8_t>(bytes[3 * i] << 2);
        const uint32_t g = static_cast<uint8_t>(bytes[3 * i + 1] << 2);
        const uint32_t b = static_cast<uint8_t>(bytes[3 * i + 2] << 2);
        out[i] = r << 16 | g << 8 | b;
    }
    return true;
}

}  // namespace zelt::icon
