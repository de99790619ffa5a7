#include "model/painting.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace pw {
namespace {

using Pixels = std::array<std::array<std::uint8_t, 8>, 8>;

// A glyph with both values in every row and every pair, so that a write to the
// wrong pixel or the wrong partner of a pair changes something visible.
Pixels mixedPixels() {
    Pixels p{};
    for (int x = 0; x < 8; ++x)
        for (int y = 0; y < 8; ++y) p[x][y] = static_cast<std::uint8_t>((x * 3 + y * 5 + x * y) % 7 < 3);
    return p;
}

bool sameSlots(const Workspace& a, const Workspace& b) {
    for (int s = 0; s <= SlotCount; ++s)
        for (int c = 0; c < GlyphCount; ++c)
            if (a.slot(s).glyphs[c].pixel != b.slot(s).glyphs[c].pixel) return false;
    return true;
}

const char* buttonName(MouseButton b) { return b == MouseButton::Left ? "left" : "right"; }

TEST(Painting, OneColourLeftSetsAndRightClearsWhateverTheButtonColours) {
    const struct {
        MouseButton button;
        int buttonColor;
        std::uint8_t before, after;
    } cases[] = {
        {MouseButton::Left, ColorLum, 0, 1}, {MouseButton::Left, ColorBak, 0, 1},  {MouseButton::Left, ColorLum, 1, 1},
        {MouseButton::Right, ColorBak, 1, 0}, {MouseButton::Right, ColorLum, 1, 0}, {MouseButton::Right, ColorBak, 0, 0},
    };
    for (const auto& c : cases) {
        for (const auto& [x, y] : {std::pair{0, 0}, std::pair{5, 2}, std::pair{7, 7}}) {
            Workspace ws;
            ws.currentSlot = 3;
            ws.slot(3).glyphs[77].pixel = mixedPixels();
            ws.slot(3).glyphs[77].pixel[x][y] = c.before;
            (c.button == MouseButton::Left ? ws.lmbColor : ws.rmbColor) = c.buttonColor;
            Pixels expected = ws.slot(3).glyphs[77].pixel;
            expected[x][y] = c.after;

            paintPixel(ws, 77, x, y, c.button);
            EXPECT_EQ(ws.slot(3).glyphs[77].pixel, expected)
                << buttonName(c.button) << " colour " << c.buttonColor << " at " << x << "," << y;
            EXPECT_EQ(ws.slot(1).glyphs[77].pixel, Workspace{}.slot(1).glyphs[77].pixel) << "other slot touched";
        }
    }
}

TEST(Painting, FourColourWritesTheWholePairOfTheButtonColour) {
    // The other button always carries a colour that would write something else,
    // so painting with the wrong button's colour shows up.
    const struct {
        MouseButton button;
        int lmb, rmb;
        int x;
        std::uint8_t beforeLeft, beforeRight, afterLeft, afterRight;
    } cases[] = {
        {MouseButton::Left, ColorPf1, ColorPf2, 5, 0, 1, 1, 0},
        {MouseButton::Left, ColorBak, ColorPf2, 3, 1, 1, 0, 0},
        {MouseButton::Left, ColorPf0, ColorBak, 0, 1, 0, 0, 1},
        {MouseButton::Left, ColorPf2, ColorBak, 7, 0, 0, 1, 1},
        {MouseButton::Left, ColorLum, ColorBak, 4, 1, 0, 1, 0},  // LUM paints nothing
        {MouseButton::Left, ColorPf3, ColorBak, 4, 0, 1, 0, 1},  // neither does PF3
        {MouseButton::Right, ColorPf2, ColorPf0, 6, 0, 0, 0, 1},
        {MouseButton::Right, ColorPf2, ColorBak, 1, 1, 1, 0, 0},
        {MouseButton::Right, ColorPf2, ColorPf1, 2, 1, 1, 1, 0},
        {MouseButton::Right, ColorBak, ColorLum, 2, 0, 1, 0, 1},
    };
    for (const auto& c : cases) {
        Workspace ws;
        ws.multicolour = true;
        ws.currentSlot = 8;
        ws.lmbColor = c.lmb;
        ws.rmbColor = c.rmb;
        const int y = 2, x0 = c.x & ~1;
        Glyph& g = ws.slot(8).glyphs[127];
        g.pixel = mixedPixels();
        g.pixel[x0][y] = c.beforeLeft;
        g.pixel[x0 + 1][y] = c.beforeRight;
        Pixels expected = g.pixel;
        expected[x0][y] = c.afterLeft;
        expected[x0 + 1][y] = c.afterRight;

        paintPixel(ws, 127, c.x, y, c.button);
        EXPECT_EQ(g.pixel, expected) << buttonName(c.button) << " lmb " << c.lmb << " rmb " << c.rmb << " x " << c.x;
    }
}

TEST(Painting, OutOfRangeArgumentsChangeNothing) {
    const struct {
        int code, x, y;
    } cases[] = {{-1, 0, 0}, {GlyphCount, 0, 0}, {5, -1, 0}, {5, 8, 0}, {5, 0, -1}, {5, 0, 8}, {5, 9, 9}};
    for (bool multicolour : {false, true}) {
        for (const auto& c : cases) {
            Workspace ws;
            initStartupWorkspace(ws);
            ws.multicolour = multicolour;
            ws.lmbColor = ColorPf2;
            const Workspace before = ws;
            paintPixel(ws, c.code, c.x, c.y, MouseButton::Left);
            EXPECT_TRUE(sameSlots(ws, before)) << c.code << " " << c.x << "," << c.y << " mc " << multicolour;
        }
    }
}

TEST(Swatch, ChoosesOnlyTheColoursTheModeAllows) {
    constexpr int Unchanged = 0;
    const struct {
        bool multicolour;
        int swatch;
        int result;
    } cases[] = {
        {false, ColorLum, ColorLum},  {false, ColorBak, ColorBak},  {false, ColorPf0, Unchanged},
        {false, ColorPf1, Unchanged}, {false, ColorPf2, Unchanged}, {false, ColorPf3, Unchanged},
        {true, ColorLum, Unchanged},  {true, ColorBak, ColorBak},   {true, ColorPf0, ColorPf0},
        {true, ColorPf1, ColorPf1},   {true, ColorPf2, ColorPf2},   {true, ColorPf3, Unchanged},
        {false, 0, Unchanged},        {true, 0, Unchanged},         {false, 7, Unchanged},
        {true, 7, Unchanged},
    };
    for (const auto& c : cases) {
        for (MouseButton button : {MouseButton::Left, MouseButton::Right}) {
            Workspace ws;
            ws.multicolour = c.multicolour;
            // A starting colour the mode can never choose, so "unchanged" is told apart.
            const int start = c.multicolour ? ColorLum : ColorPf1;
            ws.lmbColor = start;
            ws.rmbColor = start;
            chooseButtonColor(ws, c.swatch, button);
            const int chosen = button == MouseButton::Left ? ws.lmbColor : ws.rmbColor;
            const int other = button == MouseButton::Left ? ws.rmbColor : ws.lmbColor;
            EXPECT_EQ(chosen, c.result == Unchanged ? start : c.result)
                << "swatch " << c.swatch << " " << buttonName(button) << " mc " << c.multicolour;
            EXPECT_EQ(other, start) << "swatch " << c.swatch << " " << buttonName(button) << " mc " << c.multicolour;
        }
    }
}

TEST(ColourMode, FourColourButtonColoursSurviveATripToOneColour) {
    Workspace ws;
    initStartupWorkspace(ws);
    for (int c = 0; c < GlyphCount; ++c) ws.slot(2).glyphs[c].pixel = mixedPixels();
    const Workspace before = ws;
    EXPECT_STREQ(modeButtonText(ws), "Change GFX");

    toggleColourMode(ws);
    EXPECT_TRUE(ws.multicolour);
    EXPECT_STREQ(modeButtonText(ws), "Change FONT");
    EXPECT_EQ(ws.lmbColor, ColorPf0);
    EXPECT_EQ(ws.rmbColor, ColorBak);

    chooseButtonColor(ws, ColorPf2, MouseButton::Left);
    chooseButtonColor(ws, ColorPf1, MouseButton::Right);
    toggleColourMode(ws);
    EXPECT_FALSE(ws.multicolour);
    EXPECT_STREQ(modeButtonText(ws), "Change GFX");
    EXPECT_EQ(ws.lmbColor, ColorLum);
    EXPECT_EQ(ws.rmbColor, ColorBak);

    // What one-colour mode chooses is not carried into four-colour mode.
    chooseButtonColor(ws, ColorBak, MouseButton::Left);
    chooseButtonColor(ws, ColorLum, MouseButton::Right);
    toggleColourMode(ws);
    EXPECT_EQ(ws.lmbColor, ColorPf2);
    EXPECT_EQ(ws.rmbColor, ColorPf1);

    // ...and one-colour mode always starts again from LUM / BAK.
    toggleColourMode(ws);
    EXPECT_EQ(ws.lmbColor, ColorLum);
    EXPECT_EQ(ws.rmbColor, ColorBak);
    EXPECT_TRUE(sameSlots(ws, before)) << "switching the mode changed pixels";
}

TEST(ColourMode, LumSwatchKeepsThePaintColourAndBakThenClearsThePair) {
    Workspace ws;
    initStartupWorkspace(ws);
    ws.slot(1).glyphs[0].pixel = Pixels{};
    toggleColourMode(ws);

    chooseButtonColor(ws, ColorLum, MouseButton::Left);
    paintPixel(ws, 0, 3, 4, MouseButton::Left);  // still PF0
    EXPECT_EQ(ws.slot(1).glyphs[0].pair(2, 4), 1);

    chooseButtonColor(ws, ColorPf2, MouseButton::Left);
    paintPixel(ws, 0, 2, 4, MouseButton::Left);
    EXPECT_EQ(ws.slot(1).glyphs[0].pair(2, 4), 3);

    chooseButtonColor(ws, ColorBak, MouseButton::Left);
    paintPixel(ws, 0, 3, 4, MouseButton::Left);
    EXPECT_EQ(ws.slot(1).glyphs[0].pixel, Pixels{});
}

}  // namespace
}  // namespace pw
