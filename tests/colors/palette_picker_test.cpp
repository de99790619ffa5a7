#include "colors/palette_picker.h"

#include <gtest/gtest.h>

#include "assets/palette_image.h"

namespace pw {
namespace {

TEST(PalettePickerText, ChosenAndHoverTextsDifferOnlyInTheHexDigits) {
    const struct {
        int value;
        const char* chosen;
        const char* hover;
    } cases[] = {
        {0, "0, $0", "0, $00"},       {14, "14, $E", "14, $0E"},     {15, "15, $F", "15, $0F"},
        {16, "16, $10", "16, $10"},   {184, "184, $B8", "184, $B8"}, {161, "161, $A1", "161, $A1"},
        {254, "254, $FE", "254, $FE"}, {255, "255, $FF", "255, $FF"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(registerValueText(c.value), c.chosen) << c.value;
        EXPECT_EQ(hoverValueText(c.value), c.hover) << c.value;
    }
}

TEST(PalettePickerCells, PointsMapToCellsOnlyInsideTheGrid) {
    const struct {
        int x, y;
        std::optional<int> value;
    } cases[] = {
        // Cells: hue from the row, luminance from the column.
        {24, 24, 0x00},   {40, 24, 0x02},   {136, 24, 0x0E},  {24, 40, 0x10},   {88, 200, 0xB8},
        {136, 264, 0xFE}, {24, 264, 0xF0},
        // Grid lines belong to the cell right of and below them.
        {16, 16, 0x00},   {32, 16, 0x02},   {16, 32, 0x10},   {143, 271, 0xFE},
        // Column and row headings.
        {15, 24, std::nullopt}, {0, 0, std::nullopt}, {24, 15, std::nullopt}, {8, 200, std::nullopt},
        // Margins right of and below the grid, and beyond the picture.
        {144, 24, std::nullopt}, {160, 100, std::nullopt}, {24, 272, std::nullopt}, {100, 288, std::nullopt},
        {144, 272, std::nullopt}, {300, 300, std::nullopt},
        // Left of and above the picture: truncating division would make these column or row 0 or 1.
        {-5, 24, std::nullopt}, {24, -5, std::nullopt}, {-16, 24, std::nullopt}, {24, -17, std::nullopt},
        {-1, -1, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(paletteCellValue(c.x, c.y), c.value) << c.x << ", " << c.y;
}

class PalettePickerEvents : public ::testing::Test {
protected:
    void SetUp() override {
        Surface s = picture.surface();
        drawPalettePicture(s);
        colors.reg[ColorPf1] = {0x34, DisplayColor::fromRgb(1, 2, 3)};
        state = startPalettePicker(colors, ColorPf1);
    }
    PaletteEventResult event(int x, int y, bool left) { return handlePaletteEvent(state, picture.surface(), x, y, left); }

    PixelImage picture{PaletteImageWidth, PaletteImageHeight};
    ColorRegisters colors;
    PalettePickerState state;
};

TEST_F(PalettePickerEvents, StartsFromTheRegister) {
    EXPECT_EQ(state.reg, ColorPf1);
    EXPECT_EQ(state.chosenValue, 0x34);
    EXPECT_EQ(state.chosenColor, DisplayColor::fromRgb(1, 2, 3));
    EXPECT_FALSE(state.hover);
}

TEST_F(PalettePickerEvents, EveryCellPixelChoosesItsTableColour) {
    for (int y = PaletteGridOrigin; y < PaletteGridEndY; ++y) {
        for (int x = PaletteGridOrigin; x < PaletteGridEndX; ++x) {
            if (x % PaletteCellPitch == 0 || y % PaletteCellPitch == 0) continue;
            const int hue = y / PaletteCellPitch - 1;
            const int column = x / PaletteCellPitch - 1;
            event(x, y, true);
            const Rgb want = AtariPaletteColors[hue][column];
            ASSERT_EQ(state.chosenColor, DisplayColor::fromRgb(want.r, want.g, want.b)) << x << ", " << y;
            ASSERT_EQ(state.chosenValue, 16 * hue + 2 * column) << x << ", " << y;
            ASSERT_EQ(state.hover, state.chosenValue);
        }
    }
}

TEST_F(PalettePickerEvents, HueBLuminance8IsTheDefaultPf1Green) {
    const PaletteEventResult r = event(paletteCellX(4) + 7, paletteCellY(11) + 7, true);
    EXPECT_TRUE(r.hoverChanged);
    EXPECT_TRUE(r.chosenChanged);
    EXPECT_EQ(state.chosenValue, 184);
    EXPECT_EQ(state.chosenColor, DisplayColor::fromRgb(71, 183, 27));
}

TEST_F(PalettePickerEvents, OnlyTheLeftButtonAloneOnACellChooses) {
    const struct {
        const char* what;
        int x, y;
        bool left;
        std::optional<int> hover;
    } cases[] = {
        {"pointer moving over a cell", 40, 40, false, 0x12},
        {"left button on a vertical grid line", 48, 40, true, 0x14},
        {"left button on a horizontal grid line", 40, 48, true, 0x22},
        {"left button on a grid crossing", 128, 256, true, 0xFE},
        {"left button in the column headings", 40, 8, true, std::nullopt},
        {"left button in the row headings", 8, 40, true, std::nullopt},
        {"left button in the right margin", 150, 40, true, std::nullopt},
        {"left button in the bottom margin", 40, 280, true, std::nullopt},
        {"left button left of the picture", -3, 40, true, std::nullopt},
    };
    for (const auto& c : cases) {
        SetUp();
        const PaletteEventResult r = event(c.x, c.y, c.left);
        EXPECT_EQ(state.hover, c.hover) << c.what;
        EXPECT_EQ(r.hoverChanged, c.hover.has_value()) << c.what;
        EXPECT_FALSE(r.chosenChanged) << c.what;
        EXPECT_EQ(state.chosenValue, 0x34) << c.what;
        EXPECT_EQ(state.chosenColor, DisplayColor::fromRgb(1, 2, 3)) << c.what;
    }
}

TEST_F(PalettePickerEvents, HoverOutsideTheGridKeepsTheLastCell) {
    event(40, 40, false);
    EXPECT_FALSE(event(150, 40, false).hoverChanged);
    EXPECT_EQ(state.hover, 0x12);
    EXPECT_FALSE(event(41, 41, false).hoverChanged);
    EXPECT_TRUE(event(56, 40, false).hoverChanged);
    EXPECT_EQ(state.hover, 0x14);
}

TEST_F(PalettePickerEvents, OkWritesOnlyTheOwnRegister) {
    const ColorRegisters before = colors;
    event(paletteCellX(7), paletteCellY(0), true);
    applyPalettePick(state, colors);
    for (int reg = ColorLum; reg <= ColorPf3; ++reg) {
        if (reg == ColorPf1) continue;
        EXPECT_EQ(colors.reg[reg].value, before.reg[reg].value) << reg;
        EXPECT_EQ(colors.reg[reg].display, before.reg[reg].display) << reg;
    }
    EXPECT_EQ(colors.reg[ColorPf1].value, 0x0E);
    EXPECT_EQ(colors.reg[ColorPf1].display, DisplayColor::fromRgb(0xEE, 0xEE, 0xEE));
}

TEST_F(PalettePickerEvents, OkWithoutAChoiceKeepsTheRegisterAsItWas) {
    // A register loaded from a file may hold an odd luminance the palette cannot show.
    colors.reg[ColorLum] = {0x97, DisplayColor::fromRgb(9, 8, 7)};
    state = startPalettePicker(colors, ColorLum);
    event(40, 40, false);
    applyPalettePick(state, colors);
    EXPECT_EQ(colors.reg[ColorLum].value, 0x97);
    EXPECT_EQ(colors.reg[ColorLum].display, DisplayColor::fromRgb(9, 8, 7));
}

}  // namespace
}  // namespace pw
