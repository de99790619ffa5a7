// Conversion between a font slot and the 1024-byte packed layout in fontBuffer,
// through which fonts travel to files, exports and the built-in font.
#pragma once

#include "model/workspace.h"

namespace pw {

// Packs slot 1..10 into fontBuffer; -1 packs the current slot.
void packFont(Workspace& ws, int slot);
// Replaces every glyph of slot 1..10 with the contents of fontBuffer. The
// slot's file name and path are left alone.
void unpackFont(Workspace& ws, int slot);
// Copies the built-in Atari font into fontBuffer; no slot changes.
void loadDefaultFont(Workspace& ws);

// The conversions themselves, on a single slot's glyphs.
void packGlyphs(const std::array<Glyph, GlyphCount>& glyphs, PackedFont& out);
void unpackGlyphs(const PackedFont& in, std::array<Glyph, GlyphCount>& glyphs);

}  // namespace pw
