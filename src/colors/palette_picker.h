// The palette picker without its window: the value texts, which palette cell
// lies under a point, and what one pointer event or the OK button does.
#pragma once

#include <optional>
#include <string>

#include "model/colors.h"
#include "render/surface.h"

namespace pw {

// A register value as the chosen text shows it: decimal, then upper-case
// hexadecimal without leading zeros ("184, $B8", "14, $E", "0, $0").
std::string registerValueText(int value);
// A cell value as the hover text shows it: always a hue digit and a luminance
// digit ("14, $0E", "184, $B8"), so the two halves of the byte can be read off.
std::string hoverValueText(int value);

// The register value of the palette cell under (x, y) of the palette picture,
// or nothing in the headings, the margins and outside the picture. A grid line
// counts to the cell right of or below it.
std::optional<int> paletteCellValue(int x, int y);

// One run of the picker for one register.
struct PalettePickerState {
    int reg = ColorLum;
    int chosenValue = 0;
    DisplayColor chosenColor;
    std::optional<int> hover;
};

// The picker as it opens: the register's current value and display colour chosen.
PalettePickerState startPalettePicker(const ColorRegisters& colors, int reg);

// What a palette event changed, so the window redraws only its labels that moved.
struct PaletteEventResult {
    bool hoverChanged = false;
    bool chosenChanged = false;
};

// One pointer event of the palette canvas at (x, y). leftButtonAlone is true
// when the left button and no other is held. The colour of a choice is read
// from the picture the user sees, so it is always the colour of the cell.
PaletteEventResult handlePaletteEvent(PalettePickerState& state, const Surface& palette, int x, int y,
                                      bool leftButtonAlone);

// OK: the chosen value and colour become the register's.
void applyPalettePick(const PalettePickerState& state, ColorRegisters& colors);

// Draws the built-in palette picture with its top-left corner at (0, 0).
void drawPalettePicture(Surface& s);

}  // namespace pw
