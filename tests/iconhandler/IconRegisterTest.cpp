// Registration through the exports (with the classes and machine roots redirected to scratch
// keys) and through regsvr32 (on the Wine prefix's own registry).
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

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
    EXPECT_EQ(ValueOf(machine, kApproved, kHandlerClsidText), "C&C Zelt File");
    // Registering again changes nothing.
    ASSERT_EQ(Library().registerServer(), S_OK);
    EXPECT_EQ(ValueOf(classes, ".SNO"), "ZeltFileType");
}

TEST_F(RedirectedRegistry, ExistingProgIdsAreReusedAndUnregistrationKeepsExtensions) {
    SetValue(classes, ".SNO", "OtherProgram.Snow");
    SetValue(classes, ".URB", "Urban.File");
    SetValue(classes, "Urban.File\\ShellEX\\IconHandler", "{00000000-1111-2222-3333-444444444444}");
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
    EXPECT_TRUE(KeyExists(classes, "ZeltFileType"));
    EXPECT_EQ(ValueOf(classes, "Urban.File\\ShellEX\\IconHandler"), "{00000000-1111-2222-3333-444444444444}");

    // Without the class key there is nothing to remove.
    EXPECT_EQ(Library().unregisterServer(), E_FAIL);
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
