// The canvases are drawn with fast paths (whole glyph rows, the font sheet
// row by row, Mask boxes blended at once). Here they are checked against the
// drawing rules written out the obvious way, one box per Atari pixel and one
// layer after another, on random workspaces and surfaces.
#include <gtest/gtest.h>

#include <random>

#include "render/char_views.h"
#include "render/glyph_draw.h"
#include "render/set_views.h"
#include "render_test_util.h"

namespace pw {
namespace {

constexpr Pixel Black = rgbPixel(0, 0, 0);

// One character, each Atari pixel (or pair) a box of its own.
void refGlyph(Surface& s, const Glyph& g, int x0, int y0, int scale, bool multicolour, const Pixel* colours) {
    for (int y = 0; y < 8; ++y) {
        if (multicolour) {
            for (int x = 0; x < 8; x += 2)
                s.fillBox(x0 + x * scale, y0 + y * scale, 2 * scale, scale, colours[g.pair(x, y)]);
        } else {
            for (int x = 0; x < 8; ++x) s.fillBox(x0 + x * scale, y0 + y * scale, scale, scale, colours[g.at(x, y)]);
        }
    }
}

void refGlyphMasked(Surface& s, const Glyph& current, const Glyph* next, int x0, int y0, int scale,
                    const std::array<Pixel, 4>& pairs) {
    const int w = 2 * scale, h = scale;
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; x += 2) {
            const int X = x0 + x * scale, Y = y0 + y * scale;
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

void refFontSheet(const Workspace& ws, Surface& s) {
    const DrawColors c = drawColors(ws.colors);
    s.fillBox(0, 0, 570, 135, Black);
    const Pixel* normal = ws.multicolour ? c.pairs.data() : c.mono.data();
    const Pixel* inverse = ws.multicolour ? c.pairsInverse.data() : c.monoInverse.data();
    for (int code = 0; code < GlyphCount; ++code) {
        const int x = 17 * (code % 32), y = 17 * (code / 32);
        refGlyph(s, ws.current().glyphs[code], x, y, 2, ws.multicolour, normal);
        refGlyph(s, ws.current().glyphs[code], x, 68 + y, 2, ws.multicolour, inverse);
    }
    for (int y = 17; y <= 119; y += 17) s.lineBox(0, y, 570, 1, FontSheetGridColor);
    for (int x = 17; x <= 527; x += 17) s.lineBox(x, 0, 1, 140, FontSheetGridColor);
}

bool masked(const Workspace& ws) { return ws.multicolour && ws.displayMode == DisplayMode::Mask; }

const Glyph* refUnderlay(const Workspace& ws, int code) {
    return ws.currentSlot < SlotCount ? &ws.slot(ws.currentSlot + 1).glyphs[code] : nullptr;
}

void refCharEditor(const Workspace& ws, Surface& s) {
    const DrawColors c = drawColors(ws.colors);
    s.fillBox(0, 0, 240, 240, Black);
    if (ws.editedChar != NoChar) {
        const Glyph& g = ws.current().glyphs[ws.editedChar];
        if (masked(ws)) {
            refGlyphMasked(s, g, refUnderlay(ws, ws.editedChar), 0, 0, 30, c.pairs);
        } else {
            refGlyph(s, g, 0, 0, 30, ws.multicolour, ws.multicolour ? c.pairs.data() : c.mono.data());
        }
    }
    for (int j = 1; j <= 7; ++j)
        for (int i = 0; i <= 7; ++i) s.lineBox(30 * i, 30 * j, 1, 1, CharEditorDotColor);
}

void refPickedChar(const Workspace& ws, Surface& s) {
    const DrawColors c = drawColors(ws.colors);
    s.fillBox(0, 0, 64, 64, Black);
    refGlyph(s, ws.current().glyphs[ws.pickedChar], 0, 0, 8, ws.multicolour,
             ws.multicolour ? c.pairs.data() : c.mono.data());
}

void refSetThumbnail(const Workspace& ws, Surface& s, ThumbnailUse use, int set, int ox, int oy) {
    const DrawColors c = drawColors(ws.colors);
    const auto& cells = ws.set(set).cells;
    if (use != ThumbnailUse::StampPreview) s.fillBox(0, 0, s.width(), s.height(), Black);
    if (use == ThumbnailUse::SetPreview)
        for (int k = 0; k < SetCells; ++k)
            if (cells[k] == EmptyCell) s.fillBox(ox + 16 * (k % 5), oy + 16 * (k / 5), 16, 16, SetPreviewEmptyColor);
    for (int k = 0; k < SetCells; ++k)
        if (cells[k] != EmptyCell)
            refGlyph(s, ws.current().glyphs[cells[k]], ox + 16 * (k % 5), oy + 16 * (k / 5), 2, ws.multicolour,
                     ws.multicolour ? c.pairs.data() : c.mono.data());
    if (use == ThumbnailUse::SetPreview && ws.setPreviewGrid)
        for (int v = 16; v <= 64; v += 16) {
            s.lineBox(0, v, s.width(), 1, SetPreviewGridColor);
            s.lineBox(v, 0, 1, s.height(), SetPreviewGridColor);
        }
}

void refSetEditor(const Workspace& ws, Surface& s) {
    const DrawColors c = drawColors(ws.colors);
    const auto& cells = ws.set(ws.currentSet).cells;
    s.fillBox(0, 0, 400, 400, Black);
    for (int k = 0; k < SetCells; ++k)
        if (cells[k] == EmptyCell) s.fillBox(80 * (k % 5), 80 * (k / 5), 80, 80, SetEditorEmptyColor);
    for (int k = 0; k < SetCells; ++k) {
        if (cells[k] == EmptyCell) continue;
        const Glyph& g = ws.current().glyphs[cells[k]];
        if (masked(ws)) {
            refGlyphMasked(s, g, refUnderlay(ws, cells[k]), 80 * (k % 5), 80 * (k / 5), 10, c.pairs);
        } else {
            refGlyph(s, g, 80 * (k % 5), 80 * (k / 5), 10, ws.multicolour,
                     ws.multicolour ? c.pairs.data() : c.mono.data());
        }
    }
    if (!ws.setEditorGrid) return;
    for (int j = 1; j <= 39; ++j)
        for (int i = 0; i <= 39; ++i) s.lineBox(10 * i, 10 * j, 1, 1, SetEditorDotColor);
    for (int v = 80; v <= 320; v += 80) {
        s.lineBox(0, v, 400, 1, SetEditorLineColor);
        s.lineBox(v, 0, 1, 400, SetEditorLineColor);
    }
}

// A workspace with random glyphs, colours, sets, modes and selection.
struct RandomWorkspace {
    std::mt19937 rng;
    explicit RandomWorkspace(unsigned seed) : rng(seed) {}
    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

    std::unique_ptr<Workspace> make() {
        auto ws = std::make_unique<Workspace>();
        prepareTables(*ws);
        const int density = pick(0, 100);  // sparse, dense and everything between
        for (int slot = 1; slot <= SlotCount; ++slot)
            for (Glyph& g : ws->slot(slot).glyphs)
                for (auto& column : g.pixel)
                    for (auto& p : column) p = pick(0, 99) < density ? 1 : 0;
        for (int reg = ColorLum; reg <= ColorPf3; ++reg)
            ws->colors.reg[reg].display = DisplayColor::fromRgb(pick(0, 255), pick(0, 255), pick(0, 255));
        ws->currentSlot = pick(1, SlotCount);
        ws->currentSet = pick(1, SetCount);
        for (int set : {ws->currentSet, 1})
            for (auto& cell : ws->set(set).cells) cell = pick(0, 3) == 0 ? EmptyCell : pick(0, GlyphCount - 1);
        ws->multicolour = pick(0, 1) == 1;
        ws->displayMode = pick(0, 1) ? DisplayMode::Mask : DisplayMode::Normal;
        ws->editedChar = pick(-1, GlyphCount - 1);
        ws->pickedChar = pick(0, GlyphCount - 1);
        ws->setEditorGrid = pick(0, 1) == 1;
        ws->setPreviewGrid = pick(0, 1) == 1;
        return ws;
    }
};

template <typename Fast, typename Ref>
void expectSameDrawing(int width, int height, Fast fast, Ref ref, const std::string& what) {
    PixelImage a(width, height), b(width, height);
    // Start from something other than black, so a skipped backdrop shows.
    a.data().assign(a.data().size(), rgbPixel(9, 99, 199));
    b.data() = a.data();
    Surface sa = a.surface(), sb = b.surface();
    fast(sa);
    ref(sb);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) {
                ADD_FAILURE() << what << ": first difference at (" << x << ", " << y << "): "
                              << testing::rgbText(a.pixel(x, y)) << " instead of " << testing::rgbText(b.pixel(x, y));
                return;
            }
}

TEST(ReferenceDrawing, EveryCanvasMatchesTheDrawingRulesOnRandomWorkspaces) {
    RandomWorkspace random(20261211);
    for (int round = 0; round < 60; ++round) {
        const auto ws = random.make();
        const std::string what = "round " + std::to_string(round);
        expectSameDrawing(543, 135, [&](Surface& s) { drawFontSheet(*ws, s); },
                          [&](Surface& s) { refFontSheet(*ws, s); }, what + " font sheet");
        expectSameDrawing(240, 240, [&](Surface& s) { drawCharEditor(*ws, s); },
                          [&](Surface& s) { refCharEditor(*ws, s); }, what + " editor");
        expectSameDrawing(64, 64, [&](Surface& s) { drawPickedChar(*ws, s); },
                          [&](Surface& s) { refPickedChar(*ws, s); }, what + " picked");
        expectSameDrawing(400, 400, [&](Surface& s) { drawSetEditor(*ws, s); },
                          [&](Surface& s) { refSetEditor(*ws, s); }, what + " set editor");
        for (ThumbnailUse use : {ThumbnailUse::SetPreview, ThumbnailUse::AnimationFrame}) {
            expectSameDrawing(80, 80, [&](Surface& s) { drawSetThumbnail(*ws, s, use, ws->currentSet, 0, 0); },
                              [&](Surface& s) { refSetThumbnail(*ws, s, use, ws->currentSet, 0, 0); },
                              what + " thumbnail");
        }
    }
}

TEST(ReferenceDrawing, ClippedSurfacesAndOriginsMatchToo) {
    RandomWorkspace random(7);
    for (int round = 0; round < 40; ++round) {
        const auto ws = random.make();
        const std::string what = "round " + std::to_string(round);
        const int w = random.pick(1, 600), h = random.pick(1, 450);
        expectSameDrawing(w, h, [&](Surface& s) { drawFontSheet(*ws, s); }, [&](Surface& s) { refFontSheet(*ws, s); },
                          what + " font sheet");
        expectSameDrawing(w, h, [&](Surface& s) { drawCharEditor(*ws, s); },
                          [&](Surface& s) { refCharEditor(*ws, s); }, what + " editor");
        expectSameDrawing(w, h, [&](Surface& s) { drawSetEditor(*ws, s); }, [&](Surface& s) { refSetEditor(*ws, s); },
                          what + " set editor");
        // The stamp preview is laid over the view map anywhere, also partly off the canvas.
        const int ox = random.pick(-90, w + 10), oy = random.pick(-90, h + 10);
        expectSameDrawing(w, h,
                          [&](Surface& s) { drawSetThumbnail(*ws, s, ThumbnailUse::StampPreview, 1, ox, oy); },
                          [&](Surface& s) { refSetThumbnail(*ws, s, ThumbnailUse::StampPreview, 1, ox, oy); },
                          what + " stamp");
    }
}

}  // namespace
}  // namespace pw
