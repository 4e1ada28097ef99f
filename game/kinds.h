// SPDX-License-Identifier: MIT
// What differs from one kind of ability to the next, in one table, and the counts
// the game fixes.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "game/state.h"

namespace hexbrawl {

inline constexpr int kindcount = 4;  // Ranged, Block, Reflect, Teleport
inline constexpr int pagesize = 100;  // abilities of a kind in the catalogue, one page of the shop
inline constexpr int arenasize = 750;  // the arena's width and height in pixels
inline constexpr int wizardbox = 20;  // a wizard's box is this wide and high

struct KindFacts {
    AbilityKind kind;
    std::string_view tab;  // the caption of its tab in the shop, and its page's name
    std::string_view shopline;  // its line in the shop's spell statistics
    std::string_view hudline;  // its line in the turn display's ability information
    bool lasting;  // stays on the arena where it was put, and may fade at a turn start
    bool stopsprojectiles;  // a projectile flying into it clashes with it
};

inline constexpr std::array<KindFacts, kindcount> kinds{{
    {Ranged, "Ranged", "Ranged attack spell.", "Ability Type: Ranged Attack", false, true},
    {Block, "Block", "Block spell.", "Ability Type: Block Spell", true, true},
    {Reflect, "Reflect", "Reflect spell.", "Ability Type: Reflect Spell", true, true},
    {Teleport, "Teleport", "Teleportation spell.", "Ability Type: Teleport", true, false},
}};

// The facts of a kind; null for a value that is no kind.
constexpr const KindFacts* factsof(AbilityKind kind)
{
    const int page = static_cast<int>(kind) - 1;
    return page >= 0 && page < kindcount ? &kinds[static_cast<std::size_t>(page)] : nullptr;
}
// The kind of a catalogue page (0..3) and the page of a kind.
constexpr AbilityKind kindofpage(int page) { return static_cast<AbilityKind>(page + 1); }
constexpr int pageof(AbilityKind kind) { return static_cast<int>(kind) - 1; }

}  // namespace hexbrawl

namespace hexbrawl {

inline constexpr double projectilespeed = 8;  // pixels a Ranged spell flies in a tick
// The ticks of flight in which a projectile passes through other spells, and trees.
inline constexpr int spellgrace = 20;
inline constexpr int treegrace = 10;
inline constexpr int walkstride = 10;  // pixels of a step that one walk point pays for

}  // namespace hexbrawl
