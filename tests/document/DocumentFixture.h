// A scripted user interface and a fixture with a palette folder for the document's tests.
#pragma once
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "editor/editing/ViewFlags.h"
#include "editor/template/DocumentClass.h"
#include "editor/template/DocumentFiles.h"
#include "editor/template/DocumentUi.h"
#include "editor/template/FileBytes.h"
#include "editor/template/TemplateFile.h"
#include "tests/support/TestSupport.h"

namespace zelt::test {

// Answers from the script, in order; a question or dialog the script did not expect fails the test.
class ScriptedUi final : public DocumentUi {
public:
    std::deque<Answer> answers;
    std::deque<std::optional<std::string>> savePaths;
    std::deque<std::optional<int>> numbers;

    std::vector<std::string> questions, messages, recentAdded, recentRemoved, explored, paletteNames;
    std::vector<unsigned> refreshes;

    Answer Ask(const char* key, MessageIcon, bool) override {
        questions.push_back(key);
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question " << key;
            return Answer::Cancel;
        }
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    void ShowMessage(const char* key, MessageIcon) override { messages.push_back(key); }
    std::optional<std::string> AskSavePath() override {
        if (savePaths.empty()) {
            ADD_FAILURE() << "unexpected save-as dialog";
            return std::nullopt;
        }
        std::optional<std::string> p = savePaths.front();
        savePaths.pop_front();
        return p;
    }
    std::optional<int> AskNumber(const char*) override {
        if (numbers.empty()) {
            ADD_FAILURE() << "unexpected number dialog";
            return std::nullopt;
        }
        std::optional<int> n = numbers.front();
        numbers.pop_front();
        return n;
    }
    std::string Text(const char* key) override { return key; }
    void AddRecentFile(const std::string& path) override { recentAdded.push_back(path); }
    void RemoveRecentFile(const std::string& path) override { recentRemoved.push_back(path); }
    void ExploreFolder(const std::string& folder) override { explored.push_back(folder); }
    void ShowPaletteName(const std::string& name) override { paletteNames.push_back(name); }
    void Refresh(unsigned parts) override { refreshes.push_back(parts); }

    unsigned AllRefreshed() const {
        unsigned all = 0;
        for (unsigned r : refreshes) all |= r;
        return all;
    }
    bool ScriptUsedUp() const { return answers.empty() && savePaths.empty() && numbers.empty(); }
};

class DocumentFixture : public ::testing::Test {
protected:
    ScratchFolder folder;
    ScriptedUi ui;
    std::string root;  // the scratch folder as a Windows path, with a trailing backslash

    // Paths as the program takes them, and the file helpers over them.
    std::string At(const std::string& name) const { return root + name; }
    static std::vector<uint8_t> Read(const std::string& path) { return ReadFile(NativePath(path)); }
    static void Write(const std::string& path, const std::vector<uint8_t>& bytes) { WriteFile(NativePath(path), bytes); }
    static bool Exists(const std::string& path) { return FileExists(NativePath(path)); }

    void SetUp() override {
        Doc() = TemplateDocument{};
        Views() = ViewFlags{};
        SetDocumentUi(&ui);
        SuspendInterfaceUpdates(false);
        root = folder.Path();
        for (char& c : root) {
            if (c == '/') c = '\\';
        }
        SetDocumentProgramFolder(root);
        std::filesystem::create_directories(folder.Path() + "Palettes/TS_FS");
        std::filesystem::create_directories(folder.Path() + "Palettes/RA2_YR");
        WriteFile(folder.Path() + "Palettes/TS_FS/IsoTem.Pal", SamplePaletteBytes());
        WriteFile(folder.Path() + "Palettes/RA2_YR/IsoTem.Pal", SamplePaletteBytes());
    }
    void TearDown() override {
        EXPECT_TRUE(ui.ScriptUsedUp()) << "answers left in the script";
        SetDocumentUi(nullptr);
        Doc() = TemplateDocument{};
    }

    // A TS/FS template file of the given tiles; the path is in the scratch folder.
    std::string WriteTemplate(const std::string& name, const std::vector<TileRecord>& tiles) {
        std::vector<uint8_t> bytes;
        std::string error;
        EXPECT_TRUE(EncodeTemplate(tiles, 48, 24, SaveOptions{}, bytes, error)) << error;
        const std::string path = At(name);
        Write(path, bytes);
        return path;
    }
    std::vector<TileRecord> ThreeTiles() {
        return {GridTile(48, 24, 0, 0, 1), GridTile(48, 24, 1, 0, 2), GridTile(48, 24, 0, 1, 3)};
    }
    // An open, titled document of three tiles, loaded from a file.
    std::string OpenThreeTiles(const std::string& name = "three.tem") {
        const std::string path = WriteTemplate(name, ThreeTiles());
        EXPECT_TRUE(LoadTemplateFile(path));
        Doc().fileName = path;
        ui.refreshes.clear();
        return path;
    }
};

}  // namespace zelt::test
