// Every import into the document records its undo step before the views refresh, so the window
// state they show already offers Undo and marks the document modified.
#include <gtest/gtest.h>

#include <functional>

#include "editor/interchange/ImportImage.h"
#include "editor/render/TemplateRender.h"
#include "tests/document/DocumentFixture.h"

namespace zelt::test {
namespace {

using ImportRefresh = DocumentFixture;

TEST_F(ImportRefresh, EveryImportRecordsItsUndoStepBeforeTheRefresh) {
    OpenThreeTiles();
    Doc().selected = 0;
    Picture cell;
    cell.colours = ColourImage(48, 24, (*Doc().palette)[6]);
    TemplateBounds bounds;
    ASSERT_TRUE(ComputeTemplateBounds(bounds));
    Picture whole;
    whole.colours = ColourImage(static_cast<int>(bounds.Width()), static_cast<int>(bounds.Height()),
                                (*Doc().palette)[8]);

    const std::function<bool()> imports[] = {
        [&] { return ImportNormalImage(-1, cell, 0, 0); },
        [&] { return ImportExtraImage(-1, cell, {0, 0, 4, 3}); },
        [&] { return ImportAll(whole); },
    };
    for (const auto& import : imports) {
        ResetUndo();
        ui.refreshes.clear();
        ui.undoAtRefresh.clear();
        ASSERT_TRUE(import());
        ASSERT_EQ(ui.undoAtRefresh.size(), 1u);
        EXPECT_TRUE(ui.undoAtRefresh[0]);
        EXPECT_EQ(ui.AllRefreshed(), kRefreshAll);
    }
}

}  // namespace
}  // namespace zelt::test
