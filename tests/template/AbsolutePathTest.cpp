#include <gtest/gtest.h>

#include "editor/template/AbsolutePath.h"

using namespace zelt;

TEST(MakeAbsolutePath, RelativePathsStartFromTheCurrentFolder) {
    const char* here = "C:\\Maps\\Snow";
    EXPECT_EQ(MakeAbsolutePath("foo.tem", here), "C:\\Maps\\Snow\\foo.tem");
    EXPECT_EQ(MakeAbsolutePath("foo.tem", "C:\\Maps\\Snow\\"), "C:\\Maps\\Snow\\foo.tem");
    EXPECT_EQ(MakeAbsolutePath(".\\a/b\\..\\foo.tem", here), "C:\\Maps\\Snow\\a\\foo.tem");
    EXPECT_EQ(MakeAbsolutePath("..\\..\\..\\..\\foo.tem", here), "C:\\foo.tem");
    EXPECT_EQ(MakeAbsolutePath("My Maps\\a b.sno", here), "C:\\Maps\\Snow\\My Maps\\a b.sno");
    EXPECT_EQ(MakeAbsolutePath("..", here), "C:\\Maps");
    EXPECT_EQ(MakeAbsolutePath("sub\\", here), "C:\\Maps\\Snow\\sub\\");
    EXPECT_EQ(MakeAbsolutePath("", here), "");
}

TEST(MakeAbsolutePath, RootsDrivesAndSharesKeepTheirMeaning) {
    const char* here = "C:\\Maps\\Snow";
    EXPECT_EQ(MakeAbsolutePath("\\foo.tem", here), "C:\\foo.tem");
    EXPECT_EQ(MakeAbsolutePath("D:\\x\\.\\foo.tem", here), "D:\\x\\foo.tem");
    EXPECT_EQ(MakeAbsolutePath("D:/x/foo.tem", here), "D:\\x\\foo.tem");
    EXPECT_EQ(MakeAbsolutePath("c:foo.tem", here), "C:\\Maps\\Snow\\foo.tem");
    EXPECT_EQ(MakeAbsolutePath("D:foo.tem", here), "D:\\foo.tem");
    EXPECT_EQ(MakeAbsolutePath("C:\\..\\foo.tem", here), "C:\\foo.tem");

    const char* share = "\\\\server\\maps\\snow";
    EXPECT_EQ(MakeAbsolutePath("..\\..\\..\\foo.tem", share), "\\\\server\\maps\\foo.tem");
    EXPECT_EQ(MakeAbsolutePath("\\foo.tem", share), "\\\\server\\maps\\foo.tem");
    EXPECT_EQ(MakeAbsolutePath("//other/share/../x.tem", here), "\\\\other\\share\\x.tem");
    EXPECT_EQ(MakeAbsolutePath("\\\\?\\C:\\very\\long", here), "\\\\?\\C:\\very\\long");
}
