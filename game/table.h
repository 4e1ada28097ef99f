// SPDX-License-Identifier: MIT
// One game at its table: the game, the computer's memory, and what is done about a
// box still open. Its period is the one definition of what happens in 25 ms; the
// window, the runner, the tournament and the benchmark call it and differ only in
// their ports (a real box that stays open, a box answered at once).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "game/computer/computer.h"
#include "game/input.h"
#include "game/tform1.h"

namespace hexbrawl {

// What a front end does at the edge of each event.
class TableHost {
public:
    virtual ~TableHost() = default;
    // A look-up error abandoned an event: shown in a box, or recorded. The game goes on.
    virtual void failed(const LookupError& error) = 0;
    // After every event, failed or not: the window copies the controls to its widgets.
    virtual void settled() {}
    // Whether a box is open and waits to be answered; a box answered at once never is.
    virtual bool boxopen() const { return false; }
};

// Nothing would happen in a period: the timer is off and no computer is at the controls.
bool waiting(const TForm1& form);

class GameTable {
public:
    // The game is made with `ports`, its clock watched for the seed it gives, from
    // which the computer's own dice are seeded at `start`.
    GameTable(const Ports& ports, TableHost& host);
    GameTable(const GameTable&) = delete;
    GameTable& operator=(const GameTable&) = delete;

    TForm1& form() { return *form_; }
    const TForm1& form() const { return *form_; }
    const computer::Memory& memory() const { return memory_; }
    // The seed the clock gave the game at its start.
    std::uint32_t seed() const { return seedtap_.seed; }

    // One event: the action through input::apply, a look-up error handed to the host.
    void apply(const input::Action& action);
    // One period of 25 ms: the game's tick while its timer runs, then the computer's
    // step, each an event of its own. The computer waits for an open box like a person.
    // Returns the computer's step, when it took one.
    std::optional<input::Action> period();
    // Nothing would happen in a period: the timer is off and no computer is at the controls.
    bool waiting() const;
    // Whether a box shown now closes by itself, nobody needing to read it: every box
    // the computer's turn or visit brings, its wizard dead or alive.
    bool closesbyitself(MessageKind kind) const;

private:
    // Hands on the seed the game is given and keeps it.
    class SeedTap final : public Clock {
    public:
        explicit SeedTap(Clock& clock) : clock_(clock) {}
        std::uint32_t seedvalue() override { return seed = clock_.seedvalue(); }
        std::uint32_t seed = 0;

    private:
        Clock& clock_;
    };

    TableHost& host_;
    SeedTap seedtap_;
    std::unique_ptr<TForm1> form_;
    computer::Memory memory_{0};
};

}  // namespace hexbrawl
