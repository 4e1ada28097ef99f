// SPDX-License-Identifier: MIT
#include "game/random.h"

#include <cmath>
#include <limits>

namespace hexbrawl {

std::int32_t Random::randomint(std::int32_t n)
{
    advance();
    if (n <= 0)
        return 0;
    return static_cast<std::int32_t>((static_cast<std::uint64_t>(seed) * static_cast<std::uint64_t>(n)) >> 32);
}

double Random::randomreal()
{
    advance();
    return static_cast<double>(seed) / 4294967296.0;
}

double Random::randomgauss(double mean, double sd)
{
    double u = 0;
    double q = 0;
    do {
        u = 2.0 * randomreal() - 1.0;
        const double v = 2.0 * randomreal() - 1.0;
        q = u * u + v * v;
    } while (q >= 1.0);
    return mean + sd * u * std::sqrt(-2.0 * std::log(q) / q);
}

std::int32_t truncate(double x)
{
    if (std::isnan(x))
        return 0;
    if (x >= 2147483647.0)
        return std::numeric_limits<std::int32_t>::max();
    if (x <= -2147483648.0)
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(x);
}

}  // namespace hexbrawl
