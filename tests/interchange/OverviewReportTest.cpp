// The overview's cell texts, the report writer's splitting rule and the report's bytes.
#include <gtest/gtest.h>

#include "editor/interchange/OverviewReport.h"
#include "tests/support/TestSupport.h"

namespace zelt::test {
namespace {

std::string Text(const char* key) {
    const std::string k = key;
    if (k == "GUI:TRUES") return "yes";
    if (k == "GUI:FALSES") return "no";
    if (k == "TXT_OVERVIEW_TITLE1") return "Overview";
    if (k == "TXT_OVERVIEW_TITLE2") return "====";
    return "?" + k;
}

TEST(ReportWriter, OnlyLineEndsBetweenNonEmptyPieces) {
    ReportWriter w;
    w.WriteText("");
    w.WriteText("\n\n");
    EXPECT_EQ(w.bytes, "");
    w.WriteText("\na\n\nb\n");
    EXPECT_EQ(w.bytes, "a\r\nb");
    EXPECT_EQ(w.lineEnds, 1);
    w.WriteLineEnd();
    w.WriteText("c");
    EXPECT_EQ(w.bytes, "a\r\nb\r\nc");
    EXPECT_EQ(w.lineEnds, 2);
}

TEST(OverviewReport, TheReportListsEveryTile) {
    TileRecord plain;
    plain.x = 24;
    plain.y = 12;
    TileRecord extra;
    extra.x = -5;
    extra.height = 3;
    extra.terrainCode = 7;
    extra.rampType = 2;
    extra.hasExtra = true;
    extra.extraX = 1;
    extra.extraY = -2;
    extra.extraWidth = 30;
    extra.extraHeight = 40;
    const std::string report = OverviewReport({plain, extra}, "C:\\t\\a.tem", Text);
    EXPECT_EQ(
        report,
        "====\r\nOverview\r\n====\r\n\r\nC:\\t\\a.tem\r\n\r\n"
        "Tile: 0\r\nX 24\r\nY: 12\r\nHeight: 0\r\nTerrain type: Clear\r\nRamp type: 0\r\nHave extra: "
        "no\r\n\r\n"
        "Tile: 1\r\nX -5\r\nY: 0\r\nHeight: 3\r\nTerrain type: Rock\r\nRamp type: 2\r\nHave extra: yes\r\n"
        "Extra X: 1\r\nExtra Y: -2\r\nExtra DX: 30\r\nExtra DY: 40\r\n\r\n");

    const auto cells = OverviewCells(extra, Text);
    EXPECT_EQ(cells[3], "Rock");
    EXPECT_EQ(cells[5], "yes");
    EXPECT_EQ(cells[9], "40");
    EXPECT_EQ(OverviewCells(plain, Text)[6], "");
    EXPECT_STREQ(kOverviewColumnKeys[0], "GUI:COLUMN_X");
    EXPECT_STREQ(kOverviewColumnKeys[1], "GUI:COLUMN_Y");
}

}  // namespace
}  // namespace zelt::test
