// SPDX-License-Identifier: MIT
// The game's records and fixed-capacity tables. Index bases are the game's own:
// wizards, abilities in play, trees, explosions and ground tiles count from 1,
// the catalogue and spellbooks from 0.
#pragma once

#include <array>
#include <cassert>
#include <cstdint>
#include <string>

namespace hexbrawl {

// A fixed-size table indexed Lo..Hi.
template <typename T, int Lo, int Hi>
struct Table {
    static constexpr int first = Lo;
    static constexpr int last = Hi;
    static constexpr int size = Hi - Lo + 1;
    std::array<T, size> items{};

    T& operator[](int i)
    {
        assert(i >= Lo && i <= Hi);
        return items[static_cast<std::size_t>(i - Lo)];
    }
    const T& operator[](int i) const
    {
        assert(i >= Lo && i <= Hi);
        return items[static_cast<std::size_t>(i - Lo)];
    }
    static constexpr bool contains(int i) { return i >= Lo && i <= Hi; }
    // Removes entry `place` of a packed table: the entries after it up to `end` move
    // down one place (whole records), and `clear` empties the place `end` was.
    template <typename Clear>
    void remove(int place, int end, Clear clear)
    {
        for (int j = place; j < end; ++j)
            (*this)[j] = (*this)[j + 1];
        clear((*this)[end]);
    }
    auto begin() { return items.begin(); }
    auto end() { return items.end(); }
    auto begin() const { return items.begin(); }
    auto end() const { return items.end(); }
};

enum AbilityKind : std::int32_t { Ranged = 1, Block = 2, Reflect = 3, Teleport = 4 };

// How strongly the computer plays a wizard it has the seat of.
enum class ComputerSkill : std::int32_t { Easy, Normal, Hard };
inline constexpr std::array<const char*, 3> computerskillnames{"Easy", "Normal", "Hard"};

// What a press on the arena does: a step, or a cast of the selected spell.
enum class Mode : std::int32_t { walking = 0, aiming = 1 };

// One ability: a catalogue entry, a spellbook slot or an ability on the arena.
struct Tability {
    std::int32_t level = 0;
    std::string name;  // empty: a free slot
    std::int32_t walkcost = 0;
    double range = 0;  // ticks of flight left; for lasting kinds the fading chance
    double maxrange = 0;
    double aim = 0;  // the largest distance at which the caster may aim
    std::int32_t owner = 0;  // the wizard it cannot hit
    double angle = 0;
    double x = 0, y = 0;  // top-left of its box
    double dx = 0, dy = 0;  // movement per tick
    double spritewidth = 0, spriteheight = 0;
    std::int32_t mineffect = 0, maxeffect = 0;
    std::string sprite;
    std::string element;
    AbilityKind kind{};  // 0 in a free slot
};

using Spellbook = Table<Tability, 0, 99>;

// One wizard.
struct Tplayer {
    std::string name;
    std::int32_t kills = 0;
    double x = 0, y = 0;  // top-left of its 20 x 20 box
    std::int32_t hp = 0, maxhp = 0;
    std::int32_t walk = 0, maxwalk = 0;
    Spellbook spellbook;
    std::string deathcry;
    std::string portrait;
};

// One tree.
struct Tobstacle {
    double x = 0, y = 0, width = 0, height = 0;
    std::int32_t hits = 0;
    std::string image;  // empty: no tree here
};

struct Texplosion {
    double x = 0, y = 0;  // centre of the disc
    std::string element;
    double radius = 0;
};

using Players = Table<Tplayer, 1, 12>;
using Inplay = Table<Tability, 1, 50>;
using Obstacles = Table<Tobstacle, 1, 30>;
using Explosions = Table<Texplosion, 1, 25>;
// Stored column by column: terrain[column][row], both 1..38.
using Terrain = Table<Table<std::string, 1, 38>, 1, 38>;

}  // namespace hexbrawl
