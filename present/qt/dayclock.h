// SPDX-License-Identifier: MIT
// The clock port of the window: the time of day in UTC, read once to seed the game.
#pragma once

#include "present/ports.h"

namespace hexbrawl {

class DayClock final : public Clock {
public:
    // Milliseconds since midnight UTC.
    std::uint32_t seedvalue() override;
};

}  // namespace hexbrawl
