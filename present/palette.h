// SPDX-License-Identifier: MIT
// The 256-entry colour table shared by every 8-bit picture of the game and
// given to the drawing surface at start-up.
#pragma once

#include <array>
#include <cstdint>

namespace hexbrawl {

// Entries as 0x00RRGGBB. Entry 0 is black, the colour key of the 8-bit
// pictures; no other entry is black.
std::array<std::uint32_t, 256> palette();

}  // namespace hexbrawl
