#include "model/packed_font.h"

#include <gtest/gtest.h>

#include "assets/default_atari_font.h"

namespace pw {
namespace {

TEST(Workspace, StartsWithDefaultFontInSlotOneAndBlankSlotsElsewhere) {
    Workspace ws;
    initStartupWorkspace(ws);
    packFont(ws, 1);
    EXPECT_EQ(ws.fontBuffer, DefaultAtariFont);
    for (int slot = 2; slot <= SlotCount; ++slot) {
        packFont(ws, slot);
        EXPECT_EQ(ws.fontBuffer, PackedFont{}) << "slot " << slot;
    }
    for (int slot = 1; slot <= SlotCount; ++slot) {
        EXPECT_EQ(ws.slot(slot).fileName, "Default.fnt");
        EXPECT_TRUE(ws.slot(slot).filePath.empty());
    }
    EXPECT_EQ(ws.editedChar, 1);
    EXPECT_EQ(ws.pickedChar, 1);
    EXPECT_EQ(ws.currentSlot, 1);
    EXPECT_EQ(ws.currentSet, 1);
    EXPECT_EQ(ws.lmbColor, ColorLum);
    EXPECT_EQ(ws.rmbColor, ColorBak);
    EXPECT_EQ(ws.savedLmbColor, ColorPf0);
    EXPECT_EQ(ws.savedRmbColor, ColorBak);
    EXPECT_TRUE(ws.drawOnSet && ws.setEditorGrid && ws.setPreviewGrid);
    EXPECT_FALSE(ws.multicolour);
    for (int s = 1; s <= SetCount; ++s)
        for (int v : ws.set(s).cells) ASSERT_EQ(v, EmptyCell);
    for (auto& column : ws.view)
        for (int v : column) ASSERT_EQ(v, EmptyCell);
    for (int v : ws.setClipboard) EXPECT_EQ(v, 0);
    for (int v : ws.glyphClipboard) EXPECT_EQ(v, 0);
}

TEST(Workspace, InitialColourRegisters) {
    const ColorRegisters regs;
    const struct {
        int number, value, r, g, b;
    } expected[] = {{ColorLum, 14, 255, 255, 255},  {ColorBak, 0, 0, 0, 0},        {ColorPf0, 184, 194, 119, 31},
                    {ColorPf1, 184, 71, 183, 27},   {ColorPf2, 134, 44, 119, 207}, {ColorPf3, 68, 149, 20, 123}};
    for (const auto& e : expected) {
        EXPECT_EQ(regs.reg[e.number].value, e.value) << e.number;
        EXPECT_EQ(regs.display(e.number), DisplayColor::fromRgb(e.r, e.g, e.b)) << e.number;
    }
    // Display colours are stored as 0x00BBGGRR.
    EXPECT_EQ(regs.display(ColorPf0).value, 0x001F77C2u);
}

TEST(PackedFont, BitSevenIsTheLeftmostPixel) {
    Workspace ws;
    ws.fontBuffer.fill(0);
    ws.fontBuffer[8 * 5 + 3] = 0x80;
    ws.fontBuffer[8 * 9 + 6] = 0x01;
    unpackFont(ws, 2);
    for (int c = 0; c < GlyphCount; ++c)
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) {
                const bool expected = (c == 5 && x == 0 && y == 3) || (c == 9 && x == 7 && y == 6);
                ASSERT_EQ(ws.slot(2).glyphs[c].at(x, y), expected ? 1 : 0) << c << " " << x << "," << y;
            }
}

TEST(PackedFont, UnpackThenPackGivesTheSameBytes) {
    Workspace ws;
    PackedFont bytes;
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 37 + (i >> 3));
    ws.fontBuffer = bytes;
    unpackFont(ws, 7);
    ws.fontBuffer.fill(0xAA);
    packFont(ws, 7);
    EXPECT_EQ(ws.fontBuffer, bytes);
}

TEST(PackedFont, UnpackOfZeroesBlanksTheWholeSlot) {
    Workspace ws;
    initStartupWorkspace(ws);
    ws.fontBuffer.fill(0);
    unpackFont(ws, 1);
    for (const Glyph& g : ws.slot(1).glyphs)
        for (const auto& column : g.pixel)
            for (auto p : column) ASSERT_EQ(p, 0);
}

TEST(PackedFont, MinusOnePacksTheCurrentSlotAndANumberPacksThatSlot) {
    Workspace ws;
    initStartupWorkspace(ws);
    ws.slot(3).glyphs[0].pixel[1][0] = 1;  // byte 0 = 0x40
    ws.currentSlot = 3;
    packFont(ws, -1);
    EXPECT_EQ(ws.fontBuffer[0], 0x40);
    ws.currentSlot = 5;
    packFont(ws, 3);
    EXPECT_EQ(ws.fontBuffer[0], 0x40);
    packFont(ws, 1);
    EXPECT_EQ(ws.fontBuffer, DefaultAtariFont);
}

TEST(PackedFont, DefaultFontLeavesTheSlotNameAlone) {
    Workspace ws;
    initStartupWorkspace(ws);
    ws.slot(5).fileName = "mine.fnt";
    ws.slot(5).filePath = "/tmp/mine.fnt";
    ws.fontBuffer.fill(0);
    loadDefaultFont(ws);
    unpackFont(ws, 5);
    packFont(ws, 5);
    EXPECT_EQ(ws.fontBuffer, DefaultAtariFont);
    EXPECT_EQ(ws.slot(5).fileName, "mine.fnt");
    EXPECT_EQ(ws.slot(5).filePath, "/tmp/mine.fnt");
}

}  // namespace
}  // namespace pw
