#include "colors/palette_picker.h"

#include <cstdio>

#include "assets/palette_image.h"

namespace pw {

std::string registerValueText(int value) {
    char text[32];
    std::snprintf(text, sizeof text, "%d, $%X", value, static_cast<unsigned>(value));
    return text;
}

std::string hoverValueText(int value) {
    char text[32];
    std::snprintf(text, sizeof text, "%d, $%02X", value, static_cast<unsigned>(value));
    return text;
}

std::optional<int> paletteCellValue(int x, int y) {
    // Integer division rounds towards zero, which would fold the first pixels
    // left of or above the picture into the heading band; keep them outside.
    if (x < 0 || y < 0) return std::nullopt;
    const int col = x / PaletteCellPitch;
    const int row = y / PaletteCellPitch;
    if (col < 1 || col > PaletteLumCount || row < 1 || row > PaletteHueCount) return std::nullopt;
    return paletteRegisterValue(row - 1, col - 1);
}

PalettePickerState startPalettePicker(const ColorRegisters& colors, int reg) {
    PalettePickerState state;
    state.reg = reg;
    state.chosenValue = colors.reg[reg].value;
    state.chosenColor = colors.reg[reg].display;
    return state;
}

PaletteEventResult handlePaletteEvent(PalettePickerState& state, const Surface& palette, int x, int y,
                                      bool leftButtonAlone) {
    PaletteEventResult result;
    const std::optional<int> cell = paletteCellValue(x, y);
    if (!cell) return result;
    result.hoverChanged = state.hover != cell;
    state.hover = cell;
    if (!leftButtonAlone) return result;
    const Pixel p = palette.pixel(x, y);
    if (p == rgbPixel(GridLineColor.r, GridLineColor.g, GridLineColor.b)) return result;
    const DisplayColor color = toDisplayColor(p);
    result.chosenChanged = state.chosenValue != *cell || state.chosenColor != color;
    state.chosenValue = *cell;
    state.chosenColor = color;
    return result;
}

void applyPalettePick(const PalettePickerState& state, ColorRegisters& colors) {
    colors.reg[state.reg].value = state.chosenValue;
    colors.reg[state.reg].display = state.chosenColor;
}

void drawPalettePicture(Surface& s) {
    const RgbImage& image = atariPaletteImage();
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const Rgb c = image.pixel(x, y);
            s.setPixel(x, y, rgbPixel(c.r, c.g, c.b));
        }
    }
}

}  // namespace pw
