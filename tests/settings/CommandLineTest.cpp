#include <gtest/gtest.h>

#include <set>

#include "editor/settings/CommandLine.h"

using namespace zelt;

namespace {
const std::set<std::string> kExisting = {"C:\\maps\\a.tem", "C:\\maps\\b.sno", "C:\\My Maps\\a.tem", "C:\\maps"};
bool Exists(const std::string& path) { return kExisting.count(path) > 0; }
RunFlags Parse(std::string_view text, std::optional<bool> launch = std::nullopt) {
    return ParseCommandLine(text, launch, Exists);
}
}  // namespace

TEST(LaunchFile, OnlyOneAndTwoChooseAMode) {
    EXPECT_EQ(ViewerModeFromLaunchFile(std::vector<uint8_t>{1, 0, 0, 0}), true);
    EXPECT_EQ(ViewerModeFromLaunchFile(std::vector<uint8_t>{2, 0, 0, 0, 9}), false);
    EXPECT_EQ(ViewerModeFromLaunchFile(std::vector<uint8_t>{1, 0, 0}), std::nullopt);
    EXPECT_EQ(ViewerModeFromLaunchFile(std::vector<uint8_t>{0, 0, 0, 0}), std::nullopt);
    EXPECT_EQ(ViewerModeFromLaunchFile(std::vector<uint8_t>{3, 0, 0, 0}), std::nullopt);
    EXPECT_EQ(ViewerModeFromLaunchFile(std::vector<uint8_t>{1, 0, 0, 1}), std::nullopt);
    EXPECT_EQ(ViewerModeFromLaunchFile({}), std::nullopt);
}

TEST(CommandLine, TokensSplitAtRunsOfBlanksAndQuotesHoldPaths) {
    EXPECT_EQ(SplitCommandLine("  -PREVIEW   C:\\a.tem "), (std::vector<std::string>{"-PREVIEW", "C:\\a.tem"}));
    EXPECT_EQ(SplitCommandLine("-PREVIEW \"C:\\My Maps\\a.tem\" -NOCSF"),
              (std::vector<std::string>{"-PREVIEW", "C:\\My Maps\\a.tem", "-NOCSF"}));
    EXPECT_EQ(SplitCommandLine("\"unclosed path"), std::vector<std::string>{"unclosed path"});
    EXPECT_EQ(SplitCommandLine("\"\""), std::vector<std::string>{""});
    EXPECT_TRUE(SplitCommandLine("   ").empty());
}

TEST(CommandLine, ModesFlagsAndTheFile) {
    RunFlags viewer = Parse("-preview C:\\maps\\a.tem");
    EXPECT_TRUE(viewer.viewerMode);
    EXPECT_EQ(viewer.file, "C:\\maps\\a.tem");
    // The last mode wins, over launch.dat too.
    EXPECT_FALSE(Parse("-PREVIEW -EDITOR", true).viewerMode);
    EXPECT_TRUE(Parse("", true).viewerMode);
    EXPECT_FALSE(Parse("").viewerMode);
    // The first existing path is taken; missing ones are skipped.
    EXPECT_EQ(Parse("C:\\none.tem C:\\maps\\b.sno C:\\maps\\a.tem").file, "C:\\maps\\b.sno");
    EXPECT_EQ(Parse("C:\\maps").file, "C:\\maps");
    // Unquoted, a path with blanks falls apart and is not opened; quoted, it opens.
    EXPECT_EQ(Parse("C:\\My Maps\\a.tem").file, "");
    EXPECT_EQ(Parse("-PREVIEW \"C:\\My Maps\\a.tem\"").file, "C:\\My Maps\\a.tem");
    RunFlags flags = Parse("-nostr -NoCsf -NOTHEME -undock");
    EXPECT_TRUE(flags.noStrings && flags.keysAsText && flags.noTheme && flags.undocked);
}

TEST(CommandLine, HelpStopsTheScanWithTheFlagsSoFar) {
    RunFlags before = Parse("-NOCSF -HeLp");
    EXPECT_TRUE(before.showHelp);
    EXPECT_TRUE(before.keysAsText);
    RunFlags after = Parse("-HELP -NOCSF C:\\maps\\a.tem");
    EXPECT_TRUE(after.showHelp);
    EXPECT_FALSE(after.keysAsText);
    EXPECT_EQ(after.file, "");
}
