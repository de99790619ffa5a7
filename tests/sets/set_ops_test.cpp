#include "sets/set_ops.h"

#include <gtest/gtest.h>

#include "assets/default_atari_font.h"
#include "model/packed_font.h"

namespace pw {
namespace {

using Cells = std::array<std::int32_t, SetCells>;

// A set with every cell holding a different code, so any stray write shows.
Cells distinctCells() {
    Cells c{};
    for (int k = 0; k < SetCells; ++k) c[k] = 100 + k;
    return c;
}

TEST(SetOps, PlaceCharWritesThePickedCharOrEmptiesTheCell) {
    const struct {
        int arg;
        int cell;      // -1: nothing may change
        int expected;  // value of that cell afterwards
    } cases[] = {
        {0, 0, 42},          {12, 12, 42},         {24, 24, 42},         // the picked character goes in
        {50, 0, EmptyCell},  {62, 12, EmptyCell},  {74, 24, EmptyCell},  // index + 50 empties
        {-1, -1, 0},         {25, -1, 0},          {49, -1, 0},          // between and beyond the ranges
        {75, -1, 0},         {-50, -1, 0},         {1000, -1, 0},
    };
    for (const auto& c : cases) {
        Workspace ws;
        initStartupWorkspace(ws);
        ws.currentSet = 7;
        ws.pickedChar = 42;
        ws.set(7).cells = distinctCells();
        placeCharInSet(ws, c.arg);
        Cells expected = distinctCells();
        if (c.cell >= 0) expected[c.cell] = c.expected;
        EXPECT_EQ(ws.set(7).cells, expected) << "arg " << c.arg;
        for (int v : ws.set(6).cells) ASSERT_EQ(v, EmptyCell) << "arg " << c.arg;
    }
}

TEST(SetRows, EachKeyFillsItsRowLeftToRightUntilFull) {
    for (int key = 1; key <= 5; ++key) {
        Workspace ws;
        initStartupWorkspace(ws);
        ws.currentSet = 4;
        const int first = (key - 1) * 5;
        for (int i = 0; i < 5; ++i) {
            ASSERT_TRUE(appendCharToSetRow(ws, 10 + i, key)) << "key " << key << " call " << i;
            EXPECT_EQ(ws.set(4).cells[first + i], 10 + i) << "key " << key;
        }
        const Cells full = ws.set(4).cells;
        EXPECT_FALSE(appendCharToSetRow(ws, 99, key)) << "key " << key;
        EXPECT_EQ(ws.set(4).cells, full) << "key " << key;
        for (int k = 0; k < SetCells; ++k) {
            if (k >= first && k < first + 5) continue;
            EXPECT_EQ(full[k], EmptyCell) << "key " << key << " cell " << k;
        }
        for (int v : ws.set(1).cells) ASSERT_EQ(v, EmptyCell);
    }
}

TEST(SetRows, WritesIntoTheFirstEmptyCellOfTheRow) {
    Workspace ws;
    initStartupWorkspace(ws);
    ws.set(1).cells[15] = 3;
    ws.set(1).cells[16] = 4;
    EXPECT_TRUE(appendCharToSetRow(ws, 65, 4));
    EXPECT_EQ(ws.set(1).cells[17], 65);
    EXPECT_EQ(ws.set(1).cells[18], EmptyCell);

    // A gap left by emptying a cell is filled before the cells after it.
    ws.set(1).cells[5] = 1;
    ws.set(1).cells[7] = 2;
    EXPECT_TRUE(appendCharToSetRow(ws, 0, 2));
    EXPECT_EQ(ws.set(1).cells[6], 0);
    EXPECT_EQ(ws.set(1).cells[8], EmptyCell);
}

TEST(SetRows, RefusesKeysOutsideOneToFiveAndCodesOutsideTheFont) {
    const struct {
        int code, key;
    } cases[] = {{5, 0}, {5, 6}, {5, -1}, {5, 50}, {128, 1}, {-1, 3}, {1000, 5}};
    for (const auto& c : cases) {
        Workspace ws;
        initStartupWorkspace(ws);
        EXPECT_FALSE(appendCharToSetRow(ws, c.code, c.key)) << c.code << " key " << c.key;
        for (int v : ws.set(1).cells) ASSERT_EQ(v, EmptyCell) << c.code << " key " << c.key;
    }
}

TEST(SetClipboard, PasteBeforeAnyCopyFillsEveryCellWithCodeZero) {
    Workspace ws;
    initStartupWorkspace(ws);
    ws.currentSet = 12;
    pasteSet(ws);
    for (int k = 0; k < SetCells; ++k) EXPECT_EQ(ws.set(12).cells[k], 0) << k;
    for (int v : ws.set(1).cells) ASSERT_EQ(v, EmptyCell);
}

TEST(SetClipboard, CopyThenPasteCarriesASetToAnother) {
    Workspace ws;
    initStartupWorkspace(ws);
    Cells source{};
    for (int k = 0; k < SetCells; ++k) source[k] = (k % 3 == 0) ? EmptyCell : (k * 5) % GlyphCount;
    ws.set(3).cells = source;
    ws.currentSet = 3;
    copySet(ws);
    EXPECT_EQ(ws.setClipboard, source);
    EXPECT_EQ(ws.set(3).cells, source);

    // The clipboard is a copy: editing the source afterwards does not reach it.
    clearSet(ws);
    ws.currentSet = 9;
    pasteSet(ws);
    EXPECT_EQ(ws.set(9).cells, source);
    for (int v : ws.set(3).cells) ASSERT_EQ(v, EmptyCell);

    // Pasting leaves the clipboard for the next paste.
    ws.currentSet = 10;
    pasteSet(ws);
    EXPECT_EQ(ws.set(10).cells, source);
}

TEST(SetOps, ClearEmptiesOnlyTheCurrentSet) {
    Workspace ws;
    initStartupWorkspace(ws);
    ws.set(5).cells = distinctCells();
    ws.set(6).cells = distinctCells();
    ws.setClipboard = distinctCells();
    ws.currentSet = 5;
    clearSet(ws);
    for (int v : ws.set(5).cells) EXPECT_EQ(v, EmptyCell);
    EXPECT_EQ(ws.set(6).cells, distinctCells());
    EXPECT_EQ(ws.setClipboard, distinctCells());
}

TEST(SetOps, ClearBitsBlanksTheCodesOfTheSetInTheCurrentSlotOnly) {
    Workspace ws;
    initStartupWorkspace(ws);
    // Slot 2 also holds the default font, so what changes there can be told apart.
    loadDefaultFont(ws);
    unpackFont(ws, 2);
    ws.currentSlot = 2;
    ws.currentSet = 20;
    Cells cells;
    cells.fill(EmptyCell);
    cells[0] = 65;
    cells[13] = 65;  // used twice
    cells[24] = 33;
    cells[7] = 0;
    ws.set(20).cells = cells;
    ws.set(21).cells.fill(16);  // another set's codes are left alone
    ws.setClipboard.fill(97);

    clearSetBits(ws);

    EXPECT_EQ(ws.set(20).cells, cells);
    for (int v : ws.setClipboard) ASSERT_EQ(v, 97);
    const PackedFont& original = DefaultAtariFont;
    packFont(ws, 2);
    for (int c = 0; c < GlyphCount; ++c) {
        const bool cleared = c == 65 || c == 33 || c == 0;
        for (int y = 0; y < 8; ++y)
            ASSERT_EQ(ws.fontBuffer[8 * c + y], cleared ? 0 : original[8 * c + y]) << "code " << c << " row " << y;
    }
    packFont(ws, 1);
    EXPECT_EQ(ws.fontBuffer, DefaultAtariFont);
}

TEST(SetOps, ClearBitsSkipsCellsOutsideTheCodeRange) {
    Workspace ws;
    initStartupWorkspace(ws);
    ws.set(1).cells.fill(EmptyCell);
    ws.set(1).cells[0] = 128;
    ws.set(1).cells[1] = -2;
    ws.set(1).cells[2] = 1;
    clearSetBits(ws);
    packFont(ws, 1);
    for (int c = 0; c < GlyphCount; ++c)
        for (int y = 0; y < 8; ++y)
            ASSERT_EQ(ws.fontBuffer[8 * c + y], c == 1 ? 0 : DefaultAtariFont[8 * c + y]) << c;
}

TEST(SetOps, NextAndPreviousStopAtTheBounds) {
    const struct {
        int from;
        bool forward;
        bool changed;
        int to;
    } cases[] = {{1, true, true, 2},    {99, true, true, 100},   {100, true, false, 100},
                 {100, false, true, 99}, {2, false, true, 1},     {1, false, false, 1}};
    for (const auto& c : cases) {
        Workspace ws;
        initStartupWorkspace(ws);
        ws.currentSet = c.from;
        EXPECT_EQ(c.forward ? nextSet(ws) : previousSet(ws), c.changed) << c.from << (c.forward ? " next" : " prev");
        EXPECT_EQ(ws.currentSet, c.to) << c.from << (c.forward ? " next" : " prev");
    }
}

}  // namespace
}  // namespace pw
