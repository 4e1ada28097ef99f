// SPDX-License-Identifier: MIT
// The computer's turns in a match and its visits to the Stats Editor: what it
// would do next, as the player's actions that do it.
#pragma once

#include <vector>

#include "game/computer/computer.h"
#include "game/computer/view.h"

namespace hexbrawl::computer {

// The next actions of the turn of the wizard in turn, up to and including the
// first that changes the arena (a press, or "END TURN"). `stall` is how many of
// its turns in a row went by without anyone hurt: the longer, the bolder.
std::vector<input::Action> planturn(const View& view, int stall);

// What to buy and train in this visit, for the wizard being edited.
Build planbuild(const View& view);
// The next step of the visit, following `build` (which it uses up).
input::Action buildstep(const View& view, Build& build, Random& dice);

}  // namespace hexbrawl::computer
