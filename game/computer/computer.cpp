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

bool flying(const View& view)
{
    for (const Tability& a : view.inplay)
        if (a.kind == Ranged)
            return true;
    return false;
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
    const std::int32_t walk = form.players[form.currentplayer].walk;
    Memory::Seat seat{form.gamelevel,    form.currentplayer,      match, true,
                      memory.seat.steps, memory.seat.periods + 1, walk};
    Memory::Seat& was = memory.seat;
    // Another wizard's turn may come and go between two periods: a turn of the same
    // wizard is new when its walk came back.
    if (!was.busy || was.level != seat.level || was.wizard != seat.wizard || was.match != seat.match ||
        (match && walk > was.walk)) {
        seat.steps = 0;
        seat.periods = 0;
        // A new visit or a new turn, or the same one taken up again: plan afresh,
        // after a look at the screen; in the editor a long look, so that a person
        // can reach the "Computer" box before anything is changed.
        memory.build = {};
        memory.plan.clear();
        memory.wait = match ? fastest + memory.dice.randomint(slowest - fastest + 1) : editorlook;
        if (match) {
            std::int64_t health = 0;
            for (int p = 1; p <= form.playercount; ++p)
                health += form.players[p].hp;
            const auto w = static_cast<std::size_t>(form.currentplayer);
            memory.stalled[w] = health == memory.health[w] ? memory.stalled[w] + 1 : 0;
            memory.health[w] = health;
            const std::int32_t hp = form.players[form.currentplayer].hp;
            memory.hit = memory.own[w].level == form.gamelevel && hp < memory.own[w].hp;
            memory.own[w] = {form.gamelevel, hp};
            memory.guard = std::nullopt;
        }
    }
    was = seat;
    if (memory.wait > 0) {
        --memory.wait;
        return std::nullopt;
    }
    const View view = View::of(form);
    // Nothing is done while a projectile flies: its end changes everything.
    if (match && flying(view)) {
        memory.wait = 4;
        return std::nullopt;
    }
    if (!match) {
        input::Action step = buildstep(view, memory.build, memory.dice);
        // The visit lasts long enough for a person to take the wizard back.
        if (step.control == Control::NextPlayerBtn && was.periods < editorvisit) {
            memory.wait = editorvisit - was.periods;
            return std::nullopt;
        }
        memory.wait = fastest + memory.dice.randomint(slowest - fastest + 1);
        ++was.steps;
        return step;
    }
    memory.wait = fastest + memory.dice.randomint(slowest - fastest + 1);
    ++was.steps;
    // A turn that goes nowhere (a step refused again and again) ends all the same.
    if (was.steps > 60) {
        was.busy = false;
        return input::Action::click(Control::EndTurnBtn);
    }

    const auto w = static_cast<std::size_t>(form.currentplayer);
    memory.own[w] = {form.gamelevel, view.self().hp};
    if (!memory.guard)
        memory.guard = memory.dice.randomreal() < view.skill.defend;
    const std::uint64_t now = view.hash();
    if (memory.plan.empty() || memory.planfor != now) {
        memory.plan = planturn(view, {memory.stalled[w], memory.hit, *memory.guard}, memory.dice);
        memory.planfor = now;
    }
    const input::Action step = memory.plan.front();
    memory.plan.erase(memory.plan.begin());
    if (step.control == Control::EndTurnBtn)
        was.busy = false;  // whatever comes next is another turn
    return step;
}

}  // namespace hexbrawl::computer
