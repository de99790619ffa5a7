#include "assets/palette_image.h"

#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <string>
#include <vector>

#include "assets/default_atari_font.h"

namespace pw {
namespace {

constexpr Rgb Grey{240, 240, 240};
constexpr Rgb Black{0, 0, 0};
constexpr Rgb Line{1, 1, 1};

std::string show(Rgb c) {
    char text[16];
    std::snprintf(text, sizeof text, "%02X%02X%02X", c.r, c.g, c.b);
    return text;
}

enum class Area { Heading, Margin, GridLine, Cell };

Area areaOf(int x, int y) {
    if (x < 16 || y < 16) return Area::Heading;
    if (x > 144 || y > 272) return Area::Margin;
    if (x % 16 == 0 || y % 16 == 0) return Area::GridLine;
    return Area::Cell;
}

const RgbImage& builtIn() {
    const RgbImage& image = atariPaletteImage();
    EXPECT_EQ(&image, &atariPaletteImage());
    return image;
}

TEST(PaletteImage, HasTheExpectedSize) {
    const RgbImage& image = builtIn();
    EXPECT_EQ(image.width, 161);
    EXPECT_EQ(image.height, 289);
    EXPECT_EQ(image.rgb.size(), 161u * 289u * 3u);
}

TEST(PaletteImage, TableIsIndexedByHueThenLuminance) {
    struct Case { int hue; int column; Rgb rgb; };
    const Case cases[] = {
        {0, 0, {0x00, 0x00, 0x00}}, {0, 7, {0xEE, 0xEE, 0xEE}}, {1, 3, {0xA9, 0x5E, 0x06}},
        {7, 1, {0x02, 0x1C, 0xAD}}, {9, 3, {0x1B, 0x8A, 0x9A}}, {13, 0, {0x01, 0x1C, 0x00}},
        {15, 7, {0xFF, 0xE2, 0x8A}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(show(AtariPaletteColors[c.hue][c.column]), show(c.rgb)) << "hue " << c.hue << " column " << c.column;
    EXPECT_EQ(paletteRegisterValue(10, 3), 0xA6);
}

TEST(PaletteImage, EveryCellIsFilledWithItsColour) {
    const RgbImage& image = builtIn();
    ASSERT_EQ(image.width, 161);
    ASSERT_EQ(image.height, 289);
    for (int row = 0; row < 16; ++row)
        for (int col = 0; col < 8; ++col) {
            const Rgb want = AtariPaletteColors[row][col];
            int wrong = 0;
            for (int y = 16 * row + 17; y <= 16 * row + 31; ++y)
                for (int x = 16 * col + 17; x <= 16 * col + 31; ++x) wrong += !(image.pixel(x, y) == want);
            EXPECT_EQ(wrong, 0) << "hue " << row << " column " << col << " should be " << show(want);
        }
}

// Grid lines are exactly the line colour, headings hold only grey and black,
// margins only grey, and the line colour appears nowhere but on grid lines.
TEST(PaletteImage, EveryPixelMatchesItsArea) {
    const RgbImage& image = builtIn();
    ASSERT_EQ(image.width, 161);
    ASSERT_EQ(image.height, 289);
    int gridPixels = 0;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const Rgb p = image.pixel(x, y);
            switch (areaOf(x, y)) {
            case Area::GridLine:
                ++gridPixels;
                ASSERT_EQ(show(p), show(Line)) << "grid line at " << x << "," << y;
                break;
            case Area::Heading:
                ASSERT_TRUE(p == Grey || p == Black) << show(p) << " in heading at " << x << "," << y;
                break;
            case Area::Margin:
                ASSERT_EQ(show(p), show(Grey)) << "margin at " << x << "," << y;
                break;
            case Area::Cell:
                ASSERT_FALSE(p == Line) << "line colour inside a cell at " << x << "," << y;
                break;
            }
        }
    EXPECT_EQ(gridPixels, 9 * 257 + 17 * 129 - 9 * 17);
}

// Each heading is the built-in font's glyph for the hex digit, black, with its
// 8x8 box 4 pixels in from the top-left of the 16x16 heading box.
TEST(PaletteImage, HeadingsShowTheHexDigitsInTheBuiltInFont) {
    struct Heading { int boxX; int boxY; char digit; };  // digit 0: blank corner
    std::vector<Heading> headings{{0, 0, 0}};
    for (int col = 0; col < 8; ++col) headings.push_back({16 + 16 * col, 0, "02468ACE"[col]});
    for (int row = 0; row < 16; ++row) headings.push_back({0, 16 + 16 * row, "0123456789ABCDEF"[row]});

    const RgbImage& image = builtIn();
    ASSERT_EQ(image.width, 161);
    ASSERT_EQ(image.height, 289);
    for (const Heading& h : headings) {
        const int code = h.digit == 0 ? 0 : h.digit <= '9' ? 16 + (h.digit - '0') : 33 + (h.digit - 'A');
        int inkPixels = 0;
        int wrong = 0;
        int firstWrongX = -1;
        int firstWrongY = -1;
        for (int dy = 0; dy < 16; ++dy)
            for (int dx = 0; dx < 16; ++dx) {
                const bool inGlyph = dx >= 4 && dx < 12 && dy >= 4 && dy < 12;
                const bool ink = inGlyph && (DefaultAtariFont[code * 8 + dy - 4] & (0x80 >> (dx - 4)));
                const Rgb p = image.pixel(h.boxX + dx, h.boxY + dy);
                inkPixels += p == Black;
                if (!(p == (ink ? Black : Grey)) && wrong++ == 0) {
                    firstWrongX = dx;
                    firstWrongY = dy;
                }
            }
        EXPECT_EQ(wrong, 0) << "heading '" << h.digit << "' at " << h.boxX << "," << h.boxY
                            << ", first wrong pixel at " << firstWrongX << "," << firstWrongY << " in its box";
        if (h.digit != 0) {
            EXPECT_GT(inkPixels, 0) << "heading '" << h.digit << "' is blank";
        }
    }
}

// --- decodePng on other input ---

std::vector<unsigned char> builtInBytes() {
    return std::vector<unsigned char>(AtariPalettePng, AtariPalettePng + AtariPalettePngSize);
}

RgbImage filledImage() { return RgbImage{1, 1, {9, 9, 9}}; }

TEST(PaletteDecode, RejectsDataThatIsNotAPng) {
    const std::vector<unsigned char> full = builtInBytes();
    struct Case { const char* name; std::vector<unsigned char> bytes; };
    const std::vector<Case> cases = {
        {"empty", {}},
        {"text", {'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c', 't', 'u', 'r', 'e'}},
        {"signature only", {full.begin(), full.begin() + 8}},
        {"signature then zeros", [&] { auto b = std::vector<unsigned char>(full.begin(), full.begin() + 8); b.resize(200, 0); return b; }()},
    };
    for (const Case& c : cases) {
        RgbImage out = filledImage();
        EXPECT_FALSE(decodePng(c.bytes.data(), c.bytes.size(), out)) << c.name;
        EXPECT_TRUE(out.empty() && out.width == 0 && out.height == 0) << c.name;
    }
    RgbImage out = filledImage();
    EXPECT_FALSE(decodePng(nullptr, 0, out));
    EXPECT_TRUE(out.empty());
}

TEST(PaletteDecode, RejectsEveryTruncatedCopyOfTheBuiltInPicture) {
    const std::vector<unsigned char> full = builtInBytes();
    RgbImage out;
    ASSERT_TRUE(decodePng(full.data(), full.size(), out));
    ASSERT_EQ(out.rgb, atariPaletteImage().rgb);

    std::vector<std::size_t> lengths;
    for (std::size_t n = 0; n < full.size(); n += 7) lengths.push_back(n);
    lengths.push_back(full.size() - 1);
    for (std::size_t n : lengths) {
        // An exact-size heap copy, so reading past the end is caught by sanitizers.
        std::vector<unsigned char> prefix(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(n));
        out = filledImage();
        EXPECT_FALSE(decodePng(prefix.data(), prefix.size(), out)) << "length " << n;
        EXPECT_TRUE(out.empty()) << "length " << n;
    }
}

TEST(PaletteDecode, RejectsCorruptedImageData) {
    std::vector<unsigned char> bytes = builtInBytes();
    const char tag[] = "IDAT";
    const auto idat = std::search(bytes.begin(), bytes.end(), tag, tag + 4);
    ASSERT_NE(idat, bytes.end());
    idat[4 + 20] ^= 0x55;
    RgbImage out;
    EXPECT_FALSE(decodePng(bytes.data(), bytes.size(), out));
    EXPECT_TRUE(out.empty());
}

// A small PNG written with libpng. rows holds the packed rows as PNG stores them.
struct TinyPng {
    const char* name;
    int width;
    int height;
    int colorType;
    int bitDepth;
    bool interlaced;
    std::vector<png_color> palette;
    std::vector<unsigned char> rows;
};

void appendBytes(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::vector<unsigned char>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}
void noFlush(png_structp) {}

bool writeTiny(png_structp png, png_infop info, const TinyPng& t, png_bytepp rowPointers,
               std::vector<unsigned char>& out) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_write_fn(png, &out, appendBytes, noFlush);
    png_set_IHDR(png, info, t.width, t.height, t.bitDepth, t.colorType,
                 t.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (!t.palette.empty()) png_set_PLTE(png, info, t.palette.data(), static_cast<int>(t.palette.size()));
    png_write_info(png, info);
    png_write_image(png, rowPointers);
    png_write_end(png, nullptr);
    return true;
}

std::vector<unsigned char> encodeTiny(const TinyPng& t) {
    std::vector<unsigned char> rows = t.rows;
    const std::size_t stride = rows.size() / static_cast<std::size_t>(t.height);
    std::vector<png_bytep> rowPointers;
    for (int y = 0; y < t.height; ++y) rowPointers.push_back(rows.data() + y * stride);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    std::vector<unsigned char> out;
    if (!writeTiny(png, info, t, rowPointers.data(), out)) out.clear();
    png_destroy_write_struct(&png, &info);
    return out;
}

TEST(PaletteDecode, ConvertsOtherColourTypesToRgb) {
    struct Case { TinyPng png; std::vector<unsigned char> rgb; };
    const std::vector<Case> cases = {
        {{"palette, 2 bits", 3, 1, PNG_COLOR_TYPE_PALETTE, 2, false, {{10, 20, 30}, {200, 100, 50}, {7, 8, 9}}, {0x48}},
         {200, 100, 50, 10, 20, 30, 7, 8, 9}},
        {{"grey, 1 bit", 2, 2, PNG_COLOR_TYPE_GRAY, 1, false, {}, {0x80, 0x40}},
         {255, 255, 255, 0, 0, 0, 0, 0, 0, 255, 255, 255}},
        {{"grey and alpha, 16 bits", 1, 1, PNG_COLOR_TYPE_GRAY_ALPHA, 16, false, {}, {0xAB, 0xAB, 0x00, 0x00}},
         {0xAB, 0xAB, 0xAB}},
        {{"RGB, 16 bits", 1, 1, PNG_COLOR_TYPE_RGB, 16, false, {}, {0x12, 0xFF, 0x56, 0x00, 0x9A, 0x80}},
         {0x12, 0x56, 0x9A}},
        {{"RGBA, interlaced", 2, 2, PNG_COLOR_TYPE_RGB_ALPHA, 8, true, {},
          {1, 2, 3, 0, 4, 5, 6, 255, 7, 8, 9, 128, 10, 11, 12, 255}},
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
    };
    for (const Case& c : cases) {
        const std::vector<unsigned char> bytes = encodeTiny(c.png);
        ASSERT_FALSE(bytes.empty()) << c.png.name;
        RgbImage out;
        ASSERT_TRUE(decodePng(bytes.data(), bytes.size(), out)) << c.png.name;
        EXPECT_EQ(out.width, c.png.width) << c.png.name;
        EXPECT_EQ(out.height, c.png.height) << c.png.name;
        EXPECT_EQ(out.rgb, c.rgb) << c.png.name;
    }
}

TEST(PaletteDecode, LimitsTheSideLength) {
    struct Case { int width; int height; bool accepted; };
    const Case cases[] = {{16384, 1, true}, {16385, 1, false}, {1, 16385, false}};
    for (const Case& c : cases) {
        const std::size_t stride = (static_cast<std::size_t>(c.width) + 7) / 8;
        TinyPng png{"wide", c.width, c.height, PNG_COLOR_TYPE_GRAY, 1, false, {},
                    std::vector<unsigned char>(stride * c.height, 0xFF)};
        const std::vector<unsigned char> bytes = encodeTiny(png);
        ASSERT_FALSE(bytes.empty());
        RgbImage out;
        EXPECT_EQ(decodePng(bytes.data(), bytes.size(), out), c.accepted) << c.width << "x" << c.height;
        EXPECT_EQ(out.width, c.accepted ? c.width : 0);
        EXPECT_EQ(out.rgb.size(), c.accepted ? std::size_t(c.width) * c.height * 3 : 0u);
    }
}

}  // namespace
}  // namespace pw
