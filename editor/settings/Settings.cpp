#include "editor/settings/Settings.h"

#include <algorithm>
#include <cstring>

#include "editor/template/Utf8Text.h"

namespace zelt {

namespace {

using G = SettingGroup;
using S = EditorSettings;

// Start-up keys in the order they are read; the exit order is kExitOrder below.
const SettingKey kKeys[] = {
    {"General", "DisableVisualStyles", &S::disableVisualStyles, "no", G::kVisualStyles},
    {"Open", "BatchImportOutDir", &S::batchImportOutDir, "", G::kStartup},
    {"Open", "BatchImportInDir", &S::batchImportInDir, "", G::kStartup},
    {"View", "DrawBlackFrameAround", &S::drawBlackFrameAround, "no", G::kStartup},
    {"General", "QuickEditMode", &S::quickEditMode, "no", G::kStartup},
    {"General", "CPShowFull", &S::cpShowFull, "no", G::kStartup},
    {"Toolbar", "RightText", &S::toolbarRightText, "yes", G::kStartup},
    {"Toolbar", "Text", &S::toolbarText, "yes", G::kStartup},
    {"General", "StretchPreview", &S::stretchPreview, "no", G::kStartup},
    {"General", "UseInvertTileSelect", &S::useInvertTileSelect, "no", G::kStartup},
    {"General", "UseEUIStyle", &S::useEuiStyle, "yes", G::kStartup},
    {"General", "StripBColor", &S::stripBackColour, "255,255,255", G::kStrip},
    {"General", "StripFColor", &S::stripForeColour, "192,192,192", G::kStrip},
    {"MainWindow", "IsMaximized", &S::isMaximized, "no", G::kWindow},
    {"MainWindow", "WindowPos", &S::windowPos, "", G::kWindow},
    {"RecentFiles", "MaxNumber", &S::maxRecent, "6", G::kWindow},
    {"Paths", "OpenFile", &S::openFolder, "", G::kDialog},
    {"Paths", "OpenIndex", &S::openIndex, "0", G::kDialog},
    {"Paths", "SaveFile", &S::saveFolder, "", G::kDialog},
    {"Paths", "SaveIndex", &S::saveIndex, "0", G::kDialog},
    {"Paths", "PaletteFile", &S::paletteFolder, "", G::kDialog},
    {"Paths", "PaletteIndex", &S::paletteIndex, "0", G::kDialog},
    {"Paths", "ExportAll", &S::exportAll, "", G::kDialog},
    {"Paths", "ExportNImage", &S::exportNormalImage, "", G::kDialog},
    {"Paths", "ExportEImage", &S::exportExtraImage, "", G::kDialog},
    {"Paths", "ExportImgsDir", &S::exportImagesFolder, "", G::kDialog},
    {"Paths", "ImportNImgDir", &S::importNormalFolder, "", G::kDialog},
    {"Paths", "ImportEImgDir", &S::importExtraFolder, "", G::kDialog},
    {"TipOfTheDay", "ShowAtStart", &S::tipShowAtStart, "yes", G::kDialog},
    {"TipOfTheDay", "Current", &S::tipCurrent, "0", G::kDialog},
    {"NewDialog", "Width", &S::newWidth, "1", G::kDialog},
    {"NewDialog", "Height", &S::newHeight, "1", G::kDialog},
    {"NewDialog", "Game", &S::newGame, "0", G::kDialog},
    {"NewDialog", "Theater", &S::newTheater, "0", G::kDialog},
    {"NewDialog", "TerrainType", &S::newTerrainType, "0", G::kDialog},
};

// The keys SaveSettings writes, in order, before MaxNumber and the recent files.
const char* const kExitOrder[] = {
    "IsMaximized",    "WindowPos",           "BatchImportOutDir", "BatchImportInDir", "CPShowFull",
    "QuickEditMode",  "StripBColor",         "StripFColor",       "RightText",        "Text",
    "DrawBlackFrameAround", "StretchPreview", "DisableVisualStyles", "UseInvertTileSelect", "UseEUIStyle",
};

const SettingKey* FindByKey(const char* key) {
    for (const SettingKey& k : kKeys) {
        if (std::strcmp(k.key, key) == 0) return &k;
    }
    return nullptr;
}

void ReadGroup(SettingGroup group) {
    for (const SettingKey& key : kKeys) {
        if (key.group == group) ReadSetting(key, g_settings);
    }
}

}  // namespace

// Defined after the table it is made from.
EditorSettings g_settings = DefaultSettings();

std::span<const SettingKey> SettingKeys() { return kKeys; }

const SettingKey* FindSettingKey(const char* section, const char* key) {
    for (const SettingKey& k : kKeys) {
        if (std::strcmp(k.section, section) == 0 && std::strcmp(k.key, key) == 0) return &k;
    }
    return nullptr;
}

EditorSettings DefaultSettings() {
    EditorSettings s;
    for (const SettingKey& key : kKeys) {
        std::visit(
            [&](auto member) {
                using T = std::remove_reference_t<decltype(s.*member)>;
                if constexpr (std::is_same_v<T, bool>) {
                    s.*member = ParseFlag(key.defaultText);
                } else if constexpr (std::is_same_v<T, int>) {
                    s.*member = ParseInt(key.defaultText).value_or(0);
                } else if constexpr (std::is_same_v<T, ColourRef>) {
                    s.*member = ParseColour(key.defaultText).value_or(0);
                } else if constexpr (std::is_same_v<T, std::string>) {
                    s.*member = key.defaultText;
                } else {
                    s.*member = ParseRect(key.defaultText);
                }
            },
            key.field);
    }
    return s;
}

void ReadSetting(const SettingKey& key, EditorSettings& settings) {
    std::visit(
        [&](auto member) {
            using T = std::remove_reference_t<decltype(settings.*member)>;
            if constexpr (std::is_same_v<T, bool>) {
                ReadFlag(key.section, key.key, settings.*member);
            } else if constexpr (std::is_same_v<T, int>) {
                ReadInt(key.section, key.key, settings.*member);
            } else if constexpr (std::is_same_v<T, ColourRef>) {
                ReadColour(key.section, key.key, settings.*member);
            } else if constexpr (std::is_same_v<T, std::string>) {
                ReadText(key.section, key.key, settings.*member);
            } else {
                // A rectangle that is missing or does not parse leaves the one the system gives.
                if (std::optional<WindowRect> rect = ReadRect(key.section, key.key)) settings.*member = rect;
            }
        },
        key.field);
}

void WriteSetting(const SettingKey& key, const EditorSettings& settings) {
    std::visit(
        [&](auto member) {
            using T = std::remove_cvref_t<decltype(settings.*member)>;
            if constexpr (std::is_same_v<T, bool>) {
                WriteFlag(key.section, key.key, settings.*member);
            } else if constexpr (std::is_same_v<T, int>) {
                WriteInt(key.section, key.key, settings.*member);
            } else if constexpr (std::is_same_v<T, ColourRef>) {
                WriteColour(key.section, key.key, settings.*member);
            } else if constexpr (std::is_same_v<T, std::string>) {
                WriteText(key.section, key.key, settings.*member);
            } else {
                if (settings.*member) WriteRect(key.section, key.key, *(settings.*member));
            }
        },
        key.field);
}

void LoadVisualStylesSetting() { ReadGroup(G::kVisualStyles); }
void LoadSettings() { ReadGroup(G::kStartup); }
void LoadStripColours() { ReadGroup(G::kStrip); }

void LoadWindowSettings() {
    ReadGroup(G::kWindow);
    g_settings.maxRecent = std::clamp(g_settings.maxRecent, 0, kMaxRecentLimit);
    g_settings.recentFiles.clear();
    for (int i = 0; i < g_settings.maxRecent; ++i) {
        std::string path;
        const std::string key = "Recent" + std::to_string(i);
        ReadText("RecentFiles", key.c_str(), path);
        // A 259-character buffer: characters as Windows counts them, not bytes, and none cut in two.
        path.resize(Utf8PrefixOfUnits(path, kMaxSettingText - 1).size());
        if (!path.empty()) g_settings.recentFiles.push_back(path);
    }
}

void SaveSettings() {
    for (const char* name : kExitOrder) WriteSetting(*FindByKey(name), g_settings);
    WriteSetting(*FindByKey("MaxNumber"), g_settings);
    const size_t count = std::min(static_cast<size_t>(std::max(g_settings.maxRecent, 0)), g_settings.recentFiles.size());
    for (size_t i = 0; i < count; ++i) {
        const std::string key = "Recent" + std::to_string(i);
        WriteText("RecentFiles", key.c_str(), g_settings.recentFiles[i]);
    }
}

void AddRecentFile(EditorSettings& settings, const std::string& path) { settings.recentFiles.push_back(path); }

void TrimRecentFiles(EditorSettings& settings) {
    const size_t limit = static_cast<size_t>(std::max(settings.maxRecent, 0));
    if (settings.recentFiles.size() > limit)
        settings.recentFiles.erase(settings.recentFiles.begin(),
                                   settings.recentFiles.end() - static_cast<std::ptrdiff_t>(limit));
}

void RemoveRecentFile(EditorSettings& settings, size_t index) {
    if (index < settings.recentFiles.size()) settings.recentFiles.erase(settings.recentFiles.begin() + index);
}

void RemoveRecentPath(EditorSettings& settings, const std::string& path) {
    const std::vector<std::string>& list = settings.recentFiles;
    for (size_t i = list.size(); i-- > 0;) {
        if (list[i] == path) {
            RemoveRecentFile(settings, i);
            return;
        }
    }
}

}  // namespace zelt
