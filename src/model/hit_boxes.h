// Rectangles that map a mouse position on an editing canvas to a character,
// a pixel or a cell. Boxes include their right and bottom edges; the lowest
// index wins where neighbours share a border line.
#pragma once

#include <array>
#include <cstdint>

namespace pw {

struct HitBox {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t col = 0;
    std::int32_t row = 0;
};

constexpr int HitBoxCount = 8001;
using HitBoxTable = std::array<HitBox, HitBoxCount>;

// Index ranges, one per canvas (first, last).
struct HitRange {
    int first;
    int last;
};
constexpr HitRange FontSheetBoxes{0, 255};       // 0..127 normal half, 128..255 inverse half
constexpr HitRange CharEditorBoxes{500, 563};    // one per Atari pixel
constexpr HitRange SetEditorCellBoxes{600, 624}; // one per set cell
constexpr HitRange SetEditorPixelBoxes{1000, 2599};
constexpr HitRange SetPreviewBoxes{3000, 3024};
constexpr HitRange ViewMapBoxes{5000, 7399};

void buildHitBoxes(HitBoxTable& table);

// The lowest index in first..last whose box contains (mx, my), or -1.
int hitTest(const HitBoxTable& table, int first, int last, int mx, int my);
inline int hitTest(const HitBoxTable& table, HitRange range, int mx, int my) {
    return hitTest(table, range.first, range.last, mx, my);
}

}  // namespace pw
