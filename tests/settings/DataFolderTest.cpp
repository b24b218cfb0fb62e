// Where the writable files live: the program folder of a portable copy, the user's application data
// folder for a copy that may not write beside itself, and defaults left in the program folder.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "editor/settings/DataFolder.h"

namespace zelt {
namespace {

// A file system in memory: folders that refuse new files, folders that cannot be made, files.
class FakeAccess : public DataFolderAccess {
public:
    std::set<std::string> refusing;      // folders where no file can be created
    std::set<std::string> unmakeable;    // folders CreateFolder fails on
    std::set<std::string> folders;       // folders made
    std::map<std::string, std::string> files;
    std::vector<std::string> probed;
    bool copyFails = false;

    bool CanCreateFileIn(const std::string& folder) override {
        probed.push_back(folder);
        return !refusing.count(folder);
    }
    bool FileExists(const std::string& path) override { return files.count(path) > 0; }
    bool CreateFolder(const std::string& folder) override {
        if (unmakeable.count(folder)) return false;
        folders.insert(folder);
        return true;
    }
    bool Copy(const std::string& from, const std::string& to) override {
        if (copyFails || !files.count(from) || files.count(to)) return false;
        files[to] = files[from];
        return true;
    }
};

const std::string kProgram = "C:\\Program Files\\Zelt\\";
const std::string kAppData = "C:\\Users\\Ann\\AppData\\Roaming";
const std::string kUser = "C:\\Users\\Ann\\AppData\\Roaming\\Zelt\\";

TEST(ChooseDataFolder, APortableCopyKeepsItsFilesBesideItselfAndMakesNoOtherFolder) {
    FakeAccess access;
    const DataFolder folder = ChooseDataFolder("D:\\Games\\Zelt", kAppData, access);
    EXPECT_EQ(folder.programFolder, "D:\\Games\\Zelt\\");
    EXPECT_EQ(folder.writeFolder, "D:\\Games\\Zelt\\");
    EXPECT_TRUE(folder.InProgramFolder());
    EXPECT_EQ(access.probed, std::vector<std::string>{"D:\\Games\\Zelt\\"});
    EXPECT_TRUE(access.folders.empty());
}

TEST(ChooseDataFolder, AFolderThatRefusesNewFilesSendsThemToTheUsersApplicationData) {
    for (const std::string& appData : {kAppData, kAppData + "\\"}) {
        FakeAccess access;
        access.refusing.insert(kProgram);
        const DataFolder folder = ChooseDataFolder(kProgram, appData, access);
        EXPECT_EQ(folder.programFolder, kProgram);
        EXPECT_EQ(folder.writeFolder, kUser) << appData;
        EXPECT_FALSE(folder.InProgramFolder());
        EXPECT_EQ(access.folders, std::set<std::string>{kUser}) << "created at once";
    }
}

TEST(ChooseDataFolder, WithoutAUsableApplicationDataFolderTheProgramFolderStays) {
    FakeAccess access;
    access.refusing.insert(kProgram);
    EXPECT_EQ(ChooseDataFolder(kProgram, "", access).writeFolder, kProgram) << "no APPDATA";
    access.unmakeable.insert(kUser);
    EXPECT_EQ(ChooseDataFolder(kProgram, kAppData, access).writeFolder, kProgram) << "cannot be made";
    // No program folder at all: nothing is probed.
    FakeAccess none;
    EXPECT_EQ(ChooseDataFolder("", kAppData, none).writeFolder, "");
    EXPECT_TRUE(none.probed.empty());
}

TEST(PrepareDataFile, APortableCopyReadsAndWritesBesideItself) {
    FakeAccess access;
    const DataFolder folder{kProgram, kProgram};
    access.files[kProgram + "Zelt_Builder.ini"] = "mine";
    EXPECT_EQ(PrepareDataFile(folder, "Zelt_Builder.ini", access), kProgram + "Zelt_Builder.ini");
    EXPECT_EQ(PrepareDataFile(folder, "Environment.dat", access), kProgram + "Environment.dat");
    EXPECT_EQ(access.files.size(), 1u) << "nothing copied";
}

TEST(PrepareDataFile, AnInstalledCopyUsesTheUsersFileAndStartsItFromTheProgramFoldersDefaults) {
    const DataFolder folder{kProgram, kUser};
    {
        // The user's own file wins over the administrator's defaults, which stay untouched.
        FakeAccess access;
        access.files[kProgram + "Zelt_Builder.ini"] = "defaults";
        access.files[kUser + "Zelt_Builder.ini"] = "mine";
        EXPECT_EQ(PrepareDataFile(folder, "Zelt_Builder.ini", access), kUser + "Zelt_Builder.ini");
        EXPECT_EQ(access.files[kUser + "Zelt_Builder.ini"], "mine");
    }
    {
        // Only defaults: they are copied, so the first write keeps every other default.
        FakeAccess access;
        access.files[kProgram + "Zelt_Viewer.ini"] = "defaults";
        EXPECT_EQ(PrepareDataFile(folder, "Zelt_Viewer.ini", access), kUser + "Zelt_Viewer.ini");
        EXPECT_EQ(access.files[kUser + "Zelt_Viewer.ini"], "defaults");
        EXPECT_EQ(access.files[kProgram + "Zelt_Viewer.ini"], "defaults");
    }
    {
        // Neither: the user's path, nothing made up front.
        FakeAccess access;
        EXPECT_EQ(PrepareDataFile(folder, "Environment.dat", access), kUser + "Environment.dat");
        EXPECT_TRUE(access.files.empty());
    }
    {
        // The copy fails: the defaults are still read where they are.
        FakeAccess access;
        access.copyFails = true;
        access.files[kProgram + "Environment.dat"] = "defaults";
        EXPECT_EQ(PrepareDataFile(folder, "Environment.dat", access), kProgram + "Environment.dat");
    }
}

}  // namespace
}  // namespace zelt
