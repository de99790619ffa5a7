#include "render/surface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace pw {
namespace {

constexpr Pixel Red = rgbPixel(255, 0, 0);
constexpr Pixel Black = rgbPixel(0, 0, 0);

TEST(Surface, BoxesAreClippedToTheSurface) {
    PixelImage img(10, 6);
    Surface s = img.surface();
    s.fillBox(-3, 4, 20, 10, Red);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 10; ++x) EXPECT_EQ(img.pixel(x, y), y >= 4 ? Red : Black) << x << "," << y;
    s.fillBox(100, 100, 5, 5, Red);  // fully outside: nothing, no crash
    s.blendBox(-50, -50, 200, 200, Red, 17);
    EXPECT_EQ(s.pixel(-1, 0), 0u);
}

TEST(Surface, LineBoxEndsOnePixelBeforeStartPlusSize) {
    PixelImage img(8, 8);
    Surface s = img.surface();
    s.lineBox(2, 3, 4, 1, Red);
    s.lineBox(7, 0, 1, 0, Red);  // size 0 draws nothing
    for (int x = 0; x < 8; ++x) EXPECT_EQ(img.pixel(x, 3), (x >= 2 && x <= 5) ? Red : Black) << x;
    EXPECT_EQ(img.pixel(7, 0), Black);
    s.lineBox(0, 0, 1, 1, Red);
    EXPECT_EQ(img.pixel(0, 0), Red);
    EXPECT_EQ(img.pixel(1, 0), Black);
}

TEST(Surface, LineDrawsBothEndPointsWithoutAntiAliasing) {
    const struct {
        int x0, y0, x1, y1;
    } lines[] = {{0, 0, 6, 3}, {0, 3, 6, 0}, {1, 1, 1, 5}, {5, 2, 0, 2}};
    for (const auto& l : lines) {
        PixelImage img(8, 8);
        Surface s = img.surface();
        s.line(l.x0, l.y0, l.x1, l.y1, Red);
        EXPECT_EQ(img.pixel(l.x0, l.y0), Red);
        EXPECT_EQ(img.pixel(l.x1, l.y1), Red);
        // One pixel in each column (or row) of the longer axis, never more than
        // half a pixel off the ideal line, and only the line colour is used.
        const bool xMajor = std::abs(l.x1 - l.x0) >= std::abs(l.y1 - l.y0);
        int count = 0;
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) {
                const Pixel p = img.pixel(x, y);
                ASSERT_TRUE(p == Red || p == Black);
                if (p != Red) continue;
                ++count;
                const double t = xMajor ? double(x - l.x0) / (l.x1 - l.x0) : double(y - l.y0) / (l.y1 - l.y0);
                const double ideal = xMajor ? l.y0 + t * (l.y1 - l.y0) : l.x0 + t * (l.x1 - l.x0);
                EXPECT_LE(std::abs((xMajor ? y : x) - ideal), 0.5) << x << "," << y;
            }
        EXPECT_EQ(count, 1 + std::max(std::abs(l.x1 - l.x0), std::abs(l.y1 - l.y0)));
    }
}

TEST(Surface, BlendFollowsOpacityAndHandlesUnevenBackgrounds) {
    EXPECT_EQ(blendPixel(Black, Red, 255), Red);
    EXPECT_EQ(blendPixel(Black, Red, 0), Black);
    EXPECT_EQ(blendPixel(Black, rgbPixel(255, 170, 17), 170), rgbPixel(170, 113, 11));
    PixelImage img(4, 1);
    Surface s = img.surface();
    s.setPixel(2, 0, rgbPixel(255, 255, 255));
    s.blendBox(0, 0, 4, 1, Red, 17);
    EXPECT_EQ(img.pixel(0, 0), blendPixel(Black, Red, 17));
    EXPECT_EQ(img.pixel(2, 0), blendPixel(rgbPixel(255, 255, 255), Red, 17));
    EXPECT_EQ(img.pixel(3, 0), blendPixel(Black, Red, 17));
}

}  // namespace
}  // namespace pw
