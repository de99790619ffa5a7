#include "render/glyph_draw.h"

#include <algorithm>

namespace pw {

DrawColors drawColors(const ColorRegisters& regs) {
    DrawColors c{};
    c.lum = toPixel(regs.display(ColorLum));
    c.bak = toPixel(regs.display(ColorBak));
    c.pf0 = toPixel(regs.display(ColorPf0));
    c.pf1 = toPixel(regs.display(ColorPf1));
    c.pf2 = toPixel(regs.display(ColorPf2));
    c.pf3 = toPixel(regs.display(ColorPf3));
    c.mono = {c.bak, c.lum};
    c.monoInverse = {c.lum, c.bak};
    c.pairs = {c.bak, c.pf0, c.pf1, c.pf2};
    c.pairsInverse = {c.bak, c.pf0, c.pf1, c.pf3};
    return c;
}

void drawGlyph(Surface& s, const Glyph& g, int x0, int y0, int scale, bool multicolour, const Pixel* colours) {
    constexpr int MaxScale = 32;
    scale = std::clamp(scale, 1, MaxScale);
    Pixel line[8 * MaxScale];
    const int width = 8 * scale;
    for (int y = 0; y < 8; ++y) {
        const int top = y0 + y * scale;
        if (top >= s.height() || top + scale <= 0) continue;
        // Build one screen row of the glyph row, then copy it scale times.
        Pixel* out = line;
        if (multicolour) {
            for (int x = 0; x < 8; x += 2) out = std::fill_n(out, 2 * scale, colours[g.pair(x, y)]);
        } else {
            for (int x = 0; x < 8; ++x) out = std::fill_n(out, scale, colours[g.at(x, y)]);
        }
        for (int j = 0; j < scale; ++j) s.putRow(x0, top + j, line, width);
    }
}

void drawGlyphMasked(Surface& s, const Glyph& current, const Glyph* next, int x0, int y0, int scale,
                     const std::array<Pixel, 4>& pairs) {
    const int w = 2 * scale;
    const int h = scale;
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; x += 2) {
            const int X = x0 + x * scale;
            const int Y = y0 + y * scale;
            if (next) {
                const int u = next->pair(x, y);
                s.blendBox(X, Y, w, h, pairs[u], MaskUnderlayOpacity);
                if (u != 0) {
                    s.line(X, Y, X + w, Y + h, MaskCrossColor);
                    s.line(X, Y + h, X + w, Y, MaskCrossColor);
                }
            }
            const int v = current.pair(x, y);
            if (v == 0) {
                s.blendBox(X, Y, w, h, pairs[0], MaskBackgroundOpacity);
            } else {
                s.fillBox(X, Y, w, h, pairs[v]);
            }
        }
    }
}

}  // namespace pw
