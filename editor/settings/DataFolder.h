// Where the program keeps the files it writes: its settings, "Environment.dat" and "Except.txt".
// Decided once at start-up. A program folder in which a file can be created is a portable copy and
// keeps them beside the program; otherwise (a copy installed under Program Files, where a user may
// not write) they live in the user's application data folder, "<APPDATA>\Zelt\", created then.
#pragma once
#include <string>

namespace zelt {

struct DataFolder {
    std::string programFolder;  // ends in '\\'
    std::string writeFolder;    // ends in '\\': the program folder or "<APPDATA>\Zelt\"
    bool InProgramFolder() const { return writeFolder == programFolder; }
};

// What the decision asks of the file system; the Win32 half and the tests answer it.
class DataFolderAccess {
public:
    virtual ~DataFolderAccess() = default;
    // Whether a new file can be created in the folder (it is removed again).
    virtual bool CanCreateFileIn(const std::string& folder) = 0;
    virtual bool FileExists(const std::string& path) = 0;
    // Creates the folder and its missing parents; true when it exists afterwards.
    virtual bool CreateFolder(const std::string& folder) = 0;
    virtual bool Copy(const std::string& from, const std::string& to) = 0;
};

// The program folder when a file can be created there; otherwise "<appData>\Zelt\", created now.
// When there is no application data folder or it cannot be made, the program folder stays the
// choice: nothing better is left, and writes fail there as they would anyway.
DataFolder ChooseDataFolder(const std::string& programFolder, const std::string& appData, DataFolderAccess& access);

// The path one of the writable files is read from and written to. When the files live outside the
// program folder and only the program folder holds this one (defaults an administrator put beside
// the program), it is copied over first, so those defaults are read and the user's changes kept.
// Should that copy fail, the program folder's file is still read.
std::string PrepareDataFile(const DataFolder& folder, const std::string& name, DataFolderAccess& access);

}  // namespace zelt
