#include <windows.h>
#include <shlobj.h>

#include "editor/settings/DataFolder_win.h"

#include "common/WinHandles.h"
#include "editor/settings/ProgramFolder.h"
#include "editor/template/WideText_win.h"

namespace zelt {

namespace {

class WinDataFolderAccess : public DataFolderAccess {
public:
    bool CanCreateFileIn(const std::string& folder) override {
        // A name of this process alone, gone again when closed.
        const std::string probe = folder + "Zelt_" + std::to_string(GetCurrentProcessId()) + ".tmp";
        const UniqueFile file(CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                          FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
        return static_cast<bool>(file);
    }
    bool FileExists(const std::string& path) override {
        const DWORD attributes = GetFileAttributesA(path.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    }
    bool CreateFolder(const std::string& folder) override {
        std::string path = folder;
        if (!path.empty() && path.back() == '\\') path.pop_back();
        SHCreateDirectoryExA(nullptr, path.c_str(), nullptr);
        // Its answer for "exists already" varies; what counts is a folder there now.
        const DWORD attributes = GetFileAttributesA(path.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    }
    bool Copy(const std::string& from, const std::string& to) override {
        return CopyFileA(from.c_str(), to.c_str(), TRUE) != FALSE;
    }
};

// %APPDATA% as the environment gives it, else the shell's roaming application data folder.
unsigned AppDataVariable(wchar_t* text, unsigned size) { return GetEnvironmentVariableW(L"APPDATA", text, size); }

std::string AppDataFolder() {
    // By its UTF-16 name: the folder lies under the user's, whose name may have any characters.
    const std::string variable = TextOfWideCall(AppDataVariable);
    if (!variable.empty()) return variable;
    wchar_t buffer[MAX_PATH] = {};  // the size this function takes
    if (SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, buffer) == S_OK)
        return TextFromWide(buffer);
    return {};
}

}  // namespace

const DataFolder& ProcessDataFolder() {
    static const DataFolder folder = [] {
        WinDataFolderAccess access;
        return ChooseDataFolder(ProgramFolder(), AppDataFolder(), access);
    }();
    return folder;
}

std::string DataFilePath(const std::string& name) {
    WinDataFolderAccess access;
    return PrepareDataFile(ProcessDataFolder(), name, access);
}

}  // namespace zelt
