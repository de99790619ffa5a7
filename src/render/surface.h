// A view over 32-bit RGB pixels (0xFFRRGGBB, the layout of a Qt RGB32 image)
// with the clipped box, line and blending primitives every canvas is drawn with.
#pragma once

#include <cstdint>
#include <vector>

#include "model/colors.h"

namespace pw {

using Pixel = std::uint32_t;

constexpr Pixel rgbPixel(int r, int g, int b) {
    return 0xFF000000u | static_cast<Pixel>((r & 0xFF) << 16 | (g & 0xFF) << 8 | (b & 0xFF));
}
// The one place where a display colour (0x00BBGGRR) becomes a surface pixel.
constexpr Pixel toPixel(DisplayColor c) { return rgbPixel(c.red(), c.green(), c.blue()); }
constexpr DisplayColor toDisplayColor(Pixel p) {
    return DisplayColor::fromRgb((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}
constexpr int pixelRed(Pixel p) { return (p >> 16) & 0xFF; }
constexpr int pixelGreen(Pixel p) { return (p >> 8) & 0xFF; }
constexpr int pixelBlue(Pixel p) { return p & 0xFF; }

// Calls f(x, y) for every point of the line from (x0, y0) to (x1, y1), both
// end points included, without anti-aliasing.
template <typename F>
void walkLine(int x0, int y0, int x1, int y1, F f) {
    const int dx = x1 > x0 ? x1 - x0 : x0 - x1, sx = x0 < x1 ? 1 : -1;
    const int dy = -(y1 > y0 ? y1 - y0 : y0 - y1), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        f(x0, y0);
        if (x0 == x1 && y0 == y1) break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

// Lays src over dst with opacity 0..255.
Pixel blendPixel(Pixel dst, Pixel src, int opacity);

class Surface {
public:
    Surface() = default;
    Surface(Pixel* bits, int width, int height, int stride)
        : bits_(bits), width_(width), height_(height), stride_(stride) {}

    int width() const { return width_; }
    int height() const { return height_; }
    int stride() const { return stride_; }
    Pixel* row(int y) { return bits_ + static_cast<std::ptrdiff_t>(y) * stride_; }
    const Pixel* row(int y) const { return bits_ + static_cast<std::ptrdiff_t>(y) * stride_; }

    // The pixel at (x, y), or 0 outside the surface.
    Pixel pixel(int x, int y) const;
    void setPixel(int x, int y, Pixel p);

    void fillBox(int x, int y, int w, int h, Pixel p);
    // A box laid over what is drawn with opacity 0..255.
    void blendBox(int x, int y, int w, int h, Pixel p, int opacity);
    // A line given by its start and size: it ends at start + size - 1 on each
    // axis, and a size of 0 draws nothing.
    void lineBox(int x, int y, int w, int h, Pixel p);
    // A line between two points, both end points drawn, without anti-aliasing.
    void line(int x0, int y0, int x1, int y1, Pixel p);

    // Writes one horizontal run of pixels starting at (x, y), clipped.
    void putRow(int x, int y, const Pixel* src, int count);

private:
    Pixel* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    int stride_ = 0;
};

// An owned pixel buffer, for off-screen drawing, tests and benchmarks.
class PixelImage {
public:
    PixelImage(int width, int height)
        : width_(width), height_(height), data_(static_cast<std::size_t>(width) * height, rgbPixel(0, 0, 0)) {}
    Surface surface() { return Surface(data_.data(), width_, height_, width_); }
    Pixel pixel(int x, int y) const { return data_[static_cast<std::size_t>(y) * width_ + x]; }
    int width() const { return width_; }
    int height() const { return height_; }
    std::vector<Pixel>& data() { return data_; }

private:
    int width_;
    int height_;
    std::vector<Pixel> data_;
};

}  // namespace pw
