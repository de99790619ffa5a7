// The six colour registers: the Atari colour byte an Atari program would use and
// the RGB colour with which the editor draws it.
#pragma once

#include <array>
#include <cstdint>

namespace pw {

// Colour numbers, used for the registers, the files and the mouse-button colours.
constexpr int ColorLum = 1;
constexpr int ColorBak = 2;
constexpr int ColorPf0 = 3;
constexpr int ColorPf1 = 4;
constexpr int ColorPf2 = 5;
constexpr int ColorPf3 = 6;
constexpr int ColorCount = 6;

// A display colour as the files store it: 0x00BBGGRR.
struct DisplayColor {
    std::uint32_t value = 0;

    static constexpr DisplayColor fromRgb(int r, int g, int b) {
        return DisplayColor{static_cast<std::uint32_t>((r & 0xFF) | (g & 0xFF) << 8 | (b & 0xFF) << 16)};
    }
    constexpr int red() const { return static_cast<int>(value & 0xFF); }
    constexpr int green() const { return static_cast<int>((value >> 8) & 0xFF); }
    constexpr int blue() const { return static_cast<int>((value >> 16) & 0xFF); }
    friend constexpr bool operator==(DisplayColor, DisplayColor) = default;
};

struct ColorRegister {
    std::int32_t value = 0;  // Atari colour byte: hue * 16 + luminance, 0..255
    DisplayColor display;
};

struct ColorRegisters {
    ColorRegisters();

    // Registers numbered 1..6 (LUM, BAK, PF0, PF1, PF2, PF3); index 0 is unused.
    std::array<ColorRegister, ColorCount + 1> reg{};

    DisplayColor display(int number) const { return reg[number].display; }
};

}  // namespace pw
