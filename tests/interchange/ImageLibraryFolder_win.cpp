// The Windows tree reads and writes PNG through the image library, which lies in the program folder.
#include <gtest/gtest.h>
#include <windows.h>

#include "tests/support/Program_win.h"

namespace {

class ImageLibraryFolder : public ::testing::Environment {
  public:
    void SetUp() override { SetDllDirectoryA(zelt::test::HostToWindowsPath(ZELT_DIST_DIR).c_str()); }
};

const auto* const kFolder = ::testing::AddGlobalTestEnvironment(new ImageLibraryFolder);

}  // namespace
