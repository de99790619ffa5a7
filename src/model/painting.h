// Painting single pixels with the mouse buttons, choosing the buttons' colours
// and switching between one-colour and four-colour editing.
#pragma once

#include "model/workspace.h"

namespace pw {

enum class MouseButton { Left, Right };

// Paints pixel (x, y) of character code in the current slot: in one-colour mode
// the left button sets and the right clears; in four-colour mode the whole pair
// takes the button's colour (LUM writes nothing). code 0..127, x and y 0..7.
void paintPixel(Workspace& ws, int code, int x, int y, MouseButton button);

// A click on colour swatch number 1..6 (LUM, BAK, PF0, PF1, PF2, PF3) chooses
// that colour for the button where the current mode allows it.
void chooseButtonColor(Workspace& ws, int swatch, MouseButton button);

// The mode button: one-colour <-> four-colour. The four-colour button colours
// are kept while one-colour mode is on, which always starts with LUM / BAK.
void toggleColourMode(Workspace& ws);

// "Change GFX" in one-colour mode, "Change FONT" in four-colour mode.
const char* modeButtonText(const Workspace& ws);

}  // namespace pw
