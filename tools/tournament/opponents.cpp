// SPDX-License-Identifier: MIT
#include "tools/tournament/opponents.h"

#include <cmath>

#include "game/computer/geometry.h"
#include "game/tform1.h"

namespace hexbrawl::tournament {

namespace {

using input::Action;
using namespace computer;

bool flying(const TForm1& form)
{
    for (const Tability& a : form.inplay)
        if (!a.name.empty() && a.kind == Ranged)
            return true;
    return false;
}

// A point at a random angle and distance within `radius` of `from`, on the arena.
Press somewhere(Random& dice, Point from, double radius)
{
    const double angle = dice.randomreal() * 6.283185307179586;
    const double r = dice.randomreal() * radius;
    return aimpress(from, {from.x + std::cos(angle) * r, from.y + std::sin(angle) * r}, radius);
}

}  // namespace

std::optional<Action> RandomPlayer::next(const TForm1& form)
{
    if (flying(form))
        return std::nullopt;
    const Tplayer& w = form.players[form.currentplayer];
    const ListBox& list = form.controls.SpellPicker;
    const int row = list.selected;
    const Tability* armed = Spellbook::contains(row) ? &w.spellbook[row] : nullptr;
    switch (dice_.randomint(4)) {
    case 0:
        if (form.mode == Mode::walking && !list.items.empty())
            return Action::select(Control::SpellPicker, dice_.randomint(static_cast<std::int32_t>(list.items.size())));
        break;
    case 1:
        // Only a spell the rules let it arm, or Cancel.
        if (form.mode == Mode::aiming ||
            (armed && armed->walkcost <= w.walk && !(form.firstturn && armed->kind == Ranged)))
            return Action::click(Control::AbilityBtn);
        break;
    case 2: {
        const double radius = form.mode == Mode::aiming && armed ? armed->aim : w.walk * 10.0;
        if (radius >= 1) {
            const Press p = somewhere(dice_, centre(w), radius);
            return Action::press(p.x, p.y);
        }
        break;
    }
    default: return Action::click(Control::EndTurnBtn);
    }
    return Action::click(Control::EndTurnBtn);
}

std::optional<Action> SimplePlayer::next(const TForm1& form)
{
    if (flying(form))
        return std::nullopt;
    const int me = form.currentplayer;
    const Tplayer& w = form.players[me];
    const int foe = nearestfoe(form, me);
    if (!foe)
        return Action::click(Control::EndTurnBtn);
    // Its strongest Ranged spell: the highest mean roll it can ever pay for.
    int best = -1;
    for (int row = 0; row < static_cast<int>(form.controls.SpellPicker.items.size()); ++row) {
        const Tability& a = w.spellbook[row];
        if (a.kind == Ranged && a.walkcost <= w.maxwalk &&
            (best < 0 || Roll::of(a).mean() > Roll::of(w.spellbook[best]).mean()))
            best = row;
    }
    const Point me_at = centre(w);
    const Point target = centre(form.players[foe]);
    const double gap = distance(me_at, target);
    const Tability* spell = best >= 0 ? &w.spellbook[best] : nullptr;
    const bool canfire = spell && !form.firstturn && spell->walkcost <= w.walk;
    const bool inrange = spell && gap <= spell->maxrange * speed - 10;
    if (form.mode == Mode::aiming) {
        if (canfire && inrange && form.controls.SpellPicker.selected == best) {
            const Point at{target.x - spell->spritewidth / 2, target.y - spell->spriteheight / 2};
            const Press p = aimpress(me_at, at, spell->aim);
            return Action::press(p.x, p.y);
        }
        return Action::click(Control::AbilityBtn);  // Cancel
    }
    if (canfire && inrange) {
        if (form.controls.SpellPicker.selected != best)
            return Action::select(Control::SpellPicker, best);
        return Action::click(Control::AbilityBtn);
    }
    // Closer, keeping the walk for a shot when there will be one.
    const int keep = spell && !form.firstturn ? spell->walkcost : 0;
    if (w.walk - keep >= 1 && gap > 15) {
        const Press p = walkpress(me_at, target, w.walk - keep);
        return Action::press(p.x, p.y);
    }
    return Action::click(Control::EndTurnBtn);
}

}  // namespace hexbrawl::tournament
