// The colour-register swatches and the mouse-button swatches of the colour panel.
#pragma once

#include <optional>

#include "model/workspace.h"
#include "render/surface.h"

namespace pw {

constexpr int SwatchWidth = 30;
constexpr int SwatchHeight = 20;

// Fills the whole swatch area with the colour.
void fillColorSwatch(Surface& s, DisplayColor color);

// The colour a mouse-button swatch shows for a button colour number; only
// LUM, BAK and PF0..PF2 are button colours, for anything else the swatch keeps
// its colour.
std::optional<DisplayColor> buttonSwatchColor(const Workspace& ws, int colorNumber);

}  // namespace pw
