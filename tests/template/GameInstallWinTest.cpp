// The games' install folders as the registry holds them, in a folder of Cyrillic and CJK letters
// longer in UTF-8 than MAX_PATH bytes, as a plain string and as one to expand.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "editor/template/GameInstall_win.h"
#include "editor/template/WideText_win.h"

namespace zelt {
namespace {

// The family's key in the 32-bit view, given the value for the test and emptied of it afterwards.
class InstallKey {
public:
    explicit InstallKey(GameKind family) {
        RegCreateKeyExW(HKEY_LOCAL_MACHINE, WideFromText(GameInstallKey(family)).c_str(), 0, nullptr, 0,
                        KEY_SET_VALUE | KEY_WOW64_32KEY, nullptr, &key_, nullptr);
    }
    ~InstallKey() {
        if (!key_) return;
        RegDeleteValueW(key_, L"InstallPath");
        RegCloseKey(key_);
    }
    bool Set(DWORD type, const std::wstring& value) {
        return key_ && RegSetValueExW(key_, L"InstallPath", 0, type, reinterpret_cast<const BYTE*>(value.c_str()),
                                      static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
    }

private:
    HKEY key_ = nullptr;
};

TEST(GameInstallWin, AFolderOfAnyLettersAndLengthIsReadWhole) {
    std::string folder = "C:\\Games\\";
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 10; ++j) folder += "\xD0\x9A\xD0\xB0\xD1\x80\xD1\x82\xD0\xB0\xE5\x9C\xB0\xE5\x9B\xB3";
        folder += "\\";
    }
    ASSERT_GT(folder.size(), static_cast<size_t>(MAX_PATH));  // 192 characters, 492 bytes
    InstallKey key(kRa2Yr);
    ASSERT_TRUE(key.Set(REG_SZ, WideFromText(folder + "Game.exe")));
    std::string found;
    ASSERT_TRUE(GameInstallFolder(kRa2Yr, found));
    EXPECT_EQ(found, folder);

    ASSERT_TRUE(SetEnvironmentVariableW(L"ZELT_GAMES", WideFromText(folder).c_str()));
    ASSERT_TRUE(key.Set(REG_EXPAND_SZ, L"%ZELT_GAMES%Yuri\\Game.exe"));
    found.clear();
    ASSERT_TRUE(GameInstallFolder(kRa2Yr, found));
    EXPECT_EQ(found, folder + "Yuri\\");
    SetEnvironmentVariableW(L"ZELT_GAMES", nullptr);
}

}  // namespace
}  // namespace zelt
