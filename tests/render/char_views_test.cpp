#include "render/char_views.h"

#include <gtest/gtest.h>

#include "render/canvas_sizes.h"
#include "render/glyph_draw.h"
#include "render_test_util.h"

namespace pw {
namespace {

using testing::Black;
using testing::regPixel;
using testing::setRow;
using testing::startedWorkspace;
using testing::White;

PixelImage sheetImage() { return PixelImage(FontSheetSize.width, FontSheetSize.height); }

TEST(FontSheet, OneColourNormalAndInverseHalvesWithGridLines) {
    Workspace ws = startedWorkspace();
    PixelImage img = sheetImage();
    Surface s = img.surface();
    drawFontSheet(ws, s);
    // "!" (code 1) has row 1 = 0x18: pixels 3 and 4 set; its block starts at x = 17.
    EXPECT_PIXEL(img, 17 + 6, 2, White);
    EXPECT_PIXEL(img, 17 + 9, 3, White);
    EXPECT_PIXEL(img, 17 + 10, 2, Black);
    // Its inverse form, 68 lower: black on white.
    EXPECT_PIXEL(img, 17 + 6, 68 + 2, Black);
    EXPECT_PIXEL(img, 17 + 10, 68 + 2, White);
    // The space's inverse is solid white; the seventeenth column and row stay black.
    EXPECT_PIXEL(img, 5, 75, White);
    EXPECT_PIXEL(img, 16, 75, Black);
    EXPECT_PIXEL(img, 5, 84, Black);
    // Grid lines fall on the first column / row of the next character.
    EXPECT_PIXEL(img, 17, 5, FontSheetGridColor);
    EXPECT_PIXEL(img, 527, 130, FontSheetGridColor);
    EXPECT_PIXEL(img, 300, 68, FontSheetGridColor);
    EXPECT_PIXEL(img, 542, 119, FontSheetGridColor);
    // Column 31, row 3 (code 127, right arrow: row 0 = 0x10 so pixel 3 set).
    EXPECT_PIXEL(img, 527 + 7, 51 + 1, White);
}

TEST(FontSheet, FourColourPairsAndThePf3OfTheInverseHalf) {
    Workspace ws = startedWorkspace();
    ws.multicolour = true;
    Glyph& g = ws.current().glyphs[33];  // column 1, row 1
    setRow(g, 2, "00 01 10 11");
    PixelImage img = sheetImage();
    Surface s = img.surface();
    drawFontSheet(ws, s);
    const int y0 = 17 + 4;
    const struct {
        int pairX;
        Pixel normal, inverse;
    } cases[] = {
        {0, regPixel(ws, ColorBak), regPixel(ws, ColorBak)},
        {1, regPixel(ws, ColorPf0), regPixel(ws, ColorPf0)},
        {2, regPixel(ws, ColorPf1), regPixel(ws, ColorPf1)},
        {3, regPixel(ws, ColorPf2), regPixel(ws, ColorPf3)},
    };
    for (const auto& c : cases) {
        const int x = 17 + 4 * c.pairX + 2;  // inside the pair, clear of the grid line at 17
        EXPECT_PIXEL(img, x, y0, c.normal);
        EXPECT_PIXEL(img, x + 1, y0 + 1, c.normal);
        EXPECT_PIXEL(img, x, 68 + y0, c.inverse);
    }
}

TEST(CharEditor, OneColourCharacterWithGridDots) {
    Workspace ws = startedWorkspace();  // "!" is edited at start
    PixelImage img(240, 240);
    Surface s = img.surface();
    drawCharEditor(ws, s);
    EXPECT_PIXEL(img, 95, 35, White);   // pixel (3, 1)
    EXPECT_PIXEL(img, 149, 59, White);  // pixel (4, 1), far corner
    EXPECT_PIXEL(img, 150, 35, Black);  // pixel (5, 1)
    EXPECT_PIXEL(img, 90, 30, CharEditorDotColor);
    EXPECT_PIXEL(img, 0, 210, CharEditorDotColor);
    EXPECT_PIXEL(img, 0, 0, Black);  // no dots on the top edge
    EXPECT_PIXEL(img, 30, 0, Black);
    EXPECT_PIXEL(img, 91, 30, White);
}

TEST(CharEditor, NoCharacterLeavesBlackWithDots) {
    Workspace ws = startedWorkspace();
    ws.editedChar = NoChar;
    PixelImage img(240, 240);
    img.data().assign(img.data().size(), White);
    Surface s = img.surface();
    drawCharEditor(ws, s);
    EXPECT_PIXEL(img, 95, 35, Black);
    EXPECT_PIXEL(img, 120, 120, CharEditorDotColor);
    EXPECT_PIXEL(img, 239, 239, Black);
}

TEST(CharEditor, FourColourNormalDrawsPairsAndMaskInOneColourLooksNormal) {
    Workspace ws = startedWorkspace();
    Glyph& g = ws.current().glyphs[1];
    setRow(g, 7, "01 10 11 00");
    ws.multicolour = true;
    PixelImage img(240, 240);
    Surface s = img.surface();
    drawCharEditor(ws, s);
    EXPECT_PIXEL(img, 10, 215, regPixel(ws, ColorPf0));
    EXPECT_PIXEL(img, 61, 239, regPixel(ws, ColorPf1));
    EXPECT_PIXEL(img, 179, 215, regPixel(ws, ColorPf2));
    EXPECT_PIXEL(img, 200, 215, regPixel(ws, ColorBak));

    ws.multicolour = false;
    PixelImage normal(240, 240), mask(240, 240);
    Surface sn = normal.surface(), sm = mask.surface();
    drawCharEditor(ws, sn);
    ws.displayMode = DisplayMode::Mask;
    drawCharEditor(ws, sm);
    EXPECT_EQ(normal.data(), mask.data());
}

TEST(CharEditor, MaskShowsTheNextSlotDimmedAndCrossed) {
    Workspace ws = startedWorkspace();
    ws.multicolour = true;
    ws.displayMode = DisplayMode::Mask;
    ws.currentSlot = 9;
    ws.editedChar = 5;
    setRow(ws.slot(9).glyphs[5], 0, "00 10 00 00");
    setRow(ws.slot(10).glyphs[5], 0, "11 11 00 00");
    PixelImage img(240, 240);
    Surface s = img.surface();
    drawCharEditor(ws, s);
    const Pixel pf2 = regPixel(ws, ColorPf2);
    const Pixel bak = regPixel(ws, ColorBak);
    const Pixel under = blendPixel(Black, pf2, 170);
    // Pair 0: PF2 beneath, BAK at opacity 17 over it, crossed.
    EXPECT_PIXEL(img, 30, 5, blendPixel(under, bak, 17));
    EXPECT_PIXEL(img, 0, 0, blendPixel(MaskCrossColor, bak, 17));
    EXPECT_PIXEL(img, 58, 1, blendPixel(MaskCrossColor, bak, 17));  // second diagonal
    EXPECT_PIXEL(img, 40, 20, blendPixel(MaskCrossColor, bak, 17));
    // Pair 1: the current PF1 covers the underlay completely.
    EXPECT_PIXEL(img, 90, 15, regPixel(ws, ColorPf1));
    // Pair 2: nothing beneath, nothing on top: BAK at 170 then at 17 over black.
    EXPECT_PIXEL(img, 130, 10, blendPixel(blendPixel(Black, bak, 170), bak, 17));

    // Slot 10 has no next slot: no underlay and no crosses.
    ws.currentSlot = 10;
    setRow(ws.slot(10).glyphs[5], 0, "00 00 00 00");
    drawCharEditor(ws, s);
    EXPECT_PIXEL(img, 0, 0, blendPixel(Black, bak, 17));
    EXPECT_PIXEL(img, 30, 5, blendPixel(Black, bak, 17));
}

TEST(PickedChar, ShowsPickedCharacterInBothModes) {
    Workspace ws = startedWorkspace();
    ws.pickedChar = 33;  // "A": row 1 = 0x18
    PixelImage img(64, 64);
    Surface s = img.surface();
    drawPickedChar(ws, s);
    EXPECT_PIXEL(img, 24, 8, White);
    EXPECT_PIXEL(img, 39, 15, White);
    EXPECT_PIXEL(img, 40, 8, Black);
    ws.multicolour = true;  // 0x18 = 00 01 10 00
    drawPickedChar(ws, s);
    EXPECT_PIXEL(img, 16, 8, regPixel(ws, ColorPf0));
    EXPECT_PIXEL(img, 32, 8, regPixel(ws, ColorPf1));
    EXPECT_PIXEL(img, 48, 8, regPixel(ws, ColorBak));
}

}  // namespace
}  // namespace pw
