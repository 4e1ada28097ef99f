// SPDX-License-Identifier: MIT
// The computer's pace and its seat at the table: when it may take a step, and
// which of its two minds (the editor's, the match's) takes it.
#include "game/computer/computer.h"

#include "game/computer/tactics.h"
#include "game/tform1.h"

namespace hexbrawl::computer {

namespace {

// A seed of its own from the game's: the same game, the same computer.
std::uint32_t mix(std::uint32_t seed)
{
    std::uint32_t z = seed + 0x9E3779B9u;
    z = (z ^ (z >> 16)) * 0x85EBCA6Bu;
    z = (z ^ (z >> 13)) * 0xC2B2AE35u;
    return z ^ (z >> 16);
}

bool flying(const TForm1& form)
{
    for (const Tability& a : form.inplay)
        if (!a.name.empty() && a.kind == Ranged)
            return true;
    return false;
}

// What the arena looks like to the wizard in turn, as a number: a plan made for it
// holds while it stays the same.
std::uint64_t look(const TForm1& form)
{
    std::uint64_t h = 1469598103934665603ull;
    auto mixin = [&h](std::uint64_t v) { h = (h ^ v) * 1099511628211ull; };
    for (int p = 1; p <= form.playercount; ++p) {
        const Tplayer& w = form.players[p];
        mixin(static_cast<std::uint64_t>(truncate(w.x * 16)));
        mixin(static_cast<std::uint64_t>(truncate(w.y * 16)));
        mixin(static_cast<std::uint64_t>(w.hp));
        mixin(static_cast<std::uint64_t>(w.walk));
    }
    mixin(static_cast<std::uint64_t>(form.currentplayer));
    mixin(static_cast<std::uint64_t>(form.inplaycount));
    mixin(static_cast<std::uint64_t>(form.treecount));
    for (int t = 1; t <= form.treecount && Obstacles::contains(t); ++t)
        mixin(static_cast<std::uint64_t>(form.obstacles[t].hits));
    return h;
}

}  // namespace

Memory::Memory(std::uint32_t gameseed) { dice.seed = mix(gameseed); }

bool atcontrols(const TForm1& form)
{
    if (!Players::contains(form.currentplayer) || !form.computer[form.currentplayer] ||
        form.controls.TitleImage.visible)
        return false;
    if (form.controls.PurchaseWindow.visible)
        return true;
    return form.matchrunning && form.controls.Draw.visible && form.players[form.currentplayer].hp > 0;
}

std::optional<input::Action> next(const TForm1& form, Memory& memory)
{
    if (!atcontrols(form)) {
        memory.seat.busy = false;
        return std::nullopt;
    }
    const bool match = !form.controls.PurchaseWindow.visible;
    Memory::Seat seat{form.gamelevel, form.currentplayer, match, true, memory.seat.steps};
    Memory::Seat& was = memory.seat;
    if (!was.busy || was.level != seat.level || was.wizard != seat.wizard || was.match != seat.match) {
        seat.steps = 0;
        // A new visit or a new turn, or the same one taken up again: plan afresh,
        // after a look at the screen.
        memory.build = {};
        memory.plan.clear();
        memory.wait = fastest + memory.dice.randomint(slowest - fastest + 1);
        if (match) {
            std::int64_t health = 0;
            for (int p = 1; p <= form.playercount; ++p)
                health += form.players[p].hp;
            const auto w = static_cast<std::size_t>(form.currentplayer);
            memory.stalled[w] = health == memory.health[w] ? memory.stalled[w] + 1 : 0;
            memory.health[w] = health;
        }
    }
    was = seat;
    if (memory.wait > 0) {
        --memory.wait;
        return std::nullopt;
    }
    // Nothing is done while a projectile flies: its end changes everything.
    if (match && flying(form)) {
        memory.wait = 4;
        return std::nullopt;
    }
    memory.wait = fastest + memory.dice.randomint(slowest - fastest + 1);
    ++was.steps;
    if (!match)
        return buildstep(form, memory.build, memory.dice);
    // A turn that goes nowhere (a step refused again and again) ends all the same.
    if (was.steps > 60)
        return input::Action::click(Control::EndTurnBtn);

    const std::uint64_t now = look(form);
    if (memory.plan.empty() || memory.planfor != now) {
        memory.plan = planturn(form, memory.stalled[static_cast<std::size_t>(form.currentplayer)]);
        memory.planfor = now;
    }
    const input::Action step = memory.plan.front();
    memory.plan.erase(memory.plan.begin());
    return step;
}

}  // namespace hexbrawl::computer
