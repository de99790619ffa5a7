// Helpers shared by the canvas tests: a started workspace and readable colours.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "model/packed_font.h"
#include "render/surface.h"

namespace pw::testing {

inline Workspace startedWorkspace() {
    Workspace ws;
    initStartupWorkspace(ws);
    return ws;
}

constexpr Pixel White = rgbPixel(255, 255, 255);
constexpr Pixel Black = rgbPixel(0, 0, 0);

inline Pixel regPixel(const Workspace& ws, int number) { return toPixel(ws.colors.display(number)); }

// Sets glyph row y from a picture such as "10 01 11 00" (spaces ignored).
inline void setRow(Glyph& g, int y, const std::string& bits) {
    int x = 0;
    for (char ch : bits) {
        if (ch == ' ') continue;
        g.pixel[x++][y] = ch == '1' ? 1 : 0;
    }
}

inline std::string rgbText(Pixel p) {
    char text[32];
    std::snprintf(text, sizeof text, "(%d, %d, %d)", pixelRed(p), pixelGreen(p), pixelBlue(p));
    return text;
}

}  // namespace pw::testing

#define EXPECT_PIXEL(image, x, y, expected)                                                      \
    EXPECT_EQ(::pw::testing::rgbText((image).pixel((x), (y))), ::pw::testing::rgbText(expected)) \
        << "at (" << (x) << ", " << (y) << ")"
