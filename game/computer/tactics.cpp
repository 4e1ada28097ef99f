// SPDX-License-Identifier: MIT
// A computer's turn. It looks at the places it could reach with its walk and its
// teleports, the volleys it could fire from each (flown as the game flies them,
// past trees, blocks and reflects), the place it could withdraw to with what walk
// is left, and what every foe could do to it there on their turns; it takes the
// plan that deals the most and risks the least, and plays its first step.
#include "game/computer/tactics.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "game/computer/geometry.h"

namespace hexbrawl::computer {

namespace {

using input::Action;

// A spell of the wizard's own, with the row it has in the turn display.
struct Spell {
    int row = 0;
    const Tability* a = nullptr;
    Roll roll;
};

// A way to stand somewhere else: a walking press, or a teleport.
struct Move {
    Press press;
    int row = -1;  // the teleport's row; -1 for a step
    int cost = 0;
    Point at;  // the centre afterwards
};

// One shot or one spell put down, in the plan.
struct Cast {
    int row = 0;
    Press press;
};

// What a foe can do in its turn, as far as anyone can tell from its spellbook.
struct Foe {
    int id = 0;
    double hp = 0;
    Point at;
    int walk = 0;  // its full walk, which it gets back at its turn
    double hop = 10;  // pixels it covers per walk point at best
    std::vector<const Tability*> ranged;
};

struct Volley {
    double value = 0;  // what it deals, weighed
    double self = 0;  // what comes back at the caster
    int used = 0;
    std::vector<Cast> casts;
    std::vector<double> dealt;  // expected damage per wizard, 1-based
    std::vector<double> killed;  // chance of each kill
};

struct Plan {
    double value = -1e18;
    Move first;
    Volley volley;
    Move last;  // withdrawing afterwards
    bool hasfirst = false, haslast = false;
    std::vector<Cast> after;  // spells put down at the end
};

// How far a shot of `s` reaches: `margin` pixels short of its flight.
double shotreach(const Tability& s, double margin = shortofflight) { return s.maxrange * speed - margin; }

// What a volley of `s` deals after closing in from `d` pixels away, with `walk`
// points and `hop` pixels covered per point: the shots the rest of the walk pays for.
double strike(const Tability& s, double d, int walk, double hop, double margin = shortofflight)
{
    if (s.walkcost <= 0)
        return 0;
    const double need = std::max(0.0, d - shotreach(s, margin));
    const int cost = need <= 0 ? 0 : static_cast<int>(std::ceil(need / hop));
    const int shots = std::min(6, (walk - cost) / s.walkcost);
    return shots >= 1 ? shots * Roll::of(s).mean() : 0;
}

// Drops every item that another is at least as good as (`asgood(s, t)`: t is as good as
// s in everything); of items equally good, the first stays.
template <typename T, typename AsGood>
void keepbest(std::vector<T>& items, AsGood asgood)
{
    std::vector<T> kept;
    for (std::size_t i = 0; i < items.size(); ++i) {
        bool beaten = false;
        for (std::size_t j = 0; j < items.size() && !beaten; ++j)
            beaten = j != i && asgood(items[i], items[j]) && !(asgood(items[j], items[i]) && j > i);
        if (!beaten)
            kept.push_back(items[i]);
    }
    items = std::move(kept);
}
constexpr double twopi = 6.283185307179586;
constexpr double rimwidth = 40;  // pixels from the rim in which standing costs something

class Planner {
public:
    Planner(const View& view, const Turn& turn, Random& dice)
        : f_(view), skill_(view.skill), turn_(turn), dice_(dice), me_(view.me), w_(view.self()), board_(Board::of(view))
    {
        const int stall = turn.stall;
        // Bolder the longer nothing happens, so that no round stands still.
        caution_ = skill_.caution * std::max(0.0, 1.0 - 0.1 * stall);
        eagerness_ = std::min(3.0, skill_.eagerness + 0.15 * stall);
        const bool full = view.full;
        for (int row = 0; row < view.rows && row < static_cast<int>(w_.spellbook.size()); ++row) {
            const Tability& a = w_.spellbook[static_cast<std::size_t>(row)];
            if (a.name.empty() || full)
                continue;
            const Spell s{row, &a, Roll::of(a)};
            switch (a.kind) {
            case Ranged:
                if (!view.firstturn)
                    ranged_.push_back(s);
                break;
            case Block:
            case Reflect: lasting_.push_back(s); break;
            case Teleport: teleports_.push_back(s); break;
            default: break;
            }
        }
        dropweaker();
        for (const Spell& t : teleports_)
            hop_ = std::max(hop_, t.a->aim / std::max(1, t.a->walkcost));
        for (const Spell& s : ranged_) {
            reachpx_ = std::max(reachpx_, shotreach(*s.a) + (w_.maxwalk - s.a->walkcost) * hop_);
            shotpx_ = std::max(shotpx_, shotreach(*s.a));
        }
        for (int p = 1; p <= view.playercount; ++p) {
            const View::Wizard& w = view.wizard(p);
            if (p == me_ || w.hp <= 0)
                continue;
            Foe foe{p, double(w.hp), centre(w), w.maxwalk, 10, {}};
            for (const Tability& a : w.spellbook) {
                if (a.name.empty())
                    continue;
                if (a.kind == Ranged)
                    foe.ranged.push_back(&a);
                else if (a.kind == Teleport && a.walkcost > 0)
                    foe.hop = std::max(foe.hop, a.aim / a.walkcost);
            }
            keepbest(foe.ranged, [](const Tability* s, const Tability* t) {
                return t->walkcost <= s->walkcost && t->maxrange >= s->maxrange &&
                       Roll::of(*t).mean() >= Roll::of(*s).mean();
            });
            foes_.push_back(foe);
        }
    }

    std::vector<Action> next()
    {
        if (foes_.empty() || w_.walk <= 0)
            return {Action::click(Control::EndTurnBtn)};
        const Plan plan = best();
        if (plan.hasfirst)
            return moveto(plan.first);
        if (!plan.volley.casts.empty())
            return cast(rough(plan.volley.casts.front()));
        if (plan.haslast)
            return moveto(plan.last);
        if (!plan.after.empty())
            return cast(plan.after.front());
        // Hit since its last turn, it does not stand and wait for the next blow: it
        // goes where it fares best, even if that is hardly better than here.
        if (turn_.hit)
            if (const std::optional<Move> m = refuge())
                return moveto(*m);
        return {Action::click(Control::EndTurnBtn)};
    }

private:
    // The place it fares best at with all its walk, other than where it stands.
    std::optional<Move> refuge() const
    {
        const Point here = centre(w_);
        const std::vector<double> none(static_cast<std::size_t>(f_.playercount) + 1, 0);
        std::optional<Move> best;
        double value = 0;
        for (const Move& m : moves(here, w_.walk, std::max(8, skill_.rays), false)) {
            if (distance(m.at, here) < 1)
                continue;
            Board b = board_;
            b.wizard(me_).x = m.at.x - wizardsize / 2;
            b.wizard(me_).y = m.at.y - wizardsize / 2;
            const double e = ending(b, m.at, none, true) - 0.01 * m.cost;
            if (!best || e > value) {
                best = m;
                value = e;
            }
        }
        return best;
    }

    // A shot as a beginner aims it: the press off by up to the skill's error, but
    // never so far off that it flies into a spell of its own.
    Cast rough(Cast c) const
    {
        if (skill_.aimerror <= 0)
            return c;
        const Spell* s = nullptr;
        for (const Spell& r : ranged_)
            if (r.row == c.row)
                s = &r;
        if (!s)
            return c;
        const Point here = centre(w_);
        const double angle = dice_.randomreal() * twopi;
        const double r = dice_.randomreal() * skill_.aimerror;
        const Press p{static_cast<int>(std::lround(c.press.x + std::cos(angle) * r)),
                      static_cast<int>(std::lround(c.press.y + std::sin(angle) * r))};
        if (!onarena(p.x, p.y) || s->a->aim < distance(here, {double(p.x), double(p.y)}))
            return c;
        const Flight fl = fly(board_, *s->a, me_, w_.x, w_.y, p);
        if (fl.end == Flight::End::standing && board_.standing[static_cast<std::size_t>(fl.index)].owner == me_)
            return c;
        c.press = p;
        return c;
    }

    // Of two spells of a kind where one is no better in anything, the other is enough.
    void dropweaker()
    {
        keepbest(ranged_, [](const Spell& s, const Spell& t) {
            return t.a->walkcost <= s.a->walkcost && t.a->maxrange >= s.a->maxrange && t.roll.mean() >= s.roll.mean() &&
                   t.a->aim >= s.a->aim;
        });
        keepbest(teleports_,
                 [](const Spell& s, const Spell& t) { return t.a->walkcost <= s.a->walkcost && t.a->aim >= s.a->aim; });
        keepbest(lasting_, [](const Spell& s, const Spell& t) {
            return t.a->kind == s.a->kind && t.a->walkcost <= s.a->walkcost && t.roll.mean() >= s.roll.mean() &&
                   t.a->aim >= s.a->aim;
        });
    }

    // The `count` foes nearest to `at`, nearest first (the first wizard of a tie first).
    std::vector<const Foe*> nearest(Point at, std::size_t count) const
    {
        std::vector<std::pair<double, const Foe*>> byfar;
        for (const Foe& foe : foes_)
            byfar.push_back({distance(at, foe.at), &foe});
        std::stable_sort(byfar.begin(), byfar.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        std::vector<const Foe*> out;
        for (std::size_t i = 0; i < byfar.size() && i < count; ++i)
            out.push_back(byfar[i].second);
        return out;
    }

    // The actions that get the spell of `row` armed, then the press.
    std::vector<Action> cast(const Cast& c) const
    {
        std::vector<Action> out;
        const int selected = f_.selected;
        if (f_.mode == Mode::aiming && selected != c.row)
            out.push_back(Action::click(Control::AbilityBtn));  // Cancel first
        if (f_.mode != Mode::aiming || selected != c.row) {
            if (selected != c.row)
                out.push_back(Action::select(Control::SpellPicker, c.row));
            out.push_back(Action::click(Control::AbilityBtn));
        }
        out.push_back(Action::press(c.press.x, c.press.y));
        return out;
    }

    std::vector<Action> moveto(const Move& m) const
    {
        if (m.row >= 0)
            return cast({m.row, m.press});
        std::vector<Action> out;
        if (f_.mode == Mode::aiming)
            out.push_back(Action::click(Control::AbilityBtn));
        out.push_back(Action::press(m.press.x, m.press.y));
        return out;
    }

    // Places to go from `from` with `walk` points: stepping, and each teleport.
    std::vector<Move> moves(Point from, int walk, int rays, bool targeted) const
    {
        std::vector<Move> out;
        auto add = [&](Press p, int row, int cost) {
            if (cost <= walk && onarena(p.x, p.y))
                out.push_back({p, row, cost, {double(p.x), double(p.y)}});
        };
        std::vector<int> steps;
        for (int k : {1, 3, 7, 12})
            if (k < walk)
                steps.push_back(k);
        steps.push_back(walk);
        for (int i = 0; i < rays; ++i) {
            const double angle = twopi * i / rays;
            const Point far{from.x + std::cos(angle) * 2000, from.y + std::sin(angle) * 2000};
            for (int k : steps) {
                const Press p = walkpress(from, far, k);
                add(p, -1, stepcost(from, p.x, p.y));
            }
            for (const Spell& t : teleports_)
                for (double share : {1.0, 0.55}) {
                    const Press p = aimpress(from, towards(from, far, t.a->aim * share), t.a->aim);
                    add(p, t.row, t.a->walkcost);
                }
        }
        if (!targeted)
            return out;
        // The spots from which each spell would just reach each of the nearest foes.
        for (const Foe* f : nearest(from, static_cast<std::size_t>(skill_.targets)))
            for (const Spell& s : ranged_) {
                const Foe& foe = *f;
                const double d = distance(from, foe.at);
                const double want = std::max(0.0, d - (s.a->maxrange * speed * 0.85));
                if (want <= 0)
                    continue;
                const Point spot = towards(from, foe.at, want);
                const Press p = walkpress(from, spot, walk);
                add(p, -1, stepcost(from, p.x, p.y));
                for (const Spell& t : teleports_)
                    add(aimpress(from, spot, t.a->aim), t.row, t.a->walkcost);
            }
        return out;
    }

    // The foe's blow at a wizard standing at `at`: its best volley after closing in.
    double blow(const Foe& foe, Point at) const
    {
        double best = 0;
        for (const Tability* s : foe.ranged)
            best = std::max(best, strike(*s, distance(foe.at, at), foe.walk, foe.hop, skill_.foemargin));
        return best;
    }

    // What this wizard could deal to `foe` in its next turn from `at`.
    double reach(const Foe& foe, Point at) const
    {
        double best = 0;
        for (const Spell& s : ranged_)
            best = std::max(best, std::min(strike(*s.a, distance(foe.at, at), w_.maxwalk, hop_), foe.hp));
        return best;
    }

    // How much of a foe's shot at `at` gets through what stands in its way.
    double cover(const Board& board, const Foe& foe, Point at) const
    {
        const Tability* s = nullptr;
        for (const Tability* r : foe.ranged)
            if (!s || Roll::of(*r).mean() > Roll::of(*s).mean())
                s = r;
        if (!s)
            return 1;
        const double d = distance(foe.at, at);
        const Point from = towards(at, foe.at, std::min(d, shotreach(*s)));
        Board b = board;
        b.wizard(me_).x = at.x - 10;
        b.wizard(me_).y = at.y - 10;
        const Point aimat{at.x - s->spritewidth / 2, at.y - s->spriteheight / 2};
        const Flight fl = fly(b, *s, foe.id, from.x - 10, from.y - 10, aimpress(from, aimat, std::max(1.0, s->aim)));
        switch (fl.end) {
        case Flight::End::tree: return 0.55;
        case Flight::End::standing: {
            const Board::Standing& st = b.standing[static_cast<std::size_t>(fl.index)];
            return 1 - 0.8 * Roll::of(st.mineffect, st.maxeffect).beats(Roll::of(*s));
        }
        case Flight::End::wizard: return fl.index == me_ ? 1.0 : 0.6;
        case Flight::End::expired: return 1.0;
        }
        return 1;
    }

    // The foes' blows at `at`, each foe weighed by its chance to live through the
    // volley, as a loss in health with a kill counted heavily.
    double danger(const Board& board, Point at, const std::vector<double>& killed, double hp, bool precise) const
    {
        double sum = 0;
        for (const Foe& foe : foes_) {
            double b = blow(foe, at);
            if (b <= 0)
                continue;
            if (precise)
                b *= cover(board, foe, at);
            sum += b * (1 - killed[static_cast<std::size_t>(foe.id)]);
        }
        // Standing on a foe's block or reflect: it strikes at the next tick.
        for (const Board::Standing& st : board.standing)
            if (st.owner != me_ && at.x - 10 + 20 > st.x && st.x + st.width > at.x - 10 && at.y - 10 + 20 > st.y &&
                st.y + st.height > at.y - 10)
                sum += Roll::of(st.mineffect, st.maxeffect).mean() * 1.5;
        const double death = std::clamp((sum - 0.6 * hp) / (0.8 * hp + 1), 0.0, 1.0);
        return std::min(sum, hp) + death * (hp + 15);
    }

    double chances(Point at, const std::vector<double>& killed) const
    {
        double best = 0;
        for (const Foe& foe : foes_)
            best = std::max(best, reach(foe, at) * (1 - killed[static_cast<std::size_t>(foe.id)]));
        return best;
    }

    // Shots and spells put down from `at` with `walk` points, target by target.
    // My own shots never hit me: where I stand on the board does not matter to them.
    Volley volley(const Board& board, Point at, int walk) const
    {
        Volley best;
        best.dealt.assign(static_cast<std::size_t>(f_.playercount) + 1, 0);
        best.killed = best.dealt;
        // The nearest few foes, with the spells that deal most for the walk.
        const std::vector<const Foe*> near = nearest(at, static_cast<std::size_t>(skill_.targets));
        std::vector<const Spell*> spells;
        for (const Spell& s : ranged_)
            if (s.a->walkcost <= walk)
                spells.push_back(&s);
        auto dealt = [walk](const Spell* s) { return std::min(6, walk / s->a->walkcost) * s->roll.mean(); };
        std::stable_sort(spells.begin(), spells.end(),
                         [&](const Spell* a, const Spell* b) { return dealt(a) > dealt(b); });
        if (spells.size() > 2)
            spells.resize(2);
        for (const Foe* f : near) {
            const Foe& foe = *f;
            for (const Spell* sp : spells) {
                const Spell& s = *sp;
                if (distance(at, foe.at) > s.a->maxrange * speed + 30)
                    continue;
                Volley v = shots(board, at, s, foe, walk);
                if (v.value > best.value)
                    best = std::move(v);
            }
            for (const Spell& s : lasting_) {
                if (s.a->walkcost > walk)
                    continue;
                Volley v = drop(board, at, s, foe);
                if (v.value > best.value)
                    best = std::move(v);
            }
        }
        return best;
    }

    // The weighed worth of damage dealt to a wizard, a kill most of all.
    double worth(const Foe& foe, double dealt, double kill) const
    {
        return std::min(dealt, foe.hp) + kill * (foe.hp + 20 + blow(foe, centre(w_)));
    }

    // A spell put down on a foe standing within its aim strikes it at the next tick.
    Volley drop(const Board& board, Point at, const Spell& s, const Foe& foe) const
    {
        Volley v;
        v.dealt.assign(static_cast<std::size_t>(f_.playercount) + 1, 0);
        v.killed = v.dealt;
        const Press p = aimpress(at, foe.at, s.a->aim);
        const double x = p.x - s.a->spritewidth / 2;
        const double y = p.y - s.a->spriteheight / 2;
        const Board::Wizard& W = board.wizard(foe.id);
        if (!(x + s.a->spritewidth > W.x && W.x + 20 > x && y + s.a->spriteheight > W.y && W.y + 20 > y))
            return v;
        // Nobody else in the way of it: the first wizard it overlaps is the one struck.
        for (int p2 = 1; p2 < foe.id; ++p2) {
            const Board::Wizard& O = board.wizard(p2);
            if (p2 != me_ && O.hp > 0 && x + s.a->spritewidth > O.x && O.x + 20 > x && y + s.a->spriteheight > O.y &&
                O.y + 20 > y)
                return v;
        }
        const double mean = s.roll.mean();
        v.dealt[static_cast<std::size_t>(foe.id)] = mean;
        v.killed[static_cast<std::size_t>(foe.id)] = s.roll.atleast(foe.hp);
        v.value = worth(foe, mean, v.killed[static_cast<std::size_t>(foe.id)]);
        v.used = s.a->walkcost;
        v.casts.push_back({s.row, p});
        return v;
    }

    // Up to as many shots at `foe` as the walk pays for, each flown on the board
    // as the earlier ones left it.
    Volley shots(const Board& start, Point at, const Spell& s, const Foe& target, int walk) const
    {
        // The board as the shots leave it, copied only when one of them changes it.
        std::optional<Board> changedboard;
        const Board* now = &start;
        auto own = [&]() -> Board& {
            if (!changedboard) {
                changedboard = start;
                now = &*changedboard;
            }
            return *changedboard;
        };
        Volley v;
        v.dealt.assign(static_cast<std::size_t>(f_.playercount) + 1, 0);
        v.killed = v.dealt;
        std::vector<double> left(v.dealt.size(), 0);
        for (const Foe& foe : foes_)
            left[static_cast<std::size_t>(foe.id)] = foe.hp;
        const double mean = s.roll.mean();
        int hits = 0;
        // While the board stays as it was, the next shot flies as the last one did.
        bool changed = true;
        Flight fl;
        Press press;
        bool found = false;
        for (int shot = 0; shot < 6 && v.used + s.a->walkcost <= walk; ++shot) {
            if (v.killed[static_cast<std::size_t>(target.id)] > 0.9)
                break;
            const Board::Wizard& W = now->wizard(target.id);
            const Point aimat{W.x + 10 - s.a->spritewidth / 2, W.y + 10 - s.a->spriteheight / 2};
            // The nearest direction first; a pixel aside when the nearest misses.
            for (double side : {0.0, 4.0, -4.0}) {
                if (!changed)
                    break;
                found = false;
                const double len = std::max(1.0, distance(at, aimat));
                const Point off{aimat.x - (aimat.y - at.y) / len * side, aimat.y + (aimat.x - at.x) / len * side};
                press = aimpress(at, off, s.a->aim);
                fl = fly(*now, *s.a, me_, at.x - 10, at.y - 10, press);
                if (fl.end != Flight::End::expired && !(fl.end == Flight::End::wizard && fl.index != target.id)) {
                    found = true;
                    break;
                }
                if (s.a->aim >= distance(at, aimat))
                    break;  // pressed on the target itself: no better direction
            }
            changed = false;
            if (!found && fl.end == Flight::End::expired)
                break;
            double through = 1;  // the share of the shot that gets past what it meets
            double strength = mean;
            if (fl.end == Flight::End::standing) {
                const Board::Standing& st = now->standing[static_cast<std::size_t>(fl.index)];
                const Roll theirs = Roll::of(st.mineffect, st.maxeffect);
                const double win = s.roll.beats(theirs);
                if (st.kind == Reflect)
                    v.self += theirs.beats(s.roll) * mean;
                strength = std::max(0.0, mean - theirs.mean());
                through = win;
                const int met = fl.index;
                fl = fly(*now, *s.a, me_, at.x - 10, at.y - 10, press, met);
                if (win >= 0.5) {
                    Board& b = own();
                    b.standing.erase(b.standing.begin() + met);
                    if (fl.end == Flight::End::standing && fl.index > met)
                        --fl.index;
                } else {
                    Board::Standing& weakened = own().standing[static_cast<std::size_t>(met)];
                    weakened.mineffect = std::max(0, weakened.mineffect - static_cast<std::int32_t>(mean));
                    weakened.maxeffect = std::max(1, weakened.maxeffect - static_cast<std::int32_t>(mean));
                }
                changed = true;
            }
            v.used += s.a->walkcost;
            v.casts.push_back({s.row, press});
            if (fl.end == Flight::End::tree) {
                Board& b = own();
                Board::Tree& T = b.trees[static_cast<std::size_t>(fl.index)];
                T.hits -= static_cast<std::int32_t>(std::ceil(mean * through));
                if (T.hits <= 0) {
                    b.trees.erase(b.trees.begin() + fl.index);
                    changed = true;
                }
                continue;
            }
            if (fl.end != Flight::End::wizard)
                continue;
            const auto p = static_cast<std::size_t>(fl.index);
            const double k = Roll{static_cast<std::int32_t>(s.roll.lo - (mean - strength)),
                                  static_cast<std::int32_t>(s.roll.hi - (mean - strength))}
                                 .atleast(left[p]) *
                             through;
            v.killed[p] = 1 - (1 - v.killed[p]) * (1 - k);
            v.dealt[p] += strength * through;
            left[p] -= strength * through;
            ++hits;
            if (v.killed[p] > 0.9) {
                own().wizard(fl.index).hp = 0;
                changed = true;
            }
        }
        // What the shots deal, and nothing for the shots that only felled trees when
        // the target stays out of reach.
        for (const Foe& foe : foes_) {
            const auto p = static_cast<std::size_t>(foe.id);
            v.value += worth(foe, v.dealt[p], v.killed[p]);
        }
        v.value -= v.self;
        if (!hits)
            v.value = std::min(v.value, -0.01);
        return v;
    }

    // The value of standing at `at` at the end of the turn with the walk spent.
    double ending(const Board& board, Point at, const std::vector<double>& killed, bool precise) const
    {
        const double hp = std::max(1, w_.hp);
        // Out of reach of everyone, it closes in on the nearest foe.
        double gap = -1;  // none left to close in on
        for (const Foe& foe : foes_)
            if (killed[static_cast<std::size_t>(foe.id)] < 0.9)
                gap = gap < 0 ? std::max(0.0, distance(at, foe.at) - reachpx_)
                              : std::min(gap, std::max(0.0, distance(at, foe.at) - reachpx_));
        // After turns with nobody hurt, it wants the nearest foe within a plain shot.
        double near = -1;
        for (const Foe& foe : foes_)
            if (killed[static_cast<std::size_t>(foe.id)] < 0.9)
                near = near < 0 ? distance(at, foe.at) : std::min(near, distance(at, foe.at));
        // The longer it lasts, the nearer: trees may stand in the way of a shot from afar.
        const double within = shotpx_ * std::max(0.15, 1 - 0.03 * (turn_.stall - 2));
        const double pull = turn_.stall > 2 ? 0.01 * turn_.stall * std::clamp(near - within, 0.0, 1000.0) : 0;
        // The rim is a corner to be driven into, not a plan: worth it only when clearly best.
        const double rim = std::min({at.x, at.y, arenasize - at.x, arenasize - at.y});
        return -caution_ * danger(board, at, killed, hp, precise) + eagerness_ * chances(at, killed) -
               eagerness_ * 0.02 * std::clamp(gap, 0.0, 1000.0) -
               skill_.towardcentre * distance(at, {arenasize / 2.0, arenasize / 2.0}) -
               skill_.shunrim * std::max(0.0, 1 - rim / rimwidth) - pull;
    }

    // With `walk` points left at `at`: where to withdraw to, and what to put down.
    void finish(Plan& plan, const Board& board, Point at, int walk) const
    {
        const std::vector<double>& killed = plan.volley.killed;
        double best = ending(board, at, killed, true);
        Move chosen{};
        bool moved = false;
        if (walk > 0)
            for (const Move& m : moves(at, walk, skill_.withdrawrays, false)) {
                const double e = ending(board, m.at, killed, false);
                if (e > best + 0.5) {
                    const double precise = ending(board, m.at, killed, true);
                    if (precise > best) {
                        best = precise;
                        chosen = m;
                        moved = true;
                    }
                }
            }
        plan.haslast = moved;
        plan.last = chosen;
        const Point end = moved ? chosen.at : at;
        int left = walk - (moved ? chosen.cost : 0);
        // A block or a reflect across the line of the most dangerous foe.
        const Foe* worst = nullptr;
        double worstblow = 0;
        for (const Foe& foe : foes_) {
            const double b = blow(foe, end) * (1 - killed[static_cast<std::size_t>(foe.id)]);
            if (b > worstblow) {
                worstblow = b;
                worst = &foe;
            }
        }
        double value = best;
        for (const Spell& s : lasting_) {
            if (!worst || s.a->walkcost > left || !turn_.guard)
                continue;
            const Press p = aimpress(end, towards(end, worst->at, std::min(s.a->aim, 30.0)), s.a->aim);
            if (p.x < s.a->spritewidth / 2 || p.y < s.a->spriteheight / 2 || s.a->maxrange <= 0)
                continue;  // its corner off the arena, or no fading chance: gone at the next tick
            Board b = board;
            b.standing.push_back({p.x - s.a->spritewidth / 2, p.y - s.a->spriteheight / 2, s.a->spritewidth,
                                  s.a->spriteheight, s.a->kind, me_, s.a->mineffect, s.a->maxeffect,
                                  elementindex(s.a->element)});
            const double e = ending(b, end, killed, true);
            if (e > value + 0.25) {
                value = e;
                plan.after = {{s.row, p}};
            }
        }
        plan.value = plan.volley.value + value - 0.01 * (plan.first.cost + plan.volley.used);
    }

    Plan best() const
    {
        const Point here = centre(w_);
        std::vector<Move> starts = moves(here, w_.walk, skill_.rays, true);
        starts.insert(starts.begin(), Move{{}, -1, 0, here});
        // A rough worth of every start, then the full plan for the best few.
        struct Rough {
            double value;
            std::size_t index;
            Volley volley;
        };
        std::vector<Rough> rough;
        std::vector<double> none(static_cast<std::size_t>(f_.playercount) + 1, 0);
        for (std::size_t i = 0; i < starts.size(); ++i) {
            const Move& m = starts[i];
            Volley v = volley(board_, m.at, w_.walk - m.cost);
            const std::vector<double>& killed = v.casts.empty() ? none : v.killed;
            const double r = std::max(0.0, v.value) + ending(board_, m.at, killed, false) - 0.01 * m.cost;
            rough.push_back({r, i, std::move(v)});
        }
        std::sort(rough.begin(), rough.end(), [](const Rough& a, const Rough& b) {
            return a.value > b.value || (a.value == b.value && a.index < b.index);
        });
        Plan best;
        for (std::size_t n = 0; n < rough.size() && n < static_cast<std::size_t>(skill_.plans); ++n) {
            const Move& m = starts[rough[n].index];
            Plan plan;
            plan.hasfirst = rough[n].index != 0;
            plan.first = m;
            if (rough[n].volley.value > 0)
                plan.volley = rough[n].volley;
            else
                plan.volley.killed = none;
            Board b = board_;
            b.wizard(me_).x = m.at.x - 10;
            b.wizard(me_).y = m.at.y - 10;
            finish(plan, b, m.at, w_.walk - m.cost - plan.volley.used);
            if (plan.value > best.value)
                best = plan;
        }
        return best;
    }

    const View& f_;
    Skill skill_;
    Turn turn_;
    Random& dice_;
    int me_;
    const View::Wizard& w_;
    Board board_;
    std::vector<Spell> ranged_, lasting_, teleports_;
    std::vector<Foe> foes_;
    double caution_ = 1, eagerness_ = 0.5;
    double reachpx_ = 0;
    double shotpx_ =
        0;  // how far its farthest plain shot flies  // how far off a foe may stand and still be shot next turn
    double hop_ = 10;  // pixels this wizard covers per walk point at best
};

}  // namespace

std::vector<input::Action> planturn(const View& view, const Turn& turn, Random& dice)
{
    return Planner(view, turn, dice).next();
}

}  // namespace hexbrawl::computer
