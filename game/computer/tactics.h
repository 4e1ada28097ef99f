// SPDX-License-Identifier: MIT
// The computer's turns in a match and its visits to the Stats Editor: what it
// would do next, as the player's actions that do it.
#pragma once

#include <vector>

#include "game/computer/computer.h"
#include "game/computer/view.h"

namespace hexbrawl::computer {

// The next actions of the turn of the wizard in turn, up to and including the
// first that changes the arena (a press, or "END TURN").
struct Turn {
    int stall = 0;  // its turns in a row with nobody hurt: the longer, the bolder
    bool hit = false;  // it was hurt since its last turn
    bool guard = true;  // it thinks of putting down a block or a reflect this turn
};
std::vector<input::Action> planturn(const View& view, const Turn& turn, Random& dice);

// What to buy and train in this visit, for the wizard being edited.
Build planbuild(const View& view);
// The next step of the visit, following `build` (which it uses up).
input::Action buildstep(const View& view, Build& build, Random& dice);

}  // namespace hexbrawl::computer
