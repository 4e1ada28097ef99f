// SPDX-License-Identifier: MIT
// What differs from one kind of ability to the next, in one table, and the counts
// the game fixes.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "game/random.h"
#include "game/state.h"
#include "present/ports.h"

namespace hexbrawl {

inline constexpr int kindcount = 4;  // Ranged, Block, Reflect, Teleport: a page of the catalogue each
inline constexpr int pagesize = 100;  // abilities of a kind in the catalogue, one page of the shop
inline constexpr int cataloguesize = kindcount * pagesize;
inline constexpr int arenasize = Surface::size;  // the arena's width and height in pixels
inline constexpr int wizardbox = 20;  // a wizard's box is this wide and high

// The catalogue: the pages of the kinds in order, levels 1..pagesize on each.
using Catalog = Table<Tability, 0, cataloguesize - 1>;
// The place in the catalogue of row `row` (level row + 1) of a page.
constexpr int catalogindex(int page, int row) { return page * pagesize + row; }

// How a cast is put into play: it flies off from the caster's centre, stands where
// the caster aimed, or moves the caster there; a value that is no kind does nothing.
enum class Cast : std::uint8_t { nothing, flies, stands, movescaster };

// Invents the ability of a level of the kind, drawing from `random` in a fixed order.
using Maker = void (*)(Tability& a, Random& random, std::int32_t level);
void makeranged(Tability& a, Random& random, std::int32_t level);
void makeblock(Tability& a, Random& random, std::int32_t level);
void makereflect(Tability& a, Random& random, std::int32_t level);
void maketeleport(Tability& a, Random& random, std::int32_t level);

struct KindFacts {
    AbilityKind kind;
    std::string_view tab;  // the caption of its tab in the shop, and its page's name
    std::string_view shopline;  // its line in the shop's spell statistics
    std::string_view hudline;  // its line in the turn display's ability information
    bool lasting;  // stays on the arena where it was put, and may fade at a turn start
    bool stopsprojectiles;  // a projectile flying into it clashes with it
    Cast cast;
    // A projectile that loses the clash turns back and belongs to its owner from then
    // on; one that wins flies on with its effects as the clash left them, unclamped.
    bool turnsback;
    Maker maker;  // its abilities in the catalogue
};

inline constexpr std::array<KindFacts, kindcount> kinds{{
    {Ranged, "Ranged", "Ranged attack spell.", "Ability Type: Ranged Attack", false, true, Cast::flies, false,
     makeranged},
    {Block, "Block", "Block spell.", "Ability Type: Block Spell", true, true, Cast::stands, false, makeblock},
    {Reflect, "Reflect", "Reflect spell.", "Ability Type: Reflect Spell", true, true, Cast::stands, true, makereflect},
    {Teleport, "Teleport", "Teleportation spell.", "Ability Type: Teleport", true, false, Cast::movescaster, false,
     maketeleport},
}};

// The facts of a kind; null for a value that is no kind.
constexpr const KindFacts* factsof(AbilityKind kind)
{
    const int page = static_cast<int>(kind) - 1;
    return page >= 0 && page < kindcount ? &kinds[static_cast<std::size_t>(page)] : nullptr;
}
constexpr Cast castof(AbilityKind kind)
{
    const KindFacts* facts = factsof(kind);
    return facts ? facts->cast : Cast::nothing;
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
