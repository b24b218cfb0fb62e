// The fallback icon committed beside the handler is the one the artwork tool draws today.
#include <gtest/gtest.h>

#include "tests/support/TestSupport.h"
#include "tools/iconart/IconArt.h"

namespace zelt::iconart {
namespace {

TEST(IconArt, CommittedIconIsTheToolsOutput) {
    const std::vector<uint8_t> made = MakeTemplateIconFile();
    const std::vector<uint8_t> committed =
        zelt::test::ReadFile(std::string(ZELT_SOURCE_DIR) + "/iconhandler/TemplateIcon.ico");
    EXPECT_TRUE(made == committed) << "run iconart iconhandler/TemplateIcon.ico";
}

}  // namespace
}  // namespace zelt::iconart
