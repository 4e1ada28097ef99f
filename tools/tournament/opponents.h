// SPDX-License-Identifier: MIT
// The players the computer is measured against: one that does anything legal at
// random, one that walks at the nearest foe and fires its strongest Ranged spell
// straight at it, and a careful shooter. All play through the same inputs as everybody.
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
    // Its next step in the Stats Editor; none when it cannot build a wizard.
    virtual std::optional<input::Action> build(const TForm1&) { return std::nullopt; }
    virtual bool builds() const { return false; }
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

// The careful shooter: it builds health, walk and one Ranged spell, a point at a
// time; walks straight at the nearest foe until its spell reaches; aims by flying
// the projectile as the game flies it; and, owning a Block, puts it in the line of
// the foe's fire with what walk is left. It never reflects, teleports or dodges.
class SharpPlayer final : public Opponent {
public:
    std::optional<input::Action> next(const TForm1& form) override;
    std::optional<input::Action> build(const TForm1& form) override;
    bool builds() const override { return true; }
};

}  // namespace hexbrawl::tournament
