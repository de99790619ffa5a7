// PNG decoding into plain RGB pixels, and the built-in palette picture that the
// colour dialogs show (encoded at build time by tools/make_palette_png).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "assets/atari_palette_colors.h"

namespace pw {

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;  // 3 bytes per pixel, rows top to bottom

    bool empty() const { return rgb.empty(); }
    // Pixel (x, y); both must lie inside the picture.
    Rgb pixel(int x, int y) const {
        const std::size_t i = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                               static_cast<std::size_t>(x)) * 3;
        return Rgb{rgb[i], rgb[i + 1], rgb[i + 2]};
    }
};

// Largest width or height decodePng accepts.
constexpr int MaxDecodedImageSide = 16384;

// Decodes a PNG held in memory into 8-bit RGB. Palette, grey, 16-bit and
// interlaced inputs are converted: 16-bit samples keep their high byte, and an
// alpha channel or transparency is dropped (not blended).
// Returns false and leaves out empty if the data is not a complete, valid PNG
// or the picture is larger than MaxDecodedImageSide on a side.
bool decodePng(const unsigned char* data, std::size_t size, RgbImage& out);

// The encoded palette picture, generated at build time.
extern const unsigned char AtariPalettePng[];
extern const std::size_t AtariPalettePngSize;

// The palette picture, decoded on first use and kept for the life of the program.
// Empty only if the built-in bytes failed to decode.
const RgbImage& atariPaletteImage();

}  // namespace pw
