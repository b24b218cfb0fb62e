// Saving on Windows: the target's attributes stay, a target another program holds for a moment is
// waited for, a read-only one is refused, and a path at the length limit still saves.
#include <gtest/gtest.h>
#include <windows.h>

#include <thread>

#include "editor/template/FileBytes.h"
#include "tests/support/TestSupport.h"

namespace zelt {
namespace {

using test::ScratchFolder;

TEST(FileBytesWin, ReplacingKeepsAttributesAndWaitsForAProgramHoldingTheTarget) {
    ScratchFolder dir;
    const std::string path = dir.File("kept.tem");
    std::string error;
    ASSERT_TRUE(WriteFileAtomic(path, std::vector<uint8_t>{1}, error)) << error;
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
    ASSERT_TRUE(WriteFileAtomic(path, std::vector<uint8_t>{2}, error)) << error;
    EXPECT_TRUE(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(ReadWholeFile(path), std::vector<uint8_t>{2});

    // A program (a virus scanner, a preview) holds the file without sharing for 300 ms.
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    std::thread release([held] {
        Sleep(300);
        CloseHandle(held);
    });
    const bool written = WriteFileAtomic(path, std::vector<uint8_t>{3}, error);
    release.join();
    EXPECT_TRUE(written) << error;
    EXPECT_EQ(ReadWholeFile(path), std::vector<uint8_t>{3});

    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_TRUE(IsReadOnlyFile(path));
    EXPECT_FALSE(WriteFileAtomic(path, std::vector<uint8_t>{4}, error));
    EXPECT_EQ(ReadWholeFile(path), std::vector<uint8_t>{3});
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(FileBytesWin, APathAtTheLengthLimitStillSaves) {
    ScratchFolder dir;
    std::string folder = dir.Path();
    for (char& c : folder) {
        if (c == '/') c = '\\';
    }
    // A folder name that makes the target exactly 259 characters long.
    const size_t room = 259 - folder.size() - 1 - 5;
    ASSERT_GT(room, 10u);
    const std::string inner = folder + std::string(room, 'f');
    ASSERT_TRUE(CreateDirectoryA(inner.c_str(), nullptr));
    const std::string path = inner + "\\a.tem";
    ASSERT_EQ(path.size(), 259u);
    std::string error;
    ASSERT_TRUE(WriteFileAtomic(path, std::vector<uint8_t>{7, 8}, error)) << error;
    ASSERT_TRUE(WriteFileAtomic(path, std::vector<uint8_t>{9}, error)) << error;
    EXPECT_EQ(ReadWholeFile(path), std::vector<uint8_t>{9});
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((inner + "\\*").c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    int files = 0;
    do files += !(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    while (FindNextFileA(search, &found));
    FindClose(search);
    EXPECT_EQ(files, 1);  // no temporary file left behind
    DeleteFileA(path.c_str());
    RemoveDirectoryA(inner.c_str());
}

}  // namespace
}  // namespace zelt
