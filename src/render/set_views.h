// Pictures of sets: the 16-pixel thumbnails (animation frame, current-set
// preview, stamp preview on the view map) and the large set editor.
#pragma once

#include "model/workspace.h"
#include "render/surface.h"

namespace pw {

enum class ThumbnailUse {
    AnimationFrame,  // black canvas, empty cells stay black
    SetPreview,      // empty cells grey, optional grid
    StampPreview,    // drawn over the view map; empty cells let the map show through
};

void drawSetThumbnail(const Workspace& ws, Surface& s, ThumbnailUse use, int setNumber, int originX, int originY);
void drawSetEditor(const Workspace& ws, Surface& s);
void drawSetEditorChar(const Workspace& ws, Surface& s, int code, int cellX, int cellY);

constexpr Pixel SetEditorEmptyColor = rgbPixel(48, 48, 48);
constexpr Pixel SetPreviewEmptyColor = rgbPixel(64, 64, 64);
constexpr Pixel SetEditorDotColor = rgbPixel(112, 112, 112);
constexpr Pixel SetEditorLineColor = rgbPixel(64, 64, 64);
constexpr Pixel SetPreviewGridColor = rgbPixel(80, 80, 80);

}  // namespace pw
