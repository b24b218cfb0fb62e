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

TEST(FileBytes, TemporaryNamesAreShortUniqueAndBesideTheTarget) {
    const std::string folder = "C:\\" + std::string(240, 'f') + "\\";
    const std::string target = folder + "a_template_name.tem";  // 263 characters: past the limit already
    const std::string temp = TemporaryFileFor(target, 0xFFFFFFFFul, 0xFFFFFFFFu);
    EXPECT_EQ(temp.substr(0, folder.size()), folder);
    EXPECT_LE(temp.size() - folder.size(), 23u);  // the longest process id and counter
    // A target name of 5 characters in a folder of 245: the temporary file is short as well.
    const std::string shortTarget = "C:\\" + std::string(241, 'f') + "\\a.tem";
    EXPECT_LE(TemporaryFileFor(shortTarget, 4242, 7).size(), shortTarget.size() + 10);
    EXPECT_NE(TemporaryFileFor(target, 1, 1), TemporaryFileFor(target, 2, 1));  // two programs
    EXPECT_NE(TemporaryFileFor(target, 1, 1), TemporaryFileFor(target, 1, 2));  // two saves
    EXPECT_EQ(TemporaryFileFor("a.tem", 1, 1).find_first_of("\\/"), std::string::npos);
}

TEST(FileBytes, ReplacingKeepsPermissionsAndRefusesAReadOnlyTarget) {
    ScratchFolder dir;
    const std::string path = dir.File("kept.tem");
    std::string error;
    ASSERT_TRUE(WriteFileAtomic(path, std::vector<uint8_t>{1}, error)) << error;
    namespace fs = std::filesystem;
    const fs::perms mine = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(NativePath(path), mine);
    ASSERT_TRUE(WriteFileAtomic(path, std::vector<uint8_t>{2}, error)) << error;
#ifndef _WIN32  // Windows keeps only the read-only attribute among these
    EXPECT_EQ(fs::status(NativePath(path)).permissions() & fs::perms::all, mine);
#endif

    fs::permissions(NativePath(path), fs::perms::owner_read | fs::perms::group_read);
    EXPECT_TRUE(IsReadOnlyFile(path));
    EXPECT_FALSE(WriteFileAtomic(path, std::vector<uint8_t>{3}, error));
    EXPECT_NE(error.find("read-only"), std::string::npos) << error;
    EXPECT_EQ(ReadWholeFile(path), std::vector<uint8_t>{2});
    EXPECT_EQ(FilesIn(dir.Path()), 1u);
    EXPECT_FALSE(IsReadOnlyFile(dir.File("missing.tem")));
    fs::permissions(NativePath(path), mine);
}
