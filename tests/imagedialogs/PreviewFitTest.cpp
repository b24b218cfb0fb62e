#include <gtest/gtest.h>

#include "editor/interchange/PreviewFit.h"

using namespace zelt;

namespace {

void ExpectPlaced(const PreviewPlacement& p, int x, int y, int w, int h, bool stretched) {
    EXPECT_EQ(p.x, x);
    EXPECT_EQ(p.y, y);
    EXPECT_EQ(p.width, w);
    EXPECT_EQ(p.height, h);
    EXPECT_EQ(p.stretched, stretched);
}

}  // namespace

TEST(ImagePreviewFit, FitsOneToOneAndShrinksTheRest) {
    ExpectPlaced(FitImagePreview(210, 200, 210, 200), 0, 0, 210, 200, false);
    ExpectPlaced(FitImagePreview(210, 200, 100, 51), 55, 74, 100, 51, false);
    // One pixel wider: scaled to the client's width, the height following.
    ExpectPlaced(FitImagePreview(210, 200, 211, 200), 0, 0, 210, 199, true);
    // Too tall for the width: scaled to the height instead.
    ExpectPlaced(FitImagePreview(210, 200, 100, 400), 80, 0, 50, 200, true);
    ExpectPlaced(FitImagePreview(210, 200, 400, 100), 0, 74, 210, 52, true);
}

TEST(ImagePreviewFit, NothingWithoutPixelsOrRoom) {
    EXPECT_TRUE(FitImagePreview(210, 200, 0, 0).Empty());
    EXPECT_TRUE(FitImagePreview(210, 200, 0, 10).Empty());
    EXPECT_TRUE(FitImagePreview(210, 200, 10, -1).Empty());
    EXPECT_TRUE(FitImagePreview(0, 0, 10, 10).Empty());
    EXPECT_TRUE(FitImagePreview(-20, 100, 10, 10).Empty());
    // So flat that no row is left: nothing to draw rather than a zero-high stretch.
    EXPECT_TRUE(FitImagePreview(210, 200, 100000, 1).Empty());
}

TEST(TemplatePreviewFit, OneToOneUnlessStretchedOrTooLarge) {
    ExpectPlaced(FitTemplatePreview(276, 209, 96, 48, false), 90, 80, 96, 48, false);
    ExpectPlaced(FitTemplatePreview(96, 48, 96, 48, false), 0, 0, 96, 48, false);
    // Stretching on: a small template fills the client's width (or height).
    ExpectPlaced(FitTemplatePreview(276, 209, 96, 48, true), 0, 35, 276, 138, true);
    ExpectPlaced(FitTemplatePreview(100, 300, 48, 96, true), 0, 50, 100, 200, true);
    ExpectPlaced(FitTemplatePreview(276, 100, 96, 48, true), 38, 0, 200, 100, true);
    // Too wide: the vertical offset comes from the unrounded height, (200 - 66.67) / 2 = 66.67.
    ExpectPlaced(FitTemplatePreview(200, 200, 300, 100, false), 0, 66, 200, 66, true);
    ExpectPlaced(FitTemplatePreview(210, 200, 100, 400, false), 80, 0, 50, 200, true);
}

TEST(TemplatePreviewFit, NothingForAnEmptyPicture) {
    EXPECT_TRUE(FitTemplatePreview(276, 209, 0, 0, false).Empty());
    EXPECT_TRUE(FitTemplatePreview(276, 209, 0, 0, true).Empty());
    EXPECT_TRUE(FitTemplatePreview(276, 209, 48, 0, true).Empty());
    EXPECT_TRUE(FitTemplatePreview(0, 0, 48, 24, true).Empty());
}

TEST(ImagePreviewSize, RefusesWhatWouldTakeGigabytes) {
    EXPECT_TRUE(ImagePreviewSizeAllowed(1, 1));
    EXPECT_TRUE(ImagePreviewSizeAllowed(8000, 6000));
    EXPECT_FALSE(ImagePreviewSizeAllowed(0, 10));
    EXPECT_FALSE(ImagePreviewSizeAllowed(10, -1));
    EXPECT_FALSE(ImagePreviewSizeAllowed(30000, 30000));
    EXPECT_FALSE(ImagePreviewSizeAllowed(1, 40000));
    EXPECT_FALSE(ImagePreviewSizeAllowed(int64_t{1} << 31, int64_t{1} << 31));
}
