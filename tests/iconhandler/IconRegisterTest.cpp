// Registration through the exports (with the classes and machine roots redirected to scratch
// keys) and through regsvr32 (on the Wine prefix's own registry).
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

#include "tests/iconhandler/ComTestSupport.h"

namespace zelt::icon::test {
namespace {

const char* const kExtensions[] = {".TEM", ".SNO", ".URB", ".UBN", ".LUN", ".DES"};
const std::string kClsidKey = std::string("CLSID\\") + kHandlerClsidText;
constexpr char kApproved[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved";

bool KeyExists(HKEY root, const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

// The string value, or "<none>" when the key or the value is missing.
std::string ValueOf(HKEY root, const std::string& path, const char* name = nullptr) {
    char text[1024] = {};
    DWORD size = sizeof(text) - 1;
    if (RegGetValueA(root, path.c_str(), name, RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS) {
        return "<none>";
    }
    return text;
}

void SetValue(HKEY root, const std::string& path, const std::string& value) {
    ASSERT_EQ(RegSetKeyValueA(root, path.c_str(), nullptr, REG_SZ, value.c_str(), value.size() + 1),
              ERROR_SUCCESS);
}

// HKEY_CLASSES_ROOT and HKEY_LOCAL_MACHINE of this process point into a scratch key.
class RedirectedRegistry : public ::testing::Test {
  protected:
    void SetUp() override {
        scratchPath = "Software\\ZeltIconTest" + std::to_string(GetCurrentProcessId());
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, (scratchPath + "\\Classes").c_str(), 0, nullptr, 0,
                                  KEY_ALL_ACCESS, nullptr, &classes, nullptr),
                  ERROR_SUCCESS);
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, (scratchPath + "\\Machine").c_str(), 0, nullptr, 0,
                                  KEY_ALL_ACCESS, nullptr, &machine, nullptr),
                  ERROR_SUCCESS);
        ASSERT_EQ(RegOverridePredefKey(HKEY_CLASSES_ROOT, classes), ERROR_SUCCESS);
        ASSERT_EQ(RegOverridePredefKey(HKEY_LOCAL_MACHINE, machine), ERROR_SUCCESS);
    }
    void TearDown() override {
        RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
        RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
        RegCloseKey(classes);
        RegCloseKey(machine);
        RegDeleteTreeA(HKEY_CURRENT_USER, scratchPath.c_str());
    }
    std::string scratchPath;
    HKEY classes = nullptr;
    HKEY machine = nullptr;
};

TEST_F(RedirectedRegistry, FreshRegistrationWritesEveryKey) {
    ASSERT_EQ(KeyExists(classes, ".TEM"), false);
    ASSERT_EQ(Library().registerServer(), S_OK);
    EXPECT_EQ(ValueOf(classes, kClsidKey), "C&C Zelt File");
    EXPECT_STRCASEEQ(ValueOf(classes, kClsidKey + "\\InProcServer32").c_str(), Library().file.c_str());
    EXPECT_EQ(ValueOf(classes, kClsidKey + "\\InProcServer32", "ThreadingModel"), "Apartment");
    for (const char* ext : kExtensions) EXPECT_EQ(ValueOf(classes, ext), "ZeltFileType") << ext;
    EXPECT_EQ(ValueOf(classes, "ZeltFileType\\ShellEX\\IconHandler"), kHandlerClsidText);
    EXPECT_EQ(ValueOf(classes, "ZeltFileType\\DefaultIcon"), "%1");
    EXPECT_EQ(ValueOf(machine, kApproved, kHandlerClsidText), "C&C Zelt File");
    // Registering again changes nothing.
    ASSERT_EQ(Library().registerServer(), S_OK);
    EXPECT_EQ(ValueOf(classes, ".SNO"), "ZeltFileType");
}

TEST_F(RedirectedRegistry, ThumbnailAndPreviewClassesAreRegisteredAndRemovedExactly) {
    const std::string thumbnailKey = "ZeltFileType\\ShellEx\\{e357fccd-a995-4576-b01f-234630154e96}";
    const std::string previewKey = "ZeltFileType\\ShellEx\\{8895b1c6-b41f-4c1c-a562-0d564250836f}";
    const char* previewHandlers = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\PreviewHandlers";
    SetValue(machine, std::string(previewHandlers), "");  // the system's list exists already
    ASSERT_EQ(RegSetKeyValueA(machine, previewHandlers, "{00000000-1111-2222-3333-444444444444}", REG_SZ, "Other", 6),
              ERROR_SUCCESS);
    // A shared ProgID whose thumbnail provider is another program's keeps it.
    SetValue(classes, ".SNO", "OtherProgram.Snow");
    SetValue(classes, "OtherProgram.Snow\\ShellEx\\{e357fccd-a995-4576-b01f-234630154e96}",
             "{00000000-1111-2222-3333-444444444444}");

    ASSERT_EQ(Library().registerServer(), S_OK);
    EXPECT_EQ(ValueOf(classes, thumbnailKey), kThumbnailClsidText);
    EXPECT_EQ(ValueOf(classes, previewKey), kPreviewClsidText);
    for (const char* clsid : {kThumbnailClsidText, kPreviewClsidText}) {
        const std::string key = std::string("CLSID\\") + clsid;
        EXPECT_STRCASEEQ(ValueOf(classes, key + "\\InProcServer32").c_str(), Library().file.c_str());
        EXPECT_EQ(ValueOf(classes, key + "\\InProcServer32", "ThreadingModel"), "Apartment");
        EXPECT_NE(ValueOf(machine, kApproved, clsid), "<none>");
    }
    EXPECT_EQ(ValueOf(classes, std::string("CLSID\\") + kPreviewClsidText, "AppID"),
              "{6d2b5079-2f0b-48dd-ab7f-97cec514d30b}");
    EXPECT_NE(ValueOf(machine, previewHandlers, kPreviewClsidText), "<none>");
    EXPECT_EQ(ValueOf(classes, "OtherProgram.Snow\\ShellEx\\{e357fccd-a995-4576-b01f-234630154e96}"),
              "{00000000-1111-2222-3333-444444444444}");
    EXPECT_EQ(ValueOf(classes, "OtherProgram.Snow\\ShellEx\\{8895b1c6-b41f-4c1c-a562-0d564250836f}"),
              kPreviewClsidText);

    ASSERT_EQ(Library().unregisterServer(), S_OK);
    for (const char* clsid : {kThumbnailClsidText, kPreviewClsidText}) {
        EXPECT_FALSE(KeyExists(classes, std::string("CLSID\\") + clsid));
        EXPECT_EQ(ValueOf(machine, kApproved, clsid), "<none>");
    }
    EXPECT_FALSE(KeyExists(classes, thumbnailKey));
    EXPECT_FALSE(KeyExists(classes, previewKey));
    EXPECT_FALSE(KeyExists(classes, "OtherProgram.Snow\\ShellEx\\{8895b1c6-b41f-4c1c-a562-0d564250836f}"));
    EXPECT_EQ(ValueOf(classes, "OtherProgram.Snow\\ShellEx\\{e357fccd-a995-4576-b01f-234630154e96}"),
              "{00000000-1111-2222-3333-444444444444}");
    EXPECT_EQ(ValueOf(machine, previewHandlers, kPreviewClsidText), "<none>");
    EXPECT_EQ(ValueOf(machine, previewHandlers, "{00000000-1111-2222-3333-444444444444}"), "Other");
}

TEST_F(RedirectedRegistry, ExistingProgIdsAreReusedAndUnregistrationKeepsExtensions) {
    SetValue(classes, ".SNO", "OtherProgram.Snow");
    SetValue(classes, ".URB", "Urban.File");
    SetValue(classes, "Urban.File\\ShellEX\\IconHandler", "{00000000-1111-2222-3333-444444444444}");
    SetValue(classes, "Urban.File\\DefaultIcon", "urban.dll,3");
    HKEY lunar = nullptr;  // exists, without a default value
    ASSERT_EQ(RegCreateKeyA(classes, ".LUN", &lunar), ERROR_SUCCESS);
    RegCloseKey(lunar);

    ASSERT_EQ(Library().registerServer(), S_OK);
    EXPECT_EQ(ValueOf(classes, ".SNO"), "OtherProgram.Snow");
    EXPECT_EQ(ValueOf(classes, "OtherProgram.Snow\\ShellEX\\IconHandler"), kHandlerClsidText);
    EXPECT_EQ(ValueOf(classes, ".URB"), "Urban.File");
    EXPECT_EQ(ValueOf(classes, "Urban.File\\ShellEX\\IconHandler"), kHandlerClsidText);
    EXPECT_EQ(ValueOf(classes, ".LUN"), "ZeltFileType");
    EXPECT_EQ(ValueOf(classes, ".TEM"), "ZeltFileType");
    // Per-file icons on our ProgID only; other programs' ProgIDs keep their own icon.
    EXPECT_EQ(ValueOf(classes, "ZeltFileType\\DefaultIcon"), "%1");
    EXPECT_FALSE(KeyExists(classes, "OtherProgram.Snow\\DefaultIcon"));
    EXPECT_EQ(ValueOf(classes, "Urban.File\\DefaultIcon"), "urban.dll,3");

    // Another program's handler under a ProgID we share survives our removal.
    SetValue(classes, "Urban.File\\ShellEX\\IconHandler", "{00000000-1111-2222-3333-444444444444}");

    ASSERT_EQ(Library().unregisterServer(), S_OK);
    EXPECT_FALSE(KeyExists(classes, kClsidKey));
    EXPECT_EQ(ValueOf(machine, kApproved, kHandlerClsidText), "<none>");
    EXPECT_TRUE(KeyExists(machine, kApproved));
    for (const char* ext : kExtensions) EXPECT_TRUE(KeyExists(classes, ext)) << ext;
    EXPECT_EQ(ValueOf(classes, ".SNO"), "OtherProgram.Snow");
    EXPECT_FALSE(KeyExists(classes, "OtherProgram.Snow\\ShellEX\\IconHandler"));
    EXPECT_TRUE(KeyExists(classes, "OtherProgram.Snow\\ShellEX"));
    EXPECT_FALSE(KeyExists(classes, "ZeltFileType\\ShellEX\\IconHandler"));
    EXPECT_FALSE(KeyExists(classes, "ZeltFileType\\DefaultIcon"));
    EXPECT_TRUE(KeyExists(classes, "ZeltFileType"));
    EXPECT_EQ(ValueOf(classes, "Urban.File\\DefaultIcon"), "urban.dll,3");
    EXPECT_EQ(ValueOf(classes, "Urban.File\\ShellEX\\IconHandler"), "{00000000-1111-2222-3333-444444444444}");

    // Without the class key there is nothing to remove.
    EXPECT_EQ(Library().unregisterServer(), E_FAIL);
}

TEST_F(RedirectedRegistry, DefaultIconChangedSinceStaysOnUnregistration) {
    ASSERT_EQ(Library().registerServer(), S_OK);
    SetValue(classes, "ZeltFileType\\DefaultIcon", "C:\\Icons\\zelt.ico");
    ASSERT_EQ(Library().unregisterServer(), S_OK);
    EXPECT_EQ(ValueOf(classes, "ZeltFileType\\DefaultIcon"), "C:\\Icons\\zelt.ico");
}

// Closes every message box this process shows until it is destroyed; counts them.
class MessageBoxCloser {
  public:
    MessageBoxCloser() : thread_([this] { Run(); }) {}
    ~MessageBoxCloser() {
        stop_ = true;
        thread_.join();
    }
    int Closed() const { return closed_; }

  private:
    void Run() {
        while (!stop_) {
            EnumWindows(
                [](HWND window, LPARAM self) -> BOOL {
                    DWORD process = 0;
                    GetWindowThreadProcessId(window, &process);
                    char name[32] = {};
                    GetClassNameA(window, name, sizeof name);
                    if (process == GetCurrentProcessId() && std::string(name) == "#32770" &&
                        IsWindowVisible(window)) {
                        PostMessageA(window, WM_COMMAND, IDOK, 0);
                        ++reinterpret_cast<MessageBoxCloser*>(self)->closed_;
                        Sleep(100);  // gone before it could be counted twice
                    }
                    return TRUE;
                },
                reinterpret_cast<LPARAM>(this));
            Sleep(20);
        }
    }
    std::atomic<bool> stop_{false};
    std::atomic<int> closed_{0};
    std::thread thread_;
};

TEST_F(RedirectedRegistry, AFailedWriteFailsTheRegistration) {
    // A volatile key can have no lasting subkeys: the handler cannot be hung under this ProgID.
    HKEY progId = nullptr;
    ASSERT_EQ(RegCreateKeyExA(classes, "ZeltFileType", 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS,
                              nullptr, &progId, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(progId);
    SetValue(classes, ".SNO", "OtherProgram.Snow");
    HRESULT result = S_OK;
    int messages = 0;
    {
        MessageBoxCloser closer;
        result = Library().registerServer();
        messages = closer.Closed();
    }
    EXPECT_EQ(result, E_FAIL);
    EXPECT_GE(messages, 1);
    // The extensions that could be registered still are.
    EXPECT_EQ(ValueOf(classes, "OtherProgram.Snow\\ShellEX\\IconHandler"), kHandlerClsidText);
    EXPECT_EQ(ValueOf(machine, kApproved, kHandlerClsidText), "C&C Zelt File");
}

// A library in a folder whose name the ANSI code page cannot spell is registered under its real name.
TEST_F(RedirectedRegistry, ModulePathIsWrittenInFull) {
    wchar_t temp[MAX_PATH] = {};
    ASSERT_NE(GetTempPathW(MAX_PATH, temp), 0u);
    const std::wstring folder =
        std::wstring(temp) + L"zelt-\u03a9\u65e5-" + std::to_wstring(GetCurrentProcessId());
    const std::wstring file = folder + L"\\Zelt_IconHandler.dll";
    const std::wstring original(Library().file.begin(), Library().file.end());  // plain ASCII
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    ASSERT_TRUE(CopyFileW(original.c_str(), file.c_str(), FALSE));
    HMODULE copy = LoadLibraryW(file.c_str());
    ASSERT_NE(copy, nullptr);
    auto registerServer =
        reinterpret_cast<PlainExportFn>(reinterpret_cast<void*>(GetProcAddress(copy, "DllRegisterServer")));
    ASSERT_NE(registerServer, nullptr);
    EXPECT_EQ(registerServer(), S_OK);
    wchar_t written[1024] = {};
    DWORD size = sizeof written;
    const std::string key = kClsidKey + "\\InProcServer32";
    const std::wstring wideKey(key.begin(), key.end());
    ASSERT_EQ(RegGetValueW(classes, wideKey.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, written, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(lstrcmpiW(written, file.c_str()), 0);
    FreeLibrary(copy);
    DeleteFileW(file.c_str());
    RemoveDirectoryW(folder.c_str());
}

// Runs regsvr32 silently on the library and returns its exit code.
DWORD RunRegsvr32(const std::string& arguments) {
    std::string command = "regsvr32.exe /s " + arguments + " \"" + Library().file + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return static_cast<DWORD>(-1);
    }
    WaitForSingleObject(process.hProcess, 60000);
    DWORD code = static_cast<DWORD>(-1);
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

TEST(Regsvr32, RegistersAndUnregistersInTheRealRegistry) {
    bool existed[6] = {};
    for (int i = 0; i < 6; ++i) existed[i] = KeyExists(HKEY_CLASSES_ROOT, kExtensions[i]);
    const std::string progId = existed[0] ? ValueOf(HKEY_CLASSES_ROOT, ".TEM") : "ZeltFileType";
    ASSERT_NE(progId, "<none>");
    const bool progIdExisted = KeyExists(HKEY_CLASSES_ROOT, progId);

    ASSERT_EQ(RunRegsvr32(""), 0u);
    EXPECT_STRCASEEQ(ValueOf(HKEY_CLASSES_ROOT, kClsidKey + "\\InProcServer32").c_str(),
                     Library().file.c_str());
    EXPECT_EQ(ValueOf(HKEY_CLASSES_ROOT, progId + "\\ShellEX\\IconHandler"), kHandlerClsidText);
    EXPECT_EQ(ValueOf(HKEY_LOCAL_MACHINE, kApproved, kHandlerClsidText), "C&C Zelt File");

    ASSERT_EQ(RunRegsvr32("/u"), 0u);
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kClsidKey));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, progId + "\\ShellEX\\IconHandler"));
    EXPECT_EQ(ValueOf(HKEY_LOCAL_MACHINE, kApproved, kHandlerClsidText), "<none>");
    for (const char* ext : kExtensions) EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, ext)) << ext;

    // Leave the prefix as it was for the other tests.
    for (int i = 0; i < 6; ++i) {
        if (!existed[i]) RegDeleteTreeA(HKEY_CLASSES_ROOT, kExtensions[i]);
    }
    if (!progIdExisted) RegDeleteTreeA(HKEY_CLASSES_ROOT, progId.c_str());
}

}  // namespace
}  // namespace zelt::icon::test
