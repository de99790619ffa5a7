// Drawing one character at any whole-number scale, plainly or in the "Mask"
// display, and the colours the canvases draw with, resolved once per repaint.
#pragma once

#include <array>
#include <cstdint>

#include "model/workspace.h"
#include "render/surface.h"

namespace pw {

struct DrawColors {
    Pixel lum, bak, pf0, pf1, pf2, pf3;
    std::array<Pixel, 2> mono;          // pixel 0 / 1 of a normal character
    std::array<Pixel, 2> monoInverse;   // pixel 0 / 1 of an inverse character
    std::array<Pixel, 4> pairs;         // pair values 0..3 of a normal character
    std::array<Pixel, 4> pairsInverse;  // pair values 0..3 of an inverse character (PF3 for 3)
};

DrawColors drawColors(const ColorRegisters& regs);

// The colours of a normal character in the workspace's current mode: two
// entries indexed by pixel in one-colour mode, four indexed by pair value in
// four-colour mode.
inline const Pixel* glyphPalette(const DrawColors& c, bool multicolour) {
    return multicolour ? c.pairs.data() : c.mono.data();
}

// The eight rows of a glyph as bytes, bit 7 the leftmost pixel, row y in
// bits 8 * y .. 8 * y + 7.
std::uint64_t glyphRowBits(const Glyph& g);

// Draws the glyph with its top-left corner at (x0, y0), each Atari pixel a
// scale x scale box. colours holds 2 entries (by pixel) or, in four-colour
// mode, 4 entries (by pair value, each pair a box twice as wide).
void drawGlyph(Surface& s, const Glyph& g, int x0, int y0, int scale, bool multicolour, const Pixel* colours);

// The "Mask" display of a four-colour character: for each pair, the same
// character of the next slot (when there is one) dimmed and crossed where it
// has colour, then the current character opaque, or nearly transparent where
// it is background.
void drawGlyphMasked(Surface& s, const Glyph& current, const Glyph* next, int x0, int y0, int scale,
                     const std::array<Pixel, 4>& pairs);

// The glyph the "Mask" display lays beneath a character: the same code in the
// next slot, which slot 10 does not have.
inline const Glyph* maskUnderlay(const Workspace& ws, int code) {
    if (ws.currentSlot >= SlotCount) return nullptr;
    return &ws.slot(ws.currentSlot + 1).glyphs[code];
}

constexpr Pixel MaskCrossColor = rgbPixel(170, 170, 170);
constexpr int MaskUnderlayOpacity = 170;
constexpr int MaskBackgroundOpacity = 17;

}  // namespace pw
