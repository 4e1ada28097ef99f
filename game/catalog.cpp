// SPDX-License-Identifier: MIT
#include "game/catalog.h"

#include <string>

#include "game/kinds.h"
#include "present/catalogues.h"

namespace hexbrawl {

namespace words {
const std::array<std::string_view, 7> Memo1{"fire", "water", "wind", "earth", "life", "death", "cosmo"};
const std::array<std::string_view, 11> Projectilelist{"dart",   "bullet", "shot",  "sphere", "ball",    "orb",
                                                      "vortex", "spark",  "arrow", "stone",  "particle"};
const std::array<std::string_view, 13> blocklist{"shield", "block", "defence", "towershield", "buckler",
                                                 "armour", "helm",  "helmet",  "jerkin",      "jacket",
                                                 "boots",  "tunic", "cloak"};
const std::array<std::string_view, 5> reflectlist{"mirror", "reflection", "retort", "refute", "reply"};
const std::array<std::string_view, 6> teleportlist{"teleportation", "relocation",  "warp",
                                                   "dissapearence", "evaporation", "traveler"};
const std::array<std::string_view, 52> suffixlist{
    "of killing",    "of death",       "of destruction", "of chaos",         "of rape",        "of flight",
    "of range",      "of dignity",     "of mastery",     "of sanction",      "of night",       "of day",
    "of suspension", "of solitude",    "of repetition",  "of morphing",      "of disaster",    "of love",
    "of shrewdness", "of lavishness",  "of annointment", "of conflagration", "of weakness",    "of mass",
    "of power",      "of awesomeness", "of coolness",    "of distraction",   "of might",       "of magus",
    "of Beal",       "of Shock",       "of maximum",     "of Volsht'ak",     "of rage",        "of madness",
    "of shit",       "of crap",        "of fucking",     "of hell",          "of monstrocity", "of wellness",
    "of questing",   "of slaying",     "of prophecy",    "of detection",     "of damage",      "of strength",
    "of doom",       "of insanity",    "of zap",         "of magic"};
}  // namespace words

namespace {

template <std::size_t N>
std::string pick(Random& random, const std::array<std::string_view, N>& list)
{
    return std::string(list[static_cast<std::size_t>(random.randomint(static_cast<std::int32_t>(N)))]);
}

// Element, sprite and name: the element is drawn first, then the noun, then the suffix.
template <std::size_t N>
void nameability(Tability& a, Random& random, const std::array<std::string_view, N>& nouns, std::string_view suffix)
{
    a.element = pick(random, words::Memo1);
    a.sprite = suffix.empty() ? std::string("teleport") : a.element + std::string(suffix);
    std::string noun = pick(random, nouns);
    a.name = a.element + " " + noun + " " + pick(random, words::suffixlist);
}

// The mean and spread of a roll come from the budget divided as whole numbers.
double whole(std::int32_t v) { return static_cast<double>(v); }

}  // namespace

void makeranged(Tability& a, Random& random, std::int32_t L)
{
    std::int32_t B = 7 * L + random.randomint(L);
    a.kind = Ranged;
    nameability(a, random, words::Projectilelist, "ball");
    a.walkcost = random.randomint(2) + L / 4 + 1;
    B += 20 * a.walkcost;
    a.range = random.randomgauss(whole(B / 3 + 3 * L), whole(B / 4 + L));
    if (a.range < 20)
        a.range = 20;
    if (a.range > 89)
        a.range = 89;
    B -= truncate(a.range) / 2;
    if (B <= 0)
        B = 10;
    a.maxrange = a.range;
    a.aim = random.randomgauss(whole(B / 3 + 2), whole(B / 5 + 3));
    if (a.aim < 10)
        a.aim = 10;
    if (a.aim > 100)
        a.aim = 100;
    B -= 2 * truncate(a.aim);
    if (B <= 0)
        B = 5;
    a.mineffect = random.randomint(B / 2) + 1;
    B -= 2 * a.mineffect;
    if (B <= 0)
        B = 1;
    a.maxeffect = B / 2 + a.mineffect + 1;
}

void makeblock(Tability& a, Random& random, std::int32_t L)
{
    std::int32_t B = 5 * L - random.randomint(L);
    a.kind = Block;
    nameability(a, random, words::blocklist, "block");
    a.walkcost = random.randomint(2) + L / 4 + 1;
    B += 12 * a.walkcost;
    a.range = 1.0;
    a.maxrange = 1.0;
    a.aim = random.randomgauss(whole(B / 2), 5);
    B -= truncate(a.aim) / 2;  // the unclamped aim
    if (a.aim < 5)
        a.aim = 5;
    if (B <= 0)
        B = 5;
    a.mineffect = random.randomint(B / 4) + 1;
    B -= 5 * a.mineffect;
    if (B <= 0)
        B = 1;
    a.maxeffect = B / 2 + a.mineffect;
}

void makereflect(Tability& a, Random& random, std::int32_t L)
{
    std::int32_t B = 4 * L - random.randomint(L);
    a.kind = Reflect;
    nameability(a, random, words::reflectlist, "curse");
    a.walkcost = L / 3 + 2;
    B += 3 * a.walkcost;
    a.range = 1.0;
    a.maxrange = 1.0;
    a.aim = random.randomgauss(whole(B / 3), whole(B / 5 + 2));
    if (a.aim < 3)
        a.aim = 3;
    B -= truncate(a.aim);
    if (B <= 0)
        B = 2;
    a.mineffect = random.randomint(B / 3) + 1;
    B -= 3 * a.mineffect;
    if (B <= 0)
        B = 1;
    a.maxeffect = B / 2 + a.mineffect;
}

void maketeleport(Tability& a, Random& random, std::int32_t L)
{
    std::int32_t B = 9 * L - random.randomint(L);
    a.kind = Teleport;
    nameability(a, random, words::teleportlist, "");
    a.walkcost = L / 5 + 1;
    B += 30 * a.walkcost;
    a.range = 0;
    a.maxrange = 0;
    a.aim = random.randomgauss(B, 2);
    if (a.aim < 20)
        a.aim = 20;
    a.mineffect = 0;
    a.maxeffect = 0;
}

void generatecatalog(Catalog& catalog, Random& random)
{
    for (int page = 0; page < kindcount; ++page) {
        for (std::int32_t L = 1; L <= pagesize; ++L) {
            Tability& a = catalog[catalogindex(page, L - 1)];
            a = Tability{};
            a.level = L;
            kinds[static_cast<std::size_t>(page)].maker(a, random, L);
            const PictureEntry& sprite = findimage(a.sprite);
            a.spritewidth = sprite.patternw();
            a.spriteheight = sprite.patternh();
        }
    }
}

Tability makestartingability(Random& random)
{
    Tability a;
    a.level = 1;
    a.element = pick(random, words::Memo1);
    a.sprite = a.element + "ball";
    std::string noun = pick(random, words::Projectilelist);
    a.name = a.element + " " + noun + " " + pick(random, words::suffixlist);
    a.walkcost = 2;
    a.range = random.randomgauss(9, 5) + 50;
    a.maxrange = a.range;
    a.aim = random.randomgauss(5, 3) + 20;
    a.mineffect = 0;
    a.maxeffect = random.randomint(2) + 4;
    a.kind = Ranged;
    return a;
}

}  // namespace hexbrawl
