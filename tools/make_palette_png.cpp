// Build-time tool: draws the palette picture (the colour grid with its hue and
// luminance headings in the built-in font), encodes it as PNG and writes it as a
// C++ source file defining pw::AtariPalettePng and pw::AtariPalettePngSize.
//
// Usage: make_palette_png OUTPUT.cpp
#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#include "assets/atari_palette_colors.h"
#include "assets/default_atari_font.h"

namespace {

using pw::Rgb;

struct Canvas {
    int width = pw::PaletteImageWidth;
    int height = pw::PaletteImageHeight;
    std::vector<unsigned char> rgb = std::vector<unsigned char>(static_cast<std::size_t>(width) * height * 3);

    void set(int x, int y, Rgb c) {
        const std::size_t i = (static_cast<std::size_t>(y) * width + x) * 3;
        rgb[i] = c.r;
        rgb[i + 1] = c.g;
        rgb[i + 2] = c.b;
    }
    void fill(int x0, int y0, int x1, int y1, Rgb c) {  // inclusive corners
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) set(x, y, c);
    }
};

// Font code of a hex digit in the built-in font's internal order.
int hexDigitCode(int digit) { return digit < 10 ? 16 + digit : 33 + (digit - 10); }

// Draws the glyph of hex digit 0..15 into the 16x16 heading box at (boxX, boxY).
void drawHeading(Canvas& canvas, int boxX, int boxY, int digit) {
    const int code = hexDigitCode(digit);
    for (int row = 0; row < 8; ++row) {
        const unsigned bits = pw::DefaultAtariFont[static_cast<std::size_t>(code) * 8 + row];
        for (int col = 0; col < 8; ++col)
            if (bits & (0x80u >> col))
                canvas.set(boxX + pw::PaletteHeadingInset + col, boxY + pw::PaletteHeadingInset + row,
                           pw::PaletteHeadingInk);
    }
}

Canvas drawPalette() {
    using namespace pw;
    Canvas canvas;
    canvas.fill(0, 0, canvas.width - 1, canvas.height - 1, PaletteBackground);

    for (int x = PaletteGridOrigin; x <= PaletteGridEndX; x += PaletteCellPitch)
        canvas.fill(x, PaletteGridOrigin, x, PaletteGridEndY, GridLineColor);
    for (int y = PaletteGridOrigin; y <= PaletteGridEndY; y += PaletteCellPitch)
        canvas.fill(PaletteGridOrigin, y, PaletteGridEndX, y, GridLineColor);

    for (int row = 0; row < PaletteHueCount; ++row)
        for (int col = 0; col < PaletteLumCount; ++col) {
            const int x = paletteCellX(col);
            const int y = paletteCellY(row);
            canvas.fill(x, y, x + PaletteCellSize - 1, y + PaletteCellSize - 1, AtariPaletteColors[row][col]);
        }

    for (int col = 0; col < PaletteLumCount; ++col)
        drawHeading(canvas, PaletteGridOrigin + col * PaletteCellPitch, 0, col * 2);
    for (int row = 0; row < PaletteHueCount; ++row)
        drawHeading(canvas, 0, PaletteGridOrigin + row * PaletteCellPitch, row);
    return canvas;
}

void appendToVector(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::vector<unsigned char>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}
void flushNothing(png_structp) {}

struct PngWriter {
    png_structp png = nullptr;
    png_infop info = nullptr;

    PngWriter() {
        png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
        if (png) info = png_create_info_struct(png);
    }
    ~PngWriter() { png_destroy_write_struct(&png, &info); }
    PngWriter(const PngWriter&) = delete;
    PngWriter& operator=(const PngWriter&) = delete;
};

// Kept free of objects with destructors so that libpng's longjmp skips nothing.
bool writePng(PngWriter& writer, const Canvas& canvas, png_bytepp rows, int filters,
              std::vector<unsigned char>& out) {
    png_structp png = writer.png;
    png_infop info = writer.info;
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_write_fn(png, &out, appendToVector, flushNothing);
    png_set_IHDR(png, info, static_cast<png_uint_32>(canvas.width), static_cast<png_uint_32>(canvas.height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, 9);
    png_set_compression_mem_level(png, 9);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, filters);
    png_write_info(png, info);
    png_write_image(png, rows);
    png_write_end(png, nullptr);
    return true;
}

bool encode(const Canvas& canvas, int filters, std::vector<unsigned char>& out) {
    std::vector<png_bytep> rows(static_cast<std::size_t>(canvas.height));
    for (int y = 0; y < canvas.height; ++y)
        rows[y] = const_cast<png_bytep>(canvas.rgb.data() + static_cast<std::size_t>(y) * canvas.width * 3);
    PngWriter writer;
    if (!writer.info) return false;
    out.clear();
    return writePng(writer, canvas, rows.data(), filters, out);
}

// Encodes with each row-filter choice and keeps the smallest result.
bool encodeSmallest(const Canvas& canvas, std::vector<unsigned char>& best) {
    const int choices[] = {PNG_FILTER_NONE, PNG_FILTER_SUB, PNG_FILTER_UP, PNG_FILTER_AVG,
                           PNG_FILTER_PAETH, PNG_ALL_FILTERS};
    best.clear();
    for (int filters : choices) {
        std::vector<unsigned char> encoded;
        if (!encode(canvas, filters, encoded)) return false;
        if (best.empty() || encoded.size() < best.size()) best.swap(encoded);
    }
    return !best.empty();
}

std::string sourceText(const std::vector<unsigned char>& png) {
    std::string text =
        "// Generated by tools/make_palette_png at build time; do not edit.\n"
        "#include \"assets/palette_image.h\"\n\n"
        "namespace pw {\n\n"
        "const unsigned char AtariPalettePng[] = {";
    char hex[8];
    for (std::size_t i = 0; i < png.size(); ++i) {
        text += (i % 16 == 0) ? "\n    " : " ";
        std::snprintf(hex, sizeof hex, "0x%02X,", png[i]);
        text += hex;
    }
    text += "\n};\n\nconst std::size_t AtariPalettePngSize = sizeof(AtariPalettePng);\n\n}  // namespace pw\n";
    return text;
}

// Writes through a temporary file so that a failed run leaves no partial output.
bool writeFile(const std::filesystem::path& path, const std::string& text) {
    const std::filesystem::path temp = path.string() + ".tmp";
    {
        std::ofstream file(temp, std::ios::binary | std::ios::trunc);
        file << text;
        file.close();
        if (!file) {
            std::error_code ignored;
            std::filesystem::remove(temp, ignored);
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(temp, path, error);
    if (!error) return true;
    std::filesystem::remove(temp, error);
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.cpp\n", argc > 0 ? argv[0] : "make_palette_png");
        return 2;
    }
    for (const auto& hue : pw::AtariPaletteColors)
        for (const Rgb& colour : hue)
            if (colour == pw::GridLineColor) {
                std::fprintf(stderr, "make_palette_png: a palette colour equals the grid line colour\n");
                return 1;
            }

    std::vector<unsigned char> png;
    if (!encodeSmallest(drawPalette(), png)) {
        std::fprintf(stderr, "make_palette_png: PNG encoding failed\n");
        return 1;
    }
    if (!writeFile(argv[1], sourceText(png))) {
        std::fprintf(stderr, "make_palette_png: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
