// SPDX-License-Identifier: MIT
// What a player at the screen can work out about the arena: centres, distances,
// where to press so that a spell flies the right way, and where a projectile goes
// once cast, by the flight the game really has. The rolls are left to chance: the
// computer knows their bounds, never their outcome.
#pragma once

#include <cstdint>
#include <vector>

#include "game/kinds.h"
#include "game/state.h"

namespace hexbrawl {
class TForm1;
}

namespace hexbrawl::computer {

struct View;

struct Point {
    double x = 0, y = 0;
};

inline constexpr double wizardsize = wizardbox;
inline constexpr double speed = projectilespeed;
inline constexpr double stride = walkstride;
inline constexpr double edge = arenasize - 1;  // the last pixel a press may land on

// The centre of a wizard's box.
inline Point centre(const Tplayer& w) { return {w.x + wizardsize / 2, w.y + wizardsize / 2}; }
double distance(Point a, Point b);
// The point `d` pixels from `from` towards `to` (to the right when they meet).
Point towards(Point from, Point to, double d);
// The living wizard nearest to wizard `me` other than itself; 0 when none is left.
int nearestfoe(const TForm1& form, int me);
// Whether a press at (x, y) lands on the arena.
inline bool onarena(int x, int y) { return x >= 0 && y >= 0 && x < arenasize && y < arenasize; }

// The pixel to press, within `reach` of `from` and on the arena, whose direction
// from `from` comes nearest the direction towards `to`; the pixel nearest `to`
// itself when it is within reach. `from` is where the spell starts.
struct Press {
    int x = 0, y = 0;
};
Press aimpress(Point from, Point to, double reach);
// A walking press that goes as far as `walk` points allow towards `to`, or onto it.
Press walkpress(Point from, Point to, int walk);
// Walk points a step to (x, y) costs.
int stepcost(Point from, int x, int y);

// The uniform roll of an ability: mineffect .. maxeffect - 1, or mineffect.
struct Roll {
    std::int32_t lo = 0, hi = 0;  // inclusive
    static Roll of(std::int32_t mineffect, std::int32_t maxeffect)
    {
        return maxeffect > mineffect ? Roll{mineffect, maxeffect - 1} : Roll{mineffect, mineffect};
    }
    static Roll of(const Tability& a) { return of(a.mineffect, a.maxeffect); }
    double mean() const { return (lo + hi) / 2.0; }
    // The chance of at least `v`.
    double atleast(double v) const;
    // The chance that this roll beats `other`, and that they tie.
    double beats(const Roll& other) const;
    double ties(const Roll& other) const;
};

// What stands on the arena, as a player sees it, with room for what-ifs: the
// positions of the wizards, the trees and the spells that stay where they were put.
struct Board {
    struct Wizard {
        double x = 0, y = 0;
        std::int32_t hp = 0;
    };
    struct Tree {
        double x = 0, y = 0, width = 0, height = 0;
        std::int32_t hits = 0;
    };
    struct Standing {
        double x = 0, y = 0, width = 0, height = 0;
        std::int32_t kind = 0, owner = 0, mineffect = 0, maxeffect = 0;
        int element = -1;  // an index into the element words; -1 for none
    };
    std::vector<Wizard> wizards;  // 1..playercount at 0..playercount-1
    std::vector<Tree> trees;
    std::vector<Standing> standing;

    static Board of(const View& view);
    Wizard& wizard(int p) { return wizards[static_cast<std::size_t>(p - 1)]; }
    const Wizard& wizard(int p) const { return wizards[static_cast<std::size_t>(p - 1)]; }
};

int elementindex(const std::string& element);

// Where a projectile cast ends, had it been cast now.
struct Flight {
    enum class End { expired, wizard, tree, standing };
    End end = End::expired;
    int index = 0;  // the wizard (1-based), or the place in trees or standing (0-based)
    int ticks = 0;  // ticks flown when it ended
    double x = 0, y = 0;  // where it ended
};
// A Ranged `spell` cast by wizard `owner` standing with its box at (boxx, boxy),
// the press at `press`: the first thing it meets, flying through the standing spell
// `skip` (one a roll has beaten) when that is not -1.
Flight fly(const Board& board, const Tability& spell, int owner, double boxx, double boxy, Press press, int skip = -1);

}  // namespace hexbrawl::computer
