// SPDX-License-Identifier: MIT
#include "tools/tournament/opponents.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "game/computer/geometry.h"
#include "game/computer/view.h"
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

namespace hexbrawl::tournament {

namespace {

// The row of its strongest Ranged spell and of its Block, or -1.
int strongest(const Tplayer& w, int rows, AbilityKind kind)
{
    int best = -1;
    for (int row = 0; row < rows; ++row) {
        const Tability& a = w.spellbook[row];
        if (a.kind == kind && (best < 0 || Roll::of(a).mean() > Roll::of(w.spellbook[best]).mean()))
            best = row;
    }
    return best;
}

// The actions that arm the spell of `row` (with Cancel first when another is armed).
std::optional<input::Action> arm(const TForm1& form, int row)
{
    if (form.mode == Mode::aiming && form.controls.SpellPicker.selected != row)
        return input::Action::click(Control::AbilityBtn);
    if (form.controls.SpellPicker.selected != row)
        return input::Action::select(Control::SpellPicker, row);
    if (form.mode != Mode::aiming)
        return input::Action::click(Control::AbilityBtn);
    return std::nullopt;
}

}  // namespace

std::optional<input::Action> SharpPlayer::build(const TForm1& form)
{
    const Controls& c = form.controls;
    const Tplayer& w = form.players[form.currentplayer];
    const int points = c.PointGauge.value;
    if (c.SndBox.enabled && w.deathcry.empty() && !c.SndBox.items.empty())
        return input::Action::set(Control::SndBox, c.SndBox.items.front());
    bool ranged = false;
    for (const Tability& a : w.spellbook)
        ranged = ranged || (a.kind == Ranged && a.level > 1);
    // One Ranged spell for up to half of the points, the strongest it can pay for.
    if (!ranged && points >= 6) {
        int best = -1;
        double bestmean = 0;
        for (int row = 0; row < pagesize && 3 * (row + 1) <= points / 2; ++row) {
            const Tability& a = form.catalog[pageof(Ranged) * pagesize + row];
            const double m = Roll::of(a).mean();
            if (best < 0 || m > bestmean) {
                best = row;
                bestmean = m;
            }
        }
        if (best >= 1) {
            if (c.MagicType.page != pageof(Ranged))
                return input::Action::select(Control::MagicType, pageof(Ranged));
            if (c.PurchaseList.selected != best)
                return input::Action::select(Control::PurchaseList, best);
            return input::Action::click(Control::PurchaseBtn);
        }
    }
    // Then health and walk by turns, a unit at a time: walk while it has less than
    // a fifth of its health.
    if (points >= 2 && w.maxwalk < 100 && w.maxwalk * 5 < w.maxhp)
        return input::Action::set(Control::ManaPicker, std::to_string(w.maxwalk + 1));
    if (points >= 1 && w.maxhp < 100)
        return input::Action::set(Control::HealthPicker, std::to_string(w.maxhp + 1));
    if (points >= 2 && w.maxwalk < 100)
        return input::Action::set(Control::ManaPicker, std::to_string(w.maxwalk + 1));
    return input::Action::click(Control::NextPlayerBtn);
}

std::optional<input::Action> SharpPlayer::next(const TForm1& form)
{
    if (flying(form))
        return std::nullopt;
    const int me = form.currentplayer;
    const Tplayer& w = form.players[me];
    const int foe = nearestfoe(form, me);
    if (!foe)
        return input::Action::click(Control::EndTurnBtn);
    const int rows = static_cast<int>(form.controls.SpellPicker.items.size());
    const int shot = strongest(w, rows, Ranged);
    const int guard = strongest(w, rows, Block);
    const Point here = centre(w);
    const Point target = centre(form.players[foe]);
    const double gap = distance(here, target);
    const Tability* spell = shot >= 0 ? &w.spellbook[shot] : nullptr;
    const bool canfire = spell && !form.firstturn && spell->walkcost <= w.walk && !form.inplaycount;
    if (canfire) {
        // The press whose flight meets the foe first, tried about the foe's centre.
        const View view = View::of(form);
        const Board board = Board::of(view);
        const Point at{target.x - spell->spritewidth / 2, target.y - spell->spriteheight / 2};
        std::optional<Press> hit;
        for (double side : {0.0, 3.0, -3.0, 6.0, -6.0, 9.0, -9.0}) {
            const double len = std::max(1.0, distance(here, at));
            const Point off{at.x - (at.y - here.y) / len * side, at.y + (at.x - here.x) / len * side};
            const Press p = aimpress(here, off, spell->aim);
            const Flight f = fly(board, *spell, me, w.x, w.y, p);
            if (f.end == Flight::End::wizard && f.index == foe) {
                hit = p;
                break;
            }
        }
        if (hit) {
            if (std::optional<input::Action> a = arm(form, shot))
                return a;
            return input::Action::press(hit->x, hit->y);
        }
    }
    if (form.mode == Mode::aiming)
        return input::Action::click(Control::AbilityBtn);  // Cancel
    // Closer while it is out of reach, keeping the walk for a shot.
    const double reach = spell ? spell->maxrange * speed - 16 : 0;
    const int keep = spell && !form.firstturn ? spell->walkcost : 0;
    if (spell && gap > reach && w.walk - keep >= 1) {
        const Press p = walkpress(here, towards(here, target, gap - reach + 4), w.walk - keep);
        if (p.x != truncate(here.x) || p.y != truncate(here.y))
            return input::Action::press(p.x, p.y);
    }
    // A block across the foe's line of fire, with what is left.
    if (guard >= 0 && w.spellbook[guard].walkcost <= w.walk && form.inplaycount < Inplay::last) {
        bool standing = false;
        for (const Tability& a : form.inplay)
            standing = standing || (!a.name.empty() && a.owner == me && a.kind == Block);
        if (!standing) {
            const Tability& b = w.spellbook[guard];
            const Press p = aimpress(here, towards(here, target, std::min(b.aim, 30.0)), b.aim);
            if (form.mode == Mode::aiming && form.controls.SpellPicker.selected == guard)
                return input::Action::press(p.x, p.y);
            if (std::optional<input::Action> a = arm(form, guard))
                return a;
        }
    }
    return input::Action::click(Control::EndTurnBtn);
}

}  // namespace hexbrawl::tournament
