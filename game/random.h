// SPDX-License-Identifier: MIT
// The one random source of the game. Its whole state is one 32-bit seed; the
// drawing of explosions takes numbers from it too, so every draw matters.
#pragma once

#include <cstdint>

namespace hexbrawl {

struct Random {
    std::uint32_t seed = 0;

    // A uniform integer in 0..n-1; n <= 0 still advances the seed and gives 0.
    std::int32_t randomint(std::int32_t n);
    // A uniform double in [0, 1).
    double randomreal();
    // A normal deviate by the polar method, u drawn before v.
    double randomgauss(double mean, double sd);

private:
    void advance() { seed = seed * 134775813u + 1u; }
};

// A double converted to an integer by truncation toward zero. Values beyond the
// int32 range saturate and NaN gives 0, so no conversion is undefined.
std::int32_t truncate(double x);

}  // namespace hexbrawl
