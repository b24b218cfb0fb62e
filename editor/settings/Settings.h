// The editor's settings: one process-wide record, every key of "Zelt_Builder.ini" with its default in
// one table, and the start-up and exit passes over them.
#pragma once
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "editor/settings/SettingsValues.h"

namespace zelt {

inline constexpr int kMaxRecentLimit = 20;

struct EditorSettings {
    // General, View, Toolbar, Open: read at start-up, written at exit.
    bool disableVisualStyles{};
    std::string batchImportOutDir;
    std::string batchImportInDir;
    bool drawBlackFrameAround{};
    bool quickEditMode{};
    bool cpShowFull{};
    bool toolbarRightText{};
    bool toolbarText{};
    bool stretchPreview{};
    bool useInvertTileSelect{};
    bool useEuiStyle{};
    ColourRef stripBackColour{};
    ColourRef stripForeColour{};
    // MainWindow and RecentFiles: read after the main window exists (docked runs), written at exit.
    bool isMaximized{};
    std::optional<WindowRect> windowPos;  // the restored rectangle; nothing until read or set
    int maxRecent{};                        // 0 ... 20
    std::vector<std::string> recentFiles; // oldest first
    // Dialog memory, read when the dialog opens and written when it closes with OK.
    std::string openFolder;
    int openIndex{};
    std::string saveFolder;
    int saveIndex{};
    std::string paletteFolder;
    int paletteIndex{};
    std::string exportAll;
    std::string exportNormalImage;
    std::string exportExtraImage;
    std::string exportImagesFolder;
    std::string importNormalFolder;
    std::string importExtraFolder;
    bool tipShowAtStart{};
    int tipCurrent{};
    int newWidth{};
    int newHeight{};
    int newGame{};
    int newTheater{};
    int newTerrainType{};
};

// When a key is read.
enum class SettingGroup {
    kVisualStyles,  // first of all at start-up
    kStartup,       // LoadSettings
    kStrip,         // when the tile strip's window class is registered
    kWindow,        // after the main window is created
    kDialog,        // around the use of its dialog
};

using SettingField = std::variant<bool EditorSettings::*, int EditorSettings::*, ColourRef EditorSettings::*,
                                  std::string EditorSettings::*, std::optional<WindowRect> EditorSettings::*>;

struct SettingKey {
    const char* section;
    const char* key;
    SettingField field;
    const char* defaultText;  // as written in the file; empty for none
    SettingGroup group;
};

// Every key of the editor's settings file except the numbered "Recent%d" keys, in start-up order.
std::span<const SettingKey> SettingKeys();
const SettingKey* FindSettingKey(const char* section, const char* key);

// The record with every default of the table (no recent files, no window rectangle).
EditorSettings DefaultSettings();

extern EditorSettings g_settings;

// Reads or writes one key of the table between the file and the record.
void ReadSetting(const SettingKey& key, EditorSettings& settings);
void WriteSetting(const SettingKey& key, const EditorSettings& settings);

// Start-up passes, each reading its keys in table order.
void LoadVisualStylesSetting();
void LoadSettings();
void LoadStripColours();
// IsMaximized, WindowPos, MaxNumber (clamped to 0 ... 20) and the recent files, which replace the list.
void LoadWindowSettings();

// At exit: IsMaximized, WindowPos, the start-up keys, MaxNumber and Recent0 ... in the fixed exit order.
void SaveSettings();

// The recent-files list: AddRecentFile appends a path as newest; TrimRecentFiles drops the oldest
// until at most maxRecent remain; RemoveRecentFile takes entry index out (nothing when out of range).
void AddRecentFile(EditorSettings& settings, const std::string& path);
void TrimRecentFiles(EditorSettings& settings);
void RemoveRecentFile(EditorSettings& settings, size_t index);
// Takes out the newest entry equal to path (the one the menu shows first); nothing when none is.
void RemoveRecentPath(EditorSettings& settings, const std::string& path);

}  // namespace zelt
