#include <gtest/gtest.h>

#include <filesystem>

#include "editor/template/FileBytes.h"
#include "tests/support/TestSupport.h"

using namespace zelt;
using zelt::test::ScratchFolder;

namespace {
size_t FilesIn(const std::string& folder) {
    size_t n = 0;
    for (auto& entry : std::filesystem::directory_iterator(folder)) n += entry.is_regular_file();
    return n;
}
}  // namespace

TEST(FileBytes, WritesAndReplacesWholeFiles) {
    ScratchFolder dir;
    const std::string path = dir.File("a.tem");
    std::string error;
    const std::vector<uint8_t> first = {1, 2, 3}, second = {9};
    ASSERT_TRUE(WriteFileAtomic(path, first, error)) << error;
    EXPECT_EQ(ReadWholeFile(path), first);
    ASSERT_TRUE(WriteFileAtomic(path, second, error)) << error;
    EXPECT_EQ(ReadWholeFile(path), second);
    ASSERT_TRUE(WriteFileAtomic(path, {}, error));
    EXPECT_EQ(ReadWholeFile(path), std::vector<uint8_t>{});
    EXPECT_EQ(FilesIn(dir.Path()), 1u);  // no temporary file is left behind
}

TEST(FileBytes, AFailedWriteLeavesTheTargetAlone) {
    ScratchFolder dir;
    // The target is a folder: the temporary file is written, but cannot replace it.
    const std::string target = dir.File("taken");
    std::filesystem::create_directory(target);
    std::filesystem::create_directory(target + "/inside");
    std::string error;
    EXPECT_FALSE(WriteFileAtomic(target, std::vector<uint8_t>{1, 2}, error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(std::filesystem::is_directory(target + "/inside"));
    EXPECT_EQ(FilesIn(dir.Path()), 0u);
    // A folder that does not exist.
    EXPECT_FALSE(WriteFileAtomic(dir.File("missing/a.tem"), std::vector<uint8_t>{1}, error));
    EXPECT_FALSE(ReadWholeFile(dir.File("missing/a.tem")));
}
