#include "render/set_views.h"

#include <gtest/gtest.h>

#include "render/glyph_draw.h"
#include "render_test_util.h"

namespace pw {
namespace {

using testing::Black;
using testing::regPixel;
using testing::setRow;
using testing::startedWorkspace;
using testing::White;

TEST(SetEditor, EmptySetShowsGreySquaresDotsAndCellLines) {
    Workspace ws = startedWorkspace();
    PixelImage img(400, 400);
    Surface s = img.surface();
    drawSetEditor(ws, s);
    EXPECT_PIXEL(img, 5, 5, SetEditorEmptyColor);
    EXPECT_PIXEL(img, 399, 399, SetEditorEmptyColor);
    EXPECT_PIXEL(img, 0, 0, SetEditorEmptyColor);   // no dots on the top edge
    EXPECT_PIXEL(img, 10, 10, SetEditorDotColor);
    EXPECT_PIXEL(img, 390, 390, SetEditorDotColor);
    EXPECT_PIXEL(img, 80, 10, SetEditorLineColor);  // the cell lines cover the dots
    EXPECT_PIXEL(img, 5, 160, SetEditorLineColor);
    EXPECT_PIXEL(img, 399, 320, SetEditorLineColor);

    ws.setEditorGrid = false;
    drawSetEditor(ws, s);
    EXPECT_PIXEL(img, 10, 10, SetEditorEmptyColor);
    EXPECT_PIXEL(img, 80, 10, SetEditorEmptyColor);
}

TEST(SetEditor, CharactersInCellsInBothModes) {
    Workspace ws = startedWorkspace();
    ws.setEditorGrid = false;
    ws.set(1).cells[0] = 1;   // "!" top-left
    ws.set(1).cells[7] = 1;   // and again at column 2, row 1
    PixelImage img(400, 400);
    Surface s = img.surface();
    drawSetEditor(ws, s);
    EXPECT_PIXEL(img, 35, 15, White);             // pixel (3, 1) of cell 0
    EXPECT_PIXEL(img, 160 + 35, 80 + 15, White);  // the same in cell 7
    EXPECT_PIXEL(img, 160 + 55, 80 + 15, Black);
    EXPECT_PIXEL(img, 90, 5, SetEditorEmptyColor);

    ws.multicolour = true;  // "!" row 1 = 00 01 10 00
    drawSetEditor(ws, s);
    EXPECT_PIXEL(img, 25, 15, regPixel(ws, ColorPf0));
    EXPECT_PIXEL(img, 45, 15, regPixel(ws, ColorPf1));
    EXPECT_PIXEL(img, 65, 15, regPixel(ws, ColorBak));
}

TEST(SetEditor, MaskUsesTheNextSlotExceptOnSlotTen) {
    Workspace ws = startedWorkspace();
    ws.setEditorGrid = false;
    ws.multicolour = true;
    ws.displayMode = DisplayMode::Mask;
    ws.set(1).cells[6] = 40;  // cell at (80, 80)
    ws.currentSlot = 9;
    setRow(ws.slot(10).glyphs[40], 0, "01 00 00 00");
    PixelImage img(400, 400);
    Surface s = img.surface();
    drawSetEditor(ws, s);
    const Pixel bak = regPixel(ws, ColorBak);
    EXPECT_PIXEL(img, 80, 80, blendPixel(MaskCrossColor, bak, 17));
    EXPECT_PIXEL(img, 90, 85, blendPixel(MaskCrossColor, bak, 17));
    EXPECT_PIXEL(img, 82, 85, blendPixel(blendPixel(Black, regPixel(ws, ColorPf0), 170), bak, 17));
    ws.currentSlot = 10;
    setRow(ws.slot(10).glyphs[40], 0, "00 00 00 00");
    drawSetEditor(ws, s);
    EXPECT_PIXEL(img, 80, 80, blendPixel(Black, bak, 17));
}

TEST(SetThumbnail, PreviewShowsEmptyCellsGreyAndItsGrid) {
    Workspace ws = startedWorkspace();
    ws.set(1).cells[12] = 1;  // centre cell at (32, 32)
    PixelImage img(80, 80);
    Surface s = img.surface();
    drawSetThumbnail(ws, s, ThumbnailUse::SetPreview, 1, 0, 0);
    EXPECT_PIXEL(img, 5, 5, SetPreviewEmptyColor);
    EXPECT_PIXEL(img, 32 + 7, 32 + 3, White);  // pixel (3, 1) of "!"
    EXPECT_PIXEL(img, 33, 33, Black);
    EXPECT_PIXEL(img, 16, 5, SetPreviewGridColor);
    EXPECT_PIXEL(img, 79, 64, SetPreviewGridColor);
    EXPECT_PIXEL(img, 0, 0, SetPreviewEmptyColor);
    ws.setPreviewGrid = false;
    drawSetThumbnail(ws, s, ThumbnailUse::SetPreview, 1, 0, 0);
    EXPECT_PIXEL(img, 16, 5, SetPreviewEmptyColor);
}

TEST(SetThumbnail, AnimationFrameLeavesEmptyCellsBlack) {
    Workspace ws = startedWorkspace();
    ws.set(4).cells[24] = 33;
    PixelImage img(80, 80);
    img.data().assign(img.data().size(), White);
    Surface s = img.surface();
    drawSetThumbnail(ws, s, ThumbnailUse::AnimationFrame, 4, 0, 0);
    EXPECT_PIXEL(img, 5, 5, Black);
    EXPECT_PIXEL(img, 16, 16, Black);
    EXPECT_PIXEL(img, 64 + 6, 64 + 2, White);  // "A" row 1 = 0x18
}

TEST(SetThumbnail, StampPreviewDrawsOnlyFilledCellsOverWhatIsThere) {
    Workspace ws = startedWorkspace();
    ws.set(1).cells[1] = 0;  // the space: a black 16 x 16 block at column 1
    const Pixel map = rgbPixel(1, 2, 3);
    PixelImage img(100, 100);
    img.data().assign(img.data().size(), map);
    Surface s = img.surface();
    drawSetThumbnail(ws, s, ThumbnailUse::StampPreview, 1, 90, 10);
    EXPECT_PIXEL(img, 95, 15, map);          // empty cell 0: map shows through
    EXPECT_PIXEL(img, 99, 99, map);
    EXPECT_PIXEL(img, 90 + 16 - 10, 10, map);
    // Cell 1 starts at x = 106, beyond the surface: clipped, nothing drawn.
    ws.set(1).cells[0] = 0;
    drawSetThumbnail(ws, s, ThumbnailUse::StampPreview, 1, 90, 10);
    EXPECT_PIXEL(img, 95, 15, Black);
}

}  // namespace
}  // namespace pw
