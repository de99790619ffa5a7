#include "render/set_views.h"

#include "render/glyph_draw.h"

namespace pw {

namespace {
constexpr Pixel Black = rgbPixel(0, 0, 0);

bool validCode(int code) { return code >= 0 && code < GlyphCount; }
}  // namespace

void drawSetThumbnail(const Workspace& ws, Surface& s, ThumbnailUse use, int setNumber, int ox, int oy) {
    if (setNumber < 1 || setNumber > SetCount) return;
    const SetGrid& set = ws.set(setNumber);
    if (use != ThumbnailUse::StampPreview) {
        // Black wherever no cell paints: around the 80 x 80 block of cells and
        // in cells that hold no character (and, on the animation frame, empty ones).
        const int w = s.width(), h = s.height();
        s.fillBox(0, 0, w, oy, Black);
        s.fillBox(0, oy + 80, w, h - (oy + 80), Black);
        s.fillBox(0, oy, ox, 80, Black);
        s.fillBox(ox + 80, oy, w - (ox + 80), 80, Black);
        for (int k = 0; k < SetCells; ++k) {
            const int code = set.cells[k];
            if (validCode(code)) continue;
            const Pixel p = use == ThumbnailUse::SetPreview && code == EmptyCell ? SetPreviewEmptyColor : Black;
            s.fillBox(ox + 16 * (k % 5), oy + 16 * (k / 5), 16, 16, p);
        }
    }
    const DrawColors c = drawColors(ws.colors);
    const Pixel* colours = glyphPalette(c, ws.multicolour);
    for (int k = 0; k < SetCells; ++k) {
        const int code = set.cells[k];
        if (!validCode(code)) continue;
        drawGlyph(s, ws.current().glyphs[code], ox + 16 * (k % 5), oy + 16 * (k / 5), 2, ws.multicolour, colours);
    }
    if (use == ThumbnailUse::SetPreview && ws.setPreviewGrid) {
        for (int v = 16; v <= 64; v += 16) {
            s.lineBox(0, v, s.width(), 1, SetPreviewGridColor);
            s.lineBox(v, 0, 1, s.height(), SetPreviewGridColor);
        }
    }
}

void drawSetEditorChar(const Workspace& ws, Surface& s, int code, int cellX, int cellY) {
    if (!validCode(code)) return;
    const DrawColors c = drawColors(ws.colors);
    const Glyph& g = ws.current().glyphs[code];
    if (ws.multicolour && ws.displayMode == DisplayMode::Mask) {
        drawGlyphMasked(s, g, maskUnderlay(ws, code), cellX, cellY, 10, c.pairs);
    } else {
        drawGlyph(s, g, cellX, cellY, 10, ws.multicolour, glyphPalette(c, ws.multicolour));
    }
}

void drawSetEditor(const Workspace& ws, Surface& s) {
    const SetGrid& set = ws.set(ws.currentSet);
    // Each cell is grey when empty, else black unless an opaque character covers it;
    // the Mask display is laid over black.
    const bool masked = ws.multicolour && ws.displayMode == DisplayMode::Mask;
    for (int k = 0; k < SetCells; ++k) {
        const int code = set.cells[k];
        if (code == EmptyCell) {
            s.fillBox(80 * (k % 5), 80 * (k / 5), 80, 80, SetEditorEmptyColor);
        } else if (masked || !validCode(code)) {
            s.fillBox(80 * (k % 5), 80 * (k / 5), 80, 80, Black);
        }
    }
    for (int k = 0; k < SetCells; ++k)
        if (set.cells[k] != EmptyCell) drawSetEditorChar(ws, s, set.cells[k], 80 * (k % 5), 80 * (k / 5));
    if (!ws.setEditorGrid) return;
    for (int j = 1; j <= 39; ++j) {
        Pixel* row = s.row(10 * j);
        if (10 * j >= s.height()) break;
        for (int i = 0; i < 40 && 10 * i < s.width(); ++i) row[10 * i] = SetEditorDotColor;
    }
    for (int v = 80; v <= 320; v += 80) {
        s.lineBox(0, v, 400, 1, SetEditorLineColor);
        s.lineBox(v, 0, 1, 400, SetEditorLineColor);
    }
}

}  // namespace pw
