// SPDX-License-Identifier: MIT
// The flight of an ability, one tick at a time, as pure functions: the game's tick
// and the computer's foresight both fly a projectile with these, so the rules of a
// flight are written once.
#pragma once

#include "game/kinds.h"

namespace hexbrawl::flight {

// A box on the arena: a flying or standing spell, a tree, a wizard.
struct Box {
    double x = 0, y = 0, width = 0, height = 0;
};

// Where a Ranged spell starts and how it heads, cast from a wizard's box at
// (boxx, boxy) with a press at (px, py).
struct Launch {
    double x = 0, y = 0, angle = 0, dx = 0, dy = 0;
};
Launch launch(double boxx, double boxy, double px, double py);

// One tick's move: a Ranged spell spends a tick of its range, everything moves by
// its speed, and leaving the arena spends the rest. False when the flight is over.
bool move(double& x, double& y, double& range, double dx, double dy, bool ranged);

// Whether the flight is past the ticks in which it passes through other spells,
// and through trees.
constexpr bool pastspellgrace(double range, double maxrange) { return range + spellgrace < maxrange; }
constexpr bool pasttreegrace(double range, double maxrange) { return range + treegrace < maxrange; }

// Whether the centre of `a` lies strictly inside the spell `b`.
constexpr bool meetsspell(const Box& a, const Box& b)
{
    const double cx = a.x + a.width / 2;
    const double cy = a.y + a.height / 2;
    return b.x < cx && cx < b.x + b.width && b.y < cy && cy < b.y + b.height;
}

// Whether `a` overlaps the tree `t`, which counts over the middle three fifths of its width.
constexpr bool meetstree(const Box& a, const Box& t)
{
    return t.x + t.width / 5 < a.x + a.width && a.x < t.x + 0.8 * t.width && a.y + a.height > t.y &&
           t.y + t.height > a.y;
}

// Whether `a` overlaps the box of a wizard standing with its corner at (wx, wy).
constexpr bool meetswizard(const Box& a, double wx, double wy)
{
    return a.x + a.width > wx && wx + wizardbox > a.x && a.y + a.height > wy && wy + wizardbox > a.y;
}

}  // namespace hexbrawl::flight
