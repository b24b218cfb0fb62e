#include <gtest/gtest.h>

#include <map>

#include "editor/template/GameInstall.h"

using namespace zelt;

TEST(FindInstallFolder, ThirtyTwoBitViewFirstThenSixtyFourBit) {
    std::map<RegistryView, std::string> registry;
    std::vector<RegistryView> asked;
    auto read = [&](RegistryView view) -> std::optional<std::string> {
        asked.push_back(view);
        auto found = registry.find(view);
        if (found == registry.end()) return std::nullopt;
        return found->second;
    };
    EXPECT_EQ(FindInstallFolder(read), std::nullopt);
    EXPECT_EQ(asked, (std::vector<RegistryView>{RegistryView::k32Bit, RegistryView::k64Bit}));

    registry[RegistryView::k64Bit] = "D:\\Games\\TS64\\Game.exe";
    EXPECT_EQ(FindInstallFolder(read), "D:\\Games\\TS64\\");
    registry[RegistryView::k32Bit] = "C:\\Westwood\\TS\\Game.exe";
    EXPECT_EQ(FindInstallFolder(read), "C:\\Westwood\\TS\\");

    // A value without a folder is no install folder: the other view is asked.
    registry[RegistryView::k32Bit] = "Game.exe";
    EXPECT_EQ(FindInstallFolder(read), "D:\\Games\\TS64\\");
    registry[RegistryView::k64Bit] = "";
    EXPECT_EQ(FindInstallFolder(read), std::nullopt);
}
