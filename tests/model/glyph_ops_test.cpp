#include "model/glyph_ops.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace pw {
namespace {

// A glyph written as eight rows of '0' and '1', top row first, so that tests
// show the character the way it looks.
Glyph fromPicture(const char* rows) {
    Glyph g;
    const std::string s(rows);
    EXPECT_EQ(s.size(), 64u) << "picture must be 8 rows of 8";
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) g.pixel[x][y] = s[8 * y + x] == '1' ? 1 : 0;
    return g;
}

// Rows separated by '|'; any value other than 0 or 1 shows as '?' so that a
// broken pixel invariant is visible in the failure message.
std::string picture(const Glyph& g) {
    std::string out;
    for (int y = 0; y < 8; ++y) {
        if (y) out += '|';
        for (int x = 0; x < 8; ++x) out += g.at(x, y) == 0 ? '0' : g.at(x, y) == 1 ? '1' : '?';
    }
    return out;
}

std::string picture(const char* rows) { return picture(fromPicture(rows)); }

bool sameGlyphs(const std::array<Glyph, GlyphCount>& a, const std::array<Glyph, GlyphCount>& b) {
    for (int c = 0; c < GlyphCount; ++c)
        if (a[c].pixel != b[c].pixel) return false;
    return true;
}

const char* const Asymmetric =
    "11100000"
    "10000000"
    "00000000"
    "00000000"
    "00000000"
    "00000000"
    "00000000"
    "00000001";

// A workspace with an editable character in a slot other than 1, so that an op
// writing to the wrong slot or code shows up.
Workspace editing(int slot, int code, const char* rows) {
    Workspace ws;
    initStartupWorkspace(ws);
    ws.currentSlot = slot;
    ws.editedChar = code;
    ws.slot(slot).glyphs[code] = fromPicture(rows);
    return ws;
}

TEST(GlyphOps, EachOpMovesThePixelsWhereTheyBelong) {
    const struct {
        const char* name;
        GlyphOp op;
        bool multicolour;
        const char* before;
        const char* after;
    } cases[] = {
        // clang-format off
        {"rotate turns clockwise", GlyphOp::Rotate, false, Asymmetric,
         "00000011"
         "00000001"
         "00000001"
         "00000000"
         "00000000"
         "00000000"
         "00000000"
         "10000000"},
        {"mirror H", GlyphOp::MirrorH, false, Asymmetric,
         "00000111"
         "00000001"
         "00000000"
         "00000000"
         "00000000"
         "00000000"
         "00000000"
         "10000000"},
        {"mirror V", GlyphOp::MirrorV, false, Asymmetric,
         "00000001"
         "00000000"
         "00000000"
         "00000000"
         "00000000"
         "00000000"
         "10000000"
         "11100000"},
        {"shift left wraps column 0 to 7", GlyphOp::ShiftLeft, false, Asymmetric,
         "11000001"
         "00000001"
         "00000000"
         "00000000"
         "00000000"
         "00000000"
         "00000000"
         "00000010"},
        {"shift right wraps column 7 to 0", GlyphOp::ShiftRight, false, Asymmetric,
         "01110000"
         "01000000"
         "00000000"
         "00000000"
         "00000000"
         "00000000"
         "00000000"
         "10000000"},
        {"shift up wraps row 0 to 7", GlyphOp::ShiftUp, false, Asymmetric,
         "10000000"
         "00000000"
         "00000000"
         "00000000"
         "00000000"
         "00000000"
         "00000001"
         "11100000"},
        {"shift down wraps row 7 to 0", GlyphOp::ShiftDown, false, Asymmetric,
         "00000001"
         "11100000"
         "10000000"
         "00000000"
         "00000000"
         "00000000"
         "00000000"
         "00000000"},
        {"inverse", GlyphOp::Inverse, false, Asymmetric,
         "00011111"
         "01111111"
         "11111111"
         "11111111"
         "11111111"
         "11111111"
         "11111111"
         "11111110"},
        {"clear", GlyphOp::Clear, false, Asymmetric,
         "00000000"
         "00000000"
         "00000000"
         "00000000"
         "00000000"
         "00000000"
         "00000000"
         "00000000"},
        {"rotate: bar in column 0 becomes row 0", GlyphOp::Rotate, false,
         "10000000"
         "10000000"
         "10000000"
         "10000000"
         "10000000"
         "10000000"
         "10000000"
         "10000000",
         "11111111"
         "00000000"
         "00000000"
         "00000000"
         "00000000"
         "00000000"
         "00000000"
         "00000000"},
        {"rotate: bar in row 7 becomes column 0", GlyphOp::Rotate, false,
         "00000000"
         "00000000"
         "00000000"
         "00000000"
         "00000000"
         "00000000"
         "00000000"
         "11111111",
         "10000000"
         "10000000"
         "10000000"
         "10000000"
         "10000000"
         "10000000"
         "10000000"
         "10000000"},
        {"shift right of (7,3) alone", GlyphOp::ShiftRight, false,
         "00000000"
         "00000000"
         "00000000"
         "00000001"
         "00000000"
         "00000000"
         "00000000"
         "00000000",
         "00000000"
         "00000000"
         "00000000"
         "10000000"
         "00000000"
         "00000000"
         "00000000"
         "00000000"},
        {"shift up of (2,0) alone", GlyphOp::ShiftUp, false,
         "00100000"
         "00000000"
         "00000000"
         "00000000"
         "00000000"
         "00000000"
         "00000000"
         "00000000",
         "00000000"
         "00000000"
         "00000000"
         "00000000"
         "00000000"
         "00000000"
         "00000000"
         "00100000"},
        // Four-colour pairs: PF1 BAK BAK BAK shifted right by half a pair is PF0 BAK BAK BAK.
        {"four-colour shift right", GlyphOp::ShiftRight, true,
         "10000000"
         "00000000"
         "00000000"
         "00000000"
         "00000000"
         "00000000"
         "00000000"
         "00000000",
         "01000000"
         "00000000"
         "00000000"
         "00000000"
         "00000000"
         "00000000"
         "00000000"
         "00000000"},
        // PF0 PF1 BAK PF2 mirrored is PF2 BAK PF0 PF1: PF0 and PF1 trade places.
        {"four-colour mirror H", GlyphOp::MirrorH, true,
         "01100011"
         "00000000"
         "00000000"
         "00000000"
         "00000000"
         "00000000"
         "00000000"
         "00000000",
         "11000110"
         "00000000"
         "00000000"
         "00000000"
         "00000000"
         "00000000"
         "00000000"
         "00000000"},
        // clang-format on
    };
    for (const auto& c : cases) {
        Workspace ws = editing(3, 70, c.before);
        ws.multicolour = c.multicolour;
        EXPECT_TRUE(applyGlyphOp(ws, c.op)) << c.name;
        EXPECT_EQ(picture(ws.slot(3).glyphs[70]), picture(c.after)) << c.name;
    }
}

TEST(GlyphOps, RepeatingAnOpGivesTheOriginalBack) {
    const struct {
        GlyphOp op;
        int times;
    } cases[] = {{GlyphOp::Rotate, 4},     {GlyphOp::MirrorH, 2},   {GlyphOp::MirrorV, 2},
                 {GlyphOp::ShiftLeft, 8},  {GlyphOp::ShiftRight, 8}, {GlyphOp::ShiftUp, 8},
                 {GlyphOp::ShiftDown, 8},  {GlyphOp::Inverse, 2}};
    const std::string original = picture(Asymmetric);
    for (const auto& c : cases) {
        Workspace ws = editing(2, 9, Asymmetric);
        const Glyph& g = ws.slot(2).glyphs[9];
        for (int i = 1; i <= c.times; ++i) {
            ASSERT_TRUE(applyGlyphOp(ws, c.op));
            // Every intermediate step is a different glyph for this shape.
            if (i < c.times) {
                EXPECT_NE(picture(g), original) << static_cast<int>(c.op) << " step " << i;
            }
        }
        EXPECT_EQ(picture(g), original) << static_cast<int>(c.op);
    }
}

TEST(GlyphOps, OnlyTheEditedCharacterOfTheCurrentSlotChanges) {
    for (GlyphOp op : {GlyphOp::Rotate, GlyphOp::MirrorH, GlyphOp::MirrorV, GlyphOp::ShiftLeft, GlyphOp::ShiftRight,
                       GlyphOp::ShiftUp, GlyphOp::ShiftDown, GlyphOp::Inverse, GlyphOp::Clear, GlyphOp::Paste}) {
        Workspace ws;
        initStartupWorkspace(ws);
        for (int s = 1; s <= SlotCount; ++s) ws.slot(s) = ws.slot(1);  // the default font everywhere
        ws.glyphClipboard.fill(1);
        ws.currentSlot = 6;
        ws.editedChar = 33;
        ws.slot(6).glyphs[33] = fromPicture(Asymmetric);  // a shape every op changes
        const Workspace before = ws;
        ASSERT_TRUE(applyGlyphOp(ws, op));
        for (int s = 1; s <= SlotCount; ++s)
            for (int c = 0; c < GlyphCount; ++c) {
                const bool edited = s == 6 && c == 33;
                EXPECT_EQ(picture(ws.slot(s).glyphs[c]) == picture(before.slot(s).glyphs[c]), !edited)
                    << "op " << static_cast<int>(op) << " slot " << s << " code " << c;
            }
    }
}

TEST(GlyphOps, PasteBeforeAnyCopyClearsTheCharacter) {
    Workspace ws;
    initStartupWorkspace(ws);
    ws.editedChar = 33;
    ASSERT_NE(picture(ws.current().glyphs[33]), picture(Glyph{}));
    EXPECT_TRUE(applyGlyphOp(ws, GlyphOp::Paste));
    EXPECT_EQ(picture(ws.current().glyphs[33]), picture(Glyph{}));
}

TEST(GlyphOps, CopyInOneSlotPastesIntoAnotherCharacterOfAnotherSlot) {
    Workspace ws = editing(1, 40, Asymmetric);
    const auto slotOneBefore = ws.slot(1).glyphs;

    EXPECT_FALSE(applyGlyphOp(ws, GlyphOp::Copy));
    EXPECT_TRUE(sameGlyphs(ws.slot(1).glyphs, slotOneBefore));
    // The clipboard holds the character row by row: pixel (x, y) at 8 * y + x.
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            const bool set = (y == 0 && x <= 2) || (y == 1 && x == 0) || (y == 7 && x == 7);
            EXPECT_EQ(ws.glyphClipboard[8 * y + x], set ? 1 : 0) << x << "," << y;
        }

    ws.currentSlot = 4;
    ws.editedChar = 100;
    ws.slot(4).glyphs[100] = fromPicture(
        "11111111"
        "11111111"
        "11111111"
        "11111111"
        "11111111"
        "11111111"
        "11111111"
        "11111111");
    EXPECT_TRUE(applyGlyphOp(ws, GlyphOp::Paste));
    EXPECT_EQ(picture(ws.slot(4).glyphs[100]), picture(Asymmetric));
    EXPECT_TRUE(sameGlyphs(ws.slot(1).glyphs, slotOneBefore));
}

TEST(GlyphOps, PasteStoresOnlyZeroOrOne) {
    Workspace ws = editing(2, 5, Asymmetric);
    ws.glyphClipboard.fill(0);
    ws.glyphClipboard[8 * 3 + 5] = 7;
    ws.glyphClipboard[8 * 6 + 1] = 0xFF;
    ws.glyphClipboard[8 * 0 + 0] = 1;
    EXPECT_TRUE(applyGlyphOp(ws, GlyphOp::Paste));
    EXPECT_EQ(picture(ws.slot(2).glyphs[5]), picture("10000000"
                                                      "00000000"
                                                      "00000000"
                                                      "00000100"
                                                      "00000000"
                                                      "00000000"
                                                      "01000000"
                                                      "00000000"));
}

TEST(GlyphOps, MirroringLeavesTheClipboardAlone) {
    Workspace ws = editing(1, 12, Asymmetric);
    ASSERT_FALSE(applyGlyphOp(ws, GlyphOp::Copy));
    const auto copied = ws.glyphClipboard;
    EXPECT_TRUE(applyGlyphOp(ws, GlyphOp::MirrorH));
    EXPECT_TRUE(applyGlyphOp(ws, GlyphOp::MirrorV));
    EXPECT_EQ(ws.glyphClipboard, copied);
    EXPECT_TRUE(applyGlyphOp(ws, GlyphOp::Paste));
    EXPECT_EQ(picture(ws.slot(1).glyphs[12]), picture(Asymmetric));
}

TEST(GlyphOps, WithoutAnEditedCharacterNothingHappens) {
    for (int edited : {NoChar, GlyphCount, -2}) {
        for (GlyphOp op : {GlyphOp::Rotate, GlyphOp::MirrorH, GlyphOp::MirrorV, GlyphOp::ShiftLeft,
                           GlyphOp::ShiftRight, GlyphOp::ShiftUp, GlyphOp::ShiftDown, GlyphOp::Inverse,
                           GlyphOp::Clear, GlyphOp::Copy, GlyphOp::Paste}) {
            Workspace ws;
            initStartupWorkspace(ws);
            ws.editedChar = edited;
            for (std::size_t i = 0; i < ws.glyphClipboard.size(); ++i) ws.glyphClipboard[i] = (i * 5) % 3 == 0;
            const auto glyphs = ws.current().glyphs;
            const auto clipboard = ws.glyphClipboard;
            EXPECT_FALSE(applyGlyphOp(ws, op)) << "editedChar " << edited << " op " << static_cast<int>(op);
            EXPECT_TRUE(sameGlyphs(ws.current().glyphs, glyphs)) << "editedChar " << edited << " op " << static_cast<int>(op);
            EXPECT_EQ(ws.glyphClipboard, clipboard) << "editedChar " << edited << " op " << static_cast<int>(op);
        }
    }
}

}  // namespace
}  // namespace pw
