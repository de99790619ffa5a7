#include "render/glyph_draw.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <cstring>

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

// Pixels are 0 or 1, so the columns can be shifted into place all rows at once.
std::uint64_t glyphRowBits(const Glyph& g) {
    std::uint64_t rows = 0;
    if constexpr (std::endian::native == std::endian::little) {
        for (int x = 0; x < 8; ++x) {
            std::uint64_t column;
            std::memcpy(&column, g.pixel[x].data(), sizeof column);
            rows |= column << (7 - x);
        }
    } else {
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) rows |= static_cast<std::uint64_t>(g.pixel[x][y]) << (8 * y + 7 - x);
    }
    return rows;
}

namespace {

// A glyph that lies wholly on the surface. A glyph row splits into four
// fields of two bits (two pixels, or one pair in four-colour mode); the
// screen pixels of each field value are laid out once, so a screen row is
// four copies, and the rest of a glyph row's screen rows copy the first.
// Scale is fixed for the common sizes so the copies become plain moves; 0
// takes the size from scale.
template <int Scale>
void drawGlyphInside(Surface& s, const Glyph& g, int x0, int y0, int scale, bool multicolour, const Pixel* colours) {
    const int n = Scale ? Scale : scale;
    const int field = 2 * n;
    Pixel fields[4][2 * 32];
    for (int k = 0; k < 4; ++k) {
        if (multicolour) {
            std::fill_n(fields[k], field, colours[k]);
        } else {
            std::fill_n(fields[k], n, colours[k >> 1]);
            std::fill_n(fields[k] + n, n, colours[k & 1]);
        }
    }
    const std::size_t fieldBytes = static_cast<std::size_t>(field) * sizeof(Pixel);
    // Rows longer than a scale-2 glyph are copied with memmove: the compiler
    // would expand a memcpy of known size in place with string instructions
    // that are slow to start, where the library uses the widest moves the
    // processor has.
    const std::size_t rowBytes = Scale == 2 ? 4 * fieldBytes : 8 * static_cast<std::size_t>(scale) * sizeof(Pixel);
    const std::uint64_t rows = glyphRowBits(g);
    Pixel* out = s.row(y0) + x0;
    const std::ptrdiff_t stride = s.stride();
    for (int y = 0; y < 8; ++y, out += n * stride) {
        const unsigned bits = (rows >> (8 * y)) & 0xFF;
        for (int f = 0; f < 4; ++f) std::memcpy(out + f * field, fields[(bits >> (6 - 2 * f)) & 3], fieldBytes);
        if constexpr (Scale == 2) {
            std::memcpy(out + stride, out, rowBytes);
        } else {
            for (int j = 1; j < n; ++j) std::memmove(out + j * stride, out, rowBytes);
        }
    }
}

}  // namespace

void drawGlyph(Surface& s, const Glyph& g, int x0, int y0, int scale, bool multicolour, const Pixel* colours) {
    constexpr int MaxScale = 32;
    scale = std::clamp(scale, 1, MaxScale);
    const int width = 8 * scale;
    if (x0 >= 0 && y0 >= 0 && x0 + width <= s.width() && y0 + width <= s.height()) {
        switch (scale) {
        case 2: drawGlyphInside<2>(s, g, x0, y0, scale, multicolour, colours); return;
        case 8: drawGlyphInside<8>(s, g, x0, y0, scale, multicolour, colours); return;
        case 10: drawGlyphInside<10>(s, g, x0, y0, scale, multicolour, colours); return;
        case 30: drawGlyphInside<30>(s, g, x0, y0, scale, multicolour, colours); return;
        default: drawGlyphInside<0>(s, g, x0, y0, scale, multicolour, colours); return;
        }
    }
    Pixel line[8 * MaxScale];
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

namespace {

// The points of the two crossing lines of a Mask box, w x h, relative to its
// top-left corner: those inside the box and those one past its right or
// bottom edge, where the lines end.
struct CrossPoints {
    static constexpr int Max = 2 * (64 + 1);
    int inCount = 0, outCount = 0;
    int inX[Max], inY[Max], outX[Max], outY[Max];

    CrossPoints(int w, int h) {
        addLine(0, 0, w, h, w, h);
        addLine(0, h, w, 0, w, h);
    }

    void addLine(int x0, int y0, int x1, int y1, int w, int h) {
        walkLine(x0, y0, x1, y1, [&](int x, int y) {
            if (x < w && y < h) {
                inX[inCount] = x;
                inY[inCount++] = y;
            } else {
                outX[outCount] = x;
                outY[outCount++] = y;
            }
        });
    }
};

// The result of a pure function of a pixel, kept for the last pixel it was
// asked about: boxes are mostly laid over a plain background.
template <typename F>
struct LastResult {
    F f;
    bool known = false;
    Pixel in = 0, out = 0;

    Pixel operator()(Pixel e) {
        if (!known || e != in) {
            known = true;
            in = e;
            out = f(e);
        }
        return out;
    }
};

// Replaces every pixel e of the box at r with f(e); a row that is all one
// colour is filled at once. W is the box width when fixed, else 0.
template <int W, typename F>
void mapBox(Pixel* r, std::ptrdiff_t stride, int width, int h, LastResult<F>& f) {
    const int w = W ? W : width;
    for (int j = 0; j < h; ++j, r += stride) {
        const Pixel first = r[0];
        Pixel differs = 0;
        for (int i = 0; i < w; ++i) differs |= r[i] ^ first;
        if (differs == 0) {
            std::fill_n(r, w, f(first));
            continue;
        }
        for (int i = 0; i < w; ++i) r[i] = f(r[i]);
    }
}

// The Mask display of a glyph that lies wholly on the surface, box by box in
// the same order as the general case in drawGlyphMasked, but skipping what a
// box's own last layer covers: an opaque pair hides the underlay and the part
// of the cross inside the box, and a blend of a blend is worked out at once.
// Scale is fixed for the common sizes, else 0.
template <int Scale>
void drawGlyphMaskedInside(Surface& s, const Glyph& current, const Glyph* next, int x0, int y0, int scale,
                           const std::array<Pixel, 4>& pairs) {
    const int h = Scale ? Scale : scale;
    const int w = 2 * h;
    const std::ptrdiff_t stride = s.stride();
    const CrossPoints cross(w, h);
    const Pixel back = pairs[0];
    const Pixel crossed = blendPixel(MaskCrossColor, back, MaskBackgroundOpacity);
    auto dimOnly = [back](Pixel e) { return blendPixel(e, back, MaskBackgroundOpacity); };
    LastResult<decltype(dimOnly)> dimmed{dimOnly};
    auto underlay = [back](Pixel under) {
        auto f = [back, under](Pixel e) {
            return blendPixel(blendPixel(e, under, MaskUnderlayOpacity), back, MaskBackgroundOpacity);
        };
        return LastResult<decltype(f)>{f};
    };
    // One for each pair value of the underlay.
    std::array<decltype(underlay(0)), 4> underlaid{underlay(pairs[0]), underlay(pairs[1]), underlay(pairs[2]),
                                                   underlay(pairs[3])};

    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; x += 2) {
            const int X = x0 + x * h;
            const int Y = y0 + y * h;
            Pixel* box = s.row(Y) + X;
            const int u = next ? next->pair(x, y) : 0;
            const int v = current.pair(x, y);
            if (v != 0) {
                const Pixel p = pairs[v];
                Pixel* r = box;
                for (int j = 0; j < h; ++j, r += stride) std::fill_n(r, Scale ? 2 * Scale : w, p);
            } else if (!next) {
                mapBox<2 * Scale>(box, stride, w, h, dimmed);
            } else {
                mapBox<2 * Scale>(box, stride, w, h, underlaid[u]);
                if (u != 0)
                    for (int k = 0; k < cross.inCount; ++k) box[cross.inY[k] * stride + cross.inX[k]] = crossed;
            }
            if (next && u != 0)
                for (int k = 0; k < cross.outCount; ++k)
                    s.setPixel(X + cross.outX[k], Y + cross.outY[k], MaskCrossColor);
        }
    }
}

}  // namespace

void drawGlyphMasked(Surface& s, const Glyph& current, const Glyph* next, int x0, int y0, int scale,
                     const std::array<Pixel, 4>& pairs) {
    const int w = 2 * scale;
    const int h = scale;
    if (scale >= 1 && scale <= 32 && x0 >= 0 && y0 >= 0 && x0 + 8 * scale <= s.width() &&
        y0 + 8 * scale <= s.height()) {
        switch (scale) {
        case 10: drawGlyphMaskedInside<10>(s, current, next, x0, y0, scale, pairs); return;
        case 30: drawGlyphMaskedInside<30>(s, current, next, x0, y0, scale, pairs); return;
        default: drawGlyphMaskedInside<0>(s, current, next, x0, y0, scale, pairs); return;
        }
    }
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
