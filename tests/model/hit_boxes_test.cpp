#include "model/hit_boxes.h"

#include <gtest/gtest.h>

namespace pw {
namespace {

TEST(HitBoxes, LookupsOnEveryCanvas) {
    HitBoxTable t;
    buildHitBoxes(t);
    const struct {
        HitRange range;
        int x, y, expected;
    } cases[] = {
        {FontSheetBoxes, 0, 0, 0},
        {FontSheetBoxes, 16, 16, 0},           // the gap line belongs to the character before it
        {FontSheetBoxes, 17, 0, 1},
        {FontSheetBoxes, 542, 50, 95},
        {FontSheetBoxes, 0, 68, 128},          // inverse form of character 0
        {FontSheetBoxes, 5, 84, 128},          // lower part of an inverse character
        {FontSheetBoxes, 0, 67, 96},           // edge line of character 96 comes first
        {FontSheetBoxes, 600, 10, -1},
        {CharEditorBoxes, 0, 0, 500},
        {CharEditorBoxes, 30, 30, 500},        // shared border goes to the lower index
        {CharEditorBoxes, 31, 30, 501},
        {CharEditorBoxes, 239, 239, 563},
        {CharEditorBoxes, 241, 0, -1},
        {SetEditorCellBoxes, 80, 80, 600},
        {SetEditorCellBoxes, 81, 81, 606},
        {SetEditorPixelBoxes, 395, 5, 1039},
        {SetPreviewBoxes, 16, 0, 3000},
        {SetPreviewBoxes, 17, 0, 3001},
        {SetPreviewBoxes, 79, 79, 3024},
        {SetPreviewBoxes, -1, 5, -1},
        {ViewMapBoxes, 959, 639, 7399},
    };
    for (const auto& c : cases) EXPECT_EQ(hitTest(t, c.range, c.x, c.y), c.expected) << c.x << "," << c.y;
}

TEST(HitBoxes, PixelBoxesCarryTheirAtariPixel) {
    HitBoxTable t;
    buildHitBoxes(t);
    EXPECT_EQ(t[500 + 8 * 3 + 5].col, 5);
    EXPECT_EQ(t[500 + 8 * 3 + 5].row, 3);
    // Set editor pixel (i, j) = (13, 22) stands for pixel (5, 6) of its cell.
    const HitBox& b = t[1000 + 40 * 22 + 13];
    EXPECT_EQ(b.x, 130);
    EXPECT_EQ(b.y, 220);
    EXPECT_EQ(b.col, 5);
    EXPECT_EQ(b.row, 6);
    EXPECT_EQ(t[5000 + 60 * 2 + 7].col, 7);
    EXPECT_EQ(t[5000 + 60 * 2 + 7].row, 2);
    // Indices between the ranges stay zero.
    EXPECT_EQ(t[300].width, 0);
    EXPECT_EQ(t[8000].height, 0);
}

}  // namespace
}  // namespace pw
