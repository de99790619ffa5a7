#include "model/packed_font.h"

#include "assets/default_atari_font.h"

namespace pw {

void packGlyphs(const std::array<Glyph, GlyphCount>& glyphs, PackedFont& out) {
    out.fill(0);
    for (int c = 0; c < GlyphCount; ++c) {
        for (int y = 0; y < 8; ++y) {
            std::uint8_t b = 0;
            for (int x = 0; x < 8; ++x) {
                if (glyphs[c].pixel[x][y] == 1) b |= static_cast<std::uint8_t>(0x80 >> x);
            }
            out[8 * c + y] = b;
        }
    }
}

void unpackGlyphs(const PackedFont& in, std::array<Glyph, GlyphCount>& glyphs) {
    for (int c = 0; c < GlyphCount; ++c) {
        for (int y = 0; y < 8; ++y) {
            const std::uint8_t b = in[8 * c + y];
            for (int x = 0; x < 8; ++x) glyphs[c].pixel[x][y] = (b >> (7 - x)) & 1;
        }
    }
}

void packFont(Workspace& ws, int slot) {
    if (slot == -1) slot = ws.currentSlot;
    if (slot < 1 || slot > SlotCount) return;
    packGlyphs(ws.slot(slot).glyphs, ws.fontBuffer);
}

void unpackFont(Workspace& ws, int slot) {
    if (slot < 1 || slot > SlotCount) return;
    unpackGlyphs(ws.fontBuffer, ws.slot(slot).glyphs);
}

void loadDefaultFont(Workspace& ws) { ws.fontBuffer = DefaultAtariFont; }

}  // namespace pw
