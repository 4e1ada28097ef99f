// SPDX-License-Identifier: MIT
// What a computer wizard sees: a value built from the game that holds only what the
// window shows a player, or showed earlier and a player could remember. The planner
// and the builder read nothing else, so the compiler keeps them fair: no tree's hits,
// no strength a clash took from a spell, no random state.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/computer/geometry.h"
#include "game/state.h"

namespace hexbrawl {
class TForm1;
}

namespace hexbrawl::computer {

// How strongly a computer plays: every difference between the strengths is one of
// these numbers, read in one place (`Skill::of`).
// Pixels short of a spell's flight (its range in ticks times the speed) that the
// computer counts a shot of it to reach: room to aim at a wizard's middle.
inline constexpr double shortofflight = 24;

struct Skill {
    int rays = 10;  // directions it tries to walk or teleport in
    int plans = 6;  // starts it thinks through to the end of the turn
    int withdrawrays = 8;  // directions it tries to withdraw in after its shots
    int targets = 3;  // nearest foes it considers shooting at
    double aimerror = 0;  // pixels its press may miss the point it meant, at most
    double caution = 1;  // how much a foe's blow next turn weighs against what it deals
    double eagerness = 0.45;  // how much its own chances next turn weigh
    double defend = 1;  // the share of turns it remembers to put down a block or reflect
    bool buysguard = true;  // whether its builds consider blocks and reflects
    double towardcentre = 0.002;  // the pull towards the arena's middle, per pixel from it
    double shunrim = 3;  // what standing on the rim costs it, less further in
    // Pixels short of a foe spell's flight (its range in ticks times the speed) that it
    // takes the foe's reach to end; below 0, past it.
    double foemargin = shortofflight;
    // What its builds value: the share of a turn it expects to stand and shoot, the
    // most a guard adds, and what reaching far with walk and teleports adds.
    double standing = 0.4;
    double guardworth = 0.3;
    double mobility = 1;
    double toughness = 1;  // how steeply health counts: its power in the worth

    static Skill of(ComputerSkill skill);
};

struct View {
    struct Wizard {
        std::string name, portrait, deathcry;
        double x = 0, y = 0;  // the corner of its box
        std::int32_t hp = 0, maxhp = 0;  // as its health bar shows it
        std::int32_t walk = 0, maxwalk = 0;
        std::vector<Tability> spellbook;  // its rows as the turn display lists them
    };
    struct Tree {
        double x = 0, y = 0, width = 0, height = 0;
    };

    int me = 0;  // the wizard at the controls
    int playercount = 0;
    int level = 0;
    Skill skill;
    ComputerSkill strength = ComputerSkill::Normal;
    std::vector<Wizard> wizards;  // 1..playercount at 0..playercount-1
    std::vector<Tree> trees;
    // The spells on the arena with the statistics the spell information shows:
    // the entry's own strength, whatever a clash took from it.
    std::vector<Tability> inplay;
    bool full = false;  // no room on the arena for another spell

    // The turn display.
    bool firstturn = false;
    Mode mode = Mode::walking;
    int rows = 0;  // rows of the spell list
    int selected = -1;

    // The Stats Editor: its lists and boxes as shown, and the shop.
    bool editing = false;
    int points = 0;
    int page = 0, shoprow = -1;
    bool nameopen = false, bodyopen = false, cryopen = false;
    std::vector<std::string> bodies, cries;
    std::vector<Tability> shop;  // every page of the catalogue, while editing

    static View of(const TForm1& form);
    const Wizard& wizard(int p) const { return wizards[static_cast<std::size_t>(p - 1)]; }
    const Wizard& self() const { return wizard(me); }
    // Everything the view holds, as a number: a plan made from it holds while it stays.
    std::uint64_t hash() const;
};

// The centre of a wizard's box.
inline Point centre(const View::Wizard& w) { return {w.x + wizardsize / 2, w.y + wizardsize / 2}; }

}  // namespace hexbrawl::computer
