// SPDX-License-Identifier: MIT
#include "bench/positions.h"

#include "game/computer/geometry.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <stdexcept>
#include <vector>

namespace hexbrawl::bench {

Snapshot::Snapshot(const TForm1& f)
    : inplay_(f.inplay), obstacles_(f.obstacles), explosions_(f.explosions), currentplayer_(f.currentplayer),
      playercount_(f.playercount), mode_(f.mode), inplaycount_(f.inplaycount), treecount_(f.treecount),
      gamelevel_(f.gamelevel), deadcount_(f.deadcount), explosioncount_(f.explosioncount),
      matchrunning_(f.matchrunning), firstturn_(f.firstturn), timer_(f.controls.GameTimer.enabled), random_(f.random),
      frames_(f.frames)
{
    for (int p = Players::first; p <= Players::last; ++p) {
        const Tplayer& w = f.players[p];
        wizards_[static_cast<std::size_t>(p - 1)] = {w.x, w.y, w.hp, w.maxhp, w.walk, w.maxwalk, w.kills};
    }
}

void Snapshot::restore(TForm1& f) const
{
    for (int p = Players::first; p <= Players::last; ++p) {
        Tplayer& w = f.players[p];
        const Wizard& s = wizards_[static_cast<std::size_t>(p - 1)];
        w.x = s.x;
        w.y = s.y;
        w.hp = s.hp;
        w.maxhp = s.maxhp;
        w.walk = s.walk;
        w.maxwalk = s.maxwalk;
        w.kills = s.kills;
    }
    f.inplay = inplay_;
    f.obstacles = obstacles_;
    f.explosions = explosions_;
    f.currentplayer = currentplayer_;
    f.playercount = playercount_;
    f.mode = mode_;
    f.inplaycount = inplaycount_;
    f.treecount = treecount_;
    f.gamelevel = gamelevel_;
    f.deadcount = deadcount_;
    f.explosioncount = explosioncount_;
    f.matchrunning = matchrunning_;
    f.firstturn = firstturn_;
    f.controls.GameTimer.enabled = timer_;
    f.random = random_;
    f.frames = frames_;
}

Census census(const TForm1& f)
{
    Census c;
    c.wizards = f.playercount;
    for (int p = 1; p <= f.playercount; ++p)
        c.alive += f.players[p].hp > 0;
    for (const Tobstacle& t : f.obstacles)
        c.trees += !t.image.empty();
    for (const Tability& a : f.inplay) {
        c.abilities += !a.name.empty();
        c.projectiles += !a.name.empty() && a.kind == Ranged;
    }
    c.explosions = f.explosioncount;
    for (int e = 1; e <= f.explosioncount; ++e) {
        const double r = f.explosions[e].radius;
        c.smallest = e == 1 ? r : std::min(c.smallest, r);
        c.largest = e == 1 ? r : std::max(c.largest, r);
    }
    c.gamelevel = f.gamelevel;
    return c;
}

std::string Census::text() const
{
    return std::to_string(wizards) + " wizards (" + std::to_string(alive) + " standing), " + std::to_string(trees) +
           " trees, " + std::to_string(abilities) + " abilities in play (" + std::to_string(projectiles) +
           " in flight), " + std::to_string(explosions) + " explosions of radius " +
           std::to_string(static_cast<int>(smallest)) + ".." + std::to_string(static_cast<int>(largest)) + ", level " +
           std::to_string(gamelevel);
}

Game::Game(Surface& surface) : switch_(surface), session_(&switch_) {}

void grounded(TForm1& f)
{
    for (int i = Inplay::first; i <= f.inplaycount;) {
        if (f.inplay[i].kind != Ranged) {
            ++i;
            continue;
        }
        f.inplay.remove(i, Inplay::last, [](Tability& last) { last = Tability{}; });
        --f.inplaycount;
    }
}

namespace {

[[noreturn]] void fail(const std::string& what) { throw std::runtime_error("building a position: " + what); }

// The computer player's geometry: centres, distances, the nearest foe, aiming.
using computer::centre;
using computer::distance;
using computer::Point;

// The box of an ability in play overlaps the 20 x 20 box of a wizard at (x, y),
// tested as the tick tests a hit.
bool overlaps(const Tability& a, double x, double y)
{
    return a.x + a.spritewidth > x && x + 20 > a.x && a.y + a.spriteheight > y && y + 20 > a.y;
}

// What to buy at each visit to the Stats Editor; called with the wizard loaded.
using Visit = std::function<void(class Bot&)>;

// Plays through the runner's API only: the clicks, texts, rows, presses and ticks a
// player would give. It reads the state to aim, as a player looks at the screen.
class Bot {
public:
    explicit Bot(Session& s) : s_(s), f_(s.form()) {}

    Tplayer& me() { return f_.players[f_.currentplayer]; }
    int points() const { return f_.controls.PointGauge.value; }

    // ---- the Stats Editor

    void buy(int page, int level)
    {
        const std::size_t before = f_.controls.Yourlist.items.size();
        s_.select(Control::MagicType, page);
        s_.select(Control::PurchaseList, level - 1);
        s_.click(Control::PurchaseBtn);
        if (f_.controls.Yourlist.items.size() != before + 1)
            fail("could not buy level " + std::to_string(level) + " of page " + std::to_string(page));
    }

    int slotof(int kind, int level)
    {
        for (int k = Spellbook::first; k <= Spellbook::last; ++k) {
            const Tability& a = me().spellbook[k];
            if (!a.name.empty() && a.kind == kind && a.level == level)
                return k;
        }
        return -1;
    }

    void sell(int slot)
    {
        s_.select(Control::MagicType, me().spellbook[slot].kind - 1);
        s_.select(Control::Yourlist, slot);
        s_.click(Control::SellBtn);
    }

    void raisewalk() { s_.set(Control::ManaPicker, std::to_string(std::min(100, me().maxwalk + points() / 2))); }
    void raisehealth() { s_.set(Control::HealthPicker, std::to_string(std::min(100, me().maxhp + points()))); }

    void roster(int count, const Visit& visit)
    {
        s_.click(Control::TitleImage);
        s_.set(Control::PlayerCountSpinner, std::to_string(count));
        for (int i = 1; i <= count; ++i) {
            s_.set(Control::PlayerNameEd, "Mage" + std::to_string(i));
            s_.set(Control::PictureBox, "wizard" + std::to_string((i - 1) % 9 + 1));
            s_.set(Control::SndBox, "Death1");
            visit(*this);
            s_.click(Control::NextPlayerBtn);
        }
        if (!f_.matchrunning)
            fail("the first match did not start");
    }

    // The editor after a round: every wizard in turn, then the next match.
    void revisit(const Visit& visit)
    {
        if (f_.matchrunning || !f_.controls.PurchaseWindow.visible)
            fail("no round has ended");
        for (int i = 1; i <= f_.playercount; ++i) {
            visit(*this);
            s_.click(Control::NextPlayerBtn);
        }
        if (!f_.matchrunning)
            fail("the next match did not start");
    }

    // ---- the arena

    void endturn()
    {
        cancel();
        s_.click(Control::EndTurnBtn);
        s_.clearrecords();
    }

    void cancel()
    {
        if (f_.mode == Mode::aiming)
            s_.click(Control::AbilityBtn);
    }

    bool flying() const
    {
        for (const Tability& a : f_.inplay)
            if (!a.name.empty() && a.kind == Ranged)
                return true;
        return false;
    }

    // Ticks until nothing flies any more (or the round is over).
    void settle()
    {
        for (int i = 0; i < 200 && flying() && f_.controls.GameTimer.enabled; ++i)
            s_.tick(1);
        s_.clearrecords();
    }

    static int pixel(double v) { return std::clamp(static_cast<int>(std::lround(v)), 0, arenasize - 1); }

    // Walks the wizard in turn so that its centre lands on `to`, if its walk reaches.
    bool walkto(Point to)
    {
        cancel();
        const int x = pixel(to.x), y = pixel(to.y);
        const std::int32_t before = me().walk;
        const int who = f_.currentplayer;
        s_.press(x, y);
        return f_.currentplayer != who || me().walk != before;
    }

    // Walk points a step to `to` costs, or a number beyond any walk if out of reach.
    int stepcost(Point to)
    {
        const Point from = centre(me());
        const double d = distance(from, {static_cast<double>(pixel(to.x)), static_cast<double>(pixel(to.y))});
        if (me().walk * 10.0 < d)
            return 1 << 20;
        return truncate(d / 10) + 1;
    }

    // Casts spellbook slot `slot` with a press at `at`; true when it went into play.
    bool cast(int slot, Point at)
    {
        cancel();
        s_.select(Control::SpellPicker, slot);
        s_.click(Control::AbilityBtn);
        if (f_.mode != Mode::aiming)
            return false;
        const std::int32_t before = f_.inplaycount;
        s_.press(pixel(at.x), pixel(at.y));
        cancel();
        return f_.inplaycount == before + 1;
    }

    // A press point towards `target` that lies within `aim` of the caster's centre.
    Point aimat(Point target, double aim)
    {
        const computer::Press p = computer::aimpress(centre(me()), target, aim - 1.0);
        return {static_cast<double>(p.x), static_cast<double>(p.y)};
    }

    // The cheapest spell that always hurts: a bought Ranged one (its effect is at least 1).
    int killer()
    {
        int best = -1;
        for (int k = Spellbook::first; k <= Spellbook::last; ++k) {
            const Tability& a = me().spellbook[k];
            if (a.name.empty() || a.kind != Ranged || a.mineffect < 1)
                continue;
            if (best < 0 || a.walkcost < me().spellbook[best].walkcost)
                best = k;
        }
        return best;
    }

    // The nearest living foe; -1 when none is left.
    int nearestenemy()
    {
        const int foe = computer::nearestfoe(f_, f_.currentplayer);
        return foe ? foe : -1;
    }

    // One move of a round: walk up to the nearest enemy and shoot it at close range,
    // where no tree can be in the way; or hand the turn on.
    void fight()
    {
        Tplayer& w = me();
        const int k = killer();
        const int t = w.hp > 0 && !f_.firstturn ? nearestenemy() : -1;
        if (k < 0 || t < 0) {
            endturn();
            return;
        }
        const Tability& a = w.spellbook[k];
        const Point tc = centre(f_.players[t]);
        double d = distance(centre(w), tc);
        if (d > 16) {
            const Point wc = centre(w);
            const Point near{tc.x + (wc.x - tc.x) * 12 / d, tc.y + (wc.y - tc.y) * 12 / d};
            if (w.walk - stepcost(near) >= a.walkcost) {
                walkto(near);
            } else {
                // As far as the walk allows while keeping enough to cast.
                const int spare = w.walk - a.walkcost;
                if (spare >= 1) {
                    const double r = spare * 10.0 - 2;
                    walkto({wc.x + (tc.x - wc.x) * r / d, wc.y + (tc.y - wc.y) * r / d});
                }
            }
            d = distance(centre(me()), tc);
        }
        if (f_.currentplayer != t && me().walk >= a.walkcost && d < a.range * 8 * 0.7 && cast(k, aimat(tc, a.aim))) {
            settle();
            return;
        }
        endturn();
    }

    // Plays until the round ends.
    void round()
    {
        const std::int32_t level = f_.gamelevel;
        for (int guard = 0; f_.gamelevel == level; ++guard) {
            if (guard > 20000)
                fail("a round that does not end");
            fight();
        }
    }

    Session& s_;
    TForm1& f_;
};

// The rounds of a whole evening: the wizards buy a spell that always hurts and walk
// to spare, stay frail so that rounds end quickly, and at the visit before the last
// put their points into a spell to sell back at the last one.
void campaign(Bot& bot, int players, int finallevel, const Visit& last)
{
    const auto visit = [&](Bot& b) {
        const std::int32_t g = b.f_.gamelevel;
        if (g == finallevel) {
            last(b);
            return;
        }
        if (b.killer() < 0)
            b.buy(0, 1);
        if (g == finallevel - 1 && g > 1) {
            b.buy(1, b.points() / 3);  // a block kept only for its refund
            return;
        }
        b.raisewalk();
    };
    bot.roster(players, visit);
    while (bot.f_.gamelevel < finallevel) {
        bot.round();
        bot.revisit(visit);
    }
}

// The last visit: the spell whose hits make the explosions, the points of the kept
// block back, health with them, and a cheap block to fill the arena.
Visit lastvisit(int hitpage, int hitlevel)
{
    return [=](Bot& b) {
        b.buy(hitpage, hitlevel);
        for (int k = Spellbook::first; k <= Spellbook::last; ++k) {
            const Tability& a = b.me().spellbook[k];
            if (!a.name.empty() && a.kind == Block && a.level > 1 && !(hitpage == 1 && a.level == hitlevel)) {
                b.sell(k);
                break;
            }
        }
        if (b.slotof(Block, 1) < 0 && b.points() >= 3)
            b.buy(1, 1);
        b.raisehealth();
    };
}

struct Setup {
    int trees = 0;  // wait for saplings until there are this many
    int hits = 0;  // spells of the hit kind put on wizards, hitting in one tick
    int hitkind = Block;
    int hitlevel = 10;
    int fillers = 0;  // level-1 blocks standing on the arena
    int projectiles = 0;  // shots in flight
};

// Sets the last match up: trees, then the hits in one tick, then the standing blocks
// and the shots, which are in the air when the position is taken.
void arrange(Bot& b, const Setup& setup)
{
    TForm1& f = b.f_;
    for (int guard = 0; f.treecount < setup.trees; ++guard) {
        if (guard > 5000)
            fail("no saplings");
        b.endturn();
    }

    // The wizards who take the hits stand still; the others walk up and cast on them,
    // never more than a target survives.
    const auto spellof = [&](int p) {
        for (int k = Spellbook::first; k <= Spellbook::last; ++k) {
            const Tability& a = f.players[p].spellbook[k];
            if (!a.name.empty() && a.kind == setup.hitkind && a.level == setup.hitlevel)
                return k;
        }
        fail("a wizard without the spell for the hits");
    };
    const auto harm = [&](int p) {
        const Tability& a = f.players[p].spellbook[spellof(p)];
        return std::max({1, a.mineffect, a.maxeffect - 1});
    };
    const auto ishit = [&](const Tability& a) {
        return !a.name.empty() && a.kind == setup.hitkind && a.level == setup.hitlevel;
    };
    const auto pending = [&] {
        int n = 0;
        for (const Tability& a : f.inplay)
            n += ishit(a);
        return n;
    };
    const auto room = [&](int t) {
        int left = f.players[t].hp - 1;
        for (const Tability& a : f.inplay)
            if (ishit(a) && overlaps(a, f.players[t].x, f.players[t].y))
                left -= harm(a.owner);
        return left;
    };
    const auto alone = [&](int p) {
        for (int q = 1; q <= f.playercount; ++q)
            if (q != p && std::abs(f.players[q].x - f.players[p].x) < 21 &&
                std::abs(f.players[q].y - f.players[p].y) < 21)
                return false;
        return true;
    };
    std::vector<int> targets;
    if (setup.hits > 0) {
        int capacity = 0;
        for (int p = 1; p <= f.playercount && capacity < setup.hits; ++p) {
            if (!alone(p))
                continue;
            targets.push_back(p);
            capacity += (f.players[p].hp - 1) / harm(p);
        }
        if (capacity < setup.hits || static_cast<int>(targets.size()) >= f.playercount)
            fail("the wizards cannot take " + std::to_string(setup.hits) + " hits");
    }
    const auto istarget = [&](int p) { return std::find(targets.begin(), targets.end(), p) != targets.end(); };
    // A place where the caster's box touches nothing another wizard has cast, nor
    // the box of a target, where the spells land.
    const auto safe = [&](Point c, int who) {
        for (const Tability& a : f.inplay)
            if (!a.name.empty() && a.owner != who && overlaps(a, c.x - 10, c.y - 10))
                return false;
        for (int t : targets) {
            const Point tc = centre(f.players[t]);
            if (std::abs(c.x - tc.x) < 20.5 && std::abs(c.y - tc.y) < 20.5)
                return false;
        }
        return true;
    };

    for (int guard = 0; pending() < setup.hits; ++guard) {
        if (guard > 400)
            fail("the hits could not be laid");
        const int me = f.currentplayer;
        if (istarget(me) || f.players[me].hp <= 0) {
            b.endturn();
            continue;
        }
        const int slot = spellof(me);
        const int damage = harm(me);
        const Tability& spell = f.players[me].spellbook[slot];
        bool laid = true;
        while (laid && pending() < setup.hits && f.currentplayer == me && f.players[me].walk >= spell.walkcost) {
            laid = false;
            for (int t : targets) {
                if (room(t) < damage)
                    continue;
                const Point tc = centre(f.players[t]);
                // From where it stands if the target is within aim, or from beside it.
                for (int i = -1; i < 32 && !laid; ++i) {
                    Point stand = centre(f.players[me]);
                    if (i >= 0) {
                        const double angle = i * std::numbers::pi / 16;
                        const double r = std::min(spell.aim - 2, 24.0 + (i % 3) * 2);
                        stand = {static_cast<double>(Bot::pixel(tc.x + r * std::cos(angle))),
                                 static_cast<double>(Bot::pixel(tc.y + r * std::sin(angle)))};
                        if (stand.x < 10 || stand.y < 10 || stand.x > 739 || stand.y > 739)
                            continue;
                    }
                    if (!safe(stand, me) || distance(stand, tc) > spell.aim - 0.8)
                        continue;
                    if (i >= 0) {
                        if (f.players[me].walk - b.stepcost(stand) < spell.walkcost || !b.walkto(stand))
                            continue;
                        if (f.currentplayer != me)
                            break;
                    }
                    laid = b.cast(slot, tc);
                }
                if (laid || f.currentplayer != me)
                    break;
            }
        }
        if (f.currentplayer == me)
            b.endturn();
    }
    if (setup.hits > 0) {
        // A hit moves the later places down, and the one moved into the place just
        // processed waits for the next tick: about half land in each tick.
        for (int i = 0; i < 12 && pending() > 0; ++i)
            b.s_.tick(1);
        if (f.explosioncount < std::min(setup.hits, Explosions::size))
            fail("only " + std::to_string(f.explosioncount) + " explosions");
        b.cancel();
    }

    // Standing blocks, each clear of every other wizard.
    const auto fillers = [&] {
        int n = 0;
        for (const Tability& a : f.inplay)
            n += !a.name.empty() && a.kind == Block && a.level == 1;
        return n;
    };
    const auto clearofothers = [&](Point c, int who) {
        for (int p = 1; p <= f.playercount; ++p)
            if (p != who && f.players[p].hp > 0 && std::abs(f.players[p].x + 10 - c.x) < 31 &&
                std::abs(f.players[p].y + 10 - c.y) < 31)
                return false;
        return true;
    };
    for (int guard = 0; fillers() < setup.fillers; ++guard) {
        if (guard > 400)
            fail("the standing blocks could not be laid");
        const int me = f.currentplayer;
        const int slot = b.slotof(Block, 1);
        if (slot < 0 || f.players[me].hp <= 0) {
            b.endturn();
            continue;
        }
        const Tability& spell = f.players[me].spellbook[slot];
        for (int step = 0; step < 40 && fillers() < setup.fillers && f.currentplayer == me; ++step) {
            const Point here = centre(f.players[me]);
            if (f.players[me].walk < spell.walkcost)
                break;
            const double angle = step * 2.4;
            const Point at{here.x + (spell.aim - 1.5) * std::cos(angle), here.y + (spell.aim - 1.5) * std::sin(angle)};
            if (at.x > 12 && at.y > 12 && at.x < 738 && at.y < 738 && clearofothers(at, me))
                b.cast(slot, at);
            if (step % 3 == 2 && f.players[me].walk > spell.walkcost + 6) {
                // Move on a little to spread them out, onto nothing of the others'.
                for (int i = 0; i < 8; ++i) {
                    const double a2 = angle + i * std::numbers::pi / 4;
                    const Point next{here.x + 35 * std::cos(a2), here.y + 35 * std::sin(a2)};
                    if (next.x > 15 && next.y > 15 && next.x < 735 && next.y < 735 && safe(next, me) &&
                        clearofothers(next, me)) {
                        b.walkto(next);
                        break;
                    }
                }
            }
        }
        if (f.currentplayer == me && fillers() < setup.fillers)
            b.endturn();
    }

    // The shots: all from one wizard in one turn, in directions where nobody stands
    // for the first ticks of flight; it first puts back any standing block that
    // faded while the turn went round.
    const auto open = [&](double angle) {
        const Point from = centre(b.me());
        const double reach = b.killer() < 0 ? 0 : b.me().spellbook[b.killer()].aim - 1.5;
        const Point at{from.x + reach * std::cos(angle), from.y + reach * std::sin(angle)};
        if (at.x < 1 || at.y < 1 || at.x > 748 || at.y > 748)
            return false;
        for (int step = 1; step <= 4; ++step) {
            const double x = from.x + step * 8 * std::cos(angle), y = from.y + step * 8 * std::sin(angle);
            for (int p = 1; p <= f.playercount; ++p) {
                const Tplayer& w = f.players[p];
                if (p != f.currentplayer && x + 9 > w.x && w.x + 22 > x && y + 9 > w.y && w.y + 22 > y)
                    return false;
            }
        }
        return true;
    };
    if (setup.projectiles > 0) {
        for (int guard = 0;; ++guard) {
            if (guard > 50)
                fail("no wizard could shoot");
            const int k = b.killer();
            const int me = f.currentplayer;
            const int filler = b.slotof(Block, 1);
            const int need =
                k < 0 || (filler < 0 && setup.fillers > 0)
                    ? 1 << 20
                    : setup.projectiles * f.players[me].spellbook[k].walkcost +
                          (setup.fillers - fillers()) * (filler < 0 ? 0 : f.players[me].spellbook[filler].walkcost);
            int directions = 0;
            for (int i = 0; i < 36; ++i)
                directions += open(i * std::numbers::pi / 18);
            if (f.players[me].hp > 0 && f.players[me].walk >= need && directions >= 12)
                break;
            b.endturn();
        }
        const Point from = centre(b.me());
        const int filler = b.slotof(Block, 1);
        for (int i = 0; i < 64 && fillers() < setup.fillers; ++i) {
            const double aim = b.me().spellbook[filler].aim - 1.5;
            b.cast(filler, {from.x + aim * std::cos(i * 0.9), from.y + aim * std::sin(i * 0.9)});
        }
        const int k = b.killer();
        const double reach = b.me().spellbook[k].aim - 1.5;
        int cast = 0;
        for (int i = 0; i < 720 && cast < setup.projectiles; ++i) {
            const double angle = i * 0.7;
            if (open(angle))
                cast += b.cast(k, {from.x + reach * std::cos(angle), from.y + reach * std::sin(angle)});
        }
        if (cast < setup.projectiles)
            fail("only " + std::to_string(cast) + " shots");
    }
    b.cancel();
    b.s_.clearrecords();
}

// The first seed from `from` on whose catalogue `fits` holds.
std::uint32_t seedwhere(std::uint32_t from, const std::function<bool(const Catalog&)>& fits)
{
    for (std::uint32_t seed = from; seed < from + 100000; ++seed) {
        Session s;
        s.start(seed);
        if (fits(s.form().catalog))
            return seed;
    }
    fail("no seed found");
}

std::unique_ptr<Game> play(Surface& surface, std::uint32_t seed, int players, int finallevel, int hitpage,
                           const Setup& setup)
{
    auto game = std::make_unique<Game>(surface);
    game->session().start(seed);
    Bot bot(game->session());
    campaign(bot, players, finallevel, lastvisit(hitpage, setup.hitlevel));
    arrange(bot, setup);
    return game;
}

// A spell whose hits a wizard of 100 health survives eight times, cast from beside it.
bool gentle(const Tability& a) { return std::max(a.mineffect, a.maxeffect - 1) <= 12 && a.aim >= 26; }

}  // namespace

std::unique_ptr<Game> typical(Surface& surface)
{
    // The number of trees is whatever the rounds left: evenings are tried until one
    // leaves 20 (the search began at 1000 and found this one).
    for (std::uint32_t from = 269408;;) {
        const std::uint32_t seed =
            seedwhere(from, [](const Catalog& c) { return gentle(c[catalogindex(pageof(Block), 10 - 1)]); });
        std::unique_ptr<Game> game = play(surface, seed, 4, 12, 1, Setup{0, 2, Block, 10, 0, 4});
        if (census(game->form()).trees == 20)
            return game;
        from = seed + 1;
    }
}

std::unique_ptr<Game> quiet(Surface& surface)
{
    std::unique_ptr<Game> game = typical(surface);
    grounded(game->form());
    game->form().explosioncount = 0;
    return game;
}

std::unique_ptr<Game> busy(Surface& surface)
{
    const std::uint32_t seed =
        seedwhere(2000, [](const Catalog& c) { return gentle(c[catalogindex(pageof(Block), 10 - 1)]); });
    return play(surface, seed, 12, 34, 1, Setup{30, 25, Block, 10, 25, 25});
}

std::unique_ptr<Game> worst(Surface& surface)
{
    const std::uint32_t seed =
        seedwhere(3000, [](const Catalog& c) { return gentle(c[catalogindex(pageof(Reflect), pagesize - 1)]); });
    return play(surface, seed, 12, 75, 2, Setup{30, 25, Reflect, 100, 25, 25});
}

}  // namespace hexbrawl::bench
