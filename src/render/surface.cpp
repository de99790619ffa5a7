#include "render/surface.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace pw {

Pixel blendPixel(Pixel dst, Pixel src, int a) {
    const int na = 255 - a;
    auto mix = [&](int s, int d) { return (s * a + d * na + 127) / 255; };
    return rgbPixel(mix(pixelRed(src), pixelRed(dst)), mix(pixelGreen(src), pixelGreen(dst)),
                    mix(pixelBlue(src), pixelBlue(dst)));
}

Pixel Surface::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    return row(y)[x];
}

void Surface::setPixel(int x, int y, Pixel p) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    row(y)[x] = p;
}

namespace {
// Clips the box to [0, limit) on one axis; returns false when nothing is left.
bool clipSpan(int& start, int& size, int limit) {
    if (size <= 0) return false;
    int end = start + size;
    if (start < 0) start = 0;
    if (end > limit) end = limit;
    size = end - start;
    return size > 0;
}
}  // namespace

void Surface::fillBox(int x, int y, int w, int h, Pixel p) {
    if (!clipSpan(x, w, width_) || !clipSpan(y, h, height_)) return;
    Pixel* r = row(y) + x;
    if (w == 1) {
        // Vertical lines: one pixel a row.
        for (int j = 0; j < h; ++j, r += stride_) *r = p;
        return;
    }
    for (int j = 0; j < h; ++j, r += stride_) std::fill_n(r, w, p);
}

void Surface::blendBox(int x, int y, int w, int h, Pixel p, int opacity) {
    if (opacity >= 255) {
        fillBox(x, y, w, h, p);
        return;
    }
    if (!clipSpan(x, w, width_) || !clipSpan(y, h, height_)) return;
    // Boxes are mostly laid over a plain background, so the last blend is kept
    // and reused while the pixel beneath stays the same.
    Pixel lastDst = row(y)[x];
    Pixel lastOut = blendPixel(lastDst, p, opacity);
    for (int j = y; j < y + h; ++j) {
        Pixel* r = row(j) + x;
        for (int i = 0; i < w; ++i) {
            if (r[i] != lastDst) {
                lastDst = r[i];
                lastOut = blendPixel(lastDst, p, opacity);
            }
            r[i] = lastOut;
        }
    }
}

void Surface::lineBox(int x, int y, int w, int h, Pixel p) {
    if (w <= 0 || h <= 0) return;
    if (w == 1 || h == 1) {
        fillBox(x, y, w, h, p);
        return;
    }
    line(x, y, x + w - 1, y + h - 1, p);
}

void Surface::line(int x0, int y0, int x1, int y1, Pixel p) {
    if (y0 == y1) {
        fillBox(std::min(x0, x1), y0, std::abs(x1 - x0) + 1, 1, p);
        return;
    }
    if (x0 == x1) {
        fillBox(x0, std::min(y0, y1), 1, std::abs(y1 - y0) + 1, p);
        return;
    }
    walkLine(x0, y0, x1, y1, [&](int x, int y) { setPixel(x, y, p); });
}

void Surface::putRow(int x, int y, const Pixel* src, int count) {
    if (y < 0 || y >= height_) return;
    int start = x;
    int n = count;
    if (!clipSpan(start, n, width_)) return;
    std::memcpy(row(y) + start, src + (start - x), static_cast<std::size_t>(n) * sizeof(Pixel));
}

}  // namespace pw
