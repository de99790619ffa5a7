// The colours the Atari shows for each hue and luminance, and the layout of the
// built-in palette picture that lays them out as a grid of 16 hues by 8 luminances.
#pragma once

#include <array>
#include <cstdint>

namespace pw {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

constexpr int PaletteHueCount = 16;
constexpr int PaletteLumCount = 8;  // the even luminances 0, 2, ..., 14

// AtariPaletteColors[hue][column] is the colour of hue 0..15 at luminance 2 * column.
extern const std::array<std::array<Rgb, PaletteLumCount>, PaletteHueCount> AtariPaletteColors;

// No palette colour is GridLineColor, so a pixel of that colour is always a grid line.
constexpr Rgb GridLineColor{1, 1, 1};
constexpr Rgb PaletteBackground{240, 240, 240};  // headings and margins
constexpr Rgb PaletteHeadingInk{0, 0, 0};

// Picture geometry. Grid lines are one pixel wide at x = 16, 32, ..., 144 (for
// y 16..272) and y = 16, 32, ..., 272 (for x 16..144); each cell is the 15x15
// square inside them. Column headings fill y 0..15, row headings x 0..15.
constexpr int PaletteImageWidth = 161;
constexpr int PaletteImageHeight = 289;
constexpr int PaletteCellPitch = 16;
constexpr int PaletteCellSize = PaletteCellPitch - 1;
constexpr int PaletteGridOrigin = 16;  // position of the first grid line on both axes
constexpr int PaletteGridEndX = PaletteGridOrigin + PaletteLumCount * PaletteCellPitch;  // 144
constexpr int PaletteGridEndY = PaletteGridOrigin + PaletteHueCount * PaletteCellPitch;  // 272
// Each heading is an 8x8 glyph inset this far into the 16x16 box that starts
// at its column's (or row's) leading grid line.
constexpr int PaletteHeadingInset = 4;

// Top-left pixel of the cell in luminance column 0..7 and hue row 0..15.
constexpr int paletteCellX(int column) { return PaletteGridOrigin + column * PaletteCellPitch + 1; }
constexpr int paletteCellY(int row) { return PaletteGridOrigin + row * PaletteCellPitch + 1; }

// The Atari colour byte of the cell: hue * 16 + luminance.
constexpr int paletteRegisterValue(int row, int column) { return row * 16 + column * 2; }

}  // namespace pw
