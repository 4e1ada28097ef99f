// SPDX-License-Identifier: MIT
// The word lists and the invention of the 400 abilities of a run.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "game/kinds.h"
#include "game/random.h"
#include "game/state.h"

namespace hexbrawl {

namespace words {
extern const std::array<std::string_view, 7> Memo1;  // the element words
extern const std::array<std::string_view, 11> Projectilelist;
extern const std::array<std::string_view, 13> blocklist;
extern const std::array<std::string_view, 5> reflectlist;
extern const std::array<std::string_view, 6> teleportlist;
extern const std::array<std::string_view, 52> suffixlist;
}  // namespace words

// Fills all 400 entries, page by page and level by level, drawing in a fixed order.
void generatecatalog(Catalog& catalog, Random& random);

// The free Ranged ability every wizard owns at start-up (spellbook slot 0).
Tability makestartingability(Random& random);

}  // namespace hexbrawl
