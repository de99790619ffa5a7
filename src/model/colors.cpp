#include "model/colors.h"

namespace pw {

ColorRegisters::ColorRegisters() {
    reg[ColorLum] = {14, DisplayColor::fromRgb(255, 255, 255)};
    reg[ColorBak] = {0, DisplayColor::fromRgb(0, 0, 0)};
    reg[ColorPf0] = {184, DisplayColor::fromRgb(194, 119, 31)};
    reg[ColorPf1] = {184, DisplayColor::fromRgb(71, 183, 27)};
    reg[ColorPf2] = {134, DisplayColor::fromRgb(44, 119, 207)};
    reg[ColorPf3] = {68, DisplayColor::fromRgb(149, 20, 123)};
}

}  // namespace pw
