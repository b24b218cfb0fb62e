#include "tools/artgen/Toolbar.h"

#include <array>
#include <stdexcept>
#include <string>

namespace zelt::artgen {

namespace {

using Glyph = std::array<const char*, kToolbarButtonSize>;

uint32_t InkColour(char c) {
    switch (c) {
        case 'k':
            return Rgb(0x2B3A4C);  // outlines and marks
        case 'K':
            return Rgb(0x5A6B7F);
        case 'w':
            return Rgb(0xFFFFFF);
        case 'l':
            return Rgb(0xC9D2DC);
        case 'c':
            return Rgb(0xDCEEFF);  // glass, screens
        case 'b':
            return Rgb(0x3D8BE8);
        case 'B':
            return Rgb(0x1F5FAE);
        case 'g':
            return Rgb(0x4CB877);
        case 'G':
            return Rgb(0x2C7A53);
        case 'D':
            return Rgb(0x1C4A34);
        case 'y':
            return Rgb(0xFFD166);
        case 'o':
            return Rgb(0xF0A63C);
        case 'O':
            return Rgb(0xC97F24);
        case 'r':
            return Rgb(0xE5484D);
        case 'R':
            return Rgb(0xA62B30);
        case 'p':
            return Rgb(0xF4A3A8);
        case 't':
            return Rgb(0xF1D3A1);
        case 'T':
            return Rgb(0xC9A46A);
        case '.':
            return kToolbarKey;
        default:
            throw std::logic_error(std::string("no toolbar colour for '") + c + "'");
    }
}

// clang-format off
constexpr Glyph kPrevious = {
    "................",
    "................",
    "......BB........",
    ".....BbB........",
    "....BbbB........",
    "...BbbbBBBBBBBB.",
    "..BbbbbbbbbbbbB.",
    ".Bbbbbbbbbbbbbb.",
    ".Bbbbbbbbbbbbbb.",
    "..BbbbbbbbbbbbB.",
    "...BbbbBBBBBBBB.",
    "....BbbB........",
    ".....BbB........",
    "......BB........",
    "................",
    "................"};

constexpr Glyph kZoomIn = {
    "................",
    "....kkkkk.......",
    "..kkcccccKk.....",
    "..kcccccccK.....",
    ".kccccBccccK....",
    ".kccccBccccK....",
    ".kccBBBBBccK....",
    ".kccccBccccK....",
    ".kccccBccccK....",
    "..kcccccccK.....",
    "..kkcccccKkK....",
    "....kkkkk.KKK...",
    "...........KKK..",
    "............KKK.",
    ".............KK.",
    "................"};

constexpr Glyph kZoomOut = {
    "................",
    "....kkkkk.......",
    "..kkcccccKk.....",
    "..kcccccccK.....",
    ".kcccccccccK....",
    ".kcccccccccK....",
    ".kccBBBBBccK....",
    ".kcccccccccK....",
    ".kcccccccccK....",
    "..kcccccccK.....",
    "..kkcccccKkK....",
    "....kkkkk.KKK...",
    "...........KKK..",
    "............KKK.",
    ".............KK.",
    "................"};

constexpr Glyph kTile = {
    "................",
    "................",
    "................",
    "................",
    "......DDDD......",
    "....DDggggDD....",
    "..DDggggggggDD..",
    "DDggggggggggggDD",
    "DGDDggggggggDDkD",
    "DGGGDDggggDDkkkD",
    ".DGGGGDDDDkkkkD.",
    "..DDGGGGkkkkDD..",
    "....DDGGkkDD....",
    "......DDDD......",
    "................",
    "................"};

constexpr Glyph kBestSize = {
    "................",
    ".BBBBB....BBBBB.",
    ".BbbbB....BbbbB.",
    ".BbbB......BbbB.",
    ".BbBbB....BbBbB.",
    ".BB.BbB..BbB.BB.",
    ".....BB..BB.....",
    "................",
    "................",
    ".....BB..BB.....",
    ".BB.BbB..BbB.BB.",
    ".BbBbB....BbBbB.",
    ".BbbB......BbbB.",
    ".BbbbB....BbbbB.",
    ".BBBBB....BBBBB.",
    "................"};

constexpr Glyph kActualSize = {
    "................",
    "................",
    "KKKKKKKKKKKKKKK.",
    "KcccccccccccccK.",
    "KccckccccckcccK.",
    "KcckkcccckkcccK.",
    "KccckcckcckcccK.",
    "KccckccccckcccK.",
    "KccckccccckcccK.",
    "KccckcckcckcccK.",
    "KcckkkccckkkccK.",
    "KcccccccccccccK.",
    "KKKKKKKKKKKKKKK.",
    "......KKK.......",
    "....KKKKKKK.....",
    "................"};

constexpr Glyph kSlideShow = {
    "................",
    "................",
    "...GG...........",
    "...GgGG.........",
    "...GgggGG.......",
    "...GgggggGG.....",
    "...GgggggggGG...",
    "...GgggggggggGG.",
    "...GgggggggggGG.",
    "...GgggggggGG...",
    "...GgggggGG.....",
    "...GgggGG.......",
    "...GgGG.........",
    "...GG...........",
    "................",
    "................"};

constexpr Glyph kTurnForward = {
    "................",
    "........b.......",
    "........bb......",
    ".....bbbbbb.....",
    "...bbbbbbbbb....",
    "..bbb...bbb.....",
    "..bb....bb......",
    ".bb.....b.......",
    ".bb.........bb..",
    ".bb.........bb..",
    ".bb.........bb..",
    "..bb.......bb...",
    "..bbb.....bbb...",
    "...bbbbbbbbb....",
    ".....bbbbb......",
    "................"};

constexpr Glyph kGrid = {
    "................",
    ".KKKKKKKKKKKKKK.",
    ".KccccKccccKccK.",
    ".KccccKccccKccK.",
    ".KccccKccccKccK.",
    ".KccccKccccKccK.",
    ".KKKKKKKKKKKKKK.",
    ".KccccKccccKccK.",
    ".KccccKccccKccK.",
    ".KccccKccccKccK.",
    ".KccccKccccKccK.",
    ".KKKKKKKKKKKKKK.",
    ".KccccKccccKccK.",
    ".KccccKccccKccK.",
    ".KKKKKKKKKKKKKK.",
    "................"};

constexpr Glyph kAbout = {
    "................",
    ".....bbbbbb.....",
    "...bbbbbbbbbb...",
    "..bbbbbwwbbbbb..",
    ".bbbbbbwwbbbbbb.",
    ".bbbbbbbbbbbbbb.",
    ".bbbbbwwwbbbbbb.",
    ".bbbbbbwwbbbbbb.",
    ".bbbbbbwwbbbbbb.",
    ".bbbbbbwwbbbbbb.",
    ".bbbbbbwwbbbbbb.",
    ".bbbbbwwwwbbbbb.",
    "..bbbbbbbbbbbb..",
    "...bbbbbbbbbb...",
    ".....bbbbbb.....",
    "................"};

constexpr Glyph kDelete = {
    "................",
    "................",
    "..RR........RR..",
    ".RrrR......RrrR.",
    ".RrrrR....RrrrR.",
    "..RrrrR..RrrrR..",
    "...RrrrRRrrrR...",
    "....RrrrrrrR....",
    "....RrrrrrrR....",
    "...RrrrRRrrrR...",
    "..RrrrR..RrrrR..",
    ".RrrrR....RrrrR.",
    ".RrrR......RrrR.",
    "..RR........RR..",
    "................",
    "................"};

constexpr Glyph kEdit = {
    ".............R..",
    "............RppR",
    "...........RpppR",
    "..........KlppR.",
    ".........OlllK..",
    "........OyylK...",
    ".......OyyoO....",
    "......OyyoO.....",
    ".....OyyoO......",
    "....OyyoO.......",
    "...TtyoO........",
    "...TttO.........",
    "..TtTT..........",
    ".kTT............",
    ".kk.............",
    "................"};

constexpr Glyph kCopyToTs = {
    "................",
    "................",
    ".OOOOOO.........",
    ".OyyyyyO........",
    ".OyyyyyyOOOOOOO.",
    ".OyyyyyyyyyyyyO.",
    ".OyyyyyyyyyyyyO.",
    ".OyyyGGGyyGGyyO.",
    ".OyyyyGyyGyyyyO.",
    ".OyyyyGyyyGyyyO.",
    ".OyyyyGyyyyGyyO.",
    ".OyyyyGyyGGyyyO.",
    ".OyyyyyyyyyyyyO.",
    ".OOOOOOOOOOOOOO.",
    "................",
    "................"};

constexpr Glyph kCopyToRa = {
    "................",
    "................",
    ".OOOOOO.........",
    ".OyyyyyO........",
    ".OyyyyyyOOOOOOO.",
    ".OyyyyyyyyyyyyO.",
    ".OyyyyyyyyyyyyO.",
    ".OyyyRRyyyRyyyO.",
    ".OyyyRyRyRyRyyO.",
    ".OyyyRRyyRRRyyO.",
    ".OyyyRyRyRyRyyO.",
    ".OyyyRyRyRyRyyO.",
    ".OyyyyyyyyyyyyO.",
    ".OOOOOOOOOOOOOO.",
    "................",
    "................"};

constexpr Glyph kSettings = {
    "......KKKK......",
    ".KK...KKKK...KK.",
    ".KKK.KKKKKK.KKK.",
    "..KKKKKKKKKKKK..",
    "...KKKKKKKKKK...",
    "..KKKKKKKKKKKK..",
    "KKKKKKK..KKKKKKK",
    "KKKKKK....KKKKKK",
    "KKKKKK....KKKKKK",
    "KKKKKKK..KKKKKKK",
    "..KKKKKKKKKKKK..",
    "...KKKKKKKKKK...",
    "..KKKKKKKKKKKK..",
    ".KKK.KKKKKK.KKK.",
    ".KK...KKKK...KK.",
    "......KKKK......"};
// clang-format on

void Paint(Image& strip, int index, const Glyph& glyph, bool mirrored) {
    for (int y = 0; y < kToolbarButtonSize; ++y) {
        const std::string row = glyph[static_cast<size_t>(y)];
        if (row.size() != kToolbarButtonSize) throw std::logic_error("a toolbar glyph row must be 16 wide");
        for (int x = 0; x < kToolbarButtonSize; ++x) {
            const char c = row[static_cast<size_t>(mirrored ? kToolbarButtonSize - 1 - x : x)];
            strip.Set(index * kToolbarButtonSize + x, y, InkColour(c));
        }
    }
}

}  // namespace

Image DrawViewerToolbar() {
    Image strip(kToolbarButtonSize * kViewerToolbarButtons, kToolbarButtonSize, kToolbarKey);
    struct Button {
        const Glyph* glyph;
        bool mirrored;
    };
    const std::array<Button, kViewerToolbarButtons> buttons = {{
        {&kPrevious, false},
        {&kPrevious, true},  // next
        {&kZoomIn, false},
        {&kZoomOut, false},
        {&kTile, false},
        {&kBestSize, false},
        {&kActualSize, false},
        {&kSlideShow, false},
        {&kTurnForward, false},
        {&kTurnForward, true},  // turn back
        {&kGrid, false},
        {&kAbout, false},
        {&kDelete, false},
        {&kEdit, false},
        {&kCopyToTs, false},
        {&kCopyToRa, false},
        {&kSettings, false},
    }};
    for (size_t i = 0; i < buttons.size(); ++i)
        Paint(strip, static_cast<int>(i), *buttons[i].glyph, buttons[i].mirrored);
    return strip;
}

}  // namespace zelt::artgen
