// Writes the default palettes of both families: sixteen colour ramps of sixteen shades each, in
// 6-bit components, tinted per theater. Entry 0 is a distinct background colour.
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "editor/template/FileBytes.h"

namespace {

struct Rgb {
    double r, g, b;  // 0..1
};

// Base colours of ramps 1..15; ramp 0 holds the background and a grey scale.
const Rgb kRamps[16] = {
    {0.5, 0.5, 0.5},    {0.36, 0.55, 0.22}, {0.20, 0.38, 0.16}, {0.52, 0.38, 0.22},
    {0.80, 0.70, 0.46}, {0.55, 0.53, 0.50}, {0.36, 0.34, 0.33}, {0.20, 0.42, 0.68},
    {0.10, 0.24, 0.46}, {0.30, 0.30, 0.32}, {0.66, 0.65, 0.62}, {0.82, 0.88, 0.95},
    {0.62, 0.28, 0.20}, {0.86, 0.70, 0.18}, {0.44, 0.30, 0.20}, {0.50, 0.32, 0.58},
};

struct Theater {
    const char* file;
    Rgb tint;         // multiplied into every ramp
    Rgb groundSwap;   // replaces the two grass ramps when set (r >= 0)
};

const Theater kTheaters[] = {
    {"IsoTem.Pal", {1.00, 1.00, 1.00}, {-1, 0, 0}},
    {"IsoSno.Pal", {0.92, 0.97, 1.08}, {0.86, 0.90, 0.96}},
    {"IsoUrb.Pal", {0.97, 0.97, 1.00}, {-1, 0, 0}},
    {"IsoUbn.Pal", {0.92, 1.02, 1.02}, {-1, 0, 0}},
    {"IsoDes.Pal", {1.08, 0.98, 0.84}, {0.78, 0.60, 0.36}},
    {"IsoLun.Pal", {0.86, 0.88, 1.00}, {0.52, 0.52, 0.56}},
};

uint8_t Six(double v) {
    const double clamped = v < 0 ? 0 : v > 1 ? 1 : v;
    return static_cast<uint8_t>(std::lround(clamped * 63));
}

std::vector<uint8_t> MakePalette(const Theater& theater) {
    std::vector<uint8_t> pal(768);
    for (int ramp = 0; ramp < 16; ++ramp) {
        Rgb base = kRamps[ramp];
        if (theater.groundSwap.r >= 0 && (ramp == 1 || ramp == 2)) {
            base = theater.groundSwap;
            if (ramp == 2) base = {base.r * 0.8, base.g * 0.8, base.b * 0.8};
        }
        for (int shade = 0; shade < 16; ++shade) {
            // Shade 0 is the darkest; 15 the brightest, slightly washed towards white.
            const double light = 0.35 + 0.8 * shade / 15.0;
            const double wash = shade > 11 ? (shade - 11) * 0.05 : 0;
            Rgb c{base.r * theater.tint.r * light, base.g * theater.tint.g * light, base.b * theater.tint.b * light};
            if (ramp == 0) c = {shade / 15.0, shade / 15.0, shade / 15.0};
            const int i = ramp * 16 + shade;
            pal[3 * i] = Six(c.r + wash);
            pal[3 * i + 1] = Six(c.g + wash);
            pal[3 * i + 2] = Six(c.b + wash);
        }
    }
    // The transparent index gets a colour no ramp comes near, so it stands out where it shows.
    pal[0] = 40;
    pal[1] = 0;
    pal[2] = 40;
    return pal;
}

bool Write(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::string error;
    if (zelt::WriteFileAtomic(path, bytes, error)) return true;
    std::fprintf(stderr, "gen_palettes: %s\n", error.c_str());
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: gen_palettes PALETTES_FOLDER (with TS_FS and RA2_YR inside)\n");
        return 2;
    }
    const std::string folder = argv[1];
    bool ok = true;
    for (size_t t = 0; t < std::size(kTheaters); ++t) {
        const std::vector<uint8_t> pal = MakePalette(kTheaters[t]);
        ok = Write(folder + "/RA2_YR/" + kTheaters[t].file, pal) && ok;
        if (t < 2) ok = Write(folder + "/TS_FS/" + kTheaters[t].file, pal) && ok;
    }
    return ok ? 0 : 1;
}
