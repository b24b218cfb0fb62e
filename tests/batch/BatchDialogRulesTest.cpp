// The batch dialog's rules: the files an open dialog returns, the closing message of a run, and the
// preview's placement and cell markers.
#include <gtest/gtest.h>

#include "editor/interchange/BatchDialogRules.h"
#include "editor/render/DibCanvas.h"

namespace zelt {
namespace {

std::vector<std::string> Chosen(const std::string& result, std::string& folder) {
    return ChosenFiles(result.data(), result.size(), folder);
}
// A literal with its inner zeros, without the one the compiler adds.
template <size_t N>
std::string Bytes(const char (&text)[N]) {
    return std::string(text, N - 1);
}

TEST(BatchChosenFiles, OneFileOrAFolderWithNames) {
    std::string folder;
    EXPECT_EQ(Chosen(Bytes("C:\\pics\\a.png\0\0"), folder), (std::vector<std::string>{"C:\\pics\\a.png"}));
    EXPECT_EQ(folder, "C:\\pics");
    EXPECT_EQ(Chosen(Bytes("C:\\my.pics\0a.png\0b\0\0"), folder),
              (std::vector<std::string>{"C:\\my.pics\\a.png", "C:\\my.pics\\b"}));
    EXPECT_EQ(folder, "C:\\my.pics");
    // The root folder comes back with its separator; it is not doubled.
    EXPECT_EQ(Chosen(Bytes("C:\\\0a.png\0b.png\0\0"), folder),
              (std::vector<std::string>{"C:\\a.png", "C:\\b.png"}));
    EXPECT_EQ(folder, "C:");
    EXPECT_TRUE(Chosen(std::string(4, '\0'), folder).empty());
    EXPECT_EQ(folder, "");
    // A result without its closing zeros is read no further than its size.
    EXPECT_EQ(Chosen("C:\\x\\abc", folder), (std::vector<std::string>{"C:\\x\\abc"}));
}

std::string Key(const char* key) {
    return std::string("<") + key + ">";
}
std::string English(const char* key) {
    const std::string k = key;
    if (k == "MSG:BATCHSTOPPED") return "stopped after %d of %d";
    if (k == "MSG:BATCHFAILEDCOUNT") return "%d failed:";
    if (k == "MSG:BATCHMOREFAILED") return "and %d more";
    return "<" + k + ">";
}

TEST(BatchClosingText, SaysWhetherAnythingFailedAndNamesIt) {
    BatchOutcome clean{true, 3, false, {}};
    EXPECT_EQ(BatchClosingText(clean, 3, Key), "<MSG:BATCHFINISHED>");

    BatchOutcome failed{
        true, 4, true, {{"C:\\p\\a.png", "cannot be read"}, {"b", "is not the template's size"}}};
    EXPECT_EQ(BatchClosingText(failed, 9, English),
              "stopped after 4 of 9\n\n2 failed:\na.png\nb");
    failed.failures.clear();
    EXPECT_EQ(BatchClosingText(failed, 9, English), "stopped after 4 of 9");

    BatchOutcome many{true, 5, false, {}};
    for (char c : std::string("abcde")) many.failures.push_back({std::string(1, c) + ".bmp", ""});
    EXPECT_EQ(BatchClosingText(many, 5, English, 2),
              "<MSG:BATCHWITHERRORS>\n\n5 failed:\na.bmp\nb.bmp\nand 3 more");
}

TEST(ChosenFiles, AListCutAtTheEndOfTheBufferIsNotComplete) {
    using namespace std::string_literals;
    const std::string whole = "C:\\in\0a.bmp\0b.bmp\0\0"s;
    EXPECT_TRUE(ChosenFilesComplete(whole.data(), whole.size()));
    const std::string single = "C:\\in\\a.bmp\0\0\0"s;
    EXPECT_TRUE(ChosenFilesComplete(single.data(), single.size()));
    // Cut inside a name, or filled to the last byte without the closing zero.
    const std::string cut = "C:\\in\0a.bmp\0b.b\0"s;
    EXPECT_FALSE(ChosenFilesComplete(cut.data(), cut.size()));
    EXPECT_FALSE(ChosenFilesComplete(whole.data(), whole.size() - 1));
    EXPECT_FALSE(ChosenFilesComplete("", 0));
}

TEST(BatchClosingText, AfterAWholeRunWithFailuresTheListHoldsJustThem) {
    const std::vector<std::string> pictures = {"C:\\a.bmp", "C:\\b.bmp", "C:\\c.bmp", "C:\\a.bmp"};
    BatchOutcome outcome{true, 4, false, {{"C:\\a.bmp", "cannot be read"}, {"C:\\a.bmp", "cannot be read"},
                                          {"C:\\c.bmp", "is not the template's size"}}};
    EXPECT_EQ(PicturesLeftAfterRun(pictures, outcome),
              (std::vector<std::string>{"C:\\a.bmp", "C:\\c.bmp", "C:\\a.bmp"}));
    // A stopped run and a clean one leave the list alone.
    outcome.stopped = true;
    EXPECT_EQ(PicturesLeftAfterRun(pictures, outcome), pictures);
    EXPECT_EQ(PicturesLeftAfterRun(pictures, BatchOutcome{true, 4, false, {}}), pictures);
}

TEST(BatchClosingText, SaysWhyThePictureOfTheOpenTemplateWasNotConverted) {
    BatchOutcome outcome{true, 2, false, {{"C:\\p\\a.png", "cannot be read"}}};
    EXPECT_EQ(BatchClosingText(outcome, 2, English), "<MSG:BATCHWITHERRORS>\n\n1 failed:\na.png");
    outcome.failures.push_back({"C:\\p\\three.png", "would replace the open template", true});
    EXPECT_EQ(BatchClosingText(outcome, 2, English, 1),
              "<MSG:BATCHWITHERRORS>\n\n2 failed:\na.png\nand 1 more\n\n<MSG:BATCHOPENTEMPLATE>");
}

TEST(BatchClosingText, OnlyPercentDIsFilled) {
    EXPECT_EQ(FillNumbers("%d of %d", {2, 15}), "2 of 15");
    // A translated text with other conversions, or more of them than numbers, is shown as it is.
    EXPECT_EQ(FillNumbers("%s %n %d %d %d", {7}), "%s %n 7 %d %d");
    EXPECT_EQ(FillNumbers("%d", {-3}), "-3");
}

TEST(BatchPreview, CentredWithTruncatedHalvesAndClipped) {
    const TemplateBounds small{0, 100, -10, 41};  // 100 x 51
    PreviewPlacement p = PlaceBatchPreview(small, 201, 100);
    EXPECT_EQ(p.x, 50);
    EXPECT_EQ(p.y, 24);
    EXPECT_EQ(p.width, 100);
    EXPECT_EQ(p.height, 51);
    EXPECT_EQ(p.originX, 0);
    EXPECT_EQ(p.originY, 0);

    const TemplateBounds large{0, 301, 0, 30};
    p = PlaceBatchPreview(large, 200, 10);
    EXPECT_EQ(p.x, 0);
    EXPECT_EQ(p.width, 200);
    EXPECT_EQ(p.originX, -50);
    EXPECT_EQ(p.height, 10);
    EXPECT_EQ(p.originY, -10);
}

TEST(BatchPreview, AMarkerAtEveryCell) {
    TileRecord a, b;
    a.x = 24;  // the cell box's top-left is (X - 24, Y - lift)
    b.x = 72;
    b.y = 24;
    b.height = 1;  // lifted by half a cell
    const TemplateBounds bounds{0, 96, 0, 36};
    DibCanvas canvas;
    ASSERT_TRUE(canvas.Create(96, 36));
    DrawCellMarkers({a, b}, 48, 24, bounds, canvas, 0, 0, false);
    EXPECT_EQ(canvas.GetPixel(24, 0), 0xFFFFFFu);   // a's top corner
    EXPECT_EQ(canvas.GetPixel(0, 12), 0xFFFFFFu);   // a's left corner
    EXPECT_EQ(canvas.GetPixel(72, 12), 0xFFFFFFu);  // b's top corner
    EXPECT_EQ(canvas.GetPixel(24, 12), 0u);         // inside a: an outline only

    ASSERT_TRUE(canvas.Create(96, 36));
    DrawCellMarkers({a, b}, 48, 24, bounds, canvas, -10, 0, true);
    EXPECT_EQ(canvas.GetPixel(14, 12), 0xFFFFFFu);  // inside a, moved with the origin
    EXPECT_EQ(canvas.GetPixel(62, 24), 0xFFFFFFu);  // inside b
    EXPECT_EQ(canvas.GetPixel(1, 1), 0u);
}

}  // namespace
}  // namespace zelt
