// A scripted user interface and a fixture with a palette folder for the document's tests.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "editor/document/DocumentClass.h"
#include "editor/document/DocumentFiles.h"
#include "editor/document/DocumentUi.h"
#include "editor/document/ViewFlags.h"
#include "editor/settings/Settings.h"
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
    std::vector<bool> undoAtRefresh;  // CanUndo() as each refresh found it

    Answer Ask(const char* key, MessageIcon, bool) override {
        questions.push_back(key);
        return Next(answers, Answer::Cancel, key);
    }
    std::optional<std::string> AskSavePath() override { return Next(savePaths, {}, "save-as dialog"); }
    std::optional<int> AskNumber(const char* key) override { return Next(numbers, {}, key); }
    void ShowMessage(const char* key, MessageIcon) override { messages.push_back(key); }
    std::string Text(const char* key) override { return key; }
    void AddRecentFile(const std::string& path) override {
        recentAdded.push_back(path);
        if (!recentList) return;
        zelt::AddRecentFile(*recentList, path);
        TrimRecentFiles(*recentList);
    }
    void RemoveRecentFile(const std::string& path) override {
        recentRemoved.push_back(path);
        if (recentList) RemoveRecentPath(*recentList, path);
    }
    // When set, the recent-files list kept as the editor keeps it.
    EditorSettings* recentList = nullptr;
    void ExploreFolder(const std::string& folder) override { explored.push_back(folder); }
    void ShowPaletteName(const std::string& name) override { paletteNames.push_back(name); }
    void Refresh(unsigned parts) override {
        refreshes.push_back(parts);
        undoAtRefresh.push_back(CanUndo());
    }

    unsigned AllRefreshed() const {
        unsigned all = 0;
        for (unsigned r : refreshes) all |= r;
        return all;
    }

private:
    template <typename T>
    static T Next(std::deque<T>& script, T otherwise, const char* what) {
        if (script.empty()) {
            ADD_FAILURE() << "unexpected " << what;
            return otherwise;
        }
        T value = script.front();
        script.pop_front();
        return value;
    }
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
        std::replace(root.begin(), root.end(), '/', '\\');
        SetDocumentProgramFolder(root);
        for (const char* family : {"TS_FS", "RA2_YR"}) {
            std::filesystem::create_directories(NativePath(At("Palettes\\") + family));
            Write(At("Palettes\\") + family + "\\IsoTem.Pal", SamplePaletteBytes());
        }
    }
    void TearDown() override {
        EXPECT_TRUE(ui.answers.empty() && ui.savePaths.empty() && ui.numbers.empty()) << "script not used up";
        SetDocumentUi(nullptr);
        Doc() = TemplateDocument{};
    }

    // A TS/FS template file of the given tiles in the scratch folder.
    std::string WriteTemplate(const std::string& name, const std::vector<TileRecord>& tiles) {
        std::vector<uint8_t> bytes;
        std::string error;
        EXPECT_TRUE(EncodeTemplate(tiles, 48, 24, SaveOptions{}, bytes, error)) << error;
        Write(At(name), bytes);
        return At(name);
    }
    static std::vector<TileRecord> ThreeTiles() {
        return {GridTile(48, 24, 0, 0, 1), GridTile(48, 24, 1, 0, 2), GridTile(48, 24, 0, 1, 3)};
    }
    // An open, titled, unmodified document of three tiles.
    std::string OpenThreeTiles(const std::string& name = "three.tem") {
        const std::string path = WriteTemplate(name, ThreeTiles());
        EXPECT_TRUE(LoadTemplateFile(path));
        Doc().fileName = path;
        ui.refreshes.clear();
        return path;
    }
};

}  // namespace zelt::test
