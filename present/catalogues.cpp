// SPDX-License-Identifier: MIT
#include "present/catalogues.h"

namespace hexbrawl {
namespace {

constexpr std::uint32_t black = 0x000000;
constexpr std::uint32_t lime = 0x00FF00;
constexpr std::uint32_t wizard2key = 0x02CA10;  // red 2, green 202, blue 16

#define PIC(i, n, w, h, d, pw, ph, t, k)                                                                               \
    PictureEntry { i, n, w, h, d, pw, ph, t, k }
constexpr std::array<PictureEntry, picturecount> picturetable{{
    PIC(0, "tree1", 135, 146, 24, 0, 0, true, black),       PIC(1, "tree2", 126, 150, 24, 0, 0, true, black),
    PIC(2, "tree3", 146, 151, 24, 0, 0, true, black),       PIC(3, "windcurse", 21, 21, 8, 20, 20, true, black),
    PIC(4, "cosmoball", 7, 7, 8, 7, 7, true, black),        PIC(5, "cosmoblock", 20, 20, 24, 20, 20, true, black),
    PIC(6, "cosmocurse", 21, 21, 8, 20, 20, true, black),   PIC(7, "cosmoring", 35, 35, 24, 35, 35, true, black),
    PIC(8, "deathball", 7, 7, 8, 7, 7, true, black),        PIC(9, "deathblock", 20, 20, 24, 20, 20, true, black),
    PIC(10, "deathcurse", 21, 21, 8, 20, 20, true, black),  PIC(11, "deathring", 35, 35, 24, 35, 35, true, black),
    PIC(12, "earthball", 7, 7, 8, 7, 7, true, black),       PIC(13, "earthblock", 20, 20, 24, 20, 20, true, black),
    PIC(14, "earthcurse", 21, 21, 8, 20, 20, true, black),  PIC(15, "earthring", 35, 35, 24, 35, 35, true, black),
    PIC(16, "fireball", 7, 7, 8, 7, 7, true, black),        PIC(17, "fireblock", 20, 20, 24, 20, 20, true, black),
    PIC(18, "firecurse", 21, 21, 8, 20, 20, true, black),   PIC(19, "firering", 35, 35, 24, 35, 35, true, black),
    PIC(20, "forget", 20, 20, 24, 20, 20, true, black),     PIC(21, "lifeball", 7, 7, 8, 7, 7, true, black),
    PIC(22, "lifeblock", 20, 20, 24, 20, 20, true, black),  PIC(23, "lifecurse", 21, 21, 8, 20, 20, true, black),
    PIC(24, "lifering", 35, 35, 24, 35, 35, true, black),   PIC(25, "manaburn", 21, 21, 8, 20, 20, true, black),
    PIC(26, "quicken", 20, 20, 24, 20, 20, true, black),    PIC(27, "runes", 21, 21, 8, 20, 20, true, black),
    PIC(28, "slow", 20, 20, 24, 20, 20, true, black),       PIC(29, "stasis", 21, 21, 8, 20, 20, true, black),
    PIC(30, "teleport", 20, 20, 24, 20, 20, true, black),   PIC(31, "waterball", 7, 7, 8, 7, 7, true, black),
    PIC(32, "waterblock", 20, 20, 24, 20, 20, true, black), PIC(33, "watercurse", 21, 21, 8, 20, 20, true, black),
    PIC(34, "waterring", 35, 35, 24, 35, 35, true, black),  PIC(35, "windball", 7, 7, 8, 7, 7, true, black),
    PIC(36, "windblock", 20, 20, 24, 20, 20, true, black),  PIC(37, "windring", 35, 35, 24, 35, 35, true, black),
    PIC(38, "wizard1", 20, 20, 8, 20, 20, true, black),     PIC(39, "grass1", 20, 20, 8, 20, 20, false, black),
    PIC(40, "grass2", 20, 20, 8, 20, 20, false, black),     PIC(41, "grass3", 20, 20, 8, 20, 20, false, black),
    PIC(42, "aimer", 49, 49, 24, 0, 0, true, black),        PIC(43, "blood", 20, 20, 8, 0, 0, true, black),
    PIC(44, "wizard2", 20, 20, 24, 0, 0, true, wizard2key), PIC(45, "wizard3", 20, 20, 24, 0, 0, true, black),
    PIC(46, "wizard4", 20, 20, 24, 0, 0, true, black),      PIC(47, "wizard5", 20, 20, 24, 0, 0, true, lime),
    PIC(48, "wizard9", 20, 20, 24, 0, 0, true, black),      PIC(49, "wizard6", 20, 20, 24, 0, 0, true, lime),
    PIC(50, "wizard7", 20, 20, 24, 0, 0, true, black),      PIC(51, "wizard8", 20, 20, 24, 0, 0, true, black),
}};
#undef PIC

constexpr std::array<WaveEntry, wavecount> wavetable{{
    {0, "Death1", 1, 8, 1.06},
    {1, "boop", 1, 16, 0.20},
    {2, "hurt", 2, 8, 0.32},
    {3, "step", 2, 8, 0.37},
    {4, "cast", 2, 8, 0.93},
    {5, "wall", 1, 16, 1.08},
    {6, "death", 1, 16, 1.91},
    {7, "earth", 1, 16, 0.96},
    {8, "fire", 1, 8, 0.89},
    {9, "life", 1, 16, 1.79},
    {10, "water", 1, 16, 1.03},
    {11, "wind", 1, 16, 1.04},
    {12, "click", 1, 8, 0.03},
    {13, "button", 1, 16, 1.30},
    {14, "teleport", 1, 8, 1.69},
    {15, "cosmo", 1, 16, 0.91},
    {16, "cancelation", 1, 16, 1.16},
    {17, "obstacle", 1, 8, 1.82},
}};

constexpr char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

constexpr bool sameword(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i]))
            return false;
    return true;
}

constexpr std::uint32_t namehash(std::string_view name)
{
    std::uint32_t h = 2166136261u;
    for (char c : name)
        h = (h ^ static_cast<unsigned char>(lower(c))) * 16777619u;
    return h;
}

// An open-addressed table of the names, hashed without regard to case, built at
// compile time: the frame looks a name up for every tile, sprite and sound.
template <typename Entry, std::size_t N, std::size_t Slots>
class NameIndex {
public:
    static_assert((Slots & (Slots - 1)) == 0 && Slots >= 2 * N);

    constexpr explicit NameIndex(const std::array<Entry, N>& table) : table_(table)
    {
        slots_.fill(-1);
        for (std::size_t i = 0; i < N; ++i) {
            if (table[i].name.size() > longest_)
                longest_ = table[i].name.size();
            std::size_t h = namehash(table[i].name) & (Slots - 1);
            while (slots_[h] >= 0)
                h = (h + 1) & (Slots - 1);
            slots_[h] = static_cast<std::int16_t>(i);
        }
    }

    // No two names are the same word, so the one found is the first the table has.
    constexpr bool unique() const
    {
        for (std::size_t i = 0; i < N; ++i)
            for (std::size_t j = i + 1; j < N; ++j)
                if (sameword(table_[i].name, table_[j].name))
                    return false;
        return true;
    }

    constexpr const Entry* find(std::string_view name) const
    {
        if (name.size() > longest_)
            return nullptr;
        for (std::size_t h = namehash(name) & (Slots - 1); slots_[h] >= 0; h = (h + 1) & (Slots - 1))
            if (sameword(table_[static_cast<std::size_t>(slots_[h])].name, name))
                return &table_[static_cast<std::size_t>(slots_[h])];
        return nullptr;
    }

private:
    const std::array<Entry, N>& table_;
    std::array<std::int16_t, Slots> slots_{};
    std::size_t longest_ = 0;
};

constexpr NameIndex<PictureEntry, picturecount, 128> pictureindex(picturetable);
constexpr NameIndex<WaveEntry, wavecount, 64> waveindex(wavetable);
static_assert(pictureindex.unique() && waveindex.unique());

}  // namespace

std::span<const PictureEntry, picturecount> pictures() { return picturetable; }
std::span<const WaveEntry, wavecount> waves() { return wavetable; }

const PictureEntry* tryfindimage(std::string_view name) { return pictureindex.find(name); }
const WaveEntry* tryfindwave(std::string_view name) { return waveindex.find(name); }

const PictureEntry& findimage(std::string_view name)
{
    if (const PictureEntry* e = tryfindimage(name))
        return *e;
    throw LookupError("Image '" + std::string(name) + "' not found");
}

const WaveEntry& findwave(std::string_view name)
{
    if (const WaveEntry* e = tryfindwave(name))
        return *e;
    throw LookupError("Wave '" + std::string(name) + "' not found");
}

}  // namespace hexbrawl
