#include "render/char_views.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#include "render/glyph_draw.h"

namespace pw {

namespace {
constexpr Pixel Black = rgbPixel(0, 0, 0);

// The sheet drawn one layer at a time: black, the characters, the grid.
void drawFontSheetLayers(const Workspace& ws, Surface& s) {
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
}  // namespace

// The sheet is eight bands of 32 characters, 16 x 16 pixels each with one
// pixel of grid or gap after it: the normal half (codes 0..127) above the
// inverse half. On a surface wide enough for every character it is written
// row by row, each pixel once, with the same result as the layers: black
// backdrop 570 x 135, the characters, grid lines at every 17th row and column
// (rows 17..119 across, columns 17..527 down to row 139).
void drawFontSheet(const Workspace& ws, Surface& s) {
    if (s.width() < 543) {
        drawFontSheetLayers(ws, s);
        return;
    }
    const DrawColors c = drawColors(ws.colors);
    const auto& glyphs = ws.current().glyphs;
    // The inverse half shows codes 128..255, which the Atari derives from 0..127.
    const Pixel* palettes[2] = {glyphPalette(c, ws.multicolour),
                                ws.multicolour ? c.pairsInverse.data() : c.monoInverse.data()};
    // The four screen pixels of each two-bit field of a glyph row: two pixels
    // of one colour mode, or one pair of four-colour mode.
    Pixel fields[2][4][4];
    for (int h = 0; h < 2; ++h) {
        for (int k = 0; k < 4; ++k) {
            const Pixel left = palettes[h][ws.multicolour ? k : k >> 1];
            const Pixel right = palettes[h][ws.multicolour ? k : k & 1];
            fields[h][k][0] = fields[h][k][1] = left;
            fields[h][k][2] = fields[h][k][3] = right;
        }
    }
    std::uint64_t rowBits[GlyphCount];
    for (int code = 0; code < GlyphCount; ++code) rowBits[code] = glyphRowBits(glyphs[code]);

    const int right = std::min(570, s.width());
    const int bottom = std::min(135, s.height());
    for (int y = 0; y < bottom; ++y) {
        Pixel* r = s.row(y);
        const int band = y / 17;
        const int inBand = y % 17;
        if (inBand == 0 && band > 0) {
            std::fill_n(r, right, FontSheetGridColor);
        } else if (inBand == 16) {
            std::fill_n(r, right, Black);
            for (int x = 17; x <= 527; x += 17) r[x] = FontSheetGridColor;
        } else if (inBand % 2 == 1 && !(inBand == 1 && band > 0)) {
            // The second screen row of a glyph row.
            std::memcpy(r, s.row(y - 1), static_cast<std::size_t>(right) * sizeof(Pixel));
        } else {
            const int shift = 8 * (inBand / 2);
            const Pixel(&f)[4][4] = fields[band / 4];
            const std::uint64_t* bits = rowBits + 32 * (band % 4);
            for (int col = 0; col < 32; ++col) {
                const unsigned b = (bits[col] >> shift) & 0xFF;
                Pixel* out = r + 17 * col;
                std::memcpy(out, f[b >> 6], sizeof f[0]);
                std::memcpy(out + 4, f[(b >> 4) & 3], sizeof f[0]);
                std::memcpy(out + 8, f[(b >> 2) & 3], sizeof f[0]);
                std::memcpy(out + 12, f[b & 3], sizeof f[0]);
                if (col > 0) out[0] = FontSheetGridColor;
                if (col < 31) out[16] = Black;
            }
            if (right > 543) std::fill_n(r + 543, right - 543, Black);
        }
    }
    for (int y = 135; y < std::min(140, s.height()); ++y) {
        Pixel* r = s.row(y);
        for (int x = 17; x <= 527; x += 17) r[x] = FontSheetGridColor;
    }
}

void drawCharEditor(const Workspace& ws, Surface& s) {
    const bool hasChar = ws.editedChar >= 0 && ws.editedChar < GlyphCount;
    const bool masked = ws.multicolour && ws.displayMode == DisplayMode::Mask;
    // An opaque character covers the whole canvas; the Mask display is laid over black.
    if (!hasChar || masked) s.fillBox(0, 0, 240, 240, Black);
    if (hasChar) {
        const DrawColors c = drawColors(ws.colors);
        const Glyph& g = ws.current().glyphs[ws.editedChar];
        if (masked) {
            drawGlyphMasked(s, g, maskUnderlay(ws, ws.editedChar), 0, 0, 30, c.pairs);
        } else {
            drawGlyph(s, g, 0, 0, 30, ws.multicolour, glyphPalette(c, ws.multicolour));
        }
    }
    for (int j = 1; j <= 7; ++j)
        for (int i = 0; i <= 7; ++i) s.lineBox(30 * i, 30 * j, 1, 1, CharEditorDotColor);
}

void drawPickedChar(const Workspace& ws, Surface& s) {
    if (ws.pickedChar < 0 || ws.pickedChar >= GlyphCount) {
        s.fillBox(0, 0, 64, 64, Black);
        return;
    }
    // The character covers the whole canvas.
    const DrawColors c = drawColors(ws.colors);
    drawGlyph(s, ws.current().glyphs[ws.pickedChar], 0, 0, 8, ws.multicolour, glyphPalette(c, ws.multicolour));
}

}  // namespace pw
