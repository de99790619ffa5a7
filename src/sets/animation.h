// Playing a range of sets as a looping animation, one frame per timer tick.
#pragma once

#include "model/workspace.h"

namespace pw {

enum class StartResult { Started, StopBeforeStart };

// start and stop are set numbers 1..100 (the selected list items + 1; other
// values are clamped into that range). Both are stored even when stop < start,
// in which case a running animation goes on and the caller reports the error.
// Starting while running restarts with the new range and frame count.
StartResult startAnimation(AnimationPlayer& player, int start, int stop);

// One tick of a running player: returns the set number (1..100) to draw now and
// moves on to the next frame; the player stops when its frame count reaches
// exactly 0, which a one-set range never does.
int animationTick(AnimationPlayer& player);

}  // namespace pw
