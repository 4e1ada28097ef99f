// SPDX-License-Identifier: MIT
// The game tick: the turn passes when the wizard in turn is spent, abilities fly,
// clash, fell trees and hurt wizards, rounds end and explosions fade.
#include <string>

#include "game/flight.h"
#include "game/kinds.h"
#include "game/tform1.h"

namespace hexbrawl {

namespace {

flight::Box box(const Tability& a) { return {a.x, a.y, a.spritewidth, a.spriteheight}; }

}  // namespace

std::int32_t TForm1::roll(const Tability& a) { return random.randomint(a.maxeffect - a.mineffect) + a.mineffect; }

void TForm1::removeability(int place)
{
    inplay.remove(place, Inplay::last, [](Tability& last) { last.name.clear(); });
    --inplaycount;
}

void TForm1::removetree(int place)
{
    obstacles.remove(place, Obstacles::last, [](Tobstacle& last) {
        last.image.clear();
        last.x = last.y = 0;
    });
    --treecount;
}

void TForm1::makeexplosion(const Tability& a)
{
    // With all 25 places live, the last one is overwritten.
    if (explosioncount < Explosions::last)
        ++explosioncount;
    Texplosion& e = explosions[explosioncount];
    e.x = a.x;
    e.y = a.y;
    e.radius = a.level * 5.0;
    e.element = a.element;
}

// Clashes of the ability at place `a` with the others. `a` follows the ability
// when an earlier place is removed. Returns false when the ability is gone.
bool TForm1::clashes(int& a)
{
    for (int j = 1; j <= Inplay::last; ++j) {
        Tability& A = inplay[a];
        const Tability& B = inplay[j];
        if (B.name.empty())
            continue;
        if (!flight::meetsspell(box(A), box(B)))
            continue;
        if (j == a || A.element == B.element || !flight::pastspellgrace(A.range, A.maxrange))
            continue;
        const std::int32_t ra = roll(A);
        const std::int32_t rb = roll(B);
        const KindFacts* facts = factsof(B.kind);
        if (!facts || !facts->stopsprojectiles)
            continue;

        if (ra == rb) {
            events.add(meeting(Event::clash, A, B, 0));
            playwave("cancelation");
            const int other = j > a ? j - 1 : j;
            removeability(a);
            removeability(other);
            return false;
        }
        if (facts->turnsback && ra < rb) {
            // The projectile turns back and now belongs to the reflector.
            events.add(meeting(Event::reflect, A, B, 1));
            playwave("wall");
            A.dx = -A.dx;
            A.dy = -A.dy;
            A.owner = B.owner;
            continue;
        }
        playwave("wall");
        if (ra > rb) {
            events.add(meeting(Event::clash, A, B, 1));
            A.mineffect -= rb;
            A.maxeffect -= rb;
            if (!facts->turnsback) {
                if (A.mineffect < 0)
                    A.mineffect = 0;
                if (A.maxeffect < 1)
                    A.maxeffect = 1;
            }
            removeability(j);
            if (j < a)
                --a;
            continue;  // the ability that moved into place j waits for the next tick
        }
        events.add(meeting(B.kind == Block ? Event::blocked : Event::clash, A, B, 2));
        Tability& winner = inplay[j];
        winner.mineffect -= ra;
        winner.maxeffect -= ra;
        if (winner.mineffect < 0)
            winner.mineffect = 0;
        if (winner.maxeffect < 1)
            winner.maxeffect = 1;
        removeability(a);
        return false;
    }
    return true;
}

bool TForm1::treehits(int a)
{
    for (int t = 1; t <= Obstacles::last; ++t) {
        const Tability& A = inplay[a];
        Tobstacle& T = obstacles[t];
        if (T.image.empty())
            continue;
        // The tree counts over the middle three fifths of its width.
        if (flight::meetstree(box(A), {T.x, T.y, T.width, T.height}) && flight::pasttreegrace(A.range, A.maxrange)) {
            makeexplosion(A);
            playwave("obstacle");
            T.hits -= roll(A);
            events.add(upon(T.hits <= 0 ? Event::treefelled : Event::treehit, A.name, A.owner, 0, nullptr));
            if (T.hits <= 0)
                removetree(t);
            removeability(a);
            return false;
        }
    }
    return true;
}

bool TForm1::wizardhits(int a)
{
    for (int p = 1; p <= playercount; ++p) {
        const Tability& A = inplay[a];
        Tplayer& W = players[p];
        if (flight::meetswizard(box(A), W.x, W.y) && p != A.owner && W.hp > 0) {
            makeexplosion(A);
            playwave("obstacle");
            const std::int32_t d = roll(A);
            if (d > 0)
                playwave("hurt");
            W.hp -= d;  // a negative roll heals, without a cap
            events.add(upon(Event::hit, A.name, A.owner, p, &W, d));
            if (W.hp <= 0)
                events.add(upon(Event::death, A.name, A.owner, p, &W, d, currentplayer));
            removeability(a);
            if (W.hp <= 0) {
                playwave(W.deathcry);
                // The kill goes to the wizard whose turn it is, whoever cast.
                ++current().kills;
                ++deadcount;
            }
            return false;
        }
    }
    return true;
}

void TForm1::roundend()
{
    ++gamelevel;
    controls.lvllbl.caption = "Level: " + std::to_string(gamelevel);
    setgametimer(false);
    if (matchrunning) {
        // The wizard left standing wins; only when nobody stands is it the one in turn.
        int standing = 0;
        int winner = currentplayer;
        for (int p = 1; p <= playercount; ++p)
            if (players[p].hp > 0) {
                ++standing;
                winner = p;
            }
        if (standing != 1)
            winner = currentplayer;
        message(MessageKind::info, "Player :" + players[winner].name + " won this round!");
    }
    controls.PurchaseWindow.visible = true;
    deadcount = 0;
    loadeditor(false);
    matchrunning = false;
}

void TForm1::decayexplosions()
{
    // Each explosion live when the decay begins loses 1 once; the one that moves
    // into a removed place is decayed next.
    int e = 1;
    while (e <= explosioncount) {
        explosions[e].radius -= 1;
        if (explosions[e].radius <= 0) {
            // The place the last one left keeps its copy: nothing reads past the count.
            explosions.remove(e, explosioncount, [](Texplosion&) {});
            --explosioncount;
        } else {
            ++e;
        }
    }
}

void TForm1::GameTimerTimer()
{
    if (current().hp < 1)
        current().walk = 0;

    int flying = 0;
    for (const Tability& a : inplay)
        if (!a.name.empty() && a.kind == Ranged && a.range >= 0)
            ++flying;
    if (current().walk <= 0 && flying == 0) {
        startgame();
        firstturn = false;
    }

    const Tplayer& w = current();
    walkreadout();
    controls.HPlbl.caption = "Hp: " + std::to_string(w.hp) + " / " + std::to_string(w.maxhp);
    controls.HealthPie.progress = static_cast<int>(static_cast<std::int64_t>(w.hp) * 100 / w.maxhp);

    // After an ability, the scan goes on with the place after the one where its
    // processing began, whatever moved since.
    for (int k = 1; k <= Inplay::last; ++k) {
        if (inplay[k].name.empty())
            continue;
        int a = k;
        Tability& A = inplay[a];
        if (!flight::move(A.x, A.y, A.range, A.dx, A.dy, A.kind == Ranged)) {
            removeability(a);
            continue;
        }
        if (clashes(a) && treehits(a))
            wizardhits(a);
    }

    if (deadcount >= playercount - 1 && playercount != 1)
        roundend();
    decayexplosions();
    DrawScreen();
}

}  // namespace hexbrawl
