// SPDX-License-Identifier: MIT
// The runner's two documents as the contract prints them: the whole state of a game
// and the catalogue, each one line of JSON.
#pragma once

#include <string>
#include <vector>

#include "game/tform1.h"
#include "tools/script/scenario.h"

namespace hexbrawl {

// The state, with the boxes shown and the sounds played since the previous one.
std::string statejson(const TForm1& f, const std::vector<RecordedMessage>& messages,
                      const std::vector<std::string>& sounds);
// The 400 entries in order, as one array of ability objects.
std::string catalogjson(const Catalog& catalog);

}  // namespace hexbrawl
