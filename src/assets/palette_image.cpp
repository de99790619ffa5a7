#include "assets/palette_image.h"

#include <png.h>

#include <csetjmp>
#include <cstring>
#include <new>
#include <utility>

namespace pw {

namespace {

// The encoded bytes and how far libpng has read them.
struct MemoryCursor {
    const unsigned char* data = nullptr;
    std::size_t size = 0;
    std::size_t pos = 0;
};

void readFromMemory(png_structp png, png_bytep dest, png_size_t length) {
    auto* cursor = static_cast<MemoryCursor*>(png_get_io_ptr(png));
    if (length > cursor->size - cursor->pos) png_error(png, "unexpected end of data");
    std::memcpy(dest, cursor->data + cursor->pos, length);
    cursor->pos += length;
}

// libpng's defaults print to stderr; a failed decode is reported by the return value.
[[noreturn]] void raiseError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void ignoreWarning(png_structp, png_const_charp) {}

struct PngReader {
    png_structp png = nullptr;
    png_infop info = nullptr;

    PngReader() {
        png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, raiseError, ignoreWarning);
        if (png) info = png_create_info_struct(png);
    }
    ~PngReader() { png_destroy_read_struct(&png, &info, nullptr); }
    PngReader(const PngReader&) = delete;
    PngReader& operator=(const PngReader&) = delete;
};

// The two steps that call into libpng are kept apart, each with its own setjmp
// and no objects with destructors in its frame, so that a longjmp out of libpng
// skips nothing that needs cleaning up.

// Reads the header and sets up the conversion to 8-bit RGB.
bool readHeader(PngReader& reader, MemoryCursor& cursor, png_uint_32& width, png_uint_32& height) {
    png_structp png = reader.png;
    png_infop info = reader.info;
    if (setjmp(png_jmpbuf(png))) return false;

    png_set_read_fn(png, &cursor, readFromMemory);
    png_set_user_limits(png, MaxDecodedImageSide, MaxDecodedImageSide);
    png_read_info(png, info);

    const int colorType = png_get_color_type(png, info);
    if (colorType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
    if (colorType == PNG_COLOR_TYPE_GRAY && png_get_bit_depth(png, info) < 8)
        png_set_expand_gray_1_2_4_to_8(png);
    if (colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA)
        png_set_gray_to_rgb(png);
    if (colorType & PNG_COLOR_MASK_ALPHA) png_set_strip_alpha(png);
    png_set_strip_16(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);

    width = png_get_image_width(png, info);
    height = png_get_image_height(png, info);
    return png_get_bit_depth(png, info) == 8 && png_get_channels(png, info) == 3 &&
           png_get_rowbytes(png, info) == static_cast<png_size_t>(width) * 3;
}

// Reads the pixels into the rows, then the rest of the file up to its end chunk.
bool readPixels(PngReader& reader, png_bytepp rows) {
    png_structp png = reader.png;
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_image(png, rows);
    png_read_end(png, nullptr);
    return true;
}

}  // namespace

bool decodePng(const unsigned char* data, std::size_t size, RgbImage& out) {
    out = RgbImage{};
    if (!data || size < 8 || png_sig_cmp(data, 0, 8) != 0) return false;

    PngReader reader;
    if (!reader.info) return false;
    MemoryCursor cursor{data, size, 0};
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    if (!readHeader(reader, cursor, width, height)) return false;
    if (width == 0 || height == 0 || width > MaxDecodedImageSide || height > MaxDecodedImageSide)
        return false;

    RgbImage image;
    std::vector<png_bytep> rows;
    try {
        image.rgb.resize(static_cast<std::size_t>(width) * height * 3);
        rows.resize(height);
    } catch (const std::bad_alloc&) {
        return false;
    }
    for (png_uint_32 y = 0; y < height; ++y) rows[y] = image.rgb.data() + static_cast<std::size_t>(y) * width * 3;
    if (!readPixels(reader, rows.data())) return false;

    image.width = static_cast<int>(width);
    image.height = static_cast<int>(height);
    out = std::move(image);
    return true;
}

const RgbImage& atariPaletteImage() {
    static const RgbImage image = [] {
        RgbImage decoded;
        decodePng(AtariPalettePng, AtariPalettePngSize, decoded);
        return decoded;
    }();
    return image;
}

}  // namespace pw
