// SPDX-License-Identifier: MIT
// The computer's foresight of a flight against the flight itself: thousands of
// random spells cast through the game's own inputs at random places, among trees,
// blocks, reflects and wizards, and ticked; what each meets first, and when, is
// what the prediction said.
#include <gtest/gtest.h>

#include <cmath>

#include "game/computer/geometry.h"
#include "game/computer/view.h"
#include "game/flight.h"
#include "game/kinds.h"
#include "game/tform1.h"
#include "tests/testing.h"

namespace hexbrawl {
namespace {

using computer::Flight;

// What happened first to the one projectile in flight, seen from outside.
struct Seen {
    Flight::End end = Flight::End::expired;
    int index = 0;  // the wizard met (1-based)
    int ticks = 0;
};

// The lasting spells on the arena, and their strength, as one number.
std::int64_t lasting(const TForm1& f)
{
    std::int64_t sum = 0;
    for (const Tability& a : f.inplay)
        if (!a.name.empty() && a.kind != Ranged)
            sum += 1000000 + 1000 * a.mineffect + a.maxeffect;
    return sum;
}

int ranged(const TForm1& f)
{
    for (int k = 1; k <= Inplay::last; ++k)
        if (!f.inplay[k].name.empty() && f.inplay[k].kind == Ranged)
            return k;
    return 0;
}

Seen watch(Session& s)
{
    TForm1& f = s.form();
    Seen seen;
    for (int tick = 1; tick <= 400; ++tick) {
        const int k = ranged(f);
        if (!k)
            break;
        const Tability before = f.inplay[k];
        std::vector<std::int32_t> hp, hits;
        for (int p = 1; p <= f.playercount; ++p)
            hp.push_back(f.players[p].hp);
        for (const Tobstacle& t : f.obstacles)
            hits.push_back(t.image.empty() ? -1 : t.hits);
        const std::int64_t standing = lasting(f);
        s.tick(1);
        seen.ticks = tick;
        for (int p = 1; p <= f.playercount; ++p)
            if (f.players[p].hp != hp[static_cast<std::size_t>(p - 1)]) {
                seen.end = Flight::End::wizard;
                seen.index = p;
                return seen;
            }
        for (std::size_t t = 0; t < hits.size(); ++t) {
            const Tobstacle& T = f.obstacles[static_cast<int>(t) + 1];
            if ((T.image.empty() ? -1 : T.hits) != hits[t]) {
                seen.end = Flight::End::tree;
                return seen;
            }
        }
        const int now = ranged(f);
        // A lasting spell with no fading chance left goes at the first tick: no clash.
        if ((tick > spellgrace && lasting(f) != standing) ||
            (now && (f.inplay[now].dx != before.dx || f.inplay[now].mineffect != before.mineffect))) {
            seen.end = Flight::End::standing;
            return seen;
        }
        if (!now)
            return seen;  // spent, or off the arena
    }
    return seen;
}

TEST(Flight, ThePredictionOfEveryFlightIsWhatHappens)
{
    int casts = 0, met = 0;
    Random dice;
    dice.seed = 20261209;
    for (std::uint32_t seed = 1; seed <= 60; ++seed) {
        Session s;
        testing::startmatch(s, seed, 3);
        TForm1& f = s.form();
        ASSERT_TRUE(f.matchrunning);
        for (int trial = 0; trial < 40; ++trial) {
            // A fresh arena: the wizards and trees somewhere, a few blocks and reflects.
            for (int k = 1; k <= Inplay::last; ++k)
                f.inplay[k].name.clear();
            f.inplaycount = 0;
            for (int p = 1; p <= f.playercount; ++p) {
                f.players[p].x = dice.randomint(arenasize - wizardbox);
                f.players[p].y = dice.randomint(arenasize - wizardbox);
                f.players[p].hp = 1000;
            }
            for (Tobstacle& t : f.obstacles)
                if (!t.image.empty()) {
                    t.x = dice.randomint(arenasize);
                    t.y = dice.randomint(arenasize);
                    t.hits = 1000;
                }
            for (int b = dice.randomint(5); b > 0; --b) {
                Tability a = f.catalog[pagesize * pageof(dice.randomint(2) ? Block : Reflect) + dice.randomint(30)];
                a.owner = 1 + dice.randomint(f.playercount);
                a.x = dice.randomint(arenasize) - a.spritewidth / 2;
                a.y = dice.randomint(arenasize) - a.spriteheight / 2;
                if (a.maxrange <= 0 || a.x < 0 || a.y < 0)
                    continue;  // one that would be gone at the first tick, as it would be when cast
                bool onwizard = false;  // which would strike the wizard at the first tick
                for (int p = 1; p <= f.playercount; ++p)
                    onwizard = onwizard || flight::meetswizard({a.x, a.y, a.spritewidth, a.spriteheight},
                                                               f.players[p].x, f.players[p].y);
                if (onwizard)
                    continue;
                a.range = a.maxrange;
                f.inplay[++f.inplaycount] = a;
            }
            // A spell of the catalogue in the first row, pressed somewhere within its aim.
            Tplayer& w = f.players[f.currentplayer];
            const Tability& spell = f.catalog[pagesize * pageof(Ranged) + dice.randomint(pagesize)];
            if (spell.mineffect < 1)
                continue;  // a hit that might hurt nobody could not be told from a miss
            w.spellbook[0] = spell;
            w.walk = 100;
            f.firstturn = false;
            const computer::Point from = computer::centre(w);
            const double angle = dice.randomreal() * 6.283185307179586;
            const double r = dice.randomreal() * spell.aim;
            const computer::Press press{static_cast<int>(from.x + std::cos(angle) * r),
                                        static_cast<int>(from.y + std::sin(angle) * r)};
            if (!computer::onarena(press.x, press.y) ||
                spell.aim < computer::distance(from, {double(press.x), double(press.y)}))
                continue;
            const computer::View view = computer::View::of(f);
            const Flight predicted = computer::fly(computer::Board::of(view), spell, f.currentplayer, w.x, w.y, press);

            s.select(Control::SpellPicker, 0);
            if (f.mode != Mode::aiming)
                s.click(Control::AbilityBtn);
            s.press(press.x, press.y);
            ASSERT_NE(ranged(f), 0) << "seed " << seed << " trial " << trial << ": the spell was not cast";
            ++casts;
            const Seen seen = watch(s);
            ASSERT_EQ(static_cast<int>(seen.end), static_cast<int>(predicted.end))
                << "seed " << seed << " trial " << trial << " press " << press.x << "," << press.y;
            EXPECT_EQ(seen.ticks, predicted.ticks)
                << "seed " << seed << " trial " << trial << " end " << static_cast<int>(seen.end);
            if (seen.end == Flight::End::wizard) {
                EXPECT_EQ(seen.index, predicted.index) << "seed " << seed << " trial " << trial;
            }
            met += seen.end != Flight::End::expired;
        }
    }
    EXPECT_GT(casts, 2000);
    EXPECT_GT(met, casts / 10) << "the flights met something often enough to tell";
}

}  // namespace
}  // namespace hexbrawl
