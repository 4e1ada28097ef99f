// SPDX-License-Identifier: MIT
#include "game/flight.h"

#include <cmath>

namespace hexbrawl::flight {

Launch launch(double boxx, double boxy, double px, double py)
{
    Launch l;
    l.x = boxx + wizardbox / 2.0;
    l.y = boxy + wizardbox / 2.0;
    l.angle = std::atan2(l.y - py, l.x - px);
    l.dx = -std::cos(l.angle) * projectilespeed;
    l.dy = -std::sin(l.angle) * projectilespeed;
    // Nudged after the direction is taken, so dx and dy keep their values.
    if (l.x == px)
        l.x = l.x + 0.0001;
    return l;
}

bool move(double& x, double& y, double& range, double dx, double dy, bool ranged)
{
    if (ranged)
        range -= 1;
    x += dx;
    y += dy;
    if (x > arenasize || x < 0 || y > arenasize || y < 0)
        range = 0;
    return range > 0;
}

}  // namespace hexbrawl::flight
