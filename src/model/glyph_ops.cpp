#include "model/glyph_ops.h"

namespace pw {
namespace {

// Every transform is a gather: new pixel (x, y) is read from the untouched old
// glyph, so no pixel can be read after it was overwritten.
template <typename Source>
Glyph gather(const Glyph& old, Source source) {
    Glyph out;
    for (int x = 0; x < 8; ++x)
        for (int y = 0; y < 8; ++y) out.pixel[x][y] = source(old, x, y);
    return out;
}

// Shifts wrap around, so nothing pushed off one edge is lost.
constexpr int wrap(int v) { return v & 7; }

}  // namespace

bool applyGlyphOp(Workspace& ws, GlyphOp op) {
    if (ws.editedChar < 0 || ws.editedChar >= GlyphCount) return false;
    if (ws.currentSlot < 1 || ws.currentSlot > SlotCount) return false;
    Glyph& glyph = ws.current().glyphs[ws.editedChar];
    const Glyph old = glyph;

    switch (op) {
        case GlyphOp::Rotate:  // a quarter turn clockwise
            glyph = gather(old, [](const Glyph& p, int x, int y) { return p.at(y, 7 - x); });
            break;
        case GlyphOp::MirrorH:
            glyph = gather(old, [](const Glyph& p, int x, int y) { return p.at(7 - x, y); });
            break;
        case GlyphOp::MirrorV:
            glyph = gather(old, [](const Glyph& p, int x, int y) { return p.at(x, 7 - y); });
            break;
        case GlyphOp::ShiftLeft:
            glyph = gather(old, [](const Glyph& p, int x, int y) { return p.at(wrap(x + 1), y); });
            break;
        case GlyphOp::ShiftRight:
            glyph = gather(old, [](const Glyph& p, int x, int y) { return p.at(wrap(x - 1), y); });
            break;
        case GlyphOp::ShiftUp:
            glyph = gather(old, [](const Glyph& p, int x, int y) { return p.at(x, wrap(y + 1)); });
            break;
        case GlyphOp::ShiftDown:
            glyph = gather(old, [](const Glyph& p, int x, int y) { return p.at(x, wrap(y - 1)); });
            break;
        case GlyphOp::Inverse:
            glyph = gather(old, [](const Glyph& p, int x, int y) -> std::uint8_t { return p.at(x, y) == 0 ? 1 : 0; });
            break;
        case GlyphOp::Clear:
            glyph = Glyph{};
            break;
        case GlyphOp::Copy:
            // The clipboard is laid out row by row, independent of slot and code,
            // so a copy can be pasted into any character of any slot.
            for (int y = 0; y < 8; ++y)
                for (int x = 0; x < 8; ++x) ws.glyphClipboard[8 * y + x] = old.at(x, y);
            return false;
        case GlyphOp::Paste:
            // Only 0 and 1 may ever reach a pixel, whatever the clipboard holds.
            glyph = gather(old, [&ws](const Glyph&, int x, int y) -> std::uint8_t {
                return ws.glyphClipboard[8 * y + x] != 0 ? 1 : 0;
            });
            break;
    }
    return true;
}

}  // namespace pw
