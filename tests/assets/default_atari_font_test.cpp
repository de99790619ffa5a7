#include "assets/default_atari_font.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>
#include <vector>

namespace pw {
namespace {

TEST(DefaultFont, EqualsTheStandardFontFile) {
    std::ifstream file(PIXELWICK_TEST_DATA "/atari-standard-font.fnt", std::ios::binary);
    ASSERT_TRUE(file) << "cannot open the test font";
    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    ASSERT_EQ(bytes.size(), DefaultAtariFont.size());
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), DefaultAtariFont.begin()));
}

// A few glyphs, to show the font is the Atari set in internal (screen-code) order.
TEST(DefaultFont, GlyphsAreInInternalOrder) {
    struct Case { int code; std::array<std::uint8_t, 8> rows; };
    const Case cases[] = {
        {0, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}},    // space
        {1, {0x00, 0x18, 0x18, 0x18, 0x18, 0x00, 0x18, 0x00}},    // !
        {16, {0x00, 0x3C, 0x66, 0x6E, 0x76, 0x66, 0x3C, 0x00}},   // 0
        {33, {0x00, 0x18, 0x3C, 0x66, 0x66, 0x7E, 0x66, 0x00}},   // A
        {64, {0x00, 0x36, 0x7F, 0x7F, 0x3E, 0x1C, 0x08, 0x00}},   // heart
        {97, {0x00, 0x00, 0x3C, 0x06, 0x3E, 0x66, 0x3E, 0x00}},   // a
        {127, {0x10, 0x18, 0x1C, 0x1E, 0x1C, 0x18, 0x10, 0x00}},  // right-pointing triangle
    };
    for (const Case& c : cases)
        for (int row = 0; row < 8; ++row)
            EXPECT_EQ(DefaultAtariFont[c.code * 8 + row], c.rows[row]) << "code " << c.code << " row " << row;
}

}  // namespace
}  // namespace pw
