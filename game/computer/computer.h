// SPDX-License-Identifier: MIT
// The computer players: any wizard whose "Computer" box is checked is played by
// the computer, through the same inputs a person has. It reads the game and never
// writes it; every effect it has is an action the caller applies with input::apply,
// so every rule of the game holds for it as for a person. It draws from a random
// source of its own and never from the game's.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "game/input.h"
#include "game/random.h"

namespace hexbrawl::computer {

// How a computer builds its wizard in one visit to the Stats Editor.
struct Build {
    int walk = 0;  // the walk to end with
    std::vector<int> spells;  // catalogue entries to buy, in order
    bool planned = false;
};

// What the computer players remember from one period to the next.
struct Memory {
    explicit Memory(std::uint32_t gameseed);

    Random dice;  // its own random source
    int wait = 0;  // periods until the next step may be taken
    // The visit to the editor or the turn in progress, to tell a new one.
    struct Seat {
        int level = -1, wizard = 0;
        bool match = false;
        bool busy = false;  // the computer acted in the last period it was at the controls
        int steps = 0;  // steps taken in this visit or turn
        int periods = 0;  // periods at the controls in this visit or turn
        std::int32_t walk = 0;  // the walk it had when last seen
    } seat;
    Build build;
    // Per wizard: its turns in a row without any wizard hurt, which makes it bolder.
    std::array<int, 13> stalled{};
    std::array<std::int64_t, 13> health{};
    // Per wizard: its health when it last was at the controls, to tell that it was hit since.
    struct Own {
        int level = -1;
        std::int32_t hp = 0;
    };
    std::array<Own, 13> own{};
    bool hit = false;  // the wizard in turn was hit since its last turn
    std::optional<bool> guard;  // whether it thinks of guarding in this turn
    // The turn plan in progress and the look of the arena it was made for.
    std::vector<input::Action> plan;
    std::uint64_t planfor = 0;
};

// Whether a computer wizard is at the controls: the one being edited in the Stats
// Editor, or the one whose turn it is. Its periods count even with the timer off.
bool atcontrols(const TForm1& form);

// One period of the computer's time: the action of the computer wizard at the
// controls, or none yet (it paces its steps about 0.3 to 0.5 s apart).
std::optional<input::Action> next(const TForm1& form, Memory& memory);

// The periods between two steps.
inline constexpr int fastest = 12;
inline constexpr int slowest = 20;
// A visit to the Stats Editor: the periods before its first step, and at the least in all.
inline constexpr int editorlook = 60;
inline constexpr int editorvisit = 120;

}  // namespace hexbrawl::computer
