#include "colors/color_swatch.h"

namespace pw {

void fillColorSwatch(Surface& s, DisplayColor color) { s.fillBox(0, 0, SwatchWidth, SwatchHeight, toPixel(color)); }

std::optional<DisplayColor> buttonSwatchColor(const Workspace& ws, int colorNumber) {
    if (colorNumber < ColorLum || colorNumber > ColorPf2) return std::nullopt;
    return ws.colors.display(colorNumber);
}

}  // namespace pw
