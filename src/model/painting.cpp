#include "model/painting.h"

namespace pw {

void paintPixel(Workspace& ws, int code, int x, int y, MouseButton button) {
    if (code < 0 || code >= GlyphCount || x < 0 || x > 7 || y < 0 || y > 7) return;
    if (ws.currentSlot < 1 || ws.currentSlot > SlotCount) return;
    Glyph& glyph = ws.current().glyphs[code];

    if (!ws.multicolour) {
        // One-colour mode ignores the button colours: they only tint the swatches.
        glyph.pixel[x][y] = button == MouseButton::Left ? 1 : 0;
        return;
    }

    // A four-colour pixel is the pair starting at the even column; its value is
    // the colour number less BAK's, left pixel the high bit.
    const int n = button == MouseButton::Left ? ws.lmbColor : ws.rmbColor;
    if (n < ColorBak || n > ColorPf2) return;  // LUM (and anything unknown) paints nothing
    const int value = n - ColorBak;
    const int x0 = x & ~1;
    glyph.pixel[x0][y] = static_cast<std::uint8_t>(value >> 1);
    glyph.pixel[x0 + 1][y] = static_cast<std::uint8_t>(value & 1);
}

void chooseButtonColor(Workspace& ws, int swatch, MouseButton button) {
    if (swatch < ColorLum || swatch > ColorCount) return;
    // One-colour mode offers only LUM and BAK; four-colour mode offers the four
    // pair colours. PF3 is never a button colour: it only replaces PF2 in
    // inverse characters.
    const bool allowed = ws.multicolour ? (swatch >= ColorBak && swatch <= ColorPf2)
                                        : (swatch == ColorLum || swatch == ColorBak);
    if (!allowed) return;
    (button == MouseButton::Left ? ws.lmbColor : ws.rmbColor) = swatch;
}

void toggleColourMode(Workspace& ws) {
    if (!ws.multicolour) {
        ws.multicolour = true;
        ws.lmbColor = ws.savedLmbColor;
        ws.rmbColor = ws.savedRmbColor;
    } else {
        ws.multicolour = false;
        ws.savedLmbColor = ws.lmbColor;
        ws.savedRmbColor = ws.rmbColor;
        ws.lmbColor = ColorLum;
        ws.rmbColor = ColorBak;
    }
}

// The button names the mode it switches to: GFX is the four-colour mode.
const char* modeButtonText(const Workspace& ws) { return ws.multicolour ? "Change FONT" : "Change GFX"; }

}  // namespace pw
