#include "model/hit_boxes.h"

namespace pw {

void buildHitBoxes(HitBoxTable& t) {
    t.fill(HitBox{});
    for (int c = 0; c < 128; ++c) {
        const int x = 17 * (c % 32);
        const int y = 17 * (c / 32);
        // Each sheet box covers the 16 x 16 character and the gap line right of
        // and below it; the inverse half starts 68 pixels lower.
        t[c] = {x, y, 16, 16, 0, 0};
        t[128 + c] = {x, 68 + y, 16, 16, 0, 0};
    }
    for (int p = 0; p < 64; ++p) {
        const int x = p % 8, y = p / 8;
        t[500 + p] = {30 * x, 30 * y, 30, 30, x, y};
    }
    for (int q = 0; q < 25; ++q) {
        t[600 + q] = {80 * (q % 5), 80 * (q / 5), 80, 80, 0, 0};
        t[3000 + q] = {16 * (q % 5), 16 * (q / 5), 16, 16, 0, 0};
    }
    for (int p = 0; p < 1600; ++p) {
        const int i = p % 40, j = p / 40;
        t[1000 + p] = {10 * i, 10 * j, 10, 10, i % 8, j % 8};
    }
    for (int p = 0; p < 2400; ++p) {
        const int i = p % 60, j = p / 60;
        t[5000 + p] = {16 * i, 16 * j, 16, 16, i, j};
    }
}

int hitTest(const HitBoxTable& t, int first, int last, int mx, int my) {
    if (first < 0) first = 0;
    if (last >= HitBoxCount) last = HitBoxCount - 1;
    for (int k = first; k <= last; ++k) {
        const HitBox& b = t[k];
        if (b.x <= mx && mx <= b.x + b.width && b.y <= my && my <= b.y + b.height) return k;
    }
    return -1;
}

}  // namespace pw
