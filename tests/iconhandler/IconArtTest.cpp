// The fallback icon committed beside the handler is the one the artwork tool draws today.
#include <gtest/gtest.h>

#include "tests/support/TestSupport.h"
#include "tools/iconart/IconArt.h"

namespace zelt::iconart {
namespace {

uint32_t U16(const std::vector<uint8_t>& b, size_t at) { return b[at] | b[at + 1] << 8; }
uint32_t U32(const std::vector<uint8_t>& b, size_t at) { return U16(b, at) | U16(b, at + 2) << 16; }

TEST(IconArt, CommittedIconIsTheToolsOutput) {
    const std::vector<uint8_t> made = MakeTemplateIconFile();
    const std::vector<uint8_t> committed =
        zelt::test::ReadFile(std::string(ZELT_SOURCE_DIR) + "/iconhandler/TemplateIcon.ico");
    EXPECT_TRUE(made == committed) << "run iconart iconhandler/TemplateIcon.ico";
}

TEST(IconArt, HoldsThreeSizesAtThreeDepthsWithinTheFile) {
    const std::vector<uint8_t> ico = MakeTemplateIconFile();
    ASSERT_GE(ico.size(), 6u);
    ASSERT_EQ(U16(ico, 2), 1u);
    ASSERT_EQ(U16(ico, 4), 9u);
    int i = 0;
    for (int side : {48, 32, 16}) {
        for (int bits : {4, 8, 32}) {
            const size_t entry = 6 + 16 * static_cast<size_t>(i++);
            EXPECT_EQ(ico[entry], side);
            EXPECT_EQ(U16(ico, entry + 6), static_cast<uint32_t>(bits));
            const uint32_t size = U32(ico, entry + 8), offset = U32(ico, entry + 12);
            ASSERT_LE(static_cast<size_t>(offset) + size, ico.size());
            EXPECT_EQ(U32(ico, offset + 4), static_cast<uint32_t>(side));
            EXPECT_EQ(U32(ico, offset + 8), static_cast<uint32_t>(2 * side));
            const size_t palette = bits == 32 ? 0 : (size_t{1} << bits) * 4;
            const size_t colour = (static_cast<size_t>(side) * bits + 31) / 32 * 4 * side;
            const size_t mask = (static_cast<size_t>(side) + 31) / 32 * 4 * side;
            EXPECT_EQ(size, 40 + palette + colour + mask);
        }
    }
}

TEST(IconArt, CornersAreClearAndTheTileIsOpaque) {
    for (int side : {48, 32, 16}) {
        const std::vector<uint32_t> art = DrawTemplateArt(side);
        EXPECT_EQ(art[0] >> 24, 0u) << side;
        EXPECT_EQ(art[static_cast<size_t>(side) - 1] >> 24, 0u) << side;
        EXPECT_EQ(art[static_cast<size_t>(side / 2) * side + side / 2] >> 24, 255u) << side;
    }
}

}  // namespace
}  // namespace zelt::iconart
