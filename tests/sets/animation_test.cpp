#include "sets/animation.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace pw {
namespace {

// Ticks the player as the main window's timer does, while it runs; the limit
// only guards the test against a player that never stops.
std::vector<int> playUntilStopped(AnimationPlayer& player, int limit = 10000) {
    std::vector<int> shown;
    while (player.running && static_cast<int>(shown.size()) < limit) shown.push_back(animationTick(player));
    return shown;
}

TEST(Animation, PlaysTenFramesPerStepOfTheRangeThenStops) {
    const struct {
        int start, stop;
        std::vector<int> frames;
    } cases[] = {
        {1, 3, {1, 2, 3, 1, 2, 3, 1, 2, 3, 1, 2, 3, 1, 2, 3, 1, 2, 3, 1, 2}},
        {1, 2, {1, 2, 1, 2, 1, 2, 1, 2, 1, 2}},
        {99, 100, {99, 100, 99, 100, 99, 100, 99, 100, 99, 100}},
        {97, 100, {97, 98, 99, 100, 97, 98, 99, 100, 97, 98, 99, 100, 97, 98, 99,
                   100, 97, 98, 99, 100, 97, 98, 99, 100, 97, 98, 99, 100, 97, 98}},
    };
    for (const auto& c : cases) {
        AnimationPlayer player;
        ASSERT_EQ(startAnimation(player, c.start, c.stop), StartResult::Started);
        EXPECT_EQ(player.startFrame, c.start);
        EXPECT_EQ(player.stopFrame, c.stop);
        EXPECT_EQ(playUntilStopped(player), c.frames) << c.start << ".." << c.stop;
        EXPECT_FALSE(player.running);
        EXPECT_EQ(player.ticksLeft, 0);
    }
}

TEST(Animation, ReversedRangeIsRefusedButItsBoundsAreKept) {
    AnimationPlayer idle;
    EXPECT_EQ(startAnimation(idle, 5, 3), StartResult::StopBeforeStart);
    EXPECT_FALSE(idle.running);
    EXPECT_EQ(idle.startFrame, 5);
    EXPECT_EQ(idle.stopFrame, 3);
    EXPECT_EQ(idle.ticksLeft, 0);

    // A running player goes on with the refused bounds: once its frame passes
    // the new stop frame every tick jumps back to the new start frame.
    AnimationPlayer player;
    ASSERT_EQ(startAnimation(player, 1, 3), StartResult::Started);
    EXPECT_EQ(animationTick(player), 1);
    EXPECT_EQ(animationTick(player), 2);
    EXPECT_EQ(startAnimation(player, 5, 3), StartResult::StopBeforeStart);
    EXPECT_TRUE(player.running);
    EXPECT_EQ(player.ticksLeft, 18);
    std::vector<int> expected(18, 5);
    expected[0] = 3;
    EXPECT_EQ(playUntilStopped(player), expected);
    EXPECT_FALSE(player.running);
}

TEST(Animation, OneSetRangeNeverStopsByItself) {
    for (const int set : {1, 42, 100}) {
        AnimationPlayer player;
        ASSERT_EQ(startAnimation(player, set, set), StartResult::Started);
        EXPECT_EQ(player.ticksLeft, 0);
        for (int i = 0; i < 5000; ++i) ASSERT_EQ(animationTick(player), set) << "tick " << i;
        EXPECT_TRUE(player.running);

        // Starting again with a larger range is the way out.
        ASSERT_EQ(startAnimation(player, set, set == 100 ? 100 : set + 1), StartResult::Started);
        if (set < 100) {
            EXPECT_EQ(playUntilStopped(player).size(), 10u);
            EXPECT_FALSE(player.running);
        }
    }
}

TEST(Animation, EndlessRunHoldsItsCounterAtTheMinimum) {
    AnimationPlayer player;
    ASSERT_EQ(startAnimation(player, 7, 7), StartResult::Started);
    constexpr std::int32_t lowest = std::numeric_limits<std::int32_t>::min();
    player.ticksLeft = lowest + 2;  // as after years of ticking
    for (int i = 0; i < 5; ++i) EXPECT_EQ(animationTick(player), 7);
    EXPECT_EQ(player.ticksLeft, lowest);
    EXPECT_TRUE(player.running);
}

TEST(Animation, StartingWhileRunningRestartsRangeAndCount) {
    AnimationPlayer player;
    ASSERT_EQ(startAnimation(player, 1, 3), StartResult::Started);
    for (int i = 0; i < 15; ++i) animationTick(player);
    ASSERT_TRUE(player.running);
    ASSERT_EQ(startAnimation(player, 10, 11), StartResult::Started);
    EXPECT_EQ(player.ticksLeft, 10);
    EXPECT_EQ(playUntilStopped(player), (std::vector<int>{10, 11, 10, 11, 10, 11, 10, 11, 10, 11}));
}

TEST(Animation, FramesStayWithinTheSetNumbersForOutOfRangeBounds) {
    const struct {
        int start, stop;
    } cases[] = {{0, 3}, {-5, 2}, {99, 150}, {0, 0}, {200, 300}};
    for (const auto& c : cases) {
        AnimationPlayer player;
        startAnimation(player, c.start, c.stop);
        for (int i = 0; i < 300; ++i) {
            const int shown = animationTick(player);
            ASSERT_GE(shown, 1) << c.start << ".." << c.stop;
            ASSERT_LE(shown, SetCount) << c.start << ".." << c.stop;
        }
    }
}

}  // namespace
}  // namespace pw
