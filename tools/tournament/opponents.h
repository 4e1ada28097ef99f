// SPDX-License-Identifier: MIT
// The players the computer is measured against: one that does anything legal at
// random, and one that walks at the nearest foe and fires its strongest Ranged
// spell straight at it. Both play through the same inputs as everybody.
#pragma once

#include <optional>

#include "game/input.h"
#include "game/random.h"

namespace hexbrawl::tournament {

class Opponent {
public:
    virtual ~Opponent() = default;
    // The next action while its wizard is in turn, or none (it waits).
    virtual std::optional<input::Action> next(const TForm1& form) = 0;
};

class RandomPlayer final : public Opponent {
public:
    explicit RandomPlayer(std::uint32_t seed) { dice_.seed = seed; }
    std::optional<input::Action> next(const TForm1& form) override;

private:
    Random dice_;
};

class SimplePlayer final : public Opponent {
public:
    std::optional<input::Action> next(const TForm1& form) override;
};

}  // namespace hexbrawl::tournament
