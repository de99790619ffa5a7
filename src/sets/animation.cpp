#include "sets/animation.h"

#include <algorithm>
#include <limits>

namespace pw {

namespace {

// Frames shown per set step of the range: a range of n steps plays 10 * n
// frames, which need not be a whole number of loops.
constexpr int FramesPerStep = 10;

}  // namespace

StartResult startAnimation(AnimationPlayer& player, int start, int stop) {
    // The frame lists only offer 1..100; clamping keeps every frame the player
    // can hand back a valid set number even if a caller passes something else.
    start = std::clamp(start, 1, SetCount);
    stop = std::clamp(stop, 1, SetCount);
    player.startFrame = start;
    player.stopFrame = stop;
    // A reversed range is refused but the new bounds stay: a running animation
    // goes on with them, and since every frame past the stop frame jumps back
    // to the start frame, it then keeps showing the start set.
    if (stop < start) return StartResult::StopBeforeStart;
    player.running = true;
    player.ticksLeft = (stop - start) * FramesPerStep;
    player.frame = start;
    return StartResult::Started;
}

int animationTick(AnimationPlayer& player) {
    const int shown = player.frame;
    if (++player.frame > player.stopFrame) player.frame = player.startFrame;
    // A one-set range starts with no frames left, so the first tick goes below
    // zero and the player runs until it is started again. The counter stops at
    // its minimum so that such a run can last forever without overflowing.
    if (player.ticksLeft > std::numeric_limits<std::int32_t>::min()) --player.ticksLeft;
    if (player.ticksLeft == 0) player.running = false;
    return shown;
}

}  // namespace pw
