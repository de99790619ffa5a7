#include "render/char_views.h"

#include "render/glyph_draw.h"

namespace pw {

namespace {
constexpr Pixel Black = rgbPixel(0, 0, 0);
}  // namespace

void drawFontSheet(const Workspace& ws, Surface& s) {
    const DrawColors c = drawColors(ws.colors);
    s.fillBox(0, 0, 570, 135, Black);
    const auto& glyphs = ws.current().glyphs;
    const Pixel* normal = glyphPalette(c, ws.multicolour);
    // The inverse half shows codes 128..255, which the Atari derives from 0..127.
    const Pixel* inverse = ws.multicolour ? c.pairsInverse.data() : c.monoInverse.data();
    for (int code = 0; code < GlyphCount; ++code) {
        const int x = 17 * (code % 32);
        const int y = 17 * (code / 32);
        drawGlyph(s, glyphs[code], x, y, 2, ws.multicolour, normal);
        drawGlyph(s, glyphs[code], x, 68 + y, 2, ws.multicolour, inverse);
    }
    for (int y = 17; y <= 119; y += 17) s.lineBox(0, y, 570, 1, FontSheetGridColor);
    for (int x = 17; x <= 527; x += 17) s.lineBox(x, 0, 1, 140, FontSheetGridColor);
}

void drawCharEditor(const Workspace& ws, Surface& s) {
    s.fillBox(0, 0, 240, 240, Black);
    if (ws.editedChar >= 0 && ws.editedChar < GlyphCount) {
        const DrawColors c = drawColors(ws.colors);
        const Glyph& g = ws.current().glyphs[ws.editedChar];
        if (ws.multicolour && ws.displayMode == DisplayMode::Mask) {
            drawGlyphMasked(s, g, maskUnderlay(ws, ws.editedChar), 0, 0, 30, c.pairs);
        } else {
            drawGlyph(s, g, 0, 0, 30, ws.multicolour, glyphPalette(c, ws.multicolour));
        }
    }
    for (int j = 1; j <= 7; ++j)
        for (int i = 0; i <= 7; ++i) s.lineBox(30 * i, 30 * j, 1, 1, CharEditorDotColor);
}

void drawPickedChar(const Workspace& ws, Surface& s) {
    s.fillBox(0, 0, 64, 64, Black);
    if (ws.pickedChar < 0 || ws.pickedChar >= GlyphCount) return;
    const DrawColors c = drawColors(ws.colors);
    drawGlyph(s, ws.current().glyphs[ws.pickedChar], 0, 0, 8, ws.multicolour, glyphPalette(c, ws.multicolour));
}

}  // namespace pw
