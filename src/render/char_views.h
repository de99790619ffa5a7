// The three character canvases of the main window: the font sheet, the
// character editor and the picked-character preview.
#pragma once

#include "model/workspace.h"
#include "render/surface.h"

namespace pw {

void drawFontSheet(const Workspace& ws, Surface& s);
void drawCharEditor(const Workspace& ws, Surface& s);
void drawPickedChar(const Workspace& ws, Surface& s);

constexpr Pixel FontSheetGridColor = rgbPixel(48, 48, 48);
constexpr Pixel CharEditorDotColor = rgbPixel(64, 64, 64);

}  // namespace pw
